// Rows are independent cases in every window and every typology: a row that cannot be
// computed shows nothing, the rows after it are computed, and the hint names it.
#include "sheet/document.h"
#include "sheet/rules.h"
#include "shell/windows.h"
#include "tests/sheets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

namespace {

struct WindowCase {
    const char* kind;
    std::vector<const char*> good; // a row every typology of the window computes
};

const WindowCase kWindows[] = {
    {"sezioni", {"30", "20", "4", "4"}}, {"travi", {"6", "500", "2"}},
    {"continue", {"5", "1000"}},         {"archi", {"10", "1000", "3", "2", "2"}},
    {"piastre", {"4", "5", "500"}},
};

bool hasResults(const Sheet& sheet, int row) {
    for (int column = 1; column <= sheet.resultColumns(); ++column) {
        if (sheet.result(column, row))
            return true;
    }
    return false;
}

std::string where(const SheetParams& params, int typology, int column) {
    return params.name.toStdString() + " typology " + std::to_string(typology) + " column " +
           std::to_string(column);
}

} // namespace

TEST(SheetRows, AMissingDatumOfAnyTypologyEmptiesOnlyItsRow) {
    for (const WindowCase& w : kWindows) {
        const SheetParams& params = windowParams(w.kind);
        for (int typology = 1; typology <= int(params.typologies.size()); ++typology) {
            const Sheet complete = ComputedSheet(params, typology, {w.good, w.good, w.good});
            ASSERT_TRUE(hasResults(complete, 2)) << where(params, typology, 0);
            EXPECT_EQ(FirstMissing(params, complete, typology).row, 0)
                << where(params, typology, 0);
            for (int column = 1; column <= int(params.data.size()); ++column) {
                if (column > 1 && params.uses && !params.uses(typology, column))
                    continue;
                std::vector<const char*> lacking = w.good;
                lacking[size_t(column - 1)] = "";
                Sheet sheet = ComputedSheet(params, typology, {w.good, lacking, w.good});
                const std::string context = where(params, typology, column);
                ASSERT_EQ(sheet.n(), 3) << context;
                EXPECT_TRUE(hasResults(sheet, 1)) << context;
                EXPECT_FALSE(hasResults(sheet, 2)) << context;
                EXPECT_TRUE(hasResults(sheet, 3)) << context;
                const Missing missing = FirstMissing(params, sheet, typology);
                EXPECT_EQ(missing.row, 2) << context;
                EXPECT_EQ(missing.column, column) << context;
                EXPECT_FALSE(missing.outOfRange) << context;
            }
        }
    }
}

TEST(SheetRows, AZeroFirstDatumIsIncompleteInEveryWindow) {
    for (const WindowCase& w : kWindows) {
        const SheetParams& params = windowParams(w.kind);
        std::vector<const char*> zero = w.good;
        zero[0] = "0";
        const Sheet sheet = ComputedSheet(params, 1, {w.good, zero, w.good});
        const std::string context = params.name.toStdString();
        EXPECT_EQ(sheet.n(), 3) << context;
        EXPECT_FALSE(hasResults(sheet, 2)) << context;
        EXPECT_TRUE(hasResults(sheet, 3)) << context;
        const QString hint = HintText(params, sheet, 1);
        EXPECT_TRUE(hint.contains(" n. 2 (vedi grafico):\r- digitare il dato della prima colonna."))
            << context << " " << hint.toStdString();
    }
}

// Every typology of every window, one row just inside its field of use and one just
// outside: the outside row shows nothing, the rows around it are computed, and the hint,
// the check and the tables name the row with the reason. The shapes of one dimension
// have no field but their first datum, which leaves the row incomplete when not above 0.
TEST(SheetRows, EveryTypologyHasItsFieldOfUse) {
    struct Case {
        const char* kind;
        int typology;
        std::vector<const char*> inside, outside;
        const char* reason;
    };
    const char* const firstDatum = "- digitare il dato della prima colonna.";
    const char* const noHeight = "- l'altezza H è nulla.";
    const char* const tallWeb = "- l'altezza h supera l'altezza H.";
    const char* const innerSide = "- il lato b non è minore del lato B.";
    const char* const beyondSpan = "- la distanza a supera la luce.";
    const char* const pZero = "- il carico p è nullo.";
    const char* const PZero = "- il carico P è nullo.";
    const char* const leftHalf = "- la distanza a supera metà della luce (l/2).";
    const char* const aboveRise = "- l'altezza h supera la freccia f.";
    const char* const noRise = "- la freccia f è minore di 0,01 m.";
    const char* const noLoad = "- il carico è nullo.";
    const std::vector<const char*> oneDimIn{"0,01"}, oneDimOut{"0"};
    const std::vector<const char*> riseIn{"10", "1000", "", "", "0,01"},
        riseOut{"10", "1000", "", "", "0,009"};
    const std::vector<const char*> uniformIn{"6", "0,01"}, uniformOut{"6", "0"};
    const Case cases[] = {
        {"sezioni", 1, {"20", "0,01"}, {"20", "0"}, noHeight},
        {"sezioni",
         2,
         {"20", "30", "29,99"},
         {"20", "30", "30"},
         "- l'altezza h non è minore dell'altezza H."},
        {"sezioni", 3, oneDimIn, oneDimOut, firstDatum},
        {"sezioni", 4, oneDimIn, oneDimOut, firstDatum},
        {"sezioni", 5, {"20", "19,99"}, {"20", "20"}, innerSide},
        {"sezioni", 6, {"20", "0"}, {"20", "20,5"}, innerSide},
        {"sezioni", 7, {"20", "0,01"}, {"20", "0"}, noHeight},
        {"sezioni", 8, oneDimIn, oneDimOut, firstDatum},
        {"sezioni", 9, oneDimIn, oneDimOut, firstDatum},
        {"sezioni", 10, {"20", "0,01", "5"}, {"20", "0", "5"}, noHeight},
        {"sezioni", 11, oneDimIn, oneDimOut, firstDatum},
        {"sezioni",
         12,
         {"500", "499,9"},
         {"500", "1000"},
         "- il diametro interno non è minore di quello esterno."},
        {"sezioni", 13, oneDimIn, oneDimOut, firstDatum},
        {"sezioni", 14, {"20", "0,01"}, {"20", "0"}, noHeight},
        {"sezioni",
         15,
         {"20", "30", "20", "29,99"},
         {"20", "30", "20,01", "10"},
         "- la larghezza b supera la larghezza B."},
        // Whatever the shape, a section of no area is none.
        {"sezioni",
         15,
         {"20", "30", "19,99", "30"},
         {"20", "30", "20", "30"},
         "- l'area o il momento d'inerzia non è maggiore di zero."},
        {"sezioni", 16, {"20", "0,01", "4", "30"}, {"20", "0", "4", "30"}, noHeight},
        {"sezioni", 17, {"20", "30", "4", "30"}, {"20", "30", "4", "30,01"}, tallWeb},
        {"travi", 1, {"6", "0,01"}, {"6", "0"}, PZero},
        {"travi", 2, uniformIn, uniformOut, pZero},
        {"travi", 3, uniformIn, uniformOut, pZero},
        {"travi", 4, {"6", "2000", "6"}, {"6", "2000", "8"}, beyondSpan},
        {"travi", 5, uniformIn, uniformOut, pZero},
        {"travi", 6, {"6", "1000", "6"}, {"6", "1000", "6,01"}, beyondSpan},
        {"travi", 7, uniformIn, uniformOut, pZero},
        {"travi", 8, uniformIn, uniformOut, pZero},
        {"travi", 9, {"6", "0,01", "500"}, {"6", "0", "500"}, "- il carico pa è nullo."},
        {"travi", 10, {"6", "2000", "6"}, {"6", "2000", "8"}, beyondSpan},
        {"travi", 11, uniformIn, uniformOut, pZero},
        {"travi", 12, {"6", "1000", "6"}, {"6", "1000", "6,01"}, beyondSpan},
        {"travi", 13, uniformIn, uniformOut, pZero},
        {"travi", 14, uniformIn, uniformOut, pZero},
        {"travi", 15, {"6", "500", "0,01"}, {"6", "500", "0"}, "- il carico pb è nullo."},
        {"travi", 16, {"6", "2000", "6"}, {"6", "2000", "8"}, beyondSpan},
        {"travi", 17, uniformIn, uniformOut, pZero},
        {"travi", 18, {"6", "1000", "6"}, {"6", "1000", "6,01"}, beyondSpan},
        {"travi", 19, uniformIn, uniformOut, pZero},
        {"travi", 20, uniformIn, uniformOut, pZero},
        {"archi", 1, {"10", "1000", "5", "", "2"}, {"10", "1000", "5,01", "", "2"}, leftHalf},
        {"archi", 2, {"10", "1000", "", "2", "2"}, {"10", "1000", "", "2,01", "2"}, aboveRise},
        {"archi", 3, riseIn, riseOut, noRise},
        {"archi",
         4,
         {"0,01", "1000", "", "", "2"},
         {"0,009", "1000", "", "", "2"},
         "- la luce l è minore di 0,01 m."},
        {"archi",
         5,
         {"10", "0,01", "", "", "2"},
         {"10", "0,009", "", "", "2"},
         "- il carico è minore di 0,01."},
        {"archi", 6, {"10", "1000", "5", "", "2"}, {"10", "1000", "5,01", "", "2"}, leftHalf},
        {"archi", 7, {"10", "1000", "10", "2", "2"}, {"10", "1000", "10,01", "2", "2"}, beyondSpan},
        {"archi", 8, riseIn, riseOut, noRise},
        {"archi", 9, riseIn, riseOut, noRise},
        {"archi", 10, riseIn, riseOut, noRise},
        {"archi", 11, {"10", "1000", "5", "", "2"}, {"10", "1000", "5,01", "", "2"}, leftHalf},
        {"archi", 12, {"10", "1000", "3", "2", "2"}, {"10", "1000", "3", "2,01", "2"}, aboveRise},
        {"archi", 13, riseIn, riseOut, noRise},
        {"archi", 14, riseIn, riseOut, noRise},
        {"archi", 15, riseIn, riseOut, noRise},
        {"piastre", 1, {"4", "4", "500"}, {"4,01", "4", "500"}, "- il lato lx supera il lato ly."},
        {"piastre", 2, {"4", "4", "500"}, {"4", "0", "500"}, "- il lato ly è nullo."},
        {"piastre", 3, {"2", "", "0,01"}, {"2", "", "0"}, noLoad},
        {"piastre", 4, {"2", "", "0,01"}, {"2", "", "0"}, noLoad},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    for (int typology = 1; typology <= 10; ++typology)
        all.push_back({"continue", typology, {"5", "0,01"}, {"5", "0"}, noLoad});

    std::map<std::string, std::set<int>> covered;
    for (const Case& c : all) {
        const SheetParams& params = windowParams(c.kind);
        const std::string context =
            params.name.toStdString() + " typology " + std::to_string(c.typology);
        covered[c.kind].insert(c.typology);
        const Sheet sheet = ComputedSheet(params, c.typology, {c.inside, c.outside, c.inside});
        ASSERT_EQ(sheet.n(), 3) << context;
        EXPECT_TRUE(hasResults(sheet, 1)) << context;
        EXPECT_FALSE(hasResults(sheet, 2)) << context;
        EXPECT_TRUE(hasResults(sheet, 3)) << context;
        const QString line = " n. 2 (vedi grafico):\r" + QString::fromUtf8(c.reason);
        EXPECT_TRUE(HintText(params, sheet, c.typology).endsWith(line))
            << context << ": " << HintText(params, sheet, c.typology).toStdString();
        const CheckReport report = Check(params, sheet, c.typology);
        EXPECT_TRUE(report.text.endsWith(line)) << context;
        EXPECT_EQ(report.row, 2) << context;
        if (c.reason != firstDatum) {
            EXPECT_TRUE(sheet.isOutOfRange(2)) << context;
            EXPECT_EQ(sheet.outOfRangeReason(2), QString::fromUtf8(c.reason)) << context;
        }
    }
    for (const SheetParams* params : allWindows()) {
        EXPECT_EQ(covered[params->name.toStdString()].size(), size_t(params->typologies.size()))
            << params->name.toStdString();
    }
}

namespace {

// A document of the window and typology holding the window's good row twice, computed.
Document typedDocument(const SheetParams& params, int typology, const WindowCase& w) {
    Document document(params);
    document.setTypology(typology);
    document.layOut();
    for (int row = 1; row <= 2; ++row) {
        for (int column = 1; column <= int(params.data.size()); ++column) {
            if (column == 1 || !params.uses || params.uses(typology, column))
                document.type(column, row, w.good[size_t(column - 1)]);
        }
    }
    return document;
}

// Half a step of the rounding of a result column, in the sheet's units.
double halfStep(const Sheet& sheet, int column) {
    return 0.5 * std::pow(10.0, -sheet.resultDecimals(column));
}

} // namespace

// Every typology of every window computes in SI what it computes in "tecniche", times
// the factor of each result's unit, to the rounding of both; converted back, the data
// and the results are those typed.
TEST(SheetUnits, ConvertedSheetsGiveTheSameResultsTimesTheFactor) {
    for (const WindowCase& w : kWindows) {
        const SheetParams& params = windowParams(w.kind);
        for (int typology = 1; typology <= int(params.typologies.size()); ++typology) {
            Document document = typedDocument(params, typology, w);
            const Sheet tecniche = document.sheet();
            ASSERT_TRUE(hasResults(tecniche, 2)) << where(params, typology, 0);
            document.convertUnits(Units::SI);
            const Sheet& si = document.sheet();
            ASSERT_EQ(si.units(), Units::SI);
            for (int column = 1; column <= si.resultColumns(); ++column) {
                const std::string context = where(params, typology, column);
                const Result& before = tecniche.result(column, 2);
                const Result& after = si.result(column, 2);
                ASSERT_EQ(bool(before), bool(after)) << context;
                if (!before)
                    continue;
                const double factor = SiFactor(si.resultQuantity(column));
                EXPECT_NEAR(*after, *before * factor,
                            halfStep(tecniche, column) * factor + halfStep(si, column) + 1e-9)
                    << context;
            }
            document.convertUnits(Units::Tecniche);
            for (int column = 1; column <= tecniche.dataColumns(); ++column) {
                EXPECT_EQ(document.sheet().datum(column, 1), tecniche.datum(column, 1))
                    << where(params, typology, column);
            }
            for (int column = 1; column <= tecniche.resultColumns(); ++column) {
                EXPECT_EQ(document.sheet().result(column, 1), tecniche.result(column, 1))
                    << where(params, typology, column);
            }
        }
    }
}

// Converting is one step: undo brings back the data, the units and the results.
TEST(SheetUnits, ConversionIsOneStepOfTheHistory) {
    for (const WindowCase& w : kWindows) {
        const SheetParams& params = windowParams(w.kind);
        Document document = typedDocument(params, 1, w);
        const Sheet before = document.sheet();
        document.endTyping();
        document.convertUnits(Units::SI);
        ASSERT_TRUE(document.canUndo());
        document.undo();
        EXPECT_EQ(document.units(), Units::Tecniche) << w.kind;
        EXPECT_EQ(document.sheet().datum(2, 1), before.datum(2, 1)) << w.kind;
        EXPECT_EQ(document.sheet().resultText(1, 1), before.resultText(1, 1)) << w.kind;
        document.redo();
        EXPECT_EQ(document.units(), Units::SI) << w.kind;
    }
}

// Data that the field admits at its edges: a point load at a support, a partial load of
// length 0, a hollow of 0. They are computed, and the beams draw their diagram.
TEST(SheetRows, TheEdgesOfTheFieldAreComputed) {
    const SheetParams& beams = windowParams("travi");
    for (int typology : {4, 6, 10, 12, 16, 18}) {
        for (const char* a : {"0", "6"}) {
            const Sheet sheet = ComputedSheet(beams, typology, {{"6", "1000", a}});
            const std::string context = "typology " + std::to_string(typology) + " a " + a;
            EXPECT_TRUE(hasResults(sheet, 1)) << context;
            EXPECT_FALSE(sheet.isOutOfRange(1)) << context;
            EXPECT_TRUE(beams.diagram(sheet, typology, 1, {}).has_value()) << context;
        }
    }
    const Sheet tube = ComputedSheet(windowParams("sezioni"), 12, {{"20", "0"}});
    EXPECT_TRUE(hasResults(tube, 1));
}
