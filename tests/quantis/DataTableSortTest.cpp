#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <random>

#include "gadrix/quantis/DataTable.h"
#include "quantis/EventLog.h"

namespace gadrix {
namespace {

using Lines = std::vector<std::string>;
using test::TEventLog;

std::vector<double> RowValues(const TDataTable& Table, int Row) {
  std::vector<double> Values;
  for (int c = 1; c <= Table.NrOfColumns(); ++c) Values.push_back(Table.GetElem(c, Row));
  return Values;
}

std::vector<double> ColValues(const TDataTable& Table, int Col) {
  std::vector<double> Values;
  for (int r = 1; r <= Table.NrOfRows(); ++r) Values.push_back(Table.GetElem(Col, r));
  return Values;
}

std::vector<std::string> ColNames(const TDataTable& Table) {
  std::vector<std::string> Names;
  for (int c = 1; c <= Table.NrOfColumns(); ++c) Names.push_back(Table.GetColName(c));
  return Names;
}

// Four columns named A to D; row 1 holds the keys 3, 1, 2, 0, row 2 holds 30, 10, 20, 0 and row
// 3 holds 300, 100, 200, 0.
TDataTable& KeyedTable(TDataTable& Table) {
  Table.Resize(4, 3);
  const double Keys[] = {3, 1, 2, 0};
  for (int c = 1; c <= 4; ++c) {
    Table.SetColName(c, std::string(1, static_cast<char>('A' + c - 1)));
    for (int r = 1; r <= 3; ++r) Table.SetElem(c, r, Keys[c - 1] * std::pow(10.0, r - 1));
  }
  return Table;
}

TEST(DataTableSort, SortColsMovesOnlyTheBlockAndReportsEachExchangeThenTheChange) {
  TDataTable Table;
  KeyedTable(Table);
  TEventLog Log(Table);

  Table.SortCols(1, true, 1, 1, 3, 2, false);  // columns 1..3, rows 1..2
  EXPECT_EQ(RowValues(Table, 1), (std::vector<double>{1, 2, 3, 0}));
  EXPECT_EQ(RowValues(Table, 2), (std::vector<double>{10, 20, 30, 0}));
  EXPECT_EQ(RowValues(Table, 3), (std::vector<double>{300, 100, 200, 0}));  // outside the block
  EXPECT_EQ(ColNames(Table), (std::vector<std::string>{"A", "B", "C", "D"}));
  // Key 1 comes to column 1 (key 3 goes to column 2), then key 2 and key 3 change places.
  EXPECT_EQ(Log.Take(), (Lines{"exchange 1 1 2 1 2", "progress 33", "exchange 1 2 3 1 2",
                               "progress 66", "progress 100", "change"}));
}

TEST(DataTableSort, IncludeHeadersMovesTheWholeColumnDescription) {
  TDataTable Table;
  KeyedTable(Table);
  Table.SetColAttrib(2, 9);
  Table.SetMScaleType(2, mstNominal);
  Table.SetNominalID(2, 3, "three");

  Table.SortCols(1, false, 4, 3, 1, 1, true);  // bounds given the other way round
  EXPECT_EQ(RowValues(Table, 1), (std::vector<double>{3, 2, 1, 0}));
  EXPECT_EQ(RowValues(Table, 3), (std::vector<double>{300, 200, 100, 0}));
  EXPECT_EQ(ColNames(Table), (std::vector<std::string>{"A", "C", "B", "D"}));
  EXPECT_EQ(Table.GetColAttrib(3), 9);
  EXPECT_EQ(Table.GetMScaleType(3), mstNominal);
  EXPECT_EQ(Table.GetNominalID(3, 3), "three");
  EXPECT_EQ(Table.GetColAttrib(2), 0);
}

TEST(DataTableSort, CellsWithoutANumberGoLastInEitherDirectionAndTiesKeepTheirOrder) {
  TDataTable Table(2, 6);
  const double Keys[] = {5, 1, 7, 1, 4, 1};
  for (int r = 1; r <= 6; ++r) {
    Table.SetElem(1, r, Keys[r - 1]);
    Table.SetElem(2, r, r);  // remembers where the row came from
  }
  Table.SetCellState(1, 3, dcsEmpty);       // 7, but empty
  Table.SetCellState(1, 5, dcsNotANumber);  // 4, but not a number
  Table.SetElem(1, 6, std::nan(""));        // a NaN value is no number either

  Table.SortRows(1, true, 1, 1, 2, 6, false);
  EXPECT_EQ(ColValues(Table, 2), (std::vector<double>{2, 4, 1, 3, 5, 6}));
  Table.SortRows(1, false, 1, 1, 2, 6, false);
  EXPECT_EQ(ColValues(Table, 2), (std::vector<double>{1, 2, 4, 3, 5, 6}));
  EXPECT_EQ(Table.GetCellState(1, 4), dcsEmpty);  // states travel with their cells
  EXPECT_EQ(Table.GetCellState(1, 5), dcsNotANumber);
}

TEST(DataTableSort, AttributeAndNameSortsAlwaysMoveTheHeadings) {
  TDataTable Table(1, 4);
  const char* Names[] = {"beta", "Alpha", "alpha", "Gamma"};
  const std::uint8_t Attribs[] = {3, 200, 3, 0};
  for (int r = 1; r <= 4; ++r) {
    Table.SetRowName(r, Names[r - 1]);
    Table.SetRowAttrib(r, Attribs[r - 1]);
    Table.SetElem(1, r, r);
  }
  Table.SortRowAttributes(true, 1, 1, 1, 4);
  EXPECT_EQ(ColValues(Table, 1), (std::vector<double>{4, 1, 3, 2}));
  EXPECT_EQ(Table.GetRowName(1), "Gamma");
  Table.SortRowAttributes(false, 1, 1, 1, 4);
  EXPECT_EQ(ColValues(Table, 1), (std::vector<double>{2, 1, 3, 4}));

  Table.SortRowNames(true, 1, 1, 1, 4);  // by code point: capitals first
  EXPECT_EQ(ColValues(Table, 1), (std::vector<double>{2, 4, 3, 1}));
  Table.SortRowNames(true, true, 1, 1, 1, 4);  // "Alpha" and "alpha" tie and keep their order
  EXPECT_EQ(ColValues(Table, 1), (std::vector<double>{2, 3, 1, 4}));
  Table.SortRowNames(false, true, 1, 1, 1, 4);
  EXPECT_EQ(ColValues(Table, 1), (std::vector<double>{4, 1, 2, 3}));

  TDataTable Cols(3, 1);
  Cols.SetColName(1, "b");
  Cols.SetColName(2, "C");
  Cols.SetColName(3, "a");
  Cols.SetColAttrib(2, 1);
  Cols.SortColNames(true, 1, 1, 3, 1);
  EXPECT_EQ(ColNames(Cols), (std::vector<std::string>{"C", "a", "b"}));
  Cols.SortColNames(true, true, 1, 1, 3, 1);
  EXPECT_EQ(ColNames(Cols), (std::vector<std::string>{"a", "b", "C"}));
  Cols.SortColAttributes(false, 1, 1, 3, 1);
  EXPECT_EQ(ColNames(Cols), (std::vector<std::string>{"C", "a", "b"}));
}

TEST(DataTableSort, NothingHappensWithoutWorkToDo) {
  TDataTable Table;
  KeyedTable(Table);
  TEventLog Log(Table, false);
  Table.SortCols(0, true, 1, 1, 4, 3, true);   // key row outside the table
  Table.SortCols(4, true, 1, 1, 4, 3, true);
  Table.SortRows(5, true, 1, 1, 4, 3, true);   // key column outside the table
  Table.SortCols(1, true, 2, 1, 2, 3, true);   // a single column
  Table.SortCols(1, true, 5, 1, 9, 3, true);   // a block beside the table
  Table.SortCols(1, true, 1, 4, 4, 9, true);   // a block below the table
  Table.SortCols(1, true, 2, 1, 3, 3, true);   // already in order: 1, 2
  Table.SortColNames(true, 1, 1, 4, 3);        // A, B, C, D
  EXPECT_TRUE(Log.Take().empty());
  EXPECT_EQ(RowValues(Table, 1), (std::vector<double>{3, 1, 2, 0}));
}

TEST(DataTableSort, BlockBoundsBeyondTheTableAreClipped) {
  TDataTable Table;
  KeyedTable(Table);
  Table.SortCols(2, true, INT_MIN, INT_MIN, INT_MAX, INT_MAX, true);
  EXPECT_EQ(RowValues(Table, 1), (std::vector<double>{0, 1, 2, 3}));
  EXPECT_EQ(ColNames(Table), (std::vector<std::string>{"D", "B", "C", "A"}));
}

// Random tables with many equal keys: the result is the stable order, and a listener that
// swaps its own per-column data on every reported exchange ends up in step with the columns.
TEST(DataTableSort, RandomSortsAreStableAndTheExchangeReportsTrackEveryMove) {
  std::mt19937 Random(20240611);
  for (int Round = 0; Round < 200; ++Round) {
    const int NCols = 1 + static_cast<int>(Random() % 40);
    TDataTable Table(NCols, 2);
    std::vector<double> Keys(static_cast<std::size_t>(NCols));
    for (int c = 1; c <= NCols; ++c) {
      Keys[static_cast<std::size_t>(c - 1)] = static_cast<double>(Random() % 5);
      Table.SetElem(c, 1, Keys[static_cast<std::size_t>(c - 1)]);
      Table.SetElem(c, 2, c);
    }
    std::vector<int> Tracked(static_cast<std::size_t>(NCols));
    std::iota(Tracked.begin(), Tracked.end(), 1);
    int LastPercent = 0;
    Table.SetOnSortExchange([&](TObject*, std::uint8_t What, int A, int B, int Low, int High) {
      ASSERT_EQ(What, sxColumns);
      ASSERT_EQ(Low, 1);
      ASSERT_EQ(High, 2);
      std::swap(Tracked[static_cast<std::size_t>(A - 1)], Tracked[static_cast<std::size_t>(B - 1)]);
    });
    Table.SetOnPercentDone([&](TObject*, int Percent) {
      ASSERT_GT(Percent, LastPercent);
      LastPercent = Percent;
    });
    const bool Ascending = Round % 2 == 0;

    Table.SortCols(1, Ascending, 1, 1, NCols, 2, false);
    std::vector<int> Expected(static_cast<std::size_t>(NCols));
    std::iota(Expected.begin(), Expected.end(), 1);
    std::stable_sort(Expected.begin(), Expected.end(), [&](int A, int B) {
      const double KA = Keys[static_cast<std::size_t>(A - 1)];
      const double KB = Keys[static_cast<std::size_t>(B - 1)];
      return Ascending ? KA < KB : KB < KA;
    });
    std::vector<int> Actual;
    for (int c = 1; c <= NCols; ++c) Actual.push_back(static_cast<int>(Table.GetElem(c, 2)));
    ASSERT_EQ(Actual, Expected) << "round " << Round;
    ASSERT_EQ(Tracked, Expected) << "round " << Round;
    if (NCols > 1) {
      ASSERT_EQ(LastPercent, 100) << "round " << Round;
    }
  }
}

TEST(DataTableSort, AHandlerThatReshapesTheTableEndsTheSort) {
  TDataTable Table(1, 50);
  for (int r = 1; r <= 50; ++r) Table.SetElem(1, r, 51 - r);
  int Exchanges = 0;
  Table.SetOnSortExchange([&](TObject*, std::uint8_t, int, int, int, int) {
    if (++Exchanges == 3) Table.Resize(1, 2);
  });
  Table.SortRows(1, true, 1, 1, 1, 50, false);
  EXPECT_EQ(Exchanges, 3);
  EXPECT_EQ(Table.NrOfRows(), 2);
  EXPECT_EQ(ColValues(Table, 1), (std::vector<double>{1, 2}));
}

}  // namespace
}  // namespace gadrix
