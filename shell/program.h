#pragma once
// The program's windows: loaded on first use, kept (hidden or shown) until the
// exit sequence unloads them.
#include <QString>

class SheetWindow;

// The calculation window at an index of the list of windows (or by its object name),
// loaded hidden (and laid out) on first use.
SheetWindow* calcWindow(int index);
SheetWindow* calcWindow(const QString& name);
// Gives the windows' framework the list of windows, the main window, the exit
// sequence and the help pages. Called once at start-up, before any window loads.
void InstallSheetHost();
// Shows the main window `menu` (modeless), loading it when needed.
void ShowMainWindow();
// Exit question; on Yes every window but the splash is unloaded and the splash
// plays again.
void ConfirmExit();
