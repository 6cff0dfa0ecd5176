// Sectors at any angle: which pixels a pie takes is decided exactly, so two pies that share their
// rays leave no gap between them, and a pixel on a ray belongs to the sector on either side.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/CanvasTestSupport.h"

namespace gadrix {
namespace {

using testing::CountPixels;
using testing::WhiteBitmap;

// The pixel at Radius on the ray of Degrees (counter-clockwise from the right) from (Cx, Cy).
TPoint Ray(int Cx, int Cy, double Degrees, double Radius) {
  const double a = Degrees * std::numbers::pi / 180;
  return {static_cast<int>(std::lround(Cx + Radius * std::cos(a))),
          static_cast<int>(std::lround(Cy - Radius * std::sin(a)))};
}

TEST(CanvasSector, PiesAroundTheCircleCoverItWithoutGapsAtAnyAngles) {
  constexpr int size = 61, c = 30;
  const double cuts[] = {17, 73.5, 140, 200.25, 311};
  auto pies = WhiteBitmap(size, size);
  TCanvas* p = pies->GetCanvas();
  p->GetPen()->SetStyle(psClear);
  p->GetBrush()->SetColor(clRed);
  for (int i = 0; i < 5; ++i) {
    const TPoint from = Ray(c, c, cuts[i], 25), to = Ray(c, c, cuts[(i + 1) % 5], 25);
    p->Pie(0, 0, size, size, from.X, from.Y, to.X, to.Y);
  }
  auto disc = WhiteBitmap(size, size);
  disc->GetCanvas()->GetPen()->SetStyle(psClear);
  disc->GetCanvas()->GetBrush()->SetColor(clRed);
  disc->GetCanvas()->Pie(0, 0, size, size, size, c, size, c);  // equal rays: the whole ellipse
  EXPECT_EQ(CountPixels(*pies, clRed), CountPixels(*disc, clRed));
  EXPECT_GT(CountPixels(*disc, clRed), 2500);
}

TEST(CanvasSector, ASweepBeyondHalfATurnTakesAllButTheOtherSide) {
  auto bmp = WhiteBitmap(41, 41);
  TCanvas* c = bmp->GetCanvas();
  c->GetPen()->SetStyle(psClear);
  c->GetBrush()->SetColor(clRed);
  // From 300 degrees counter-clockwise round to 240: everything but the 60 degrees below.
  const TPoint from = Ray(20, 20, 300, 18), to = Ray(20, 20, 240, 18);
  c->Pie(0, 0, 41, 41, from.X, from.Y, to.X, to.Y);
  EXPECT_EQ(c->GetPixel(20, 5), clRed);
  EXPECT_EQ(c->GetPixel(5, 20), clRed);
  EXPECT_EQ(c->GetPixel(35, 20), clRed);
  EXPECT_EQ(c->GetPixel(20, 35), clWhite);
  // Exactly half a turn: the left side of the start ray, looking along it.
  auto half = WhiteBitmap(41, 41);
  half->GetCanvas()->GetPen()->SetStyle(psClear);
  half->GetCanvas()->GetBrush()->SetColor(clRed);
  half->GetCanvas()->Pie(0, 0, 41, 41, 30, 10, 10, 30);  // from up-right to down-left
  EXPECT_EQ(half->GetCanvas()->GetPixel(10, 10), clRed);
  EXPECT_EQ(half->GetCanvas()->GetPixel(30, 30), clWhite);
}

TEST(CanvasSector, AnArcTouchesNothingInsideItsOutline) {
  auto bmp = WhiteBitmap(201, 201);
  TCanvas* c = bmp->GetCanvas();
  c->Arc(0, 0, 201, 201, 200, 100, 0, 100);  // the upper half of a large circle
  for (int y = 5; y < 100; ++y)
    for (int x = 5; x < 196; ++x) {
      const double dx = x + 0.5 - 100.5, dy = y + 0.5 - 100.5;
      if (dx * dx + dy * dy < 97.0 * 97.0) {
        ASSERT_EQ(c->GetPixel(x, y), clWhite) << x << "," << y;
      }
    }
  EXPECT_EQ(c->GetPixel(100, 0), clBlack);
  EXPECT_EQ(c->GetPixel(100, 200), clWhite);
}

}  // namespace
}  // namespace gadrix
