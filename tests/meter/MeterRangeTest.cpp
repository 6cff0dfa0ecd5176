// The meter's model: defaults, range rules inside and outside loading, value and threshold
// events, clamped properties and the published property list.

#include <cmath>
#include <limits>

#include "gadrix/platform/core/ClassRegistry.h"
#include "meter/MeterTestSupport.h"

namespace gadrix {
namespace {

using testing::EventLog;
using testing::MeterTest;
using Names = std::vector<std::string>;

TEST_F(MeterTest, EveryPublishedDefaultIsWhatANewMeterHas) {
  for (const TPropertyInfo* p : TMeter::StaticClassInfo().Properties()) {
    if (!p->Default || !p->Get) continue;
    EXPECT_EQ(p->Get(*meter), *p->Default) << p->Name;
  }
  EXPECT_EQ(meter->GetWidth(), 297);
  EXPECT_EQ(meter->GetHeight(), 209);
  EXPECT_EQ(meter->GetColorCover(), clBtnFace);
  EXPECT_EQ(meter->GetColorSclBkNorm(), 0x0080FFu);
  EXPECT_TRUE(meter->GetNeedleLayout()->GetVisible());
  EXPECT_FALSE(meter->GetNeedleLayoutSec()->GetVisible());
  EXPECT_EQ(meter->GetFontCaption()->GetName(), meter->GetFont()->GetName());
  EXPECT_EQ(meter->GetFontCaption()->GetSize(), meter->GetFont()->GetSize());
  EXPECT_FALSE(meter->GetHighLimitReached());
  EXPECT_FALSE(meter->GetLowLimitReached());
}

TEST_F(MeterTest, FormFilesCanCreateAMeterByNameAndReachItsNestedObjects) {
  std::unique_ptr<TComponent> made(CreateComponent("TMeter", nullptr));
  ASSERT_NE(dynamic_cast<TMeter*>(made.get()), nullptr);
  const TPropertyInfo* needle = TMeter::StaticClassInfo().FindProperty("NeedleLayoutSec");
  ASSERT_NE(needle, nullptr);
  auto* layout = dynamic_cast<TNeedleLayout*>(needle->GetObject(*meter));
  ASSERT_EQ(layout, meter->GetNeedleLayoutSec());
  layout->ClassInfo().FindProperty("HeadAngle")->Set(*layout, std::int64_t{400});
  EXPECT_EQ(meter->GetNeedleLayoutSec()->GetHeadAngle(), 180);
}

TEST_F(MeterTest, MaximumAtOrBelowTheMinimumPushesTheMinimumDown) {
  meter->SetMeterMaxValue(20);
  meter->SetMeterMinValue(10);
  meter->SetValue(15);
  meter->SetMeterMaxValue(5);
  EXPECT_EQ(meter->GetMeterMinValue(), 4);
  EXPECT_EQ(meter->GetMeterMaxValue(), 5);
  EXPECT_EQ(meter->GetValue(), 5);
  EXPECT_EQ(meter->GetThresholdLow(), 5);
  EXPECT_EQ(meter->GetThresholdHigh(), 5);
}

TEST_F(MeterTest, MinimumAtOrAboveTheMaximumPushesTheMaximumUpAndRaisesTheValues) {
  meter->SetValue(0.5);
  meter->SetMeterMinValue(3);
  EXPECT_EQ(meter->GetMeterMaxValue(), 4);
  EXPECT_EQ(meter->GetValue(), 3);
  EXPECT_EQ(meter->GetValueSec(), 3);
  EXPECT_EQ(meter->GetThresholdLow(), 3);
  EXPECT_EQ(meter->GetThresholdHigh(), 3);
  // Far out where a unit is lost in the magnitude the range still does not collapse, and it stays
  // finite at the very ends of the doubles.
  meter->SetMeterMinValue(1e300);
  EXPECT_GT(meter->GetMeterMaxValue(), meter->GetMeterMinValue());
  const double largest = std::numeric_limits<double>::max();
  meter->SetMeterMinValue(largest);
  EXPECT_EQ(meter->GetMeterMaxValue(), largest);
  EXPECT_LT(meter->GetMeterMinValue(), largest);
  meter->SetMeterMaxValue(-largest);
  EXPECT_EQ(meter->GetMeterMinValue(), -largest);
  EXPECT_GT(meter->GetMeterMaxValue(), -largest);
  EXPECT_TRUE(std::isfinite(meter->GetMeterMaxValue()));
}

TEST_F(MeterTest, ALogarithmicScaleRefusesEndsAndThresholdsBelowItsFloor) {
  meter->SetMeterMinValue(1);
  meter->SetMeterMaxValue(1000);
  meter->SetLogarithmic(true);
  ASSERT_TRUE(meter->GetLogarithmic());
  meter->SetMeterMinValue(0);
  EXPECT_EQ(meter->GetMeterMinValue(), 1);
  meter->SetMeterMaxValue(-5);
  EXPECT_EQ(meter->GetMeterMaxValue(), 1000);
  meter->SetThresholdLow(1e-101);
  EXPECT_EQ(meter->GetThresholdLow(), 1);
  // A maximum below the minimum: minimum - 1 would not be above 0, so a tenth of the maximum.
  meter->SetMeterMaxValue(0.5);
  EXPECT_DOUBLE_EQ(meter->GetMeterMinValue(), 0.05);
  meter->SetMeterMaxValue(0.7);
  meter->SetMeterMaxValue(0.01);
  EXPECT_DOUBLE_EQ(meter->GetMeterMinValue(), 0.001);
}

TEST_F(MeterTest, LogarithmicIsRefusedWhileAnEndIsAtMostTheFloor) {
  meter->SetLogarithmic(true);  // minimum 0
  EXPECT_FALSE(meter->GetLogarithmic());
  meter->SetMeterMinValue(-10);
  meter->SetMeterMaxValue(1e-100);
  meter->SetMeterMinValue(1e-120);
  meter->SetLogarithmic(true);
  EXPECT_FALSE(meter->GetLogarithmic());
  meter->SetMeterMaxValue(10);
  meter->SetMeterMinValue(0.1);
  meter->SetLogarithmic(true);
  EXPECT_TRUE(meter->GetLogarithmic());
}

TEST_F(MeterTest, ValueIsClampedAndRaisesOneEventOnEveryChange) {
  EventLog log;
  log.Attach(meter);
  meter->SetThresholdLow(0.2);
  meter->SetThresholdHigh(0.8);
  log.Take();
  meter->SetValue(2);
  EXPECT_EQ(meter->GetValue(), 1);
  EXPECT_EQ(log.Take(), Names{"over"});
  EXPECT_TRUE(meter->GetHighLimitReached());
  meter->SetValue(0.9);  // still above: the event comes again, not only on a crossing
  EXPECT_EQ(log.Take(), Names{"over"});
  meter->SetValue(0.5);
  meter->SetValue(0.6);
  EXPECT_EQ(log.Take(), (Names{"normal", "normal"}));
  EXPECT_FALSE(meter->GetHighLimitReached());
  EXPECT_FALSE(meter->GetLowLimitReached());
  meter->SetValue(0.2);  // at the low threshold is underflow, at the high one overflow
  EXPECT_EQ(log.Take(), Names{"under"});
  EXPECT_TRUE(meter->GetLowLimitReached());
  meter->SetValue(0.8);
  EXPECT_EQ(log.Take(), Names{"over"});
  meter->SetValue(0.8);  // unchanged: nothing
  EXPECT_TRUE(log.Take().empty());
  meter->SetValue(-3);
  EXPECT_EQ(meter->GetValue(), 0);
  EXPECT_EQ(log.Take(), Names{"under"});
}

TEST_F(MeterTest, DefaultThresholdsMakeTheFullScaleAnOverflow) {
  EventLog log;
  log.Attach(meter);
  meter->SetValue(2);  // stored as 1, which meets ThresholdHigh 1
  EXPECT_EQ(meter->GetValue(), 1);
  EXPECT_EQ(log.Take(), Names{"over"});
}

TEST_F(MeterTest, AHiddenPrimaryNeedleKeepsItsValueButRaisesNothing) {
  EventLog log;
  log.Attach(meter);
  meter->SetValue(1);
  meter->GetNeedleLayout()->SetVisible(false);
  log.Take();
  meter->SetValue(0.5);
  EXPECT_EQ(meter->GetValue(), 0.5);
  EXPECT_TRUE(log.Take().empty());
  EXPECT_FALSE(meter->GetHighLimitReached());
}

TEST_F(MeterTest, TheSecondaryNeedleSharesTheFlagsAndRaisesEventsOnlyWhenVisible) {
  EventLog log;
  log.Attach(meter);
  meter->SetThresholdHigh(0.8);
  meter->SetValue(0.9);
  log.Take();
  ASSERT_TRUE(meter->GetHighLimitReached());
  meter->SetValueSec(0.5);  // hidden: clears both flags and stops there
  EXPECT_EQ(meter->GetValueSec(), 0.5);
  EXPECT_FALSE(meter->GetHighLimitReached());
  EXPECT_TRUE(log.Take().empty());
  meter->GetNeedleLayoutSec()->SetVisible(true);
  meter->SetValueSec(7);
  EXPECT_EQ(meter->GetValueSec(), 1);
  EXPECT_EQ(log.Take(), Names{"over"});
  EXPECT_TRUE(meter->GetHighLimitReached());
  meter->SetValueSec(0);
  EXPECT_EQ(log.Take(), Names{"under"});
  EXPECT_TRUE(meter->GetLowLimitReached());
}

TEST_F(MeterTest, ThresholdsAreClampedPushEachOtherAndRaiseTheirLimitEvent) {
  EventLog log;
  log.Attach(meter);
  meter->SetValue(0.5);
  log.Take();
  meter->SetThresholdHigh(0.3);  // the value lies above it now
  EXPECT_EQ(log.Take(), Names{"over"});
  EXPECT_TRUE(meter->GetHighLimitReached());
  meter->SetThresholdLow(0.6);  // pushes the high threshold up with it
  EXPECT_EQ(meter->GetThresholdHigh(), 0.6);
  EXPECT_EQ(log.Take(), Names{"under"});
  EXPECT_TRUE(meter->GetLowLimitReached());
  meter->SetThresholdHigh(0.1);  // pulls the low threshold down
  EXPECT_EQ(meter->GetThresholdLow(), 0.1);
  EXPECT_EQ(log.Take(), Names{"over"});
  meter->SetThresholdLow(-9);
  EXPECT_EQ(meter->GetThresholdLow(), 0);
  EXPECT_FALSE(meter->GetLowLimitReached());
  EXPECT_TRUE(log.Take().empty());  // the value lies above it: no event
  meter->SetThresholdHigh(5);
  EXPECT_EQ(meter->GetThresholdHigh(), 1);
  EXPECT_FALSE(meter->GetHighLimitReached());
}

TEST_F(MeterTest, WhileLoadingTheRangeSettersOnlyStoreAndLoadedRestoresTheRules) {
  EventLog log;
  log.Attach(meter);
  meter->BeginLoading();
  meter->SetValue(50);  // before its range, as a form file may list it
  meter->SetMeterMaxValue(-5);
  meter->SetMeterMinValue(0);
  meter->SetMeterMaxValue(100);
  meter->SetThresholdHigh(80);
  meter->SetThresholdLow(20);
  meter->SetLogarithmic(true);
  EXPECT_EQ(meter->GetValue(), 50);
  EXPECT_TRUE(meter->GetLogarithmic());
  EXPECT_TRUE(log.Take().empty());
  meter->Loaded();
  EXPECT_EQ(meter->GetValue(), 50);
  EXPECT_EQ(meter->GetThresholdLow(), 20);
  EXPECT_FALSE(meter->GetLogarithmic());  // the minimum 0 has no logarithm
  EXPECT_TRUE(log.Take().empty());

  meter->BeginLoading();
  meter->SetMeterMinValue(10);
  meter->SetMeterMaxValue(2);  // an inverted range in a form file
  meter->SetValueSec(-4);
  meter->Loaded();
  EXPECT_EQ(meter->GetMeterMinValue(), 10);
  EXPECT_EQ(meter->GetMeterMaxValue(), 11);
  EXPECT_EQ(meter->GetValue(), 11);
  EXPECT_EQ(meter->GetValueSec(), 10);
  EXPECT_LE(meter->GetThresholdLow(), meter->GetThresholdHigh());
}

TEST_F(MeterTest, NumbersThatAreNotFiniteAreIgnored) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  meter->SetValue(0.5);
  for (double bad : {nan, inf, -inf}) {
    meter->SetValue(bad);
    meter->SetValueSec(bad);
    meter->SetMeterMinValue(bad);
    meter->SetMeterMaxValue(bad);
    meter->SetThresholdLow(bad);
    meter->SetThresholdHigh(bad);
    meter->SetScaleBkWidth(bad == inf ? 0.0 : bad);
  }
  EXPECT_EQ(meter->GetValue(), 0.5);
  EXPECT_EQ(meter->GetMeterMinValue(), 0);
  EXPECT_EQ(meter->GetMeterMaxValue(), 1);
  EXPECT_EQ(meter->GetThresholdHigh(), 1);
  EXPECT_EQ(meter->GetScaleBkWidth(), 0);
  EXPECT_EQ(meter->CalcNeedleAngle(nan), meter->CalcNeedleAngle(0));  // as the minimum
}

TEST_F(MeterTest, SizesAndCountsAreClampedToTheirRanges) {
  meter->SetMeterDecPlaces(9);
  EXPECT_EQ(meter->GetMeterDecPlaces(), 4);
  meter->SetMeterDecPlaces(-1);
  EXPECT_EQ(meter->GetMeterDecPlaces(), 0);
  meter->SetMeterNrTicks(1);
  EXPECT_EQ(meter->GetMeterNrTicks(), 2);
  meter->SetMeterNrTicks(50);
  EXPECT_EQ(meter->GetMeterNrTicks(), 21);
  meter->SetScaleBkWidth(150);
  EXPECT_EQ(meter->GetScaleBkWidth(), 100);
  meter->SetScaleBkWidth(-1);
  EXPECT_EQ(meter->GetScaleBkWidth(), 0);
  TNeedleLayout* needle = meter->GetNeedleLayout();
  needle->SetHeadAngle(-5);
  EXPECT_EQ(needle->GetHeadAngle(), 0);
  needle->SetHeadAngle(270);
  EXPECT_EQ(needle->GetHeadAngle(), 180);
  needle->SetPercentNeedleLength(101);
  EXPECT_EQ(needle->GetPercentNeedleLength(), 100);
  needle->SetPercentNeedleLength(-1);
  EXPECT_EQ(needle->GetPercentNeedleLength(), 0);
}

TEST(NeedleLayout, EveryChangeAndOnlyAChangeIsReported) {
  TNeedleLayout needle;
  int changes = 0;
  needle.SetOnChange([&](TObject* Sender) {
    EXPECT_EQ(Sender, &needle);
    ++changes;
  });
  needle.SetHeadSize(20);  // the default: no change
  needle.SetHeadAngle(200);
  needle.SetHeadAngle(180);  // clamped to what it already is
  needle.SetThickness(3);
  needle.SetShadowDx(2);
  needle.SetColorBody(clRed);
  needle.SetVisible(false);
  EXPECT_EQ(changes, 5);
  TNeedleLayout copy(true);
  copy.Assign(&needle);
  EXPECT_EQ(copy.GetThickness(), 3);
  EXPECT_EQ(copy.GetColorBody(), clRed);
  EXPECT_FALSE(copy.GetVisible());
  EXPECT_TRUE(copy.HasShadow());
}

TEST_F(MeterTest, ChangesRepaintAShownMeter) {
  int renders = 0;
  meter->SetOnMeterRendered([&](TObject*, TCanvas*) { ++renders; });
  form->SetBounds(0, 0, 400, 300);
  form->Show();
  form->PaintPending();
  renders = 0;
  meter->GetNeedleLayoutSec()->SetColorBody(clRed);
  meter->SetColorBakG(clCream);
  meter->SetColorBakG(clCream);  // unchanged: no paint
  meter->SetCaption("V");
  meter->GetFontCaption()->SetSize(12);
  meter->SetValue(0.5);
  EXPECT_EQ(renders, 5);
}

}  // namespace
}  // namespace gadrix
