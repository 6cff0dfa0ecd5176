#include <cmath>
#include <string>

#include "Sheets.h"

namespace gallery {

using namespace gadrix;

namespace {

void Caption(TCanvas* C, int X, int Y, const std::string& Text) {
  C->GetBrush()->SetStyle(bsClear);
  C->GetFont()->SetName("Arial");
  C->GetFont()->SetSize(9);
  C->GetFont()->SetOrientation(0);
  C->GetFont()->SetColor(clBlack);
  C->GetFont()->SetQuality(fqDefault);
  C->TextOut(X, Y, Text);
}

void Reset(TCanvas* C) {
  C->GetPen()->SetColor(clBlack);
  C->GetPen()->SetWidth(1);
  C->GetPen()->SetStyle(psSolid);
  C->GetPen()->SetMode(pmCopy);
  C->GetBrush()->SetStyle(bsSolid);
  C->GetBrush()->SetColor(clWhite);
}

void Lines(TCanvas* C) {
  Caption(C, 20, 10, "Lines: widths 1 to 4, styles, pen mode not");
  for (int i = 0; i < 4; ++i) {
    C->GetPen()->SetWidth(i + 1);
    C->MoveTo(20, 40 + i * 14);
    C->LineTo(200, 34 + i * 14);
  }
  Reset(C);
  const TPenStyle styles[] = {psDash, psDot, psDashDot, psDashDotDot};
  for (int i = 0; i < 4; ++i) {
    C->GetPen()->SetStyle(styles[i]);
    C->MoveTo(20, 100 + i * 8);
    C->LineTo(200, 100 + i * 8);
  }
  Reset(C);
  for (int a = 0; a < 360; a += 15) {
    const double r = a * 3.14159265 / 180;
    C->MoveTo(300, 80);
    C->LineTo(300 + static_cast<int>(60 * std::cos(r)), 80 - static_cast<int>(60 * std::sin(r)));
  }
  C->GetBrush()->SetColor(clNavy);
  C->FillRect(Rect(380, 30, 460, 130));
  C->GetPen()->SetMode(pmNot);
  C->GetPen()->SetWidth(5);
  C->MoveTo(370, 40);
  C->LineTo(470, 120);
  Reset(C);
}

void Shapes(TCanvas* C) {
  Caption(C, 20, 150, "Shapes: outline in the pen, inside in the brush");
  C->GetBrush()->SetColor(clSkyBlue);
  C->Rectangle(20, 175, 100, 235);
  C->GetBrush()->SetColor(clMoneyGreen);
  C->Ellipse(115, 175, 195, 235);
  C->GetBrush()->SetColor(clCream);
  C->RoundRect(210, 175, 290, 235, 20, 20);
  C->GetBrush()->SetColor(RGB(255, 200, 120));
  C->Pie(305, 175, 385, 255, 385, 215, 345, 175);
  C->GetBrush()->SetColor(RGB(200, 160, 255));
  C->Chord(400, 175, 480, 255, 480, 205, 400, 205);
  C->GetPen()->SetColor(clRed);
  C->GetPen()->SetWidth(3);
  C->GetBrush()->SetStyle(bsClear);
  C->Arc(20, 250, 100, 310, 100, 280, 20, 280);
  C->GetPen()->SetWidth(1);
  C->GetPen()->SetColor(clBlack);
  C->GetBrush()->SetColor(clYellow);
  C->Polygon({{130, 310}, {160, 250}, {190, 310}, {115, 270}, {205, 270}});
  C->SetPolyFillMode(fmWinding);
  C->Polygon({{230, 310}, {260, 250}, {290, 310}, {215, 270}, {305, 270}});
  C->SetPolyFillMode(fmAlternate);
  Reset(C);
}

void Text(TCanvas* C) {
  Caption(C, 520, 10, "Text: at several angles, antialiased and not");
  C->GetFont()->SetName("Arial");
  C->GetFont()->SetSize(11);
  C->GetFont()->SetColor(clNavy);
  for (int a = 0; a < 3600; a += 450) {
    C->GetFont()->SetOrientation(a);
    C->TextOut(650, 150, "  Gadrix " + std::to_string(a / 10) + "\xC2\xB0");
  }
  C->GetFont()->SetOrientation(0);
  C->GetBrush()->SetColor(clInfoBk);
  C->GetBrush()->SetStyle(bsSolid);
  C->GetFont()->SetColor(clBlack);
  C->GetFont()->SetQuality(fqAntialiased);
  C->TextOut(520, 270, "Antialiased 123.45");
  C->GetFont()->SetQuality(fqNonAntialiased);
  C->TextOut(520, 290, "Not antialiased 123.45");
  C->GetFont()->SetQuality(fqDefault);
  C->GetFont()->SetName("DejaVu Sans");
  C->GetFont()->SetStyle(fsBold | fsUnderline);
  C->TextOut(700, 270, "Bold underlined");
  C->GetFont()->SetStyle(fsItalic | fsStrikeOut);
  C->TextOut(700, 290, "Italic struck out");
  C->GetFont()->SetStyle(0);
  Reset(C);
}

void Copies(TCanvas* C) {
  Caption(C, 20, 330, "Copy modes and stretching: source, AND, OR, invert, halftone, nearest");
  TBitmap source;
  source.SetSize(60, 60);
  TCanvas* s = source.GetCanvas();
  s->GetBrush()->SetColor(clRed);
  s->Ellipse(0, 0, 60, 60);
  s->GetBrush()->SetColor(clBlue);
  s->FillRect(Rect(20, 20, 40, 40));
  C->GetBrush()->SetColor(clYellow);
  for (int i = 0; i < 4; ++i) C->FillRect(Bounds(20 + i * 75, 355, 60, 60));
  const TCopyMode modes[] = {cmSrcCopy, cmSrcAnd, cmSrcPaint, cmDstInvert};
  for (int i = 0; i < 4; ++i) {
    C->SetCopyMode(modes[i]);
    C->CopyRect(Bounds(20 + i * 75, 355, 60, 60), s, Rect(0, 0, 60, 60));
  }
  C->SetCopyMode(cmSrcCopy);
  SetStretchBltMode(C, HALFTONE);
  C->StretchDraw(Bounds(330, 355, 24, 24), &source);
  C->StretchDraw(Bounds(360, 355, 120, 60), &source);
  SetStretchBltMode(C, COLORONCOLOR);
  C->StretchDraw(Bounds(490, 355, 24, 24), &source);
  C->StretchDraw(Bounds(520, 355, 120, 60), &source);
  C->GetBrush()->SetColor(clLime);
  C->FloodFill(540, 385, clRed, fsSurface);
  Reset(C);
}

}  // namespace

void RenderCanvasShowcase(TBitmap& Bitmap) {
  Bitmap.SetSize(880, 440);
  TCanvas* c = Bitmap.GetCanvas();
  c->GetBrush()->SetColor(clWhite);
  c->FillRect(Rect(0, 0, 880, 440));
  Reset(c);
  Lines(c);
  Shapes(c);
  Text(c);
  Copies(c);
}

}  // namespace gallery
