#include "gadrix/platform/core/Properties.h"

#include <algorithm>

namespace gadrix {

bool SameText(std::string_view A, std::string_view B) {
  auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
  return A.size() == B.size() &&
         std::equal(A.begin(), A.end(), B.begin(), [&](char a, char b) { return lower(a) == lower(b); });
}

TClassInfo::TClassInfo(std::string Name, const TClassInfo* Parent, std::vector<TPropertyInfo> Properties,
                       TFactory Create)
    : name_(std::move(Name)), parent_(Parent), own_(std::move(Properties)), create_(std::move(Create)) {}

std::vector<const TPropertyInfo*> TClassInfo::Properties() const {
  std::vector<const TPropertyInfo*> all = parent_ ? parent_->Properties() : std::vector<const TPropertyInfo*>{};
  for (const TPropertyInfo& p : own_) {
    auto same = std::find_if(all.begin(), all.end(), [&](const TPropertyInfo* q) { return SameText(q->Name, p.Name); });
    if (same != all.end()) *same = &p;
    else all.push_back(&p);
  }
  return all;
}

const TPropertyInfo* TClassInfo::FindProperty(std::string_view Name) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
    for (const TPropertyInfo& p : c->own_)
      if (SameText(p.Name, Name)) return &p;
  return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& Other) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent_)
    if (c == &Other) return true;
  return false;
}

}  // namespace gadrix
