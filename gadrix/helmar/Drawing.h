#pragma once
// Frames and outlines of the base library.
//
// Both functions here take rectangles whose Right and Bottom are the LAST pixel column and row
// (inclusive), unlike the canvas, whose rectangles stop one short: DrawFrame(C, 2, 0, 0, 9, 9, ...)
// frames a 10 x 10 square, and so does DrawRectangle(C, 0, 0, 9, 9). A rectangle with Right < Left
// or Bottom < Top is empty and nothing is drawn.
//
// Frame styles. The five colours play fixed roles, named after the classic 3-D scheme; the usual
// call passes white, silver, grey, black, black:
//   C1 highlight   C2 light   C3 shadow   C4 dark shadow   C5 line
// Every style is drawn as nested one-pixel rings along the inside of the rectangle, the outer ring
// first. In each ring the top and left edges take the ring's top-left colour and the bottom and
// right edges its bottom-right colour; the two off-diagonal corners (top-right, bottom-left) belong
// to the bottom-right edges.
//
//   Style  Look                      Border  Outer ring (TL / BR)   Inner ring (TL / BR)
//   0      flat, no border           0       -                      -
//   1      single line               1       C5 / C5                -
//   2      sunken (lowered 3-D)      2       C3 / C1                C4 / C2
//   3      raised (3-D button)       2       C2 / C4                C1 / C3
//   4      bump (raised ridge)       2       C1 / C3                C3 / C1
//   5      etched (sunken groove)    2       C3 / C1                C1 / C3
//   other  drawn as style 0          0
//
// Inside: DrawFrame first fills the whole rectangle with the canvas's brush, so a caller that paints
// no background of its own gets a filled box; a clear brush (bsClear) fills nothing. A caller that
// frames a picture it has already drawn uses DrawFrameBorder, which never fills, or sets a clear
// brush. What a caller draws inside should start FrameBorderWidth pixels in from each edge.
//
// Canvas state: the pen, the brush and the pen position are as they were after every call here.
// Colours may be system colours (0xFF0000xx); the canvas resolves them.

#include "gadrix/helmar/Types.h"
#include "gadrix/platform/graphics/Canvas.h"

namespace gadrix {

// The width in pixels of the border that FrameStyle draws along each edge: 0 for style 0 and for
// values above 5, 1 for style 1, 2 for styles 2 to 5.
int FrameBorderWidth(TFrameStyle FrameStyle);

// Fills the rectangle (Left, Top)..(Right, Bottom), both corners inclusive, with the canvas's brush
// (nothing with a clear brush) and draws the border of FrameStyle inside it in the colours C1 to C5
// (roles in the table above). The pen is not used.
void DrawFrame(TCanvas* Canvas, TFrameStyle FrameStyle, int Left, int Top, int Right, int Bottom,
               TColor C1, TColor C2, TColor C3, TColor C4, TColor C5);

// The border of DrawFrame alone: the inside of the rectangle keeps its pixels.
void DrawFrameBorder(TCanvas* Canvas, TFrameStyle FrameStyle, int Left, int Top, int Right,
                     int Bottom, TColor C1, TColor C2, TColor C3, TColor C4, TColor C5);

// The outline of the rectangle (Left, Top)..(Right, Bottom), both corners inclusive, in the
// canvas's current pen (colour, width, style and mode); the inside is left alone. A rectangle one
// pixel wide or high is a single line, a 1 x 1 rectangle a single pixel.
void DrawRectangle(TCanvas* Canvas, int Left, int Top, int Right, int Bottom);

}  // namespace gadrix
