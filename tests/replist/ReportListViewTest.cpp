// The report list view: its layout over the store, settings, column widths, copying and events.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/core/FormFile.h"
#include "gadrix/platform/stdctrls/Edit.h"
#include "gadrix/replist/ReportListView.h"

namespace gadrix {
namespace {

struct TReportListFixture : ::testing::Test {
  TForm form{nullptr};
  TReportListView* view = nullptr;
  int changes = 0, setupChanges = 0, selectionChanges = 0;

  void SetUp() override {
    form.SetBounds(0, 0, 800, 600);
    view = new TReportListView(&form);
    view->SetParent(&form);
    view->SetName("List1");
    view->SetBounds(0, 0, 400, 300);
    view->SetOnChange([this](TObject*) { ++changes; });
    view->SetOnChangeSetup([this](TObject*) { ++setupChanges; });
    view->SetOnSelectedChange([this](TObject*) { ++selectionChanges; });
  }
  void Fill(int Rows) {
    view->SetNrRows(Rows);
    for (int row = 1; row <= Rows; ++row)
      for (int col = 1; col <= view->GetNrOfColumns(); ++col)
        view->SetElem(col, row, std::to_string(col) + "." + std::to_string(row));
  }
  // Grid rows and fixed rows, as one comparable value.
  std::pair<int, int> GridRows() const { return {view->GetRowCount(), view->GetFixedRows()}; }
};

TEST_F(TReportListFixture, StartsWithFiveColumnsFourRowsAndColumnHeaders) {
  EXPECT_EQ(view->GetNrOfColumns(), 5);
  EXPECT_EQ(view->GetNrOfRows(), 4);
  EXPECT_EQ(view->GetColCount(), 5);
  EXPECT_EQ(view->GetFixedCols(), 0);
  EXPECT_EQ(GridRows(), std::make_pair(5, 1));
  EXPECT_EQ(view->CountHeadRows(), 1);
  EXPECT_EQ(view->GetRowHeights(0), 20);
  EXPECT_EQ(view->GetOptions(), TGridOptions(goFixedVertLine | goFixedHorzLine | goColSizing | goRowSelect |
                                             goThumbTracking));
  EXPECT_FALSE(view->GetDefaultDrawing());
  EXPECT_FALSE(view->GetSuppressPaint());
  EXPECT_EQ(view->GetCommonHeader(), "Zorv Report Listview");
  EXPECT_EQ(view->GetCommonHeaderAlignment(), taCenter);
  EXPECT_EQ(view->GetColorColumnHd(), clBtnFace);
  EXPECT_EQ(view->GetFixedColor(), clBtnFace);
  EXPECT_EQ(view->GetColorSelectedRow(), TColor(0x94BAED));
  EXPECT_EQ(view->GetRowColPattern(), 1);
  EXPECT_EQ(view->GetRowSelectMode(), 1);
  EXPECT_EQ(view->GetTopRow(), 1);
  EXPECT_EQ(view->GetLeftCol(), 1);
  for (int col = 1; col <= 5; ++col) EXPECT_EQ(view->GetColumnOrder(col), col);
}

TEST_F(TReportListFixture, HeaderRowsDecideFixedRowsAndThereIsAlwaysOneDataLine) {
  view->SetNrRows(0);
  EXPECT_EQ(GridRows(), std::make_pair(2, 1));
  view->SetCommonHeaderVisible(true);
  EXPECT_EQ(view->CountHeadRows(), 2);
  EXPECT_EQ(GridRows(), std::make_pair(3, 2));  // two header rows and the empty data line
  view->SetColumnHeadersVisible(false);
  view->SetCommonHeaderVisible(false);
  EXPECT_EQ(GridRows(), std::make_pair(1, 0));
  view->SetNrRows(7);
  EXPECT_EQ(GridRows(), std::make_pair(7, 0));
  view->SetColumnHeadersVisible(true);
  view->SetCommonHeaderVisible(true);
  EXPECT_EQ(GridRows(), std::make_pair(9, 2));
  view->SetNrRows(-3);
  EXPECT_EQ(view->GetNrOfRows(), 0);
  EXPECT_EQ(GridRows(), std::make_pair(3, 2));
}

TEST_F(TReportListFixture, VisibilityRaisesOnChangeOnlyWhenItChanges) {
  view->SetColumnHeadersVisible(true);
  EXPECT_EQ(changes, 0);
  view->SetCommonHeaderVisible(true);
  EXPECT_EQ(changes, 1);
  view->SetNrRows(6);
  EXPECT_EQ(setupChanges, 1);
}

TEST_F(TReportListFixture, HeaderHeightsAreClampedAndGoToTheirRows) {
  view->SetCommonHeaderHeight(200);
  EXPECT_EQ(view->GetCommonHeaderHeight(), 127);
  view->SetCommonHeaderHeight(3);
  EXPECT_EQ(view->GetCommonHeaderHeight(), 8);
  view->SetColumnHeadersHeight(-5);
  EXPECT_EQ(view->GetColumnHeadersHeight(), 8);
  view->SetColumnHeadersHeight(33);
  view->SetCommonHeaderHeight(41);
  EXPECT_EQ(view->GetRowHeights(0), 33);  // only the column headers show
  view->SetCommonHeaderVisible(true);
  EXPECT_EQ(view->GetRowHeights(0), 41);
  EXPECT_EQ(view->GetRowHeights(1), 33);
  view->SetColumnHeadersVisible(false);
  EXPECT_EQ(view->GetRowHeights(0), 41);
  EXPECT_EQ(view->GetRowHeights(1), view->GetDefaultRowHeight());
  view->SetCommonHeaderVisible(false);
  EXPECT_EQ(view->GetRowHeights(0), view->GetDefaultRowHeight());
}

TEST_F(TReportListFixture, BothHeadersKeepTheirHeightsOverAnEmptyStoreAndANewRowHeight) {
  view->SetNrRows(0);
  view->SetCommonHeaderVisible(true);
  view->SetColumnHeadersHeight(30);
  EXPECT_EQ(view->GetRowHeights(1), 30);
  view->SetDefaultRowHeight(18);
  EXPECT_EQ(view->GetRowHeights(0), 20);
  EXPECT_EQ(view->GetRowHeights(1), 30);
  EXPECT_EQ(view->GetRowHeights(2), 18);
}

TEST_F(TReportListFixture, NewColumnsTakeTheLastWidthAndResetTheOrder) {
  view->TCustomDrawGrid::SetColWidths(4, 90);
  view->SetColumnAlignment(2, taRightJustify);
  ASSERT_TRUE(view->SetColumnOrder({5, 4, 3, 2, 1}));
  view->SetNrCols(7);
  EXPECT_EQ(view->GetColCount(), 7);
  EXPECT_EQ(view->GetRLData()->GetNrOfColumns(), 7);
  for (int col = 4; col < 7; ++col) EXPECT_EQ(view->TCustomDrawGrid::GetColWidths(col), 90) << col;
  for (int col = 1; col <= 7; ++col) EXPECT_EQ(view->GetColumnOrder(col), col);
  EXPECT_EQ(view->GetColumnAlignment(2), taRightJustify);
  EXPECT_EQ(view->GetColumnAlignment(7), taLeftJustify);
  EXPECT_FALSE(view->GetColumnIsPwd(7));
  EXPECT_FALSE(view->GetColumnEditable(7));
  EXPECT_EQ(setupChanges, 1);
  view->SetNrCols(0);
  EXPECT_EQ(view->GetNrOfColumns(), 1);
  EXPECT_EQ(view->GetColCount(), 1);
}

TEST_F(TReportListFixture, TopRowAndLeftColAreInDataCoordinates) {
  Fill(100);
  view->SetCommonHeaderVisible(true);
  view->SetTopRow(30);
  EXPECT_EQ(view->GetTopRow(), 30);
  EXPECT_EQ(view->TCustomDrawGrid::GetTopRow(), 31);
  view->SetTopRow(-4);
  EXPECT_EQ(view->GetTopRow(), 1);
  view->SetNrRows(0);
  view->SetTopRow(5);
  EXPECT_EQ(view->GetTopRow(), 1);

  view->SetNrCols(20);
  view->SetLeftCol(7);
  EXPECT_EQ(view->GetLeftCol(), 7);
  view->SetLeftCol(99);
  EXPECT_LE(view->GetLeftCol(), 20);
  view->SetFixedFirstColumn(true);
  EXPECT_EQ(view->GetFixedCols(), 1);
  view->SetLeftCol(1);
  EXPECT_EQ(view->GetLeftCol(), 2);  // the fixed column never scrolls away
}

TEST_F(TReportListFixture, ColumnSettingsOutsideTheColumnsAreIgnored) {
  view->SetColumnAlignment(0, taCenter);
  view->SetColumnAlignment(6, taCenter);
  view->SetColumnIsPwd(6, true);
  view->SetColumnEditable(-1, true);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(view->GetColumnAlignment(6), taLeftJustify);
  EXPECT_FALSE(view->GetColumnIsPwd(0));
  EXPECT_FALSE(view->GetColumnEditable(-1));
  EXPECT_EQ(view->GetColumnOrder(0), 0);
  EXPECT_EQ(view->GetColumnOrder(6), 0);

  view->SetColumnIsPwd(2, true);
  view->SetColumnIsPwd(2, true);
  view->SetColumnAlignment(3, taCenter);
  EXPECT_EQ(changes, 2);  // only real changes
  view->SetColumnEditable(4, true);
  EXPECT_EQ(changes, 2);  // only stored
  EXPECT_TRUE(view->GetColumnEditable(4));
}

TEST_F(TReportListFixture, ColumnOrderNeedsOneEntryPerColumn) {
  EXPECT_FALSE(view->SetColumnOrder({2, 1}));
  for (int col = 1; col <= 5; ++col) EXPECT_EQ(view->GetColumnOrder(col), col);
  EXPECT_FALSE(view->SetColumnOrder({5, 0, 3, 9, 1}));  // bad entries are skipped
  EXPECT_EQ(view->GetColumnOrder(1), 5);
  EXPECT_EQ(view->GetColumnOrder(2), 2);
  EXPECT_EQ(view->GetColumnOrder(4), 4);
  EXPECT_EQ(view->GetColumnOrder(5), 1);
  EXPECT_TRUE(view->SetColumnOrder({3, 1, 2, 5, 4}));
  EXPECT_EQ(view->GetColumnOrder(1), 3);

  // Widths are addressed through the order.
  view->TCustomDrawGrid::SetColWidths(2, 77);
  EXPECT_EQ(view->GetColWidths(1), 77);
  view->SetColWidths(2, 55);
  EXPECT_EQ(view->TCustomDrawGrid::GetColWidths(0), 55);
  EXPECT_EQ(view->GetColWidths(0), 0);
  const int before = setupChanges;
  view->SetColWidths(9, 10);
  EXPECT_EQ(setupChanges, before + 1);
}

TEST_F(TReportListFixture, NumbersReportTheViewInTheirErrors) {
  Fill(2);
  view->SetElem(2, 1, " 1,5 ");
  EXPECT_DOUBLE_EQ(view->GetAsNumber(2, 1), 1.5);
  view->SetElem(2, 2, "abc");
  try {
    view->GetAsNumber(2, 2);
    FAIL() << "no error";
  } catch (const EZorvRepListError& e) {
    EXPECT_STREQ(e.what(), "Class TReportListView: invalid numeric string: [2,2]: abc");
  }
  EXPECT_DOUBLE_EQ(view->GetAsNumber(9, 9), 0.0);
}

TEST_F(TReportListFixture, ReadCellReplacesWhatGetElemReturnsButNotTheCell) {
  Fill(3);
  view->SetOnReadCell([](TObject*, int ACol, int ARow, std::string& Text) {
    if (ACol == 2 && ARow == 3) Text = "<" + Text + ">";
  });
  EXPECT_EQ(view->GetElem(2, 3), "<2.3>");
  EXPECT_EQ(view->GetElem(1, 3), "1.3");
  EXPECT_EQ(view->GetRLData()->GetElem(2, 3), "2.3");
}

TEST_F(TReportListFixture, CellChangesAndColumnSettingsRaiseOnChange) {
  Fill(2);
  changes = 0;
  view->SetElem(1, 1, "new");
  EXPECT_EQ(changes, 1);
  view->SetHeader(1, "Name");
  view->SetColumnCheckMode(2, cmBox);
  view->SetCommonHeader("Parts");
  view->SetCommonHeader("Parts");
  EXPECT_EQ(changes, 1 + 3 + 1);  // the mode change rewrites the column's cells once
  EXPECT_EQ(view->GetHeader(1), "Name");
  view->SetComment("c");
  view->SetDataID("id");
  EXPECT_EQ(view->GetComment(), "c");
  EXPECT_EQ(view->GetDataID(), "id");
}

TEST_F(TReportListFixture, StoreEventsArriveWithTheViewAsSender) {
  Fill(300);
  std::vector<int> percents;
  TObject* progressSender = nullptr;
  view->SetOnPercentDone([&](TObject* Sender, int Percent) {
    progressSender = Sender;
    percents.push_back(Percent);
  });
  view->Fill("x");
  EXPECT_EQ(progressSender, view);
  ASSERT_FALSE(percents.empty());
  EXPECT_EQ(percents.back(), 100);

  int exchanges = 0;
  TObject* sortSender = nullptr;
  view->SetOnBeforeSortExchange([&](TObject* Sender, const std::string&, const std::string&, bool&) {
    sortSender = Sender;
    ++exchanges;
  });
  for (int row = 1; row <= 300; ++row) view->SetElem(1, row, std::to_string(1000 - row));
  view->Sort(1, -1, true);
  EXPECT_GT(exchanges, 0);
  EXPECT_EQ(sortSender, view);
  EXPECT_EQ(view->GetElem(1, 1), "700");
  EXPECT_EQ(view->GetLastSortColumn(), 1);
  view->UnSort();
  EXPECT_EQ(view->GetLastSortColumn(), -1);
  EXPECT_EQ(view->GetElem(1, 1), "999");
}

TEST_F(TReportListFixture, BulkOperationsRestoreTheSuppressionTheyFound) {
  Fill(3);
  view->SetSuppressPaint(true);
  view->Fill("a");
  view->FitAllColWidths(1, true, 0, 500, 0);
  EXPECT_TRUE(view->GetSuppressPaint());
  view->SetSuppressPaint(false);
  view->Clear();
  EXPECT_FALSE(view->GetSuppressPaint());
}

TEST_F(TReportListFixture, ClearEmptiesTheCellsAndResetsTheColumns) {
  Fill(3);
  view->SetColumnAlignment(1, taRightJustify);
  view->SetColumnIsPwd(2, true);
  view->SetColumnEditable(3, true);
  view->SetColumnOrder({5, 4, 3, 2, 1});
  view->Clear();
  EXPECT_EQ(view->GetNrOfRows(), 3);
  EXPECT_EQ(view->GetElem(1, 1), "");
  EXPECT_EQ(view->GetColumnAlignment(1), taLeftJustify);
  EXPECT_FALSE(view->GetColumnIsPwd(2));
  EXPECT_FALSE(view->GetColumnEditable(3));
  EXPECT_EQ(view->GetColumnOrder(1), 1);
}

TEST_F(TReportListFixture, SecondarySortColumnAcceptsMinusOneToTheColumnCount) {
  view->SetSecondarySortColumn(3);
  view->SetSecondarySortColumn(6);
  view->SetSecondarySortColumn(-2);
  EXPECT_EQ(view->GetSecondarySortColumn(), 3);
  EXPECT_EQ(setupChanges, 1);
  view->SetSecondarySortColumn(-1);
  EXPECT_EQ(view->GetSecondarySortColumn(), -1);
}

TEST_F(TReportListFixture, AttributeBitsAreSeparateAndOutOfRangeIsIgnored) {
  Fill(4);
  view->SetRowSelected(2, true);
  view->SetRowEnabled(2, false);
  view->SetColumnSelected(3, true);
  EXPECT_EQ(selectionChanges, 3);
  EXPECT_TRUE(view->GetRowSelected(2));
  EXPECT_FALSE(view->GetRowEnabled(2));
  EXPECT_TRUE(view->GetColumnSelected(3));
  EXPECT_EQ(view->GetRLData()->GetStrings()->GetRowAttrib(2), 0xC0);
  view->SetRowEnabled(2, true);
  EXPECT_TRUE(view->GetRowSelected(2));
  view->SetRowSelected(5, true);
  view->SetColumnSelected(0, true);
  EXPECT_EQ(selectionChanges, 4);
  EXPECT_FALSE(view->GetRowSelected(5));
  EXPECT_FALSE(view->GetRowEnabled(0));

  view->SetRowSelected(3, true);
  view->SetRowSelectMode(2);
  EXPECT_TRUE(view->GetRowSelected(3));
  view->SetRowSelectMode(1);
  EXPECT_FALSE(view->GetRowSelected(2));
  EXPECT_FALSE(view->GetRowSelected(3));
}

// --- column widths ----------------------------------------------------------------------------------

struct TColumnWidthFixture : TReportListFixture {
  int TextWidth(const std::string& Text) {
    view->GetCanvas()->SetFont(view->GetFont());
    return view->GetCanvas()->TextWidth(Text);
  }
};

TEST_F(TColumnWidthFixture, MaxWidthMeasuresTheWidestStoredCellPlusTheExtras) {
  Fill(3);
  view->SetElem(2, 2, "a much longer text");
  EXPECT_EQ(view->DetermineMaxColWidth(0, true), 10);
  EXPECT_EQ(view->DetermineMaxColWidth(6, false), 10);
  EXPECT_EQ(view->DetermineMaxColWidth(2, false), TextWidth("a much longer text") + 10);
  view->SetHeader(2, "an even much longer header name");
  EXPECT_EQ(view->DetermineMaxColWidth(2, true), TextWidth("an even much longer header name") + 10);
  view->Sort(2, -1, true);
  EXPECT_EQ(view->DetermineMaxColWidth(2, true), TextWidth("an even much longer header name") + 13 + 10);

  view->SetColumnCheckMode(1, cmBox);
  view->SetElemChecked(1, 3, true);  // stored "X1.3": the flag is measured too
  EXPECT_EQ(view->DetermineMaxColWidth(1, false), TextWidth("X1.3") + 16 + 10);
  view->SetColumnCheckMode(1, cmRadio);  // the circle takes the box's room
  EXPECT_EQ(view->DetermineMaxColWidth(1, false), TextWidth(" 1.3") + 16 + 10);

  view->GetFont()->SetStyle(fsItalic);
  EXPECT_EQ(view->DetermineMaxColWidth(2, false), TextWidth("a much longer text") + 2 + 10);
}

TEST_F(TColumnWidthFixture, AutoWidthAddsTheAddonAndKeepsWithinItsLimits) {
  Fill(3);
  const int fit = view->DetermineMaxColWidth(3, false);
  view->AutoColWidth(3, false, 5);
  EXPECT_EQ(view->GetColWidths(3), fit + 5);
  view->AutoColWidth(3, false, -1000);
  EXPECT_EQ(view->GetColWidths(3), 4);
  view->AutoColWidth(3, false, 100, 50);
  EXPECT_EQ(view->GetColWidths(3), 50);
}

TEST_F(TColumnWidthFixture, ExpandGivesTheRestOfTheClientWidthButAtLeastSixteen) {
  for (int col = 1; col <= 5; ++col) view->SetColWidths(col, 40);
  view->ExpandColWidth(3, 10);
  EXPECT_EQ(view->GetColWidths(3), view->GetClientWidth() - 10 - 4 * 40);
  view->SetColWidths(1, 1000);
  view->ExpandColWidth(3, 0);
  EXPECT_EQ(view->GetColWidths(3), 16);
  const int before = setupChanges;
  view->ExpandColWidth(0, 0);
  EXPECT_EQ(setupChanges, before + 1);

  Fill(2);
  view->FitAllColWidths(5, false, 0, 30, 0);
  for (int col = 1; col <= 4; ++col) EXPECT_EQ(view->GetColWidths(col), std::min(30, view->DetermineMaxColWidth(col, false)));
  EXPECT_EQ(view->GetColWidths(5), view->GetClientWidth() - view->GetColWidths(1) - view->GetColWidths(2) -
                                       view->GetColWidths(3) - view->GetColWidths(4));
}

// --- copying ----------------------------------------------------------------------------------------

TEST_F(TReportListFixture, AssignCopiesTheListAndItsLookButNotTheHostsDetails) {
  Fill(6);
  view->SetCommonHeaderVisible(true);
  view->SetColumnAlignment(2, taCenter);
  view->SetColumnIsPwd(3, true);
  view->SetColumnEditable(4, true);
  view->SetColumnOrder({2, 1, 3, 4, 5});
  view->SetColorHigh(0x123456);
  view->SetColorColumnHd(0x0000AA);
  view->SetColorDisabledBkgd(0x010203);
  view->SetColorEmptyMsg(0x040506);
  view->SetEmptyMessage("nothing");
  view->SetHighLightRow(3);
  view->SetInterRowIndicatorPos(2);
  view->SetRowColPattern(3);
  view->SetCommonHeaderHeight(40);
  view->SetCheckMarksReadOnly(true);
  view->SetUseCtrlForMultiSel(false);
  view->SetRowSelectMode(2);
  view->SetColWidths(1, 99);
  view->SetOnReadCell([](TObject*, int, int, std::string& Text) { Text = "read"; });

  auto* copy = new TReportListView(&form);
  copy->SetParent(&form);
  copy->Assign(view);
  EXPECT_EQ(copy->GetNrOfRows(), 6);
  EXPECT_EQ(copy->GetElem(2, 5), "2.5");  // OnReadCell stays behind
  EXPECT_EQ(copy->CountHeadRows(), 2);
  EXPECT_EQ(copy->GetRowCount(), 8);
  EXPECT_EQ(copy->GetFixedRows(), 2);
  EXPECT_EQ(copy->GetColumnAlignment(2), taCenter);
  EXPECT_TRUE(copy->GetColumnIsPwd(3));
  EXPECT_TRUE(copy->GetColumnEditable(4));
  EXPECT_EQ(copy->GetColumnOrder(1), 2);
  EXPECT_EQ(copy->GetColorHigh(), TColor(0x123456));
  EXPECT_EQ(copy->GetColorColumnHd(), TColor(0x0000AA));
  EXPECT_EQ(copy->GetHighLightRow(), 3);
  EXPECT_EQ(copy->GetInterRowIndicatorPos(), 2);
  EXPECT_EQ(copy->GetRowColPattern(), 3);
  EXPECT_EQ(copy->GetRowSelectMode(), 2);
  // Not copied.
  EXPECT_EQ(copy->GetColorDisabledBkgd(), TColor(0xF0F0F0));
  EXPECT_EQ(copy->GetColorEmptyMsg(), TColor(0x000000));
  EXPECT_EQ(copy->GetEmptyMessage(), "");
  EXPECT_EQ(copy->GetCommonHeaderHeight(), 20);
  EXPECT_EQ(copy->GetRowHeights(0), 20);
  EXPECT_FALSE(copy->GetCheckMarksReadOnly());
  EXPECT_TRUE(copy->GetUseCtrlForMultiSel());
  EXPECT_EQ(copy->GetColWidths(1), copy->GetDefaultColWidth());

  // The handlers came along and the copy's own store reports to the copy.
  int copyChanges = 0;
  TObject* sender = nullptr;
  copy->SetOnChange([&](TObject* Sender) {
    sender = Sender;
    ++copyChanges;
  });
  copy->SetElem(1, 1, "changed");
  EXPECT_EQ(copyChanges, 1);
  EXPECT_EQ(sender, copy);
  EXPECT_EQ(view->GetElem(1, 1), "read");  // the original keeps its own cells (and handler)
  EXPECT_EQ(view->GetRLData()->GetElem(1, 1), "1.1");
}

TEST_F(TReportListFixture, AssignToAStoreCopiesTheCellsAndOtherSourcesAreRefused) {
  Fill(2);
  TRLData store;
  view->AssignTo(&store);
  EXPECT_EQ(store.GetNrOfRows(), 2);
  EXPECT_EQ(store.GetElem(3, 2), "3.2");
  TEdit edit(nullptr);
  EXPECT_THROW(view->Assign(&edit), EConvertError);
  EXPECT_EQ(view->GetNrOfRows(), 2);
}

TEST_F(TReportListFixture, FormFilesKeepThePublishedSettings) {
  view->SetNrCols(3);
  view->SetNrRows(9);
  view->SetCommonHeaderVisible(true);
  view->SetCommonHeader("Stock");
  view->SetColumnHeadersHeight(26);
  view->SetRowColPattern(2);
  view->SetEmptyMessage("No parts|in stock");
  view->SetColorColumnHd(0x00DDEE);
  const std::string json = WriteFormToJson(&form);
  std::unique_ptr<TComponent> copy(ReadFormFromJson(json, nullptr));
  auto* list = dynamic_cast<TReportListView*>(copy->FindComponent("List1"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetNrOfColumns(), 3);
  EXPECT_EQ(list->GetNrOfRows(), 9);
  EXPECT_EQ(list->GetCommonHeader(), "Stock");
  EXPECT_EQ(list->CountHeadRows(), 2);
  EXPECT_EQ(list->GetRowHeights(1), 26);
  EXPECT_EQ(list->GetRowColPattern(), 2);
  EXPECT_EQ(list->GetEmptyMessage(), "No parts|in stock");
  EXPECT_EQ(list->GetColorColumnHd(), TColor(0x00DDEE));
  EXPECT_EQ(list->GetRowCount(), 11);
}

}  // namespace
}  // namespace gadrix
