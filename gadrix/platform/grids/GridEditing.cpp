// The grid's side of in-place editing: when the editor opens, where it sits, and what happens to
// its text when editing ends.
//
// The editor holds one cell (inplace_) from the moment it loads the cell's text until editing
// ends. Ending stores the text through SetEditText only when the user changed it, so opening and
// closing the editor never writes to the data behind the grid; Escape restores the loaded text.

#include <algorithm>

#include "gadrix/platform/controls/Form.h"
#include "gadrix/platform/grids/Grids.h"
#include "gadrix/platform/grids/InplaceEdit.h"

namespace gadrix {

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }
std::string TCustomGrid::GetEditText(int, int) { return {}; }
void TCustomGrid::SetEditText(int, int, const std::string&) {}
int TCustomGrid::GetEditLimit() { return 0; }
TEditStyle TCustomGrid::GetEditStyle(int, int) { return esSimple; }
bool TCustomGrid::CanEditModify() { return true; }

bool TCustomGrid::CanEditShow() const {
  if ((options_ & (goEditing | goRowSelect)) != goEditing || !editorMode_) return false;
  if (GetComponentState() & csDesigning) return false;
  return (options_ & goAlwaysShowEditor) || FocusedWithin() || GetParentForm() == nullptr;
}

void TCustomGrid::SetEditorMode(bool Value) {
  if (!Value) {
    HideEditor();
    return;
  }
  ShowEditor();
  if (editor_ != nullptr && editor_->GetVisible()) editor_->Deselect();
}

void TCustomGrid::ShowEditor() {
  if ((options_ & (goEditing | goRowSelect)) != goEditing) return;
  editorMode_ = true;
  UpdateEdit();
}

void TCustomGrid::HideEditor() {
  editorMode_ = false;
  HideEdit(true);
}

void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) return;
  if (editor_ == nullptr) {
    editor_ = CreateEditor();
    editor_->SetVisible(false);
    editor_->SetParent(this);
  }
  if (!(current_ == inplace_)) {
    // Moving on with the editor open (goAlwaysShowEditor): the old cell keeps what was typed.
    UpdateText();
    inplace_ = current_;
    storedWhileEditing_ = false;
    editor_->UpdateContents();
    inplaceOriginal_ = editor_->GetText();
  }
  PlaceEditor();
}

// Shows the editor over its cell, or hides it while the cell is out of view (editing goes on).
void TCustomGrid::PlaceEditor() {
  if (editor_ == nullptr || !editorMode_ || inplace_.X < 0) return;
  const TRect cell = CellRect(inplace_.X, inplace_.Y);
  if (cell.IsEmpty()) {
    if (editor_->Focused()) {
      keepEditorOnExit_ = true;
      FocusGridItself();
      keepEditorOnExit_ = false;
    }
    editor_->Move(cell);
    return;
  }
  editor_->Move(cell);
  if (Focused() && editor_->CanFocus()) editor_->SetFocus();
}

void TCustomGrid::HideEdit(bool Store) {
  if (editor_ == nullptr || inplace_.X < 0) return;
  if (Store) UpdateText();
  inplace_ = {-1, -1};
  if (editor_->Focused()) FocusGridItself();
  editor_->Close();
  Invalidate();
}

void TCustomGrid::UpdateText() {
  if (editor_ == nullptr || inplace_.X < 0 || !editor_->GetModified()) return;
  editor_->SetModified(false);
  SetEditText(inplace_.X, inplace_.Y, editor_->GetText());
}

void TCustomGrid::StoreEditorText() {
  if (editor_ == nullptr || inplace_.X < 0) return;
  editor_->SetModified(false);
  storedWhileEditing_ = true;
  SetEditText(inplace_.X, inplace_.Y, editor_->GetText());
}

// Escape: the editor gets the text it started with, and what was stored meanwhile is taken back.
void TCustomGrid::CancelEdit() {
  if (editor_ == nullptr || inplace_.X < 0) return;
  editor_->SetText(inplaceOriginal_);
  if (storedWhileEditing_) {
    storedWhileEditing_ = false;
    SetEditText(inplace_.X, inplace_.Y, inplaceOriginal_);
  }
  if (options_ & goAlwaysShowEditor) {
    editor_->SelectAll();
    return;
  }
  editorMode_ = false;
  HideEdit(false);
}

// Typing on the grid opens the editor with the character typed in place of the cell's text.
void TCustomGrid::ShowEditorChar(char32_t Ch) {
  ShowEditor();
  if (editor_ == nullptr || !editor_->GetVisible()) return;
  editor_->SelectAll();
  editor_->TypeChar(Ch);
}

void TCustomGrid::FocusGridItself() {
  if (CanFocus()) TCustomControl::SetFocus();
}

void TCustomGrid::SetFocus() {
  if (editorMode_ && editor_ != nullptr && editor_->GetVisible() && editor_->CanFocus()) editor_->SetFocus();
  else TCustomControl::SetFocus();
}

// The grid and its editor count as one for OnEnter and OnExit: the focus moving between them
// raises neither.
void TCustomGrid::FocusArrived() {
  if (focusInside_) return;
  focusInside_ = true;
  TCustomControl::DoEnter();
}

void TCustomGrid::FocusLeft() {
  if (!focusInside_) return;
  focusInside_ = false;
  TCustomControl::DoExit();
}

bool TCustomGrid::FocusGoesTo(const TWinControl* Control) const {
  const TForm* form = GetParentForm();
  return form != nullptr && Control != nullptr && form->GetActiveControl() == Control;
}

// The editor lost the focus: to the grid nothing ends; to another control editing ends, unless the
// editor is to stay.
void TCustomGrid::EditorExited() {
  if (FocusGoesTo(this)) return;
  FocusLeft();
  if (keepEditorOnExit_ || (options_ & goAlwaysShowEditor)) return;
  HideEditor();
}

void TCustomGrid::DoEnter() {
  FocusArrived();
  InvalidateGridRect(GetSelection());
  InvalidateCell(current_.X, current_.Y);
  UpdateEdit();
}

void TCustomGrid::DoExit() {
  if (FocusGoesTo(editor_)) return;
  FocusLeft();
  if (!(options_ & goAlwaysShowEditor)) HideEditor();
  InvalidateGridRect(GetSelection());
  InvalidateCell(current_.X, current_.Y);
}

}  // namespace gadrix
