#pragma once
#include "sheet/params.h"

const SheetParams& beamsParams();
// Its page of the help.
WindowHelp beamsHelpPage();
