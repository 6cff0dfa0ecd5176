// Frames and outlines: ring colours per style, the fill of the inside, small and far-out
// rectangles, and the canvas state around each call.

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <set>
#include <string>

#include "gadrix/helmar/Drawing.h"
#include "gadrix/platform/graphics/Graphics.h"

namespace gadrix {
namespace {

constexpr TColor Outside = clFuchsia;  // the bitmap around the frame
constexpr TColor Fill = clYellow;      // the canvas brush
constexpr TColor Line = clNavy;        // the fifth colour, told apart from the dark shadow

// Frames are drawn on (L, T)..(R, B), inclusive, on a bitmap of W x H filled with Outside.
constexpr int W = 26, H = 22, L = 3, T = 4, R = 21, B = 16;

std::unique_ptr<TBitmap> Paper(int Width = W, int Height = H) {
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetSize(Width, Height);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(Outside);
  c->FillRect(Rect(0, 0, Width, Height));
  c->GetBrush()->SetColor(Fill);
  return bmp;
}

void Frame(TCanvas* C, TFrameStyle Style, TColor C5 = clBlack) {
  DrawFrame(C, Style, L, T, R, B, clWhite, clSilver, clGray, clBlack, C5);
}

std::string Image(const TBitmap& Bmp) {
  std::string s;
  for (int y = 0; y < Bmp.GetHeight(); ++y)
    for (int x = 0; x < Bmp.GetWidth(); ++x) s += std::to_string(Bmp.ScanLine(y)[x]) + ",";
  return s;
}

struct TRingColors {
  TColor TopLeft, BottomRight;
};

// Checks one ring (k pixels in) at its four corners and the middle of each edge.
void ExpectRing(const TCanvas* C, int K, TRingColors Want, const std::string& What) {
  const int l = L + K, t = T + K, r = R - K, b = B - K, mx = (L + R) / 2, my = (T + B) / 2;
  SCOPED_TRACE(What + ", ring " + std::to_string(K));
  EXPECT_EQ(C->GetPixel(l, t), Want.TopLeft);
  EXPECT_EQ(C->GetPixel(mx, t), Want.TopLeft);
  EXPECT_EQ(C->GetPixel(l, my), Want.TopLeft);
  EXPECT_EQ(C->GetPixel(r, b), Want.BottomRight);
  EXPECT_EQ(C->GetPixel(mx, b), Want.BottomRight);
  EXPECT_EQ(C->GetPixel(r, my), Want.BottomRight);
  EXPECT_EQ(C->GetPixel(r, t), Want.BottomRight) << "top-right corner";
  EXPECT_EQ(C->GetPixel(l, b), Want.BottomRight) << "bottom-left corner";
}

TEST(DrawFrame, EachStyleDrawsItsRingsInTheFiveColoursAndFillsTheRest) {
  struct TCase {
    TFrameStyle Style;
    int Width;
    std::array<TRingColors, 2> Rings;
  };
  const TCase cases[] = {
      {0, 0, {}},
      {1, 1, {{{Line, Line}}}},
      {2, 2, {{{clGray, clWhite}, {clBlack, clSilver}}}},
      {3, 2, {{{clSilver, clBlack}, {clWhite, clGray}}}},
      {4, 2, {{{clWhite, clGray}, {clGray, clWhite}}}},
      {5, 2, {{{clGray, clWhite}, {clWhite, clGray}}}},
  };
  for (const TCase& c : cases) {
    const std::string what = "style " + std::to_string(c.Style);
    auto bmp = Paper();
    TCanvas* canvas = bmp->GetCanvas();
    Frame(canvas, c.Style, Line);
    EXPECT_EQ(FrameBorderWidth(c.Style), c.Width) << what;
    for (int k = 0; k < c.Width; ++k) ExpectRing(canvas, k, c.Rings[k], what);
    // The inside, c.Width pixels in, is the brush's, and nothing outside the rectangle changed.
    int filled = 0;
    for (int y = T + c.Width; y <= B - c.Width; ++y)
      for (int x = L + c.Width; x <= R - c.Width; ++x) filled += canvas->GetPixel(x, y) == Fill;
    EXPECT_EQ(filled, (R - L + 1 - 2 * c.Width) * (B - T + 1 - 2 * c.Width)) << what;
    for (int x = 0; x < W; ++x) {
      EXPECT_EQ(canvas->GetPixel(x, T - 1), Outside) << what;
      EXPECT_EQ(canvas->GetPixel(x, B + 1), Outside) << what;
    }
    for (int y = 0; y < H; ++y) {
      EXPECT_EQ(canvas->GetPixel(L - 1, y), Outside) << what;
      EXPECT_EQ(canvas->GetPixel(R + 1, y), Outside) << what;
    }
  }
}

TEST(DrawFrame, TheSixStylesLookPairwiseDifferentWithTheUsualColours) {
  std::set<std::string> images;
  for (TFrameStyle style = 0; style <= 5; ++style) {
    auto bmp = Paper();
    Frame(bmp->GetCanvas(), style);
    images.insert(Image(*bmp));
  }
  EXPECT_EQ(images.size(), 6u);
}

TEST(DrawFrame, StylesAboveFiveDrawAsTheFlatStyle) {
  auto flat = Paper();
  Frame(flat->GetCanvas(), 0);
  for (int style : {6, 7, 100, 255}) {
    auto bmp = Paper();
    Frame(bmp->GetCanvas(), static_cast<TFrameStyle>(style));
    EXPECT_EQ(Image(*bmp), Image(*flat)) << "style " << style;
    EXPECT_EQ(FrameBorderWidth(static_cast<TFrameStyle>(style)), 0);
  }
}

TEST(DrawFrame, AClearBrushAndDrawFrameBorderKeepWhatIsInside) {
  for (TFrameStyle style = 0; style <= 5; ++style) {
    auto cleared = Paper();
    cleared->GetCanvas()->GetBrush()->SetStyle(bsClear);
    Frame(cleared->GetCanvas(), style);
    auto bordered = Paper();
    DrawFrameBorder(bordered->GetCanvas(), style, L, T, R, B, clWhite, clSilver, clGray, clBlack,
                    clBlack);
    const int w = FrameBorderWidth(style);
    for (const auto* bmp : {cleared.get(), bordered.get()}) {
      EXPECT_EQ(bmp->GetCanvas()->GetPixel(L + w, T + w), Outside) << "style " << int{style};
      EXPECT_EQ(bmp->GetCanvas()->GetPixel(R - w, B - w), Outside) << "style " << int{style};
    }
    EXPECT_EQ(Image(*cleared), Image(*bordered)) << "style " << int{style};
  }
}

TEST(DrawFrame, WhatCallersDrawTwoPixelsInIsInsideEveryBorder) {
  // A label box framed on (LS + 1, 0)..(LS + LW, height - 2) clips its text two pixels further in.
  constexpr int ls = 35, lw = 80, height = 28;
  for (TFrameStyle style = 0; style <= 5; ++style) {
    auto bmp = Paper(160, height);
    TCanvas* c = bmp->GetCanvas();
    DrawFrame(c, style, ls + 1, 0, ls + lw, height - 2, clWhite, clSilver, clGray, clBlack, clBlack);
    for (int y = 2; y <= height - 4; ++y)
      for (int x = ls + 3; x <= ls + lw - 2; ++x)
        ASSERT_EQ(c->GetPixel(x, y), Fill) << "style " << int{style} << " at " << x << "," << y;
  }
}

TEST(DrawFrame, SystemColoursAreResolved) {
  auto bmp = Paper();
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clBtnFace);
  DrawFrame(c, 2, L, T, R, B, clBtnHighlight, cl3DLight, clBtnShadow, cl3DDkShadow, clWindowFrame);
  EXPECT_EQ(c->GetPixel(L, T), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c->GetPixel(R, B), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(c->GetPixel(L + 1, T + 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(c->GetPixel(L + 2, T + 2), ColorToRGB(clBtnFace));
}

TEST(DrawFrame, TinyEmptyAndFarOutRectanglesStayWithinTheirBounds) {
  for (TFrameStyle style = 0; style <= 6; ++style) {
    for (int size : {1, 2, 3, 4}) {
      auto bmp = Paper();
      TCanvas* c = bmp->GetCanvas();
      DrawFrame(c, style, 5, 5, 5 + size - 1, 5 + size + 2, clWhite, clSilver, clGray, clBlack, Line);
      int changed = 0;
      for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
          const bool inside = x >= 5 && x < 5 + size && y >= 5 && y < 5 + size + 3;
          if (inside) {
            changed += c->GetPixel(x, y) != Outside;
          } else {
            EXPECT_EQ(c->GetPixel(x, y), Outside) << "style " << int{style};
          }
        }
      }
      EXPECT_EQ(changed, size * (size + 3)) << "style " << int{style} << " size " << size;
    }
  }
  // Right left of Left or Bottom above Top: nothing, not even the fill.
  auto empty = Paper();
  const std::string untouched = Image(*empty);
  DrawFrame(empty->GetCanvas(), 2, 10, 5, 9, 12, clWhite, clSilver, clGray, clBlack, clBlack);
  DrawFrame(empty->GetCanvas(), 2, 5, 10, 12, 9, clWhite, clSilver, clGray, clBlack, clBlack);
  DrawRectangle(empty->GetCanvas(), 10, 5, 9, 12);
  EXPECT_EQ(Image(*empty), untouched);
  // The extremes of int neither overflow nor write outside the bitmap; the visible part is filled.
  auto far = Paper();
  DrawFrame(far->GetCanvas(), 3, INT_MIN, INT_MIN, INT_MAX, INT_MAX, clWhite, clSilver, clGray,
            clBlack, clBlack);
  DrawRectangle(far->GetCanvas(), INT_MIN, -5, INT_MAX, 3);
  EXPECT_EQ(far->GetCanvas()->GetPixel(0, 0), Fill);
  EXPECT_EQ(far->GetCanvas()->GetPixel(W - 1, 3), clBlack);
}

TEST(DrawRectangle, OutlinesTheInclusiveRectangleInThePenAndLeavesTheInside) {
  auto bmp = Paper();
  TCanvas* c = bmp->GetCanvas();
  c->GetPen()->SetColor(clRed);
  DrawRectangle(c, 2, 3, 8, 7);
  for (auto [x, y] : {std::pair{2, 3}, {8, 3}, {8, 7}, {2, 7}, {5, 3}, {5, 7}, {2, 5}, {8, 5}})
    EXPECT_EQ(c->GetPixel(x, y), clRed) << x << "," << y;
  EXPECT_EQ(c->GetPixel(5, 5), Outside);
  EXPECT_EQ(c->GetPixel(9, 7), Outside);
  EXPECT_EQ(c->GetPixel(8, 8), Outside);
  EXPECT_EQ(c->GetPixel(1, 3), Outside);
  int red = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) red += c->GetPixel(x, y) == clRed;
  EXPECT_EQ(red, 2 * (7 + 5) - 4);
}

TEST(DrawRectangle, SingleRowsColumnsAndPixelsAreDrawnWhole) {
  auto bmp = Paper();
  TCanvas* c = bmp->GetCanvas();
  DrawRectangle(c, 2, 2, 2, 2);
  DrawRectangle(c, 4, 2, 10, 2);
  DrawRectangle(c, 2, 5, 2, 9);
  EXPECT_EQ(c->GetPixel(2, 2), clBlack);
  EXPECT_EQ(c->GetPixel(3, 2), Outside);
  for (int x = 4; x <= 10; ++x) EXPECT_EQ(c->GetPixel(x, 2), clBlack) << x;
  EXPECT_EQ(c->GetPixel(11, 2), Outside);
  for (int y = 5; y <= 9; ++y) EXPECT_EQ(c->GetPixel(2, y), clBlack) << y;
  EXPECT_EQ(c->GetPixel(2, 10), Outside);
}

TEST(DrawRectangle, TouchesEachPixelOnceAndNestedOutlinesLeaveNoGaps) {
  // An inverting pen shows any pixel drawn twice: it would come back to the paper's colour.
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetSize(W, H);
  TCanvas* c = bmp->GetCanvas();
  c->GetPen()->SetMode(pmNot);
  DrawRectangle(c, 2, 3, 8, 7);
  for (auto [x, y] : {std::pair{2, 3}, {8, 3}, {8, 7}, {2, 7}})
    EXPECT_EQ(c->GetPixel(x, y), clBlack) << x << "," << y;
  // A focus band three pixels thick, as nested outlines one pixel apart.
  c->GetPen()->SetMode(pmCopy);
  c->GetPen()->SetColor(clBlue);
  for (int k = 1; k <= 3; ++k) DrawRectangle(c, 10 + k - 1, 2 + k - 1, 24 - k + 1, 20 - k + 1);
  for (int y = 2; y <= 20; ++y)
    for (int x = 10; x <= 24; ++x) {
      const bool band = x <= 12 || x >= 22 || y <= 4 || y >= 18;
      EXPECT_EQ(c->GetPixel(x, y) == clBlue, band) << x << "," << y;
    }
}

TEST(DrawingState, PenBrushAndPenPositionAreAsTheyWere) {
  auto bmp = Paper();
  TCanvas* c = bmp->GetCanvas();
  c->GetPen()->SetColor(clTeal);
  c->GetPen()->SetWidth(3);
  c->GetPen()->SetStyle(psDot);
  c->GetPen()->SetMode(pmXor);
  c->GetBrush()->SetColor(clOlive);
  c->GetBrush()->SetStyle(bsClear);
  c->MoveTo(7, 9);
  DrawFrame(c, 3, L, T, R, B, clWhite, clSilver, clGray, clBlack, clBlack);
  DrawFrameBorder(c, 5, L, T, R, B, clWhite, clSilver, clGray, clBlack, clBlack);
  DrawRectangle(c, 1, 1, 12, 12);
  EXPECT_EQ(c->GetPen()->GetColor(), clTeal);
  EXPECT_EQ(c->GetPen()->GetWidth(), 3);
  EXPECT_EQ(c->GetPen()->GetStyle(), psDot);
  EXPECT_EQ(c->GetPen()->GetMode(), pmXor);
  EXPECT_EQ(c->GetBrush()->GetColor(), clOlive);
  EXPECT_EQ(c->GetBrush()->GetStyle(), bsClear);
  EXPECT_EQ(c->GetPenPos(), Point(7, 9));
}

}  // namespace
}  // namespace gadrix
