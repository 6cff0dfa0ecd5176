#include "gadrix/platform/core/ClassRegistry.h"

#include <algorithm>
#include <map>

namespace gadrix {
namespace {

std::string Key(const std::string& Name) {
  std::string key = Name;
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return key;
}

std::map<std::string, const TClassInfo*>& Registry() {
  static std::map<std::string, const TClassInfo*> registry;
  static bool filled = false;
  if (!filled) {
    filled = true;
    detail::RegisterLibraryClasses();
  }
  return registry;
}

}  // namespace

void RegisterClass(const TClassInfo& Info) { Registry()[Key(Info.Name())] = &Info; }

const TClassInfo* FindClass(const std::string& Name) {
  const auto& registry = Registry();
  const auto it = registry.find(Key(Name));
  return it == registry.end() ? nullptr : it->second;
}

std::vector<std::string> RegisteredClassNames() {
  std::vector<std::string> names;
  for (const auto& [key, info] : Registry()) names.push_back(info->Name());
  std::sort(names.begin(), names.end());
  return names;
}

TComponent* CreateComponent(const std::string& ClassName, TComponent* Owner) {
  const TClassInfo* info = FindClass(ClassName);
  if (info == nullptr) throw EClassNotFound("Class " + ClassName + " not found");
  if (!info->Factory()) throw EClassNotFound("Class " + ClassName + " cannot be created");
  return info->Factory()(Owner);
}

}  // namespace gadrix
