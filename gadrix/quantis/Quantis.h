#pragma once
// The math library: the numeric data table, the double and integer matrices, numeric helpers.

#include "gadrix/quantis/DataTable.h"
#include "gadrix/quantis/IntMatrix.h"
#include "gadrix/quantis/Matrix.h"
#include "gadrix/quantis/NumUtils.h"
