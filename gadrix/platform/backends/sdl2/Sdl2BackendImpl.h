#pragma once
// The SDL2 backend's inside: the event dispatch from SDL's queue to the forms, the screen cursor,
// modal forms and the windows it knows. Everything runs on the thread that started SDL.

#include <SDL.h>

#include <array>
#include <map>
#include <memory>
#include <vector>

#include "gadrix/platform/backends/Backend.h"
#include "gadrix/platform/backends/sdl2/Sdl2Beep.h"

namespace gadrix::sdl2 {

class TSdl2Window;

class TSdl2Backend : public TBackend {
public:
  // Starts SDL's video subsystem; null when it cannot.
  static std::unique_ptr<TSdl2Backend> Start();
  ~TSdl2Backend() override;
  TSdl2Backend(const TSdl2Backend&) = delete;
  TSdl2Backend& operator=(const TSdl2Backend&) = delete;

  std::unique_ptr<TNativeWindow> CreateNativeWindow(TForm* Form) override;
  std::uint64_t Now() override;
  void ProcessEvents(int TimeoutMs) override;
  // Remembers the modal form: until its loop ends, the other forms get no input.
  void ModalLoopStarted(TForm* Form) override;
  bool IsInteractive() const override { return true; }
  std::string GetClipboardText() override;
  void SetClipboardText(const std::string& Text) override;
  bool HasClipboardText() override;
  void Beep() override;
  void SetCursor(TCursor Cursor) override;
  TRect ScreenBounds() override;
  void PopupMenu(TPopupMenu* Menu, int X, int Y) override;

  // Whether SDL drives a real display (not its dummy or offscreen driver).
  bool HasDisplay() const;

  // Delivers one SDL event to the form whose window it concerns.
  void Dispatch(const SDL_Event& Event);
  // Waits as ProcessEvents describes for one event; false when none came.
  bool WaitEvent(SDL_Event& Event, int TimeoutMs);

  // What the windows tell their backend.
  void Register(TSdl2Window* Window);
  void Unregister(TSdl2Window* Window);
  void WindowCursorChanged(TSdl2Window* Window);

private:
  TSdl2Backend() = default;
  TSdl2Window* WindowOf(Uint32 WindowId) const;
  // The window that key events without a window of their own belong to.
  TSdl2Window* KeyWindow(Uint32 WindowId) const;
  // The form of the innermost modal loop that still runs, or null.
  TForm* ModalForm();
  // False while another form's modal loop runs; brings that form forward then.
  bool TakesInput(TSdl2Window* Window);
  void DispatchWindowEvent(const SDL_WindowEvent& Event);
  void DispatchMouseButton(const SDL_MouseButtonEvent& Event, bool Down);
  void DispatchMouseMotion(const SDL_MouseMotionEvent& Event);
  void DispatchMouseWheel(const SDL_MouseWheelEvent& Event);
  void DispatchKey(const SDL_KeyboardEvent& Event, bool Down);
  void DispatchText(const SDL_TextInputEvent& Event);
  void ShowCursor(TCursor Cursor);
  void RefreshCursor();

  std::map<Uint32, TSdl2Window*> windows_;
  std::vector<TForm*> modalForms_;
  std::array<SDL_Cursor*, SDL_NUM_SYSTEM_CURSORS> cursors_{};
  TCursor screenCursor_ = crDefault;
  Uint32 buttons_ = 0;  // the mouse buttons held down, as the events so far tell
  TSdl2Beeper beeper_;
};

}  // namespace gadrix::sdl2
