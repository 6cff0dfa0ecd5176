#include <gtest/gtest.h>

#include "platform/GridTestSupport.h"

namespace gadrix {
namespace {

using Grid = testing::GridFixture;

TEST_F(Grid, StartsWithTheClassicDefaults) {
  EXPECT_EQ(grid->GetColCount(), 5);
  EXPECT_EQ(grid->GetRowCount(), 5);
  EXPECT_EQ(grid->GetFixedCols(), 1);
  EXPECT_EQ(grid->GetFixedRows(), 1);
  EXPECT_EQ(grid->GetDefaultColWidth(), 64);
  EXPECT_EQ(grid->GetDefaultRowHeight(), 24);
  EXPECT_EQ(grid->GetGridLineWidth(), 1);
  EXPECT_EQ(grid->GetOptions(), goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect);
  EXPECT_EQ(grid->GetColor(), clWindow);
  EXPECT_EQ(grid->GetFixedColor(), clBtnFace);
  EXPECT_EQ(grid->GetScrollBars(), ssBoth);
  EXPECT_TRUE(grid->GetDefaultDrawing());
  EXPECT_EQ(grid->GetCol(), 1);
  EXPECT_EQ(grid->GetRow(), 1);
  EXPECT_EQ(grid->GetTopRow(), 1);
  EXPECT_EQ(grid->GetLeftCol(), 1);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 1, 1}));
  TDrawGrid plain(nullptr);
  EXPECT_EQ(plain.GetWidth(), 320);
  EXPECT_EQ(plain.GetHeight(), 120);
}

TEST_F(Grid, CellRectsLeaveTheLineAfterEachCell) {
  EXPECT_EQ(grid->CellRect(0, 0), (TRect{0, 0, 64, 24}));
  EXPECT_EQ(grid->CellRect(1, 1), (TRect{65, 25, 129, 49}));
  grid->SetColWidths(1, 30);
  grid->SetRowHeights(1, 10);
  EXPECT_EQ(grid->CellRect(2, 2), (TRect{96, 36, 160, 60}));
  grid->SetGridLineWidth(3);
  EXPECT_EQ(grid->CellRect(1, 0), (TRect{67, 0, 97, 24}));
  EXPECT_EQ(grid->CellRect(1, 1), (TRect{67, 27, 97, 37}));
}

TEST_F(Grid, WithoutLinesOfADirectionTheCellsOfThatDirectionTouch) {
  // Lines of one kind still keep the gap: the other kind's cells show their background there.
  grid->SetOptions(goFixedVertLine | goFixedHorzLine | goHorzLine);
  EXPECT_EQ(grid->CellRect(2, 1), (TRect{130, 25, 194, 49}));
  grid->SetOptions(goHorzLine);
  EXPECT_EQ(grid->CellRect(2, 1), (TRect{128, 25, 192, 49}));
  grid->SetOptions(0);
  EXPECT_EQ(grid->CellRect(2, 2), (TRect{128, 48, 192, 72}));
}

TEST_F(Grid, CellsOutOfViewHaveAnEmptyRectAndCutOffCellsTheirWholeRect) {
  grid->SetRowCount(20);
  grid->SetTopRow(5);
  EXPECT_EQ(grid->CellRect(1, 1), TRect{});
  EXPECT_EQ(grid->CellRect(0, 4), TRect{});
  EXPECT_EQ(grid->CellRect(1, 5), (TRect{65, 25, 129, 49}));
  EXPECT_EQ(grid->CellRect(1, 0), (TRect{65, 0, 129, 24}));  // the fixed row never scrolls
  EXPECT_EQ(grid->CellRect(0, 5), (TRect{0, 25, 64, 49}));
  // The client is 299 wide beside the vertical scroll bar: column 4 starts at 260 and is cut off.
  EXPECT_EQ(grid->GetClientWidth(), 320 - 4 - 17);
  EXPECT_EQ(grid->CellRect(4, 5), (TRect{260, 25, 324, 49}));
  EXPECT_EQ(grid->CellRect(5, 5), TRect{});   // no such column
  EXPECT_EQ(grid->CellRect(1, 19), TRect{});  // below the client
  EXPECT_EQ(grid->CellRect(-1, 5), TRect{});
}

TEST_F(Grid, MouseCoordGivesTheCellUnderAPointAndMinusOneOffTheCells) {
  EXPECT_EQ(grid->MouseCoord(0, 0), (TGridCoord{0, 0}));
  EXPECT_EQ(grid->MouseCoord(63, 23), (TGridCoord{0, 0}));
  EXPECT_EQ(grid->MouseCoord(64, 24), (TGridCoord{0, 0}));  // on the lines: the cell before them
  EXPECT_EQ(grid->MouseCoord(65, 25), (TGridCoord{1, 1}));
  EXPECT_EQ(grid->MouseCoord(-1, 10), (TGridCoord{-1, -1}));
  EXPECT_EQ(grid->MouseCoord(10, -1), (TGridCoord{-1, -1}));
  grid->SetColCount(3);
  grid->SetRowCount(3);
  EXPECT_EQ(grid->GetGridWidth(), 195);
  EXPECT_EQ(grid->GetGridHeight(), 75);
  EXPECT_EQ(grid->MouseCoord(194, 74), (TGridCoord{2, 2}));
  EXPECT_EQ(grid->MouseCoord(195, 10), (TGridCoord{-1, -1}));  // right of the last column
  EXPECT_EQ(grid->MouseCoord(10, 75), (TGridCoord{-1, -1}));   // below the last row
  int col = 0, row = 0;
  grid->MouseToCell(70, 30, col, row);
  EXPECT_EQ(col, 1);
  EXPECT_EQ(row, 1);
}

TEST_F(Grid, ScrollBarsAppearOnlyWhenTheCellsDoNotFit) {
  // 5 columns of 65 pixels need 325; the client holds 316 beside the border.
  EXPECT_EQ(grid->GetClientBounds(), (TRect{2, 2, 320 - 2 - 17, 120 - 2 - 17}));
  grid->SetBounds(10, 10, 400, 200);
  EXPECT_EQ(grid->GetClientBounds(), (TRect{2, 2, 398, 198}));
  grid->SetRowCount(8);  // 200 pixels of rows: the vertical bar comes, the columns still fit
  EXPECT_EQ(grid->GetClientBounds(), (TRect{2, 2, 398 - 17, 198}));
  grid->SetScrollBars(ssHorizontal);
  EXPECT_EQ(grid->GetClientBounds(), (TRect{2, 2, 398, 198}));
  grid->SetBorderStyle(bsNone);
  EXPECT_EQ(grid->GetClientBounds(), (TRect{0, 0, 400, 200}));
  grid->SetBorderStyle(bsSingle);
  grid->SetCtl3D(false);
  EXPECT_EQ(grid->GetClientBounds(), (TRect{1, 1, 399, 199}));
}

TEST_F(Grid, VisibleCountsAreTheScrollableCellsWhollyInView) {
  // Client 299 x 99: columns 1 to 3 end at 260 (with lines), column 4 is cut off; rows 1 to 2 end
  // at 75, row 3 at 100 > 99.
  EXPECT_EQ(grid->GetVisibleColCount(), 3);
  EXPECT_EQ(grid->GetVisibleRowCount(), 2);
  grid->SetBounds(10, 10, 500, 300);
  EXPECT_EQ(grid->GetVisibleColCount(), 4);
  EXPECT_EQ(grid->GetVisibleRowCount(), 4);
}

TEST_F(Grid, SizesClampAndADefaultResetsEveryCell) {
  grid->SetColWidths(2, -5);
  EXPECT_EQ(grid->GetColWidths(2), 0);
  grid->SetColWidths(9, 50);  // outside the grid: ignored
  EXPECT_EQ(grid->GetColWidths(9), 64);
  grid->SetColWidths(3, 80);
  grid->SetDefaultColWidth(40);
  EXPECT_EQ(grid->GetColWidths(2), 40);
  EXPECT_EQ(grid->GetColWidths(3), 40);
  grid->SetRowHeights(4, 50);
  grid->SetRowCount(3);
  grid->SetRowCount(5);
  EXPECT_EQ(grid->GetRowHeights(4), 24);  // a row that went away takes its height with it
  grid->SetGridLineWidth(-2);
  EXPECT_EQ(grid->GetGridLineWidth(), 0);
}

TEST_F(Grid, FixedCountsStayBelowTheCounts) {
  EXPECT_THROW(grid->SetFixedCols(5), EInvalidGridOperation);
  EXPECT_THROW(grid->SetFixedRows(-1), EInvalidGridOperation);
  grid->SetFixedCols(3);
  EXPECT_EQ(grid->GetCol(), 3);  // a new fixed count starts again at the first scrollable cell
  EXPECT_EQ(grid->GetLeftCol(), 3);
  grid->SetColCount(2);
  EXPECT_EQ(grid->GetFixedCols(), 1);
  grid->SetColCount(0);
  EXPECT_EQ(grid->GetColCount(), 1);
  EXPECT_EQ(grid->GetFixedCols(), 0);
  EXPECT_THROW(grid->SetCol(1), EInvalidGridOperation);
}

TEST_F(Grid, MovingTheCurrentCellScrollsItIntoView) {
  grid->SetRowCount(50);
  grid->SetColCount(30);
  grid->SetFocus();
  for (int i = 0; i < 4; ++i) sim::Key(grid, VK_DOWN);
  EXPECT_EQ(grid->GetRow(), 5);
  // Rows 4 and 5 are in view now, row 5 wholly.
  EXPECT_EQ(grid->GetTopRow(), 4);
  const TRect r = grid->CellRect(1, 5);
  EXPECT_LE(r.Bottom + 1, grid->GetClientHeight());
  sim::Key(grid, VK_END, ssCtrl);
  EXPECT_EQ(grid->GetRow(), 49);
  EXPECT_EQ(grid->GetCol(), 29);
  const TRect last = grid->CellRect(29, 49);
  ASSERT_FALSE(last.IsEmpty());
  EXPECT_LE(last.Right + 1, grid->GetClientWidth());
  EXPECT_LE(last.Bottom + 1, grid->GetClientHeight());
  grid->SetRow(20);
  EXPECT_FALSE(grid->CellRect(grid->GetCol(), 20).IsEmpty());
  sim::Key(grid, VK_HOME, ssCtrl);
  EXPECT_EQ(grid->GetTopRow(), 1);
  EXPECT_EQ(grid->GetLeftCol(), 1);
}

TEST_F(Grid, ResizingKeepsTheViewWithinItsRange) {
  grid->SetRowCount(10);
  grid->SetTopRow(9);  // a top row past the last full page is allowed...
  EXPECT_EQ(grid->GetTopRow(), 9);
  grid->SetBounds(10, 10, 320, 150);  // ...until the layout changes
  EXPECT_EQ(grid->GetTopRow(), 6);
  grid->SetTopRow(100);
  EXPECT_EQ(grid->GetTopRow(), 9);
  grid->SetTopRow(-3);
  EXPECT_EQ(grid->GetTopRow(), 1);
}

TEST_F(Grid, AMillionRowsCostNoMemoryUntilTheirHeightsAreSet) {
  grid->SetRowCount(1000000);
  grid->SetRowHeights(500000, 40);
  EXPECT_EQ(grid->GetRowHeights(499999), 24);
  EXPECT_EQ(grid->GetRowHeights(500000), 40);
  grid->SetFocus();
  sim::Key(grid, VK_END, ssCtrl);
  EXPECT_EQ(grid->GetRow(), 999999);
  EXPECT_FALSE(grid->CellRect(grid->GetCol(), 999999).IsEmpty());

  TGridAxis axis(1000000, 1, 24);
  EXPECT_EQ(axis.ExceptionCount(), 0u);
  EXPECT_EQ(axis.Extent(0, 1000000, 1), 25000000);
  axis.SetSize(10, 30);
  axis.SetSize(20, 10);
  EXPECT_EQ(axis.ExceptionCount(), 2u);
  EXPECT_EQ(axis.Extent(0, 1000000, 1), 25000000 + 6 - 14);
  EXPECT_EQ(axis.Extent(11, 1000000, 1), 25000000 - 11 * 25 - 14);
  axis.SetSize(10, 24);  // back to the default: no longer an exception
  EXPECT_EQ(axis.ExceptionCount(), 1u);
  axis.SetCount(15);
  EXPECT_EQ(axis.ExceptionCount(), 0u);
  EXPECT_EQ(axis.Extent(0, 15, 0), 15 * 24);
}

TEST(GridAxis, MovingACellTakesItsSizeAlongAndShiftsTheOthers) {
  TGridAxis axis(6, 0, 10);
  axis.SetSize(1, 11);
  axis.SetSize(2, 12);
  axis.SetSize(4, 14);
  axis.Move(1, 4);  // 0 2 3 4 1 5
  EXPECT_EQ(axis.Size(1), 12);
  EXPECT_EQ(axis.Size(2), 10);
  EXPECT_EQ(axis.Size(3), 14);
  EXPECT_EQ(axis.Size(4), 11);
  axis.Move(4, 0);  // 1 0 2 3 4 5 in the sizes' order of before
  EXPECT_EQ(axis.Size(0), 11);
  EXPECT_EQ(axis.Size(1), 10);
  EXPECT_EQ(axis.Size(2), 12);
  EXPECT_EQ(axis.Extent(0, 6, 0), 10 * 6 + 1 + 2 + 4);
}

TEST(GridAxis, MaxFirstIsTheFirstCellFromWhichTheRestFills) {
  TGridAxis axis(10, 1, 20);
  // 100 pixels: the fixed cell takes 21, so 79 remain for cells of 21: three fit.
  EXPECT_EQ(axis.MaxFirst(100, 1), 7);
  EXPECT_EQ(axis.MaxFirst(1000, 1), 1);
  axis.SetSize(9, 500);  // a last cell larger than the client is still reachable
  EXPECT_EQ(axis.MaxFirst(100, 1), 9);
}

TEST_F(Grid, ClientCoordinatesStartInsideTheBorderForMouseAndChildren) {
  // A click at the centre of a cell, given in client coordinates, lands on that cell.
  ClickCell(3, 2);
  EXPECT_EQ(grid->GetCol(), 3);
  EXPECT_EQ(grid->GetRow(), 2);
  const TPoint formPoint = grid->ClientToForm({0, 0});
  EXPECT_EQ(formPoint, (TPoint{12, 12}));
  EXPECT_EQ(grid->FormToClient({12, 12}), (TPoint{0, 0}));
}

}  // namespace
}  // namespace gadrix
