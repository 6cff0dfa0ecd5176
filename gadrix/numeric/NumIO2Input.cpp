// TNumIO2: keyboard editing, the mouse in the box, on the buttons and on the gauge.
//
// Keys act on key-down (virtual key codes):
//
//   Shift, Control          held flags (Shift+4, +5, +6 type the prefixes "$", "%", "&")
//   Control+C / X / V       copy the selection / cut it / insert the clipboard text at the caret
//   Backspace, Delete       delete the selection, else the character before / after the caret
//   Home, End               caret to the start / end
//   Left, Up / Right, Down  caret one character left / right
//   Tab                     left to the form, which moves the focus on
//   0-9, A-F, pad 0-9       type that character
//   pad +, "=+"             type "+"          pad -, "-"     type "-"
//   pad decimal, ","        type ","          "."            type "."
//   anything else           beep (when Beep is set)
//
// Every key edits a copy of the buffer; a changed buffer is kept only when it is empty, a lone
// sign, or valid for the input format. A refused key leaves buffer, caret and selection as they
// were and beeps. Characters that arrive without a key-down (a host that forwards only
// characters) are typed the same way.

#include <algorithm>
#include <cmath>
#include <utility>

#include "gadrix/numeric/NumIO2.h"
#include "gadrix/numeric/TextChars.h"
#include "gadrix/platform/controls/Application.h"

namespace gadrix {
namespace {

// Byte index of the gap before character Index (0-based) of Text.
std::size_t ByteOffset(const std::string& Text, int Index) {
  int pos = Index + 1;
  return textchars::SeekPosition(Text, pos);
}

// Characters [Begin, End) of Text.
std::string Characters(const std::string& Text, int Begin, int End) {
  const std::size_t first = ByteOffset(Text, Begin);
  return Text.substr(first, ByteOffset(Text, End) - first);
}

// The character a key types, 0 for keys that type none.
char CharacterOfKey(Word Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'F')) return static_cast<char>(Key);
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return static_cast<char>('0' + (Key - VK_NUMPAD0));
  switch (Key) {
    case VK_ADD:
    case VK_OEM_PLUS: return '+';
    case VK_SUBTRACT:
    case VK_OEM_MINUS: return '-';
    case VK_DECIMAL:
    case VK_OEM_COMMA: return ',';
    case VK_OEM_PERIOD: return '.';
    default: return 0;
  }
}

// With Shift held, the digits 4, 5 and 6 type the prefixes of itDynamic.
char ShiftedCharacter(char Ch) {
  switch (Ch) {
    case '4': return '$';
    case '5': return '%';
    case '6': return '&';
    default: return Ch;
  }
}

// The character a typed character stands for in the buffer, 0 for none: the characters keys
// type, with hexadecimal letters in upper case.
char CharacterOfPress(char32_t Ch) {
  if (Ch >= 'a' && Ch <= 'f') return static_cast<char>(Ch - 'a' + 'A');
  if ((Ch >= '0' && Ch <= '9') || (Ch >= 'A' && Ch <= 'F')) return static_cast<char>(Ch);
  switch (Ch) {
    case '+':
    case '-':
    case '.':
    case ',':
    case '$':
    case '%':
    case '&': return static_cast<char>(Ch);
    default: return 0;
  }
}

// Index of the pivot nearest to Value, the first of equally near ones.
std::size_t NearestPivot(const std::vector<double>& Pivots, double Value) {
  std::size_t nearest = 0;
  for (std::size_t i = 1; i < Pivots.size(); ++i)
    if (std::abs(Pivots[i] - Value) < std::abs(Pivots[nearest] - Value)) nearest = i;
  return nearest;
}

}  // namespace

// --- keyboard --------------------------------------------------------------------------------------

void TNumIO2::KeyDown(Word& Key, TShiftState Shift) {
  FKeyDownTyped = true;
  TCustomControl::KeyDown(Key, Shift);  // OnKeyDown first: a handler that clears Key keeps it
  if (Key == VK_SHIFT) FKeyShifted = true;
  if (Key == VK_CONTROL) FKeyCntrl = true;
  if (Key == 0 || Key == VK_SHIFT || Key == VK_CONTROL) return;
  const bool control = FKeyCntrl || (Shift & ssCtrl);
  if (FReadOnly) {
    if (control && Key == 'C') CopySelection();
    return;
  }
  const bool shifted = FKeyShifted || (Shift & ssShift);
  EditBuffer([&] {
    if (control)
      ApplyControlKey(Key);
    else
      ApplyPlainKey(Key, shifted);
  });
}

void TNumIO2::KeyUp(Word& Key, TShiftState Shift) {
  if (Key == VK_SHIFT) FKeyShifted = false;
  if (Key == VK_CONTROL) FKeyCntrl = false;
  FKeyDownTyped = false;
  TCustomControl::KeyUp(Key, Shift);
}

void TNumIO2::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  if (std::exchange(FKeyDownTyped, false) || Key == 0 || FReadOnly) return;
  const char typed = CharacterOfPress(Key);
  EditBuffer([&] {
    if (typed != 0)
      TypeCharacter(typed);
    else
      Refuse();
  });
}

void TNumIO2::ApplyControlKey(Word Key) {
  switch (Key) {
    case 'C': CopySelection(); break;
    case 'X':
      if (FSelBegin < FSelEnd) {
        CopySelection();
        DeleteSelection();
      }
      break;
    case 'V':
      if (Clipboard()->HasText()) InsertAtCaret(Clipboard()->GetAsText());
      break;
    default: Refuse(); break;
  }
}

void TNumIO2::ApplyPlainKey(Word Key, bool ShiftHeld) {
  switch (Key) {
    case VK_BACK:
      if (FSelBegin < FSelEnd) {
        DeleteSelection();
      } else if (FCaretPos > 0) {
        EraseCharacters(FCaretPos - 1, FCaretPos);
        --FCaretPos;
      }
      return;
    case VK_DELETE:
      if (FSelBegin < FSelEnd)
        DeleteSelection();
      else if (FCaretPos < Length())
        EraseCharacters(FCaretPos, FCaretPos + 1);
      return;
    case VK_TAB: return;
    case VK_END: FCaretPos = Length(); return;
    case VK_HOME: FCaretPos = 0; return;
    case VK_LEFT:
    case VK_UP: FCaretPos = std::max(FCaretPos - 1, 0); return;
    case VK_RIGHT:
    case VK_DOWN: FCaretPos = std::min(FCaretPos + 1, Length()); return;
    default: break;
  }
  const char typed = CharacterOfKey(Key);
  if (typed == 0) {
    Refuse();
    return;
  }
  TypeCharacter(ShiftHeld ? ShiftedCharacter(typed) : typed);
}

void TNumIO2::EditBuffer(const std::function<void()>& Change) {
  const std::string oldBuffer = FInBuffer;
  const int oldCaret = FCaretPos, oldSelBegin = FSelBegin, oldSelEnd = FSelEnd;
  Change();
  const bool changed = FInBuffer != oldBuffer;
  const bool acceptable = FInBuffer.empty() || FInBuffer == "-" || FInBuffer == "+" || CheckValidity(FInBuffer);
  if (changed && !acceptable) {
    FInBuffer = oldBuffer;
    FCaretPos = oldCaret;
    FSelBegin = oldSelBegin;
    FSelEnd = oldSelEnd;
    Refuse();
    return;
  }
  SelectForOverwrite();
  FCaretVisib = true;
  if (changed) Changed();
  Invalidate();
}

// In itFixPoint a caret among the decimal places selects the digit right of it, so that the next
// digit replaces that one: with 2 places, "3.14" and the caret after "3." selects "1", and typing
// 9 gives "3.94". Elsewhere the selection collapses.
void TNumIO2::SelectForOverwrite() {
  const int length = Length();
  if (FInputFormat == itFixPoint && FCaretPos > length - FFixPointDecPlaces - 1) {
    FSelBegin = FCaretPos;
    FSelEnd = std::min(FCaretPos + 1, length);
  } else {
    FSelEnd = std::min(FSelEnd, length);
    FSelBegin = FSelEnd;
  }
}

void TNumIO2::Refuse() const {
  if (FBeep) gadrix::Beep();
}

// A typed character replaces the selection: select-all and 7 gives "7", never "70.00".
void TNumIO2::TypeCharacter(char Ch) {
  if (FSelBegin < FSelEnd) {
    EraseCharacters(FSelBegin, FSelEnd);
    FCaretPos = FSelEnd = FSelBegin;
  }
  InsertAtCaret(std::string(1, Ch));
}

// Deleting the whole text leaves the value 0 written in the input format, so the box never
// reads as an empty number after Backspace, Delete or Control+X.
void TNumIO2::DeleteSelection() {
  EraseCharacters(FSelBegin, FSelEnd);
  if (FInBuffer.empty()) SetNioValue(0.0);
  FCaretPos = FSelEnd = FSelBegin;
}

void TNumIO2::InsertAtCaret(const std::string& Text) {
  FInBuffer.insert(ByteOffset(FInBuffer, FCaretPos), Text);
  FCaretPos += textchars::CharCount(Text);
}

void TNumIO2::EraseCharacters(int Begin, int End) {
  const std::size_t first = ByteOffset(FInBuffer, Begin);
  FInBuffer.erase(first, ByteOffset(FInBuffer, End) - first);
}

void TNumIO2::CopySelection() const {
  if (FSelBegin < FSelEnd) Clipboard()->SetAsText(Characters(FInBuffer, FSelBegin, FSelEnd));
}

// --- mouse --------------------------------------------------------------------------------------------

void TNumIO2::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) FLeftButtonDown = true;
  if (!FReadOnly) FCaretVisib = true;
  const int boxBottom = GetHeight() - BandHeight();
  if (Y > 0 && Y < boxBottom) FCaretPos = FSelBegin = FSelEnd = PositionOfX(X);
  if (FGaugeVisible && Y > boxBottom && X >= FGaugeLeftMargin && X <= FGaugeLeftMargin + FGaugeWidth)
    DragGauge(Shift, X, false);
  const int buttonLeft = ButtonLeft();
  if (FButVisible && X > buttonLeft && X < buttonLeft + FButWidth && Y > 0 && Y < FButHeight)
    StepButton(Y <= FButHeight / 2);
  Invalidate();
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(TShiftState Shift, int X, int Y) {
  FMouseAreaCode = 0;
  if (X > FLeftSpace) FMouseAreaCode = 1;
  if (X > FLeftSpace + FTextBoxWidth) FMouseAreaCode = 2;
  if ((Shift & ssLeft) || FLeftButtonDown) {
    const int boxBottom = GetHeight() - BandHeight();
    if (Y > 0 && Y < boxBottom) {
      const int position = PositionOfX(X);
      if (position > FSelBegin)
        SetSelEnd(position);
      else
        SetSelBegin(position);
    }
    // The gauge answers one pixel beyond its ends while dragging, so a drag reaches both limits.
    if (FGaugeVisible && Y > boxBottom && X >= FGaugeLeftMargin - 1 && X <= FGaugeLeftMargin + FGaugeWidth + 1)
      DragGauge(Shift, X, true);
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TNumIO2::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) FLeftButtonDown = false;
  if (std::exchange(FValueChanged, false)) Changed();
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TNumIO2::DragGauge(TShiftState Shift, int X, bool RaiseEvent) {
  const double value = GaugeValueOfX(X);
  SetNioValue(value);
  FValueChanged = true;
  if (RaiseEvent && FOnGaugeChange) FOnGaugeChange(this, Shift, value);
}

double TNumIO2::GaugeValueOfX(int X) const {
  // A gauge squeezed to nothing by a narrow control reads as the end the press lies beyond.
  const double fraction = FGaugeWidth > 0 ? static_cast<double>(X - FGaugeLeftMargin) / FGaugeWidth
                                          : (X > FGaugeLeftMargin ? 1.0 : 0.0);
  double value = FMinimum + fraction * (FMaximum - FMinimum);
  if (!ButtonPivots.empty()) value = ButtonPivots[NearestPivot(ButtonPivots, value)];
  return std::clamp(value, FMinimum, FMaximum);
}

void TNumIO2::StepButton(bool Up) {
  const double current = GetNioValue();
  double next;
  if (ButtonPivots.empty())
    next = std::clamp(Up ? current + FButIncrem : current - FButIncrem, FMinimum, FMaximum);
  else
    next = PivotStep(current, Up);
  SetNioValue(next);
  Changed();
}

// The pivot a button press moves to from Current. A value within one unit of the last shown
// decimal place of a pivot counts as standing on it: with pivots 1, 2, 5, 10, the value 2 goes
// up to 5 and down to 1, the value 3 up to 5 and down to 2. Pivots need not lie in the range.
double TNumIO2::PivotStep(double Current, bool Up) const {
  const double tolerance = std::pow(10.0, -FFixPointDecPlaces);
  const std::size_t n = NearestPivot(ButtonPivots, Current);
  const std::size_t last = ButtonPivots.size() - 1;
  if (Up) return Current >= ButtonPivots[n] - tolerance && n != last ? ButtonPivots[n + 1] : ButtonPivots[n];
  return n > 0 && Current <= ButtonPivots[n] + tolerance ? ButtonPivots[n - 1] : ButtonPivots[n];
}

}  // namespace gadrix
