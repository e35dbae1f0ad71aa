// Keyboard use of the grid and what screen readers are told.
#include "sheetwindow/window.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <memory>

// Delivers a key as the platform does: a shortcut of the window gets it unless the
// widget with the focus claims it first.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace {

class Keyboard : public ::testing::Test {
protected:
    void open(const QString& kind, int typology) {
        window.reset(new SheetWindow(windowParams(kind)));
        window->setTypology(typology);
        window->sistema();
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        QApplication::processEvents();
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    QWidget* widget(const QString& name) const { return window->findChild<QWidget*>(name); }
    void press(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(focused(), &event);
    }
    void pressShortcut(int key, Qt::KeyboardModifiers modifiers) {
        if (qt_sendShortcutOverrideEvent(focused(), 0, key, modifiers, QString(), false, 1))
            return;
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(focused(), &event);
    }
    QStringList column(int c, int rows) const {
        QStringList data;
        for (int row = 1; row <= rows; ++row)
            data << window->sheet().datum(c, row);
        return data;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<SheetWindow> window;
};

} // namespace

TEST_F(Keyboard, TabFollowsReadingOrderAndSkipsGreyColumns) {
    open("sezioni", 2); // three columns used
    std::vector<QString> order;
    QWidget* from = widget("B_1");
    for (int i = 0; i < 7; ++i) {
        order.push_back(from->objectName());
        do
            from = from->nextInFocusChain();
        while (!(from->focusPolicy() & Qt::TabFocus) || !from->isEnabled());
    }
    EXPECT_EQ(order,
              (std::vector<QString>{"B_1", "h_1", "spess_1", "B_2", "h_2", "spess_2", "B_3"}));
}

TEST_F(Keyboard, ArrowsMoveWithinAColumnAndScrollAtTheEdges) {
    open("travi", 5);
    widget("dat2_9")->setFocus();
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), widget("dat2_10"));
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), widget("dat2_10"));
    EXPECT_EQ(window->firstVisibleRow(), 2);
    EXPECT_EQ(window->findChild<QLabel*>("num_10")->text(), "11");
    press(Qt::Key_Up);
    EXPECT_EQ(focused(), widget("dat2_9"));
    widget("dat2_1")->setFocus();
    press(Qt::Key_Up);
    EXPECT_EQ(window->firstVisibleRow(), 1);
    press(Qt::Key_Up); // already at the top: stays
    EXPECT_EQ(window->firstVisibleRow(), 1);
    EXPECT_EQ(focused(), widget("dat2_1"));
}

// From the first box, Tab passes every box of the ten rows, then the type chooser and
// the buttons, and comes back; Shift+Tab walks the same loop backwards.
TEST_F(Keyboard, TabLoopsThroughTheBoxesTheChooserAndTheButtonsInEveryWindow) {
    for (const SheetParams* params : allWindows()) {
        open(params->name, 1);
        const auto loop = [this](int key) {
            std::vector<QString> order;
            window->box(1, 1)->setFocus();
            for (int i = 0; i < 200; ++i) {
                QKeyEvent event(QEvent::KeyPress, key,
                                key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
                QApplication::sendEvent(focused(), &event);
                order.push_back(focused() ? focused()->objectName() : QString("<none>"));
                if (focused() == window->box(1, 1))
                    break;
            }
            return order;
        };
        const std::vector<QString> forward = loop(Qt::Key_Tab);
        int boxes = 0;
        for (int c = 1; c <= int(params->data.size()); ++c)
            boxes += window->box(c, 1)->isEnabled() ? kVisibleRows : 0;
        const std::vector<QString> leaving = {"tipocalcolo", "men", "aiuto", "guidainlinea",
                                              "esco"};
        ASSERT_EQ(forward.size(), size_t(boxes) + leaving.size()) << params->name.toStdString();
        EXPECT_EQ(std::vector<QString>(forward.end() - 6, forward.end() - 1), leaving)
            << params->name.toStdString();
        EXPECT_EQ(forward.back(), window->box(1, 1)->objectName());
        EXPECT_EQ(window->firstVisibleRow(), 1); // an empty sheet does not scroll

        std::vector<QString> backward = loop(Qt::Key_Backtab);
        std::reverse(backward.begin(), backward.end() - 1);
        EXPECT_EQ(backward, forward) << params->name.toStdString();
    }
}

TEST_F(Keyboard, TabPastTheLastVisibleRowScrollsToTheFirstEmptyRowThenLeaves) {
    open("travi", 5); // luce and carico; dato 3 grey
    for (int row = 1; row <= 11; ++row)
        window->sheet().setDatum(1, row, "4");
    window->sheet().CountRows();
    widget("dat2_10")->setFocus();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(focused(), &tab);
    EXPECT_EQ(window->firstVisibleRow(), 2); // row 11, the last in use
    EXPECT_EQ(focused(), widget("dat1_10"));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_EQ(window->firstVisibleRow(), 3); // row 12, the first empty one
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_EQ(window->firstVisibleRow(), 3);
    EXPECT_EQ(focused(), widget("tipocalcolo"));
    widget("dat1_1")->setFocus();
    QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::sendEvent(focused(), &backtab);
    EXPECT_EQ(window->firstVisibleRow(), 2);
    EXPECT_EQ(focused(), widget("dat2_1"));
}

TEST_F(Keyboard, AccessibleNamesSayRowColumnAndUnit) {
    open("sezioni", 1);
    EXPECT_EQ(widget("B_3")->accessibleName(), "riga 3, base B, cm");
    EXPECT_EQ(widget("mom_3")->accessibleName(), "riga 3, mom.inerzia, I=cm4");
    window->setFirstVisibleRow(11);
    EXPECT_EQ(widget("h_1")->accessibleName(), "riga 11, altezza H, cm");

    open("travi", 4);
    EXPECT_EQ(widget("dat2_2")->accessibleName(), "riga 2, carico P, kg");
    EXPECT_EQ(widget("dat3_2")->accessibleName(), "riga 2, dist. a, m");

    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(widget("dat1_1"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(QAccessible::Name), "riga 1, luce, m");
    QAccessibleInterface* hint = QAccessible::queryAccessibleInterface(widget("passo"));
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->role(), QAccessible::StatusBar);
    EXPECT_TRUE(hint->text(QAccessible::Name).startsWith("Aprire un file archiviato"));
}

TEST_F(Keyboard, PagesAndEndsScrollTheGridAndShortcutsReachTheCommands) {
    open("sezioni", 1);
    for (int row = 1; row <= 35; ++row)
        window->sheet().setDatum(1, row, "1");
    window->sheet().CountRows();
    window->box(1, 1)->setFocus();
    auto pressWith = [this](int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(focused(), &event);
    };
    press(Qt::Key_PageDown);
    EXPECT_EQ(window->firstVisibleRow(), 11);
    press(Qt::Key_PageDown);
    press(Qt::Key_PageUp);
    EXPECT_EQ(window->firstVisibleRow(), 11);
    pressWith(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(window->firstVisibleRow(), 26); // row n = 35 is the last one shown
    pressWith(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(window->firstVisibleRow(), 1);
    EXPECT_EQ(focused(), window->box(1, 1));

    const std::pair<const char*, QKeySequence> keys[] = {
        {"apri", QKeySequence("Ctrl+O")},
        {"salva", QKeySequence("Ctrl+S")},
        {"salvanome", QKeySequence("Ctrl+Shift+S")},
        {"stampa", QKeySequence("Ctrl+P")},
        {"finestra", QKeySequence("F1")},
    };
    for (const auto& [name, key] : keys)
        EXPECT_EQ(window->findChild<QAction*>(name)->shortcut(), key) << name;
}

// Ctrl+Ins puts a copy of the focused box's row above it, Ctrl+Del deletes that row;
// the box keeps neither key for itself, the status bar names the row, Ctrl+Z undoes.
TEST_F(Keyboard, RowKeysInsertACopyAboveAndDeleteTheFocusedRowUndoably) {
    open("sezioni", 1);
    for (int row = 1; row <= 12; ++row) {
        window->sheet().setDatum(1, row, QString::number(row));
        window->sheet().setDatum(2, row, "7");
    }
    window->sheet().CountRows();
    window->setFirstVisibleRow(3);
    window->box(2, 2)->setFocus(); // row 4
    window->box(2, 2)->setCursorPosition(0);

    auto* modif = window->findChild<QMenu*>("modif");
    ASSERT_NE(modif, nullptr);
    QMetaObject::invokeMethod(modif, "aboutToShow");
    const auto keyText = [](int key) {
        return QKeySequence(Qt::CTRL | key).toString(QKeySequence::NativeText);
    };
    EXPECT_EQ(window->findChild<QAction*>("inserisci")->statusTip(),
              "Inserisce sopra la riga 4 una sua copia (" + keyText(Qt::Key_Insert) + ").");
    EXPECT_EQ(window->findChild<QAction*>("eliminariga")->statusTip(),
              "Elimina la riga 4 (" + keyText(Qt::Key_Delete) + ").");

    pressShortcut(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(window->sheet().n(), 13);
    EXPECT_EQ(column(1, 6), (QStringList{"1", "2", "3", "4", "4", "5"}));
    EXPECT_EQ(focused(), window->box(2, 2));
    EXPECT_TRUE(window->statusBar()->currentMessage().contains("riga 4"));

    pressShortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->sheet().n(), 12);
    EXPECT_EQ(column(1, 5), (QStringList{"1", "2", "3", "4", "5"}));

    window->box(1, 3)->setFocus(); // row 5
    pressShortcut(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(window->sheet().n(), 11);
    EXPECT_EQ(column(1, 6), (QStringList{"1", "2", "3", "4", "6", "7"}));
    EXPECT_EQ(window->box(1, 3)->text(), "6");
    EXPECT_EQ(window->statusBar()->currentMessage(), "Eliminata la riga 5.");
    pressShortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(column(1, 6), (QStringList{"1", "2", "3", "4", "5", "6"}));

    // A copy of an empty row is nothing: the sheet stays as it is.
    window->setFirstVisibleRow(11);
    window->box(1, 5)->setFocus(); // row 15
    pressShortcut(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(window->sheet().n(), 12);
    EXPECT_TRUE(window->statusBar()->currentMessage().contains("riga 15"));
}

// Each command of the toolbar is an item of a menu, reached with Alt and a letter
// that no other item of that menu (and no other menu) uses.
TEST_F(Keyboard, EveryToolbarCommandHasItsOwnMnemonicInAMenu) {
    const auto mnemonic = [](const QString& text) {
        const qsizetype at = text.indexOf('&');
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    };
    for (const SheetParams* params : allWindows()) {
        open(params->name, 1);
        std::map<QChar, int> titles;
        for (QAction* title : window->menuBar()->actions())
            ++titles[mnemonic(title->text())];
        const auto toolbar = window->findChildren<QAction*>(QRegularExpression("^Toolbar1_"));
        ASSERT_GE(toolbar.size(), 15);
        for (const QAction* button : toolbar) {
            const QString command = button->property("command").toString();
            if (button->isSeparator())
                continue;
            auto* action = window->findChild<QAction*>(command);
            ASSERT_NE(action, nullptr) << button->objectName().toStdString();
            QMenu* menu = nullptr;
            for (QAction* title : window->menuBar()->actions()) {
                if (title->menu() && title->menu()->actions().contains(action))
                    menu = title->menu();
            }
            ASSERT_NE(menu, nullptr) << command.toStdString();
            const QString where = params->name + " " + command;
            const QChar letter = mnemonic(action->text());
            ASSERT_FALSE(letter.isNull()) << where.toStdString();
            EXPECT_EQ(titles[mnemonic(menu->title())], 1) << where.toStdString();
            int same = 0;
            for (const QAction* other : menu->actions())
                same += !other->isSeparator() && mnemonic(other->text()) == letter;
            EXPECT_EQ(same, 1) << where.toStdString();
        }
    }
}
