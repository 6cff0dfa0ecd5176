#pragma once
// TMiniCal: a one-month calendar on an 8 x 8 grid.
//
//     row 0   |  #  | <<  |  <  |   Jan 2024 (title)   |  >  | >>  |   navigation and title
//     row 1   |     | Mo  | Tu  | We  | Th  | Fr  | Sa  | Su  |   weekday names
//     rows 2-7| wk  | day numbers, six weeks                   |   week numbers (ISO 8601)
//
// The control holds one selected date. A click on a day selects it (a day of the neighbouring
// months too, switching the view, when AutoSwitch is on); "<<" / "<" / ">" / ">>" step a year or
// a month back or forward, and the corner "#" returns to today. Days are coloured by weekday;
// holidays (eight fixed ones, the Easter-dependent ones and those the host adds) are shown in
// their own colours, and the selected day's holiday caption becomes the hint. Today is circled.
//
// Holidays are kept as (day, month, year) rows with a caption each; the year kRepeatEveryYear
// marks a holiday that falls on the same day every year. Changing Language reloads the built-in
// fixed holidays in that language and drops the ones the host added.
//
// Every change of the date, the first day of the week or a day colour fires OnChange. Setting
// Day, Month or Year to a combination that names no date raises EConvertError and keeps the date.

#include <array>
#include <string>
#include <vector>

#include "gadrix/helmar/Types.h"
#include "gadrix/platform/core/DateTime.h"
#include "gadrix/platform/grids/Grids.h"
#include "gadrix/quantis/IntMatrix.h"

namespace gadrix {

enum TDayOfWeek : std::uint8_t { dwMon, dwTue, dwWed, dwThu, dwFri, dwSat, dwSun };
using TDayColors = std::array<TColor, 7>;

// The year of a holiday row that repeats every year.
constexpr int kRepeatEveryYear = -99999;

class TMiniCal : public TCustomDrawGrid {
public:
  explicit TMiniCal(TComponent* AOwner);
  ~TMiniCal() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // --- the date ----------------------------------------------------------------------------------
  // The selected date; default now. Setting it stores, lays the month out and fires OnChange.
  TDateTime GetDate() const { return date_; }
  void SetDate(TDateTime Value);
  // Parts of Date; default today's. Year below 0, Month outside 0..12 and Day outside 0..the
  // month's length are ignored (the date is kept, OnChange still fires); a combination that names
  // no date (a zero part, 29 February of a common year, a day beyond the new month) raises
  // EConvertError and keeps the date.
  int GetDay() const;
  void SetDay(int Value);
  int GetMonth() const;
  void SetMonth(int Value);
  int GetYear() const;
  void SetYear(int Value);

  // The same day of the next / previous month, the month's last day when it is shorter.
  void NextMonth();
  void PrevMonth();
  // The same day of the next / previous year; 29 February becomes 28 February first.
  void NextYear();
  void PrevYear();
  // The last day of the selected month.
  void LastDayOfMonth();

  // --- holidays ----------------------------------------------------------------------------------
  // True, with the holiday's caption, when the day is a holiday: the first row of the list that
  // matches (same day and month, the year Year or every year), else with ShowMovableHolidays one
  // of the Easter-dependent holidays. False with the empty caption otherwise.
  bool CheckHoliday(int Year, int Month, int Day, std::string& Caption) const;
  // Appends a holiday of that year only / of every year. The arguments are not checked.
  void AddHoliday(int Day, int Month, int Year, const std::string& Caption);
  void AddRepeatHoliday(int Day, int Month, const std::string& Caption);
  // Removes every holiday, the built-in ones included.
  void ClearHolidayList();
  // Holiday row HDIndex (1 to NumHolidays) into the outputs and true; false, outputs untouched,
  // for any other index.
  bool RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay,
                       std::string& Description) const;
  // The number of holiday rows; 8 (the built-in ones) after construction.
  int GetNumHolidays() const { return holidays_.GetNRows(); }

  // --- looks -------------------------------------------------------------------------------------
  // Background of the day cells by weekday; default 0xF8F8F8 Monday to Friday, 0xBBDDEE Saturday,
  // 0xCCEEFF Sunday. Writing lays the month out and fires OnChange.
  TColor GetDayColors(TDayOfWeek Day) const;
  void SetDayColors(TDayOfWeek Day, TColor Value);

  // Default true: a click on a day of the previous or next month selects it.
  bool GetAutoSwitch() const { return autoSwitch_; }
  void SetAutoSwitch(bool Value) { autoSwitch_ = Value; }
  // Default 0x000000: text of the selected month's days.
  TColor GetColorActiveMonth() const { return colorActiveMonth_; }
  void SetColorActiveMonth(TColor Value) { SetPaintColor(colorActiveMonth_, Value); }
  // Default 0xC0C0C0: text of the neighbouring months' days.
  TColor GetColorInactiveMonth() const { return colorInactiveMonth_; }
  void SetColorInactiveMonth(TColor Value) { SetPaintColor(colorInactiveMonth_, Value); }
  // Defaults 0xC0C0C0 and 0x000000: the week-number column.
  TColor GetColorWeekNoBg() const { return colorWeekNoBg_; }
  void SetColorWeekNoBg(TColor Value) { SetPaintColor(colorWeekNoBg_, Value); }
  TColor GetColorWeekNoFg() const { return colorWeekNoFg_; }
  void SetColorWeekNoFg(TColor Value) { SetPaintColor(colorWeekNoFg_, Value); }
  // Defaults 0xC0C0C0 and 0x000000: the weekday-name row.
  TColor GetColorDayIdBg() const { return colorDayIdBg_; }
  void SetColorDayIdBg(TColor Value) { SetPaintColor(colorDayIdBg_, Value); }
  TColor GetColorDayIdFg() const { return colorDayIdFg_; }
  void SetColorDayIdFg(TColor Value) { SetPaintColor(colorDayIdFg_, Value); }
  // Defaults 0xD0A040 and 0xFFFFFF: the selected day. A selected holiday's background is halfway
  // between ColorSelectedBg and ColorHolidayBg.
  TColor GetColorSelectedBg() const { return colorSelectedBg_; }
  void SetColorSelectedBg(TColor Value) { SetPaintColor(colorSelectedBg_, Value); }
  TColor GetColorSelectedFg() const { return colorSelectedFg_; }
  void SetColorSelectedFg(TColor Value) { SetPaintColor(colorSelectedFg_, Value); }
  // Defaults 0x9BD8F1 and 0x0000C0: holidays.
  TColor GetColorHolidayBg() const { return colorHolidayBg_; }
  void SetColorHolidayBg(TColor Value) { SetPaintColor(colorHolidayBg_, Value); }
  TColor GetColorHolidayFg() const { return colorHolidayFg_; }
  void SetColorHolidayFg(TColor Value) { SetPaintColor(colorHolidayFg_, Value); }
  // Default 0x0000FF: the circle around today.
  TColor GetColorToday() const { return colorToday_; }
  void SetColorToday(TColor Value) { SetPaintColor(colorToday_, Value); }

  // Default dwMon: the weekday of the first day column. A change lays out and fires OnChange.
  TDayOfWeek GetFirstDayOfWeek() const { return firstDayOfWeek_; }
  void SetFirstDayOfWeek(TDayOfWeek Value);
  // Default true: holidays are drawn in the holiday colours.
  bool GetIndicateHolidays() const { return indicateHolidays_; }
  void SetIndicateHolidays(bool Value);
  // Default lgEnglish (1): names and holiday captions. Setting it reloads the built-in holidays in
  // that language; holidays the host added are dropped.
  TLanguage GetLanguage() const { return language_; }
  void SetLanguage(TLanguage Value);
  // Default true: today is circled in ColorToday.
  bool GetMarkToday() const { return markToday_; }
  void SetMarkToday(bool Value);
  // Default true: the selected day's holiday caption is the hint (and ShowHint is switched on).
  bool GetShowHolidayHint() const { return showHolidayHint_; }
  void SetShowHolidayHint(bool Value);
  // Default true: the title shows the short month name, else the long one.
  bool GetShowMonthShort() const { return showMonthShort_; }
  void SetShowMonthShort(bool Value);
  // Default true: the Easter-dependent holidays are recognised.
  bool GetShowMovableHolidays() const { return showMovableHolidays_; }
  void SetShowMovableHolidays(bool Value);

  // Raised after the date, the first day of the week or a day colour changed.
  TNotifyEvent GetOnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent Value) { onChange_ = std::move(Value); }

protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Swallowed: neither the grid nor OnMouseUp sees the release.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Resize() override;
  // Raises OnChange.
  virtual void Changed();

private:
  // The day shown in day cell (ACol 1..7, ARow 2..7): below 1 for the previous month, beyond the
  // month's length for the next.
  int DayAt(int ACol, int ARow) const { return (ARow - 2) * 7 + monOfs_ + ACol - 1; }
  void UpdateCal();
  void LoadBuiltInHolidays();
  void AppendHoliday(int Day, int Month, int Year, const std::string& Caption);
  void SetPaintColor(TColor& Field, TColor Value);
  void ClickDay(int ACol, int ARow);
  void ClickButton(int ACol);

  void DrawCentred(const TRect& R, const std::string& Text, TColor Back, TColor Fore);
  void DrawButtonFrame(const TRect& R);
  void DrawButtonRow(int ACol, TRect R);
  void DrawDay(int ACol, int ARow, const TRect& R);

  TDateTime date_ = 0;
  TDayOfWeek firstDayOfWeek_ = dwMon;
  int monOfs_ = 1;
  TDayColors dayColors_{};
  TIntMatrix holidays_{3, 0};
  std::vector<std::string> captions_;
  TLanguage language_ = lgEnglish;
  bool updating_ = false;

  bool autoSwitch_ = true;
  bool indicateHolidays_ = true;
  bool markToday_ = true;
  bool showHolidayHint_ = true;
  bool showMonthShort_ = true;
  bool showMovableHolidays_ = true;
  TColor colorActiveMonth_ = 0x000000;
  TColor colorInactiveMonth_ = 0xC0C0C0;
  TColor colorWeekNoBg_ = 0xC0C0C0;
  TColor colorWeekNoFg_ = 0x000000;
  TColor colorDayIdBg_ = 0xC0C0C0;
  TColor colorDayIdFg_ = 0x000000;
  TColor colorSelectedBg_ = 0xD0A040;
  TColor colorSelectedFg_ = 0xFFFFFF;
  TColor colorHolidayBg_ = 0x9BD8F1;
  TColor colorHolidayFg_ = 0x0000C0;
  TColor colorToday_ = 0x0000FF;
  TNotifyEvent onChange_;
};

}  // namespace gadrix
