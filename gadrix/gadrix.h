#pragma once
// Gadrix: every public header of the library.

#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/core/FormatSettings.h"
#include "gadrix/platform/core/Object.h"
#include "gadrix/platform/graphics/Graphics.h"
#include "gadrix/platform/controls/Controls.h"

#include "gadrix/helmar/Helmar.h"
#include "gadrix/quantis/Quantis.h"

#include "gadrix/numeric/NumIO.h"

#include "gadrix/meter/Meter.h"
