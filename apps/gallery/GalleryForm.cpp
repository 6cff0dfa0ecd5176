#include "GalleryForm.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kMargin = 16;
constexpr int kFrameGap = 3;    // between a selected control and its frame
constexpr int kFrameWidth = 2;
constexpr int kLabelGap = 20;   // a caption's height above its control
constexpr int kTitleSize = 14;  // points

const TRect kShowcaseBounds = Bounds(kMargin, 88, 660, 330);
const TRect kSwatchBounds = Bounds(kMargin, 456, 180, 150);
const TRect kCounterBounds = Bounds(216, 456, 180, 150);
const TRect kInspectorBounds = Bounds(700, 64, 384, 580);
const TPoint kNotesAt = {420, 456};

const char* const kNotes[] = {
    "Every pixel here is drawn by the toolkit's",
    "own GDI-style canvas into the form's back",
    "buffer; only the areas that change are",
    "shown again. Click the swatch to change its",
    "colour, right-click it for its menu; click",
    "the counter to pause it.",
};

const char* const kColorNames[] = {"Blue", "Green", "Yellow", "Red", "Purple"};

}  // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("Gallery");
  SetCaption("Gadrix gallery");
  const int left = std::max(0, (Screen->GetWidth() - ClientWidth) / 2);
  const int top = std::max(0, (Screen->GetHeight() - ClientHeight) / 2);
  SetBounds(left, top, ClientWidth, ClientHeight);

  showcase_ = AddExhibit<TShowcaseView>("Showcase", kShowcaseBounds);
  swatch_ = AddExhibit<TSwatch>("Swatch", kSwatchBounds);
  swatch_->SetCaption("Swatch");
  swatch_->SetPopupMenu(MakeSwatchMenu());
  counter_ = AddExhibit<TTickCounter>("Counter", kCounterBounds);

  inspector_ = new TPropertyInspector(this);
  inspector_->SetName("Inspector");
  inspector_->SetBoundsRect(kInspectorBounds);
  inspector_->SetParent(this);
  inspector_->SetOnEdited([this](TObject*) { StageChanged(); });

  auto reread = [this](TObject* Sender) {
    if (Sender == selected_) inspector_->Reread();
  };
  swatch_->SetOnChange(reread);
  counter_->SetOnChange(reread);
  Select(swatch_);
}

template <class T>
T* TGalleryForm::AddExhibit(const char* Name, const TRect& Bounds) {
  T* control = new T(this);
  control->SetName(Name);
  control->SetBoundsRect(Bounds);
  control->SetParent(this);
  control->SetOnMouseDown([this](TObject* Sender, TMouseButton, TShiftState, int, int) {
    Select(static_cast<TControl*>(Sender));
  });
  exhibits_.push_back(control);
  return control;
}

TPopupMenu* TGalleryForm::MakeSwatchMenu() {
  // Each pick changes the swatch, and the inspector shows the change.
  auto pick = [this](std::function<void()> Action) -> TNotifyEvent {
    return [this, Action](TObject*) {
      Action();
      if (selected_ == swatch_) inspector_->Reread();
    };
  };
  std::vector<TMenuItem*> colors;
  for (std::size_t i = 0; i < TSwatch::Palette().size(); ++i) {
    const TColor color = TSwatch::Palette()[i];
    colors.push_back(NewItem(kColorNames[i], pick([this, color] { swatch_->SetColor(color); })));
  }
  std::vector<TMenuItem*> shapeItems;
  for (const auto& [caption, shape] : {std::pair{"&Rectangle", wsRectangle}, std::pair{"R&ounded", wsRoundRect},
                                       std::pair{"&Ellipse", wsEllipse}})
    shapeItems.push_back(NewItem(caption, pick([this, shape] { swatch_->SetShape(shape); })));

  std::vector<TMenuItem*> items = colors;
  items.push_back(NewLine());
  items.push_back(NewSubMenu("&Shape", shapeItems));
  items.push_back(NewItem("Reset the &count", pick([this] { swatch_->SetClicks(0); })));
  items.push_back(NewLine());
  items.push_back(NewItem("Delete (not in the gallery)", {}, false, false));
  TPopupMenu* menu = NewPopupMenu(this, "SwatchMenu", items);
  // Before it opens, the menu ticks the swatch's colour and shape.
  menu->SetOnPopup([this, colors, shapeItems](TObject*) {
    for (std::size_t i = 0; i < colors.size(); ++i) colors[i]->SetChecked(swatch_->GetColor() == TSwatch::Palette()[i]);
    for (std::size_t i = 0; i < shapeItems.size(); ++i) shapeItems[i]->SetChecked(i == swatch_->GetShape());
  });
  return menu;
}

TRect TGalleryForm::FrameAround(const TControl* Control) {
  return Control->GetBoundsRect().Inflate(kFrameGap + kFrameWidth, kFrameGap + kFrameWidth);
}

void TGalleryForm::Select(TControl* Control) {
  if (Control == selected_) return;
  if (selected_ != nullptr) InvalidateFormRect(FrameAround(selected_));
  selected_ = Control;
  if (selected_ != nullptr) InvalidateFormRect(FrameAround(selected_));
  inspector_->SetSubject(Control);
}

void TGalleryForm::StageChanged() {
  // An edit may have moved or resized the selected control: its frame follows.
  InvalidateFormRect(Rect(0, 0, kInspectorBounds.Left - kFrameGap, GetHeight()));
}

void TGalleryForm::Paint() {
  TCanvas* c = GetCanvas();
  c->GetBrush()->SetStyle(bsClear);
  c->GetFont()->SetColor(clWindowText);
  c->GetFont()->SetSize(kTitleSize);
  c->GetFont()->SetStyle(fsBold);
  c->TextOut(kMargin, 10, "Gadrix gallery");
  c->GetFont()->Assign(GetFont());
  c->TextOut(kMargin, 40, "Click a control to see its published properties on the right, and change them there.");

  c->GetFont()->SetStyle(fsBold);
  c->TextOut(kShowcaseBounds.Left, kShowcaseBounds.Top - kLabelGap, "Canvas showcase");
  c->TextOut(kSwatchBounds.Left, kSwatchBounds.Top - kLabelGap, "Swatch");
  c->TextOut(kCounterBounds.Left, kCounterBounds.Top - kLabelGap, "Counter");
  c->TextOut(kNotesAt.X, kNotesAt.Y - kLabelGap, "About");
  c->GetFont()->SetStyle(0);
  const int lineHeight = c->TextHeight("Ag") + 2;
  for (std::size_t i = 0; i < std::size(kNotes); ++i)
    c->TextOut(kNotesAt.X, kNotesAt.Y + static_cast<int>(i) * lineHeight, kNotes[i]);

  if (selected_ != nullptr && selected_->GetVisible()) {
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(clHighlight);
    TRect frame = FrameAround(selected_);
    for (int i = 0; i < kFrameWidth; ++i, frame = frame.Inflate(-1, -1)) c->FrameRect(frame);
  }
}

}  // namespace gallery
