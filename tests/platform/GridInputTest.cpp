#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/GridTestSupport.h"

namespace gadrix {
namespace {

using GridInput = testing::GridFixture;

TEST_F(GridInput, AClickMakesACellCurrentAndSelectCellMayRefuse) {
  ClickCell(3, 2);
  EXPECT_EQ(grid->GetCol(), 3);
  EXPECT_EQ(grid->GetRow(), 2);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{3, 2, 3, 2}));
  EXPECT_EQ(Clicks, 1);
  EXPECT_TRUE(grid->Focused());
  grid->SetOnSelectCell([](TObject*, int C, int, bool& CanSelect) { CanSelect = C != 2; });
  ClickCell(2, 1);
  EXPECT_EQ(grid->GetCol(), 3);
  sim::Key(grid, VK_LEFT);
  EXPECT_EQ(grid->GetCol(), 3);
  // Fixed cells do not become current.
  ClickCell(0, 2);
  ClickCell(3, 0);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{3, 2, 3, 2}));
}

TEST_F(GridInput, DraggingAndShiftClickingSelectARangeWithRangeSelect) {
  const TPoint from = Centre(1, 1), to = Centre(3, 2);
  sim::MouseDown(grid, mbLeft, {}, from.X, from.Y);
  sim::MouseMove(grid, ssLeft, to.X, to.Y);
  sim::MouseUp(grid, mbLeft, {}, to.X, to.Y);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 3, 2}));
  EXPECT_EQ(grid->GetCol(), 1);  // the press made the current cell; the drag moved the other end
  sim::AdvanceTime(1000);
  const TPoint shift = Centre(2, 1);
  sim::MouseDown(grid, mbLeft, ssShift, shift.X, shift.Y);
  sim::MouseUp(grid, mbLeft, ssShift, shift.X, shift.Y);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 2, 1}));
  grid->SetOptions(grid->GetOptions() & ~goRangeSelect);
  sim::AdvanceTime(1000);
  sim::MouseDown(grid, mbLeft, {}, from.X, from.Y);
  sim::MouseMove(grid, ssLeft, to.X, to.Y);
  sim::MouseUp(grid, mbLeft, {}, to.X, to.Y);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{3, 2, 3, 2}));
}

TEST_F(GridInput, DraggingPastTheEdgeScrollsACellAtATime) {
  grid->SetRowCount(30);
  const TPoint from = Centre(1, 1);
  sim::MouseDown(grid, mbLeft, {}, from.X, from.Y);
  sim::MouseMove(grid, ssLeft, from.X, grid->GetClientHeight() + 5);
  sim::MouseMove(grid, ssLeft, from.X, grid->GetClientHeight() + 6);
  EXPECT_EQ(grid->GetSelection().Bottom, 4);
  EXPECT_EQ(grid->GetTopRow(), 3);
  sim::MouseUp(grid, mbLeft, {}, from.X, grid->GetClientHeight() + 6);
}

TEST_F(GridInput, ArrowsPagesHomeAndEndMoveTheCurrentCell) {
  grid->SetColCount(10);
  grid->SetRowCount(20);
  grid->SetFocus();
  sim::Key(grid, VK_RIGHT);
  sim::Key(grid, VK_DOWN);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 2, 2}));
  sim::Key(grid, VK_RIGHT, ssShift);
  sim::Key(grid, VK_DOWN, ssShift);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 3, 3}));
  sim::Key(grid, VK_END);
  EXPECT_EQ(grid->GetCol(), 9);
  sim::Key(grid, VK_HOME);
  EXPECT_EQ(grid->GetCol(), 1);
  sim::Key(grid, VK_NEXT);
  EXPECT_EQ(grid->GetRow(), 3 + grid->GetVisibleRowCount());
  sim::Key(grid, VK_UP);
  sim::Key(grid, VK_UP);
  sim::Key(grid, VK_PRIOR);
  sim::Key(grid, VK_PRIOR);
  EXPECT_EQ(grid->GetRow(), 1);  // never into the fixed row
  sim::Key(grid, VK_LEFT);
  EXPECT_EQ(grid->GetCol(), 1);
  sim::Key(grid, VK_DOWN, ssCtrl);  // Ctrl+arrows scroll without moving the current cell
  EXPECT_EQ(grid->GetTopRow(), 2);
  EXPECT_EQ(grid->GetRow(), 1);
}

TEST_F(GridInput, WithRowSelectWholeRowsAreSelectedAndLeftRightMoveRows) {
  grid->SetOptions(grid->GetOptions() | goRowSelect);
  grid->SetFocus();
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 4, 1}));
  sim::Key(grid, VK_RIGHT);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 2, 4, 2}));
  sim::Key(grid, VK_END);
  EXPECT_EQ(grid->GetRow(), 4);
  sim::Key(grid, VK_HOME);
  EXPECT_EQ(grid->GetRow(), 1);
  ClickCell(3, 3);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 3, 4, 3}));
}

TEST_F(GridInput, TabMovesBetweenCellsOnlyWithTabs) {
  grid->SetFocus();
  sim::KeyDown(grid, VK_TAB);
  EXPECT_TRUE(edit->Focused());
  grid->SetOptions(grid->GetOptions() | goTabs);
  grid->SetFocus();
  grid->SetCol(4);
  sim::KeyDown(grid, VK_TAB);
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(grid->GetCol(), 1);  // wrapped to the next row
  EXPECT_EQ(grid->GetRow(), 2);
  sim::KeyDown(grid, VK_TAB, ssShift);
  EXPECT_EQ(grid->GetCol(), 4);
  EXPECT_EQ(grid->GetRow(), 1);
}

TEST_F(GridInput, TheWheelMovesTheCurrentRowUnlessAHandlerHandlesIt) {
  grid->SetRowCount(10);
  const TPoint p = Centre(2, 2);
  sim::Wheel(grid, -WHEEL_DELTA, p.X, p.Y);
  EXPECT_EQ(grid->GetRow(), 2);
  sim::Wheel(grid, -2 * WHEEL_DELTA, p.X, p.Y);
  EXPECT_EQ(grid->GetRow(), 4);
  sim::Wheel(grid, WHEEL_DELTA, p.X, p.Y);
  EXPECT_EQ(grid->GetRow(), 3);
  int downs = 0;
  grid->SetOnMouseWheelDown([&](TObject*, TShiftState, TPoint, bool& Handled) {
    ++downs;
    Handled = true;
  });
  sim::Wheel(grid, -WHEEL_DELTA, p.X, p.Y);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(grid->GetRow(), 3);
  grid->SetOnMouseWheel([](TObject*, TShiftState, int, TPoint, bool& Handled) { Handled = true; });
  sim::Wheel(grid, -WHEEL_DELTA, p.X, p.Y);
  EXPECT_EQ(downs, 1);
}

TEST_F(GridInput, TheScrollBarsScrollWithoutMovingTheCurrentCell) {
  grid->SetRowCount(40);
  std::vector<std::string> events;
  grid->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("down"); });
  grid->SetOnMouseUp([&](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("up"); });
  grid->SetOnDblClick([&](TObject*) { events.push_back("dblclick"); });
  const TRect client = grid->GetClientRect();
  const int barX = client.Right + 8;  // client coordinates of the vertical bar's middle
  sim::Click(grid, barX, client.Bottom - 5);  // the down arrow
  EXPECT_EQ(grid->GetTopRow(), 2);
  sim::Click(grid, barX, 5);  // the up arrow, twice quickly: no double click on the grid
  sim::Click(grid, barX, 5);
  EXPECT_EQ(grid->GetTopRow(), 1);
  sim::AdvanceTime(1000);
  sim::Click(grid, barX, client.Bottom - ScrollBarSize - 2);  // the track below the thumb: a page
  EXPECT_EQ(grid->GetTopRow(), 1 + grid->GetVisibleRowCount());
  EXPECT_EQ(grid->GetRow(), 1);
  EXPECT_TRUE(events.empty());
}

TEST_F(GridInput, TheThumbDragsTheViewWhileTrackingOrOnRelease) {
  grid->SetRowCount(100);
  const TRect client = grid->GetClientRect();
  const int barX = client.Right + 8;
  const int thumbY = ScrollBarSize + 3;
  sim::MouseDown(grid, mbLeft, {}, barX, thumbY);
  sim::MouseMove(grid, ssLeft, barX, client.Bottom);
  EXPECT_EQ(grid->GetTopRow(), 1);  // without thumb tracking the view waits for the release
  sim::MouseUp(grid, mbLeft, {}, barX, client.Bottom);
  const int last = grid->GetTopRow();
  EXPECT_GT(last, 90);
  grid->SetOptions(grid->GetOptions() | goThumbTracking);
  sim::MouseDown(grid, mbLeft, {}, barX, client.Bottom - ScrollBarSize - 3);
  sim::MouseMove(grid, ssLeft, barX, client.Bottom / 2);
  const int middle = grid->GetTopRow();
  EXPECT_LT(middle, last);
  EXPECT_GT(middle, 1);
  sim::MouseMove(grid, ssLeft, barX, -50);
  EXPECT_EQ(grid->GetTopRow(), 1);
  sim::MouseUp(grid, mbLeft, {}, barX, -50);
  EXPECT_EQ(grid->GetTopRow(), 1);
}

TEST_F(GridInput, DraggingAColumnBorderInTheFixedRowSizesTheColumn) {
  sim::MouseDown(grid, mbLeft, {}, 129, 10);  // the line after column 1
  sim::MouseMove(grid, ssLeft, 150, 10);
  sim::MouseUp(grid, mbLeft, {}, 150, 10);
  EXPECT_EQ(grid->GetColWidths(1), 64);  // without goColSizing the press selects instead
  grid->SetOptions(grid->GetOptions() | goColSizing);
  sim::AdvanceTime(1000);
  sim::MouseMove(grid, {}, 130, 10);
  EXPECT_EQ(grid->GetCursor(), crHSplit);
  sim::MouseMove(grid, {}, 100, 10);
  EXPECT_EQ(grid->GetCursor(), crDefault);
  sim::MouseDown(grid, mbLeft, {}, 128, 10);
  sim::MouseMove(grid, ssLeft, 165, 10);
  EXPECT_EQ(grid->GetColWidths(1), 100);  // the column follows while dragging
  sim::MouseMove(grid, ssLeft, 20, 10);
  sim::MouseUp(grid, mbLeft, {}, 20, 10);
  EXPECT_EQ(grid->GetColWidths(1), 0);
  // A border in the scrollable rows is no handle.
  sim::AdvanceTime(1000);
  sim::MouseDown(grid, mbLeft, {}, 64, 40);
  sim::MouseUp(grid, mbLeft, {}, 80, 40);
  EXPECT_EQ(grid->GetColWidths(0), 64);
}

TEST_F(GridInput, DraggingARowBorderInTheFixedColumnSizesTheRow) {
  grid->SetOptions(grid->GetOptions() | goRowSizing);
  sim::MouseDown(grid, mbLeft, {}, 10, 49);  // the line after row 1
  sim::MouseMove(grid, ssLeft, 10, 70);
  sim::MouseUp(grid, mbLeft, {}, 10, 70);
  EXPECT_EQ(grid->GetRowHeights(1), 45);
  EXPECT_EQ(grid->CellRect(1, 2).Top, 25 + 45 + 1);
}

TEST_F(GridInput, DraggingAFixedHeadingMovesTheColumn) {
  std::vector<std::pair<int, int>> moves;
  grid->SetOnColumnMoved([&](TObject*, int From, int To) { moves.push_back({From, To}); });
  grid->SetColWidths(1, 40);
  const TPoint from = Centre(1, 0), to = Centre(3, 0);
  sim::MouseDown(grid, mbLeft, {}, from.X, from.Y);
  sim::MouseUp(grid, mbLeft, {}, to.X, to.Y);
  EXPECT_TRUE(moves.empty());  // only with goColMoving
  grid->SetOptions(grid->GetOptions() | goColMoving);
  sim::AdvanceTime(1000);
  sim::MouseDown(grid, mbLeft, {}, from.X, from.Y);
  sim::MouseMove(grid, ssLeft, to.X, to.Y);
  sim::MouseUp(grid, mbLeft, {}, to.X, to.Y);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0], (std::pair<int, int>{1, 3}));
  EXPECT_EQ(grid->GetColWidths(3), 40);
  EXPECT_EQ(grid->GetColWidths(1), 64);
}

TEST_F(GridInput, SettingColAndRowRaisesOnClickAndSelectionSetsBothEnds) {
  grid->SetCol(3);
  grid->SetRow(4);
  EXPECT_EQ(Clicks, 2);
  grid->SetSelection({2, 2, 4, 3});
  EXPECT_EQ(grid->GetCol(), 4);
  EXPECT_EQ(grid->GetRow(), 3);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 4, 3}));
  // A selection outside the cells selects nothing; the keys bring the current cell back.
  grid->SetSelection({6, 6, 6, 6});
  grid->SetFocus();
  sim::Key(grid, VK_UP);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{4, 4, 4, 4}));
}

}  // namespace
}  // namespace gadrix
