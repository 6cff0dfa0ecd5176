#include "gadrix/quantis/NumUtils.h"

#include <cmath>
#include <limits>

namespace gadrix {

namespace {

bool IsBlank(char Ch) { return Ch == ' ' || Ch == '\t'; }
bool IsDigit(char Ch) { return Ch >= '0' && Ch <= '9'; }

}  // namespace

bool IsValidDecInt(const std::string& S, int& Value) {
  std::size_t Pos = 0;
  const std::size_t End = S.size();
  while (Pos < End && IsBlank(S[Pos])) ++Pos;
  bool Negative = false;
  if (Pos < End && (S[Pos] == '+' || S[Pos] == '-')) Negative = S[Pos++] == '-';
  // The magnitude is checked against the limit of its sign: -2147483648 is valid, 2147483648 not.
  const long long Limit = Negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                   : std::numeric_limits<int>::max();
  long long Magnitude = 0;
  std::size_t Digits = 0;
  for (; Pos < End && IsDigit(S[Pos]); ++Pos, ++Digits) {
    Magnitude = Magnitude * 10 + (S[Pos] - '0');
    if (Magnitude > Limit) return false;
  }
  while (Pos < End && IsBlank(S[Pos])) ++Pos;
  if (Digits == 0 || Pos != End) return false;
  Value = static_cast<int>(Negative ? -Magnitude : Magnitude);
  return true;
}

bool IsValidDecInt(const std::string& S) {
  int Ignored = 0;
  return IsValidDecInt(S, Ignored);
}

int IntNeg(double X) {
  if (std::isnan(X)) return 0;
  const double Floor = std::floor(X);
  if (Floor <= static_cast<double>(std::numeric_limits<int>::min()))
    return std::numeric_limits<int>::min();
  if (Floor >= static_cast<double>(std::numeric_limits<int>::max()))
    return std::numeric_limits<int>::max();
  return static_cast<int>(Floor);
}

}  // namespace gadrix
