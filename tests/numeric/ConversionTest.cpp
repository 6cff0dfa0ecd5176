// The text-to-value and value-to-text conversions of the two numeric inputs.

#include <gtest/gtest.h>

#include <string>

#include "SystemSeparator.h"
#include "gadrix/numeric/NumConversion.h"
#include "gadrix/numeric/NumText.h"

using namespace gadrix;

namespace {

struct Converted {
  bool Valid;
  double Value;
};

Converted Convert(const std::string& Text, TInFormat Format, TDecPSep Sep = dpsPoint, double Before = -99.0) {
  double value = Before;
  const bool valid = ConvertNumString(Text, value, Format, Sep);
  return {valid, value};
}

void ExpectConverted(const std::string& Text, TInFormat Format, bool Valid, double Value,
                     TDecPSep Sep = dpsPoint) {
  const Converted c = Convert(Text, Format, Sep);
  EXPECT_EQ(c.Valid, Valid) << '"' << Text << "\" format " << int(Format);
  EXPECT_EQ(c.Value, Value) << '"' << Text << "\" format " << int(Format);
}

}  // namespace

TEST(ConvertNumString, EmptyTextIsFalseAndLeavesTheValue) {
  const Converted c = Convert("", itExp);
  EXPECT_FALSE(c.Valid);
  EXPECT_EQ(c.Value, -99.0);
}

TEST(ConvertNumString, BlanksAndSigns) {
  ExpectConverted("   ", itExp, true, 0.0);
  ExpectConverted("-", itExp, true, 0.0);
  ExpectConverted("1 2", itExp, false, 0.0);
  ExpectConverted("  12", itInt, true, 12.0);
  ExpectConverted("12 ", itInt, false, 0.0);
}

TEST(ConvertNumString, ExpIgnoresAnExponentBeingTyped) {
  ExpectConverted("2.5e", itExp, true, 2.5);
  ExpectConverted("2.5e-", itExp, true, 2.5);
  ExpectConverted("2.5E+", itExp, true, 2.5);
  ExpectConverted("2.5e3", itExp, true, 2500.0);
  ExpectConverted("e", itExp, true, 0.0);
  ExpectConverted("1e5e", itExp, false, 1e5);
  ExpectConverted("1e5000", itExp, true, uc_MaxDouble);
}

TEST(ConvertNumString, FloatAndFixPointTakeNoExponent) {
  ExpectConverted("1.25", itFloat, true, 1.25);
  ExpectConverted("1e5", itFloat, false, 1.0);
  ExpectConverted("3.14", itFixPoint, true, 3.14);
  ExpectConverted("5.", itFixPoint, true, 5.0);
}

TEST(ConvertNumString, SeparatorFollowsTheResolvedMode) {
  ExpectConverted("1,5", itFloat, false, 1.0, dpsPoint);
  ExpectConverted("1,5", itFloat, true, 1.5, dpsComma);
  ExpectConverted("1.5", itFloat, false, 1.0, dpsComma);
  ExpectConverted("1,5", itFloat, true, 1.5, dpsBoth);
  SystemSeparator comma(',');
  ExpectConverted("1,5", itFloat, true, 1.5, dpsSystem);
}

TEST(ConvertNumString, IntegersAndBases) {
  ExpectConverted("-42", itInt, true, -42.0);
  ExpectConverted("4x", itInt, false, 4.0);
  ExpectConverted("1F", itHex, true, 31.0);
  ExpectConverted("$1f", itHex, true, 31.0);  // the hexadecimal scanner passes over "$"
  ExpectConverted("ffffffff", itHex, true, -1.0);
  ExpectConverted("17", itOct, true, 15.0);
  ExpectConverted("19", itOct, false, 1.0);
  ExpectConverted("101", itBin, true, 5.0);
}

TEST(ConvertNumString, DynamicChoosesTheBaseByItsPrefix) {
  ExpectConverted("$1f", itDynamic, true, 31.0);
  ExpectConverted("%102", itDynamic, false, 2.0);
  ExpectConverted("%101", itDynamic, true, 5.0);
  ExpectConverted("&17", itDynamic, true, 15.0);
  ExpectConverted("12e3", itDynamic, true, 12000.0);
  ExpectConverted("12e", itDynamic, true, 12.0);
  ExpectConverted("$", itDynamic, true, 0.0);
}

TEST(NumIOValueToText, WritesTheFormatsOwnText) {
  EXPECT_EQ(NumIOValueToText(1234.5, itExp, 2, dpsPoint), " 1.23450E+03");
  EXPECT_EQ(NumIOValueToText(1234.5, itDynamic, 2, dpsPoint), " 1.23450E+03");
  EXPECT_EQ(NumIOValueToText(1.5, itFloat, 2, dpsPoint), "1.50000000");
  EXPECT_EQ(NumIOValueToText(1.5, itFixPoint, 3, dpsPoint), "1.500");
  EXPECT_EQ(NumIOValueToText(2.5, itInt, 3, dpsPoint), "2");
  EXPECT_EQ(NumIOValueToText(-1.0, itHex, 3, dpsPoint), "FFFFFFFF");
  EXPECT_EQ(NumIOValueToText(8.0, itOct, 3, dpsPoint), "00000010");
  EXPECT_EQ(NumIOValueToText(5.0, itBin, 3, dpsPoint), "00000101");
}

TEST(NumIOValueToText, ReadsBackInEveryMode) {
  for (TDecPSep sep : {dpsSystem, dpsPoint, dpsComma, dpsBoth})
    for (TInFormat format : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
      // Eight octal or binary digits hold no negative value, so the value is positive.
      const std::string text = NumIOValueToText(12.5, format, 2, sep);
      const double expected = format >= itInt && format != itDynamic ? 12.0 : 12.5;
      EXPECT_EQ(NumIOTextToValue(text, format, sep), expected)
          << text << " format " << int(format) << " sep " << int(sep);
    }
  EXPECT_EQ(NumIOValueToText(1.5, itFixPoint, 2, dpsComma), "1,50");
}

TEST(NumIOTextToValue, ReadsTypedTextAndZeroForTheRest) {
  EXPECT_EQ(NumIOTextToValue("3.", itFloat, dpsPoint), 3.0);
  EXPECT_EQ(NumIOTextToValue("1,5", itFloat, dpsComma), 1.5);
  EXPECT_EQ(NumIOTextToValue("1e", itExp, dpsPoint), 1.0);
  EXPECT_EQ(NumIOTextToValue("abc", itFloat, dpsPoint), 0.0);
  EXPECT_EQ(NumIOTextToValue("", itFloat, dpsPoint), 0.0);
}

TEST(CheckValidity, FixPointNeedsExactlyItsDecimalPlaces) {
  EXPECT_TRUE(CheckValidity("3.14", itFixPoint, dpsBoth, 2));
  EXPECT_FALSE(CheckValidity("3.1", itFixPoint, dpsBoth, 2));
  EXPECT_FALSE(CheckValidity("314", itFixPoint, dpsBoth, 2));
  EXPECT_TRUE(CheckValidity("14", itFixPoint, dpsBoth, 2));  // no separator: position 0
  EXPECT_TRUE(CheckValidity("-.25", itFixPoint, dpsPoint, 2));
  EXPECT_TRUE(CheckValidity("3,14", itFixPoint, dpsComma, 2));
  EXPECT_FALSE(CheckValidity("3.14", itFixPoint, dpsComma, 2));
}

TEST(CheckValidity, DynamicChecksTheRestAfterAPrefix) {
  EXPECT_FALSE(CheckValidity("$", itDynamic, dpsBoth, 2));
  EXPECT_TRUE(CheckValidity("$1a", itDynamic, dpsBoth, 2));
  EXPECT_FALSE(CheckValidity("%102", itDynamic, dpsBoth, 2));
  EXPECT_TRUE(CheckValidity("&17", itDynamic, dpsBoth, 2));
  EXPECT_TRUE(CheckValidity("-2.5e3", itDynamic, dpsBoth, 2));
  EXPECT_FALSE(CheckValidity("", itDynamic, dpsBoth, 2));
}

TEST(CheckValidity, OtherFormatsUseTheirChecks) {
  EXPECT_TRUE(CheckValidity("1.5e3", itExp, dpsPoint, 2));
  EXPECT_FALSE(CheckValidity("1.5e3", itFloat, dpsPoint, 2));
  EXPECT_TRUE(CheckValidity("-", itFloat, dpsPoint, 2));
  EXPECT_FALSE(CheckValidity("A", itInt, dpsPoint, 2));
  EXPECT_TRUE(CheckValidity("1aF", itHex, dpsPoint, 2));
  EXPECT_FALSE(CheckValidity("$1aF", itHex, dpsPoint, 2));
  EXPECT_FALSE(CheckValidity("8", itOct, dpsPoint, 2));
  EXPECT_TRUE(CheckValidity("10", itBin, dpsPoint, 2));
}

TEST(GetNioValue, IntegersOutsideTheRangeReadAsTheLargestInteger) {
  EXPECT_EQ(GetNioValue("99999999999", itInt), 2147483647.0);
  EXPECT_EQ(GetNioValue("-99999999999", itInt), 2147483647.0);
  EXPECT_EQ(GetNioValue("-2147483648", itInt), -2147483648.0);
  EXPECT_EQ(GetNioValue("2147483648", itInt), 2147483647.0);
  EXPECT_EQ(GetNioValue("-", itInt), 0.0);
  EXPECT_EQ(GetNioValue("", itInt), 0.0);
  EXPECT_EQ(GetNioValue("+17", itInt), 17.0);
}

TEST(GetNioValue, DynamicAndBases) {
  EXPECT_EQ(GetNioValue("$FFFFFFFF", itDynamic), -1.0);
  EXPECT_EQ(GetNioValue("%101", itDynamic), 5.0);
  EXPECT_EQ(GetNioValue("&", itDynamic), 0.0);
  EXPECT_EQ(GetNioValue("", itDynamic), 0.0);
  EXPECT_EQ(GetNioValue("-2.5e3", itDynamic), -2500.0);
  EXPECT_EQ(GetNioValue("FFFFFFFF", itHex), -1.0);
  EXPECT_EQ(GetNioValue("777", itOct), 511.0);
  EXPECT_EQ(GetNioValue("110", itBin), 6.0);
}

TEST(GetNioValue, RealsReadPointOrCommaAndAnExponentInEveryRealFormat) {
  EXPECT_EQ(GetNioValue("1,5", itFloat), 1.5);
  EXPECT_EQ(GetNioValue("1.5", itFixPoint), 1.5);
  EXPECT_EQ(GetNioValue("1.5e2", itFloat), 150.0);
  EXPECT_EQ(GetNioValue("-", itFloat), 0.0);
  EXPECT_EQ(GetNioValue("1E", itExp), 1.0);
}

TEST(SetNioValue, WritesTheFormatsOwnText) {
  EXPECT_EQ(SetNioValue(12.5, itExp, 2, 6, dpsBoth), " 1.25000E+01");
  EXPECT_EQ(SetNioValue(12.5, itExp, 2, 3, dpsBoth), " 1.25E+01");
  EXPECT_EQ(SetNioValue(500.0, itFloat, 2, 6, dpsBoth), "500.00");
  EXPECT_EQ(SetNioValue(3.14159, itFixPoint, 3, 6, dpsBoth), "3.142");
  EXPECT_EQ(SetNioValue(2.5, itInt, 2, 6, dpsBoth), "2");
  EXPECT_EQ(SetNioValue(3e10, itDynamic, 2, 6, dpsBoth), "30000000000");
  EXPECT_EQ(SetNioValue(-1.0, itHex, 2, 6, dpsBoth), "FFFFFFFF");
  EXPECT_EQ(SetNioValue(8.0, itOct, 2, 6, dpsBoth), "00000000010");
  EXPECT_EQ(SetNioValue(5.0, itBin, 2, 6, dpsBoth), std::string(29, '0') + "101");
}

TEST(SetNioValue, TextPassesTheCheckAndReadsBackInEveryMode) {
  for (TDecPSep sep : {dpsSystem, dpsPoint, dpsComma, dpsBoth})
    for (TInFormat format : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
      const std::string text = SetNioValue(-12.25, format, 2, 6, sep);
      EXPECT_TRUE(CheckValidity(text, format, sep, 2))
          << text << " format " << int(format) << " sep " << int(sep);
      const double expected = format >= itInt ? -12.0 : -12.25;
      EXPECT_EQ(GetNioValue(text, format), expected) << text << " format " << int(format);
    }
  EXPECT_EQ(SetNioValue(1.5, itFloat, 2, 6, dpsComma), "1,50");
}

TEST(GetNioIntValue, RoundsAndReportsOverflow) {
  EXPECT_EQ(GetNioIntValue("2.5", itFloat, "NumIO2_1"), 2);
  EXPECT_EQ(GetNioIntValue("-3.5", itExp, "NumIO2_1"), -4);
  EXPECT_EQ(GetNioIntValue("-2147483648", itFloat, "NumIO2_1"), INT32_MIN);
  try {
    GetNioIntValue("3e9", itExp, "NumIO2_1");
    FAIL() << "no error raised";
  } catch (const EZorvNumIO2Error& e) {
    EXPECT_STREQ(e.what(), "Component \"NumIO2_1\": integer overflow");
  }
  EXPECT_THROW(GetNioIntValue("-2147483649", itFloat, "N"), EZorvError);
  EXPECT_THROW(GetNioIntValue("2147483647.5", itFloat, "N"), EZorvNumIO2Error);
}

TEST(OutOfRange, ComparesTheValueWithBothLimits) {
  EXPECT_FALSE(OutOfRange("500", itFloat, 0.0, 1000.0));
  EXPECT_FALSE(OutOfRange("1000", itFloat, 0.0, 1000.0));
  EXPECT_TRUE(OutOfRange("1000.01", itFloat, 0.0, 1000.0));
  EXPECT_TRUE(OutOfRange("-1", itInt, 0.0, 1000.0));
  EXPECT_FALSE(OutOfRange("", itFloat, 0.0, 1000.0));
}

TEST(ChangeDecPlaceSep, ConvertsTheBufferToTheNewSeparator) {
  EXPECT_EQ(ChangeDecPlaceSep("1.5", dpsPoint, dpsComma), "1,5");
  EXPECT_EQ(ChangeDecPlaceSep("1,5", dpsComma, dpsPoint), "1.5");
  EXPECT_EQ(ChangeDecPlaceSep("1,5.2", dpsBoth, dpsComma), "1,5,2");
  EXPECT_EQ(ChangeDecPlaceSep("1,5.2", dpsBoth, dpsPoint), "1.5.2");
  EXPECT_EQ(ChangeDecPlaceSep("1,5", dpsPoint, dpsBoth), "1,5");
  EXPECT_EQ(ChangeDecPlaceSep("1.5", dpsPoint, dpsPoint), "1.5");
  EXPECT_EQ(ChangeDecPlaceSep("1,5", dpsPoint, dpsComma), "1,5");
  EXPECT_EQ(ChangeDecPlaceSep("1.5", dpsPoint, dpsSystem), "1.5");
}

TEST(ChangeDecPlaceSep, SystemModeUsesTheSystemSeparator) {
  SystemSeparator comma(',');
  EXPECT_EQ(ChangeDecPlaceSep("1.5", dpsPoint, dpsSystem), "1,5");
  EXPECT_EQ(ChangeDecPlaceSep("1,5", dpsSystem, dpsPoint), "1.5");
  EXPECT_EQ(ChangeDecPlaceSep("1.5", dpsBoth, dpsSystem), "1,5");
  EXPECT_EQ(ChangeDecPlaceSep("1,5", dpsSystem, dpsComma), "1,5");
}
