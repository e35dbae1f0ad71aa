#include "arches/params.h"
#include "sheet/archive.h"
#include "sheet/report.h"

#include "tests/sheets.h"

#include <gtest/gtest.h>

namespace {

struct ArchRow {
    const char* l;
    const char* c;
    const char* a;
    const char* h;
    const char* f;
};

Sheet computedSheet(int typology, std::initializer_list<ArchRow> rows) {
    std::vector<std::vector<const char*>> data;
    for (const ArchRow& r : rows)
        data.push_back({r.l, r.c, r.a, r.h, r.f});
    return ComputedSheet(archesParams(), typology, data);
}

TEST(ArchesFiles, ArchiveRecordsHoldSpanLoadRiseThenThePositionOfTheForce) {
    const SheetParams& p = archesParams();
    const Sheet t2 = computedSheet(2, {{"10", "1000", "", "2,5", "2"}});
    EXPECT_EQ(FormatArchive(p, t2, 2), QByteArray("2,1\r\n\"10\",\"1000\",\"2\"\r\n\"2,5\"\r\n"));
    const Sheet t4 = computedSheet(4, {{"10", "1000", "", "", "2"}, {"8", "500", "", "", "1"}});
    EXPECT_EQ(FormatArchive(p, t4, 4),
              QByteArray("4,2\r\n\"10\",\"1000\",\"2\"\r\n\"8\",\"500\",\"1\"\r\n"));

    const Sheet t12 = computedSheet(12, {{"10", "1000", "3", "2", "2"},
                                         {"12,5", "800", "4", "1,5", "3"},
                                         {"9", "700", "2", "1", "2,5"}});
    const QByteArray bytes = FormatArchive(p, t12, 12);
    EXPECT_EQ(bytes.count("\r\n"), 7);
    EXPECT_TRUE(bytes.startsWith("12,3\r\n\"10\",\"1000\",\"2\"\r\n\"3\",\"2\"\r\n"));

    // Read back, every datum returns to its own column.
    ArchiveContent content;
    QString problem;
    ASSERT_TRUE(ParseArchive(p, bytes, &content, &problem)) << problem.toStdString();
    Sheet back = newSheet(p);
    ApplyArchive(content, back);
    EXPECT_EQ(content.typology, 12);
    ASSERT_EQ(back.n(), 3);
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 5; ++column)
            EXPECT_EQ(back.datum(column, row), t12.datum(column, row)) << row << "," << column;
    }
}

TEST(ArchesFiles, ReportLinesUpEachColumn) {
    const SheetParams& p = archesParams();
    ASSERT_TRUE(ReportAvailable(p));
    // ya 760, yb 240, xa 750.
    const Sheet sheet = computedSheet(1, {{"12,5", "1000", "3", "", "2"}});
    TextReport report;
    ASSERT_TRUE(ComposeReport(p, sheet, p.typologies[0], QString(), report));
    const QStringList& page = report.pages().at(0);
    ASSERT_TRUE(page.contains("      PONTELUMA - calcolo di archi"));
    ASSERT_TRUE(page.contains("         DATI E RISULTATI (tipologia: 3 cerniere + concentrato)"));
    ASSERT_TRUE(page.contains("     xb     = componente orizzontale della reazione nel vincolo "
                              "di destra B"));
    const int heads = LineStarting(page, "     arco    luce");
    ASSERT_GT(heads, 0);
    EXPECT_TRUE(page.at(heads + 1).startsWith("       n      m       kg"));
    const QString line = page.at(heads + 3);
    EXPECT_EQ(TextAt(line, 8, 1), "1");
    EXPECT_EQ(TextAt(line, 14, 4), "12,5"); // comma on 16
    EXPECT_EQ(TextAt(line, 23, 4), "1000");
    EXPECT_EQ(TextAt(line, 30, 1), "3");
    EXPECT_EQ(TextAt(line, 39, 1), "-"); // no height
    EXPECT_EQ(TextAt(line, 46, 1), "2");
    EXPECT_EQ(TextAt(line, 54, 4), " 760");
    EXPECT_EQ(TextAt(line, 62, 4), " 240");
    EXPECT_EQ(TextAt(line, 70, 4), " 750");
    EXPECT_EQ(TextAt(line, 80, 2), " 0");
    EXPECT_EQ(TextAt(line, 90, 2), " 0");
    EXPECT_EQ(TextAt(line, 99, 2), " 0");
    EXPECT_EQ(TextAt(line, 108, 2), " 0");
    EXPECT_EQ(line.length(), 109);

    // Ma −640 and Mb 320 of a clamped arch: the minus takes the place of the blank.
    const Sheet clamped = computedSheet(11, {{"10", "1000", "2", "", "2"}});
    TextReport second;
    ComposeReport(p, clamped, p.typologies[10], QString(), second);
    const QString row = second.pages().at(0).at(heads + 3);
    EXPECT_EQ(TextAt(row, 39, 1), "-");
    EXPECT_EQ(TextAt(row, 88, 4), "-640");
    EXPECT_EQ(TextAt(row, 97, 4), " 320");
    EXPECT_EQ(TextAt(row, 106, 4), "-120");
}

} // namespace
