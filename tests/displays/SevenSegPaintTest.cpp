#include <gtest/gtest.h>

#include <map>

#include "displays/SevenSegTestSupport.h"

namespace gadrix {
namespace {

using testing::CellPoint;
using testing::DotLit;
using testing::LargeDisplay;
using testing::LitSegments;
using testing::PixelAt;
using testing::Snapshot;

constexpr TColor Ground = 0x333333;
constexpr TColor Red = 0x0000FF;

TEST(SevenSegPaint, EveryDigitAndLetterLightsItsSegments) {
  const std::map<char, std::string> expected = {
      {'0', "123567"}, {'1', "36"},    {'2', "13457"},  {'3', "13467"},   {'4', "2346"},
      {'5', "12467"},  {'6', "124567"}, {'7', "136"},   {'8', "1234567"}, {'9', "123467"},
      {'-', "4"},      {'A', "123456"}, {'B', "24567"}, {'C', "1257"},    {'D', "34567"},
      {'E', "12457"},  {'F', "1245"},  {'a', "123456"}, {'b', "24567"},   {'c', "1257"},
      {'d', "34567"},  {'e', "12457"}, {'f', "1245"}};
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form, 1);
  for (const auto& [ch, segments] : expected) {
    display->SetCaption(std::string(1, ch));
    const auto picture = Snapshot(display);
    EXPECT_EQ(LitSegments(*display, *picture, 1), segments) << "character " << ch;
    EXPECT_FALSE(DotLit(*display, *picture, 1)) << "character " << ch;
  }
}

TEST(SevenSegPaint, PlusColonAndDegreeHaveShapesOfTheirOwn) {
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form, 3);
  display->SetCaption("+:\xC2\xB0");
  const auto picture = Snapshot(display);
  auto lit = [&](int Digit, testing::TGlyphPoint P) { return (PixelAt(*picture, CellPoint(*display, Digit, P)) & 0xFF) > 0x99; };

  // The plus: the middle bar and an upright bar through the glyph's centre.
  EXPECT_EQ(LitSegments(*display, *picture, 1), "4");
  EXPECT_TRUE(lit(1, {169, 150}));
  EXPECT_TRUE(lit(1, {145, 280}));
  // The colon: two slanted dots above and below the middle, nothing else.
  EXPECT_EQ(LitSegments(*display, *picture, 2), "");
  EXPECT_TRUE(lit(2, {171, 140}));
  EXPECT_TRUE(lit(2, {143, 292}));
  EXPECT_FALSE(lit(2, {157, 216}));
  // The degree sign: a ring in the upper right, its hole showing the ground.
  EXPECT_TRUE(lit(3, {175, 69}));
  EXPECT_TRUE(lit(3, {271, 90}));
  EXPECT_TRUE(lit(3, {239, 19}));
  EXPECT_EQ(PixelAt(*picture, CellPoint(*display, 3, {230, 69})), Ground);
  for (int s : {2, 4, 5, 6, 7}) EXPECT_FALSE(lit(3, testing::SegmentMiddles[s])) << "segment " << s;
}

TEST(SevenSegPaint, EveryGlyphIsTextOnGroundWithNoWhiteLeftBetweenTheShapes) {
  // Red on black: any pixel with green or blue in it would be white ground the flood missed.
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form, 1);
  display->SetColorBackGnd(clBlack);
  for (const char* caption : {"8.", "0", "4", "A", "+", ":", "\xC2\xB0", "-", "."}) {
    display->SetCaption(caption);
    const auto picture = Snapshot(display);
    int red = 0;
    for (int y = display->GetMargin(); y < display->GetHeight() - display->GetMargin(); ++y)
      for (int x = display->GetMargin(); x < display->GetWidth() - display->GetMargin(); ++x) {
        const TColor c = picture->ScanLine(y)[x];
        ASSERT_EQ(c & 0xFFFF00, 0u) << "caption " << caption << " at " << x << ", " << y;
        red += (c & 0xFF) == 0xFF;
      }
    EXPECT_GT(red, 0) << caption;
  }
}

TEST(SevenSegPaint, TheDefaultCaptionShowsFourEightsWithTheirPoints) {
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form);
  ASSERT_EQ(display->GetCaption(), "8.8.8.8.");
  const auto picture = Snapshot(display);
  for (int digit = 1; digit <= 4; ++digit) {
    EXPECT_EQ(LitSegments(*display, *picture, digit), "1234567");
    EXPECT_TRUE(DotLit(*display, *picture, digit));
  }
}

TEST(SevenSegPaint, PointsFollowTheirCharacterOrStandAloneInABlankCell) {
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form);
  auto cells = [&](const std::string& Caption) {
    display->SetCaption(Caption);
    const auto picture = Snapshot(display);
    std::string out;
    for (int digit = 1; digit <= 4; ++digit) {
      out += '[';
      out += LitSegments(*display, *picture, digit);
      if (DotLit(*display, *picture, digit)) out += '.';
      out += ']';
    }
    return out;
  };
  EXPECT_EQ(cells("1.5"), "[36.][12467][][]");
  EXPECT_EQ(cells("1,5"), "[36.][12467][][]");
  EXPECT_EQ(cells(".5"), "[.][12467][][]");
  EXPECT_EQ(cells("1..5"), "[36.][.][12467][]");
  EXPECT_EQ(cells("12345"), "[36][13457][13467][2346]");
  EXPECT_EQ(cells("a-f"), "[123456][4][1245][]");
  EXPECT_EQ(cells(""), "[][][][]");
  // A point after the last shown digit still belongs to it; later characters are not shown.
  EXPECT_EQ(cells("1234.5"), "[36][13457][13467][2346.]");
}

TEST(SevenSegPaint, ColonAndDegreeTakeACellOfTheirOwn) {
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form, 5);
  display->SetCaption("12:30");
  auto picture = Snapshot(display);
  EXPECT_EQ(LitSegments(*display, *picture, 1), "36");
  EXPECT_EQ(LitSegments(*display, *picture, 2), "13457");
  EXPECT_EQ(LitSegments(*display, *picture, 3), "");
  EXPECT_EQ(LitSegments(*display, *picture, 4), "13467");
  EXPECT_EQ(LitSegments(*display, *picture, 5), "123567");

  display->SetCaption("25\xC2\xB0");  // 25 degrees
  picture = Snapshot(display);
  EXPECT_EQ(LitSegments(*display, *picture, 2), "12467");
  EXPECT_NE(PixelAt(*picture, CellPoint(*display, 3, {175, 69})), Ground);  // the ring
  EXPECT_EQ(PixelAt(*picture, CellPoint(*display, 4, {175, 69})), Ground);
}

TEST(SevenSegPaint, UnknownCharactersLeaveTheirCellEmptyButUseIt) {
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form);
  // "ü" is two bytes of UTF-8 but one character, so "8" lands in the fourth cell.
  display->SetCaption("x \xC3\xBC" "8");
  const auto picture = Snapshot(display);
  for (int digit = 1; digit <= 3; ++digit) {
    const TPoint from = CellPoint(*display, digit, {0, 0});
    const TPoint to = CellPoint(*display, digit, {311, 431});
    for (int y = from.Y; y <= to.Y; ++y)
      for (int x = from.X; x <= to.X; ++x) ASSERT_EQ(picture->ScanLine(y)[x], Ground) << digit << ": " << x << ", " << y;
  }
  EXPECT_EQ(LitSegments(*display, *picture, 4), "1234567");
}

TEST(SevenSegPaint, WhiteTextIsDrawnInNearWhiteAndStaysVisible) {
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form, 1);
  display->SetCaption("8");
  display->SetColorText(clWhite);
  auto picture = Snapshot(display);
  for (int s = 1; s <= 7; ++s) EXPECT_EQ(PixelAt(*picture, CellPoint(*display, 1, testing::SegmentMiddles[s])), 0xFEFEFEu);
  // On a white ground too the segments stay apart from the ground.
  display->SetColorBackGnd(clWhite);
  picture = Snapshot(display);
  EXPECT_EQ(PixelAt(*picture, CellPoint(*display, 1, testing::SegmentMiddles[4])), 0xFEFEFEu);
  EXPECT_EQ(PixelAt(*picture, CellPoint(*display, 1, {150, 118})), clWhite);
}

TEST(SevenSegPaint, RecolouringWorksAgainAndAgain) {
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form, 1);
  display->SetCaption("8.");
  for (TColor color : {clLime, clBlue, clRed, clBtnFace}) {
    display->SetColorText(color);
    const auto picture = Snapshot(display);
    EXPECT_EQ(PixelAt(*picture, CellPoint(*display, 1, testing::SegmentMiddles[1])), ColorToRGB(color));
    EXPECT_EQ(PixelAt(*picture, CellPoint(*display, 1, testing::DotMiddle)), ColorToRGB(color));
  }
}

TEST(SevenSegPaint, TheSunkenFrameIsDrawnOverTheDigitsWithoutFillingThem) {
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form, 1);
  display->SetCaption("8");
  display->SetMargin(0);
  auto picture = Snapshot(display);
  EXPECT_EQ(picture->ScanLine(0)[0], clGray);   // outer ring: grey top-left
  EXPECT_EQ(picture->ScanLine(1)[1], clBlack);  // inner ring: black top-left
  EXPECT_EQ(picture->ScanLine(display->GetHeight() - 1)[display->GetWidth() - 1], clWhite);
  EXPECT_EQ(LitSegments(*display, *picture, 1), "1234567");
  display->SetFrameStyle(0);
  picture = Snapshot(display);
  EXPECT_EQ(picture->ScanLine(0)[0], Ground);
}

TEST(SevenSegPaint, CellsFollowMarginAndDistance) {
  TForm form(nullptr);
  auto* display = new TSevenSeg(&form);
  display->SetParent(&form);
  EXPECT_EQ(display->CellWidth(), 48);
  EXPECT_EQ(display->CellHeight(), 60);
  display->SetCaption("8888");
  display->SetInterDigDist(10);  // pitch 50, cell 40
  display->SetMargin(4);         // pitch 52, cell 42, height 68
  EXPECT_EQ(display->CellWidth(), 42);
  EXPECT_EQ(display->CellHeight(), 68);
  const auto picture = Snapshot(display);
  // Between cells 1 and 2 lies a gap of 10 columns of ground; the cells start at 4 and 56.
  const int middleRow = 4 + 68 / 2;
  for (int x = 46; x < 56; ++x) EXPECT_EQ(picture->ScanLine(middleRow)[x], Ground) << x;
  EXPECT_EQ(LitSegments(*display, *picture, 2), "1234567");
}

TEST(SevenSegPaint, ResizingRebuildsTheCacheSoTheDigitsFillTheNewSize) {
  TForm form(nullptr);
  auto* display = new TSevenSeg(&form);
  display->SetParent(&form);
  display->SetCaption("1");
  display->SetBounds(0, 0, 440, 160);
  EXPECT_EQ(display->CellWidth(), 104);
  const auto picture = Snapshot(display);
  EXPECT_EQ(LitSegments(*display, *picture, 1), "36");
  // The lower right segment reaches down near the bottom of the big cell.
  EXPECT_EQ(PixelAt(*picture, CellPoint(*display, 1, {230, 400})), Red);
}

TEST(SevenSegPaint, ACacheLeftBehindByAReplacedResizeHandlerIsRebuiltBeforePainting) {
  TForm form(nullptr);
  TSevenSeg* display = LargeDisplay(form, 2);
  display->SetOnResize(nullptr);
  display->SetCaption("78");
  display->SetBounds(0, 0, 16 + 2 * 60, 100);
  const auto picture = Snapshot(display);
  EXPECT_EQ(LitSegments(*display, *picture, 1), "136");
  EXPECT_EQ(LitSegments(*display, *picture, 2), "1234567");
}

TEST(SevenSegPaint, CellsWithoutRoomStayEmptyWithoutFailing) {
  TForm form(nullptr);
  auto* display = new TSevenSeg(&form);
  display->SetParent(&form);
  auto groundOnly = [&] {
    const auto picture = Snapshot(display);
    for (int y = 2; y < display->GetHeight() - 2; ++y)
      for (int x = 2; x < display->GetWidth() - 2; ++x)
        if (picture->ScanLine(y)[x] != Ground) return false;
    return true;
  };
  display->SetWidth(24);  // pitch (24 - 16) div 4 = 2, cell width 0
  EXPECT_EQ(display->CellWidth(), 0);
  EXPECT_TRUE(groundOnly());
  display->SetWidth(216);
  display->SetInterDigDist(-2000000000);  // a cell wider than any bitmap may be
  EXPECT_EQ(display->CellWidth(), 0);
  EXPECT_TRUE(groundOnly());
  display->SetInterDigDist(2);
  display->SetMargin(-2000000000);
  EXPECT_TRUE(groundOnly());
  display->SetMargin(8);
  display->SetBounds(0, 0, 0, 0);
  EXPECT_NO_THROW(Snapshot(display));
}

TEST(SevenSegPaint, NothingIsDrawnWhileHidden) {
  TForm form(nullptr);
  auto* display = new TSevenSeg(&form);
  display->SetParent(&form);
  display->SetVisible(false);
  TBitmap picture;
  picture.SetSize(display->GetWidth(), display->GetHeight());
  display->PaintTo(picture.GetCanvas(), 0, 0);
  EXPECT_EQ(picture.ScanLine(30)[30], clWhite);
}

}  // namespace
}  // namespace gadrix
