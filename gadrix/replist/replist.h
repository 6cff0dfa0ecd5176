#pragma once
// The report list: its data store (TRLData).

#include "gadrix/replist/RLData.h"
