// Randomised checks that the cell order is a strict weak ordering and that Sort follows it.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "gadrix/helmar/StringArray.h"

using namespace gadrix;

namespace {

// Texts built from pieces that provoke every class and their borders: numbers in many spellings,
// texts that start like numbers, blanks, case variants, shared prefixes, bytes above 0x7F.
std::string RandomCell(std::mt19937& Random) {
  static const std::vector<std::string> pieces{
      "", " ", "0", "1", "9", "10", "-", "+", ".", ",", "e", "E", "5", "a", "A", "z", "Z",
      "_", "1a", "abcdefgh", "ABCDEFGH", "ä", "\xFF", "1e400", "-0", "00"};
  std::uniform_int_distribution<int> count(0, 4);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::string text;
  for (int k = count(Random); k > 0; --k) text += pieces[pick(Random)];
  return text;
}

int Sign(int X) { return (X > 0) - (X < 0); }

}  // namespace

TEST(SortOrderProperty, ComparisonIsAStrictWeakOrdering) {
  std::mt19937 random(20240611);
  for (int trial = 0; trial < 200000; ++trial) {
    const std::string a = RandomCell(random);
    const std::string b = RandomCell(random);
    const std::string c = RandomCell(random);
    const int ab = Sign(CompareCellTexts(a, b));
    const int bc = Sign(CompareCellTexts(b, c));
    const int ac = Sign(CompareCellTexts(a, c));
    ASSERT_EQ(Sign(CompareCellTexts(b, a)), -ab) << "antisymmetry: [" << a << "] [" << b << "]";
    ASSERT_EQ(CompareCellTexts(a, a), 0) << "[" << a << "]";
    // Transitivity of both the order and the ties.
    if (ab <= 0 && bc <= 0) {
      ASSERT_LE(ac, 0) << "[" << a << "] [" << b << "] [" << c << "]";
      if (ab < 0 || bc < 0) {
        ASSERT_LT(ac, 0) << "[" << a << "] [" << b << "] [" << c << "]";
      }
    }
  }
}

TEST(SortOrderProperty, SortAgreesWithAStableSortByTheSameRule) {
  std::mt19937 random(7);
  for (const int rows : {0, 1, 2, 23, 24, 25, 100, 1000, 5000}) {
    for (const bool ascending : {true, false}) {
      TStringArray table;
      table.Resize(2, rows);
      std::vector<std::pair<std::string, std::string>> keys;
      for (int row = 1; row <= rows; ++row) {
        keys.emplace_back(RandomCell(random), RandomCell(random));
        table.SetString(1, row, keys.back().first);
        table.SetString(2, row, keys.back().second);
      }
      std::vector<int> expected(static_cast<std::size_t>(rows));
      for (int k = 0; k < rows; ++k) expected[static_cast<std::size_t>(k)] = k;
      std::stable_sort(expected.begin(), expected.end(), [&](int x, int y) {
        int c = CompareCellTexts(keys[x].first, keys[y].first);
        if (c == 0) c = CompareCellTexts(keys[x].second, keys[y].second);
        return ascending ? c < 0 : c > 0;
      });
      table.Sort(1, 2, ascending);
      for (int row = 1; row <= rows; ++row)
        ASSERT_EQ(table.GetSortOrder(row), expected[static_cast<std::size_t>(row - 1)] + 1)
            << rows << " rows, row " << row;
    }
  }
}
