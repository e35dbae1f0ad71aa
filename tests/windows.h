#pragma once
// The program's calculation windows for the tests of the window layer.
#include <QString>

class SheetWindow;

// The window of an object name ("sezioni", "travi", ...) as the program loads it.
SheetWindow* loadedWindow(const QString& name);
