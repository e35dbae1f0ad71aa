#include "sheet/sheet.h"

#include "sheet/numbers.h"

#include <algorithm>

Sheet::Sheet(int dataColumns, int resultColumns)
    : m_data(dataColumns, std::vector<Cell>(kMaxRows + 2)),
      m_results(resultColumns, std::vector<Result>(kMaxRows + 2)), m_outOfRange(kMaxRows + 2),
      m_dataHeads(size_t(dataColumns)),
      m_resultHeads(size_t(resultColumns)), m_resultUnits(size_t(resultColumns)),
      m_dataQuantities(size_t(dataColumns), Quantity::None),
      m_resultQuantities(size_t(resultColumns), Quantity::None),
      m_resultDecimals(size_t(resultColumns), 0) {}

void Sheet::declareResult(int column, Quantity quantity, const QString& unit, int decimals) {
    m_resultQuantities[size_t(column - 1)] = quantity;
    m_resultUnits[size_t(column - 1)] = unit;
    m_resultDecimals[size_t(column - 1)] = decimals;
}

int Sheet::resultDecimals(int column) const {
    return ResultDecimals(resultQuantity(column), m_units, m_resultDecimals[size_t(column - 1)]);
}

QString Sheet::resultUnit(int column) const {
    return UnitCaption(m_resultUnits[size_t(column - 1)], resultQuantity(column), m_units);
}

void Sheet::setDatum(int column, int row, const QString& text) {
    Cell& cell = m_data[column - 1][row];
    cell.text = text;
    cell.value = ModPonteluma::ToNumber(text);
}

QString Sheet::resultText(int column, int row) const {
    const Result& value = result(column, row);
    return value ? ResultText(*value, resultDecimals(column)) : QString();
}

void Sheet::setOutOfRange(int row, const QString& reason) {
    m_outOfRange[row] = reason.isEmpty() ? genericOutOfRange() : reason;
}

QString Sheet::genericOutOfRange() {
    return QStringLiteral("- dati fuori dal campo di calcolo.");
}

int Sheet::CountRows() {
    m_n = 0;
    for (int row = kMaxRows; row >= 1 && m_n == 0; --row) {
        if (!isEmpty(1, row))
            m_n = row;
    }
    return m_n;
}

void Sheet::clearResults() {
    for (auto& column : m_results)
        std::fill(column.begin(), column.end(), Result());
    std::fill(m_outOfRange.begin(), m_outOfRange.end(), QString());
}

void Sheet::insertRowAt(int k) {
    if (m_n >= kMaxRows || k < 1)
        return;
    for (int j = m_n; j >= k; --j) {
        for (auto& column : m_data)
            column[j + 1] = column[j];
    }
    ++m_n;
}

void Sheet::deleteRow(int k) {
    if (k < 1 || k > m_n)
        return;
    for (int j = k; j < m_n; ++j) {
        for (auto& column : m_data)
            column[j] = column[j + 1];
    }
    for (auto& column : m_data)
        column[m_n] = Cell();
    for (auto& column : m_results)
        column[m_n].reset();
    CountRows();
}

void Sheet::clear() {
    // Every row, not only 1..n: a datum left beyond n (a first datum of 0) must not
    // survive into the next sheet.
    for (int row = 1; row <= kMaxRows; ++row) {
        for (auto& column : m_data)
            column[row] = Cell();
    }
    clearResults();
    m_n = 0;
}

const Sheet::Note& Sheet::note(const QString& name) const {
    static const Note none;
    const auto found = m_notes.constFind(name);
    return found == m_notes.constEnd() ? none : *found;
}

void Sheet::setNote(const QString& name, const QString& text, bool hidden) {
    const auto found = m_notes.find(name);
    Q_ASSERT_X(found != m_notes.end(), "Sheet::setNote", "a label the window does not declare");
    if (found != m_notes.end())
        *found = Note{text, hidden};
}

void Sheet::hideNote(const QString& name) {
    const auto found = m_notes.find(name);
    if (found != m_notes.end())
        found->hidden = true;
}
