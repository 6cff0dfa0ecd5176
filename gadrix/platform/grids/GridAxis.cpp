#include "gadrix/platform/grids/GridAxis.h"

#include <algorithm>

namespace gadrix {

void TGridAxis::SetCount(int Value) {
  count_ = Value;
  for (auto it = sizes_.lower_bound(Value); it != sizes_.end(); it = sizes_.erase(it)) excess_ -= it->second - default_;
}

void TGridAxis::SetDefaultSize(int Value) {
  default_ = Value;
  sizes_.clear();
  excess_ = 0;
}

int TGridAxis::Size(int Index) const {
  auto it = sizes_.find(Index);
  return it == sizes_.end() ? default_ : it->second;
}

void TGridAxis::SetSize(int Index, int Value) {
  if (Index < 0 || Index >= count_) return;
  excess_ += Value - Size(Index);
  if (Value == default_) sizes_.erase(Index);
  else sizes_[Index] = Value;
}

void TGridAxis::Move(int From, int To) {
  if (From == To || From < 0 || To < 0 || From >= count_ || To >= count_) return;
  const int moved = Size(From);
  SetSize(From, default_);
  std::map<int, int> shifted;
  const int lo = std::min(From, To), hi = std::max(From, To);
  const int step = From < To ? -1 : 1;
  for (auto it = sizes_.lower_bound(lo); it != sizes_.end() && it->first <= hi;) {
    shifted[it->first + step] = it->second;
    it = sizes_.erase(it);
  }
  sizes_.merge(shifted);
  SetSize(To, moved);
}

std::int64_t TGridAxis::Extent(int From, int To, int LineWidth) const {
  From = std::max(From, 0);
  To = std::min(To, count_);
  if (To <= From) return 0;
  std::int64_t sum = static_cast<std::int64_t>(To - From) * (default_ + LineWidth);
  if (From == 0 && To == count_) return sum + excess_;
  for (auto it = sizes_.lower_bound(From); it != sizes_.end() && it->first < To; ++it) sum += it->second - default_;
  return sum;
}

bool TGridAxis::FitsIn(int ClientExtent, int LineWidth) const { return Extent(0, count_, LineWidth) <= ClientExtent; }

int TGridAxis::MaxFirst(int ClientExtent, int LineWidth) const {
  const std::int64_t room = ClientExtent - FixedExtent(LineWidth);
  std::int64_t used = 0;
  for (int i = count_ - 1; i >= fixed_; --i) {
    used += Size(i) + LineWidth;
    if (used > room) return std::min(i + 1, count_ - 1);
  }
  return std::min(fixed_, std::max(count_ - 1, 0));
}

TAxisLayout TGridAxis::Layout(int First, int LineWidth, int ClientExtent) const {
  TAxisLayout l;
  l.LineWidth = LineWidth;
  l.ClientExtent = std::max(ClientExtent, 0);
  l.First = First;
  std::int64_t pos = 0;
  for (int i = 0; i < fixed_ && pos < l.ClientExtent; ++i) {
    pos += Size(i) + LineWidth;
    l.LastVisible = i;
  }
  // Fixed cells that fill the extent leave no room for the others: pos is then past the end.
  l.FixedBoundary = static_cast<int>(std::min<std::int64_t>(pos, l.ClientExtent));
  l.LastFullVisible = First - 1;
  for (int i = First; i < count_ && pos < l.ClientExtent; ++i) {
    pos += Size(i) + LineWidth;
    l.LastVisible = i;
    if (pos <= l.ClientExtent) l.LastFullVisible = i;
  }
  l.GridBoundary = static_cast<int>(std::min<std::int64_t>(pos, l.ClientExtent));
  return l;
}

int TGridAxis::CellStart(int Index, const TAxisLayout& L) const {
  if (Index < 0 || Index >= count_) return -1;
  std::int64_t start;
  if (Index < fixed_) start = Extent(0, Index, L.LineWidth);
  else if (Index < L.First) return -1;
  else start = FixedExtent(L.LineWidth) + Extent(L.First, Index, L.LineWidth);
  return start < L.ClientExtent ? static_cast<int>(start) : -1;
}

std::vector<TCellSpan> TGridAxis::VisibleCells(const TAxisLayout& L) const {
  std::vector<TCellSpan> cells;
  int start = 0;
  auto add = [&](int Index) {
    if (start >= L.ClientExtent) return false;
    const int size = Size(Index);
    cells.push_back({Index, start, size});
    start += size + L.LineWidth;
    return true;
  };
  for (int i = 0; i < fixed_; ++i)
    if (!add(i)) return cells;
  for (int i = L.First; i <= L.LastVisible; ++i)
    if (!add(i)) break;
  return cells;
}

int TGridAxis::CellAt(int Pixel, const TAxisLayout& L) const {
  if (Pixel < 0 || Pixel >= L.GridBoundary) return -1;
  std::int64_t pos = 0;
  for (int i = 0; i < fixed_; ++i) {
    pos += Size(i) + L.LineWidth;
    if (Pixel < pos) return i;
  }
  for (int i = L.First; i <= L.LastVisible; ++i) {
    pos += Size(i) + L.LineWidth;
    if (Pixel < pos) return i;
  }
  return -1;
}

}  // namespace gadrix
