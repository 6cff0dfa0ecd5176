#pragma once
// Bitmap resources compiled into the library from resources/*.png, found by name.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gadrix {

// The encoded bytes of the named resource ("SEGVERT"); raises EResNotFound
// "resource not found: NAME" when the library holds no resource of that name.
std::span<const std::uint8_t> FindResource(const std::string& Name);

bool HasResource(const std::string& Name);

// The names of every resource, in no particular order.
std::vector<std::string> ResourceNames();

namespace detail {
struct TEmbeddedResource {
  const char* Name;
  std::span<const std::uint8_t> Bytes;
};
// Written by the build; the list ends with an entry whose Name is null.
extern const TEmbeddedResource kEmbeddedResources[];
}  // namespace detail

}  // namespace gadrix
