#pragma once
// The grid's in-place editor: a frameless edit box over the current cell (TInplaceEdit), and the
// list-capable one (TInplaceEditList) that adds a button at its right for the ellipsis and
// pick-list styles, with the drop-down list of choices (TPopupListbox).
//
// Keys in the editor: Up, Down, Page Up, Page Down and Escape go to the grid (which moves the
// current cell, or ends editing); Tab goes to the grid with goTabs; Left, Right, Home and End go to
// the grid with goAlwaysShowEditor when the caret is at that end of the text (or with Ctrl). Every
// key down the editor keeps also raises the grid's OnKeyDown, and every character first passes
// through the grid's KeyPress (Enter there ends editing).
//
// The pick list: Alt+Down or F4 (or a press on the button) drops it down, showing the choices the
// OnGetPickListItems handler gives for the cell, the one equal to the text highlighted. While it is
// down, Up, Down, Page Up, Page Down, Home and End move the highlight, Enter or a click on a choice
// takes it into the text (and stores it in the cell), Escape closes it unchanged. A double click on
// the text takes the next choice.

#include <functional>
#include <string>
#include <vector>

#include "gadrix/platform/grids/Grids.h"
#include "gadrix/platform/grids/ScrollBar.h"
#include "gadrix/platform/stdctrls/Edit.h"

namespace gadrix {

class TInplaceEditList;

class TInplaceEdit : public TCustomEdit {
public:
  // AOwner is the grid the editor serves (the grid creates it in CreateEditor).
  explicit TInplaceEdit(TComponent* AOwner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TCustomGrid* GetGrid() const { return grid_; }
  // Loads the current cell: its text (GetEditText), the length limit, all of it selected.
  virtual void UpdateContents();
  // Places the caret at the end of the text, selecting nothing.
  void Deselect();
  // Moves over Loc (grid client coordinates) and shows, or hides when Loc is empty.
  void Move(const TRect& Loc);
  // Hides the editor (and closes a drop-down list).
  virtual void Close();

protected:
  friend class TCustomGrid;
  // After Move changed the editor's place.
  virtual void BoundsChanged() {}
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoEnter() override;
  void DoExit() override;
  void DblClick() override;
  int TextLeft() const override { return kTextOffset; }
  int TextTop() const override { return kTextOffset; }

private:
  // The text sits as far in as the grid draws its own cell text.
  static constexpr int kTextOffset = 2;
  // Hands a key to the grid's own handler and swallows it.
  void SendToGrid(Word& Key, TShiftState Shift);
  // Raises the grid's OnKeyDown, as if the grid had the key.
  void GridKeyEvent(Word& Key, TShiftState Shift);
  bool CaretAtStart() const { return GetSelLength() == 0 && GetSelStart() == 0; }
  bool CaretAtEnd() const { return GetSelLength() == 0 && GetSelStart() == GetTextLen(); }

  TCustomGrid* grid_;
};

// The choices of a pick list, filled for one cell.
using TOnGetPickListItems = std::function<void(int ACol, int ARow, std::vector<std::string>& Items)>;

// The drop-down list of a pick-list editor: a framed list below the editor, on the editor's form,
// with a scroll bar when it holds more choices than rows. It never takes the focus.
class TPopupListbox : public TCustomControl {
public:
  TPopupListbox(TComponent* AOwner, TInplaceEditList* Editor);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::vector<std::string>& GetItems() const { return items_; }
  void SetItems(std::vector<std::string> Value);
  // The highlighted choice, -1 for none; setting scrolls it into view.
  int GetItemIndex() const { return itemIndex_; }
  void SetItemIndex(int Value);
  // The first choice in view.
  int GetTopIndex() const { return topIndex_; }
  void SetTopIndex(int Value);
  // How many rows the list shows at most.
  int GetRows() const { return rows_; }
  void SetRows(int Value);
  int ItemHeight() const;
  // The choice at a point of the client area, -1 for none.
  int ItemAtPos(int X, int Y) const;
  // The height the list needs for min(items, rows) rows and its frame.
  int NeededHeight() const;

  TRect GetClientBounds() const override;

protected:
  void Paint() override;
  void PaintNonClient(TCanvas* Canvas) override;
  bool NonClientMouse(TNonClientMouse Action, TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
  bool HasScrollBar() const { return static_cast<int>(items_.size()) > rows_; }
  TScrollBarModel ScrollBar() const;
  int MaxTop() const { return std::max(static_cast<int>(items_.size()) - rows_, 0); }

  TInplaceEditList* editor_;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int topIndex_ = 0;
  int rows_ = 7;
  bool thumbDrag_ = false;
  int grabOffset_ = 0;
};

class TInplaceEditList : public TInplaceEdit {
public:
  explicit TInplaceEditList(TComponent* AOwner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The style of the cell being edited, taken from the grid's GetEditStyle when the editor loads it.
  TEditStyle GetEditStyle() const { return editStyle_; }
  // Rows the drop-down list shows at most; default 7, at least 1.
  int GetDropDownRows() const { return dropDownRows_; }
  void SetDropDownRows(int Value);
  // The width of the button at the right; default 17 (a scroll bar's thickness).
  int GetButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int Value);
  // Where the choices come from; called when the list drops down for the first time on a cell.
  TOnGetPickListItems GetOnGetPickListItems() const { return onGetPickListItems_; }
  void SetOnGetPickListItems(TOnGetPickListItems Value) { onGetPickListItems_ = std::move(Value); }
  // A press on the button of the ellipsis style (or Ctrl+Enter).
  TNotifyEvent GetOnEditButtonClick() const { return onEditButtonClick_; }
  void SetOnEditButtonClick(TNotifyEvent Value) { onEditButtonClick_ = std::move(Value); }

  // The list, created on first use; null before.
  TPopupListbox* GetPickList() const { return pickList_; }
  bool GetListVisible() const { return listVisible_; }
  // Shows the list below the editor (above it when there is no room below on the form).
  void DropDown();
  // Hides the list; with Accept the highlighted choice becomes the text and is stored in the cell.
  void CloseUp(bool Accept);

  void UpdateContents() override;
  void Close() override;
  TRect GetClientBounds() const override;

protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoExit() override;
  void DblClick() override;
  void BoundsChanged() override;
  void PaintNonClient(TCanvas* Canvas) override;
  bool NonClientMouse(TNonClientMouse Action, TMouseButton Button, TShiftState Shift, int X, int Y) override;
  virtual void EditButtonClick();

private:
  bool HasButton() const { return editStyle_ != esSimple; }
  void LoadPickList();
  void MoveListHighlight(Word Key);
  void TakeChoice(int Index);

  TEditStyle editStyle_ = esSimple;
  int dropDownRows_ = 7;
  int buttonWidth_ = ScrollBarSize;
  TOnGetPickListItems onGetPickListItems_;
  TNotifyEvent onEditButtonClick_;
  TPopupListbox* pickList_ = nullptr;
  bool pickListLoaded_ = false;
  bool listVisible_ = false;
  bool buttonPressed_ = false;
  bool swallowChar_ = false;  // a key down closed the list; the character it types is spent
};

}  // namespace gadrix
