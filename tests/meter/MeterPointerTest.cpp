// Pointer tracking: the value under the mouse, through real input.

#include "gadrix/platform/backends/headless/Simulation.h"
#include "meter/MeterTestSupport.h"

namespace gadrix {
namespace {

struct Move {
  bool Within;
  TShiftState Shift;
  double Value;
};

class MeterPointerTest : public testing::MeterTest {
protected:
  std::vector<std::string> order;
  std::vector<Move> moves;

  void SetUp() override {
    form->SetBounds(0, 0, 400, 300);
    meter->SetBounds(20, 30, 297, 209);
    form->Show();
    meter->SetOnMouseMove([this](TObject*, TShiftState, int, int) { order.push_back("move"); });
    meter->SetOnMouseMoveInMeter([this](TObject* Sender, bool Within, TShiftState Shift, double Value) {
      EXPECT_EQ(Sender, meter);
      order.push_back("meter");
      moves.push_back({Within, Shift, Value});
    });
  }
};

TEST_F(MeterPointerTest, EveryMoveReportsTheValueUnderThePointerAfterOnMouseMove) {
  sim::MouseMove(meter, ssShift, 148, 50);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(order, (std::vector<std::string>{"move", "meter"}));
  EXPECT_TRUE(moves[0].Within);
  EXPECT_EQ(moves[0].Shift, ssShift);
  EXPECT_DOUBLE_EQ(moves[0].Value, 0.5);
  // Up and to the left along the minimum's ray, and a range of its own.
  meter->SetMeterMaxValue(300);
  meter->SetMeterMinValue(100);
  sim::MouseMove(meter, 0, 148 - 100, 191 - 100);
  EXPECT_TRUE(moves.back().Within);
  EXPECT_NEAR(moves.back().Value, 100, 1e-9);
}

TEST_F(MeterPointerTest, OutsideTheScaleTheMoveIsReportedAsNotWithinWithValueZero) {
  meter->SetMeterLayout(mlCirc300);
  sim::MouseMove(meter, ssCtrl, meter->GetMeterCenterX(), meter->GetMeterCenterY() + 30);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_FALSE(moves[0].Within);
  EXPECT_EQ(moves[0].Value, 0);
  EXPECT_EQ(moves[0].Shift, ssCtrl);
  // mlCirc90: beside the centre is outside its quarter circle.
  meter->SetMeterLayout(mlCirc90);
  sim::MouseMove(meter, 0, 10, 191);
  EXPECT_FALSE(moves.back().Within);
}

TEST_F(MeterPointerTest, ALogarithmicScaleReadsTheValueLogarithmically) {
  meter->SetMeterMaxValue(1000);
  meter->SetMeterMinValue(10);
  meter->SetLogarithmic(true);
  sim::MouseMove(meter, 0, 148, 50);  // straight up: the middle decade
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_NEAR(moves[0].Value, 100, 1e-9);
}

}  // namespace
}  // namespace gadrix
