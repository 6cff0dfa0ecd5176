#include "gadrix/platform/graphics/Resources.h"


#include "gadrix/platform/core/Exception.h"

namespace gadrix {
namespace {

const detail::TEmbeddedResource* Lookup(const std::string& Name) {
  for (const auto* r = detail::kEmbeddedResources; r->Name != nullptr; ++r)
    if (Name == r->Name) return r;
  return nullptr;
}

}  // namespace

std::span<const std::uint8_t> FindResource(const std::string& Name) {
  const auto* r = Lookup(Name);
  if (r == nullptr) throw EResNotFound("resource not found: " + Name);
  return r->Bytes;
}

bool HasResource(const std::string& Name) { return Lookup(Name) != nullptr; }

std::vector<std::string> ResourceNames() {
  std::vector<std::string> names;
  for (const auto* r = detail::kEmbeddedResources; r->Name != nullptr; ++r) names.emplace_back(r->Name);
  return names;
}

}  // namespace gadrix
