#include "GalleryPage.h"

#include <algorithm>

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kLineSpacing = 2;  // added to the text height between the lines of a note

}  // namespace

const TClassInfo& TGalleryPage::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfo::Of<TGalleryPage>("TGalleryPage", &TCustomControl::StaticClassInfo(), {});
  return info;
}

TGalleryPage::TGalleryPage(TComponent* AOwner) : TCustomControl(AOwner) {
  // A surface, not a place for the focus: a press on it leaves the focus where it is.
  SetTabStop(false);
  SetParentColor(true);
}

TControl* TGalleryPage::FindExhibit(const std::string& Name) const {
  const auto it = std::find_if(exhibits_.begin(), exhibits_.end(),
                               [&](const TControl* c) { return c->GetName() == Name; });
  return it == exhibits_.end() ? nullptr : *it;
}

bool TGalleryPage::HasExhibit(const TControl* Control) const {
  return std::find(exhibits_.begin(), exhibits_.end(), Control) != exhibits_.end();
}

void TGalleryPage::Adopt(TControl* Control, const std::string& Caption) {
  Control->SetOnMouseDown([this](TObject* Sender, TMouseButton, TShiftState, int, int) {
    SetSelected(static_cast<TControl*>(Sender));
  });
  exhibits_.push_back(Control);
  captions_.push_back(Caption);
  if (selected_ == nullptr) SetSelected(Control);
}

void TGalleryPage::SetSelected(TControl* Value) {
  if (Value == selected_ || (Value != nullptr && !HasExhibit(Value))) return;
  if (selected_ != nullptr) InvalidateArea(FrameAround(selected_));
  selected_ = Value;
  if (selected_ != nullptr) InvalidateArea(FrameAround(selected_));
  if (onSelectionChange_) onSelectionChange_(this);
}

void TGalleryPage::ExhibitChanged(TObject* Sender) {
  if (onExhibitChange_) onExhibitChange_(Sender);
}

TRect TGalleryPage::FrameAround(const TControl* Control) {
  return Control->GetBoundsRect().Inflate(FrameGap + FrameWidth, FrameGap + FrameWidth);
}

// --- notes ---------------------------------------------------------------------------------------------

int TGalleryPage::AddNote(TPoint At, const std::string& Heading, std::vector<std::string> Lines) {
  notes_.push_back({At, Heading, std::move(Lines)});
  InvalidateArea(NoteArea(notes_.back()));
  return static_cast<int>(notes_.size()) - 1;
}

void TGalleryPage::SetNoteLines(int Note, std::vector<std::string> Lines) {
  TNote& note = notes_.at(static_cast<std::size_t>(Note));
  if (Lines == note.Lines) return;
  InvalidateArea(NoteArea(note));
  note.Lines = std::move(Lines);
  InvalidateArea(NoteArea(note));
}

int TGalleryPage::LineHeight() const {
  TPixelBuffer scratch(1, 1);
  TCanvas measure(&scratch);
  measure.SetFont(GetFont());
  return measure.TextHeight("Ag") + kLineSpacing;
}

TRect TGalleryPage::NoteArea(const TNote& Note) const {
  const int lines = static_cast<int>(Note.Lines.size()) + (Note.Heading.empty() ? 0 : 1);
  return Rect(Note.At.X, Note.At.Y, GetWidth(), Note.At.Y + lines * LineHeight());
}

// --- painting ------------------------------------------------------------------------------------------

void TGalleryPage::Paint() {
  TCanvas* c = GetCanvas();
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(GetColor());
  c->FillRect(GetClientRect());
  c->GetBrush()->SetStyle(bsClear);
  c->GetFont()->Assign(GetFont());
  c->GetFont()->SetStyle(fsBold);
  for (std::size_t i = 0; i < exhibits_.size(); ++i) {
    const TControl* exhibit = exhibits_[i];
    if (!captions_[i].empty() && exhibit->GetVisible())
      c->TextOut(exhibit->GetLeft(), exhibit->GetTop() - CaptionGap, captions_[i]);
  }
  for (const TNote& note : notes_) PaintNote(c, note);

  if (selected_ != nullptr && selected_->GetVisible()) {
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(clHighlight);
    TRect frame = FrameAround(selected_);
    for (int i = 0; i < FrameWidth; ++i, frame = frame.Inflate(-1, -1)) c->FrameRect(frame);
  }
}

void TGalleryPage::PaintNote(TCanvas* C, const TNote& Note) {
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->Assign(GetFont());
  const int lineHeight = C->TextHeight("Ag") + kLineSpacing;
  int y = Note.At.Y;
  if (!Note.Heading.empty()) {
    C->GetFont()->SetStyle(fsBold);
    C->TextOut(Note.At.X, y, Note.Heading);
    C->GetFont()->SetStyle(0);
    y += lineHeight;
  }
  for (const std::string& line : Note.Lines) {
    C->TextOut(Note.At.X, y, line);
    y += lineHeight;
  }
}

}  // namespace gallery
