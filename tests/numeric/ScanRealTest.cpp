// ScanReal: where a scan stops, what it reads, and how it clamps.

#include <gtest/gtest.h>

#include <string>

#include "SystemSeparator.h"
#include "gadrix/numeric/NumText.h"

using namespace gadrix;

namespace {

struct Scan {
  double Value;
  int Pos;
};

Scan ScanFrom(const std::string& Text, int Start, bool ExpAllowed = true, TDecPSep Mode = dpsPoint) {
  int pos = Start;
  const double value = ScanReal(Text, pos, ExpAllowed, Mode);
  return {value, pos};
}

Scan ScanAll(const std::string& Text, bool ExpAllowed = true, TDecPSep Mode = dpsPoint) {
  return ScanFrom(Text, 1, ExpAllowed, Mode);
}

}  // namespace

TEST(ScanReal, StopsAtTheCharacterThatEndsTheNumber) {
  // A second separator is an error: the scan stops on it and reads 0.
  const Scan second = ScanAll("1.5.2");
  EXPECT_EQ(second.Value, 0.0);
  EXPECT_EQ(second.Pos, 4);

  const Scan blank = ScanAll("12 3");
  EXPECT_EQ(blank.Value, 12.0);
  EXPECT_EQ(blank.Pos, 3);

  const Scan letter = ScanAll("-7.25x");
  EXPECT_EQ(letter.Value, -7.25);
  EXPECT_EQ(letter.Pos, 6);

  const Scan whole = ScanAll("  +3.5");
  EXPECT_EQ(whole.Value, 3.5);
  EXPECT_EQ(whole.Pos, 7);
}

TEST(ScanReal, SeparatorModesDecideWhatAPointOrCommaIs) {
  const Scan commaInPointMode = ScanAll("1,5", true, dpsPoint);
  EXPECT_EQ(commaInPointMode.Value, 1.0);
  EXPECT_EQ(commaInPointMode.Pos, 2);

  EXPECT_EQ(ScanAll("1,5", true, dpsBoth).Value, 1.5);
  EXPECT_EQ(ScanAll("1,5", true, dpsComma).Value, 1.5);
  EXPECT_EQ(ScanAll("1.5", true, dpsComma).Pos, 2);
  EXPECT_EQ(ScanAll("1,5e2", true, dpsComma).Value, 150.0);

  const Scan mixed = ScanAll("1.5,2", true, dpsBoth);
  EXPECT_EQ(mixed.Value, 0.0);
  EXPECT_EQ(mixed.Pos, 4);
  EXPECT_EQ(ScanAll("1.5,2", true, dpsPoint).Value, 1.5);
}

TEST(ScanReal, SystemModeFollowsTheSystemSeparator) {
  {
    SystemSeparator comma(',');
    EXPECT_EQ(ScanAll("2,5", true, dpsSystem).Value, 2.5);
    EXPECT_EQ(ScanAll("2.5", true, dpsSystem).Value, 2.0);
  }
  EXPECT_EQ(ScanAll("2.5", true, dpsSystem).Value, 2.5);
}

TEST(ScanReal, ExponentsAreReadOnlyWhenAllowed) {
  EXPECT_EQ(ScanAll("12e3").Value, 12000.0);
  EXPECT_EQ(ScanAll("1.5E-2").Value, 0.015);
  EXPECT_EQ(ScanAll("1e00005").Value, 1e5);

  const Scan without = ScanAll("1e5", false);
  EXPECT_EQ(without.Value, 1.0);
  EXPECT_EQ(without.Pos, 2);
}

TEST(ScanReal, AnUnfinishedExponentReadsAsZero) {
  const Scan mark = ScanAll("2E");
  EXPECT_EQ(mark.Value, 2.0);
  EXPECT_EQ(mark.Pos, 3);
  EXPECT_EQ(ScanAll("2.5e-").Value, 2.5);
  EXPECT_EQ(ScanAll("2e+x").Value, 2.0);
}

TEST(ScanReal, HugeExponentsAreClampedToTheLargestDouble) {
  EXPECT_EQ(ScanAll("1e5000").Value, uc_MaxDouble);
  EXPECT_EQ(ScanAll("-1e5000").Value, -uc_MaxDouble);
  EXPECT_EQ(ScanAll("1e4200").Value, uc_MaxDouble);
  EXPECT_EQ(ScanAll("1e400").Value, uc_MaxDouble);
  EXPECT_EQ(ScanAll("1e-5000").Value, 0.0);
  EXPECT_EQ(ScanAll("1e-400").Value, 0.0);
  // Digits past the exponent limit are read, so the scan still ends after them.
  EXPECT_EQ(ScanAll("1e50000000x").Pos, 11);
  // A mantissa far below 1 brings a kept exponent back into range.
  EXPECT_EQ(ScanAll("0." + std::string(399, '0') + "1e400").Value, 1.0);
}

TEST(ScanReal, TextsWithoutANumberReadAsZeroAtTheEnd) {
  for (const std::string text : {"", "-", "+", " ", "   "}) {
    const Scan scan = ScanAll(text);
    EXPECT_EQ(scan.Value, 0.0) << '"' << text << '"';
    EXPECT_EQ(scan.Pos, static_cast<int>(text.size()) + 1) << '"' << text << '"';
  }
  const Scan signs = ScanAll("+-1");
  EXPECT_EQ(signs.Value, 0.0);
  EXPECT_EQ(signs.Pos, 2);
  EXPECT_EQ(ScanAll("x1").Pos, 1);
}

TEST(ScanReal, ATrailingOrLeadingSeparatorCompletesTheNumber) {
  EXPECT_EQ(ScanAll("5.").Value, 5.0);
  EXPECT_EQ(ScanAll(".5").Value, 0.5);
  EXPECT_EQ(ScanAll("-.25").Value, -0.25);
  EXPECT_EQ(ScanAll(".").Value, 0.0);
  EXPECT_EQ(ScanAll(".").Pos, 2);
  EXPECT_EQ(ScanAll(".e5").Value, 0.0);
}

TEST(ScanReal, StartsAtTheGivenPositionAndClampsIt) {
  const Scan middle = ScanFrom("ab-4.5cd", 3);
  EXPECT_EQ(middle.Value, -4.5);
  EXPECT_EQ(middle.Pos, 7);

  EXPECT_EQ(ScanFrom("7", 0).Value, 7.0);
  EXPECT_EQ(ScanFrom("7", -5).Pos, 2);
  const Scan past = ScanFrom("7", 9);
  EXPECT_EQ(past.Value, 0.0);
  EXPECT_EQ(past.Pos, 2);
}

TEST(ScanReal, CountsPositionsInCharactersOfUtf8Text) {
  // "€" is three bytes but one character.
  const Scan after = ScanAll("1.5\xE2\x82\xAC");
  EXPECT_EQ(after.Value, 1.5);
  EXPECT_EQ(after.Pos, 4);

  const Scan from = ScanFrom(
      "\xE2\x82\xAC"
      "25",
      2);
  EXPECT_EQ(from.Value, 25.0);
  EXPECT_EQ(from.Pos, 4);

  // A broken sequence: each stray byte is a character of its own.
  const Scan broken = ScanFrom(
      "\xE2\x82"
      "9",
      3);
  EXPECT_EQ(broken.Value, 9.0);
  EXPECT_EQ(broken.Pos, 4);
  EXPECT_EQ(ScanAll("\xC3\xA9").Pos, 1);
}

TEST(ScanReal, LongMantissasAreRoundedCorrectly) {
  // 2^53 + 1 lies halfway between two doubles; the tail decides.
  EXPECT_EQ(ScanAll("9007199254740993").Value, 9007199254740992.0);
  EXPECT_EQ(ScanAll("9007199254740993.000000000000000001").Value, 9007199254740994.0);
  EXPECT_EQ(ScanAll("9007199254740993,000000000000000001", true, dpsComma).Value, 9007199254740994.0);
}
