// The quick paths of the rasteriser (surface flood fill in place, copies without stretching, the
// area average in whole numbers) checked against plain reference implementations on seeded
// random pictures. A failure prints the seed and the case, which reproduce it.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/CanvasTestSupport.h"

namespace gadrix {
namespace {

constexpr unsigned Seed = 20240611;

// A picture of few colours in blobs, so that surfaces of one colour have interesting shapes.
TPixelBuffer RandomPicture(std::mt19937& Random, int Width, int Height, int Colours) {
  TPixelBuffer buffer(Width, Height);
  std::uniform_int_distribution<int> colour(0, Colours - 1);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      const bool copyLeft = x > 0 && Random() % 3 != 0;
      const bool copyUp = y > 0 && Random() % 3 != 0;
      buffer.Row(y)[x] = copyLeft ? buffer.Row(y)[x - 1]
                         : copyUp ? buffer.Row(y - 1)[x]
                                  : static_cast<TPixel>(0x101010 * colour(Random));
    }
  return buffer;
}

// Four-way flood fill by breadth, one pixel at a time, within the clip.
void ReferenceSurfaceFill(TPixelBuffer& Buffer, const TRect& Clip, int X, int Y, TPixel Fill) {
  const TPixel colour = Buffer.Row(Y)[X];
  if (colour == Fill) return;
  std::vector<TPoint> queue{{X, Y}};
  Buffer.Row(Y)[X] = Fill;
  for (std::size_t i = 0; i < queue.size(); ++i) {
    const TPoint p = queue[i];
    for (TPoint n : {TPoint{p.X + 1, p.Y}, TPoint{p.X - 1, p.Y}, TPoint{p.X, p.Y + 1}, TPoint{p.X, p.Y - 1}}) {
      if (!Clip.Contains(n) || Buffer.Row(n.Y)[n.X] != colour) continue;
      Buffer.Row(n.Y)[n.X] = Fill;
      queue.push_back(n);
    }
  }
}

TEST(RasterFastPath, SurfaceFloodFillMatchesAPlainBreadthFirstFill) {
  std::mt19937 random(Seed);
  for (int round = 0; round < 300; ++round) {
    const int width = 1 + static_cast<int>(random() % 40), height = 1 + static_cast<int>(random() % 30);
    TPixelBuffer picture = RandomPicture(random, width, height, 1 + static_cast<int>(random() % 3));
    const int left = static_cast<int>(random() % width), top = static_cast<int>(random() % height);
    const TRect clip{left / 2, top / 2, width - static_cast<int>(random() % (width - left / 2)),
                     height - static_cast<int>(random() % (height - top / 2))};
    const int x = clip.Left + static_cast<int>(random() % clip.Width());
    const int y = clip.Top + static_cast<int>(random() % clip.Height());
    const TPixel fill = random() % 2 ? 0xABCDEF : picture.Row(y)[x];  // sometimes its own colour
    TPixelBuffer expected = picture;
    ReferenceSurfaceFill(expected, clip, x, y, fill);
    TBitmap bitmap;
    bitmap.Pixels() = picture;
    TCanvas* canvas = bitmap.GetCanvas();
    canvas->SetClipRect(clip);
    canvas->GetBrush()->SetColor(fill);
    canvas->FloodFill(x, y, picture.Row(y)[x], fsSurface);
    ASSERT_TRUE(bitmap.Pixels() == expected) << "seed " << Seed << ", round " << round << ": " << width << " x "
                                             << height << ", seed pixel " << x << ", " << y;
  }
}

TEST(RasterFastPath, UnstretchedCopiesMatchTheRasterOperationPerPixel) {
  std::mt19937 random(Seed);
  const std::uint32_t rops[] = {raster::SRCCOPY, raster::SRCAND, raster::SRCPAINT, raster::SRCINVERT,
                                raster::NOTSRCCOPY};
  for (int round = 0; round < 200; ++round) {
    const TPixelBuffer source = RandomPicture(random, 12, 9, 4);
    TBitmap target;
    target.Pixels() = RandomPicture(random, 10, 8, 4);
    const std::uint32_t rop = rops[random() % std::size(rops)];
    // Places that reach past the edges of both buffers.
    const int dx = static_cast<int>(random() % 14) - 3, dy = static_cast<int>(random() % 12) - 3;
    const int sx = static_cast<int>(random() % 16) - 3, sy = static_cast<int>(random() % 13) - 3;
    const int w = 1 + static_cast<int>(random() % 12), h = 1 + static_cast<int>(random() % 10);
    TPixelBuffer expected = target.Pixels();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int tx = dx + x, ty = dy + y, fx = sx + x, fy = sy + y;
        if (tx < 0 || ty < 0 || tx >= 10 || ty >= 8 || fx < 0 || fy < 0 || fx >= 12 || fy >= 9) continue;
        TPixel& d = expected.Row(ty)[tx];
        d = raster::ApplyRop3(rop, 0, source.Row(fy)[fx], d);
      }
    target.GetCanvas()->StretchBlt(dx, dy, w, h, source, sx, sy, w, h, rop);
    ASSERT_TRUE(target.Pixels() == expected) << "seed " << Seed << ", round " << round;
  }
}

// The area average written out directly: every source pixel's overlap with the destination
// pixel, in units where a source pixel is DW (or DH) long, so that all overlaps are whole.
TPixel ReferenceAverage(const TPixelBuffer& Source, int SX, int SY, int SW, int SH, int DW, int DH, int I, int J) {
  std::uint64_t sums[3] = {}, total = 0;
  for (int y = 0; y < Source.Height(); ++y) {
    const std::int64_t oy = std::min<std::int64_t>((y + 1) * std::int64_t{DH}, std::int64_t{SY} * DH + (J + 1) * std::int64_t{SH}) -
                            std::max<std::int64_t>(y * std::int64_t{DH}, std::int64_t{SY} * DH + J * std::int64_t{SH});
    if (oy <= 0) continue;
    for (int x = 0; x < Source.Width(); ++x) {
      const std::int64_t ox = std::min<std::int64_t>((x + 1) * std::int64_t{DW}, std::int64_t{SX} * DW + (I + 1) * std::int64_t{SW}) -
                              std::max<std::int64_t>(x * std::int64_t{DW}, std::int64_t{SX} * DW + I * std::int64_t{SW});
      if (ox <= 0) continue;
      const std::uint64_t w = static_cast<std::uint64_t>(ox * oy);
      const TPixel p = Source.Row(y)[x];
      for (int c = 0; c < 3; ++c) sums[c] += w * ((p >> (8 * c)) & 0xFF);
      total += w;
    }
  }
  TPixel result = 0;
  for (int c = 0; c < 3; ++c) result |= static_cast<TPixel>((2 * sums[c] + total) / (2 * total)) << (8 * c);
  return result;
}

TEST(RasterFastPath, HalftoneIsTheExactAreaAverageRoundedHalfUp) {
  std::mt19937 random(Seed);
  for (int round = 0; round < 150; ++round) {
    const TPixelBuffer source = RandomPicture(random, 1 + static_cast<int>(random() % 40),
                                              1 + static_cast<int>(random() % 40), 256);
    const int sw = 1 + static_cast<int>(random() % source.Width()), sh = 1 + static_cast<int>(random() % source.Height());
    const int sx = static_cast<int>(random() % (source.Width() - sw + 1));
    const int sy = static_cast<int>(random() % (source.Height() - sh + 1));
    const int dw = 1 + static_cast<int>(random() % 30), dh = 1 + static_cast<int>(random() % 30);
    TBitmap target;
    target.SetSize(dw, dh);
    SetStretchBltMode(target.GetCanvas(), HALFTONE);
    target.GetCanvas()->StretchBlt(0, 0, dw, dh, source, sx, sy, sw, sh, raster::SRCCOPY);
    for (int j = 0; j < dh; ++j)
      for (int i = 0; i < dw; ++i)
        ASSERT_EQ(target.ScanLine(j)[i], ReferenceAverage(source, sx, sy, sw, sh, dw, dh, i, j))
            << "seed " << Seed << ", round " << round << ": " << sw << " x " << sh << " onto " << dw << " x " << dh
            << ", pixel " << i << ", " << j;
  }
}

}  // namespace
}  // namespace gadrix
