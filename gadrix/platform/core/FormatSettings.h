#pragma once
// The platform's number formatting settings, read by the number routines and the controls.

namespace gadrix {

// The system's decimal separator, "." unless the host changes it.
char GetDecimalSeparator();
void SetDecimalSeparator(char Separator);

}  // namespace gadrix
