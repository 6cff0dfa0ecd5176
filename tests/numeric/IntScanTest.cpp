// ScanInt, ScanHex, ScanOct and ScanBin: blanks, signs, prefixes, wrap-around and stop positions.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "gadrix/numeric/NumText.h"

using namespace gadrix;

namespace {

template <typename Scanner>
std::pair<std::int32_t, int> Scanned(Scanner scanner, const std::string& Text, int Start = 1) {
  int pos = Start;
  const std::int32_t value = scanner(Text, pos);
  return {value, pos};
}

}  // namespace

TEST(ScanInt, ReadsBlanksSignAndDigits) {
  EXPECT_EQ(Scanned(ScanInt, "  -12x"), std::make_pair(-12, 6));
  EXPECT_EQ(Scanned(ScanInt, "+7"), std::make_pair(7, 3));
  EXPECT_EQ(Scanned(ScanInt, "42"), std::make_pair(42, 3));
  EXPECT_EQ(Scanned(ScanInt, "- 5"), std::make_pair(0, 2));
  EXPECT_EQ(Scanned(ScanInt, "x"), std::make_pair(0, 1));
  EXPECT_EQ(Scanned(ScanInt, "ab12", 3), std::make_pair(12, 5));
}

TEST(ScanInt, EmptyTextGivesZeroAtPositionOne) {
  EXPECT_EQ(Scanned(ScanInt, ""), std::make_pair(0, 1));
  EXPECT_EQ(Scanned(ScanInt, "", 5), std::make_pair(0, 1));
}

TEST(ScanInt, SkipsBlanksOnlyBeforeTheLastCharacter) {
  EXPECT_EQ(Scanned(ScanInt, "   "), std::make_pair(0, 3));
  EXPECT_EQ(Scanned(ScanInt, "  9"), std::make_pair(9, 4));
}

TEST(ScanInt, WrapsAroundIn32Bits) {
  EXPECT_EQ(Scanned(ScanInt, "2147483647").first, 2147483647);
  EXPECT_EQ(Scanned(ScanInt, "2147483648").first, INT32_MIN);
  EXPECT_EQ(Scanned(ScanInt, "-2147483648").first, INT32_MIN);
  EXPECT_EQ(Scanned(ScanInt, "4294967297").first, 1);
  EXPECT_EQ(Scanned(ScanInt, "-4294967295").first, 1);
}

TEST(ScanHex, ReadsDigitsOfEitherCaseAfterAnOptionalDollar) {
  EXPECT_EQ(Scanned(ScanHex, "FFFFFFFF"), std::make_pair(-1, 9));
  EXPECT_EQ(Scanned(ScanHex, "$1f"), std::make_pair(31, 4));
  EXPECT_EQ(Scanned(ScanHex, "ab", 1), std::make_pair(0xAB, 3));
  EXPECT_EQ(Scanned(ScanHex, "1g"), std::make_pair(1, 2));
  EXPECT_EQ(Scanned(ScanHex, "1$"), std::make_pair(1, 2));
  EXPECT_EQ(Scanned(ScanHex, " 7F"), std::make_pair(0x7F, 4));
  // The "$" counts only at the first character of the text.
  EXPECT_EQ(Scanned(ScanHex, " $7"), std::make_pair(0, 2));
  EXPECT_EQ(Scanned(ScanHex, "1$2", 2), std::make_pair(0, 2));
  EXPECT_EQ(Scanned(ScanHex, "$"), std::make_pair(0, 2));
  EXPECT_EQ(Scanned(ScanHex, "-1"), std::make_pair(0, 1));
}

TEST(ScanHex, KeepsTheLow32BitsOfLongTexts) {
  EXPECT_EQ(Scanned(ScanHex, "123456789").first, 0x23456789);
  EXPECT_EQ(Scanned(ScanHex, "100000000").first, 0);
}

TEST(ScanOct, ReadsOctalDigits) {
  EXPECT_EQ(Scanned(ScanOct, "17"), std::make_pair(15, 3));
  EXPECT_EQ(Scanned(ScanOct, "78"), std::make_pair(7, 2));
  EXPECT_EQ(Scanned(ScanOct, "37777777777").first, -1);
  EXPECT_EQ(Scanned(ScanOct, "$7"), std::make_pair(0, 1));
}

TEST(ScanBin, ReadsBinaryDigits) {
  EXPECT_EQ(Scanned(ScanBin, "102"), std::make_pair(2, 3));
  EXPECT_EQ(Scanned(ScanBin, "101"), std::make_pair(5, 4));
  EXPECT_EQ(Scanned(ScanBin, std::string(32, '1')).first, -1);
  EXPECT_EQ(Scanned(ScanBin, "1" + std::string(32, '0')).first, 0);
}

TEST(IntegerScanners, CountPositionsInCharactersAndClampTheStart) {
  // "é" is two bytes, one character.
  EXPECT_EQ(Scanned(ScanInt,
                    "\xC3\xA9"
                    "12",
                    2),
            std::make_pair(12, 4));
  EXPECT_EQ(Scanned(ScanHex, "1\xC3\xA9"), std::make_pair(1, 2));
  EXPECT_EQ(Scanned(ScanBin, "11", 0), std::make_pair(3, 3));
  EXPECT_EQ(Scanned(ScanOct, "11", 7), std::make_pair(0, 3));
}
