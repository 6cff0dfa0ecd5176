#pragma once
// TSevenSeg: a short text shown as a row of slanted seven-segment digits, as on an LED or LCD
// panel.
//
// The caption is shown character by character, one digit cell each: the digits, '-', '+', ':',
// the degree sign and A to F (a to f alike) have glyphs; a '.' or ',' after a character lights
// that digit's decimal point, and one standing alone (at the start, or after another separator)
// takes a blank cell with a point. Any other character leaves its cell empty but still uses it.
// Characters beyond NumDigits cells are not shown. The control does no number formatting.
//
// Every glyph is composed once on a large master image and scaled down, with halftone smoothing,
// into a glyph cache whose cells have the size of one digit cell; painting only copies cache
// cells onto the control's canvas, fills the ground around them and draws the frame over them.
// The cache is rebuilt when the size, a colour, Margin, InterDigDist or NumDigits changes, not
// when the caption does.
//
// Cell geometry, with the defaults (216 x 76, Margin 8, NumDigits 4, InterDigDist 2):
//   pitch      = (Width - 2 * Margin) div NumDigits          = 50
//   cell width = pitch - InterDigDist                        = 48
//   cell height = Height - 2 * Margin                        = 60
//   cell j (1-based) starts at x = (j - 1) * pitch + Margin, y = Margin
// A cell width or height of zero or less leaves every cell empty.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gadrix/displays/SevenSegGlyphs.h"
#include "gadrix/helmar/Types.h"
#include "gadrix/platform/controls/WinControl.h"

namespace gadrix {

// One digit cell of a caption: the cache cell of its character (1 to 21; 0 for a character
// without a glyph, the cell then stays empty) and whether its decimal point is lit.
struct TSevenSegDigit {
  int Cell = 0;
  bool WithDot = false;
  friend bool operator==(const TSevenSegDigit&, const TSevenSegDigit&) = default;
};

// The digit cells a caption fills, at most NumDigits of them: each character takes a cell, a '.'
// or ',' after it lights its point, and one standing alone takes a blank cell with a point.
std::vector<TSevenSegDigit> SevenSegDigits(const std::string& Caption, int NumDigits);

class TSevenSeg : public TGraphicControl {
public:
  static constexpr int DefaultWidth = 216;
  static constexpr int DefaultHeight = 76;
  static constexpr int MaxInterDigDist = 255;
  static constexpr int MinNumDigits = 1;
  static constexpr int MaxNumDigits = 32;

  // Loads the part bitmaps (EResNotFound when the library lacks them), sets the defaults and the
  // size 216 x 76, installs its resize handler in OnResize and builds the glyph cache.
  explicit TSevenSeg(TComponent* AOwner);
  ~TSevenSeg() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // From another TSevenSeg: colours, NumDigits, Caption, FrameStyle, the line colours,
  // ColorScheme, Margin and InterDigDist; the glyph cache is rebuilt from them. Bitmaps are never
  // shared. Any other source goes to the inherited Assign.
  void Assign(const TPersistent* Source) override;
  // Builds the glyph cache once for the settings a form file changed.
  void Loaded() override;

  // Caption (GetCaption/SetCaption, inherited): default "8.8.8.8."; a change repaints at once.

  TColor GetColorBackGnd() const { return colorBackGnd_; }  // default 0x333333 (dark grey)
  void SetColorBackGnd(TColor Value);
  // The segments' colour; white is drawn as 0xFEFEFE. Default 0x0000FF (red).
  TColor GetColorText() const { return colorText_; }
  void SetColorText(TColor Value);
  // 0 (default): line colours grey 0x808080 and white; other: the system's button shadow and
  // highlight. The display's painting does not use them.
  TColorScheme GetColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme Value);
  // Frame around the display, styles 0 to 5; default 2 (sunken).
  TFrameStyle GetFrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle Value);
  // Space around the row of cells; default 8, at most Height div 2 - 1 when set (no lower limit).
  int GetMargin() const { return margin_; }
  void SetMargin(int Value);
  // Space between two cells; default 2, values above 255 become 255 (no lower limit: a negative
  // distance lets cells overlap).
  int GetInterDigDist() const { return interDigDist_; }
  void SetInterDigDist(int Value);
  // Number of digit cells, 1 to 32; default 4. Values outside the range are ignored.
  int GetNumDigits() const { return numDigits_; }
  void SetNumDigits(int Value);

  // The three line colours (black, grey, white) that ColorScheme sets and Assign copies.
  TColor GetBlackLineColor() const { return blackLine_; }
  TColor GetGrayLineColor() const { return grayLine_; }
  TColor GetWhiteLineColor() const { return whiteLine_; }

  // The size of one digit cell for the current size and settings: 48 x 60 with the defaults;
  // both 0 when the cells are empty (no room, or a cache larger than a bitmap may be).
  int CellWidth() const;
  int CellHeight() const;

protected:
  void Paint() override;
  void TextChanged() override;
  // Copies this control into Dest when Dest is a TSevenSeg of a class this control belongs to.
  void AssignTo(TPersistent* Dest) const override;

  // Gives the part bitmaps' shapes the colour Color (white becomes 0xFEFEFE).
  void ColorizeSegments(TColor Color);
  // Composes the glyph of Ch, with the decimal point when WithDot, on the master image.
  void CreateDigit(char32_t Ch, bool WithDot);
  // Rebuilds the glyph cache for the current size, colours and cell layout.
  virtual void CreateImageCache();
  // The resize handler installed in OnResize: rebuilds the cache and repaints when the size
  // differs from the one the cache was built for.
  void ProcessResize(TObject* Sender);

private:
  // Rebuilds the cache and repaints at once; while a form file loads, Loaded does it once.
  void CacheSettingsChanged();
  bool CacheIsCurrent() const;
  // Where digit cell Digit (1-based) lies on the control; none when it lies wholly outside.
  std::optional<TRect> DigitCellRect(int Digit) const;
  // Fills with the background every pixel that the cells of Digits will not cover.
  void FillGround(TCanvas* Canvas, const std::vector<TSevenSegDigit>& Digits) const;
  // Copies cache cell Cell (1 to 21) into digit cell Digit.
  void PaintCell(TCanvas* Canvas, int Cell, int Digit) const;
  void PaintDot(TCanvas* Canvas, int Digit) const;

  TColor colorBackGnd_ = 0x333333;
  TColor colorText_ = clRed;
  TColorScheme colorScheme_ = 0;
  TFrameStyle frameStyle_ = 2;
  int margin_ = 8;
  int interDigDist_ = 2;
  int numDigits_ = 4;
  TColor blackLine_ = clBlack;
  TColor grayLine_ = clGray;
  TColor whiteLine_ = clWhite;

  TSevenSegGlyphs glyphs_;
  TBitmap cache_;
  int cacheCellWidth_ = 0;  // of the cache as built; 0 when its cells are empty
  bool cacheDirty_ = false;  // settings changed while a form file was loading
  TSize cacheSize_{DefaultWidth, DefaultHeight};  // the control size the cache was built for
};

}  // namespace gadrix
