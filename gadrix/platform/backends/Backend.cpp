#include "gadrix/platform/backends/Backend.h"

#include <vector>

#include "gadrix/platform/backends/headless/HeadlessBackend.h"

namespace gadrix {
namespace {

std::unique_ptr<TBackend>& Current() {
  static std::unique_ptr<TBackend> backend;
  return backend;
}

// Backends that were replaced stay alive: forms may still hold their windows.
std::vector<std::unique_ptr<TBackend>>& Retired() {
  static std::vector<std::unique_ptr<TBackend>> retired;
  return retired;
}

}  // namespace

TBackend& Backend() {
  auto& backend = Current();
  if (!backend) backend = std::make_unique<THeadlessBackend>();
  return *backend;
}

void SetBackend(std::unique_ptr<TBackend> NewBackend) {
  if (!NewBackend) return;
  if (Current()) Retired().push_back(std::move(Current()));
  Current() = std::move(NewBackend);
}

}  // namespace gadrix
