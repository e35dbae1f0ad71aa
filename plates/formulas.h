#pragma once
#include "sheet/params.h"

// The method, the sign convention, the formulas and the table of coefficients of every
// plate typology, as the calculation report prints them.
void DescribePlatesReport(ReportLayout& report);
