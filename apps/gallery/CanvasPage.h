#pragma once
// The "Canvas" page: the canvas showcase at a zoom, a swatch that changes colour when clicked
// (its popup menu picks colour and shape) and a counter ticking once a second.

#include "GalleryPage.h"
#include "ShowcaseView.h"
#include "Swatch.h"
#include "TickCounter.h"

namespace gallery {

class TCanvasPage : public TGalleryPage {
public:
  explicit TCanvasPage(gadrix::TComponent* AOwner);

  TShowcaseView* Showcase() const { return showcase_; }
  TSwatch* Swatch() const { return swatch_; }
  TTickCounter* Counter() const { return counter_; }

private:
  gadrix::TPopupMenu* MakeSwatchMenu();

  TShowcaseView* showcase_;
  TSwatch* swatch_;
  TTickCounter* counter_;
};

}  // namespace gallery
