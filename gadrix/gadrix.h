#pragma once
// Gadrix: every public header of the library.

#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/core/FormatSettings.h"
#include "gadrix/platform/core/Object.h"
#include "gadrix/platform/graphics/Graphics.h"

#include "gadrix/helmar/Drawing.h"
#include "gadrix/helmar/Markers.h"
#include "gadrix/helmar/Types.h"
