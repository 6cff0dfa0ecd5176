#include "gadrix/platform/graphics/Utf8Decoder.h"

namespace gadrix::detail {
namespace {

constexpr unsigned char kContinuationMin = 0x80;
constexpr unsigned char kContinuationMax = 0xBF;
constexpr unsigned char kContinuationPayload = 0x3F;
constexpr int kContinuationBits = 6;

// The shape of a sequence as its lead byte announces it; Continuations == 0 marks a byte that
// cannot start a sequence. The second byte has a narrower range after E0, ED, F0 and F4: that is
// what excludes overlong forms, surrogates and values past U+10FFFF.
struct TLead {
  int Continuations = 0;
  char32_t Payload = 0;
  unsigned char SecondMin = kContinuationMin;
  unsigned char SecondMax = kContinuationMax;
};

TLead ClassifyLead(unsigned char B) {
  if (B >= 0xC2 && B <= 0xDF) return {1, char32_t(B & 0x1F)};
  if (B == 0xE0) return {2, char32_t(B & 0x0F), 0xA0, kContinuationMax};
  if (B == 0xED) return {2, char32_t(B & 0x0F), kContinuationMin, 0x9F};
  if (B >= 0xE1 && B <= 0xEF) return {2, char32_t(B & 0x0F)};
  if (B == 0xF0) return {3, char32_t(B & 0x07), 0x90, kContinuationMax};
  if (B == 0xF4) return {3, char32_t(B & 0x07), kContinuationMin, 0x8F};
  if (B >= 0xF1 && B <= 0xF3) return {3, char32_t(B & 0x07)};
  return {};
}

}  // namespace

char32_t DecodeUtf8(std::string_view Text, std::size_t& Pos) {
  const auto lead = static_cast<unsigned char>(Text[Pos++]);
  if (lead < kContinuationMin) return lead;
  const TLead shape = ClassifyLead(lead);
  if (shape.Continuations == 0) return kReplacementCharacter;

  char32_t code = shape.Payload;
  unsigned char min = shape.SecondMin;
  unsigned char max = shape.SecondMax;
  for (int i = 0; i < shape.Continuations; ++i) {
    if (Pos >= Text.size()) return kReplacementCharacter;
    const auto b = static_cast<unsigned char>(Text[Pos]);
    if (b < min || b > max) return kReplacementCharacter;
    code = (code << kContinuationBits) | (b & kContinuationPayload);
    ++Pos;
    min = kContinuationMin;
    max = kContinuationMax;
  }
  return code;
}

}  // namespace gadrix::detail
