// Cells of the report data store: texts and check flags, numbers and default values.

#include <gtest/gtest.h>

#include <cmath>

#include "gadrix/replist/replist.h"
#include "replist/RLDataTestSupport.h"

using namespace gadrix;
using namespace gadrix::test;

TEST(RLDataCells, OutOfRangeCellsReadEmptyAndIgnoreWrites) {
  TRLData store;
  store.SetNrCols(2);
  store.SetNrRows(2);
  store.SetColCheckMode(1, cmBox);
  int changes = 0;
  store.GetStrings()->SetOnChange([&](TObject*) { ++changes; });
  for (const auto& [col, row] : std::vector<std::pair<int, int>>{{-1, 1}, {3, 1}, {1, 0}, {1, 3}}) {
    store.SetElem(col, row, "x");
    store.SetElemChecked(col, row, true);
    EXPECT_EQ(store.GetElem(col, row), "");
    EXPECT_FALSE(store.GetElemChecked(col, row));
    EXPECT_EQ(store.GetAsNumber(col, row), 0.0);
  }
  EXPECT_EQ(changes, 0);
}

TEST(RLDataCells, TheTablesSpareRowOfAnEmptyStoreIsNotACell) {
  TRLData store;  // no rows, but one physical row in the table
  store.SetElem(1, 1, "x");
  EXPECT_EQ(store.GetStrings()->GetString(1, 1), "");
  EXPECT_EQ(store.GetElem(1, 1), "");
}

TEST(RLDataCells, ColumnZeroHoldsPlainTextAndIsNeverACheckColumn) {
  TRLData store;
  store.SetNrRows(1);
  store.SetElem(0, 1, " key");
  EXPECT_EQ(store.GetElem(0, 1), " key");
  store.SetElemChecked(0, 1, true);
  EXPECT_EQ(store.GetElem(0, 1), " key");
  EXPECT_FALSE(store.GetElemChecked(0, 1));
}

TEST(RLDataCells, ElemHidesTheFlagAndSetElemKeepsIt) {
  TRLData store;
  store.SetNrRows(4);
  store.SetColCheckMode(1, cmBox);
  PutStoredColumn(store, 1, {"Xapple", " pear", "", "Yplum"});
  EXPECT_EQ(ElemColumn(store, 1), (Texts{"apple", "pear", "", "plum"}));
  EXPECT_EQ(CheckedColumn(store, 1), (std::vector<bool>{true, false, false, true}));
  PutColumn(store, 1, {"cherry", "fig", "kiwi", "lime"});
  // The flag stays as it was, also an unusual one; an empty cell gets a blank flag.
  EXPECT_EQ(StoredColumn(store, 1), (Texts{"Xcherry", " fig", " kiwi", "Ylime"}));
  store.SetElem(1, 1, "");
  EXPECT_EQ(store.GetStrings()->GetString(1, 1), "X");
  EXPECT_EQ(store.GetElem(1, 1), "");
  EXPECT_TRUE(store.GetElemChecked(1, 1));
}

TEST(RLDataCells, SetElemCheckedWritesTheFlagOnlyInCheckColumns) {
  TRLData store;
  store.SetNrCols(2);
  PutColumn(store, 1, {"a", ""});
  PutColumn(store, 2, {"plain", ""});
  store.SetColCheckMode(1, cmBox);
  store.SetElemChecked(1, 1, true);
  store.SetElemChecked(1, 2, false);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{"Xa", " "}));
  store.SetElemChecked(1, 2, true);
  store.SetElemChecked(1, 1, false);
  EXPECT_EQ(StoredColumn(store, 1), (Texts{" a", "X"}));
  store.SetElemChecked(2, 1, true);
  EXPECT_EQ(store.GetElem(2, 1), "plain");
  EXPECT_FALSE(store.GetElemChecked(2, 1));
}

TEST(RLDataCells, CellsAreCutTo255CharactersFlagIncluded) {
  TRLData store;
  store.SetNrCols(2);
  store.SetNrRows(1);
  store.SetColCheckMode(2, cmBox);
  store.SetElem(1, 1, std::string(300, 'a'));
  store.SetElem(2, 1, std::string(300, 'b'));
  EXPECT_EQ(store.GetElem(1, 1), std::string(255, 'a'));
  EXPECT_EQ(store.GetElem(2, 1), std::string(254, 'b'));
}

TEST(RLDataCells, AsNumberReadsTrimmedTextWithCommaOrPoint) {
  TRLData store;
  store.SetNrCols(2);
  PutColumn(store, 1, {" 1,5 ", "", "-2.25e2", "+.5", "7.", "1e400", "-1e400", "1e-400", "   "});
  EXPECT_EQ(store.GetAsNumber(1, 1), 1.5);
  EXPECT_EQ(store.GetAsNumber(1, 2), 0.0);
  EXPECT_EQ(store.GetAsNumber(1, 3), -225.0);
  EXPECT_EQ(store.GetAsNumber(1, 4), 0.5);
  EXPECT_EQ(store.GetAsNumber(1, 5), 7.0);
  EXPECT_EQ(store.GetAsNumber(1, 6), HUGE_VAL);
  EXPECT_EQ(store.GetAsNumber(1, 7), -HUGE_VAL);
  EXPECT_EQ(store.GetAsNumber(1, 8), 0.0);
  EXPECT_EQ(store.GetAsNumber(1, 9), 0.0);
  // In a check column the flag is not part of the number.
  store.SetColCheckMode(2, cmBox);
  store.SetElem(2, 1, "42");
  store.SetElemChecked(2, 1, true);
  EXPECT_EQ(store.GetAsNumber(2, 1), 42.0);
}

TEST(RLDataCells, AsNumberOfANonNumberRaisesWithColumnRowAndText) {
  TRLData store;
  store.SetNrCols(2);
  store.SetNrRows(7);
  store.SetElem(2, 7, "abc");
  try {
    store.GetAsNumber(2, 7);
    FAIL() << "no error";
  } catch (const EZorvRLDataError& e) {
    EXPECT_STREQ(e.what(), "Class TRLData: invalid numeric string: [2,7]: abc");
  }
  // A store error is also a container error, and a failed read changes nothing.
  EXPECT_THROW(store.GetAsNumber(2, 7), EZorvDStructError);
  EXPECT_EQ(store.GetElem(2, 7), "abc");
  for (const char* bad : {"1 000", "1.2.3", "1e", "e5", ".", "-", "0x1F", "1,000.5", "inf", "12a"}) {
    store.SetElem(1, 1, bad);
    EXPECT_THROW(store.GetAsNumber(1, 1), EZorvRLDataError) << bad;
  }
}

namespace {

// The default of row Row in a one-column store whose column has Format.
std::string DefaultOf(const std::string& Format, int Row = 1) {
  TRLData store;
  store.SetColumnFormat(1, Format);
  return store.GetCellDefaultValue(1, Row);
}

}  // namespace

TEST(RLDataCells, RowNumberDefaultsOfNumericColumns) {
  EXPECT_EQ(DefaultOf("[i][60]rix4", 12), "0012");
  EXPECT_EQ(DefaultOf("[i]rix2", 345), "45");
  EXPECT_EQ(DefaultOf("[i]RIX0", 345), "5");
  EXPECT_EQ(DefaultOf("[i]rix", 7), "7");
  EXPECT_EQ(DefaultOf("[i]rix3", -5), "-005");
  EXPECT_EQ(DefaultOf("[h]rix2", 300), "2C");
  EXPECT_EQ(DefaultOf("[h]rix 12", 300), "0000012C");
  EXPECT_EQ(DefaultOf("[h]rix0", 300), "C");
  EXPECT_EQ(DefaultOf("[f]rix2", 3), "3.00");
  EXPECT_EQ(DefaultOf("[e][80]rix0", 14), "14");
  // Without "rix" the text is the default.
  EXPECT_EQ(DefaultOf("[f]2.5", 3), "2.5");
  EXPECT_EQ(DefaultOf("[i]", 3), "");
  // A huge count is no reason to build a huge text.
  EXPECT_EQ(DefaultOf("[i]rix99999999999", 3).size(), 255u);
}

TEST(RLDataCells, DefaultsOfTextChoiceAndDateColumns) {
  EXPECT_EQ(DefaultOf("[l]red|green|blue"), "red");
  EXPECT_EQ(DefaultOf("[c:5][120]small|large"), "small");
  EXPECT_EQ(DefaultOf("[c]only"), "only");
  EXPECT_EQ(DefaultOf("[dyyyy-mm-dd]2024-02-29"), "2024-02-29");
  EXPECT_EQ(DefaultOf("[s]abc"), "abc");
  EXPECT_EQ(DefaultOf("[s][100]$PWD$8").size(), 8u);
  EXPECT_EQ(DefaultOf("[s]$pwd$").size(), 0u);
  EXPECT_NE(DefaultOf("[s]$pwd$12"), "$pwd$12");
}

TEST(RLDataCells, FormatsWithoutADefault) {
  EXPECT_EQ(DefaultOf("[#s]abc"), "");     // read-only: "#" is no type letter
  EXPECT_EQ(DefaultOf("[x]abc"), "");      // unknown letter
  EXPECT_EQ(DefaultOf("[S]abc"), "");      // letters are lower case
  EXPECT_EQ(DefaultOf("[s][60]"), "");     // width only
  EXPECT_EQ(DefaultOf("[s]"), "");
  EXPECT_EQ(DefaultOf("s abc"), "");       // no type group
  EXPECT_EQ(DefaultOf("]abc"), "");
  EXPECT_EQ(DefaultOf(""), "");
  TRLData store;
  store.SetColumnFormat(1, "[s]abc");
  EXPECT_EQ(store.GetCellDefaultValue(0, 1), "");  // column 0 has no format
  EXPECT_EQ(store.GetCellDefaultValue(2, 1), "");
  EXPECT_EQ(store.GetDefaultValue(1, 1), "abc");
}
