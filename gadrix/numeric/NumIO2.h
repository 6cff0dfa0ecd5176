#pragma once
// TNumIO2: a single-line numeric input that draws everything itself - an optional text left of
// the input box, the box with its own caret and selection, optional up/down buttons, an optional
// text right of them and an optional gauge band along the bottom that shows, and sets by
// dragging, where the value lies in the range.
//
// Layout, in the control's own pixels (x to the right, y down):
//
//   0 ... LeftSpace            LeftSpace ... + TextBoxWidth + 2    + ButSpace     + ButWidth
//   [ left text ]              [ input box                   ]     [ up/down ]    [ right text ]
//   ------------------------------------------------------------------------------------------
//   gauge band: GaugeTopMargin, then GaugeHeight rows, then one row (only when GaugeVisible)
//
// The text buffer is the only store of the value: Value always scans the buffer, and writing
// Value writes the buffer in the current input format. Every key is applied to a copy of the
// buffer, and the copy is kept only if it is a valid text of the input format (CheckValidity),
// empty, or a lone sign; otherwise the key is refused (with a beep when Beep is set).
//
// The caret blinks at 500 ms on a timer of its own, only while the control has the focus. When
// no timer can be had, the constructor, taking the focus, a click and leaving read-only raise
// EZorvNumIO2Error: Component "Name": no timer available.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gadrix/helmar/Types.h"
#include "gadrix/numeric/NumConversion.h"
#include "gadrix/platform/controls/Alignment.h"
#include "gadrix/platform/controls/Timers.h"
#include "gadrix/platform/controls/WinControl.h"
#include "gadrix/platform/graphics/Bitmap.h"

namespace gadrix {

// The gauge was dragged to GaugeValue (the value the control now shows), with the shift state
// of the move.
using TOnGaugeChangeEvent = std::function<void(TObject* Sender, TShiftState Shift, double GaugeValue)>;

class TNumIO2 : public TCustomControl {
public:
  // Defaults that other settings refer to.
  static constexpr int kDefaultWidth = 160;
  static constexpr int kDefaultHeight = 28;
  // Height, ButHeight and the gauge's room keep at least this many rows for the box.
  static constexpr int kMinHeight = 18;
  // The caret blinks with this period.
  static constexpr unsigned kCaretPeriod = 500;
  // FixPointDecPlaces and SignificantDigits stay within 1 .. kMaxDigits.
  static constexpr int kMaxDigits = 15;

  explicit TNumIO2(TComponent* AOwner);
  ~TNumIO2() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Height is at least kMinHeight; a lower height lowers ButHeight with it.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // --- the value and its text -------------------------------------------------------------------

  // The text buffer. Default empty. A new text is taken only when it is empty or valid for the
  // input format (CheckValidity); taking it puts the caret and the selection to 0. Other texts
  // are ignored.
  const std::string& GetText() const { return FInBuffer; }
  void SetText(const std::string& Value);
  // The value of the buffer in the input format; writing it writes the buffer (caret and
  // selection stay, limited to the new text). Writing raises no OnChange.
  double GetValue() const { return GetNioValue(); }
  void SetValue(double Value) { SetNioValue(Value); }
  double GetNioValue() const;
  void SetNioValue(double Value);
  // The value rounded to an integer; EZorvNumIO2Error "integer overflow" outside 32 bits.
  std::int32_t GetIntegerValue() const { return GetNioIntValue(); }
  std::int32_t GetNioIntValue() const;
  // Whether Instring is a valid text in the current input format and separator mode.
  bool CheckValidity(const std::string& Instring) const;
  // Whether the value lies below RangeLow or above RangeHigh.
  bool OutOfRange() const;

  // Input format. Default itFloat. A change reads the value in the old format and writes it in
  // the new one. Values above itDynamic count as itDynamic.
  TInFormat GetInputFormat() const { return FInputFormat; }
  void SetInputFormat(TInFormat Value);
  // Decimal separator: dpsSystem, dpsPoint, dpsComma or dpsBoth (default). A change converts the
  // separators of the buffer (ChangeDecPlaceSep). Values above dpsBoth count as dpsBoth.
  TDecPSep GetDecPlaceSep() const { return FDecPlaceSep; }
  void SetDecPlaceSep(TDecPSep Value);
  // Places after the point in itFloat and itFixPoint. Default 2; values of 0 or less are
  // ignored, larger ones limited to kMaxDigits. The value is written again.
  int GetFixPointDecPlaces() const { return FFixPointDecPlaces; }
  void SetFixPointDecPlaces(int Value);
  // Significant digits in itExp. Default 6; values of 0 or less are ignored, larger ones limited
  // to kMaxDigits. The value is written again.
  int GetSignificantDigits() const { return FSignificantDigits; }
  void SetSignificantDigits(int Value);

  // The range. RangeLow defaults to 0 and RangeHigh to 1000; setting one beyond the other moves
  // the other along. Out of the range the box shows the warning colours.
  double GetRangeLow() const { return FMinimum; }
  void SetRangeLow(double Value);
  double GetRangeHigh() const { return FMaximum; }
  void SetRangeHigh(double Value);

  // --- editing ------------------------------------------------------------------------------------

  // No editing; the caret timer stops and the caret hides. Default false. Control+C still copies.
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // A refused key or a key without function sounds the system beep. Default false.
  bool GetBeep() const { return FBeep; }
  void SetBeep(bool Value);
  // The selection shows only while the control has the focus. Default true.
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  // The selection [SelBegin, SelEnd) in characters, SelBegin <= SelEnd. Setting SelBegin limits
  // it to 0 .. length, puts the caret there and raises SelEnd to it if needed; setting SelEnd
  // limits it likewise, puts the caret there and lowers SelBegin to it if needed.
  int GetSelBegin() const { return FSelBegin; }
  void SetSelBegin(int Value);
  int GetSelEnd() const { return FSelEnd; }
  void SetSelEnd(int Value);
  // Where the pointer was last seen: 0 over the left text, 1 over the box, 2 right of the box.
  int GetMouseAreaCode() const { return FMouseAreaCode; }

  // --- layout and look ----------------------------------------------------------------------------

  // Width of the left-text area, which is the x of the box. Default 35; negative values are
  // ignored, larger ones limited to Width.
  int GetLeftSpace() const { return FLeftSpace; }
  void SetLeftSpace(int Value);
  // Width of the box. Default 80, not limited.
  int GetTextBoxWidth() const { return FTextBoxWidth; }
  void SetTextBoxWidth(int Value);
  // Alignment of the value in the box. Default taCenter.
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The texts left of the box and right of the buttons. Default empty.
  const std::string& GetLeftText() const { return FLeftText; }
  void SetLeftText(const std::string& Value);
  const std::string& GetRightText() const { return FRightText; }
  void SetRightText(const std::string& Value);
  // Their alignments. Defaults taRightJustify (left text) and taLeftJustify (right text).
  TAlignment GetLeftTextAlignment() const { return FLeftTextAlignment; }
  void SetLeftTextAlignment(TAlignment Value);
  TAlignment GetRightTextAlignment() const { return FRightTextAlignment; }
  void SetRightTextAlignment(TAlignment Value);
  // Frame of the box, styles 0 to 5 (larger values count as 5). Default 2 (sunken).
  TFrameStyle GetFrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // When set, the height follows the font: the text height of "E0" plus 6 (at least
  // kMinHeight), applied when set, when the font changes and before each paint. Default false.
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);

  // Colours. Defaults: box 0xFFFFFF with text 0x000000; outside clBtnFace with text 0x000000;
  // out of range 0x6088FFF0 (light yellow) with text 0x0000FF.
  TColor GetColorBoxBG() const { return FColorBoxBG; }
  void SetColorBoxBG(TColor Value);
  TColor GetColorBoxText() const { return FColorBoxText; }
  void SetColorBoxText(TColor Value);
  TColor GetColorOutBG() const { return FColorOutBG; }
  void SetColorOutBG(TColor Value);
  TColor GetColorOutText() const { return FColorOutText; }
  void SetColorOutText(TColor Value);
  TColor GetColorWarnBG() const { return FColorWarnBG; }
  void SetColorWarnBG(TColor Value);
  TColor GetColorWarnText() const { return FColorWarnText; }
  void SetColorWarnText(TColor Value);
  // 0 (default): grey 0x808080 and white 0xFFFFFF 3-D lines; any other value: the system's
  // button shadow and highlight colours.
  TColorScheme GetColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);

  // --- up/down buttons ------------------------------------------------------------------------------

  // Shows the buttons right of the box. Default false.
  bool GetButVisible() const { return FButVisible; }
  void SetButVisible(bool Value);
  // Highlight and shadow lines on the buttons. Default true.
  bool GetBut3D() const { return FBut3D; }
  void SetBut3D(bool Value);
  // Height of the pair. Default the height at construction (28); at least kMinHeight, at most
  // Height.
  int GetButHeight() const { return FButHeight; }
  void SetButHeight(int Value);
  // Width. Default 18, limited to 8 .. 50.
  int GetButWidth() const { return FButWidth; }
  void SetButWidth(int Value);
  // Gap between box and buttons. Default 3, limited to 0 .. 50.
  int GetButSpace() const { return FButSpace; }
  void SetButSpace(int Value);
  // Step of a button press when ButtonPivots is empty. Default 1.0.
  double GetButIncrem() const { return FButIncrem; }
  void SetButIncrem(double Value);
  // Face colour. Default 0xC0C0C0.
  TColor GetButColor() const { return FButColor; }
  void SetButColor(TColor Value);
  // When not empty (sorted ascending), the buttons and the gauge move between these values only.
  // Default empty.
  std::vector<double> ButtonPivots;
  const std::vector<double>& GetButtonPivots() const { return ButtonPivots; }
  void SetButtonPivots(const std::vector<double>& Value) { ButtonPivots = Value; }

  // --- gauge ----------------------------------------------------------------------------------------

  // Shows the gauge band along the bottom. Default false.
  bool GetGaugeVisible() const { return FGaugeVisible; }
  void SetGaugeVisible(bool Value);
  // Bar, background and frame colours. Defaults 0x800000, 0xC0C0C0, 0x808080.
  TColor GetGaugeColor() const { return FGaugeColor; }
  void SetGaugeColor(TColor Value);
  TColor GetGaugeColorBg() const { return FGaugeColorBg; }
  void SetGaugeColorBg(TColor Value);
  TColor GetGaugeColorFrame() const { return FGaugeColorFrame; }
  void SetGaugeColorFrame(TColor Value);
  // Frame of the gauge, styles 0 to 5 (larger values count as 5). Default 2.
  TFrameStyle GetGaugeFrameStyle() const { return FGaugeFrameStyle; }
  void SetGaugeFrameStyle(TFrameStyle Value);
  // Height of the bar. Default 8; at most Height - GaugeTopMargin - kMinHeight, then at least 3.
  int GetGaugeHeight() const { return FGaugeHeight; }
  void SetGaugeHeight(int Value);
  // x of the bar. Default 35; at most Width - GaugeWidth, then at least 0.
  int GetGaugeLeftMargin() const { return FGaugeLeftMargin; }
  void SetGaugeLeftMargin(int Value);
  // Rows between the box and the bar. Default 3; at most Height - GaugeHeight - kMinHeight, then
  // at least 0.
  int GetGaugeTopMargin() const { return FGaugeTopMargin; }
  void SetGaugeTopMargin(int Value);
  // Width of the bar. Default 82; at least 10, then at most Width - GaugeLeftMargin.
  int GetGaugeWidth() const { return FGaugeWidth; }
  void SetGaugeWidth(int Value);

  // --- events ---------------------------------------------------------------------------------------

  // The text changed by a key, a button, or a gauge drag (on the release).
  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  // The gauge is being dragged.
  TOnGaugeChangeEvent GetOnGaugeChange() const { return FOnGaugeChange; }
  void SetOnGaugeChange(TOnGaugeChangeEvent Value) { FOnGaugeChange = std::move(Value); }
  // Raises OnChange.
  void Changed();

  // --- focus and copying ----------------------------------------------------------------------------

  // Takes the focus and, unless read-only, restarts the caret.
  void SetFocus() override;
  // From another TNumIO2: layout (not the buttons and gauge), formats, colours, texts, buffer,
  // caret and selection, range and the editing flags. Other sources go to the inherited Assign.
  void Assign(const TPersistent* Source) override;

  // --- geometry (what painting and the mouse share) -----------------------------------------------

  // The x of the gap before character Index of the buffer.
  int XOfPosition(int Index) const;
  // The character position nearest to X in the box (0 .. length; 0 for an empty buffer).
  int PositionOfX(int X) const;
  // The value the gauge gives at X: the pivot nearest to it when there are pivots, always
  // within the range.
  double GaugeValueOfX(int X) const;

protected:
  void Paint() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Click() override;
  void DoEnter() override;
  void DoExit() override;
  void FontChanged() override;
  void AssignTo(TPersistent* Dest) const override;

private:
  struct TTimerWindowDeleter {
    void operator()(TTimerWindow* Window) const { DeallocateHWnd(Window); }
  };

  // --- properties, caret and timer (NumIO2.cpp)
  // Stores a changed property and invalidates.
  template <class T>
  void SetField(T& Field, const T& Value);
  void ApplyAutoSize();
  void LimitSelection();
  int Length() const;
  void RestartCaretTimer();
  void StopCaretTimer();
  void CaretTimerMessage(TMessage& Message);
  [[noreturn]] void RaiseNoTimer() const;

  // --- editing and mouse (NumIO2Input.cpp)
  // Runs Change on the buffer, keeps the result only when acceptable, then updates selection,
  // caret and OnChange.
  void EditBuffer(const std::function<void()>& Change);
  void ApplyControlKey(Word Key);
  void ApplyPlainKey(Word Key, bool ShiftHeld);
  void SelectForOverwrite();
  void Refuse() const;
  void TypeCharacter(char Ch);
  void DeleteSelection();
  void InsertAtCaret(const std::string& Text);
  void EraseCharacters(int Begin, int End);
  void CopySelection() const;
  void StepButton(bool Up);
  double PivotStep(double Current, bool Up) const;
  void DragGauge(TShiftState Shift, int X, bool RaiseEvent);

  // --- geometry and painting (NumIO2Paint.cpp)
  int BandHeight() const;
  int ButtonLeft() const;
  int ButtonBlock() const;
  TCanvas* MeasuringCanvas() const;
  int TextTop(TCanvas* Canvas) const;
  int TextWidthOf(int Characters) const;
  TColor InnerLineColor(TFrameStyle Style) const;
  TColor OuterLineColor(TFrameStyle Style) const;
  void PaintSideText(TCanvas* C, const std::string& Text, int X, int Y) const;
  void PaintLeftText(TCanvas* C, int Y) const;
  void PaintRightText(TCanvas* C, int Y) const;
  void PaintButtons(TCanvas* C) const;
  void PaintArrows(TCanvas* C) const;
  void PaintGauge(TCanvas* C) const;
  void PaintBox(TCanvas* C, bool Warn) const;
  void PaintValueText(TCanvas* C, bool Warn, int Y) const;
  void PaintCaret(TCanvas* C) const;
  void PaintSelection(TCanvas* C) const;

  // The text and the editing state.
  std::string FInBuffer;
  int FCaretPos = 0;  // 0: before the first character
  bool FCaretVisib = false;
  int FSelBegin = 0;
  int FSelEnd = 0;
  bool FKeyShifted = false;
  bool FKeyCntrl = false;
  bool FKeyDownTyped = false;   // the last key-down was handled; its character is not typed again
  bool FValueChanged = false;   // the gauge moved since the mouse went down
  bool FLeftButtonDown = false;
  bool FSuppressPaint = true;   // until construction is complete
  int FMouseAreaCode = 0;

  // Properties.
  TInFormat FInputFormat = itFloat;
  TDecPSep FDecPlaceSep = dpsBoth;
  int FFixPointDecPlaces = 2;
  int FSignificantDigits = 6;
  double FMinimum = 0.0;
  double FMaximum = 1000.0;
  bool FReadOnly = false;
  bool FBeep = false;
  bool FHideSelection = true;
  int FLeftSpace = 35;
  int FTextBoxWidth = 80;
  TAlignment FAlignment = taCenter;
  std::string FLeftText;
  std::string FRightText;
  TAlignment FLeftTextAlignment = taRightJustify;
  TAlignment FRightTextAlignment = taLeftJustify;
  TFrameStyle FFrameStyle = 2;
  bool FAutoSize = false;
  TColor FColorBoxBG = clWhite;
  TColor FColorBoxText = clBlack;
  TColor FColorOutBG = clBtnFace;
  TColor FColorOutText = clBlack;
  TColor FColorWarnBG = 0x6088FFF0;
  TColor FColorWarnText = clRed;
  TColorScheme FColorScheme = 0;
  TColor FColBlackLine = clBlack;
  TColor FColGrayLine = clGray;
  TColor FColWhiteLine = clWhite;
  bool FButVisible = false;
  bool FBut3D = true;
  int FButHeight = kDefaultHeight;
  int FButWidth = 18;
  int FButSpace = 3;
  double FButIncrem = 1.0;
  TColor FButColor = clSilver;
  bool FGaugeVisible = false;
  TColor FGaugeColor = clNavy;
  TColor FGaugeColorBg = clSilver;
  TColor FGaugeColorFrame = clGray;
  TFrameStyle FGaugeFrameStyle = 2;
  int FGaugeHeight = 8;
  int FGaugeLeftMargin = 35;
  int FGaugeTopMargin = 3;
  int FGaugeWidth = 82;

  TNotifyEvent FOnChange;
  TOnGaugeChangeEvent FOnGaugeChange;

  std::unique_ptr<TBitmap> FBitmap;         // the off-screen picture
  std::unique_ptr<TBitmap> FMeasureBitmap;  // its canvas measures text in the control's font
  std::unique_ptr<TTimerWindow, TTimerWindowDeleter> FCaretTimerH;
};

}  // namespace gadrix
