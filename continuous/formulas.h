#pragma once
#include "sheet/params.h"

// The method, the sign convention and the formulas of every continuous-beam typology,
// written from the table of coefficients the calculation uses.
void DescribeContinuousReport(ReportLayout& report);
