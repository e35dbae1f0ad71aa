#pragma once
// The calculation windows of the program.
#include <QString>
#include <vector>

struct SheetParams;

// The list of the calculation windows, in the order of the main window's groups, the
// "Visualizza" menu, the toolbar and the help contents: a window's position is its
// index. This list is the only place that names the windows' folders.
const std::vector<const SheetParams*>& CalcWindows();
// The index of the window with an object name ("travi"), -1 when there is none.
int WindowIndex(const QString& name);
