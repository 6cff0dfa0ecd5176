// Sorting and copying of the report data store.

#include <gtest/gtest.h>

#include "gadrix/replist/replist.h"
#include "replist/RLDataTestSupport.h"

using namespace gadrix;
using namespace gadrix::test;

namespace {

// A store of 3 columns and 5 rows, sorted by column 2 descending, with flags, attribute bytes,
// column settings and every text property set.
void MakeSortedStore(TRLData& Store) {
  Store.SetNrCols(3);
  PutColumn(Store, 1, {"e", "b", "d", "a", "c"});
  PutColumn(Store, 2, {"10", "40", "20", "50", "30"});
  PutColumn(Store, 3, {"x", "", "y", "z", ""});
  Store.SetElem(0, 4, "key a");
  Store.SetColCheckMode(3, cmBox);
  Store.SetElemChecked(3, 3, true);
  Store.SetColName(1, "Letter");
  Store.SetColumnFormat(2, "[i]rix3");
  Store.GetStrings()->SetRowAttrib(2, kAttribSelected);
  Store.GetStrings()->SetRowAttrib(5, kRowAttribDisabled);
  Store.GetStrings()->SetColAttrib(2, kAttribSelected);
  Store.GetStrings()->SetAllocRowsBy(64);
  Store.SetComment("comment");
  Store.SetCommonHeader("Header\nsecond line");
  Store.SetDataID("set1");
  Store.SetSortToggle(false);
  Store.Sort(2, 1, false);
}

}  // namespace

TEST(RLDataSort, SortRecordsTheSortAndUnSortForgetsTheColumns) {
  TRLData store;
  store.SetNrCols(2);
  PutColumn(store, 1, {"b", "a", "b", "a"});
  PutColumn(store, 2, {"2", "2", "1", "1"});
  store.Sort(1, 2, true);
  EXPECT_EQ(ElemColumn(store, 2), (Texts{"1", "2", "1", "2"}));
  EXPECT_EQ(store.GetLastSortColumn(), 1);
  EXPECT_EQ(store.GetSortColumnSec(), 2);
  EXPECT_TRUE(store.GetLastSortOrder());
  store.Sort(2, -1, false);
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"b", "a", "b", "a"}));
  EXPECT_FALSE(store.GetLastSortOrder());
  store.UnSort();
  EXPECT_EQ(store.GetLastSortColumn(), -1);
  EXPECT_EQ(store.GetSortColumnSec(), -1);
  EXPECT_FALSE(store.GetLastSortOrder());  // the direction stays recorded
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"b", "a", "b", "a"}));
  EXPECT_EQ(ElemColumn(store, 2), (Texts{"2", "2", "1", "1"}));
}

TEST(RLDataSort, SecondarySortColumnAcceptsOnlyMinusOneToNrOfColumns) {
  TRLData store;
  store.SetNrCols(2);
  store.SetSortColumnSec(2);
  EXPECT_EQ(store.GetSortColumnSec(), 2);
  store.SetSortColumnSec(3);
  store.SetSortColumnSec(-2);
  EXPECT_EQ(store.GetSortColumnSec(), 2);
  store.SetSortColumnSec(-1);
  EXPECT_EQ(store.GetSortColumnSec(), -1);
  store.Sort(1, 2, true);
  store.ForgetSortColumns();
  EXPECT_EQ(store.GetLastSortColumn(), -1);
  EXPECT_EQ(store.GetSortColumnSec(), -1);
}

TEST(RLDataSort, BeforeSortExchangeIsForwardedWithTheStoreAsSender) {
  TRLData store;
  PutColumn(store, 1, {"1", "2", "3"});
  int calls = 0;
  // The handler overrules the order: everything goes in reverse.
  store.SetOnBeforeSortExchange(
      [&](TObject* Sender, const std::string&, const std::string&, bool& Exchange) {
        EXPECT_EQ(Sender, &store);
        ++calls;
        Exchange = true;
      });
  store.Sort(1, -1, true);
  EXPECT_GT(calls, 0);
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"3", "2", "1"}));
  // Without a handler the table sorts by its own rule and nobody is asked.
  store.SetOnBeforeSortExchange(nullptr);
  EXPECT_FALSE(static_cast<bool>(store.GetStrings()->GetOnBeforeSortExchange()));
  store.Sort(1, -1, true);
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"1", "2", "3"}));
}

TEST(RLDataSort, AHandlerInstalledInTheTableItselfIsLeftAlone) {
  TRLData store;
  PutColumn(store, 1, {"1", "2"});
  int tableCalls = 0;
  store.GetStrings()->SetOnBeforeSortExchange(
      [&](TObject*, const std::string&, const std::string&, bool&) { ++tableCalls; });
  store.SetOnBeforeSortExchange([](TObject*, const std::string&, const std::string&, bool&) {});
  store.Sort(1, -1, true);
  EXPECT_GT(tableCalls, 0);
}

TEST(RLDataAssign, CopyOfASortedStoreHasTheSameRowsOrderAndLayout) {
  TRLData source;
  MakeSortedStore(source);
  int exchanges = 0;
  source.SetOnBeforeSortExchange(
      [&](TObject*, const std::string&, const std::string&, bool&) { ++exchanges; });
  TRLData copy;
  copy.SetNrCols(7);
  copy.SetNrRows(9);
  copy.Assign(&source);

  EXPECT_EQ(copy.GetNrOfColumns(), 3);
  EXPECT_EQ(copy.GetNrOfRows(), 5);
  for (int col = 0; col <= 3; ++col) {
    EXPECT_EQ(ElemColumn(copy, col), ElemColumn(source, col)) << col;
    EXPECT_EQ(StoredColumn(copy, col), StoredColumn(source, col)) << col;
  }
  const TStringArray& from = *source.GetStrings();
  const TStringArray& to = *copy.GetStrings();
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(to.GetSortOrder(row), from.GetSortOrder(row)) << row;
    EXPECT_EQ(to.GetRowAttrib(row), from.GetRowAttrib(row)) << row;
  }
  EXPECT_EQ(to.GetColAttrib(2), kAttribSelected);
  EXPECT_EQ(to.GetAllocRowsBy(), 64);
  EXPECT_EQ(copy.GetColName(1), "Letter");
  EXPECT_EQ(copy.GetColumnFormat(2), "[i]rix3");
  EXPECT_EQ(copy.GetColCheckMode(3), cmBox);
  EXPECT_EQ(copy.GetLastSortColumn(), 2);
  EXPECT_EQ(copy.GetSortColumnSec(), 1);
  EXPECT_FALSE(copy.GetLastSortOrder());
  EXPECT_FALSE(copy.GetSortToggle());
  EXPECT_EQ(copy.GetComment(), "comment");
  EXPECT_EQ(copy.GetCommonHeader(), "Header\nsecond line");
  EXPECT_EQ(copy.GetDataID(), "set1");
  EXPECT_EQ(copy.GetFeedbkNumCells(), 20);

  // The same physical layout: both unsort to the order the rows were written in.
  source.UnSort();
  copy.UnSort();
  for (int col = 0; col <= 3; ++col) EXPECT_EQ(StoredColumn(copy, col), StoredColumn(source, col));
  EXPECT_EQ(ElemColumn(copy, 1), (Texts{"e", "b", "d", "a", "c"}));
  EXPECT_EQ(copy.GetStrings()->GetRowAttrib(2), kAttribSelected);
  EXPECT_EQ(copy.GetStrings()->GetRowAttrib(5), kRowAttribDisabled);

  // The copy took the source's sort-exchange handler and forwards it.
  copy.Sort(1, -1, true);
  EXPECT_GT(exchanges, 0);
}

TEST(RLDataAssign, CopyKeepsItsOwnListenersAndEventsAndRaisesOneChange) {
  TRLData source;
  MakeSortedStore(source);
  source.SetOnPercentDone([](TObject*, int) { FAIL() << "the source's handler"; });
  TRLData copy;
  int changes = 0;
  int tableProgress = 0;
  std::vector<int> percents;
  copy.GetStrings()->SetOnChange([&](TObject*) { ++changes; });
  copy.GetStrings()->SetOnPercentDone([&](TObject*, int) { ++tableProgress; });
  copy.SetOnPercentDone([&](TObject* Sender, int Percent) {
    EXPECT_EQ(Sender, &copy);
    percents.push_back(Percent);
  });
  copy.Assign(&source);
  EXPECT_EQ(changes, 1);
  // 5 rows of 4 cells, a report every cell: after each row, the last one saying 100.
  EXPECT_EQ(percents, (std::vector<int>{20, 40, 60, 80, 100}));
  copy.SetElem(1, 1, "changed");
  EXPECT_EQ(changes, 2);
  copy.Sort(1, -1, true);
  EXPECT_GT(tableProgress, 0);
}

TEST(RLDataAssign, EmptyStoresAndSelfAssignment) {
  TRLData empty;
  empty.SetNrCols(3);
  TRLData copy;
  MakeSortedStore(copy);
  copy.Assign(&empty);
  EXPECT_EQ(copy.GetNrOfRows(), 0);
  EXPECT_EQ(copy.GetNrOfColumns(), 3);
  EXPECT_EQ(copy.GetStrings()->GetNrOfRows(), 1);
  EXPECT_EQ(copy.GetFeedbkNumCells(), 4);  // counted with one row
  EXPECT_EQ(copy.GetColName(1), "C-1");

  MakeSortedStore(copy);
  const Texts before = ElemColumn(copy, 1);
  copy.Assign(&copy);
  EXPECT_EQ(ElemColumn(copy, 1), before);
}

TEST(RLDataAssign, AssignToAnotherStoreWorksAndOtherClassesAreRefused) {
  TRLData source;
  MakeSortedStore(source);
  TRLData target;
  source.AssignTo(&target);
  EXPECT_EQ(ElemColumn(target, 1), ElemColumn(source, 1));

  TComponent plain(nullptr);
  EXPECT_THROW(plain.Assign(&source), EConvertError);
  EXPECT_THROW(source.Assign(&plain), EConvertError);
  EXPECT_THROW(source.Assign(nullptr), EConvertError);
  EXPECT_EQ(source.GetNrOfRows(), 5);
}
