#include "gadrix/platform/graphics/PixelBuffer.h"

#include <algorithm>
#include <string>

#include "gadrix/platform/core/Exception.h"

namespace gadrix {

void TPixelBuffer::Resize(int Width, int Height, TPixel Fill) {
  Width = std::max(Width, 0);
  Height = std::max(Height, 0);
  if (std::int64_t{Width} * Height > MaxPixels)
    throw EOutOfMemory("bitmap of " + std::to_string(Width) + " x " + std::to_string(Height) +
                       " pixels is too large");
  std::vector<TPixel> pixels(static_cast<std::size_t>(Width) * Height, Fill & 0xFFFFFF);
  pixels_.swap(pixels);
  width_ = Width;
  height_ = Height;
}

}  // namespace gadrix
