#include "gadrix/numeric/NumLab.h"

#include <algorithm>
#include <string>
#include <vector>

#include "gadrix/helmar/Colors.h"
#include "gadrix/helmar/Drawing.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {
namespace {

constexpr int kDefaultWidth = 160;
constexpr int kDefaultHeight = 28;

// Measured for the height of every text, so that all labels of one font centre alike.
constexpr const char* kTextHeightProbe = "(8g]}\u00DC\u00C4\u00A7";

// The engraved look of disabled side texts: a white copy one pixel right and down, grey on top.
constexpr TColor kEngraveLight = clWhite;
constexpr TColor kEngraveDark = clGray;

// The five frame colours of the box: highlight, light, shadow, dark shadow, line.
constexpr TColor kFrameHighlight = clWhite;
constexpr TColor kFrameLight = clSilver;
constexpr TColor kFrameShadow = clGray;
constexpr TColor kFrameDarkShadow = clBlack;
constexpr TColor kFrameLine = clBlack;

// The frame styles whose box outline pen is special.
constexpr TFrameStyle kFlatFrame = 0;
constexpr TFrameStyle kBumpFrame = 4;

const std::vector<std::string>& DisplayNames() {
  static const std::vector<std::string> names = {
      "dtFloat", "dtFixP", "dtExp", "dtHex", "dtZeroInt", "dtInt", "dtDateTime", "dtState",
      "dtBin", "dtOct", "dtDeg", "dtDegMin", "dtDegMinSec", "dtEEng", "dtEEngNoDP"};
  return names;
}

const std::vector<std::string>& AlignmentNames() {
  static const std::vector<std::string> names = {"taLeftJustify", "taRightJustify", "taCenter"};
  return names;
}

bool IsAlignment(TAlignment Value) { return Value <= taCenter; }

void SolidPenAndBrush(TCanvas* Canvas, TColor Color) {
  Canvas->GetPen()->SetStyle(psSolid);
  Canvas->GetPen()->SetColor(Color);
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->GetBrush()->SetColor(Color);
}

}  // namespace

const TClassInfo& TNumLab::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TNumLab>(
      "TNumLab", &TGraphicControl::StaticClassInfo(),
      {IntegerProperty("Width", &TNumLab::GetWidth, &TNumLab::SetWidth, kDefaultWidth),
       IntegerProperty("Height", &TNumLab::GetHeight, &TNumLab::SetHeight, kDefaultHeight),
       FloatProperty("Value", &TNumLab::GetValue, &TNumLab::SetValue, 0.0),
       EnumProperty("DisplayType", &TNumLab::GetDisplayType, &TNumLab::SetDisplayType, DisplayNames(), dtFixP),
       IntegerProperty("Precision", &TNumLab::GetPrecision, &TNumLab::SetPrecision, 2),
       BooleanProperty("Comma", &TNumLab::GetComma, &TNumLab::SetComma, false),
       BooleanProperty("ForcePlusSign", &TNumLab::GetForcePlusSign, &TNumLab::SetForcePlusSign, false),
       StringProperty("DTFormat", &TNumLab::GetDTFormat, &TNumLab::SetDTFormat, std::string("mmm-dd, yyyy")),
       StringProperty("StateText", &TNumLab::GetStateText, &TNumLab::SetStateText, std::string("undefined")),
       StringProperty("OverflowIndicator", &TNumLab::GetOverflowIndicator, &TNumLab::SetOverflowIndicator,
                      std::string("*********")),
       BooleanProperty("Empty", &TNumLab::GetEmpty, &TNumLab::SetEmpty, false),
       IntegerProperty("LabelWidth", &TNumLab::GetLabelWidth, &TNumLab::SetLabelWidth, 80),
       IntegerProperty("LeftSpace", &TNumLab::GetLeftSpace, &TNumLab::SetLeftSpace, 35),
       StringProperty("LeftText", &TNumLab::GetLeftText, &TNumLab::SetLeftText, std::string()),
       StringProperty("RightText", &TNumLab::GetRightText, &TNumLab::SetRightText, std::string()),
       EnumProperty("Alignment", &TNumLab::GetAlignment, &TNumLab::SetAlignment, AlignmentNames(), taCenter),
       EnumProperty("LeftTextAlignment", &TNumLab::GetLeftTextAlignment, &TNumLab::SetLeftTextAlignment,
                    AlignmentNames(), taRightJustify),
       EnumProperty("RightTextAlignment", &TNumLab::GetRightTextAlignment, &TNumLab::SetRightTextAlignment,
                    AlignmentNames(), taLeftJustify),
       ColorProperty("ColorLabBakG", &TNumLab::GetColorLabBakG, &TNumLab::SetColorLabBakG, clBtnFace),
       ColorProperty("ColorLabText", &TNumLab::GetColorLabText, &TNumLab::SetColorLabText, clBlack),
       ColorProperty("ColorOutBakG", &TNumLab::GetColorOutBakG, &TNumLab::SetColorOutBakG, clBtnFace),
       ColorProperty("ColorOutText", &TNumLab::GetColorOutText, &TNumLab::SetColorOutText, clBlack),
       IntegerProperty("ColorScheme", &TNumLab::GetColorScheme, &TNumLab::SetColorScheme, 0),
       IntegerProperty("FrameStyle", &TNumLab::GetFrameStyle, &TNumLab::SetFrameStyle, 2),
       BooleanProperty("Transparent", &TNumLab::GetTransparent, &TNumLab::SetTransparent, false)});
  return info;
}

TNumLab::TNumLab(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(GetLeft(), GetTop(), kDefaultWidth, kDefaultHeight);
}

// --- copying ----------------------------------------------------------------------------------

void TNumLab::Assign(const TPersistent* Source) {
  const auto* other = dynamic_cast<const TNumLab*>(Source);
  if (other == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  leftSpace_ = other->leftSpace_;
  empty_ = other->empty_;
  labelWidth_ = other->labelWidth_;
  format_.Precision = other->format_.Precision;
  leftText_ = other->leftText_;
  rightText_ = other->rightText_;
  frameStyle_ = other->frameStyle_;
  alignment_ = other->alignment_;
  leftTextAlignment_ = other->leftTextAlignment_;
  rightTextAlignment_ = other->rightTextAlignment_;
  format_.OverflowIndicator = other->format_.OverflowIndicator;
  value_ = other->value_;
  format_.StateText = other->format_.StateText;
  transparent_ = other->transparent_;
  colorLabBakG_ = other->colorLabBakG_;
  colorLabText_ = other->colorLabText_;
  colorOutBakG_ = other->colorOutBakG_;
  colorOutText_ = other->colorOutText_;
  colBlackLine_ = other->colBlackLine_;
  colGrayLine_ = other->colGrayLine_;
  colWhiteLine_ = other->colWhiteLine_;
  colorScheme_ = other->colorScheme_;
  format_.DisplayType = other->format_.DisplayType;
  Changed();
}

void TNumLab::AssignTo(TPersistent* Dest) const {
  if (auto* other = dynamic_cast<TNumLab*>(Dest)) {
    other->Assign(this);
    return;
  }
  TGraphicControl::AssignTo(Dest);
}

// --- properties -------------------------------------------------------------------------------

void TNumLab::Changed() {
  if (transparent_) Invalidate();
  else Repaint();
}

void TNumLab::SetValue(double Value) { Store(value_, Value); }

void TNumLab::SetDisplayType(TDisplay Value) {
  if (Value > kLastDisplay) return;
  Store(format_.DisplayType, Value);
}

void TNumLab::SetPrecision(int Value) {
  if (Value < 0) return;
  Store(format_.Precision, std::min(Value, kNumLabMaxPrecision));
}

void TNumLab::SetComma(bool Value) { Store(format_.Comma, Value); }
void TNumLab::SetForcePlusSign(bool Value) { Store(format_.ForcePlusSign, Value); }
void TNumLab::SetDTFormat(const std::string& Value) { Store(format_.DTFormat, Value); }
void TNumLab::SetStateText(const std::string& Value) { Store(format_.StateText, Value); }
void TNumLab::SetOverflowIndicator(const std::string& Value) { Store(format_.OverflowIndicator, Value); }
void TNumLab::SetEmpty(bool Value) { Store(empty_, Value); }
void TNumLab::SetLabelWidth(int Value) { Store(labelWidth_, Value); }

void TNumLab::SetLeftSpace(int Value) {
  if (Value < 0) return;
  Store(leftSpace_, std::min(Value, GetWidth()));
}

void TNumLab::SetLeftText(const std::string& Value) { Store(leftText_, Value); }
void TNumLab::SetRightText(const std::string& Value) { Store(rightText_, Value); }

void TNumLab::SetAlignment(TAlignment Value) {
  if (IsAlignment(Value)) Store(alignment_, Value);
}
void TNumLab::SetLeftTextAlignment(TAlignment Value) {
  if (IsAlignment(Value)) Store(leftTextAlignment_, Value);
}
void TNumLab::SetRightTextAlignment(TAlignment Value) {
  if (IsAlignment(Value)) Store(rightTextAlignment_, Value);
}

void TNumLab::SetColorLabBakG(TColor Value) { Store(colorLabBakG_, Value); }
void TNumLab::SetColorLabText(TColor Value) { Store(colorLabText_, Value); }
void TNumLab::SetColorOutBakG(TColor Value) { Store(colorOutBakG_, Value); }
void TNumLab::SetColorOutText(TColor Value) { Store(colorOutText_, Value); }

void TNumLab::SetColorScheme(TColorScheme Value) {
  if (Value == colorScheme_) return;
  colorScheme_ = Value;
  const TSchemeLines lines = SchemeLineColors(Value);
  colGrayLine_ = lines.Gray;
  colWhiteLine_ = lines.White;
  Changed();
}

void TNumLab::SetFrameStyle(TFrameStyle Value) { Store(frameStyle_, Value); }
void TNumLab::SetTransparent(bool Value) { Store(transparent_, Value); }

// --- mouse ------------------------------------------------------------------------------------

void TNumLab::MouseMove(TShiftState Shift, int X, int Y) {
  mouseAreaCode_ = kNumLabAreaLeft;
  if (X > leftSpace_) mouseAreaCode_ = kNumLabAreaBox;
  if (X > leftSpace_ + labelWidth_) mouseAreaCode_ = kNumLabAreaRight;
  TGraphicControl::MouseMove(Shift, X, Y);
}

// --- geometry ---------------------------------------------------------------------------------

int TNumLab::LeftTextX(int TextWidth) const {
  switch (leftTextAlignment_) {
    case taLeftJustify: return 7;
    case taCenter: return (leftSpace_ - TextWidth) / 2;
    default: return leftSpace_ - TextWidth - 5;
  }
}

int TNumLab::RightTextX(int TextWidth) const {
  const int boxEnd = leftSpace_ + labelWidth_;
  switch (rightTextAlignment_) {
    case taRightJustify: return GetWidth() - TextWidth - 6;
    case taCenter: return (GetWidth() - (boxEnd + TextWidth)) / 2 + boxEnd + 1;
    default: return boxEnd + 7;
  }
}

int TNumLab::ValueTextX(int TextWidth) const {
  switch (alignment_) {
    case taLeftJustify: return leftSpace_ + 4;
    case taRightJustify: return leftSpace_ + labelWidth_ - TextWidth - 2;
    default: return leftSpace_ + (labelWidth_ - TextWidth) / 2 + 2;
  }
}

TRect TNumLab::ValueClipRect() const {
  return {leftSpace_ + 3, 2, leftSpace_ + labelWidth_ - 1, GetHeight() - 3};
}

TRect TNumLab::TransparentBoxRect() const {
  return {leftSpace_ + 2, 2, leftSpace_ + labelWidth_, GetHeight() - 2};
}

// --- painting ---------------------------------------------------------------------------------

void TNumLab::Paint() {
  if (GetWidth() <= 0 || GetHeight() <= 0) return;
  bitmap_.SetSize(GetWidth(), GetHeight());
  TCanvas* canvas = bitmap_.GetCanvas();
  canvas->SetFont(GetFont());
  const int textTop = (GetHeight() - canvas->TextHeight(kTextHeightProbe)) / 2;
  PaintBackground(canvas);
  PaintSideText(canvas, leftText_, LeftTextX(canvas->TextWidth(leftText_)), textTop);
  PaintSideText(canvas, rightText_, RightTextX(canvas->TextWidth(rightText_)), textTop);
  PaintBox(canvas);
  PaintValue(canvas, textTop);
  CopyToControl();
}

void TNumLab::PaintBackground(TCanvas* Canvas) const {
  SolidPenAndBrush(Canvas, transparent_ ? clWhite : colorOutBakG_);
  Canvas->Rectangle(0, 0, GetWidth(), GetHeight());
}

void TNumLab::PaintSideText(TCanvas* Canvas, const std::string& Text, int X, int Y) const {
  if (Text.empty()) return;
  TFont* font = Canvas->GetFont();
  if (GetEnabled()) {
    font->SetColor(colorOutText_);
    Canvas->TextOut(X, Y, Text);  // on the background brush of the first step
    return;
  }
  const TBrushStyle brushStyle = Canvas->GetBrush()->GetStyle();
  Canvas->GetBrush()->SetStyle(bsClear);
  font->SetColor(kEngraveLight);
  Canvas->TextOut(X + 1, Y + 1, Text);
  font->SetColor(kEngraveDark);
  Canvas->TextOut(X, Y, Text);
  Canvas->GetBrush()->SetStyle(brushStyle);
}

void TNumLab::PaintBox(TCanvas* Canvas) const {
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->GetBrush()->SetColor(colorLabBakG_);
  TColor pen = colGrayLine_;
  if (frameStyle_ == kFlatFrame) pen = colorLabBakG_;
  else if (frameStyle_ == kBumpFrame) pen = colWhiteLine_;
  Canvas->GetPen()->SetColor(pen);
  // DrawFrame fills the box with the brush first: that fill is the box background.
  DrawFrame(Canvas, frameStyle_, leftSpace_ + 1, 0, leftSpace_ + labelWidth_, GetHeight() - 2, kFrameHighlight,
            kFrameLight, kFrameShadow, kFrameDarkShadow, kFrameLine);
}

std::string TNumLab::ComposeShownText(const TCanvas* Canvas) {
  std::string text = DisplayValueText(value_, format_);
  if (onBeforeDisplay_) onBeforeDisplay_(this, text);
  if (NeedsOverflowIndicator(format_.DisplayType, Canvas->TextWidth(text), labelWidth_))
    text = format_.OverflowIndicator;
  return text;
}

void TNumLab::PaintValue(TCanvas* Canvas, int Y) {
  if (empty_) {
    shownText_.clear();
    return;
  }
  shownText_ = ComposeShownText(Canvas);
  Canvas->GetFont()->SetColor(GetEnabled() ? colorLabText_ : clBtnShadow);
  // The brush is still the box colour, so the clip rectangle's fill matches the box.
  Canvas->TextRect(ValueClipRect(), ValueTextX(Canvas->TextWidth(shownText_)), Y, shownText_);
}

void TNumLab::CopyToControl() {
  TCanvas* canvas = GetCanvas();
  if (transparent_) {
    SolidPenAndBrush(canvas, ColorToRGB(colorLabText_) != clBlack ? clWhite : colorLabBakG_);
    canvas->Rectangle(TransparentBoxRect());
    canvas->SetCopyMode(cmSrcAnd);
  } else {
    canvas->SetCopyMode(cmSrcCopy);
  }
  canvas->Draw(0, 0, &bitmap_);
  canvas->SetCopyMode(cmSrcCopy);
}

}  // namespace gadrix
