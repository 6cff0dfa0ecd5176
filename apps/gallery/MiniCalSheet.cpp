// The month calendar: the same month in the four languages, Monday and Sunday first, a holiday
// the host added, long month names, flat buttons and holidays switched off.

#include <functional>
#include <string>

#include "Sheets.h"
#include "gadrix/calendar/MiniCal.h"
#include "gadrix/platform/controls/Controls.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int Margin = 20, LabelGap = 18, CalWidth = 300, CalHeight = 180, RowGap = 30;

// Paints a calendar showing Year-Month-Day at (X, Y) under its label, set up by Setup.
void Place(TForm& Form, TCanvas* C, int X, int Y, const std::string& Title, int Year, int Month, int Day,
           const std::function<void(TMiniCal*)>& Setup = {}) {
  auto* cal = new TMiniCal(&Form);
  cal->SetParent(&Form);
  cal->SetBounds(0, 0, CalWidth, CalHeight);
  cal->SetMarkToday(false);  // the sheet looks the same on every day it is made
  if (Setup) Setup(cal);
  cal->SetDate(EncodeDate(Year, Month, Day));
  SheetLabel(C, X, Y, Title);
  cal->PaintTo(C, X, Y + LabelGap);
}

}  // namespace

void RenderMiniCalSheet(TBitmap& Bitmap) {
  constexpr int Columns = 4;
  constexpr int Width = Margin + Columns * (CalWidth + Margin);
  constexpr int RowHeight = LabelGap + CalHeight + RowGap;
  constexpr int Height = 52 + 2 * RowHeight;
  Bitmap.SetSize(Width, Height);
  TCanvas* c = Bitmap.GetCanvas();
  c->GetBrush()->SetColor(SheetPaper);
  c->FillRect(Rect(0, 0, Width, Height));
  SheetLabel(c, Margin, 12, "Month calendar", clBlack, 13);
  SheetLabel(c, Margin + 150, 17,
        "TMiniCal: ISO week numbers, weekday colours, fixed and Easter-based holidays; the selected day in blue",
        clDkGray);

  TForm form(nullptr);
  int x = Margin, y = 52;
  const struct {
    TLanguage Language;
    const char* Name;
  } languages[] = {{lgEnglish, "Language 1: English"},
                   {lgGerman, "Language 2: German"},
                   {3, "Language 3: French"},
                   {4, "Language 4: Spanish"}};
  // May 2025: Labour Day, Ascension (29th); 29 May selected shows the blended holiday colour.
  for (const auto& lang : languages) {
    Place(form, c, x, y, std::string(lang.Name) + ", 29 May 2025", 2025, 5, 29,
          [&](TMiniCal* cal) { cal->SetLanguage(lang.Language); });
    x += CalWidth + Margin;
  }

  x = Margin;
  y += RowHeight;
  Place(form, c, x, y, "Monday first, January 2024", 2024, 1, 15);
  x += CalWidth + Margin;
  Place(form, c, x, y, "Sunday first, January 2024", 2024, 1, 15,
        [](TMiniCal* cal) { cal->SetFirstDayOfWeek(dwSun); });
  x += CalWidth + Margin;
  Place(form, c, x, y, "Host holiday 3 Oct, long month name", 2025, 10, 3, [](TMiniCal* cal) {
    cal->AddRepeatHoliday(3, 10, "Unity Day");
    cal->AddHoliday(17, 10, 2025, "Company outing");
    cal->SetShowMonthShort(false);
  });
  x += CalWidth + Margin;
  Place(form, c, x, y, "Flat buttons, holidays off, December 2025", 2025, 12, 10, [](TMiniCal* cal) {
    cal->SetCtl3D(false);
    cal->SetIndicateHolidays(false);
  });
}

}  // namespace gallery
