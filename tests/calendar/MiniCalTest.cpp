// The month calendar: layout, holidays, date operations, mouse and painting.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gadrix/platform/backends/headless/Simulation.h"
#include "gadrix/calendar/MiniCal.h"
#include "gadrix/helmar/Colors.h"
#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/core/ClassRegistry.h"
#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {
namespace {

struct TCalendarFixture : ::testing::Test {
  TForm form{nullptr};
  TMiniCal* cal = nullptr;
  int changes = 0;

  void SetUp() override {
    cal = new TMiniCal(&form);
    cal->SetParent(&form);
    cal->SetOnChange([this](TObject*) { ++changes; });
  }
  void Show(int Year, int Month, int Day) { cal->SetDate(EncodeDate(Year, Month, Day)); }
  int Ymd() const { return cal->GetYear() * 10000 + cal->GetMonth() * 100 + cal->GetDay(); }
  void ClickCell(int ACol, int ARow) {
    const TRect r = cal->CellRect(ACol, ARow);
    sim::Click(cal, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    sim::AdvanceTime(TForm::DoubleClickTime + 1);
  }
  // The date a click on a day cell selects (the calendar keeps showing it afterwards).
  int DateAtCell(int Year, int Month, int Day, int ACol, int ARow) {
    Show(Year, Month, Day);
    ClickCell(ACol, ARow);
    return Ymd();
  }
  std::unique_ptr<TBitmap> Shot() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(cal->GetWidth(), cal->GetHeight());
    cal->PaintTo(bitmap->GetCanvas(), 0, 0);
    return bitmap;
  }
  TColor Pixel(const TBitmap& Shot, int X, int Y) const {
    const TRect client = cal->GetClientBounds();
    return Shot.ScanLine(Y + client.Top)[X + client.Left];
  }
};

TEST_F(TCalendarFixture, DefaultsAndSizeRuleGiveTheRemainderToTheFirstRowAndColumn) {
  EXPECT_EQ(cal->GetWidth(), 300);
  EXPECT_EQ(cal->GetHeight(), 180);
  EXPECT_EQ(cal->GetNumHolidays(), 8);
  EXPECT_EQ(cal->GetFirstDayOfWeek(), dwMon);
  EXPECT_EQ(cal->GetDayColors(dwSat), TColor(0xBBDDEE));
  const int g = cal->GetGridLineWidth();
  const int colWidth = (cal->GetClientWidth() - 7 * g) / 8;
  const int rowHeight = (cal->GetClientHeight() - 7 * g) / 8;
  EXPECT_EQ(cal->GetColWidths(3), colWidth);
  EXPECT_EQ(cal->GetRowHeights(3), rowHeight);
  EXPECT_EQ(cal->GetColWidths(0), 300 - 7 * (colWidth + g + 1) + 2);
  EXPECT_EQ(cal->GetRowHeights(0), 180 - 7 * (rowHeight + g + 1) + 2);
  // The cells then fill the client area exactly.
  EXPECT_EQ(cal->CellRect(7, 7).Right + g, cal->GetClientWidth());
  EXPECT_EQ(cal->CellRect(7, 7).Bottom + g, cal->GetClientHeight());
}

TEST_F(TCalendarFixture, January2024LaysOutWithMondayAndSundayFirst) {
  cal->SetFirstDayOfWeek(dwMon);
  EXPECT_EQ(DateAtCell(2024, 1, 15, 1, 2), 20240101);
  EXPECT_EQ(DateAtCell(2024, 1, 15, 7, 2), 20240107);
  EXPECT_EQ(DateAtCell(2024, 1, 15, 3, 6), 20240131);
  EXPECT_EQ(DateAtCell(2024, 1, 15, 4, 6), 20240201);
  EXPECT_EQ(DateAtCell(2024, 1, 15, 1, 7), 20240205);
  cal->SetFirstDayOfWeek(dwSun);
  EXPECT_EQ(DateAtCell(2024, 1, 15, 2, 2), 20240101);
  EXPECT_EQ(DateAtCell(2024, 1, 15, 1, 2), 20231231);
}

TEST_F(TCalendarFixture, AMonthStartingInTheLastColumnStartsInTheFirstWeekRow) {
  // September 2024 begins on a Sunday.
  EXPECT_EQ(DateAtCell(2024, 9, 10, 7, 2), 20240901);
  EXPECT_EQ(DateAtCell(2024, 9, 10, 1, 2), 20240826);
  EXPECT_EQ(DateAtCell(2024, 9, 10, 1, 3), 20240902);
}

TEST_F(TCalendarFixture, TheCurrentCellFollowsTheSelectedDay) {
  Show(2024, 1, 1);
  EXPECT_EQ(cal->GetCol(), 1);
  EXPECT_EQ(cal->GetRow(), 2);
  Show(2024, 9, 1);
  EXPECT_EQ(cal->GetCol(), 7);
  EXPECT_EQ(cal->GetRow(), 2);
  Show(2024, 9, 30);
  EXPECT_EQ(cal->GetCol(), 1);
  EXPECT_EQ(cal->GetRow(), 7);
}

TEST_F(TCalendarFixture, FixedMovableAndAddedHolidays) {
  std::string caption;
  EXPECT_TRUE(cal->CheckHoliday(2030, 12, 25, caption));
  EXPECT_EQ(caption, "Christmas Day");
  EXPECT_TRUE(cal->CheckHoliday(2024, 3, 31, caption));
  EXPECT_EQ(caption, "Easter Day");
  EXPECT_TRUE(cal->CheckHoliday(2025, 4, 21, caption));
  EXPECT_EQ(caption, "Easter Monday");
  EXPECT_TRUE(cal->CheckHoliday(2025, 5, 29, caption));
  EXPECT_EQ(caption, "Ascension Day");
  EXPECT_TRUE(cal->CheckHoliday(2025, 6, 8, caption));
  EXPECT_EQ(caption, "Pentecost");
  EXPECT_TRUE(cal->CheckHoliday(2025, 6, 9, caption));
  EXPECT_EQ(caption, "Whit Monday");
  EXPECT_TRUE(cal->CheckHoliday(2025, 6, 19, caption));
  EXPECT_EQ(caption, "Corpus Christi");
  EXPECT_FALSE(cal->CheckHoliday(2025, 6, 20, caption));
  EXPECT_EQ(caption, "");
  cal->SetShowMovableHolidays(false);
  EXPECT_FALSE(cal->CheckHoliday(2025, 6, 9, caption));
  cal->SetShowMovableHolidays(true);

  cal->AddHoliday(3, 10, 2025, "Unity");
  cal->AddRepeatHoliday(14, 2, "Valentine");
  EXPECT_TRUE(cal->CheckHoliday(2025, 10, 3, caption));
  EXPECT_FALSE(cal->CheckHoliday(2026, 10, 3, caption));
  EXPECT_TRUE(cal->CheckHoliday(1950, 2, 14, caption));
  EXPECT_EQ(caption, "Valentine");
  int d = 0, m = 0, y = 0;
  bool repeat = true;
  std::string text;
  ASSERT_TRUE(cal->RetrieveHoliday(9, d, m, y, repeat, text));
  EXPECT_EQ(y * 10000 + m * 100 + d, 20251003);
  EXPECT_FALSE(repeat);
  EXPECT_EQ(text, "Unity");
  EXPECT_FALSE(cal->RetrieveHoliday(11, d, m, y, repeat, text));
  EXPECT_FALSE(cal->RetrieveHoliday(0, d, m, y, repeat, text));
  EXPECT_EQ(text, "Unity");
}

TEST_F(TCalendarFixture, ALanguageChangeReloadsTheBuiltInHolidaysAndDropsAddedOnes) {
  cal->AddHoliday(3, 10, 2025, "Unity");
  cal->SetLanguage(lgGerman);
  EXPECT_EQ(cal->GetNumHolidays(), 8);
  std::string caption;
  EXPECT_FALSE(cal->CheckHoliday(2025, 10, 3, caption));
  EXPECT_TRUE(cal->CheckHoliday(2025, 12, 25, caption));
  EXPECT_EQ(caption, "Weihnachten");
  EXPECT_TRUE(cal->CheckHoliday(2025, 6, 9, caption));
  EXPECT_EQ(caption, "Pfingstmontag");
  cal->ClearHolidayList();
  EXPECT_EQ(cal->GetNumHolidays(), 0);
  EXPECT_FALSE(cal->CheckHoliday(2025, 12, 25, caption));
}

TEST_F(TCalendarFixture, TheHintCarriesTheSelectedHolidaysCaption) {
  Show(2025, 12, 25);
  EXPECT_EQ(cal->GetHint(), "Christmas Day");
  EXPECT_TRUE(cal->GetShowHint());
  Show(2025, 12, 27);
  EXPECT_EQ(cal->GetHint(), "");
  Show(2025, 12, 25);
  cal->SetIndicateHolidays(false);
  EXPECT_EQ(cal->GetHint(), "");
}

TEST_F(TCalendarFixture, DateOperationsAroundMonthEndsAndLeapDays) {
  Show(2025, 1, 31);
  changes = 0;
  cal->NextMonth();
  EXPECT_EQ(Ymd(), 20250228);
  EXPECT_EQ(changes, 1);
  cal->PrevMonth();
  EXPECT_EQ(Ymd(), 20250128);
  Show(2024, 12, 31);
  cal->NextMonth();
  EXPECT_EQ(Ymd(), 20250131);
  cal->PrevMonth();
  cal->PrevMonth();
  EXPECT_EQ(Ymd(), 20241130);
  Show(2024, 2, 29);
  cal->NextYear();
  EXPECT_EQ(Ymd(), 20250228);
  Show(2024, 2, 29);
  cal->PrevYear();
  EXPECT_EQ(Ymd(), 20230228);
  Show(2024, 2, 10);
  cal->LastDayOfMonth();
  EXPECT_EQ(Ymd(), 20240229);
}

TEST_F(TCalendarFixture, ImpossibleDatesRaiseAndKeepTheDateWhileOutOfRangeValuesAreIgnored) {
  Show(2024, 2, 29);
  EXPECT_THROW(cal->SetYear(2023), EConvertError);
  EXPECT_EQ(Ymd(), 20240229);
  EXPECT_THROW(cal->SetDay(0), EConvertError);
  EXPECT_THROW(cal->SetMonth(0), EConvertError);
  EXPECT_THROW(cal->SetYear(0), EConvertError);
  Show(2024, 1, 31);
  EXPECT_THROW(cal->SetMonth(4), EConvertError);
  EXPECT_EQ(Ymd(), 20240131);
  changes = 0;
  cal->SetMonth(13);
  cal->SetDay(32);
  cal->SetYear(-1);
  EXPECT_EQ(Ymd(), 20240131);
  EXPECT_EQ(changes, 3);
  cal->SetMonth(3);
  EXPECT_EQ(Ymd(), 20240331);
}

TEST_F(TCalendarFixture, WithoutAutoSwitchANeighbouringMonthsDayChangesNothing) {
  cal->SetAutoSwitch(false);
  Show(2024, 1, 15);
  changes = 0;
  ClickCell(1, 7);  // 5 February
  ClickCell(4, 6);  // 1 February
  EXPECT_EQ(Ymd(), 20240115);
  EXPECT_EQ(changes, 0);
  ClickCell(2, 3);  // 9 January
  EXPECT_EQ(Ymd(), 20240109);
  EXPECT_EQ(changes, 1);
}

TEST_F(TCalendarFixture, APreviousMonthsDaySwitchesTheView) {
  // March 2024 begins on a Friday: the first row shows 26 to 29 February.
  Show(2024, 3, 10);
  ClickCell(1, 2);
  EXPECT_EQ(Ymd(), 20240226);
  // The view is February now: its first row begins with 29 January.
  ClickCell(1, 2);
  EXPECT_EQ(Ymd(), 20240129);
  // December rolls back over the year.
  Show(2024, 1, 10);
  cal->SetFirstDayOfWeek(dwSun);
  ClickCell(1, 2);
  EXPECT_EQ(Ymd(), 20231231);
}

TEST_F(TCalendarFixture, HeaderButtonsStepAndTheCornerReturnsToday) {
  Show(2024, 1, 31);
  ClickCell(7, 0);
  EXPECT_EQ(Ymd(), 20250131);
  ClickCell(6, 0);
  EXPECT_EQ(Ymd(), 20250228);
  ClickCell(2, 0);
  EXPECT_EQ(Ymd(), 20250128);
  ClickCell(1, 0);
  EXPECT_EQ(Ymd(), 20240128);
  changes = 0;
  ClickCell(4, 0);  // the title
  ClickCell(3, 1);  // a weekday name
  ClickCell(0, 4);  // a week number
  sim::MouseDown(cal, mbRight, 0, cal->CellRect(7, 0).Left + 3, 5);
  sim::MouseUp(cal, mbRight, 0, cal->CellRect(7, 0).Left + 3, 5);
  EXPECT_EQ(Ymd(), 20240128);
  EXPECT_EQ(changes, 0);
  ClickCell(0, 1);
  EXPECT_EQ(static_cast<long long>(cal->GetDate()), static_cast<long long>(Date()));
}

TEST_F(TCalendarFixture, AfterAClickTheHoveringMouseLeavesTheCurrentCellOnTheSelectedDay) {
  Show(2024, 1, 15);
  ClickCell(3, 3);  // 10 January
  const TRect elsewhere = cal->CellRect(6, 5);
  sim::MouseMove(cal, 0, elsewhere.Left + 3, elsewhere.Top + 3);
  EXPECT_EQ(Ymd(), 20240110);
  EXPECT_EQ(cal->GetCol(), 3);
  EXPECT_EQ(cal->GetRow(), 3);
}

TEST_F(TCalendarFixture, TodayIsCircled) {
  cal->SetDate(Date());
  const TRect r = cal->CellRect(cal->GetCol(), cal->GetRow());
  const int midY = (r.Top + r.Bottom) / 2;
  auto circled = [&](const TBitmap& Picture) {
    for (int x = r.Left + 2; x < r.Left + 5; ++x)
      if (Pixel(Picture, x, midY) == TColor(0x0000FF)) return true;
    return false;
  };
  EXPECT_TRUE(circled(*Shot()));
  cal->SetMarkToday(false);
  EXPECT_FALSE(circled(*Shot()));
}

TEST_F(TCalendarFixture, CellBackgroundsShowSelectionHolidaysAndWeekdays) {
  Show(2024, 12, 25);  // a Wednesday and a holiday
  auto corner = [&](const TBitmap& Picture, int ACol, int ARow) {
    const TRect r = cal->CellRect(ACol, ARow);
    return Pixel(Picture, r.Left + 1, r.Top + 1);
  };
  cal->SetMarkToday(false);
  auto picture = Shot();
  // December 2024 begins on a Sunday: 25 December is in row 6, column 3, 26 December beside it,
  // 28 December a Saturday.
  ASSERT_EQ(cal->GetCol(), 3);
  ASSERT_EQ(cal->GetRow(), 6);
  EXPECT_EQ(corner(*picture, 3, 6), MeanColor(0xD0A040, 0x9BD8F1));
  EXPECT_EQ(corner(*picture, 4, 6), TColor(0x9BD8F1));
  EXPECT_EQ(corner(*picture, 6, 6), TColor(0xBBDDEE));
  EXPECT_EQ(corner(*picture, 2, 6), TColor(0xF8F8F8));
  Show(2024, 12, 27);
  picture = Shot();
  EXPECT_EQ(corner(*picture, 5, 6), TColor(0xD0A040));
  EXPECT_EQ(corner(*picture, 3, 6), TColor(0x9BD8F1));
  EXPECT_EQ(corner(*picture, 0, 3), TColor(0xC0C0C0));  // a week number
  EXPECT_EQ(corner(*picture, 2, 1), TColor(0xC0C0C0));  // a weekday name
}

TEST_F(TCalendarFixture, FormFilesCreateItByNameAndStoreNoDateParts) {
  const TClassInfo* info = FindClass("TMiniCal");
  ASSERT_NE(info, nullptr);
  for (const char* part : {"Day", "Month", "Year"}) {
    const TPropertyInfo* p = info->FindProperty(part);
    ASSERT_NE(p, nullptr) << part;
    ASSERT_TRUE(p->Stored) << part;
    EXPECT_FALSE(p->Stored(*cal)) << part;
  }
  ASSERT_NE(info->FindProperty("FirstDayOfWeek"), nullptr);
  ASSERT_NE(info->FindProperty("ShowMovableHolidays"), nullptr);
  std::unique_ptr<TComponent> made(CreateComponent("TMiniCal", nullptr));
  EXPECT_NE(dynamic_cast<TMiniCal*>(made.get()), nullptr);
}

TEST_F(TCalendarFixture, DayColoursAndFirstDayOfWeekFireOnChange) {
  changes = 0;
  cal->SetDayColors(dwSun, 0x00FF00);
  EXPECT_EQ(changes, 1);
  cal->SetFirstDayOfWeek(dwMon);
  EXPECT_EQ(changes, 1);
  cal->SetFirstDayOfWeek(dwSun);
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace gadrix
