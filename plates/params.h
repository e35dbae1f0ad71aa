#pragma once
#include "sheet/params.h"

const SheetParams& platesParams();
// Its page of the help.
WindowHelp platesHelpPage();
