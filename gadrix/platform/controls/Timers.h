#pragma once
// Timers. A hidden timer window (what AllocateHWnd gives a control) runs periodic timers by
// identifier; their ticks arrive as WM_TIMER messages on the UI thread, from the application's
// event loop (or from sim::AdvanceTime in the headless backend). An exception thrown by a tick
// goes to Application->HandleException, and the timer goes on.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "gadrix/platform/controls/Messages.h"
#include "gadrix/platform/core/Component.h"

namespace gadrix {

using TWndMethod = std::function<void(TMessage& Message)>;

class TTimerWindow {
public:
  explicit TTimerWindow(TWndMethod WndProc);
  ~TTimerWindow();  // kills the window's timers
  TTimerWindow(const TTimerWindow&) = delete;
  TTimerWindow& operator=(const TTimerWindow&) = delete;

  // Starts (or restarts) timer Id with a period of Interval ms (at least 1). False when no timer
  // can be had: the caller reports that in its own words.
  bool SetTimer(unsigned Id, unsigned Interval);
  // Stops timer Id; false when it was not running.
  bool KillTimer(unsigned Id);
  // Hands a message to the window's procedure (messages other than WM_TIMER are ignored when it
  // has none).
  void Deliver(TMessage& Message);

private:
  TWndMethod wndProc_;
};

// The hidden window a control creates for its timers, and its end.
TTimerWindow* AllocateHWnd(TWndMethod WndProc);
void DeallocateHWnd(TTimerWindow* Window);

// Every running timer of the application, ordered by when it is due.
class TTimerQueue {
public:
  // The most timers that may run at once, as on the classic desktop.
  static constexpr std::size_t MaxTimers = 10000;

  bool Start(TTimerWindow* Window, unsigned Id, unsigned Interval, std::uint64_t Now);
  bool Stop(TTimerWindow* Window, unsigned Id);
  void StopAll(TTimerWindow* Window);
  std::size_t Count() const { return timers_.size(); }
  // When the next timer is due, if any runs.
  std::optional<std::uint64_t> NextDue() const;
  // Fires the earliest timer if it is due at Now (ties in the order they were started) and
  // schedules its next tick one period later; false when none was due.
  bool FireNext(std::uint64_t Now);
  // Fires what is due at Now; a timer late by several periods fires once and is then scheduled a
  // period after Now, as a real system coalesces missed ticks.
  void FireDue(std::uint64_t Now);

  // Refuses new timers while set (the headless backend uses it to test "no timer available").
  void SetUnavailable(bool Value) { unavailable_ = Value; }

private:
  struct TEntry {
    TTimerWindow* Window;
    unsigned Id;
    unsigned Interval;
    std::uint64_t Due;
    std::uint64_t Sequence;
  };
  std::vector<TEntry> timers_;
  std::uint64_t sequence_ = 0;
  bool unavailable_ = false;
};

// A component that raises OnTimer every Interval ms while enabled.
class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool GetEnabled() const { return enabled_; }  // default true
  void SetEnabled(bool Value);
  unsigned GetInterval() const { return interval_; }  // default 1000 ms; 0 stops the timer
  void SetInterval(unsigned Value);
  TNotifyEvent GetOnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent Value);

private:
  void UpdateTimer();
  bool enabled_ = true;
  unsigned interval_ = 1000;
  TNotifyEvent onTimer_;
  TTimerWindow window_;
};

}  // namespace gadrix
