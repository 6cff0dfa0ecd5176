// Painting the grid: the lines, the cells in view (each through DrawCell), the empty area beyond
// the last cells, the focus rectangle; and in the non-client area the border and the scroll bars.
//
// Only the cells in view are visited, and of those only the ones that meet the area being
// repainted, so the cost follows the client size, never the number of rows and columns.

#include <vector>

#include "gadrix/platform/grids/Grids.h"
#include "gadrix/platform/grids/InplaceEdit.h"

namespace gadrix {
namespace {

// Lines between fixed cells are black; lines between the other cells silver (grey on a silver grid).
constexpr TColor kFixedLineColor = clBlack;
constexpr TColor kCellLineColor = clSilver;
constexpr TColor kCellLineColorOnSilver = clGray;

bool Meets(const TRect& A, const TRect& B) { return !Intersect(A, B).IsEmpty(); }

void Fill(TCanvas* Canvas, const TRect& R, TColor Color) {
  Canvas->GetBrush()->SetColor(Color);
  Canvas->FillRect(R);
}

// The dotted focus rectangle: every other pixel along the inside of R inverted, from the top-left
// corner on, so that drawing it twice takes it away again.
void DrawFocusRect(TCanvas* Canvas, const TRect& R) {
  if (R.IsEmpty()) return;
  auto invert = [&](int X, int Y) {
    if ((X - R.Left + Y - R.Top) % 2 != 0) return;
    const TColor c = Canvas->GetPixel(X, Y);
    if (c != static_cast<TColor>(-1)) Canvas->SetPixel(X, Y, c ^ 0xFFFFFF);
  };
  for (int x = R.Left; x < R.Right; ++x) {
    invert(x, R.Top);
    if (R.Bottom - 1 > R.Top) invert(x, R.Bottom - 1);
  }
  for (int y = R.Top + 1; y < R.Bottom - 1; ++y) {
    invert(R.Left, y);
    if (R.Right - 1 > R.Left) invert(R.Right - 1, y);
  }
}

// The raised edge of a fixed cell: highlight on the sides that face a drawn line's start, shadow on
// the others, for the directions whose fixed lines are drawn.
void DrawFixedEdge(TCanvas* Canvas, const TRect& R, bool Vertical, bool Horizontal) {
  if (R.IsEmpty()) return;
  if (Horizontal) Fill(Canvas, {R.Left, R.Top, R.Right, R.Top + 1}, clBtnHighlight);
  if (Vertical) Fill(Canvas, {R.Left, R.Top, R.Left + 1, R.Bottom}, clBtnHighlight);
  if (Horizontal) Fill(Canvas, {R.Left, R.Bottom - 1, R.Right, R.Bottom}, clBtnShadow);
  if (Vertical) Fill(Canvas, {R.Right - 1, R.Top, R.Right, R.Bottom}, clBtnShadow);
}

}  // namespace

// A helper with the state one paint needs; it reaches the grid's private parts as its friend.
class TGridPainter {
public:
  explicit TGridPainter(TCustomGrid& Grid)
      : grid_(Grid),
        canvas_(Grid.GetCanvas()),
        clip_(canvas_->GetClipRect()),
        colLayout_(Grid.ColLayout()),
        rowLayout_(Grid.RowLayout()),
        cols_(Grid.cols_.VisibleCells(colLayout_)),
        rows_(Grid.rows_.VisibleCells(rowLayout_)),
        selection_(Grid.GetSelection()),
        focused_(Grid.FocusedWithin()) {}

  void Paint() {
    PaintLines();
    PaintCells();
    PaintBeyondCells();
    PaintFocus();
  }

private:
  bool IsFixed(int ACol, int ARow) const { return ACol < grid_.cols_.Fixed() || ARow < grid_.rows_.Fixed(); }

  TColor LineColor() const {
    return ColorToRGB(grid_.GetColor()) == clSilver ? kCellLineColorOnSilver : kCellLineColor;
  }

  // The gap after each cell: its line where the options draw one, else the cell's background.
  void PaintLines() {
    const TGridOptions options = grid_.options_;
    const int lw = colLayout_.LineWidth, lh = rowLayout_.LineWidth;
    if (lw == 0 && lh == 0) return;
    for (const TCellSpan& row : rows_) {
      for (const TCellSpan& col : cols_) {
        const bool fixed = IsFixed(col.Index, row.Index);
        const TColor background = fixed ? grid_.fixedColor_ : grid_.GetColor();
        const TColor line = fixed ? kFixedLineColor : LineColor();
        const TRect vertical{col.Start + col.Size, row.Start, col.Start + col.Size + lw, row.Start + row.Size + lh};
        const TRect horizontal{col.Start, row.Start + row.Size, col.Start + col.Size, row.Start + row.Size + lh};
        if (lw > 0 && Meets(vertical, clip_))
          Fill(canvas_, vertical, (options & (fixed ? goFixedVertLine : goVertLine)) ? line : background);
        if (lh > 0 && Meets(horizontal, clip_))
          Fill(canvas_, horizontal, (options & (fixed ? goFixedHorzLine : goHorzLine)) ? line : background);
      }
    }
  }

  void PaintCells() {
    for (const TCellSpan& row : rows_)
      for (const TCellSpan& col : cols_) {
        const TRect r{col.Start, row.Start, col.Start + col.Size, row.Start + row.Size};
        if (Meets(r, clip_)) PaintCell(col.Index, row.Index, r);
      }
  }

  void PaintCell(int ACol, int ARow, const TRect& R) {
    const bool fixed = IsFixed(ACol, ARow);
    TGridDrawState state = 0;
    if (fixed) state |= gdFixed;
    else if (selection_.Contains(ACol, ARow)) state |= gdSelected;
    if (focused_ && ACol == grid_.current_.X && ARow == grid_.current_.Y) state |= gdFocused;
    PrepareCanvas(fixed);
    if (grid_.defaultDrawing_) {
      const bool highlight = (state & gdSelected) &&
                             (!(state & gdFocused) || (grid_.options_ & (goDrawFocusSelected | goRowSelect)));
      if (highlight) {
        canvas_->GetBrush()->SetColor(clHighlight);
        canvas_->GetFont()->SetColor(clHighlightText);
      }
      canvas_->FillRect(R);
    }
    grid_.DrawCell(ACol, ARow, R, state);
    if (grid_.defaultDrawing_ && fixed && grid_.ctl3D_)
      DrawFixedEdge(canvas_, R, grid_.options_ & goFixedVertLine, grid_.options_ & goFixedHorzLine);
  }

  // What DrawCell finds: the control's font, a solid brush in the cell's colour, a plain pen.
  void PrepareCanvas(bool Fixed) {
    canvas_->GetFont()->Assign(grid_.GetFont());
    TBrush* brush = canvas_->GetBrush();
    brush->SetColor(Fixed ? grid_.fixedColor_ : grid_.GetColor());
    brush->SetStyle(bsSolid);
    TPen* pen = canvas_->GetPen();
    pen->SetColor(clBlack);
    pen->SetWidth(1);
    pen->SetStyle(psSolid);
    pen->SetMode(pmCopy);
  }

  // Right of the last column and below the last row the grid shows its colour.
  void PaintBeyondCells() {
    const int right = colLayout_.GridBoundary, bottom = rowLayout_.GridBoundary;
    const int width = colLayout_.ClientExtent, height = rowLayout_.ClientExtent;
    if (right < width) Fill(canvas_, {right, 0, width, height}, grid_.GetColor());
    if (bottom < height) Fill(canvas_, {0, bottom, right, height}, grid_.GetColor());
  }

  void PaintFocus() {
    if (!grid_.defaultDrawing_ || !focused_) return;
    if (grid_.editor_ != nullptr && grid_.editor_->GetVisible()) return;
    TRect r;
    if (grid_.options_ & goRowSelect) {
      const TRect row = grid_.CellRect(grid_.cols_.Fixed(), grid_.current_.Y);
      if (!row.IsEmpty()) r = {colLayout_.FixedBoundary, row.Top, colLayout_.GridBoundary, row.Bottom};
    } else {
      r = grid_.CellRect(grid_.current_.X, grid_.current_.Y);
    }
    if (Meets(r, clip_)) DrawFocusRect(canvas_, r);
  }

  TCustomGrid& grid_;
  TCanvas* canvas_;
  TRect clip_;
  TAxisLayout colLayout_, rowLayout_;
  std::vector<TCellSpan> cols_, rows_;
  TGridRect selection_;
  bool focused_;
};

void TCustomGrid::Paint() { TGridPainter(*this).Paint(); }

void TCustomGrid::PaintNonClient(TCanvas* Canvas) {
  DrawBorder(Canvas, {0, 0, GetWidth(), GetHeight()}, borderStyle_, ctl3D_);
  for (TScrollBarModel bar : {VertScrollBar(), HorzScrollBar()}) {
    // A thumb dragged without tracking shows where it is, not where the view still is.
    if (scrollDrag_.Active && scrollDrag_.Kind == bar.Kind) bar.Position = scrollDrag_.Position;
    bar.Paint(Canvas);
  }
  const TRect grip = SizeGrip();
  if (!grip.IsEmpty()) Fill(Canvas, grip, clBtnFace);
}

}  // namespace gadrix
