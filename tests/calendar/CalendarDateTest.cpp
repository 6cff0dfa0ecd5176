// Easter, ISO week numbers and the date routines against independent sources.

#include <gtest/gtest.h>

#include <ctime>

#include "gadrix/calendar/Holidays.h"
#include "gadrix/platform/core/DateTime.h"
#include "gadrix/platform/core/Exception.h"

namespace gadrix {
namespace {

// The anonymous Gregorian computus (Meeus/Jones/Butcher), a different form from the calendar's.
void MeeusEaster(int Year, int& Day, int& Month) {
  const int a = Year % 19, b = Year / 100, c = Year % 100;
  const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  Month = (h + l - 7 * m + 114) / 31;
  Day = (h + l - 7 * m + 114) % 31 + 1;
}

TEST(CalcEasterSunday, AgreesWithMeeusForEveryGregorianYearTo4099) {
  for (int year = 1583; year <= 4099; ++year) {
    int day = 0, month = 0, wantDay = 0, wantMonth = 0;
    CalcEasterSunday(year, day, month);
    MeeusEaster(year, wantDay, wantMonth);
    ASSERT_EQ(month, wantMonth) << year;
    ASSERT_EQ(day, wantDay) << year;
  }
}

TEST(CalcEasterSunday, KnownDates) {
  int day = 0, month = 0;
  CalcEasterSunday(2024, day, month);
  EXPECT_EQ(month * 100 + day, 331);
  CalcEasterSunday(2025, day, month);
  EXPECT_EQ(month * 100 + day, 420);
  CalcEasterSunday(2026, day, month);
  EXPECT_EQ(month * 100 + day, 405);
}

TEST(WeekOfTheYear, AgreesWithTheCLibraryFrom1990To2040) {
  for (TDateTime d = EncodeDate(1990, 1, 1); d <= EncodeDate(2040, 12, 31); d += 1) {
    int year = 0, month = 0, day = 0;
    DecodeDate(d, year, month, day);
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = 12;
    std::mktime(&tm);
    char text[8] = {};
    std::strftime(text, sizeof text, "%V", &tm);
    ASSERT_EQ(WeekOfTheYear(d), std::atoi(text)) << year << "-" << month << "-" << day;
    ASSERT_EQ(DayOfTheWeek(d), tm.tm_wday == 0 ? 7 : tm.tm_wday) << year << "-" << month << "-" << day;
  }
}

TEST(DecodeDate, RoundTripsAndRejectsValuesNamingNoDate) {
  int year = 0, month = 0, day = 0;
  DecodeDate(EncodeDate(2024, 2, 29) + 0.75, year, month, day);
  EXPECT_EQ(year * 10000 + month * 100 + day, 20240229);
  EXPECT_THROW(DecodeDate(kMaxDateTimeDay + 1.0, year, month, day), EConvertError);
  EXPECT_EQ(year * 10000 + month * 100 + day, 20240229);
  EXPECT_EQ(Date(), static_cast<double>(static_cast<long long>(Now())));
}

}  // namespace
}  // namespace gadrix
