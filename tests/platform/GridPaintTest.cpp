#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "platform/GridTestSupport.h"

namespace gadrix {
namespace {

struct DrawnCell {
  int Col, Row;
  TRect Rect;
  TGridDrawState State;
  TColor Brush;
};

struct GridPaint : testing::GridFixture {
  std::vector<DrawnCell> drawn;
  void SetUp() override {
    GridFixture::SetUp();
    grid->SetOnDrawCell([this](TObject*, int C, int R, TRect Rect, TGridDrawState State) {
      drawn.push_back({C, R, Rect, State, grid->GetCanvas()->GetBrush()->GetColor()});
    });
  }
  const DrawnCell* Find(int C, int R) const {
    for (const DrawnCell& d : drawn)
      if (d.Col == C && d.Row == R) return &d;
    return nullptr;
  }
};

TEST_F(GridPaint, DrawCellRunsOncePerVisibleCellWithThePreparedCanvas) {
  Shot();
  // The client of 299 x 99 shows columns 0 to 4 and rows 0 to 3.
  ASSERT_EQ(drawn.size(), 20u);
  std::set<std::pair<int, int>> cells;
  for (const DrawnCell& d : drawn) cells.insert({d.Col, d.Row});
  EXPECT_EQ(cells.size(), 20u);
  const DrawnCell* corner = Find(0, 0);
  ASSERT_NE(corner, nullptr);
  EXPECT_EQ(corner->State, gdFixed);
  EXPECT_EQ(corner->Brush, clBtnFace);
  EXPECT_EQ(Find(2, 0)->State, gdFixed);
  EXPECT_EQ(Find(2, 2)->State, 0);
  EXPECT_EQ(Find(2, 2)->Brush, clWindow);
  EXPECT_EQ(Find(2, 2)->Rect, grid->CellRect(2, 2));
  // The current cell is selected, and focused while the grid has the focus.
  EXPECT_EQ(Find(1, 1)->State, gdSelected);
  grid->SetFocus();
  drawn.clear();
  Shot();
  EXPECT_EQ(Find(1, 1)->State, gdSelected | gdFocused);
}

TEST_F(GridPaint, AHugeGridPaintsOnlyTheCellsInView) {
  grid->SetRowCount(1000000);
  grid->SetColCount(100);
  grid->SetTopRow(500000);
  grid->SetLeftCol(50);
  Shot();
  ASSERT_EQ(drawn.size(), 20u);
  EXPECT_NE(Find(0, 0), nullptr);
  EXPECT_NE(Find(50, 500000), nullptr);
  EXPECT_NE(Find(53, 500002), nullptr);
  EXPECT_EQ(Find(1, 1), nullptr);
}

TEST_F(GridPaint, RepaintingPartOfTheGridDrawsOnlyTheCellsItMeets) {
  form->PaintPending();
  drawn.clear();
  grid->SetFocus();
  form->PaintPending();
  drawn.clear();
  grid->SetCol(2);  // repaints the cells 1,1 and 2,1
  form->PaintPending();
  std::set<std::pair<int, int>> cells;
  for (const DrawnCell& d : drawn) cells.insert({d.Col, d.Row});
  EXPECT_TRUE(cells.count({1, 1}));
  EXPECT_TRUE(cells.count({2, 1}));
  EXPECT_FALSE(cells.count({4, 3}));
}

TEST_F(GridPaint, LinesAreBlackBetweenFixedCellsAndSilverBetweenTheOthers) {
  auto shot = Shot();
  EXPECT_EQ(ClientPixel(*shot, 64, 10), clBlack);   // after the fixed column, in the fixed row
  EXPECT_EQ(ClientPixel(*shot, 64, 30), clBlack);   // after the fixed column, in a scrollable row
  EXPECT_EQ(ClientPixel(*shot, 100, 24), clBlack);  // below the fixed row
  EXPECT_EQ(ClientPixel(*shot, 129, 30), clSilver);
  EXPECT_EQ(ClientPixel(*shot, 100, 49), clSilver);
  EXPECT_EQ(ClientPixel(*shot, 150, 30), ColorToRGB(clWindow));
  // Without cell lines the gaps show the cell colour; the fixed lines stay.
  grid->SetOptions(goFixedVertLine | goFixedHorzLine);
  shot = Shot();
  EXPECT_EQ(ClientPixel(*shot, 129, 30), ColorToRGB(clWindow));
  EXPECT_EQ(ClientPixel(*shot, 100, 49), ColorToRGB(clWindow));
  EXPECT_EQ(ClientPixel(*shot, 64, 30), clBlack);
  grid->SetColor(clSilver);
  grid->SetOptions(goFixedVertLine | goVertLine);
  shot = Shot();
  EXPECT_EQ(ClientPixel(*shot, 129, 30), clGray);  // a silver grid gets grey lines
}

TEST_F(GridPaint, FixedCellsAreRaisedAndTheAreaBeyondTheCellsTakesTheGridColour) {
  grid->SetColCount(3);
  grid->SetRowCount(3);
  grid->SetColor(clYellow);
  auto shot = Shot();
  EXPECT_EQ(ClientPixel(*shot, 0, 10), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(ClientPixel(*shot, 10, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(ClientPixel(*shot, 63, 10), ColorToRGB(clBtnShadow));
  EXPECT_EQ(ClientPixel(*shot, 10, 23), ColorToRGB(clBtnShadow));
  EXPECT_EQ(ClientPixel(*shot, 10, 10), ColorToRGB(clBtnFace));
  EXPECT_EQ(ClientPixel(*shot, 250, 10), clYellow);  // right of the last column
  EXPECT_EQ(ClientPixel(*shot, 10, 90), clYellow);   // below the last row
  grid->SetCtl3D(false);
  shot = Shot();
  EXPECT_EQ(ClientPixel(*shot, 0, 10), ColorToRGB(clBtnFace));
}

TEST_F(GridPaint, SelectedCellsAreHighlightedAndTheFocusedCellIsFramed) {
  grid->SetFocus();
  grid->SetSelection({1, 1, 3, 2});  // anchor 1,1; current 3,2
  auto shot = Shot();
  const TColor highlight = ColorToRGB(clHighlight);
  EXPECT_EQ(ClientPixel(*shot, 70, 30), highlight);
  EXPECT_EQ(ClientPixel(*shot, 140, 55), highlight);
  // The current cell (3, 2) keeps the window colour inside a dotted focus frame.
  const TRect focused = grid->CellRect(3, 2);
  EXPECT_EQ(ClientPixel(*shot, focused.Left + 5, focused.Top + 5), ColorToRGB(clWindow));
  EXPECT_EQ(ClientPixel(*shot, focused.Left, focused.Top), clBlack);
  EXPECT_EQ(ClientPixel(*shot, focused.Left + 1, focused.Top), ColorToRGB(clWindow));
  grid->SetOptions(grid->GetOptions() | goDrawFocusSelected);
  shot = Shot();
  EXPECT_EQ(ClientPixel(*shot, focused.Left + 5, focused.Top + 5), highlight);
  // Without the focus there is no frame.
  edit->SetFocus();
  shot = Shot();
  EXPECT_EQ(ClientPixel(*shot, focused.Left, focused.Top), highlight);
}

TEST_F(GridPaint, WithoutDefaultDrawingTheCellsAreLeftToDrawCell) {
  grid->SetDefaultDrawing(false);
  grid->SetColor(clYellow);
  grid->SetOnDrawCell([this](TObject*, int C, int R, TRect Rect, TGridDrawState) {
    if (C == 2 && R == 2) {
      grid->GetCanvas()->FillRect(Rect);  // the brush the grid prepared
    }
  });
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(grid->GetWidth(), grid->GetHeight());
  bitmap->GetCanvas()->GetBrush()->SetColor(clLime);
  bitmap->GetCanvas()->FillRect({0, 0, grid->GetWidth(), grid->GetHeight()});
  grid->PaintTo(bitmap->GetCanvas(), 0, 0);
  const TRect cell = grid->CellRect(2, 2);
  EXPECT_EQ(ClientPixel(*bitmap, cell.Left + 3, cell.Top + 3), clYellow);
  EXPECT_EQ(ClientPixel(*bitmap, 70, 30), clLime);  // nobody drew cell 1,1
  EXPECT_EQ(ClientPixel(*bitmap, 10, 10), clLime);
}

TEST_F(GridPaint, TheBorderAndTheScrollBarsAreDrawnAroundTheClient) {
  grid->SetRowCount(30);
  auto shot = Shot();
  EXPECT_EQ(shot->ScanLine(0)[0], ColorToRGB(clBtnShadow));
  EXPECT_EQ(shot->ScanLine(1)[1], ColorToRGB(cl3DDkShadow));
  const TRect client = grid->GetClientBounds();
  // The vertical bar: the up button at its top, raised; the thumb at the top of the track.
  EXPECT_EQ(shot->ScanLine(client.Top)[client.Right], ColorToRGB(cl3DLight));
  EXPECT_EQ(shot->ScanLine(client.Top + 8)[client.Right + 8], ColorToRGB(clBtnText));  // the arrow
  const int thumbY = client.Top + ScrollBarSize + 2;
  EXPECT_EQ(shot->ScanLine(thumbY)[client.Right + 8], ColorToRGB(clBtnFace));
  grid->SetTopRow(grid->GetRowCount() - 1);
  shot = Shot();
  EXPECT_NE(shot->ScanLine(thumbY)[client.Right + 8], ColorToRGB(clBtnFace));  // the thumb went down
  // The square where the two bars meet.
  EXPECT_EQ(shot->ScanLine(client.Bottom + 5)[client.Right + 5], ColorToRGB(clBtnFace));
}

}  // namespace
}  // namespace gadrix
