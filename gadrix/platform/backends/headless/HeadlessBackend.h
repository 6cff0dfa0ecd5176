#pragma once
// The headless backend: no screen, a virtual clock, an in-memory clipboard, a beep counter and
// hooks that answer modal forms and popup menus. It is what tests, server-side rendering and
// hosts that embed the controls elsewhere run on; sim:: (Simulation.h) drives it.

#include <cstdint>
#include <functional>
#include <string>

#include "gadrix/platform/backends/Backend.h"

namespace gadrix {

class THeadlessBackend : public TBackend {
public:
  std::unique_ptr<TNativeWindow> CreateNativeWindow(TForm* Form) override;
  std::uint64_t Now() override { return clock_; }
  void ProcessEvents(int) override {}
  void ModalLoopStarted(TForm* Form) override;
  bool IsInteractive() const override { return false; }
  std::string GetClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::string& Text) override { clipboard_ = Text; }
  bool HasClipboardText() override { return !clipboard_.empty(); }
  void Beep() override { ++beeps_; }
  void SetCursor(TCursor Cursor) override { cursor_ = Cursor; }
  TRect ScreenBounds() override { return {0, 0, 1920, 1080}; }
  void PopupMenu(TPopupMenu* Menu, int X, int Y) override;

  // Moves the virtual clock on by Milliseconds, firing each timer at every moment it is due, in
  // order of time (timers due together in the order they were started).
  void AdvanceTime(unsigned Milliseconds);
  int BeepCount() const { return beeps_; }
  TCursor Cursor() const { return cursor_; }
  void SetModalHandler(std::function<void(TForm*)> Handler) { modalHandler_ = std::move(Handler); }
  void SetPopupHandler(std::function<void(TPopupMenu*, int X, int Y)> Handler) { popupHandler_ = std::move(Handler); }

private:
  std::uint64_t clock_ = 1000000;  // far from zero, so that "long ago" is a time too
  std::string clipboard_;
  int beeps_ = 0;
  TCursor cursor_ = crDefault;
  std::function<void(TForm*)> modalHandler_;
  std::function<void(TPopupMenu*, int, int)> popupHandler_;
};

}  // namespace gadrix
