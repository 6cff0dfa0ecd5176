#pragma once
// What the toolkit needs of the system it runs on: windows for forms, a clock, an event source,
// the clipboard, the beep, the cursor and popup menus. The headless backend is the default; a
// program selects another (SDL2) before it creates its forms.

#include <cstdint>
#include <memory>
#include <string>

#include "gadrix/platform/controls/Input.h"
#include "gadrix/platform/graphics/PixelBuffer.h"

namespace gadrix {

class TForm;
class TPopupMenu;

// The system's side of one form.
class TNativeWindow {
public:
  virtual ~TNativeWindow() = default;
  virtual void SetVisible(bool Visible) = 0;
  // Position on the screen and size of the client area.
  virtual void SetBounds(const TRect& ScreenBounds) = 0;
  virtual void SetCaption(const std::string& Caption) = 0;
  // The form has areas to repaint; the event loop will have it paint them.
  virtual void RequestPaint() = 0;
  // Shows the Dirty part of the form's freshly painted back buffer.
  virtual void Present(const TPixelBuffer& BackBuffer, const TRect& Dirty) = 0;
  virtual void SetCursor(TCursor Cursor) = 0;
  virtual void SetMouseCapture(bool Capture) = 0;
};

class TBackend {
public:
  virtual ~TBackend() = default;

  virtual std::unique_ptr<TNativeWindow> CreateNativeWindow(TForm* Form) = 0;
  // Milliseconds on a monotonic clock.
  virtual std::uint64_t Now() = 0;
  // Delivers waiting input to the forms; when nothing waits, waits for at most TimeoutMs
  // milliseconds (0: do not wait, negative: until something arrives).
  virtual void ProcessEvents(int TimeoutMs) = 0;
  // Called when a form starts a modal loop; the headless backend answers it here.
  virtual void ModalLoopStarted(TForm* Form) = 0;
  // Whether events can arrive from a user (false for the headless backend: Run returns).
  virtual bool IsInteractive() const = 0;

  virtual std::string GetClipboardText() = 0;
  virtual void SetClipboardText(const std::string& Text) = 0;
  virtual bool HasClipboardText() = 0;
  virtual void Beep() = 0;
  virtual void SetCursor(TCursor Cursor) = 0;
  // The screen's size.
  virtual TRect ScreenBounds() = 0;
  // Presents a popup menu at a screen position and clicks the item the user picks, if any.
  virtual void PopupMenu(TPopupMenu* Menu, int X, int Y) = 0;
};

// The backend in use: the headless one unless a program set another.
TBackend& Backend();
// Replaces the backend; forms created before keep the windows of the old one.
void SetBackend(std::unique_ptr<TBackend> NewBackend);

}  // namespace gadrix
