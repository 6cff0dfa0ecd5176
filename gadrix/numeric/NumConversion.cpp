#include "gadrix/numeric/NumConversion.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "gadrix/numeric/NumText.h"
#include "gadrix/numeric/TextChars.h"
#include "gadrix/platform/core/FormatSettings.h"

namespace gadrix {
namespace {

constexpr char kHexPrefix = '$';
constexpr char kBinPrefix = '%';
constexpr char kOctPrefix = '&';

constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();

TInFormat Normalized(TInFormat Format) { return std::min(Format, itDynamic); }

// The format a prefix of itDynamic selects, or itDynamic when Text has no prefix.
TInFormat PrefixFormat(const std::string& Text) {
  if (Text.empty()) return itDynamic;
  switch (Text.front()) {
    case kHexPrefix: return itHex;
    case kBinPrefix: return itBin;
    case kOctPrefix: return itOct;
    default: return itDynamic;
  }
}

std::int32_t ScanBase(TInFormat Format, const std::string& Text, int& Pos) {
  if (Format == itHex) return ScanHex(Text, Pos);
  if (Format == itOct) return ScanOct(Text, Pos);
  return ScanBin(Text, Pos);
}

char SeparatorChar(TDecPSep ResolvedMode) { return ResolvedMode == dpsComma ? ',' : '.'; }

std::string WithSeparator(std::string Text, TDecPSep ResolvedMode) {
  std::replace(Text.begin(), Text.end(), '.', SeparatorChar(ResolvedMode));
  return Text;
}

void LowerCase(std::string& Text) {
  for (char& c : Text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

// A trailing "e", "e-" or "e+" of a number being typed is ignored.
void DropUnfinishedExponent(std::string& Text) {
  const std::size_t mark = Text.find('e');
  if (mark == std::string::npos) return;
  const bool last = mark + 1 == Text.size();
  const bool beforeSign = mark + 2 == Text.size() && (Text.back() == '-' || Text.back() == '+');
  if (last || beforeSign) Text.erase(mark);
}

// Reads Text (lower-cased, without blanks) in Format from character Start; true when the scan
// reached the end of the text.
bool ScanWhole(const std::string& Text, TInFormat Format, int Start, TDecPSep Mode, double& Value) {
  int pos = Start;
  switch (Format) {
    case itExp: Value = ScanReal(Text, pos, true, Mode); break;
    case itFloat:
    case itFixPoint: Value = ScanReal(Text, pos, false, Mode); break;
    case itInt: Value = ScanInt(Text, pos); break;
    default: Value = ScanBase(Format, Text, pos); break;
  }
  return pos == textchars::CharCount(Text) + 1;
}

// A text that passes IsValidIntText as a decimal integer; 2147483647 outside the 32-bit range.
double IntTextValue(const std::string& Text) {
  if (!IsValidIntText(Text)) return 0.0;
  const bool negative = Text.front() == '-';
  const std::size_t first = Text.front() == '-' || Text.front() == '+' ? 1 : 0;
  const std::int64_t limit =
      negative ? -static_cast<std::int64_t>(kInt32Min) : static_cast<std::int64_t>(kInt32Max);
  std::int64_t magnitude = 0;
  for (std::size_t i = first; i < Text.size(); ++i) {
    magnitude = magnitude * 10 + (Text[i] - '0');
    if (magnitude > limit) return kInt32Max;
  }
  return static_cast<double>(negative ? -magnitude : magnitude);
}

// The first separator of Text under the resolved mode, as a 1-based character position; 0 if none.
int FirstSeparatorPos(const std::string& Text, TDecPSep Mode) {
  int pos = 1;
  for (std::size_t i = 0; i < Text.size(); i = textchars::CharEnd(Text, i), ++pos) {
    const char c = Text[i];
    if ((c == '.' && Mode != dpsComma) || (c == ',' && Mode != dpsPoint)) return pos;
  }
  return 0;
}

// The value of a TNumIO2 buffer in a format other than itDynamic.
double BufferValue(const std::string& Buffer, TInFormat Format) {
  int pos = 1;
  switch (Format) {
    case itExp:
    case itFloat:
    case itFixPoint: return ScanReal(Buffer, pos, true, dpsBoth);
    case itInt: return IntTextValue(Buffer);
    default: return ScanBase(Format, Buffer, pos);
  }
}

}  // namespace

EZorvNumIO2Error EZorvNumIO2Error::ForComponent(const std::string& Name, const std::string& Problem) {
  return EZorvNumIO2Error("Component \"" + Name + "\": " + Problem);
}

bool ConvertNumString(const std::string& Text, double& Value, TInFormat InputFormat, TDecPSep DecPlaceSep) {
  if (Text.empty()) return false;
  Value = 0.0;
  const TDecPSep mode = ResolveDecPSepForConversion(DecPlaceSep);
  std::string text = Text.substr(std::min(Text.find_first_not_of(' '), Text.size()));
  if (text.find(' ') != std::string::npos) return false;
  LowerCase(text);
  if (text.empty()) return true;
  TInFormat format = Normalized(InputFormat);
  int start = 1;
  if (format == itDynamic) {
    format = PrefixFormat(text);
    if (format == itDynamic)
      format = itExp;
    else
      start = 2;
  }
  if (format == itExp) DropUnfinishedExponent(text);
  return ScanWhole(text, format, start, mode, Value);
}

std::string NumIOValueToText(double Value, TInFormat InputFormat, int FixPointDecPlaces,
                             TDecPSep DecPlaceSep) {
  const auto rounded = static_cast<std::uint32_t>(Round(Value));
  std::string text;
  switch (Normalized(InputFormat)) {
    case itFloat: text = RealToText(1, kNumIOFloatDecimals, Value); break;
    case itFixPoint: text = RealToText(1, std::max(0, FixPointDecPlaces), Value); break;
    case itInt: text = RealToText(1, 0, Value); break;
    case itHex: return HexText(rounded, kNumIOBaseDigits);
    case itOct: return OctText(rounded, kNumIOBaseDigits);
    case itBin: return BinText(rounded, kNumIOBaseDigits);
    default: text = RealToText(kNumIOExpWidth, -2, Value); break;
  }
  return WithSeparator(std::move(text), ResolveDecPSepForConversion(DecPlaceSep));
}

double NumIOTextToValue(const std::string& Text, TInFormat InputFormat, TDecPSep DecPlaceSep) {
  std::string text = Text;
  if (!text.empty() && text.back() == '.') text += '0';
  double value = 0.0;
  return ConvertNumString(text, value, InputFormat, DecPlaceSep) ? value : 0.0;
}

bool CheckValidity(const std::string& Instring, TInFormat InputFormat, TDecPSep DecPlaceSep,
                   int FixPointDecPlaces) {
  switch (Normalized(InputFormat)) {
    case itExp: return IsValidRealText(Instring, true, DecPlaceSep);
    case itFloat: return IsValidFixedText(Instring, DecPlaceSep);
    case itFixPoint:
      return IsValidFixedText(Instring, DecPlaceSep) &&
             FirstSeparatorPos(Instring, ResolveDecPSepForChecks(DecPlaceSep)) ==
                 textchars::CharCount(Instring) - FixPointDecPlaces;
    case itInt: return IsValidIntText(Instring);
    case itHex: return IsValidHexText(Instring);
    case itOct: return IsValidOctText(Instring);
    case itBin: return IsValidBinText(Instring);
    case itDynamic: break;
  }
  if (Instring.empty()) return false;
  switch (PrefixFormat(Instring)) {
    case itHex: return IsValidHexText(Instring.substr(1));
    case itBin: return IsValidBinText(Instring.substr(1));
    case itOct: return IsValidOctText(Instring.substr(1));
    default: return IsValidRealText(Instring, true, DecPlaceSep);
  }
}

double GetNioValue(const std::string& Buffer, TInFormat InputFormat) {
  const TInFormat format = Normalized(InputFormat);
  if (format != itDynamic) return BufferValue(Buffer, format);
  if (Buffer.empty()) return 0.0;
  const TInFormat prefixed = PrefixFormat(Buffer);
  if (prefixed == itDynamic) return BufferValue(Buffer, itExp);
  return BufferValue(Buffer.substr(1), prefixed);
}

std::string SetNioValue(double Value, TInFormat InputFormat, int FixPointDecPlaces, int SignificantDigits,
                        TDecPSep DecPlaceSep) {
  const std::int64_t rounded = Round(Value);
  const auto low32 = static_cast<std::uint32_t>(rounded);
  std::string text;
  switch (Normalized(InputFormat)) {
    case itExp:
      text = RealToText(std::min(SignificantDigits, kMaxRealTextWidth) + kNumIO2ExpExtraWidth, -2, Value);
      break;
    case itFloat:
    case itFixPoint: text = RealToText(1, std::max(0, FixPointDecPlaces), Value); break;
    case itHex: return HexText(low32, kNumIO2HexDigits);
    case itOct: return OctText(low32, kNumIO2OctDigits);
    case itBin: return BinText(low32, kNumIO2BinDigits);
    default: return std::to_string(rounded);
  }
  return WithSeparator(std::move(text), ResolveDecPSepForChecks(DecPlaceSep));
}

std::int32_t GetNioIntValue(const std::string& Buffer, TInFormat InputFormat, const std::string& Name) {
  const double value = GetNioValue(Buffer, InputFormat);
  if (value > kInt32Max || value < kInt32Min) throw EZorvNumIO2Error::ForComponent(Name, "integer overflow");
  return static_cast<std::int32_t>(Round(value));
}

bool OutOfRange(const std::string& Buffer, TInFormat InputFormat, double RangeLow, double RangeHigh) {
  const double value = GetNioValue(Buffer, InputFormat);
  return value < RangeLow || value > RangeHigh;
}

std::string ChangeDecPlaceSep(const std::string& Buffer, TDecPSep OldSep, TDecPSep NewSep) {
  const TDecPSep oldSep = std::min(OldSep, dpsBoth);
  const TDecPSep newSep = std::min(NewSep, dpsBoth);
  if (oldSep == newSep || newSep == dpsBoth) return Buffer;
  const char to = newSep == dpsComma ? ',' : newSep == dpsSystem ? GetDecimalSeparator() : '.';
  std::string text = Buffer;
  if (oldSep == dpsBoth) {
    const auto isSeparator = [](char c) { return c == '.' || c == ','; };
    std::replace_if(text.begin(), text.end(), isSeparator, to);
  } else {
    const char from = oldSep == dpsComma ? ',' : oldSep == dpsSystem ? GetDecimalSeparator() : '.';
    std::replace(text.begin(), text.end(), from, to);
  }
  return text;
}

}  // namespace gadrix
