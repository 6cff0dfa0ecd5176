// Reading the cells of the report data store as values: a cell as a number, and the default text
// of a cell that its column format gives.

#include <algorithm>
#include <charconv>
#include <limits>

#include "gadrix/helmar/Strings.h"
#include "gadrix/helmar/Utf8.h"
#include "gadrix/numeric/NumText.h"
#include "gadrix/replist/RLData.h"
#include "gadrix/replist/RLDataCells.h"

namespace gadrix {

namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

std::size_t SkipDigits(std::string_view S, std::size_t Pos) {
  while (Pos < S.size() && IsDigit(S[Pos])) ++Pos;
  return Pos;
}

std::string_view TrimBlanks(std::string_view S) {
  const std::size_t first = S.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return S.substr(first, S.find_last_not_of(' ') - first + 1);
}

// --- numbers

// Checks that S is [sign] digits ["." digits] [("e" | "E") [sign] digits] with at least one
// mantissa digit. Decimal order of the first significant digit plus the exponent goes to
// Magnitude, which tells overflow from underflow when the value is out of a double's range.
bool IsDecimalNumber(std::string_view S, long long& Magnitude) {
  std::size_t pos = (!S.empty() && (S[0] == '+' || S[0] == '-')) ? 1 : 0;
  const std::size_t intBegin = pos;
  pos = SkipDigits(S, pos);
  const std::size_t intEnd = pos;
  std::size_t fracBegin = pos;
  std::size_t fracEnd = pos;
  if (pos < S.size() && S[pos] == '.') {
    fracBegin = pos + 1;
    fracEnd = pos = SkipDigits(S, fracBegin);
  }
  if (intEnd == intBegin && fracEnd == fracBegin) return false;
  long long exponent = 0;
  if (pos < S.size() && (S[pos] == 'e' || S[pos] == 'E')) {
    ++pos;
    const bool negative = pos < S.size() && S[pos] == '-';
    if (pos < S.size() && (S[pos] == '+' || S[pos] == '-')) ++pos;
    const std::size_t digits = pos;
    pos = SkipDigits(S, pos);
    if (pos == digits) return false;
    // Beyond this an exponent changes nothing: every double is reached long before.
    constexpr long long kExponentLimit = 1'000'000;
    for (std::size_t k = digits; k < pos; ++k)
      exponent = std::min(exponent * 10 + (S[k] - '0'), kExponentLimit);
    if (negative) exponent = -exponent;
  }
  if (pos != S.size()) return false;
  const std::string_view intDigits = S.substr(intBegin, intEnd - intBegin);
  const std::size_t firstInt = intDigits.find_first_not_of('0');
  if (firstInt != std::string_view::npos) {
    Magnitude = static_cast<long long>(intDigits.size() - firstInt) + exponent;
  } else {
    const std::string_view fracDigits = S.substr(fracBegin, fracEnd - fracBegin);
    Magnitude = -static_cast<long long>(fracDigits.find_first_not_of('0')) + exponent;
  }
  return true;
}

// Reads a decimal number in the syntax above; false for any other text.
bool ReadDecimal(std::string_view S, double& Value) {
  long long magnitude = 0;
  if (!IsDecimalNumber(S, magnitude)) return false;
  const bool negative = S.front() == '-';
  if (S.front() == '+' || S.front() == '-') S.remove_prefix(1);
  const auto result = std::from_chars(S.data(), S.data() + S.size(), Value);
  if (result.ec == std::errc::result_out_of_range)
    Value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  if (negative) Value = -Value;
  return true;
}

// --- default values

// A decimal integer read from S at byte Pos: blanks skipped, an optional sign, digits up to the
// first non-digit; 0 without digits. Saturates far beyond any useful count of digits.
int ReadCount(std::string_view S, std::size_t Pos) {
  constexpr int kCountLimit = 1'000'000;
  while (Pos < S.size() && S[Pos] == ' ') ++Pos;
  const bool negative = Pos < S.size() && S[Pos] == '-';
  if (Pos < S.size() && (S[Pos] == '+' || S[Pos] == '-')) ++Pos;
  int value = 0;
  for (; Pos < S.size() && IsDigit(S[Pos]); ++Pos)
    value = std::min(value * 10 + (S[Pos] - '0'), kCountLimit);
  return negative ? -value : value;
}

// The count after a marker that opens the default text ("rix4", "$pwd$8"), read from the
// character that follows the marker's length.
int CountAfterMarker(std::string_view Text, std::size_t MarkerLength) {
  return ReadCount(Text, Utf8Offset(Text, MarkerLength));
}

// Row as exactly Digits decimal digits (its lowest ones), with leading zeros; "-" in front of a
// negative row. Digits below 1 count as 1; no cell holds more than 255 characters.
std::string ZeroPaddedRow(int Row, int Digits) {
  const int width = std::clamp(Digits, 1, TStringArray::kMaxCellLength);
  std::string digits = std::to_string(Row < 0 ? -static_cast<long long>(Row) : Row);
  if (static_cast<int>(digits.size()) > width) {
    digits.erase(0, digits.size() - static_cast<std::size_t>(width));
  } else {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  return Row < 0 ? "-" + digits : digits;
}

// The default of a numeric column: a row-number default "rixN" or the text itself.
std::string NumericDefault(char Type, std::string_view Text, int Row) {
  constexpr std::string_view kRowMarker = "rix";
  if (rlcell::FoldCase(Text).find(kRowMarker) == std::string::npos) return std::string(Text);
  const int n = CountAfterMarker(Text, kRowMarker.size());
  switch (Type) {
    case 'h': return HexText(static_cast<std::uint32_t>(Row), n);
    case 'i': return ZeroPaddedRow(Row, n);
    default: return strff(Row, 1, n);
  }
}

// The default of a text column: an invented password "$pwd$N" or the text itself.
std::string TextDefault(std::string_view Text) {
  constexpr std::string_view kPasswordMarker = "$pwd$";
  if (rlcell::FoldCase(Text).find(kPasswordMarker) == std::string::npos) return std::string(Text);
  return InventPassword(CountAfterMarker(Text, kPasswordMarker.size()));
}

}  // namespace

bool CellTextToNumber(const std::string& Text, double& Value) {
  std::string number(TrimBlanks(Text));
  std::replace(number.begin(), number.end(), ',', '.');
  Value = 0.0;
  if (number.empty() || ReadDecimal(number, Value)) return true;
  Value = 0.0;
  return false;
}

double TRLData::GetAsNumber(int ACol, int ARow) const {
  const std::string text = GetElem(ACol, ARow);
  double value = 0.0;
  if (!CellTextToNumber(text, value)) {
    throw EZorvRLDataError("Class TRLData: invalid numeric string: [" + std::to_string(ACol) +
                           "," + std::to_string(ARow) + "]: " + text);
  }
  return value;
}

// A format is "[" type "]", optionally "[" width "]", then the default text:
//   "[i][60]rix4"   type i, width 60, default "rix4"  -> row 12 gives "0012"
//   "[l]red|green"  type l, no width, choices          -> "red"
//   "[#s]abc"       read-only: the type letter is "#"  -> no default
std::string TRLData::GetCellDefaultValue(int ACol, int ARow) const {
  const std::string format = GetColumnFormat(ACol);
  const std::size_t typeEnd = format.find(']');
  if (typeEnd == std::string::npos) return {};
  // The letter is the second character of the type group, right after the "[".
  const char type = typeEnd >= 2 ? format[1] : '\0';
  std::string_view text = std::string_view(format).substr(typeEnd + 1);
  if (text.empty()) return {};
  const std::size_t widthEnd = text.find(']');
  if (widthEnd != std::string_view::npos) text.remove_prefix(widthEnd + 1);
  switch (type) {
    case 'c':
    case 'l': return std::string(text.substr(0, text.find('|')));
    case 'd': return std::string(text);
    case 'e':
    case 'f':
    case 'h':
    case 'i': return NumericDefault(type, text, ARow);
    case 's': return TextDefault(text);
    default: return {};
  }
}

}  // namespace gadrix
