// Check marks of the report data store: radio columns, whole-column operations, disabled rows,
// counts and searches.

#include <gtest/gtest.h>

#include "gadrix/replist/replist.h"
#include "replist/RLDataTestSupport.h"

using namespace gadrix;
using namespace gadrix::test;

using Marks = std::vector<bool>;

TEST(RLDataCheck, CheckingARadioCellLeavesItTheOnlyCheckedOne) {
  TRLData store;
  PutColumn(store, 1, {"a", "b", "c", ""});
  store.SetColCheckMode(1, cmRadio);
  store.SetElemChecked(1, 1, true);
  store.SetElemChecked(1, 3, true);
  EXPECT_EQ(CheckedColumn(store, 1), (Marks{false, false, true, false}));
  // Clearing one radio cell clears them all; the other empty cell stays empty.
  store.SetElemChecked(1, 1, true);
  store.SetElemChecked(1, 2, false);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{" a", " b", " c", ""}));
}

TEST(RLDataCheck, SetAllMarksFollowsTheColumnsMode) {
  TRLData store;
  store.SetNrCols(3);
  for (const int col : {1, 2, 3}) PutColumn(store, col, {"a", ""});
  store.SetColCheckMode(1, cmBox);
  store.SetColCheckMode(2, cmRadio);
  store.SetElemChecked(2, 1, true);

  store.SetAllCheckmarksOfCol(1, true);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{"Xa", "X"}));
  store.SetAllCheckmarksOfCol(1, false);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{" a", " "}));

  store.SetAllCheckmarksOfCol(2, true);  // a radio column is never all checked
  EXPECT_EQ(StoredColumn(store, 2), (Texts{"Xa", ""}));
  store.SetAllCheckmarksOfCol(2, false);
  EXPECT_EQ(StoredColumn(store, 2), (Texts{" a", " "}));

  store.SetAllCheckmarksOfCol(3, false);
  store.SetAllCheckmarksOfCol(3, true);
  EXPECT_EQ(StoredColumn(store, 3), (Texts{"a", ""}));
}

TEST(RLDataCheck, InvertWorksOnBoxColumnsByCheckState) {
  TRLData store;
  store.SetNrCols(2);
  store.SetNrRows(4);
  store.SetColCheckMode(1, cmBox);
  PutStoredColumn(store, 1, {"Xa", " b", "", "Yc"});
  store.InvertAllCheckmarksOfCol(1);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{" a", "Xb", "X", " c"}));
  store.SetColCheckMode(2, cmRadio);
  PutStoredColumn(store, 2, {"Xa", " b"});
  store.InvertAllCheckmarksOfCol(2);
  store.InvertAllCheckmarksOfColIntern(2, false);
  EXPECT_EQ(StoredColumn(store, 2), (Texts{"Xa", " b", "", ""}));
}

TEST(RLDataCheck, InternOperationsCanSkipDisabledRows) {
  TRLData store;
  PutColumn(store, 1, {"a", "b", "c"});
  store.SetColCheckMode(1, cmBox);
  store.GetStrings()->SetRowAttrib(2, kRowAttribDisabled | kAttribSelected);
  store.SetAllCheckmarksOfColIntern(1, true, true);
  EXPECT_EQ(CheckedColumn(store, 1), (Marks{true, false, true}));
  store.InvertAllCheckmarksOfColIntern(1, true);
  EXPECT_EQ(CheckedColumn(store, 1), (Marks{false, false, false}));
  store.InvertAllCheckmarksOfColIntern(1, false);
  EXPECT_EQ(CheckedColumn(store, 1), (Marks{true, true, true}));
  // A selected row that is not disabled is affected.
  store.GetStrings()->SetRowAttrib(2, kAttribSelected);
  store.SetAllCheckmarksOfColIntern(1, false, true);
  EXPECT_EQ(CheckedColumn(store, 1), (Marks{false, false, false}));
}

TEST(RLDataCheck, InternSetIgnoresTheRadioRuleButNotPlainColumns) {
  TRLData store;
  store.SetNrCols(2);
  PutColumn(store, 1, {"a", "b"});
  PutColumn(store, 2, {"text", "more"});
  store.SetColCheckMode(1, cmRadio);
  store.SetAllCheckmarksOfColIntern(1, true, false);
  EXPECT_EQ(CheckedColumn(store, 1), (Marks{true, true}));
  // The first characters of a plain column are text, not flags.
  store.SetAllCheckmarksOfColIntern(2, true, false);
  EXPECT_EQ(StoredColumn(store, 2), (Texts{"text", "more"}));
}

TEST(RLDataCheck, CountsAndFirstCheckedCells) {
  TRLData store;
  store.SetNrCols(4);
  store.SetNrRows(3);
  store.SetColCheckMode(2, cmBox);
  store.SetColCheckMode(4, cmRadio);
  PutStoredColumn(store, 1, {"X", "X", "X"});  // plain text, not a mark
  PutStoredColumn(store, 2, {" a", "Xb", "Xc"});
  PutStoredColumn(store, 4, {"", "", "Xd"});
  store.GetStrings()->SetRowAttrib(3, kRowAttribDisabled);  // still counted by the store

  EXPECT_EQ(store.CountCheckedElemsInCol(1), 0);
  EXPECT_EQ(store.CountCheckedElemsInCol(2), 2);
  EXPECT_EQ(store.CountCheckedElemsInCol(4), 1);
  EXPECT_EQ(store.CountCheckedElemsInCol(5), 0);
  EXPECT_EQ(store.CountCheckedElemsInRow(1), 0);
  EXPECT_EQ(store.CountCheckedElemsInRow(3), 2);
  EXPECT_EQ(store.CountCheckedElemsInRow(4), 0);

  EXPECT_EQ(store.FirstCheckedElemInCol(2), 2);
  EXPECT_EQ(store.FirstCheckedElemInCol(4), 3);
  EXPECT_EQ(store.FirstCheckedElemInCol(1), 0);
  EXPECT_EQ(store.FirstCheckedElemInRow(3), 2);
  EXPECT_EQ(store.FirstCheckedElemInRow(1), 0);
  EXPECT_EQ(store.FirstCheckedElemInRow(0), 0);
  EXPECT_EQ(store.FirstCheckedElemInRow(4), 0);
}

TEST(RLDataCheck, ColumnOperationsRaiseOneTableChangeAndReportProgress) {
  TRLData store;
  PutColumn(store, 1, {"a", "b", "c", "d", "e"});
  store.SetColCheckMode(1, cmBox);
  int changes = 0;
  std::vector<int> percents;
  store.GetStrings()->SetOnChange([&](TObject*) { ++changes; });
  store.SetOnPercentDone([&](TObject* Sender, int Percent) {
    EXPECT_EQ(Sender, &store);
    percents.push_back(Percent);
  });
  store.SetAllCheckmarksOfCol(1, true);
  EXPECT_EQ(changes, 1);
  // 5 rows x 2 columns: a report after every cell of the column.
  EXPECT_EQ(percents, (std::vector<int>{20, 40, 60, 80, 100}));
  store.SetAllCheckmarksOfCol(1, true);
  EXPECT_EQ(changes, 1);
  store.SetElemChecked(1, 2, false);
  EXPECT_EQ(changes, 2);
}
