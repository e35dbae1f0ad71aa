#include "continuous/params.h"

#include "continuous/calc.h"
#include "continuous/diagram.h"
#include "continuous/formulas.h"
#include "sheet/geometry.h"
#include "sheet/rules.h"

namespace {

SheetParams make() {
    SheetParams p;
    p.name = "continue";
    p.caption = "Ponteluma: calcolo di travi continue";
    p.figureKind = "continue";
    p.typologies = {"2 campate + 2 ripartito", "2 campate + 1 ripartito", "3 campate + 3 ripartito",
                    "3 campate + 2 ripartiti", "3 campate + 1 ripartito", "3 campate + 2 ripartito",
                    "4 campate + 4 ripartito", "4 campate + 2 ripartito", "4 campate + 3 ripartiti",
                    "4 campate + 2 ripartiti"};
    p.computeItem = "trave";
    p.numberHead = "trave";
    p.numberTip = "numero d'ordine della trave continua";
    p.numberUnit = "n.";
    p.dataGroupTip = "dati necessari alla elaborazione";
    p.resultGroupTip = "risultati di ogni singola trave";
    p.figureTip = "schema della struttura da calcolare";
    p.data = {
        {"dat1", "label1", "luce", "mis1", Quantity::Length, "luce della campata (vedi disegno)", 1,
         "luce"},
        {"dat2", "label2", "carico", "mis2", Quantity::LineLoad, "carico ripartito (vedi disegno)",
         2, "carico"},
    };
    const char* spans[][4] = {
        {"momAB", "A-B", "momento nella campata A-B", "A-B"},
        {"momB", "mom.B", "momento nell'appoggio B", "mom.B"},
        {"momBC", "B-C", "momento nella campata B-C", "B-C"},
        {"momC", "mom.C", "momento nell'appoggio C", "mom.C"},
        {"momCD", "C-D", "momento nella campata C-D", "C-D"},
        {"momD", "mom.D", "momento nell'appoggio D", "mom.D"},
        {"momDE", "D-E", "momento nella campata D-E", "D-E"},
    };
    for (const auto& s : spans)
        p.results.push_back({s[0], QString("head") + s[0], QString::fromUtf8(s[1]),
                             QString("unit") + s[0], "kgm", QString::fromUtf8(s[2]), s[3],
                             Quantity::Moment});
    const char* supports = "ABCDE";
    for (int k = 0; k < 5; ++k) {
        const QString name = QString("R") + QChar(supports[k]).toLower();
        p.results.push_back({name, "head" + name, name, "unit" + name, "kg",
                             QString("reazione nell'appoggio ") + supports[k], name,
                             Quantity::Force});
    }
    p.extras = {
        {"distanza", "",
         "passare con il mouse sulle rispettive colonne per visualizzare la distanza",
         SheetGeometry::kExtraSlotA, false, true, false},
    };

    // Both data are needed by every typology, and the heads never change.
    p.uses = [](int, int) { return true; };
    p.layout = [](int, Sheet&) {};
    p.calculate = CalculateContinuous;
    // In the order of Continuous::Method; the tabulated coefficients are the default.
    p.methods = {{"coefficienti tabellati", ""}, {"soluzione esatta", "--exact"}};
    p.field = Continuous::FieldOf;

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
    p.words.windowName = "Travi continue";
    p.words.archiveOf = "delle travi continue";
    p.words.totalCaption = "Travi continue digitate n. ";
    p.archive.prefix = "Ponteluma-cont-";
    p.archive.records = [](int) { return std::vector<std::vector<int>>{{1, 2}}; };

    p.report.title = "PONTELUMA - calcolo di travi continue";
    p.report.legend = [](const Sheet&) {
        return QStringList{
            "trave   = numero della trave calcolata",   "luce    = luce delle campate",
            "carico  = carico uniformemente ripartito", "A-B     = momento nella campata A-B",
            "mom.B   = momento nell'appoggio B",        "B-C     = momento nella campata B-C",
            "mom.C   = momento nell'appoggio C",        "C-D     = momento nella campata C-D",
            "mom.D   = momento nell'appoggio D",        "D-E     = momento nella campata D-E",
            "Ra      = reazione vincolare in A",        "Rb      = reazione vincolare in B",
            "Rc      = reazione vincolare in C",        "Rd      = reazione vincolare in D",
            "Re      = reazione vincolare in E",
        };
    };
    p.report.heads = [](const Sheet&) {
        return std::vector<ReportLine>{
            {{6, "trave luce   carico    A-B     mom.B   B-C     mom.C   C-D     mom.D   D-E     "
                 "Ra     Rb     Rc     Rd     Re"}},
            {{6, "  n    m       kg/m    kgm     kgm     kgm     kgm     kgm     kgm     kgm     "
                 "kg     kg     kg     kg     kg"}},
        };
    };
    p.report.numberEnd = 9;
    p.report.align = ReportAlign::Decimal;
    p.report.columns = {{false, 1, 14, false}, {false, 2, 25, false}};
    const int positions[] = {32, 40, 48, 56, 64, 72, 80, 87, 94, 101, 108, 115};
    for (int k = 0; k < 12; ++k)
        p.report.columns.push_back({true, k + 1, positions[k], true}); // "-": no such span
    DescribeContinuousReport(p.report);
    p.helpPage = "guidacontinue";
    p.help = continuousHelpPage();
    // Its group in the main window, its toolbar button, menu item and help entry.
    p.presentation = {"trac",
                      "Travi continue",
                      "Apre una finestra per il calcolo dei momenti e delle reazioni "
                      "vincolari in travi continue.",
                      10,
                      148,
                      "Finestra Travi &continue",
                      "C",
                      "visualizza finestra 'Travi continue'",
                      " Finestra Travi continue"};
    // Hovering a span moment shows the distance of the largest moment of that span.
    p.resultHovered = [](Sheet& sheet, int typology, int column, int row,
                         const CalcSettings& settings) {
        ResultHover hover;
        hover.clearHighlight = true;
        // The span moments are the results A-B, B-C, C-D and D-E (columns 1, 3, 5, 7).
        if (column % 2 == 0 || column > Continuous::MomDE)
            return hover;
        const DistanceDisplay display =
            ContinuousDistance(sheet, typology, column / 2, row, settings);
        if (display.kind == DistanceKind::NoChange)
            return hover;
        if (display.kind == DistanceKind::Show) {
            sheet.setNote("distanza", display.caption);
            hover.paintResult = true;
        } else {
            sheet.hideNote("distanza");
        }
        return hover;
    };
    p.cleared = [](Sheet& sheet) { sheet.hideNote("distanza"); };
    p.diagram = ContinuousBeamDiagram;
    return p;
}

} // namespace

const SheetParams& continuousParams() {
    static const SheetParams params = make();
    return params;
}
