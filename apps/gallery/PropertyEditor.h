#pragma once
// TPropertyEditor: the published properties of one component, a row each, with their values,
// read and written through the class's property list only. A nested object (a font) and a set
// fold out: the object's own properties, or a row per bit of the set, then follow, indented.
//
//   click a value          booleans, enumerations and set bits move on; typed values open an
//                          editor holding the value's text, all of it selected (the first key
//                          typed replaces it); a folded row folds out (or in)
//   typing                 on a row with a typed value, opens the editor with what is typed
//   Backspace              in the editor, removes the last character (or the selected text)
//   Enter                  commits the editor (a bad value beeps, stays in the editor and shows
//                          why at the bottom); on a row without an editor, acts as a click
//   Escape                 leaves the editor without a change
//   Up, Down, wheel        move the selected row, scroll
// Values are read at each paint: Reread() after the component changed itself shows its news.

#include <set>
#include <string>
#include <vector>

#include "gadrix/platform/controls/Controls.h"

namespace gallery {

class TPropertyEditor : public gadrix::TCustomControl {
public:
  explicit TPropertyEditor(gadrix::TComponent* AOwner);
  ~TPropertyEditor() override;

  // The component shown (default null: none). The inspector does not own it and lets go of it
  // when it is destroyed.
  gadrix::TComponent* GetSubject() const { return subject_; }
  void SetSubject(gadrix::TComponent* Value);
  // Repaints the values, which the subject may have changed itself.
  void Reread();
  // Raised after the inspector changed a property of the subject.
  gadrix::TNotifyEvent GetOnEdited() const { return onEdited_; }
  void SetOnEdited(gadrix::TNotifyEvent Value) { onEdited_ = std::move(Value); }

  // --- rows and geometry (client coordinates) --------------------------------------------------
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // Folds a nested object's or a set's rows out (or in again); default: folded in.
  void SetExpanded(const std::string& Path, bool Value);
  bool IsExpanded(const std::string& Path) const;
  // The row of a property path ("Left", "Font.Size", "Font.Style.fsBold"), -1 when none (or
  // folded away).
  int RowOf(const std::string& Path) const;
  std::string RowPath(int Row) const;
  // The row's area, where it is when scrolled into view; empty when it lies outside the list.
  gadrix::TRect RowRect(int Row) const;
  gadrix::TRect ValueRect(int Row) const;
  // The text a row's value shows.
  std::string ValueText(int Row) const;
  int GetSelectedRow() const { return selected_; }  // -1: none
  void SetSelectedRow(int Row);
  int GetTopRow() const { return top_; }
  bool IsEditing() const { return editing_; }
  // Whether the editor's whole text is selected (it was opened with the value's text).
  bool IsEditTextSelected() const { return editing_ && selectAll_; }
  const std::string& EditText() const { return editText_; }
  // Why the last commit failed; empty after a success.
  const std::string& ErrorText() const { return error_; }

  static constexpr int HeaderHeight = 26;
  static constexpr int StatusHeight = 22;
  static constexpr int IndentStep = 12;
  // The share of the width that the names take, in percent.
  static constexpr int NameColumnPercent = 45;

protected:
  void Paint() override;
  void MouseDown(gadrix::TMouseButton Button, gadrix::TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(gadrix::TShiftState Shift, int WheelDelta, gadrix::TPoint MousePos) override;
  void KeyDown(gadrix::Word& Key, gadrix::TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoEnter() override { Invalidate(); }
  void DoExit() override;
  void Notification(gadrix::TComponent* AComponent, gadrix::TOperation Operation) override;

private:
  struct TRow {
    std::string Path;
    std::string Label;
    int Depth = 0;
    gadrix::TPersistent* Object = nullptr;
    const gadrix::TPropertyInfo* Info = nullptr;
    int Bit = -1;  // a set's bit, or -1
    bool Folds = false;  // a nested object or a set: its rows fold out below it
  };

  // Lists the rows again, as folded now, keeping the selection on the same property.
  void BuildRows();
  void AddRows(gadrix::TPersistent* Object, const std::string& Prefix, int Depth);
  int RowHeight() const;
  int VisibleRows() const;
  int NameColumnWidth() const;
  gadrix::TRect ListRect() const;
  void ScrollTo(int Row);
  void Act(int Row);  // what a click on the value does
  void StartEditing(const std::string& Text, bool Selected);
  // Commits the editor; false (with a beep and ErrorText set) when the value is refused.
  bool Commit();
  void CancelEditing();
  void Edited();
  bool IsCycledRow(int Row) const;
  bool IsTypedRow(int Row) const;
  void ToggleFold(int Row);

  void PaintHeader(gadrix::TCanvas* C);
  void PaintRow(gadrix::TCanvas* C, int Row);
  void PaintValue(gadrix::TCanvas* C, int Row, const gadrix::TRect& R);
  void PaintStatus(gadrix::TCanvas* C);

  gadrix::TComponent* subject_ = nullptr;
  std::vector<TRow> rows_;
  std::set<std::string> expanded_;  // paths of the rows folded out
  int selected_ = -1;
  int top_ = 0;  // the first row in view
  bool editing_ = false;
  bool selectAll_ = false;  // the editor's text is selected: typing replaces it
  std::string editText_;
  std::string error_;
  gadrix::TNotifyEvent onEdited_;
};

}  // namespace gallery
