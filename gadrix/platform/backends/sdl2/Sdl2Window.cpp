#include "gadrix/platform/backends/sdl2/Sdl2Window.h"

#include <algorithm>

#include "gadrix/platform/backends/sdl2/Sdl2BackendImpl.h"
#include "gadrix/platform/controls/Form.h"

namespace gadrix::sdl2 {
namespace {

// TPixelBuffer's layout as SDL names it: packed 32-bit 0x00BBGGRR (SDL's XBGR8888).
constexpr Uint32 kBackBufferFormat = SDL_PIXELFORMAT_BGR888;

}  // namespace

void PresentPixels(SDL_Window* Window, const TPixelBuffer& Pixels, const TRect& Area) {
  SDL_Surface* surface = SDL_GetWindowSurface(Window);
  if (surface == nullptr) return;
  const TRect common{0, 0, std::min(Pixels.Width(), surface->w), std::min(Pixels.Height(), surface->h)};
  const TRect area = Intersect(Area, common);
  if (area.IsEmpty()) return;
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
  const TPixel* source = Pixels.Row(area.Top) + area.Left;
  auto* target = static_cast<Uint8*>(surface->pixels) + static_cast<std::ptrdiff_t>(area.Top) * surface->pitch +
                 area.Left * surface->format->BytesPerPixel;
  SDL_ConvertPixels(area.Width(), area.Height(), kBackBufferFormat, source,
                    Pixels.Width() * static_cast<int>(sizeof(TPixel)), surface->format->format, target, surface->pitch);
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  const SDL_Rect shown{area.Left, area.Top, area.Width(), area.Height()};
  SDL_UpdateWindowSurfaceRects(Window, &shown, 1);
}

TSdl2Window::TSdl2Window(TSdl2Backend& Backend, TForm* Form) : backend_(Backend), form_(Form) {
  const TRect bounds = Form->GetBoundsRect();
  window_ = SDL_CreateWindow(Form->GetCaption().c_str(), bounds.Left, bounds.Top, std::max(bounds.Width(), 1),
                             std::max(bounds.Height(), 1), SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
  if (window_ == nullptr) throw Exception(std::string("Cannot create a window: ") + SDL_GetError());
  id_ = SDL_GetWindowID(window_);
  backend_.Register(this);
}

TSdl2Window::~TSdl2Window() {
  backend_.Unregister(this);
  SDL_DestroyWindow(window_);
}

void TSdl2Window::SetVisible(bool Visible) {
  if (Visible) {
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
  } else {
    SDL_HideWindow(window_);
  }
}

void TSdl2Window::SetBounds(const TRect& ScreenBounds) {
  // The form echoes the sizes and places the user gives the window: change only what differs.
  int x = 0, y = 0, width = 0, height = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  SDL_GetWindowSize(window_, &width, &height);
  const int newWidth = std::max(ScreenBounds.Width(), 1), newHeight = std::max(ScreenBounds.Height(), 1);
  if (newWidth != width || newHeight != height) SDL_SetWindowSize(window_, newWidth, newHeight);
  if (ScreenBounds.Left != x || ScreenBounds.Top != y) SDL_SetWindowPosition(window_, ScreenBounds.Left, ScreenBounds.Top);
}

void TSdl2Window::TakeUserBounds() {
  int x = 0, y = 0, width = 0, height = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  SDL_GetWindowSize(window_, &width, &height);
  form_->SetBounds(x, y, width, height);
}

void TSdl2Window::SetCaption(const std::string& Caption) { SDL_SetWindowTitle(window_, Caption.c_str()); }

void TSdl2Window::Present(const TPixelBuffer& BackBuffer, const TRect& Dirty) {
  PresentPixels(window_, BackBuffer, Dirty);
}

void TSdl2Window::PresentAll() { PresentPixels(window_, form_->BackBuffer(), form_->BackBuffer().Bounds()); }

void TSdl2Window::SetCursor(TCursor Cursor) {
  if (Cursor == cursor_) return;
  cursor_ = Cursor;
  backend_.WindowCursorChanged(this);
}

void TSdl2Window::SetMouseCapture(bool Capture) { SDL_CaptureMouse(Capture ? SDL_TRUE : SDL_FALSE); }

}  // namespace gadrix::sdl2
