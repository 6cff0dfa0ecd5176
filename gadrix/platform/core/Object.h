#pragma once
// The root of the object model: TObject with its class name, TPersistent with Assign/AssignTo and
// the published properties of its class.

#include <functional>
#include <string>

namespace gadrix {

class TClassInfo;

class TObject {
public:
  virtual ~TObject() = default;
  // The class name as the component model reports it ("TBitmap", "TMeter").
  virtual std::string ClassName() const { return "TObject"; }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
public:
  static const TClassInfo& StaticClassInfo();
  // The class's name and published properties.
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  std::string ClassName() const override;

  // Copies Source into this object. The base class lets the source try AssignTo, and raises
  // EConvertError "Cannot assign a TX to a TY" when neither side knows the other.
  virtual void Assign(const TPersistent* Source);

protected:
  // Copies this object into Dest; the base class raises the same error as Assign.
  virtual void AssignTo(TPersistent* Dest) const;
  [[noreturn]] void AssignError(const TPersistent* Source) const;
};

}  // namespace gadrix
