#pragma once
// The shear and moment diagram of one row of the simple-beams sheet.
#include "sheet/diagram.h"
#include "sheet/sheet.h"

#include <optional>

// The diagram of `row` from its own data and the typology's supports and loads, with
// the row's support moments and reactions before rounding; nothing when the row has no
// result or its load lies off the beam.
std::optional<BeamDiagram> SimpleBeamDiagram(const Sheet& sheet, int typology, int row);
