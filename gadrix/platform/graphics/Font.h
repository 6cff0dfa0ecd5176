#pragma once
// The font of a canvas or control, and the logical-font calls that rotate text.
//
// Sizes are points at 96 pixels per inch: Size 8 is an em of 11 pixels. Height is the same
// measure in pixels, negative as the classic toolkit stores it (Size 8 <-> Height -11).

#include <cstdint>
#include <memory>
#include <string>

#include "gadrix/platform/graphics/Color.h"
#include "gadrix/platform/graphics/GraphicsObject.h"
#include "gadrix/platform/graphics/TextEngine.h"

namespace gadrix {

enum : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;

enum TFontQuality : std::uint8_t {
  fqDefault,  // antialiased
  fqDraft,
  fqProof,
  fqNonAntialiased,
  fqAntialiased,
  fqClearType,
  fqClearTypeNatural
};

constexpr int ScreenPixelsPerInch = 96;

// A logical font as the Win32 calls exchange it (92 bytes). Escapement and orientation are in
// tenths of a degree; quality 3 is non-antialiased, 4 antialiased.
struct TLogFont {
  std::int32_t lfHeight = 0;
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 400;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 1;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  char16_t lfFaceName[32] = {};
};
static_assert(sizeof(TLogFont) == 92);

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;
constexpr std::uint8_t NONANTIALIASED_QUALITY = 3;
constexpr std::uint8_t ANTIALIASED_QUALITY = 4;

// A font handle: an immutable logical font.
using HFONT = std::shared_ptr<const TLogFont>;

// Copies at most Size bytes of the handle's logical font to Buffer; returns the bytes copied
// (0 for an empty handle).
int GetObjectW(const HFONT& Font, int Size, void* Buffer);
HFONT CreateFontIndirectW(const TLogFont* LogFont);

class TFont : public TGraphicsObject {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Assign(const TPersistent* Source) override;

  const std::string& GetName() const { return name_; }  // default "Tahoma"
  void SetName(const std::string& Value) { Update(name_, Value); }
  int GetSize() const;  // default 8 (points)
  void SetSize(int Value);
  int GetHeight() const { return height_; }  // default -11 (pixels; negative: the em height)
  void SetHeight(int Value) { Update(height_, Value); }
  TColor GetColor() const { return color_; }  // default clWindowText
  void SetColor(TColor Value) { Update(color_, Value); }
  TFontStyles GetStyle() const { return style_; }  // default {}
  void SetStyle(TFontStyles Value) { Update(style_, Value); }
  int GetOrientation() const { return orientation_; }  // tenths of a degree, counter-clockwise
  void SetOrientation(int Value) { Update(orientation_, Value); }
  TFontQuality GetQuality() const { return quality_; }  // default fqDefault (antialiased)
  void SetQuality(TFontQuality Value) { Update(quality_, Value); }

  // The font as a logical font, and the font set from one (name, height, weight, italic,
  // underline, strike-out, escapement as the orientation, quality).
  HFONT GetHandle() const;
  void SetHandle(const HFONT& Value);

  // What the text engine needs to measure and draw with this font.
  TFontSpec FontSpec() const;

private:
  std::string name_ = "Tahoma";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_ = 0;
  int orientation_ = 0;
  TFontQuality quality_ = fqDefault;
};

}  // namespace gadrix
