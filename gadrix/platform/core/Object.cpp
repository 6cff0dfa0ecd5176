#include "gadrix/platform/core/Object.h"

#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info("TPersistent", nullptr, {});
  return info;
}

std::string TPersistent::ClassName() const { return ClassInfo().Name(); }

void TPersistent::Assign(const TPersistent* Source) {
  if (Source == nullptr) AssignError(nullptr);
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const { Dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* Source) const {
  const std::string source = Source ? Source->ClassName() : std::string("nil");
  throw EConvertError("Cannot assign a " + source + " to a " + ClassName());
}

}  // namespace gadrix
