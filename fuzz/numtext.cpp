// Arbitrary bytes into every scanner, check and text conversion of the number text routines.
// Nothing may crash or read past the text, scanners must leave their position within
// 1..length + 1 (in characters) and return finite values.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gadrix/numeric/NumIO.h"
#include "gadrix/numeric/TextChars.h"

namespace {

using namespace gadrix;

void Require(bool Condition) {
  if (!Condition) std::abort();
}

// Runs a scanner from Start and checks where it stops.
template <typename Scanner>
void CheckScanner(const std::string& Text, int Start, Scanner Scan) {
  const int length = textchars::CharCount(Text);
  int pos = Start;
  Scan(Text, pos);
  Require(pos >= 1 && pos <= length + 1);
  // Scanning again from where the last scan stopped must stay in range too.
  Scan(Text, pos);
  Require(pos >= 1 && pos <= length + 1);
}

void FuzzScanners(const std::string& Text, int Start) {
  for (TDecPSep mode : {dpsSystem, dpsPoint, dpsComma, dpsBoth})
    for (bool exponent : {false, true})
      CheckScanner(Text, Start, [&](const std::string& T, int& P) {
        Require(std::isfinite(ScanReal(T, P, exponent, mode)));
      });
  CheckScanner(Text, Start, ScanInt);
  CheckScanner(Text, Start, ScanHex);
  CheckScanner(Text, Start, ScanOct);
  CheckScanner(Text, Start, ScanBin);
}

void FuzzChecks(const std::string& Text) {
  for (TDecPSep mode : {dpsSystem, dpsPoint, dpsComma, dpsBoth, TDecPSep(7)}) {
    IsValidRealText(Text, true, mode);
    IsValidRealText(Text, false, mode);
    IsValidFixedText(Text, mode);
  }
  IsValidIntText(Text);
  IsValidHexText(Text);
  IsValidOctText(Text);
  IsValidBinText(Text);
}

void FuzzConversions(const std::string& Text, int Places) {
  for (int f = itExp; f <= itDynamic + 1; ++f) {
    const auto format = static_cast<TInFormat>(f);
    for (TDecPSep mode : {dpsSystem, dpsPoint, dpsComma, dpsBoth}) {
      double value = 0.0;
      ConvertNumString(Text, value, format, mode);
      Require(std::isfinite(value));
      NumIOTextToValue(Text, format, mode);
      CheckValidity(Text, format, mode, Places);
      ChangeDecPlaceSep(Text, mode, TDecPSep((mode + 1) % 4));
    }
    const double value = GetNioValue(Text, format);
    Require(std::isfinite(value));
    OutOfRange(Text, format, 0.0, 1000.0);
    RealToText(Places - 20, Places - 3, value);
    NumIOValueToText(value, format, Places, dpsBoth);
    SetNioValue(value, format, Places, Places, dpsComma);
    try {
      GetNioIntValue(Text, format, "Fuzz");
    } catch (const EZorvNumIO2Error&) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  // The first byte chooses a start position (up to one past length + 1) and a place count.
  const std::string text(reinterpret_cast<const char*>(Data + 1), Size - 1);
  const int start = Data[0] % (textchars::CharCount(text) + 3);
  const int places = Data[0] % 20;
  FuzzScanners(text, start);
  FuzzChecks(text);
  FuzzConversions(text, places);
  return 0;
}
