#pragma once
// TComponent: an object with an owner, a name and a life cycle.
//
// A component created with an owner is deleted by that owner (new TMeter(Form1) is the usual
// form). A component deleted by its user leaves its owner's list, and every component that asked
// for a free notification hears of it before it goes.

#include <cstdint>
#include <string>
#include <vector>

#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/core/Object.h"

namespace gadrix {

enum : std::uint16_t { csLoading = 1, csReading = 2, csWriting = 4, csDestroying = 8, csDesigning = 16 };
using TComponentState = std::uint16_t;

enum TOperation : std::uint8_t { opInsert, opRemove };

// A component name that is no identifier, or that its owner already has.
class EComponentError : public Exception {
public:
  using Exception::Exception;
};

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TComponent* GetOwner() const { return owner_; }

  // A name is empty or an identifier (a letter or "_", then letters, digits and "_"), and unique
  // (ignoring case) among the components of one owner; otherwise EComponentError.
  const std::string& GetName() const { return name_; }
  virtual void SetName(const std::string& Value);

  std::intptr_t GetTag() const { return tag_; }  // default 0
  void SetTag(std::intptr_t Value) { tag_ = Value; }

  TComponentState GetComponentState() const { return state_; }

  int GetComponentCount() const { return static_cast<int>(components_.size()); }
  // The owned component at Index (0-based, in order of insertion); null outside the range.
  TComponent* GetComponents(int Index) const;
  // The position of this component in its owner's list, -1 without an owner.
  int GetComponentIndex() const;
  // The owned component of that name (ignoring case), or null.
  TComponent* FindComponent(const std::string& AName) const;

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // Deletes every owned component, the last first.
  void DestroyComponents();

  // Asks for Notification(this, opRemove) on AComponent when this component goes, and the other
  // way round.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Marks the component as being loaded from a form file; Loaded ends it.
  void BeginLoading();
  // Runs after the last property of a form file has been assigned: finishes what depends on
  // several properties. The base class clears the loading state.
  virtual void Loaded();
  void SetDesigning(bool Value);

protected:
  // AComponent is being inserted into or removed from this component's world.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  void SetComponentState(TComponentState Value) { state_ = Value; }

private:
  TComponent* owner_ = nullptr;
  std::string name_;
  std::intptr_t tag_ = 0;
  TComponentState state_ = 0;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
};

bool IsValidIdent(const std::string& Name);

}  // namespace gadrix
