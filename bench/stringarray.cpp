// TStringArray against the standard containers, measured in the same run:
//   sort    Sort of 1,000,000 rows by one column, against std::stable_sort of the same cell texts
//           extracted into a std::vector<std::string> (plain byte order);
//   growth  growing a table one row at a time and filling its cells, against pushing the same
//           texts into a std::vector<std::string>.
// Prints the ratio (TStringArray time / baseline time) for each.

#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "gadrix/helmar/StringArray.h"

using namespace gadrix;

namespace {

constexpr int kSortRows = 1'000'000;
constexpr int kGrowRows = 200'000;
constexpr int kGrowCols = 3;  // columns 0..3

// Cells as a report list holds them: a tenth empty, numbers in several spellings, words in mixed
// case, some sharing long prefixes.
std::vector<std::string> MakeCells(int Count, unsigned Seed) {
  std::mt19937 random(Seed);
  std::uniform_int_distribution<int> kind(0, 9);
  std::uniform_int_distribution<int> number(-100000, 100000);
  std::uniform_int_distribution<int> letter(0, 51);
  std::uniform_int_distribution<int> length(3, 12);
  std::vector<std::string> cells;
  cells.reserve(static_cast<std::size_t>(Count));
  for (int k = 0; k < Count; ++k) {
    const int which = kind(random);
    std::string text;
    if (which == 0) {
      text = "";
    } else if (which <= 2) {
      text = std::to_string(number(random));
    } else if (which <= 4) {
      text = std::to_string(number(random) / 100.0);
    } else {
      if (which == 9) text = "Customer ";
      for (int n = length(random); n > 0; --n) {
        const int l = letter(random);
        text += static_cast<char>(l < 26 ? 'a' + l : 'A' + l - 26);
      }
    }
    cells.push_back(std::move(text));
  }
  return cells;
}

const std::vector<std::string>& SortCells() {
  static const std::vector<std::string> cells = MakeCells(kSortRows, 1);
  return cells;
}

void BM_SortBaseline_StdStableSort(benchmark::State& State) {
  const std::vector<std::string>& cells = SortCells();
  for (auto _ : State) {
    State.PauseTiming();
    std::vector<std::string> keys = cells;
    State.ResumeTiming();
    std::stable_sort(keys.begin(), keys.end());
    benchmark::DoNotOptimize(keys.data());
  }
}

void BM_Sort_TStringArray(benchmark::State& State) {
  const std::vector<std::string>& cells = SortCells();
  TStringArray table;
  table.Resize(1, kSortRows);
  for (int row = 1; row <= kSortRows; ++row)
    table.SetString(1, row, cells[static_cast<std::size_t>(row - 1)]);
  for (auto _ : State) {
    table.Sort(1, -1, true);  // every sort starts again from the physical order
    benchmark::DoNotOptimize(table.GetSortOrder(1));
  }
}

const std::vector<std::string>& GrowCells() {
  static const std::vector<std::string> cells = MakeCells(kGrowRows * (kGrowCols + 1), 2);
  return cells;
}

void BM_GrowBaseline_VectorOfStrings(benchmark::State& State) {
  const std::vector<std::string>& cells = GrowCells();
  for (auto _ : State) {
    std::vector<std::string> texts;
    for (const std::string& cell : cells) texts.push_back(cell);
    benchmark::DoNotOptimize(texts.data());
  }
}

void BM_Grow_TStringArray(benchmark::State& State) {
  const std::vector<std::string>& cells = GrowCells();
  for (auto _ : State) {
    TStringArray table;
    table.Resize(kGrowCols, 0);
    std::size_t next = 0;
    for (int row = 1; row <= kGrowRows; ++row) {
      table.Resize(kGrowCols, row);
      for (int col = 0; col <= kGrowCols; ++col) table.SetString(col, row, cells[next++]);
    }
    benchmark::DoNotOptimize(table.GetNrOfRows());
  }
}

BENCHMARK(BM_SortBaseline_StdStableSort)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Sort_TStringArray)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_GrowBaseline_VectorOfStrings)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Grow_TStringArray)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  return gadrix::bench::RunWithRatios(
      argc, argv,
      {{"BM_Sort_TStringArray", "BM_SortBaseline_StdStableSort", "Sort of 1,000,000 rows / std::stable_sort of the keys"},
       {"BM_Grow_TStringArray", "BM_GrowBaseline_VectorOfStrings", "growing row by row / pushing into a vector"}});
}
