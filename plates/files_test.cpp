#include "plates/params.h"
#include "sheet/archive.h"
#include "sheet/report.h"

#include "tests/sheets.h"

#include <gtest/gtest.h>

namespace {

Sheet onePlate(int typology, const char* first, const char* ly, const char* load) {
    return ComputedSheet(platesParams(), typology, {{first, ly, load}});
}

// The first table line of the report's first page.
QString firstRowOfReport(const Sheet& sheet, int typology) {
    const SheetParams& p = platesParams();
    TextReport report;
    ComposeReport(p, sheet, p.typologies[typology - 1], QString(), report);
    const QStringList& page = report.pages().at(0);
    const int heads = LineStarting(page, "     piastra lato lx");
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
    EXPECT_EQ(TextAt(rect, 9, 1), "1");
    EXPECT_EQ(TextAt(rect, 16, 1), "4");
    EXPECT_EQ(TextAt(rect, 26, 3), "5,4"); // comma on 27
    EXPECT_EQ(TextAt(rect, 36, 3), "500");
    EXPECT_EQ(TextAt(rect, 45, 4), " 254");
    EXPECT_EQ(TextAt(rect, 55, 4), " 111");
    EXPECT_EQ(TextAt(rect, 65, 4), "-568");
    EXPECT_EQ(TextAt(rect, 75, 4), "-411");
    EXPECT_EQ(rect.length(), 78);

    // A circular plate has no long side: "-" under ly.
    const QString circle = firstRowOfReport(onePlate(4, "2", "", "500"), 4);
    EXPECT_EQ(TextAt(circle, 16, 1), "2");
    EXPECT_EQ(TextAt(circle, 27, 1), "-");
    EXPECT_EQ(TextAt(circle, 45, 4), " 125");
    EXPECT_EQ(TextAt(circle, 65, 4), "-250");
}

} // namespace
