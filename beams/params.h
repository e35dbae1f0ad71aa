#pragma once
#include "sheet/params.h"

const SheetParams& beamsParams();
