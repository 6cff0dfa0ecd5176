#pragma once
// Shared types and constants of the base library: the package's root error, the one-byte choices
// that controls pass through (colour scheme, frame style, decimal separator, ...) and the numeric
// limits the controls clamp to.

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/core/Object.h"

namespace gadrix {

// Root of every error the controls raise. Messages about a control instance read
// Component "Meter1": no timer available
class EZorvError : public Exception {
public:
  using Exception::Exception;
};

// A container cannot be resized or addressed as asked.
class EZorvDStructError : public EZorvError {
public:
  using EZorvError::EZorvError;
};

// 0 = fixed line colours grey 0x808080 and white 0xFFFFFF; any other value = the system's button
// shadow and highlight colours.
using TColorScheme = std::uint8_t;

// Frame styles 0 to 5 of DrawFrame.
using TFrameStyle = std::uint8_t;

// Decimal separator choice: 0 the system's, 1 point, 2 comma, 3 both point and comma.
using TDecPSep = std::uint8_t;
constexpr TDecPSep dpsSystem = 0;
constexpr TDecPSep dpsPoint = 1;
constexpr TDecPSep dpsComma = 2;
constexpr TDecPSep dpsBoth = 3;

// Background picture mode: 0 own size at the top left, 1 stretched, 2 tiled.
using TBkgFill = std::uint8_t;

// The way a bar grows, named after where it starts and where it ends.
using TDirection = std::uint8_t;
constexpr TDirection dirBottomToTop = 0;
constexpr TDirection dirTopToBottom = 1;
constexpr TDirection dirRightToLeft = 2;
constexpr TDirection dirLeftToRight = 3;

// Which way a cursor advances: 0 down the column, 1 along the row.
using TOrientation = std::uint8_t;
constexpr TOrientation orVertical = 0;
constexpr TOrientation orHorizontal = 1;

// Language of month and weekday names. Ordinals 1 to 4 name a language; other ordinals are
// accepted everywhere and read as empty names.
using TLanguage = std::uint8_t;
constexpr TLanguage lgEnglish = 1;
constexpr TLanguage lgGerman = 2;
constexpr TLanguage lgFrench = 3;
constexpr TLanguage lgSpanish = 4;

// Field delimiter of a CSV file.
using TCSVDelimiters = std::uint8_t;
constexpr TCSVDelimiters csvComma = 0;
constexpr TCSVDelimiters csvSemicolon = 1;
constexpr TCSVDelimiters csvTab = 2;
constexpr TCSVDelimiters csvSpace = 3;

// The character a delimiter stands for; values without a name give a comma.
constexpr char CSVDelimiterChar(TCSVDelimiters Delimiter) {
  switch (Delimiter) {
    case csvSemicolon: return ';';
    case csvTab: return '\t';
    case csvSpace: return ' ';
    default: return ',';
  }
}

// How two truth values combine.
using TLogicOp = std::uint8_t;
constexpr TLogicOp loAnd = 0;     // A and B
constexpr TLogicOp loOr = 1;      // A or B
constexpr TLogicOp loXor = 2;     // A differs from B
constexpr TLogicOp loAndNot = 3;  // A and not B
constexpr TLogicOp loOrNot = 4;   // A or not B

// A combined with B by the operator; values without a name give A and B.
constexpr bool ApplyLogicOp(TLogicOp Op, bool A, bool B) {
  switch (Op) {
    case loOr: return A || B;
    case loXor: return A != B;
    case loAndNot: return A && !B;
    case loOrNot: return A || !B;
    default: return A && B;
  }
}

// A long operation has done Percent (0 to 100) of its work.
using TOnPercentDoneEvent = std::function<void(TObject* Sender, int Percent)>;

// Asked by a sort each time it compares two rows, with the sort-key texts of both. String1 belongs
// to the row that stands first in the physical order, String2 to the other one. Exchange comes in
// true when the sort's own rule puts the second row before the first; the handler may change it
// and so decide the order itself. A handler whose answers contradict each other still yields some
// order of the rows, never a failure.
using TBeforeSortExchgEvent = std::function<void(TObject* Sender, const std::string& String1,
                                                 const std::string& String2, bool& Exchange)>;

// The largest finite double.
constexpr double uc_MaxDouble = std::numeric_limits<double>::max();
// Larger than any distance a control measures.
constexpr double uc_MaxReal = 1.0e300;
// ln(10).
constexpr double uc_ln10 = 2.302585092994045684;

}  // namespace gadrix
