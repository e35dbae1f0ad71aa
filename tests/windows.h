#pragma once
// The program's calculation windows for the tests of the window layer.
#include <QString>

class SheetWindow;

class QWidget;

// Types text key by key into the data box of that object name, as the keyboard does;
// false when the window has no such box.
bool TypeInto(QWidget* window, const QString& boxName, const QString& keys);

// The window of an object name ("sezioni", "travi", ...) as the program loads it.
SheetWindow* loadedWindow(const QString& name);
