#pragma once
// Text helpers of the base library.
//
// Texts are UTF-8. Positions and lengths count characters (code points, see Utf8.h) and start at
// 1; a cut never splits a character. Case folding touches only the letters a to z, so "ä" and "Ä"
// stay different. A character argument that is not a code point (a surrogate, above U+10FFFF)
// matches nothing and adds nothing.

#include <string>
#include <vector>

namespace gadrix {

// Position of the N-th occurrence of Sub in S that starts at or after position Start; 0 when
// there is none, when Sub is empty or when N < 1. Start below 1 counts as 1. Occurrences may
// overlap: "aa" occurs in "aaaa" at 1, 2 and 3. With IgnoreCase the letters a to z match their
// capitals.
int NumberedPos(const std::string& Sub, const std::string& S, int Start, int N, bool IgnoreCase);

// S with every character Old replaced by New.
std::string ReplaceCharInString(const std::string& S, char32_t Old, char32_t New);

// S left-aligned in a field of N characters: padded with blanks on the right, or cut to its first
// N characters when longer. Empty for N < 1.
std::string LeftString(const std::string& S, int N);

// S with Ch appended unless S already ends with Ch; an empty S gives Ch alone.
std::string EnsureTrailingChar(char32_t Ch, const std::string& S);

// S with a backslash appended unless it already ends with one.
std::string EnsureTrailingBkSlash(const std::string& S);

// S without the run of Ch at its start, or at its end.
std::string StripLeadingChars(char32_t Ch, const std::string& S);
std::string StripTrailingChars(char32_t Ch, const std::string& S);

// S without the control characters U+0000 to U+001F and U+007F.
std::string RemoveControlChars(const std::string& S);

// Splits S at every character that occurs in Delimiters and returns the number of tokens. Tokens
// is emptied first and receives the non-empty pieces in order: runs of delimiters and delimiters
// at either end produce no empty tokens ("\a\\b\" by "\" gives "a" and "b").
int Tokenize(const std::string& S, const std::string& Delimiters,
             std::vector<std::string>& Tokens);

// X in fixed-point notation with Decimals digits after a point, right-aligned in a field of Width
// characters (longer results are not cut). Decimals is limited to 0..kMaxStrffDecimals, Width to
// 0..kMaxStrffWidth. The text never depends on the locale and never reads "-0": strff(-0.001, 1,
// 2) is "0.00". Not-a-number reads "NaN", infinities "Inf" and "-Inf".
constexpr int kMaxStrffDecimals = 30;
constexpr int kMaxStrffWidth = 255;
std::string strff(double X, int Width, int Decimals);

// A random text of N characters (N limited to 0..kMaxPasswordLength) drawn from the letters and
// digits that cannot be mistaken for one another (no 0, O, o, 1, l, I), from the system's random
// source.
constexpr int kMaxPasswordLength = 255;
std::string InventPassword(int N);

}  // namespace gadrix
