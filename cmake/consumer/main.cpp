// A program that uses an installed Gadrix through find_package: it paints a numeric label into a
// bitmap and checks one pixel of its background.

#include <cstdio>

#include "gadrix/gadrix.h"

int main() {
  gadrix::TForm form(nullptr);
  auto* label = new gadrix::TNumLab(&form);
  label->SetParent(&form);
  gadrix::TBitmap bitmap;
  bitmap.SetSize(200, 40);
  label->PaintTo(bitmap.GetCanvas(), 0, 0);
  const bool ok = bitmap.GetCanvas()->GetPixel(5, 5) == gadrix::ColorToRGB(gadrix::clBtnFace);
  std::puts(ok ? "installed library works" : "installed library paints wrongly");
  return ok ? 0 : 1;
}
