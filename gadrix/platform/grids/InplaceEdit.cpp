#include "gadrix/platform/grids/InplaceEdit.h"

#include <algorithm>

#include "gadrix/platform/controls/Form.h"
#include "gadrix/platform/core/Properties.h"
#include "gadrix/platform/graphics/TextEngine.h"

namespace gadrix {
namespace {

constexpr char32_t kEnter = 13, kEscape = 27, kTab = 9;
// Lines a wheel notch scrolls the drop-down list.
constexpr int kWheelLines = 3;
// The dots of the ellipsis button: three squares of this size with one pixel between them.
constexpr int kDotSize = 2;

}  // namespace

// --- TInplaceEdit ------------------------------------------------------------------------------------

const TClassInfo& TInplaceEdit::StaticClassInfo() {
  static const TClassInfo info("TInplaceEdit", &TCustomEdit::StaticClassInfo(), {});
  return info;
}

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner), grid_(dynamic_cast<TCustomGrid*>(AOwner)) {
  if (grid_ == nullptr) throw EInvalidGridOperation("An in-place editor needs its grid as owner");
  SetBorderStyle(bsNone);
  SetAutoSize(false);
  SetAutoSelect(false);
  SetParentColor(true);
}

void TInplaceEdit::UpdateContents() {
  const TGridCoord cell = grid_->inplace_;
  SetMaxLength(grid_->GetEditLimit());
  SetReadOnly(!grid_->CanEditModify());
  SetText(grid_->GetEditText(cell.X, cell.Y));
  SetModified(false);
  ClearUndo();
  SelectAll();
}

void TInplaceEdit::Deselect() { SetSelStart(GetTextLen()); }

void TInplaceEdit::Move(const TRect& Loc) {
  if (Loc.IsEmpty()) {
    Close();
    return;
  }
  if (GetBoundsRect() != Loc) {
    SetBoundsRect(Loc);
    BoundsChanged();
  }
  SetVisible(true);
  Invalidate();
}

void TInplaceEdit::Close() { SetVisible(false); }

void TInplaceEdit::SendToGrid(Word& Key, TShiftState Shift) {
  grid_->KeyDown(Key, Shift);
  Key = 0;
}

void TInplaceEdit::GridKeyEvent(Word& Key, TShiftState Shift) {
  if (const TKeyEvent handler = grid_->GetOnKeyDown()) handler(grid_, Key, Shift);
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
  const TGridOptions options = grid_->GetOptions();
  const bool forward = options & goAlwaysShowEditor;
  const bool ctrl = Shift & ssCtrl;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: SendToGrid(Key, Shift); return;
    case VK_LEFT:
    case VK_HOME:
      if (forward && (ctrl || CaretAtStart())) SendToGrid(Key, Shift);
      break;
    case VK_RIGHT:
    case VK_END:
      if (forward && (ctrl || CaretAtEnd())) SendToGrid(Key, Shift);
      break;
    case VK_TAB:
      if (!(Shift & ssAlt) && (options & goTabs)) SendToGrid(Key, Shift);
      break;
    case VK_DELETE:
      if (ctrl) SendToGrid(Key, Shift);
      break;
    case VK_F2:
      GridKeyEvent(Key, Shift);
      if (Key == VK_F2) Deselect();
      return;
    default: break;
  }
  if (Key == 0) return;
  GridKeyEvent(Key, Shift);
  if (Key != 0) TCustomEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char32_t& Key) {
  // The grid sees every character first; Enter there ends editing.
  grid_->KeyPress(Key);
  switch (Key) {
    case 0: return;
    case kTab:
    case kEscape: Key = 0; return;
    case kEnter:
      if (GetSelLength() == GetTextLen()) Deselect();
      else SelectAll();
      Key = 0;
      return;
    default: break;
  }
  TCustomEdit::KeyPress(Key);
}

void TInplaceEdit::DoEnter() {
  TCustomEdit::DoEnter();
  grid_->FocusArrived();
}

void TInplaceEdit::DoExit() {
  TCustomEdit::DoExit();
  grid_->EditorExited();
}

void TInplaceEdit::DblClick() {
  TCustomEdit::DblClick();
  grid_->DblClick();
}

// --- TPopupListbox -----------------------------------------------------------------------------------

const TClassInfo& TPopupListbox::StaticClassInfo() {
  static const TClassInfo info("TPopupListbox", &TCustomControl::StaticClassInfo(), {});
  return info;
}

TPopupListbox::TPopupListbox(TComponent* AOwner, TInplaceEditList* Editor) : TCustomControl(AOwner), editor_(Editor) {
  SetTabStop(false);
  SetVisible(false);
  SetColor(clWindow);
}

void TPopupListbox::SetItems(std::vector<std::string> Value) {
  items_ = std::move(Value);
  itemIndex_ = -1;
  topIndex_ = 0;
  Invalidate();
}

void TPopupListbox::SetItemIndex(int Value) {
  Value = std::clamp(Value, -1, static_cast<int>(items_.size()) - 1);
  if (Value == itemIndex_) return;
  itemIndex_ = Value;
  if (Value >= 0 && Value < topIndex_) SetTopIndex(Value);
  if (Value >= topIndex_ + rows_) SetTopIndex(Value - rows_ + 1);
  Invalidate();
}

void TPopupListbox::SetTopIndex(int Value) {
  Value = std::clamp(Value, 0, MaxTop());
  if (Value == topIndex_) return;
  topIndex_ = Value;
  Invalidate();
}

void TPopupListbox::SetRows(int Value) {
  rows_ = std::max(Value, 1);
  SetTopIndex(topIndex_);
  Invalidate();
}

int TPopupListbox::ItemHeight() const { return TTextEngine::Instance().Metrics(GetFont()->FontSpec()).Height + 2; }

int TPopupListbox::NeededHeight() const {
  const int shown = std::min(static_cast<int>(items_.size()), rows_);
  return shown * ItemHeight() + 2 * BorderWidth(bsSingle, false);
}

TRect TPopupListbox::GetClientBounds() const {
  const int b = BorderWidth(bsSingle, false);
  const int right = std::max(GetWidth() - b - (HasScrollBar() ? ScrollBarSize : 0), b);
  return {b, b, right, std::max(GetHeight() - b, b)};
}

int TPopupListbox::ItemAtPos(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= GetClientWidth() || Y >= GetClientHeight()) return -1;
  const int index = topIndex_ + Y / ItemHeight();
  return index < static_cast<int>(items_.size()) ? index : -1;
}

TScrollBarModel TPopupListbox::ScrollBar() const {
  TScrollBarModel bar;
  bar.Kind = sbVertical;
  if (!HasScrollBar()) return bar;
  const TRect client = GetClientBounds();
  bar.Bounds = {client.Right, client.Top, client.Right + ScrollBarSize, client.Bottom};
  bar.Max = MaxTop();
  bar.Page = rows_;
  bar.Position = topIndex_;
  return bar;
}

void TPopupListbox::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  const int height = ItemHeight();
  for (int row = 0; row < rows_ && topIndex_ + row < static_cast<int>(items_.size()); ++row) {
    const int index = topIndex_ + row;
    const bool highlighted = index == itemIndex_;
    const TRect r{0, row * height, GetClientWidth(), (row + 1) * height};
    canvas->GetBrush()->SetColor(highlighted ? clHighlight : GetColor());
    canvas->GetFont()->SetColor(highlighted ? clHighlightText : GetFont()->GetColor());
    canvas->TextRect(r, r.Left + 2, r.Top + 1, items_[index]);
  }
}

void TPopupListbox::PaintNonClient(TCanvas* Canvas) {
  DrawBorder(Canvas, {0, 0, GetWidth(), GetHeight()}, bsSingle, false);
  ScrollBar().Paint(Canvas);
}

bool TPopupListbox::NonClientMouse(TNonClientMouse Action, TMouseButton Button, TShiftState, int X, int Y) {
  // Client coordinates to the outer ones the scroll bar is laid out in.
  const TRect client = GetClientBounds();
  const TPoint outer{X + client.Left, Y + client.Top};
  TScrollBarModel bar = ScrollBar();
  switch (Action) {
    case ncmDown: {
      if (GetClientRect().Contains({X, Y}) || Button != mbLeft) return !GetClientRect().Contains({X, Y});
      switch (bar.HitTest(outer)) {
        case shLineBack: SetTopIndex(topIndex_ - 1); break;
        case shLineForward: SetTopIndex(topIndex_ + 1); break;
        case shPageBack: SetTopIndex(topIndex_ - rows_); break;
        case shPageForward: SetTopIndex(topIndex_ + rows_); break;
        case shThumb:
          thumbDrag_ = true;
          grabOffset_ = bar.Along(outer) - bar.ThumbStart();
          break;
        case shNone: break;
      }
      return true;
    }
    case ncmMove:
      if (thumbDrag_) SetTopIndex(bar.PositionAt(bar.Along(outer) - grabOffset_));
      return thumbDrag_ || !GetClientRect().Contains({X, Y});
    case ncmUp:
      if (thumbDrag_) {
        thumbDrag_ = false;
        return true;
      }
      return !GetClientRect().Contains({X, Y});
  }
  return false;
}

void TPopupListbox::MouseMove(TShiftState Shift, int X, int Y) {
  const int index = ItemAtPos(X, Y);
  if (index >= 0) SetItemIndex(index);
  TCustomControl::MouseMove(Shift, X, Y);
}

void TPopupListbox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const int index = ItemAtPos(X, Y);
  if (index < 0) return;
  SetItemIndex(index);
  editor_->CloseUp(true);
}

bool TPopupListbox::DoMouseWheel(TShiftState, int WheelDelta, TPoint) {
  const int notches = WheelDelta / WHEEL_DELTA;
  SetTopIndex(topIndex_ - (notches != 0 ? notches : (WheelDelta > 0 ? 1 : -1)) * kWheelLines);
  return true;
}

// --- TInplaceEditList --------------------------------------------------------------------------------

const TClassInfo& TInplaceEditList::StaticClassInfo() {
  static const TClassInfo info("TInplaceEditList", &TInplaceEdit::StaticClassInfo(), {});
  return info;
}

TInplaceEditList::TInplaceEditList(TComponent* AOwner) : TInplaceEdit(AOwner) {}

void TInplaceEditList::SetDropDownRows(int Value) {
  dropDownRows_ = std::max(Value, 1);
  if (pickList_ != nullptr) pickList_->SetRows(dropDownRows_);
}

void TInplaceEditList::SetButtonWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == buttonWidth_) return;
  buttonWidth_ = Value;
  Invalidate();
}

TRect TInplaceEditList::GetClientBounds() const {
  if (!HasButton()) return TInplaceEdit::GetClientBounds();
  return {0, 0, std::max(GetWidth() - buttonWidth_, 0), GetHeight()};
}

void TInplaceEditList::UpdateContents() {
  CloseUp(false);
  pickListLoaded_ = false;
  const TGridCoord cell = GetGrid()->inplace_;
  editStyle_ = GetGrid()->GetEditStyle(cell.X, cell.Y);
  TInplaceEdit::UpdateContents();
  Invalidate();
}

void TInplaceEditList::Close() {
  CloseUp(false);
  TInplaceEdit::Close();
}

void TInplaceEditList::BoundsChanged() { CloseUp(false); }

void TInplaceEditList::LoadPickList() {
  if (pickListLoaded_) return;
  pickListLoaded_ = true;
  std::vector<std::string> items;
  const TGridCoord cell = GetGrid()->inplace_;
  if (onGetPickListItems_) onGetPickListItems_(cell.X, cell.Y, items);
  if (pickList_ == nullptr) pickList_ = new TPopupListbox(this, this);
  pickList_->SetItems(std::move(items));
  pickList_->SetRows(dropDownRows_);
}

void TInplaceEditList::DropDown() {
  if (editStyle_ != esPickList || listVisible_ || !GetVisible()) return;
  LoadPickList();
  if (pickList_->GetItems().empty()) return;
  // The list lies on the form, so that it may reach beyond the grid.
  TWinControl* host = GetParentForm();
  if (host == nullptr) host = GetGrid();
  pickList_->SetFont(GetFont());
  pickList_->SetParent(host);
  const TPoint origin = ClientToForm({0, 0});
  const TPoint hostOrigin = host->ClientToForm({0, 0});
  const int left = origin.X - hostOrigin.X, top = origin.Y - hostOrigin.Y;
  const int height = pickList_->NeededHeight();
  int y = top + GetHeight();
  if (y + height > host->GetClientHeight() && top - height >= 0) y = top - height;
  pickList_->SetBounds(left, y, GetWidth(), height);
  const auto& items = pickList_->GetItems();
  const auto found = std::find(items.begin(), items.end(), GetText());
  pickList_->SetItemIndex(found == items.end() ? -1 : static_cast<int>(found - items.begin()));
  host->BringToFront(pickList_);
  pickList_->Show();
  listVisible_ = true;
}

void TInplaceEditList::CloseUp(bool Accept) {
  if (!listVisible_) return;
  listVisible_ = false;
  pickList_->Hide();
  if (Accept && pickList_->GetItemIndex() >= 0) TakeChoice(pickList_->GetItemIndex());
}

// A choice becomes the text and goes into the cell at once; Escape can still take it back.
void TInplaceEditList::TakeChoice(int Index) {
  const std::string value = pickList_->GetItems()[Index];
  if (value != GetText()) SetText(value);
  SelectAll();
  GetGrid()->StoreEditorText();
}

void TInplaceEditList::MoveListHighlight(Word Key) {
  const int rows = pickList_->GetRows(), index = pickList_->GetItemIndex();
  const int count = static_cast<int>(pickList_->GetItems().size());
  int next = index;
  switch (Key) {
    case VK_UP: next = index - 1; break;
    case VK_DOWN: next = index + 1; break;
    case VK_PRIOR: next = index - rows; break;
    case VK_NEXT: next = index + rows; break;
    default: break;
  }
  pickList_->SetItemIndex(std::clamp(next, 0, count - 1));
}

void TInplaceEditList::KeyDown(Word& Key, TShiftState Shift) {
  if (editStyle_ == esEllipsis && Key == VK_RETURN && (Shift & ssCtrl)) {
    EditButtonClick();
    Key = 0;
    swallowChar_ = true;
    return;
  }
  if (editStyle_ == esPickList) {
    const bool toggle = ((Key == VK_DOWN || Key == VK_UP) && (Shift & ssAlt)) || (Key == VK_F4 && !(Shift & ssAlt));
    if (toggle) {
      if (listVisible_) CloseUp(false);
      else DropDown();
      Key = 0;
      return;
    }
    if (listVisible_) {
      switch (Key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT: MoveListHighlight(Key); Key = 0; return;
        case VK_RETURN:
        case VK_ESCAPE:
          // The character these keys type next closes nothing more.
          CloseUp(Key == VK_RETURN);
          swallowChar_ = true;
          Key = 0;
          return;
        default: break;
      }
    }
  }
  TInplaceEdit::KeyDown(Key, Shift);
}

void TInplaceEditList::KeyPress(char32_t& Key) {
  const bool swallow = swallowChar_;
  swallowChar_ = false;
  if (swallow && (Key == kEnter || Key == kEscape || Key == '\n')) {
    Key = 0;
    return;
  }
  if (listVisible_ && (Key == kEnter || Key == kEscape)) {
    CloseUp(Key == kEnter);
    Key = 0;
    return;
  }
  TInplaceEdit::KeyPress(Key);
}

void TInplaceEditList::DoExit() {
  CloseUp(false);
  TInplaceEdit::DoExit();
}

// A double click on a pick-list cell takes the choice after the current one.
void TInplaceEditList::DblClick() {
  if (editStyle_ != esPickList) {
    TInplaceEdit::DblClick();
    return;
  }
  LoadPickList();
  const auto& items = pickList_->GetItems();
  if (items.empty()) return;
  const auto found = std::find(items.begin(), items.end(), GetText());
  const int next = found == items.end() ? 0 : static_cast<int>((found - items.begin() + 1) % items.size());
  TakeChoice(next);
}

void TInplaceEditList::EditButtonClick() {
  if (onEditButtonClick_) onEditButtonClick_(this);
}

void TInplaceEditList::PaintNonClient(TCanvas* Canvas) {
  if (!HasButton()) return;
  const TRect button{GetWidth() - buttonWidth_, 0, GetWidth(), GetHeight()};
  DrawRaisedFace(Canvas, button);
  if (buttonPressed_) {
    Canvas->GetBrush()->SetColor(clBtnShadow);
    Canvas->FrameRect(button);
  }
  const int cx = button.Left + (button.Width() - 1) / 2, cy = button.Top + (button.Height() - 1) / 2;
  Canvas->GetBrush()->SetColor(clBtnText);
  if (editStyle_ == esPickList) {
    // A down arrow: rows of 7, 5, 3 and 1 pixels.
    for (int i = 0; i < 4; ++i) Canvas->FillRect({cx - 3 + i, cy - 1 + i, cx + 4 - i, cy + i});
  } else {
    for (int i = -1; i <= 1; ++i) {
      const int x = cx + i * (kDotSize + 1) - kDotSize / 2;
      Canvas->FillRect({x, cy, x + kDotSize, cy + kDotSize});
    }
  }
}

bool TInplaceEditList::NonClientMouse(TNonClientMouse Action, TMouseButton Button, TShiftState, int X, int Y) {
  const bool onButton = HasButton() && X >= GetClientWidth() && X < GetClientWidth() + buttonWidth_ && Y >= 0 &&
                        Y < GetHeight();
  switch (Action) {
    case ncmDown:
      if (!onButton) return false;
      if (Button != mbLeft) return true;
      buttonPressed_ = true;
      if (editStyle_ == esPickList) {
        if (listVisible_) CloseUp(false);
        else DropDown();
      }
      Invalidate();
      return true;
    case ncmMove: return buttonPressed_ || (onButton && !GetMouseCapture());
    case ncmUp:
      if (!buttonPressed_) return onButton;
      buttonPressed_ = false;
      Invalidate();
      if (editStyle_ == esEllipsis && onButton) EditButtonClick();
      return true;
  }
  return false;
}

}  // namespace gadrix
