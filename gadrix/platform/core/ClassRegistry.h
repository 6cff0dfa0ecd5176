#pragma once
// The classes that can be created by name, as form files need.

#include <string>
#include <vector>

#include "gadrix/platform/core/Component.h"
#include "gadrix/platform/core/Properties.h"

namespace gadrix {

// Makes a class known by its name. Registering a name again replaces the earlier class.
void RegisterClass(const TClassInfo& Info);
// The class of that name (ignoring case), or null.
const TClassInfo* FindClass(const std::string& Name);
// The names of all registered classes, sorted.
std::vector<std::string> RegisteredClassNames();
// A new component of the named class; EClassNotFound when the class is unknown or cannot be
// created from an owner.
TComponent* CreateComponent(const std::string& ClassName, TComponent* Owner);

class EClassNotFound : public Exception {
public:
  using Exception::Exception;
};

namespace detail {
// Registers every class of the library; defined beside the modules it lists, and run once on the
// registry's first use.
void RegisterLibraryClasses();
}  // namespace detail

}  // namespace gadrix
