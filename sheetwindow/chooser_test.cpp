// The type chooser's open list can be read in every window, under every style the
// toolkit offers and under a light and a dark palette: its entries' text stands out from
// their background, and the highlighted entry from the others.
#include "sheetwindow/window.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double luminance(QRgb colour) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Entry {
    QRgb background = 0; // the commonest colour of the entry
    double text = 1;     // contrast of the pixel farthest from it: the text's core
};

Entry readEntry(const QImage& image, const QRect& rect) {
    std::map<QRgb, int> counts;
    const QRect inside = rect.adjusted(2, 2, -2, -2) & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    }
    Entry entry;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            most = count;
            entry.background = colour;
        }
    }
    for (const auto& [colour, count] : counts)
        entry.text = std::max(entry.text, contrast(colour, entry.background));
    return entry;
}

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(45, 45, 45));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

} // namespace

TEST(TypeChooser, OpenListReadsInEveryWindowStyleAndPalette) {
    ScriptedDialogs dialogs;
    const QString originalStyle = QApplication::style()->name();
    const QPalette originalPalette = QApplication::palette();
    for (const QString& styleName : QStyleFactory::keys()) {
        for (const bool dark : {false, true}) {
            QApplication::setStyle(QStyleFactory::create(styleName));
            QApplication::setPalette(dark ? darkPalette()
                                          : QApplication::style()->standardPalette());
            for (const SheetParams* params : allWindows()) {
                const std::string where = styleName.toStdString() + (dark ? " dark " : " light ") +
                                          params->name.toStdString();
                SheetWindow window(*params);
                window.sistema(); // typology 1: the first entry is the highlighted one
                window.show();
                QComboBox* chooser = window.tipocalcolo();
                chooser->showPopup();
                QApplication::processEvents();
                QAbstractItemView* list = chooser->view();
                ASSERT_TRUE(list->isVisible()) << where;
                const QImage shot = list->viewport()->grab().toImage();
                const auto entryAt = [&](int row) {
                    return readEntry(shot, list->visualRect(chooser->model()->index(row, 0)));
                };
                const Entry highlighted = entryAt(0);
                for (int row = 1; row < std::min(chooser->count(), 4); ++row) {
                    const Entry plain = entryAt(row);
                    EXPECT_GE(plain.text, 4.5) << where << " entry " << row + 1;
                    EXPECT_GE(contrast(plain.background, highlighted.background), 3.0)
                        << where << " entry " << row + 1;
                }
                EXPECT_GE(highlighted.text, 4.5) << where << " highlighted entry";
                chooser->hidePopup();
            }
        }
    }
    QApplication::setStyle(originalStyle);
    QApplication::setPalette(originalPalette);
}
