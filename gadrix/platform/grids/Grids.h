#pragma once
// Grids: TCustomGrid (cells in columns and rows with fixed headings, scrolling, selection, sizing
// and an in-place editor), TCustomDrawGrid (the same with events for drawing and editing) and
// TDrawGrid (its properties published).
//
// Cells are addressed (column, row), both 0-based; the first FixedCols columns and FixedRows rows
// are the fixed headings, which never scroll. Geometry in client pixels: the fixed cells from the
// top-left corner, then the scrollable cells from LeftCol and TopRow. Each cell is followed by a
// gap of GridLineWidth pixels (none when neither kind of line of that direction is in Options); the
// gap holds the grid line when its option is set, else the cell's background:
//
//     column 0 (fixed)        column 1
//     x = 0 .. 63  | 64 |     x = 65 .. 128  | 129 |        (DefaultColWidth 64, GridLineWidth 1)
//
// CellRect gives the cell without its line, (0, 0, 64, 24) for cell (0, 0) by default; a point on a
// line belongs to the cell before it (MouseCoord).
//
// Painting draws only what is visible: the lines and the cells that meet the area being repainted,
// each cell through DrawCell with the canvas prepared (the control's font, the brush in FixedColor
// for fixed cells and Color for the others; with DefaultDrawing the cell is filled first, selected
// cells in the highlight colours, and fixed cells get a raised edge and the focused cell a dotted
// focus rectangle afterwards). Column widths and row heights are stored only where they differ
// from the defaults, so the size of the grid costs no memory.
//
// Interaction:
//   mouse      a press on a scrollable cell makes it current (Shift with goRangeSelect extends the
//              selection), dragging selects a range; with goEditing a press on the current cell
//              opens the editor. A press on a column border in the fixed rows sizes the column
//              (goColSizing), on a row border in the fixed columns the row (goRowSizing); a press
//              on a fixed heading and a drag moves the column or row (goColMoving, goRowMoving).
//              The scroll bars: arrows one line, the track one page, the thumb dragged (the view
//              follows while dragging with goThumbTracking, else on release).
//   wheel      one row down or up per notch, after OnMouseWheel and OnMouseWheelDown/Up left
//              it unhandled.
//   keys       arrows one cell (Shift extends with goRangeSelect); Ctrl+arrows scroll; Page Up /
//              Page Down one page; Home / End the first / last column (rows with goRowSelect);
//              Ctrl+Home / Ctrl+End the first / last cell; Ctrl+Page Up / Down the first / last
//              row in view; Tab / Shift+Tab the next / previous cell with goTabs.
//   editing    (goEditing without goRowSelect) typing a character opens the editor with that
//              character, F2 opens it with the caret at the end, Enter opens and closes it, a
//              press on the current cell opens it. Enter, moving to another cell and leaving the
//              grid end editing and store the text (SetEditText, when the user changed it);
//              Escape ends it and restores the text, storing nothing. With goAlwaysShowEditor
//              the editor stays open on the current cell.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gadrix/platform/controls/NonClient.h"
#include "gadrix/platform/controls/WinControl.h"
#include "gadrix/platform/grids/GridAxis.h"
#include "gadrix/platform/grids/ScrollBar.h"

namespace gadrix {

class TInplaceEdit;

enum : std::uint32_t {
  goFixedVertLine = 0x0001,      // lines between fixed columns
  goFixedHorzLine = 0x0002,      // lines between fixed rows
  goVertLine = 0x0004,           // lines between scrollable columns
  goHorzLine = 0x0008,           // lines between scrollable rows
  goRangeSelect = 0x0010,        // a range of cells may be selected
  goDrawFocusSelected = 0x0020,  // the focused cell is drawn in the selection colours too
  goRowSizing = 0x0040,          // rows are sized by dragging their border in the fixed columns
  goColSizing = 0x0080,          // columns are sized by dragging their border in the fixed rows
  goRowMoving = 0x0100,          // rows are moved by dragging their fixed heading
  goColMoving = 0x0200,          // columns are moved by dragging their fixed heading
  goEditing = 0x0400,            // cells may be edited in place
  goTabs = 0x0800,               // Tab and Shift+Tab move between cells
  goRowSelect = 0x1000,          // whole rows are selected; no editing
  goAlwaysShowEditor = 0x2000,   // the editor stays open (with goEditing)
  goThumbTracking = 0x4000       // the view follows the scroll bar's thumb while it is dragged
};
using TGridOptions = std::uint32_t;

enum : std::uint8_t {
  gdSelected = 1,  // a scrollable cell inside Selection
  gdFocused = 2,   // the current cell while the grid (or its editor) has the focus
  gdFixed = 4      // a fixed cell
};
using TGridDrawState = std::uint8_t;

struct TGridCoord {
  int X = 0;  // column
  int Y = 0;  // row
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells; Right and Bottom are the last column and row in it (inclusive).
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(int ACol, int ARow) const { return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom; }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// What a mouse press started.
enum TGridState : std::uint8_t { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// How the in-place editor offers a cell: a plain text box, one with a button (OnEditButtonClick of
// the list-capable editor), or one with a drop-down list of choices.
enum TEditStyle : std::uint8_t { esSimple, esEllipsis, esPickList };

// A grid operation with an argument it cannot take (a fixed count not below the count, a current
// cell outside the grid).
class EInvalidGridOperation : public Exception {
public:
  using Exception::Exception;
};

using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

class TCustomGrid : public TCustomControl {
public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // --- size of the grid ------------------------------------------------------------------------
  // Default 5; at least 1. Lowering it below FixedCols + 1 lowers FixedCols.
  int GetColCount() const { return cols_.Count(); }
  void SetColCount(int Value);
  // Default 5; at least 1. Lowering it below FixedRows + 1 lowers FixedRows.
  int GetRowCount() const { return rows_.Count(); }
  void SetRowCount(int Value);
  // Default 1; 0 to ColCount - 1, else EInvalidGridOperation. A change scrolls back to the first
  // scrollable cell and makes it current.
  int GetFixedCols() const { return cols_.Fixed(); }
  void SetFixedCols(int Value);
  // Default 1; 0 to RowCount - 1, else EInvalidGridOperation; as FixedCols.
  int GetFixedRows() const { return rows_.Fixed(); }
  void SetFixedRows(int Value);

  // Default 64 pixels; negative values count as 0. Setting it gives every column this width.
  int GetDefaultColWidth() const { return cols_.DefaultSize(); }
  void SetDefaultColWidth(int Value);
  // Default 24 pixels; negative values count as 0. Setting it gives every row this height.
  int GetDefaultRowHeight() const { return rows_.DefaultSize(); }
  void SetDefaultRowHeight(int Value);
  // The width of column Index (DefaultColWidth unless set); an index outside the grid reads as
  // DefaultColWidth and is ignored when written. Negative widths count as 0.
  int GetColWidths(int Index) const { return cols_.Size(Index); }
  void SetColWidths(int Index, int Value);
  int GetRowHeights(int Index) const { return rows_.Size(Index); }
  void SetRowHeights(int Index, int Value);
  // Default 1 pixel; negative values count as 0.
  int GetGridLineWidth() const { return lineWidth_; }
  void SetGridLineWidth(int Value);

  // --- look --------------------------------------------------------------------------------------
  // Default goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect.
  // goRowSelect excludes goAlwaysShowEditor.
  TGridOptions GetOptions() const { return options_; }
  void SetOptions(TGridOptions Value);
  // Default clBtnFace: the background of the fixed cells.
  TColor GetFixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor Value);
  // Default ssBoth: which scroll bars appear when the cells do not fit.
  TScrollStyle GetScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle Value);
  // Default bsSingle.
  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  // Default true: a sunken 3-D border and raised fixed cells.
  bool GetCtl3D() const { return ctl3D_; }
  void SetCtl3D(bool Value);
  // Default true: cells are filled (and selection, fixed edges and focus drawn) around DrawCell.
  bool GetDefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool Value);

  // --- current cell, selection and scrolling -----------------------------------------------------
  // The current cell. Setting it (within the grid, else EInvalidGridOperation) asks SelectCell,
  // moves the selection there, scrolls it into view and raises OnClick.
  int GetCol() const { return current_.X; }
  void SetCol(int Value);
  int GetRow() const { return current_.Y; }
  void SetRow(int Value);
  // The selected block: between the anchor and the current cell (whole rows with goRowSelect).
  // Setting it takes Left/Top as the anchor and Right/Bottom as the current cell as given,
  // without checks or scrolling; a block outside the cells shows no selection.
  TGridRect GetSelection() const;
  void SetSelection(const TGridRect& Value);
  // The first scrollable row and column in view. Setting clamps to FixedRows .. RowCount - 1
  // (FixedCols .. ColCount - 1), scrolls and calls TopLeftChanged.
  int GetTopRow() const { return topLeft_.Y; }
  void SetTopRow(int Value);
  int GetLeftCol() const { return topLeft_.X; }
  void SetLeftCol(int Value);
  // Scrollable columns and rows wholly in view (with their lines); at least 1.
  int GetVisibleColCount() const;
  int GetVisibleRowCount() const;
  // The first pixel right of (below) the last cell in view and its line, at most the client width
  // (height).
  int GetGridWidth() const;
  int GetGridHeight() const;

  // The cell's rectangle without its line, in client pixels; a cell scrolled out of view (or
  // outside the grid) gives the empty rectangle (0, 0, 0, 0). A cell cut off at the right or bottom
  // gives its whole rectangle.
  TRect CellRect(int ACol, int ARow) const;
  // The cell under a point; (-1, -1) when the point lies on no cell.
  TGridCoord MouseCoord(int X, int Y) const;

  // --- in-place editing --------------------------------------------------------------------------
  // Whether the editor is open (or asked to open; it shows only while the grid has the focus or
  // with goAlwaysShowEditor). Setting true opens it with the caret at the end of the text.
  bool GetEditorMode() const { return editorMode_; }
  void SetEditorMode(bool Value);
  // Opens the editor on the current cell (selecting its text) when the options allow editing.
  void ShowEditor();
  // Closes the editor, storing the text when the user changed it.
  void HideEditor();
  // The editor, created on first use (CreateEditor); null before.
  TInplaceEdit* GetInplaceEditor() const { return editor_; }

  // While the editor is open and can take the focus, the focus goes to it.
  void SetFocus() override;
  TRect GetClientBounds() const override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TGridState GetGridState() const { return state_; }

protected:
  friend class TInplaceEdit;
  friend class TInplaceEditList;

  // Draws one cell; Rect excludes the grid line.
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
  // Whether the cell may become current; the base allows every cell.
  virtual bool SelectCell(int ACol, int ARow);
  // The text the editor starts with, and where its text goes when editing ends; the base offers
  // the empty text and stores nothing.
  virtual std::string GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const std::string& Value);
  // The most characters the editor takes; 0 (default) for no limit.
  virtual int GetEditLimit();
  virtual TEditStyle GetEditStyle(int ACol, int ARow);
  // Whether the editor may show now: goEditing without goRowSelect, the editor mode on, and the
  // focus on the grid or goAlwaysShowEditor.
  virtual bool CanEditShow() const;
  // Whether the user may change the text of the open editor; default true.
  virtual bool CanEditModify();
  // The editor to use; the base makes a plain TInplaceEdit. The grid owns and parents it.
  virtual TInplaceEdit* CreateEditor();
  // After the grid scrolled.
  virtual void TopLeftChanged();
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  // After ColCount or RowCount changed.
  virtual void SizeChanged(int OldColCount, int OldRowCount);
  virtual void ColumnMoved(int FromIndex, int ToIndex);
  virtual void RowMoved(int FromIndex, int ToIndex);
  // One wheel notch: raise OnMouseWheelDown / OnMouseWheelUp; when no handler handled it, move
  // the current row down / up by one. True when handled.
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);

  // Moves the current cell (asking SelectCell) and with MoveAnchor the anchor too; with Show
  // scrolls it into view. No check of the range, no OnClick.
  void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
  // MoveColRow with scrolling, then places the editor and raises OnClick.
  void FocusCell(int ACol, int ARow, bool MoveAnchor);
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);
  void InvalidateCell(int ACol, int ARow);
  void InvalidateRow(int ARow);
  void InvalidateCol(int ACol);
  void InvalidateGrid() { Invalidate(); }
  // Places the editor on the current cell, opening or moving it as the mode says.
  void UpdateEdit();
  // Stores the editor's text when the user changed it.
  void UpdateText();

  void Paint() override;
  void PaintNonClient(TCanvas* Canvas) override;
  bool NonClientMouse(TNonClientMouse Action, TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void MouseLeave() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoEnter() override;
  void DoExit() override;
  void FontChanged() override;

private:
  friend class TGridPainter;

  // --- geometry (Grids.cpp) ---
  struct TScrollState {
    bool Vertical = false;
    bool Horizontal = false;
  };
  int EffectiveLineWidth(TGridOptions Lines) const { return (options_ & Lines) ? lineWidth_ : 0; }
  int ColLineWidth() const { return EffectiveLineWidth(goFixedVertLine | goVertLine); }
  int RowLineWidth() const { return EffectiveLineWidth(goFixedHorzLine | goHorzLine); }
  TAxisLayout ColLayout() const;
  TAxisLayout RowLayout() const;
  TScrollState ScrollBarsShown() const;
  TScrollBarModel VertScrollBar() const;
  TScrollBarModel HorzScrollBar() const;
  TRect SizeGrip() const;
  void LayoutChanged();
  void ClampTopLeft();
  void MoveTopLeft(int ALeft, int ATop);
  void ClampInView(TGridCoord Cell);
  TRect GridRectToScreen(const TGridRect& R) const;
  void InvalidateGridRect(const TGridRect& R);
  void SelectionMoved(const TGridRect& OldSel);
  void MoveAnchor(TGridCoord NewAnchor);
  void Initialize();
  void ChangeSize(int NewColCount, int NewRowCount);
  bool FocusedWithin() const;

  // --- editing (GridEditing.cpp) ---
  void ShowEditorChar(char32_t Ch);
  void PlaceEditor();
  void HideEdit(bool Store);
  void CancelEdit();
  // Stores the editor's text at once (a choice taken from a pick list).
  void StoreEditorText();
  void FocusGridItself();
  void EditorExited();
  void FocusArrived();
  void FocusLeft();
  bool FocusGoesTo(const TWinControl* Control) const;

  // --- input (GridInput.cpp) ---
  struct TScrollDrag {
    TScrollBarKind Kind = sbVertical;
    bool Active = false;
    int GrabOffset = 0;  // where the thumb was caught, from its start
    int Position = 0;    // the position the dragged thumb shows
  };
  // Whether a press at (X, Y) would size a column or row: which one, and where it starts.
  bool SizingAt(int X, int Y, TGridState& State, int& Index, int& Start) const;
  void PressCell(TShiftState Shift, int X, int Y, TGridCoord Hit);
  void UpdateSizingCursor(int X, int Y);
  void ScrollBarPress(TScrollBarKind Kind, TPoint P);
  void ScrollBarDrag(TPoint P);
  void ScrollBarRelease();
  void ScrollTo(TScrollBarKind Kind, int Position);
  void SelectingMove(int X, int Y);
  void SizingMove(int X, int Y);
  void MovingMove(int X, int Y);
  void FinishMoving();
  TGridCoord TabTarget(bool Backward) const;

  TGridAxis cols_{5, 1, 64};
  TGridAxis rows_{5, 1, 24};
  int lineWidth_ = 1;
  TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
  TColor fixedColor_ = clBtnFace;
  TScrollStyle scrollBars_ = ssBoth;
  TBorderStyle borderStyle_ = bsSingle;
  bool ctl3D_ = true;
  bool defaultDrawing_ = true;

  TGridCoord current_{1, 1};
  TGridCoord anchor_{1, 1};
  TGridCoord topLeft_{1, 1};

  TGridState state_ = gsNormal;
  int sizingIndex_ = -1;   // the column or row being sized or moved
  int sizingStart_ = 0;    // its left (top) edge in client pixels
  int movePos_ = -1;       // where a moved column or row would go
  TScrollDrag scrollDrag_;
  bool ncPressActive_ = false;   // a press on the border or a scroll bar is under way
  bool nonClientPress_ = false;  // the last press fell on the border or a scroll bar
  bool sizingCursor_ = false;
  TCursor savedCursor_ = crDefault;
  int wheelAccumulator_ = 0;

  TInplaceEdit* editor_ = nullptr;
  bool editorMode_ = false;
  TGridCoord inplace_{-1, -1};  // the cell the editor holds, (-1, -1) when none
  std::string inplaceOriginal_;  // its text when the editor opened, for Escape
  bool storedWhileEditing_ = false;  // a pick-list choice was stored before editing ended
  bool keepEditorOnExit_ = false;    // the editor loses the focus only while its cell is out of view
  bool focusInside_ = false;         // the grid or its editor has the focus (for OnEnter / OnExit)
};

// A grid whose cells the host draws and edits through events.
class TCustomDrawGrid : public TCustomGrid {
public:
  explicit TCustomDrawGrid(TComponent* AOwner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // MouseCoord in two variables.
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

  TDrawCellEvent GetOnDrawCell() const { return onDrawCell_; }
  void SetOnDrawCell(TDrawCellEvent Value) { onDrawCell_ = std::move(Value); }
  TSelectCellEvent GetOnSelectCell() const { return onSelectCell_; }
  void SetOnSelectCell(TSelectCellEvent Value) { onSelectCell_ = std::move(Value); }
  TNotifyEvent GetOnTopLeftChanged() const { return onTopLeftChanged_; }
  void SetOnTopLeftChanged(TNotifyEvent Value) { onTopLeftChanged_ = std::move(Value); }
  TGetEditEvent GetOnGetEditText() const { return onGetEditText_; }
  void SetOnGetEditText(TGetEditEvent Value) { onGetEditText_ = std::move(Value); }
  TSetEditEvent GetOnSetEditText() const { return onSetEditText_; }
  void SetOnSetEditText(TSetEditEvent Value) { onSetEditText_ = std::move(Value); }
  TMovedEvent GetOnColumnMoved() const { return onColumnMoved_; }
  void SetOnColumnMoved(TMovedEvent Value) { onColumnMoved_ = std::move(Value); }
  TMovedEvent GetOnRowMoved() const { return onRowMoved_; }
  void SetOnRowMoved(TMovedEvent Value) { onRowMoved_ = std::move(Value); }

protected:
  // Raises OnDrawCell.
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  // Raises OnSelectCell with CanSelect true.
  bool SelectCell(int ACol, int ARow) override;
  // The empty text, then OnGetEditText.
  std::string GetEditText(int ACol, int ARow) override;
  // Raises OnSetEditText.
  void SetEditText(int ACol, int ARow, const std::string& Value) override;
  // Raises OnTopLeftChanged.
  void TopLeftChanged() override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;

private:
  TDrawCellEvent onDrawCell_;
  TSelectCellEvent onSelectCell_;
  TNotifyEvent onTopLeftChanged_;
  TGetEditEvent onGetEditText_;
  TSetEditEvent onSetEditText_;
  TMovedEvent onColumnMoved_, onRowMoved_;
};

// The draw grid as a form places it; default size 320 x 120.
class TDrawGrid : public TCustomDrawGrid {
public:
  explicit TDrawGrid(TComponent* AOwner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace gadrix
