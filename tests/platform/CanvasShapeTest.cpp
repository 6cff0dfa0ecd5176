#include <gtest/gtest.h>

#include <random>

#include "platform/CanvasTestSupport.h"

namespace gadrix {
namespace {

using testing::CountPixels;
using testing::Picture;
using testing::WhiteBitmap;

TEST(CanvasRectangle, OutlineOnTheBoxEdgesRightAndBottomExclusiveInsideWithTheBrush) {
  auto bmp = WhiteBitmap(7, 6);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clRed);
  c->Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Picture(*bmp),
            ".......\n"
            ".#####.\n"
            ".#???#.\n"
            ".#???#.\n"
            ".#####.\n"
            ".......\n");
  EXPECT_EQ(c->GetPixel(2, 2), clRed);
  EXPECT_EQ(c->GetPixel(6, 1), clWhite);  // the right edge is exclusive
  EXPECT_EQ(c->GetPixel(1, 5), clWhite);  // the bottom edge is exclusive
}

TEST(CanvasRectangle, ClearBrushKeepsTheInsideAndClearPenFillsOnePixelShort) {
  auto bmp = WhiteBitmap(6, 5);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clBlack);
  c->FillRect(Rect(0, 0, 6, 5));
  c->GetBrush()->SetStyle(bsClear);
  c->GetPen()->SetColor(clWhite);
  c->Rectangle(0, 0, 5, 4);
  EXPECT_EQ(Picture(*bmp),
            ".....#\n"
            ".###.#\n"
            ".###.#\n"
            ".....#\n"
            "######\n");

  auto filled = WhiteBitmap(5, 4);
  TCanvas* f = filled->GetCanvas();
  f->GetPen()->SetStyle(psClear);
  f->GetBrush()->SetColor(clBlack);
  f->Rectangle(0, 0, 5, 4);
  EXPECT_EQ(Picture(*filled), "####.\n####.\n####.\n.....\n");
}

TEST(CanvasRectangle, WidePensAreCentredOnTheOutlineAndInsideFrameStaysInside) {
  auto bmp = WhiteBitmap(9, 9);
  TCanvas* c = bmp->GetCanvas();
  c->GetPen()->SetWidth(3);
  c->GetBrush()->SetStyle(bsClear);
  c->Rectangle(2, 2, 7, 7);
  EXPECT_EQ(Picture(*bmp),
            ".........\n"
            ".#######.\n"
            ".#######.\n"
            ".#######.\n"
            ".###.###.\n"
            ".#######.\n"
            ".#######.\n"
            ".#######.\n"
            ".........\n");
  EXPECT_EQ(c->GetPixel(1, 1), clBlack);
  EXPECT_EQ(c->GetPixel(7, 7), clBlack);
  EXPECT_EQ(c->GetPixel(4, 4), clWhite);
  EXPECT_EQ(c->GetPixel(0, 0), clWhite);
  EXPECT_EQ(c->GetPixel(8, 8), clWhite);

  auto inside = WhiteBitmap(9, 9);
  TCanvas* i = inside->GetCanvas();
  i->GetPen()->SetWidth(2);
  i->GetPen()->SetStyle(psInsideFrame);
  i->GetBrush()->SetStyle(bsClear);
  i->Rectangle(1, 1, 8, 8);
  EXPECT_EQ(i->GetPixel(1, 1), clBlack);
  EXPECT_EQ(i->GetPixel(2, 2), clBlack);
  EXPECT_EQ(i->GetPixel(3, 3), clWhite);
  EXPECT_EQ(i->GetPixel(7, 7), clBlack);
  EXPECT_EQ(i->GetPixel(8, 8), clWhite);
  EXPECT_EQ(CountPixels(*inside, clBlack), 7 * 7 - 3 * 3);
}

TEST(CanvasRectangle, SwappedCornersDrawTheSameRectangle) {
  auto a = WhiteBitmap(8, 8), b = WhiteBitmap(8, 8);
  a->GetCanvas()->Rectangle(1, 2, 6, 7);
  b->GetCanvas()->Rectangle(6, 7, 1, 2);
  EXPECT_EQ(Picture(*a), Picture(*b));
}

TEST(CanvasFillRect, FillsExactlyTheRectangleAndFrameRectItsBorder) {
  auto bmp = WhiteBitmap(6, 5);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clBlack);
  c->FillRect(Rect(1, 1, 3, 3));
  c->FrameRect(Rect(2, 0, 6, 5));
  EXPECT_EQ(Picture(*bmp),
            "..####\n"
            ".##..#\n"
            ".##..#\n"
            "..#..#\n"
            "..####\n");
  c->GetBrush()->SetStyle(bsClear);
  c->FillRect(Rect(0, 0, 6, 5));  // a clear brush fills nothing
  EXPECT_EQ(CountPixels(*bmp, clBlack), 16);
}

TEST(CanvasEllipse, TouchesTheFourSidesOfItsBoxAndNothingOutside) {
  for (int size : {1, 2, 3, 4, 7, 10, 31}) {
    auto bmp = WhiteBitmap(size + 4, size + 6);
    TCanvas* c = bmp->GetCanvas();
    c->GetBrush()->SetColor(clRed);
    c->Ellipse(2, 3, 2 + size, 3 + size);
    const TRect box{2, 3, 2 + size, 3 + size};
    bool top = false, bottom = false, left = false, right = false;
    for (int y = 0; y < bmp->GetHeight(); ++y)
      for (int x = 0; x < bmp->GetWidth(); ++x) {
        if (c->GetPixel(x, y) != clBlack) continue;
        ASSERT_TRUE(box.Contains({x, y})) << "size " << size << " pixel " << x << "," << y;
        top |= y == box.Top;
        bottom |= y == box.Bottom - 1;
        left |= x == box.Left;
        right |= x == box.Right - 1;
      }
    EXPECT_TRUE(top && bottom && left && right) << "size " << size;
  }
}

TEST(CanvasEllipse, IsSymmetricWithAClosedOutlineAndAFilledInside) {
  auto bmp = WhiteBitmap(21, 15);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clRed);
  c->Ellipse(0, 0, 21, 15);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 21; ++x) {
      ASSERT_EQ(c->GetPixel(x, y), c->GetPixel(20 - x, y)) << x << "," << y;
      ASSERT_EQ(c->GetPixel(x, y), c->GetPixel(x, 14 - y)) << x << "," << y;
    }
  EXPECT_EQ(c->GetPixel(0, 0), clWhite);
  EXPECT_EQ(c->GetPixel(10, 7), clRed);
  // Filling a corner leaves the inside alone (the outline has no gap) and the other corners too
  // (the outline touches the sides of the box).
  c->GetBrush()->SetColor(clBlue);
  c->FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(c->GetPixel(0, 0), clBlue);
  EXPECT_EQ(c->GetPixel(10, 7), clRed);
  EXPECT_EQ(c->GetPixel(20, 14), clWhite);
}

TEST(CanvasPie, FillsTheSectorFromTheStartRayCounterClockwiseToTheEndRay) {
  auto bmp = WhiteBitmap(21, 21);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clRed);
  // From the ray pointing right to the ray pointing up: the upper right quarter.
  c->Pie(0, 0, 21, 21, 20, 10, 10, 0);
  EXPECT_EQ(c->GetPixel(15, 5), clRed);
  EXPECT_EQ(c->GetPixel(5, 5), clWhite);
  EXPECT_EQ(c->GetPixel(5, 15), clWhite);
  EXPECT_EQ(c->GetPixel(15, 15), clWhite);
  // The two radii are drawn in the pen.
  EXPECT_EQ(c->GetPixel(10, 3), clBlack);
  EXPECT_EQ(c->GetPixel(16, 10), clBlack);

  // Swapping the rays gives the other three quarters.
  auto rest = WhiteBitmap(21, 21);
  rest->GetCanvas()->GetBrush()->SetColor(clRed);
  rest->GetCanvas()->Pie(0, 0, 21, 21, 10, 0, 20, 10);
  EXPECT_EQ(rest->GetCanvas()->GetPixel(15, 5), clWhite);
  EXPECT_EQ(rest->GetCanvas()->GetPixel(5, 5), clRed);
  EXPECT_EQ(rest->GetCanvas()->GetPixel(5, 15), clRed);
  EXPECT_EQ(rest->GetCanvas()->GetPixel(15, 15), clRed);
}

TEST(CanvasArc, DrawsOnlyTheOutlineWithinTheRays) {
  auto bmp = WhiteBitmap(21, 21);
  TCanvas* c = bmp->GetCanvas();
  c->Arc(0, 0, 21, 21, 0, 10, 20, 10);  // from the left ray counter-clockwise to the right ray
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 21; ++x) {
      if (c->GetPixel(x, y) == clBlack) {
        ASSERT_GE(y, 10) << x << "," << y;
      }
    }
  EXPECT_EQ(c->GetPixel(10, 20), clBlack);  // the bottom of the circle
  EXPECT_EQ(c->GetPixel(10, 0), clWhite);   // the top is not on the arc
  EXPECT_EQ(c->GetPixel(10, 10), clWhite);  // no radii

  auto full = WhiteBitmap(21, 21), ellipse = WhiteBitmap(21, 21);
  full->GetCanvas()->Arc(0, 0, 21, 21, 20, 10, 20, 10);  // equal rays: the whole ellipse
  ellipse->GetCanvas()->GetBrush()->SetStyle(bsClear);
  ellipse->GetCanvas()->Ellipse(0, 0, 21, 21);
  EXPECT_EQ(Picture(*full), Picture(*ellipse));
}

TEST(CanvasChord, KeepsTheArcSideOfTheChord) {
  auto bmp = WhiteBitmap(21, 21);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clRed);
  c->Chord(0, 0, 21, 21, 20, 10, 0, 10);  // the upper half
  EXPECT_EQ(c->GetPixel(10, 4), clRed);
  EXPECT_EQ(c->GetPixel(10, 15), clWhite);
  EXPECT_EQ(c->GetPixel(10, 10), clBlack);  // the chord line
}

TEST(CanvasPolygon, FillsPixelCentresInsideAndOutlinesThroughTheVertices) {
  auto bmp = WhiteBitmap(8, 8);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clRed);
  c->GetPen()->SetStyle(psClear);
  c->Polygon({{1, 1}, {6, 1}, {6, 6}, {1, 6}});
  // Without a pen the square covers the pixel centres inside: right and bottom edges excluded.
  EXPECT_EQ(CountPixels(*bmp, clRed), 25);
  EXPECT_EQ(c->GetPixel(1, 1), clRed);
  EXPECT_EQ(c->GetPixel(6, 6), clWhite);

  c->GetPen()->SetStyle(psSolid);
  c->Polygon({{1, 1}, {6, 1}, {6, 6}, {1, 6}});
  EXPECT_EQ(c->GetPixel(6, 6), clBlack);  // the outline passes through every vertex
  EXPECT_EQ(c->GetPixel(1, 6), clBlack);
  EXPECT_EQ(CountPixels(*bmp, clBlack), 20);
  EXPECT_EQ(CountPixels(*bmp, clRed), 16);
}

TEST(CanvasPolygon, PenModeNotTouchesEachPixelOnce) {
  auto bmp = WhiteBitmap(10, 10);
  TCanvas* c = bmp->GetCanvas();
  c->GetPen()->SetMode(pmNot);
  c->GetPen()->SetWidth(3);
  c->GetBrush()->SetStyle(bsClear);
  c->Polyline({{2, 2}, {7, 2}, {7, 7}});  // the wide joint overlaps itself
  const int inverted = CountPixels(*bmp, clBlack);
  EXPECT_GT(inverted, 0);
  EXPECT_EQ(inverted + CountPixels(*bmp, clWhite), 100);  // no pixel inverted twice
}

// Random polygons against the definition: the pixel (x, y) is filled when the point (x, y) is
// inside by the even-odd rule, points on left edges inside and on right edges outside.
TEST(CanvasPolygon, RandomPolygonsMatchThePointSamplingReference) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> coordinate(-5, 40);
  for (int run = 0; run < 200; ++run) {
    std::vector<TPoint> points(3 + run % 6);
    for (TPoint& p : points) p = {coordinate(random), coordinate(random)};
    auto bmp = WhiteBitmap(36, 36);
    TCanvas* c = bmp->GetCanvas();
    c->GetPen()->SetStyle(psClear);
    c->GetBrush()->SetColor(clBlack);
    c->Polygon(points);
    for (int y = 0; y < 36; ++y)
      for (int x = 0; x < 36; ++x) {
        // Count the edges crossing row y strictly right of x, in integers: an edge from a to b
        // crosses at a.X + (y - a.Y)(b.X - a.X) / (b.Y - a.Y).
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
          const TPoint a = points[i], b = points[j];
          if ((a.Y > y) == (b.Y > y)) continue;  // the edge does not span row y
          const long long lhs = (1LL * x - a.X) * (b.Y - a.Y);
          const long long rhs = (1LL * y - a.Y) * (b.X - a.X);
          if (b.Y > a.Y ? lhs < rhs : lhs > rhs) inside = !inside;
        }
        ASSERT_EQ(c->GetPixel(x, y) == clBlack, inside) << "run " << run << " pixel " << x << "," << y;
      }
  }
}

TEST(CanvasFloodFill, SurfaceAndBorderModesStopWhereTheyShould) {
  auto bmp = WhiteBitmap(9, 9);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetStyle(bsClear);
  c->Rectangle(1, 1, 8, 8);
  c->MoveTo(1, 1);
  c->LineTo(8, 8);  // a diagonal wall: four-way filling cannot pass it
  c->GetBrush()->SetColor(clRed);
  c->FloodFill(5, 2, clWhite, fsSurface);
  EXPECT_EQ(c->GetPixel(6, 2), clRed);
  EXPECT_EQ(c->GetPixel(2, 6), clWhite);  // the other side of the diagonal
  EXPECT_EQ(c->GetPixel(0, 0), clWhite);  // outside the frame

  c->GetBrush()->SetColor(clBlue);
  c->FloodFill(2, 6, clBlack, fsBorder);  // up to black: takes white and nothing behind the walls
  EXPECT_EQ(c->GetPixel(2, 6), clBlue);
  EXPECT_EQ(c->GetPixel(6, 2), clRed);

  // Filling an area with its own colour ends.
  c->GetBrush()->SetColor(clWhite);
  c->FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(c->GetPixel(0, 0), clWhite);
}

TEST(CanvasClip, OriginShiftsAndClipRectLimitsEveryPrimitive) {
  auto bmp = WhiteBitmap(20, 20);
  TCanvas* c = bmp->GetCanvas();
  c->SetOrigin({10, 5});
  c->SetClipRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(c->GetClipRect(), Rect(0, 0, 4, 4));
  c->GetBrush()->SetColor(clBlack);
  c->FillRect(Rect(-5, -5, 50, 50));
  c->MoveTo(-10, 2);
  c->LineTo(30, 2);
  c->Ellipse(-20, -20, 40, 40);
  EXPECT_EQ(CountPixels(*bmp, clBlack), 16);
  EXPECT_EQ(bmp->ScanLine(5)[10], clBlack);
  EXPECT_EQ(bmp->ScanLine(8)[13], clBlack);
  EXPECT_EQ(bmp->ScanLine(9)[14], clWhite);
  EXPECT_EQ(c->GetPixel(4, 4), 0xFFFFFFFFu);  // outside the clip
  c->ResetClipRect();
  EXPECT_EQ(c->GetClipRect(), Rect(-10, -5, 10, 15));
}

TEST(CanvasPixels, SetAndGetAndSystemColoursResolve) {
  auto bmp = WhiteBitmap(3, 3);
  TCanvas* c = bmp->GetCanvas();
  c->SetPixel(1, 1, clBtnFace);
  EXPECT_EQ(c->GetPixel(1, 1), ColorToRGB(clBtnFace));
  c->SetPixel(5, 5, clBlack);  // outside: ignored
  EXPECT_EQ(c->GetPixel(5, 5), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace gadrix
