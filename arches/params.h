#pragma once
#include "sheet/params.h"

const SheetParams& archesParams();
// Its page of the help.
WindowHelp archesHelpPage();
