// Random sequences of what a user does in every window, checked step by step: the boxes
// always show what the sheet holds, every undo changes something, and undoing everything
// gives the start back exactly.
#include "sheetwindow/window.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

// Where a box or a result label of the visible rows differs from the sheet; empty when
// the window shows exactly what the sheet holds.
QString disagreement(const SheetWindow& window) {
    const Sheet& sheet = window.sheet();
    const int t = window.firstVisibleRow();
    for (int r = 1; r <= kVisibleRows; ++r) {
        const int k = t + r - 1;
        for (int c = 1; c <= sheet.dataColumns(); ++c) {
            if (window.box(c, r)->text() != sheet.datum(c, k))
                return window.box(c, r)->objectName() + " shows \"" + window.box(c, r)->text() +
                       "\", the sheet holds \"" + sheet.datum(c, k) + "\"";
        }
        for (int c = 1; c <= sheet.resultColumns(); ++c) {
            if (window.resultLabel(c, r)->text() != sheet.resultText(c, k))
                return window.resultLabel(c, r)->objectName() + " shows a result of other data";
        }
    }
    return QString();
}

// The whole state an undo must bring back: typology, data, results and the captions the
// window shows.
QStringList state(const SheetWindow& window) {
    const Sheet& sheet = window.sheet();
    const SheetParams& params = window.params();
    QStringList seen{QString::number(window.typology()), QString::number(sheet.n())};
    for (int row = 1; row <= kMaxRows; ++row) {
        for (int column = 1; column <= sheet.dataColumns(); ++column)
            seen << sheet.datum(column, row);
        for (int column = 1; column <= sheet.resultColumns(); ++column)
            seen << sheet.resultText(column, row);
    }
    const auto caption = [&](const QString& name) {
        if (const QLabel* label = window.label(name))
            seen << name + "=" + label->text() + (label->isHidden() ? " hidden" : "");
    };
    for (const DataColumn& column : params.data)
        caption(column.headLabel), caption(column.unitLabel);
    for (const ResultColumn& column : params.results)
        caption(column.headLabel), caption(column.unitLabel);
    for (const ExtraLabel& extra : params.extras)
        caption(extra.name);
    return seen;
}

class History : public ::testing::Test {
protected:
    // One operation chosen at random, done through the window's widgets and commands.
    QString randomOperation(SheetWindow& window) {
        const SheetParams& params = window.params();
        const int n = window.sheet().n();
        const int visibleRow = pick(1, qMin(kVisibleRows, n + 2 - window.firstVisibleRow() + 1));
        const int roll = pick(1, 100);
        if (roll <= 50) { // a key in a box, the wrong ones too
            static const QString keys = QStringLiteral("0123456789,12345.a-");
            const int column = pick(1, int(params.data.size()));
            QLineEdit* box = window.box(column, qMax(1, visibleRow));
            if (!box->isEnabled())
                return "greyed box";
            box->insert(QString(keys[pick(0, int(keys.size()) - 1)]));
            return "key in " + box->objectName();
        }
        if (roll <= 60) { // a key taken back, down to an empty box
            QLineEdit* box = window.box(pick(1, int(params.data.size())), qMax(1, visibleRow));
            box->end(false);
            box->backspace();
            return "backspace in " + box->objectName();
        }
        if (roll <= 64) { // the same text typed again over itself
            QLineEdit* box = window.box(1, qMax(1, visibleRow));
            const QString text = box->text();
            box->selectAll();
            box->insert(text);
            return "retyped " + box->objectName();
        }
        if (roll <= 72) { // the focus leaves a box: its typing is a step
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(window.box(1, 1), &out);
            return QStringLiteral("focus out");
        }
        if (roll <= 79) {
            window.insertRow(qMax(1, visibleRow));
            return QStringLiteral("insert");
        }
        if (roll <= 85) {
            window.findChild<QPushButton*>("delriga_" + QString::number(qMax(1, visibleRow)))
                ->click();
            return QStringLiteral("delete");
        }
        if (roll <= 87) {
            window.findChild<QAction*>("cancella")->trigger();
            return QStringLiteral("clear");
        }
        if (roll <= 90) {
            const int count = int(params.typologies.size());
            emit window.tipocalcolo()->activated(pick(0, count - 1));
            return QStringLiteral("chooser");
        }
        if (roll <= 92) {
            window.setTypology(pick(1, int(params.typologies.size())));
            window.sistema();
            return QStringLiteral("main window typology");
        }
        if (roll <= 96) {
            QString rows;
            for (int row = pick(1, 2); row > 0; --row) {
                QStringList cells;
                for (size_t c = 0; c < params.data.size(); ++c)
                    cells << QString::number(pick(1, 40)) + (pick(0, 3) == 0 ? ",5" : "");
                rows += cells.join('\t') + '\n';
            }
            QGuiApplication::clipboard()->setText(rows);
            window.findChild<QAction*>("incolla")->trigger();
            return QStringLiteral("paste");
        }
        window.setFirstVisibleRow(pick(1, qMax(1, n - 3)));
        return QStringLiteral("scroll");
    }

    int pick(int low, int high) {
        return std::uniform_int_distribution<int>(low, qMax(low, high))(random);
    }

    std::mt19937 random;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(History, RandomUseOfEveryWindowIsShownAsStoredAndUndoneExactly) {
    constexpr int kRounds = 2;
    constexpr int kOperations = 120; // within the steps the history keeps
    for (const SheetParams* params : allWindows()) {
        for (int round = 0; round < kRounds; ++round) {
            SCOPED_TRACE(params->name.toStdString() + " round " + std::to_string(round));
            random.seed(unsigned(round * 1000 + params->name.size() * 7 + params->data.size()));
            SheetWindow window(*params);
            window.sistema();
            QAction* annulla = window.findChild<QAction*>("annulla");
            QAction* ripristina = window.findChild<QAction*>("ripristina");
            const QStringList start = state(window);
            for (int step = 0; step < kOperations; ++step) {
                const QString done = randomOperation(window);
                dialogs.clear();
                const QString wrong = disagreement(window);
                ASSERT_TRUE(wrong.isEmpty())
                    << "step " << step << ", " << done.toStdString() << ": " << wrong.toStdString();
            }
            const QStringList end = state(window);
            int undone = 0;
            while (annulla->isEnabled()) {
                const QStringList before = state(window);
                const std::string name = annulla->text().toStdString();
                annulla->trigger();
                ++undone;
                ASSERT_NE(state(window), before)
                    << "undo " << undone << " (" << name << ") changed nothing";
                ASSERT_TRUE(disagreement(window).isEmpty()) << disagreement(window).toStdString();
            }
            EXPECT_EQ(state(window), start);
            for (int step = 0; step < undone; ++step)
                ripristina->trigger();
            EXPECT_EQ(state(window), end);
            EXPECT_FALSE(ripristina->isEnabled());
        }
    }
}
