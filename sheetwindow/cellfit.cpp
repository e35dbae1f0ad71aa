#include "sheetwindow/cellfit.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace CellFit {

namespace {
// QLineEdit keeps two pixels on each side of its text, plus one for the cursor.
constexpr int kLineEditSlack = 2 * 2 + 1;
constexpr double kSmallestPoints = 1.0;
constexpr double kStep = 0.25;
} // namespace

int textRoom(const QWidget* cell) {
    if (auto* box = qobject_cast<const QLineEdit*>(cell)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.rect = box->rect();
        option.lineWidth =
            box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box)
                            : 0;
        option.midLineWidth = 0;
        option.state |= QStyle::State_Sunken;
        option.features = QStyleOptionFrame::None;
        const QRect contents =
            box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        const QMargins margins = box->textMargins();
        return contents.width() - margins.left() - margins.right() - kLineEditSlack;
    }
    if (auto* label = qobject_cast<const QLabel*>(cell))
        return label->contentsRect().width() - 2 * label->margin() - qMax(0, label->indent());
    return cell->contentsRect().width();
}

int textWidth(const QFont& font, const QString& text) {
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

void fit(QWidget* cell, const QString& text, double points) {
    QFont font = cell->font();
    font.setPointSizeF(points);
    const int room = textRoom(cell);
    while (font.pointSizeF() - kStep >= kSmallestPoints && !text.isEmpty() &&
           textWidth(font, text) > room)
        font.setPointSizeF(font.pointSizeF() - kStep);
    if (cell->font() != font)
        cell->setFont(font);
}

} // namespace CellFit
