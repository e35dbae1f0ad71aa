// Units through the widgets: "Visualizza > Unità di misura" sets the system of new and
// empty sheets, "Modifica > Converti unità" converts a sheet and Annulla takes it back,
// in every window; heads, units and the diagram panel name the sheet's units.
#include "sheetwindow/diagrampanel.h"
#include "sheetwindow/unitspreference.h"
#include "sheetwindow/window.h"
#include "tests/sheets.h"
#include "tests/windows.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A row every window computes in its first typology; "" leaves a box it does not use.
struct Sample {
    const char* window;
    std::vector<const char*> row;
};
const Sample kSamples[] = {
    {"sezioni", {"20", "30"}},      {"travi", {"6", "500"}},
    {"continue", {"5", "1000"}},    {"archi", {"10", "1000", "3", "", "2"}},
    {"piastre", {"4", "5", "500"}},
};

void trigger(SheetWindow& window, const char* name) {
    auto* action = window.findChild<QAction*>(name);
    ASSERT_TRUE(action) << name;
    action->trigger();
}

std::unique_ptr<SheetWindow> typed(const Sample& sample) {
    auto window = std::make_unique<SheetWindow>(windowParams(sample.window));
    window->sistema();
    for (size_t c = 0; c < sample.row.size(); ++c) {
        if (*sample.row[c]) {
            EXPECT_TRUE(TypeInto(window.get(), window->params().data[c].box + "_1", sample.row[c]));
        }
    }
    return window;
}

// The caption of the unit label of the first result column.
QString firstResultUnit(const SheetWindow& window) {
    return window.label(window.params().results[0].unitLabel)->text();
}

class WindowUnits : public ::testing::Test {
protected:
    void TearDown() override { SetPreferredUnits(Units::Tecniche); }
};

} // namespace

TEST_F(WindowUnits, ThePreferenceSetsNewAndEmptySheetsAndSheetsWithDataKeepTheirs) {
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(sample.window);
        SetPreferredUnits(Units::Tecniche);
        const auto withData = typed(sample);
        auto empty = std::make_unique<SheetWindow>(windowParams(sample.window));
        trigger(*empty, "unitasi");
        EXPECT_EQ(PreferredUnits(), Units::SI);
        EXPECT_TRUE(empty->findChild<QAction*>("unitasi")->isChecked());
        EXPECT_EQ(empty->document().units(), Units::SI);
        EXPECT_EQ(withData->document().units(), Units::Tecniche);
        const Quantity quantity = empty->sheet().resultQuantity(1);
        EXPECT_TRUE(firstResultUnit(*empty).contains(UnitName(quantity, Units::SI)))
            << firstResultUnit(*empty).toStdString();

        const auto fresh = std::make_unique<SheetWindow>(windowParams(sample.window));
        EXPECT_EQ(fresh->document().units(), Units::SI);
        EXPECT_TRUE(fresh->findChild<QAction*>("unitasi")->isChecked());
        trigger(*fresh, "unitatecniche");
        EXPECT_EQ(fresh->document().units(), Units::Tecniche);
        EXPECT_EQ(firstResultUnit(*fresh), fresh->sheet().resultUnit(1));
    }
}

TEST_F(WindowUnits, ConvertingAndItsUndoInEveryWindow) {
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(sample.window);
        const auto window = typed(sample);
        QLineEdit* load = window->box(2, 1);
        const QString before = load->text();
        const QString resultBefore = window->resultLabel(1, 1)->text();
        ASSERT_FALSE(resultBefore.isEmpty());

        trigger(*window, "convertiunita");
        EXPECT_EQ(window->document().units(), Units::SI);
        EXPECT_EQ(load->text(), ConvertDatum(before, window->sheet().dataQuantity(2),
                                             Units::Tecniche, Units::SI));
        EXPECT_EQ(window->resultLabel(1, 1)->text(), window->sheet().resultText(1, 1));
        EXPECT_EQ(firstResultUnit(*window), window->sheet().resultUnit(1));

        trigger(*window, "annulla");
        EXPECT_EQ(window->document().units(), Units::Tecniche);
        EXPECT_EQ(load->text(), before);
        EXPECT_EQ(window->resultLabel(1, 1)->text(), resultBefore);
        EXPECT_EQ(firstResultUnit(*window), window->params().results[0].unit);
    }
}

TEST_F(WindowUnits, ABeamInSiShowsKilonewtonsInItsHeadsAndPanel) {
    SetPreferredUnits(Units::SI);
    const auto window = typed(kSamples[1]); // a cantilever with a point load
    EXPECT_EQ(window->label("mis2")->text(), "kN");
    EXPECT_EQ(window->label("umom1")->text(), "kNm");
    EXPECT_EQ(window->label("utagl1")->text(), "kN");
    // Forces and moments to the hundredth of a kN.
    EXPECT_TRUE(
        QRegularExpression("^-?\\d+,\\d\\d$").match(window->resultLabel(1, 1)->text()).hasMatch())
        << window->resultLabel(1, 1)->text().toStdString();
    const auto* panel = window->findChild<DiagramPanel*>("diagramma");
    ASSERT_TRUE(panel && panel->view().diagram);
    EXPECT_EQ(panel->view().diagram->units, Units::SI);
    EXPECT_TRUE(DiagramCheckText(panel->view().diagram->check).contains(" kN"));
    EXPECT_TRUE(DiagramLegend(Units::SI).contains("V in kN, M in kNm"));
}
