#pragma once
// Decoding UTF-8 text one code point at a time, for the text engine.

#include <cstddef>
#include <string_view>

namespace gadrix::detail {

// What a byte sequence that is not well-formed UTF-8 decodes to.
inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// Decodes the code point that starts at Text[Pos] and moves Pos past it; Pos must be below
// Text.size(). Never reads past the end of Text. A sequence that is not well-formed UTF-8
// (a stray continuation byte, a truncated sequence, an overlong form, a surrogate, a value past
// U+10FFFF) yields U+FFFD, and Pos moves past its maximal well-formed prefix, at least one byte:
// "\xE2\x82" followed by "A" gives U+FFFD then 'A', and "\xC0\xAF" gives U+FFFD twice.
char32_t DecodeUtf8(std::string_view Text, std::size_t& Pos);

}  // namespace gadrix::detail
