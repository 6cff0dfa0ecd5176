#pragma once
// A block of 32-bit pixels that canvases draw into. Each pixel holds a colour in the layout of
// TColor, 0x00BBGGRR; the top byte is kept 0.

#include <cstdint>
#include <vector>

#include "gadrix/platform/graphics/Types.h"

namespace gadrix {

using TPixel = std::uint32_t;

class TPixelBuffer {
public:
  // The largest number of pixels one buffer may hold (16384 x 16384): larger requests are
  // refused before any memory is taken.
  static constexpr std::int64_t MaxPixels = std::int64_t{16384} * 16384;

  TPixelBuffer() = default;
  TPixelBuffer(int Width, int Height, TPixel Fill = 0xFFFFFF) { Resize(Width, Height, Fill); }

  // Sets the size; the pixels are all set to Fill. Negative sizes count as 0; a size above
  // MaxPixels raises EOutOfMemory and leaves the buffer as it was.
  void Resize(int Width, int Height, TPixel Fill = 0xFFFFFF);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  TRect Bounds() const { return {0, 0, width_, height_}; }

  TPixel* Row(int Y) { return pixels_.data() + static_cast<std::size_t>(Y) * width_; }
  const TPixel* Row(int Y) const { return pixels_.data() + static_cast<std::size_t>(Y) * width_; }
  TPixel* Data() { return pixels_.data(); }
  const TPixel* Data() const { return pixels_.data(); }

  friend bool operator==(const TPixelBuffer&, const TPixelBuffer&) = default;

private:
  int width_ = 0;
  int height_ = 0;
  std::vector<TPixel> pixels_;
};

}  // namespace gadrix
