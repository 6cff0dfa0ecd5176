#include <gtest/gtest.h>

#include <set>

#include "gadrix/helmar/Strings.h"
#include "gadrix/helmar/Utf8.h"

using namespace gadrix;

TEST(Utf8, CountsWellFormedSequencesAsOneAndStrayBytesAsOne) {
  EXPECT_EQ(Utf8Length("Mär€𝄞"), 5u);
  // A lone continuation byte, a truncated sequence, an overlong "/" and a surrogate.
  EXPECT_EQ(Utf8Length("\x80"), 1u);
  EXPECT_EQ(Utf8Length("\xE2\x82"), 2u);
  EXPECT_EQ(Utf8Length("\xC0\xAF"), 2u);
  EXPECT_EQ(Utf8Length("\xED\xA0\x80"), 3u);
  EXPECT_EQ(Utf8Left("äöü", 2), "äö");
  EXPECT_EQ(Utf8Left("ab", 5), "ab");
  EXPECT_EQ(Utf8Encode(0xD800), "");
  EXPECT_EQ(Utf8Encode(0x110000), "");
  EXPECT_EQ(Utf8Encode(U'€'), "€");
}

TEST(NumberedPos, FindsTheNthOccurrenceFromStartCountingCharacters) {
  EXPECT_EQ(NumberedPos("ab", "xabyabzab", 1, 1, false), 2);
  EXPECT_EQ(NumberedPos("ab", "xabyabzab", 1, 3, false), 8);
  EXPECT_EQ(NumberedPos("ab", "xabyabzab", 3, 1, false), 5);
  EXPECT_EQ(NumberedPos("ab", "xabyabzab", 1, 4, false), 0);
  EXPECT_EQ(NumberedPos("aa", "aaaa", 1, 3, false), 3);  // occurrences overlap
  // Positions count characters, not bytes.
  EXPECT_EQ(NumberedPos("b", "äöb", 1, 1, false), 3);
  EXPECT_EQ(NumberedPos("b", "äöbb", 4, 1, false), 4);
}

TEST(NumberedPos, IgnoresCaseOfAToZOnlyAndRefusesNonsense) {
  EXPECT_EQ(NumberedPos("AB", "xaby", 1, 1, true), 2);
  EXPECT_EQ(NumberedPos("AB", "xaby", 1, 1, false), 0);
  EXPECT_EQ(NumberedPos("Ä", "ä", 1, 1, true), 0);
  EXPECT_EQ(NumberedPos("", "abc", 1, 1, false), 0);
  EXPECT_EQ(NumberedPos("a", "abc", 1, 0, false), 0);
  EXPECT_EQ(NumberedPos("a", "abc", -5, 1, false), 1);
  EXPECT_EQ(NumberedPos("a", "abc", 99, 1, false), 0);
  // A stray continuation byte never matches inside a well-formed character.
  EXPECT_EQ(NumberedPos("\xA4", "ä", 1, 1, false), 0);
}

TEST(StringHelpers, ReplaceAndPadAndCut) {
  EXPECT_EQ(ReplaceCharInString("a/b/c", '/', '\\'), "a\\b\\c");
  EXPECT_EQ(ReplaceCharInString("größe", U'ö', 'o'), "große");
  EXPECT_EQ(ReplaceCharInString("abc", 'b', 0xD800), "abc");
  EXPECT_EQ(LeftString("ab", 4), "ab  ");
  EXPECT_EQ(LeftString("äb", 3), "äb ");
  EXPECT_EQ(LeftString("abcdef", 3), "abc");
  EXPECT_EQ(LeftString("abc", 0), "");
  EXPECT_EQ(LeftString("abc", -2), "");
}

TEST(StringHelpers, TrailingAndLeadingCharacters) {
  EXPECT_EQ(EnsureTrailingChar('/', "a"), "a/");
  EXPECT_EQ(EnsureTrailingChar('/', "a/"), "a/");
  EXPECT_EQ(EnsureTrailingChar('/', ""), "/");
  EXPECT_EQ(EnsureTrailingBkSlash("C:\\data"), "C:\\data\\");
  EXPECT_EQ(EnsureTrailingBkSlash("C:\\data\\"), "C:\\data\\");
  EXPECT_EQ(StripLeadingChars('\\', "\\\\a\\b\\"), "a\\b\\");
  EXPECT_EQ(StripTrailingChars('\\', "\\a\\b\\\\"), "\\a\\b");
  EXPECT_EQ(StripLeadingChars('x', "xxx"), "");
  EXPECT_EQ(StripTrailingChars(U'ä', "aää"), "a");
  EXPECT_EQ(RemoveControlChars(std::string("a\tb\r\nc\x7F\0d", 9)), "abcd");
  EXPECT_EQ(RemoveControlChars("grün"), "grün");
}

TEST(Tokenize, SkipsEmptyPiecesAndCountsTokens) {
  std::vector<std::string> tokens{"stale"};
  EXPECT_EQ(Tokenize("\\a\\\\b\\", "\\", tokens), 2);
  EXPECT_EQ(tokens, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Tokenize("a;b,c", ";,", tokens), 3);
  EXPECT_EQ(tokens, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(Tokenize("x→y→", "→", tokens), 2);
  EXPECT_EQ(tokens, (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(Tokenize("", ";", tokens), 0);
  EXPECT_TRUE(tokens.empty());
  EXPECT_EQ(Tokenize("abc", "", tokens), 1);
  EXPECT_EQ(tokens, (std::vector<std::string>{"abc"}));
}

TEST(Strff, FormatsFixedPointRightAligned) {
  EXPECT_EQ(strff(3.14159, 8, 2), "    3.14");
  EXPECT_EQ(strff(12.0, 1, 0), "12");
  EXPECT_EQ(strff(12.0, 1, 3), "12.000");
  EXPECT_EQ(strff(-2.5, 6, 1), "  -2.5");
  EXPECT_EQ(strff(123456.0, 2, 0), "123456");  // never cut
  EXPECT_EQ(strff(-0.001, 1, 2), "0.00");
  EXPECT_EQ(strff(-0.0, 1, 0), "0");
  EXPECT_EQ(strff(0.125, 1, 2), "0.12");  // exact binary value, ties to even digit
  EXPECT_EQ(strff(1.0, 1, -3), "1");
  EXPECT_EQ(strff(1.0, -4, 0), "1");
}

TEST(Strff, SurvivesExtremeArguments) {
  EXPECT_EQ(strff(std::numeric_limits<double>::quiet_NaN(), 5, 2), "  NaN");
  EXPECT_EQ(strff(std::numeric_limits<double>::infinity(), 1, 2), "Inf");
  EXPECT_EQ(strff(-std::numeric_limits<double>::infinity(), 1, 2), "-Inf");
  EXPECT_EQ(strff(1.0, 1, 1000).size(), 2u + kMaxStrffDecimals);
  EXPECT_EQ(strff(1.0, 100000, 0).size(), static_cast<std::size_t>(kMaxStrffWidth));
  const std::string huge = strff(-std::numeric_limits<double>::max(), 1, kMaxStrffDecimals);
  EXPECT_EQ(huge.substr(0, 4), "-179");
  EXPECT_EQ(huge.size(), 1u + 309u + 1u + kMaxStrffDecimals);
}

TEST(InventPassword, GivesNUnambiguousCharactersThatVary) {
  const std::string password = InventPassword(12);
  ASSERT_EQ(password.size(), 12u);
  EXPECT_EQ(password.find_first_of("0Oo1lI"), std::string::npos);
  for (const char c : password) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)));
  std::set<std::string> seen;
  for (int k = 0; k < 20; ++k) seen.insert(InventPassword(12));
  EXPECT_GT(seen.size(), 15u);
  EXPECT_EQ(InventPassword(0), "");
  EXPECT_EQ(InventPassword(-3), "");
  EXPECT_EQ(InventPassword(1'000'000).size(), static_cast<std::size_t>(kMaxPasswordLength));
}
