#include "shell/program.h"

#include "help/help.h"
#include "sheet/numbers.h"
#include "sheet/params.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/host.h"
#include "sheetwindow/window.h"
#include "shell/menu.h"
#include "shell/splash.h"
#include "shell/validation.h"
#include "shell/windows.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>

SheetWindow* calcWindow(int index) {
    static std::vector<QPointer<SheetWindow>> windows(CalcWindows().size());
    QPointer<SheetWindow>& window = windows.at(size_t(index));
    if (!window) {
        InstallSheetHost();
        window = new SheetWindow(*CalcWindows()[size_t(index)]);
        window->sistema();
    }
    return window;
}

SheetWindow* calcWindow(const QString& name) {
    return calcWindow(WindowIndex(name));
}

void InstallSheetHost() {
    SheetHost& host = sheetHost();
    if (!host.windows.empty())
        return;
    host.windows = CalcWindows();
    host.window = [](int index) { return calcWindow(index); };
    host.showMainWindow = ShowMainWindow;
    host.confirmExit = ConfirmExit;
    host.showHelpPage = ShowHelpPage;
    host.showHelpContents = ShowHelpContents;
    host.showTips = ShowTips;
    host.showSupport = ShowSupport;
    host.showAbout = ShowAbout;
    host.showValidation = ShowValidation;
}

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
    // The main window and the calculation windows go first, then the help contents,
    // then all the others.
    QStringList first{"menu"};
    for (const SheetParams* window : CalcWindows())
        first << window->name;
    first << "sommario";
    auto rank = [&first](const QWidget* window) {
        const int found = int(first.indexOf(window->objectName()));
        return found < 0 ? int(first.size()) : found;
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
    if (MsgBox(question, Icon::Question, "Attenzione: i dati non archiviati andranno persi!",
               Buttons::YesNo, Answer::No) != Answer::Yes)
        return;
    UnloadProgramWindows();
    if (FrmSplash* splash = FrmSplash::instance())
        splash->showAgain();
}
