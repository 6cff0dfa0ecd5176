#include <gtest/gtest.h>

#include "platform/CanvasTestSupport.h"

namespace gadrix {
namespace {

using testing::CountPixels;
using testing::WhiteBitmap;

// The bounding box of the pixels that are not white.
TRect Ink(const TBitmap& Bitmap) {
  TRect ink{Bitmap.GetWidth(), Bitmap.GetHeight(), 0, 0};
  for (int y = 0; y < Bitmap.GetHeight(); ++y)
    for (int x = 0; x < Bitmap.GetWidth(); ++x)
      if (Bitmap.ScanLine(y)[x] != clWhite)
        ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1), std::max(ink.Bottom, y + 1)};
  return ink;
}

TEST(CanvasText, TextOutFillsTheCellWithASolidBrushAndMovesThePen) {
  auto bmp = WhiteBitmap(120, 40);
  TCanvas* c = bmp->GetCanvas();
  c->GetFont()->SetName("Arial");
  c->GetFont()->SetSize(12);
  c->GetBrush()->SetColor(clYellow);
  c->TextOut(10, 5, "Gadrix 42");
  const TSize extent = c->TextExtent("Gadrix 42");
  EXPECT_EQ(Ink(*bmp), Bounds(10, 5, extent.cx, extent.cy));
  EXPECT_EQ(c->GetPenPos(), Point(10 + extent.cx, 5));
}

TEST(CanvasText, ClearBrushDrawsOnlyTheGlyphsInsideTheCell) {
  auto bmp = WhiteBitmap(120, 40);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetStyle(bsClear);
  c->GetFont()->SetColor(clBlack);
  c->TextOut(10, 5, "Hello");
  const TRect ink = Ink(*bmp);
  const TRect cell = Bounds(10, 5, c->TextWidth("Hello"), c->TextHeight("Hello"));
  EXPECT_FALSE(ink.IsEmpty());
  EXPECT_EQ(Intersect(ink, cell), ink);
  EXPECT_EQ(c->GetPixel(10, 5), clWhite);  // the cell's corner is background
}

TEST(CanvasText, TwoPiecesDrawnSideBySideEqualTheWholeText) {
  auto whole = WhiteBitmap(200, 30), pieces = WhiteBitmap(200, 30);
  for (TBitmap* b : {whole.get(), pieces.get()}) {
    b->GetCanvas()->GetFont()->SetName("Arial");
    b->GetCanvas()->GetFont()->SetSize(11);
  }
  whole->GetCanvas()->TextOut(3, 4, "Value 12.5 kV");
  TCanvas* c = pieces->GetCanvas();
  c->TextOut(3, 4, "Value ");
  c->TextOut(c->GetPenPos().X, 4, "12.5 kV");
  EXPECT_EQ(whole->Pixels(), pieces->Pixels());
}

TEST(CanvasText, TextRectFillsTheRectangleAndClipsTheText) {
  auto bmp = WhiteBitmap(100, 30);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clAqua);
  c->TextRect(Rect(5, 5, 30, 20), 8, 2, "Clipped text that runs on");
  EXPECT_EQ(Ink(*bmp), Rect(5, 5, 30, 20));
  EXPECT_GT(CountPixels(*bmp, clAqua), 0);
  EXPECT_LT(CountPixels(*bmp, clAqua), 25 * 15);
}

TEST(CanvasText, NonAntialiasedTextUsesOnlyTheFontColour) {
  auto bmp = WhiteBitmap(100, 30);
  TCanvas* c = bmp->GetCanvas();
  c->GetFont()->SetQuality(fqNonAntialiased);
  c->GetFont()->SetColor(clRed);
  c->TextOut(2, 2, "Mono 8");
  const int red = CountPixels(*bmp, clRed);
  EXPECT_GT(red, 0);
  EXPECT_EQ(red + CountPixels(*bmp, clWhite), 100 * 30);
}

TEST(CanvasText, RotatedTextStaysOnItsReferencePoint) {
  auto bmp = WhiteBitmap(60, 120);
  TCanvas* c = bmp->GetCanvas();
  c->GetFont()->SetName("Arial");
  c->GetFont()->SetSize(12);
  c->GetFont()->SetOrientation(900);  // upwards
  c->GetBrush()->SetColor(clYellow);
  c->TextOut(20, 110, "Rotated");
  const int width = c->TextWidth("Rotated"), height = c->TextHeight("Rotated");
  // At 90 degrees the cell runs up from the reference point and lies to its right.
  const TRect ink = Ink(*bmp);
  EXPECT_NEAR(ink.Left, 20, 1);
  EXPECT_NEAR(ink.Bottom, 110, 1);
  EXPECT_NEAR(ink.Right, 20 + height, 1);
  EXPECT_NEAR(ink.Top, 110 - width, 1);
}

TEST(CanvasText, LogicalFontCallsRotateAndKeepTheRest) {
  TFont font;
  font.SetName("Arial");
  font.SetSize(10);
  font.SetStyle(fsBold);
  TLogFont lf;
  ASSERT_EQ(GetObjectW(font.GetHandle(), sizeof lf, &lf), 92);
  EXPECT_EQ(lf.lfHeight, -13);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  lf.lfEscapement = 450;
  lf.lfOrientation = 450;
  lf.lfQuality = ANTIALIASED_QUALITY;
  font.SetHandle(CreateFontIndirectW(&lf));
  EXPECT_EQ(font.GetOrientation(), 450);
  EXPECT_EQ(font.GetName(), "Arial");
  EXPECT_EQ(font.GetSize(), 10);
  EXPECT_EQ(font.GetStyle(), fsBold);
  EXPECT_EQ(font.GetQuality(), fqAntialiased);
}

}  // namespace
}  // namespace gadrix
