#pragma once
#include "sheet/params.h"

const SheetParams& sectionsParams();

// Data columns that typology N uses: 1..SectionColumns(N). The grid greys the others,
// the archive stores these, and the calculation needs them all.
int SectionColumns(int typology);
// Its page of the help.
WindowHelp sectionsHelpPage();
