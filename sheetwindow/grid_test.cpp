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
#include <gtest/gtest.h>
#include <memory>

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

TEST_F(Keyboard, TabPastTheLastVisibleRowScrolls) {
    open("travi", 5); // luce and carico; dato 3 grey
    widget("dat2_10")->setFocus();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(focused(), &tab);
    EXPECT_EQ(window->firstVisibleRow(), 2);
    EXPECT_EQ(focused(), widget("dat1_10"));
    widget("dat1_1")->setFocus();
    QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::sendEvent(focused(), &backtab);
    EXPECT_EQ(window->firstVisibleRow(), 1);
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
