#pragma once
// Copying blocks of pixels between buffers with a raster operation, stretched or not.

#include <cstdint>
#include <optional>

#include "gadrix/platform/graphics/raster/Raster.h"

namespace gadrix::raster {

// Ternary raster operations: the high word's low byte is the truth table over pattern (the
// brush colour), source and destination; bit (4P + 2S + D) of it is the result.
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t SRCPAINT = 0x00EE0086;  // source OR destination
constexpr std::uint32_t SRCAND = 0x008800C6;    // source AND destination
constexpr std::uint32_t SRCINVERT = 0x00660046;
constexpr std::uint32_t SRCERASE = 0x00440328;
constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
constexpr std::uint32_t NOTSRCERASE = 0x001100A6;
constexpr std::uint32_t MERGECOPY = 0x00C000CA;
constexpr std::uint32_t MERGEPAINT = 0x00BB0226;
constexpr std::uint32_t PATCOPY = 0x00F00021;
constexpr std::uint32_t PATPAINT = 0x00FB0A09;
constexpr std::uint32_t PATINVERT = 0x005A0049;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr std::uint32_t BLACKNESS = 0x00000042;
constexpr std::uint32_t WHITENESS = 0x00FF0062;

// How a stretched copy picks its source pixels.
constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;  // the nearest source pixel
constexpr int HALFTONE = 4;      // the average of the source area, weighted by coverage

TPixel ApplyRop3(std::uint32_t Rop, TPixel Pattern, TPixel Source, TPixel Dest);

// Copies the source rectangle (SX, SY, SW, SH) onto the destination rectangle (DX, DY, DW, DH),
// stretching as needed with StretchMode and combining with Rop; Pattern is the brush colour for
// the operations that use one. A negative width or height mirrors. Destination pixels whose source
// lies outside the source buffer are left alone. Source and Target may share a buffer. With a
// Transparent colour, source pixels of that colour are skipped (the nearest pixel decides).
void StretchCopy(const TTarget& Target, int DX, int DY, int DW, int DH, const TPixelBuffer& Source,
                 int SX, int SY, int SW, int SH, std::uint32_t Rop, int StretchMode, TPixel Pattern,
                 std::optional<TPixel> Transparent = std::nullopt);

}  // namespace gadrix::raster
