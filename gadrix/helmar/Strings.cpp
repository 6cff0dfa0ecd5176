#include "gadrix/helmar/Strings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string_view>

#include "gadrix/helmar/Utf8.h"

namespace gadrix {

namespace {

char FoldAscii(char C) { return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C; }

bool MatchesAt(std::string_view S, std::size_t Pos, std::string_view Sub, bool IgnoreCase) {
  if (Pos + Sub.size() > S.size()) return false;
  for (std::size_t k = 0; k < Sub.size(); ++k) {
    const char a = S[Pos + k];
    const char b = Sub[k];
    if (IgnoreCase ? FoldAscii(a) != FoldAscii(b) : a != b) return false;
  }
  return true;
}

// Calls Visit(Cp, Bytes) for each character of S in order.
template <class Visitor>
void ForEachChar(std::string_view S, Visitor Visit) {
  for (std::size_t pos = 0; pos < S.size();) {
    char32_t cp = 0;
    const std::size_t len = Utf8CharLength(S, pos, &cp);
    Visit(cp, S.substr(pos, len));
    pos += len;
  }
}

// Byte offset after the leading run of the encoded character Enc in S.
std::size_t LeadingRunEnd(std::string_view S, std::string_view Enc) {
  std::size_t pos = 0;
  if (Enc.empty()) return pos;
  while (S.substr(pos, Enc.size()) == Enc) pos += Enc.size();
  return pos;
}

// Byte offset where the trailing run of Enc in S begins. Enc is a well-formed character, and its
// first byte can never stand inside another character, so every match is a whole character.
std::size_t TrailingRunStart(std::string_view S, std::string_view Enc) {
  std::size_t end = S.size();
  if (Enc.empty()) return end;
  while (end >= Enc.size() && S.substr(end - Enc.size(), Enc.size()) == Enc) end -= Enc.size();
  return end;
}

std::string NonFiniteText(double X) {
  if (std::isnan(X)) return "NaN";
  return X < 0 ? "-Inf" : "Inf";
}

// Drops the sign of a result that shows no non-zero digit ("-0.00" becomes "0.00").
void DropSignOfZero(std::string& Text) {
  if (!Text.empty() && Text.front() == '-' &&
      Text.find_first_of("123456789") == std::string::npos)
    Text.erase(0, 1);
}

constexpr std::string_view kPasswordAlphabet =
    "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnpqrstuvwxyz23456789";

}  // namespace

int NumberedPos(const std::string& Sub, const std::string& S, int Start, int N, bool IgnoreCase) {
  if (Sub.empty() || N < 1) return 0;
  const std::size_t startIndex = Start < 1 ? 0 : static_cast<std::size_t>(Start) - 1;
  std::size_t pos = Utf8Offset(S, startIndex);
  int position = static_cast<int>(startIndex) + 1;
  for (; pos < S.size(); pos += Utf8CharLength(S, pos), ++position) {
    if (MatchesAt(S, pos, Sub, IgnoreCase) && --N == 0) return position;
  }
  return 0;
}

std::string ReplaceCharInString(const std::string& S, char32_t Old, char32_t New) {
  const std::string replacement = Utf8Encode(New);
  if (Utf8Encode(Old).empty() || replacement.empty()) return S;
  std::string out;
  out.reserve(S.size());
  ForEachChar(S, [&](char32_t Cp, std::string_view Bytes) {
    out += Cp == Old ? std::string_view(replacement) : Bytes;
  });
  return out;
}

std::string LeftString(const std::string& S, int N) {
  if (N < 1) return {};
  std::string out(Utf8Left(S, static_cast<std::size_t>(N)));
  const std::size_t length = Utf8Length(out);
  out.append(static_cast<std::size_t>(N) - length, ' ');
  return out;
}

std::string EnsureTrailingChar(char32_t Ch, const std::string& S) {
  const std::string enc = Utf8Encode(Ch);
  if (TrailingRunStart(S, enc) < S.size()) return S;
  return S + enc;
}

std::string EnsureTrailingBkSlash(const std::string& S) { return EnsureTrailingChar(U'\\', S); }

std::string StripLeadingChars(char32_t Ch, const std::string& S) {
  return S.substr(LeadingRunEnd(S, Utf8Encode(Ch)));
}

std::string StripTrailingChars(char32_t Ch, const std::string& S) {
  return S.substr(0, TrailingRunStart(S, Utf8Encode(Ch)));
}

std::string RemoveControlChars(const std::string& S) {
  std::string out;
  out.reserve(S.size());
  for (const char c : S) {
    const auto b = static_cast<unsigned char>(c);
    // Bytes below 0x80 are whole characters in UTF-8, so dropping them never splits one.
    if (b >= 0x20 && b != 0x7F) out += c;
  }
  return out;
}

int Tokenize(const std::string& S, const std::string& Delimiters,
             std::vector<std::string>& Tokens) {
  Tokens.clear();
  std::vector<char32_t> delimiters;
  ForEachChar(Delimiters, [&](char32_t Cp, std::string_view) {
    if (Cp != kInvalidUtf8) delimiters.push_back(Cp);
  });
  std::string token;
  ForEachChar(S, [&](char32_t Cp, std::string_view Bytes) {
    if (std::find(delimiters.begin(), delimiters.end(), Cp) == delimiters.end()) {
      token += Bytes;
    } else if (!token.empty()) {
      Tokens.push_back(std::move(token));
      token.clear();
    }
  });
  if (!token.empty()) Tokens.push_back(std::move(token));
  return static_cast<int>(Tokens.size());
}

std::string strff(double X, int Width, int Decimals) {
  std::string text;
  if (!std::isfinite(X)) {
    text = NonFiniteText(X);
  } else {
    // The largest double has 309 integer digits; with sign, point and decimals this fits.
    std::array<char, 320 + kMaxStrffDecimals> buffer{};
    const int decimals = std::clamp(Decimals, 0, kMaxStrffDecimals);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), X,
                                      std::chars_format::fixed, decimals);
    if (result.ec == std::errc{}) text.assign(buffer.data(), result.ptr);
    DropSignOfZero(text);
  }
  const auto width = static_cast<std::size_t>(std::clamp(Width, 0, kMaxStrffWidth));
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string InventPassword(int N) {
  const int length = std::clamp(N, 0, kMaxPasswordLength);
  std::random_device source;
  std::uniform_int_distribution<std::size_t> pick(0, kPasswordAlphabet.size() - 1);
  std::string out;
  out.reserve(static_cast<std::size_t>(length));
  for (int k = 0; k < length; ++k) out += kPasswordAlphabet[pick(source)];
  return out;
}

}  // namespace gadrix
