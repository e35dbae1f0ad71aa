#include "arches/calc.h"
#include "arches/params.h"
#include "sheet/rules.h"

#include "tests/sheets.h"

#include <gtest/gtest.h>

namespace {

// One arch: span, load, distance, height, rise, as typed ("" when not entered).
struct ArchRow {
    const char* l;
    const char* c;
    const char* a;
    const char* h;
    const char* f;
};

Sheet archSheet(std::initializer_list<ArchRow> rows) {
    std::vector<std::vector<const char*>> data;
    for (const ArchRow& r : rows)
        data.push_back({r.l, r.c, r.a, r.h, r.f});
    return FilledSheet(archesParams(), data);
}

std::vector<double> results(const Sheet& sheet, int row) {
    std::vector<double> values;
    for (int column = 1; column <= 7; ++column)
        values.push_back(sheet.result(column, row).value_or(-999999));
    return values;
}

struct Example {
    int typology;
    ArchRow row;
    std::vector<double> expected; // ya, yb, xa, xb, Ma, Mb, Mc
};

TEST(ArchesCalc, ResultsOfEachTypology) {
    const Example examples[] = {
        {1, {"10", "1000", "3", "", "2"}, {700, 300, 750, 0, 0, 0, 0}},
        {1, {"10", "1000", "3", "7", "2"}, {700, 300, 750, 0, 0, 0, 0}}, // h is not its datum
        {2, {"10", "1000", "", "2", "2"}, {200, 0, 500, 500, 0, 0, 0}},
        {3, {"8", "100", "", "", "2"}, {300, 100, 200, 0, 0, 0, 0}},
        {4, {"10", "1000", "", "", "2"}, {5000, 0, 6250, 0, 0, 0, 0}},
        {5, {"10", "100", "", "", "4"}, {80, 0, 300, 100, 0, 0, 0}},
        // xa = (5/8)·5000·0,5·0,5·1,25 = 976,5625; Mc = 2500 − 976,5625·2 = 546,875.
        {6, {"10", "1000", "5", "", "2"}, {500, 500, 977, 0, 0, 0, 547}},
        {7, {"10", "1000", "5", "2", "2"}, {200, 0, 500, 500, 0, 0, 0}},
        {7, {"10", "1000", "2,5", "2", "2"}, {200, 0, 574, 426, 0, 0, 148}},
        // The crown moment includes the thrust: zero for the parabolic arch.
        {8, {"10", "1000", "", "", "2"}, {3750, 1250, 3125, 0, 0, 0, 0}},
        {8, {"10", "1000", "", "", "4"}, {3750, 1250, 1563, 0, 0, 0, 0}},
        {9, {"10", "1000", "", "", "2"}, {5000, 0, 6250, 0, 0, 0, 0}},
        {10, {"10", "140", "", "", "2"}, {28, 0, 200, 80, 0, 0, -20}},
        // Ma = Mb = 312,5 round up; Mc = 312,5 + 2500 − 2343,75.
        {11, {"10", "1000", "5", "", "2"}, {500, 500, 1172, 0, 313, 313, 469}},
        {11, {"10", "1000", "2", "", "2"}, {896, 104, 480, 0, -640, 320, -120}},
        {12, {"10", "1000", "5", "2", "2"}, {150, 0, 500, 500, -250, 250, 0}},
        {12, {"10", "1000", "3", "2", "2"}, {138, 0, 572, 428, -365, 257, 91}},
        // Ma = −2,5 and Mb = 2,5: both round upward.
        {13, {"4", "10", "", "", "1"}, {16, 4, 10, 0, -2, 3, 0}},
        {14, {"10", "1000", "", "", "2"}, {5000, 0, 6250, 0, 0, 0, 0}},
        {15, {"10", "280", "", "", "1"}, {7, 0, 220, 60, -51, 19, -6}},
        // A hundredth is not zero.
        {1, {"0,01", "1000", "0,005", "", "2"}, {500, 500, 1, 0, 0, 0, 0}},
        // Out of range: computed as typology 1.
        {0, {"10", "1000", "3", "", "2"}, {700, 300, 750, 0, 0, 0, 0}},
        {16, {"10", "1000", "3", "", "2"}, {700, 300, 750, 0, 0, 0, 0}},
    };
    for (const Example& e : examples) {
        Sheet sheet = archSheet({e.row});
        CalculateArches(sheet, e.typology);
        EXPECT_FALSE(sheet.isOutOfRange(1)) << "typology " << e.typology;
        EXPECT_EQ(results(sheet, 1), e.expected) << "typology " << e.typology << " f " << e.row.f;
    }
}

TEST(ArchesCalc, FractionsAreHeldInSinglePrecision) {
    // (5/7)·c·f is 1,4999999999999998 in double but 1,50000004 with the single 5/7.
    Sheet t10 = archSheet({{"10", "0,7", "", "", "3"}});
    CalculateArches(t10, 10);
    EXPECT_EQ(t10.result(3, 1), 2.0);
    // (11/14)·7 is 5,5 exactly in double but 5,49999988 with the single 11/14.
    Sheet t15 = archSheet({{"10", "7", "", "", "1"}});
    CalculateArches(t15, 15);
    EXPECT_EQ(t15.result(3, 1), 5.0);
    EXPECT_EQ(t15.result(5, 1), -1.0);
}

struct Skip {
    int typology;
    ArchRow second; // the row that cannot be computed
    const char* why;
    bool outOfRange; // named as out of range, not as a lacking datum
};

TEST(ArchesCalc, ARowThatCannotBeComputedShowsNothingAndLaterRowsAreComputed) {
    const Skip skips[] = {
        {4, {"0,005", "1000", "", "", "2"}, "span below a hundredth", true},
        {4, {"10", "", "", "", "2"}, "empty load", false},
        {4, {"10", "0,009", "", "", "2"}, "load below a hundredth", true},
        {4, {"10", "1000", "", "", ""}, "empty rise", false},
        {4, {"10", "1000", "", "", "0"}, "zero rise", true},
        {2, {"10", "1000", "", "", "2"}, "empty height", false},
        {7, {"10", "1000", "5", "", "2"}, "empty height", false},
        {12, {"10", "1000", "5", "", "2"}, "empty height", false},
        {1, {"10", "1000", "", "", "2"}, "empty distance", false},
        {6, {"10", "1000", "", "", "2"}, "empty distance", false},
        {7, {"10", "1000", "", "2", "2"}, "empty distance", false},
        {11, {"10", "1000", "", "", "2"}, "empty distance", false},
        {12, {"10", "1000", "", "2", "2"}, "empty distance", false},
    };
    const ArchRow full = {"10", "1000", "3", "2", "2"};
    const ArchRow longer = {"16", "1000", "3", "2", "2"};
    for (const Skip& s : skips) {
        const std::string context = std::string(s.why) + ", typology " + std::to_string(s.typology);
        Sheet sheet = archSheet({full, s.second, longer});
        for (int row = 2; row <= 3; ++row)
            sheet.setResult(1, row, 4321.0); // results of an earlier run
        CalculateArches(sheet, s.typology);
        EXPECT_TRUE(sheet.result(7, 1).has_value()) << context;
        for (int column = 1; column <= 7; ++column)
            EXPECT_FALSE(sheet.result(column, 2).has_value()) << context << " col " << column;
        EXPECT_EQ(sheet.isOutOfRange(2), s.outOfRange) << context;
        ASSERT_TRUE(sheet.result(1, 3).has_value()) << context;
        EXPECT_NE(sheet.result(1, 3), 4321.0) << context;
        // The heads and the note follow the last row computed, row 3.
        Sheet alone = archSheet({longer});
        CalculateArches(alone, s.typology);
        for (int column = 1; column <= 7; ++column)
            EXPECT_EQ(sheet.resultHead(column), alone.resultHead(column))
                << context << " " << column;
        EXPECT_EQ(sheet.note("note").text, alone.note("note").text) << context;
        EXPECT_EQ(sheet.note("note").hidden, alone.note("note").hidden) << context;
    }
}

struct Heads {
    int typology;
    const char* ya;
    const char* yb;
    const char* xa;
    const char* xb;
    const char* ma;
    const char* mb;
    const char* mc;
    const char* note; // "" when hidden
};

TEST(ArchesCalc, HeadsAndNoteTellWhichResultsCoincideAndWhichNeedAParabola) {
    const Heads heads[] = {
        {1, "ya", "yb", "x", "xb", "Ma", "Mb", "Mc", "La formula di x è valida per a<=m. 5 (l/2)"},
        {2, "y", "yb", "xa", "xb", "Ma", "Mb", "Mc", ""},
        {3, "ya", "yb", "x", "xb", "Ma", "Mb", "Mc", ""},
        {4, "y", "yb", "x", "xb", "Ma", "Mb", "Mc", ""},
        {5, "y", "yb", "xa", "xb", "Ma", "Mb", "Mc", ""},
        {6, "ya", "yb", "x *", "xb", "Ma", "Mb", "Mc",
         "La formula di Mc è valida per a<=m. 5 (l/2)"},
        {7, "y", "yb", "xa *", "xb", "Ma", "Mb", "Mc",
         "La formula di Mc è valida per a<=m. 5 (l/2)"},
        {8, "ya", "yb", "x *", "xb", "Ma", "Mb", "Mc *", ""},
        {9, "y", "yb", "x *", "xb", "Ma", "Mb", "Mc *", ""},
        {10, "y", "yb", "xa *", "xb *", "Ma", "Mb", "Mc *", ""},
        {11, "ya *", "yb *", "x *", "xb", "Ma *", "Mb *", "Mc *",
         "La formula di Mc è valida per a<=m. 5 (l/2)"},
        {12, "y *", "yb *", "xa *", "xb *", "Ma *", "Mb *", "Mc *",
         "La formula di Mc è valida per a<=m. 5 (l/2)"},
        {13, "ya", "yb", "x *", "xb", "Ma *", "Mb *", "Mc *", ""},
        {14, "y *", "yb", "x *", "xb", "Ma *", "Mb *", "Mc *", ""},
        {15, "ya", "yb", "xa *", "xb *", "Ma *", "Mb *", "Mc *", ""},
    };
    for (const Heads& h : heads) {
        // A first row of typology 11 leaves every head relabelled: each row starts afresh.
        Sheet sheet = archSheet({{"7", "1000", "3", "2", "2"}, {"10", "1000", "3", "2", "2"}});
        CalculateArches(sheet, 11);
        CalculateArches(sheet, h.typology);
        const std::vector<QString> actual = {
            sheet.resultHead(1), sheet.resultHead(2), sheet.resultHead(3), sheet.resultHead(4),
            sheet.resultHead(5), sheet.resultHead(6), sheet.resultHead(7)};
        const std::vector<QString> expected = {h.ya, h.yb, h.xa, h.xb, h.ma, h.mb, h.mc};
        EXPECT_EQ(actual, expected) << "typology " << h.typology;
        EXPECT_EQ(sheet.note("note").hidden, QString(h.note).isEmpty())
            << "typology " << h.typology;
        EXPECT_EQ(sheet.note("note").text, QString(h.note)) << "typology " << h.typology;
    }
}

TEST(ArchesCalc, NoteGivesHalfTheLastSpanWithAPoint) {
    Sheet sheet = archSheet({{"10", "1000", "3", "", "2"}, {"7", "1000", "3", "", "2"}});
    CalculateArches(sheet, 6);
    EXPECT_EQ(sheet.note("note").text, "La formula di Mc è valida per a<=m. 3.5 (l/2)");
}

} // namespace
