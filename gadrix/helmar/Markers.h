#pragma once
// Marker symbols of the base library: 52 small shapes, numbered 0 to 51, that charts, the marker
// selector and the thumbnail strip draw about a centre point.
//
// Every symbol is drawn in the canvas's pen colour and through the pen's mode (pmNot inverts what
// lies beneath), always one pixel thin and solid whatever the pen's width and style; a clear pen
// (psClear) draws nothing. Filled symbols are filled in the pen colour as well, so a symbol looks
// the same on any brush; the brush is not used. The pen, the brush and the pen position are as
// they were after the call. Each symbol is symmetric about its centre (X, Y) where its shape is
// (all but the triangles, which are symmetric about their own axis, and the stars, which are
// symmetric left to right), and lies within MarkerRadius pixels of it: an 11 x 11 box at most,
// so it fits grid cells of 13 pixels and more.
//
// Sizes: small 7 x 7 pixels (radius 3), medium 9 x 9 (radius 4), large 11 x 11 (radius 5).
//
//   0  dot (one pixel)                  26  triangle down, filled
//   1  block, 3 x 3                     27  triangle left, hollow
//   2  plus, small                      28  triangle left, filled
//   3  plus, medium                     29  triangle right, hollow
//   4  plus, large                      30  triangle right, filled
//   5  cross (x), small                 31  diamond, medium, hollow
//   6  cross, medium                    32  diamond, medium, filled
//   7  cross, large                     33  diamond, large, hollow
//   8  asterisk (+ and x), small        34  diamond, large, filled
//   9  asterisk, medium                 35  hexagon, hollow
//  10  asterisk, large                  36  hexagon, filled
//  11  square, small, hollow            37  star (five points), hollow
//  12  square, medium, hollow           38  star, filled
//  13  square, large, hollow            39  horizontal line
//  14  square, small, filled            40  vertical line
//  15  square, medium, filled           41  horizontal bar, 11 x 3
//  16  square, large, filled            42  vertical bar, 3 x 11
//  17  circle, small, hollow            43  square with a centre dot
//  18  circle, medium, hollow           44  circle with a centre dot
//  19  circle, large, hollow            45  circle with a plus (crosshair)
//  20  circle, small, filled            46  square with a cross
//  21  circle, medium, filled           47  diamond with a plus
//  22  circle, large, filled            48  two nested squares
//  23  triangle up, hollow (medium)     49  bullseye: circle around a disc
//  24  triangle up, filled              50  hourglass, hollow
//  25  triangle down, hollow            51  bow tie, hollow

#include "gadrix/platform/graphics/Canvas.h"

namespace gadrix {

// The number of marker symbols: 0 to MarkerCount - 1.
constexpr int MarkerCount = 52;

// The farthest any symbol reaches from its centre, in pixels, horizontally and vertically.
constexpr int MarkerRadius = 5;

// Draws marker symbol Mark (0 to 51) centred on (X, Y) in the canvas's pen. Any other Mark draws
// nothing.
void DrawMarkOnCanvas(TCanvas* Canvas, int Mark, int X, int Y);

}  // namespace gadrix
