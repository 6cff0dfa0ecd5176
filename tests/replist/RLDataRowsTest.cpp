// Rows of the report data store: removing, copying and filling.

#include <gtest/gtest.h>

#include "gadrix/replist/replist.h"
#include "replist/RLDataTestSupport.h"

using namespace gadrix;
using namespace gadrix::test;

TEST(RLDataRows, RemovingTheOnlyRowEmptiesItAndLeavesNoRows) {
  TRLData store;
  store.SetNrCols(2);
  store.SetNrRows(1);
  store.SetElem(0, 1, "key");
  store.SetElem(2, 1, "value");
  store.GetStrings()->SetRowAttrib(1, kAttribSelected | kRowAttribDisabled);
  store.RemoveRow(1);
  EXPECT_EQ(store.GetNrOfRows(), 0);
  EXPECT_EQ(store.GetFeedbkNumCells(), 1);
  const TStringArray& table = *store.GetStrings();
  ASSERT_EQ(table.GetNrOfRows(), 1);
  EXPECT_EQ(table.GetString(0, 1), "");
  EXPECT_EQ(table.GetString(2, 1), "");
  // A row added later starts empty, neither selected nor disabled.
  store.SetNrRows(1);
  EXPECT_EQ(table.GetRowAttrib(1), 0);
  EXPECT_EQ(store.GetElem(2, 1), "");
}

TEST(RLDataRows, RemoveRowMakesTheSortOrderPhysicalFirst) {
  TRLData store;
  PutColumn(store, 1, {"c", "a", "d", "b"});
  store.Sort(1, -1, true);
  store.RemoveRow(2);  // "b" in sorted order
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"a", "c", "d"}));
  EXPECT_EQ(store.GetNrOfRows(), 3);
  EXPECT_FALSE(store.GetStrings()->GetSorted());
  store.UnSort();
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"a", "c", "d"}));
  store.RemoveRow(0);
  store.RemoveRow(4);
  EXPECT_EQ(store.GetNrOfRows(), 3);
}

TEST(RLDataRows, RemoveEmptyRowsTestsEveryColumnAndCountsFlagsAsEmpty) {
  TRLData store;
  store.SetNrCols(2);
  store.SetNrRows(6);
  store.SetColCheckMode(2, cmBox);
  PutColumn(store, 1, {"a", "", "", "b", "", ""});
  store.SetElem(0, 3, "hidden key");          // column 0 counts
  store.SetElemChecked(2, 5, true);           // a flag alone does not
  store.GetStrings()->SetRowAttrib(4, kAttribSelected);
  store.RemoveEmptyRows();
  EXPECT_EQ(store.GetNrOfRows(), 3);
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"a", "", "b"}));
  EXPECT_EQ(store.GetElem(0, 2), "hidden key");
  EXPECT_EQ(store.GetStrings()->GetRowAttrib(3), kAttribSelected);
  EXPECT_EQ(store.GetStrings()->GetNrOfRows(), 3);
}

TEST(RLDataRows, RemoveEmptyRowsWorksInSortedOrderAndCanEmptyTheStore) {
  TRLData store;
  PutColumn(store, 1, {"z", "", "y", ""});
  store.Sort(1, -1, false);
  store.RemoveEmptyRows();
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"z", "y"}));
  store.UnSort();
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"z", "y"}));

  TRLData blank;
  blank.SetNrRows(3);
  blank.SetColCheckMode(1, cmBox);
  blank.SetAllCheckmarksOfCol(1, true);
  blank.RemoveEmptyRows();
  EXPECT_EQ(blank.GetNrOfRows(), 0);
  EXPECT_EQ(blank.GetStrings()->GetNrOfRows(), 1);
  EXPECT_EQ(blank.GetStrings()->GetString(1, 1), "");
}

TEST(RLDataRows, RemoveEmptyRowsWithoutEmptyRowsKeepsTheSortPermutation) {
  TRLData store;
  PutColumn(store, 1, {"b", "a"});
  store.Sort(1, -1, true);
  store.RemoveEmptyRows();
  EXPECT_EQ(store.GetStrings()->GetSortOrder(1), 2);
  store.UnSort();
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"b", "a"}));
}

TEST(RLDataRows, CopyRowCopiesStoredCellsAndTheAttributeByte) {
  TRLData store;
  store.SetNrCols(2);
  store.SetNrRows(3);
  store.SetColCheckMode(2, cmBox);
  store.SetElem(0, 1, "k");
  store.SetElem(1, 1, "one");
  store.SetElem(2, 1, "flagged");
  store.SetElemChecked(2, 1, true);
  store.GetStrings()->SetRowAttrib(1, kRowAttribDisabled);
  store.SetElem(1, 3, "three");
  store.CopyRow(1, 3);
  EXPECT_EQ(store.GetElem(0, 3), "k");
  EXPECT_EQ(store.GetElem(1, 3), "one");
  EXPECT_EQ(store.GetStrings()->GetString(2, 3), "Xflagged");
  EXPECT_EQ(store.GetStrings()->GetRowAttrib(3), kRowAttribDisabled);
  store.CopyRow(2, 4);
  store.CopyRow(0, 1);
  EXPECT_EQ(store.GetElem(1, 1), "one");
}

TEST(RLDataRows, FillKeepsCheckStatesAndLeavesColumnZero) {
  TRLData store;
  store.SetNrCols(2);
  store.SetNrRows(3);
  store.SetColCheckMode(2, cmBox);
  PutStoredColumn(store, 2, {"Xa", " b", ""});
  store.SetElem(0, 1, "key");
  store.Fill("v");
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"v", "v", "v"}));
  EXPECT_EQ(StoredColumn(store, 2), (Texts{"Xv", " v", " v"}));
  EXPECT_EQ(store.GetElem(0, 1), "key");
}

TEST(RLDataRows, FillRaisesOneTableChangeAndReportsOncePerStep) {
  TRLData store;
  store.SetNrCols(4);
  store.SetNrRows(500);  // 2500 cells: a report every 26 cells
  ASSERT_EQ(store.GetFeedbkStep(), 26);
  int changes = 0;
  std::vector<int> percents;
  store.GetStrings()->SetOnChange([&](TObject*) { ++changes; });
  store.SetOnPercentDone([&](TObject*, int Percent) { percents.push_back(Percent); });
  store.Fill("x");
  EXPECT_EQ(changes, 1);
  // 2000 cells filled: 76 steps of 26 cells, then the final 100.
  ASSERT_EQ(percents.size(), 77u);
  EXPECT_EQ(percents.front(), 26 * 100 / 2000);
  EXPECT_EQ(percents[75], 76 * 26 * 100 / 2000);
  EXPECT_EQ(percents.back(), 100);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
}
