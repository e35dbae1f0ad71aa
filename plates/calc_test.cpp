#include "plates/calc.h"
#include "plates/params.h"
#include "sheet/rules.h"

#include "tests/sheets.h"

#include <gtest/gtest.h>

namespace {

struct PlateRow {
    const char* first; // lx or R
    const char* ly;
    const char* load;
};

Sheet plateSheet(std::initializer_list<PlateRow> rows) {
    std::vector<std::vector<const char*>> data;
    for (const PlateRow& r : rows)
        data.push_back({r.first, r.ly, r.load});
    return FilledSheet(platesParams(), data);
}

std::vector<Result> moments(const Sheet& sheet, int row) {
    return {sheet.result(1, row), sheet.result(2, row), sheet.result(3, row), sheet.result(4, row)};
}

struct Example {
    int typology;
    PlateRow row;
    std::vector<Result> expected; // Mx, My, mx, my
    const char* what;
};

TEST(PlatesCalc, MomentsOfEachTypology) {
    const Example examples[] = {
        {1, {"4", "4", "500"}, {294, 294, 0, 0}, "square: 0,0368 · 8000"},
        {2, {"4", "4", "500"}, {142, 142, -383, -383}, "square clamped"},
        {1, {"4", "5", "500"}, {448, 267, 0, 0}, "ratio 1,25 on an entry"},
        {1, {"4", "5,4", "500"}, {532, 260, 0, 0}, "ratio 1,35: Mx of 1,4, My of 1,3"},
        {2, {"4", "5,4", "500"}, {254, 111, -568, -411}, "clamped 1,35: edges of 1,4"},
        {1, {"2", "4", "1000"}, {404, 70, 0, 0}, "ratio 2 exactly"},
        {2, {"2", "4", "1000"}, {154, 19, -329, -207}, "ratio 2 exactly, clamped"},
        {1, {"4", "12", "500"}, {1000, 0, 0, 0}, "ratio 3: the strip q·lx²/8"},
        {2, {"4", "12", "500"}, {334, 0, -666, 0}, "ratio 3 clamped: the strip"},
        {2, {"4", "8,0004", "500"}, {334, 0, -666, 0}, "just above 2"},
        // The coefficients are read from lx the short side: a ratio below 1 is outside.
        {1, {"5", "4", "400"}, {{}, {}, {}, {}}, "ratio below 1"},
        {2, {"5", "4", "400"}, {{}, {}, {}, {}}, "ratio below 1, clamped"},
        {3, {"2", "", "500"}, {375, 375, 0, 0}, "circle supported: 3·q·R²/16"},
        {4, {"2", "", "500"}, {125, 125, -250, -250}, "circle clamped"},
        {4, {"1", "", "500"}, {31, 31, -62, -62}, "-62,5 rounds up to -62"},
        {3, {"2", "7", "500"}, {375, 375, 0, 0}, "a circle ignores ly"},
        {0, {"4", "5", "500"}, {448, 267, 0, 0}, "typology below 1 as 1"},
        {5, {"4", "5", "500"}, {0, 0, 0, 0}, "no typology 5: zeros"},
    };
    for (const Example& e : examples) {
        Sheet sheet = plateSheet({e.row});
        CalculatePlates(sheet, e.typology);
        EXPECT_EQ(moments(sheet, 1), e.expected) << e.what;
    }
}

TEST(PlatesCalc, NeighbourRuleTakesEachCoefficientFromTheLargerSide) {
    // Between 1,1 and 1,15: Mx (and the clamped edges) from 1,15, My from 1,1.
    const PlateCoefficients supported = PlateCoefficientsFor(1.12, false);
    EXPECT_DOUBLE_EQ(supported.mx, 0.0486);
    EXPECT_DOUBLE_EQ(supported.my, 0.0359);
    EXPECT_EQ(supported.ex, 0);
    EXPECT_EQ(supported.ey, 0);
    const PlateCoefficients clamped = PlateCoefficientsFor(1.12, true);
    EXPECT_DOUBLE_EQ(clamped.mx, 0.0235);
    EXPECT_DOUBLE_EQ(clamped.my, 0.0168);
    EXPECT_DOUBLE_EQ(clamped.ex, 0.0582);
    EXPECT_DOUBLE_EQ(clamped.ey, 0.0501);
    const PlateCoefficients square = PlateCoefficientsFor(1, true);
    EXPECT_DOUBLE_EQ(square.mx, 0.0177);
    EXPECT_DOUBLE_EQ(square.ey, 0.0479);
}

TEST(PlatesCalc, AnIncompleteRowShowsNothingAndLaterRowsAreComputed) {
    for (const PlateRow& broken :
         {PlateRow{"4", "5", ""}, PlateRow{"", "5", "500"}, PlateRow{"0", "5", "500"}}) {
        Sheet sheet = plateSheet({{"4", "4", "500"}, broken, {"4", "5", "500"}});
        ASSERT_EQ(sheet.n(), 3);
        for (int row = 2; row <= 3; ++row)
            sheet.setResult(1, row, 777.0); // results of an earlier run
        CalculatePlates(sheet, 1);
        EXPECT_EQ(sheet.result(1, 1), 294.0);
        EXPECT_EQ(moments(sheet, 2), std::vector<Result>(4));
        EXPECT_EQ(sheet.result(1, 3), 448.0);
    }
}

TEST(PlatesCalc, AHugeDatumIsOutOfRangeInsteadOfInfinite) {
    // 300 digits read from a file would give inf and -inf.
    Sheet sheet = plateSheet({{"4", "5", "500"}, {"4", "5", "500"}});
    sheet.setDatum(1, 1, QString(300, '9'));
    sheet.setDatum(2, 1, QString(300, '9'));
    CalculatePlates(sheet, 2);
    EXPECT_EQ(moments(sheet, 1), std::vector<Result>(4));
    EXPECT_TRUE(sheet.isOutOfRange(1));
    EXPECT_TRUE(sheet.result(1, 2).has_value());
}

TEST(PlatesCalc, ARectangleWithoutItsLongSideHasNoResultsAndTheRunGoesOn) {
    for (const char* ly : {"", "0", "0,0"}) {
        Sheet sheet = plateSheet({{"4", ly, "500"}, {"4", "5", "500"}});
        sheet.setResult(1, 1, 777.0);
        for (int typology : {1, 2}) {
            CalculatePlates(sheet, typology);
            EXPECT_EQ(moments(sheet, 1), std::vector<Result>(4)) << "ly '" << ly << "'";
            EXPECT_TRUE(sheet.result(1, 2).has_value()) << ly;
        }
    }
}

TEST(PlatesParams, SecondSideAndFirstHeadFollowTheShape) {
    const SheetParams& p = platesParams();
    const struct {
        int typology;
        bool ly;
        const char* head;
    } shapes[] = {
        {1, true, "lato lx"}, {2, true, "lato lx"}, {3, false, "raggio R"}, {4, false, "raggio R"}};
    for (const auto& s : shapes) {
        EXPECT_TRUE(p.uses(s.typology, 1) && p.uses(s.typology, 3));
        EXPECT_EQ(p.uses(s.typology, 2), s.ly) << s.typology;
        Sheet sheet = newSheet(p);
        layOut(p, sheet, s.typology == 1 ? 3 : 1); // from the other shape
        layOut(p, sheet, s.typology);
        EXPECT_EQ(sheet.dataHead(1), s.head) << s.typology;
        // The check of a circular sheet never asks for the second column.
        Sheet rows = plateSheet({{"2", "", "500"}});
        EXPECT_EQ(Check(p, rows, s.typology).complete, !s.ly) << s.typology;
    }
}

TEST(PlatesParams, TypologiesOfTheSameShapeKeepTheRows) {
    const struct {
        int from, to;
        bool same;
    } changes[] = {{1, 2, true},  {2, 1, true},  {3, 4, true},  {4, 3, true}, {2, 3, false},
                   {3, 2, false}, {1, 4, false}, {4, 1, false}, {1, 1, true}};
    for (const auto& c : changes)
        EXPECT_EQ(PlatesSameShape(c.from, c.to), c.same) << c.from << " -> " << c.to;
}

TEST(PlatesParams, ArchiveRecordsOfAPlate) {
    using Records = std::vector<std::vector<int>>;
    const SheetParams& p = platesParams();
    for (int t : {1, 2})
        EXPECT_EQ(p.archive.records(t), (Records{{1, 3}, {2}})) << t;
    for (int t : {3, 4})
        EXPECT_EQ(p.archive.records(t), (Records{{1, 3}})) << t;
}

} // namespace
