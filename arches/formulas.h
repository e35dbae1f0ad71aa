#pragma once
#include "sheet/params.h"

// The method, the sign convention and the formulas of every arch typology, as the
// calculation report prints them.
void DescribeArchesReport(ReportLayout& report);
