// Arbitrary bytes as the caption of a seven-segment display of one of a few layouts: walking the
// caption (UTF-8 or not) and painting it must never crash or read past the text. A caption never
// takes more cells than the display has, nor more than it has characters.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "gadrix/displays/sevenseg.h"
#include "gadrix/helmar/Utf8.h"
#include "gadrix/platform/controls/Controls.h"

namespace {

using namespace gadrix;

void Require(bool Condition) {
  if (!Condition) std::abort();
}

// Displays of a few layouts, built once: a cache rebuild per input would slow the fuzzing down a
// hundredfold.
struct TDisplays {
  struct TLayout {
    int Digits, Width, Distance;
  };
  static constexpr TLayout Layouts[] = {{4, 216, 2}, {1, 60, 2}, {8, 216, -3}, {32, 216, 2}};
  TForm Form{nullptr};
  std::vector<TSevenSeg*> Displays;
  TBitmap Picture;
  TDisplays() {
    for (const TLayout& layout : Layouts) {
      auto* display = new TSevenSeg(&Form);
      display->SetParent(&Form);
      display->SetWidth(layout.Width);
      display->SetNumDigits(layout.Digits);
      display->SetInterDigDist(layout.Distance);
      Displays.push_back(display);
    }
    Picture.SetSize(216, 76);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static TDisplays displays;
  if (Size < 1) return 0;
  // The first byte picks the display, the rest is the caption.
  TSevenSeg* display = displays.Displays[Data[0] % displays.Displays.size()];
  const std::string caption(reinterpret_cast<const char*>(Data + 1), Size - 1);

  const auto cells = SevenSegDigits(caption, display->GetNumDigits());
  Require(static_cast<int>(cells.size()) <= display->GetNumDigits());
  Require(cells.size() <= Utf8Length(caption));
  for (const TSevenSegDigit& cell : cells) Require(cell.Cell >= 0 && cell.Cell <= SevenSegCellCount);

  display->SetCaption(caption);
  display->PaintTo(displays.Picture.GetCanvas(), 0, 0);
  return 0;
}
