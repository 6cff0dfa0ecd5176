// The grid's state and geometry: its properties, where the cells lie, the scroll bars, scrolling
// and the selection.

#include "gadrix/platform/grids/Grids.h"

#include <algorithm>

#include "gadrix/platform/controls/Form.h"
#include "gadrix/platform/core/Properties.h"
#include "gadrix/platform/grids/InplaceEdit.h"

namespace gadrix {
namespace {

constexpr int kDefaultWidth = 320;
constexpr int kDefaultHeight = 120;

TGridRect NormalRect(TGridCoord A, TGridCoord B) {
  return {std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y)};
}

// The first pixel and the pixel after the last of the cells Lo .. Hi of an axis that are shown,
// lines included; false when none is shown.
bool VisibleSpan(const TGridAxis& Axis, const TAxisLayout& L, int Lo, int Hi, int& Start, int& End) {
  Lo = std::max(Lo, 0);
  Hi = std::min(Hi, Axis.Count() - 1);
  if (Lo > Hi) return false;
  Start = -1;
  // The fixed part of the range, then the part in view among the scrollable cells.
  for (int i = Lo; i <= Hi && i < Axis.Fixed(); ++i) {
    const int s = Axis.CellStart(i, L);
    if (s < 0) break;
    if (Start < 0) Start = s;
    End = s + Axis.Size(i) + L.LineWidth;
  }
  const int first = std::max(Lo, std::max(L.First, Axis.Fixed()));
  const int last = std::min(Hi, L.LastVisible);
  if (first <= last) {
    const int s = Axis.CellStart(first, L);
    if (s >= 0) {
      if (Start < 0) Start = s;
      const int e = Axis.CellStart(last, L);
      End = e + Axis.Size(last) + L.LineWidth;
    }
  }
  if (Start < 0) return false;
  End = std::min(End, L.ClientExtent);
  return true;
}

}  // namespace

const TClassInfo& TCustomGrid::StaticClassInfo() {
  static const TClassInfo info("TCustomGrid", &TCustomControl::StaticClassInfo(), {});
  return info;
}

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  // The grid raises OnClick itself, when the current cell changes.
  SetControlStyle((GetControlStyle() | csOpaque) & ~csClickEvents);
  SetColor(clWindow);
  SetBounds(GetLeft(), GetTop(), kDefaultWidth, kDefaultHeight);
}

TCustomGrid::~TCustomGrid() = default;

// --- size of the grid ------------------------------------------------------------------------------

void TCustomGrid::SetColCount(int Value) {
  Value = std::max(Value, 1);
  if (Value == cols_.Count()) return;
  if (Value <= cols_.Fixed()) SetFixedCols(Value - 1);
  ChangeSize(Value, rows_.Count());
  if (options_ & goRowSelect) anchor_.X = cols_.Count() - 1;
}

void TCustomGrid::SetRowCount(int Value) {
  Value = std::max(Value, 1);
  if (Value == rows_.Count()) return;
  if (Value <= rows_.Fixed()) SetFixedRows(Value - 1);
  ChangeSize(cols_.Count(), Value);
}

void TCustomGrid::ChangeSize(int NewColCount, int NewRowCount) {
  const int oldCols = cols_.Count(), oldRows = rows_.Count();
  if (editorMode_ && (inplace_.X >= NewColCount || inplace_.Y >= NewRowCount)) HideEditor();
  cols_.SetCount(NewColCount);
  rows_.SetCount(NewRowCount);
  // A current cell that was inside the grid stays inside; one placed outside on purpose (to show
  // no selection) stays where it is.
  auto keepInside = [](int& Value, int OldCount, int NewCount) {
    if (Value < OldCount && Value >= NewCount) Value = NewCount - 1;
  };
  keepInside(current_.X, oldCols, NewColCount);
  keepInside(current_.Y, oldRows, NewRowCount);
  keepInside(anchor_.X, oldCols, NewColCount);
  keepInside(anchor_.Y, oldRows, NewRowCount);
  LayoutChanged();
  SizeChanged(oldCols, oldRows);
  UpdateEdit();
}

void TCustomGrid::SetFixedCols(int Value) {
  if (Value == cols_.Fixed()) return;
  if (Value < 0) throw EInvalidGridOperation("Grid index out of range");
  if (Value >= cols_.Count()) throw EInvalidGridOperation("Fixed column count must be less than column count");
  cols_.SetFixed(Value);
  Initialize();
  LayoutChanged();
}

void TCustomGrid::SetFixedRows(int Value) {
  if (Value == rows_.Fixed()) return;
  if (Value < 0) throw EInvalidGridOperation("Grid index out of range");
  if (Value >= rows_.Count()) throw EInvalidGridOperation("Fixed row count must be less than row count");
  rows_.SetFixed(Value);
  Initialize();
  LayoutChanged();
}

// Back to the first scrollable cell, which becomes current.
void TCustomGrid::Initialize() {
  HideEditor();
  topLeft_ = {cols_.Fixed(), rows_.Fixed()};
  current_ = topLeft_;
  anchor_ = current_;
  if (options_ & goRowSelect) anchor_.X = cols_.Count() - 1;
}

void TCustomGrid::SetDefaultColWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == cols_.DefaultSize() && cols_.ExceptionCount() == 0) return;
  cols_.SetDefaultSize(Value);
  LayoutChanged();
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  Value = std::max(Value, 0);
  if (Value == rows_.DefaultSize() && rows_.ExceptionCount() == 0) return;
  rows_.SetDefaultSize(Value);
  LayoutChanged();
  RowHeightsChanged();
}

void TCustomGrid::SetColWidths(int Index, int Value) {
  Value = std::max(Value, 0);
  if (Index < 0 || Index >= cols_.Count() || cols_.Size(Index) == Value) return;
  cols_.SetSize(Index, Value);
  LayoutChanged();
  ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  Value = std::max(Value, 0);
  if (Index < 0 || Index >= rows_.Count() || rows_.Size(Index) == Value) return;
  rows_.SetSize(Index, Value);
  LayoutChanged();
  RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == lineWidth_) return;
  lineWidth_ = Value;
  LayoutChanged();
  ColWidthsChanged();
  RowHeightsChanged();
}

void TCustomGrid::ColWidthsChanged() { UpdateEdit(); }
void TCustomGrid::RowHeightsChanged() { UpdateEdit(); }
void TCustomGrid::SizeChanged(int, int) {}

// --- look --------------------------------------------------------------------------------------------

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (Value & goRowSelect) Value &= ~goAlwaysShowEditor;
  if (Value == options_) return;
  const TGridOptions old = options_;
  options_ = Value;
  const bool editable = (Value & goEditing) && !(Value & goRowSelect);
  if (!editable) HideEditor();
  else if (Value & goAlwaysShowEditor) ShowEditor();
  else if (editorMode_ && !FocusedWithin()) HideEditor();  // the editor no longer stays without the focus
  if ((Value & goRowSelect) && !(old & goRowSelect)) MoveColRow(current_.X, current_.Y, true, false);
  LayoutChanged();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (Value == fixedColor_) return;
  fixedColor_ = Value;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (Value == scrollBars_) return;
  scrollBars_ = Value;
  LayoutChanged();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone) Value = bsSingle;
  if (Value == borderStyle_) return;
  Invalidate();
  borderStyle_ = Value;
  LayoutChanged();
}

void TCustomGrid::SetCtl3D(bool Value) {
  if (Value == ctl3D_) return;
  Invalidate();
  ctl3D_ = Value;
  LayoutChanged();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
  if (Value == defaultDrawing_) return;
  defaultDrawing_ = Value;
  Invalidate();
}

void TCustomGrid::FontChanged() {
  TCustomControl::FontChanged();
  if (editor_ != nullptr) editor_->Invalidate();
}

// --- geometry ------------------------------------------------------------------------------------

// The scroll bars shown: each one when the cells of its direction do not fit beside the other.
TCustomGrid::TScrollState TCustomGrid::ScrollBarsShown() const {
  const int border = BorderWidth(borderStyle_, ctl3D_);
  const int width = GetWidth() - 2 * border, height = GetHeight() - 2 * border;
  const bool mayH = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
  const bool mayV = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  TScrollState s;
  // Showing one bar narrows the room for the other, so decide twice.
  for (int pass = 0; pass < 2; ++pass) {
    s.Horizontal = mayH && !cols_.FitsIn(width - (s.Vertical ? ScrollBarSize : 0), ColLineWidth());
    s.Vertical = mayV && !rows_.FitsIn(height - (s.Horizontal ? ScrollBarSize : 0), RowLineWidth());
  }
  return s;
}

TRect TCustomGrid::GetClientBounds() const {
  const int border = BorderWidth(borderStyle_, ctl3D_);
  const TScrollState bars = ScrollBarsShown();
  const int right = std::max(GetWidth() - border - (bars.Vertical ? ScrollBarSize : 0), border);
  const int bottom = std::max(GetHeight() - border - (bars.Horizontal ? ScrollBarSize : 0), border);
  return {border, border, right, bottom};
}

TAxisLayout TCustomGrid::ColLayout() const { return cols_.Layout(topLeft_.X, ColLineWidth(), GetClientWidth()); }
TAxisLayout TCustomGrid::RowLayout() const { return rows_.Layout(topLeft_.Y, RowLineWidth(), GetClientHeight()); }

TScrollBarModel TCustomGrid::VertScrollBar() const {
  TScrollBarModel bar;
  bar.Kind = sbVertical;
  const TRect client = GetClientBounds();
  if (!ScrollBarsShown().Vertical) return bar;
  bar.Bounds = {client.Right, client.Top, client.Right + ScrollBarSize, client.Bottom};
  bar.Max = std::max(rows_.MaxFirst(client.Height(), RowLineWidth()) - rows_.Fixed(), 0);
  bar.Page = GetVisibleRowCount();
  bar.Position = std::clamp(topLeft_.Y - rows_.Fixed(), 0, bar.Max);
  return bar;
}

TScrollBarModel TCustomGrid::HorzScrollBar() const {
  TScrollBarModel bar;
  bar.Kind = sbHorizontal;
  const TRect client = GetClientBounds();
  if (!ScrollBarsShown().Horizontal) return bar;
  bar.Bounds = {client.Left, client.Bottom, client.Right, client.Bottom + ScrollBarSize};
  bar.Max = std::max(cols_.MaxFirst(client.Width(), ColLineWidth()) - cols_.Fixed(), 0);
  bar.Page = GetVisibleColCount();
  bar.Position = std::clamp(topLeft_.X - cols_.Fixed(), 0, bar.Max);
  return bar;
}

TRect TCustomGrid::SizeGrip() const {
  const TScrollState bars = ScrollBarsShown();
  if (!bars.Vertical || !bars.Horizontal) return {};
  const TRect client = GetClientBounds();
  return {client.Right, client.Bottom, client.Right + ScrollBarSize, client.Bottom + ScrollBarSize};
}

int TCustomGrid::GetVisibleColCount() const {
  const TAxisLayout l = ColLayout();
  return std::max(l.LastFullVisible - topLeft_.X + 1, 1);
}

int TCustomGrid::GetVisibleRowCount() const {
  const TAxisLayout l = RowLayout();
  return std::max(l.LastFullVisible - topLeft_.Y + 1, 1);
}

int TCustomGrid::GetGridWidth() const { return ColLayout().GridBoundary; }
int TCustomGrid::GetGridHeight() const { return RowLayout().GridBoundary; }

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
  const TAxisLayout cl = ColLayout(), rl = RowLayout();
  const int x = cols_.CellStart(ACol, cl), y = rows_.CellStart(ARow, rl);
  if (x < 0 || y < 0) return {};
  return {x, y, x + cols_.Size(ACol), y + rows_.Size(ARow)};
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  const int col = cols_.CellAt(X, ColLayout());
  const int row = rows_.CellAt(Y, RowLayout());
  if (col < 0 || row < 0) return {-1, -1};
  return {col, row};
}

// The client rectangle of the visible part of a block of cells, lines included.
TRect TCustomGrid::GridRectToScreen(const TGridRect& R) const {
  int left, right, top, bottom;
  if (!VisibleSpan(cols_, ColLayout(), R.Left, R.Right, left, right)) return {};
  if (!VisibleSpan(rows_, RowLayout(), R.Top, R.Bottom, top, bottom)) return {};
  return {left, top, right, bottom};
}

void TCustomGrid::InvalidateGridRect(const TGridRect& R) { InvalidateArea(GridRectToScreen(R)); }

void TCustomGrid::InvalidateCell(int ACol, int ARow) { InvalidateGridRect({ACol, ARow, ACol, ARow}); }
void TCustomGrid::InvalidateRow(int ARow) { InvalidateGridRect({0, ARow, cols_.Count() - 1, ARow}); }
void TCustomGrid::InvalidateCol(int ACol) { InvalidateGridRect({ACol, 0, ACol, rows_.Count() - 1}); }

// The client area, the scroll bars or the sizes changed: keep the view within its range and the
// editor on its cell, and repaint.
void TCustomGrid::LayoutChanged() {
  ClampTopLeft();
  PlaceEditor();
  Invalidate();
}

void TCustomGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool resized = AWidth != GetWidth() || AHeight != GetHeight();
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized) LayoutChanged();
}

// --- scrolling -------------------------------------------------------------------------------------

void TCustomGrid::ClampTopLeft() {
  const int maxLeft = cols_.MaxFirst(GetClientWidth(), ColLineWidth());
  const int maxTop = rows_.MaxFirst(GetClientHeight(), RowLineWidth());
  MoveTopLeft(std::clamp(topLeft_.X, cols_.Fixed(), std::max(maxLeft, cols_.Fixed())),
              std::clamp(topLeft_.Y, rows_.Fixed(), std::max(maxTop, rows_.Fixed())));
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
  if (ALeft == topLeft_.X && ATop == topLeft_.Y) return;
  topLeft_ = {ALeft, ATop};
  Invalidate();
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() { PlaceEditor(); }

void TCustomGrid::SetTopRow(int Value) {
  Value = std::clamp(Value, rows_.Fixed(), rows_.Count() - 1);
  MoveTopLeft(topLeft_.X, Value);
}

void TCustomGrid::SetLeftCol(int Value) {
  Value = std::clamp(Value, cols_.Fixed(), cols_.Count() - 1);
  MoveTopLeft(Value, topLeft_.Y);
}

// Scrolls as little as needed for the cell to be wholly in view (as far as it fits).
void TCustomGrid::ClampInView(TGridCoord Cell) {
  auto first = [](const TGridAxis& Axis, int Index, int First, int Extent, int LineWidth) {
    if (Index < Axis.Fixed() || Index >= Axis.Count()) return First;
    if (Index < First) return Index;
    const std::int64_t room = Extent - Axis.FixedExtent(LineWidth);
    // Move the first cell on until the cell and its line fit below it.
    while (First < Index && Axis.Extent(First, Index + 1, LineWidth) > room) ++First;
    return First;
  };
  const int left = first(cols_, Cell.X, topLeft_.X, GetClientWidth(), ColLineWidth());
  const int top = first(rows_, Cell.Y, topLeft_.Y, GetClientHeight(), RowLineWidth());
  MoveTopLeft(left, top);
}

// --- current cell and selection --------------------------------------------------------------------

TGridRect TCustomGrid::GetSelection() const { return NormalRect(current_, anchor_); }

void TCustomGrid::SetSelection(const TGridRect& Value) {
  const TGridRect old = GetSelection();
  anchor_ = {Value.Left, Value.Top};
  current_ = {Value.Right, Value.Bottom};
  SelectionMoved(old);
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel) {
  InvalidateGridRect(OldSel);
  InvalidateGridRect(GetSelection());
}

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  if (!SelectCell(ACol, ARow)) return;
  const TGridRect old = GetSelection();
  const TGridCoord oldCurrent = current_;
  current_ = {ACol, ARow};
  if (!(options_ & goAlwaysShowEditor) && !(current_ == inplace_)) HideEditor();
  if (MoveAnchor || !(options_ & goRangeSelect)) {
    anchor_ = current_;
    if (options_ & goRowSelect) anchor_.X = cols_.Count() - 1;
  }
  if (options_ & goRowSelect) current_.X = cols_.Fixed();
  if (Show) ClampInView(current_);
  SelectionMoved(old);
  InvalidateCell(oldCurrent.X, oldCurrent.Y);
  InvalidateCell(current_.X, current_.Y);
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
  MoveColRow(ACol, ARow, MoveAnchor, true);
  UpdateEdit();
  Click();
}

// Shift-click and drag: the anchor moves, the current cell stays.
void TCustomGrid::MoveAnchor(TGridCoord NewAnchor) {
  if ((options_ & (goRangeSelect | goEditing)) != goRangeSelect) {
    MoveColRow(NewAnchor.X, NewAnchor.Y, true, true);
    return;
  }
  const TGridRect old = GetSelection();
  anchor_ = NewAnchor;
  if (options_ & goRowSelect) anchor_.X = cols_.Count() - 1;
  ClampInView(NewAnchor);
  SelectionMoved(old);
}

void TCustomGrid::SetCol(int Value) {
  if (Value == current_.X) return;
  if (Value < 0 || Value >= cols_.Count()) throw EInvalidGridOperation("Grid index out of range");
  FocusCell(Value, current_.Y, true);
}

void TCustomGrid::SetRow(int Value) {
  if (Value == current_.Y) return;
  if (Value < 0 || Value >= rows_.Count()) throw EInvalidGridOperation("Grid index out of range");
  FocusCell(current_.X, Value, true);
}

// --- moving columns and rows -----------------------------------------------------------------------

namespace {
// Where an index goes when the item at From moves to To.
int MovedIndex(int Index, int From, int To) {
  if (Index == From) return To;
  if (From < To && Index > From && Index <= To) return Index - 1;
  if (To < From && Index >= To && Index < From) return Index + 1;
  return Index;
}
}  // namespace

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= cols_.Count() || ToIndex >= cols_.Count())
    return;
  HideEditor();
  cols_.Move(FromIndex, ToIndex);
  current_.X = MovedIndex(current_.X, FromIndex, ToIndex);
  anchor_.X = MovedIndex(anchor_.X, FromIndex, ToIndex);
  ColumnMoved(FromIndex, ToIndex);
  LayoutChanged();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= rows_.Count() || ToIndex >= rows_.Count())
    return;
  HideEditor();
  rows_.Move(FromIndex, ToIndex);
  current_.Y = MovedIndex(current_.Y, FromIndex, ToIndex);
  anchor_.Y = MovedIndex(anchor_.Y, FromIndex, ToIndex);
  RowMoved(FromIndex, ToIndex);
  LayoutChanged();
}

void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}

// --- focus -------------------------------------------------------------------------------------------

bool TCustomGrid::FocusedWithin() const {
  return Focused() || (editor_ != nullptr && editor_->Focused());
}

// --- TCustomDrawGrid ---------------------------------------------------------------------------------

const TClassInfo& TCustomDrawGrid::StaticClassInfo() {
  static const TClassInfo info("TCustomDrawGrid", &TCustomGrid::StaticClassInfo(), {});
  return info;
}

TCustomDrawGrid::TCustomDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

void TCustomDrawGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  const TGridCoord c = MouseCoord(X, Y);
  ACol = c.X;
  ARow = c.Y;
}

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (onDrawCell_) onDrawCell_(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow) {
  bool canSelect = true;
  if (onSelectCell_) onSelectCell_(this, ACol, ARow, canSelect);
  return canSelect;
}

std::string TCustomDrawGrid::GetEditText(int ACol, int ARow) {
  std::string value;
  if (onGetEditText_) onGetEditText_(this, ACol, ARow, value);
  return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  if (onSetEditText_) onSetEditText_(this, ACol, ARow, Value);
}

void TCustomDrawGrid::TopLeftChanged() {
  TCustomGrid::TopLeftChanged();
  if (onTopLeftChanged_) onTopLeftChanged_(this);
}

void TCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex) {
  if (onColumnMoved_) onColumnMoved_(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int FromIndex, int ToIndex) {
  if (onRowMoved_) onRowMoved_(this, FromIndex, ToIndex);
}

// --- TDrawGrid -----------------------------------------------------------------------------------------

TDrawGrid::TDrawGrid(TComponent* AOwner) : TCustomDrawGrid(AOwner) {}

const TClassInfo& TDrawGrid::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TDrawGrid>(
      "TDrawGrid", &TCustomDrawGrid::StaticClassInfo(),
      {ColorProperty("Color", &TDrawGrid::GetColor, &TDrawGrid::SetColor, clWindow),
       BooleanProperty("TabStop", &TDrawGrid::GetTabStop, &TDrawGrid::SetTabStop, true),
       EnumProperty("BorderStyle", &TDrawGrid::GetBorderStyle, &TDrawGrid::SetBorderStyle, {"bsNone", "bsSingle"},
                    bsSingle),
       BooleanProperty("Ctl3D", &TDrawGrid::GetCtl3D, &TDrawGrid::SetCtl3D, true),
       IntegerProperty("ColCount", &TDrawGrid::GetColCount, &TDrawGrid::SetColCount, 5),
       IntegerProperty("RowCount", &TDrawGrid::GetRowCount, &TDrawGrid::SetRowCount, 5),
       IntegerProperty("FixedCols", &TDrawGrid::GetFixedCols, &TDrawGrid::SetFixedCols, 1),
       IntegerProperty("FixedRows", &TDrawGrid::GetFixedRows, &TDrawGrid::SetFixedRows, 1),
       IntegerProperty("DefaultColWidth", &TDrawGrid::GetDefaultColWidth, &TDrawGrid::SetDefaultColWidth, 64),
       IntegerProperty("DefaultRowHeight", &TDrawGrid::GetDefaultRowHeight, &TDrawGrid::SetDefaultRowHeight, 24),
       BooleanProperty("DefaultDrawing", &TDrawGrid::GetDefaultDrawing, &TDrawGrid::SetDefaultDrawing, true),
       ColorProperty("FixedColor", &TDrawGrid::GetFixedColor, &TDrawGrid::SetFixedColor, clBtnFace),
       IntegerProperty("GridLineWidth", &TDrawGrid::GetGridLineWidth, &TDrawGrid::SetGridLineWidth, 1),
       SetProperty("Options", &TDrawGrid::GetOptions, &TDrawGrid::SetOptions,
                   {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
                    "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving", "goEditing",
                    "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"},
                   goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect),
       EnumProperty("ScrollBars", &TDrawGrid::GetScrollBars, &TDrawGrid::SetScrollBars,
                    {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, ssBoth)});
  return info;
}

}  // namespace gadrix
