#include "beams/calc.h"
#include "beams/params.h"
#include "sheet/archive.h"
#include "sheet/report.h"

#include <gtest/gtest.h>

using namespace Beams;

namespace {

Sheet laidOut(int typology) {
    Sheet sheet = newSheet(beamsParams());
    layOut(beamsParams(), sheet, typology);
    return sheet;
}

// The items of a text-grid line: character column (1-based) of the first character.
int columnOf(const QString& line, const QString& text, int from = 0) {
    const int at = int(line.indexOf(text, from));
    return at < 0 ? -1 : at + 1;
}

} // namespace

TEST(BeamsParams, LayoutSetsTheDatumHeadsOfEachTypology) {
    struct Case {
        int typology;
        const char* label2;
        const char* mis2;
        const char* label3; // nullptr: one datum, the third column is greyed
        const char* mis3;
    };
    const Case cases[] = {
        {1, "carico P", "kg", nullptr, nullptr},        {2, "carico p", "kg/m", nullptr, nullptr},
        {3, "carico p", "kg/m", nullptr, nullptr},      {4, "carico P", "kg", "dist. a", "m"},
        {5, "carico p", "kg/m", nullptr, nullptr},      {6, "carico p", "kg/m", "dist. a", "m"},
        {7, "carico p", "kg/m", nullptr, nullptr},      {8, "carico p", "kg/m", nullptr, nullptr},
        {9, "carico pa", "kg/m", "carico pb", "kg/m"},  {10, "carico P", "kg", "dist. a", "m"},
        {11, "carico p", "kg/m", nullptr, nullptr},     {12, "carico p", "kg/m", "dist. a", "m"},
        {13, "carico p", "kg/m", nullptr, nullptr},     {14, "carico p", "kg/m", nullptr, nullptr},
        {15, "carico pa", "kg/m", "carico pb", "kg/m"}, {16, "carico P", "kg", "dist. a", "m"},
        {17, "carico p", "kg/m", nullptr, nullptr},     {18, "carico p", "kg/m", "dist. a", "m"},
        {19, "carico p", "kg/m", nullptr, nullptr},     {20, "carico p", "kg/m", nullptr, nullptr},
    };
    const SheetParams& params = beamsParams();
    for (const Case& c : cases) {
        const std::string context = "typology " + std::to_string(c.typology);
        // Laid out after typology 15 and a span moment named "momento C", so a one-datum
        // layout shows that it leaves no head of the earlier one behind.
        Sheet sheet = laidOut(15);
        sheet.setResultHead(3, "momento C");
        layOut(params, sheet, c.typology);
        EXPECT_EQ(sheet.dataHead(2), c.label2) << context;
        EXPECT_EQ(sheet.dataUnit(2), c.mis2) << context;
        EXPECT_EQ(sheet.dataHead(3), c.label3 ? c.label3 : "") << context;
        EXPECT_EQ(sheet.dataUnit(3), c.mis3 ? c.mis3 : "") << context;
        EXPECT_EQ(sheet.resultHead(3), "momento max") << context;
        // The legend names the third datum only when there is one.
        const QStringList legend = params.report.legend(sheet);
        EXPECT_EQ(legend.filter("dato 3").size(), c.label3 ? 1 : 0) << context;
        EXPECT_TRUE(params.uses(c.typology, 1)) << context;
        EXPECT_TRUE(params.uses(c.typology, 2)) << context;
        EXPECT_EQ(params.uses(c.typology, 3), c.label3 != nullptr) << context;
    }
}

TEST(BeamsParams, ArchiveRecordsFollowTheThirdDatum) {
    struct Case {
        int typology;
        QByteArray file;
    };
    const Case cases[] = {
        {9, "9,2\r\n\"6\",\"500\"\r\n\"1500\"\r\n\"4,5\",\"700\"\r\n\"800\"\r\n"},
        {5, "5,2\r\n\"6\",\"500\"\r\n\"4,5\",\"700\"\r\n"},
    };
    const SheetParams& params = beamsParams();
    for (const Case& c : cases) {
        Sheet sheet = laidOut(c.typology);
        sheet.setDatum(Luce, 1, "6");
        sheet.setDatum(Dato2, 1, "500");
        sheet.setDatum(Luce, 2, "4,5");
        sheet.setDatum(Dato2, 2, "700");
        if (UsesDato3(c.typology)) {
            sheet.setDatum(Dato3, 1, "1500");
            sheet.setDatum(Dato3, 2, "800");
        }
        sheet.CountRows();
        EXPECT_EQ(FormatArchive(params, sheet, c.typology), c.file) << c.typology;

        ArchiveContent content;
        QString problem;
        ASSERT_TRUE(ParseArchive(params, c.file, &content, &problem)) << problem.toStdString();
        EXPECT_EQ(content.n, 2);
        EXPECT_EQ(content.rows[1][2], UsesDato3(c.typology) ? "800" : "");
    }
    // Five records for typology 9 with two beams: the header, then two per beam.
    EXPECT_EQ(params.archive.records(9).size(), 2u);
    for (int t = 1; t <= 20; ++t)
        EXPECT_EQ(params.archive.records(t).size(), UsesDato3(t) ? 2u : 1u) << t;
}

TEST(BeamsParams, CommandLineHeader) {
    const SheetParams& params = beamsParams();
    QStringList head{params.computeItem};
    for (const DataColumn& column : params.data)
        head << column.computeHead;
    for (const ResultColumn& column : params.results)
        head << column.computeHead;
    EXPECT_EQ(head.join(';'), "trave;luce;dato 2;dato 3;mom.A;mom.B;mom.c;taglio A;taglio B");
    EXPECT_EQ(params.results[MomC - 1].headLabel, "labelM");
}

TEST(BeamsParams, ExtraLabelPerXStartsHidden) {
    const Sheet sheet = newSheet(beamsParams());
    EXPECT_TRUE(sheet.notes().contains("perX"));
    EXPECT_TRUE(sheet.note("perX").hidden);
}

TEST(BeamsReport, ValuesEndBeforeTheirColumns) {
    const SheetParams& params = beamsParams();
    Sheet sheet = laidOut(4);
    sheet.setDatum(Luce, 1, "6");
    sheet.setDatum(Dato2, 1, "1000");
    sheet.setDatum(Dato3, 1, "2");
    sheet.setDatum(Luce, 2, "12,5");
    sheet.setDatum(Dato2, 2, "800");
    sheet.setDatum(Dato3, 2, "6,25");
    sheet.CountRows();
    CalculateBeams(sheet, 4);

    TextReport report;
    ASSERT_TRUE(ComposeReport(params, sheet, "appoggio + concentrato", QString(), report));
    const QStringList& page = report.pages().front();
    const int head = int(page.indexOf(
        "     trave   luce    dato 2    dato 3    mom.A     mom.B     mom.c     taglio A  "
        "taglio B"));
    ASSERT_GE(head, 0) << report.text().toStdString();
    const QString units = page[head + 1];
    EXPECT_EQ(units, "       n      m       kg          m        kgm       kgm       kgm       "
                     "kg        kg");
    EXPECT_TRUE(page.contains("     dato 2   = carico P"));
    EXPECT_TRUE(page.contains("     dato 3   = dist. a"));
    EXPECT_TRUE(page.contains("     mom.c  = momento massimo nella campata"));

    // Row 1: 6 | 1000 | 2 | 0 | 0 | 1333 | 667 | -333, each ending just before its column.
    const QString row1 = page[head + 3];
    struct Cell {
        const char* text;
        int end;
    };
    const Cell cells[] = {{"1", 9},  {"6", 16},    {"1000", 26}, {"2", 36},   {"0", 46},
                          {"0", 56}, {"1333", 66}, {"667", 76},  {"-333", 86}};
    int from = 0;
    for (const Cell& cell : cells) {
        const int at = columnOf(row1, QString(" ") + cell.text, from) + 1;
        EXPECT_EQ(at + int(strlen(cell.text)), cell.end)
            << cell.text << " in " << row1.toStdString();
        from = at;
    }
    const QString row2 = page[head + 4];
    EXPECT_EQ(columnOf(row2, "12,5") + 4, 16) << row2.toStdString();
    EXPECT_EQ(columnOf(row2, "6,25") + 4, 36) << row2.toStdString();
}

TEST(BeamsReport, OneDatumTypologyPrintsDashes) {
    const SheetParams& params = beamsParams();
    Sheet sheet = laidOut(1);
    sheet.setDatum(Luce, 1, "2");
    sheet.setDatum(Dato2, 1, "1000");
    sheet.CountRows();
    CalculateBeams(sheet, 1);
    TextReport report;
    ComposeReport(params, sheet, "sbalzo + concentrato", QString(), report);
    const QStringList& page = report.pages().front();
    QString row;
    for (const QString& line : page) {
        if (line.startsWith("       1"))
            row = line;
    }
    ASSERT_FALSE(row.isEmpty()) << report.text().toStdString();
    // 2 | 1000 | - | 0 | -2000 | - | 0 | -1000
    EXPECT_EQ(row, "       1      2      1000         -         0     -2000         -         0"
                   "     -1000");
}
