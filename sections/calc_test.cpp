#include "sections/calc.h"
#include "sections/params.h"

#include "tests/sheets.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    int typology;
    std::vector<const char*> data; // columns 1..4 as typed
    // I, E, W, E', W', A; a negative value means "left empty"
    double i, e, w, e1, w1, a;
};

Sheet sheetWith(const std::vector<std::vector<const char*>>& rows) {
    return FilledSheet(sectionsParams(), rows);
}

void expectResult(const Sheet& sheet, int column, int row, double value, int typology) {
    if (value < 0) {
        EXPECT_FALSE(sheet.result(column, row).has_value()) << "typology " << typology;
    } else {
        ASSERT_TRUE(sheet.result(column, row).has_value())
            << "typology " << typology << " column " << column;
        EXPECT_DOUBLE_EQ(*sheet.result(column, row), value)
            << "typology " << typology << " column " << column;
    }
}

} // namespace

// Values from the textbook formulas of each shape (parallel axes for the T section,
// the trapezoid with short base a and long base a + 2·overhang, W = 5R³/8 for the
// hexagon on its side), rounded as the sheet rounds.
TEST(SectionsCalc, EveryTypologyAgainstTheShapesProperties) {
    const std::vector<Expected> table = {
        {1, {"20", "30"}, 45000, 15, 3000, -1, -1, 600},
        {2, {"10", "20", "16"}, 3253, 10, 325, -1, -1, 40},
        {3, {"10"}, 833, 5, 167, -1, -1, 100},
        {4, {"10"}, 833, 7.1, 118, -1, -1, 100},
        {5, {"10", "8"}, 492, 5, 98, -1, -1, 36},
        {6, {"10", "8"}, 492, 7.1, 70, -1, -1, 36},
        {7, {"30", "30"}, 22500, 20, 1125, 10, 2250, 450},
        {8, {"10"}, 5413, 10, 541, -1, -1, 259.8},
        {9, {"10"}, 5413, 8.7, 625, -1, -1, 259.8},
        {10, {"10", "10", "5"}, 1204, 5.6, 217, -1, -1, 150},
        {11, {"10"}, 491, 5, 98, -1, -1, 78.5},
        {12, {"10", "8"}, 290, 5, 58, -1, -1, 28.3},
        {13, {"10"}, 1098, 5.8, 191, 4.2, 259, 157.1},
        {14, {"20", "10"}, 982, 5, 196, -1, -1, 157.1},
        {15, {"10", "20", "8", "16"}, 3936, 10, 394, -1, -1, 72},
        {16, {"10", "20", "20", "10"}, 8333, 10, 833, -1, -1, 400},
        {17, {"20", "20", "4", "4"}, 5028, 13.6, 371, 6.4, 780, 144},
    };
    for (const Expected& x : table) {
        Sheet sheet = sheetWith({x.data});
        CalculateSections(sheet, x.typology);
        EXPECT_FALSE(sheet.isOutOfRange(1)) << "typology " << x.typology;
        const double values[] = {x.i, x.e, x.w, x.e1, x.w1, x.a};
        for (int column = 1; column <= 6; ++column)
            expectResult(sheet, column, 1, values[column - 1], x.typology);
    }
}

TEST(SectionsCalc, ResultsAsTheSheetShowsThem) {
    Sheet sheet = sheetWith({{"10"}});
    CalculateSections(sheet, 13); // semicircle of radius 10
    EXPECT_EQ(sheet.resultText(1, 1), "1098");
    EXPECT_EQ(sheet.resultText(2, 1), "5,8");
    EXPECT_EQ(sheet.resultText(4, 1), "4,2");
    EXPECT_EQ(sheet.resultText(6, 1), "157,1");
}

TEST(SectionsCalc, EqualDiametersOfATubeAreNoSection) {
    Sheet sheet = sheetWith({{"10", "10"}, {"500", "1000"}});
    CalculateSections(sheet, 12);
    for (int row : {1, 2}) {
        EXPECT_FALSE(sheet.result(1, row).has_value()) << row; // not I = 0, not I < 0
        EXPECT_FALSE(sheet.result(6, row).has_value()) << row;
        EXPECT_EQ(sheet.outOfRangeReason(row),
                  "- il diametro interno non è minore di quello esterno.");
    }
}

TEST(SectionsCalc, CrossSectionTakesTheTallerRectangleForTheFarFibre) {
    Sheet sheet = sheetWith({{"20", "10", "10", "30"}, {"10", "20", "4", "12"}});
    CalculateSections(sheet, 16);
    EXPECT_EQ(sheet.resultText(2, 1), "15"); // web 30 high: far fibre at 15, not 5
    EXPECT_EQ(sheet.resultText(3, 1), "1611");
    EXPECT_EQ(sheet.resultText(2, 2), "10"); // h <= H: unchanged
}

TEST(SectionsCalc, AnIncompleteRowShowsNothingAndLaterRowsAreComputed) {
    Sheet sheet = sheetWith({{"20", "20", "4", "4"},
                             {"20", "20", "4", "4"},
                             {"20", "20", "4"},
                             {"20", "20", "4", "4"}});
    sheet.setResult(1, 3, 111.0); // results of other data
    sheet.setResult(1, 4, 222.0);
    CalculateSections(sheet, 17);
    EXPECT_EQ(sheet.resultText(1, 1), "5028");
    EXPECT_EQ(sheet.resultText(1, 2), "5028");
    for (int column = 1; column <= 6; ++column)
        EXPECT_FALSE(sheet.result(column, 3).has_value()) << column;
    EXPECT_EQ(sheet.resultText(1, 4), "5028");
    EXPECT_FALSE(sheet.isOutOfRange(3)); // it lacks a datum: the hint names the column
}

TEST(SectionsCalc, ZeroDistanceAndADegenerateSectionAreOutOfRange) {
    Sheet zeroHeight = sheetWith({{"20", "0"}, {"20", "30"}});
    CalculateSections(zeroHeight, 1);
    EXPECT_FALSE(zeroHeight.result(1, 1).has_value());
    EXPECT_TRUE(zeroHeight.isOutOfRange(1));
    EXPECT_EQ(zeroHeight.resultText(1, 2), "45000");

    // A T section of no area has no centroid: no NaN, the next row still computed.
    Sheet degenerate = sheetWith({{"20", "4", "0", "0"}, {"20", "20", "4", "4"}});
    CalculateSections(degenerate, 17);
    EXPECT_FALSE(degenerate.result(1, 1).has_value());
    EXPECT_EQ(degenerate.outOfRangeReason(1),
              "- l'area o il momento d'inerzia non è maggiore di zero.");
    EXPECT_EQ(degenerate.resultText(1, 2), "5028");
}

TEST(SectionsCalc, MoreThanOneCommaReadsUpToTheSecond) {
    Sheet sheet = sheetWith({{"20,0,5", "30"}});
    CalculateSections(sheet, 1);
    EXPECT_EQ(sheet.resultText(1, 1), "45000");
}
