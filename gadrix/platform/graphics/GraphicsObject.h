#pragma once
// The shared base of pens, brushes and fonts: a persistent object that reports its changes.

#include "gadrix/platform/core/Object.h"

namespace gadrix {

class TGraphicsObject : public TPersistent {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Called after every change of a property.
  TNotifyEvent GetOnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent Handler) { onChange_ = std::move(Handler); }

protected:
  void Changed() {
    if (onChange_) onChange_(this);
  }
  // Stores Value in Field and reports the change; does nothing when they are equal.
  template <class T>
  void Update(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }

private:
  TNotifyEvent onChange_;
};

}  // namespace gadrix
