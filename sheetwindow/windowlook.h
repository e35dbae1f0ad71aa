#pragma once
// The looks the parts of the sheet window share: colours, design font sizes and the
// way texts and backgrounds are shown.
#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

class QAccessibleInterface;
class QObject;

// Colours of the grid (the program's colours are given as blue-green-red).
inline const QColor kCyan(0, 255, 255);   // number and result labels
inline const QColor kYellow(255, 255, 0); // the highlighted row, the hint box
inline const QColor kGrey(192, 192, 192); // data columns the typology does not use
inline const QColor kWhite(255, 255, 255);

// Design font sizes: the window's texts, the column heads, the grid's cells.
constexpr double kAreaPoints = 8;
constexpr double kHeadPoints = 7;
constexpr double kCellPoints = 8;

inline QString shown(QString text) {
    // Texts join their lines with carriage returns; labels break on line feeds.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    return text;
}

inline void paintBackground(QWidget* widget, const QColor& colour, QPalette::ColorRole role) {
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

// The hint box `passo` speaks to screen readers as a status line.
QAccessibleInterface* hintBoxAccessible(const QString& className, QObject* object);
