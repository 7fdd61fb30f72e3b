#pragma once
// The report list: TRLData, the data store, and TReportListView, the grid
// control that shows and edits it.
#include "replist/RLData.h"
#include "replist/RLScanDateTime.h"
#include "replist/ReportListView.h"
#include "replist/RLFileCheck.h"
