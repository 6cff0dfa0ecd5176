// Dates and times: encoding, decoding and FormatDateTime.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gadrix/platform/core/DateTime.h"
#include "gadrix/platform/core/Exception.h"

using namespace gadrix;

namespace {

TDateTimeParts Decode(TDateTime Value) {
  TDateTimeParts parts;
  EXPECT_TRUE(TryDecodeDateTime(Value, parts)) << Value;
  return parts;
}

}  // namespace

TEST(DateTime, EncodeDateCountsDaysFrom18991230) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(2000, 3, 1), 36586.0);
  EXPECT_EQ(EncodeDate(2024, 3, 5), 45356.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), kMinDateTimeDay);
  EXPECT_EQ(EncodeDate(9999, 12, 31), kMaxDateTimeDay);
  EXPECT_EQ(EncodeTime(18, 0, 0, 0), 0.75);
}

TEST(DateTime, EncodingRejectsDatesAndTimesThatDoNotExist) {
  EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
  EXPECT_NO_THROW(EncodeDate(2024, 2, 29));
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(0, 12, 31), EConvertError);
  EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
  EXPECT_THROW(EncodeDate(2024, 13, 1), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
}

TEST(DateTime, LeapYearsAndMonthLengths) {
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DaysInAMonth(2024, 2), 29);
  EXPECT_EQ(DaysInAMonth(2023, 2), 28);
  EXPECT_EQ(DaysInAMonth(2023, 12), 31);
  EXPECT_EQ(DaysInAMonth(2023, 0), 0);
}

TEST(DateTime, EveryDayFromYear1To9999FollowsThePreviousOne) {
  TDateTimeParts previous = Decode(kMinDateTimeDay);
  EXPECT_EQ(previous.Year, 1);
  EXPECT_EQ(previous.DayOfWeek, 1);  // 0001-01-01 was a Monday
  for (int day = kMinDateTimeDay + 1; day <= kMaxDateTimeDay; ++day) {
    const TDateTimeParts p = Decode(day);
    const bool nextDay = p.Year == previous.Year && p.Month == previous.Month && p.Day == previous.Day + 1;
    const bool nextMonth = p.Year == previous.Year && p.Month == previous.Month + 1 && p.Day == 1 &&
                           previous.Day == DaysInAMonth(previous.Year, previous.Month);
    const bool nextYear = p.Year == previous.Year + 1 && p.Month == 1 && p.Day == 1 && previous.Month == 12 &&
                          previous.Day == 31;
    ASSERT_TRUE(nextDay || nextMonth || nextYear) << day;
    ASSERT_EQ(p.DayOfWeek, previous.DayOfWeek % 7 + 1) << day;
    previous = p;
  }
  EXPECT_EQ(previous.Year, 9999);
}

TEST(DateTime, DecodingSplitsDateAndTime) {
  TDateTimeParts p = Decode(45356.75);
  EXPECT_EQ(p.Year, 2024);
  EXPECT_EQ(p.Month, 3);
  EXPECT_EQ(p.Day, 5);
  EXPECT_EQ(p.Hour, 18);
  EXPECT_EQ(p.DayOfWeek, 2);  // Tuesday
  // Before 1899-12-30 the fraction still counts forward from midnight.
  p = Decode(-1.25);
  EXPECT_EQ(p.Day, 29);
  EXPECT_EQ(p.Hour, 6);
  // Rounded to the millisecond; a time that rounds to 24:00 is the next day's midnight.
  p = Decode(0.5 + 0.0004 / 86400);
  EXPECT_EQ(p.MilliSecond, 0);
  p = Decode(1 - 0.0004 / 86400);
  EXPECT_EQ(p.Day, 31);
  EXPECT_EQ(p.Hour, 0);
}

TEST(DateTime, ValuesThatNameNoDateAreRefused) {
  TDateTimeParts p;
  p.Year = 1234;
  for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                   kMaxDateTimeDay + 1.0, kMinDateTimeDay - 1.0, 1e300, -1e300}) {
    EXPECT_FALSE(TryDecodeDateTime(v, p)) << v;
  }
  EXPECT_EQ(p.Year, 1234);
  EXPECT_TRUE(TryDecodeDateTime(kMaxDateTimeDay + 0.5, p));
  EXPECT_FALSE(TryDecodeDateTime(kMaxDateTimeDay + 0.9999999999, p));  // rounds into year 10000
  EXPECT_THROW(FormatDateTime("yyyy", 1e300), EConvertError);
}

TEST(DateTime, FormatDateAndNameTokens) {
  const TDateTime v = EncodeDate(2024, 3, 5);
  EXPECT_EQ(FormatDateTime("mmm-dd, yyyy", v), "Mar-05, 2024");
  EXPECT_EQ(FormatDateTime("d/m/yy", v), "5/3/24");
  EXPECT_EQ(FormatDateTime("ddd dddd", v), "Tue Tuesday");
  EXPECT_EQ(FormatDateTime("MMMM", v), "March");
  EXPECT_EQ(FormatDateTime("yyy y", v), "2024 24");
  EXPECT_EQ(FormatDateTime("ddddd", v), "Tuesday5");  // a longer run starts the next token
  EXPECT_EQ(FormatDateTime("yyyy", EncodeDate(7, 1, 1)), "0007");
}

TEST(DateTime, FormatTimeTokens) {
  const TDateTime v = EncodeDate(2024, 3, 5) + EncodeTime(9, 4, 7, 25);
  EXPECT_EQ(FormatDateTime("h:n:s.z", v), "9:4:7.25");
  EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", v), "09:04:07.025");
  // m after an hour is the minute, elsewhere the month.
  EXPECT_EQ(FormatDateTime("hh:mm mm", v), "09:04 03");
  EXPECT_EQ(FormatDateTime("hh 'h' mm", v), "09 h 04");
}

TEST(DateTime, TwelveHourClockWithAmPmTokens) {
  const TDateTime day = EncodeDate(2024, 3, 5);
  EXPECT_EQ(FormatDateTime("h:nn am/pm", day + EncodeTime(0, 30, 0, 0)), "12:30 am");
  EXPECT_EQ(FormatDateTime("h:nn am/pm", day + EncodeTime(12, 0, 0, 0)), "12:00 pm");
  EXPECT_EQ(FormatDateTime("hh AM/PM", day + EncodeTime(13, 0, 0, 0)), "01 PM");
  EXPECT_EQ(FormatDateTime("h a/p", day + EncodeTime(23, 0, 0, 0)), "11 p");
  EXPECT_EQ(FormatDateTime("h A/P", day + EncodeTime(1, 0, 0, 0)), "1 A");
  EXPECT_EQ(FormatDateTime("h ampm", day + EncodeTime(15, 0, 0, 0)), "3 PM");
  EXPECT_EQ(FormatDateTime("hh", day + EncodeTime(15, 0, 0, 0)), "15");
  EXPECT_EQ(FormatDateTime("hh 'am/pm'", day + EncodeTime(15, 0, 0, 0)), "15 am/pm");  // quoted: text
}

TEST(DateTime, QuotedAndOtherCharactersAreCopied) {
  const TDateTime v = EncodeDate(2024, 3, 5);
  EXPECT_EQ(FormatDateTime("\"day\" d 'of' mmm", v), "day 5 of Mar");
  EXPECT_EQ(FormatDateTime("d 'unclosed", v), "5 unclosed");
  EXPECT_EQ(FormatDateTime("[d] #1 ° ", v), "[5] #1 ° ");
  EXPECT_EQ(FormatDateTime("", v), "");
}
