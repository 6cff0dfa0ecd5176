// The syntax checks of the input formats.

#include <gtest/gtest.h>

#include "SystemSeparator.h"
#include "gadrix/numeric/NumText.h"

using namespace gadrix;

TEST(IsValidRealText, AcceptsWhereTheScanAcceptsWithoutLookingFurther) {
  EXPECT_TRUE(IsValidRealText("1.5A", true, dpsPoint));
  EXPECT_TRUE(IsValidRealText("12 3", true, dpsPoint));
  EXPECT_TRUE(IsValidRealText(" -1.5e+3", true, dpsPoint));
  EXPECT_TRUE(IsValidRealText("1E", true, dpsPoint));
  EXPECT_TRUE(IsValidRealText("1e-", true, dpsPoint));
  EXPECT_TRUE(IsValidRealText(".", true, dpsPoint));
  EXPECT_FALSE(IsValidRealText("", true, dpsPoint));
  EXPECT_FALSE(IsValidRealText("-", true, dpsPoint));
  EXPECT_FALSE(IsValidRealText("+", true, dpsPoint));
  EXPECT_FALSE(IsValidRealText("A1", true, dpsPoint));
  EXPECT_FALSE(IsValidRealText("1.5.2", true, dpsPoint));
  EXPECT_FALSE(IsValidRealText("1e.", true, dpsPoint));
}

TEST(IsValidRealText, RejectsExponentsPastTheLimit) {
  EXPECT_TRUE(IsValidRealText("1e4200", true, dpsPoint));
  EXPECT_TRUE(IsValidRealText("1e-0004200", true, dpsPoint));
  EXPECT_FALSE(IsValidRealText("1e4201", true, dpsPoint));
  EXPECT_FALSE(IsValidRealText("1e-99999", true, dpsPoint));
  // Without an exponent the "e" simply ends the number.
  EXPECT_TRUE(IsValidRealText("1e4201", false, dpsPoint));
}

TEST(IsValidRealText, SeparatorFollowsTheMode) {
  EXPECT_TRUE(IsValidRealText("1,5", true, dpsComma));
  EXPECT_FALSE(IsValidRealText(",5", true, dpsPoint));
  EXPECT_TRUE(IsValidRealText(",5", true, dpsBoth));
  SystemSeparator other('\'');
  EXPECT_TRUE(IsValidRealText(",5", true, dpsSystem));  // anything but "." resolves to comma
  EXPECT_FALSE(IsValidRealText(".5", true, dpsSystem));
}

TEST(IsValidFixedText, AcceptsSignDigitsAndOneSeparator) {
  for (const char* text : {"+", "-", ".", "-.5", "5.", "+.", "123", "+1.25", "007"})
    EXPECT_TRUE(IsValidFixedText(text, dpsPoint)) << text;
  for (const char* text : {"", "1.2.3", "1e3", "1 2", " 1", "1-", "--1", "1..", "\xE2\x82\xAC"})
    EXPECT_FALSE(IsValidFixedText(text, dpsPoint)) << text;
}

TEST(IsValidFixedText, SeparatorFollowsTheMode) {
  EXPECT_FALSE(IsValidFixedText("1,5", dpsPoint));
  EXPECT_TRUE(IsValidFixedText("1,5", dpsComma));
  EXPECT_FALSE(IsValidFixedText("1.5", dpsComma));
  EXPECT_TRUE(IsValidFixedText("1,5", dpsBoth));
  EXPECT_FALSE(IsValidFixedText("1,5.2", dpsBoth));
  {
    SystemSeparator comma(',');
    EXPECT_TRUE(IsValidFixedText("1,5", dpsSystem));
    EXPECT_FALSE(IsValidFixedText("1.5", dpsSystem));
  }
  EXPECT_TRUE(IsValidFixedText("1.5", dpsSystem));
}

TEST(IsValidIntText, OneSignThenDigits) {
  for (const char* text : {"0", "7", "-12", "+12", "12", "0042"}) EXPECT_TRUE(IsValidIntText(text)) << text;
  for (const char* text : {"", "+", "-", "1-", "1.0", " 1", "--1", "a"})
    EXPECT_FALSE(IsValidIntText(text)) << text;
}

TEST(DigitChecks, EveryCharacterMustBeADigitOfTheBase) {
  EXPECT_TRUE(IsValidHexText("09afAF"));
  EXPECT_FALSE(IsValidHexText(""));
  EXPECT_FALSE(IsValidHexText("$1F"));
  EXPECT_FALSE(IsValidHexText("1G"));
  EXPECT_TRUE(IsValidOctText("01234567"));
  EXPECT_FALSE(IsValidOctText("8"));
  EXPECT_FALSE(IsValidOctText(""));
  EXPECT_TRUE(IsValidBinText("0110"));
  EXPECT_FALSE(IsValidBinText("102"));
  EXPECT_FALSE(IsValidBinText(""));
  EXPECT_FALSE(IsValidBinText("1 0"));
}
