#pragma once
// Elliptic arcs, pie sectors and chords. The ellipse is the one inscribed in Box (see
// EllipseShape). The arc starts on the ray from the box centre through the centre of the pixel
// Start and runs
// counter-clockwise, as seen on the screen, to the ray through End. When both rays point the same
// way the arc is the whole ellipse.

#include "gadrix/platform/graphics/raster/ShapeMask.h"

namespace gadrix::raster {

void MarkArc(TShapeMask& Mask, const TRect& Box, TPoint Start, TPoint End, int PenWidth);

// The sector between the two rays: its inner pixels as fill, the arc and the two radii as pen
// (when Outline is set).
void MarkPie(TShapeMask& Mask, const TRect& Box, TPoint Start, TPoint End, int PenWidth, bool Outline);

// The part of the ellipse cut off by the line between the arc's ends: fill, and the arc with the
// chord line as pen (when Outline is set).
void MarkChord(TShapeMask& Mask, const TRect& Box, TPoint Start, TPoint End, int PenWidth, bool Outline);

}  // namespace gadrix::raster
