#include "gadrix/platform/graphics/raster/Blit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace gadrix::raster {
namespace {

// One source pixel's share in a destination pixel, for the area-averaging stretch.
struct TTap {
  int Index;
  double Weight;
};

// For every destination pixel along one axis, the source pixels its area covers (within
// 0..SourceLimit) and their shares, summing to 1. An empty list means no source pixel.
std::vector<std::vector<TTap>> AreaTaps(int DestCount, int SourceStart, int SourceCount, bool Mirror,
                                        int SourceLimit) {
  std::vector<std::vector<TTap>> taps(DestCount);
  const double scale = static_cast<double>(SourceCount) / DestCount;
  for (int i = 0; i < DestCount; ++i) {
    const int step = Mirror ? DestCount - 1 - i : i;
    const double from = SourceStart + step * scale, to = SourceStart + (step + 1) * scale;
    double total = 0;
    for (int s = static_cast<int>(std::floor(from)); s < to; ++s) {
      if (s < 0 || s >= SourceLimit) continue;
      const double w = std::min<double>(s + 1, to) - std::max<double>(s, from);
      if (w <= 0) continue;
      taps[i].push_back({s, w});
      total += w;
    }
    for (TTap& t : taps[i]) t.Weight /= total;
  }
  return taps;
}

// For every destination pixel along one axis, the nearest source pixel (-1: outside the source).
std::vector<int> NearestTaps(int DestCount, int SourceStart, int SourceCount, bool Mirror, int SourceLimit) {
  std::vector<int> taps(DestCount);
  for (int i = 0; i < DestCount; ++i) {
    const int step = Mirror ? DestCount - 1 - i : i;
    const int s = SourceStart + static_cast<int>(std::floor((step + 0.5) * SourceCount / DestCount));
    taps[i] = s >= 0 && s < SourceLimit ? s : -1;
  }
  return taps;
}

TPixel Average(const TPixelBuffer& Source, const std::vector<TTap>& Xs, const std::vector<TTap>& Ys) {
  double r = 0, g = 0, b = 0;
  for (const TTap& ty : Ys) {
    const TPixel* row = Source.Row(ty.Index);
    for (const TTap& tx : Xs) {
      const TPixel p = row[tx.Index];
      const double w = tx.Weight * ty.Weight;
      r += w * (p & 0xFF);
      g += w * ((p >> 8) & 0xFF);
      b += w * ((p >> 16) & 0xFF);
    }
  }
  auto channel = [](double v) { return static_cast<TPixel>(std::clamp(std::lround(v), 0L, 255L)); };
  return channel(r) | (channel(g) << 8) | (channel(b) << 16);
}

}  // namespace

TPixel ApplyRop3(std::uint32_t Rop, TPixel Pattern, TPixel Source, TPixel Dest) {
  const unsigned table = (Rop >> 16) & 0xFF;
  TPixel result = 0;
  for (unsigned index = 0; index < 8; ++index) {
    if (!(table & (1u << index))) continue;
    const TPixel p = (index & 4) ? Pattern : ~Pattern;
    const TPixel s = (index & 2) ? Source : ~Source;
    const TPixel d = (index & 1) ? Dest : ~Dest;
    result |= p & s & d;
  }
  return result & 0xFFFFFF;
}

void StretchCopy(const TTarget& Target, int DX, int DY, int DW, int DH, const TPixelBuffer& Source,
                 int SX, int SY, int SW, int SH, std::uint32_t Rop, int StretchMode, TPixel Pattern,
                 std::optional<TPixel> Transparent) {
  bool mirrorX = false, mirrorY = false;
  if (DW < 0) { DX += DW; DW = -DW; mirrorX = !mirrorX; }
  if (DH < 0) { DY += DH; DH = -DH; mirrorY = !mirrorY; }
  if (SW < 0) { SX += SW; SW = -SW; mirrorX = !mirrorX; }
  if (SH < 0) { SY += SH; SH = -SH; mirrorY = !mirrorY; }
  if (DW == 0 || DH == 0 || SW == 0 || SH == 0) return;
  const TRect area = Intersect({DX, DY, DX + DW, DY + DH}, Target.Clip);
  if (area.IsEmpty()) return;

  // Copying within one buffer reads from a snapshot, so overlapping areas come out whole.
  TPixelBuffer snapshot;
  const TPixelBuffer* source = &Source;
  if (&Source == Target.Buffer) {
    snapshot = Source;
    source = &snapshot;
  }
  const bool plainCopy = Rop == SRCCOPY;
  auto put = [&](TPixel& d, TPixel s) { d = plainCopy ? s : ApplyRop3(Rop, Pattern, s, d); };

  const bool sameSize = DW == SW && DH == SH;
  if (sameSize && plainCopy && !mirrorX && !mirrorY && !Transparent) {
    // A plain copy of the same size: whole rows at once (controls copy their off-screen picture
    // this way on every paint).
    const int left = std::max(area.Left, DX - SX), right = std::min(area.Right, DX - SX + source->Width());
    if (left >= right) return;
    for (int y = area.Top; y < area.Bottom; ++y) {
      const int sy = SY + (y - DY);
      if (sy < 0 || sy >= source->Height()) continue;
      const TPixel* from = source->Row(sy) + SX + (left - DX);
      std::copy(from, from + (right - left), Target.Buffer->Row(y) + left);
    }
    return;
  }
  if (sameSize || StretchMode != HALFTONE || Transparent) {
    const std::vector<int> xs = NearestTaps(DW, SX, SW, mirrorX, source->Width());
    const std::vector<int> ys = NearestTaps(DH, SY, SH, mirrorY, source->Height());
    for (int y = area.Top; y < area.Bottom; ++y) {
      const int sy = ys[y - DY];
      if (sy < 0) continue;
      const TPixel* from = source->Row(sy);
      TPixel* to = Target.Buffer->Row(y);
      for (int x = area.Left; x < area.Right; ++x) {
        const int sx = xs[x - DX];
        if (sx >= 0 && (!Transparent || from[sx] != *Transparent)) put(to[x], from[sx]);
      }
    }
    return;
  }
  const auto xs = AreaTaps(DW, SX, SW, mirrorX, source->Width());
  const auto ys = AreaTaps(DH, SY, SH, mirrorY, source->Height());
  for (int y = area.Top; y < area.Bottom; ++y) {
    const auto& ty = ys[y - DY];
    if (ty.empty()) continue;
    TPixel* to = Target.Buffer->Row(y);
    for (int x = area.Left; x < area.Right; ++x) {
      const auto& tx = xs[x - DX];
      if (!tx.empty()) put(to[x], Average(*source, tx, ty));
    }
  }
}

}  // namespace gadrix::raster
