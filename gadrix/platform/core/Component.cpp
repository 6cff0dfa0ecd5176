#include "gadrix/platform/core/Component.h"

#include <algorithm>

#include "gadrix/platform/core/Properties.h"

namespace gadrix {

bool IsValidIdent(const std::string& Name) {
  if (Name.empty()) return false;
  auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!letter(Name[0])) return false;
  return std::all_of(Name.begin() + 1, Name.end(), [&](char c) { return letter(c) || digit(c); });
}

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Of<TComponent>(
      "TComponent", &TPersistent::StaticClassInfo(),
      {StringProperty("Name", &TComponent::GetName, &TComponent::SetName, std::string()),
       IntegerProperty("Tag", &TComponent::GetTag, &TComponent::SetTag, 0)});
  return info;
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  state_ |= csDestroying;
  // Everyone holding a reference to this component lets go of it first.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    auto& back = other->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& Value) {
  if (Value == name_) return;
  if (!Value.empty() && !IsValidIdent(Value))
    throw EComponentError("'" + Value + "' is not a valid component name");
  if (owner_ != nullptr && !Value.empty()) {
    const TComponent* same = owner_->FindComponent(Value);
    if (same != nullptr && same != this) throw EComponentError("A component named " + Value + " already exists");
  }
  name_ = Value;
}

TComponent* TComponent::GetComponents(int Index) const {
  return Index >= 0 && Index < GetComponentCount() ? components_[Index] : nullptr;
}

int TComponent::GetComponentIndex() const {
  if (owner_ == nullptr) return -1;
  const auto& list = owner_->components_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, AName)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent->owner_ == this) return;
  if (AComponent->owner_ != nullptr) AComponent->owner_->RemoveComponent(AComponent);
  if (!AComponent->name_.empty() && FindComponent(AComponent->name_) != nullptr)
    throw EComponentError("A component named " + AComponent->name_ + " already exists");
  components_.push_back(AComponent);
  AComponent->owner_ = this;
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent->owner_ != this) return;
  Notification(AComponent, opRemove);
  components_.erase(std::remove(components_.begin(), components_.end(), AComponent), components_.end());
  AComponent->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    RemoveComponent(last);
    delete last;
  }
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent == this) return;
  auto add = [](std::vector<TComponent*>& list, TComponent* c) {
    if (std::find(list.begin(), list.end(), c) == list.end()) list.push_back(c);
  };
  add(freeNotifies_, AComponent);
  add(AComponent->freeNotifies_, this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (AComponent == nullptr) return;
  auto drop = [](std::vector<TComponent*>& list, TComponent* c) {
    list.erase(std::remove(list.begin(), list.end(), c), list.end());
  };
  drop(freeNotifies_, AComponent);
  drop(AComponent->freeNotifies_, this);
}

void TComponent::BeginLoading() { state_ |= csLoading | csReading; }

void TComponent::Loaded() { state_ &= static_cast<TComponentState>(~(csLoading | csReading)); }

void TComponent::SetDesigning(bool Value) {
  state_ = Value ? (state_ | csDesigning) : (state_ & static_cast<TComponentState>(~csDesigning));
  for (TComponent* c : components_) c->SetDesigning(Value);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  // Owned components hear of removals too, so that a control can let go of a sibling.
  if (Operation == opRemove && AComponent != this)
    for (TComponent* c : components_)
      if (c != AComponent) c->Notification(AComponent, Operation);
}

}  // namespace gadrix
