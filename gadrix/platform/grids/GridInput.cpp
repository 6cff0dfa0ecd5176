// The grid's input: the mouse on the cells and on the scroll bars, the wheel and the keys.

#include <algorithm>
#include <cstdlib>

#include "gadrix/platform/grids/Grids.h"
#include "gadrix/platform/grids/InplaceEdit.h"

namespace gadrix {
namespace {

// A press this close to a line (on either side of it) sizes the column or row before the line.
constexpr int kSizingZone = 2;

// The cell of an axis whose trailing line lies within the sizing zone of Pixel, or -1.
int SizingLineAt(const TGridAxis& Axis, const TAxisLayout& L, int Pixel, int& CellStart) {
  for (const TCellSpan& cell : Axis.VisibleCells(L)) {
    const int line = cell.Start + cell.Size;
    if (Pixel >= line - kSizingZone && Pixel < line + L.LineWidth + kSizingZone) {
      CellStart = cell.Start;
      return cell.Index;
    }
  }
  return -1;
}

}  // namespace

// --- sizing and moving -----------------------------------------------------------------------------

bool TCustomGrid::SizingAt(int X, int Y, TGridState& State, int& Index, int& Start) const {
  if ((options_ & goColSizing) && Y >= 0 && Y < RowLayout().FixedBoundary) {
    Index = SizingLineAt(cols_, ColLayout(), X, Start);
    if (Index >= 0) {
      State = gsColSizing;
      return true;
    }
  }
  if ((options_ & goRowSizing) && X >= 0 && X < ColLayout().FixedBoundary) {
    Index = SizingLineAt(rows_, RowLayout(), Y, Start);
    if (Index >= 0) {
      State = gsRowSizing;
      return true;
    }
  }
  return false;
}

void TCustomGrid::UpdateSizingCursor(int X, int Y) {
  TGridState sizing = gsNormal;
  int index = 0, start = 0;
  const bool over = SizingAt(X, Y, sizing, index, start);
  if (over && !sizingCursor_) {
    savedCursor_ = GetCursor();
    sizingCursor_ = true;
  }
  if (over) {
    SetCursor(sizing == gsColSizing ? crHSplit : crVSplit);
  } else if (sizingCursor_) {
    sizingCursor_ = false;
    SetCursor(savedCursor_);
  }
}

void TCustomGrid::SizingMove(int X, int Y) {
  if (state_ == gsColSizing) SetColWidths(sizingIndex_, std::max(X - sizingStart_, 0));
  else SetRowHeights(sizingIndex_, std::max(Y - sizingStart_, 0));
}

void TCustomGrid::MovingMove(int X, int Y) {
  if (state_ == gsColMoving) {
    const int col = cols_.CellAt(X, ColLayout());
    if (col >= cols_.Fixed()) movePos_ = col;
  } else {
    const int row = rows_.CellAt(Y, RowLayout());
    if (row >= rows_.Fixed()) movePos_ = row;
  }
}

void TCustomGrid::FinishMoving() {
  if (movePos_ < 0 || movePos_ == sizingIndex_) return;
  if (state_ == gsColMoving) MoveColumn(sizingIndex_, movePos_);
  else MoveRow(sizingIndex_, movePos_);
}

// Dragging a selection: the anchor follows the pointer; beyond an edge the grid scrolls a cell.
void TCustomGrid::SelectingMove(int X, int Y) {
  const TAxisLayout cl = ColLayout(), rl = RowLayout();
  auto pick = [](const TGridAxis& Axis, const TAxisLayout& L, int Pixel) {
    if (Pixel >= L.GridBoundary) return std::min(L.LastFullVisible + 1, Axis.Count() - 1);
    if (Pixel < L.FixedBoundary) return std::max(L.First - 1, Axis.Fixed());
    return Axis.CellAt(Pixel, L);
  };
  const int col = pick(cols_, cl, X), row = pick(rows_, rl, Y);
  if (col < cols_.Fixed() || row < rows_.Fixed()) return;
  if (!(TGridCoord{col, row} == anchor_)) MoveAnchor({col, row});
}

// --- mouse on the cells ----------------------------------------------------------------------------

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  nonClientPress_ = false;
  if (Button == mbLeft) {
    const TGridCoord hit = MouseCoord(X, Y);
    const bool scrollable = hit.X >= cols_.Fixed() && hit.Y >= rows_.Fixed();
    if (Shift & ssDouble) {
      // The second press of a double click opens the editor on the current cell.
      if (scrollable && hit == current_ && (options_ & goEditing)) ShowEditor();
    } else {
      PressCell(Shift, X, Y, hit);
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::PressCell(TShiftState Shift, int X, int Y, TGridCoord Hit) {
  TGridState sizing = gsNormal;
  int index = 0, start = 0;
  if (SizingAt(X, Y, sizing, index, start)) {
    state_ = sizing;
    sizingIndex_ = index;
    sizingStart_ = start;
    return;
  }
  if (Hit.X < 0) return;
  if (Hit.X >= cols_.Fixed() && Hit.Y >= rows_.Fixed()) {
    if (options_ & goEditing) {
      if (Hit == current_) {
        ShowEditor();
      } else {
        MoveColRow(Hit.X, Hit.Y, true, true);
        UpdateEdit();
      }
      Click();
      return;
    }
    if (Shift & ssShift) {
      MoveAnchor(Hit);
      state_ = gsSelecting;
      return;
    }
    MoveColRow(Hit.X, Hit.Y, true, true);
    // A press that SelectCell refused starts no selection (with goRowSelect the current cell sits
    // in the first scrollable column of the row).
    const bool moved = current_.Y == Hit.Y && (current_.X == Hit.X || (options_ & goRowSelect));
    if (moved) state_ = gsSelecting;
  } else if ((options_ & goRowMoving) && Hit.X < cols_.Fixed() && Hit.Y >= rows_.Fixed()) {
    state_ = gsRowMoving;
    sizingIndex_ = movePos_ = Hit.Y;
  } else if ((options_ & goColMoving) && Hit.Y < rows_.Fixed() && Hit.X >= cols_.Fixed()) {
    state_ = gsColMoving;
    sizingIndex_ = movePos_ = Hit.X;
  }
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  // A press whose release the grid never saw (a handler swallowed it) ends here.
  if (state_ != gsNormal && !GetMouseCapture()) state_ = gsNormal;
  switch (state_) {
    case gsSelecting: SelectingMove(X, Y); break;
    case gsColSizing:
    case gsRowSizing: SizingMove(X, Y); break;
    case gsColMoving:
    case gsRowMoving: MovingMove(X, Y); break;
    case gsNormal: UpdateSizingCursor(X, Y); break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TGridState state = state_;
  state_ = gsNormal;
  switch (state) {
    case gsSelecting:
      // The last move placed the anchor; the release point may lie on another cell by now, the
      // grid having scrolled to show the anchor.
      UpdateEdit();
      Click();
      break;
    case gsColMoving:
    case gsRowMoving:
      state_ = state;
      MovingMove(X, Y);
      FinishMoving();
      state_ = gsNormal;
      break;
    case gsColSizing:
    case gsRowSizing: break;
    case gsNormal: UpdateEdit(); break;
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::DblClick() {
  if (nonClientPress_) return;  // a double click on a scroll bar is no double click on the grid
  TCustomControl::DblClick();
}

void TCustomGrid::MouseLeave() {
  if (sizingCursor_ && state_ == gsNormal) {
    sizingCursor_ = false;
    SetCursor(savedCursor_);
  }
  TCustomControl::MouseLeave();
}

// --- scroll bars -----------------------------------------------------------------------------------

bool TCustomGrid::NonClientMouse(TNonClientMouse Action, TMouseButton Button, TShiftState, int X, int Y) {
  const TRect client = GetClientBounds();
  const TPoint outer{X + client.Left, Y + client.Top};
  const bool inClient = GetClientRect().Contains({X, Y});
  switch (Action) {
    case ncmDown:
      nonClientPress_ = !inClient;
      if (inClient) return false;
      ncPressActive_ = true;
      if (Button == mbLeft) {
        if (VertScrollBar().Bounds.Contains(outer)) ScrollBarPress(sbVertical, outer);
        else if (HorzScrollBar().Bounds.Contains(outer)) ScrollBarPress(sbHorizontal, outer);
      }
      return true;
    case ncmMove:
      if (scrollDrag_.Active) ScrollBarDrag(outer);
      if (!inClient && sizingCursor_ && state_ == gsNormal) {
        sizingCursor_ = false;
        SetCursor(savedCursor_);
      }
      return ncPressActive_ || (!inClient && !GetMouseCapture());
    case ncmUp:
      if (!ncPressActive_) return false;
      ncPressActive_ = false;
      if (scrollDrag_.Active) ScrollBarRelease();
      return true;
  }
  return false;
}

void TCustomGrid::ScrollBarPress(TScrollBarKind Kind, TPoint P) {
  const TScrollBarModel bar = Kind == sbVertical ? VertScrollBar() : HorzScrollBar();
  switch (bar.HitTest(P)) {
    case shLineBack: ScrollTo(Kind, bar.Position - 1); break;
    case shLineForward: ScrollTo(Kind, bar.Position + 1); break;
    case shPageBack: ScrollTo(Kind, bar.Position - bar.Page); break;
    case shPageForward: ScrollTo(Kind, bar.Position + bar.Page); break;
    case shThumb:
      scrollDrag_ = {Kind, true, bar.Along(P) - bar.ThumbStart(), bar.Position};
      break;
    case shNone: break;
  }
}

void TCustomGrid::ScrollBarDrag(TPoint P) {
  const TScrollBarModel bar = scrollDrag_.Kind == sbVertical ? VertScrollBar() : HorzScrollBar();
  const int position = bar.PositionAt(bar.Along(P) - scrollDrag_.GrabOffset);
  if (position == scrollDrag_.Position) return;
  scrollDrag_.Position = position;
  if (options_ & goThumbTracking) ScrollTo(scrollDrag_.Kind, position);
  else Invalidate();  // the thumb moves; the cells follow on release
}

void TCustomGrid::ScrollBarRelease() {
  scrollDrag_.Active = false;
  ScrollTo(scrollDrag_.Kind, scrollDrag_.Position);
  Invalidate();
}

// Scrolls to a scroll bar position; the current cell stays where it is.
void TCustomGrid::ScrollTo(TScrollBarKind Kind, int Position) {
  const TScrollBarModel bar = Kind == sbVertical ? VertScrollBar() : HorzScrollBar();
  Position = std::clamp(Position, 0, bar.Max);
  if (Kind == sbVertical) MoveTopLeft(topLeft_.X, rows_.Fixed() + Position);
  else MoveTopLeft(cols_.Fixed() + Position, topLeft_.Y);
}

// --- wheel -----------------------------------------------------------------------------------------

bool TCustomGrid::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (const TMouseWheelEvent handler = GetOnMouseWheel()) handler(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  // Each full notch is one step; a smooth wheel's smaller deltas add up to notches.
  wheelAccumulator_ += WheelDelta;
  bool result = false;
  while (std::abs(wheelAccumulator_) >= WHEEL_DELTA) {
    if (wheelAccumulator_ < 0) {
      wheelAccumulator_ += WHEEL_DELTA;
      result = DoMouseWheelDown(Shift, MousePos);
    } else {
      wheelAccumulator_ -= WHEEL_DELTA;
      result = DoMouseWheelUp(Shift, MousePos);
    }
  }
  return result;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (const TMouseWheelUpDownEvent handler = GetOnMouseWheelDown()) handler(this, Shift, MousePos, handled);
  if (handled) return true;
  if (current_.Y < rows_.Count() - 1) SetRow(std::max(current_.Y + 1, rows_.Fixed()));
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (const TMouseWheelUpDownEvent handler = GetOnMouseWheelUp()) handler(this, Shift, MousePos, handled);
  if (handled) return true;
  if (current_.Y > rows_.Fixed() && current_.Y < rows_.Count()) SetRow(current_.Y - 1);
  return true;
}

// --- keys ------------------------------------------------------------------------------------------

TGridCoord TCustomGrid::TabTarget(bool Backward) const {
  TGridCoord c{std::clamp(current_.X, cols_.Fixed(), cols_.Count() - 1),
               std::clamp(current_.Y, rows_.Fixed(), rows_.Count() - 1)};
  if (Backward) {
    if (--c.X < cols_.Fixed()) {
      c.X = cols_.Count() - 1;
      if (--c.Y < rows_.Fixed()) c.Y = rows_.Count() - 1;
    }
  } else if (++c.X >= cols_.Count()) {
    c.X = cols_.Fixed();
    if (++c.Y >= rows_.Count()) c.Y = rows_.Fixed();
  }
  return c;
}

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == VK_ESCAPE) {
    if (editorMode_) CancelEdit();
    return;
  }
  if (Key == VK_F2 && !(Shift & (ssCtrl | ssAlt))) {
    SetEditorMode(true);
    return;
  }
  const bool rowSelect = options_ & goRowSelect;
  const int pageWidth = GetVisibleColCount(), pageHeight = GetVisibleRowCount();
  TGridCoord cur = current_, tl = topLeft_;
  bool moveAnchor = !(Shift & ssShift);
  if (Shift & ssCtrl) {
    switch (Key) {
      case VK_UP: --tl.Y; break;
      case VK_DOWN: ++tl.Y; break;
      case VK_LEFT:
        if (!rowSelect) {
          cur.X -= pageWidth;
          tl.X -= pageWidth;
        }
        break;
      case VK_RIGHT:
        if (!rowSelect) {
          cur.X += pageWidth;
          tl.X += pageWidth;
        }
        break;
      case VK_PRIOR: cur.Y = topLeft_.Y; break;
      case VK_NEXT: cur.Y = RowLayout().LastFullVisible; break;
      case VK_HOME: cur = tl = {cols_.Fixed(), rows_.Fixed()}; break;
      case VK_END:
        cur = {cols_.Count() - 1, rows_.Count() - 1};
        tl = {cols_.MaxFirst(GetClientWidth(), ColLineWidth()), rows_.MaxFirst(GetClientHeight(), RowLineWidth())};
        break;
      default: return;
    }
  } else {
    switch (Key) {
      case VK_UP: --cur.Y; break;
      case VK_DOWN: ++cur.Y; break;
      // With whole rows selected, Left and Right move between rows too.
      case VK_LEFT: (rowSelect ? cur.Y : cur.X) -= 1; break;
      case VK_RIGHT: (rowSelect ? cur.Y : cur.X) += 1; break;
      case VK_NEXT:
        cur.Y += pageHeight;
        tl.Y += pageHeight;
        break;
      case VK_PRIOR:
        cur.Y -= pageHeight;
        tl.Y -= pageHeight;
        break;
      case VK_HOME:
        if (rowSelect) cur.Y = rows_.Fixed();
        else cur.X = cols_.Fixed();
        break;
      case VK_END:
        if (rowSelect) cur.Y = rows_.Count() - 1;
        else cur.X = cols_.Count() - 1;
        break;
      case VK_TAB:
        if (!(options_ & goTabs) || (Shift & ssAlt)) return;
        cur = TabTarget(Shift & ssShift);
        moveAnchor = true;
        Key = 0;  // the grid keeps the focus
        break;
      default: return;
    }
  }
  cur.X = std::clamp(cur.X, cols_.Fixed(), cols_.Count() - 1);
  cur.Y = std::clamp(cur.Y, rows_.Fixed(), rows_.Count() - 1);
  tl.X = std::clamp(tl.X, cols_.Fixed(), std::max(cols_.MaxFirst(GetClientWidth(), ColLineWidth()), cols_.Fixed()));
  tl.Y = std::clamp(tl.Y, rows_.Fixed(), std::max(rows_.MaxFirst(GetClientHeight(), RowLineWidth()), rows_.Fixed()));
  if (!(tl == topLeft_)) MoveTopLeft(tl.X, tl.Y);
  if (!(cur == current_)) FocusCell(cur.X, cur.Y, moveAnchor);
}

void TCustomGrid::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == 0) return;
  if (Key == '\r' && !(options_ & goAlwaysShowEditor)) {
    if (editorMode_) HideEditor();
    else ShowEditor();
    Key = 0;
    return;
  }
  const bool editingChar = Key == '\b' || (Key >= ' ' && Key != 127);
  if (!editingChar || !(options_ & goEditing)) return;
  if (!editorMode_) {
    ShowEditorChar(Key);
  } else if (editor_ != nullptr && editor_->GetVisible() && !editor_->Focused() && editor_->CanFocus()) {
    // The grid has the focus while its editor is open (Shift+Tab came back to it): the editor takes
    // the character and the focus.
    editor_->SetFocus();
    editor_->TypeChar(Key);
  }
}

}  // namespace gadrix
