// The sheet window's grid: ten visible rows of number, data boxes, results and a delete
// button over the sheet of 100, the scroll bar, colours, cell fitting and the keys
// that move through it.
#include "sheetwindow/window.h"

#include "sheet/numbers.h"
#include "sheetwindow/cellfit.h"
#include "sheetwindow/columnwidths.h"
#include "sheetwindow/windowlook.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

using ModPonteluma::Str;
namespace G = SheetGeometry;

namespace {

QIcon crossIcon() {
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(190, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3, 3), QPointF(11, 11));
    painter.drawLine(QPointF(11, 3), QPointF(3, 11));
    return QIcon(pixmap);
}

} // namespace

// The x of every column of the grid at the design width, and the widths of its cells.
struct SheetWindow::GridColumns {
    int number = 0;
    std::vector<int> data, results;
    int remove = 0; // the column of the crosses
    G::Columns widths;
};

SheetWindow::GridColumns SheetWindow::gridColumns(const QFont& font) const {
    GridColumns columns;
    columns.widths = G::ColumnWidths(m_params, font, m_designWidth);
    const int gap = G::kGap;
    int x = G::kGridLeft;
    columns.number = x;
    x += G::kNumberWidth + gap;
    for (size_t c = 0; c < m_params.data.size(); ++c, x += columns.widths.data + gap)
        columns.data.push_back(x);
    x += gap;
    for (size_t c = 0; c < m_params.results.size(); ++c, x += columns.widths.result + gap)
        columns.results.push_back(x);
    columns.remove = x;
    return columns;
}

void SheetWindow::buildGrid(QWidget* area) {
    const GridColumns columns = gridColumns(area->font());
    buildHeads(area, columns);
    m_rows.resize(kVisibleRows);
    for (int r = 1; r <= kVisibleRows; ++r)
        buildRow(area, columns, r);

    m_scroll = new QScrollBar(Qt::Vertical, area);
    m_scroll->setObjectName("VScroll1");
    m_scroll->setRange(1, kLastFirstRow);
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(10);
    m_scroll->setGeometry(columns.remove + G::kDeleteWidth + G::kGap, G::kGridTop, G::kScrollWidth,
                          kVisibleRows * G::kRowHeight - 2);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] { Refresh(); });
}

// The heads of the groups and of the columns, and their units.
void SheetWindow::buildHeads(QWidget* area, const GridColumns& columns) {
    const int numWidth = G::kNumberWidth, gap = G::kGap;
    const int dataCount = int(m_params.data.size());
    const int resultCount = int(m_params.results.size());
    const G::Columns& widths = columns.widths;
    const std::vector<int>& dataX = columns.data;
    const std::vector<int>& resultX = columns.results;
    const int headTop = 20, unitTop = 37, headHeight = 16;

    makeLabel(area, "Label24", m_params.numberHead, m_params.numberTip,
              QRect(columns.number, headTop, numWidth, headHeight));
    if (!m_params.numberUnit.isEmpty())
        makeLabel(area, "LabelN", m_params.numberUnit, QString(),
                  QRect(columns.number, unitTop, numWidth, headHeight));
    if (dataCount > 0)
        makeLabel(area, "Label31", "dati", m_params.dataGroupTip,
                  QRect(dataX.front(), 3, dataCount * (widths.data + gap) - gap, 15))
            ->setStyleSheet("font-weight: bold");
    if (resultCount > 0)
        makeLabel(area, "Label26", "risultati", m_params.resultGroupTip,
                  QRect(resultX.front(), 3, resultCount * (widths.result + gap) - gap, 15))
            ->setStyleSheet("font-weight: bold");
    QFont headFont = area->font();
    headFont.setPointSizeF(kHeadPoints);
    for (int c = 0; c < dataCount; ++c) {
        const DataColumn& column = m_params.data[c];
        makeLabel(area, column.headLabel, column.head, column.tip,
                  QRect(dataX[c], headTop, widths.data, headHeight));
        if (!column.unitLabel.isEmpty())
            makeLabel(area, column.unitLabel, m_document.sheet().dataUnit(c + 1), QString(),
                      QRect(dataX[c], unitTop, widths.data, headHeight));
    }
    for (int c = 0; c < resultCount; ++c) {
        const ResultColumn& column = m_params.results[c];
        makeLabel(area, column.headLabel, column.head, column.tip,
                  QRect(resultX[c], headTop, widths.result, headHeight));
        if (!column.unitLabel.isEmpty())
            makeLabel(area, column.unitLabel, m_document.sheet().resultUnit(c + 1), column.tip,
                      QRect(resultX[c], unitTop, widths.result, headHeight));
    }

    for (const QString& name : m_named.keys()) {
        if (name != "Label31" && name != "Label26") {
            m_named.value(name)->setFont(headFont);
            m_heads.insert(m_named.value(name));
            fitHead(m_named.value(name));
        }
    }
}

// Visible row r: its number, its data boxes, its results and its cross.
void SheetWindow::buildRow(QWidget* area, const GridColumns& columns, int r) {
    const int dataCount = int(m_params.data.size());
    const int resultCount = int(m_params.results.size());
    Row& row = m_rows[r - 1];
    const int y = G::kGridTop + (r - 1) * G::kRowHeight;
    const int h = G::kRowHeight - 2;
    const QString suffix = "_" + QString::number(r);
    row.num = new QLabel(area);
    row.num->setObjectName("num" + suffix);
    row.num->setGeometry(columns.number, y, G::kNumberWidth, h);
    row.num->setAlignment(Qt::AlignCenter);
    row.num->setFrameShape(QFrame::Box);
    row.num->setAutoFillBackground(true);
    row.num->setMouseTracking(true);
    row.num->setCursor(Qt::PointingHandCursor);
    row.num->installEventFilter(this);
    for (int c = 0; c < dataCount; ++c) {
        auto* box = new QLineEdit(area);
        box->setObjectName(m_params.data[c].box + suffix);
        box->setGeometry(columns.data[c], y, columns.widths.data, h);
        box->setAlignment(Qt::AlignRight);
        box->setMaxLength(kMaxDatumLength);
        box->installEventFilter(this); // arrows and Tab move through the grid
        const int column = c + 1;
        connect(box, &QLineEdit::textChanged, this, [this, column, r] { dataChanged(column, r); });
        row.boxes.push_back(box);
    }
    for (int c = 0; c < resultCount; ++c) {
        auto* label = new QLabel(area);
        label->setObjectName(m_params.results[c].label + suffix);
        label->setGeometry(columns.results[c], y, columns.widths.result, h);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Box);
        label->setAutoFillBackground(true);
        label->setMouseTracking(true);
        label->setMargin(1);
        label->installEventFilter(this);
        row.results.push_back(label);
    }
    row.delriga = new QPushButton(area);
    row.delriga->setObjectName("delriga" + suffix);
    row.delriga->setGeometry(columns.remove, y, G::kDeleteWidth, h);
    row.delriga->setIcon(crossIcon());
    row.delriga->setFocusPolicy(Qt::NoFocus);
    connect(row.delriga, &QPushButton::clicked, this, [this, r] { deleteRow(r); });
    applyRowColours(r, false);
}

// Page Up and Page Down scroll the grid by ten rows, Ctrl+Home and Ctrl+End go to
// the first and the last row; the focus stays in its box.
bool SheetWindow::scrollByKey(QKeyEvent* key) {
    const int t = firstVisibleRow();
    const bool control = key->modifiers() & Qt::ControlModifier;
    switch (key->key()) {
    case Qt::Key_PageUp:
        setFirstVisibleRow(t - kVisibleRows);
        return true;
    case Qt::Key_PageDown:
        setFirstVisibleRow(t + kVisibleRows);
        return true;
    case Qt::Key_Home:
        if (!control)
            return false;
        setFirstVisibleRow(1);
        return true;
    case Qt::Key_End:
        if (!control)
            return false;
        setFirstVisibleRow(qMax(1, m_document.sheet().n() - kVisibleRows + 1));
        return true;
    default:
        return false;
    }
}

// Where the arrows and Tab lead from a data box: Up and Down to the same column of
// the row above or below, scrolling at the edges of the ten rows. Tab past the last
// box of the last visible row scrolls by one row while there are rows in use below
// (down to the first empty one), and Shift+Tab before the first box scrolls back to
// row 1; beyond those Tab leaves the grid for the type chooser and the buttons.
bool SheetWindow::moveFromBox(QLineEdit* from, QKeyEvent* key) {
    int column = 0, visibleRow = 0;
    for (int r = 1; r <= kVisibleRows && !visibleRow; ++r) {
        for (int c = 1; c <= int(m_params.data.size()); ++c) {
            if (box(c, r) == from) {
                column = c;
                visibleRow = r;
                break;
            }
        }
    }
    if (!visibleRow || (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
        return false;
    const int t = firstVisibleRow();
    auto enabledColumns = [this](int r) {
        std::vector<int> columns;
        for (int c = 1; c <= int(m_params.data.size()); ++c) {
            if (box(c, r)->isEnabled())
                columns.push_back(c);
        }
        return columns;
    };
    switch (key->key()) {
    case Qt::Key_Up:
        if (visibleRow > 1)
            focusBox(column, visibleRow - 1);
        else if (t > 1)
            setFirstVisibleRow(t - 1);
        return true;
    case Qt::Key_Down:
        if (visibleRow < kVisibleRows)
            focusBox(column, visibleRow + 1);
        else if (t < kLastFirstRow)
            setFirstVisibleRow(t + 1);
        return true;
    case Qt::Key_Tab:
        if (visibleRow == kVisibleRows && column == enabledColumns(visibleRow).back() &&
            t < kLastFirstRow && t + kVisibleRows - 1 <= m_document.sheet().n()) {
            setFirstVisibleRow(t + 1);
            focusBox(1, visibleRow);
            return true;
        }
        return false;
    case Qt::Key_Backtab:
        if (visibleRow == 1 && column == 1 && t > 1) {
            setFirstVisibleRow(t - 1);
            focusBox(enabledColumns(visibleRow).back(), visibleRow);
            return true;
        }
        return false;
    default:
        return false;
    }
}

// Tab walks the grid's boxes row by row, then the type chooser and the buttons, and
// comes back to the first box; Shift+Tab walks the same loop backwards.
void SheetWindow::chainTabOrder() {
    std::vector<QWidget*> chain;
    for (int r = 1; r <= kVisibleRows; ++r) {
        for (int c = 1; c <= int(m_params.data.size()); ++c)
            chain.push_back(box(c, r));
    }
    chain.push_back(m_tipocalcolo);
    for (const char* name : {"men", "aiuto", "guidainlinea", "esco"}) {
        if (auto* button = findChild<QPushButton*>(name))
            chain.push_back(button);
    }
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    m_scroll->setFocusPolicy(Qt::NoFocus); // the keys of the boxes scroll the grid
}

int SheetWindow::firstVisibleRow() const {
    return m_scroll->value();
}

void SheetWindow::setFirstVisibleRow(int row) {
    const int value = qBound(1, row, kLastFirstRow);
    if (m_scroll->value() == value)
        Refresh();
    else
        m_scroll->setValue(value); // refreshes through its change
}

QLineEdit* SheetWindow::box(int column, int visibleRow) const {
    if (visibleRow < 1 || visibleRow > kVisibleRows || column < 1 ||
        column > int(m_params.data.size()))
        return nullptr;
    return m_rows[visibleRow - 1].boxes[column - 1];
}

QLabel* SheetWindow::resultLabel(int column, int visibleRow) const {
    if (visibleRow < 1 || visibleRow > kVisibleRows || column < 1 ||
        column > int(m_params.results.size()))
        return nullptr;
    return m_rows[visibleRow - 1].results[column - 1];
}

double SheetWindow::cellPointSize() const {
    return kCellPoints * m_fontScale;
}

void SheetWindow::Refresh() {
    m_tot->setText(QString::number(m_document.sheet().n()));
    const int t = firstVisibleRow();
    const bool scrolled = t != m_namedFrom;
    m_namedFrom = t;
    m_filling = true;
    for (int r = 1; r <= kVisibleRows; ++r) {
        Row& row = m_rows[r - 1];
        const int k = t + r - 1;
        row.num->setText(QString::number(k));
        for (int c = 1; c <= int(row.boxes.size()); ++c) {
            const QString& text = m_document.sheet().datum(c, k);
            if (row.boxes[c - 1]->text() != text)
                row.boxes[c - 1]->setText(text);
        }
        for (int c = 1; c <= int(row.results.size()); ++c) {
            const QString text = m_document.sheet().resultText(c, k);
            if (row.results[c - 1]->text() != text) {
                row.results[c - 1]->setText(text);
                // Only a label whose text changed is measured again: a keystroke
                // changes a row, not the grid.
                if (!scrolled)
                    fitCell(row.results[c - 1], text, cellName(c, r, true));
            }
        }
        row.num->setToolTip("cliccare per inserire una riga al n." + Str(k));
        row.delriga->setToolTip("cliccare per cancellare la riga n." + Str(k));
    }
    m_filling = false;
    if (scrolled)
        updateAccessibleNames(); // every cell names its new row, and is fitted
}

void SheetWindow::applyRowColours(int visibleRow, bool highlighted) {
    Row& row = m_rows[visibleRow - 1];
    m_painted[visibleRow - 1] = highlighted;
    const QColor labels = highlighted ? kYellow : kCyan;
    paintBackground(row.num, labels, QPalette::Window);
    for (QLabel* result : row.results)
        paintBackground(result, labels, QPalette::Window);
    for (QLineEdit* box : row.boxes) {
        QColor colour = box->isEnabled() ? kWhite : kGrey;
        if (highlighted && (box->isEnabled() || !m_params.highlightKeepsGrey))
            colour = kYellow;
        paintBackground(box, colour, QPalette::Base);
    }
}

void SheetWindow::ClearRowHighlight() {
    for (int r = 1; r <= kVisibleRows; ++r) {
        if (m_painted[r - 1])
            applyRowColours(r, false);
    }
    m_highlighted = 0;
}

void SheetWindow::highlightRow(int visibleRow) {
    if (m_highlighted == visibleRow)
        return; // the pointer moves within the same number
    ClearRowHighlight();
    m_highlighted = visibleRow;
    applyRowColours(visibleRow, true);
}

void SheetWindow::paintResultYellow(int column, int visibleRow) {
    if (QLabel* target = resultLabel(column, visibleRow)) {
        paintBackground(target, kYellow, QPalette::Window);
        m_painted[visibleRow - 1] = true;
    }
}

void SheetWindow::CountRows() {
    m_tot->setText(QString::number(m_document.sheet().CountRows()));
}

// Screen readers hear each box and result as "riga 3, base B, cm", followed by the
// whole value when there is one: "riga 3, mom.inerzia, I=cm4: 8640000".
QString SheetWindow::cellName(int column, int visibleRow, bool result) const {
    QString name = "riga " + QString::number(firstVisibleRow() + visibleRow - 1) + ", ";
    QString unit;
    const Sheet& sheet = m_document.sheet();
    if (result) {
        name += sheet.resultHead(column);
        unit = sheet.resultUnit(column);
    } else {
        name += sheet.dataHead(column);
        unit = sheet.dataUnit(column);
    }
    if (!unit.isEmpty())
        name += ", " + unit;
    return name;
}

void SheetWindow::fitCell(QWidget* cell, const QString& text, const QString& name) {
    CellFit::fit(cell, text, kCellPoints * m_fontScale);
    const QString full = text.isEmpty() ? name : name + ": " + text;
    if (cell->accessibleName() != full)
        cell->setAccessibleName(full);
}

void SheetWindow::fitCells() {
    for (int r = 1; r <= kVisibleRows; ++r) {
        for (int c = 1; c <= int(m_params.data.size()); ++c)
            fitCell(box(c, r), box(c, r)->text(), cellName(c, r, false));
        for (int c = 1; c <= int(m_params.results.size()); ++c)
            fitCell(resultLabel(c, r), resultLabel(c, r)->text(), cellName(c, r, true));
    }
}

// A box is fitted as it is typed in; result labels when the grid is refreshed.
void SheetWindow::watchCells() {
    for (int r = 1; r <= kVisibleRows; ++r) {
        for (int c = 1; c <= int(m_params.data.size()); ++c) {
            QLineEdit* cell = box(c, r);
            connect(cell, &QLineEdit::textChanged, this, [this, cell, c, r](const QString& text) {
                fitCell(cell, text, cellName(c, r, false));
            });
        }
        for (int c = 1; c <= int(m_params.results.size()); ++c)
            resultLabel(c, r)->setIndent(1);
    }
}

void SheetWindow::updateAccessibleNames() {
    const int t = firstVisibleRow();
    fitCells();
    for (int r = 1; r <= kVisibleRows; ++r) {
        m_rows[r - 1].num->setAccessibleName("riga " + QString::number(t + r - 1));
        m_rows[r - 1].delriga->setAccessibleName("cancella la riga " + QString::number(t + r - 1));
    }
}

void SheetWindow::focusBox(int column, int visibleRow) {
    if (QLineEdit* target = box(column, visibleRow))
        target->setFocus(Qt::OtherFocusReason);
}

void SheetWindow::setBox(QLineEdit* target, const QString& text) {
    // Text set by the program is not typing.
    const bool filling = m_filling;
    m_filling = true;
    target->setText(text);
    m_filling = filling;
}
