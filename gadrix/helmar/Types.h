#pragma once
// Shared types and constants of the base library: the package's root error, the one-byte choices
// that controls pass through (colour scheme, frame style, decimal separator, ...) and the numeric
// limits the controls clamp to.

#include <cstdint>
#include <limits>

#include "gadrix/platform/core/Exception.h"

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

// The largest finite double.
constexpr double uc_MaxDouble = std::numeric_limits<double>::max();
// Larger than any distance a control measures.
constexpr double uc_MaxReal = 1.0e300;
// ln(10).
constexpr double uc_ln10 = 2.302585092994045684;

}  // namespace gadrix
