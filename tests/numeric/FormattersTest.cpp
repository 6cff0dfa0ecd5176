// RealToText, HexText, OctText, BinText and Round.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "gadrix/numeric/NumText.h"

using namespace gadrix;

TEST(RealToText, FixedNotationIsRightAlignedInTheWidth) {
  EXPECT_EQ(RealToText(6, 2, 1.5), "  1.50");
  EXPECT_EQ(RealToText(1, 2, 1.5), "1.50");
  EXPECT_EQ(RealToText(1, 0, 42.0), "42");
  EXPECT_EQ(RealToText(3, 2, -1234.567), "-1234.57");
  EXPECT_EQ(RealToText(1, 8, 0.1), "0.10000000");
  EXPECT_EQ(RealToText(0, 1, 2.25), "2.2");  // the binary value of 2.25 is exact: ties go to even
  EXPECT_EQ(RealToText(1, 2, -0.0), "-0.00");
}

TEST(RealToText, NegativeWidthPadsWithZeros) {
  EXPECT_EQ(RealToText(-6, 2, -1.5), "-01.50");
  EXPECT_EQ(RealToText(-6, 2, 1.5), "001.50");
  EXPECT_EQ(RealToText(-5, 2, -1.5), "-1.50");
  EXPECT_EQ(RealToText(-1, 2, -1.5), "-1.50");
  EXPECT_EQ(RealToText(-12, -2, 1234.5), "01.23450E+03");
  EXPECT_EQ(RealToText(-12, -2, -1234.5), "-1.23450E+03");
}

TEST(RealToText, ShortExponentForm) {
  EXPECT_EQ(RealToText(12, -2, 1234.5), " 1.23450E+03");
  EXPECT_EQ(RealToText(12, -2, -0.000123), "-1.23000E-04");
  EXPECT_EQ(RealToText(12, -2, 0.0), " 0.00000E+00");
  EXPECT_EQ(RealToText(12, -2, 12.5), " 1.25000E+01");
  EXPECT_EQ(RealToText(12, -2, 9.99999e99), " 9.99999E+99");
}

TEST(RealToText, ShortExponentFormFillsWithStarsWhenTheExponentDoesNotFit) {
  EXPECT_EQ(RealToText(12, -2, 1e150), std::string(12, '*'));
  EXPECT_EQ(RealToText(12, -2, -1e-100), std::string(12, '*'));
  EXPECT_EQ(RealToText(12, -2, 9.999996e99), std::string(12, '*'));  // rounds up to 1.00000E+100
  EXPECT_EQ(RealToText(-12, -2, 1e150), std::string(12, '*'));
}

TEST(RealToText, LongExponentFormKeepsFourExponentDigits) {
  EXPECT_EQ(RealToText(14, -1, 1234.5), " 1.23450E+0003");
  EXPECT_EQ(RealToText(14, -1, -1e-300), "-1.00000E-0300");
  EXPECT_EQ(RealToText(14, -3, 1234.5), " 1.23450E+0003");
  EXPECT_EQ(RealToText(-14, -1, 1.0), "01.00000E+0000");
}

TEST(RealToText, NarrowExponentFormsKeepOneDigitAfterThePoint) {
  EXPECT_EQ(RealToText(7, -2, 1234.5), " 1.2E+03");
  EXPECT_EQ(RealToText(1, -2, 1234.5), " 1.2E+03");
  EXPECT_EQ(RealToText(5, -1, 1234.5), " 1.2E+0003");
  EXPECT_EQ(RealToText(8, -2, 1234.5), " 1.2E+03");
  EXPECT_EQ(RealToText(9, -2, 1234.5), " 1.23E+03");
}

TEST(RealToText, ExtremeArgumentsStayBounded) {
  EXPECT_EQ(RealToText(std::numeric_limits<int>::max(), 0, 1.0).size(),
            static_cast<std::size_t>(kMaxRealTextWidth));
  EXPECT_EQ(RealToText(std::numeric_limits<int>::min(), 0, 1.0),
            std::string(kMaxRealTextWidth - 1, '0') + "1");
  const std::string tiny = RealToText(1, std::numeric_limits<int>::max(), 4.9e-324);
  EXPECT_EQ(tiny.size(), 2u + kMaxFixedDecimals);
  EXPECT_EQ(tiny.back(), '5');  // the last digit of the exact value of the smallest double
  EXPECT_EQ(RealToText(1, 0, uc_MaxDouble).size(), 309u);
  EXPECT_EQ(RealToText(12, -2, uc_MaxDouble), std::string(12, '*'));
}

TEST(RealToText, NonFiniteValuesAreNamed) {
  EXPECT_EQ(RealToText(6, 2, std::numeric_limits<double>::infinity()), "   Inf");
  EXPECT_EQ(RealToText(-6, -2, -std::numeric_limits<double>::infinity()), "  -Inf");
  EXPECT_EQ(RealToText(1, 2, std::nan("")), "NaN");
}

TEST(DigitTexts, KeepTheLowestDigitsWithLeadingZeros) {
  EXPECT_EQ(HexText(static_cast<std::uint32_t>(-1), 8), "FFFFFFFF");
  EXPECT_EQ(HexText(0x12345, 2), "45");
  EXPECT_EQ(HexText(0xABCDEF, 8), "00ABCDEF");
  EXPECT_EQ(OctText(8, 11), "00000000010");
  EXPECT_EQ(OctText(0xFFFFFFFF, 11), "37777777777");
  EXPECT_EQ(BinText(5, 8), "00000101");
  EXPECT_EQ(BinText(0x80000000, 32), "1" + std::string(31, '0'));
}

TEST(DigitTexts, LimitTheDigitCount) {
  EXPECT_EQ(HexText(0x1F, 0), "F");
  EXPECT_EQ(HexText(0x1F, -3), "F");
  EXPECT_EQ(HexText(0x1F, 20), "0000001F");
  EXPECT_EQ(OctText(7, 30).size(), 11u);
  EXPECT_EQ(BinText(1, 99).size(), 32u);
  EXPECT_EQ(BinText(2, 0), "0");
}

TEST(Round, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(-3.5), -4);
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(2.4999999999999996), 2);
  EXPECT_EQ(Round(2.5000000000000004), 3);
  EXPECT_EQ(Round(-7.6), -8);
  EXPECT_EQ(Round(4503599627370497.0), 4503599627370497);  // 2^52 + 1: already an integer
}

TEST(Round, SaturatesOutsideThe64BitRange) {
  EXPECT_EQ(Round(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(Round(-1e300), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(Round(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(Round(std::nan("")), 0);
  EXPECT_EQ(static_cast<std::uint32_t>(Round(-1.0)), 0xFFFFFFFFu);
}
