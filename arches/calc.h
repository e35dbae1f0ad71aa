#pragma once
#include "sheet/field.h"
#include "sheet/params.h"

// Reactions ya, yb, xa, xb and moments Ma, Mb, Mc of every row of the arches sheet.
// It also relabels the result heads (lbya .. lbmc) and sets the validity note `note`
// for the last row it computed. The run stops silently at the first incomplete row.
CalcOutcome CalculateArches(Sheet& sheet, int typology);

// The typology the arches calculation and layout really use: one outside 1..15 is 1.
int ArchesTypology(int typology);

// Whether a typology takes the distance a (third column) or the height h (fourth).
bool ArchesUsesDistance(int typology);
bool ArchesUsesHeight(int typology);

// The field of use of typology N: a complete row outside it gets no results.
const FieldOfUse& ArchesField(int typology);

// Puts the result heads back to their plain captions and hides the note.
void ResetArchesHeads(Sheet& sheet);
