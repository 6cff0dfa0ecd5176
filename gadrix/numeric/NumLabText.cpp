#include "gadrix/numeric/NumLabText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "gadrix/numeric/NumText.h"
#include "gadrix/platform/core/DateTime.h"

namespace gadrix {
namespace {

// Text width reserved around the value in the box: the overflow test allows LabelWidth - 6.
constexpr int kBoxTextMargin = 6;

// The least exponent at which dtFloat still writes fixed notation (0.00001).
constexpr int kFloatFixedExponentMin = -5;
// Exponents are written with at least this many digits.
constexpr int kExponentDigits = 3;

constexpr double kTwoPow31 = 2147483648.0;
constexpr double kTwoPow52 = 4503599627370496.0;
constexpr double kTwoPow63 = 9223372036854775808.0;
constexpr double kTwoPow64 = 18446744073709551616.0;

constexpr int kMinutesPerDegree = 60;
constexpr int kDistinguishingDigits = 17;
constexpr const char* kDegreeSign = "\u00B0";

// A magnitude as decimal digits d0 d1 d2 ... meaning d0.d1d2... times 10 to the Exponent.
struct TDecimal {
  std::string Digits;
  int Exponent = 0;
};

// Magnitude (finite, not negative) rounded to Significant digits (at least one), halves of the
// exact binary value to even.
TDecimal Scientific(double Magnitude, int Significant) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, Magnitude, std::chars_format::scientific, Significant - 1);
  TDecimal decimal;
  const char* p = buffer;
  for (; p < result.ptr && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') decimal.Digits += *p;
  if (p < result.ptr && *(++p) == '+') ++p;
  std::from_chars(p, result.ptr, decimal.Exponent);
  return decimal;
}

std::string ExponentText(int Exponent) {
  std::string digits = std::to_string(std::abs(Exponent));
  if (static_cast<int>(digits.size()) < kExponentDigits) digits.insert(0, kExponentDigits - digits.size(), '0');
  return std::string("E") + (Exponent < 0 ? "-" : "+") + digits;
}

std::string StripTrailingZeros(std::string Fraction) {
  Fraction.erase(Fraction.find_last_not_of('0') + 1);
  return Fraction;
}

// "-" before the decimal text Magnitude for a negative value, unless its mantissa shows zero.
std::string Signed(bool Negative, std::string Magnitude) {
  const std::string_view mantissa = std::string_view(Magnitude).substr(0, Magnitude.find('E'));
  if (Negative && mantissa.find_first_of("123456789") != std::string_view::npos) Magnitude.insert(0, 1, '-');
  return Magnitude;
}

std::string NonFiniteText(double Value) {
  if (std::isnan(Value)) return "NaN";
  return Value < 0 ? "-Inf" : "Inf";
}

std::string PadLeft(std::string Text, int Digits, char Pad) {
  if (static_cast<int>(Text.size()) < Digits) Text.insert(0, Digits - Text.size(), Pad);
  return Text;
}

// The value rounded to a whole number, halves to even. Doubles from 2^52 on are whole already.
double Rounded(double Value) {
  return std::fabs(Value) < kTwoPow52 ? static_cast<double>(Round(Value)) : Value;
}

// Digits with the point after the first IntegerDigits of them (none when nothing follows).
std::string WithPoint(const std::string& Digits, int IntegerDigits) {
  const std::string fraction = Digits.substr(IntegerDigits);
  return Digits.substr(0, IntegerDigits) + (fraction.empty() ? "" : "." + fraction);
}

// ---- the formats ----------------------------------------------------------------------------

std::string FloatText(double Value, int Precision) {
  const int significant = std::max(Precision, 1);
  const TDecimal d = Scientific(std::fabs(Value), significant);
  std::string text;
  if (Value == 0 || (d.Exponent >= kFloatFixedExponentMin && d.Exponent < significant)) {
    const int integerDigits = std::max(d.Exponent + 1, 0);
    const std::string integer = integerDigits > 0 ? d.Digits.substr(0, integerDigits) : "0";
    const std::string fraction = StripTrailingZeros(
        integerDigits > 0 ? d.Digits.substr(integerDigits) : std::string(-d.Exponent - 1, '0') + d.Digits);
    text = fraction.empty() ? integer : integer + "." + fraction;
  } else {
    text = WithPoint(StripTrailingZeros(d.Digits), 1) + ExponentText(d.Exponent);
  }
  return Signed(Value < 0, text);
}

std::string FixedText(double Value, int Decimals) { return Signed(Value < 0, RealToText(1, Decimals, std::fabs(Value))); }

std::string ExpText(double Value, int Precision) {
  const TDecimal d = Scientific(std::fabs(Value), std::max(Precision, 1));
  return Signed(Value < 0, WithPoint(d.Digits, 1) + ExponentText(d.Exponent));
}

// The exponent group of a decimal exponent: the multiple of 3 at or below it.
int ExponentGroup(int Exponent) { return Exponent >= 0 ? Exponent / 3 * 3 : -((2 - Exponent) / 3 * 3); }

// Engineering notation: the mantissa from 1 to below 1000 with Decimals places, the exponent a
// multiple of 3. The group follows the rounded value: 999.999 with two places rounds to 1000.00
// and is written 1.00E+003.
std::string EngText(double Value, int Decimals) {
  const double magnitude = std::fabs(Value);
  if (magnitude == 0) return WithPoint(std::string(1 + Decimals, '0'), 1) + ExponentText(0);
  // Seventeen digits tell every double apart, so this rounding never reaches the next power of ten.
  const int exponent = Scientific(magnitude, kDistinguishingDigits).Exponent;
  int group = ExponentGroup(exponent);
  TDecimal d = Scientific(magnitude, exponent - group + 1 + Decimals);
  if (d.Exponent > exponent) {  // rounded up to the next power of ten
    group = ExponentGroup(d.Exponent);
    d.Digits.assign(d.Exponent - group + Decimals + 1, '0');
    d.Digits[0] = '1';
  }
  return Signed(Value < 0, WithPoint(d.Digits, d.Exponent - group + 1) + ExponentText(group));
}

std::string UnsignedDigits(std::uint64_t Value, int BitsPerDigit) {
  static constexpr char kDigitChars[] = "0123456789ABCDEF";
  const std::uint64_t mask = (std::uint64_t{1} << BitsPerDigit) - 1;
  std::string digits;
  do {
    digits += kDigitChars[Value & mask];
    Value >>= BitsPerDigit;
  } while (Value != 0);
  std::reverse(digits.begin(), digits.end());
  return digits;
}

// Digits of a whole, non-negative value in base 2^BitsPerDigit, exactly, whatever its size: the
// division by a power of two and the remainder are exact in floating point.
std::string WholeDigits(double Whole, int BitsPerDigit) {
  if (Whole < kTwoPow64) return UnsignedDigits(static_cast<std::uint64_t>(Whole), BitsPerDigit);
  const double base = static_cast<double>(1 << BitsPerDigit);
  std::string digits;
  for (; Whole >= 1; Whole = std::floor(Whole / base))
    digits += UnsignedDigits(static_cast<std::uint64_t>(std::fmod(Whole, base)), BitsPerDigit);
  std::reverse(digits.begin(), digits.end());
  return digits;
}

// dtHex, dtOct and dtBin: negative values in two's complement of 32 bits, then of 64 bits.
std::string BaseText(double Value, int BitsPerDigit, int MinDigits) {
  const double whole = Rounded(Value);
  if (whole >= 0) return PadLeft(WholeDigits(whole, BitsPerDigit), MinDigits, '0');
  if (whole >= -kTwoPow31) {
    const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(whole));
    return PadLeft(UnsignedDigits(bits, BitsPerDigit), MinDigits, '0');
  }
  if (whole >= -kTwoPow63) {
    const auto bits = static_cast<std::uint64_t>(static_cast<std::int64_t>(whole));
    return PadLeft(UnsignedDigits(bits, BitsPerDigit), MinDigits, '0');
  }
  return PadLeft(WholeDigits(-whole, BitsPerDigit), MinDigits, '0').insert(0, 1, '-');
}

std::string DecimalIntText(double Value, int MinDigits) {
  const double whole = Rounded(Value);
  return Signed(whole < 0, PadLeft(RealToText(1, 0, std::fabs(whole)), MinDigits, '0'));
}

// Minutes or seconds with two integer digits and Decimals places; Carry is set (and the text is
// that of 0) when the rounded amount reaches 60.
std::string SexagesimalText(double Amount, int Decimals, bool& Carry) {
  std::string text = RealToText(1, Decimals, Amount);
  Carry = text.size() >= 2 && text.compare(0, 2, "60") == 0 && (text.size() == 2 || text[2] == '.');
  if (Carry) text = RealToText(1, Decimals, 0.0);
  const std::size_t point = std::min(text.find('.'), text.size());
  if (point < 2) text.insert(0, 1, '0');
  return text;
}

std::string DegMinText(double Value, int Decimals) {
  const double magnitude = std::fabs(Value);
  double degrees = std::floor(magnitude);
  bool carry = false;
  const std::string minutes = SexagesimalText((magnitude - degrees) * kMinutesPerDegree, Decimals, carry);
  if (carry) degrees += 1;
  return Signed(Value < 0, RealToText(1, 0, degrees) + kDegreeSign + minutes + "'");
}

std::string DegMinSecText(double Value, int Decimals) {
  const double magnitude = std::fabs(Value);
  double degrees = std::floor(magnitude);
  const double minutesExact = (magnitude - degrees) * kMinutesPerDegree;
  double minutes = std::floor(minutesExact);
  bool carry = false;
  const std::string seconds = SexagesimalText((minutesExact - minutes) * kMinutesPerDegree, Decimals, carry);
  if (carry) minutes += 1;
  if (minutes >= kMinutesPerDegree) {
    minutes = 0;
    degrees += 1;
  }
  return Signed(Value < 0, RealToText(1, 0, degrees) + kDegreeSign + PadLeft(RealToText(1, 0, minutes), 2, '0') +
                               "'" + seconds + "\"");
}

std::string DateTimeText(double Value, const TNumLabTextFormat& Format) {
  TDateTimeParts parts;
  if (!TryDecodeDateTime(Value, parts)) return Format.OverflowIndicator;
  return FormatDateTime(Format.DTFormat, Value);
}

constexpr int kHexBits = 4, kOctBits = 3, kBinBits = 1;

}  // namespace

std::string FormatDisplayValue(double Value, const TNumLabTextFormat& Format) {
  const int p = std::clamp(Format.Precision, 0, kNumLabMaxPrecision);
  if (Format.DisplayType == dtState) return Format.StateText;
  if (Format.DisplayType == dtDateTime) return DateTimeText(Value, Format);
  if (!std::isfinite(Value)) return NonFiniteText(Value);
  switch (Format.DisplayType) {
    case dtFloat: return FloatText(Value, p);
    case dtExp: return ExpText(Value, p);
    case dtHex: return BaseText(Value, kHexBits, p);
    case dtZeroInt: return DecimalIntText(Value, p);
    case dtInt: return DecimalIntText(Value, 0);
    case dtBin: return BaseText(Value, kBinBits, p);
    case dtOct: return BaseText(Value, kOctBits, p);
    case dtDeg: return FixedText(Value, p) + kDegreeSign;
    case dtDegMin: return DegMinText(Value, p);
    case dtDegMinSec: return DegMinSecText(Value, p);
    case dtEEng: return EngText(Value, p);
    case dtEEngNoDP: return EngText(Value, 0);
    default: return FixedText(Value, p);
  }
}

bool TakesSeparatorAndSign(TDisplay DisplayType) {
  return DisplayType != dtHex && DisplayType != dtDateTime && DisplayType != dtState && DisplayType != dtBin;
}

std::string FixSeparatorAndSign(std::string Text, double Value, bool Comma, bool ForcePlusSign) {
  const char from = Comma ? '.' : ',';
  std::replace(Text.begin(), Text.end(), from, Comma ? ',' : '.');
  if (ForcePlusSign && Value > 0) Text.insert(0, 1, '+');
  return Text;
}

std::string DisplayValueText(double Value, const TNumLabTextFormat& Format) {
  std::string text = FormatDisplayValue(Value, Format);
  if (TakesSeparatorAndSign(Format.DisplayType)) text = FixSeparatorAndSign(std::move(text), Value, Format.Comma, Format.ForcePlusSign);
  return text;
}

bool NeedsOverflowIndicator(TDisplay DisplayType, int TextWidth, int LabelWidth) {
  return DisplayType != dtState && TextWidth > LabelWidth - kBoxTextMargin;
}

}  // namespace gadrix
