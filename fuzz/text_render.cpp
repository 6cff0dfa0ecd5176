// Fuzzes the text engine with arbitrary bytes as UTF-8 text and arbitrary font settings: no
// crash, no read past the text, a mask whose size matches its coverage, and a width that agrees
// with the mask of an upright text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gadrix/platform/graphics/TextEngine.h"
#include "gadrix/platform/graphics/Utf8Decoder.h"

namespace {

// The first bytes choose the font; the rest is the text, kept short so that runs stay quick.
constexpr std::size_t kSettingBytes = 4;
constexpr std::size_t kMaxTextBytes = 256;
constexpr int kMaxFuzzedPixelSize = 40;

void Check(bool Condition) {
  if (!Condition) __builtin_trap();
}

gadrix::TFontSpec FontFrom(const std::uint8_t* Settings) {
  gadrix::TFontSpec font;
  font.Name = (Settings[0] & 1) != 0 ? "Arial" : "Tahoma";
  font.Antialiased = (Settings[0] & 2) != 0;
  font.Bold = (Settings[0] & 4) != 0;
  font.Italic = (Settings[0] & 8) != 0;
  font.Underline = (Settings[0] & 16) != 0;
  font.StrikeOut = (Settings[0] & 32) != 0;
  font.PixelSize = 1 + Settings[1] % kMaxFuzzedPixelSize;
  font.Orientation = (Settings[2] << 8 | Settings[3]) - 0x8000;
  return font;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < kSettingBytes) return 0;
  const gadrix::TFontSpec font = FontFrom(Data);
  const std::string_view text(reinterpret_cast<const char*>(Data + kSettingBytes),
                              std::min(Size - kSettingBytes, kMaxTextBytes));

  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t before = pos;
    const char32_t code = gadrix::detail::DecodeUtf8(text, pos);
    Check(pos > before && pos <= text.size());
    Check(code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF));
  }

  auto& engine = gadrix::TTextEngine::Instance();
  const int width = engine.TextWidth(font, text);
  const gadrix::TTextMask mask = engine.Render(font, text);
  Check(width >= 0);
  Check(mask.Width >= 0 && mask.Height >= 0);
  Check(mask.Coverage.size() == std::size_t(mask.Width) * std::size_t(mask.Height));
  if (!font.Antialiased)
    for (const std::uint8_t value : mask.Coverage) Check(value == 0 || value == 255);
  if (font.Orientation % 3600 == 0 && font.Underline && width > 0)
    Check(mask.Left <= 0 && mask.Left + mask.Width >= width);
  return 0;
}
