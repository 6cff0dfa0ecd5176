#pragma once
// Number text of the numeric controls: syntax checks for each input format, scanners that read a
// number from text, formatters that write one, and the rounding they share. No state, no toolkit.
//
// Conventions of every routine here:
// - Text is UTF-8. Positions are 1-based character indexes, passed by reference: on entry the
//   character where a scan starts, on return the character that ended it, or length + 1 when the
//   scan ran to the end of the text. A start below 1 counts as 1, one past length + 1 as length + 1.
//   A character is a complete UTF-8 sequence; a byte that starts none counts as one character, so
//   positions never split a sequence. Only ASCII characters take part in a number; any other
//   character is an "other" character that ends or rejects a scan.
// - Upper-casing touches only the letters a to z.
// - A decimal separator mode (TDecPSep) is dpsPoint ("."), dpsComma (",") or dpsBoth (either).
//   A point or comma that is not a separator under the mode is an ordinary character.
//   dpsSystem follows the system's decimal separator (GetDecimalSeparator), resolved as stated at
//   each routine; values above dpsBoth count as dpsBoth.
// - Nothing here raises. Integer accumulation wraps around in 32 bits; real values are clamped
//   to plus or minus uc_MaxDouble.

#include <cstdint>
#include <string>

#include "gadrix/helmar/Types.h"

namespace gadrix {

// Largest exponent magnitude that a scanned real text keeps; exponent digits beyond it are read
// but dropped ("1e5000" reads as 1E500, which is clamped to uc_MaxDouble).
constexpr int kRealExponentLimit = 4200;

// Separator modes as the edit-based numeric input resolves DecPlaceSep: dpsSystem gives dpsComma
// when the system's separator is ",", otherwise dpsPoint. Other values are returned as they are,
// those above dpsBoth as dpsBoth.
TDecPSep ResolveDecPSepForConversion(TDecPSep DecPlaceSep);

// Separator modes as the syntax checks resolve DecPlaceSep: dpsSystem gives dpsPoint when the
// system's separator is ".", otherwise dpsComma. Other values are returned as they are, those
// above dpsBoth as dpsBoth.
TDecPSep ResolveDecPSepForChecks(TDecPSep DecPlaceSep);

// ---- Scanners -------------------------------------------------------------------------------

// Reads a real number from Text, starting at character Pos: optional blanks, an optional sign,
// digits with at most one separator, and (when ExpAllowed) "E" or "e" with an optional sign and
// exponent digits. Pos returns at the character that ended the number, or length + 1.
// A text that is no number gives 0; an error met at the end of the text also leaves Pos at
// length + 1, so "", "-", "+" and " " read as 0 with Pos = length + 1.
// A missing exponent reads as 0 ("2E" and "2E-" give 2). Values are correctly rounded to the
// nearest double and clamped to plus or minus uc_MaxDouble. SepMode dpsSystem resolves as in
// ResolveDecPSepForConversion.
// Examples: "1,5" (point) gives 1, Pos 2; "1,5" (both) 1.5; "1.5.2" gives 0, Pos 4 (a second
// separator is an error).
double ScanReal(const std::string& Text, int& Pos, bool ExpAllowed, TDecPSep SepMode);

// Reads a signed decimal integer from character Pos: blanks are skipped while Pos is before the
// last character, then one "+" or "-", then digits until the first non-digit (Pos stays on it)
// or the end. The value wraps around in 32 bits ("4294967297" gives 1). An empty text gives 0.
std::int32_t ScanInt(const std::string& Text, int& Pos);

// Read hexadecimal (0-9, A-F, a-f), octal (0-7) and binary (0-1) digits from character Pos, after
// blanks skipped as in ScanInt; no sign. ScanHex passes over a "$" at character 1 of the text.
// The 32 bits read, wrapping around, are returned as a signed value: "FFFFFFFF" gives -1.
std::int32_t ScanHex(const std::string& Text, int& Pos);
std::int32_t ScanOct(const std::string& Text, int& Pos);
std::int32_t ScanBin(const std::string& Text, int& Pos);

// ---- Syntax checks --------------------------------------------------------------------------
// dpsSystem resolves as in ResolveDecPSepForChecks.

// True when a real-number scan of the whole text from character 1 reaches its accepting state.
// The scan accepts at the first character that cannot continue a number, without looking
// further, so "1.5A" and "12 3" are valid, and so are "1e" and "1e-" (an unfinished exponent).
// Empty text, "-", "+" and exponents above kRealExponentLimit ("1e4201") are not.
bool IsValidRealText(const std::string& Text, bool ExpAllowed, TDecPSep DecPlaceSep);

// True when Text is an optional sign, digits and at most one separator followed by digits, with
// nothing else (blanks included). "+", "-", ".", "-.5" and "5." are valid; "", "1.2.3" and "1e3"
// are not.
bool IsValidFixedText(const std::string& Text, TDecPSep DecPlaceSep);

// True for a digit, or for several characters of which the first is "+", "-" or a digit and
// every further one a digit. "+" and "" are invalid.
bool IsValidIntText(const std::string& Text);

// True when Text is not empty and every character is a digit of the base: 0-9, A-F, a-f;
// 0-7; 0-1. No prefix is accepted.
bool IsValidHexText(const std::string& Text);
bool IsValidOctText(const std::string& Text);
bool IsValidBinText(const std::string& Text);

// ---- Formatters -----------------------------------------------------------------------------

// Most places after the point that RealToText writes in fixed notation; 1074 places hold every
// double exactly.
constexpr int kMaxFixedDecimals = 1074;
// Largest |Width| that RealToText honours.
constexpr int kMaxRealTextWidth = 1024;

// Writes Value as text; the separator is always ".". |Width| (at most kMaxRealTextWidth) sets the
// size, the sign of Width only chooses zero padding:
// - Decimals 0 or more (at most kMaxFixedDecimals): fixed notation with exactly Decimals
//   places, correctly rounded from the exact binary value (ties to even, as printf's "%.*f"),
//   right-aligned in at least |Width| characters; Width 1 means no padding. "-" for negative
//   values, negative zero included.
// - Decimals -2: " 1.23450E+03" - a blank or "-", one digit, ".", |Width| - 7 further digits
//   (at least one), "E", the exponent's sign and two exponent digits: |Width| characters. An
//   exponent of 100 or more in magnitude does not fit and the text is all "*" instead.
// - Any other negative Decimals (-1 is the usual value): " 1.23450E+0003" - as -2 with
//   |Width| - 9 further digits (at least one) and four exponent digits: |Width| characters.
// - Negative Width: leading blanks become "0", and a "-" after them moves to the front:
//   RealToText(-6, 2, -1.5) is "-01.50".
// Infinities and NaN are written "Inf", "-Inf" and "NaN", right-aligned, never zero-padded.
std::string RealToText(int Width, int Decimals, double Value);

// The lowest Digits digits of Value, most significant first, leading zeros kept, in upper case.
// Digits is limited to 1..8 (hexadecimal), 1..11 (octal), 1..32 (binary); 0 or less gives one
// digit. HexText(0x12345, 2) is "45"; OctText(8, 11) is "00000000010".
std::string HexText(std::uint32_t Value, int Digits);
std::string OctText(std::uint32_t Value, int Digits);
std::string BinText(std::uint32_t Value, int Digits);

// ---- Rounding -------------------------------------------------------------------------------

// The integer nearest to X, a half going to the even neighbour: Round(2.5) is 2, Round(3.5) is 4,
// Round(-2.5) is -2. Independent of the floating-point rounding mode. Values beyond the 64-bit
// range give the nearest end of it; NaN gives 0. The formatters take the low 32 bits of it.
std::int64_t Round(double X);

}  // namespace gadrix
