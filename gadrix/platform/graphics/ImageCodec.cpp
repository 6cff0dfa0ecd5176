#include "gadrix/platform/graphics/ImageCodec.h"

#include <climits>
#include <fstream>
#include <iterator>
#include <memory>

#include "gadrix/platform/core/Exception.h"

#define STBI_NO_PSD
#define STBI_NO_HDR
#define STBI_NO_PIC
#define STBI_NO_PNM
#define STBI_NO_TGA
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#endif
#include <stb_image.h>
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace gadrix {
namespace {

struct StbFree {
  void operator()(unsigned char* p) const { stbi_image_free(p); }
};

TPixel OverWhite(const unsigned char* rgba) {
  const int a = rgba[3];
  auto channel = [a](int v) { return static_cast<TPixel>((v * a + 255 * (255 - a) + 127) / 255); };
  return channel(rgba[0]) | (channel(rgba[1]) << 8) | (channel(rgba[2]) << 16);
}

}  // namespace

TPixelBuffer DecodeImage(std::span<const std::uint8_t> Bytes, const std::string& What) {
  if (Bytes.empty() || Bytes.size() > static_cast<std::size_t>(INT_MAX))
    throw EInvalidGraphic(What + ": not a supported picture (empty or too large)");
  const int size = static_cast<int>(Bytes.size());
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(Bytes.data(), size, &width, &height, &channels))
    throw EInvalidGraphic(What + ": not a supported picture (" + stbi_failure_reason() + ")");
  if (width <= 0 || height <= 0 || std::int64_t{width} * height > TPixelBuffer::MaxPixels)
    throw EInvalidGraphic(What + ": picture dimensions out of range");
  std::unique_ptr<unsigned char, StbFree> rgba(stbi_load_from_memory(Bytes.data(), size, &width, &height, &channels, 4));
  if (!rgba) throw EInvalidGraphic(What + ": damaged picture (" + stbi_failure_reason() + ")");
  TPixelBuffer pixels(width, height);
  const unsigned char* from = rgba.get();
  for (int y = 0; y < height; ++y) {
    TPixel* row = pixels.Row(y);
    for (int x = 0; x < width; ++x, from += 4) row[x] = OverWhite(from);
  }
  return pixels;
}

std::vector<std::uint8_t> EncodePng(const TPixelBuffer& Pixels) {
  std::vector<std::uint8_t> png;
  if (Pixels.Empty()) throw EInvalidGraphic("cannot write an empty picture");
  std::vector<unsigned char> rgb(static_cast<std::size_t>(Pixels.Width()) * Pixels.Height() * 3);
  unsigned char* to = rgb.data();
  for (int y = 0; y < Pixels.Height(); ++y) {
    const TPixel* row = Pixels.Row(y);
    for (int x = 0; x < Pixels.Width(); ++x) {
      *to++ = row[x] & 0xFF;
      *to++ = (row[x] >> 8) & 0xFF;
      *to++ = (row[x] >> 16) & 0xFF;
    }
  }
  auto append = [](void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
  };
  if (!stbi_write_png_to_func(append, &png, Pixels.Width(), Pixels.Height(), 3, rgb.data(), Pixels.Width() * 3))
    throw EInvalidGraphic("cannot encode the picture as PNG");
  return png;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& FileName) {
  std::ifstream in(FileName, std::ios::binary);
  if (!in) throw EFileError("cannot open file \"" + FileName + "\"");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw EFileError("cannot read file \"" + FileName + "\"");
  return bytes;
}

void WriteFileBytes(const std::string& FileName, std::span<const std::uint8_t> Bytes) {
  std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
  if (!out) throw EFileError("cannot create file \"" + FileName + "\"");
  out.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
  if (!out) throw EFileError("cannot write file \"" + FileName + "\"");
}

}  // namespace gadrix
