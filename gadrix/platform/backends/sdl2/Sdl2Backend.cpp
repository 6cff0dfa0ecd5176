#include "gadrix/platform/backends/sdl2/Sdl2Backend.h"

#include <algorithm>
#include <cstring>

#include "gadrix/platform/backends/sdl2/Sdl2BackendImpl.h"
#include "gadrix/platform/backends/sdl2/Sdl2KeyMap.h"
#include "gadrix/platform/backends/sdl2/Sdl2MouseMap.h"
#include "gadrix/platform/backends/sdl2/Sdl2PopupMenu.h"
#include "gadrix/platform/backends/sdl2/Sdl2Window.h"
#include "gadrix/platform/controls/Application.h"
#include "gadrix/platform/controls/Menus.h"

namespace gadrix::sdl2 {

// --- starting ----------------------------------------------------------------------------------------

std::unique_ptr<TSdl2Backend> TSdl2Backend::Start() {
  // A form decides itself whether closing it ends the program (OnCloseQuery may refuse).
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // Window surfaces in plain memory (XShm and the like): no GPU driver, no renderer threads.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
  SDL_StartTextInput();
  return std::unique_ptr<TSdl2Backend>(new TSdl2Backend());
}

TSdl2Backend::~TSdl2Backend() {
  for (SDL_Cursor* cursor : cursors_)
    if (cursor != nullptr) SDL_FreeCursor(cursor);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool TSdl2Backend::HasDisplay() const {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver != nullptr && std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0;
}

namespace {

// Whether a display may be there at all. On X11 and Wayland systems a session names its display
// in the environment; without one, SDL's attempts end in failure and in messages from the
// libraries it tries. A video driver named in SDL_VIDEODRIVER is always tried.
bool MayHaveDisplay() {
#if defined(__unix__)
  const auto set = [](const char* Name) {
    const char* value = SDL_getenv(Name);
    return value != nullptr && *value != '\0';
  };
  return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("SDL_VIDEODRIVER");
#else
  return true;
#endif
}

}  // namespace

bool UseSdl2Backend() {
  if (!MayHaveDisplay()) return false;
  std::unique_ptr<TSdl2Backend> backend = TSdl2Backend::Start();
  if (!backend || !backend->HasDisplay()) return false;
  SetBackend(std::move(backend));
  return true;
}

std::unique_ptr<TBackend> CreateSdl2Backend() { return TSdl2Backend::Start(); }

// --- services --------------------------------------------------------------------------------------------

std::unique_ptr<TNativeWindow> TSdl2Backend::CreateNativeWindow(TForm* Form) {
  return std::make_unique<TSdl2Window>(*this, Form);
}

std::uint64_t TSdl2Backend::Now() { return SDL_GetTicks64(); }

std::string TSdl2Backend::GetClipboardText() {
  char* text = SDL_GetClipboardText();
  std::string result = text != nullptr ? text : "";
  SDL_free(text);
  return result;
}

void TSdl2Backend::SetClipboardText(const std::string& Text) { SDL_SetClipboardText(Text.c_str()); }

bool TSdl2Backend::HasClipboardText() { return SDL_HasClipboardText() == SDL_TRUE; }

void TSdl2Backend::Beep() { beeper_.Beep(Now()); }

TRect TSdl2Backend::ScreenBounds() {
  SDL_Rect r{};
  if (SDL_GetDisplayBounds(0, &r) != 0) return {};
  return Bounds(r.x, r.y, r.w, r.h);
}

void TSdl2Backend::PopupMenu(TPopupMenu* Menu, int X, int Y) {
  if (TMenuItem* chosen = TSdl2PopupMenu(*this).Run(Menu->GetItems(), X, Y)) chosen->Click();
}

// --- windows, cursors and modal forms ----------------------------------------------------------------------

void TSdl2Backend::Register(TSdl2Window* Window) { windows_[Window->Id()] = Window; }

void TSdl2Backend::Unregister(TSdl2Window* Window) { windows_.erase(Window->Id()); }

TSdl2Window* TSdl2Backend::WindowOf(Uint32 WindowId) const {
  const auto it = windows_.find(WindowId);
  return it == windows_.end() ? nullptr : it->second;
}

TSdl2Window* TSdl2Backend::KeyWindow(Uint32 WindowId) const {
  // Without a window manager the keyboard may have no focus window: the keys then belong to the
  // window under the pointer, or to the form shown last.
  if (TSdl2Window* w = WindowOf(WindowId)) return w;
  if (SDL_Window* focus = SDL_GetMouseFocus()) {
    if (TSdl2Window* w = WindowOf(SDL_GetWindowID(focus))) return w;
  }
  for (const auto& [id, window] : windows_)
    if (window->Form() == Screen->GetActiveForm()) return window;
  return nullptr;
}

void TSdl2Backend::ModalLoopStarted(TForm* Form) { modalForms_.push_back(Form); }

TForm* TSdl2Backend::ModalForm() {
  auto alive = [](TForm* form) {
    for (int i = 0; i < Screen->GetFormCount(); ++i)
      if (Screen->GetForms(i) == form) return form->IsModal() && form->GetVisible();
    return false;
  };
  while (!modalForms_.empty() && !alive(modalForms_.back())) modalForms_.pop_back();
  return modalForms_.empty() ? nullptr : modalForms_.back();
}

bool TSdl2Backend::TakesInput(TSdl2Window* Window) {
  TForm* modal = ModalForm();
  if (modal == nullptr || modal == Window->Form()) return true;
  for (const auto& [id, window] : windows_)
    if (window->Form() == modal) SDL_RaiseWindow(window->Handle());
  return false;
}

void TSdl2Backend::SetCursor(TCursor Cursor) {
  screenCursor_ = Cursor;
  RefreshCursor();
}

void TSdl2Backend::WindowCursorChanged(TSdl2Window* Window) {
  if (SDL_GetMouseFocus() == Window->Handle()) RefreshCursor();
}

void TSdl2Backend::RefreshCursor() {
  TCursor cursor = screenCursor_;
  if (cursor == crDefault) {
    if (SDL_Window* focus = SDL_GetMouseFocus()) {
      if (TSdl2Window* w = WindowOf(SDL_GetWindowID(focus))) cursor = w->Cursor();
    }
  }
  ShowCursor(cursor);
}

void TSdl2Backend::ShowCursor(TCursor Cursor) {
  if (Cursor == crNone) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_ShowCursor(SDL_ENABLE);
  const SDL_SystemCursor shape = SystemCursorOf(Cursor);
  SDL_Cursor*& cursor = cursors_[shape];
  if (cursor == nullptr) cursor = SDL_CreateSystemCursor(shape);
  if (cursor != nullptr) SDL_SetCursor(cursor);
}

// --- the event loop ------------------------------------------------------------------------------------------

bool TSdl2Backend::WaitEvent(SDL_Event& Event, int TimeoutMs) {
  if (TimeoutMs == 0) return SDL_PollEvent(&Event) == 1;
  if (TimeoutMs < 0) return SDL_WaitEvent(&Event) == 1;
  return SDL_WaitEventTimeout(&Event, TimeoutMs) == 1;
}

void TSdl2Backend::ProcessEvents(int TimeoutMs) {
  beeper_.Tidy(Now());
  SDL_Event event;
  bool got = WaitEvent(event, beeper_.LimitWait(TimeoutMs, Now()));
  // Only what is queued now: a stream of new events must not keep the forms from painting.
  while (got) {
    Dispatch(event);
    got = SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
  }
  beeper_.Tidy(Now());
}

void TSdl2Backend::Dispatch(const SDL_Event& Event) {
  switch (Event.type) {
    case SDL_WINDOWEVENT: DispatchWindowEvent(Event.window); break;
    case SDL_MOUSEMOTION: DispatchMouseMotion(Event.motion); break;
    case SDL_MOUSEBUTTONDOWN: DispatchMouseButton(Event.button, true); break;
    case SDL_MOUSEBUTTONUP: DispatchMouseButton(Event.button, false); break;
    case SDL_MOUSEWHEEL: DispatchMouseWheel(Event.wheel); break;
    case SDL_KEYDOWN: DispatchKey(Event.key, true); break;
    case SDL_KEYUP: DispatchKey(Event.key, false); break;
    case SDL_TEXTINPUT: DispatchText(Event.text); break;
    case SDL_QUIT: Application->Terminate(); break;  // an interrupt (Ctrl+C) or the system's logout
    default: break;
  }
}

void TSdl2Backend::DispatchWindowEvent(const SDL_WindowEvent& Event) {
  TSdl2Window* window = WindowOf(Event.windowID);
  if (window == nullptr) return;
  switch (Event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_MOVED: window->TakeUserBounds(); break;
    case SDL_WINDOWEVENT_EXPOSED: window->PresentAll(); break;
    case SDL_WINDOWEVENT_ENTER: RefreshCursor(); break;
    case SDL_WINDOWEVENT_LEAVE: window->Form()->HandleMouseExit(); break;
    case SDL_WINDOWEVENT_CLOSE:
      if (TakesInput(window)) window->Form()->HandleCloseRequest();
      break;
    default: break;
  }
}

void TSdl2Backend::DispatchMouseMotion(const SDL_MouseMotionEvent& Event) {
  TSdl2Window* window = WindowOf(Event.windowID);
  if (window == nullptr) return;
  window->SetMousePosition({Event.x, Event.y});
  // A form behind a modal one sees no pointer (TakesInput would raise the modal form at each move).
  if (TForm* modal = ModalForm(); modal != nullptr && modal != window->Form()) return;
  window->Form()->HandleMouseMove(ShiftStateOf(SDL_GetModState(), Event.state), Event.x, Event.y);
}

void TSdl2Backend::DispatchMouseButton(const SDL_MouseButtonEvent& Event, bool Down) {
  const std::optional<TMouseButton> button = MouseButtonOf(Event.button);
  TSdl2Window* window = WindowOf(Event.windowID);
  if (!button || window == nullptr) return;
  const Uint32 mask = ButtonMaskOf(*button);
  buttons_ = Down ? buttons_ | mask : buttons_ & ~mask;
  window->SetMousePosition({Event.x, Event.y});
  if (!TakesInput(window)) return;
  const TShiftState shift = ShiftStateOf(SDL_GetModState(), buttons_);
  if (Down) window->Form()->HandleMouseDown(*button, shift, Event.x, Event.y);
  else window->Form()->HandleMouseUp(*button, shift, Event.x, Event.y);
}

void TSdl2Backend::DispatchMouseWheel(const SDL_MouseWheelEvent& Event) {
  TSdl2Window* window = WindowOf(Event.windowID);
  const int delta = WheelDeltaOf(Event.y, Event.direction);
  if (window == nullptr || delta == 0 || !TakesInput(window)) return;
  const TPoint at = window->MousePosition();
  window->Form()->HandleMouseWheel(ShiftStateOf(SDL_GetModState(), buttons_), delta, at.X, at.Y);
}

void TSdl2Backend::DispatchKey(const SDL_KeyboardEvent& Event, bool Down) {
  TSdl2Window* window = KeyWindow(Event.windowID);
  const Word key = VirtualKeyOf(Event.keysym.sym, Event.keysym.scancode, Event.keysym.mod);
  if (window == nullptr || key == 0 || !TakesInput(window)) return;
  const TShiftState shift = ShiftStateOf(Event.keysym.mod);
  if (!Down) {
    window->Form()->HandleKeyUp(key, shift);
    return;
  }
  TForm* form = window->Form();
  const Uint32 id = window->Id();
  form->HandleKeyDown(key, shift);
  // The handler may have closed the window; the character goes only to a form still there.
  if (const char32_t ch = ControlCharOf(key, shift); ch != 0 && WindowOf(id) == window) form->HandleKeyPress(ch);
}

void TSdl2Backend::DispatchText(const SDL_TextInputEvent& Event) {
  if (!TakesText(SDL_GetModState())) return;
  TSdl2Window* window = KeyWindow(Event.windowID);
  if (window == nullptr || !TakesInput(window)) return;
  const Uint32 id = window->Id();
  for (const char32_t ch : CodePointsOf(Event.text)) {
    if (WindowOf(id) != window) return;
    window->Form()->HandleKeyPress(ch);
  }
}

}  // namespace gadrix::sdl2
