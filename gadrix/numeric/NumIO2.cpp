// TNumIO2: construction, published properties, the caret timer, focus and copying.
// Keys and mouse are in NumIO2Input.cpp, geometry and painting in NumIO2Paint.cpp.

#include "gadrix/numeric/NumIO2.h"

#include <algorithm>
#include <cmath>

#include "gadrix/helmar/Colors.h"
#include "gadrix/numeric/TextChars.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {
namespace {

constexpr unsigned kCaretTimerId = 1;
constexpr TFrameStyle kLastFrameStyle = 5;
constexpr int kButWidthMin = 8;
constexpr int kButWidthMax = 50;
constexpr int kButSpaceMax = 50;
constexpr int kGaugeHeightMin = 3;
constexpr int kGaugeWidthMin = 10;

const std::vector<std::string> kAlignmentNames = {"taLeftJustify", "taRightJustify", "taCenter"};
const std::vector<std::string> kInFormatNames = {"itExp", "itFloat", "itFixPoint", "itInt",
                                                  "itHex", "itOct",   "itBin",      "itDynamic"};
const std::vector<std::string> kDecPSepNames = {"dpsSystem", "dpsPoint", "dpsComma", "dpsBoth"};

}  // namespace

const TClassInfo& TNumIO2::StaticClassInfo() {
  using C = TNumIO2;
  // The formats come before Value and Text, so that a form file restores the text in its format.
  static const TClassInfo info = TClassInfo::Of<TNumIO2>(
      "TNumIO2", &TCustomControl::StaticClassInfo(),
      {IntegerProperty("Width", &C::GetWidth, &C::SetWidth, kDefaultWidth),
       IntegerProperty("Height", &C::GetHeight, &C::SetHeight, kDefaultHeight),
       BooleanProperty("TabStop", &C::GetTabStop, &C::SetTabStop, false),
       EnumProperty("Alignment", &C::GetAlignment, &C::SetAlignment, kAlignmentNames, taCenter),
       BooleanProperty("AutoSize", &C::GetAutoSize, &C::SetAutoSize, false),
       BooleanProperty("Beep", &C::GetBeep, &C::SetBeep, false),
       BooleanProperty("ButVisible", &C::GetButVisible, &C::SetButVisible, false),
       BooleanProperty("But3D", &C::GetBut3D, &C::SetBut3D, true),
       IntegerProperty("ButHeight", &C::GetButHeight, &C::SetButHeight, kDefaultHeight),
       IntegerProperty("ButWidth", &C::GetButWidth, &C::SetButWidth, 18),
       FloatProperty("ButIncrem", &C::GetButIncrem, &C::SetButIncrem, 1.0),
       IntegerProperty("ButSpace", &C::GetButSpace, &C::SetButSpace, 3),
       ColorProperty("ButColor", &C::GetButColor, &C::SetButColor, clSilver),
       ColorProperty("ColorBoxBG", &C::GetColorBoxBG, &C::SetColorBoxBG, clWhite),
       ColorProperty("ColorBoxText", &C::GetColorBoxText, &C::SetColorBoxText, clBlack),
       ColorProperty("ColorOutBG", &C::GetColorOutBG, &C::SetColorOutBG, clBtnFace),
       ColorProperty("ColorOutText", &C::GetColorOutText, &C::SetColorOutText, clBlack),
       IntegerProperty("ColorScheme", &C::GetColorScheme, &C::SetColorScheme, 0),
       ColorProperty("ColorWarnBG", &C::GetColorWarnBG, &C::SetColorWarnBG, 0x6088FFF0),
       ColorProperty("ColorWarnText", &C::GetColorWarnText, &C::SetColorWarnText, clRed),
       IntegerProperty("FrameStyle", &C::GetFrameStyle, &C::SetFrameStyle, 2),
       ColorProperty("GaugeColor", &C::GetGaugeColor, &C::SetGaugeColor, clNavy),
       ColorProperty("GaugeColorBg", &C::GetGaugeColorBg, &C::SetGaugeColorBg, clSilver),
       ColorProperty("GaugeColorFrame", &C::GetGaugeColorFrame, &C::SetGaugeColorFrame, clGray),
       IntegerProperty("GaugeFrameStyle", &C::GetGaugeFrameStyle, &C::SetGaugeFrameStyle, 2),
       IntegerProperty("GaugeHeight", &C::GetGaugeHeight, &C::SetGaugeHeight, 8),
       IntegerProperty("GaugeLeftMargin", &C::GetGaugeLeftMargin, &C::SetGaugeLeftMargin, 35),
       IntegerProperty("GaugeTopMargin", &C::GetGaugeTopMargin, &C::SetGaugeTopMargin, 3),
       BooleanProperty("GaugeVisible", &C::GetGaugeVisible, &C::SetGaugeVisible, false),
       IntegerProperty("GaugeWidth", &C::GetGaugeWidth, &C::SetGaugeWidth, 82),
       BooleanProperty("HideSelection", &C::GetHideSelection, &C::SetHideSelection, true),
       IntegerProperty("LeftSpace", &C::GetLeftSpace, &C::SetLeftSpace, 35),
       StringProperty("LeftText", &C::GetLeftText, &C::SetLeftText, std::string()),
       EnumProperty("LeftTextAlignment", &C::GetLeftTextAlignment, &C::SetLeftTextAlignment, kAlignmentNames,
                    taRightJustify),
       BooleanProperty("ReadOnly", &C::GetReadOnly, &C::SetReadOnly, false),
       StringProperty("RightText", &C::GetRightText, &C::SetRightText, std::string()),
       EnumProperty("RightTextAlignment", &C::GetRightTextAlignment, &C::SetRightTextAlignment, kAlignmentNames,
                    taLeftJustify),
       IntegerProperty("TextBoxWidth", &C::GetTextBoxWidth, &C::SetTextBoxWidth, 80),
       EnumProperty("InputFormat", &C::GetInputFormat, &C::SetInputFormat, kInFormatNames, itFloat),
       EnumProperty("DecPlaceSep", &C::GetDecPlaceSep, &C::SetDecPlaceSep, kDecPSepNames, dpsBoth),
       IntegerProperty("FixPointDecPlaces", &C::GetFixPointDecPlaces, &C::SetFixPointDecPlaces, 2),
       IntegerProperty("SignificantDigits", &C::GetSignificantDigits, &C::SetSignificantDigits, 6),
       FloatProperty("RangeLow", &C::GetRangeLow, &C::SetRangeLow, 0.0),
       FloatProperty("RangeHigh", &C::GetRangeHigh, &C::SetRangeHigh, 1000.0),
       FloatProperty("Value", &C::GetValue, &C::SetValue),
       StringProperty("Text", &C::GetText, &C::SetText, std::string())});
  return info;
}

TNumIO2::TNumIO2(TComponent* AOwner) : TCustomControl(AOwner),
      FBitmap(std::make_unique<TBitmap>()),
      FMeasureBitmap(std::make_unique<TBitmap>()) {
  FSuppressPaint = true;
  SetTabStop(false);
  SetControlStyle(GetControlStyle() | csOpaque);
  SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
  FButHeight = GetHeight();
  FCaretTimerH.reset(AllocateHWnd([this](TMessage& Message) { CaretTimerMessage(Message); }));
  FSuppressPaint = false;
  if (!FCaretTimerH->SetTimer(kCaretTimerId, kCaretPeriod)) RaiseNoTimer();
}

TNumIO2::~TNumIO2() = default;

void TNumIO2::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, std::max(AHeight, kMinHeight));
  if (FButHeight > GetHeight()) {
    FButHeight = GetHeight();
    Invalidate();
  }
}

template <class T>
void TNumIO2::SetField(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

// --- the value and its text -------------------------------------------------------------------------

void TNumIO2::SetText(const std::string& Value) {
  if (Value == FInBuffer) return;
  if (!Value.empty() && !CheckValidity(Value)) return;
  FInBuffer = Value;
  FCaretPos = FSelBegin = FSelEnd = 0;
  Invalidate();
}

double TNumIO2::GetNioValue() const { return gadrix::GetNioValue(FInBuffer, FInputFormat); }

void TNumIO2::SetNioValue(double Value) {
  FInBuffer = gadrix::SetNioValue(Value, FInputFormat, FFixPointDecPlaces, FSignificantDigits, FDecPlaceSep);
  LimitSelection();
  Invalidate();
}

std::int32_t TNumIO2::GetNioIntValue() const { return gadrix::GetNioIntValue(FInBuffer, FInputFormat, GetName()); }

bool TNumIO2::CheckValidity(const std::string& Instring) const {
  return gadrix::CheckValidity(Instring, FInputFormat, FDecPlaceSep, FFixPointDecPlaces);
}

bool TNumIO2::OutOfRange() const { return gadrix::OutOfRange(FInBuffer, FInputFormat, FMinimum, FMaximum); }

void TNumIO2::SetInputFormat(TInFormat Value) {
  Value = std::min(Value, itDynamic);
  if (Value == FInputFormat) return;
  const double value = GetNioValue();
  FInputFormat = Value;
  SetNioValue(value);
}

void TNumIO2::SetDecPlaceSep(TDecPSep Value) {
  Value = std::min(Value, dpsBoth);
  if (Value == FDecPlaceSep) return;
  FInBuffer = ChangeDecPlaceSep(FInBuffer, FDecPlaceSep, Value);
  FDecPlaceSep = Value;
  Invalidate();
}

void TNumIO2::SetFixPointDecPlaces(int Value) {
  if (Value <= 0) return;
  Value = std::min(Value, kMaxDigits);
  if (Value == FFixPointDecPlaces) return;
  const double value = GetNioValue();
  FFixPointDecPlaces = Value;
  SetNioValue(value);
}

void TNumIO2::SetSignificantDigits(int Value) {
  if (Value <= 0) return;
  Value = std::min(Value, kMaxDigits);
  if (Value == FSignificantDigits) return;
  const double value = GetNioValue();
  FSignificantDigits = Value;
  SetNioValue(value);
}

void TNumIO2::SetRangeLow(double Value) {
  if (std::isnan(Value) || Value == FMinimum) return;
  FMinimum = Value;
  FMaximum = std::max(FMaximum, Value);
  Invalidate();
}

void TNumIO2::SetRangeHigh(double Value) {
  if (std::isnan(Value) || Value == FMaximum) return;
  FMaximum = Value;
  FMinimum = std::min(FMinimum, Value);
  Invalidate();
}

// --- editing ------------------------------------------------------------------------------------------

void TNumIO2::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  if (FReadOnly)
    StopCaretTimer();
  else
    RestartCaretTimer();
}

void TNumIO2::SetBeep(bool Value) { FBeep = Value; }

void TNumIO2::SetHideSelection(bool Value) { SetField(FHideSelection, Value); }

void TNumIO2::SetSelBegin(int Value) {
  Value = std::clamp(Value, 0, Length());
  FSelBegin = FCaretPos = Value;
  FSelEnd = std::max(FSelEnd, Value);
  Invalidate();
}

void TNumIO2::SetSelEnd(int Value) {
  Value = std::clamp(Value, 0, Length());
  FSelEnd = FCaretPos = Value;
  FSelBegin = std::min(FSelBegin, Value);
  Invalidate();
}

int TNumIO2::Length() const { return textchars::CharCount(FInBuffer); }

void TNumIO2::LimitSelection() {
  const int length = Length();
  FCaretPos = std::min(FCaretPos, length);
  FSelEnd = std::min(FSelEnd, length);
  FSelBegin = std::min(FSelBegin, FSelEnd);
}

// --- layout and look ----------------------------------------------------------------------------------

void TNumIO2::SetLeftSpace(int Value) {
  if (Value < 0) return;
  SetField(FLeftSpace, std::min(Value, GetWidth()));
}

void TNumIO2::SetTextBoxWidth(int Value) { SetField(FTextBoxWidth, Value); }
void TNumIO2::SetAlignment(TAlignment Value) { SetField(FAlignment, Value); }
void TNumIO2::SetLeftText(const std::string& Value) { SetField(FLeftText, Value); }
void TNumIO2::SetRightText(const std::string& Value) { SetField(FRightText, Value); }
void TNumIO2::SetLeftTextAlignment(TAlignment Value) { SetField(FLeftTextAlignment, Value); }
void TNumIO2::SetRightTextAlignment(TAlignment Value) { SetField(FRightTextAlignment, Value); }
void TNumIO2::SetFrameStyle(TFrameStyle Value) { SetField(FFrameStyle, std::min(Value, kLastFrameStyle)); }

void TNumIO2::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  ApplyAutoSize();
  Invalidate();
}

void TNumIO2::FontChanged() {
  ApplyAutoSize();
  TCustomControl::FontChanged();
}

void TNumIO2::SetColorBoxBG(TColor Value) { SetField(FColorBoxBG, Value); }
void TNumIO2::SetColorBoxText(TColor Value) { SetField(FColorBoxText, Value); }
void TNumIO2::SetColorOutBG(TColor Value) { SetField(FColorOutBG, Value); }
void TNumIO2::SetColorOutText(TColor Value) { SetField(FColorOutText, Value); }
void TNumIO2::SetColorWarnBG(TColor Value) { SetField(FColorWarnBG, Value); }
void TNumIO2::SetColorWarnText(TColor Value) { SetField(FColorWarnText, Value); }

void TNumIO2::SetColorScheme(TColorScheme Value) {
  if (Value == FColorScheme) return;
  FColorScheme = Value;
  const TSchemeLines lines = SchemeLineColors(Value);
  FColGrayLine = lines.Gray;
  FColWhiteLine = lines.White;
  Invalidate();
}

// --- up/down buttons ------------------------------------------------------------------------------------

void TNumIO2::SetButVisible(bool Value) { SetField(FButVisible, Value); }
void TNumIO2::SetBut3D(bool Value) { SetField(FBut3D, Value); }
void TNumIO2::SetButHeight(int Value) { SetField(FButHeight, std::min(std::max(Value, kMinHeight), GetHeight())); }
void TNumIO2::SetButWidth(int Value) { SetField(FButWidth, std::clamp(Value, kButWidthMin, kButWidthMax)); }
void TNumIO2::SetButSpace(int Value) { SetField(FButSpace, std::clamp(Value, 0, kButSpaceMax)); }
void TNumIO2::SetButIncrem(double Value) { FButIncrem = Value; }
void TNumIO2::SetButColor(TColor Value) { SetField(FButColor, Value); }

// --- gauge ------------------------------------------------------------------------------------------------

void TNumIO2::SetGaugeVisible(bool Value) { SetField(FGaugeVisible, Value); }
void TNumIO2::SetGaugeColor(TColor Value) { SetField(FGaugeColor, Value); }
void TNumIO2::SetGaugeColorBg(TColor Value) { SetField(FGaugeColorBg, Value); }
void TNumIO2::SetGaugeColorFrame(TColor Value) { SetField(FGaugeColorFrame, Value); }
void TNumIO2::SetGaugeFrameStyle(TFrameStyle Value) { SetField(FGaugeFrameStyle, std::min(Value, kLastFrameStyle)); }

void TNumIO2::SetGaugeHeight(int Value) {
  Value = std::min(Value, GetHeight() - FGaugeTopMargin - kMinHeight);
  SetField(FGaugeHeight, std::max(Value, kGaugeHeightMin));
}

void TNumIO2::SetGaugeLeftMargin(int Value) {
  Value = std::min(Value, GetWidth() - FGaugeWidth);
  SetField(FGaugeLeftMargin, std::max(Value, 0));
}

void TNumIO2::SetGaugeTopMargin(int Value) {
  Value = std::min(Value, GetHeight() - FGaugeHeight - kMinHeight);
  SetField(FGaugeTopMargin, std::max(Value, 0));
}

void TNumIO2::SetGaugeWidth(int Value) {
  Value = std::max(Value, kGaugeWidthMin);
  SetField(FGaugeWidth, std::min(Value, GetWidth() - FGaugeLeftMargin));
}

// --- events -------------------------------------------------------------------------------------------------

void TNumIO2::Changed() {
  if (FOnChange) FOnChange(this);
}

// --- caret timer and focus -----------------------------------------------------------------------------------

void TNumIO2::RaiseNoTimer() const { throw EZorvNumIO2Error::ForComponent(GetName(), "no timer available"); }

void TNumIO2::RestartCaretTimer() {
  FCaretTimerH->KillTimer(kCaretTimerId);
  FCaretVisib = true;
  if (!FCaretTimerH->SetTimer(kCaretTimerId, kCaretPeriod)) RaiseNoTimer();
  Invalidate();
}

void TNumIO2::StopCaretTimer() {
  FCaretTimerH->KillTimer(kCaretTimerId);
  FCaretVisib = false;
  Invalidate();
}

// The caret blinks while the control has the focus; the first tick after the focus has gone
// hides it and stops the timer until the focus comes back.
void TNumIO2::CaretTimerMessage(TMessage& Message) {
  if (Message.Msg != WM_TIMER || Message.WParam != kCaretTimerId) return;
  if (Focused()) {
    FCaretVisib = !FCaretVisib;
    Invalidate();
  } else {
    StopCaretTimer();
  }
}

void TNumIO2::SetFocus() {
  TCustomControl::SetFocus();
  if (!FReadOnly) RestartCaretTimer();
}

void TNumIO2::Click() {
  if (CanFocus()) TCustomControl::SetFocus();
  if (!FReadOnly) RestartCaretTimer();
  TCustomControl::Click();
}

void TNumIO2::DoEnter() {
  if (!FReadOnly) RestartCaretTimer();
  TCustomControl::DoEnter();
}

// A Shift or Control released elsewhere never reaches this control: forget both, so that they
// do not stick.
void TNumIO2::DoExit() {
  FKeyShifted = FKeyCntrl = false;
  Invalidate();  // a hidden selection goes with the focus
  TCustomControl::DoExit();
}

// --- copying ----------------------------------------------------------------------------------------------------

void TNumIO2::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TNumIO2*>(Source);
  if (source == nullptr) {
    TCustomControl::Assign(Source);
    return;
  }
  FLeftSpace = source->FLeftSpace;
  FTextBoxWidth = source->FTextBoxWidth;
  FFixPointDecPlaces = source->FFixPointDecPlaces;
  FSignificantDigits = source->FSignificantDigits;
  FLeftText = source->FLeftText;
  FRightText = source->FRightText;
  FFrameStyle = source->FFrameStyle;
  FAlignment = source->FAlignment;
  FLeftTextAlignment = source->FLeftTextAlignment;
  FRightTextAlignment = source->FRightTextAlignment;
  FColorBoxBG = source->FColorBoxBG;
  FColorBoxText = source->FColorBoxText;
  FColorOutBG = source->FColorOutBG;
  FColorOutText = source->FColorOutText;
  FColBlackLine = source->FColBlackLine;
  FColGrayLine = source->FColGrayLine;
  FColWhiteLine = source->FColWhiteLine;
  FColorScheme = source->FColorScheme;
  FInputFormat = source->FInputFormat;
  FInBuffer = source->FInBuffer;
  FCaretPos = source->FCaretPos;
  FCaretVisib = source->FCaretVisib;
  FMouseAreaCode = source->FMouseAreaCode;
  FColorWarnBG = source->FColorWarnBG;
  FColorWarnText = source->FColorWarnText;
  FSelBegin = source->FSelBegin;
  FSelEnd = source->FSelEnd;
  FDecPlaceSep = source->FDecPlaceSep;
  FKeyShifted = source->FKeyShifted;
  FKeyCntrl = source->FKeyCntrl;
  FHideSelection = source->FHideSelection;
  FMaximum = source->FMaximum;
  FMinimum = source->FMinimum;
  FBeep = source->FBeep;
  SetReadOnly(source->FReadOnly);
  FAutoSize = source->FAutoSize;
  ApplyAutoSize();
  Invalidate();
}

void TNumIO2::AssignTo(TPersistent* Dest) const {
  if (auto* dest = dynamic_cast<TNumIO2*>(Dest))
    dest->Assign(this);
  else
    TCustomControl::AssignTo(Dest);
}

}  // namespace gadrix
