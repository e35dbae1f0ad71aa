#include "sheet/paste.h"

#include <gtest/gtest.h>

namespace {

PasteShape sectionsShape(int firstRow = 1) {
    PasteShape shape;
    shape.dataColumns = 4;
    shape.used = {true, true, false, false}; // a rectangle
    shape.numberHead = "sezione";
    shape.firstRow = firstRow;
    return shape;
}

std::vector<std::optional<QString>> row(std::initializer_list<const char*> cells) {
    std::vector<std::optional<QString>> values;
    for (const char* cell : cells)
        values.push_back(cell ? std::optional<QString>(QString::fromUtf8(cell)) : std::nullopt);
    return values;
}

} // namespace

TEST(Paste, TheCopiedTableGoesBackWithoutHeaderRowNumbersAndResults) {
    const QString copied = "sezione\tB\tH\tdato 3\tdato 4\tI\tE\tW\tE'\tW'\tA\r\n"
                           "1\t20\t30\t\t\t45000\t15\t3000\t\t\t600\r\n"
                           "2\t12,5\t10\t\t\t1042\t5\t208\t\t\t125\r\n";
    const PastedRows pasted = ParsePastedRows(copied, sectionsShape());
    EXPECT_TRUE(pasted.refusal.isEmpty()) << pasted.refusal.toStdString();
    ASSERT_EQ(pasted.cells.size(), 2u);
    EXPECT_EQ(pasted.cells[0], row({"20", "30", nullptr, nullptr}));
    EXPECT_EQ(pasted.cells[1], row({"12,5", "10", nullptr, nullptr}));
}

TEST(Paste, SpreadsheetCellsBySemicolonOrTabStartAtTheGivenRow) {
    const PastedRows byTab = ParsePastedRows("20\t30\n40\t50", sectionsShape(3));
    EXPECT_EQ(byTab.firstRow, 3);
    ASSERT_EQ(byTab.cells.size(), 2u);
    EXPECT_EQ(byTab.cells[1], row({"40", "50", nullptr, nullptr}));
    // A header of other words is skipped; an empty cell empties its datum.
    const PastedRows bySemicolon = ParsePastedRows("base;altezza\n20;\n", sectionsShape());
    ASSERT_EQ(bySemicolon.cells.size(), 1u);
    EXPECT_EQ(bySemicolon.cells[0], row({"20", "", nullptr, nullptr}));
    // Whole numbers in the first cell are data when the line has no more cells than data.
    const PastedRows numbers = ParsePastedRows("1\t30\n2\t30", sectionsShape());
    EXPECT_EQ(numbers.cells[0], row({"1", "30", nullptr, nullptr}));
}

TEST(Paste, AWrongCellRefusesTheWholePasteAndNamesIt) {
    struct Case {
        const char* text;
        const char* named;
    };
    const Case cases[] = {
        {"20\t30\n12.5\t10", "Riga 6, colonna 1: il dato \"12.5\""},
        {"1.250;30", "Riga 5, colonna 1: il dato \"1.250\""},
        {"20\t3a", "Riga 5, colonna 2: il dato \"3a\""},
        {"20\t-3", "Riga 5, colonna 2: il dato \"-3\""},
        {"20\t1,2,3", "Riga 5, colonna 2: il dato \"1,2,3\""},
        {"abc", "Riga 5, colonna 1: il dato \"abc\""},
    };
    for (const Case& c : cases) {
        const PastedRows pasted = ParsePastedRows(c.text, sectionsShape(5));
        EXPECT_TRUE(pasted.cells.empty()) << c.text;
        EXPECT_TRUE(pasted.refusal.startsWith(QString::fromUtf8(c.named)))
            << c.text << ": " << pasted.refusal.toStdString();
        EXPECT_TRUE(pasted.refusal.contains("senza separatore delle migliaia")) << c.text;
    }
    // Cells of columns the typology does not use are not looked at.
    EXPECT_TRUE(ParsePastedRows("20\t30\tx", sectionsShape()).refusal.isEmpty());
}

TEST(Paste, RowsBeyondTheLastRowAreRefused) {
    QString text;
    for (int i = 0; i < 6; ++i)
        text += "20\t30\n";
    EXPECT_TRUE(ParsePastedRows(text, sectionsShape(95)).refusal.isEmpty());
    const PastedRows tooMany = ParsePastedRows(text, sectionsShape(96));
    EXPECT_TRUE(tooMany.cells.empty());
    EXPECT_TRUE(tooMany.refusal.contains("dalla riga 96")) << tooMany.refusal.toStdString();
}
