// Marker symbols: 52 different pictures, each in the pen colour, bounded and centred, symmetric
// where its shape is, and nothing for numbers outside 0..51.

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "gadrix/helmar/Markers.h"
#include "gadrix/platform/graphics/Graphics.h"

namespace gadrix {
namespace {

constexpr int Size = 21, Centre = 10;
constexpr TColor Paper = clWhite;

// The symbol as a picture: a square of Size characters, '#' where the pen drew.
std::string Picture(int Mark, TColor Pen = clBlack, TColor Brush = clWhite) {
  TBitmap bmp;
  bmp.SetSize(Size, Size);
  TCanvas* c = bmp.GetCanvas();
  c->GetPen()->SetColor(Pen);
  c->GetBrush()->SetColor(Brush);
  DrawMarkOnCanvas(c, Mark, Centre, Centre);
  std::string s;
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) {
      const TColor p = bmp.ScanLine(y)[x];
      s += p == Paper ? '.' : p == ColorToRGB(Pen) ? '#' : '?';
    }
    s += '\n';
  }
  return s;
}

bool Drawn(const std::string& Pic, int X, int Y) { return Pic[Y * (Size + 1) + X] == '#'; }

std::string MirrorLeftRight(const std::string& Pic) {
  std::string m = Pic;
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) m[y * (Size + 1) + x] = Pic[y * (Size + 1) + Size - 1 - x];
  return m;
}

std::string MirrorTopBottom(const std::string& Pic) {
  std::string m = Pic;
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) m[y * (Size + 1) + x] = Pic[(Size - 1 - y) * (Size + 1) + x];
  return m;
}

std::string Transpose(const std::string& Pic) {
  std::string m = Pic;
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) m[y * (Size + 1) + x] = Pic[x * (Size + 1) + y];
  return m;
}

TEST(DrawMarkOnCanvas, FiftyTwoDifferentSymbolsInThePenColourWithinTheirBox) {
  std::set<std::string> seen;
  for (int mark = 0; mark < MarkerCount; ++mark) {
    // A red pen on a blue brush: every drawn pixel is red, filled symbols included.
    const std::string pic = Picture(mark, clRed, clBlue);
    EXPECT_EQ(pic.find('?'), std::string::npos) << "symbol " << mark << "\n" << pic;
    int drawn = 0;
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x) {
        if (!Drawn(pic, x, y)) continue;
        ++drawn;
        EXPECT_LE(std::abs(x - Centre), MarkerRadius) << "symbol " << mark;
        EXPECT_LE(std::abs(y - Centre), MarkerRadius) << "symbol " << mark;
      }
    EXPECT_GT(drawn, 0) << "symbol " << mark;
    EXPECT_TRUE(seen.insert(pic).second) << "symbol " << mark << " repeats an earlier one\n" << pic;
  }
}

TEST(DrawMarkOnCanvas, SymbolsAreSymmetricWhereTheirShapeIs) {
  const std::set<int> pointingSideways{27, 28, 29, 30};    // triangles left and right
  const std::set<int> pointingUpOrDown{23, 24, 25, 26, 37, 38};  // triangles up, down; stars
  for (int mark = 0; mark < MarkerCount; ++mark) {
    const std::string pic = Picture(mark);
    if (!pointingSideways.contains(mark)) {
      EXPECT_EQ(MirrorLeftRight(pic), pic) << "symbol " << mark << "\n" << pic;
    }
    if (!pointingUpOrDown.contains(mark)) {
      EXPECT_EQ(MirrorTopBottom(pic), pic) << "symbol " << mark << "\n" << pic;
    }
  }
  // The four triangles of a kind are one shape turned: up and down mirror each other, left and
  // right too, and left is up turned about the diagonal.
  for (int fill : {0, 1}) {
    const int up = 23 + fill, down = 25 + fill, left = 27 + fill, right = 29 + fill;
    EXPECT_EQ(MirrorTopBottom(Picture(up)), Picture(down));
    EXPECT_EQ(MirrorLeftRight(Picture(left)), Picture(right));
    EXPECT_EQ(Transpose(Picture(up)), Picture(left));
  }
}

TEST(DrawMarkOnCanvas, NumbersOutsideZeroToFiftyOneDrawNothing) {
  const std::string blank = Picture(-100);
  EXPECT_EQ(blank.find('#'), std::string::npos);
  for (int mark : {-1, 52, 53, 255, INT_MIN, INT_MAX}) EXPECT_EQ(Picture(mark), blank) << mark;
}

TEST(DrawMarkOnCanvas, DrawsThroughThePenModeOncePerPixelAndIgnoresWidthAndStyle) {
  TBitmap bmp;
  bmp.SetSize(Size, Size);
  TCanvas* c = bmp.GetCanvas();
  // An inverting pen turns the filled large square black; a second time, white again.
  c->GetPen()->SetMode(pmNot);
  DrawMarkOnCanvas(c, 16, Centre, Centre);
  EXPECT_EQ(c->GetPixel(Centre, Centre), clBlack);
  EXPECT_EQ(c->GetPixel(Centre + MarkerRadius, Centre - MarkerRadius), clBlack);
  DrawMarkOnCanvas(c, 16, Centre, Centre);
  EXPECT_EQ(c->GetPixel(Centre, Centre), clWhite);
  EXPECT_EQ(c->GetPixel(Centre + MarkerRadius, Centre - MarkerRadius), clWhite);

  // A wide dashed pen draws the same thin symbol; a clear pen draws nothing.
  for (int mark : {10, 19, 37}) {
    TBitmap wide;
    wide.SetSize(Size, Size);
    wide.GetCanvas()->GetPen()->SetWidth(4);
    wide.GetCanvas()->GetPen()->SetStyle(psDash);
    DrawMarkOnCanvas(wide.GetCanvas(), mark, Centre, Centre);
    TBitmap thin;
    thin.SetSize(Size, Size);
    DrawMarkOnCanvas(thin.GetCanvas(), mark, Centre, Centre);
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x)
        ASSERT_EQ(wide.ScanLine(y)[x], thin.ScanLine(y)[x]) << "symbol " << mark;
  }
  TBitmap clear;
  clear.SetSize(Size, Size);
  clear.GetCanvas()->GetPen()->SetStyle(psClear);
  DrawMarkOnCanvas(clear.GetCanvas(), 16, Centre, Centre);
  EXPECT_EQ(clear.GetCanvas()->GetPixel(Centre, Centre), clWhite);
}

TEST(DrawMarkOnCanvas, KeepsPenBrushAndPenPosition) {
  TBitmap bmp;
  bmp.SetSize(Size, Size);
  TCanvas* c = bmp.GetCanvas();
  c->GetPen()->SetColor(clMaroon);
  c->GetPen()->SetWidth(2);
  c->GetPen()->SetStyle(psDashDot);
  c->GetPen()->SetMode(pmMerge);
  c->GetBrush()->SetColor(clAqua);
  c->MoveTo(3, 17);
  for (int mark = 0; mark < MarkerCount; ++mark) DrawMarkOnCanvas(c, mark, Centre, Centre);
  EXPECT_EQ(c->GetPen()->GetColor(), clMaroon);
  EXPECT_EQ(c->GetPen()->GetWidth(), 2);
  EXPECT_EQ(c->GetPen()->GetStyle(), psDashDot);
  EXPECT_EQ(c->GetPen()->GetMode(), pmMerge);
  EXPECT_EQ(c->GetBrush()->GetColor(), clAqua);
  EXPECT_EQ(c->GetBrush()->GetStyle(), bsSolid);
  EXPECT_EQ(c->GetPenPos(), Point(3, 17));
}

TEST(DrawMarkOnCanvas, SymbolsAtOrBeyondTheEdgeAreClipped) {
  TBitmap bmp;
  bmp.SetSize(Size, Size);
  TCanvas* c = bmp.GetCanvas();
  DrawMarkOnCanvas(c, 16, 0, 0);
  EXPECT_EQ(c->GetPixel(0, 0), clBlack);
  EXPECT_EQ(c->GetPixel(MarkerRadius, MarkerRadius), clBlack);
  EXPECT_EQ(c->GetPixel(MarkerRadius + 1, 0), clWhite);
  for (auto [x, y] : {std::pair{-1000, 5}, {5, 1000000}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}})
    DrawMarkOnCanvas(c, 16, x, y);
  EXPECT_EQ(c->GetPixel(Size - 1, Size - 1), clWhite);
}

}  // namespace
}  // namespace gadrix
