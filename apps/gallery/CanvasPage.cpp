#include "CanvasPage.h"

#include <functional>
#include <utility>
#include <vector>

namespace gallery {

using namespace gadrix;

namespace {

constexpr int kTop = TGalleryPage::Margin + TGalleryPage::CaptionGap;
const TRect kShowcaseBounds = Bounds(TGalleryPage::Margin, kTop, 660, 330);
const TRect kSwatchBounds = Bounds(TGalleryPage::Margin, kShowcaseBounds.Bottom + 40, 180, 150);
const TRect kCounterBounds = Bounds(216, kSwatchBounds.Top, 180, 150);
const TPoint kNotesAt = {420, kSwatchBounds.Top - TGalleryPage::CaptionGap};

const char* const kColorNames[] = {"Blue", "Green", "Yellow", "Red", "Purple"};

}  // namespace

TCanvasPage::TCanvasPage(TComponent* AOwner) : TGalleryPage(AOwner) {
  SetName("CanvasPage");
  showcase_ = AddExhibit<TShowcaseView>("Showcase", kShowcaseBounds, "Canvas showcase");
  swatch_ = AddExhibit<TSwatch>("Swatch", kSwatchBounds, "Swatch");
  swatch_->SetCaption("Swatch");
  swatch_->SetPopupMenu(MakeSwatchMenu());
  counter_ = AddExhibit<TTickCounter>("Counter", kCounterBounds, "Counter");
  AddNote(kNotesAt, "About",
          {"Every pixel here is drawn by the toolkit's", "own GDI-style canvas into the form's back",
           "buffer; only the areas that change are", "shown again. Click the swatch to change its",
           "colour, right-click it for its menu; click", "the counter to pause it."});

  auto changed = [this](TObject* Sender) { ExhibitChanged(Sender); };
  swatch_->SetOnChange(changed);
  counter_->SetOnChange(changed);
  SetSelected(swatch_);
}

TPopupMenu* TCanvasPage::MakeSwatchMenu() {
  // Each pick changes the swatch, and the page reports the change.
  auto pick = [this](std::function<void()> Action) -> TNotifyEvent {
    return [this, Action](TObject*) {
      Action();
      ExhibitChanged(swatch_);
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

}  // namespace gallery
