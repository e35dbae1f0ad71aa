#pragma once
#include "sheet/field.h"
#include "sheet/params.h"

// Moment of inertia I, distances E and E' of the neutral axis, moduli W and W' and
// area A of every row of the sections sheet.
CalcOutcome CalculateSections(Sheet& sheet, int typology);

// The field of use of shape N: what its formulas assume of the dimensions (an inner
// dimension within the outer one, a height above 0). Whatever the shape, a row whose
// area or moment of inertia comes out not above 0 is outside too.
const FieldOfUse& SectionField(int typology);
