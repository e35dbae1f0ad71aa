#include "shell/program.h"

#include "shell/dialogs.h"
#include "shell/menu.h"
#include "shell/splash.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

void ShowMainWindow() {
    Menu* menu = Menu::instance();
    if (!menu)
        menu = new Menu();
    if (menu->isMinimized())
        menu->showNormal();
    menu->show();
    menu->raise();
    menu->activateWindow();
}

void UnloadProgramWindows() {
    // The main window and the calculation windows go first, then all the others.
    static const char* const first[] = {"menu",     "sezioni", "travi",  "continue",
                                        "sommario", "archi",   "piastre"};
    auto rank = [](const QWidget* window) {
        const auto* end = std::end(first);
        const auto* found = std::find(std::begin(first), end, window->objectName());
        return int(found - std::begin(first));
    };
    QWidgetList windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // Child windows go with their owners; tool tips are the toolkit's own.
        if (window == FrmSplash::instance() || window->parentWidget() ||
            window->windowType() == Qt::ToolTip)
            continue;
        windows << window;
    }
    std::stable_sort(windows.begin(), windows.end(),
                     [&](const QWidget* a, const QWidget* b) { return rank(a) < rank(b); });
    // Deleted at the next turn of the event loop: the exit command that runs this
    // belongs to one of these windows.
    for (QWidget* window : windows) {
        window->hide();
        window->deleteLater();
    }
}

void ConfirmExit() {
    const QString question = "Vuoi uscire da " + ModPonteluma::identity().product + "?";
    if (MsgBox(question, Icon::Question, "Attenzione: i dati non archiviati andranno persi !",
               Buttons::YesNo, Answer::No) != Answer::Yes)
        return;
    UnloadProgramWindows();
    if (FrmSplash* splash = FrmSplash::instance())
        splash->showAgain();
}
