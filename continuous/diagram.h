#pragma once
// The shear and moment diagram of one row of the continuous-beams sheet: the exact
// solution of the beam, whatever method the grid shows, with its check setting every
// number of the grid against that solution.
#include "sheet/diagram.h"
#include "sheet/params.h"
#include "sheet/sheet.h"

#include <optional>

// The diagram of `row`; its check compares the results of the settings' method, as the
// grid shows them, with the exact ones. Nothing when the row lacks its span or load or lies outside
// its field of use.
std::optional<BeamDiagram> ContinuousBeamDiagram(const Sheet& sheet, int typology, int row,
                                                 const CalcSettings& settings);
