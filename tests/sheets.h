#pragma once
// Sheets and report lines for the tests of the calculation windows.
#include "sheet/params.h"

#include <QStringList>
#include <string>
#include <vector>

// A window's sheet holding the rows' data as typed (column 1 first), rows counted.
Sheet FilledSheet(const SheetParams& params, const std::vector<std::vector<const char*>>& rows);
// The same, laid out for the typology and computed once (with the default method unless
// the settings say otherwise).
Sheet ComputedSheet(const SheetParams& params, int typology,
                    const std::vector<std::vector<const char*>>& rows,
                    const CalcSettings& settings = {});

// The text that starts at a 1-based column of a line of the text grid.
std::string TextAt(const QString& line, int column, int length);
// The index of the first line that starts with the text, -1 when none does.
int LineStarting(const QStringList& page, const QString& start);

// The calculation windows' descriptors, from the program's list of windows.
const std::vector<const SheetParams*>& allWindows();
// A window's descriptor by its object name ("sezioni", "travi", ...).
const SheetParams& windowParams(const QString& name);
