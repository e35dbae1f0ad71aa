// Every way a calculation window opens the help system: its help menu, its
// toolbar, its "Guida in linea" button and the question of its own window item.
#include "help/help.h"
#include "sheetwindow/window.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"
#include "tests/windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void unloadHelp() {
    UnloadHelpWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool shown(const QString& name) {
    QWidget* window = HelpWindow(name);
    return window && window->isVisible();
}

struct WindowRow {
    const char* kind;
    const char* helpPage;
    const char* title; // as the window's own item names it
};
const WindowRow kWindows[] = {
    {"sezioni", "guidasezioni", "Sezioni"},          {"travi", "guidatravi", "Travi semplici"},
    {"continue", "guidacontinue", "Travi continue"}, {"archi", "guidaarchi", "Archi"},
    {"piastre", "guidapiastre", "Piastre"},
};

} // namespace

TEST(HelpOpeners, MenusToolbarAndButtonsOfEveryCalculationWindow) {
    for (const WindowRow& row : kWindows) {
        SheetWindow* window = loadedWindow(row.kind);
        ASSERT_NE(window, nullptr);
        const struct {
            const char* action;
            QString opens;
        } actions[] = {
            {"guida", "sommario"},       {"finestra", row.helpPage},
            {"suggerimenti", "frmTip"},  {"supporto", "supportoclienti"},
            {"informazioni", "informa"}, {"Toolbar1_guida", "sommario"},
            {"Toolbar1_suggerimenti", "frmTip"},   {"Toolbar1_supporto", "supportoclienti"},
            {"Toolbar1_informazioni", "informa"},
        };
        for (const auto& item : actions) {
            unloadHelp();
            auto* action = window->findChild<QAction*>(item.action);
            ASSERT_NE(action, nullptr) << row.helpPage << " " << item.action;
            action->trigger();
            EXPECT_TRUE(shown(item.opens)) << row.helpPage << " " << item.action;
        }

        unloadHelp();
        auto* button = window->findChild<QPushButton*>("guidainlinea");
        ASSERT_NE(button, nullptr) << row.helpPage;
        button->click();
        EXPECT_TRUE(shown("sommario")) << row.helpPage;
    }
    unloadHelp();
}

TEST(HelpOpeners, OwnWindowItemAsksAndOpensTheWindowsPage) {
    for (const WindowRow& row : kWindows) {
        SheetWindow* window = loadedWindow(row.kind);
        const QString own = "fin" + QString::number(window->position());
        auto* action = window->findChild<QAction*>(own);
        ASSERT_NE(action, nullptr) << own.toStdString();

        unloadHelp();
        ScriptedDialogs dialogs;
        dialogs.answers = {Answer::No, Answer::Yes};
        action->trigger(); // No: nothing opens
        EXPECT_FALSE(shown(row.helpPage)) << row.helpPage;
        action->trigger();
        EXPECT_TRUE(shown(row.helpPage)) << row.helpPage;

        ASSERT_EQ(dialogs.messages.size(), 2u);
        EXPECT_EQ(dialogs.messages[1].text, QString("È questa la finestra '%1': si vuole la "
                                                    "guida della finestra?")
                                                .arg(row.title));
        EXPECT_EQ(dialogs.messages[1].title, "Ponteluma: aiuto in linea");
    }
    unloadHelp();
}
