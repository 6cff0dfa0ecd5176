#include "Sheets.h"

namespace gallery {

using namespace gadrix;

void SheetLabel(TCanvas* C, int X, int Y, const std::string& Text, TColor Color, int Size) {
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->SetName("Arial");
  C->GetFont()->SetSize(Size);
  C->GetFont()->SetColor(Color);
  C->TextOut(X, Y, Text);
}

}  // namespace gallery
