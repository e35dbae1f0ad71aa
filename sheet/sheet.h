#pragma once
// The rows of one calculation sheet, without widgets: the data texts as typed, the
// rounded results, the row count, and the captions of the labels that the layout
// and the calculation set (head labels, units, notes), so that the command line
// and the tests see exactly what the window shows.
#include "sheet/units.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <optional>
#include <vector>

constexpr int kMaxRows = 100;
constexpr int kVisibleRows = 10;
constexpr int kLastFirstRow = kMaxRows - kVisibleRows + 1; // 91
constexpr int kMaxDatumLength = 20;                        // characters of a data box

using Result = std::optional<double>;

class Sheet {
public:
    Sheet(int dataColumns, int resultColumns);

    int dataColumns() const { return int(m_data.size()); }
    int resultColumns() const { return int(m_results.size()); }

    // Columns and rows are counted from 1, as on screen.
    const QString& datum(int column, int row) const { return m_data[column - 1][row].text; }
    void setDatum(int column, int row, const QString& text);
    bool isEmpty(int column, int row) const { return datum(column, row).isEmpty(); }
    // The datum read as a number with the decimal comma (read once, when it is set).
    double number(int column, int row) const { return m_data[column - 1][row].value; }

    const Result& result(int column, int row) const { return m_results[column - 1][row]; }
    void setResult(int column, int row, Result value) { m_results[column - 1][row] = value; }
    // The value rounded half up as result column c shows it in the sheet's units.
    double rounded(int column, double value) const {
        return RoundResult(value, resultDecimals(column));
    }
    int resultDecimals(int column) const;
    // The result as the sheet shows it (decimal comma), empty when there is none.
    QString resultText(int column, int row) const;

    // The system the data are typed in and the results shown in. Changing it changes no
    // datum: Document::convertUnits converts them.
    Units units() const { return m_units; }
    void setUnits(Units units) { m_units = units; }
    // The physical quantity of each column, as the window declares it (and, for a column
    // whose meaning depends on the typology, as the layout sets it).
    Quantity dataQuantity(int column) const { return m_dataQuantities[column - 1]; }
    void setDataQuantity(int column, Quantity quantity) { m_dataQuantities[column - 1] = quantity; }
    Quantity resultQuantity(int column) const { return m_resultQuantities[column - 1]; }
    // A result column's quantity, its unit caption written for "tecniche" ("I=cm4") and
    // its decimals in "tecniche".
    void declareResult(int column, Quantity quantity, const QString& unit, int decimals);

    // Row count n: the last row whose first datum is not empty. Rows inside 1..n
    // whose first datum is empty or not above 0 are incomplete, not the end.
    int n() const { return m_n; }
    int CountRows();
    // Some datum of the columns from..to of the row is empty.
    bool anyEmpty(int row, int fromColumn, int toColumn) const {
        for (int column = fromColumn; column <= toColumn; ++column) {
            if (isEmpty(column, row))
                return true;
        }
        return false;
    }
    // The first datum is empty or not above 0: the row cannot be computed.
    bool lacksFirstDatum(int row) const { return isEmpty(1, row) || number(1, row) <= 0; }

    // A complete row outside the field of use of its typology, or whose data give no
    // finite results: it shows none, and the hint, the check, the tables and the report
    // name it with its reason, one line of the hint ("- la distanza a supera la luce.").
    bool isOutOfRange(int row) const { return !m_outOfRange[row].isEmpty(); }
    const QString& outOfRangeReason(int row) const { return m_outOfRange[row]; }
    void setOutOfRange(int row, const QString& reason = genericOutOfRange());
    static QString genericOutOfRange();
    // Every result and out-of-range mark goes: a calculation starts from nothing, so
    // no row shows results of other data or of another typology.
    void clearResults();

    // Data of rows j >= k move down by one (n grows); results are recomputed after.
    void insertRowAt(int k);
    // Data of rows after k move up by one; row n is emptied and n counted again.
    void deleteRow(int k);
    // Empties every datum and result; n becomes 0.
    void clear();

    // Heads and units of the columns as the layout and the calculation set them,
    // counted from 1 like the columns.
    const QString& dataHead(int column) const { return m_dataHeads[column - 1]; }
    // Units in the sheet's system: the unit's name of a data column ("kg/m", "kN/m",
    // empty for a column without one), the caption of a result's unit ("I=mm4").
    QString dataUnit(int column) const { return UnitName(dataQuantity(column), m_units); }
    const QString& resultHead(int column) const { return m_resultHeads[column - 1]; }
    QString resultUnit(int column) const;
    void setDataHead(int column, const QString& text) { m_dataHeads[column - 1] = text; }
    void setResultHead(int column, const QString& text) { m_resultHeads[column - 1] = text; }

    // The window's own labels (notes, hover displays), by the name its table declares
    // them with; only declared labels exist.
    struct Note {
        QString text;
        bool hidden = false;
    };
    void declareNote(const QString& name, const Note& note) { m_notes[name] = note; }
    const Note& note(const QString& name) const;
    void setNote(const QString& name, const QString& text, bool hidden = false);
    void hideNote(const QString& name);
    const QHash<QString, Note>& notes() const { return m_notes; }

private:
    struct Cell {
        QString text;
        double value = 0;
    };
    std::vector<std::vector<Cell>> m_data;      // [column - 1][row], row 0 unused
    std::vector<std::vector<Result>> m_results; // [column - 1][row], row 0 unused
    std::vector<QString> m_outOfRange;          // [row] its reason, row 0 unused
    int m_n = 0;
    std::vector<QString> m_dataHeads, m_resultHeads, m_resultUnits;
    std::vector<Quantity> m_dataQuantities, m_resultQuantities;
    std::vector<int> m_resultDecimals; // in "tecniche"
    Units m_units = Units::Tecniche;
    QHash<QString, Note> m_notes;
};
