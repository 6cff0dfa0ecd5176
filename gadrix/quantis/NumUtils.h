#pragma once
// Small numeric helpers of the math library.

#include <string>

namespace gadrix {

// Whether S is a decimal integer that fits an int: optional blanks, an optional sign (+ or -),
// one or more digits 0 to 9, optional blanks; nothing else. "7", " -12 ", "+0" are valid; "",
// "-", "1.0", "1e3", "0x1F", "2147483648" are not.
bool IsValidDecInt(const std::string& S);
// The same test; when S is valid, Value receives its value (otherwise Value is left).
bool IsValidDecInt(const std::string& S, int& Value);

// The largest integer not above X: IntNeg(2.7) = 2, IntNeg(-2.1) = -3, IntNeg(-3) = -3. Values
// beyond the int range give the nearest int limit; NaN gives 0.
int IntNeg(double X);

}  // namespace gadrix
