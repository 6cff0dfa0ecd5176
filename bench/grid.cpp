// Painting a grid of 1,000,000 x 100 cells against painting one of 100 x 100 cells of the same size
// on screen: the cost follows the cells in view, not the cells behind them. The large grid is
// scrolled to its middle, and a variant has 10,000 rows of their own height.

#include <memory>
#include <string>

#include "BenchSupport.h"
#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/grids/Grids.h"

namespace {

using namespace gadrix;

constexpr int kWidth = 800, kHeight = 600;

struct TPaintedGrid {
  TForm Form{nullptr};
  TDrawGrid* Grid = new TDrawGrid(&Form);
  TBitmap Target;

  TPaintedGrid(int Cols, int Rows) {
    Grid->SetParent(&Form);
    Grid->SetBounds(0, 0, kWidth, kHeight);
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows);
    // Both grids show the same texts: each cell's place in the view, so that only the grid's own
    // work can differ.
    Grid->SetOnDrawCell([this](TObject*, int C, int R, TRect Rect, TGridDrawState) {
      const int row = R < Grid->GetFixedRows() ? R : R - Grid->GetTopRow() + Grid->GetFixedRows();
      Grid->GetCanvas()->TextRect(Rect, Rect.Left + 2, Rect.Top + 2, std::to_string(C) + ":" + std::to_string(row));
    });
    Target.SetSize(kWidth, kHeight);
  }
  void Paint() { Grid->PaintTo(Target.GetCanvas(), 0, 0); }
};

void PaintSmallGrid(benchmark::State& state) {
  TPaintedGrid g(100, 100);
  for (auto _ : state) g.Paint();
}
BENCHMARK(PaintSmallGrid);

void PaintHugeGrid(benchmark::State& state) {
  TPaintedGrid g(100, 1000000);
  g.Grid->SetTopRow(500000);
  for (auto _ : state) g.Paint();
}
BENCHMARK(PaintHugeGrid);

void PaintHugeGridWithSizedRows(benchmark::State& state) {
  TPaintedGrid g(100, 1000000);
  for (int i = 0; i < 10000; ++i) g.Grid->SetRowHeights(i * 100, 20 + i % 10);
  g.Grid->SetTopRow(500000);
  for (auto _ : state) g.Paint();
}
BENCHMARK(PaintHugeGridWithSizedRows);

}  // namespace

int main(int argc, char** argv) {
  return gadrix::bench::RunWithRatios(
      argc, argv,
      {{"PaintHugeGrid", "PaintSmallGrid", "1,000,000 x 100 grid / 100 x 100 grid, same view"},
       {"PaintHugeGridWithSizedRows", "PaintSmallGrid", "the same with 10,000 rows sized / 100 x 100 grid"}});
}
