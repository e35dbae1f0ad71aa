#pragma once
// The unit system that new sheets take ("Visualizza > Unità di misura"), kept in the
// user's settings between runs. A sheet's own system is its document's: a file opens in
// the units it was written in, whatever the preference.
#include "sheet/units.h"

Units PreferredUnits();
void SetPreferredUnits(Units units);
