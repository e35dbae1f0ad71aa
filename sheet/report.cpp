#include "sheet/report.h"

#include "sheet/numbers.h"
#include "sheet/table.h"

using ModPonteluma::IntegerDigits;
using ModPonteluma::Str;

namespace {

// Positions of the printer, in twips.
constexpr int kTopOfFirstPage = 800;
constexpr int kTopOfNextPage = 1000;
constexpr int kFooterX = 9800;
constexpr int kFooterY = 15000;

constexpr int kTitleSize = 18;
constexpr int kTextSize = 12;
constexpr int kTableSize = 8;

// Height of a printed line of Courier, in twips per point of the font size (the line
// spacing of the monospaced font the printer back-end uses, with a little to spare).
constexpr double kLineTwipsPerPoint = 25.2;

// Follows the vertical position the lines reach, so that the rows of a page never run
// into its footer, whatever the length of the window's legend.
class Cursor {
public:
    explicit Cursor(ReportWriter& writer) : m_writer(writer) {}
    void setFontSize(int points) {
        m_size = points;
        m_writer.setFontSize(points);
    }
    void setCurrentY(int twips) {
        m_y = twips;
        m_writer.setCurrentY(twips);
    }
    void printLine(const ReportLine& items) {
        m_writer.printLine(items);
        m_y += lineHeight();
    }
    double lineHeight() const { return m_size * kLineTwipsPerPoint; }
    // Lines of the current size that still fit above the footer.
    int linesLeft() const { return int((kFooterY - m_y) / lineHeight()); }
    ReportWriter& writer() { return m_writer; }

private:
    ReportWriter& m_writer;
    int m_size = kTextSize;
    double m_y = 0;
};

std::vector<ReportLine> headsOf(const SheetParams& params, const Sheet& sheet) {
    std::vector<ReportLine> heads =
        params.report.heads ? params.report.heads(sheet) : std::vector<ReportLine>();
    // The heads name the units as "tecniche" writes them; a sheet in SI names its own.
    for (ReportLine& line : heads) {
        for (ReportItem& item : line)
            item.text = InUnits(item.text, sheet.units());
    }
    return heads;
}

void printHeads(const std::vector<ReportLine>& heads, Cursor& cursor) {
    for (const ReportLine& line : heads)
        cursor.printLine(line);
    cursor.printLine({});
}

// Closes the page with its footer; with more to come, opens the next one with the heads.
// Gives the number of rows the new page holds.
int PrintPageHead(bool next, const std::vector<ReportLine>& heads, Cursor& cursor) {
    cursor.setFontSize(kTextSize);
    cursor.writer().printAt(kFooterX, kFooterY,
                            "pagina " + QString::number(cursor.writer().page()));
    if (!next)
        return 0;
    cursor.writer().newPage();
    cursor.setCurrentY(kTopOfNextPage);
    cursor.setFontSize(kTableSize);
    printHeads(heads, cursor);
    return qBound(1, cursor.linesLeft(), kNextPageRows);
}

// One value of a row: its text as printed and the text whose integer part sets its place.
struct Cell {
    QString printed;
    QString measured;
};

Cell cellOf(const ReportColumn& column, const Sheet& sheet, int row) {
    Cell cell;
    if (column.isResult) {
        if (column.index >= 1 && column.index <= sheet.resultColumns()) {
            const Result& value = sheet.result(column.index, row);
            if (value) {
                // The print form: a non-negative number has one leading blank.
                cell.measured = sheet.resultText(column.index, row);
                cell.printed = *value >= 0 ? ' ' + cell.measured : cell.measured;
            }
        }
    } else if (column.index >= 1 && column.index <= sheet.dataColumns()) {
        cell.printed = sheet.datum(column.index, row);
        cell.measured = cell.printed;
    }
    if (cell.printed.isEmpty() && column.dashWhenEmpty)
        cell.printed = QStringLiteral("-");
    return cell;
}

ReportLine rowLine(const ReportLayout& layout, const Sheet& sheet, int row) {
    const QString number = Str(row);
    ReportLine line{{layout.numberEnd - int(number.length()), number}};
    bool reasonGiven = false;
    for (const ReportColumn& column : layout.columns) {
        if (column.isResult && sheet.isOutOfRange(row)) {
            // A row outside its field of use has no results: its reason stands in their
            // place, from a little before the first result's column.
            if (!reasonGiven)
                line.push_back({qMax(column.position - 6,
                                     line.back().column + int(line.back().text.length()) + 2),
                                OutOfRangeField(sheet, row)});
            reasonGiven = true;
            continue;
        }
        const Cell cell = cellOf(column, sheet, row);
        if (cell.printed.isEmpty())
            continue;
        const int offset = layout.align == ReportAlign::Decimal ? IntegerDigits(cell.measured)
                                                                : int(cell.printed.length());
        line.push_back({column.position - offset, cell.printed});
    }
    return line;
}

} // namespace

bool ReportAvailable(const SheetParams& params) {
    const ReportLayout& report = params.report;
    return !report.title.isEmpty() && bool(report.legend) && bool(report.heads) &&
           !report.columns.empty();
}

bool ComposeReport(const SheetParams& params, const Sheet& sheet, const QString& typologyName,
                   const QString& methodName, ReportWriter& writer) {
    const ReportLayout& layout = params.report;
    Cursor cursor(writer);
    cursor.setFontSize(kTitleSize);
    cursor.setCurrentY(kTopOfFirstPage);
    cursor.printLine({{7, layout.title}});
    cursor.printLine({});

    cursor.setFontSize(kTextSize);
    cursor.printLine({{10, "DATI E RISULTATI (tipologia: " + typologyName + ")"}});
    if (!methodName.isEmpty())
        cursor.printLine({{10, "Metodo di calcolo: " + methodName}});
    cursor.printLine({});
    cursor.printLine({{6, QStringLiteral("Legenda:")}});
    cursor.printLine({});
    if (layout.legend) {
        for (const QString& text : layout.legend(sheet))
            cursor.printLine({{6, text}});
    }
    cursor.printLine({});

    const std::vector<ReportLine> heads = headsOf(params, sheet);
    cursor.setFontSize(kTableSize);
    printHeads(heads, cursor);

    // The first page holds 50 rows, fewer when a long legend leaves no room for them
    // above the footer; each following page holds up to 60.
    int room = qBound(1, cursor.linesLeft(), kFirstPageRows);
    const int n = qMin(sheet.n(), kMaxRows);
    for (int row = 1; row <= n; ++row) {
        if (room == 0)
            room = PrintPageHead(true, heads, cursor);
        cursor.printLine(rowLine(layout, sheet, row));
        --room;
    }
    PrintPageHead(false, heads, cursor);
    return writer.endDoc();
}

QString ReportText(const Document& document) {
    const SheetParams& params = document.params();
    const Sheet& sheet = document.sheet();
    const QString typologyName = document.typologyName();
    TextReport text;
    ComposeReport(params, sheet, typologyName, document.methodName(), text);
    return text.text();
}
