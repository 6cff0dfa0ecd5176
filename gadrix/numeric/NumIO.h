#pragma once
// Module NumIO: the numeric inputs and the number text they are built on - syntax checks,
// scanners and formatters (NumText.h) and the conversions between a control's text and its
// value in each input format (NumConversion.h) - and the custom-drawn numeric input TNumIO2
// (NumIO2.h).

#include "gadrix/numeric/NumConversion.h"
#include "gadrix/numeric/NumText.h"
#include "gadrix/numeric/NumIO2.h"
