#pragma once
#include "sheet/params.h"

// The method, the sign convention and the formulas of every section typology, as the
// calculation report prints them.
void DescribeSectionsReport(ReportLayout& report);
