#pragma once
// How the two numeric inputs turn their text into a value and back, as pure functions of the text
// and of the settings each control holds. TNumIO (edit-based) and TNumIO2 (custom-drawn) call
// these from their accessors and change handlers; nothing here keeps state.

#include <cstdint>
#include <string>

#include "gadrix/helmar/Types.h"

namespace gadrix {

// Input format of both numeric inputs (one byte). A value above itDynamic counts as itDynamic.
enum TInFormat : std::uint8_t {
  itExp,       // real number, exponent allowed
  itFloat,     // real number without exponent
  itFixPoint,  // real number with a fixed count of decimal places
  itInt,       // signed decimal integer
  itHex,       // hexadecimal digits
  itOct,       // octal digits
  itBin,       // binary digits
  itDynamic    // by the first character: "$" hexadecimal, "%" binary, "&" octal, else as itExp
};

// Error of the custom-drawn numeric input. Its messages name the control:
// Component "NumIO2_1": integer overflow
class EZorvNumIO2Error : public EZorvError {
 public:
  using EZorvError::EZorvError;
  // The error with the message Component "Name": Problem
  static EZorvNumIO2Error ForComponent(const std::string& Name, const std::string& Problem);
};

// Fixed sizes of the texts the controls write.
constexpr int kNumIOExpWidth = 12;       // TNumIO's exponent text: six significant digits
constexpr int kNumIOBaseDigits = 8;      // TNumIO's hexadecimal, octal and binary digits
constexpr int kNumIO2ExpExtraWidth = 6;  // TNumIO2's exponent text: SignificantDigits + 6 wide
constexpr int kNumIO2HexDigits = 8;
constexpr int kNumIO2OctDigits = 11;
constexpr int kNumIO2BinDigits = 32;
constexpr int kNumIOFloatDecimals = 8;  // TNumIO's itFloat text

// ---- TNumIO (edit-based) --------------------------------------------------------------------
// DecPlaceSep resolves as ResolveDecPSepForConversion does (dpsSystem: comma when the system's
// separator is ",", else point).

// Converts Text in InputFormat. An empty text returns false and leaves Value. Otherwise Value
// is first set to 0; leading blanks are dropped and a blank left anywhere makes the result false;
// a text of blanks is true with 0. The text is lower-cased, then read:
// - itExp (and itDynamic without prefix): a trailing "e", "e-" or "e+" is dropped (a number
//   being typed), then ScanReal with the exponent allowed;
// - itFloat, itFixPoint: ScanReal without exponent;
// - itInt: ScanInt; itHex, itOct, itBin: ScanHex, ScanOct, ScanBin (ScanHex passes over "$");
// - itDynamic with prefix "$", "%" or "&": the scanner of that base after the prefix.
// The result is true exactly when the scan reached the end of the text; Value is what was read,
// also when the result is false ("%102" gives false with Value 2).
// Examples: "2.5e" true 2.5; "1 2" false; "   " true 0; "-" true 0; itDynamic "$1f" true 31.
bool ConvertNumString(const std::string& Text, double& Value, TInFormat InputFormat, TDecPSep DecPlaceSep);

// The text that TNumIO writes for Value (the setter of its Value):
// itExp, itDynamic: RealToText(12, -2) (" 1.25000E+01"); itFloat: 8 places; itFixPoint:
// FixPointDecPlaces places (0 or more); itInt: no places; itHex, itOct, itBin: 8 digits of the
// rounded value. The separator is the resolved one: "," in comma mode, else ".", so that
// NumIOTextToValue reads the text back in every mode.
std::string NumIOValueToText(double Value, TInFormat InputFormat, int FixPointDecPlaces,
                             TDecPSep DecPlaceSep);

// The value of TNumIO's text (the getter of its Value): "0" is appended to a text that ends with
// ".", then ConvertNumString reads it; a text that does not convert reads as 0. The text is read
// with the separator the mode allows, as it was typed, so a text typed in comma mode ("1,5")
// reads as the number it shows.
double NumIOTextToValue(const std::string& Text, TInFormat InputFormat, TDecPSep DecPlaceSep);

// ---- TNumIO2 (custom-drawn) -----------------------------------------------------------------
// DecPlaceSep resolves as ResolveDecPSepForChecks does (dpsSystem: point when the system's
// separator is ".", else comma).

// Whether Instring is a valid text of InputFormat:
// - itExp: IsValidRealText with the exponent allowed; itFloat: IsValidFixedText;
// - itFixPoint: IsValidFixedText, and the first separator stands exactly FixPointDecPlaces
//   characters before the end (position 0 when there is none: "14" passes with 2 places);
// - itInt, itHex, itOct, itBin: the matching check;
// - itDynamic: not empty; after a prefix "$", "%" or "&" the rest must pass the hexadecimal,
//   binary or octal check (a prefix alone fails); anything else is checked as itExp.
bool CheckValidity(const std::string& Instring, TInFormat InputFormat, TDecPSep DecPlaceSep,
                   int FixPointDecPlaces);

// The value of TNumIO2's text buffer (the getter of its Value):
// - itExp, itFloat, itFixPoint: ScanReal from character 1, exponent allowed, point or comma;
// - itInt: a text that passes IsValidIntText as a decimal integer, 2147483647 when outside the
//   32-bit range whatever its sign; any other text 0;
// - itHex, itOct, itBin: the scanner of that base, as a signed 32-bit number ("FFFFFFFF" is -1);
// - itDynamic: "" gives 0; after a prefix the scanner of that base on the rest; else as itExp.
double GetNioValue(const std::string& Buffer, TInFormat InputFormat);

// The text that TNumIO2's setter of Value writes into its buffer:
// itExp: RealToText(SignificantDigits + 6, -2), SignificantDigits significant digits (at least
// two); itFloat, itFixPoint: FixPointDecPlaces places (0 or more); itInt, itDynamic: the decimal
// text of the rounded value; itHex, itOct, itBin: 8, 11 and 32 digits of the rounded value.
// The separator is the resolved one ("," in comma mode, else "."), so the text passes
// CheckValidity in every mode.
std::string SetNioValue(double Value, TInFormat InputFormat, int FixPointDecPlaces, int SignificantDigits,
                        TDecPSep DecPlaceSep);

// The value of the buffer rounded to an integer (TNumIO2's IntegerValue). Raises
// EZorvNumIO2Error "Component "Name": integer overflow" when the value lies outside the 32-bit
// signed range.
std::int32_t GetNioIntValue(const std::string& Buffer, TInFormat InputFormat, const std::string& Name);

// Whether the value of the buffer lies below RangeLow or above RangeHigh.
bool OutOfRange(const std::string& Buffer, TInFormat InputFormat, double RangeLow, double RangeHigh);

// The buffer after DecPlaceSep changed from OldSep to NewSep. Nothing changes when the two are
// equal or NewSep is dpsBoth. Otherwise the new separator is "," (dpsComma), the system's
// (dpsSystem) or "." (dpsPoint); from dpsBoth every "." and "," becomes it, from any other mode
// its separator ("." for dpsPoint, "," for dpsComma, the system's for dpsSystem) does.
std::string ChangeDecPlaceSep(const std::string& Buffer, TDecPSep OldSep, TDecPSep NewSep);

}  // namespace gadrix
