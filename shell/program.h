#pragma once
// The program's windows: loaded on first use, kept (hidden or shown) until the
// exit sequence unloads them.
#include "shell/modponteluma.h"

class SheetWindow;
class QWidget;

// The calculation window of a kind, loaded hidden (and laid out) on first use.
SheetWindow* calcWindow(ModPonteluma::Kind kind);
// Shows the main window `menu` (modeless), loading it when needed.
void ShowMainWindow();
// Exit question; on Yes every window but the splash is unloaded and the splash
// plays again.
void ConfirmExit();
