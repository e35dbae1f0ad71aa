#pragma once
#include "sheet/params.h"

const SheetParams& continuousParams();
// Its page of the help.
WindowHelp continuousHelpPage();
