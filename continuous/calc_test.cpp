#include "continuous/calc.h"
#include "continuous/params.h"
#include "sheet/archive.h"
#include "sheet/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Continuous;

namespace {

Sheet continuousSheet(const std::vector<std::pair<const char*, const char*>>& rows) {
    Sheet sheet = newSheet(continuousParams());
    int r = 0;
    for (const auto& [l, q] : rows) {
        ++r;
        sheet.setDatum(Luce, r, l ? l : "");
        sheet.setDatum(Carico, r, q ? q : "");
    }
    sheet.CountRows();
    return sheet;
}

constexpr double kNone = 1e300; // a result the grid leaves empty

std::vector<double> resultsOf(const Sheet& sheet, int row) {
    std::vector<double> values;
    for (int column = MomAB; column <= Re; ++column) {
        const Result& value = sheet.result(column, row);
        values.push_back(value ? *value : kNone);
    }
    return values;
}

} // namespace

TEST(ContinuousCalc, WorkedExamples) {
    struct Case {
        int typology;
        const char* l;
        const char* q;
        // A-B, mom.B, B-C, mom.C, C-D, mom.D, D-E, Ra, Rb, Rc, Rd, Re
        std::vector<double> results;
    };
    constexpr double N = kNone;
    const Case cases[] = {
        // Two spans: B-C mirrors A-B; nothing of supports C (as inner), D and E.
        {1, "5", "1000", {1748, -3125, 1748, N, N, N, N, 1875, 6250, 1875, N, N}},
        // Three spans: C-D mirrors A-B.
        {3, "4", "1000", {1280, -1600, 400, -1600, 1280, N, N, 1600, 4400, 4400, 1600, N}},
        // Unloaded end spans keep 0, their true largest sagging moment.
        {5, "6", "1000", {0, -1800, 2707, -1800, 0, N, N, -300, 3300, 3300, -300, N}},
        // Four spans: C-D mirrors B-C and D-E mirrors A-B.
        {7,
         "5,5",
         "1200",
         {2792, -3887, 1320, -2574, 1320, -3887, 2792, 2594, 7544, 6131, 7544, 2594}},
        {8, "4", "1000", {0, -576, 899, -1711, 899, -576, 0, -144, 1860, 4572, 1860, -144}},
        // Rc = -0.063·ql rounds half up: -0.063 → 0 and -0.63 → -1.
        {2, "1", "1", {0, 0, 0, N, N, N, N, 0, 1, 0, N, N}},
        {2, "10", "1", {10, -6, 0, N, N, N, N, 4, 6, -1, N, N}},
        // mom.B = -40/16 = -2,5 rounds up to -2; Rb = 12,5 to 13.
        {2, "2", "10", {4, -2, 0, N, N, N, N, 9, 13, -1, N, N}},
        // The unloaded middle span of typology 4 carries the support moment.
        {4, "4", "1000", {1616, -800, -800, -800, 1616, N, N, 1800, 2200, 2200, 1800, N}},
        // Out of range: computed as typology 1.
        {0, "5", "1000", {1748, -3125, 1748, N, N, N, N, 1875, 6250, 1875, N, N}},
    };
    for (const Case& c : cases) {
        Sheet sheet = continuousSheet({{c.l, c.q}});
        CalculateContinuous(sheet, c.typology);
        EXPECT_EQ(resultsOf(sheet, 1), c.results) << "typology " << c.typology << " l " << c.l;
    }
}

TEST(ContinuousCalc, AnEmptyLoadLeavesItsRowEmptyAndLaterRowsAreComputed) {
    Sheet sheet = continuousSheet({{"5", "1000"}, {"4", "1000"}, {"3", "1000"}});
    CalculateContinuous(sheet, 1);
    sheet.setDatum(Carico, 1, "2000");
    sheet.setDatum(Carico, 2, "");
    sheet.setDatum(Carico, 3, "3000");
    CalculateContinuous(sheet, 1);
    EXPECT_EQ(sheet.result(MomB, 1), -6250.0);
    for (int column = MomAB; column <= Re; ++column)
        EXPECT_FALSE(sheet.result(column, 2).has_value()) << column;
    EXPECT_EQ(sheet.result(MomB, 3), -3375.0); // 3000·9/8
}

TEST(ContinuousCalc, LoadWithoutSpanLeavesTheRowEmpty) {
    // Row 2 lost its span while rows 3 and 4 keep it inside 1..n.
    Sheet sheet = continuousSheet({{"5", "1000"}, {"5", "1000"}, {"4", "800"}, {"3", "500"}});
    CalculateContinuous(sheet, 3);
    sheet.setDatum(Luce, 2, "");
    ASSERT_EQ(sheet.CountRows(), 4);
    CalculateContinuous(sheet, 3);
    for (int column = MomAB; column <= Re; ++column)
        EXPECT_FALSE(sheet.result(column, 2).has_value()) << column;
    EXPECT_EQ(sheet.result(MomB, 3), -1280.0); // 800·16/10
    EXPECT_TRUE(sheet.result(Ra, 4).has_value());
}

TEST(ContinuousCalc, ReactionsCarryTheLoadAndEndSpansBalance) {
    // Loaded spans of each typology, by index A-B = 0 .. D-E = 3.
    const std::vector<std::vector<int>> loaded = {
        {0, 1}, {0}, {0, 1, 2}, {0, 2}, {1}, {0, 1}, {0, 1, 2, 3}, {1, 2}, {0, 1, 3}, {0, 2},
    };
    const double l = 7.5, q = 2400;
    const double ql = q * l, ql2 = q * l * l;
    for (int t = 1; t <= 10; ++t) {
        Sheet sheet = continuousSheet({{"7,5", "2400"}});
        CalculateContinuous(sheet, t);
        const std::vector<double> r = resultsOf(sheet, 1);
        const double total = ql * double(loaded[t - 1].size());
        double sum = 0;
        for (int column = Ra; column <= Re; ++column)
            sum += r[column - 1] == kNone ? 0.0 : r[column - 1];
        // The tabulated reactions are given to three decimals.
        EXPECT_NEAR(sum, total, 0.0015 * ql + 2.5) << "typology " << t;

        // Span A-B about B: mom.B = Ra·l − (load of A-B)·l/2, within the table's precision.
        const bool abLoaded = loaded[t - 1].front() == 0;
        const double expectedB = r[Ra - 1] * l - (abLoaded ? ql2 / 2 : 0);
        EXPECT_NEAR(r[MomB - 1], expectedB, 0.01 * ql2) << "typology " << t;

        // A support moment is hogging, a loaded span moment sagging.
        EXPECT_LT(r[MomB - 1], 0) << "typology " << t;
        if (abLoaded) {
            EXPECT_GT(r[MomAB - 1], 0) << "typology " << t;
        } else {
            EXPECT_EQ(r[MomAB - 1], 0) << "typology " << t;
        }
    }
}

TEST(ContinuousHover, DistanceOfTheLargestSpanMoment) {
    struct Case {
        int typology;
        const char* l;
        int span;
        DistanceKind kind;
        const char* caption;
    };
    const Case cases[] = {
        {1, "5", SpanAB, DistanceKind::Show,
         "Il momento massimo in A-B è alla distanza di m. 1.88 da A."},
        {3, "4", SpanAB, DistanceKind::Show,
         "Il momento massimo in A-B è alla distanza di m. 1.6 da A."},
        {3, "4", SpanBC, DistanceKind::Show,
         "Il momento massimo in B-C è alla distanza di m. 2 da B."},
        {7, "5,5", SpanBC, DistanceKind::Show,
         "Il momento massimo in B-C è alla distanza di m. 2.95 da B."},
        {10, "5", SpanCD, DistanceKind::Show,
         "Il momento massimo in C-D è alla distanza di m. 2.41 da C."},
        {9, "5", SpanDE, DistanceKind::Show,
         "Il momento massimo in D-E è alla distanza di m. 2.21 da E."},
        {1, "5", SpanBC, DistanceKind::Hide, ""},
        {2, "5", SpanBC, DistanceKind::Hide, ""},
        {4, "5", SpanBC, DistanceKind::Hide, ""},
        {10, "5", SpanBC, DistanceKind::Hide, ""},
        {5, "5", SpanAB, DistanceKind::Hide, ""},
        {8, "5", SpanAB, DistanceKind::Hide, ""},
        {3, "5", SpanCD, DistanceKind::NoChange, ""},
        {9, "5", SpanCD, DistanceKind::NoChange, ""},
        {10, "5", SpanDE, DistanceKind::NoChange, ""},
        {7, "5", SpanDE, DistanceKind::NoChange, ""},
        {1, nullptr, SpanAB, DistanceKind::Hide, ""}, // no span: no results to point at
        {42, "5", SpanAB, DistanceKind::Show,
         "Il momento massimo in A-B è alla distanza di m. 1.88 da A."},
        {42, "5", SpanBC, DistanceKind::Hide, ""},
    };
    for (const Case& c : cases) {
        Sheet sheet = continuousSheet({{"3", "100"}, {c.l, "1000"}});
        CalculateContinuous(sheet, c.typology);
        const DistanceDisplay shown = ContinuousDistance(sheet, c.typology, c.span, 2);
        EXPECT_EQ(shown.kind, c.kind) << "typology " << c.typology << " span " << c.span;
        if (c.kind == DistanceKind::Show) {
            EXPECT_EQ(shown.caption, c.caption) << "typology " << c.typology;
        }
    }
}

TEST(ContinuousParams, ArchiveHoldsSpanAndLoadOfEachBeam) {
    const SheetParams& params = continuousParams();
    Sheet sheet = continuousSheet({{"4", "1000"}, {"4,5", "1200"}});
    EXPECT_EQ(FormatArchive(params, sheet, 3),
              QByteArray("3,2\r\n\"4\",\"1000\"\r\n\"4,5\",\"1200\"\r\n"));
    for (int t = 1; t <= 10; ++t)
        EXPECT_EQ(params.archive.records(t), (std::vector<std::vector<int>>{{1, 2}})) << t;

    QStringList head{params.computeItem};
    for (const DataColumn& column : params.data)
        head << column.computeHead;
    for (const ResultColumn& column : params.results)
        head << column.computeHead;
    EXPECT_EQ(head.join(';'), "trave;luce;carico;A-B;mom.B;B-C;mom.C;C-D;mom.D;D-E;Ra;Rb;Rc;Rd;Re");
    const Sheet fresh = newSheet(params);
    EXPECT_TRUE(fresh.note("distanza").hidden);
}

TEST(ContinuousReport, NumbersLineUpOnTheirDecimalColumns) {
    const SheetParams& params = continuousParams();
    Sheet sheet = continuousSheet({{"5", "1000"}, {"12,25", "850,5"}});
    CalculateContinuous(sheet, 1);
    TextReport report;
    ASSERT_TRUE(ComposeReport(params, sheet, "2 campate + 2 ripartito", QString(), report));
    const QStringList& page = report.pages().front();
    const int head = int(page.indexOf(
        "     trave luce   carico    A-B     mom.B   B-C     mom.C   C-D     mom.D   D-E     "
        "Ra     Rb     Rc     Rd     Re"));
    ASSERT_GE(head, 0) << report.text().toStdString();
    EXPECT_EQ(page[head + 1], "       n    m       kg/m    kgm     kgm     kgm     kgm     kgm   "
                              "  kgm     kgm     kg     kg     kg     kg     kg");
    EXPECT_TRUE(page.contains("     mom.B   = momento nell'appoggio B"));
    // Row 1: the last integer digit of each value falls on its column; the spans and
    // supports a two-span beam does not have print "-".
    EXPECT_EQ(page[head + 3], "       1    5       1000    1748   -3125    1748       -       -"
                              "       -       -   1875   6250   1875      -      -");
    // Row 2: the decimal commas of the data sit on columns 14 and 25.
    const QString row2 = page[head + 4];
    EXPECT_EQ(row2.indexOf("12,25") + 1 + 2, 14) << row2.toStdString();
    EXPECT_EQ(row2.indexOf("850,5") + 1 + 3, 25) << row2.toStdString();
}
