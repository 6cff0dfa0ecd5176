// Feeds arbitrary text to IsValidDecInt and checks it against an independent reading with
// std::from_chars: blanks around, an optional sign, digits, within the int range.

#include <charconv>
#include <cstdlib>
#include <string>

#include "gadrix/quantis/NumUtils.h"

namespace {

bool ReferenceDecInt(const std::string& Text, int& Value) {
  std::size_t First = 0, Last = Text.size();
  const auto IsBlank = [](char Ch) { return Ch == ' ' || Ch == '\t'; };
  while (First < Last && IsBlank(Text[First])) ++First;
  while (Last > First && IsBlank(Text[Last - 1])) --Last;
  const char* Begin = Text.data() + First;
  const char* End = Text.data() + Last;
  // from_chars takes a minus sign but no plus sign.
  if (Begin != End && *Begin == '+') {
    ++Begin;
    if (Begin == End || *Begin == '-') return false;
  }
  int Parsed = 0;
  const auto [Stop, Error] = std::from_chars(Begin, End, Parsed, 10);
  if (Error != std::errc() || Stop != End) return false;
  Value = Parsed;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* Data, std::size_t Size) {
  const std::string Text(reinterpret_cast<const char*>(Data), Size);
  int Value = 0, Expected = 0;
  const bool Valid = gadrix::IsValidDecInt(Text, Value);
  const bool ExpectedValid = ReferenceDecInt(Text, Expected);
  if (Valid != ExpectedValid || (Valid && Value != Expected)) std::abort();
  if (Valid != gadrix::IsValidDecInt(Text)) std::abort();
  return 0;
}
