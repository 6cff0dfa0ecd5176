#pragma once
// Menus: items with captions, check marks and bitmaps, and the popup menu a control offers on a
// right click.

#include <memory>
#include <string>
#include <vector>

#include "gadrix/platform/core/Component.h"
#include "gadrix/platform/graphics/Bitmap.h"

namespace gadrix {

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& GetCaption() const { return caption_; }  // "-" makes a separator line
  void SetCaption(const std::string& Value) { caption_ = Value; }
  bool GetChecked() const { return checked_; }
  void SetChecked(bool Value) { checked_ = Value; }
  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool Value) { enabled_ = Value; }
  bool GetVisible() const { return visible_; }
  void SetVisible(bool Value) { visible_ = Value; }
  // A picture shown beside the caption (the item keeps its own copy).
  TBitmap* GetBitmap() const { return bitmap_.get(); }
  void SetBitmap(const TBitmap* Value) { bitmap_->Assign(Value); }
  TNotifyEvent GetOnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent Value) { onClick_ = std::move(Value); }

  // Sub-items, in order. An item added here is owned and deleted by this item.
  int GetCount() const { return static_cast<int>(items_.size()); }
  TMenuItem* GetItems(int Index) const;
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  void Remove(TMenuItem* Item);
  void Clear();
  TMenuItem* GetParentItem() const { return parentItem_; }
  bool IsLine() const { return caption_ == "-"; }

  // Runs OnClick (when the item is enabled).
  virtual void Click();

private:
  std::string caption_;
  bool checked_ = false, enabled_ = true, visible_ = true;
  std::unique_ptr<TBitmap> bitmap_;
  TNotifyEvent onClick_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parentItem_ = nullptr;
};

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TMenuItem* GetItems() const { return items_.get(); }
  TNotifyEvent GetOnPopup() const { return onPopup_; }
  void SetOnPopup(TNotifyEvent Value) { onPopup_ = std::move(Value); }
  // The control whose right click opened the menu, or null.
  TComponent* GetPopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* Value) { popupComponent_ = Value; }

  // Shows the menu at a screen position: OnPopup runs first, then the backend presents the items
  // and clicks the one the user picks (the headless backend hands the menu to the test's hook).
  virtual void Popup(int X, int Y);

private:
  std::unique_ptr<TMenuItem> items_;
  TNotifyEvent onPopup_;
  TComponent* popupComponent_ = nullptr;
};

// Builders for menus made at run time.
TPopupMenu* NewPopupMenu(TComponent* Owner, const std::string& Name, const std::vector<TMenuItem*>& Items);
TMenuItem* NewItem(const std::string& Caption, TNotifyEvent OnClick, bool Checked = false, bool Enabled = true,
                   const std::string& Name = "");
TMenuItem* NewSubMenu(const std::string& Caption, const std::vector<TMenuItem*>& Items, const std::string& Name = "");
TMenuItem* NewLine();

}  // namespace gadrix
