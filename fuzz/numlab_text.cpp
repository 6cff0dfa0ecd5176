// Arbitrary values, display settings and date patterns into the numeric label's text. Nothing may
// crash; every numeric format must give a non-empty text of plain ASCII (degree sign aside), and a
// date pattern may only ever be copied or expanded, never read past its end.
//
// Input layout: 8 bytes of a double, 1 byte display type, 1 byte precision, 1 byte of flags, the
// rest the date pattern (also the state text).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gadrix/numeric/NumLabText.h"
#include "gadrix/platform/core/DateTime.h"
#include "gadrix/platform/core/Exception.h"

namespace {

using namespace gadrix;

constexpr std::size_t kHeaderSize = sizeof(double) + 3;

void Require(bool Condition) {
  if (!Condition) std::abort();
}

bool PlainText(const std::string& Text) {
  const std::string degree = "\u00B0";
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text.compare(i, degree.size(), degree) == 0) {
      i += degree.size() - 1;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(Text[i]);
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < kHeaderSize) return 0;
  double value = 0;
  std::memcpy(&value, Data, sizeof value);
  TNumLabTextFormat format;
  format.DisplayType = static_cast<TDisplay>(Data[8] % (kLastDisplay + 1));
  format.Precision = static_cast<int>(Data[9] % 20) - 2;  // also outside 0..15
  format.Comma = (Data[10] & 1) != 0;
  format.ForcePlusSign = (Data[10] & 2) != 0;
  format.DTFormat.assign(reinterpret_cast<const char*>(Data + kHeaderSize), Size - kHeaderSize);
  format.StateText = format.DTFormat;

  const std::string text = DisplayValueText(value, format);
  if (format.DisplayType != dtState && format.DisplayType != dtDateTime) Require(!text.empty() && PlainText(text));

  // The pattern over a valid date, and a value that names none.
  (void)FormatDateTime(format.DTFormat, 45356.75);
  TDateTimeParts parts;
  if (!TryDecodeDateTime(value, parts)) {
    try {
      (void)FormatDateTime(format.DTFormat, value);
      std::abort();
    } catch (const gadrix::EConvertError&) {
    }
  }
  return 0;
}
