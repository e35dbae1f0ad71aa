#pragma once
#include "sheet/params.h"

const SheetParams& platesParams();
