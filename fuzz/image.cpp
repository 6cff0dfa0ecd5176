// Picture decoding must reject any byte string cleanly: a decoded picture or EInvalidGraphic,
// never a crash, an overrun or a huge allocation.

#include <cstddef>
#include <cstdint>
#include <span>

#include "gadrix/platform/graphics/Graphics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  try {
    const gadrix::TPixelBuffer pixels = gadrix::DecodeImage(std::span(Data, Size), "fuzz input");
    if (pixels.Width() <= 0 || pixels.Height() <= 0) __builtin_trap();
  } catch (const gadrix::EInvalidGraphic&) {
  }
  return 0;
}
