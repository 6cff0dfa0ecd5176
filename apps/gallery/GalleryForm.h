#pragma once
// The gallery's window: the controls on show on the left, live, and a property inspector on the
// right. A click on a control selects it (a frame marks it) and the inspector shows it; what the
// inspector changes, the control shows at once.

#include <vector>

#include "PropertyInspector.h"
#include "ShowcaseView.h"
#include "Swatch.h"
#include "TickCounter.h"
#include "gadrix/platform/controls/Controls.h"

namespace gallery {

class TGalleryForm : public gadrix::TForm {
public:
  explicit TGalleryForm(gadrix::TComponent* AOwner);

  // The controls on show, in the order of their places.
  const std::vector<gadrix::TControl*>& Exhibits() const { return exhibits_; }
  gadrix::TControl* GetSelected() const { return selected_; }
  // Selects one of the exhibits (null: none) and shows it in the inspector.
  void Select(gadrix::TControl* Control);

  TSwatch* Swatch() const { return swatch_; }
  TShowcaseView* Showcase() const { return showcase_; }
  TTickCounter* Counter() const { return counter_; }
  TPropertyInspector* Inspector() const { return inspector_; }

  static constexpr int ClientWidth = 1100;
  static constexpr int ClientHeight = 660;

protected:
  void Paint() override;

private:
  template <class T>
  T* AddExhibit(const char* Name, const gadrix::TRect& Bounds);
  gadrix::TPopupMenu* MakeSwatchMenu();
  // The area of the selection frame around a control.
  static gadrix::TRect FrameAround(const gadrix::TControl* Control);
  void StageChanged();

  std::vector<gadrix::TControl*> exhibits_;
  gadrix::TControl* selected_ = nullptr;
  TSwatch* swatch_ = nullptr;
  TShowcaseView* showcase_ = nullptr;
  TTickCounter* counter_ = nullptr;
  TPropertyInspector* inspector_ = nullptr;
};

}  // namespace gallery
