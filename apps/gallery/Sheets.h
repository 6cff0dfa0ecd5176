#pragma once
// The gallery's sheets: each draws one subject onto a bitmap of its own size.

#include <functional>
#include <string>
#include <vector>

#include "gadrix/platform/graphics/Graphics.h"

namespace gadrix {
class TMeter;
class TWinControl;
}

namespace gallery {

struct TSheet {
  std::string Name;         // file name without extension
  std::string Title;        // caption in the index page
  std::string Description;  // one line under the caption
  std::function<void(gadrix::TBitmap&)> Render;
};

// Every sheet the gallery shows, in order.
std::vector<TSheet> AllSheets();

// The sheets' paper colour, and a label on it: Arial in Color at Size points, no background.
constexpr gadrix::TColor SheetPaper = gadrix::RGB(236, 236, 232);
void SheetLabel(gadrix::TCanvas* C, int X, int Y, const std::string& Text, gadrix::TColor Color = gadrix::clBlack,
                int Size = 9);

// The canvas primitives, text at several angles, antialiased and not.
void RenderCanvasShowcase(gadrix::TBitmap& Bitmap);

// The 52 marker symbols of the base library, enlarged and at their real size.
void RenderMarkerSheet(gadrix::TBitmap& Bitmap);

// The frame styles 0 to 5 of the base library.
void RenderFrameSheet(gadrix::TBitmap& Bitmap);

// The custom-drawn numeric input in its formats, with buttons, gauge and warning colours.
void RenderNumIO2Sheet(gadrix::TBitmap& Bitmap);
// The numeric label: one label per display format and its looks.
void RenderNumLabSheet(gadrix::TBitmap& Bitmap);
// Draw grids (headings, a selected range, whole rows, a pick list) and edit boxes.
void RenderGridSheet(gadrix::TBitmap& Bitmap);
// The seven-segment display in several colours, sizes and frames, and following a timer.
void RenderSevenSegSheet(gadrix::TBitmap& Bitmap);
// Meters in every layout, a logarithmic one, bands with two needles, and animation frames.
void RenderMeterSheet(gadrix::TBitmap& Bitmap);
// The instrument look of the gallery's meters: an ivory dial, dark ink, a slim red needle with a
// soft shadow, and Unit as the caption.
void DressMeter(gadrix::TMeter* M, const std::string& Unit);
// A panel on Parent (owned by it) with a meter that a timer animates, 297 x 209; for a live window.
gadrix::TWinControl* CreateMeterDemo(gadrix::TWinControl* Parent);
// The month calendar in four languages, Monday and Sunday first, with a host-added holiday.
void RenderMiniCalSheet(gadrix::TBitmap& Bitmap);

// The report list: both headers, check, radio and password columns, banding, highlighted,
// selected and disabled rows, a sort arrow, cut texts, an empty list, a fixed column with an
// inter-row indicator, and a disabled view.
void RenderReportListSheet(gadrix::TBitmap& Bitmap);
}  // namespace gallery
