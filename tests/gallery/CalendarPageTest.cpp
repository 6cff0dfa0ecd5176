#include <gtest/gtest.h>

#include "CalendarPage.h"
#include "GalleryForm.h"

namespace gallery {
namespace {

using namespace gadrix;

TEST(CalendarPage, TheLanguageTabsSwitchTheCalendarAndKeepTheHostHoliday) {
  TGalleryForm form(nullptr);
  form.Show();
  ASSERT_TRUE(form.ShowPage("calendar"));
  TCalendarPage* page = form.Page<TCalendarPage>();
  TMiniCal* calendar = page->Calendar();
  std::string caption;
  ASSERT_TRUE(calendar->CheckHoliday(2026, TCalendarPage::HostHolidayMonth, TCalendarPage::HostHolidayDay, caption));
  EXPECT_EQ(caption, "Gadrix day");

  const TRect german = page->Languages()->TabRect(1);
  sim::Click(page->Languages(), german.Left + german.Width() / 2, german.Top + german.Height() / 2);
  EXPECT_EQ(calendar->GetLanguage(), lgGerman);
  ASSERT_TRUE(calendar->CheckHoliday(2031, TCalendarPage::HostHolidayMonth, TCalendarPage::HostHolidayDay, caption));
  EXPECT_EQ(caption, "Gadrix-Tag");
  ASSERT_TRUE(calendar->CheckHoliday(2026, 12, 25, caption));  // a built-in holiday, now in German
  EXPECT_NE(caption, "");
}

}  // namespace
}  // namespace gallery
