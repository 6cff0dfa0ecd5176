// The report list: a plant's instrument list under a two-line common header, with check boxes,
// radio buttons, a password column, banding, highlighted, selected and disabled rows, a sort
// arrow and cut texts; banding by single rows and by pairs; an empty list with its message; a
// fixed first column with an inter-row indicator; and a disabled view. The instruments are
// generated here for the sheet and the gallery's live page alike.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>

#include "Sheets.h"
#include "gadrix/platform/controls/Controls.h"
#include "gadrix/replist/ReportListView.h"

namespace gallery {

using namespace gadrix;

namespace {

struct TInstrumentKind {
  const char* Letters;
  const char* Name;
  const char* Unit;
  double Low, High;
  int Decimals;
};

const TInstrumentKind kKinds[] = {
    {"TT", "Temperature transmitter", "\xC2\xB0" "C", 20, 180, 1},
    {"PT", "Pressure transmitter", "bar", 0.5, 16, 2},
    {"FT", "Flow meter", "m\xC2\xB3/h", 2, 450, 1},
    {"LT", "Level transmitter", "%", 0, 100, 1},
    {"AT", "pH analyser", "pH", 6, 9, 2},
    {"JT", "Power meter", "kW", 5, 1200, 1},
};

const char* const kPlaces[] = {"boiler 1",        "boiler 2",  "feed pump A",      "feed pump B",
                               "cooling tower",   "stack",     "condensate tank",  "deaerator",
                               "heat exchanger 4", "turbine hall", "main steam header", "fuel oil tank"};

// A well-mixed number for a row, so that neighbouring rows differ in every field.
std::uint32_t Mix(std::uint32_t X) {
  X *= 2654435761u;
  X ^= X >> 16;
  X *= 0x45D9F3Bu;
  X ^= X >> 16;
  return X;
}

std::string TwoDigits(int Value) { return std::string(Value < 10 ? "0" : "").append(std::to_string(Value)); }

std::string Fixed(double Value, int Decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", Decimals, Value);
  return text;
}

}  // namespace

TInstrument MakeInstrument(int Row) {
  const std::uint32_t x = Mix(static_cast<std::uint32_t>(Row));
  const TInstrumentKind& kind = kKinds[x % std::size(kKinds)];
  TInstrument i;
  // Calibrated between March 2024 and February 2025, but one in six a year earlier: overdue.
  i.Calibrated = (x >> 13) % 6 != 0;
  const int month = static_cast<int>((x >> 4) % 12);  // 0 = March
  i.CalibratedOn = std::to_string((month < 10 ? 2024 : 2025) - (i.Calibrated ? 0 : 1))
                       .append("-")
                       .append(TwoDigits((month + 2) % 12 + 1))
                       .append("-")
                       .append(TwoDigits(static_cast<int>((x >> 8) % 28) + 1));
  i.Tag = std::string(kind.Letters).append("-").append(std::to_string(1000 + Row));
  i.Name = std::string(kind.Name).append(", ").append(kPlaces[(x >> 17) % std::size(kPlaces)]);
  const double share = static_cast<double>((x >> 3) % 10000) / 9999.0;
  i.Reading = Fixed(kind.Low + share * (kind.High - kind.Low), kind.Decimals);
  i.Unit = kind.Unit;
  i.Pin = std::to_string(1000 + (x >> 11) % 9000);
  i.OutOfService = (x >> 23) % 50 == 0;
  return i;
}

void FillInstrumentList(TReportListView* View, int Rows) {
  const bool suppressed = View->GetSuppressPaint();
  View->SetSuppressPaint(true);
  View->SetNrOfColumns(icCount);
  View->SetHeader(icCalibrated, "Calibrated");
  View->SetHeader(icTag, "Tag");
  View->SetHeader(icName, "Instrument");
  View->SetHeader(icReading, "Reading");
  View->SetHeader(icUnit, "Unit");
  View->SetHeader(icReference, "Ref.");
  View->SetHeader(icPin, "Service PIN");
  View->SetColumnCheckMode(icCalibrated, cmBox);
  View->SetColumnCheckMode(icReference, cmRadio);
  View->SetColumnIsPwd(icPin, true);
  View->SetColumnAlignment(icReading, taRightJustify);
  View->SetNrOfRows(Rows);
  // Straight into the cells, in their stored form: a check column's first character is its flag.
  TStringArray* cells = View->GetRLData()->GetStrings();
  for (int row = 1; row <= Rows; ++row) {
    const TInstrument i = MakeInstrument(row);
    cells->SetString(icCalibrated, row, (i.Calibrated ? "X" : " ") + i.CalibratedOn);
    cells->SetString(icTag, row, i.Tag);
    cells->SetString(icName, row, i.Name);
    cells->SetString(icReading, row, i.Reading);
    cells->SetString(icUnit, row, i.Unit);
    cells->SetString(icReference, row, row == InstrumentReferenceRow ? "X" : " ");
    cells->SetString(icPin, row, i.Pin);
  }
  View->SetSuppressPaint(suppressed);
}

void FitInstrumentColumns(TReportListView* View) {
  // Every column but the names gets the width of its widest text or header; the names get the
  // rest of the client width, less the lines between the columns.
  View->FitAllColWidths(icName, true, 6, 400, View->GetNrOfColumns() * View->GetGridLineWidth());
}

namespace {

constexpr TColor kPaper = RGB(236, 236, 232);
constexpr int kMargin = 20, kLabelGap = 18, kGap = 26, kRowHeight = 20;
constexpr int kMainWidth = 600, kSideWidth = 460;
constexpr int kSheetWidth = kMargin + kMainWidth + kMargin + kSideWidth + kMargin;
// The three views of the lower row share the sheet's width.
constexpr int kSmallWidth = (kSheetWidth - 4 * kMargin) / 3;

void Label(TCanvas* C, int X, int Y, const std::string& Text, TColor Color = clBlack, int Size = 9) {
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->SetName("Arial");
  C->GetFont()->SetSize(Size);
  C->GetFont()->SetColor(Color);
  C->TextOut(X, Y, Text);
}

// The height of a view whose data rows all show, without scroll bars.
int HeightForRows(TReportListView* View) {
  const int lastRow = View->CountHeadRows() + std::max(View->GetNrOfRows(), 1) - 1;
  return View->GetHeight() - View->GetClientHeight() + View->CellRect(0, lastRow).Bottom + 1;
}

// A view of Width with the instrument list's first Rows instruments, columns fitted to their texts.
TReportListView* NewList(TForm& Form, int Width, int Rows) {
  auto* view = new TReportListView(&Form);
  view->SetParent(&Form);
  view->SetBounds(0, 0, Width, 400);
  view->SetDefaultRowHeight(kRowHeight);
  FillInstrumentList(view, Rows);
  return view;
}

// Sizes View to show all its rows, paints it at (X, Y) under Title and returns its bottom.
int Place(TCanvas* C, TReportListView* View, int X, int Y, const std::string& Title) {
  View->SetHeight(HeightForRows(View));
  Label(C, X, Y, Title);
  View->PaintTo(C, X, Y + kLabelGap);
  return Y + kLabelGap + View->GetHeight();
}

// The full list: everything a data line and the headers can show.
int PlaceFullList(TForm& Form, TCanvas* C, int X, int Y) {
  TReportListView* view = NewList(Form, kMainWidth, 12);
  view->SetCommonHeader("Plant instruments, unit 2\nReadings of 14 March 2025, 06:00");
  view->SetCommonHeaderVisible(true);
  C->GetFont()->Assign(view->GetFont());
  view->SetCommonHeaderHeight(2 * C->TextHeight("Ag") + 6);
  view->Sort(icTag, -1, true);
  view->SetHighLightRow(3);
  view->SetHighLightBold(true);
  view->SetRowSelected(6, true);
  view->SetRowEnabled(9, false);
  // Every column fitted to its texts but the instrument names, which get what is left and are cut.
  FitInstrumentColumns(view);
  return Place(C, view, X, Y,
               "Both headers, sorted by tag, row 3 highlighted (bold), row 6 selected, row 9 disabled, names cut");
}

int PlaceBanding(TForm& Form, TCanvas* C, int X, int Y, int Pattern, const std::string& Title) {
  TReportListView* view = NewList(Form, kSideWidth, 6);
  view->SetNrOfColumns(icReading);  // tag, name and reading suffice here
  view->SetColumnCheckMode(icCalibrated, cmNone);
  view->SetRowColPattern(Pattern);
  FitInstrumentColumns(view);
  return Place(C, view, X, Y, Title);
}

int PlaceEmptyList(TForm& Form, TCanvas* C, int X, int Y) {
  TReportListView* view = NewList(Form, kSmallWidth, 0);
  view->SetNrOfColumns(icReading);
  view->SetColumnCheckMode(icCalibrated, cmNone);
  view->SetEmptyMessage("No instrument matches the filter|\"boiler 7\"");
  FitInstrumentColumns(view);
  view->SetHeight(170);
  Label(C, X, Y, "Empty list with a two-line message");
  view->PaintTo(C, X, Y + kLabelGap);
  return Y + kLabelGap + view->GetHeight();
}

int PlaceFixedColumn(TForm& Form, TCanvas* C, int X, int Y) {
  TReportListView* view = NewList(Form, kSmallWidth, 6);
  view->SetColumnCheckMode(icCalibrated, cmNone);
  view->SetNrOfColumns(icName);
  view->SetFixedFirstColumn(true);
  view->SetHeader(icCalibrated, "Date");
  view->SetInterRowIndicatorPos(4);
  FitInstrumentColumns(view);
  return Place(C, view, X, Y, "Fixed first column, indicator above row 4");
}

int PlaceDisabled(TForm& Form, TCanvas* C, int X, int Y) {
  TReportListView* view = NewList(Form, kSmallWidth, 6);
  view->SetNrOfColumns(icReading);
  view->SetRowSelected(2, true);
  view->SetHighLightRow(4);
  FitInstrumentColumns(view);
  view->SetEnabled(false);
  return Place(C, view, X, Y, "Disabled view (row 2 selected, row 4 highlighted)");
}

}  // namespace

void RenderReportListSheet(TBitmap& Bitmap) {
  // Drawn on a tall sheet that is then cut to what the views took (resizing keeps the pixels).
  Bitmap.SetSize(kSheetWidth, 1200);
  TCanvas* c = Bitmap.GetCanvas();
  c->GetBrush()->SetColor(kPaper);
  c->FillRect(Rect(0, 0, Bitmap.GetWidth(), Bitmap.GetHeight()));
  Label(c, kMargin, 12, "Report list", clBlack, 13);
  Label(c, kMargin + 110, 17, "TReportListView: a draw grid over its own store of texts, every cell drawn by the view",
        clDkGray);

  TForm form(nullptr);
  const int top = 52;
  const int side = kMargin + kMainWidth + kMargin;
  int bottom = PlaceFullList(form, c, kMargin, top);
  int y = PlaceBanding(form, c, side, top, 0, "RowColPattern 0: no banding");
  y = PlaceBanding(form, c, side, y + kGap, 2, "RowColPattern 2: bands of two rows");
  bottom = std::max(bottom, y) + kGap;
  int end = PlaceEmptyList(form, c, kMargin, bottom);
  end = std::max(end, PlaceFixedColumn(form, c, 2 * kMargin + kSmallWidth, bottom));
  end = std::max(end, PlaceDisabled(form, c, 3 * kMargin + 2 * kSmallWidth, bottom));
  Bitmap.SetSize(kSheetWidth, end + kMargin);
}

}  // namespace gallery
