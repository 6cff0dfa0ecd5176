#pragma once
// Helmar, the base library: shared types and constants, name and colour tables, text and file
// helpers, the string array and the bit set.

#include "gadrix/helmar/BitFld.h"
#include "gadrix/helmar/Colors.h"
#include "gadrix/helmar/Drawing.h"
#include "gadrix/helmar/Files.h"
#include "gadrix/helmar/Markers.h"
#include "gadrix/helmar/NameTables.h"
#include "gadrix/helmar/StringArray.h"
#include "gadrix/helmar/Strings.h"
#include "gadrix/helmar/Types.h"
#include "gadrix/helmar/Utf8.h"
