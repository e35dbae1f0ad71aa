#include "sheet/paste.h"

#include "sheet/document.h"
#include "sheet/numbers.h"

#include <QStringList>

namespace {

// Digits with at most one decimal comma: what a box accepts as a whole datum.
bool isNumber(const QString& cell) {
    if (cell.isEmpty() || cell == QLatin1String(","))
        return false;
    int commas = 0;
    for (QChar c : cell) {
        if (c == ',')
            ++commas;
        else if (c < '0' || c > '9')
            return false;
    }
    return commas <= 1;
}

bool isWholeNumber(const QString& cell) {
    return isNumber(cell) && !cell.contains(',');
}

QStringList splitLines(const QString& text) {
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    QStringList lines = unified.split('\n');
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast(); // the line end after the last row
    return lines;
}

QStringList splitCells(const QString& line) {
    return line.split(line.contains('\t') ? QChar('\t') : QChar(';'));
}

// Column heads: words and no number. A line of data with a wrong cell ("12.5") is
// not a header: it is refused with the cell named.
bool isHeader(const QStringList& cells) {
    bool words = false;
    for (const QString& cell : cells) {
        if (isNumber(cell))
            return false;
        for (QChar c : cell)
            words = words || c.isLetter();
    }
    return words;
}

// Row numbers as the copied table writes them: a header that starts with the number
// head, or, without a header, consecutive whole numbers before more cells than the
// window has data columns.
bool startsWithRowNumbers(const std::vector<QStringList>& rows, bool copiedHeader,
                          int dataColumns) {
    if (copiedHeader)
        return true;
    if (rows.empty())
        return false;
    for (size_t i = 0; i < rows.size(); ++i) {
        const QStringList& cells = rows[i];
        if (cells.size() <= dataColumns || !isWholeNumber(cells.front()))
            return false;
        if (cells.front().toLongLong() != rows.front().front().toLongLong() + qint64(i))
            return false;
    }
    return true;
}

QString refusal(int column, int row, const QString& cell) {
    return "Riga " + QString::number(row) + ", colonna " + QString::number(column) +
           ": il dato \"" + cell +
           "\" non è un numero valido. Scrivere i numeri con la virgola per i decimali e "
           "senza separatore delle migliaia; non è stato incollato nulla.";
}

} // namespace

PastedRows ParsePastedRows(const QString& text, const PasteShape& shape) {
    PastedRows pasted;
    pasted.firstRow = shape.firstRow;
    const QStringList lines = splitLines(text);
    std::vector<QStringList> rows;
    for (const QString& line : lines)
        rows.push_back(splitCells(line));
    bool copiedHeader = false;
    if (rows.size() > 1 && isHeader(rows.front())) {
        copiedHeader = !shape.numberHead.isEmpty() && rows.front().front() == shape.numberHead;
        rows.erase(rows.begin());
    }
    const int skip = startsWithRowNumbers(rows, copiedHeader, shape.dataColumns) ? 1 : 0;
    const int count = int(rows.size());
    if (count == 0)
        return pasted;
    if (shape.firstRow + count - 1 > shape.lastRow) {
        pasted.refusal = "Le righe incollate sono " + QString::number(count) + ": dalla riga " +
                         QString::number(shape.firstRow) + " il foglio ne contiene al massimo " +
                         QString::number(shape.lastRow - shape.firstRow + 1) + " (fino alla riga " +
                         QString::number(shape.lastRow) + "); non è stato incollato nulla.";
        return pasted;
    }
    for (int i = 0; i < count; ++i) {
        std::vector<std::optional<QString>> cells(size_t(shape.dataColumns));
        const QStringList& line = rows[size_t(i)];
        for (int c = 1; c <= shape.dataColumns && skip + c - 1 < line.size(); ++c) {
            const bool used = c == 1 || size_t(c - 1) >= shape.used.size() || shape.used[c - 1];
            if (!used)
                continue;
            const QString cell = line[skip + c - 1];
            if (!cell.isEmpty() && !isNumber(cell)) {
                pasted.cells.clear();
                pasted.refusal = refusal(c, shape.firstRow + i, cell);
                return pasted;
            }
            cells[size_t(c - 1)] = cell;
        }
        pasted.cells.push_back(std::move(cells));
    }
    return pasted;
}

namespace {

// The rules of the grid hold for pasted rows too: a box shows the whole datum, and no
// datum lies beyond the last row with a first datum (it would be neither saved nor
// printed). The first such cell is named; empty when there is none.
QString pastedRowsFault(const Sheet& pasted, const PastedRows& rows) {
    for (int i = 0; i < int(rows.cells.size()); ++i) {
        const int row = rows.firstRow + i;
        for (int c = 1; c <= pasted.dataColumns(); ++c) {
            const QString& datum = pasted.datum(c, row);
            if (datum.length() > kMaxDatumLength)
                return "Riga " + QString::number(row) + ", colonna " + QString::number(c) +
                       ": il dato \"" + datum + "\" ha più di " + QString::number(kMaxDatumLength) +
                       " caratteri; non è stato incollato nulla.";
        }
        // Beyond n the first datum is empty: the row may hold no other datum.
        bool data = false;
        for (int c = 2; c <= pasted.dataColumns(); ++c)
            data = data || !pasted.isEmpty(c, row);
        if (row > pasted.n() && data)
            return "Riga " + QString::number(row) +
                   ", colonna 1: manca il dato della prima colonna, senza il quale i dati "
                   "della riga non vengono considerati; non è stato incollato nulla.";
    }
    return QString();
}

} // namespace

Effect Document::pasteRows(int focusedRow, const QString& text) {
    const int next = m_sheet.n() + 1;
    PasteShape shape;
    shape.dataColumns = m_sheet.dataColumns();
    for (int c = 1; c <= shape.dataColumns; ++c)
        shape.used.push_back(!m_params->uses || m_params->uses(m_typology, c));
    shape.numberHead = m_params->computeItem;
    shape.firstRow = focusedRow > 0 ? qMin(focusedRow, next) : next;
    shape.lastRow = kMaxRows;
    const PastedRows rows = ParsePastedRows(text, shape);
    const auto refuse = [](const QString& sentence) {
        Effect effect;
        effect.messages.push_back({sentence, Icon::Stop, ModPonteluma::texts().checkTitle});
        return effect;
    };
    if (!rows.refusal.isEmpty())
        return refuse(rows.refusal);
    if (rows.cells.empty())
        return {}; // nothing to paste
    // The rows go into a copy, which replaces the sheet only when it is sound.
    Sheet pasted = m_sheet;
    for (int i = 0; i < int(rows.cells.size()); ++i) {
        for (int c = 1; c <= int(rows.cells[size_t(i)].size()); ++c) {
            if (const std::optional<QString>& cell = rows.cells[size_t(i)][size_t(c - 1)])
                pasted.setDatum(c, rows.firstRow + i, *cell);
        }
    }
    pasted.CountRows();
    const QString fault = pastedRowsFault(pasted, rows);
    if (!fault.isEmpty())
        return refuse(fault);
    // One step of the history, however many rows it fills.
    const UndoStep step(*this, rows.firstRow, StepKind::Paste);
    m_sheet = std::move(pasted);
    return calculate();
}
