// Every digit of every cell is seen: at the design size a nine-character datum and
// result fit their cells in the grid's font, a longer result is drawn smaller but
// whole, and screen readers hear the whole value.
#include "sheet/params.h"
#include "sheetwindow/cellfit.h"
#include "sheetwindow/window.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {

bool fits(const QWidget* cell, const QString& text) {
    return CellFit::textWidth(cell->font(), text) <= CellFit::textRoom(cell) &&
           CellFit::textRoom(cell) <= cell->contentsRect().width();
}

struct Shown {
    std::unique_ptr<SheetWindow> window;
    explicit Shown(const QString& kind) : window(new SheetWindow(windowParams(kind))) {
        window->sistema();
        window->show();
        // At the design size, whatever room the test screen has.
        window->resize(window->designSize());
        QApplication::processEvents();
    }
};

} // namespace

TEST(CellFit, NineCharactersFitAtTheDesignSizeLongerResultsShrinkWhole) {
    ScriptedDialogs dialogs;
    for (const SheetParams* params : allWindows()) {
        Shown shown(params->name);
        SheetWindow* window = shown.window.get();
        const std::string context = window->objectName().toStdString();
        ASSERT_EQ(window->size(), window->designSize()) << context;
        const double design = window->cellPointSize();

        // A datum of nine characters, typed in the first box.
        QLineEdit* box = window->box(1, 1);
        box->setText("123456789");
        EXPECT_DOUBLE_EQ(box->font().pointSizeF(), design) << context;
        EXPECT_TRUE(fits(box, "123456789")) << context;
        EXPECT_TRUE(box->accessibleName().endsWith(": 123456789")) << context;

        // Results in every column: a signed eight-digit one (nine characters) keeps
        // the grid's font, a twelve-character one is smaller and still whole.
        const int columns = int(window->params().results.size());
        for (int c = 1; c <= columns; ++c) {
            window->sheet().setResult(c, 1, -13020833);
            window->sheet().setResult(c, 2, -13020833333.0);
        }
        window->Refresh();
        for (int c = 1; c <= columns; ++c) {
            const std::string where = context + " column " + std::to_string(c);
            QLabel* nine = window->resultLabel(c, 1);
            ASSERT_EQ(nine->text(), "-13020833") << where;
            EXPECT_DOUBLE_EQ(nine->font().pointSizeF(), design) << where;
            EXPECT_TRUE(fits(nine, nine->text())) << where;

            QLabel* twelve = window->resultLabel(c, 2);
            ASSERT_EQ(twelve->text(), "-13020833333") << where;
            EXPECT_LT(twelve->font().pointSizeF(), design) << where;
            EXPECT_TRUE(fits(twelve, twelve->text())) << where;
            EXPECT_TRUE(twelve->accessibleName().endsWith(": -13020833333")) << where;
        }
        // The widest result of the room each column is given fits as well.
        window->sheet().setResult(1, 3, -130208333);
        window->Refresh();
        EXPECT_DOUBLE_EQ(window->resultLabel(1, 3)->font().pointSizeF(), design) << context;
    }
}

TEST(CellFit, TextGrowsWithTheWindowAndTheDesignSizeComesBack) {
    ScriptedDialogs dialogs;
    Shown shown("continue");
    SheetWindow* window = shown.window.get();
    const double design = window->cellPointSize();
    const QSize size = window->size();
    const int width = window->resultLabel(1, 1)->width();
    window->resize(size * 2);
    QApplication::processEvents();
    EXPECT_GT(window->cellPointSize(), 1.5 * design);
    EXPECT_GT(window->box(1, 1)->font().pointSizeF(), 1.5 * design);
    EXPECT_GT(window->resultLabel(1, 1)->width(), 1.8 * width);
    window->resize(size);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(window->cellPointSize(), design);
    // No empty band under the grid: the last control reaches the bottom of the area.
    const QWidget* area = window->centralWidget();
    int bottom = 0;
    for (const QWidget* child : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        bottom = qMax(bottom, child->geometry().bottom());
    EXPECT_GE(bottom, area->height() - 16);
}
