// TNumIO2: caret and selection from the mouse, the buttons, the gauge, the caret timer and the
// order of events.

#include "numeric/NumIO2TestSupport.h"

namespace gadrix {
namespace {

using testing::NumIO2Test;
using Log = std::vector<std::string>;

// Buttons right of the default box: x from 35 + 80 + 3 = 118 to 136, the upper half y <= 14.
struct Buttons : NumIO2Test {
  static constexpr int X = 127, Up = 5, Down = 20;
  void SetUp() override {
    NumIO2Test::SetUp();
    n->SetButVisible(true);
  }
};

TEST_F(Buttons, StepByTheIncrementWithinTheRange) {
  n->SetValue(999.5);
  sim::Click(n, X, Up);
  EXPECT_EQ(n->GetText(), "1000.00");
  n->SetButIncrem(0.25);
  sim::Click(n, X, Down);
  sim::Click(n, X, Down);
  EXPECT_EQ(n->GetText(), "999.50");
  n->SetValue(0.1);
  sim::Click(n, X, Down);
  EXPECT_EQ(n->GetValue(), 0.0);
  EXPECT_EQ(events, (Log{"change 1000.00", "change 999.75", "change 999.50", "change 0.00"}));
}

TEST_F(Buttons, PressesOutsideTheButtonsStepNothing) {
  n->SetValue(5);
  sim::Click(n, 118, Up);  // the buttons' left edge
  sim::Click(n, 136, Up);  // their right edge
  sim::Click(n, X, 28);    // below
  n->SetButVisible(false);
  sim::Click(n, X, Up);
  EXPECT_EQ(n->GetValue(), 5.0);
  EXPECT_TRUE(events.empty());
}

TEST_F(Buttons, PivotsAreVisitedInTurnAndNeedNotLieInTheRange) {
  n->ButtonPivots = {1, 2, 5, 10};
  n->SetValue(2);
  sim::Click(n, X, Up);
  EXPECT_EQ(n->GetValue(), 5.0);
  n->SetValue(2);
  sim::Click(n, X, Down);
  EXPECT_EQ(n->GetValue(), 1.0);
  n->SetValue(3);
  sim::Click(n, X, Up);
  EXPECT_EQ(n->GetValue(), 5.0);
  n->SetValue(3);
  sim::Click(n, X, Down);
  EXPECT_EQ(n->GetValue(), 2.0);
  n->SetValue(10);
  sim::Click(n, X, Up);  // the last pivot stays
  EXPECT_EQ(n->GetValue(), 10.0);
  n->SetRangeHigh(4);
  n->SetValue(3);
  sim::Click(n, X, Up);
  EXPECT_EQ(n->GetValue(), 5.0);
}

// A gauge 82 wide at x 35 over the range 0 to 1000; the band is the bottom 12 rows of 28.
struct Gauge : NumIO2Test {
  static constexpr int Y = 22;
  void SetUp() override {
    NumIO2Test::SetUp();
    n->SetGaugeVisible(true);
  }
};

TEST_F(Gauge, APressSetsTheValueOfItsPlace) {
  sim::MouseDown(n, mbLeft, {}, 76, Y);
  EXPECT_EQ(n->GetText(), "500.00");
  EXPECT_TRUE(events.empty());  // no gauge event on the press, the change comes on release
  sim::MouseUp(n, mbLeft, {}, 76, Y);
  EXPECT_EQ(events, (Log{"change 500.00"}));
  sim::Click(n, 34, Y);  // left of the bar
  sim::Click(n, 76, 16);  // above the band
  EXPECT_EQ(n->GetText(), "500.00");
}

TEST_F(Gauge, DraggingRaisesOnGaugeChangeThenOnChangeOnceOnRelease) {
  sim::MouseDown(n, mbLeft, {}, 35, Y);
  sim::MouseMove(n, ssLeft, 117, Y);
  sim::MouseMove(n, ssLeft, 118, Y);  // one pixel beyond the bar still counts, clamped
  sim::MouseMove(n, ssLeft, 119, Y);  // two do not
  sim::MouseMove(n, ssLeft, 34, Y);
  sim::MouseUp(n, mbLeft, {}, 34, Y);
  EXPECT_EQ(events, (Log{"gauge 1000", "gauge 1000", "gauge 0", "change 0.00"}));
  events.clear();
  sim::MouseMove(n, {}, 76, Y);  // no button held: nothing
  EXPECT_TRUE(events.empty());
}

TEST_F(Gauge, SnapsToTheNearestPivotAndReportsTheShiftState) {
  n->ButtonPivots = {100, 400, 900};
  TShiftState shift = 0;
  n->SetOnGaugeChange([&](TObject*, TShiftState S, double) { shift = S; });
  sim::MouseDown(n, mbLeft, {}, 50, Y);  // 183
  EXPECT_EQ(n->GetValue(), 100.0);
  sim::MouseMove(n, ssLeft | ssShift, 60, Y);  // 305: nearer to 400
  EXPECT_EQ(n->GetValue(), 400.0);
  EXPECT_EQ(shift, ssLeft | ssShift);
}

TEST_F(NumIO2Test, ThePointerPlacesTheCaretAndDragsTheSelection) {
  for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter}) {
    n->SetAlignment(alignment);
    n->SetText("123456");  // digits of one width: the mean width is exact
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(n->PositionOfX(n->XOfPosition(i)), i) << int(alignment) << " " << i;
    EXPECT_EQ(n->PositionOfX(0), 0);
    EXPECT_EQ(n->PositionOfX(500), 6);
    sim::MouseDown(n, mbLeft, {}, n->XOfPosition(2), 10);
    sim::MouseMove(n, ssLeft, n->XOfPosition(5), 10);
    sim::MouseUp(n, mbLeft, {}, n->XOfPosition(5), 10);
    EXPECT_EQ(n->GetSelBegin(), 2);
    EXPECT_EQ(n->GetSelEnd(), 5);
  }
  sim::MouseMove(n, {}, 35, 10);
  EXPECT_EQ(n->GetMouseAreaCode(), 0);
  sim::MouseMove(n, {}, 36, 10);
  EXPECT_EQ(n->GetMouseAreaCode(), 1);
  sim::MouseMove(n, {}, 116, 10);
  EXPECT_EQ(n->GetMouseAreaCode(), 2);
}

TEST_F(NumIO2Test, EventsComeInTheOrderOfTheInput) {
  n->SetButVisible(true);
  n->SetOnMouseDown([this](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("down"); });
  n->SetOnMouseUp([this](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("up"); });
  n->SetOnClick([this](TObject*) { events.push_back("click " + std::to_string(n->Focused())); });
  sim::Click(n, 127, 5);
  EXPECT_EQ(events, (Log{"change 1.00", "down", "up", "click 1"}));
  events.clear();
  n->Changed();
  EXPECT_EQ(events, (Log{"change 1.00"}));
}

// The caret of an empty centred box stands at x = 35 + 80 / 2 + 1.
struct Caret : NumIO2Test {
  bool Shown() { return Picture()->GetCanvas()->GetPixel(76, 10) == clBlack; }
};

TEST_F(Caret, BlinksAtHalfASecondOnlyWhileFocused) {
  EXPECT_FALSE(Shown());
  sim::Click(n, 60, 10);
  EXPECT_TRUE(Shown());
  sim::AdvanceTime(499);
  EXPECT_TRUE(Shown());
  sim::AdvanceTime(1);
  EXPECT_FALSE(Shown());
  sim::AdvanceTime(500);
  EXPECT_TRUE(Shown());
  auto* other = new TNumIO2(form.get());
  other->SetParent(form.get());
  other->SetFocus();
  const std::size_t timers = Application->Timers().Count();
  sim::AdvanceTime(500);  // the tick after the focus left hides the caret and stops the timer
  EXPECT_FALSE(Shown());
  EXPECT_EQ(Application->Timers().Count(), timers - 1);
  sim::AdvanceTime(2000);
  EXPECT_FALSE(Shown());
  n->SetFocus();
  EXPECT_TRUE(Shown());
}

TEST_F(Caret, ReadOnlyStopsTheCaretAndLeavingRestartsIt) {
  n->SetFocus();
  n->SetReadOnly(true);
  EXPECT_FALSE(Shown());
  sim::AdvanceTime(1500);
  EXPECT_FALSE(Shown());
  n->SetReadOnly(false);
  EXPECT_TRUE(Shown());
  sim::AdvanceTime(500);
  EXPECT_FALSE(Shown());
}

TEST_F(Caret, FocusAndClickFailLoudlyWithoutATimer) {
  auto* other = new TNumIO2(form.get());
  other->SetParent(form.get());
  testing::NoTimers none;
  EXPECT_THROW(sim::Click(other, 60, 10), EZorvNumIO2Error);
}

}  // namespace
}  // namespace gadrix
