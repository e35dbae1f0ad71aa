#pragma once
#include "sheet/params.h"

// Moment of inertia I, distances E and E' of the neutral axis, moduli W and W' and
// area A of every row of the sections sheet.
CalcOutcome CalculateSections(Sheet& sheet, int typology);
