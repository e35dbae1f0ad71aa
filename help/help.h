#pragma once
// Openers of the help and information pages. Every window is modeless and loaded
// once: opening it again shows the same window.
#include <QString>

class QWidget;

// A help page by its object name ("guidasezioni", "manuale", ...).
void ShowHelpPage(const QString& name);
void ShowHelpContents(); // `sommario`
void ShowTips();         // `frmTip`
void ShowAbout();        // `informa`
void ShowSupport();      // `supportoclienti`

// The loaded help window of an object name (a page, "sommario", "frmTip",
// "informa", "supportoclienti"), or nullptr when it is not loaded.
QWidget* HelpWindow(const QString& name);
// Unloads every help window (part of the exit sequence); safe to call from a
// handler of one of them.
void UnloadHelpWindows();
// The tips file the tip window reads when it loads (by default the program's own).
void SetTipsFile(const QString& path);
