#pragma once
// The report list: its data store (TRLData) and the view that shows it (TReportListView).

#include "gadrix/replist/RLData.h"
#include "gadrix/replist/ReportListText.h"
#include "gadrix/replist/ReportListView.h"
