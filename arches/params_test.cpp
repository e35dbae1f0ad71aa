#include "arches/params.h"
#include "sheet/rules.h"

#include <gtest/gtest.h>

namespace {

struct Layout {
    int typology;
    bool dist, alt; // columns 3 and 4 in use
    const char* load;
    const char* unit;
};

const Layout kLayouts[] = {
    {1, true, false, "car. P", "kg"},     {2, false, true, "car. F", "kg"},
    {3, false, false, "car. p", "kg/m"},  {4, false, false, "car. p", "kg/m"},
    {5, false, false, "car. q", "kg/m"},  {6, true, false, "car. P", "kg"},
    {7, true, true, "car. F", "kg"},      {8, false, false, "car. p", "kg/m"},
    {9, false, false, "car. p", "kg/m"},  {10, false, false, "car. q", "kg/m"},
    {11, true, false, "car. P", "kg"},    {12, true, true, "car. F", "kg"},
    {13, false, false, "car. p", "kg/m"}, {14, false, false, "car. p", "kg/m"},
    {15, false, false, "car. q", "kg/m"},
};

TEST(ArchesParams, ColumnsInUseAndLoadCaptionOfEachTypology) {
    const SheetParams& p = archesParams();
    for (const Layout& l : kLayouts) {
        EXPECT_TRUE(p.uses(l.typology, 1) && p.uses(l.typology, 2) && p.uses(l.typology, 5));
        EXPECT_EQ(p.uses(l.typology, 3), l.dist) << "typology " << l.typology;
        EXPECT_EQ(p.uses(l.typology, 4), l.alt) << "typology " << l.typology;
        Sheet sheet = newSheet(p);
        layOut(p, sheet, l.typology);
        EXPECT_EQ(sheet.dataHead(2), l.load) << "typology " << l.typology;
        EXPECT_EQ(sheet.dataUnit(2), l.unit) << "typology " << l.typology;
    }
}

TEST(ArchesParams, LayingOutForANewTypologyForgetsTheOldRelabels) {
    const SheetParams& p = archesParams();
    Sheet sheet = newSheet(p);
    EXPECT_TRUE(sheet.note("note").hidden);
    EXPECT_FALSE(sheet.note("parabolica").hidden);
    EXPECT_EQ(sheet.note("parabolica").text, "Le formule segnate con l'asterisco sono valide solo "
                                             "per gli archi a forma parabolica.");
    sheet.setDatum(1, 1, "10");
    sheet.setDatum(2, 1, "1000");
    sheet.setDatum(3, 1, "3");
    sheet.setDatum(5, 1, "2");
    sheet.CountRows();
    p.calculate(sheet, 11, {});
    EXPECT_EQ(sheet.resultHead(5), "Ma *");
    EXPECT_FALSE(sheet.note("note").hidden);
    layOut(p, sheet, 4);
    EXPECT_EQ(sheet.resultHead(5), "Ma");
    EXPECT_EQ(sheet.resultHead(1), "ya");
    EXPECT_TRUE(sheet.note("note").hidden);
}

struct Hint {
    int typology;
    const char* a;
    const char* h;
    const char* f;
    const char* line; // what the hint asks of row 1
};

TEST(ArchesParams, HintAsksForTheColumnsTheTypologyNeeds) {
    const Hint hints[] = {
        {2, "", "", "2", "- digitare il dato della quarta colonna."},
        {7, "3", "2", "", "- digitare il dato della quarta colonna."},
        {7, "3", "", "2", "- digitare il dato della quarta colonna."},
        {7, "", "2", "2", "- digitare il dato della terza colonna."},
        {1, "", "", "2", "- digitare il dato della terza colonna."},
        {4, "", "", "", "- digitare il dato della quarta colonna."},
    };
    const SheetParams& p = archesParams();
    for (const Hint& h : hints) {
        Sheet sheet = newSheet(p);
        sheet.setDatum(1, 1, "10");
        sheet.setDatum(2, 1, "1000");
        sheet.setDatum(3, 1, h.a);
        sheet.setDatum(4, 1, h.h);
        sheet.setDatum(5, 1, h.f);
        sheet.CountRows();
        EXPECT_EQ(HintText(p, sheet, h.typology), QString("Arco n. 1 (vedi grafico):\r") + h.line)
            << "typology " << h.typology;
    }
    // Typology 1 asks nothing about h, typology 4 nothing about a and h.
    const QString done = "Correggere, archiviare quanto immesso, digitare ulteriori dati, andare "
                         "oltre (stampa, altro calcolo).";
    for (const auto& [typology, a] : {std::pair<int, const char*>{1, "3"}, {4, ""}}) {
        Sheet sheet = newSheet(p);
        sheet.setDatum(1, 1, "10");
        sheet.setDatum(2, 1, "1000");
        sheet.setDatum(3, 1, a);
        sheet.setDatum(5, 1, "2");
        sheet.CountRows();
        EXPECT_EQ(HintText(p, sheet, typology), done) << "typology " << typology;
    }
}

TEST(ArchesParams, ArchiveRecordsOfARow) {
    using Records = std::vector<std::vector<int>>;
    const SheetParams& p = archesParams();
    EXPECT_EQ(p.archive.records(2), (Records{{1, 2, 5}, {4}}));
    EXPECT_EQ(p.archive.records(4), (Records{{1, 2, 5}}));
    for (int t : {1, 6, 11})
        EXPECT_EQ(p.archive.records(t), (Records{{1, 2, 5}, {3}})) << t;
    for (int t : {7, 12})
        EXPECT_EQ(p.archive.records(t), (Records{{1, 2, 5}, {3, 4}})) << t;
    // Three rows of typology 12 with the header: seven records.
    EXPECT_EQ(1 + 3 * p.archive.records(12).size(), 7u);
}

} // namespace
