#include "gadrix/platform/backends/headless/Simulation.h"

#include "gadrix/platform/backends/headless/HeadlessBackend.h"
#include "gadrix/platform/controls/Application.h"
#include "gadrix/platform/graphics/Utf8Decoder.h"

namespace gadrix::sim {
namespace {

THeadlessBackend* Headless() { return dynamic_cast<THeadlessBackend*>(&Backend()); }

TShiftState ButtonState(TMouseButton Button) {
  return Button == mbLeft ? ssLeft : Button == mbRight ? ssRight : ssMiddle;
}

// Routes a mouse event through the control's form, or straight to a control without one.
template <class ToForm, class Direct>
void Route(TControl* Control, int X, int Y, ToForm&& toForm, Direct&& direct) {
  if (Control == nullptr) return;
  if (TForm* form = Control->GetParentForm()) {
    const TPoint p = Control->ClientToForm({X, Y});
    toForm(form, p.X, p.Y);
  } else {
    direct();
  }
}

// The form a key goes through, once the control has the focus; null to deliver directly.
TForm* KeyForm(TWinControl* Control) {
  TForm* form = Control->GetParentForm();
  if (form == nullptr) return nullptr;
  if (form != Control && !Control->Focused() && Control->CanFocus()) Control->SetFocus();
  return form;
}

}  // namespace

void MouseDown(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y) {
  Route(Control, X, Y, [&](TForm* f, int x, int y) { f->HandleMouseDown(Button, Shift, x, y); },
        [&] { Control->DispatchMouseDown(Button, Shift | ButtonState(Button), X, Y); });
}

void MouseMove(TControl* Control, TShiftState Shift, int X, int Y) {
  Route(Control, X, Y, [&](TForm* f, int x, int y) { f->HandleMouseMove(Shift, x, y); },
        [&] { Control->DispatchMouseMove(Shift, X, Y); });
}

void MouseUp(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y) {
  Route(Control, X, Y, [&](TForm* f, int x, int y) { f->HandleMouseUp(Button, Shift, x, y); },
        [&] {
          Control->DispatchMouseUp(Button, Shift, X, Y);
          if (Button == mbLeft && Control->GetClientRect().Contains({X, Y})) Control->DispatchClick();
        });
}

void Click(TControl* Control, int X, int Y) {
  MouseDown(Control, mbLeft, {}, X, Y);
  MouseUp(Control, mbLeft, {}, X, Y);
}

void DblClick(TControl* Control, int X, int Y) {
  if (Control == nullptr) return;
  if (Control->GetParentForm() == nullptr) {
    Click(Control, X, Y);
    Control->DispatchDblClick();
    Control->DispatchMouseDown(mbLeft, ssLeft | ssDouble, X, Y);
    Control->DispatchMouseUp(mbLeft, {}, X, Y);
    return;
  }
  Control->GetParentForm()->ForgetLastPress();
  Click(Control, X, Y);
  Click(Control, X, Y);
}

void Wheel(TControl* Control, int Delta, int X, int Y) {
  Route(Control, X, Y, [&](TForm* f, int x, int y) { f->HandleMouseWheel({}, Delta, x, y); },
        [&] { Control->DispatchMouseWheel({}, Delta, {X, Y}); });
}

void KeyDown(TWinControl* Control, Word Key, TShiftState Shift) {
  if (Control == nullptr) return;
  if (TForm* form = KeyForm(Control)) form->HandleKeyDown(Key, Shift);
  else Control->DispatchKeyDown(Key, Shift);
}

void KeyUp(TWinControl* Control, Word Key, TShiftState Shift) {
  if (Control == nullptr) return;
  if (TForm* form = KeyForm(Control)) form->HandleKeyUp(Key, Shift);
  else Control->DispatchKeyUp(Key, Shift);
}

void KeyPress(TWinControl* Control, char32_t Ch) {
  if (Control == nullptr) return;
  if (TForm* form = KeyForm(Control)) form->HandleKeyPress(Ch);
  else Control->DispatchKeyPress(Ch);
}

char32_t CharOfKey(Word Key, TShiftState Shift) {
  const bool shift = Shift & ssShift;
  if (Shift & ssAlt) return 0;
  if (Key >= 'A' && Key <= 'Z') {
    if (Shift & ssCtrl) return Key - 'A' + 1;  // Control+A types 1 ... Control+Z types 26
    return shift ? Key : Key + ('a' - 'A');
  }
  if (Shift & ssCtrl) return 0;
  if (Key >= '0' && Key <= '9') return shift ? U")!@#$%^&*("[Key - '0'] : Key;
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return '0' + (Key - VK_NUMPAD0);
  switch (Key) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_BACK: return '\b';
    case VK_ESCAPE: return 27;
    case VK_TAB: return '\t';
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    case VK_OEM_1: return shift ? ':' : ';';
    case VK_OEM_PLUS: return shift ? '+' : '=';
    case VK_OEM_COMMA: return shift ? '<' : ',';
    case VK_OEM_MINUS: return shift ? '_' : '-';
    case VK_OEM_PERIOD: return shift ? '>' : '.';
    case VK_OEM_2: return shift ? '?' : '/';
    case VK_OEM_3: return shift ? '~' : '`';
    case VK_OEM_4: return shift ? '{' : '[';
    case VK_OEM_5: return shift ? '|' : '\\';
    case VK_OEM_6: return shift ? '}' : ']';
    case VK_OEM_7: return shift ? '"' : '\'';
    default: return 0;
  }
}

void Key(TWinControl* Control, Word Key, TShiftState Shift) {
  KeyDown(Control, Key, Shift);
  if (const char32_t ch = CharOfKey(Key, Shift)) KeyPress(Control, ch);
  KeyUp(Control, Key, Shift);
}

void Type(TWinControl* Control, const std::string& Text) {
  for (std::size_t pos = 0; pos < Text.size();) KeyPress(Control, detail::DecodeUtf8(Text, pos));
}

void AdvanceTime(unsigned Milliseconds) {
  if (THeadlessBackend* b = Headless()) b->AdvanceTime(Milliseconds);
}

int BeepCount() {
  const THeadlessBackend* b = Headless();
  return b ? b->BeepCount() : 0;
}

void SetModalHandler(std::function<void(TForm*)> Handler) {
  if (THeadlessBackend* b = Headless()) b->SetModalHandler(std::move(Handler));
}

void SetPopupHandler(std::function<void(TPopupMenu*, int X, int Y)> Handler) {
  if (THeadlessBackend* b = Headless()) b->SetPopupHandler(std::move(Handler));
}

void SetTimersAvailable(bool Available) { Application->Timers().SetUnavailable(!Available); }

TCursor ScreenCursor() {
  const THeadlessBackend* b = Headless();
  return b ? b->Cursor() : TCursor{crDefault};
}

}  // namespace gadrix::sim
