// The text engine: font resolution, metrics, measuring and rendering. No width is written down
// here: measurements are compared with each other and with the masks the engine renders.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "gadrix/platform/graphics/TextEngine.h"
#include "gadrix/platform/graphics/Utf8Decoder.h"

namespace gadrix {
namespace {

TTextEngine& Engine() { return TTextEngine::Instance(); }

TFontSpec Font(const std::string& Name, int PixelSize, bool Antialiased = true) {
  TFontSpec font;
  font.Name = Name;
  font.PixelSize = PixelSize;
  font.Antialiased = Antialiased;
  return font;
}

std::uint8_t At(const TTextMask& Mask, int X, int Y) {
  const int i = X - Mask.Left;
  const int j = Y - Mask.Top;
  if (i < 0 || j < 0 || i >= Mask.Width || j >= Mask.Height) return 0;
  return Mask.Coverage[std::size_t(j) * std::size_t(Mask.Width) + std::size_t(i)];
}

// The rectangle of the pixels that carry ink, relative to the reference point.
TRect InkBounds(const TTextMask& Mask) {
  TRect ink;
  for (int y = Mask.Top; y < Mask.Top + Mask.Height; ++y)
    for (int x = Mask.Left; x < Mask.Left + Mask.Width; ++x)
      if (At(Mask, x, y) != 0) ink = Union(ink, Rect(x, y, x + 1, y + 1));
  return ink;
}

bool RowFullyInked(const TTextMask& Mask, int Y, int From, int To) {
  for (int x = From; x < To; ++x)
    if (At(Mask, x, Y) != 255) return false;
  return true;
}

bool RowEmpty(const TTextMask& Mask, int Y) {
  for (int x = Mask.Left; x < Mask.Left + Mask.Width; ++x)
    if (At(Mask, x, Y) != 0) return false;
  return true;
}

// Two masks show the same pixels when every pixel of either has the same value in both.
void ExpectSamePixels(const TTextMask& A, const TTextMask& B, int Tolerance = 0) {
  const TRect area = Union(Bounds(A.Left, A.Top, A.Width, A.Height), Bounds(B.Left, B.Top, B.Width, B.Height));
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      ASSERT_LE(std::abs(At(A, x, y) - At(B, x, y)), Tolerance) << "at (" << x << ", " << y << ")";
}

const char* const kFamilies[] = {"Arial", "Tahoma"};
const char* const kSamples[] = {"Hello, World", "0123456789", "gjpqy ÄÖÜ ß", "WAVE To", "µ±°€"};
// Texts whose glyphs all lie within their advances (the euro sign of Liberation Sans overhangs).
const char* const kContainedSamples[] = {"Hello, World", "0123456789", "gjpqy ÄÖÜ ß", "WAVE To"};

TEST(TextEngineTest, FamiliesResolveToInstalledFaces) {
  auto file = [](const std::string& Name, bool Bold = false, bool Italic = false) {
    TFontSpec font = Font(Name, 11);
    font.Bold = Bold;
    font.Italic = Italic;
    return Engine().ResolveFontFile(font);
  };
  EXPECT_NE(file("Arial").find("LiberationSans-Regular"), std::string::npos) << file("Arial");
  EXPECT_NE(file("Arial", true).find("LiberationSans-Bold"), std::string::npos);
  EXPECT_NE(file("Arial", false, true).find("LiberationSans-Italic"), std::string::npos);
  EXPECT_NE(file("Arial", true, true).find("LiberationSans-BoldItalic"), std::string::npos);
  EXPECT_NE(file("Tahoma").find("DejaVuSans.ttf"), std::string::npos) << file("Tahoma");
  EXPECT_NE(file("No Such Family 42").find("DejaVuSans.ttf"), std::string::npos);
  EXPECT_NE(file("").find("DejaVuSans.ttf"), std::string::npos);
  EXPECT_NE(file("No Such Family 42", true).find("DejaVuSans-Bold.ttf"), std::string::npos);
}

TEST(TextEngineTest, MetricsArePlausibleAndGrowWithTheSize) {
  for (const char* family : kFamilies) {
    TFontMetrics previous;
    for (int size = 6; size <= 72; size += 3) {
      const TFontMetrics m = Engine().Metrics(Font(family, size));
      SCOPED_TRACE(std::string(family) + " at " + std::to_string(size));
      EXPECT_EQ(m.Height, m.Ascent + m.Descent);
      EXPECT_GT(m.Ascent, m.Descent);
      EXPECT_GT(m.Descent, 0);
      // Windows ascent and descent together span at least the em and well under twice it.
      EXPECT_GE(m.Height, size);
      EXPECT_LT(m.Height, 2 * size);
      EXPECT_GT(m.AveCharWidth, 0);
      EXPECT_LT(m.AveCharWidth, size);
      EXPECT_GE(m.Ascent, previous.Ascent);
      EXPECT_GE(m.Descent, previous.Descent);
      EXPECT_GE(m.AveCharWidth, previous.AveCharWidth);
      previous = m;
    }
  }
}

TEST(TextEngineTest, PixelSizeAndOrientationAreNormalised) {
  EXPECT_EQ(Engine().TextWidth(Font("Arial", 0), "Hello"), Engine().TextWidth(Font("Arial", 1), "Hello"));
  EXPECT_EQ(Engine().TextWidth(Font("Arial", -7), "Hello"), Engine().TextWidth(Font("Arial", 1), "Hello"));
  EXPECT_EQ(Engine().Metrics(Font("Arial", 100000)).Height, Engine().Metrics(Font("Arial", 1024)).Height);

  TFontSpec quarter = Font("Arial", 13);
  quarter.Orientation = 900;
  const TTextMask expected = Engine().Render(quarter, "Turn");
  for (int orientation : {900 + 3600, 900 - 3600, 900 + 7 * 3600}) {
    quarter.Orientation = orientation;
    ExpectSamePixels(Engine().Render(quarter, "Turn"), expected);
  }
}

TEST(TextEngineTest, WidthsAddUpBecauseKerningIsOff) {
  for (const char* family : kFamilies)
    for (bool antialiased : {true, false})
      for (const char* sample : kSamples) {
        const TFontSpec font = Font(family, 13, antialiased);
        const std::string text = sample;
        SCOPED_TRACE(std::string(family) + " \"" + text + "\"");
        for (std::size_t cut = 1; cut < text.size(); ++cut) {
          if ((static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) continue;  // inside a character
          EXPECT_EQ(Engine().TextWidth(font, text),
                    Engine().TextWidth(font, text.substr(0, cut)) + Engine().TextWidth(font, text.substr(cut)));
        }
      }
}

// A text drawn in two pieces, the second at the first's width, equals the text drawn whole.
TEST(TextEngineTest, RenderPlacesGlyphsAtTheMeasuredAdvances) {
  for (const char* family : kFamilies)
    for (bool antialiased : {true, false}) {
      TFontSpec font = Font(family, 15, antialiased);
      font.Underline = true;
      const std::string first = "Wave", second = "form 42";
      const TTextMask whole = Engine().Render(font, first + second);
      const TTextMask head = Engine().Render(font, first);
      TTextMask tail = Engine().Render(font, second);
      tail.Left += Engine().TextWidth(font, first);

      const TRect area = Bounds(whole.Left, whole.Top, whole.Width, whole.Height);
      for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
          ASSERT_EQ(At(whole, x, y), std::max(At(head, x, y), At(tail, x, y))) << family << " at " << x << ", " << y;
      EXPECT_EQ(InkBounds(whole), Union(InkBounds(head), InkBounds(tail)));
    }
}

TEST(TextEngineTest, UprightInkStaysInTheCellAndTheMaskIsTight) {
  for (const char* family : kFamilies)
    for (const char* sample : kContainedSamples) {
      const TFontSpec font = Font(family, 17);
      const TTextMask mask = Engine().Render(font, sample);
      const TRect cell = Rect(0, 0, Engine().TextWidth(font, sample), Engine().Metrics(font).Height);
      const TRect ink = InkBounds(mask);
      SCOPED_TRACE(std::string(family) + " \"" + sample + "\"");
      EXPECT_EQ(Intersect(ink, cell), ink);
      EXPECT_EQ(ink, Bounds(mask.Left, mask.Top, mask.Width, mask.Height));
      EXPECT_EQ(mask.Coverage.size(), std::size_t(mask.Width) * std::size_t(mask.Height));
    }
}

TEST(TextEngineTest, GlyphsSitOnTheBaseline) {
  const TFontSpec font = Font("Arial", 20);
  const int ascent = Engine().Metrics(font).Ascent;
  const TRect flat = InkBounds(Engine().Render(font, "HExz"));
  EXPECT_EQ(flat.Bottom, ascent);  // no ink below the baseline
  EXPECT_GT(InkBounds(Engine().Render(font, "gjpqy")).Bottom, ascent);
}

TEST(TextEngineTest, AntialiasingDecidesTheCoverageLevels) {
  auto levels = [](const TTextMask& Mask) {
    return std::count_if(Mask.Coverage.begin(), Mask.Coverage.end(), [](int V) { return V != 0 && V != 255; });
  };
  for (int orientation : {0, 900, 300}) {
    TFontSpec font = Font("Tahoma", 16, false);
    font.Orientation = orientation;
    font.Underline = true;
    const TTextMask mono = Engine().Render(font, "Sharp edges, round O");
    EXPECT_GT(mono.Width, 0);
    EXPECT_EQ(levels(mono), 0) << "orientation " << orientation;
    font.Antialiased = true;
    EXPECT_GT(levels(Engine().Render(font, "Sharp edges, round O")), 0) << "orientation " << orientation;
  }
}

// A quarter turn shows exactly the upright pixels, turned: pixel (x, y) of the upright text is
// pixel (y, -1 - x) of the text at 900, and likewise for the other quarters, bars included.
TEST(TextEngineTest, QuarterTurnsTurnTheUprightPixels) {
  struct TQuarter {
    int Orientation;
    int (*X)(int, int);
    int (*Y)(int, int);
  };
  const TQuarter quarters[] = {
      {900, [](int, int y) { return y; }, [](int x, int) { return -1 - x; }},
      {1800, [](int x, int) { return -1 - x; }, [](int, int y) { return -1 - y; }},
      {2700, [](int, int y) { return -1 - y; }, [](int x, int) { return x; }},
  };
  for (bool antialiased : {true, false}) {
    TFontSpec font = Font("Arial", 14, antialiased);
    font.Underline = true;
    font.StrikeOut = true;
    const TTextMask upright = Engine().Render(font, "Rotate 90°");
    for (const TQuarter& q : quarters) {
      font.Orientation = q.Orientation;
      const TTextMask turned = Engine().Render(font, "Rotate 90°");
      EXPECT_EQ(turned.Coverage.size(), upright.Coverage.size());
      for (int y = upright.Top; y < upright.Top + upright.Height; ++y)
        for (int x = upright.Left; x < upright.Left + upright.Width; ++x)
          ASSERT_EQ(At(upright, x, y), At(turned, q.X(x, y), q.Y(x, y)))
              << "orientation " << q.Orientation << " at " << x << ", " << y;
    }
  }
}

TEST(TextEngineTest, TextAt900RunsUpwardsFromItsReferencePoint) {
  TFontSpec font = Font("Tahoma", 16);
  font.Orientation = 900;
  const TTextMask mask = Engine().Render(font, "Hello");
  const TRect ink = InkBounds(mask);
  // The turned cell: right of the reference point, one text height wide, one text width tall.
  EXPECT_GE(ink.Left, 0);
  EXPECT_LE(ink.Right, Engine().Metrics(font).Height);
  EXPECT_LE(ink.Bottom, 0);
  EXPECT_GE(ink.Top, -Engine().TextWidth(font, "Hello"));
  EXPECT_GT(ink.Height(), ink.Width());
}

// At any angle every inked pixel lies in the turned cell, allowing a pixel for antialiasing.
TEST(TextEngineTest, TurnedInkStaysInTheTurnedCell) {
  TFontSpec font = Font("Arial", 18);
  font.Underline = true;
  const double width = Engine().TextWidth(font, "Angle 123");
  const double height = Engine().Metrics(font).Height;
  for (int orientation = 0; orientation < 3600; orientation += 225) {
    font.Orientation = orientation;
    const TTextMask mask = Engine().Render(font, "Angle 123");
    const double a = orientation * std::numbers::pi / 1800;
    bool reachesFarEnd = false;
    for (int y = mask.Top; y < mask.Top + mask.Height; ++y)
      for (int x = mask.Left; x < mask.Left + mask.Width; ++x) {
        if (At(mask, x, y) == 0) continue;
        const double along = (x + 0.5) * std::cos(a) - (y + 0.5) * std::sin(a);
        const double down = (x + 0.5) * std::sin(a) + (y + 0.5) * std::cos(a);
        ASSERT_TRUE(along > -1.5 && along < width + 1.5 && down > -1.5 && down < height + 1.5)
            << "orientation " << orientation << " pixel " << x << ", " << y;
        reachesFarEnd |= along > width - 2;
      }
    EXPECT_TRUE(reachesFarEnd) << "the underline spans the advance at " << orientation;
  }
}

TEST(TextEngineTest, UnderlineAndStrikeOutSpanTheAdvance) {
  for (const char* family : kFamilies) {
    TFontSpec font = Font(family, 16, false);
    const TFontMetrics m = Engine().Metrics(font);
    const int width = Engine().TextWidth(font, "Hello");
    const TTextMask plain = Engine().Render(font, "Hello");
    for (int y = m.Ascent; y < m.Height; ++y) EXPECT_TRUE(RowEmpty(plain, y));

    font.Underline = true;
    const TTextMask underlined = Engine().Render(font, "Hello");
    int barRows = 0;
    for (int y = m.Ascent; y < m.Height; ++y) barRows += RowFullyInked(underlined, y, 0, width);
    EXPECT_GE(barRows, 1) << family;
    EXPECT_EQ(InkBounds(underlined).Left, 0);
    EXPECT_EQ(InkBounds(underlined).Right, width);
    EXPECT_LE(InkBounds(underlined).Bottom, m.Height);

    font.Underline = false;
    font.StrikeOut = true;
    const TTextMask struck = Engine().Render(font, "Hello");
    int strikeRow = -1;
    for (int y = 0; y < m.Ascent; ++y)
      if (RowFullyInked(struck, y, 0, width) && !RowFullyInked(plain, y, 0, width)) strikeRow = y;
    // The strike-out crosses the lower-case letters, in the lower half of the ascent.
    EXPECT_GT(strikeRow, m.Ascent / 3) << family;
    EXPECT_LT(strikeRow, m.Ascent) << family;
  }
}

TEST(TextEngineTest, EmptyTextsAndSpaces) {
  TFontSpec font = Font("Arial", 12);
  font.Underline = true;
  EXPECT_EQ(Engine().TextWidth(font, ""), 0);
  const TTextMask empty = Engine().Render(font, "");
  EXPECT_EQ(empty.Width, 0);
  EXPECT_EQ(empty.Height, 0);
  EXPECT_TRUE(empty.Coverage.empty());

  const int spaces = Engine().TextWidth(font, "   ");
  EXPECT_GT(spaces, 0);
  const TTextMask bar = Engine().Render(font, "   ");
  EXPECT_EQ(bar.Left, 0);
  EXPECT_EQ(bar.Width, spaces);
  font.Underline = false;
  EXPECT_EQ(Engine().Render(font, "   ").Width, 0);
}

TEST(TextEngineTest, MalformedUtf8DrawsReplacementCharacters) {
  const TFontSpec font = Font("Tahoma", 12);
  const std::string replacement = "\xEF\xBF\xBD";
  const int one = Engine().TextWidth(font, replacement);
  EXPECT_GT(one, 0);
  EXPECT_EQ(Engine().TextWidth(font, "\xFF"), one);
  EXPECT_EQ(Engine().TextWidth(font, "a\xE2\x82"), Engine().TextWidth(font, "a") + one);  // truncated at the end
  EXPECT_EQ(Engine().TextWidth(font, "\xC0\xAF"), 2 * one);                               // overlong
  EXPECT_EQ(Engine().TextWidth(font, "\xED\xA0\x80"), 3 * one);                           // surrogate
  EXPECT_EQ(Engine().TextWidth(font, "\xF4\x90\x80\x80"), 4 * one);                       // past U+10FFFF
  EXPECT_EQ(Engine().TextWidth(font, "\x80z"), one + Engine().TextWidth(font, "z"));
  ExpectSamePixels(Engine().Render(font, "x\xE2\x82x"), Engine().Render(font, "x" + replacement + "x"));
}

TEST(TextEngineTest, DecoderStopsAtTheEndAndSkipsMaximalIllFormedParts) {
  const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xE2\x82";
  const std::vector<char32_t> expected = {U'A', U'\u00E9', U'\u20AC', U'\U0001F600', detail::kReplacementCharacter};
  std::vector<char32_t> decoded;
  // Decode from a view that ends before the string's terminator, so reading past the end would show.
  const std::string_view view(text.data(), text.size());
  for (std::size_t pos = 0; pos < view.size();) decoded.push_back(detail::DecodeUtf8(view, pos));
  EXPECT_EQ(decoded, expected);
}

TEST(TextEngineTest, MissingCharactersDrawTheNotdefGlyph) {
  const TFontSpec font = Font("Arial", 16);
  const std::string privateUse1 = "\xEE\x80\x80", privateUse2 = "\xEE\x80\x81";
  EXPECT_GT(Engine().TextWidth(font, privateUse1), 0);
  EXPECT_EQ(Engine().TextWidth(font, privateUse1), Engine().TextWidth(font, privateUse2));
  const TTextMask box = Engine().Render(font, privateUse1);
  EXPECT_GT(box.Width, 0);
  ExpectSamePixels(box, Engine().Render(font, privateUse2));
}

TEST(TextEngineTest, ClippedRenderIsTheWholeMaskCut) {
  TFontSpec font = Font("Arial", 16);
  font.StrikeOut = true;
  for (int orientation : {0, 450, 900}) {
    font.Orientation = orientation;
    const TTextMask whole = Engine().Render(font, "Clipped text");
    const TRect clip = Rect(5, -20, 40, 12);
    const TTextMask cut = Engine().Render(font, "Clipped text", clip);
    EXPECT_EQ(Intersect(Bounds(cut.Left, cut.Top, cut.Width, cut.Height), clip),
              Bounds(cut.Left, cut.Top, cut.Width, cut.Height));
    for (int y = clip.Top; y < clip.Bottom; ++y)
      for (int x = clip.Left; x < clip.Right; ++x)
        ASSERT_EQ(At(cut, x, y), At(whole, x, y)) << orientation << " at " << x << ", " << y;
  }
}

TEST(TextEngineTest, LongTurnedTextsRenderOnlyTheVisiblePart) {
  TFontSpec font = Font("Tahoma", 12);
  font.Orientation = 450;
  font.Underline = true;
  const std::string text(200000, 'W');
  const TRect clip = Rect(1000, -1100, 1100, -1000);
  const TTextMask mask = Engine().Render(font, text, clip);
  EXPECT_LE(mask.Width, clip.Width());
  EXPECT_LE(mask.Height, clip.Height());
  EXPECT_GT(mask.Width, 0);
}

// A family without a bold or italic face is emboldened and slanted by the engine.
TEST(TextEngineTest, MissingStylesAreSynthesised) {
  const std::string family = "DejaVu Math TeX Gyre";  // one face only, regular
  TFontSpec font = Font(family, 20);
  if (Engine().ResolveFontFile(font).find("DejaVuMathTeXGyre") == std::string::npos)
    GTEST_SKIP() << "the single-face test family is not installed";
  const std::string text = "Bold";
  const int regularWidth = Engine().TextWidth(font, text);
  const TTextMask regular = Engine().Render(font, text);

  font.Bold = true;
  EXPECT_EQ(Engine().ResolveFontFile(font), Engine().ResolveFontFile(Font(family, 20)));
  const int boldWidth = Engine().TextWidth(font, text);
  EXPECT_GT(boldWidth, regularWidth);
  EXPECT_EQ((boldWidth - regularWidth) % int(text.size()), 0) << "every advance grows by as much";
  const TTextMask bold = Engine().Render(font, text);
  auto ink = [](const TTextMask& M) {
    long sum = 0;
    for (auto v : M.Coverage) sum += v;
    return sum;
  };
  EXPECT_GT(ink(bold), ink(regular) * 5 / 4);

  font.Bold = false;
  font.Italic = true;
  EXPECT_EQ(Engine().TextWidth(font, text), regularWidth);
  const TRect upright = InkBounds(Engine().Render(Font(family, 20), "l"));
  const TRect slanted = InkBounds(Engine().Render(font, "l"));
  EXPECT_GT(slanted.Width(), upright.Width() + 1) << "the stem leans to the right";
}

}  // namespace
}  // namespace gadrix
