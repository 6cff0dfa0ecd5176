#pragma once
// The gallery's window: a row of page tabs over the page on show, whose controls live, and a
// property inspector on the right. A press on a control selects it (a frame marks it) and the
// inspector shows it; what the inspector changes, the control shows at once. Each page keeps its
// own selection. Ctrl+Tab and Ctrl+Shift+Tab turn to the next and the previous page.

#include <string>
#include <vector>

#include "GalleryPage.h"
#include "PageTabs.h"
#include "PropertyEditor.h"
#include "gadrix/platform/controls/Controls.h"

namespace gallery {

class TGalleryForm : public gadrix::TForm {
public:
  explicit TGalleryForm(gadrix::TComponent* AOwner);

  // The pages, in the order of their tabs (PageList()).
  const std::vector<TGalleryPage*>& Pages() const { return pages_; }
  // The first page of class T, null when none.
  template <class T>
  T* Page() const {
    for (TGalleryPage* page : pages_)
      if (auto* found = dynamic_cast<T*>(page)) return found;
    return nullptr;
  }
  // The page on show: default 0, the first; a value outside the pages is ignored.
  int GetPageIndex() const { return pageIndex_; }
  void SetPageIndex(int Value);
  TGalleryPage* ActivePage() const { return pages_[static_cast<std::size_t>(pageIndex_)]; }
  // Shows the page that Name picks (FindPage); false, changing nothing, when none does.
  bool ShowPage(const std::string& Name);

  // The selected control of the page on show (null: none).
  gadrix::TControl* GetSelected() const { return ActivePage()->GetSelected(); }
  // Selects an exhibit of any page, turning to that page first; null selects nothing on the
  // page on show; other controls are ignored.
  void Select(gadrix::TControl* Control);

  TPageTabs* Tabs() const { return tabs_; }
  TPropertyEditor* Inspector() const { return inspector_; }

  static constexpr int ClientWidth = 1100;
  static constexpr int ClientHeight = 660;

protected:
  void Paint() override;
  void KeyDown(gadrix::Word& Key, gadrix::TShiftState Shift) override;

private:
  void AddPages();
  void ShowSelection();
  void StageChanged();

  std::vector<TGalleryPage*> pages_;
  int pageIndex_ = 0;
  TPageTabs* tabs_ = nullptr;
  TPropertyEditor* inspector_ = nullptr;
};

}  // namespace gallery
