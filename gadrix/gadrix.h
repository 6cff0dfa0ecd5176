#pragma once
// Gadrix: every public header of the library.

#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/core/FormatSettings.h"
#include "gadrix/platform/core/Object.h"
#include "gadrix/platform/graphics/TextEngine.h"
#include "gadrix/platform/graphics/Types.h"

#include "gadrix/helmar/Types.h"

#include "gadrix/numeric/NumConversion.h"
#include "gadrix/numeric/NumIO.h"
#include "gadrix/numeric/NumText.h"
