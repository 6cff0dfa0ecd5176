#include "gadrix/platform/graphics/raster/Blit.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
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

// The area average in whole numbers. Along each axis a source pixel is DestCount units long and
// a destination pixel SourceCount units, so every overlap is a whole number of units and the
// average is an exact fraction, rounded half up once at the end.
struct TExactTaps {
  std::vector<int> First;  // per destination pixel, its first tap; one more entry closes the last
  std::vector<int> Index;  // source pixel of each tap
  std::vector<std::uint64_t> Weight;  // overlap of each tap, in units
  std::vector<std::uint64_t> Total;   // per destination pixel, the sum of its overlaps
  std::uint64_t WholeWeight = 0;      // the overlap of a source pixel that lies wholly inside
};

TExactTaps ExactAreaTaps(int DestCount, int SourceStart, int SourceCount, bool Mirror, int SourceLimit) {
  TExactTaps taps;
  taps.First.reserve(static_cast<std::size_t>(DestCount) + 1);
  taps.Total.reserve(static_cast<std::size_t>(DestCount));
  const std::int64_t unit = DestCount;  // one source pixel
  taps.WholeWeight = static_cast<std::uint64_t>(std::min<std::int64_t>(unit, SourceCount));
  for (int i = 0; i < DestCount; ++i) {
    taps.First.push_back(static_cast<int>(taps.Index.size()));
    const int step = Mirror ? DestCount - 1 - i : i;
    const std::int64_t from = SourceStart * unit + std::int64_t{step} * SourceCount, to = from + SourceCount;
    const std::int64_t firstSource = from >= 0 ? from / unit : -((-from + unit - 1) / unit);
    std::uint64_t total = 0;
    for (std::int64_t s = std::max<std::int64_t>(firstSource, 0); s < SourceLimit && s * unit < to; ++s) {
      const std::int64_t w = std::min((s + 1) * unit, to) - std::max(s * unit, from);
      if (w <= 0) continue;
      taps.Index.push_back(static_cast<int>(s));
      taps.Weight.push_back(static_cast<std::uint64_t>(w));
      total += static_cast<std::uint64_t>(w);
    }
    taps.Total.push_back(total);
  }
  taps.First.push_back(static_cast<int>(taps.Index.size()));
  return taps;
}

std::uint64_t LargestTotal(const TExactTaps& Taps) {
  return Taps.Total.empty() ? 0 : *std::max_element(Taps.Total.begin(), Taps.Total.end());
}

// Whether the sums of the exact average fit 64 bits: every sum is at most 255 times the product
// of the two axes' largest totals. Only stretches over absurd source sizes fail this.
bool ExactSumsFit(const TExactTaps& Xs, const TExactTaps& Ys) {
  constexpr std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() / 255;
  const std::uint64_t x = LargestTotal(Xs), y = LargestTotal(Ys);
  return x == 0 || y <= limit / x;
}

// Sum / Total rounded half up, for channel sums of at most 255 * Total. A division per pixel
// costs more than the rest of the average, so the quotient is estimated with one reciprocal per
// pixel and put right with whole-number checks.
class TRoundedQuotient {
public:
  explicit TRoundedQuotient(std::uint64_t Total) : twice_(2 * Total), total_(Total), reciprocal_(1.0 / twice_) {}
  TPixel operator()(std::uint64_t Sum) const {
    const std::uint64_t numerator = 2 * Sum + total_;
    auto q = static_cast<std::uint64_t>(static_cast<double>(numerator) * reciprocal_);
    while (q > 0 && q * twice_ > numerator) --q;
    while ((q + 1) * twice_ <= numerator) ++q;
    return static_cast<TPixel>(q);
  }

private:
  std::uint64_t twice_, total_;
  double reciprocal_;
};

// The area average of Source onto Area of the target (the taps are indexed from DX, DY). Rows
// first: for each destination row the weighted sums of its source rows are gathered per source
// column, one channel to an array, in a plain loop over the row that the compiler vectorises;
// then each destination pixel adds up its columns. Acc holds a column sum: 32 bits are enough
// unless a destination pixel spans a very tall source area.
template <class Acc>
void AverageExactly(const TTarget& Target, const TRect& Area, int DX, int DY, const TPixelBuffer& Source,
                    const TExactTaps& Xs, const TExactTaps& Ys, const std::function<void(TPixel&, TPixel)>& Put) {
  const int firstTap = Xs.First[Area.Left - DX], endTap = Xs.First[Area.Right - DX];
  if (firstTap == endTap) return;
  const auto [lowest, highest] = std::minmax_element(Xs.Index.begin() + firstTap, Xs.Index.begin() + endTap);
  const int column0 = *lowest, columns = *highest - *lowest + 1;
  // Most source rows lie wholly inside their destination row and share the largest weight: they
  // are summed unweighted, red and blue together in one 32-bit word (red in the low half, blue
  // in the high half, each with room for 257 rows of 255) and green in another, and weighted
  // when the sums are emptied, every 256 rows and at the end of the destination row.
  constexpr int SharedSumRows = 256;
  const Acc whole = static_cast<Acc>(Ys.WholeWeight);
  std::vector<Acc> red(static_cast<std::size_t>(columns)), green(red.size()), blue(red.size());
  std::vector<std::uint32_t> redBlue(red.size()), greenOnly(red.size());
  int sharedRows = 0;
  auto emptyShared = [&] {
    for (int c = 0; c < columns; ++c) {
      red[c] += whole * (redBlue[c] & 0xFFFF);
      blue[c] += whole * (redBlue[c] >> 16);
      green[c] += whole * (greenOnly[c] >> 8);
    }
    std::fill(redBlue.begin(), redBlue.end(), 0u);
    std::fill(greenOnly.begin(), greenOnly.end(), 0u);
    sharedRows = 0;
  };
  for (int y = Area.Top; y < Area.Bottom; ++y) {
    const int j = y - DY;
    if (Ys.First[j] == Ys.First[j + 1]) continue;
    for (auto* sums : {&red, &green, &blue}) std::fill(sums->begin(), sums->end(), Acc{0});
    for (int ty = Ys.First[j]; ty < Ys.First[j + 1]; ++ty) {
      const TPixel* row = Source.Row(Ys.Index[ty]) + column0;
      const Acc w = static_cast<Acc>(Ys.Weight[ty]);
      if (w == whole) {
        for (int c = 0; c < columns; ++c) {
          redBlue[c] += row[c] & 0xFF00FF;
          greenOnly[c] += row[c] & 0xFF00;
        }
        if (++sharedRows == SharedSumRows) emptyShared();
        continue;
      }
      for (int c = 0; c < columns; ++c) {
        const TPixel p = row[c];
        red[c] += w * (p & 0xFF);
        green[c] += w * ((p >> 8) & 0xFF);
        blue[c] += w * ((p >> 16) & 0xFF);
      }
    }
    if (sharedRows > 0) emptyShared();
    TPixel* to = Target.Buffer->Row(y);
    for (int x = Area.Left; x < Area.Right; ++x) {
      const int i = x - DX;
      const std::uint64_t total = Xs.Total[i] * Ys.Total[j];
      if (total == 0) continue;
      std::uint64_t r = 0, g = 0, b = 0;
      for (int tx = Xs.First[i]; tx < Xs.First[i + 1]; ++tx) {
        const std::size_t c = static_cast<std::size_t>(Xs.Index[tx] - column0);
        const std::uint64_t wx = Xs.Weight[tx];
        r += wx * red[c];
        g += wx * green[c];
        b += wx * blue[c];
      }
      const TRoundedQuotient average(total);
      Put(to[x], average(r) | (average(g) << 8) | (average(b) << 16));
    }
  }
}

// A copy without stretching or mirroring, row by row. Only destination pixels whose source lies
// within the source buffer are written.
void CopyRows(const TTarget& Target, const TRect& Area, int DX, int DY, const TPixelBuffer& Source, int SX,
              int SY, std::uint32_t Rop, TPixel Pattern) {
  const int shiftX = SX - DX, shiftY = SY - DY;
  const TRect reach = Intersect(Area, Source.Bounds().Offset(-shiftX, -shiftY));
  const int n = reach.Width();
  for (int y = reach.Top; y < reach.Bottom; ++y) {
    const TPixel* from = Source.Row(y + shiftY) + reach.Left + shiftX;
    TPixel* to = Target.Buffer->Row(y) + reach.Left;
    switch (Rop) {
      case SRCCOPY: std::copy(from, from + n, to); break;
      case SRCAND:
        for (int i = 0; i < n; ++i) to[i] &= from[i];
        break;
      case SRCPAINT:
        for (int i = 0; i < n; ++i) to[i] |= from[i];
        break;
      default:
        for (int i = 0; i < n; ++i) to[i] = ApplyRop3(Rop, Pattern, from[i], to[i]);
    }
  }
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
  if (sameSize && !mirrorX && !mirrorY && !Transparent) {
    CopyRows(Target, area, DX, DY, *source, SX, SY, Rop, Pattern);
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
  const TExactTaps exactXs = ExactAreaTaps(DW, SX, SW, mirrorX, source->Width());
  const TExactTaps exactYs = ExactAreaTaps(DH, SY, SH, mirrorY, source->Height());
  if (ExactSumsFit(exactXs, exactYs)) {
    if (LargestTotal(exactYs) <= std::numeric_limits<std::uint32_t>::max() / 255)
      AverageExactly<std::uint32_t>(Target, area, DX, DY, *source, exactXs, exactYs, put);
    else
      AverageExactly<std::uint64_t>(Target, area, DX, DY, *source, exactXs, exactYs, put);
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
