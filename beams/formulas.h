#pragma once
#include "sheet/params.h"

// The method, the sign convention and the formulas of every beam typology, as the
// calculation report prints them.
void DescribeBeamsReport(ReportLayout& report);
