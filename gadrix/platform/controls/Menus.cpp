#include "gadrix/platform/controls/Menus.h"

#include <algorithm>

#include "gadrix/platform/backends/Backend.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {

const TClassInfo& TMenuItem::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TMenuItem>(
      "TMenuItem", &TComponent::StaticClassInfo(),
      {StringProperty("Caption", &TMenuItem::GetCaption, &TMenuItem::SetCaption, std::string()),
       BooleanProperty("Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked, false),
       BooleanProperty("Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled, true),
       BooleanProperty("Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible, true)});
  return info;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), bitmap_(std::make_unique<TBitmap>()) {}

TMenuItem::~TMenuItem() {
  Clear();
  if (parentItem_ != nullptr) parentItem_->Remove(this);
}

TMenuItem* TMenuItem::GetItems(int Index) const {
  return Index >= 0 && Index < GetCount() ? items_[Index] : nullptr;
}

void TMenuItem::Add(TMenuItem* Item) { Insert(GetCount(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (Item == nullptr || Item == this) return;
  if (Item->parentItem_ != nullptr) Item->parentItem_->Remove(Item);
  Index = std::clamp(Index, 0, GetCount());
  items_.insert(items_.begin() + Index, Item);
  Item->parentItem_ = this;
}

void TMenuItem::Remove(TMenuItem* Item) {
  auto it = std::find(items_.begin(), items_.end(), Item);
  if (it == items_.end()) return;
  items_.erase(it);
  Item->parentItem_ = nullptr;
}

void TMenuItem::Clear() {
  while (!items_.empty()) {
    TMenuItem* last = items_.back();
    Remove(last);
    if (last->GetOwner() == nullptr) delete last;
  }
}

void TMenuItem::Click() {
  if (enabled_ && onClick_) onClick_(this);
}

const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TPopupMenu>("TPopupMenu", &TComponent::StaticClassInfo(), {});
  return info;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), items_(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Popup(int X, int Y) {
  if (onPopup_) onPopup_(this);
  Backend().PopupMenu(this, X, Y);
}

TPopupMenu* NewPopupMenu(TComponent* Owner, const std::string& Name, const std::vector<TMenuItem*>& Items) {
  auto* menu = new TPopupMenu(Owner);
  menu->SetName(Name);
  for (TMenuItem* item : Items) menu->GetItems()->Add(item);
  return menu;
}

TMenuItem* NewItem(const std::string& Caption, TNotifyEvent OnClick, bool Checked, bool Enabled,
                   const std::string& Name) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(Caption);
  item->SetOnClick(std::move(OnClick));
  item->SetChecked(Checked);
  item->SetEnabled(Enabled);
  item->SetName(Name);
  return item;
}

TMenuItem* NewSubMenu(const std::string& Caption, const std::vector<TMenuItem*>& Items, const std::string& Name) {
  TMenuItem* item = NewItem(Caption, {}, false, true, Name);
  for (TMenuItem* sub : Items) item->Add(sub);
  return item;
}

TMenuItem* NewLine() { return NewItem("-", {}); }

}  // namespace gadrix
