#pragma once
// Helpers for pixel tests: a white bitmap to draw on, and readable dumps of its pixels.

#include <memory>
#include <string>

#include "gadrix/platform/graphics/Graphics.h"

namespace gadrix::testing {

inline std::unique_ptr<TBitmap> WhiteBitmap(int Width, int Height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(Width, Height);
  return bitmap;
}

// The bitmap as rows of characters: '.' for white, '#' for black, '?' for anything else.
inline std::string Picture(const TBitmap& Bitmap) {
  std::string text;
  for (int y = 0; y < Bitmap.GetHeight(); ++y) {
    for (int x = 0; x < Bitmap.GetWidth(); ++x) {
      const TPixel p = Bitmap.ScanLine(y)[x];
      text += p == clWhite ? '.' : p == clBlack ? '#' : '?';
    }
    text += '\n';
  }
  return text;
}

inline int CountPixels(const TBitmap& Bitmap, TColor Color) {
  int n = 0;
  for (int y = 0; y < Bitmap.GetHeight(); ++y)
    for (int x = 0; x < Bitmap.GetWidth(); ++x) n += Bitmap.ScanLine(y)[x] == Color;
  return n;
}

}  // namespace gadrix::testing
