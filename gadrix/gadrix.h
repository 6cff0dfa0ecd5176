#pragma once
// Gadrix: every public header of the library.

// The toolkit layer.
#include "gadrix/platform/core/DateTime.h"
#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/core/FormatSettings.h"
#include "gadrix/platform/core/Object.h"
#include "gadrix/platform/graphics/Graphics.h"
#include "gadrix/platform/controls/Controls.h"
#include "gadrix/platform/stdctrls/Edit.h"
#include "gadrix/platform/grids/GridAxis.h"
#include "gadrix/platform/grids/Grids.h"
#include "gadrix/platform/grids/InplaceEdit.h"
#include "gadrix/platform/grids/ScrollBar.h"

// The base and math libraries.
#include "gadrix/helmar/Helmar.h"
#include "gadrix/quantis/Quantis.h"

// The controls.
#include "gadrix/calendar/MiniCal.h"
#include "gadrix/displays/sevenseg.h"
#include "gadrix/meter/Meter.h"
#include "gadrix/numeric/NumIO.h"
#include "gadrix/numeric/NumLab.h"
#include "gadrix/replist/replist.h"
