#pragma once
// The non-client parts of a window: its border style, which scroll bars it may show, and the frame
// a bordered control draws around its client area.

#include <cstdint>

#include "gadrix/platform/graphics/Canvas.h"

namespace gadrix {

// How a window is framed. Controls use bsNone and bsSingle; the other values describe top-level
// windows.
enum TFormBorderStyle : std::uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

// Which scroll bars a scrolling control may show (each only while its content does not fit).
enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// The thickness of a scroll bar, and so of the square where two meet.
constexpr int ScrollBarSize = 17;

// The width of the frame a control draws on each side for its border: 2 for a sunken 3-D single
// border (Ctl3D), 1 for a flat one, 0 for none.
int BorderWidth(TBorderStyle Style, bool Ctl3D);

// Draws that frame along the inside of R: sunken in two rings (button shadow over dark shadow at
// the top and left, highlight over light at the bottom and right), or a flat window-frame line.
void DrawBorder(TCanvas* Canvas, const TRect& R, TBorderStyle Style, bool Ctl3D);

}  // namespace gadrix
