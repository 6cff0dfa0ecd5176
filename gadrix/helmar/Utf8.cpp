#include "gadrix/helmar/Utf8.h"

namespace gadrix {

namespace {

constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool IsContinuation(unsigned char B) { return (B & 0xC0) == 0x80; }

bool IsSurrogate(char32_t Cp) { return Cp >= 0xD800 && Cp <= 0xDFFF; }

// Sequence length announced by a lead byte and the payload bits it carries; 0 for a byte that
// cannot lead (a continuation byte, or 0xF8 and above).
std::size_t AnnouncedLength(unsigned char Lead, char32_t& Bits) {
  if (Lead < 0x80) {
    Bits = Lead;
    return 1;
  }
  if ((Lead & 0xE0) == 0xC0) {
    Bits = Lead & 0x1F;
    return 2;
  }
  if ((Lead & 0xF0) == 0xE0) {
    Bits = Lead & 0x0F;
    return 3;
  }
  if ((Lead & 0xF8) == 0xF0) {
    Bits = Lead & 0x07;
    return 4;
  }
  return 0;
}

// Smallest code point that needs a sequence of the given length; longer forms are overlong.
char32_t ShortestFormMinimum(std::size_t Length) {
  switch (Length) {
    case 2: return 0x80;
    case 3: return 0x800;
    default: return 0x10000;
  }
}

}  // namespace

std::size_t Utf8CharLength(std::string_view S, std::size_t Pos, char32_t* Cp) {
  if (Pos >= S.size()) return 0;
  char32_t cp = 0;
  const std::size_t len = AnnouncedLength(static_cast<unsigned char>(S[Pos]), cp);
  bool ok = len != 0 && Pos + len <= S.size();
  for (std::size_t k = 1; ok && k < len; ++k) {
    const auto b = static_cast<unsigned char>(S[Pos + k]);
    ok = IsContinuation(b);
    cp = (cp << 6) | (b & 0x3F);
  }
  if (ok && len > 1) ok = cp >= ShortestFormMinimum(len) && cp <= kMaxCodePoint && !IsSurrogate(cp);
  if (Cp) *Cp = ok ? cp : kInvalidUtf8;
  return ok ? len : 1;
}

std::size_t Utf8Length(std::string_view S) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < S.size(); pos += Utf8CharLength(S, pos)) ++count;
  return count;
}

std::size_t Utf8Offset(std::string_view S, std::size_t Index) {
  std::size_t pos = 0;
  for (; Index > 0 && pos < S.size(); --Index) pos += Utf8CharLength(S, pos);
  return pos;
}

std::string_view Utf8Left(std::string_view S, std::size_t N) {
  // Each character takes at least one byte, so a text of at most N bytes is already short enough.
  if (S.size() <= N) return S;
  return S.substr(0, Utf8Offset(S, N));
}

std::string Utf8Encode(char32_t Cp) {
  std::string out;
  if (Cp > kMaxCodePoint || IsSurrogate(Cp)) return out;
  if (Cp < 0x80) {
    out += static_cast<char>(Cp);
  } else if (Cp < 0x800) {
    out += static_cast<char>(0xC0 | (Cp >> 6));
    out += static_cast<char>(0x80 | (Cp & 0x3F));
  } else if (Cp < 0x10000) {
    out += static_cast<char>(0xE0 | (Cp >> 12));
    out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (Cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (Cp >> 18));
    out += static_cast<char>(0x80 | ((Cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (Cp & 0x3F));
  }
  return out;
}

}  // namespace gadrix
