#pragma once
// The shear and moment diagram of one row of the continuous-beams sheet: spans of equal
// length, each loaded as the typology says and carrying the row's support moments at its
// ends; the reactions follow by statics.
#include "sheet/diagram.h"
#include "sheet/sheet.h"

#include <optional>

// Whether span `span` (0 = A-B .. 3 = D-E) of the typology carries the load.
bool ContinuousSpanLoaded(int typology, int span);

// The diagram of `row`; its check sets the tabulated reactions and span moments against
// those found by statics. Nothing when the row lacks its span or load.
std::optional<BeamDiagram> ContinuousBeamDiagram(const Sheet& sheet, int typology, int row);
