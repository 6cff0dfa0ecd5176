// Seeded random comparisons of the number text routines with independent implementations:
// strtod for ScanReal, snprintf for RealToText, std::to_chars for the digit texts. A failure
// prints the seed and the input that reproduces it; GADRIX_SEED replaces the default seed.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "gadrix/numeric/NumText.h"

using namespace gadrix;

namespace {

constexpr int kRuns = 40000;

std::uint64_t Seed() {
  const char* text = std::getenv("GADRIX_SEED");
  return text != nullptr ? std::strtoull(text, nullptr, 10) : 20240611u;
}

class Random {
 public:
  explicit Random(std::uint64_t Seed) : engine_(Seed) {}
  int Between(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(engine_); }
  bool Chance(int Percent) { return Between(1, 100) <= Percent; }
  char OneOf(const std::string& Chars) {
    return Chars[static_cast<std::size_t>(Between(0, int(Chars.size()) - 1))];
  }
  std::string Digits(int Max) {
    std::string text(static_cast<std::size_t>(Between(0, Max)), '0');
    for (char& c : text) c = OneOf("0123456789");
    return text;
  }
  std::uint64_t Bits() { return engine_(); }

 private:
  std::mt19937_64 engine_;
};

// A text that is mostly a decimal number: blanks, sign, digits, separator, exponent, then junk.
// Mantissas stay within 25 digits on each side of the separator and exponents within four
// digits, so that a kept exponent above the exponent limit overflows or underflows as surely as
// the full one.
std::string NumberLikeText(Random& R, char Separator) {
  std::string text(static_cast<std::size_t>(R.Chance(20) ? R.Between(1, 3) : 0), ' ');
  if (R.Chance(40)) text += R.OneOf("+-");
  text += R.Digits(25);
  if (R.Chance(60)) text += Separator + R.Digits(25);
  if (R.Chance(50)) {
    text += R.OneOf("eE");
    if (R.Chance(60)) text += R.OneOf("+-");
    text += R.Digits(4);
  }
  const std::string junk = std::string(" +-.,eEx9") + Separator;
  for (int n = R.Between(0, 3); n > 0; --n) text += R.OneOf(junk);
  return text;
}

std::string PrintedDouble(Random& R) {
  double value;
  const std::uint64_t bits = R.Bits();
  std::memcpy(&value, &bits, sizeof value);
  if (!std::isfinite(value)) value = 1.0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, R.Chance(50) ? "%.17g" : "%.6e", value);
  return buffer;
}

double FiniteDouble(Random& R) {
  switch (R.Between(0, 3)) {
    case 0: {  // any bit pattern
      double value;
      const std::uint64_t bits = R.Bits();
      std::memcpy(&value, &bits, sizeof value);
      return std::isfinite(value) ? value : 0.0;
    }
    case 1: return std::ldexp(R.Between(-1000000, 1000000), R.Between(-60, 60));
    case 2: return R.Between(-100000, 100000) / 100.0;  // decimal ties and near-ties
    default: return std::pow(10.0, R.Between(-320, 307)) * R.Between(1, 9);
  }
}

testing::AssertionResult ScanRealMatchesStrtod(const std::string& Text, char Separator, std::uint64_t Seed) {
  const TDecPSep mode = Separator == ',' ? dpsComma : dpsPoint;
  int pos = 1;
  const double value = ScanReal(Text, pos, true, mode);
  auto failure = [&](const std::string& What) {
    return testing::AssertionFailure() << What << "\n  reproduce: seed " << Seed << ", ScanReal(\"" << Text
                                       << "\", 1, true, " << int(mode) << ") = " << value << ", Pos " << pos;
  };
  if (pos < 1 || pos > int(Text.size()) + 1) return failure("position out of range");
  if (!IsValidRealText(Text, true, mode)) {
    // Rejected texts read as 0; an exponent past the limit saturates.
    if (value == 0.0 || std::fabs(value) == uc_MaxDouble) return testing::AssertionSuccess();
    return failure("a rejected text read as a number");
  }
  std::string prefix = Text.substr(0, static_cast<std::size_t>(pos - 1));
  std::replace(prefix.begin(), prefix.end(), ',', '.');
  const double expected = std::clamp(std::strtod(prefix.c_str(), nullptr), -uc_MaxDouble, uc_MaxDouble);
  if (value == expected) return testing::AssertionSuccess();
  char digits[64];
  std::snprintf(digits, sizeof digits, "%.17g", expected);
  return failure(std::string("strtod of the accepted prefix gives ") + digits);
}

// snprintf's "%.*E" rewritten to a blank or "-", the mantissa, and ExponentDigits exponent digits.
std::string PrintfExponentText(double Value, int FurtherDigits, int ExponentDigits) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.*E", FurtherDigits, std::fabs(Value));
  std::string text = buffer;
  const std::size_t mark = text.find('E');
  const int exponent = std::atoi(text.c_str() + mark + 1);
  char tail[16];
  std::snprintf(tail, sizeof tail, "E%c%0*d", exponent < 0 ? '-' : '+', ExponentDigits, std::abs(exponent));
  std::string result(1, std::signbit(Value) ? '-' : ' ');
  result.append(text, 0, mark);
  result.append(tail);
  return result;
}

testing::AssertionResult RealToTextMatchesPrintf(double Value, Random& R, std::uint64_t Seed) {
  char buffer[1024];
  std::string expected, actual;
  int width = 0, decimals = 0;
  switch (R.Between(0, 3)) {
    case 0:
      width = R.Between(1, 30);
      decimals = R.Between(0, 20);
      std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, Value);
      expected = buffer;
      break;
    case 1:
      width = -R.Between(1, 30);
      decimals = R.Between(0, 20);
      std::snprintf(buffer, sizeof buffer, "%0*.*f", -width, decimals, Value);
      expected = buffer;
      break;
    case 2:
      width = R.Between(8, 25);
      decimals = -2;
      // Three exponent digits of which the first must be 0 to fit in two.
      expected = PrintfExponentText(Value, width - 7, 3);
      if (expected[expected.size() - 3] == '0')
        expected.erase(expected.size() - 3, 1);
      else
        expected.assign(static_cast<std::size_t>(width), '*');
      break;
    default:
      width = R.Between(10, 30);
      decimals = -1;
      expected = PrintfExponentText(Value, width - 9, 4);
      break;
  }
  actual = RealToText(width, decimals, Value);
  if (actual == expected) return testing::AssertionSuccess();
  std::snprintf(buffer, sizeof buffer, "%a", Value);
  return testing::AssertionFailure() << "reproduce: seed " << Seed << ", RealToText(" << width << ", "
                                     << decimals << ", " << buffer << ")\n  gives    \"" << actual
                                     << "\"\n  expected \"" << expected << '"';
}

testing::AssertionResult DigitTextMatchesToChars(std::uint32_t Value, int Base, int Digits,
                                                 std::uint64_t Seed) {
  char buffer[40];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, Value, Base).ptr;
  std::string full(buffer, end);
  std::transform(full.begin(), full.end(), full.begin(), [](char c) { return char(std::toupper(c)); });
  if (full.size() < static_cast<std::size_t>(Digits))
    full.insert(0, static_cast<std::size_t>(Digits) - full.size(), '0');
  const std::string expected = full.substr(full.size() - static_cast<std::size_t>(Digits));
  const std::string actual = Base == 16  ? HexText(Value, Digits)
                             : Base == 8 ? OctText(Value, Digits)
                                         : BinText(Value, Digits);
  if (actual == expected) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "reproduce: seed " << Seed << ", base " << Base << " text of "
                                     << Value << " with " << Digits << " digits gives \"" << actual
                                     << "\", expected \"" << expected << '"';
}

}  // namespace

TEST(NumTextProperties, ScanRealAgreesWithStrtodOnTheAcceptedPrefix) {
  const std::uint64_t seed = Seed();
  Random r(seed);
  for (int run = 0; run < kRuns; ++run) {
    const char separator = r.Chance(25) ? ',' : '.';
    const std::string text =
        r.Chance(80) || separator == ',' ? NumberLikeText(r, separator) : PrintedDouble(r);
    ASSERT_TRUE(ScanRealMatchesStrtod(text, separator, seed)) << "run " << run;
  }
}

TEST(NumTextProperties, RealToTextAgreesWithSnprintf) {
  const std::uint64_t seed = Seed();
  Random r(seed);
  for (int run = 0; run < kRuns; ++run)
    ASSERT_TRUE(RealToTextMatchesPrintf(FiniteDouble(r), r, seed)) << "run " << run;
}

TEST(NumTextProperties, DigitTextsAgreeWithToChars) {
  const std::uint64_t seed = Seed();
  Random r(seed);
  const int bases[] = {16, 8, 2};
  const int maxDigits[] = {8, 11, 32};
  for (int run = 0; run < kRuns; ++run) {
    const auto value = static_cast<std::uint32_t>(r.Bits());
    const int which = r.Between(0, 2);
    ASSERT_TRUE(DigitTextMatchesToChars(value, bases[which], r.Between(1, maxDigits[which]), seed))
        << "run " << run;
  }
}

TEST(NumTextProperties, RealToTextReadsBackThroughScanReal) {
  const std::uint64_t seed = Seed();
  Random r(seed);
  for (int run = 0; run < kRuns; ++run) {
    const double value = FiniteDouble(r);
    const std::string exact = RealToText(26, -1, value);  // 18 significant digits identify a double
    int pos = 1;
    ASSERT_EQ(ScanReal(exact, pos, true, dpsPoint), value)
        << "reproduce: seed " << seed << ", text " << exact;
    ASSERT_EQ(pos, int(exact.size()) + 1) << exact;
  }
}
