#include "continuous/diagram.h"

#include "continuous/calc.h"
#include "continuous/exact.h"
#include "continuous/params.h"
#include "sheet/numbers.h"
#include "sheet/report.h"
#include "tests/diagramchecks.h"
#include "tests/sheets.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace Continuous;
using ModPonteluma::RoundHalfUp;

namespace {

const CalcSettings kTabulated{Tabulated};
const CalcSettings kExact{Exact};

} // namespace

// The exact solution against the closed forms of every pattern: span moments in q·l²
// (the largest of a loaded span, the midspan one of an unloaded span), support moments
// in q·l², reactions in q·l.
TEST(ContinuousExact, ClosedFormsOfEveryPattern) {
    constexpr double N = 0; // a span or support the beam does not have
    // A-B, mom.B, B-C, mom.C, C-D, mom.D, D-E, Ra, Rb, Rc, Rd, Re
    const double closed[10][12] = {
        {9. / 128, -1. / 8, 9. / 128, N, N, N, N, 3. / 8, 5. / 4, 3. / 8, N, N},
        {49. / 512, -1. / 16, -1. / 32, N, N, N, N, 7. / 16, 5. / 8, -1. / 16, N, N},
        {2. / 25, -1. / 10, 1. / 40, -1. / 10, 2. / 25, N, N, 2. / 5, 11. / 10, 11. / 10, 2. / 5,
         N},
        {81. / 800, -1. / 20, -1. / 20, -1. / 20, 81. / 800, N, N, 9. / 20, 11. / 20, 11. / 20,
         9. / 20, N},
        {-1. / 40, -1. / 20, 3. / 40, -1. / 20, -1. / 40, N, N, -1. / 20, 11. / 20, 11. / 20,
         -1. / 20, N},
        {529. / 7200, -7. / 60, 77. / 1440, -1. / 30, -1. / 60, N, N, 23. / 60, 6. / 5, 9. / 20,
         -1. / 30, N},
        {121. / 1568, -3. / 28, 57. / 1568, -1. / 14, 57. / 1568, -3. / 28, 121. / 1568, 11. / 28,
         8. / 7, 13. / 14, 8. / 7, 11. / 28},
        {-1. / 56, -1. / 28, 11. / 196, -3. / 28, 11. / 196, -1. / 28, -1. / 56, -1. / 28, 13. / 28,
         8. / 7, 13. / 28, -1. / 28},
        {7225. / 100352, -27. / 224, 6129. / 100352, -1. / 56, -17. / 448, -13. / 224,
         9801. / 100352, 85. / 224, 137. / 112, 5. / 14, 67. / 112, 99. / 224},
        {625. / 6272, -3. / 56, -5. / 112, -1. / 28, 505. / 6272, -3. / 56, -3. / 112, 25. / 56,
         4. / 7, 13. / 28, 4. / 7, -3. / 56},
    };
    for (const auto& [q, l] : {std::pair(1000.0, 5.0), std::pair(1200.0, 5.5)}) {
        for (int t = 1; t <= 10; ++t) {
            const ExactSolution s = SolveExact(t, q, l);
            const std::array<double, 12> values = ExactResults(s);
            double load = 0;
            for (int i = 0; i < s.spans; ++i)
                load += s.load[i] * l;
            double reactions = 0;
            for (int c = 0; c < 12; ++c) {
                const double unit = c >= Ra - 1 ? q * l : q * (l * l);
                EXPECT_NEAR(values[size_t(c)], closed[t - 1][c] * unit, 1e-9 * unit)
                    << "typology " << t << " column " << c + 1 << " l " << l;
                reactions += c >= Ra - 1 ? values[size_t(c)] : 0;
            }
            EXPECT_NEAR(reactions, load, 1e-9 * load) << "typology " << t;
        }
    }
    // Where the largest moments lie: 3/8 l from A on two loaded spans, l/2 in the loaded
    // middle span of three, 99/224 l from E in typology 9's D-E.
    EXPECT_NEAR(SolveExact(1, 1000, 5).spanMomentX[0], 1.875, 1e-12);
    EXPECT_NEAR(SolveExact(5, 1000, 6).spanMomentX[1], 3, 1e-12);
    EXPECT_NEAR(6 - SolveExact(9, 1000, 6).spanMomentX[3], 6 * 99. / 224, 1e-12);
}

// Under the exact method the grid, the diagram, the hover and the report show the same
// numbers, for every typology: no 0 in the grid where the diagram draws a moment.
TEST(ContinuousExact, GridEqualsDiagramAndReport) {
    const SheetParams& params = continuousParams();
    const std::vector<std::vector<const char*>> rows = {{"5", "1000"}, {"6,38", "1234,5"}};
    for (int t = 1; t <= 10; ++t) {
        const Sheet sheet = ComputedSheet(params, t, rows, kExact);
        TextReport report;
        ASSERT_TRUE(ComposeReport(params, sheet, params.typologies[t - 1],
                                  MethodName(params, kExact), report));
        const QStringList page = report.pages().front();
        EXPECT_TRUE(page.contains("         Metodo di calcolo: soluzione esatta"))
            << report.text().toStdString();
        for (int row = 1; row <= 2; ++row) {
            const std::string context =
                "typology " + std::to_string(t) + " row " + std::to_string(row);
            const std::optional<BeamDiagram> d = ContinuousBeamDiagram(sheet, t, row, kExact);
            ASSERT_TRUE(d) << context;
            ExpectDiagramCloses(*d, context);
            const double l = sheet.number(Luce, row);
            const int spans = ContinuousSpans(t);
            // Support moments and reactions.
            for (int j = 0; j <= spans; ++j) {
                if (j > 0 && j < spans) {
                    EXPECT_EQ(sheet.result(MomB + 2 * (j - 1), row),
                              RoundHalfUp(MomentAt(*d, j * l)))
                        << context << " support " << j;
                }
                EXPECT_EQ(sheet.result(Ra + j, row), RoundHalfUp(d->supports[size_t(j)].reaction))
                    << context << " support " << j;
            }
            // Span moments: the peak the diagram marks for a loaded span, the moment at
            // midspan of an unloaded one; the hover tells where the peak is.
            for (int i = 0; i < spans; ++i) {
                const int column = MomAB + 2 * i;
                const Result& shown = sheet.result(column, row);
                ASSERT_TRUE(shown) << context << " span " << i;
                const DistanceDisplay hover = ContinuousDistance(sheet, t, i, row, kExact);
                if (SpanLoaded(t, i)) {
                    const QString name = QString(QChar('A' + i)) + '-' + QChar('B' + i);
                    const SpanPeak* peak = nullptr;
                    for (const SpanPeak& p : d->peaks)
                        peak = p.span == name ? &p : peak;
                    ASSERT_TRUE(peak) << context << " span " << i;
                    EXPECT_EQ(*shown, RoundHalfUp(peak->m)) << context << " span " << i;
                    EXPECT_NEAR(peak->m, MomentAt(*d, peak->x), 1e-6) << context;
                    const double from = i == 3 ? (i + 1) * l - peak->x : peak->x - i * l;
                    EXPECT_EQ(hover.kind, DistanceKind::Show) << context << " span " << i;
                    EXPECT_TRUE(hover.caption.contains(
                        "di m." + ModPonteluma::Str(std::floor(from * 100 + 0.5) / 100) + " da"))
                        << context << " " << hover.caption.toStdString();
                } else {
                    EXPECT_EQ(*shown, RoundHalfUp(MomentAt(*d, (i + 0.5) * l))) << context;
                    EXPECT_NE(*shown, 0) << context << " span " << i;
                    EXPECT_EQ(hover.kind, DistanceKind::Hide) << context << " span " << i;
                }
            }
            // The report prints the row as the grid shows it.
            QStringList printed;
            for (int column = MomAB; column <= Re; ++column) {
                const Result& value = sheet.result(column, row);
                printed << (value ? QString::number(*value, 'f', 0) : QString("-"));
            }
            const QString line = page.value(
                int(page.indexOf(QRegularExpression("^ +" + QString::number(row) + " .*"))));
            EXPECT_EQ(line.split(' ', Qt::SkipEmptyParts).mid(3), printed)
                << context << " " << line.toStdString();
            // The check reads the grid as exact.
            EXPECT_EQ(StaticsSummary(d->check),
                      "controllo di equilibrio, soluzione esatta: scarto 0,0 %")
                << context;
            EXPECT_EQ(ToneOf(d->check), CheckTone::Agrees) << context;
        }
    }
}

// Under the tabulated coefficients the check names the grid's number that differs most
// from theory, with its sign, and warns when a value lies on the unsafe side.
TEST(ContinuousDiagram, CheckSetsTheTableAgainstTheory) {
    struct Case {
        int typology;
        const char* l;
        const char* summary; // the whole line, or its beginning when it ends with "..."
        CheckTone tone;
    };
    const Case cases[] = {
        {1, "10",
         "controllo di equilibrio, coefficienti tabellati: A-B 6993 kgm, esatto 7031 kgm, "
         "\u22120,5 % (lato non cautelativo)",
         CheckTone::Attention},
        {2, "10",
         "controllo di equilibrio, coefficienti tabellati: Rc 630 kg, esatto 625 kg, +0,8 % "
         "(lato cautelativo)",
         CheckTone::Safe},
        {3, "10", "controllo di equilibrio, coefficienti tabellati: scarto 0,0 %",
         CheckTone::Agrees},
        {5, "10",
         "controllo di equilibrio, coefficienti tabellati: B-C 7519 kgm, esatto 7500 kgm, +0,3 % "
         "(lato cautelativo)",
         CheckTone::Safe},
        // The largest difference is on the safe side: the unsafe one is named too.
        {6, "7,3",
         "controllo di equilibrio, coefficienti tabellati: B-C 2947 kgm, esatto 2850 kgm, +3,4 % "
         "(lato cautelativo); mom.C \u22121,0 % (lato non cautelativo)",
         CheckTone::Attention},
        {7, "10",
         "controllo di equilibrio, coefficienti tabellati: mom.C 7092 kgm, esatto 7143 kgm, "
         "\u22120,7 % (lato non cautelativo)",
         CheckTone::Attention},
        {9, "10",
         "controllo di equilibrio, coefficienti tabellati: mom.C 1799 kgm, esatto 1786 kgm, "
         "+0,7 % (lato cautelativo); D-E \u22120,6 % (lato non cautelativo)",
         CheckTone::Attention},
    };
    for (const Case& c : cases) {
        const Sheet sheet = ComputedSheet(continuousParams(), c.typology, {{c.l, "1000"}});
        const std::optional<BeamDiagram> d =
            ContinuousBeamDiagram(sheet, c.typology, 1, kTabulated);
        ASSERT_TRUE(d) << c.typology;
        EXPECT_EQ(StaticsSummary(d->check).toStdString(), c.summary) << c.typology;
        EXPECT_EQ(ToneOf(d->check), c.tone) << c.typology;
        // The grid's zeros the table does not give are not set against theory.
        for (const CheckItem& item : d->check.items)
            EXPECT_NE(item.tabulated, 0) << c.typology << " " << item.label.toStdString();
    }
}

TEST(ContinuousDiagram, NoDiagramForAnIncompleteRow) {
    const Sheet sheet = FilledSheet(continuousParams(), {{"5", "1000"}, {"4"}});
    EXPECT_TRUE(ContinuousBeamDiagram(sheet, 3, 1, kTabulated));
    EXPECT_FALSE(ContinuousBeamDiagram(sheet, 3, 2, kTabulated));
    EXPECT_FALSE(ContinuousBeamDiagram(sheet, 3, 3, kExact));
}
