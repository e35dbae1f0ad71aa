// Rows are independent cases in every window and every typology: a row that cannot be
// computed shows nothing, the rows after it are computed, and the hint names it.
#include "sheet/document.h"
#include "sheet/rules.h"
#include "shell/windows.h"
#include "tests/sheets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct WindowCase {
    const char* kind;
    std::vector<const char*> good; // a row every typology of the window computes
};

const WindowCase kWindows[] = {
    {"sezioni", {"20", "30", "4", "4"}}, {"travi", {"6", "500", "2"}},
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

TEST(SheetRows, ResultsOutOfRangeAreNamedByTheHintAndTheCheck) {
    // A datum that leaves a divisor at zero, in each window that has one.
    struct Case {
        const char* kind;
        int typology;
        std::vector<const char*> row;
    };
    const Case cases[] = {
        {"sezioni", 17, {"20", "4", "0", "0"}},    // a T of no area
        {"travi", 6, {"6", "0", "2"}},             // a load of 0 divides
        {"archi", 4, {"10", "1000", "", "", "0"}}, // no rise
        {"piastre", 1, {"4", "0", "500"}},         // no long side
    };
    for (const Case& c : cases) {
        const SheetParams& params = windowParams(c.kind);
        const std::string context = params.name.toStdString();
        const auto& good = kWindows[size_t(WindowIndex(c.kind))].good;
        const Sheet sheet = ComputedSheet(params, c.typology, {good, c.row, good});
        EXPECT_FALSE(hasResults(sheet, 2)) << context;
        EXPECT_TRUE(hasResults(sheet, 3)) << context;
        const QString line =
            QStringLiteral(" n. 2 (vedi grafico):\r- dati fuori dal campo di calcolo.");
        EXPECT_TRUE(HintText(params, sheet, c.typology).endsWith(line)) << context;
        const CheckReport report = Check(params, sheet, c.typology);
        EXPECT_FALSE(report.complete) << context;
        EXPECT_TRUE(report.text.endsWith(line)) << context;
        EXPECT_EQ(report.row, 2) << context;
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
