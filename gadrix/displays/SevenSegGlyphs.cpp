#include "gadrix/displays/SevenSegGlyphs.h"

#include <initializer_list>
#include <vector>

namespace gadrix {
namespace {

enum TPartIndex { SegVert, SegHorz, SegDot, SegPlus, SegDeg, SegColon };

constexpr std::array<const char*, 6> PartNames = {"SEGVERT", "SEGHORZ", "SEGDOT", "SEGPLUS", "SEGDEG", "SEGCOLON"};

// Where a part's top-left corner lies on the master image. Positions 1 to 7 are the digit
// segments; 8 the decimal point, 9 the plus sign, 10 the colon, 11 the degree sign.
struct TPlace {
  int Part, X, Y;
};
constexpr std::array<TPlace, 12> Places = {{
    {-1, 0, 0},  // positions count from 1
    {SegHorz, 94, 0},
    {SegVert, 37, 23},
    {SegVert, 244, 23},
    {SegHorz, 57, 197},
    {SegVert, 0, 220},
    {SegVert, 207, 220},
    {SegHorz, 20, 394},
    {SegDot, 269, 394},
    {SegPlus, 57, 120},
    {SegColon, 122, 121},
    {SegDeg, 150, 0},
}};
constexpr int DotPosition = 8, PlusPosition = 9, ColonPosition = 10, DegreePosition = 11;
constexpr int SegmentCount = 7;

constexpr char32_t DegreeSign = 0x00B0;

// The cache order of SevenSegCharList as code points.
constexpr std::array<char32_t, SevenSegCellCount> CellChars = {
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '-', '+', ':', DegreeSign, 'A', 'B', 'C', 'D', 'E', 'F', '.'};

// Segments lit per character, bit n - 1 for segment n. B and D are the lower-case shapes b and d.
constexpr std::uint8_t Lit(std::initializer_list<int> Segments) {
  std::uint8_t bits = 0;
  for (int s : Segments) bits |= static_cast<std::uint8_t>(1u << (s - 1));
  return bits;
}
constexpr std::array<std::uint8_t, 10> DigitSegments = {
    Lit({1, 2, 3, 5, 6, 7}), Lit({3, 6}),          Lit({1, 3, 4, 5, 7}), Lit({1, 3, 4, 6, 7}),
    Lit({2, 3, 4, 6}),       Lit({1, 2, 4, 6, 7}), Lit({1, 2, 4, 5, 6, 7}), Lit({1, 3, 6}),
    Lit({1, 2, 3, 4, 5, 6, 7}), Lit({1, 2, 3, 4, 6, 7})};
constexpr std::array<std::uint8_t, 6> HexLetterSegments = {
    Lit({1, 2, 3, 4, 5, 6}), Lit({2, 4, 5, 6, 7}), Lit({1, 2, 5, 7}),
    Lit({3, 4, 5, 6, 7}),    Lit({1, 2, 4, 5, 7}), Lit({1, 2, 4, 5})};
constexpr std::uint8_t MinusSegments = Lit({4});

constexpr char32_t UpperCase(char32_t Ch) { return Ch >= 'a' && Ch <= 'z' ? Ch - 'a' + 'A' : Ch; }

// The seed points of a part, where its shape is found for recolouring.
std::vector<TPoint> Seeds(int Part, const TBitmap& Bitmap) {
  const int w = Bitmap.GetWidth(), h = Bitmap.GetHeight();
  constexpr int ColonInset = 18;  // the colon's dots sit in opposite corners
  constexpr int DegreeRingX = 25;  // the left side of the degree ring
  switch (Part) {
    case SegColon: return {{ColonInset, h - ColonInset}, {w - ColonInset, ColonInset}};
    case SegDeg: return {{DegreeRingX, h / 2}};
    default: return {{w / 2, h / 2}};
  }
}

}  // namespace

int SevenSegCellOf(char32_t Ch) {
  const char32_t upper = UpperCase(Ch);
  for (int k = 0; k < SevenSegCellCount; ++k)
    if (CellChars[static_cast<std::size_t>(k)] == upper) return k + 1;
  return 0;
}

char32_t SevenSegCellChar(int Cell) {
  return Cell >= 1 && Cell <= SevenSegCellCount ? CellChars[static_cast<std::size_t>(Cell - 1)] : 0;
}

std::uint8_t SevenSegLitSegments(char32_t Ch) {
  const char32_t upper = UpperCase(Ch);
  if (upper >= '0' && upper <= '9') return DigitSegments[upper - '0'];
  if (upper >= 'A' && upper <= 'F') return HexLetterSegments[upper - 'A'];
  if (upper == '-') return MinusSegments;
  return 0;
}

TSevenSegGlyphs::TSevenSegGlyphs() {
  for (std::size_t i = 0; i < parts_.size(); ++i) {
    parts_[i].LoadFromResourceName(PartNames[i]);
    parts_[i].SetPixelFormat(pf32bit);
  }
  master_.SetPixelFormat(pf32bit);
  master_.SetSize(MasterWidth, MasterHeight);
}

void TSevenSegGlyphs::Colorize(TColor Color) {
  TColor rgb = ColorToRGB(Color);
  if (rgb == clWhite) rgb = NearWhite;
  for (std::size_t i = 0; i < parts_.size(); ++i) {
    TCanvas* canvas = parts_[i].GetCanvas();
    canvas->GetBrush()->SetColor(rgb);
    for (const TPoint& seed : Seeds(static_cast<int>(i), parts_[i]))
      canvas->FloodFill(seed.X, seed.Y, canvas->GetPixel(seed.X, seed.Y), fsSurface);
  }
}

void TSevenSegGlyphs::CopyPart(int Position) {
  const TPlace& place = Places[static_cast<std::size_t>(Position)];
  master_.GetCanvas()->Draw(place.X, place.Y, &parts_[static_cast<std::size_t>(place.Part)]);
}

void TSevenSegGlyphs::Compose(char32_t Ch, bool WithDot, TColor Background) {
  TCanvas* canvas = master_.GetCanvas();
  canvas->GetPen()->SetColor(clWhite);
  canvas->GetBrush()->SetColor(clWhite);
  canvas->FillRect(Rect(0, 0, MasterWidth, MasterHeight));
  canvas->SetCopyMode(cmSrcAnd);
  canvas->GetBrush()->SetColor(Background);

  const char32_t upper = UpperCase(Ch);
  if (upper == ':') {
    CopyPart(ColonPosition);
  } else if (upper == DegreeSign) {
    CopyPart(DegreePosition);
  } else if (upper == '+') {
    CopyPart(PlusPosition);
  } else if (upper == '.' || upper == ',') {
    WithDot = true;
  } else {
    const std::uint8_t lit = SevenSegLitSegments(upper);
    for (int segment = 1; segment <= SegmentCount; ++segment)
      if (lit & (1u << (segment - 1))) CopyPart(segment);
  }
  if (WithDot) CopyPart(DotPosition);

  canvas->FloodFill(1, 1, canvas->GetPixel(1, 1), fsSurface);
  canvas->SetCopyMode(cmSrcCopy);
}

}  // namespace gadrix
