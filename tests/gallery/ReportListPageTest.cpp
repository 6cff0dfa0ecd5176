#include <gtest/gtest.h>

#include <string>

#include "GalleryForm.h"
#include "ReportListPage.h"
#include "InstrumentList.h"

namespace gallery {
namespace {

using namespace gadrix;

TReportListPage* ShowReportList(TGalleryForm& Form) {
  Form.Show();
  EXPECT_TRUE(Form.ShowPage("replist"));
  return Form.Page<TReportListPage>();
}

// The background of data row Row, at the right end of the last column (left of its text's end,
// so clear of any text).
TColor RowBackground(TReportListView* List, int Row) {
  TBitmap shot;
  shot.SetSize(List->GetWidth(), List->GetHeight());
  List->PaintTo(shot.GetCanvas(), 0, 0);
  const TRect cell = List->CellRect(icPin - 1, List->CountHeadRows() + Row - List->GetTopRow());
  const TRect client = List->GetClientBounds();
  return shot.GetCanvas()->GetPixel(client.Left + cell.Right - 3, client.Top + cell.Top + 3);
}

void ClickTab(TPageTabs* Tabs, int Index) {
  const TRect r = Tabs->TabRect(Index);
  sim::Click(Tabs, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

TEST(ReportListPage, HoldsTenThousandInstrumentsWithCheckRadioAndPasswordColumnsUnderBothHeaders) {
  TGalleryForm form(nullptr);
  TReportListPage* page = ShowReportList(form);
  TReportListView* list = page->List();
  EXPECT_EQ(form.GetSelected(), list);
  ASSERT_EQ(list->GetNrOfRows(), TReportListPage::Rows);
  ASSERT_EQ(list->GetNrOfColumns(), icCount);
  EXPECT_EQ(list->CountHeadRows(), 2);
  EXPECT_NE(list->GetCommonHeader().find('\n'), std::string::npos);  // two lines
  EXPECT_FALSE(list->GetSuppressPaint());
  EXPECT_EQ(list->GetColumnCheckMode(icCalibrated), cmBox);
  EXPECT_EQ(list->GetColumnCheckMode(icReference), cmRadio);
  EXPECT_TRUE(list->GetColumnIsPwd(icPin));
  EXPECT_FALSE(list->GetColumnIsPwd(icTag));
  EXPECT_EQ(list->GetColumnAlignment(icReading), taRightJustify);
  EXPECT_EQ(list->GetHighLightRow(), TReportListPage::HighlightedRow);
  EXPECT_TRUE(list->GetRowSelected(TReportListPage::SelectedRow));

  // Every cell as generated, the check flags read back as marks, disabled rows where out of service.
  int calibrated = 0, checked = 0, disabled = 0, outOfService = 0;
  for (int row = 1; row <= TReportListPage::Rows; ++row) {
    const TInstrument i = MakeInstrument(row);
    if (row == 1 || row == TReportListPage::Rows) {
      EXPECT_EQ(list->GetElem(icTag, row), i.Tag);
      EXPECT_EQ(list->GetElem(icCalibrated, row), i.CalibratedOn);
      EXPECT_EQ(list->GetElem(icReading, row), i.Reading);
      EXPECT_EQ(list->GetElem(icPin, row), i.Pin);  // stored; only shown masked
    }
    calibrated += i.Calibrated;
    checked += list->GetElemChecked(icCalibrated, row);
    outOfService += i.OutOfService;
    disabled += !list->GetRowEnabled(row);
  }
  EXPECT_EQ(checked, calibrated);
  EXPECT_GT(checked, 0);
  EXPECT_LT(checked, TReportListPage::Rows);
  EXPECT_EQ(disabled, outOfService);
  EXPECT_EQ(page->OutOfServiceCount(), outOfService);
  EXPECT_GT(disabled, 0);
  // One reference instrument: a radio column holds one mark.
  EXPECT_EQ(list->GetRLData()->CountCheckedElemsInCol(icReference), 1);
  EXPECT_EQ(list->GetRLData()->FirstCheckedElemInCol(icReference), InstrumentReferenceRow);

  // The columns fit the view: no column reaches behind its right edge, and no header is cut.
  EXPECT_LE(list->CellRect(icCount - 1, 1).Right, list->GetClientWidth());
  for (int col = 1; col <= icCount; ++col) {
    if (col != icName) {
      EXPECT_GE(list->GetColWidths(col), list->DetermineMaxColWidth(col, true)) << col;
    }
  }
}

TEST(ReportListPage, KeysScrollTheListAndTheNoteAndTheInspectorFollow) {
  TGalleryForm form(nullptr);
  TReportListPage* page = ShowReportList(form);
  TReportListView* list = page->List();
  EXPECT_EQ(list->GetTopRow(), 1);
  EXPECT_EQ(page->InViewText().rfind("Rows 1 to ", 0), 0u) << page->InViewText();

  sim::Key(list, VK_END, ssCtrl);
  EXPECT_EQ(list->GetTopRow() + list->GetVisibleRowCount() - 1, TReportListPage::Rows);
  const std::string last = "to 10,000 of 10,000 in view";
  EXPECT_EQ(page->InViewText().substr(page->InViewText().size() - last.size()), last) << page->InViewText();

  sim::Key(list, VK_HOME, ssCtrl);
  EXPECT_EQ(list->GetTopRow(), 1);
  sim::Key(list, VK_NEXT);
  sim::Key(list, VK_NEXT);
  EXPECT_GT(list->GetTopRow(), 1);

  list->SetTopRow(5000);
  EXPECT_EQ(page->InViewText().rfind("Rows 5,000 to 5,0", 0), 0u) << page->InViewText();
  TPropertyEditor* inspector = form.Inspector();
  ASSERT_EQ(inspector->GetSubject(), list);
  EXPECT_EQ(inspector->ValueText(inspector->RowOf("TopRow")), "5000");
}

TEST(ReportListPage, TheBandingAndHeaderTabsChangeTheView) {
  TGalleryForm form(nullptr);
  TReportListPage* page = ShowReportList(form);
  TReportListView* list = page->List();
  // Rows 1 to 4 are plain rows: not highlighted, selected or disabled.
  for (int row : {1, 3, 4}) {
    ASSERT_NE(row, TReportListPage::HighlightedRow);
    ASSERT_NE(row, TReportListPage::SelectedRow);
    ASSERT_TRUE(list->GetRowEnabled(row));
  }
  const TColor shaded = ColorToRGB(list->GetColorBkgdShaded());
  const TColor normal = ColorToRGB(list->GetColorBkgdNormal());
  ASSERT_NE(shaded, normal);
  EXPECT_EQ(list->GetRowColPattern(), 1);
  EXPECT_EQ(RowBackground(list, 3), shaded);
  EXPECT_EQ(RowBackground(list, 4), normal);

  ClickTab(page->Banding(), 0);
  EXPECT_EQ(list->GetRowColPattern(), 0);
  EXPECT_EQ(RowBackground(list, 1), normal);
  EXPECT_EQ(RowBackground(list, 3), normal);

  ClickTab(page->Banding(), 2);
  EXPECT_EQ(list->GetRowColPattern(), 2);
  EXPECT_EQ(RowBackground(list, 1), shaded);
  EXPECT_EQ(RowBackground(list, 3), normal);
  EXPECT_EQ(RowBackground(list, 4), normal);

  // The common header goes and comes back; the data stays at the top of the list.
  const int headersHeight = list->CellRect(0, 2).Top;
  ClickTab(page->Headers(), 1);
  EXPECT_FALSE(list->GetCommonHeaderVisible());
  EXPECT_EQ(list->CountHeadRows(), 1);
  EXPECT_LT(list->CellRect(0, 1).Top, headersHeight);
  EXPECT_EQ(list->GetTopRow(), 1);
  EXPECT_EQ(RowBackground(list, 1), shaded);
  ClickTab(page->Headers(), 0);
  EXPECT_TRUE(list->GetCommonHeaderVisible());
  EXPECT_EQ(list->CellRect(0, 2).Top, headersHeight);
}

}  // namespace
}  // namespace gallery
