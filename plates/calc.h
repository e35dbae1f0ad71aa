#pragma once
#include "sheet/field.h"
#include "sheet/params.h"

// Moments Mx, My at mid-span and mx, my at the edges of every row of the plates sheet.
// The run stops silently at the first row without its first datum or its load.
CalcOutcome CalculatePlates(Sheet& sheet, int typology);

// The field of use of typology N: a complete row outside it gets no results.
const FieldOfUse& PlatesField(int typology);

// Coefficients of a rectangular plate for the side ratio ly/lx, picked from the table by
// the neighbour rule: simply supported (typology 1) or clamped (typology 2).
struct PlateCoefficients {
    double mx = 0, my = 0; // mid-span, parallel to lx and to ly
    double ex = 0, ey = 0; // at the clamped edges (0 for a simply supported plate)
};
PlateCoefficients PlateCoefficientsFor(double ratio, bool clamped);

// Whether a change of typology keeps the rows: both rectangular or both circular.
bool PlatesSameShape(int oldTypology, int newTypology);
