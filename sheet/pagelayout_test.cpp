#include "sheet/pagelayout.h"

#include <gtest/gtest.h>

namespace {

DocBlock tableBlock(int columns, int rows, const QString& value) {
    DocBlock block;
    block.kind = DocBlock::Table;
    block.table.columns.push_back({{"riga"}, "n.", true});
    for (int c = 1; c < columns; ++c)
        block.table.columns.push_back({{"col" + QString::number(c)}, "kg", true});
    for (int r = 1; r <= rows; ++r) {
        DocTableRow row;
        row.cells << QString::number(r);
        for (int c = 1; c < columns; ++c)
            row.cells << value;
        block.table.rows.push_back(row);
    }
    return block;
}

QStringList allLines(const std::vector<LaidOutPage>& pages) {
    QStringList lines;
    for (const LaidOutPage& page : pages)
        lines << PageLines(page);
    return lines;
}

TEST(PageLayout, ATableWiderThanThePageIsSplitWithItsKeyColumnRepeated) {
    PageDocument doc;
    doc.blocks.push_back(tableBlock(40, 3, "-1234567,5"));
    const PageFormat format = FormatFor(doc);
    EXPECT_TRUE(format.landscape);
    const QStringList lines = allLines(LayOutPages(doc, format));
    int heads = 0;
    QStringList seen;
    for (const QString& line : lines) {
        ASSERT_LE(line.length(), format.columns) << line.toStdString();
        if (line.trimmed().startsWith("riga")) {
            ++heads;
            seen << line.split(' ', Qt::SkipEmptyParts).mid(1);
        }
    }
    EXPECT_GE(heads, 3); // every piece begins with the key column's head
    EXPECT_EQ(seen.size(), 39);
    for (int c = 1; c < 40; ++c)
        EXPECT_TRUE(seen.contains("col" + QString::number(c))) << c;
}

TEST(PageLayout, ALongTableRepeatsItsHeadsOnEveryPageAndKeepsEveryRowOnce) {
    PageDocument doc;
    doc.heading.opera = "Opera";
    doc.blocks.push_back(tableBlock(4, 150, "12,5"));
    const std::vector<LaidOutPage> pages = LayOutPages(doc, FormatFor(doc));
    ASSERT_GE(pages.size(), 3u);
    int next = 1;
    for (const LaidOutPage& page : pages) {
        const QStringList lines = PageLines(page);
        const int head = int(lines.indexOf(lines.filter("riga").value(0)));
        ASSERT_GE(head, 0);
        for (int i = head + 2; i < lines.size(); ++i) {
            const QString first = lines[i].section(' ', 0, 0, QString::SectionSkipEmpty);
            if (!first.isEmpty()) {
                EXPECT_EQ(first.toInt(), next++);
            }
        }
    }
    EXPECT_EQ(next, 151);
}

TEST(PageLayout, NumbersLineUpOnTheirUnitsDigit) {
    PageDocument doc;
    DocBlock block = tableBlock(2, 0, QString());
    for (const char* value : {"-12,75", "3", "1250", "-", "0,5"})
        block.table.rows.push_back({{"1", value}, QString(), 0});
    doc.blocks.push_back(block);
    const QStringList lines = allLines(LayOutPages(doc, FormatFor(doc)));
    const int first = int(lines.indexOf(lines.filter("-12,75").value(0)));
    ASSERT_GE(first, 0);
    const int units = int(lines[first].indexOf(",75")) - 1;
    EXPECT_EQ(lines[first + 1].length() - 1, units);      // 3
    EXPECT_EQ(lines[first + 2].length() - 1, units);      // 1250
    EXPECT_EQ(lines[first + 3].length() - 1, units);      // -
    EXPECT_EQ(lines[first + 4].indexOf(",5") - 1, units); // 0,5
    EXPECT_EQ(lines[first - 1].length() - 1, units + 3);  // the unit ends the column
}

} // namespace
