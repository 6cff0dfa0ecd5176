#include "gadrix/platform/core/DateTime.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <ctime>
#include <string_view>

#include "gadrix/platform/core/Exception.h"

namespace gadrix {
namespace {

constexpr std::int64_t kMilliSecondsPerDay = 86'400'000;
// Days from 0000-03-01 (the start of the shifted year used below) to 1899-12-30.
constexpr std::int64_t kDaysTo18991230 = 693'899;

constexpr std::array<const char*, 12> kMonthShort = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 12> kMonthLong = {"January", "February", "March",     "April",
                                                    "May",     "June",     "July",      "August",
                                                    "September", "October", "November", "December"};
// Index 0 is Monday.
constexpr std::array<const char*, 7> kDayShort = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr std::array<const char*, 7> kDayLong = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                                 "Friday", "Saturday", "Sunday"};

std::int64_t FloorDiv(std::int64_t A, std::int64_t B) { return A / B - ((A % B != 0) && ((A < 0) != (B < 0))); }

// Day number (0 = 1899-12-30) of a date, counting years from March so that the leap day comes last
// (the civil-from-days method).
std::int64_t DayNumber(int Year, int Month, int Day) {
  const std::int64_t y = Year - (Month <= 2 ? 1 : 0);
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (Month + (Month > 2 ? -3 : 9)) + 2) / 5 + Day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - kDaysTo18991230;
}

void SplitDayNumber(std::int64_t DayNo, TDateTimeParts& Parts) {
  const std::int64_t z = DayNo + kDaysTo18991230;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  Parts.Day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  Parts.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  Parts.Year = static_cast<int>(yearOfEra + era * 400 + (Parts.Month <= 2 ? 1 : 0));
  // 1899-12-30 was a Saturday (6).
  Parts.DayOfWeek = static_cast<int>(DayNo + 5 - FloorDiv(DayNo + 5, 7) * 7) + 1;
}

std::string Padded(int Value, int Digits) {
  std::string text = std::to_string(Value);
  if (static_cast<int>(text.size()) < Digits) text.insert(0, Digits - text.size(), '0');
  return text;
}

bool StartsWithNoCase(std::string_view Text, std::size_t Pos, std::string_view Word) {
  if (Text.size() - Pos < Word.size()) return false;
  for (std::size_t i = 0; i < Word.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(Text[Pos + i])) != Word[i]) return false;
  return true;
}

// Reads a pattern and writes the text of one date.
class TDateFormatter {
public:
  TDateFormatter(std::string_view Format, const TDateTimeParts& Parts)
      : format_(Format), parts_(Parts), twelveHour_(HasAmPmToken(Format)) {}

  std::string Run() {
    while (pos_ < format_.size()) Step();
    return out_;
  }

private:
  static bool HasAmPmToken(std::string_view Format) {
    for (std::size_t i = 0; i < Format.size(); ++i) {
      const char c = Format[i];
      if (c == '"' || c == '\'') {
        const std::size_t close = Format.find(c, i + 1);
        if (close == std::string_view::npos) return false;
        i = close;
      } else if (StartsWithNoCase(Format, i, "am/pm") || StartsWithNoCase(Format, i, "a/p") ||
                 StartsWithNoCase(Format, i, "ampm")) {
        return true;
      }
    }
    return false;
  }

  // The length of the run of the letter at pos_, at most Longest.
  std::size_t RunLength(std::size_t Longest) const {
    std::size_t n = 1;
    while (n < Longest && pos_ + n < format_.size() && (format_[pos_ + n] | 0x20) == (format_[pos_] | 0x20)) ++n;
    return n;
  }

  void Step() {
    const char c = format_[pos_];
    if (c == '"' || c == '\'') return Quoted(c);
    if (AmPm()) return;
    switch (c | 0x20) {
      case 'd': return Day();
      case 'm': return Month();
      case 'y': return Year();
      case 'h': return Token(2, 'h', twelveHour_ ? (parts_.Hour + 11) % 12 + 1 : parts_.Hour);
      case 'n': return Token(2, 'n', parts_.Minute);
      case 's': return Token(2, 's', parts_.Second);
      case 'z': return MilliSecond();
      default:
        out_ += c;
        ++pos_;
    }
  }

  void Quoted(char Quote) {
    const std::size_t close = format_.find(Quote, pos_ + 1);
    const std::size_t end = close == std::string_view::npos ? format_.size() : close;
    out_.append(format_.substr(pos_ + 1, end - pos_ - 1));
    pos_ = close == std::string_view::npos ? end : close + 1;
  }

  bool AmPm() {
    const bool morning = parts_.Hour < 12;
    if (StartsWithNoCase(format_, pos_, "am/pm")) {
      out_.append(format_.substr(pos_ + (morning ? 0 : 3), 2));
      pos_ += 5;
    } else if (StartsWithNoCase(format_, pos_, "a/p")) {
      out_ += format_[pos_ + (morning ? 0 : 2)];
      pos_ += 3;
    } else if (StartsWithNoCase(format_, pos_, "ampm")) {
      out_ += morning ? "AM" : "PM";
      pos_ += 4;
    } else {
      return false;
    }
    lastToken_ = 'a';
    return true;
  }

  // A one- or two-letter number token: the number, two digits wide for the doubled letter.
  void Token(std::size_t Longest, char Letter, int Value) {
    const std::size_t n = RunLength(Longest);
    out_ += Padded(Value, static_cast<int>(n));
    pos_ += n;
    lastToken_ = Letter;
  }

  void Day() {
    const std::size_t n = RunLength(4);
    if (n <= 2) out_ += Padded(parts_.Day, static_cast<int>(n));
    else out_ += (n == 3 ? kDayShort : kDayLong)[parts_.DayOfWeek - 1];
    pos_ += n;
    lastToken_ = 'd';
  }

  void Month() {
    const std::size_t n = RunLength(4);
    if (n <= 2 && lastToken_ == 'h') {
      out_ += Padded(parts_.Minute, static_cast<int>(n));
      lastToken_ = 'n';
    } else {
      if (n <= 2) out_ += Padded(parts_.Month, static_cast<int>(n));
      else out_ += (n == 3 ? kMonthShort : kMonthLong)[parts_.Month - 1];
      lastToken_ = 'm';
    }
    pos_ += n;
  }

  void Year() {
    const std::size_t n = RunLength(4);
    out_ += n <= 2 ? Padded(parts_.Year % 100, 2) : Padded(parts_.Year, 4);
    pos_ += n;
    lastToken_ = 'y';
  }

  void MilliSecond() {
    const std::size_t n = RunLength(3);
    out_ += Padded(parts_.MilliSecond, n == 3 ? 3 : 1);
    pos_ += n;
    lastToken_ = 'z';
  }

  std::string_view format_;
  const TDateTimeParts& parts_;
  bool twelveHour_;
  std::size_t pos_ = 0;
  char lastToken_ = 0;
  std::string out_;
};

}  // namespace

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInAMonth(int Year, int Month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return kDays[Month - 1] + (Month == 2 && IsLeapYear(Year) ? 1 : 0);
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  if (Year < 1 || Year > 9999 || Day < 1 || Day > DaysInAMonth(Year, Month))
    throw EConvertError("Invalid argument to date encode");
  return static_cast<TDateTime>(DayNumber(Year, Month, Day));
}

TDateTime EncodeTime(int Hour, int Minute, int Second, int MilliSecond) {
  if (Hour < 0 || Hour > 23 || Minute < 0 || Minute > 59 || Second < 0 || Second > 59 || MilliSecond < 0 ||
      MilliSecond > 999)
    throw EConvertError("Invalid argument to time encode");
  const std::int64_t ms = ((Hour * 60LL + Minute) * 60 + Second) * 1000 + MilliSecond;
  return static_cast<TDateTime>(ms) / static_cast<TDateTime>(kMilliSecondsPerDay);
}

bool TryDecodeDateTime(TDateTime Value, TDateTimeParts& Parts) {
  if (!std::isfinite(Value) || Value <= kMinDateTimeDay - 1.0 || Value >= kMaxDateTimeDay + 1.0) return false;
  const double whole = std::trunc(Value);
  std::int64_t day = static_cast<std::int64_t>(whole);
  std::int64_t ms = std::llround(std::fabs(Value - whole) * static_cast<double>(kMilliSecondsPerDay));
  if (ms >= kMilliSecondsPerDay) {  // rounded up to midnight: the next calendar day
    ms = 0;
    ++day;
  }
  if (day < kMinDateTimeDay || day > kMaxDateTimeDay) return false;
  SplitDayNumber(day, Parts);
  Parts.MilliSecond = static_cast<int>(ms % 1000);
  Parts.Second = static_cast<int>(ms / 1000 % 60);
  Parts.Minute = static_cast<int>(ms / 60'000 % 60);
  Parts.Hour = static_cast<int>(ms / 3'600'000);
  return true;
}

void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day) {
  TDateTimeParts parts;
  if (!TryDecodeDateTime(Value, parts)) throw EConvertError("Invalid argument to date decode");
  Year = parts.Year;
  Month = parts.Month;
  Day = parts.Day;
}

int DayOfTheWeek(TDateTime Value) {
  TDateTimeParts parts;
  if (!TryDecodeDateTime(Value, parts)) throw EConvertError("Invalid argument to date decode");
  return parts.DayOfWeek;
}

int WeekOfTheYear(TDateTime Value) {
  TDateTimeParts parts;
  if (!TryDecodeDateTime(Value, parts)) throw EConvertError("Invalid argument to date decode");
  // The week belongs to the year of its Thursday; count weeks from that year's first Thursday.
  const std::int64_t day = DayNumber(parts.Year, parts.Month, parts.Day);
  const std::int64_t thursday = day + 4 - parts.DayOfWeek;
  TDateTimeParts thursdayParts;
  SplitDayNumber(thursday, thursdayParts);
  const std::int64_t firstOfYear = DayNumber(thursdayParts.Year, 1, 1);
  return static_cast<int>((thursday - firstOfYear) / 7 + 1);
}

TDateTime Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return static_cast<TDateTime>(DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)) +
         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), 0);
}

TDateTime Date() { return std::floor(Now()); }

std::string FormatDateTime(const std::string& Format, TDateTime Value) {
  TDateTimeParts parts;
  if (!TryDecodeDateTime(Value, parts)) throw EConvertError("Invalid argument to date format");
  return TDateFormatter(Format, parts).Run();
}

}  // namespace gadrix
