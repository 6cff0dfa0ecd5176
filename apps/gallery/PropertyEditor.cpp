#include "PropertyEditor.h"

#include <algorithm>
#include <exception>

#include "PropertyText.h"
#include "gadrix/helmar/Utf8.h"

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kCellMargin = 4;     // between a cell's edge and its text
constexpr int kRowPadding = 6;     // added to the text height for a row
constexpr int kColorSample = 12;   // the side of a colour's sample square
constexpr int kWheelRows = 3;      // rows scrolled per notch of the wheel
constexpr int kFoldBox = 9;        // the side of the box with a plus or a minus
constexpr char kHint[] = "Click a value to change it; Enter commits, Esc cancels.";

int TextHeightOf(const TFont* Font) {
  TPixelBuffer scratch(1, 1);
  TCanvas measure(&scratch);
  measure.SetFont(Font);
  return measure.TextHeight("Ag");
}

// A box with a minus (folded out) or a plus (folded in) in Ink, its top-left corner at (X, Y).
void PaintFoldBox(TCanvas* C, int X, int Y, bool Expanded, TColor Ink) {
  C->GetBrush()->SetStyle(bsSolid);
  C->GetBrush()->SetColor(clBtnShadow);
  C->FrameRect(Bounds(X, Y, kFoldBox, kFoldBox));
  const int middle = kFoldBox / 2;
  C->GetPen()->SetColor(Ink);
  C->MoveTo(X + 2, Y + middle);
  C->LineTo(X + kFoldBox - 2, Y + middle);
  if (Expanded) return;
  C->MoveTo(X + middle, Y + 2);
  C->LineTo(X + middle, Y + kFoldBox - 2);
}

}  // namespace

TPropertyEditor::TPropertyEditor(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 320, 400);
  SetColor(clWindow);
}

TPropertyEditor::~TPropertyEditor() { SetSubject(nullptr); }

// --- subject and rows -------------------------------------------------------------------------------

void TPropertyEditor::SetSubject(TComponent* Value) {
  if (Value == subject_) return;
  if (subject_ != nullptr) subject_->RemoveFreeNotification(this);
  subject_ = Value;
  if (subject_ != nullptr) subject_->FreeNotification(this);
  editing_ = false;
  error_.clear();
  selected_ = -1;
  top_ = 0;
  BuildRows();
  selected_ = rows_.empty() ? -1 : 0;
  Invalidate();
}

void TPropertyEditor::SetExpanded(const std::string& Path, bool Value) {
  if (Value == IsExpanded(Path)) return;
  if (editing_ && !Commit()) CancelEditing();
  if (Value) expanded_.insert(Path);
  else expanded_.erase(Path);
  BuildRows();
  Invalidate();
}

bool TPropertyEditor::IsExpanded(const std::string& Path) const { return expanded_.count(Path) != 0; }

void TPropertyEditor::ToggleFold(int Row) { SetExpanded(rows_[Row].Path, !IsExpanded(rows_[Row].Path)); }

void TPropertyEditor::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == subject_) {
    subject_ = nullptr;
    editing_ = false;
    rows_.clear();
    selected_ = -1;
    top_ = 0;
    Invalidate();
  }
}

void TPropertyEditor::Reread() {
  // The editor keeps what is being typed; the other values are read again as they paint.
  Invalidate();
}

void TPropertyEditor::BuildRows() {
  const std::string selectedPath = RowPath(selected_);
  rows_.clear();
  if (subject_ != nullptr) AddRows(subject_, "", 0);
  selected_ = selectedPath.empty() ? -1 : RowOf(selectedPath);
  const int lastTop = std::max(0, RowCount() - VisibleRows());
  top_ = std::min(top_, lastTop);
}

void TPropertyEditor::AddRows(TPersistent* Object, const std::string& Prefix, int Depth) {
  for (const TPropertyInfo* info : Object->ClassInfo().Properties()) {
    const std::string path = Prefix + info->Name;
    TPersistent* nested = info->Kind == TPropertyKind::Object && info->GetObject ? info->GetObject(*Object) : nullptr;
    const bool folds = nested != nullptr || (info->Kind == TPropertyKind::Set && !info->ValueNames.empty());
    rows_.push_back({path, info->Name, Depth, Object, info, -1, folds});
    if (!folds || !IsExpanded(path)) continue;
    if (nested != nullptr) {
      AddRows(nested, path + ".", Depth + 1);
    } else {
      for (std::size_t bit = 0; bit < info->ValueNames.size(); ++bit)
        rows_.push_back({path + "." + info->ValueNames[bit], info->ValueNames[bit], Depth + 1, Object, info,
                         static_cast<int>(bit)});
    }
  }
}

int TPropertyEditor::RowOf(const std::string& Path) const {
  for (int i = 0; i < RowCount(); ++i)
    if (SameText(rows_[i].Path, Path)) return i;
  return -1;
}

std::string TPropertyEditor::RowPath(int Row) const {
  return Row >= 0 && Row < RowCount() ? rows_[Row].Path : std::string();
}

std::string TPropertyEditor::ValueText(int Row) const {
  if (Row < 0 || Row >= RowCount()) return {};
  const TRow& row = rows_[Row];
  if (row.Bit >= 0) return SetBitOf(*row.Info, *row.Object, row.Bit) ? "True" : "False";
  return PropertyValueText(*row.Info, *row.Object);
}

bool TPropertyEditor::IsCycledRow(int Row) const {
  if (Row < 0 || Row >= RowCount()) return false;
  const TRow& row = rows_[Row];
  return row.Bit >= 0 ? static_cast<bool>(row.Info->Set) : IsCycled(*row.Info);
}

bool TPropertyEditor::IsTypedRow(int Row) const {
  return Row >= 0 && Row < RowCount() && rows_[Row].Bit < 0 && IsTyped(*rows_[Row].Info);
}

// --- geometry ------------------------------------------------------------------------------------------

int TPropertyEditor::RowHeight() const { return TextHeightOf(GetFont()) + kRowPadding; }

TRect TPropertyEditor::ListRect() const {
  return {1, HeaderHeight, GetWidth() - 1, std::max(HeaderHeight, GetHeight() - StatusHeight)};
}

int TPropertyEditor::VisibleRows() const { return std::max(1, ListRect().Height() / RowHeight()); }

int TPropertyEditor::NameColumnWidth() const { return GetWidth() * NameColumnPercent / 100; }

TRect TPropertyEditor::RowRect(int Row) const {
  if (Row < top_ || Row >= RowCount() || Row >= top_ + VisibleRows()) return {};
  const TRect list = ListRect();
  const int h = RowHeight();
  const int y = list.Top + (Row - top_) * h;
  return {list.Left, y, list.Right, y + h};
}

TRect TPropertyEditor::ValueRect(int Row) const {
  TRect r = RowRect(Row);
  if (!r.IsEmpty()) r.Left = NameColumnWidth() + 1;
  return r;
}

void TPropertyEditor::ScrollTo(int Row) {
  if (Row < 0) return;
  if (Row < top_) top_ = Row;
  else if (Row >= top_ + VisibleRows()) top_ = Row - VisibleRows() + 1;
}

void TPropertyEditor::SetSelectedRow(int Row) {
  Row = rows_.empty() ? -1 : std::clamp(Row, 0, RowCount() - 1);
  if (Row == selected_) return;
  selected_ = Row;
  ScrollTo(Row);
  Invalidate();
}

// --- editing --------------------------------------------------------------------------------------------

void TPropertyEditor::Act(int Row) {
  if (Row < 0 || Row >= RowCount()) return;
  if (rows_[Row].Folds) {
    ToggleFold(Row);
  } else if (IsCycledRow(Row)) {
    const TRow& row = rows_[Row];
    try {
      if (row.Bit >= 0) ToggleSetBit(*row.Info, *row.Object, row.Bit);
      else CyclePropertyValue(*row.Info, *row.Object);
      error_.clear();
    } catch (const std::exception& e) {
      error_ = e.what();
      Beep();
    }
    Edited();
  } else if (IsTypedRow(Row)) {
    StartEditing(ValueText(Row), true);
  }
}

void TPropertyEditor::StartEditing(const std::string& Text, bool Selected) {
  editing_ = true;
  editText_ = Text;
  selectAll_ = Selected;
  Invalidate();
}

bool TPropertyEditor::Commit() {
  if (!editing_) return true;
  const TRow& row = rows_[selected_];
  try {
    SetPropertyText(*row.Info, *row.Object, editText_);
  } catch (const std::exception& e) {
    error_ = e.what();
    Beep();
    Invalidate();
    return false;
  }
  editing_ = false;
  error_.clear();
  Edited();
  return true;
}

void TPropertyEditor::CancelEditing() {
  editing_ = false;
  error_.clear();
  Invalidate();
}

void TPropertyEditor::Edited() {
  Invalidate();
  if (onEdited_) onEdited_(this);
}

void TPropertyEditor::DoExit() {
  // Leaving the inspector keeps a good value and drops a bad one.
  if (editing_ && !Commit()) CancelEditing();
  Invalidate();
}

// --- input ------------------------------------------------------------------------------------------------

void TPropertyEditor::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !ListRect().Contains({X, Y})) return;
  const int row = top_ + (Y - ListRect().Top) / RowHeight();
  if (row >= RowCount()) return;
  const bool onValue = X > NameColumnWidth();
  if (editing_) {
    if (row == selected_ && onValue) return;
    if (!Commit()) return;
  }
  SetSelectedRow(row);
  if (onValue || rows_[row].Folds) Act(row);
}

bool TPropertyEditor::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  const int lastTop = std::max(0, RowCount() - VisibleRows());
  top_ = std::clamp(top_ - WheelDelta / WHEEL_DELTA * kWheelRows, 0, lastTop);
  Invalidate();
  return true;
}

void TPropertyEditor::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
      if (!Commit()) break;
      const int step = Key == VK_UP || Key == VK_DOWN ? 1 : VisibleRows();
      SetSelectedRow(selected_ + (Key == VK_UP || Key == VK_PRIOR ? -step : step));
      break;
    }
    case VK_RETURN:
      if (editing_) Commit();
      else Act(selected_);
      break;
    case VK_ESCAPE:
      if (editing_) CancelEditing();
      break;
    default: return;
  }
  Key = 0;
}

void TPropertyEditor::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == U'\b') {
    if (editing_ && selectAll_) editText_.clear();
    else if (editing_ && !editText_.empty()) editText_ = std::string(Utf8Left(editText_, Utf8Length(editText_) - 1));
    selectAll_ = false;
    Invalidate();
    return;
  }
  if (Key < U' ' || Key == 0x7F) return;
  if (!editing_) {
    if (Key == U' ' && IsCycledRow(selected_)) {
      Act(selected_);
      return;
    }
    if (!IsTypedRow(selected_)) return;
    StartEditing("", false);
  }
  if (selectAll_) editText_.clear();
  selectAll_ = false;
  editText_ += Utf8Encode(Key);
  Invalidate();
}

// --- painting ----------------------------------------------------------------------------------------------

void TPropertyEditor::Paint() {
  TCanvas* c = GetCanvas();
  c->GetPen()->SetWidth(1);
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(GetColor());
  c->FillRect(ListRect());
  PaintHeader(c);
  for (int row = top_; row < RowCount() && row < top_ + VisibleRows(); ++row) PaintRow(c, row);
  const TRect list = ListRect();
  const int lastBottom = RowCount() > top_ ? RowRect(std::min(RowCount(), top_ + VisibleRows()) - 1).Bottom : list.Top;
  c->GetPen()->SetColor(clBtnFace);
  c->MoveTo(NameColumnWidth(), list.Top);
  c->LineTo(NameColumnWidth(), lastBottom);
  PaintStatus(c);
  c->GetBrush()->SetStyle(bsClear);
  c->GetPen()->SetColor(clBtnShadow);
  c->Rectangle(GetClientRect());
}

void TPropertyEditor::PaintHeader(TCanvas* C) {
  const TRect band{0, 0, GetWidth(), HeaderHeight};
  std::string title = "Nothing selected";
  if (subject_ != nullptr) title = (subject_->GetName().empty() ? "(unnamed)" : subject_->GetName()) + ": " + subject_->ClassName();
  C->GetBrush()->SetStyle(bsSolid);
  C->GetBrush()->SetColor(clBtnFace);
  C->GetFont()->SetStyle(fsBold);
  C->GetFont()->SetColor(clWindowText);
  C->TextRect(band, kCellMargin + 2, (HeaderHeight - C->TextHeight(title)) / 2, title);
  C->GetFont()->SetStyle(0);
}

void TPropertyEditor::PaintRow(TCanvas* C, int Row) {
  const TRow& row = rows_[Row];
  const TRect r = RowRect(Row);
  const TRect name{r.Left, r.Top, NameColumnWidth(), r.Bottom - 1};
  const bool selected = Row == selected_;
  const bool highlight = selected && Focused();
  C->GetBrush()->SetStyle(bsSolid);
  C->GetBrush()->SetColor(highlight ? clHighlight : selected ? clBtnFace : GetColor());
  C->GetFont()->SetColor(highlight ? clHighlightText : clWindowText);
  const int textTop = r.Top + (r.Height() - 1 - C->TextHeight(row.Label)) / 2;
  // Each depth indents by a step; the first step holds the fold box of a row that folds.
  const int boxLeft = name.Left + kCellMargin + row.Depth * IndentStep;
  C->TextRect(name, boxLeft + IndentStep, textTop, row.Label);
  if (row.Folds)
    PaintFoldBox(C, boxLeft, r.Top + (r.Height() - 1 - kFoldBox) / 2, IsExpanded(row.Path),
                 highlight ? clHighlightText : clWindowText);
  PaintValue(C, Row, {NameColumnWidth() + 1, r.Top, r.Right, r.Bottom - 1});
  C->GetPen()->SetColor(clBtnFace);
  C->MoveTo(r.Left, r.Bottom - 1);
  C->LineTo(r.Right, r.Bottom - 1);
}

void TPropertyEditor::PaintValue(TCanvas* C, int Row, const TRect& R) {
  const TRow& row = rows_[Row];
  const bool editable = IsCycledRow(Row) || IsTypedRow(Row);
  const std::string text = editing_ && Row == selected_ ? editText_ : ValueText(Row);
  const int textTop = R.Top + (R.Height() - C->TextHeight("Ag")) / 2;
  int x = R.Left + kCellMargin;
  C->GetBrush()->SetStyle(bsSolid);
  C->GetBrush()->SetColor(GetColor());
  C->FillRect(R);
  if (row.Info->Kind == TPropertyKind::Color && row.Bit < 0 && !(editing_ && Row == selected_)) {
    const int top = R.Top + (R.Height() - kColorSample) / 2;
    C->GetBrush()->SetColor(static_cast<TColor>(std::get<std::int64_t>(row.Info->Get(*row.Object))));
    C->GetPen()->SetColor(clBlack);
    C->Rectangle(x, top, x + kColorSample, top + kColorSample);
    x += kColorSample + kCellMargin;
  }
  // TextRect fills behind the text: with the highlight where the editor's text is selected.
  const bool selectedText = editing_ && selectAll_ && Row == selected_;
  C->GetBrush()->SetStyle(bsSolid);
  C->GetBrush()->SetColor(selectedText ? clHighlight : GetColor());
  C->GetFont()->SetColor(selectedText ? clHighlightText : editable ? clWindowText : clGrayText);
  C->TextRect(Rect(x, R.Top, std::min(R.Right, x + C->TextWidth(text)), R.Bottom), x, textTop, text);
  if (editing_ && Row == selected_) {
    // The editor: a frame in the highlight colour and a caret after the text.
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(clHighlight);
    C->FrameRect(R);
    const int caret = std::min(x + C->TextWidth(text) + 1, R.Right - 2);
    C->GetPen()->SetColor(clWindowText);
    C->MoveTo(caret, R.Top + 3);
    C->LineTo(caret, R.Bottom - 3);
  }
}

void TPropertyEditor::PaintStatus(TCanvas* C) {
  const TRect band{0, GetHeight() - StatusHeight, GetWidth(), GetHeight()};
  const std::string& text = error_.empty() ? std::string(kHint) : error_;
  C->GetBrush()->SetStyle(bsSolid);
  C->GetBrush()->SetColor(clBtnFace);
  C->GetFont()->SetColor(error_.empty() ? clGrayText : clRed);
  C->TextRect(band, kCellMargin + 2, band.Top + (StatusHeight - C->TextHeight(text)) / 2, text);
}

}  // namespace gallery
