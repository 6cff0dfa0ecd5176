#include <gtest/gtest.h>

#include <stdexcept>

#include "gadrix/platform/controls/Controls.h"

namespace gadrix {
namespace {

struct Recorder {
  std::vector<std::string> Log;
  TTimerWindow Window{[this](TMessage& M) {
    if (M.Msg == WM_TIMER) Log.push_back(std::to_string(M.WParam));
  }};
};

TEST(Timers, TicksArriveInOrderOfTimeOnTheVirtualClock) {
  Recorder r;
  ASSERT_TRUE(r.Window.SetTimer(1, 300));
  ASSERT_TRUE(r.Window.SetTimer(2, 200));
  sim::AdvanceTime(199);
  EXPECT_TRUE(r.Log.empty());
  sim::AdvanceTime(1);
  EXPECT_EQ(r.Log, (std::vector<std::string>{"2"}));
  sim::AdvanceTime(400);  // 300: timer 1; 400: timer 2; 600: both, the one that waited longer first
  EXPECT_EQ(r.Log, (std::vector<std::string>{"2", "1", "2", "1", "2"}));
}

TEST(Timers, KillInsideATickAndRestart) {
  std::vector<int> ticks;
  TTimerWindow* window = nullptr;
  window = AllocateHWnd([&](TMessage& M) {
    if (M.Msg != WM_TIMER) return;
    ticks.push_back(static_cast<int>(M.WParam));
    if (ticks.size() == 2) window->KillTimer(1);
  });
  window->SetTimer(1, 100);
  sim::AdvanceTime(1000);
  EXPECT_EQ(ticks.size(), 2u);
  EXPECT_FALSE(window->KillTimer(1));
  window->SetTimer(1, 100);
  DeallocateHWnd(window);  // takes its timers with it
  sim::AdvanceTime(1000);
  EXPECT_EQ(ticks.size(), 2u);
}

TEST(Timers, AnExceptionInATickGoesToTheApplicationAndTheTimerGoesOn) {
  std::vector<std::string> reported;
  Application->SetOnException([&](TObject*, const std::exception& E) { reported.push_back(E.what()); });
  int ticks = 0;
  TTimerWindow window([&](TMessage&) {
    ++ticks;
    throw std::runtime_error("tick failed");
  });
  window.SetTimer(1, 50);
  sim::AdvanceTime(150);
  Application->SetOnException(nullptr);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(reported, (std::vector<std::string>{"tick failed", "tick failed", "tick failed"}));
}

TEST(Timers, AFailureToGetATimerIsReportedByTheReturnValue) {
  TTimerWindow window([](TMessage&) {});
  sim::SetTimersAvailable(false);
  EXPECT_FALSE(window.SetTimer(1, 500));
  sim::SetTimersAvailable(true);
  EXPECT_TRUE(window.SetTimer(1, 500));
}

TEST(Timers, TheTimerComponentTicksWhileEnabled) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(250);
  timer.SetOnTimer([&](TObject*) { ++ticks; });
  sim::AdvanceTime(1000);
  EXPECT_EQ(ticks, 4);
  timer.SetEnabled(false);
  sim::AdvanceTime(1000);
  EXPECT_EQ(ticks, 4);
}

TEST(Timers, ARealClockThatFellBehindFiresOnceThenKeepsThePeriod) {
  TTimerQueue queue;
  int ticks = 0;
  TTimerWindow window([&](TMessage&) { ++ticks; });
  queue.Start(&window, 1, 100, 0);
  queue.FireDue(1000);  // ten periods late: one tick, not ten
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(queue.NextDue(), 1100u);
  queue.StopAll(&window);
}

}  // namespace
}  // namespace gadrix
