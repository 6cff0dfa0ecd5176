#pragma once
// Dates and times of the run time: TDateTime values, their encoding and decoding, and
// FormatDateTime with the classic pattern letters.
//
// A TDateTime counts days since 1899-12-30 00:00; its fraction is the time of day. Values before
// that day keep the date in the whole part and the time in the magnitude of the fraction, so
// -1.25 is 1899-12-29 06:00 (not 18:00). Dates run from 0001-01-01 (-693593) to 9999-12-31
// (2958465) of the proleptic Gregorian calendar; times are resolved to the millisecond.

#include <cstdint>
#include <string>

namespace gadrix {

using TDateTime = double;

// The first and last day a TDateTime can name.
constexpr int kMinDateTimeDay = -693593;  // 0001-01-01
constexpr int kMaxDateTimeDay = 2958465;  // 9999-12-31

struct TDateTimeParts {
  int Year = 1899, Month = 12, Day = 30;
  int Hour = 0, Minute = 0, Second = 0, MilliSecond = 0;
  int DayOfWeek = 6;  // 1 Monday .. 7 Sunday
};

bool IsLeapYear(int Year);
// Days in Month (1 to 12) of Year; 0 for a month outside 1 to 12.
int DaysInAMonth(int Year, int Month);

// The day Year-Month-Day at midnight. EConvertError when the date does not exist or lies outside
// the years 1 to 9999.
TDateTime EncodeDate(int Year, int Month, int Day);
// The fraction of a day of Hour:Minute:Second.MilliSecond. EConvertError outside 0..23, 0..59,
// 0..59, 0..999.
TDateTime EncodeTime(int Hour, int Minute, int Second, int MilliSecond);

// The calendar parts of Value, the time rounded to the millisecond (23:59:59.9996 becomes the next
// day's 00:00:00.000). False, leaving Parts alone, when Value is not finite or its date lies outside
// the years 1 to 9999.
bool TryDecodeDateTime(TDateTime Value, TDateTimeParts& Parts);

// The date parts of Value. EConvertError when Value names no date (TryDecodeDateTime fails).
void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day);
// The day of the week of Value, 1 (Monday) to 7 (Sunday). EConvertError as DecodeDate.
int DayOfTheWeek(TDateTime Value);
// The ISO 8601 week of the year of Value, 1 to 53: weeks start on Monday, and week 1 is the one
// holding the year's first Thursday, so early January may lie in week 52 or 53 of the year before
// and late December in week 1 of the next. EConvertError as DecodeDate.
int WeekOfTheYear(TDateTime Value);

// The local date and time now, and the local date at midnight.
TDateTime Now();
TDateTime Date();

// Value as text by Format. EConvertError when Value names no date (TryDecodeDateTime fails).
// Pattern letters, case-insensitive; a run of one letter longer than its longest form is read as
// that form followed by the rest of the run:
//   d  dd         day of the month: 5, 05
//   ddd  dddd     day of the week: Mon, Monday
//   m  mm         month: 3, 03; minute instead when the nearest token before it is an hour
//   mmm  mmmm     month name: Mar, March
//   yy  yyyy      year: 24, 2024 (y alone is yy, yyy is yyyy)
//   h  hh         hour: 24-hour clock, 12-hour when the pattern holds an am/pm token
//   n  nn         minute;  s  ss  second: 7, 07
//   z  zzz        millisecond: 5, 005
//   am/pm  a/p    "am"/"pm" and "a"/"p", each letter in the case the pattern writes it
//   ampm          "AM"/"PM"
//   "text" 'text' the text as it is (an unclosed quote runs to the end)
// Every other character is copied, so "/", ":", "-", "," and blanks separate as written.
// Example: FormatDateTime("mmm-dd, yyyy hh:mm", EncodeDate(2024, 3, 5) + 0.75) is
// "Mar-05, 2024 18:00".
std::string FormatDateTime(const std::string& Format, TDateTime Value);

}  // namespace gadrix
