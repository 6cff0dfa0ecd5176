#include <gtest/gtest.h>

#include <random>

#include "gadrix/platform/graphics/raster/Line.h"
#include "platform/CanvasTestSupport.h"

namespace gadrix {
namespace {

using testing::Picture;
using testing::WhiteBitmap;

TEST(CanvasLine, IncludesTheStartAndExcludesTheEndInEveryDirection) {
  auto bmp = WhiteBitmap(7, 7);
  TCanvas* c = bmp->GetCanvas();
  c->MoveTo(1, 1);
  c->LineTo(5, 1);  // right
  c->LineTo(5, 5);  // down
  c->LineTo(1, 5);  // left
  c->LineTo(1, 1);  // up, closing on the start pixel, which the first line drew
  EXPECT_EQ(Picture(*bmp),
            ".......\n"
            ".#####.\n"
            ".#...#.\n"
            ".#...#.\n"
            ".#...#.\n"
            ".#####.\n"
            ".......\n");
  EXPECT_EQ(c->GetPenPos(), Point(1, 1));
}

TEST(CanvasLine, SinglePixelAndZeroLengthLines) {
  auto bmp = WhiteBitmap(4, 4);
  TCanvas* c = bmp->GetCanvas();
  c->MoveTo(2, 2);
  c->LineTo(2, 2);  // nothing: the only pixel is the excluded end point
  EXPECT_EQ(testing::CountPixels(*bmp, clBlack), 0);
  c->LineTo(3, 2);  // one pixel: the start
  EXPECT_EQ(Picture(*bmp), "....\n....\n..#.\n....\n");
}

TEST(CanvasLine, DiagonalsAndShallowSlopes) {
  auto bmp = WhiteBitmap(8, 4);
  TCanvas* c = bmp->GetCanvas();
  c->MoveTo(0, 0);
  c->LineTo(4, 4);
  c->MoveTo(0, 3);
  c->LineTo(8, 1);  // two rows over eight columns: the row changes at the half-way steps
  EXPECT_EQ(Picture(*bmp),
            "#.......\n"
            ".#....##\n"
            "..####..\n"
            "##.#....\n");
}

TEST(CanvasLine, PenModeNotInvertsAndTwiceRestores) {
  auto bmp = WhiteBitmap(5, 1);
  TCanvas* c = bmp->GetCanvas();
  c->GetPen()->SetMode(pmNot);
  c->MoveTo(0, 0);
  c->LineTo(3, 0);
  EXPECT_EQ(Picture(*bmp), "###..\n");
  c->MoveTo(1, 0);
  c->LineTo(5, 0);
  EXPECT_EQ(Picture(*bmp), "#..##\n");
}

TEST(CanvasLine, DottedPenAlternatesThreeOnThreeOffAndPaintsGapsWithASolidBrush) {
  auto bmp = WhiteBitmap(14, 2);
  TCanvas* c = bmp->GetCanvas();
  c->GetPen()->SetStyle(psDot);
  c->GetBrush()->SetStyle(bsClear);
  c->MoveTo(0, 0);
  c->LineTo(14, 0);
  c->GetBrush()->SetColor(clRed);  // a solid brush again
  c->MoveTo(0, 1);
  c->LineTo(7, 1);
  c->LineTo(14, 1);  // the pattern runs on across the joint
  EXPECT_EQ(Picture(*bmp), "###...###...##\n###???###???##\n");
}

TEST(CanvasLine, WidePenCoversABandAroundTheLine) {
  auto bmp = WhiteBitmap(12, 7);
  TCanvas* c = bmp->GetCanvas();
  c->GetPen()->SetWidth(3);
  c->MoveTo(2, 3);
  c->LineTo(9, 3);
  // Three rows thick; the round ends reach one and a half pixels past both end points, so the
  // pixel centres one column beyond each end are covered.
  EXPECT_EQ(Picture(*bmp),
            "............\n"
            "............\n"
            ".##########.\n"
            ".##########.\n"
            ".##########.\n"
            "............\n"
            "............\n");
}

TEST(CanvasLine, FarAwayEndPointsDrawOnlyTheVisiblePartAndFast) {
  auto far = WhiteBitmap(20, 20);
  auto near = WhiteBitmap(20, 20);
  // A line through the bitmap with its ends a billion pixels away, along an exact slope of 1/2.
  far->GetCanvas()->MoveTo(-1000000000, -500000000 + 10);
  far->GetCanvas()->LineTo(1000000000, 500000000 + 10);
  near->GetCanvas()->MoveTo(-40, -20 + 10);
  near->GetCanvas()->LineTo(60, 30 + 10);
  EXPECT_EQ(Picture(*far), Picture(*near));
}

// Random lines against a reference written from the definition: after i steps along the major axis
// the minor axis has moved round(i * minor / major), a half rounding away from the start.
TEST(CanvasLine, RandomLinesMatchTheReferenceRule) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> coordinate(-30, 60);
  for (int run = 0; run < 500; ++run) {
    const TPoint a{coordinate(random), coordinate(random)}, b{coordinate(random), coordinate(random)};
    std::vector<TPoint> expected;
    const int dx = b.X - a.X, dy = b.Y - a.Y, major = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < major; ++i) {
      auto along = [&](int d) {
        const int m = std::abs(d), s = d < 0 ? -1 : 1;
        return s * ((2 * i * m + major) / (2 * major));
      };
      expected.push_back(std::abs(dx) >= std::abs(dy) ? TPoint{a.X + (dx < 0 ? -i : i), a.Y + along(dy)}
                                                      : TPoint{a.X + along(dx), a.Y + (dy < 0 ? -i : i)});
    }
    std::vector<TPoint> traced;
    raster::TraceLine(a, b, {-100, -100, 100, 100}, [&](int x, int y, std::int64_t) { traced.push_back({x, y}); });
    ASSERT_EQ(traced, expected) << "line from (" << a.X << ", " << a.Y << ") to (" << b.X << ", " << b.Y << ")";
  }
}

}  // namespace
}  // namespace gadrix
