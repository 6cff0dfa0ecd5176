#pragma once
// The "Calendar" page: a month calendar with a holiday the host adds for every year, and a row of
// tabs that switches its language. Changing the language reloads the built-in holidays in that
// language and drops added ones, so the page adds its own again. A note names the selected day
// and its holiday.

#include "GalleryPage.h"
#include "PageTabs.h"
#include "gadrix/calendar/MiniCal.h"

namespace gallery {

class TCalendarPage : public TGalleryPage {
public:
  explicit TCalendarPage(gadrix::TComponent* AOwner);

  gadrix::TMiniCal* Calendar() const { return calendar_; }
  TPageTabs* Languages() const { return languages_; }

  // The holiday the page adds for every year: 14 March.
  static constexpr int HostHolidayDay = 14;
  static constexpr int HostHolidayMonth = 3;

private:
  void ChooseLanguage(int Index);
  void AddHostHoliday();
  void ReportDate();

  gadrix::TMiniCal* calendar_ = nullptr;
  TPageTabs* languages_ = nullptr;
  int note_ = -1;
};

}  // namespace gallery
