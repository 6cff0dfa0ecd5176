// The report data store at the scale of a million rows, against the standard containers in the
// same run:
//   add     adding 1,000,000 rows of 8 cells one row at a time (SetNrRows, then SetElem per
//           cell), against pushing the same 8,000,000 texts into a std::vector<std::string>;
//   sort    Sort of 1,000,000 rows by one column, against std::stable_sort of the same keys in a
//           std::vector<std::string>;
//   memory  heap bytes per cell of a store holding 1,000,000 x 8 cells of 10 characters, filled
//           row by row as above (printed before the timings).
// Prints the time ratios (store / baseline) at the end.

#include "BenchSupport.h"
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "gadrix/replist/RLData.h"

using namespace gadrix;

namespace {

constexpr int kRows = 1'000'000;
constexpr int kCols = 8;
constexpr int kCellLength = 10;

// 10-character cells: letters of both cases and digits, so that the sort meets texts and numbers.
const std::vector<std::string>& Cells() {
  static const std::vector<std::string> cells = [] {
    constexpr std::string_view kAlphabet =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::vector<std::string> texts(static_cast<std::size_t>(kRows) * kCols);
    for (std::string& text : texts) {
      text.resize(kCellLength);
      for (char& c : text) c = kAlphabet[pick(random)];
    }
    return texts;
  }();
  return cells;
}

const std::string& Cell(int Col, int Row) {
  return Cells()[static_cast<std::size_t>(Row - 1) * kCols + static_cast<std::size_t>(Col - 1)];
}

void AddRowsOneAtATime(TRLData& Store) {
  Store.SetNrCols(kCols);
  for (int row = 1; row <= kRows; ++row) {
    Store.SetNrRows(row);
    for (int col = 1; col <= kCols; ++col) Store.SetElem(col, row, Cell(col, row));
  }
}

void BM_AddBaseline_VectorOfStrings(benchmark::State& State) {
  const std::vector<std::string>& cells = Cells();
  for (auto _ : State) {
    std::vector<std::string> texts;
    for (const std::string& cell : cells) texts.push_back(cell);
    benchmark::DoNotOptimize(texts.data());
  }
}

void BM_Add_TRLData(benchmark::State& State) {
  Cells();
  for (auto _ : State) {
    TRLData store;
    AddRowsOneAtATime(store);
    benchmark::DoNotOptimize(store.GetNrOfRows());
  }
}

// The keys of the sort: column 1 of every row.
std::vector<std::string> SortKeys() {
  std::vector<std::string> keys;
  keys.reserve(kRows);
  for (int row = 1; row <= kRows; ++row) keys.push_back(Cell(1, row));
  return keys;
}

void BM_SortBaseline_StdStableSort(benchmark::State& State) {
  const std::vector<std::string> keys = SortKeys();
  for (auto _ : State) {
    State.PauseTiming();
    std::vector<std::string> sorted = keys;
    State.ResumeTiming();
    std::stable_sort(sorted.begin(), sorted.end());
    benchmark::DoNotOptimize(sorted.data());
  }
}

void BM_Sort_TRLData(benchmark::State& State) {
  TRLData store;
  AddRowsOneAtATime(store);
  for (auto _ : State) {
    store.Sort(1, -1, true);  // every sort starts again from the physical order
    benchmark::DoNotOptimize(store.GetStrings()->GetSortOrder(1));
  }
}

BENCHMARK(BM_AddBaseline_VectorOfStrings)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Add_TRLData)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SortBaseline_StdStableSort)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Sort_TRLData)->Unit(benchmark::kMillisecond)->MinTime(1.0);

std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

void PrintBytesPerCell() {
  constexpr double kCells = static_cast<double>(kRows) * kCols;
  const std::vector<std::string>& cells = Cells();
  const std::size_t before = HeapInUse();
  double storeBytes = 0;
  {
    TRLData store;
    AddRowsOneAtATime(store);
    storeBytes = static_cast<double>(HeapInUse() - before);
  }
  double vectorBytes = 0;
  {
    const std::size_t start = HeapInUse();
    std::vector<std::string> texts;
    for (const std::string& cell : cells) texts.push_back(cell);
    vectorBytes = static_cast<double>(HeapInUse() - start);
  }
  std::printf("memory  TRLData 1,000,000 x 8 cells of 10 characters: %.1f bytes per cell\n",
              storeBytes / kCells);
  std::printf("memory  std::vector<std::string> of the same texts:     %.1f bytes per cell\n\n",
              vectorBytes / kCells);
}

}  // namespace

int main(int argc, char** argv) {
  return gadrix::bench::RunWithRatios(
      argc, argv,
      {{"BM_Add_TRLData", "BM_AddBaseline_VectorOfStrings", "adding 1,000,000 rows / pushing the cells into a vector"},
       {"BM_Sort_TRLData", "BM_SortBaseline_StdStableSort", "Sort of 1,000,000 rows / std::stable_sort of the keys"}},
      PrintBytesPerCell);
}
