#pragma once
// Module NumLab: TNumLab, a number shown read-only in a framed box, with an optional text on each
// side, in one of the display formats of TDisplay (NumLabText.h lists them with examples).
//
// Layout, in the control's own pixels (LS = LeftSpace, LW = LabelWidth, H = height):
//
//   0            LS+1              LS+LW                width
//   | left text  |[ frame | value ]| right text         |
//
// - The box is framed over the columns LS + 1 to LS + LW and the rows 0 to H - 2, both ends
//   included; the value is drawn clipped to the inside (LS + 3, 2) .. (LS + LW - 2, H - 4).
// - Every text stands at y = (H - th) div 2, th being the height of "(8g]}ÜÄ§" in the control's
//   font.
// - Left text (width lw):  x = 7 (left), LS - lw - 5 (right), (LS - lw) div 2 (centred).
//   Right text (width rw): x = LS + LW + 7 (left), width - rw - 6 (right),
//                          (width - (LS + LW + rw)) div 2 + LS + LW + 1 (centred).
//   Value (width w):       x = LS + 4 (left), LS + LW - w - 2 (right), LS + (LW - w) div 2 + 2
//                          (centred).
//
// Painting goes through an off-screen bitmap of the control's size, copied in one step. The frame
// is drawn by DrawFrame, which fills the box with ColorLabBakG before the value is written on it.
// Disabled, the side texts are engraved (white one pixel right and down, grey on top) and the
// value is written in the button-shadow colour.
//
// Transparent: the bitmap's background is white, the control's canvas (which already holds the
// parent's pixels) gets the box area (LS + 2, 2) .. (LS + LW - 1, H - 3) filled with white - or
// with ColorLabBakG when ColorLabText is black - and the bitmap is combined with it by a bitwise
// AND: white parts of the bitmap let the background through, the box shows as drawn.
//
// Every setter ignores an unchanged value, stores a changed one and paints again: at once, or,
// while Transparent, by invalidating so that the parent is drawn underneath first.

#include <functional>
#include <string>

#include "gadrix/helmar/Types.h"
#include "gadrix/numeric/NumLabText.h"
#include "gadrix/platform/controls/Alignment.h"
#include "gadrix/platform/controls/WinControl.h"
#include "gadrix/platform/graphics/Bitmap.h"

namespace gadrix {

// Called with the text about to be shown; the handler may change it. Not called while Empty.
using TBeforeDisplayEvent = std::function<void(TObject* Sender, std::string& Text)>;

// What MouseAreaCode reports: where the pointer was at the last mouse move.
constexpr int kNumLabAreaLeft = 0;   // over the left text, up to x = LeftSpace
constexpr int kNumLabAreaBox = 1;    // over the box, x from LeftSpace + 1 to LeftSpace + LabelWidth
constexpr int kNumLabAreaRight = 2;  // right of the box

class TNumLab : public TGraphicControl {
public:
  // Width 160, height 28 and every property at the default listed below.
  explicit TNumLab(TComponent* AOwner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // From another TNumLab: LeftSpace, Empty, LabelWidth, Precision, LeftText, RightText,
  // FrameStyle, the three alignments, OverflowIndicator, Value, StateText, Transparent, the four
  // colours, the three line colours, ColorScheme and DisplayType, then a repaint. Comma,
  // ForcePlusSign and DTFormat are not copied. Other sources go to the inherited assignment.
  void Assign(const TPersistent* Source) override;

  // The number shown. Default 0.0.
  double GetValue() const { return value_; }
  void SetValue(double Value);
  // The display format. Default dtFixP; ordinals above dtEEngNoDP are ignored.
  TDisplay GetDisplayType() const { return format_.DisplayType; }
  void SetDisplayType(TDisplay Value);
  // Significant digits, decimals or least digit count, as the format uses it. Default 2; negative
  // values are ignored, values above 15 become 15.
  int GetPrecision() const { return format_.Precision; }
  void SetPrecision(int Value);
  // Decimal separator of the numeric formats: "," when set, else ".". Default false.
  bool GetComma() const { return format_.Comma; }
  void SetComma(bool Value);
  // "+" before values above 0 (numeric formats but dtHex and dtBin). Default false.
  bool GetForcePlusSign() const { return format_.ForcePlusSign; }
  void SetForcePlusSign(bool Value);
  // Date and time pattern of dtDateTime (FormatDateTime). Default "mmm-dd, yyyy".
  const std::string& GetDTFormat() const { return format_.DTFormat; }
  void SetDTFormat(const std::string& Value);
  // The text of dtState. Default "undefined".
  const std::string& GetStateText() const { return format_.StateText; }
  void SetStateText(const std::string& Value);
  // Shown instead of a text wider than LabelWidth - 6 pixels. Default "*********".
  const std::string& GetOverflowIndicator() const { return format_.OverflowIndicator; }
  void SetOverflowIndicator(const std::string& Value);
  // The box stays empty (and OnBeforeDisplay is not raised). Default false.
  bool GetEmpty() const { return empty_; }
  void SetEmpty(bool Value);
  // Width of the box in pixels. Default 80; not clamped.
  int GetLabelWidth() const { return labelWidth_; }
  void SetLabelWidth(int Value);
  // x of the box (the room for the left text). Default 35; negative values are ignored, values
  // above Width become Width.
  int GetLeftSpace() const { return leftSpace_; }
  void SetLeftSpace(int Value);
  // Texts left and right of the box. Default empty.
  const std::string& GetLeftText() const { return leftText_; }
  void SetLeftText(const std::string& Value);
  const std::string& GetRightText() const { return rightText_; }
  void SetRightText(const std::string& Value);
  // Alignment of the value in the box. Default taCenter; unknown ordinals are ignored.
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  // Alignment of the left text in its room. Default taRightJustify.
  TAlignment GetLeftTextAlignment() const { return leftTextAlignment_; }
  void SetLeftTextAlignment(TAlignment Value);
  // Alignment of the right text in its room. Default taLeftJustify.
  TAlignment GetRightTextAlignment() const { return rightTextAlignment_; }
  void SetRightTextAlignment(TAlignment Value);
  // Box background. Default clBtnFace.
  TColor GetColorLabBakG() const { return colorLabBakG_; }
  void SetColorLabBakG(TColor Value);
  // Value text. Default black.
  TColor GetColorLabText() const { return colorLabText_; }
  void SetColorLabText(TColor Value);
  // Background outside the box. Default clBtnFace.
  TColor GetColorOutBakG() const { return colorOutBakG_; }
  void SetColorOutBakG(TColor Value);
  // Left and right text. Default black.
  TColor GetColorOutText() const { return colorOutText_; }
  void SetColorOutText(TColor Value);
  // 0: grey 0x808080 and white line colours; any other value: the system's button shadow and
  // highlight. Default 0.
  TColorScheme GetColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme Value);
  // Frame of the box, styles 0 to 5 of DrawFrame (other values draw no frame). Default 2 (sunken).
  TFrameStyle GetFrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle Value);
  // The area outside the box shows what lies behind the control. Default false.
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool Value);

  TBeforeDisplayEvent GetOnBeforeDisplay() const { return onBeforeDisplay_; }
  void SetOnBeforeDisplay(TBeforeDisplayEvent Value) { onBeforeDisplay_ = std::move(Value); }

  // Where the pointer was at the last mouse move: kNumLabAreaLeft, kNumLabAreaBox or
  // kNumLabAreaRight. 0 until the first move.
  int GetMouseAreaCode() const { return mouseAreaCode_; }

  // The text the box showed at the last paint: after OnBeforeDisplay and the overflow test; empty
  // before the first paint and while Empty.
  const std::string& GetShownText() const { return shownText_; }

protected:
  void AssignTo(TPersistent* Dest) const override;
  void Paint() override;
  // Updates MouseAreaCode, then raises OnMouseMove.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void EnabledChanged() override { Changed(); }

private:
  // Paints again: at once, or by invalidating while transparent.
  void Changed();
  template <class T>
  void Store(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }

  // Geometry (see the top of this file).
  int LeftTextX(int TextWidth) const;
  int RightTextX(int TextWidth) const;
  int ValueTextX(int TextWidth) const;
  TRect ValueClipRect() const;
  TRect TransparentBoxRect() const;

  // Painting steps, on the off-screen bitmap's canvas.
  void PaintBackground(TCanvas* Canvas) const;
  void PaintSideText(TCanvas* Canvas, const std::string& Text, int X, int Y) const;
  void PaintBox(TCanvas* Canvas) const;
  void PaintValue(TCanvas* Canvas, int Y);
  void CopyToControl();
  // The text of the value after OnBeforeDisplay and the overflow test, measured on Canvas.
  std::string ComposeShownText(const TCanvas* Canvas);

  double value_ = 0.0;
  TNumLabTextFormat format_;
  bool empty_ = false;
  int labelWidth_ = 80;
  int leftSpace_ = 35;
  std::string leftText_, rightText_;
  TAlignment alignment_ = taCenter;
  TAlignment leftTextAlignment_ = taRightJustify;
  TAlignment rightTextAlignment_ = taLeftJustify;
  TColor colorLabBakG_ = clBtnFace;
  TColor colorLabText_ = clBlack;
  TColor colorOutBakG_ = clBtnFace;
  TColor colorOutText_ = clBlack;
  TColorScheme colorScheme_ = 0;
  TFrameStyle frameStyle_ = 2;
  bool transparent_ = false;
  // Line colours; the colour scheme sets grey and white.
  TColor colBlackLine_ = clBlack;
  TColor colGrayLine_ = clGray;
  TColor colWhiteLine_ = clWhite;
  int mouseAreaCode_ = kNumLabAreaLeft;
  std::string shownText_;
  TBeforeDisplayEvent onBeforeDisplay_;
  TBitmap bitmap_;
};

}  // namespace gadrix
