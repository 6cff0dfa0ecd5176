#include "gadrix/platform/controls/Timers.h"

#include <algorithm>
#include <exception>

#include "gadrix/platform/controls/Application.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {

TTimerWindow::TTimerWindow(TWndMethod WndProc) : wndProc_(std::move(WndProc)) {}

TTimerWindow::~TTimerWindow() { Application->Timers().StopAll(this); }

bool TTimerWindow::SetTimer(unsigned Id, unsigned Interval) {
  return Application->Timers().Start(this, Id, std::max(Interval, 1u), Backend().Now());
}

bool TTimerWindow::KillTimer(unsigned Id) { return Application->Timers().Stop(this, Id); }

void TTimerWindow::Deliver(TMessage& Message) {
  if (wndProc_) wndProc_(Message);
}

TTimerWindow* AllocateHWnd(TWndMethod WndProc) { return new TTimerWindow(std::move(WndProc)); }

void DeallocateHWnd(TTimerWindow* Window) { delete Window; }

bool TTimerQueue::Start(TTimerWindow* Window, unsigned Id, unsigned Interval, std::uint64_t Now) {
  for (TEntry& e : timers_) {
    if (e.Window == Window && e.Id == Id) {
      e.Interval = Interval;
      e.Due = Now + Interval;
      e.Sequence = ++sequence_;
      return true;
    }
  }
  if (unavailable_ || timers_.size() >= MaxTimers) return false;
  timers_.push_back({Window, Id, Interval, Now + Interval, ++sequence_});
  return true;
}

bool TTimerQueue::Stop(TTimerWindow* Window, unsigned Id) {
  auto it = std::find_if(timers_.begin(), timers_.end(),
                         [&](const TEntry& e) { return e.Window == Window && e.Id == Id; });
  if (it == timers_.end()) return false;
  timers_.erase(it);
  return true;
}

void TTimerQueue::StopAll(TTimerWindow* Window) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [&](const TEntry& e) { return e.Window == Window; }),
                timers_.end());
}

std::optional<std::uint64_t> TTimerQueue::NextDue() const {
  if (timers_.empty()) return std::nullopt;
  std::uint64_t due = timers_.front().Due;
  for (const TEntry& e : timers_) due = std::min(due, e.Due);
  return due;
}

bool TTimerQueue::FireNext(std::uint64_t Now) {
  auto earliest = std::min_element(timers_.begin(), timers_.end(), [](const TEntry& a, const TEntry& b) {
    return a.Due != b.Due ? a.Due < b.Due : a.Sequence < b.Sequence;
  });
  if (earliest == timers_.end() || earliest->Due > Now) return false;
  TTimerWindow* window = earliest->Window;
  const unsigned id = earliest->Id;
  earliest->Due += earliest->Interval;
  earliest->Sequence = ++sequence_;
  TMessage message{WM_TIMER, static_cast<std::intptr_t>(id), 0, 0};
  try {
    window->Deliver(message);
  } catch (const std::exception& e) {
    Application->HandleException(e);
  }
  return true;
}

void TTimerQueue::FireDue(std::uint64_t Now) {
  // Each timer fires at most once per call: collect the due ones first.
  std::vector<std::pair<TTimerWindow*, unsigned>> due;
  for (TEntry& e : timers_) {
    if (e.Due > Now) continue;
    due.emplace_back(e.Window, e.Id);
    e.Due = e.Due + e.Interval > Now ? e.Due + e.Interval : Now + e.Interval;
  }
  for (const auto& [window, id] : due) {
    // Structured bindings are copied into the lambda: clang 14 cannot capture them.
    const bool stillRunning = std::any_of(timers_.begin(), timers_.end(), [w = window, i = id](const TEntry& e) {
      return e.Window == w && e.Id == i;
    });
    if (!stillRunning) continue;
    TMessage message{WM_TIMER, static_cast<std::intptr_t>(id), 0, 0};
    try {
      window->Deliver(message);
    } catch (const std::exception& e) {
      Application->HandleException(e);
    }
  }
}

const TClassInfo& TTimer::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TTimer>(
      "TTimer", &TComponent::StaticClassInfo(),
      {BooleanProperty("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled, true),
       IntegerProperty("Interval", &TTimer::GetInterval, &TTimer::SetInterval, 1000)});
  return info;
}

TTimer::TTimer(TComponent* AOwner)
    : TComponent(AOwner), window_([this](TMessage& Message) {
        if (Message.Msg == WM_TIMER && onTimer_) onTimer_(this);
      }) {}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool Value) {
  if (Value == enabled_) return;
  enabled_ = Value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
  if (Value == interval_) return;
  interval_ = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  onTimer_ = std::move(Value);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  window_.KillTimer(1);
  if (enabled_ && interval_ > 0 && onTimer_) window_.SetTimer(1, interval_);
}

}  // namespace gadrix
