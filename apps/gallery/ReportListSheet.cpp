// The report list: a plant's instrument list under a two-line common header, with check boxes,
// radio buttons, a password column, banding, highlighted, selected and disabled rows, a sort
// arrow and cut texts; banding by single rows and by pairs; an empty list with its message; a
// fixed first column with an inter-row indicator; and a disabled view.

#include <algorithm>
#include <string>

#include "InstrumentList.h"
#include "Sheets.h"
#include "gadrix/platform/controls/Controls.h"
#include "gadrix/replist/ReportListView.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kMargin = 20, kLabelGap = 18, kGap = 26, kRowHeight = 20;
constexpr int kMainWidth = 600, kSideWidth = 460;
constexpr int kSheetWidth = kMargin + kMainWidth + kMargin + kSideWidth + kMargin;
// The three views of the lower row share the sheet's width.
constexpr int kSmallWidth = (kSheetWidth - 4 * kMargin) / 3;

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
  SheetLabel(C, X, Y, Title);
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
  SheetLabel(C, X, Y, "Empty list with a two-line message");
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
  c->GetBrush()->SetColor(SheetPaper);
  c->FillRect(Rect(0, 0, Bitmap.GetWidth(), Bitmap.GetHeight()));
  SheetLabel(c, kMargin, 12, "Report list", clBlack, 13);
  SheetLabel(c, kMargin + 110, 17, "TReportListView: a draw grid over its own store of texts, every cell drawn by the view",
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
