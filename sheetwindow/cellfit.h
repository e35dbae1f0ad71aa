#pragma once
// Cells of the grid show their whole text: a text wider than its cell is drawn
// in a smaller font rather than cut.
#include <QString>

class QFont;
class QWidget;

namespace CellFit {
// Width left to the text inside a data box or a result label.
int textRoom(const QWidget* cell);
// Horizontal advance of a text in a font.
int textWidth(const QFont& font, const QString& text);
// Gives the cell the font of the given size, or a smaller one when the text would
// not fit its room at that size.
void fit(QWidget* cell, const QString& text, double points);
} // namespace CellFit
