// Painting a report list over 1,000,000 rows against painting one over 100 rows of the same size on
// screen: the cost follows the cells in view, not the rows behind them. Both views show both
// headers, banding, a check column, a password column and a highlighted row; the large one is
// scrolled to its middle.

#include <string>

#include "BenchSupport.h"
#include "gadrix/platform/controls/Controls.h"
#include "gadrix/replist/ReportListView.h"

namespace {

using namespace gadrix;

constexpr int kWidth = 800, kHeight = 600;
constexpr int kColumns = 8;

struct TPaintedList {
  TForm Form{nullptr};
  TReportListView* View = new TReportListView(&Form);
  TBitmap Target;

  explicit TPaintedList(int Rows) {
    View->SetParent(&Form);
    View->SetBounds(0, 0, kWidth, kHeight);
    View->SetSuppressPaint(true);
    View->SetNrCols(kColumns);
    View->SetNrRows(Rows);
    View->SetCommonHeaderVisible(true);
    View->SetColumnCheckMode(1, cmBox);
    View->SetColumnIsPwd(3, true);
    View->SetColumnAlignment(2, taRightJustify);
    TStringArray* cells = View->GetRLData()->GetStrings();
    for (int row = 1; row <= Rows; ++row) {
      cells->SetString(1, row, row % 3 == 0 ? "Xitem" : " item");
      for (int col = 2; col <= kColumns; ++col) cells->SetString(col, row, std::to_string(row * col) + ".25");
    }
    View->SetHighLightRow(Rows / 2 + 3);
    View->SetTopRow(Rows / 2);
    View->SetSuppressPaint(false);
    Target.SetSize(kWidth, kHeight);
  }
  void Paint() { View->PaintTo(Target.GetCanvas(), 0, 0); }
};

void PaintSmallList(benchmark::State& state) {
  TPaintedList list(100);
  for (auto _ : state) list.Paint();
}
BENCHMARK(PaintSmallList);

void PaintHugeList(benchmark::State& state) {
  TPaintedList list(1000000);
  for (auto _ : state) list.Paint();
}
BENCHMARK(PaintHugeList);

}  // namespace

int main(int argc, char** argv) {
  return gadrix::bench::RunWithRatios(
      argc, argv, {{"PaintHugeList", "PaintSmallList", "1,000,000-row report list / 100-row list, same view"}});
}
