#pragma once
// Counting and cutting UTF-8 text by characters.
//
// A character is one well-formed UTF-8 sequence (shortest form, no surrogates, at most U+10FFFF).
// A byte that does not begin a well-formed sequence counts as one character of its own, so text
// that is not valid UTF-8 is still counted, cut and stored byte for byte without being altered,
// and no count ever exceeds the number of bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace gadrix {

// Stands for a byte that does not begin a well-formed sequence; never equal to a real code point.
constexpr char32_t kInvalidUtf8 = 0xFFFFFFFF;

// Length in bytes (1 to 4) of the character that starts at byte Pos of S; 0 at or after the end.
// When Cp is given it receives the code point, or kInvalidUtf8 for a stray byte.
std::size_t Utf8CharLength(std::string_view S, std::size_t Pos, char32_t* Cp = nullptr);

// Number of characters in S.
std::size_t Utf8Length(std::string_view S);

// Byte offset of the character with 0-based index Index; S.size() when S has fewer characters.
std::size_t Utf8Offset(std::string_view S, std::size_t Index);

// The first N characters of S (all of S when it is shorter); never splits a character.
std::string_view Utf8Left(std::string_view S, std::size_t N);

// The UTF-8 bytes of a code point; empty for a value that is not a code point (a surrogate,
// above U+10FFFF, kInvalidUtf8).
std::string Utf8Encode(char32_t Cp);

}  // namespace gadrix
