#include <gtest/gtest.h>

#include "gadrix/helmar/StringArray.h"

using namespace gadrix;

namespace {

// A table of one text column (column 1) filled from Texts, row by row.
void Fill(TStringArray& Table, const std::vector<std::string>& Texts, int Col = 1) {
  if (Table.GetNrOfRows() < static_cast<int>(Texts.size()))
    Table.Resize(std::max(Table.GetNrOfColumns(), Col), static_cast<int>(Texts.size()));
  for (std::size_t k = 0; k < Texts.size(); ++k)
    Table.SetString(Col, static_cast<int>(k) + 1, Texts[k]);
}

std::vector<std::string> Column(const TStringArray& Table, int Col = 1) {
  std::vector<std::string> texts;
  for (int row = 1; row <= Table.GetNrOfRows(); ++row) texts.push_back(Table.GetString(Col, row));
  return texts;
}

std::vector<int> Order(const TStringArray& Table) {
  std::vector<int> order;
  for (int row = 1; row <= Table.GetNrOfRows(); ++row) order.push_back(Table.GetSortOrder(row));
  return order;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(StringArray, StartsWithColumnZeroOnlyAndAddressesColumnsZeroToN) {
  TStringArray table;
  EXPECT_EQ(table.GetNrOfColumns(), 0);
  EXPECT_EQ(table.GetNrOfRows(), 0);
  table.Resize(2, 3);
  table.SetString(0, 1, "zero");
  table.SetString(2, 3, "last");
  EXPECT_EQ(table.GetString(0, 1), "zero");
  EXPECT_EQ(table.GetString(2, 3), "last");
  EXPECT_EQ(table.GetString(1, 2), "");
}

TEST(StringArray, OutOfRangeAccessIsIgnoredOrReadsEmpty) {
  TStringArray table;
  table.Resize(1, 2);
  int changes = 0;
  table.SetOnChange([&](TObject*) { ++changes; });
  for (const auto& [col, row] : std::vector<std::pair<int, int>>{{-1, 1}, {2, 1}, {0, 0}, {0, 3}}) {
    table.SetString(col, row, "x");
    EXPECT_EQ(table.GetString(col, row), "");
  }
  table.SetRowAttrib(0, 1);
  table.SetRowAttrib(3, 1);
  table.SetColAttrib(2, 1);
  table.SetColAttrib(-1, 1);
  table.InsertRow(0);
  table.InsertRow(4);
  table.RemoveRow(3);
  table.Sort(2, -1, true);
  table.SetSortOrder(1, 3);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(table.GetRowAttrib(0), 0);
  EXPECT_EQ(table.GetColAttrib(5), 0);
  EXPECT_EQ(table.GetSortOrder(3), 0);
  EXPECT_EQ(table.GetNrOfRows(), 2);
}

TEST(StringArray, CapsCellsAt255CharactersWithoutSplittingOne) {
  TStringArray table;
  table.Resize(0, 1);
  table.SetString(0, 1, std::string(300, 'a'));
  EXPECT_EQ(table.GetString(0, 1).size(), 255u);
  std::string umlauts;
  for (int k = 0; k < 300; ++k) umlauts += "ä";
  table.SetString(0, 1, umlauts);
  EXPECT_EQ(table.GetString(0, 1), umlauts.substr(0, 510));
}

TEST(StringArray, StoresInvalidUtf8AndBinaryBytesAsGiven) {
  TStringArray table;
  table.Resize(1, 1);
  const std::string odd("\xFF\x80\0\xC3", 4);
  table.SetString(1, 1, odd);
  EXPECT_EQ(table.GetString(1, 1), odd);
  // Each stray byte counts as one character, so the cap still holds.
  table.SetString(0, 1, std::string(400, '\x80'));
  EXPECT_EQ(table.GetString(0, 1).size(), 255u);
  EXPECT_EQ(table.GetString(1, 1), odd);
}

TEST(StringArray, CellsOfARowKeepTheirTextsThroughEveryKindOfRewrite) {
  TStringArray table;
  table.Resize(4, 1);
  const Texts first{"a", "", "long text number two", "c", "dd"};
  for (int col = 0; col <= 4; ++col) table.SetString(col, 1, first[col]);
  table.SetString(2, 1, std::string(200, 'x'));  // grows the row's block
  table.SetString(2, 1, "y");                    // shrinks it again
  table.SetString(0, 1, "");
  EXPECT_EQ((Texts{table.GetString(0, 1), table.GetString(1, 1), table.GetString(2, 1),
                   table.GetString(3, 1), table.GetString(4, 1)}),
            (Texts{"", "", "y", "c", "dd"}));
  for (int col = 0; col <= 4; ++col) table.SetString(col, 1, "");
  table.SetString(4, 1, "back");
  EXPECT_EQ(table.GetString(4, 1), "back");
  EXPECT_EQ(table.GetString(3, 1), "");
}

TEST(StringArray, ResizeKeepsOverlappingCellsAndAttributes) {
  TStringArray table;
  table.Resize(2, 3);
  table.SetString(1, 2, "keep");
  table.SetString(2, 3, "lost");
  table.SetRowAttrib(2, 0x80);
  table.SetColAttrib(1, 0x40);
  table.Resize(1, 2);
  EXPECT_EQ(table.GetString(1, 2), "keep");
  table.Resize(3, 4);
  EXPECT_EQ(table.GetString(1, 2), "keep");
  EXPECT_EQ(table.GetString(2, 3), "");
  EXPECT_EQ(table.GetRowAttrib(2), 0x80);
  EXPECT_EQ(table.GetColAttrib(1), 0x40);
  EXPECT_EQ(table.GetColAttrib(3), 0);
  table.Resize(-3, -1);
  EXPECT_EQ(table.GetNrOfColumns(), 0);
  EXPECT_EQ(table.GetNrOfRows(), 0);
}

TEST(StringArray, ClearEmptiesCellsButKeepsSizeAndAttributes) {
  TStringArray table;
  Fill(table, {"b", "a"});
  table.SetRowAttrib(1, 7);
  table.Clear();
  EXPECT_EQ(table.GetNrOfRows(), 2);
  EXPECT_EQ(Column(table), (Texts{"", ""}));
  EXPECT_EQ(table.GetRowAttrib(1), 7);
}

TEST(StringArray, ResizeRefusesAbsurdSizesWithAClearErrorAndChangesNothing) {
  TStringArray table;
  Fill(table, {"x"});
  EXPECT_THROW(table.Resize(10, 2'000'000'000), EZorvDStructError);
  EXPECT_THROW(table.Resize(1'000'000'000, 1), EZorvDStructError);
  EXPECT_EQ(table.GetNrOfColumns(), 1);
  EXPECT_EQ(table.GetNrOfRows(), 1);
  EXPECT_EQ(table.GetString(1, 1), "x");
  try {
    table.Resize(10, 2'000'000'000);
  } catch (const EZorvError& e) {
    EXPECT_NE(std::string(e.what()).find("TStringArray"), std::string::npos);
  }
}

TEST(StringArray, AllocationStepIsAtLeastOne) {
  TStringArray table;
  EXPECT_EQ(table.GetAllocRowsBy(), 10);
  table.SetAllocRowsBy(0);
  EXPECT_EQ(table.GetAllocRowsBy(), 1);
  for (int rows = 1; rows <= 1000; ++rows) {
    table.Resize(0, rows);
    table.SetString(0, rows, std::to_string(rows));
  }
  EXPECT_EQ(table.GetString(0, 777), "777");
}

// --- the sort rule

TEST(StringArraySort, EmptyFirstThenNumbersByValueThenTextIgnoringCase) {
  TStringArray table;
  Fill(table, {"banana", "10", "", "9", "Apple", "  ", "-2.5", "1a", "apple", "0,5", "1e2"});
  table.Sort(1, -1, true);
  EXPECT_EQ(Column(table),
            (Texts{"", "  ", "-2.5", "0,5", "9", "10", "1e2", "1a", "Apple", "apple", "banana"}));
  table.Sort(1, -1, false);
  // Descending reverses the keys; complete ties ("" and "  ", "Apple" and "apple") stay in
  // physical order.
  EXPECT_EQ(Column(table),
            (Texts{"banana", "Apple", "apple", "1a", "1e2", "10", "9", "0,5", "-2.5", "", "  "}));
}

TEST(StringArraySort, SecondaryColumnDecidesTiesThenThePhysicalOrder) {
  TStringArray table;
  table.Resize(2, 5);
  const Texts group{"b", "a", "b", "a", "B"};
  const Texts detail{"2", "x", "1", "x", "1"};
  for (int row = 1; row <= 5; ++row) {
    table.SetString(1, row, group[row - 1]);
    table.SetString(2, row, detail[row - 1]);
  }
  table.Sort(1, 2, true);
  EXPECT_EQ(Order(table), (std::vector<int>{2, 4, 3, 5, 1}));
  table.Sort(1, 2, false);
  EXPECT_EQ(Order(table), (std::vector<int>{1, 3, 5, 2, 4}));
  table.Sort(1, -1, true);  // no secondary column: physical order among equals
  EXPECT_EQ(Order(table), (std::vector<int>{2, 4, 1, 3, 5}));
  table.Sort(1, 1, true);  // the same column again counts as none
  EXPECT_EQ(Order(table), (std::vector<int>{2, 4, 1, 3, 5}));
}

TEST(StringArraySort, NumbersReadWithSignsExponentsAndExtremeMagnitudes) {
  TStringArray table;
  Fill(table, {"1e400", "-1e400", "1e-400", "+3", "-0", "0", "1.", ".5", "1e", "- 1", "1,000.5"});
  table.Sort(1, -1, true);
  // "1e", "- 1" and "1,000.5" are text; -0 and 0 and 1e-400 are one value and keep their order.
  EXPECT_EQ(Column(table), (Texts{"-1e400", "1e-400", "-0", "0", ".5", "1.", "+3", "1e400", "- 1",
                                  "1,000.5", "1e"}));
}

TEST(StringArraySort, SortsLongTextsThatShareAPrefix) {
  TStringArray table;
  Fill(table, {"Item number 0010b", "item number 0010", "ITEM NUMBER 0009", "Item number 0010A"});
  table.Sort(1, -1, true);
  EXPECT_EQ(Column(table), (Texts{"ITEM NUMBER 0009", "item number 0010", "Item number 0010A",
                                  "Item number 0010b"}));
}

TEST(StringArraySort, AttributesTravelWithTheirRows) {
  TStringArray table;
  Fill(table, {"c", "a", "b"});
  table.SetRowAttrib(1, 0x80);
  table.Sort(1, -1, true);
  EXPECT_EQ(table.GetRowAttrib(3), 0x80);
  EXPECT_EQ(table.GetRowAttrib(1), 0);
  table.SetRowAttrib(1, 0x40);  // the row showing "a", physically row 2
  table.UnSort();
  EXPECT_EQ(table.GetRowAttrib(2), 0x40);
}

// --- order operations

TEST(StringArrayOrder, UnSortReturnsToThePhysicalOrder) {
  TStringArray table;
  Fill(table, {"c", "a", "b"});
  table.Sort(1, -1, true);
  EXPECT_TRUE(table.GetSorted());
  EXPECT_EQ(Order(table), (std::vector<int>{2, 3, 1}));
  table.SetString(1, 1, "A");  // writes go to the sorted position
  table.UnSort();
  EXPECT_FALSE(table.GetSorted());
  EXPECT_EQ(Column(table), (Texts{"c", "A", "b"}));
}

TEST(StringArrayOrder, CommitSortingMakesTheOrderPhysicalWithoutChangingWhatIsShown) {
  TStringArray table;
  Fill(table, {"c", "a", "b"});
  table.SetRowAttrib(1, 9);
  table.Sort(1, -1, true);
  int changes = 0;
  table.SetOnChange([&](TObject*) { ++changes; });
  table.CommitSorting();
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(table.GetSorted());
  EXPECT_EQ(Order(table), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Column(table), (Texts{"a", "b", "c"}));
  EXPECT_EQ(table.GetRowAttrib(3), 9);
  table.UnSort();
  EXPECT_EQ(Column(table), (Texts{"a", "b", "c"}));
}

TEST(StringArrayOrder, SetSortOrderBuildsAnOrderRowByRow) {
  TStringArray source;
  Fill(source, {"d", "b", "a", "c"});
  source.Sort(1, -1, false);
  // Copy the physical layout and the permutation, the way a store copies its table.
  TStringArray copy;
  copy.Resize(1, 4);
  for (int row = 1; row <= 4; ++row)
    copy.SetString(1, source.GetSortOrder(row), source.GetString(1, row));
  for (int row = 1; row <= 4; ++row) copy.SetSortOrder(row, source.GetSortOrder(row));
  EXPECT_EQ(Column(copy), Column(source));
  EXPECT_EQ(Order(copy), Order(source));
  copy.UnSort();
  source.UnSort();
  EXPECT_EQ(Column(copy), Column(source));
}

TEST(StringArrayOrder, AnOrderWithRepeatsIsRepairedBeforeRowsMove) {
  TStringArray table;
  Fill(table, {"a", "b", "c", "d"});
  table.SetSortOrder(1, 3);  // physical row 3 now shows at rows 1 and 3; row 1 is missing
  EXPECT_EQ(Column(table), (Texts{"c", "b", "c", "d"}));
  table.CommitSorting();  // the repeat at row 3 takes the missing physical row 1
  EXPECT_EQ(Column(table), (Texts{"c", "b", "a", "d"}));
}

TEST(StringArrayOrder, InsertAndRemoveRowsWhileSorted) {
  TStringArray table;
  Fill(table, {"c", "a", "b"});
  table.Sort(1, -1, true);  // shows a, b, c
  table.InsertRow(2);       // before "b"
  table.SetString(1, 2, "new");
  table.SetRowAttrib(2, 5);
  EXPECT_EQ(Column(table), (Texts{"a", "new", "b", "c"}));
  EXPECT_EQ(table.GetRowAttrib(2), 5);
  table.InsertRow(5);  // appends
  table.SetString(1, 5, "end");
  table.RemoveRow(1);  // removes "a"
  EXPECT_EQ(Column(table), (Texts{"new", "b", "c", "end"}));
  table.UnSort();
  // The new row stands physically just before "b", the appended one at the end.
  EXPECT_EQ(Column(table), (Texts{"c", "new", "b", "end"}));
  EXPECT_EQ(table.GetRowAttrib(2), 5);
}

TEST(StringArrayOrder, ResizeAppendsNewRowsToTheOrderAndDropsCutRows) {
  TStringArray table;
  Fill(table, {"c", "a", "b"});
  table.Sort(1, -1, true);
  table.Resize(1, 4);
  table.SetString(1, 4, "new");
  EXPECT_EQ(Column(table), (Texts{"a", "b", "c", "new"}));
  table.Resize(1, 2);  // physical rows 3 and 4 ("b", "new") go
  EXPECT_EQ(Column(table), (Texts{"a", "c"}));
}

TEST(StringArrayOrder, RemovingTheLastRowLeavesAnEmptyTable) {
  TStringArray table;
  Fill(table, {"only"});
  table.RemoveRow(1);
  EXPECT_EQ(table.GetNrOfRows(), 0);
  table.InsertRow(1);
  EXPECT_EQ(table.GetNrOfRows(), 1);
  EXPECT_EQ(table.GetString(1, 1), "");
}

// --- notifications

TEST(StringArrayEvents, ChangeIsRaisedOncePerEffectiveChange) {
  TStringArray table;
  int changes = 0;
  table.SetOnChange([&](TObject* Sender) {
    EXPECT_EQ(Sender, &table);
    ++changes;
  });
  table.Resize(1, 2);
  table.Resize(1, 2);
  EXPECT_EQ(changes, 1);
  table.SetString(1, 1, "x");
  table.SetString(1, 1, "x");
  table.SetString(1, 1, std::string(300, 'y'));
  table.SetString(1, 1, std::string(256, 'y'));  // the same after the cut
  EXPECT_EQ(changes, 3);
  table.SetRowAttrib(1, 1);
  table.SetRowAttrib(1, 1);
  table.SetColAttrib(0, 1);
  EXPECT_EQ(changes, 5);
  table.UnSort();  // already physical
  table.Sort(1, -1, true);
  table.UnSort();
  EXPECT_EQ(changes, 7);
  table.Clear();
  table.Clear();
  EXPECT_EQ(changes, 8);
}

TEST(StringArrayEvents, SortReportsProgressFromZeroToHundredThenChange) {
  TStringArray table;
  Fill(table, std::vector<std::string>(1000, "x"));
  std::vector<std::string> log;
  table.SetOnPercentDone([&](TObject* Sender, int Percent) {
    EXPECT_EQ(Sender, &table);
    log.push_back(std::to_string(Percent));
  });
  table.SetOnChange([&](TObject*) { log.push_back("change"); });
  table.Sort(1, -1, true);
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log.front(), "0");
  EXPECT_EQ(log[log.size() - 2], "100");
  EXPECT_EQ(log.back(), "change");
  for (std::size_t k = 1; k + 1 < log.size(); ++k)
    EXPECT_LT(std::stoi(log[k - 1]), std::stoi(log[k]));
}

TEST(StringArrayEvents, BeforeSortExchangeSeesBothTextsAndMayDecideTheOrder) {
  TStringArray table;
  Fill(table, {"b", "c", "a"});
  bool checked = false;
  table.SetOnBeforeSortExchange([&](TObject* Sender, const std::string& First,
                                    const std::string& Second, bool& Exchange) {
    EXPECT_EQ(Sender, &table);
    if (First == "b" && Second == "c") {
      EXPECT_FALSE(Exchange);
      checked = true;
    }
    // Reverse the rule: put the second before the first when the rule would not.
    Exchange = CompareCellTexts(Second, First) > 0;
  });
  table.Sort(1, -1, true);
  EXPECT_TRUE(checked);
  EXPECT_EQ(Column(table), (Texts{"c", "b", "a"}));
}

TEST(StringArrayEvents, AContradictoryHandlerStillYieldsAPermutation) {
  TStringArray table;
  std::vector<std::string> texts;
  for (int k = 0; k < 500; ++k) texts.push_back(std::to_string(k % 17));
  Fill(table, texts);
  unsigned state = 1;
  table.SetOnBeforeSortExchange([&](TObject*, const std::string&, const std::string&,
                                    bool& Exchange) {
    state = state * 1103515245u + 12345u;
    Exchange = (state >> 16) & 1u;
  });
  table.Sort(1, -1, true);
  std::vector<int> order = Order(table);
  std::sort(order.begin(), order.end());
  for (int k = 0; k < 500; ++k) EXPECT_EQ(order[k], k + 1);
}

TEST(StringArrayEvents, HandlersCannotChangeTheTableWhileItSorts) {
  TStringArray table;
  Fill(table, {"b", "a"});
  table.SetOnPercentDone([&](TObject*, int) {
    table.SetString(1, 1, "changed");
    table.Resize(5, 5);
    table.RemoveRow(1);
    table.Sort(1, -1, false);
  });
  table.Sort(1, -1, true);
  EXPECT_EQ(table.GetNrOfRows(), 2);
  EXPECT_EQ(Column(table), (Texts{"a", "b"}));
}

TEST(StringArrayEvents, AnExceptionFromAHandlerLeavesTheOrderAsItWas) {
  TStringArray table;
  Fill(table, {"b", "a", "c"});
  table.Sort(1, -1, false);
  table.SetOnBeforeSortExchange([](TObject*, const std::string&, const std::string&, bool&) {
    throw std::runtime_error("host gave up");
  });
  EXPECT_THROW(table.Sort(1, -1, true), std::runtime_error);
  EXPECT_EQ(Column(table), (Texts{"c", "b", "a"}));
  table.SetOnBeforeSortExchange(nullptr);
  table.SetString(1, 1, "z");  // the table accepts changes again
  EXPECT_EQ(table.GetString(1, 1), "z");
}

TEST(StringArrayEvents, HandlersMayRemoveThemselvesWhileCalled) {
  TStringArray table;
  Fill(table, {"b", "a", "c"});
  int changes = 0;
  int exchanges = 0;
  int reports = 0;
  table.SetOnChange([&](TObject*) {
    ++changes;
    table.SetOnChange(nullptr);
  });
  table.SetOnBeforeSortExchange([&](TObject*, const std::string&, const std::string&, bool&) {
    ++exchanges;
    table.SetOnBeforeSortExchange(nullptr);
  });
  table.SetOnPercentDone([&](TObject*, int) {
    ++reports;
    table.SetOnPercentDone(nullptr);
  });
  table.Sort(1, -1, true);
  // The running sort keeps its handlers to the end.
  const int firstExchanges = exchanges;
  const int firstReports = reports;
  EXPECT_GE(firstExchanges, 2);
  EXPECT_GE(firstReports, 2);
  table.Sort(1, -1, true);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(exchanges, firstExchanges);
  EXPECT_EQ(reports, firstReports);
  EXPECT_EQ(Column(table), (Texts{"a", "b", "c"}));
}
