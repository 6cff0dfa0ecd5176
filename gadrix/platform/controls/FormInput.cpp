// How a form turns the input of its window into control events.
//
// Mouse, for the control under the pointer (or the one holding the capture):
//   press      the nearest focusable container takes the focus; the control captures the mouse
//              (csCaptureMouse); a second press of the same button within DoubleClickTime and
//              DoubleClickDistance is a double click: DblClick, then MouseDown with ssDouble
//   release    MouseUp; a left release over the control that took the press is a click, unless
//              the press was the second of a double click; a right release opens the popup menu
//              of the nearest control that has one
//   move       MouseMove; enter and leave as the control under the pointer changes (not while
//              the mouse is captured)
//   wheel      the control under the pointer, then its parents, until one handles it
// Keys go to the form first when KeyPreview is set (a handler that sets Key to 0 stops them),
// then to the focused control; a Tab the control leaves alone moves the focus.

#include <cstdlib>

#include "gadrix/platform/controls/Application.h"
#include "gadrix/platform/controls/Form.h"
#include "gadrix/platform/controls/Menus.h"

namespace gadrix {
namespace {

TShiftState ButtonState(TMouseButton Button) {
  switch (Button) {
    case mbLeft: return ssLeft;
    case mbRight: return ssRight;
    case mbMiddle: return ssMiddle;
  }
  return 0;
}

}  // namespace

TControl* TForm::ControlAt(TPoint FormPoint) const {
  const TWinControl* container = this;
  TPoint p = FormPoint;
  for (;;) {
    TControl* child = container->ControlAtPos(p, false);
    if (child == nullptr) return const_cast<TWinControl*>(container);
    auto* inner = dynamic_cast<TWinControl*>(child);
    if (inner == nullptr) return child;
    // The inner container's children lie in its client area, which a border may shift; a point
    // on the border or a scroll bar belongs to the container itself.
    const TRect client = inner->GetClientBounds();
    p = {p.X - child->GetLeft() - client.Left, p.Y - child->GetTop() - client.Top};
    if (!inner->GetClientRect().Contains(p)) return child;
    container = inner;
  }
}

void TForm::SetHover(TControl* Control) {
  if (Control == hover_) return;
  TControl* old = hover_;
  hover_ = Control;
  if (old != nullptr) old->Perform(CM_MOUSELEAVE);
  if (hover_ != nullptr && hover_ == Control) hover_->Perform(CM_MOUSEENTER);
  UpdateCursor();
}

bool TForm::IsDoubleClick(TMouseButton Button, int X, int Y) {
  const std::uint64_t now = Backend().Now();
  const bool quick = !lastWasDouble_ && Button == lastButton_ && now - lastPressTime_ <= DoubleClickTime &&
                     std::abs(X - lastPressPos_.X) <= DoubleClickDistance &&
                     std::abs(Y - lastPressPos_.Y) <= DoubleClickDistance;
  lastButton_ = Button;
  lastPressTime_ = now;
  lastPressPos_ = {X, Y};
  lastWasDouble_ = quick;
  return quick;
}

void TForm::HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TControl* target = capture_ != nullptr ? capture_ : ControlAt({X, Y});
  if (capture_ == nullptr) SetHover(target);
  const bool isDouble = IsDoubleClick(Button, X, Y) && (target->GetControlStyle() & csDoubleClicks);
  target_ = target;
  for (TControl* c = target; c != nullptr; c = c->GetParent()) {
    auto* focusable = dynamic_cast<TWinControl*>(c);
    if (focusable == nullptr || focusable == this) continue;
    if (focusable->GetTabStop() && focusable->CanFocus()) {
      if (activeControl_ != focusable) MoveFocus(focusable);
      break;
    }
  }
  if (!TargetAlive(target)) return;
  if (Button == mbLeft) pressed_ = target;
  if (target->GetControlStyle() & csCaptureMouse) SetCaptureControl(target);
  const TPoint p = target->FormToClient({X, Y});
  Shift |= ButtonState(Button);
  if (isDouble) {
    target->DispatchDblClick();
    if (!TargetAlive(target)) return;
    Shift |= ssDouble;
  }
  target->DispatchMouseDown(Button, Shift, p.X, p.Y);
}

void TForm::HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TControl* target = capture_ != nullptr ? capture_ : ControlAt({X, Y});
  SetCaptureControl(nullptr);
  target_ = target;
  const TPoint p = target->FormToClient({X, Y});
  target->DispatchMouseUp(Button, Shift, p.X, p.Y);
  if (!TargetAlive(target)) return;
  if (Button == mbLeft) {
    const bool click = pressed_ == target && !lastWasDouble_ && target->GetClientRect().Contains(p) &&
                       (target->GetControlStyle() & csClickEvents);
    pressed_ = nullptr;
    if (click) target->DispatchClick();
  }
  if (!TargetAlive(target)) return;
  if (Button == mbRight) {
    for (TControl* c = target; c != nullptr; c = c->GetParent()) {
      if (TPopupMenu* menu = c->GetPopupMenu()) {
        menu->SetPopupComponent(c);
        const TPoint screen = ScreenPoint(X, Y);
        menu->Popup(screen.X, screen.Y);
        break;
      }
    }
  }
  if (capture_ == nullptr) SetHover(ControlAt({X, Y}));
}

void TForm::HandleMouseMove(TShiftState Shift, int X, int Y) {
  TControl* target = capture_;
  if (target == nullptr) {
    target = ControlAt({X, Y});
    SetHover(target);
  }
  if (target == nullptr) return;
  target_ = target;
  const TPoint p = target->FormToClient({X, Y});
  target->DispatchMouseMove(Shift, p.X, p.Y);
}

void TForm::HandleMouseWheel(TShiftState Shift, int WheelDelta, int X, int Y) {
  const TPoint screen = ScreenPoint(X, Y);
  for (TControl* c = ControlAt({X, Y}); c != nullptr; c = c->GetParent()) {
    target_ = c;
    if (c->DispatchMouseWheel(Shift, WheelDelta, screen)) return;
    if (!TargetAlive(c)) return;
  }
}

void TForm::HandleMouseExit() {
  if (capture_ == nullptr) SetHover(nullptr);
}

void TForm::HandleKeyDown(Word Key, TShiftState Shift) {
  if (keyPreview_ || activeControl_ == nullptr) {
    DispatchKeyDown(Key, Shift);
    if (Key == 0 || activeControl_ == nullptr) return;
  }
  TWinControl* target = activeControl_;
  target_ = target;
  target->DispatchKeyDown(Key, Shift);
  if (Key == VK_TAB && !(Shift & (ssCtrl | ssAlt))) SelectNext(!(Shift & ssShift));
}

void TForm::HandleKeyUp(Word Key, TShiftState Shift) {
  if (keyPreview_ || activeControl_ == nullptr) {
    DispatchKeyUp(Key, Shift);
    if (Key == 0 || activeControl_ == nullptr) return;
  }
  activeControl_->DispatchKeyUp(Key, Shift);
}

void TForm::HandleKeyPress(char32_t Key) {
  if (keyPreview_ || activeControl_ == nullptr) {
    DispatchKeyPress(Key);
    if (Key == 0 || activeControl_ == nullptr) return;
  }
  activeControl_->DispatchKeyPress(Key);
}

void TForm::HandleResize(int ClientWidth, int ClientHeight) {
  SetBounds(GetLeft(), GetTop(), ClientWidth, ClientHeight);
}

}  // namespace gadrix
