#pragma once
// Gadrix: every public header of the library.

#include "gadrix/platform/core/Exception.h"
#include "gadrix/platform/core/FormatSettings.h"
#include "gadrix/platform/core/Object.h"
#include "gadrix/platform/graphics/TextEngine.h"
#include "gadrix/platform/graphics/Types.h"

#include "gadrix/helmar/BitFld.h"
#include "gadrix/helmar/Colors.h"
#include "gadrix/helmar/Files.h"
#include "gadrix/helmar/Helmar.h"
#include "gadrix/helmar/NameTables.h"
#include "gadrix/helmar/StringArray.h"
#include "gadrix/helmar/Strings.h"
#include "gadrix/helmar/Types.h"
#include "gadrix/helmar/Utf8.h"
