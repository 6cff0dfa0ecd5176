#include "gadrix/platform/core/FormatSettings.h"

namespace gadrix {
namespace {
char decimalSeparator = '.';
}

char GetDecimalSeparator() { return decimalSeparator; }
void SetDecimalSeparator(char Separator) { decimalSeparator = Separator; }

}  // namespace gadrix
