#pragma once
// Gadrix: every public header of the library.

#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/core/FormatSettings.h"
#include "gadrix/platform/core/Object.h"
#include "gadrix/platform/graphics/Graphics.h"

#include "gadrix/helmar/Types.h"

#include "gadrix/quantis/DataTable.h"
#include "gadrix/quantis/IntMatrix.h"
#include "gadrix/quantis/Matrix.h"
#include "gadrix/quantis/NumUtils.h"
#include "gadrix/quantis/Quantis.h"

#include "gadrix/numeric/NumConversion.h"
#include "gadrix/numeric/NumIO.h"
#include "gadrix/numeric/NumText.h"
