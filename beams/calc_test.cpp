#include "beams/calc.h"
#include "beams/params.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

using namespace Beams;

namespace {

struct Row {
    const char* l;
    const char* d2;
    const char* d3 = nullptr; // nullptr: not typed
};

Sheet beamSheet(int typology, const std::vector<Row>& rows) {
    const SheetParams& params = beamsParams();
    Sheet sheet = newSheet(params);
    layOut(params, sheet, typology);
    int r = 0;
    for (const Row& row : rows) {
        ++r;
        sheet.setDatum(Luce, r, row.l ? row.l : "");
        sheet.setDatum(Dato2, r, row.d2 ? row.d2 : "");
        sheet.setDatum(Dato3, r, row.d3 ? row.d3 : "");
    }
    sheet.CountRows();
    return sheet;
}

constexpr double kEmpty = -1e300; // marks an expected empty result

void expectResults(const Sheet& sheet, int row, const std::vector<double>& expected,
                   const std::string& context) {
    for (int column = MomA; column <= TaglioB; ++column) {
        const double want = expected[column - 1];
        const Result& got = sheet.result(column, row);
        if (want == kEmpty) {
            EXPECT_FALSE(got.has_value()) << context << " column " << column;
        } else {
            ASSERT_TRUE(got.has_value()) << context << " column " << column;
            EXPECT_EQ(*got, want) << context << " column " << column;
        }
    }
}

} // namespace

TEST(BeamsCalc, WorkedExamples) {
    struct Case {
        int typology;
        Row row;
        std::vector<double> results; // mom.A, mom.B, mom.c, taglio A, taglio B
        const char* caption;
    };
    const Case cases[] = {
        {5, {"6", "800"}, {0, 0, 3600, 2400, -2400}, "momento max"},
        // The cantilevers have no span moment: mom.c stays empty.
        {1, {"2", "1000"}, {0, -2000, kEmpty, 0, -1000}, "momento max"},
        {4, {"6", "1000", "2"}, {0, 0, 1333, 667, -333}, "momento C"},
        {10, {"6", "1000", "2"}, {0, -889, 1037, 519, -481}, "momento C"},
        {16, {"6", "1000", "2"}, {-889, -444, 593, 741, -259}, "momento C"},
        {9, {"6", "500", "1500"}, {0, 0, 4531, 2500, -3500}, "momento max"},
        {11, {"8", "1000"}, {0, -8000, 4500, 3000, -5000}, "momento max"},
        {17, {"6", "1000"}, {-3000, -3000, 1500, 3000, -3000}, "momento max"},
    };
    for (const Case& c : cases) {
        Sheet sheet = beamSheet(c.typology, {c.row});
        const CalcOutcome outcome = CalculateBeams(sheet, c.typology);
        const std::string context = "typology " + std::to_string(c.typology);
        EXPECT_TRUE(outcome.refusal.isEmpty()) << context;
        expectResults(sheet, 1, c.results, context);
        EXPECT_EQ(sheet.resultHead(3), c.caption) << context;
    }
}

TEST(BeamsCalc, CantileverShowsNoSpanMomentOfAnotherTypology) {
    Sheet sheet = beamSheet(2, {{"2", "1000"}});
    sheet.setResult(MomC, 1, 77.0); // left by a simply supported beam
    CalculateBeams(sheet, 2);
    EXPECT_FALSE(sheet.result(MomC, 1).has_value());
    EXPECT_EQ(sheet.result(MomB, 1), -2000.0);
}

TEST(BeamsCalc, HalvesRoundUpAndShearAtBIsRoundedThenNegated) {
    struct Case {
        int typology;
        Row row;
        std::vector<double> results;
    };
    const Case cases[] = {
        // Ta = Tb = 1333.5: 1334 at A, -1334 at B (rounded first, then negated).
        {5, {"1", "2667"}, {0, 0, 333, 1334, -1334}},
        // Mb = -2.5 rounds to -2; Tb = 5.
        {2, {"1", "5"}, {0, -2, kEmpty, 0, -5}},
        // Ta = Tb = 2.5: stored 3 and -3; Mc = 0.625.
        {5, {"1", "5"}, {0, 0, 1, 3, -3}},
        // Tb = 2.5 at the free end's load: -3, Mb = -2.5 → -2.
        {1, {"1", "2,5"}, {0, -2, kEmpty, 0, -3}},
    };
    for (const Case& c : cases) {
        Sheet sheet = beamSheet(c.typology, {c.row});
        CalculateBeams(sheet, c.typology);
        expectResults(sheet, 1, c.results, "typology " + std::to_string(c.typology));
    }
}

TEST(BeamsCalc, ARowLackingADatumShowsNothingAndLaterRowsAreComputed) {
    struct Case {
        int typology;
        Row second; // row 2 lacks a datum the typology needs
    };
    const Case cases[] = {
        {5, {"6", nullptr}},
        {4, {"6", "1000", nullptr}},
        {9, {"6", "500", nullptr}},
        {18, {"6", "1000", nullptr}},
    };
    for (const Case& c : cases) {
        const std::string context = "typology " + std::to_string(c.typology);
        Sheet sheet =
            beamSheet(c.typology, {{"6", "800", "2"}, {"6", "800", "2"}, {"5", "700", "1"}});
        CalculateBeams(sheet, c.typology);
        const Result oldThird = sheet.result(TaglioA, 3);
        ASSERT_TRUE(oldThird.has_value());
        sheet.setDatum(Luce, 1, "4");
        sheet.setDatum(Luce, 2, c.second.l);
        sheet.setDatum(Dato2, 2, c.second.d2 ? c.second.d2 : "");
        sheet.setDatum(Dato3, 2, c.second.d3 ? c.second.d3 : "");
        sheet.setDatum(Luce, 3, "9");
        const Result oldFirst = sheet.result(TaglioA, 1);
        const CalcOutcome outcome = CalculateBeams(sheet, c.typology);
        EXPECT_TRUE(outcome.refusal.isEmpty()) << context;
        EXPECT_NE(sheet.result(TaglioA, 1), oldFirst) << context; // row 1 recomputed
        for (int column = MomA; column <= TaglioB; ++column)
            EXPECT_FALSE(sheet.result(column, 2).has_value()) << context << " col " << column;
        EXPECT_FALSE(sheet.isOutOfRange(2)) << context; // the hint names the datum
        ASSERT_TRUE(sheet.result(TaglioA, 3).has_value()) << context;
        EXPECT_NE(sheet.result(TaglioA, 3), oldThird) << context; // span 9, not 5
    }
}

TEST(BeamsCalc, UniformTrapezoidIsRefusedAtItsRow) {
    struct Case {
        int typology;
        Row uniform;
        const char* message;
    };
    const Case cases[] = {
        {9,
         {"5", "700", "700"},
         "Il carico non può essere uniforme, altrimenti usare la tipologia 5."},
        {15,
         {"5", "700", "700"},
         // the uniform load on these supports is typology 11 (17 is clamped at both ends)
         "Il carico non può essere uniforme, altrimenti usare la tipologia 11."},
        // Read as numbers: 700 and 700,0 are the same load.
        {9,
         {"5", "700", "700,0"},
         "Il carico non può essere uniforme, altrimenti usare la tipologia 5."},
    };
    for (const Case& c : cases) {
        const std::string context = "typology " + std::to_string(c.typology);
        Sheet sheet = beamSheet(c.typology, {{"6", "500", "1500"}, c.uniform, {"6", "500", "900"}});
        const CalcOutcome outcome = CalculateBeams(sheet, c.typology);
        EXPECT_EQ(outcome.refusal, c.message) << context;
        EXPECT_TRUE(sheet.result(TaglioA, 1).has_value()) << context;
        EXPECT_FALSE(sheet.result(TaglioA, 2).has_value()) << context;
        EXPECT_TRUE(sheet.result(TaglioA, 3).has_value()) << context;
        // The refused datum goes: what the grid shows and what is saved agree.
        EXPECT_EQ(sheet.datum(Dato3, 2), "") << context;
    }
}

TEST(BeamsCalc, ZeroDivisorLeavesTheRowEmptyAndGoesOn) {
    struct Case {
        int typology;
        Row degenerate;
    };
    const Case cases[] = {
        {5, {"0", "800"}},        {1, {"0", "800"}},      {4, {"0", "1000", "2"}},
        {16, {"0", "1000", "2"}}, {6, {"6", "0", "2"}},   {12, {"6", "0", "2"}},
        {18, {"6", "0", "2"}},    {9, {"6", "0", "800"}}, {15, {"6", "0", "800"}},
        {15, {"6", "800", "0"}},  {13, {"0", "800"}},     {10, {"0", "1000", "3"}},
    };
    for (const Case& c : cases) {
        const std::string context = "typology " + std::to_string(c.typology);
        // Rows 3 and 4 keep row 2 inside 1..n even when its span is 0.
        const Row good = {"6", "500", "2"};
        Sheet sheet = beamSheet(c.typology, {good, c.degenerate, good, good});
        if (c.typology == 9 || c.typology == 15) {
            for (int row : {1, 3, 4})
                sheet.setDatum(Dato3, row, "900");
        }
        for (int column = MomA; column <= TaglioB; ++column)
            sheet.setResult(column, 2, 1.0); // stale results of the row
        ASSERT_GE(sheet.n(), 3) << context;
        const CalcOutcome outcome = CalculateBeams(sheet, c.typology);
        EXPECT_TRUE(outcome.refusal.isEmpty()) << context;
        for (int column = MomA; column <= TaglioB; ++column)
            EXPECT_FALSE(sheet.result(column, 2).has_value()) << context << " col " << column;
        // A span of 0 is a first datum not above 0: the hint asks for it instead.
        EXPECT_EQ(sheet.isOutOfRange(2), QString(c.degenerate.l) != "0") << context;
        for (int row : {1, 3}) {
            for (int column = MomA; column <= TaglioB; ++column) {
                if (column == MomC && c.typology <= 3)
                    continue;
                const Result& value = sheet.result(column, row);
                ASSERT_TRUE(value.has_value()) << context << " row " << row;
                EXPECT_TRUE(std::isfinite(*value)) << context << " row " << row;
            }
        }
    }
}

TEST(BeamsCalc, OutOfRangeTypologyIsComputedAsTheFirst) {
    Sheet sheet = beamSheet(1, {{"2", "1000"}});
    CalculateBeams(sheet, 42);
    expectResults(sheet, 1, {0, -2000, kEmpty, 0, -1000}, "typology 42");
}

namespace {

// An independent model of each typology: its supports and its load, integrated
// numerically to give the internal moment M(x) = Ma + Ta·x − (moment of the load
// left of x), from which equilibrium and compatibility are checked.
enum class Supports { Cantilever, Simple, Propped, Fixed };

Supports supportsOf(int typology) {
    if (typology <= 3)
        return Supports::Cantilever;
    if (typology <= 9)
        return Supports::Simple;
    if (typology <= 15)
        return Supports::Propped;
    return Supports::Fixed;
}

struct LoadModel {
    double pointLoad = 0, pointAt = 0;
    std::function<double(double)> intensity = [](double) { return 0.0; };
};

LoadModel loadOf(int typology, double l, double d2, double d3) {
    LoadModel m;
    switch (typology) {
    case 1:
        m.pointLoad = d2;
        m.pointAt = 0;
        break;
    case 4:
    case 10:
    case 16:
        m.pointLoad = d2;
        m.pointAt = d3;
        break;
    case 2:
    case 5:
    case 11:
    case 17:
        m.intensity = [d2](double) { return d2; };
        break;
    case 3:
    case 7:
    case 13:
    case 19:
        m.intensity = [d2, l](double x) { return d2 * x / l; };
        break;
    case 6:
    case 12:
    case 18:
        m.intensity = [d2, d3](double x) { return x < d3 ? d2 : 0.0; };
        break;
    case 8:
    case 14:
    case 20:
        m.intensity = [d2, l](double x) {
            return x <= l / 2 ? 2 * d2 * x / l : 2 * d2 * (l - x) / l;
        };
        break;
    case 9:
    case 15:
        m.intensity = [d2, d3, l](double x) { return d2 + (d3 - d2) * x / l; };
        break;
    }
    return m;
}

struct Statics {
    double total = 0;               // total load
    std::vector<double> x;          // grid
    std::vector<double> loadMoment; // moment about x of the load left of x
};

Statics integrate(const LoadModel& m, double l, int steps) {
    Statics s;
    s.x.resize(steps + 1);
    s.loadMoment.resize(steps + 1);
    const double h = l / steps;
    // Midpoint rule for the load: exact for linear pieces that change at grid points.
    double shear = 0, moment = 0, previousShear = 0;
    for (int i = 0; i <= steps; ++i) {
        const double x = i * h;
        if (i > 0) {
            shear += m.intensity(x - h / 2) * h;
            moment += (previousShear + shear) / 2 * h;
            previousShear = shear;
        }
        s.x[i] = x;
        s.loadMoment[i] = moment + (x > m.pointAt ? m.pointLoad * (x - m.pointAt) : 0.0);
    }
    s.total = shear + m.pointLoad;
    return s;
}

} // namespace

TEST(BeamsCalc, EveryTypologySatisfiesEquilibriumAndItsSupports) {
    struct Case {
        int typology;
        Row row;
    };
    std::vector<Case> cases;
    for (int t = 1; t <= 20; ++t) {
        if (t == 9 || t == 15) {
            cases.push_back({t, {"10", "800", "2000"}});
            cases.push_back({t, {"10", "2000", "800"}});
        } else if (UsesDato3(t)) {
            cases.push_back({t, {"10", "5000", "3,5"}});
            cases.push_back({t, {"10", "5000", "7,25"}});
        } else {
            cases.push_back({t, {"10", "5000"}});
        }
    }
    constexpr int kSteps = 40000;
    for (const Case& c : cases) {
        const std::string context =
            "typology " + std::to_string(c.typology) + " dato 3 " + (c.row.d3 ? c.row.d3 : "-");
        Sheet sheet = beamSheet(c.typology, {c.row});
        CalculateBeams(sheet, c.typology);
        const double l = sheet.number(Luce, 1);
        const double ma = *sheet.result(MomA, 1);
        const double mb = *sheet.result(MomB, 1);
        const double ta = *sheet.result(TaglioA, 1);
        const double tbStored = *sheet.result(TaglioB, 1);
        const Statics s = integrate(
            loadOf(c.typology, l, sheet.number(Dato2, 1), sheet.number(Dato3, 1)), l, kSteps);

        // Vertical equilibrium: both shears are rounded.
        EXPECT_NEAR(ta - tbStored, s.total, 1.0 + 1e-6 * s.total) << context;

        // Moment about B: Mb = Ma + Ta·L − (moment of the whole load about B).
        const double roundingAt = 0.5 + 0.5 * l + 0.5; // Ma, Ta·L and Mb
        EXPECT_NEAR(ma + ta * l - s.loadMoment.back(), mb, roundingAt + 1e-6 * std::abs(mb))
            << context;

        std::vector<double> m(s.x.size());
        for (size_t i = 0; i < m.size(); ++i)
            m[i] = ma + ta * s.x[i] - s.loadMoment[i];

        if (c.typology > 3) {
            const double peak = *std::max_element(m.begin(), m.end());
            EXPECT_NEAR(*sheet.result(MomC, 1), peak, 0.5 + 0.5 + 0.5 * l + 1e-5 * peak) << context;
        }

        // Compatibility of a clamped B: no deflection of A from the tangent at B
        // (∫M·x dx = 0); with both ends clamped also no relative rotation (∫M dx = 0).
        const double h = l / kSteps;
        double area = 0, firstMoment = 0, scale = 0;
        for (size_t i = 0; i < m.size(); ++i) {
            const double weight = (i == 0 || i + 1 == m.size()) ? h / 2 : h;
            area += m[i] * weight;
            firstMoment += m[i] * s.x[i] * weight;
            scale += std::abs(m[i]) * s.x[i] * weight;
        }
        const double roundingArea = 0.5 * l + 0.25 * l * l;        // ∫(0.5 + 0.5x) dx
        const double roundingFirst = 0.25 * l * l + l * l * l / 6; // ∫(0.5 + 0.5x)x dx
        const Supports supports = supportsOf(c.typology);
        if (supports == Supports::Propped || supports == Supports::Fixed) {
            EXPECT_NEAR(firstMoment, 0, roundingFirst + 1e-5 * scale) << context;
        }
        if (supports == Supports::Fixed) {
            EXPECT_NEAR(area, 0, roundingArea + 1e-5 * scale / l) << context;
        }
        if (supports == Supports::Simple) {
            EXPECT_EQ(ma, 0) << context;
            EXPECT_EQ(mb, 0) << context;
        }
        if (supports == Supports::Cantilever) {
            EXPECT_EQ(ma, 0) << context;
            EXPECT_EQ(ta, 0) << context;
        }
    }
}

TEST(BeamsHover, PositionOfTheLargestSpanMoment) {
    struct Case {
        int typology;
        Row row;
        int hoveredRow;
        const char* caption; // nullptr: hidden
    };
    const Case cases[] = {
        {5, {"6", "800"}, 3, nullptr},
        {1, {"6", "800"}, 1, nullptr},
        {4, {"6", "800", "2"}, 1, nullptr},
        {10, {"6", "800", "2"}, 1, nullptr},
        {16, {"6", "800", "2"}, 1, nullptr},
        {17, {"6", "800"}, 1, nullptr},
        {11, {"8", "1000"}, 3, "Trave n. 3: momento max per x = m. 3"},
        {7, {"6", "1000"}, 3, "Trave n. 3: momento max per x = m. 3.46"},
        {9, {"6", "500", "1500"}, 3, "Trave n. 3: momento max per x = m. 3.24"},
        // Held in single precision, 1.3749999999999996 becomes 1.375 and rounds up.
        {9, {"3", "3550", "1150"}, 2, "Trave n. 2: momento max per x = m. 1.38"},
        {15, {"6", "500", "1500"}, 3, "Trave n. 3: momento max per x = m. 2.45"},
        {6, {"6", "1000", "2"}, 3, "Trave n. 3: momento max per x = m. 1.67"},
        {12, {"6", "1000", "2"}, 3, "Trave n. 3: momento max per x = m. 1.51"},
        {18, {"6", "1000", "2,5"}, 3, "Trave n. 3: momento max per x = m. 2.16"},
        {13, {"6", "1000"}, 3, "Trave n. 3: momento max per x = m. 2.68"},
        {14, {"6", "1000"}, 3, "Trave n. 3: momento max per x = m. 2.49"},
        {19, {"6", "1000"}, 3, "Trave n. 3: momento max per x = m. 3.29"},
    };
    for (const Case& c : cases) {
        const std::string context = "typology " + std::to_string(c.typology);
        Sheet sheet = beamSheet(c.typology, {c.row, c.row, c.row});
        CalculateBeams(sheet, c.typology);
        bool visible = true;
        const QString caption = BeamHoverCaption(sheet, c.typology, c.hoveredRow, &visible);
        EXPECT_EQ(visible, c.caption != nullptr) << context;
        if (c.caption) {
            EXPECT_EQ(caption, c.caption) << context;
        } else {
            EXPECT_FALSE(BeamMaxMomentX(sheet, c.typology, c.hoveredRow).has_value()) << context;
        }
    }
}

TEST(BeamsHover, MissingValueLeavesTheCaptionWithoutNumber) {
    const QString bare = "Trave n. 2: momento max per x = m.";
    struct Case {
        int typology;
        Row row; // row 2 as typed; its results are not computed
    };
    const Case cases[] = {
        {6, {"6", "1000", "2"}},  // Ta missing
        {6, {"6", nullptr, "2"}}, // p missing
        {12, {"6", "1000", "2"}}, // Ta missing
        {18, {"6", "1000", "2"}},       {13, {nullptr, "1000"}}, {9, {"6", "500", nullptr}},
        {15, {nullptr, "500", "1500"}}, {12, {"6", "0", "2"}}, // p = 0: no finite position
    };
    for (const Case& c : cases) {
        const std::string context = "typology " + std::to_string(c.typology);
        Sheet sheet = beamSheet(c.typology, {{"6", "1000", "2"}, c.row});
        if (c.typology == 12 && QString(c.row.d2) == "0")
            sheet.setResult(TaglioA, 2, 500.0);
        bool visible = false;
        EXPECT_EQ(BeamHoverCaption(sheet, c.typology, 2, &visible), bare) << context;
        EXPECT_TRUE(visible) << context;
    }
}
