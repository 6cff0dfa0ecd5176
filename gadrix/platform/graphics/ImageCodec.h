#pragma once
// Decoding and encoding of picture files: BMP, PNG, JPEG and GIF in, PNG out.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gadrix/platform/graphics/PixelBuffer.h"

namespace gadrix {

// Decodes a picture; raises EInvalidGraphic naming What (a file name, a resource name) when the
// bytes are no picture of a supported kind, are cut short, or describe more pixels than a
// TPixelBuffer may hold (checked before any pixel memory is taken). Partly transparent pixels are
// laid over white.
TPixelBuffer DecodeImage(std::span<const std::uint8_t> Bytes, const std::string& What);

std::vector<std::uint8_t> EncodePng(const TPixelBuffer& Pixels);

// Whole files; raise EFileError when the file cannot be read or written.
std::vector<std::uint8_t> ReadFileBytes(const std::string& FileName);
void WriteFileBytes(const std::string& FileName, std::span<const std::uint8_t> Bytes);

}  // namespace gadrix
