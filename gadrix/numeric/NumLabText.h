#pragma once
// The text a numeric label shows for its value, as pure functions of the value and the label's
// settings. TNumLab (NumLab.h) adds the two steps that need the control: its OnBeforeDisplay
// handler and the overflow test, which measures the text in the control's font.
//
// The whole road of a value to the box, in this order:
//   1. FormatDisplayValue: the text of the value in the display format (table below).
//   2. FixSeparatorAndSign, for every format but dtHex, dtDateTime, dtState and dtBin: every "."
//      becomes "," when Comma is set, otherwise every "," becomes "."; then "+" goes in front when
//      ForcePlusSign is set and the value is above 0 (zero never gets one).
//   3. The label's OnBeforeDisplay handler may rewrite the text.
//   4. A text wider than LabelWidth - 6 pixels becomes the OverflowIndicator, except in dtState.
// Steps 1 and 2 together are DisplayValueText.
//
// Formats (Precision 2 unless the example says otherwise; P stands for Precision):
//   dtFloat      at most P significant digits (at least one), trailing zeros dropped; fixed
//                notation from 0.00001 up to P integer digits, else scientific with the exponent
//                as in dtExp. P 4: 1234.5678 "1235", 0.000123456 "0.0001235", 123456 "1.235E+005",
//                1.5E-6 "1.5E-006", 2.5 "2.5".
//   dtFixP       exactly P decimals: 1234.5678 "1234.57", P 0: 2.5 "2" (halves to even).
//   dtExp        P significant digits (at least one), "E", the exponent's sign and at least three
//                exponent digits. P 3: 1234.5 "1.23E+003", -0.000123 "-1.23E-004", 0 "0.00E+000";
//                P 1: 1234.5 "1E+003".
//   dtHex        upper-case hexadecimal of the rounded value, at least P digits: 255 "FF",
//                10 "0A", P 4: 10 "000A". Negative values are written in two's complement, in 32
//                bits down to -2^31 (-1 "FFFFFFFF") and in 64 bits below (-2^32 "FFFFFFFF00000000");
//                below -2^63 as "-" and the digits of the magnitude.
//   dtZeroInt    the rounded value in decimal, padded with zeros to P digits after the sign:
//                P 4: 42.5 "0042", -7 "-0007", 123456 "123456".
//   dtInt        the rounded value in decimal, halves to even: 2.5 "2", 3.5 "4", -2.5 "-2";
//                beyond the 64-bit range the exact integer: 1E20 "100000000000000000000".
//   dtDateTime   DTFormat applied to the value as a date and time (FormatDateTime,
//                platform/core/DateTime.h: days since 1899-12-30, English month names):
//                "mmm-dd, yyyy" of 45356.75 "Mar-05, 2024"; "hh:mm am/pm" "06:00 pm". A value that
//                names no date (not finite, outside the years 1 to 9999) shows OverflowIndicator.
//   dtState      StateText, whatever the value.
//   dtBin        binary digits of the rounded value, at least P: 5 "101", 1 "01"; negative
//                values as for dtHex (-1 is thirty-two "1").
//   dtOct        octal digits of the rounded value, at least P: 8 "10", 64 "100", 5 "05";
//                negative values as for dtHex (-1 "37777777777").
//   dtDeg        degrees with P decimals and "°": 12.5 "12.50°", -0.25 "-0.25°".
//   dtDegMin     whole degrees, "°", minutes with two integer digits and P decimals, "'":
//                12.5125 "12°30.75'", 12.999999 "13°00.00'" (rounding carries into the degrees).
//   dtDegMinSec  whole degrees, "°", two-digit minutes, "'", seconds with two integer digits and P
//                decimals, '"': P 1: 12.5125 "12°30'45.0"", -48.858222 "-48°51'29.6"".
//   dtEEng       engineering notation: a mantissa from 1 to below 1000 with P decimals and an
//                exponent that is a multiple of 3, written as in dtExp: 12345.6 "12.35E+003",
//                -0.0047 "-4.70E-003", 999.999 "1.00E+003", 0 "0.00E+000".
//   dtEEngNoDP   dtEEng with the mantissa rounded to a whole number, so there is no decimal point
//                (P does not apply): 12345.6 "12E+003", 0.0047 "5E-003", 999.6 "1E+003".
// Every numeric format writes a value that is not finite as "NaN", "Inf" or "-Inf". A text that
// shows zero carries no "-" ("0.00" for -0.001), as a label showing "-0.00" would mislead.

#include <cstdint>
#include <string>

namespace gadrix {

// Display format of the numeric label (one byte).
enum TDisplay : std::uint8_t {
  dtFloat, dtFixP, dtExp, dtHex, dtZeroInt, dtInt, dtDateTime, dtState,
  dtBin, dtOct, dtDeg, dtDegMin, dtDegMinSec, dtEEng, dtEEngNoDP
};
constexpr TDisplay kLastDisplay = dtEEngNoDP;

// Largest Precision a label keeps; larger values are lowered to it.
constexpr int kNumLabMaxPrecision = 15;

// The label's settings that the text depends on, with the label's defaults.
struct TNumLabTextFormat {
  TDisplay DisplayType = dtFixP;
  int Precision = 2;  // 0 to kNumLabMaxPrecision
  bool Comma = false;
  bool ForcePlusSign = false;
  std::string DTFormat = "mmm-dd, yyyy";
  std::string StateText = "undefined";
  std::string OverflowIndicator = "*********";
};

// Step 1: the text of Value in Format.DisplayType (table above), with "." as decimal separator.
// A Precision outside 0 to kNumLabMaxPrecision is taken as the nearest end of that range.
std::string FormatDisplayValue(double Value, const TNumLabTextFormat& Format);

// Whether step 2 applies to the format: every format but dtHex, dtDateTime, dtState and dtBin.
bool TakesSeparatorAndSign(TDisplay DisplayType);

// Step 2: the separator fixed and the plus sign added ("1234.57" with Comma is "1234,57", with
// ForcePlusSign and a positive value "+1234.57").
std::string FixSeparatorAndSign(std::string Text, double Value, bool Comma, bool ForcePlusSign);

// Steps 1 and 2: the text before the OnBeforeDisplay handler sees it.
std::string DisplayValueText(double Value, const TNumLabTextFormat& Format);

// Step 4: whether a text TextWidth pixels wide is replaced by the overflow indicator in a box
// LabelWidth pixels wide. dtState never is.
bool NeedsOverflowIndicator(TDisplay DisplayType, int TextWidth, int LabelWidth);

}  // namespace gadrix
