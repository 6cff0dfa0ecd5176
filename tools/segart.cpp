// Draws the six part bitmaps of the seven-segment display and writes them as PNG files:
//
//   segart DIR        (writes DIR/SEGVERT.png, SEGHORZ.png, SEGDOT.png, SEGPLUS.png, SEGDEG.png,
//                      SEGCOLON.png; run it with DIR = resources/ and commit the result)
//
// Every part is a black shape on a white ground, two colours only: the display recolours the
// shape by flood filling it and smooths the edges itself when it scales a glyph down.
//
// The parts are drawn where they sit on the display's 312 x 432 glyph, so that they line up: a
// classic digit of pointed (hexagonal) segments, 36 pixels thick, leaning right by 37 pixels per
// 197 rows. Each shape is described upright, in "unslanted" coordinates (U, Y), and a glyph pixel
// (X, Y) lies at U = X - Slant * (GlyphHeight - Y), so the bottom row does not move. A pixel
// belongs to a shape when its centre does.
//
// Two properties of the art matter to the display and are checked here before anything is
// written: the part's seed points reach all of its shape (one connected area per seed), and wherever
// the parts of a glyph meet, the white ground between them stays connected to the glyph's
// top-left corner (the display floods the ground from there; a closed-off pocket would stay
// white). That is why neighbouring segments keep a gap and the degree ring has a slit.

#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "gadrix/platform/graphics/Bitmap.h"

namespace {

using gadrix::TBitmap;
using gadrix::TPixel;

constexpr int GlyphWidth = 312;
constexpr int GlyphHeight = 432;
constexpr double Slant = 37.0 / 197.0;  // columns to the right per row upwards

constexpr TPixel Ink = 0x000000;
constexpr TPixel Ground = 0xFFFFFF;

// The skeleton of the digit (unslanted): the column lines of the vertical segments and the row
// lines of the horizontal ones. Segments end Gap pixels before each joint of two lines.
constexpr double LeftU = 12.43, RightU = LeftU + 207;
constexpr double TopY = 19, MiddleY = 216, BottomY = 413;
constexpr double HalfThickness = 18;
constexpr double Gap = 4;
constexpr double CentreU = (LeftU + RightU) / 2;

using TShape = std::function<bool(double U, double Y)>;

// A vertical segment with pointed ends along the column line U0, its tips at Y0 and Y1.
TShape VerticalSegment(double U0, double Y0, double Y1) {
  return [=](double U, double Y) {
    const double d = std::abs(U - U0);
    return d <= HalfThickness && Y >= Y0 + d && Y <= Y1 - d;
  };
}

// A horizontal segment with pointed ends along the row line Y0, its tips at U0 and U1.
TShape HorizontalSegment(double Y0, double U0, double U1) {
  return [=](double U, double Y) {
    const double d = std::abs(Y - Y0);
    return d <= HalfThickness && U >= U0 + d && U <= U1 - d;
  };
}

// A square of side 2 * Half centred on (U0, Y0), leaning with the digit.
TShape Square(double U0, double Y0, double Half) {
  return [=](double U, double Y) { return std::abs(U - U0) <= Half && std::abs(Y - Y0) <= Half; };
}

TShape Union(TShape A, TShape B) {
  return [=](double U, double Y) { return A(U, Y) || B(U, Y); };
}

// The degree sign: a ring, with a slit of SlitRows rows through its right side so that the hole
// inside is not cut off from the ground around it.
TShape DegreeRing(double U0, double Y0, double Outer, double Inner, double SlitRows) {
  return [=](double U, double Y) {
    const double r = std::hypot(U - U0, Y - Y0);
    const bool slit = U > U0 && std::abs(Y - Y0) < SlitRows / 2;
    return r <= Outer && r >= Inner && !slit;
  };
}

struct TPoint {
  int X, Y;
};

struct TPart {
  std::string Name;
  int Width, Height;
  int Left, Top;  // where the part sits on the glyph
  TShape Shape;
  std::vector<TPoint> Seeds;  // in the part's own pixels, where the display starts its recolouring
};

// The degree ring's centre: in the middle of its 160 x 138 box at (150, 0).
constexpr double DegreeY = 69;
constexpr double DegreeU = 150 + 160 / 2.0 - Slant * (GlyphHeight - DegreeY);

std::vector<TPart> Parts() {
  const TShape middle = HorizontalSegment(MiddleY, LeftU + Gap, RightU - Gap);
  const TShape upright = VerticalSegment(CentreU, 121, 309);
  return {
      // The upper left segment stands for all four vertical ones; they are the same shape.
      {"SEGVERT", 68, 190, 37, 23, VerticalSegment(LeftU, TopY + Gap, MiddleY - Gap), {{34, 95}}},
      // The top segment stands for all three horizontal ones.
      {"SEGHORZ", 200, 38, 94, 0, HorizontalSegment(TopY, LeftU + Gap, RightU - Gap), {{100, 19}}},
      {"SEGDOT", 38, 38, 269, 394, Square(284.9, 416, 15), {{19, 19}}},
      // The plus: the middle segment crossed by an upright bar through the digit's centre.
      {"SEGPLUS", 200, 190, 57, 120, Union(middle, upright), {{100, 95}}},
      {"SEGDEG", 160, 138, 150, 0, DegreeRing(DegreeU, DegreeY, 64, 36, 2), {{25, 69}}},
      {"SEGCOLON", 68, 190, 122, 121, Union(Square(CentreU, 140, 15), Square(CentreU, 292, 15)),
       {{18, 190 - 18}, {68 - 18, 18}}},
  };
}

// The vertical and horizontal segments at their other places on the glyph: the art is drawn
// once, so these must be the same shapes moved, which holds when the skeleton lines are spaced
// as the glyph positions are (checked by drawing each place and comparing).
struct TPlacement {
  int Left, Top;
  TShape Shape;
};

std::vector<TPlacement> VerticalPlaces() {
  return {{37, 23, VerticalSegment(LeftU, TopY + Gap, MiddleY - Gap)},
          {244, 23, VerticalSegment(RightU, TopY + Gap, MiddleY - Gap)},
          {0, 220, VerticalSegment(LeftU, MiddleY + Gap, BottomY - Gap)},
          {207, 220, VerticalSegment(RightU, MiddleY + Gap, BottomY - Gap)}};
}

std::vector<TPlacement> HorizontalPlaces() {
  return {{94, 0, HorizontalSegment(TopY, LeftU + Gap, RightU - Gap)},
          {57, 197, HorizontalSegment(MiddleY, LeftU + Gap, RightU - Gap)},
          {20, 394, HorizontalSegment(BottomY, LeftU + Gap, RightU - Gap)}};
}

// The pixels of Shape in a Width x Height box whose top-left corner sits at (Left, Top) on the glyph.
std::vector<bool> Rasterise(const TShape& Shape, int Width, int Height, int Left, int Top) {
  std::vector<bool> inside(static_cast<std::size_t>(Width) * Height);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      const double gy = Top + y + 0.5;
      const double u = Left + x + 0.5 - Slant * (GlyphHeight - gy);
      inside[static_cast<std::size_t>(y) * Width + x] = Shape(u, gy);
    }
  return inside;
}

// The number of pixels of Mask reachable from (X, Y) through pixels of the same value (four
// neighbours), and marks them in Seen.
int FloodCount(const std::vector<bool>& Mask, int Width, int Height, int X, int Y, std::vector<bool>& Seen) {
  const bool value = Mask[static_cast<std::size_t>(Y) * Width + X];
  std::vector<TPoint> stack{{X, Y}};
  int count = 0;
  while (!stack.empty()) {
    const TPoint p = stack.back();
    stack.pop_back();
    if (p.X < 0 || p.Y < 0 || p.X >= Width || p.Y >= Height) continue;
    const std::size_t i = static_cast<std::size_t>(p.Y) * Width + p.X;
    if (Seen[i] || Mask[i] != value) continue;
    Seen[i] = true;
    ++count;
    stack.push_back({p.X + 1, p.Y});
    stack.push_back({p.X - 1, p.Y});
    stack.push_back({p.X, p.Y + 1});
    stack.push_back({p.X, p.Y - 1});
  }
  return count;
}

void Check(bool Condition, const std::string& What) {
  if (!Condition) throw std::runtime_error(What);
}

// The seeds reach the whole shape (one area per seed: the colon has two), and it stays clear of the box's edges where
// it would be cut.
void CheckPart(const TPart& Part, const std::vector<bool>& Inside) {
  int total = 0;
  for (bool b : Inside) total += b;
  std::vector<bool> seen(Inside.size());
  int reached = 0;
  for (const TPoint& seed : Part.Seeds) {
    Check(Inside[static_cast<std::size_t>(seed.Y) * Part.Width + seed.X], Part.Name + ": a seed misses the shape");
    reached += FloodCount(Inside, Part.Width, Part.Height, seed.X, seed.Y, seen);
  }
  Check(reached == total, Part.Name + ": the seeds do not reach all of the shape");
  const std::vector<bool> roomy = Rasterise(Part.Shape, Part.Width + 4, Part.Height + 4, Part.Left - 2, Part.Top - 2);
  int roomyTotal = 0;
  for (bool b : roomy) roomyTotal += b;
  Check(roomyTotal == total, Part.Name + ": the box cuts the shape");
  std::printf("%-9s %3d x %3d  %6d pixels of ink\n", Part.Name.c_str(), Part.Width, Part.Height, total);
}

constexpr int MaxStrayPixels = 8;

// Every place of a segment shows the same pixels as the part that is drawn for it.
void CheckPlaces(const std::vector<bool>& Drawn, int Width, int Height, const std::vector<TPlacement>& Places,
                 const std::string& Name) {
  for (const TPlacement& place : Places) {
    const std::vector<bool> there = Rasterise(place.Shape, Width, Height, place.Left, place.Top);
    int differ = 0;
    for (std::size_t i = 0; i < there.size(); ++i) differ += there[i] != Drawn[i];
    // The skeleton's spacing is the glyph table's to a fraction of a pixel: a few stray edge
    // pixels are allowed, a misplaced shape is not.
    Check(differ <= MaxStrayPixels, Name + ": the shape differs at (" + std::to_string(place.Left) + ", " +
                                     std::to_string(place.Top) + ") by " + std::to_string(differ) + " pixels");
  }
}

// The ground of a glyph: the glyph "8." built from the drawn parts as the display builds it, and
// each extra sign alone. The white between the shapes must be one area reached from (1, 1).
void CheckGroundIsConnected(const std::vector<TPart>& Parts, const std::vector<std::vector<bool>>& Drawn) {
  std::vector<bool> ink(static_cast<std::size_t>(GlyphWidth) * GlyphHeight);
  auto stamp = [&](std::size_t Part, int Left, int Top) {
    const int width = Parts[Part].Width;
    for (int y = 0; y < Parts[Part].Height; ++y)
      for (int x = 0; x < width; ++x)
        if (Drawn[Part][static_cast<std::size_t>(y) * width + x])
          ink[static_cast<std::size_t>(Top + y) * GlyphWidth + Left + x] = true;
  };
  auto check = [&](const std::string& What) {
    int ground = 0;
    for (bool b : ink) ground += !b;
    std::vector<bool> seen(ink.size());
    Check(FloodCount(ink, GlyphWidth, GlyphHeight, 1, 1, seen) == ground, What + ": the ground is not one area");
    std::fill(ink.begin(), ink.end(), false);
  };
  for (const TPlacement& p : VerticalPlaces()) stamp(0, p.Left, p.Top);
  for (const TPlacement& p : HorizontalPlaces()) stamp(1, p.Left, p.Top);
  stamp(2, Parts[2].Left, Parts[2].Top);
  check("8.");
  for (std::size_t i = 3; i < Parts.size(); ++i) {
    stamp(i, Parts[i].Left, Parts[i].Top);
    check(Parts[i].Name);
  }
}

void Write(const TPart& Part, const std::vector<bool>& Inside, const std::filesystem::path& Dir) {
  TBitmap bitmap;
  bitmap.SetSize(Part.Width, Part.Height);
  for (int y = 0; y < Part.Height; ++y) {
    TPixel* row = bitmap.ScanLine(y);
    for (int x = 0; x < Part.Width; ++x) row[x] = Inside[static_cast<std::size_t>(y) * Part.Width + x] ? Ink : Ground;
  }
  bitmap.SaveToFile((Dir / (Part.Name + ".png")).string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: segart DIR\n");
    return 2;
  }
  try {
    const std::vector<TPart> parts = Parts();
    std::vector<std::vector<bool>> drawn;
    for (const TPart& part : parts) {
      drawn.push_back(Rasterise(part.Shape, part.Width, part.Height, part.Left, part.Top));
      CheckPart(part, drawn.back());
    }
    CheckPlaces(drawn[0], 68, 190, VerticalPlaces(), "SEGVERT");
    CheckPlaces(drawn[1], 200, 38, HorizontalPlaces(), "SEGHORZ");
    CheckGroundIsConnected(parts, drawn);
    for (std::size_t i = 0; i < parts.size(); ++i) Write(parts[i], drawn[i], argv[1]);
    std::printf("written to %s\n", argv[1]);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "segart: %s\n", e.what());
    return 1;
  }
}
