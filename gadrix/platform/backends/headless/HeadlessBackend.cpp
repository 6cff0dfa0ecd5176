#include "gadrix/platform/backends/headless/HeadlessBackend.h"

#include <algorithm>

#include "gadrix/platform/controls/Application.h"
#include "gadrix/platform/controls/Menus.h"

namespace gadrix {
namespace {

// A window nobody sees.
class THeadlessWindow : public TNativeWindow {
public:
  void SetVisible(bool) override {}
  void SetBounds(const TRect&) override {}
  void SetCaption(const std::string&) override {}
  void RequestPaint() override {}
  void Present(const TPixelBuffer&, const TRect&) override {}
  void SetCursor(TCursor) override {}
  void SetMouseCapture(bool) override {}
};

}  // namespace

std::unique_ptr<TNativeWindow> THeadlessBackend::CreateNativeWindow(TForm*) {
  return std::make_unique<THeadlessWindow>();
}

void THeadlessBackend::ModalLoopStarted(TForm* Form) {
  // Nobody but the program's hook can answer a modal form here; without an answer the form is
  // cancelled, so that no loop waits for ever.
  if (modalHandler_) modalHandler_(Form);
  if (Form->GetModalResult() == mrNone) Form->SetModalResult(mrCancel);
}

void THeadlessBackend::PopupMenu(TPopupMenu* Menu, int X, int Y) {
  if (popupHandler_) popupHandler_(Menu, X, Y);
}

void THeadlessBackend::AdvanceTime(unsigned Milliseconds) {
  const std::uint64_t target = clock_ + Milliseconds;
  TTimerQueue& timers = Application->Timers();
  for (auto due = timers.NextDue(); due && *due <= target; due = timers.NextDue()) {
    clock_ = std::max(clock_, *due);
    timers.FireNext(clock_);
  }
  clock_ = target;
  Application->ProcessMessages();
}

}  // namespace gadrix
