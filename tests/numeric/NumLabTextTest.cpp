// The numeric label's texts: every display format, the separator and plus-sign step, the overflow
// rule.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "gadrix/numeric/NumLabText.h"
#include "gadrix/platform/core/DateTime.h"

using namespace gadrix;

namespace {

std::string Text(TDisplay DisplayType, double Value, int Precision = 2) {
  TNumLabTextFormat format;
  format.DisplayType = DisplayType;
  format.Precision = Precision;
  return FormatDisplayValue(Value, format);
}

// Steps 1 and 2 with the separator and sign settings.
std::string Shown(TDisplay DisplayType, double Value, bool Comma, bool Plus, int Precision = 2) {
  TNumLabTextFormat format;
  format.DisplayType = DisplayType;
  format.Precision = Precision;
  format.Comma = Comma;
  format.ForcePlusSign = Plus;
  return DisplayValueText(Value, format);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TEST(NumLabText, FixPointHasExactlyPrecisionDecimals) {
  EXPECT_EQ(Text(dtFixP, 1234.5678), "1234.57");
  EXPECT_EQ(Text(dtFixP, 1234.5678, 0), "1235");
  EXPECT_EQ(Text(dtFixP, 2.5, 0), "2");  // halves to even
  EXPECT_EQ(Text(dtFixP, -3), "-3.00");
  EXPECT_EQ(Text(dtFixP, 0.1, 15), "0.100000000000000");
  EXPECT_EQ(Text(dtFixP, -0.001), "0.00");  // a shown zero carries no sign
  EXPECT_EQ(Text(dtFixP, -0.0), "0.00");
  EXPECT_EQ(Text(dtFixP, 1e20, 0), "100000000000000000000");
}

TEST(NumLabText, FloatKeepsPrecisionSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(Text(dtFloat, 1234.5678, 4), "1235");
  EXPECT_EQ(Text(dtFloat, 2.5, 4), "2.5");
  EXPECT_EQ(Text(dtFloat, 2.0, 4), "2");
  EXPECT_EQ(Text(dtFloat, 0.000123456, 4), "0.0001235");
  EXPECT_EQ(Text(dtFloat, 0.00001, 4), "0.00001");    // the smallest fixed-notation value
  EXPECT_EQ(Text(dtFloat, 0.0000099, 4), "9.9E-006");  // below it: scientific
  EXPECT_EQ(Text(dtFloat, 123456, 4), "1.235E+005");  // more integer digits than Precision
  EXPECT_EQ(Text(dtFloat, 9999.7, 4), "1E+004");      // rounding adds an integer digit
  EXPECT_EQ(Text(dtFloat, -1234, 4), "-1234");
  EXPECT_EQ(Text(dtFloat, 0, 4), "0");
  EXPECT_EQ(Text(dtFloat, 1.5, 0), "2");  // Precision 0 counts as one digit
  EXPECT_EQ(Text(dtFloat, 1e300, 15), "1E+300");
}

TEST(NumLabText, ExpHasPrecisionSignificantDigitsAndAThreeDigitExponent) {
  EXPECT_EQ(Text(dtExp, 1234.5, 3), "1.23E+003");
  EXPECT_EQ(Text(dtExp, -0.000123, 3), "-1.23E-004");
  EXPECT_EQ(Text(dtExp, 0, 3), "0.00E+000");
  EXPECT_EQ(Text(dtExp, -0.0, 3), "0.00E+000");
  EXPECT_EQ(Text(dtExp, 1234.5, 1), "1E+003");
  EXPECT_EQ(Text(dtExp, 1234.5, 0), "1E+003");
  EXPECT_EQ(Text(dtExp, 9.996, 3), "1.00E+001");
  EXPECT_EQ(Text(dtExp, 1.5e-300, 2), "1.5E-300");
  EXPECT_EQ(Text(dtExp, std::numeric_limits<double>::max(), 2), "1.8E+308");
  EXPECT_EQ(Text(dtExp, std::numeric_limits<double>::denorm_min(), 2), "4.9E-324");
}

TEST(NumLabText, IntRoundsHalvesToEven) {
  EXPECT_EQ(Text(dtInt, 2.5), "2");
  EXPECT_EQ(Text(dtInt, 3.5), "4");
  EXPECT_EQ(Text(dtInt, -2.5), "-2");
  EXPECT_EQ(Text(dtInt, -0.4), "0");
  EXPECT_EQ(Text(dtInt, 9007199254740993.0), "9007199254740992");  // as the double holds it
  EXPECT_EQ(Text(dtInt, -9223372036854775808.0), "-9223372036854775808");
  EXPECT_EQ(Text(dtInt, 1e20), "100000000000000000000");  // beyond 64 bits: still exact
}

TEST(NumLabText, ZeroIntPadsToPrecisionDigits) {
  EXPECT_EQ(Text(dtZeroInt, 42.5, 4), "0042");
  EXPECT_EQ(Text(dtZeroInt, -7, 4), "-0007");
  EXPECT_EQ(Text(dtZeroInt, 123456, 4), "123456");
  EXPECT_EQ(Text(dtZeroInt, 0, 0), "0");
  EXPECT_EQ(Text(dtZeroInt, -0.3, 3), "000");
}

TEST(NumLabText, HexOctBinWriteTheRoundedValueWithAtLeastPrecisionDigits) {
  EXPECT_EQ(Text(dtHex, 255), "FF");
  EXPECT_EQ(Text(dtHex, 10), "0A");
  EXPECT_EQ(Text(dtHex, 10, 4), "000A");
  EXPECT_EQ(Text(dtHex, 65535.4, 0), "FFFF");
  EXPECT_EQ(Text(dtHex, 2.5, 0), "2");
  EXPECT_EQ(Text(dtHex, 18446744073709551616.0), "10000000000000000");
  EXPECT_EQ(Text(dtHex, std::ldexp(1.0, 80)), "100000000000000000000");
  EXPECT_EQ(Text(dtOct, 8), "10");
  EXPECT_EQ(Text(dtOct, 64), "100");
  EXPECT_EQ(Text(dtOct, 5), "05");
  EXPECT_EQ(Text(dtBin, 5), "101");
  EXPECT_EQ(Text(dtBin, 1), "01");
  EXPECT_EQ(Text(dtBin, 5, 8), "00000101");
}

TEST(NumLabText, NegativeBaseValuesAreTwosComplement) {
  EXPECT_EQ(Text(dtHex, -1), "FFFFFFFF");
  EXPECT_EQ(Text(dtHex, -2147483648.0), "80000000");
  EXPECT_EQ(Text(dtHex, -2147483649.0), "FFFFFFFF7FFFFFFF");
  EXPECT_EQ(Text(dtHex, -4294967296.0), "FFFFFFFF00000000");
  EXPECT_EQ(Text(dtHex, -9223372036854775808.0), "8000000000000000");
  EXPECT_EQ(Text(dtHex, -std::ldexp(1.0, 64), 2), "-10000000000000000");
  EXPECT_EQ(Text(dtOct, -1), "37777777777");
  EXPECT_EQ(Text(dtBin, -1), std::string(32, '1'));
  EXPECT_EQ(Text(dtHex, -0.4), "00");
}

TEST(NumLabText, DegreeFormats) {
  EXPECT_EQ(Text(dtDeg, 12.5), "12.50°");
  EXPECT_EQ(Text(dtDeg, -0.25), "-0.25°");
  EXPECT_EQ(Text(dtDeg, 12.5, 0), "12°");
  EXPECT_EQ(Text(dtDegMin, 12.5125), "12°30.75'");
  EXPECT_EQ(Text(dtDegMin, 12.1), "12°06.00'");
  EXPECT_EQ(Text(dtDegMin, 12.999999), "13°00.00'");  // the minutes round up into the degrees
  EXPECT_EQ(Text(dtDegMin, 0.5, 0), "0°30'");
  EXPECT_EQ(Text(dtDegMin, -0.0000001), "0°00.00'");
  EXPECT_EQ(Text(dtDegMinSec, 12.5125, 1), "12°30'45.0\"");
  EXPECT_EQ(Text(dtDegMinSec, -48.858222, 1), "-48°51'29.6\"");
  EXPECT_EQ(Text(dtDegMinSec, 1.0 / 3.0, 0), "0°20'00\"");
  EXPECT_EQ(Text(dtDegMinSec, 59.9999999, 2), "60°00'00.00\"");  // seconds carry twice
  EXPECT_EQ(Text(dtDegMinSec, 0.0025, 0), "0°00'09\"");
}

TEST(NumLabText, EngineeringNotationUsesExponentsThatAreMultiplesOfThree) {
  EXPECT_EQ(Text(dtEEng, 12345.6), "12.35E+003");
  EXPECT_EQ(Text(dtEEng, -0.0047), "-4.70E-003");
  EXPECT_EQ(Text(dtEEng, 0.047), "47.00E-003");
  EXPECT_EQ(Text(dtEEng, 470), "470.00E+000");
  EXPECT_EQ(Text(dtEEng, 1), "1.00E+000");
  EXPECT_EQ(Text(dtEEng, 999.999), "1.00E+003");  // rounding moves to the next group
  EXPECT_EQ(Text(dtEEng, 99.996), "100.00E+000");  // and within the group
  EXPECT_EQ(Text(dtEEng, 0), "0.00E+000");
  EXPECT_EQ(Text(dtEEng, 1e-300, 1), "1.0E-300");
  EXPECT_EQ(Text(dtEEng, 1e300, 0), "1E+300");
  EXPECT_EQ(Text(dtEEngNoDP, 12345.6), "12E+003");
  EXPECT_EQ(Text(dtEEngNoDP, 0.0047), "5E-003");
  EXPECT_EQ(Text(dtEEngNoDP, 999.6), "1E+003");
  EXPECT_EQ(Text(dtEEngNoDP, -1234567, 15), "-1E+006");
}

TEST(NumLabText, DateTimeAppliesTheDatePattern) {
  TNumLabTextFormat format;
  format.DisplayType = dtDateTime;
  const double value = EncodeDate(2024, 3, 5) + EncodeTime(18, 7, 9, 0);
  EXPECT_EQ(FormatDisplayValue(value, format), "Mar-05, 2024");
  format.DTFormat = "dddd d mmmm yy, h:nn am/pm";
  EXPECT_EQ(FormatDisplayValue(value, format), "Tuesday 5 March 24, 6:07 pm");
  format.DTFormat = "yyyy.mm.dd";  // a point here is no decimal separator
  format.Comma = true;
  format.ForcePlusSign = true;
  EXPECT_EQ(DisplayValueText(value, format), "2024.03.05");
  // A value that names no date cannot be shown.
  EXPECT_EQ(FormatDisplayValue(kNaN, format), format.OverflowIndicator);
  EXPECT_EQ(FormatDisplayValue(1e7, format), format.OverflowIndicator);
}

TEST(NumLabText, StateShowsTheStateTextWhateverTheValue) {
  TNumLabTextFormat format;
  format.DisplayType = dtState;
  format.StateText = "1.5 open";
  format.Comma = true;
  format.ForcePlusSign = true;
  EXPECT_EQ(DisplayValueText(12, format), "1.5 open");
  EXPECT_EQ(DisplayValueText(kNaN, format), "1.5 open");
}

TEST(NumLabText, NonFiniteValuesHaveNamesInEveryNumericFormat) {
  for (TDisplay format : {dtFloat, dtFixP, dtExp, dtHex, dtZeroInt, dtInt, dtBin, dtOct, dtDeg, dtDegMin,
                          dtDegMinSec, dtEEng, dtEEngNoDP}) {
    EXPECT_EQ(Text(format, kNaN), "NaN") << int(format);
    EXPECT_EQ(Text(format, kInf), "Inf") << int(format);
    EXPECT_EQ(Text(format, -kInf), "-Inf") << int(format);
  }
}

TEST(NumLabText, PrecisionOutsideItsRangeIsTakenAsTheNearestEnd) {
  EXPECT_EQ(Text(dtFixP, 1.25, -3), "1");
  EXPECT_EQ(Text(dtFixP, 0.1, 40), "0.100000000000000");
}

TEST(NumLabText, SeparatorFollowsCommaAndPlusGoesBeforePositiveValues) {
  EXPECT_EQ(Shown(dtFixP, 1234.5678, false, false), "1234.57");
  EXPECT_EQ(Shown(dtFixP, 1234.5678, true, false), "1234,57");
  EXPECT_EQ(Shown(dtFixP, 1234.5678, false, true), "+1234.57");
  EXPECT_EQ(Shown(dtFixP, 1234.5678, true, true), "+1234,57");
  EXPECT_EQ(Shown(dtFixP, -3, false, true), "-3.00");
  EXPECT_EQ(Shown(dtFixP, 0, false, true), "0.00");
  EXPECT_EQ(Shown(dtFixP, 0.001, false, true), "+0.00");  // the value is above 0, the text is not
  EXPECT_EQ(Shown(dtFloat, 2.5, true, true, 4), "+2,5");
  EXPECT_EQ(Shown(dtExp, 1234.5, true, true, 3), "+1,23E+003");
  EXPECT_EQ(Shown(dtInt, 7, true, true), "+7");
  EXPECT_EQ(Shown(dtZeroInt, 7, true, true, 3), "+007");
  EXPECT_EQ(Shown(dtOct, 8, true, true), "+10");
  EXPECT_EQ(Shown(dtDeg, 12.5, true, true), "+12,50°");
  EXPECT_EQ(Shown(dtDegMin, 12.5125, true, true), "+12°30,75'");
  EXPECT_EQ(Shown(dtDegMinSec, 12.5125, true, true, 1), "+12°30'45,0\"");
  EXPECT_EQ(Shown(dtEEng, 12345.6, true, true), "+12,35E+003");
  EXPECT_EQ(Shown(dtEEngNoDP, 12345.6, true, true), "+12E+003");
  EXPECT_EQ(Shown(dtFixP, kInf, false, true), "+Inf");
}

TEST(NumLabText, HexAndBinaryTakeNeitherSeparatorNorPlus) {
  EXPECT_EQ(Shown(dtHex, 255, true, true), "FF");
  EXPECT_EQ(Shown(dtBin, 5, true, true), "101");
  EXPECT_FALSE(TakesSeparatorAndSign(dtHex));
  EXPECT_FALSE(TakesSeparatorAndSign(dtBin));
  EXPECT_FALSE(TakesSeparatorAndSign(dtDateTime));
  EXPECT_FALSE(TakesSeparatorAndSign(dtState));
  EXPECT_TRUE(TakesSeparatorAndSign(dtOct));
}

TEST(NumLabText, FixingTheSeparatorTurnsCommasIntoPointsToo) {
  EXPECT_EQ(FixSeparatorAndSign("1,5", 1.5, false, false), "1.5");
  EXPECT_EQ(FixSeparatorAndSign("1.5", 1.5, true, false), "1,5");
}

TEST(NumLabText, OverflowIsMeasuredAgainstTheBoxLessSixPixels) {
  EXPECT_FALSE(NeedsOverflowIndicator(dtFixP, 74, 80));
  EXPECT_TRUE(NeedsOverflowIndicator(dtFixP, 75, 80));
  EXPECT_TRUE(NeedsOverflowIndicator(dtDateTime, 75, 80));
  EXPECT_FALSE(NeedsOverflowIndicator(dtState, 500, 80));
  EXPECT_TRUE(NeedsOverflowIndicator(dtInt, 1, 0));
}
