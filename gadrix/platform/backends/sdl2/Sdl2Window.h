#pragma once
// The SDL window of one form: its client area is the form's client area, pixel for pixel, and it
// shows the form's back buffer through SDL's window surface (no GPU needed).

#include <SDL.h>

#include "gadrix/platform/backends/Backend.h"

namespace gadrix::sdl2 {

class TSdl2Backend;

// Copies the Area of Pixels (0x00BBGGRR) to the same place of the window's surface and shows it.
void PresentPixels(SDL_Window* Window, const TPixelBuffer& Pixels, const TRect& Area);

class TSdl2Window : public TNativeWindow {
public:
  // Creates the (hidden) SDL window for Form; raises Exception when SDL cannot.
  TSdl2Window(TSdl2Backend& Backend, TForm* Form);
  ~TSdl2Window() override;
  TSdl2Window(const TSdl2Window&) = delete;
  TSdl2Window& operator=(const TSdl2Window&) = delete;

  void SetVisible(bool Visible) override;
  void SetBounds(const TRect& ScreenBounds) override;
  void SetCaption(const std::string& Caption) override;
  // The event loop paints every form with dirty areas after each round of events.
  void RequestPaint() override {}
  void Present(const TPixelBuffer& BackBuffer, const TRect& Dirty) override;
  void SetCursor(TCursor Cursor) override;
  void SetMouseCapture(bool Capture) override;

  // Shows the whole back buffer again, when the system has lost the window's pixels.
  void PresentAll();
  // Takes the window's place and size as the user changed them.
  void TakeUserBounds();

  TForm* Form() const { return form_; }
  SDL_Window* Handle() const { return window_; }
  Uint32 Id() const { return id_; }
  TCursor Cursor() const { return cursor_; }
  // Where the pointer was last seen in the client area (for the wheel, which SDL reports without).
  TPoint MousePosition() const { return mouse_; }
  void SetMousePosition(TPoint P) { mouse_ = P; }

private:
  TSdl2Backend& backend_;
  TForm* form_;
  SDL_Window* window_ = nullptr;
  Uint32 id_ = 0;
  TCursor cursor_ = crDefault;
  TPoint mouse_;
};

}  // namespace gadrix::sdl2
