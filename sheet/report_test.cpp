#include "sheet/report.h"

#include "sheet/numbers.h"

#include "tests/sheets.h"

#include <gtest/gtest.h>

namespace {

const SheetParams& sections() {
    return windowParams("sezioni");
}

// A calculated sections sheet: each row lists its data columns 1..4.
Sheet sectionsSheet(int typology, const std::vector<QStringList>& rows) {
    const SheetParams& params = sections();
    Sheet sheet = newSheet(params);
    layOut(params, sheet, typology);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c)
            sheet.setDatum(c + 1, int(r) + 1, rows[r][c]);
    }
    sheet.CountRows();
    params.calculate(sheet, typology, {});
    return sheet;
}

std::vector<QStringList> pagesOf(const SheetParams& params, const Sheet& sheet,
                                 const QString& name) {
    TextReport text;
    EXPECT_TRUE(ComposeReport(params, sheet, name, QString(), text));
    return text.pages();
}

const QString kHead1 = "     sezione   dato 1    dato 2    dato 3    dato 4      I         E    "
                       "     W         E'        W'        A";

// The table line of row index 0, 1, ... on the first page (after the heads and an empty line).
QString rowLine(const QStringList& page, int row) {
    const int head = int(page.indexOf(kHead1));
    return head < 0 ? QString() : page.value(head + 3 + row);
}

// The character at a 1-based print column.
QChar at(const QString& line, int column) {
    return column <= line.length() ? line[column - 1] : QChar(' ');
}

TEST(Report, ValuesLineUpOnTheirColumns) {
    const Sheet sheet = sectionsSheet(1, {{"20", "30"}, {"12,5", "40"}});
    const auto pages = pagesOf(sections(), sheet, "rettangolo");
    ASSERT_EQ(pages.size(), 1u);
    const QString first = rowLine(pages[0], 0);
    const QString second = rowLine(pages[0], 1);

    // Row numbers end on column 9 (Str(1) is " 1", placed at 10 - 2).
    EXPECT_EQ(first.left(9), "        1");
    // I = 45000: the blank of the print form on 55, the last digit on 60.
    EXPECT_EQ(first.mid(54, 6), " 45000");
    EXPECT_EQ(at(first, 61), ' ');
    // A datum 12,5 in dato 1 has its comma on 19.
    EXPECT_EQ(at(second, 19), ',');
    EXPECT_EQ(second.mid(16, 4), "12,5");
    // Empty optional columns print "-" on their alignment column: dato 3, dato 4, E', W'.
    for (int column : {39, 49, 89, 99})
        EXPECT_EQ(at(first, column), '-') << column;
    // Results with decimals: E = 15 (row 1), A = 500 (row 2) end on their columns.
    EXPECT_EQ(at(first, 68), '5');
    EXPECT_EQ(second.mid(104, 4), " 500");
    EXPECT_EQ(first,
              "        1       20        30          -         -      45000      15       3000"
              "         -         -      600");
}

TEST(Report, SquareShowsDashesUnderUnusedColumns) {
    const Sheet sheet = sectionsSheet(3, {{"10"}});
    const QString line = rowLine(pagesOf(sections(), sheet, "quadrato")[0], 0);
    for (int column : {29, 39, 49, 89, 99})
        EXPECT_EQ(at(line, column), '-') << column;
    EXPECT_EQ(line.mid(55, 5), "  833"); // I = 10^4 / 12 = 833, last digit on 60
}

TEST(Report, EmptySheetPrintsTheFrameAndPageOne) {
    const Sheet sheet = sectionsSheet(1, {});
    const auto pages = pagesOf(sections(), sheet, "rettangolo");
    ASSERT_EQ(pages.size(), 1u);
    const QStringList& page = pages[0];
    EXPECT_EQ(page[0], "      PONTELUMA - calcolo di momenti d'inerzia di sezioni");
    EXPECT_EQ(page[1], "");
    EXPECT_EQ(page[2], "         DATI E RISULTATI (tipologia: rettangolo)");
    EXPECT_EQ(page[4], "     Legenda:");
    EXPECT_EQ(page[6], "     sezione = numero della sezione calcolata");
    EXPECT_EQ(page[7], "     dato 1  = base B");
    EXPECT_EQ(page[9], "     dato 3  = vedi disegno");
    EXPECT_EQ(page[16], "     A       = area della sezione");
    EXPECT_EQ(page[18], kHead1);
    EXPECT_EQ(page[19].left(14), "        n     ");
    EXPECT_EQ(page[20], "");
    EXPECT_EQ(page.size(), 22);
    EXPECT_EQ(page.back(), "pagina 1");
}

TEST(Report, LongSheetContinuesOnPagesWithHeadsAndFooters) {
    std::vector<QStringList> rows;
    for (int i = 1; i <= 100; ++i)
        rows.push_back({QString::number(i), QString::number(i + 3)});
    const Sheet sheet = sectionsSheet(1, rows);
    const auto pages = pagesOf(sections(), sheet, "rettangolo");
    ASSERT_GE(pages.size(), 2u);

    int nextRow = 1;
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        const QStringList& page = pages[p];
        EXPECT_EQ(page.back(), "pagina " + QString::number(p + 1));
        int first = int(page.indexOf(kHead1)) + 3;
        if (p > 0) {
            EXPECT_EQ(page[0], kHead1);
            EXPECT_EQ(page[2], "");
            first = 3;
        }
        const int rowsHere = int(page.size()) - 1 - first;
        EXPECT_LE(rowsHere, p == 0 ? kFirstPageRows : kNextPageRows);
        EXPECT_GE(rowsHere, p + 1 < pages.size() ? 30 : 1);
        for (int i = 0; i < rowsHere; ++i)
            EXPECT_EQ(page[first + i].left(10).trimmed(), QString::number(nextRow++));
    }
    EXPECT_EQ(nextRow, 101);
}

TEST(Report, LongerLegendLeavesFewerRowsOnTheFirstPage) {
    SheetParams params = sections();
    const auto legend = params.report.legend;
    params.report.legend = [legend](const Sheet& sheet) {
        return legend(sheet) + QStringList{"x", "y", "z", "w", "v"};
    };
    std::vector<QStringList> rows(60, QStringList{"1", "2"});
    const Sheet sheet = sectionsSheet(1, rows);
    const auto normal = pagesOf(sections(), sheet, "rettangolo");
    const auto longer = pagesOf(params, sheet, "rettangolo");
    // Both first pages end at the same height: five more legend lines, fewer rows.
    EXPECT_LT(longer[0].size() - 5, normal[0].size());
}

TEST(Report, RightAlignmentEndsBeforeTheColumn) {
    SheetParams params = sections();
    params.report.align = ReportAlign::Right;
    params.report.numberEnd = 9;
    params.report.columns = {
        {false, 1, 16, false}, {false, 3, 36, true}, {true, 1, 46, false}, {true, 4, 56, false}};
    const Sheet sheet = sectionsSheet(1, {{"12,5", "4"}});
    TextReport text;
    ComposeReport(params, sheet, "rettangolo", QString(), text);
    const QString line = rowLine(text.pages()[0], 0);
    EXPECT_EQ(line.left(8), "       1");
    EXPECT_EQ(line.mid(11, 4), "12,5"); // columns 12..15
    EXPECT_EQ(at(line, 35), '-');
    EXPECT_EQ(line.mid(41, 4), "  67"); // I = 12,5 * 64 / 12 = 66,67 -> 67 in print form
    EXPECT_EQ(line.length(), 45);       // the empty E' prints nothing
}

} // namespace
