#include "gadrix/platform/core/Object.h"

#include "gadrix/platform/core/Exception.h"

namespace gadrix {

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
