#pragma once
// Polygon interiors. The pixel (x, y) belongs to the interior when the point (x, y) lies inside
// the polygon, under the alternate (even-odd) or the winding rule, a point on a left or top edge
// counting as inside and one on a right or bottom edge as outside. So a polygon's right and bottom
// edges are not filled, as with rectangles, two polygons that share an edge do not overlap, and
// the outline (lines through the vertex pixels) lies on the fill's edge.

#include <vector>

#include "gadrix/platform/graphics/raster/ShapeMask.h"

namespace gadrix::raster {

enum class TFillRule { Alternate, Winding };

// Marks the interior's pixels within the mask's box as fill.
void MarkPolygonFill(TShapeMask& Mask, const std::vector<TPoint>& Points, TFillRule Rule);

// Marks the outline through the points as pen pixels, each edge a line that excludes its end
// point; Closed adds the edge from the last point back to the first.
void MarkPolyline(TShapeMask& Mask, const std::vector<TPoint>& Points, bool Closed, int PenWidth);

// The bounding box of the points, right and bottom exclusive.
TRect PointsBounds(const std::vector<TPoint>& Points);

}  // namespace gadrix::raster
