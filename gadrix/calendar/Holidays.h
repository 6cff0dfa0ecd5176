#pragma once
// The holidays the calendar knows by itself: eight fixed ones that fall on the same day every
// year, and six movable ones counted in days from Easter Sunday, each captioned in the four
// languages of TLanguage (another language ordinal gets the English captions).

#include <string>

#include "gadrix/helmar/Types.h"

namespace gadrix {

// The number of built-in fixed holidays and of Easter-dependent ones.
constexpr int kFixedHolidayCount = 8;
constexpr int kMovableHolidayCount = 6;

struct TFixedHoliday {
  int Day;
  int Month;
};

// Fixed holiday Index (0 to kFixedHolidayCount - 1): 25.12, 26.12, 1.1, 6.1, 15.8, 1.11, 8.12, 1.5.
TFixedHoliday FixedHoliday(int Index);
std::string FixedHolidayCaption(TLanguage Language, int Index);

// Days after Easter Sunday of movable holiday Index (0 to kMovableHolidayCount - 1): 0 Easter
// Sunday, 1 Easter Monday, 39 Ascension, 49 Pentecost, 50 Whit Monday, 60 Corpus Christi.
int MovableHolidayOffset(int Index);
std::string MovableHolidayCaption(TLanguage Language, int Index);

// Easter Sunday of Year in the Gregorian calendar (Gauss's rule in Lichtenberg's form): March
// 22 to April 25. Meaningful for the Gregorian years, 1583 on.
void CalcEasterSunday(int Year, int& Day, int& Month);

}  // namespace gadrix
