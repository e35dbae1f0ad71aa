#pragma once
// Openers of the help and information pages.
#include <QString>

// A help page by its object name ("guidasezioni", "manuale", ...).
void ShowHelpPage(const QString& name);
void ShowHelpContents(); // `sommario`
void ShowTips();         // `frmTip`
void ShowAbout();        // `informa`
void ShowSupport();      // `supportoclienti`
