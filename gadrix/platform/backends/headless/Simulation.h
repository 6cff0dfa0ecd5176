#pragma once
// Input simulation: what tests use, and what a host that embeds the controls in another toolkit
// uses to forward input. Coordinates are in the addressed control's client area; events go
// through the control's form as real input does (hit-testing, capture, focus, double clicks).
// A control without a form gets the events directly.
//
// The clock, the beep count and the modal and popup hooks belong to the headless backend (the
// default); with another backend those functions do nothing.

#include <functional>
#include <string>

#include "gadrix/platform/controls/WinControl.h"

namespace gadrix {

class TForm;
class TPopupMenu;

namespace sim {

void MouseDown(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y);
void MouseMove(TControl* Control, TShiftState Shift, int X, int Y);
void MouseUp(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y);
// A press and release of the left button.
void Click(TControl* Control, int X, int Y);
// Two clicks in quick succession.
void DblClick(TControl* Control, int X, int Y);
void Wheel(TControl* Control, int Delta, int X, int Y);

// Keys go to the focused control; the addressed control takes the focus first when it can.
void KeyDown(TWinControl* Control, Word Key, TShiftState Shift = {});
void KeyUp(TWinControl* Control, Word Key, TShiftState Shift = {});
void KeyPress(TWinControl* Control, char32_t Ch);
// Down, the character the key types (if any), up.
void Key(TWinControl* Control, Word Key, TShiftState Shift = {});
// The character a key types with the shift state on a US keyboard (Control+C types 3); 0 for none.
char32_t CharOfKey(Word Key, TShiftState Shift);
// Types each character of a UTF-8 text (KeyPress only).
void Type(TWinControl* Control, const std::string& Text);

// Moves the virtual clock on, firing due timers in order.
void AdvanceTime(unsigned Milliseconds);
int BeepCount();
// Called when a form is shown modally: it acts on the form and sets its ModalResult.
void SetModalHandler(std::function<void(TForm*)> Handler);
// Called when a popup menu opens, with the screen position: it may click an item.
void SetPopupHandler(std::function<void(TPopupMenu*, int X, int Y)> Handler);
// While false, every request for a new timer fails.
void SetTimersAvailable(bool Available);
// The cursor the backend shows for the whole application.
TCursor ScreenCursor();

}  // namespace sim
}  // namespace gadrix
