#pragma once
// How the report list fits texts into narrow columns. Both functions measure with the canvas's
// current font and count characters as code points; n below is rounded to the nearest integer,
// ties to the even one, and is at least 1.
//
// A cell text is measured without its first character (in a check column that is the flag):
// w = its width. When w > 0 and the Available width is less than w, n = length x Available / w - 4
// and the text becomes
//   left or centred:  its first n characters and "..."              "Blumenkohl" -> "Blum..."
//   right-aligned:    its first character, "..." and its last n      "12345.678"  -> "1...678"
// (the first character survives either way, so a check flag stays in front).
//
// A header line of width w > 0 that is wider than Available becomes its first n characters and
// "...", n = length x Available / w - 3.

#include <string>

#include "gadrix/platform/graphics/Canvas.h"

namespace gadrix {

std::string FitCellText(const TCanvas& Canvas, const std::string& Text, int Available, bool RightAligned);
std::string FitHeaderText(const TCanvas& Canvas, const std::string& Line, int Available);

}  // namespace gadrix
