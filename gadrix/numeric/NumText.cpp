#include "gadrix/numeric/NumText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>

#include "gadrix/numeric/TextChars.h"
#include "gadrix/platform/core/FormatSettings.h"

namespace gadrix {
namespace {

using textchars::CharEnd;
using textchars::SeekPosition;

constexpr bool IsAscii(unsigned char C) { return C < 0x80; }
constexpr bool IsDigit(char C) { return C >= '0' && C <= '9'; }
constexpr char UpperCase(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }

TDecPSep Normalized(TDecPSep DecPlaceSep) { return std::min(DecPlaceSep, dpsBoth); }

// ---- The real-number machine ----------------------------------------------------------------
//
// One machine serves ScanReal and IsValidRealText. It reads one character per step; a position
// past the end of the text reads as "Z", an "other" character. Classes are tested in the order of
// the columns below; "e" is upper-cased first, so it is an "E".

enum TRealCharClass : std::uint8_t { rcSeparator, rcBlank, rcSign, rcDigit, rcExp, rcOther, rcCount };

// States: 1 start, 2 after the sign, 3 in the integer digits, 4 right after the separator,
// 5 in the fraction digits, 6 right after "E", 7 after the exponent's sign, 8 in the exponent
// digits; 9 accepts and -1 rejects, both end the scan.
constexpr int rsExpMark = 6;
constexpr int rsExpDigits = 8;
constexpr int rsAccept = 9;
constexpr int rsError = -1;
constexpr bool IsRunning(int State) { return State >= 1 && State <= rsExpDigits; }

// Table cells: the next state. ACC accepts, ERR rejects, EXP goes to 6 when an exponent is
// allowed and accepts otherwise.
constexpr std::int8_t ACC = rsAccept;
constexpr std::int8_t ERR = rsError;
constexpr std::int8_t EXP = 69;

using TRealRow = std::array<std::int8_t, rcCount>;
using TRealTable = std::array<TRealRow, rsExpDigits>;

constexpr TRealTable kRealMachine = {{
    // separator blank sign digit  E    other
    {4, 1, 2, 3, ERR, ERR},        // 1 start
    {4, ERR, ERR, 3, ERR, ERR},    // 2 after the sign
    {4, ACC, ACC, 3, EXP, ACC},    // 3 integer digits
    {ERR, ACC, ACC, 5, EXP, ACC},  // 4 right after the separator
    {ERR, ACC, ACC, 5, EXP, ACC},  // 5 fraction digits
    {ERR, ERR, 7, 8, ERR, ACC},    // 6 right after "E"
    {ERR, ERR, ERR, 8, ERR, ACC},  // 7 after the exponent's sign
    {ACC, ACC, ACC, 8, ACC, ACC},  // 8 exponent digits
}};

constexpr TRealTable ResolveExponentCells(bool ExpAllowed) {
  TRealTable table = kRealMachine;
  for (auto& row : table)
    for (auto& cell : row)
      if (cell == EXP) cell = ExpAllowed ? rsExpMark : rsAccept;
  return table;
}
constexpr TRealTable kRealWithExponent = ResolveExponentCells(true);
constexpr TRealTable kRealWithoutExponent = ResolveExponentCells(false);

using TClassTable = std::array<TRealCharClass, 128>;

constexpr TClassTable MakeRealClasses(TDecPSep Mode) {
  TClassTable classes{};
  classes.fill(rcOther);
  classes[' '] = rcBlank;
  classes['+'] = classes['-'] = rcSign;
  for (char c = '0'; c <= '9'; ++c) classes[static_cast<unsigned char>(c)] = rcDigit;
  classes['E'] = classes['e'] = rcExp;
  if (Mode != dpsComma) classes['.'] = rcSeparator;
  if (Mode != dpsPoint) classes[','] = rcSeparator;
  return classes;
}
// Indexed by the resolved mode less one: point, comma, both.
constexpr std::array<TClassTable, 3> kRealClasses = {MakeRealClasses(dpsPoint), MakeRealClasses(dpsComma),
                                                     MakeRealClasses(dpsBoth)};

// What a run of the machine found.
struct TRealRun {
  int State = 1;                // rsAccept or rsError
  int CharsRead = 0;            // characters read, the one that ended the scan included
  std::size_t CollectEnd = 0;   // byte index just past the collected text
  bool CommaCollected = false;  // a "," was collected as the separator
};

// Runs the machine over Text from byte Start. The collected text - what a conversion reads -
// is every character read while the machine keeps running, as long as the exponent digits read
// so far stay within kRealExponentLimit; digits beyond that are read but not collected, or, with
// LimitIsError, reject the text. The collected text is always a prefix of what was read.
TRealRun RunRealMachine(std::string_view Text, std::size_t Start, bool ExpAllowed, TDecPSep Mode,
                        bool LimitIsError) {
  const TRealTable& table = ExpAllowed ? kRealWithExponent : kRealWithoutExponent;
  const TClassTable& classes = kRealClasses[Mode - 1];
  TRealRun run;
  run.CollectEnd = Start;
  int exponent = 0;  // stops growing once past the limit, so it cannot overflow
  std::size_t index = Start;
  while (IsRunning(run.State)) {
    TRealCharClass cls = rcOther;
    std::size_t next = index;
    char c = 'Z';
    if (index < Text.size()) {
      c = Text[index];
      const bool ascii = IsAscii(static_cast<unsigned char>(c));
      cls = ascii ? classes[static_cast<unsigned char>(c)] : rcOther;
      next = ascii ? index + 1 : CharEnd(Text, index);
    }
    ++run.CharsRead;
    const int state = run.State;
    run.State = table[state - 1][cls];
    if (cls == rcDigit && state >= rsExpMark && exponent <= kRealExponentLimit)
      exponent = (state == rsExpDigits ? exponent * 10 : 0) + (c - '0');
    if (IsRunning(run.State)) {
      if (exponent <= kRealExponentLimit) {
        run.CollectEnd = next;
        run.CommaCollected |= c == ',';
      } else if (LimitIsError) {
        run.State = rsError;
      }
    }
    index = next;
  }
  return run;
}

// The decimal exponent of the leading non-zero digit of an unsigned number text (digits, an
// optional "." and an optional exponent), such as 2 for "0123.4" or -3 for ".00123".
long long LeadingDigitExponent(std::string_view Number) {
  long long integerDigits = 0, fractionZeros = 0;
  bool afterPoint = false, significant = false;
  std::size_t i = 0;
  for (; i < Number.size() && UpperCase(Number[i]) != 'E'; ++i) {
    const char c = Number[i];
    if (c == '.') {
      afterPoint = true;
    } else if (significant || c != '0') {
      significant = true;
      if (!afterPoint) ++integerDigits;
    } else if (afterPoint) {
      ++fractionZeros;
    }
  }
  long long exponent = 0;
  bool negative = false;
  if (i + 1 < Number.size() && (Number[i + 1] == '-' || Number[i + 1] == '+')) negative = Number[++i] == '-';
  constexpr long long kSaturated = 1'000'000'000;
  for (++i; i < Number.size() && IsDigit(Number[i]); ++i)
    exponent = std::min(exponent * 10 + (Number[i] - '0'), kSaturated);
  return (integerDigits > 0 ? integerDigits - 1 : -(fractionZeros + 1)) + (negative ? -exponent : exponent);
}

// Converts a collected number text: leading blanks, an optional sign, digits with an optional
// separator, an optional exponent whose digits may be missing. A text without digits before
// the exponent reads as 0, a value too large as infinity, a value too small as 0; all correctly
// rounded to the nearest double.
double ConvertCollected(std::string_view Text, bool CommaCollected) {
  while (!Text.empty() && Text.front() == ' ') Text.remove_prefix(1);
  bool negative = false;
  if (!Text.empty() && (Text.front() == '-' || Text.front() == '+')) {
    negative = Text.front() == '-';
    Text.remove_prefix(1);
  }
  std::string withPoint;
  if (CommaCollected) {
    withPoint.assign(Text);
    std::replace(withPoint.begin(), withPoint.end(), ',', '.');
    Text = withPoint;
  }
  double value = 0.0;
  const auto result =
      std::from_chars(Text.data(), Text.data() + Text.size(), value, std::chars_format::general);
  if (result.ec == std::errc::invalid_argument) value = 0.0;  // "." alone, or "." before the "E"
  if (result.ec == std::errc::result_out_of_range)
    value = LeadingDigitExponent(Text) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -value : value;
}

// ---- Integer scanners -----------------------------------------------------------------------

// Passes over blanks while the position is before the last character. Returns the byte index.
std::size_t SkipBlanks(std::string_view Text, int& Pos, std::size_t Index) {
  while (Index + 1 < Text.size() && Text[Index] == ' ') {
    ++Index;
    ++Pos;
  }
  return Index;
}

// Value of C as a digit of Base (16, 8 or 2), or -1.
constexpr int DigitValue(char C, unsigned Base) {
  const char upper = UpperCase(C);
  int value = -1;
  if (IsDigit(upper)) value = upper - '0';
  if (upper >= 'A' && upper <= 'F') value = upper - 'A' + 10;
  return value >= 0 && static_cast<unsigned>(value) < Base ? value : -1;
}

// Accumulates digits of Base from byte Index, wrapping around in 32 bits; Pos follows.
std::uint32_t AccumulateDigits(std::string_view Text, int& Pos, std::size_t Index, unsigned Base) {
  std::uint32_t value = 0;
  for (; Index < Text.size(); ++Index, ++Pos) {
    const int digit = DigitValue(Text[Index], Base);
    if (digit < 0) break;
    value = value * Base + static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::int32_t ScanUnsigned(const std::string& Text, int& Pos, unsigned Base, bool DollarPrefix) {
  std::size_t index = SkipBlanks(Text, Pos, SeekPosition(Text, Pos));
  if (DollarPrefix && Pos == 1 && index < Text.size() && Text[index] == '$') {
    ++index;
    ++Pos;
  }
  return static_cast<std::int32_t>(AccumulateDigits(Text, Pos, index, Base));
}

// ---- Digit checks ---------------------------------------------------------------------------

bool AllDigitsOf(const std::string& Text, unsigned Base) {
  return !Text.empty() &&
         std::all_of(Text.begin(), Text.end(), [Base](char c) { return DigitValue(c, Base) >= 0; });
}

// ---- Fixed-point check ----------------------------------------------------------------------

enum TFixedCharClass : std::uint8_t { fcSign, fcSeparator, fcDigit, fcOther, fcCount };

// States: 0 start, 1 after the sign, 2 after the separator, 3 integer digits, 4 fraction digits;
// 5 rejects and ends the scan.
constexpr std::int8_t fsReject = 5;
constexpr std::array<std::array<std::int8_t, fcCount>, 5> kFixedMachine = {{
    // sign separator digit other
    {1, 2, 3, fsReject},                // 0 start
    {fsReject, 2, 3, fsReject},         // 1 after the sign
    {fsReject, fsReject, 4, fsReject},  // 2 after the separator
    {fsReject, 2, 3, fsReject},         // 3 integer digits
    {fsReject, fsReject, 4, fsReject},  // 4 fraction digits
}};

TFixedCharClass FixedClassOf(char C, TDecPSep Mode) {
  if (C == '+' || C == '-') return fcSign;
  if ((C == '.' && Mode != dpsComma) || (C == ',' && Mode != dpsPoint)) return fcSeparator;
  if (IsDigit(C)) return fcDigit;
  return fcOther;
}

// ---- Formatters -----------------------------------------------------------------------------

// Enough for the integer digits of the largest double, a sign, a point and kMaxFixedDecimals
// places, or for a scientific text of kMaxRealTextWidth digits.
constexpr std::size_t kNumberBufferSize = 2048;
constexpr int kLongExponentOverhead = 9;   // " d." and "E+0000" around the further digits
constexpr int kShortExponentOverhead = 7;  // the same width less two exponent digits
constexpr int kExponentDigits = 4;
constexpr int kDroppedExponentDigits = 2;

std::string RightAligned(std::string_view Text, int Width) {
  std::string result;
  const std::size_t width = static_cast<std::size_t>(Width);
  if (Text.size() < width) result.assign(width - Text.size(), ' ');
  result.append(Text);
  return result;
}

std::string FixedText(int Width, int Decimals, double Value) {
  std::array<char, kNumberBufferSize> buffer;
  char* const last = buffer.data() + buffer.size();
  const char* const end = std::to_chars(buffer.data(), last, Value, std::chars_format::fixed, Decimals).ptr;
  return RightAligned(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())), Width);
}

// " d.ddddE+0123": a blank or "-", the mantissa with FurtherDigits after the point, and four
// exponent digits.
std::string ExponentText(int FurtherDigits, double Value) {
  std::array<char, kNumberBufferSize> buffer;
  char* const first = buffer.data() + 1;
  char* const last = buffer.data() + buffer.size();
  const char* const end =
      std::to_chars(first, last, std::fabs(Value), std::chars_format::scientific, FurtherDigits).ptr;
  buffer[0] = std::signbit(Value) ? '-' : ' ';
  const std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  const std::size_t mark = digits.find('e');
  const char sign = digits[mark + 1];
  int exponent = 0;
  std::from_chars(digits.data() + mark + 2, digits.data() + digits.size(), exponent);
  std::string text(digits.substr(0, mark));
  text += 'E';
  text += sign;
  std::array<char, kExponentDigits> exponentDigits;
  for (int k = kExponentDigits - 1; k >= 0; --k, exponent /= 10)
    exponentDigits[k] = static_cast<char>('0' + exponent % 10);
  text.append(exponentDigits.data(), exponentDigits.size());
  return text;
}

// The two-digit exponent form: the first two of the four exponent digits are dropped; when they
// are not "00" the exponent does not fit and the whole text becomes "*".
std::string ShortExponentText(int Width, double Value) {
  std::string text = ExponentText(std::max(1, Width - kShortExponentOverhead), Value);
  const std::size_t dropAt = text.size() - kExponentDigits;
  const bool fits = text.compare(dropAt, kDroppedExponentDigits, "00") == 0;
  text.erase(dropAt, kDroppedExponentDigits);
  if (!fits) text.assign(text.size(), '*');
  return text;
}

// Leading blanks become "0"; a "-" right after them moves to the front.
void PadWithZeros(std::string& Text) {
  const std::size_t blanks = std::min(Text.find_first_not_of(' '), Text.size());
  std::fill_n(Text.begin(), blanks, '0');
  if (blanks < Text.size() && Text[blanks] == '-') {
    Text[blanks] = '0';
    Text[0] = '-';
  }
}

std::string NonFiniteText(int Width, double Value) {
  if (std::isnan(Value)) return RightAligned("NaN", Width);
  return RightAligned(Value < 0 ? "-Inf" : "Inf", Width);
}

// The lowest Digits digits of Value in a base of BitsPerDigit bits, most significant first.
std::string DigitText(std::uint32_t Value, int Digits, int MaxDigits, int BitsPerDigit) {
  static constexpr char kDigitTable[] = "0123456789ABCDEF";
  const int count = std::clamp(Digits, 1, MaxDigits);
  const std::uint32_t mask = (1u << BitsPerDigit) - 1;
  std::string text(static_cast<std::size_t>(count), '0');
  for (int k = count - 1; k >= 0; --k, Value >>= BitsPerDigit)
    text[static_cast<std::size_t>(k)] = kDigitTable[Value & mask];
  return text;
}

}  // namespace

TDecPSep ResolveDecPSepForConversion(TDecPSep DecPlaceSep) {
  if (DecPlaceSep != dpsSystem) return Normalized(DecPlaceSep);
  return GetDecimalSeparator() == ',' ? dpsComma : dpsPoint;
}

TDecPSep ResolveDecPSepForChecks(TDecPSep DecPlaceSep) {
  if (DecPlaceSep != dpsSystem) return Normalized(DecPlaceSep);
  return GetDecimalSeparator() == '.' ? dpsPoint : dpsComma;
}

double ScanReal(const std::string& Text, int& Pos, bool ExpAllowed, TDecPSep SepMode) {
  const std::size_t start = SeekPosition(Text, Pos);
  const TRealRun run = RunRealMachine(Text, start, ExpAllowed, ResolveDecPSepForConversion(SepMode), false);
  Pos += run.CharsRead - 1;  // back onto the character that ended the scan
  if (run.State != rsAccept) return 0.0;
  const double value =
      ConvertCollected(std::string_view(Text).substr(start, run.CollectEnd - start), run.CommaCollected);
  return std::clamp(value, -uc_MaxDouble, uc_MaxDouble);
}

std::int32_t ScanInt(const std::string& Text, int& Pos) {
  std::size_t index = SkipBlanks(Text, Pos, SeekPosition(Text, Pos));
  bool negative = false;
  if (index < Text.size() && (Text[index] == '-' || Text[index] == '+')) {
    negative = Text[index] == '-';
    ++index;
    ++Pos;
  }
  const std::uint32_t magnitude = AccumulateDigits(Text, Pos, index, 10);
  return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

std::int32_t ScanHex(const std::string& Text, int& Pos) { return ScanUnsigned(Text, Pos, 16, true); }
std::int32_t ScanOct(const std::string& Text, int& Pos) { return ScanUnsigned(Text, Pos, 8, false); }
std::int32_t ScanBin(const std::string& Text, int& Pos) { return ScanUnsigned(Text, Pos, 2, false); }

bool IsValidRealText(const std::string& Text, bool ExpAllowed, TDecPSep DecPlaceSep) {
  if (Text.empty()) return false;
  return RunRealMachine(Text, 0, ExpAllowed, ResolveDecPSepForChecks(DecPlaceSep), true).State == rsAccept;
}

bool IsValidFixedText(const std::string& Text, TDecPSep DecPlaceSep) {
  if (Text.empty()) return false;
  const TDecPSep mode = ResolveDecPSepForChecks(DecPlaceSep);
  int state = 0;
  for (std::size_t i = 0; i < Text.size() && state != fsReject; ++i)
    state = kFixedMachine[state][FixedClassOf(Text[i], mode)];
  return state != fsReject;
}

bool IsValidIntText(const std::string& Text) {
  if (Text.empty()) return false;
  if (Text.size() == 1) return IsDigit(Text[0]);
  const char first = Text[0];
  return (first == '+' || first == '-' || IsDigit(first)) &&
         std::all_of(Text.begin() + 1, Text.end(), IsDigit);
}

bool IsValidHexText(const std::string& Text) { return AllDigitsOf(Text, 16); }
bool IsValidOctText(const std::string& Text) { return AllDigitsOf(Text, 8); }
bool IsValidBinText(const std::string& Text) { return AllDigitsOf(Text, 2); }

std::string RealToText(int Width, int Decimals, double Value) {
  const int width = Width < 0 ? (Width < -kMaxRealTextWidth ? kMaxRealTextWidth : -Width)
                              : std::min(Width, kMaxRealTextWidth);
  if (!std::isfinite(Value)) return NonFiniteText(width, Value);
  std::string text;
  if (Decimals >= 0)
    text = FixedText(width, std::min(Decimals, kMaxFixedDecimals), Value);
  else if (Decimals == -2)
    text = ShortExponentText(width, Value);
  else
    text = ExponentText(std::max(1, width - kLongExponentOverhead), Value);
  if (Width < 0) PadWithZeros(text);
  return text;
}

std::string HexText(std::uint32_t Value, int Digits) { return DigitText(Value, Digits, 8, 4); }
std::string OctText(std::uint32_t Value, int Digits) { return DigitText(Value, Digits, 11, 3); }
std::string BinText(std::uint32_t Value, int Digits) { return DigitText(Value, Digits, 32, 1); }

std::int64_t Round(double X) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (std::isnan(X)) return 0;
  if (X >= kTwoTo63) return std::numeric_limits<std::int64_t>::max();
  if (X < -kTwoTo63) return std::numeric_limits<std::int64_t>::min();
  const double below = std::floor(X);
  const double fraction = X - below;  // exact: below and X share the binade or X is integral
  const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0);
  return static_cast<std::int64_t>(up ? below + 1.0 : below);
}

}  // namespace gadrix
