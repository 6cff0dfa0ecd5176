// Column names, formats and check modes of the report data store.

#include <gtest/gtest.h>

#include "gadrix/replist/replist.h"
#include "replist/RLDataTestSupport.h"

using namespace gadrix;
using namespace gadrix::test;

TEST(RLDataColumns, ColumnIndexFindsTheHighestMatchIgnoringCase) {
  TRLData store;
  store.SetNrCols(6);
  store.SetColName(2, "Amount");
  store.SetColName(5, "AMOUNT");
  store.SetColName(6, "Amount due");
  EXPECT_EQ(store.ColumnIndex("amount", false), 5);
  EXPECT_EQ(store.ColumnIndex("amount", true), 6);
  EXPECT_EQ(store.ColumnIndex("DUE", true), 6);
  EXPECT_EQ(store.ColumnIndex("due", false), -1);
  EXPECT_EQ(store.ColumnIndex("price", true), -1);
  EXPECT_EQ(store.ColumnIndex("c-1", false), 1);
}

TEST(RLDataColumns, NamesAndFormatsAreCutAndOutOfRangeColumnsIgnored) {
  TRLData store;
  store.SetNrCols(2);
  store.SetColName(1, std::string(60, 'n'));
  store.SetColumnFormat(1, "[s]" + std::string(90, 'f'));
  EXPECT_EQ(store.GetColName(1), std::string(kMaxColNameLength, 'n'));
  EXPECT_EQ(store.GetColumnFormat(1).size(), static_cast<std::size_t>(kMaxColFormatLength));
  // Characters count, not bytes: 50 umlauts fit, the 51st is cut whole.
  std::string umlauts;
  for (int k = 0; k < 51; ++k) umlauts += "\xC3\xA4";
  store.SetColName(2, umlauts);
  EXPECT_EQ(store.GetColName(2), umlauts.substr(0, 100));
  for (const int col : {0, 3, -1}) {
    store.SetColName(col, "x");
    store.SetColumnFormat(col, "[i]");
    store.SetColCheckMode(col, cmBox);
    EXPECT_EQ(store.GetColName(col), "");
    EXPECT_EQ(store.GetColumnFormat(col), "");
    EXPECT_EQ(store.GetColCheckMode(col), cmNone);
    EXPECT_FALSE(store.GetCheckedCol(col));
  }
}

TEST(RLDataColumns, SwitchingToACheckModeFlagsNonEmptyCellsAndBackRestoresThem) {
  TRLData store;
  PutColumn(store, 1, {"a", "", "b"});
  store.SetColCheckMode(1, cmBox);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{" a", "", " b"}));
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"a", "", "b"}));
  EXPECT_EQ(CheckedColumn(store, 1), (std::vector<bool>{false, false, false}));
  store.SetColCheckMode(1, cmNone);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{"a", "", "b"}));
  store.SetColCheckMode(1, cmRadio);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{" a", "", " b"}));
}

TEST(RLDataColumns, LeavingACheckModeDropsTheFlagCharacterWhole) {
  TRLData store;
  PutColumn(store, 1, {"x", "", "y"});
  store.SetColCheckMode(1, cmBox);
  PutStoredColumn(store, 1, {"Xdone", "", "\xE2\x9C\x93tick"});  // a multi-byte flag
  store.SetColCheckMode(1, cmNone);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{"done", "", "tick"}));
}

TEST(RLDataColumns, BoxToRadioClearsTheMarksRadioToBoxKeepsThem) {
  TRLData store;
  PutColumn(store, 1, {"a", "b", ""});
  store.SetColCheckMode(1, cmBox);
  store.SetElemChecked(1, 1, true);
  store.SetElemChecked(1, 2, true);
  store.SetColCheckMode(1, cmRadio);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{" a", " b", ""}));
  store.SetElemChecked(1, 2, true);
  store.SetColCheckMode(1, cmBox);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{" a", "Xb", ""}));
}

TEST(RLDataColumns, CheckedColPropertyMapsToBoxAndNone) {
  TRLData store;
  store.SetNrCols(2);
  store.SetCheckedCol(2, true);
  EXPECT_EQ(store.GetColCheckMode(2), cmBox);
  EXPECT_TRUE(store.GetIsCheckedColumn(2));
  store.SetColCheckMode(2, cmRadio);
  EXPECT_FALSE(store.GetCheckedCol(2));
  store.SetCheckedCol(2, false);
  EXPECT_EQ(store.GetColumnCheckMode(2), cmNone);
}

TEST(RLDataColumns, ModeConversionRaisesTheTableChangeOnceAndNoneWhenUnchanged) {
  TRLData store;
  PutColumn(store, 1, {"a", "b", "c", "d"});
  int changes = 0;
  store.GetStrings()->SetOnChange([&](TObject*) { ++changes; });
  store.SetColCheckMode(1, cmBox);
  EXPECT_EQ(changes, 1);
  store.SetColCheckMode(1, cmBox);
  store.SetColCheckMode(1, cmRadio);  // no marks to clear
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(static_cast<bool>(store.GetStrings()->GetOnChange()));
}
