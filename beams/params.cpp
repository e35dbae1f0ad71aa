#include "beams/params.h"

#include "beams/calc.h"
#include "beams/diagram.h"
#include "beams/formulas.h"
#include "sheet/geometry.h"
#include "sheet/rules.h"

namespace {

// Heads and quantities of the second and third data columns; nullptr: not used.
struct DatumHeads {
    const char* label2;
    Quantity mis2;
    const char* label3;
    Quantity mis3;
};
constexpr Quantity point = Quantity::Force;
constexpr Quantity line = Quantity::LineLoad;
constexpr Quantity dist = Quantity::Length;
constexpr Quantity none = Quantity::None;

const DatumHeads kDatumHeads[] = {
    {"carico P", point, nullptr, none},     {"carico p", line, nullptr, none},
    {"carico p", line, nullptr, none},      {"carico P", point, "dist. a", dist},
    {"carico p", line, nullptr, none},      {"carico p", line, "dist. a", dist},
    {"carico p", line, nullptr, none},      {"carico p", line, nullptr, none},
    {"carico pa", line, "carico pb", line}, {"carico P", point, "dist. a", dist},
    {"carico p", line, nullptr, none},      {"carico p", line, "dist. a", dist},
    {"carico p", line, nullptr, none},      {"carico p", line, nullptr, none},
    {"carico pa", line, "carico pb", line}, {"carico P", point, "dist. a", dist},
    {"carico p", line, nullptr, none},      {"carico p", line, "dist. a", dist},
    {"carico p", line, nullptr, none},      {"carico p", line, nullptr, none},
};

const DatumHeads& datumHeads(int typology) {
    return kDatumHeads[Beams::normalised(typology) - 1];
}

SheetParams make() {
    SheetParams p;
    p.name = "travi";
    p.caption = "Ponteluma: calcoli di travi semplici";
    p.figureKind = "trave";
    p.typologies = {"sbalzo + concentrato",        "sbalzo + ripartito",
                    "sbalzo + triangolare",        "appoggio + concentrato",
                    "appoggio + ripartito",        "appoggio + semiripartito",
                    "appoggio + triangolare",      "appoggio + doppio triang.",
                    "appoggio + trapezio",         "incastro + appoggio + P",
                    "incastro + app. + ripartito", "incastro + app. + semirip.",
                    "incastro + app. + triang.",   "incastro + app. + triang.2",
                    "incastro + app. + trapezio",  "incastri + P",
                    "incastri + ripartito",        "incastri + semiripartito",
                    "incastri + triangolare",      "incastri + triangolare 2"};
    p.computeItem = "trave";
    p.numberHead = "trave";
    p.numberTip = "numero d'ordine della trave";
    p.dataGroupTip = "dati necessari alla elaborazione";
    p.resultGroupTip = "risultati di ogni singola trave";
    p.figureTip = "schema della struttura da calcolare";
    p.data = {
        {"dat1", "label1", "luce", "mis1", Quantity::Length, "luce della trave (vedi disegno)", 1,
         "luce"},
        {"dat2", "label2", "", "mis2", Quantity::None,
         "carico concentrato o ripartito (vedi disegno)", 2, "dato 2"},
        {"dat3", "label3", "", "mis3", Quantity::None, "vedi disegno", 3, "dato 3"},
    };
    p.results = {
        {"mom1", "labelA", "momento A", "umom1", "kgm", "momento nel vincolo A", "mom.A",
         Quantity::Moment},
        {"mom2", "labelB", "momento B", "umom2", "kgm", "momento nel vincolo B", "mom.B",
         Quantity::Moment},
        {"mommax", "labelM", "momento max", "umommax", "kgm", "momento massimo in campata", "mom.c",
         Quantity::Moment},
        {"tagl1", "labelTA", "taglio A", "utagl1", "kg", "taglio nel vincolo A", "taglio A",
         Quantity::Force},
        {"tagl2", "labelTB", "taglio B", "utagl2", "kg", "taglio nel vincolo B", "taglio B",
         Quantity::Force},
    };
    p.extras = {
        {"perX", "", "", SheetGeometry::kExtraSlotA, false, true, false},
    };

    p.uses = [](int typology, int column) { return column <= 2 || Beams::UsesDato3(typology); };
    p.layout = [](int typology, Sheet& sheet) {
        const DatumHeads& heads = datumHeads(typology);
        sheet.setDataHead(2, heads.label2);
        sheet.setDataQuantity(2, heads.mis2);
        // A one-datum typology blanks the third head: its boxes are greyed.
        sheet.setDataHead(3, heads.label3 ? heads.label3 : "");
        sheet.setDataQuantity(3, heads.mis3);
        // The calculation names the span moment "momento C" where a load lies in the span.
        sheet.setResultHead(Beams::MomC, "momento max");
    };
    p.calculate = [](Sheet& sheet, int typology, const CalcSettings&) {
        return CalculateBeams(sheet, typology); // one method only
    };
    p.field = Beams::FieldOf;

    p.words.item = "Trave";
    p.words.itemOf = "della trave";
    p.words.plural = "travi";
    p.words.full = "Siamo già a 100 travi: non è possibile aggiungerne delle altre.";
    p.words.firstHint = "Aprire un file archiviato o iniziare l'immissione digitando il valore "
                        "del dato della prima colonna della prima trave.";
    p.words.checkScope =
        "- il controllo viene effettuato solo sulla trave per la quale esiste tale dato.";
    p.words.help =
        StandardHelp("le travi successive", "della trave", "il tipo di trave o di carico");
    p.words.windowName = "Travi semplici";
    p.words.archiveOf = "delle travi semplici";
    p.words.totalCaption = "Totale travi digitate n.";
    p.archive.prefix = "Ponteluma-trav-";
    p.archive.records = [](int typology) {
        std::vector<std::vector<int>> records{{1, 2}};
        if (Beams::UsesDato3(typology))
            records.push_back({3});
        return records;
    };

    p.report.title = "PONTELUMA - calcolo di travi semplici";
    p.report.legend = [](const Sheet& sheet) {
        QStringList legend{"trave    = numero della trave calcolata", "luce     = luce della trave",
                           "dato 2   = " + sheet.dataHead(2)};
        if (!sheet.dataHead(3).isEmpty())
            legend << "dato 3   = " + sheet.dataHead(3);
        legend << "mom.A    = momento nel vincolo A"
               << "mom.B    = momento nel vincolo B"
               << "mom.c  = momento massimo nella campata"
               << "taglio A = taglio nel vincolo A"
               << "taglio B = taglio nel vincolo B";
        return legend;
    };
    p.report.heads = [](const Sheet& sheet) {
        return std::vector<ReportLine>{
            {{6, "trave   luce    dato 2    dato 3    mom.A     mom.B     mom.c     taglio A  "
                 "taglio B"}},
            {{6, "  n      m"},
             {23, sheet.dataUnit(2)},
             {35, sheet.dataUnit(3)},
             {44, "kgm"},
             {54, "kgm"},
             {64, "kgm"},
             {74, "kg"},
             {84, "kg"}},
        };
    };
    p.report.numberEnd = 9;
    p.report.align = ReportAlign::Right;
    p.report.columns = {
        {false, 1, 16, false}, {false, 2, 26, false}, {false, 3, 36, true}, {true, 1, 46, false},
        {true, 2, 56, false},  {true, 3, 66, true},   {true, 4, 76, false}, {true, 5, 86, false},
    };
    DescribeBeamsReport(p.report);
    p.helpPage = "guidatravi";
    p.help = beamsHelpPage();
    // Its group in the main window, its toolbar button, menu item and help entry.
    p.presentation = {
        "tras",
        "Travi semplici",
        "Apre una finestra per il calcolo dei momenti e del taglio in travi semplici.",
        20,
        156,
        "Finestra &Travi semplici",
        "T",
        "visualizza finestra 'Travi semplici'",
        " Finestra Travi semplici"};
    // Hovering a row number shows where its largest span moment lies.
    p.numberHovered = [](Sheet& sheet, int typology, int row) {
        bool visible = false;
        const QString caption = BeamHoverCaption(sheet, typology, row, &visible);
        sheet.setNote("perX", caption, !visible);
    };
    p.diagram = [](const Sheet& sheet, int typology, int row, const CalcSettings&) {
        return SimpleBeamDiagram(sheet, typology, row);
    };
    return p;
}

} // namespace

const SheetParams& beamsParams() {
    static const SheetParams params = make();
    return params;
}
