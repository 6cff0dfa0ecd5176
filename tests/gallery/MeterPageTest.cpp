#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "GalleryForm.h"
#include "MeterPage.h"

namespace gallery {
namespace {

using namespace gadrix;

// The value in the note's "OnMouseMoveInMeter: 42.5".
double ReportedPointer(const TMeterPage& Page) {
  const std::string& text = Page.PointerText();
  const std::size_t colon = text.find(": ");
  return colon == std::string::npos ? -1 : std::strtod(text.c_str() + colon + 2, nullptr);
}

TEST(MeterPage, TheVoltmeterSwingsTowardsItsTargetOnlyWhileThePageShows) {
  TGalleryForm form(nullptr);
  form.Show();
  TMeterPage* page = form.Page<TMeterPage>();
  TMeter* voltmeter = page->Voltmeter();
  const double target = voltmeter->GetValueSec();
  sim::AdvanceTime(1000);  // hidden: the needle rests
  EXPECT_EQ(voltmeter->GetValue(), 0.0);

  ASSERT_TRUE(form.ShowPage("meter"));
  double highest = 0;
  for (unsigned t = 0; t + TMeterPage::FrameInterval < TMeterPage::TargetPeriod; t += TMeterPage::FrameInterval) {
    sim::AdvanceTime(TMeterPage::FrameInterval);
    highest = std::max(highest, voltmeter->GetValue());
  }
  EXPECT_GT(highest, target);                          // it overshoots
  EXPECT_NEAR(voltmeter->GetValue(), target, 0.1 * target);  // and settles near the target
  sim::AdvanceTime(TMeterPage::FrameInterval);
  EXPECT_NE(voltmeter->GetValueSec(), target);  // the next target

  form.ShowPage("canvas");
  const double resting = voltmeter->GetValue();
  sim::AdvanceTime(1000);
  EXPECT_EQ(voltmeter->GetValue(), resting);
}

TEST(MeterPage, PressingOrDraggingOnTheDialSetsTheLevelAndTheFieldFollows) {
  TGalleryForm form(nullptr);
  form.Show();
  form.ShowPage("meter");
  TMeterPage* page = form.Page<TMeterPage>();
  TMeter* level = page->Level();
  int x = 0, y = 0;
  level->ConvertToPixelCoords(70, 80, x, y);
  sim::MouseDown(level, mbLeft, 0, x, y);
  EXPECT_EQ(form.GetSelected(), level);
  EXPECT_NEAR(level->GetValue(), 70, 0.6);
  EXPECT_EQ(page->Setting()->GetValue(), level->GetValue());
  EXPECT_EQ(page->ValueEventText(), "OnNormalRange");

  level->ConvertToPixelCoords(90, 80, x, y);
  sim::MouseMove(level, ssLeft, x, y);
  sim::MouseUp(level, mbLeft, 0, x, y);
  EXPECT_NEAR(level->GetValue(), 90, 0.6);
  EXPECT_EQ(page->ValueEventText(), "OnOverFlow: at or above ThresholdHigh");
  EXPECT_NEAR(ReportedPointer(*page), 90, 0.6) << page->PointerText();
  EXPECT_TRUE(level->GetHighLimitReached());

  // Without the button the pointer only reports.
  const double kept = level->GetValue();
  level->ConvertToPixelCoords(50, 80, x, y);
  sim::MouseMove(level, 0, x, y);
  EXPECT_EQ(level->GetValue(), kept);
  EXPECT_NEAR(ReportedPointer(*page), 50, 0.6) << page->PointerText();
  sim::MouseMove(level, 0, 2, level->GetHeight() - 2);  // below the scale's ends
  EXPECT_EQ(page->PointerText(), "OnMouseMoveInMeter: outside the scale");
}

TEST(MeterPage, TheFieldSetsTheLevel) {
  TGalleryForm form(nullptr);
  form.Show();
  form.ShowPage("meter");
  TMeterPage* page = form.Page<TMeterPage>();
  TNumIO2* setting = page->Setting();
  sim::Click(setting, setting->GetLeftSpace() + 20, 10);
  sim::Key(setting, VK_HOME);
  sim::Key(setting, VK_DELETE);
  sim::Key(setting, VK_DELETE);
  sim::Type(setting, "1");
  EXPECT_EQ(setting->GetText(), "1.0");
  EXPECT_EQ(page->Level()->GetValue(), 1.0);
  EXPECT_EQ(page->ValueEventText(), "OnUnderFlow: at or below ThresholdLow");
  form.Select(page->Level());
  EXPECT_EQ(form.Inspector()->ValueText(form.Inspector()->RowOf("Value")), "1");
}

}  // namespace
}  // namespace gallery
