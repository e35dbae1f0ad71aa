#pragma once
// Checks that hold for every shear and moment diagram, whatever built it.
#include "sheet/diagram.h"

#include <string>

// The sections are sorted and cover the beam from V = 0 at A to V = 0 at the far end;
// every support and point load has its section and makes V jump by its force; the change
// of M between two sections equals the area under V; the reactions carry the load.
void ExpectDiagramCloses(const BeamDiagram& diagram, const std::string& context);
