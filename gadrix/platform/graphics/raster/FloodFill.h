#pragma once
// Flood fill of a 4-connected area, from a seed pixel, within the clip.

#include "gadrix/platform/graphics/raster/Raster.h"

namespace gadrix::raster {

enum class TFloodMode {
  Surface,  // fill the pixels of Color connected to the seed
  Border,   // fill the pixels connected to the seed up to a border of Color
};

// Returns false (and fills nothing) when the seed lies outside the clip, or when the seed's pixel
// does not qualify (not of Color in surface mode; of Color in border mode).
bool FloodFill(const TTarget& Target, int X, int Y, TPixel Color, TFloodMode Mode, const TPixelOp& Op);

}  // namespace gadrix::raster
