#include "plates/params.h"
#include "sheet/archive.h"
#include "sheet/report.h"

#include <gtest/gtest.h>

namespace {

Sheet onePlate(int typology, const char* first, const char* ly, const char* load) {
    const SheetParams& p = platesParams();
    Sheet sheet = newSheet(p);
    sheet.setDatum(1, 1, first);
    sheet.setDatum(2, 1, ly);
    sheet.setDatum(3, 1, load);
    sheet.CountRows();
    layOut(p, sheet, typology);
    p.calculate(sheet, typology);
    return sheet;
}

std::string at(const QString& line, int column, int length) {
    return line.mid(column - 1, length).toStdString();
}

// The index of the first line that starts with the text, -1 when none does.
int lineStarting(const QStringList& page, const QString& start) {
    for (int i = 0; i < page.size(); ++i) {
        if (page[i].startsWith(start))
            return i;
    }
    return -1;
}

// The first table line of the report's first page.
QString firstRowOfReport(const Sheet& sheet, int typology) {
    const SheetParams& p = platesParams();
    TextReport report;
    ComposeReport(p, sheet, p.typologies[typology - 1], report);
    const QStringList& page = report.pages().at(0);
    const int heads = lineStarting(page, "     piastra lato lx");
    if (heads < 0 || heads + 3 >= page.size())
        return QString();
    EXPECT_TRUE(page.at(heads + 1).startsWith("        n       m         m        kg"));
    return page.at(heads + 3);
}

TEST(PlatesFiles, ArchiveHoldsTheLongSideOnlyForRectangles) {
    const SheetParams& p = platesParams();
    EXPECT_EQ(FormatArchive(p, onePlate(2, "4", "5,4", "500"), 2),
              QByteArray("2,1\r\n\"4\",\"500\"\r\n\"5,4\"\r\n"));
    EXPECT_EQ(FormatArchive(p, onePlate(4, "4", "", "500"), 4),
              QByteArray("4,1\r\n\"4\",\"500\"\r\n"));
}

TEST(PlatesFiles, ReportLinesUpEachColumn) {
    ASSERT_TRUE(ReportAvailable(platesParams()));
    // Mx 254, My 111, mx −568, my −411.
    const QString rect = firstRowOfReport(onePlate(2, "4", "5,4", "500"), 2);
    EXPECT_EQ(at(rect, 9, 1), "1");
    EXPECT_EQ(at(rect, 16, 1), "4");
    EXPECT_EQ(at(rect, 26, 3), "5,4"); // comma on 27
    EXPECT_EQ(at(rect, 36, 3), "500");
    EXPECT_EQ(at(rect, 45, 4), " 254");
    EXPECT_EQ(at(rect, 55, 4), " 111");
    EXPECT_EQ(at(rect, 65, 4), "-568");
    EXPECT_EQ(at(rect, 75, 4), "-411");
    EXPECT_EQ(rect.length(), 78);

    // A circular plate has no long side: "-" under ly.
    const QString circle = firstRowOfReport(onePlate(4, "2", "", "500"), 4);
    EXPECT_EQ(at(circle, 16, 1), "2");
    EXPECT_EQ(at(circle, 27, 1), "-");
    EXPECT_EQ(at(circle, 45, 4), " 125");
    EXPECT_EQ(at(circle, 65, 4), "-250");
}

} // namespace
