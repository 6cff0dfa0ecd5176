#include <gtest/gtest.h>

#include "platform/CanvasTestSupport.h"

namespace gadrix {
namespace {

using testing::WhiteBitmap;

// One source pixel copied onto one destination pixel with Mode.
TColor CopyWith(TCopyMode Mode, TColor Source, TColor Dest) {
  auto src = WhiteBitmap(1, 1), dst = WhiteBitmap(1, 1);
  src->GetCanvas()->SetPixel(0, 0, Source);
  dst->GetCanvas()->SetPixel(0, 0, Dest);
  dst->GetCanvas()->SetCopyMode(Mode);
  dst->GetCanvas()->CopyRect(Rect(0, 0, 1, 1), src->GetCanvas(), Rect(0, 0, 1, 1));
  return dst->GetCanvas()->GetPixel(0, 0);
}

TEST(CanvasCopyRect, CopyModesCombineSourceAndDestination) {
  const TColor s = 0x00F0A05A, d = 0x003C66CC;
  EXPECT_EQ(CopyWith(cmSrcCopy, s, d), s);
  EXPECT_EQ(CopyWith(cmDstInvert, s, d), ~d & 0xFFFFFF);
  EXPECT_EQ(CopyWith(cmSrcAnd, s, d), s & d);
  EXPECT_EQ(CopyWith(cmSrcPaint, s, d), s | d);
  EXPECT_EQ(CopyWith(cmSrcInvert, s, d), s ^ d);
  EXPECT_EQ(CopyWith(cmNotSrcCopy, s, d), ~s & 0xFFFFFF);
  EXPECT_EQ(CopyWith(cmBlackness, s, d), clBlack);
  EXPECT_EQ(CopyWith(cmWhiteness, s, d), clWhite);
}

TEST(CanvasCopyRect, CopiesBetweenOriginsAndClipsAtTheBufferEdges) {
  auto src = WhiteBitmap(4, 4), dst = WhiteBitmap(4, 4);
  src->GetCanvas()->SetPixel(1, 1, clRed);
  src->GetCanvas()->SetPixel(2, 2, clBlue);
  dst->GetCanvas()->CopyRect(Rect(2, 2, 6, 6), src->GetCanvas(), Rect(1, 1, 5, 5));
  EXPECT_EQ(dst->GetCanvas()->GetPixel(2, 2), clRed);
  EXPECT_EQ(dst->GetCanvas()->GetPixel(3, 3), clBlue);
  EXPECT_EQ(dst->GetCanvas()->GetPixel(1, 1), clWhite);
}

TEST(CanvasCopyRect, OverlappingCopyWithinOneBitmapReadsTheOriginalPixels) {
  auto bmp = WhiteBitmap(5, 1);
  TCanvas* c = bmp->GetCanvas();
  for (int x = 0; x < 5; ++x) c->SetPixel(x, 0, static_cast<TColor>(x));
  c->CopyRect(Rect(1, 0, 5, 1), c, Rect(0, 0, 4, 1));
  for (int x = 1; x < 5; ++x) EXPECT_EQ(c->GetPixel(x, 0), static_cast<TColor>(x - 1));
}

TEST(CanvasStretch, HalftoneAveragesTheSourceAreaAndColourOnColourTakesTheNearest) {
  auto src = WhiteBitmap(4, 2);
  TCanvas* s = src->GetCanvas();
  s->SetPixel(0, 0, clBlack);
  s->SetPixel(1, 0, clBlack);  // the left 2 x 2 block: two black, two white
  s->SetPixel(2, 0, clRed);
  s->SetPixel(3, 0, clRed);
  s->SetPixel(2, 1, clRed);
  s->SetPixel(3, 1, clRed);  // the right block all red

  auto halftone = WhiteBitmap(2, 1);
  SetStretchBltMode(halftone->GetCanvas(), HALFTONE);
  StretchBlt(halftone->GetCanvas(), 0, 0, 2, 1, s, 0, 0, 4, 2, cmSrcCopy);
  EXPECT_EQ(halftone->GetCanvas()->GetPixel(0, 0), RGB(128, 128, 128));
  EXPECT_EQ(halftone->GetCanvas()->GetPixel(1, 0), clRed);

  auto nearest = WhiteBitmap(2, 1);
  EXPECT_EQ(SetStretchBltMode(nearest->GetCanvas(), COLORONCOLOR), COLORONCOLOR);
  StretchBlt(nearest->GetCanvas(), 0, 0, 2, 1, s, 0, 0, 4, 2, cmSrcCopy);
  // Destination pixel 0 covers source columns 0 and 1 and both rows; its centre falls on the
  // source pixel (1, 1), which is white.
  EXPECT_EQ(nearest->GetCanvas()->GetPixel(0, 0), clWhite);
  EXPECT_EQ(nearest->GetCanvas()->GetPixel(1, 0), clRed);
}

TEST(CanvasStretch, NegativeWidthMirrors) {
  auto src = WhiteBitmap(3, 1), dst = WhiteBitmap(3, 1);
  src->GetCanvas()->SetPixel(0, 0, clRed);
  StretchBlt(dst->GetCanvas(), 3, 0, -3, 1, src->GetCanvas(), 0, 0, 3, 1, cmSrcCopy);
  EXPECT_EQ(dst->GetCanvas()->GetPixel(2, 0), clRed);
  EXPECT_EQ(dst->GetCanvas()->GetPixel(0, 0), clWhite);
}

TEST(CanvasDraw, DrawCopiesAndTransparentBitmapsLeaveTheirBackgroundOut) {
  TBitmap sprite;
  sprite.SetSize(3, 3);
  sprite.GetCanvas()->SetPixel(1, 1, clBlue);
  auto bmp = WhiteBitmap(6, 6);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clRed);
  c->FillRect(Rect(0, 0, 6, 6));
  c->Draw(0, 0, &sprite);
  EXPECT_EQ(c->GetPixel(0, 0), clWhite);
  EXPECT_EQ(c->GetPixel(1, 1), clBlue);
  sprite.SetTransparent(true);  // the bottom-left pixel, white, is the transparent colour
  c->Draw(3, 3, &sprite);
  EXPECT_EQ(c->GetPixel(3, 3), clRed);
  EXPECT_EQ(c->GetPixel(4, 4), clBlue);
  c->StretchDraw(Rect(0, 0, 6, 6), &sprite);  // twice the size: the blue pixel covers 2..3
  EXPECT_EQ(c->GetPixel(2, 2), clBlue);
  EXPECT_EQ(c->GetPixel(3, 3), clBlue);
  EXPECT_EQ(c->GetPixel(5, 5), clRed);
}

}  // namespace
}  // namespace gadrix
