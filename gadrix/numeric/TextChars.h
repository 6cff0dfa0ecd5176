#pragma once
// How the number routines count characters in UTF-8 text. Internal to the numeric module.
//
// A position is the 1-based index of a character. A character is one complete UTF-8 sequence: a
// lead byte followed by every continuation byte it announces. A byte that starts no complete
// sequence (a stray continuation byte, a lead byte whose sequence is cut short or broken, a byte
// 0xF8 to 0xFF) is a character of its own. So any byte string has one character count, no
// position ever falls inside a sequence, and in ASCII text a position is the byte index plus one.
// The number routines read only ASCII characters; any other character is simply "other".

#include <cstddef>
#include <string_view>

namespace gadrix::textchars {

// Bytes of the sequence that a lead byte announces; 1 for ASCII and for bytes that lead nothing.
constexpr std::size_t SequenceLength(unsigned char Lead) {
  if (Lead < 0x80) return 1;
  if ((Lead & 0xE0) == 0xC0) return 2;  // 110xxxxx
  if ((Lead & 0xF0) == 0xE0) return 3;  // 1110xxxx
  if ((Lead & 0xF8) == 0xF0) return 4;  // 11110xxx
  return 1;
}

constexpr bool IsContinuation(unsigned char Byte) { return (Byte & 0xC0) == 0x80; }  // 10xxxxxx

// Byte index just past the character that starts at byte Index (Index < Text.size()).
constexpr std::size_t CharEnd(std::string_view Text, std::size_t Index) {
  const std::size_t length = SequenceLength(static_cast<unsigned char>(Text[Index]));
  if (length == 1 || length > Text.size() - Index) return Index + 1;
  for (std::size_t k = 1; k < length; ++k)
    if (!IsContinuation(static_cast<unsigned char>(Text[Index + k]))) return Index + 1;
  return Index + length;
}

// Number of characters of Text.
constexpr int CharCount(std::string_view Text) {
  int count = 0;
  for (std::size_t i = 0; i < Text.size(); i = CharEnd(Text, i)) ++count;
  return count;
}

// Limits Pos to 1..CharCount(Text) + 1 and returns the byte index of the character at Pos
// (Text.size() when Pos is past the last character). One pass over the text up to Pos.
constexpr std::size_t SeekPosition(std::string_view Text, int& Pos) {
  std::size_t index = 0;
  int at = 1;
  while (at < Pos && index < Text.size()) {
    index = CharEnd(Text, index);
    ++at;
  }
  Pos = at;
  return index;
}

}  // namespace gadrix::textchars
