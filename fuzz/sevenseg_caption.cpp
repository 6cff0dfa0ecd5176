// Arbitrary bytes as the caption of a seven-segment display, and a few of them as its layout:
// walking the caption (UTF-8 or not) and painting it must never crash or read past the text. A
// caption never takes more cells than the display has, nor more than it has characters.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gadrix/displays/sevenseg.h"
#include "gadrix/helmar/Utf8.h"
#include "gadrix/platform/controls/Controls.h"

namespace {

using namespace gadrix;

void Require(bool Condition) {
  if (!Condition) std::abort();
}

struct TDisplay {
  TForm Form{nullptr};
  TSevenSeg* Display;
  TBitmap Picture;
  TDisplay() {
    Display = new TSevenSeg(&Form);
    Display->SetParent(&Form);
    Picture.SetSize(Display->GetWidth(), Display->GetHeight());
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TDisplay display;
  if (Size < 2) return 0;
  // The first byte picks the digit count, the second the distance between cells (negative
  // values let cells overlap); neither rebuilds the cache when unchanged.
  const int digits = 1 + Data[0] % TSevenSeg::MaxNumDigits;
  const int distance = static_cast<std::int8_t>(Data[1]) / 8;
  const std::string caption(reinterpret_cast<const char*>(Data + 2), Size - 2);

  const auto cells = SevenSegDigits(caption, digits);
  Require(static_cast<int>(cells.size()) <= digits);
  Require(cells.size() <= Utf8Length(caption));
  for (const TSevenSegDigit& cell : cells) Require(cell.Cell >= 0 && cell.Cell <= SevenSegCellCount);

  display.Display->SetNumDigits(digits);
  display.Display->SetInterDigDist(distance);
  display.Display->SetCaption(caption);
  display.Display->PaintTo(display.Picture.GetCanvas(), 0, 0);
  return 0;
}
