#include "help/help.h"

// Placeholders until the help pages are built.
void ShowHelpPage(const QString&) {}
void ShowHelpContents() {}
void ShowTips() {}
void ShowAbout() {}
void ShowSupport() {}
