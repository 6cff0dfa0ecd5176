#include "gadrix/calendar/MiniCal.h"

#include <algorithm>

#include "gadrix/calendar/Holidays.h"
#include "gadrix/helmar/Colors.h"
#include "gadrix/helmar/NameTables.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {

namespace {

constexpr int kGridSize = 8;      // columns and rows
constexpr int kDaysPerWeek = 7;
constexpr int kFirstDayRow = 2;   // rows 0 and 1 hold the buttons and the weekday names
constexpr int kDefaultWidth = 300;
constexpr int kDefaultHeight = 180;
// What the border takes from the outer size, plus the one line the first row and column lack.
constexpr int kSizeSlack3D = 2;
constexpr int kSizeSlackFlat = 5;

constexpr TColor kWorkdayColor = 0xF8F8F8;
constexpr TColor kSaturdayColor = 0xBBDDEE;
constexpr TColor kSundayColor = 0xCCEEFF;

// The button frame's four shades.
constexpr TColor kFrameLight = 0xFFFFFF;
constexpr TColor kFrameDark = 0x686868;
constexpr TColor kFrameShadow = 0x9CA0A5;
constexpr TColor kFrameHighlight = 0xE6E2E2;

// Header buttons by column.
constexpr int kTodayColumn = 0;
constexpr int kPrevYearColumn = 1;
constexpr int kPrevMonthColumn = 2;
constexpr int kTitleColumn = 5;
constexpr int kNextMonthColumn = 6;
constexpr int kNextYearColumn = 7;

// The day count from the start of March that the movable holidays are compared in.
int DaysFromMarch(int Month, int Day) {
  static constexpr int kBefore[] = {0, 31, 61, 92};  // days before March, April, May, June
  return kBefore[Month - 3] + Day;
}

}  // namespace

const TClassInfo& TMiniCal::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TMiniCal>(
      "TMiniCal", &TCustomDrawGrid::StaticClassInfo(),
      {BooleanProperty("AutoSwitch", &TMiniCal::GetAutoSwitch, &TMiniCal::SetAutoSwitch, true),
       ColorProperty("ColorActiveMonth", &TMiniCal::GetColorActiveMonth, &TMiniCal::SetColorActiveMonth, 0x000000),
       ColorProperty("ColorInactiveMonth", &TMiniCal::GetColorInactiveMonth, &TMiniCal::SetColorInactiveMonth,
                     0xC0C0C0),
       ColorProperty("ColorWeekNoBg", &TMiniCal::GetColorWeekNoBg, &TMiniCal::SetColorWeekNoBg, 0xC0C0C0),
       ColorProperty("ColorWeekNoFg", &TMiniCal::GetColorWeekNoFg, &TMiniCal::SetColorWeekNoFg, 0x000000),
       ColorProperty("ColorDayIdBg", &TMiniCal::GetColorDayIdBg, &TMiniCal::SetColorDayIdBg, 0xC0C0C0),
       ColorProperty("ColorDayIdFg", &TMiniCal::GetColorDayIdFg, &TMiniCal::SetColorDayIdFg, 0x000000),
       ColorProperty("ColorSelectedBg", &TMiniCal::GetColorSelectedBg, &TMiniCal::SetColorSelectedBg, 0xD0A040),
       ColorProperty("ColorSelectedFg", &TMiniCal::GetColorSelectedFg, &TMiniCal::SetColorSelectedFg, 0xFFFFFF),
       ColorProperty("ColorHolidayBg", &TMiniCal::GetColorHolidayBg, &TMiniCal::SetColorHolidayBg, 0x9BD8F1),
       ColorProperty("ColorHolidayFg", &TMiniCal::GetColorHolidayFg, &TMiniCal::SetColorHolidayFg, 0x0000C0),
       ColorProperty("ColorToday", &TMiniCal::GetColorToday, &TMiniCal::SetColorToday, 0x0000FF),
       BooleanProperty("Ctl3D", &TMiniCal::GetCtl3D, &TMiniCal::SetCtl3D, true),
       StoredWhen(IntegerProperty("Day", &TMiniCal::GetDay, &TMiniCal::SetDay), +[](const TMiniCal&) { return false; }),
       StoredWhen(IntegerProperty("Month", &TMiniCal::GetMonth, &TMiniCal::SetMonth),
                  +[](const TMiniCal&) { return false; }),
       StoredWhen(IntegerProperty("Year", &TMiniCal::GetYear, &TMiniCal::SetYear),
                  +[](const TMiniCal&) { return false; }),
       EnumProperty("FirstDayOfWeek", &TMiniCal::GetFirstDayOfWeek, &TMiniCal::SetFirstDayOfWeek,
                    {"dwMon", "dwTue", "dwWed", "dwThu", "dwFri", "dwSat", "dwSun"}, dwMon),
       BooleanProperty("IndicateHolidays", &TMiniCal::GetIndicateHolidays, &TMiniCal::SetIndicateHolidays, true),
       IntegerProperty("Language", &TMiniCal::GetLanguage, &TMiniCal::SetLanguage, lgEnglish),
       BooleanProperty("MarkToday", &TMiniCal::GetMarkToday, &TMiniCal::SetMarkToday, true),
       BooleanProperty("ShowHolidayHint", &TMiniCal::GetShowHolidayHint, &TMiniCal::SetShowHolidayHint, true),
       BooleanProperty("ShowMonthShort", &TMiniCal::GetShowMonthShort, &TMiniCal::SetShowMonthShort, true),
       BooleanProperty("ShowMovableHolidays", &TMiniCal::GetShowMovableHolidays, &TMiniCal::SetShowMovableHolidays,
                       true)});
  return info;
}

TMiniCal::TMiniCal(TComponent* AOwner) : TCustomDrawGrid(AOwner) {
  SetColCount(kGridSize);
  SetRowCount(kGridSize);
  SetFixedCols(1);
  SetFixedRows(2);
  SetDefaultDrawing(false);
  SetGridLineWidth(1);
  SetScrollBars(ssNone);
  SetBorderStyle(bsSingle);
  SetOptions((GetOptions() & ~goRangeSelect) | goDrawFocusSelected);
  SetCtl3D(true);
  dayColors_ = {kWorkdayColor, kWorkdayColor, kWorkdayColor, kWorkdayColor, kWorkdayColor, kSaturdayColor, kSundayColor};
  date_ = Now();
  LoadBuiltInHolidays();
  SetShowHint(true);
  SetBounds(GetLeft(), GetTop(), kDefaultWidth, kDefaultHeight);
  UpdateCal();
}

TMiniCal::~TMiniCal() = default;

// --- layout ----------------------------------------------------------------------------------------

void TMiniCal::UpdateCal() {
  updating_ = true;
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  const int firstColumn = (DayOfTheWeek(EncodeDate(year, month, 1)) - firstDayOfWeek_ + kDaysPerWeek) % kDaysPerWeek;
  // A first day in the last column (0 here) still belongs to the first week row.
  monOfs_ = firstColumn == 0 ? 2 - kDaysPerWeek : 2 - firstColumn;
  // The current cell rests on the selected day, so that keyboard moves start there.
  const int cell = day - monOfs_;
  MoveColRow(cell % kDaysPerWeek + 1, cell / kDaysPerWeek + kFirstDayRow, true, false);
  if (showHolidayHint_) {
    std::string caption;
    const bool holiday = indicateHolidays_ && CheckHoliday(year, month, day, caption);
    SetHint(holiday ? caption : std::string());
  }
  Invalidate();
  updating_ = false;
}

void TMiniCal::Resize() {
  const int g = GetGridLineWidth();
  const int colWidth = (GetClientWidth() - kDaysPerWeek * g) / kGridSize;
  const int rowHeight = (GetClientHeight() - kDaysPerWeek * g) / kGridSize;
  SetDefaultColWidth(colWidth);
  SetDefaultRowHeight(rowHeight);
  const int slack = GetCtl3D() ? kSizeSlack3D : kSizeSlackFlat;
  SetRowHeights(0, GetHeight() - kDaysPerWeek * (rowHeight + g + 1) + slack);
  SetColWidths(0, GetWidth() - kDaysPerWeek * (colWidth + g + 1) + slack);
  TCustomDrawGrid::Resize();
}

// --- the date --------------------------------------------------------------------------------------

void TMiniCal::SetDate(TDateTime Value) {
  int year = 0, month = 0, day = 0;
  DecodeDate(Value, year, month, day);  // a value naming no date raises before anything changes
  date_ = Value;
  UpdateCal();
  Changed();
}

int TMiniCal::GetDay() const {
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  return day;
}

int TMiniCal::GetMonth() const {
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  return month;
}

int TMiniCal::GetYear() const {
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  return year;
}

void TMiniCal::SetDay(int Value) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  if (Value >= 0 && Value <= DaysInAMonth(year, month)) day = Value;
  date_ = EncodeDate(year, month, day);
  UpdateCal();
  Changed();
}

void TMiniCal::SetMonth(int Value) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  if (Value >= 0 && Value <= 12) month = Value;
  date_ = EncodeDate(year, month, day);
  UpdateCal();
  Changed();
}

void TMiniCal::SetYear(int Value) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  if (Value >= 0) year = Value;
  date_ = EncodeDate(year, month, day);
  UpdateCal();
  Changed();
}

void TMiniCal::NextMonth() {
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  int y = 0, m = 0, d = 0;
  DecodeDate(EncodeDate(year, month, DaysInAMonth(year, month)) + 1, y, m, d);
  SetDate(EncodeDate(y, m, std::min(day, DaysInAMonth(y, m))));
}

void TMiniCal::PrevMonth() {
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  int y = 0, m = 0, d = 0;
  DecodeDate(EncodeDate(year, month, 1) - 1, y, m, d);
  SetDate(EncodeDate(y, m, std::min(day, DaysInAMonth(y, m))));
}

void TMiniCal::NextYear() {
  if (GetMonth() == 2 && GetDay() == 29) SetDay(28);
  SetYear(GetYear() + 1);
}

void TMiniCal::PrevYear() {
  if (GetMonth() == 2 && GetDay() == 29) SetDay(28);
  SetYear(GetYear() - 1);
}

void TMiniCal::LastDayOfMonth() { SetDay(DaysInAMonth(GetYear(), GetMonth())); }

void TMiniCal::Changed() {
  if (onChange_) onChange_(this);
}

// --- holidays --------------------------------------------------------------------------------------

bool TMiniCal::CheckHoliday(int Year, int Month, int Day, std::string& Caption) const {
  Caption.clear();
  for (int row = 1; row <= holidays_.GetNRows(); ++row) {
    const int year = holidays_.GetVal(3, row);
    if (holidays_.GetVal(1, row) == Day && holidays_.GetVal(2, row) == Month &&
        (year == kRepeatEveryYear || year == Year)) {
      Caption = captions_[static_cast<std::size_t>(row - 1)];
      return true;
    }
  }
  if (!showMovableHolidays_ || Month < 3 || Month > 6) return false;
  int easterDay = 0, easterMonth = 0;
  CalcEasterSunday(Year, easterDay, easterMonth);
  const int offset = DaysFromMarch(Month, Day) - DaysFromMarch(easterMonth, easterDay);
  for (int i = 0; i < kMovableHolidayCount; ++i) {
    if (MovableHolidayOffset(i) == offset) {
      Caption = MovableHolidayCaption(language_, i);
      return true;
    }
  }
  return false;
}

void TMiniCal::AppendHoliday(int Day, int Month, int Year, const std::string& Caption) {
  const int row = holidays_.GetNRows() + 1;
  holidays_.SetNRows(row);
  holidays_.SetVal(1, row, Day);
  holidays_.SetVal(2, row, Month);
  holidays_.SetVal(3, row, Year);
  captions_.push_back(Caption);
}

void TMiniCal::AddHoliday(int Day, int Month, int Year, const std::string& Caption) {
  AppendHoliday(Day, Month, Year, Caption);
  UpdateCal();
}

void TMiniCal::AddRepeatHoliday(int Day, int Month, const std::string& Caption) {
  AppendHoliday(Day, Month, kRepeatEveryYear, Caption);
  UpdateCal();
}

void TMiniCal::ClearHolidayList() {
  holidays_.SetNRows(0);
  captions_.clear();
  UpdateCal();
}

bool TMiniCal::RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay,
                               std::string& Description) const {
  if (HDIndex < 1 || HDIndex > GetNumHolidays()) return false;
  Day = holidays_.GetVal(1, HDIndex);
  Month = holidays_.GetVal(2, HDIndex);
  Year = holidays_.GetVal(3, HDIndex);
  IsRepeatHDay = Year == kRepeatEveryYear;
  Description = captions_[static_cast<std::size_t>(HDIndex - 1)];
  return true;
}

void TMiniCal::LoadBuiltInHolidays() {
  holidays_.SetNRows(0);
  captions_.clear();
  for (int i = 0; i < kFixedHolidayCount; ++i) {
    const TFixedHoliday h = FixedHoliday(i);
    AppendHoliday(h.Day, h.Month, kRepeatEveryYear, FixedHolidayCaption(language_, i));
  }
}

// --- looks -----------------------------------------------------------------------------------------

TColor TMiniCal::GetDayColors(TDayOfWeek Day) const { return dayColors_[Day % kDaysPerWeek]; }

void TMiniCal::SetDayColors(TDayOfWeek Day, TColor Value) {
  dayColors_[Day % kDaysPerWeek] = Value;
  UpdateCal();
  Changed();
}

void TMiniCal::SetPaintColor(TColor& Field, TColor Value) {
  Field = Value;
  Invalidate();
}

void TMiniCal::SetFirstDayOfWeek(TDayOfWeek Value) {
  if (Value == firstDayOfWeek_ || Value > dwSun) return;
  firstDayOfWeek_ = Value;
  UpdateCal();
  Changed();
}

void TMiniCal::SetIndicateHolidays(bool Value) {
  indicateHolidays_ = Value;
  UpdateCal();
}

void TMiniCal::SetLanguage(TLanguage Value) {
  language_ = Value;
  LoadBuiltInHolidays();
  UpdateCal();
}

void TMiniCal::SetMarkToday(bool Value) {
  markToday_ = Value;
  Invalidate();
}

void TMiniCal::SetShowHolidayHint(bool Value) {
  showHolidayHint_ = Value;
  SetHint(std::string());
  if (Value) SetShowHint(true);
  UpdateCal();
}

void TMiniCal::SetShowMonthShort(bool Value) {
  showMonthShort_ = Value;
  Invalidate();
}

void TMiniCal::SetShowMovableHolidays(bool Value) {
  showMovableHolidays_ = Value;
  UpdateCal();
}

// --- mouse -----------------------------------------------------------------------------------------

void TMiniCal::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || X <= 0 || X >= GetGridWidth() || Y <= 0 || Y >= GetGridHeight()) return;
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return;
  if (cell.X >= 1 && cell.Y >= kFirstDayRow)
    ClickDay(cell.X, cell.Y);
  else if (cell.Y == 0 || (cell.Y == 1 && cell.X == 0))
    ClickButton(cell.X);
}

void TMiniCal::ClickDay(int ACol, int ARow) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  int d = DayAt(ACol, ARow);
  if (autoSwitch_) {
    const int length = DaysInAMonth(year, month);
    if (d <= 0) {
      if (month == 1) {
        month = 12;
        --year;
      } else {
        --month;
      }
      d += DaysInAMonth(year, month);
    } else if (d > length) {
      d -= length;
      if (month == 12) {
        month = 1;
        ++year;
      } else {
        ++month;
      }
    }
  }
  if (d >= 1 && d <= DaysInAMonth(year, month) && year >= 1 && year <= 9999) {
    date_ = EncodeDate(year, month, d);
    Changed();
  }
  UpdateCal();
}

void TMiniCal::ClickButton(int ACol) {
  switch (ACol) {
    case kTodayColumn: SetDate(Now()); break;
    case kPrevYearColumn: PrevYear(); break;
    case kPrevMonthColumn: PrevMonth(); break;
    case kNextMonthColumn: NextMonth(); break;
    case kNextYearColumn: NextYear(); break;
    default: break;
  }
}

// The press did all there is to do; the release is swallowed (no OnMouseUp, no grid click). The
// grid ends its own press by itself once the mouse is released.
void TMiniCal::MouseUp(TMouseButton, TShiftState, int, int) {}

// --- painting --------------------------------------------------------------------------------------

void TMiniCal::DrawCentred(const TRect& R, const std::string& Text, TColor Back, TColor Fore) {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(Back);
  canvas->GetFont()->SetColor(Fore);
  const int x = R.Left + (R.Width() - canvas->TextWidth(Text)) / 2;
  const int y = R.Top + (R.Height() - canvas->TextHeight(Text)) / 2;
  canvas->TextRect(R, x, y, Text);
}

void TMiniCal::DrawButtonFrame(const TRect& R) {
  if (!GetCtl3D()) return;
  TCanvas* canvas = GetCanvas();
  TPen* pen = canvas->GetPen();
  pen->SetStyle(psSolid);
  pen->SetWidth(1);
  const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
  pen->SetColor(kFrameLight);
  canvas->MoveTo(l, b - 1);
  canvas->LineTo(l, t);
  canvas->LineTo(r, t);
  pen->SetColor(kFrameDark);
  canvas->MoveTo(l, b);
  canvas->LineTo(r, b);
  canvas->LineTo(r, t);
  pen->SetColor(kFrameShadow);
  canvas->MoveTo(l + 1, b - 1);
  canvas->LineTo(r - 1, b - 1);
  canvas->LineTo(r - 1, t);
  pen->SetColor(kFrameHighlight);
  canvas->MoveTo(l + 1, b - 2);
  canvas->LineTo(l + 1, t + 1);
  canvas->LineTo(r - 1, t + 1);
}

void TMiniCal::DrawButtonRow(int ACol, TRect R) {
  std::string text;
  switch (ACol) {
    case kPrevYearColumn: text = "<<"; break;
    case kPrevMonthColumn: text = "<"; break;
    case kNextMonthColumn: text = ">"; break;
    case kNextYearColumn: text = ">>"; break;
    case kTitleColumn: {
      R.Left = R.Left - 2 * R.Width() - 2;  // the title spans columns 3 to 5
      const int month = GetMonth();
      text = (showMonthShort_ ? MonthShort(language_, month) : MonthLong(language_, month)) + " " +
             std::to_string(GetYear());
      break;
    }
    default: return;
  }
  DrawCentred(R, text, clBtnFace, clBlack);
  DrawButtonFrame(R);
}

void TMiniCal::DrawDay(int ACol, int ARow, const TRect& R) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date_, year, month, day);
  const int d = DayAt(ACol, ARow);
  const int length = DaysInAMonth(year, month);
  TColor back = dayColors_[(ACol + firstDayOfWeek_ - 1) % kDaysPerWeek];
  if (d < 1) {
    DrawCentred(R, std::to_string(d + (month == 1 ? 31 : DaysInAMonth(year, month - 1))), back, colorInactiveMonth_);
    return;
  }
  if (d > length) {
    DrawCentred(R, std::to_string(d - length), back, colorInactiveMonth_);
    return;
  }
  TColor fore = colorActiveMonth_;
  std::string caption;
  const bool holiday = indicateHolidays_ && CheckHoliday(year, month, d, caption);
  if (holiday) {
    back = colorHolidayBg_;
    fore = colorHolidayFg_;
  }
  if (d == day) {
    fore = colorSelectedFg_;
    back = holiday ? MeanColor(colorSelectedBg_, colorHolidayBg_) : colorSelectedBg_;
  }
  DrawCentred(R, std::to_string(d), back, fore);
  if (!markToday_) return;
  int todayYear = 0, todayMonth = 0, todayDay = 0;
  DecodeDate(Now(), todayYear, todayMonth, todayDay);
  if (todayYear != year || todayMonth != month || todayDay != d) return;
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetStyle(psSolid);
  canvas->GetPen()->SetColor(colorToday_);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->Ellipse(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
}

void TMiniCal::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState) {
  GetCanvas()->GetFont()->SetColor(clBlack);
  if (ARow == 0) {
    DrawButtonRow(ACol, ARect);
  } else if (ARow == 1 && ACol == 0) {
    TRect r = ARect;
    r.Top -= GetRowHeights(0) + 1;  // the corner covers rows 0 and 1
    DrawCentred(r, "#", clBtnFace, clBlack);
    DrawButtonFrame(r);
  } else if (ARow == 1) {
    DrawCentred(ARect, WeekDayShort(language_, (firstDayOfWeek_ + ACol - 1) % kDaysPerWeek), colorDayIdBg_,
                colorDayIdFg_);
  } else if (ACol == 0) {
    const TDateTime first = EncodeDate(GetYear(), GetMonth(), 1);
    DrawCentred(ARect, std::to_string(WeekOfTheYear(first + kDaysPerWeek * (ARow - kFirstDayRow))), colorWeekNoBg_,
                colorWeekNoFg_);
  } else {
    DrawDay(ACol, ARow, ARect);
  }
}

}  // namespace gadrix
