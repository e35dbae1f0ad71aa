#include "plates/params.h"

#include "plates/calc.h"
#include "plates/formulas.h"
#include "sheet/rules.h"

namespace {

SheetParams make() {
    SheetParams p;
    p.name = "piastre";
    p.caption = "Ponteluma: calcoli di piastre";
    p.figureKind = "piastra";
    p.typologies = {"piastra rett. appoggiata", "piastra rett. incastrata",
                    "piastra circ. appoggiata", "piastra circ. incastrata"};
    p.computeItem = "piastra";
    p.numberHead = "piastra";
    p.numberTip = "numero d'ordine della piastra";
    p.numberUnit = "n.";
    p.dataGroupTip = "dati necessari alla elaborazione";
    p.resultGroupTip = "risultati di ogni singola piastra";
    p.figureTip = "schema della struttura da calcolare";
    p.data = {
        {"dat1", "label1", "lato lx", "mis1", Quantity::Length, "lato lx (vedi disegno)", 1,
         "lato lx"},
        {"dat2", "label2", "lato ly", "mis2", Quantity::Length, "lato ly (vedi disegno)", 2,
         "lato ly"},
        {"dat3", "label3", "carico p", "mis3", Quantity::AreaLoad, "carico ripartito", 3, "carico"},
    };
    p.results = {
        {"mom1", "labelMx", "momento Mx", "umom1", "kgm/m",
         "momento flettente in mezzeria parallelamente alla direzione x", "mom.Mx",
         Quantity::MomentPerLength},
        {"mom2", "labelMy", "momento My", "umom2", "kgm/m",
         "momento flettente in mezzeria parallelamente alla direzione y", "mom.My",
         Quantity::MomentPerLength},
        {"mom3", "labelmx", "momento mx", "umom3", "kgm/m",
         "momento d'incastro parallelamente alla direzione x", "mom.mx", Quantity::MomentPerLength},
        {"mom4", "labelmy", "momento my", "umom4", "kgm/m",
         "momento d'incastro parallelamente alla direzione y", "mom.my", Quantity::MomentPerLength},
    };
    // Circular plates have a radius and no second side.
    p.uses = [](int typology, int column) { return column != 2 || typology <= 2; };
    p.layout = [](int typology, Sheet& sheet) {
        sheet.setDataHead(1,
                          typology <= 2 ? QStringLiteral("lato lx") : QStringLiteral("raggio R"));
    };
    p.calculate = [](Sheet& sheet, int typology, const CalcSettings&) {
        return CalculatePlates(sheet, typology); // one method only
    };
    p.field = PlatesField;

    p.words.item = "Piastra";
    p.words.itemOf = "della piastra";
    p.words.plural = "piastre";
    p.words.full = "Siamo già a 100 piastre: non è possibile aggiungerne delle altre.";
    p.words.firstHint = "Aprire un file archiviato o iniziare l'immissione digitando il valore "
                        "del dato della prima colonna della prima piastra.";
    p.words.checkScope =
        "- il controllo viene effettuato solo sulla piastra per la quale esiste tale dato.";
    p.words.help = StandardHelp("le piastre successive", "della piastra", "il tipo di piastra");
    p.words.windowName = "Piastre";
    p.words.archiveOf = "delle piastre";
    p.words.totalCaption = "Totale piastre digitate n. ";
    p.archive.prefix = "Ponteluma-piastr-";
    // Per plate: first datum and load, then the long side of a rectangle on its own line.
    p.archive.records = [](int typology) {
        std::vector<std::vector<int>> records{{1, 3}};
        if (typology == 1 || typology == 2)
            records.push_back({2});
        return records;
    };

    p.report.title = "PONTELUMA - calcolo di piastre";
    p.report.legend = [](const Sheet&) {
        return QStringList{
            "piastra = numero della piastra calcolata",
            "lato lx = lato corto",
            "lato ly = lato lungo",
            "carico  = carico uniformemente ripartito",
            "mom.Mx  = momento flettente in mezzeria parallelamente al lato lx",
            "mom.My  = momento flettente in mezzeria parallelamente al lato ly",
            "mom.mx  = momento d'incastro parallelamente al lato lx",
            "mom.my  = momento d'incastro parallelamente al lato ly",
        };
    };
    p.report.heads = [](const Sheet&) {
        return std::vector<ReportLine>{
            {{6, "piastra lato lx   lato ly   carico    mom.Mx    mom.My    mom.mx    mom.my"}},
            {{6, "   n       m         m        kg/m2    kgm/m     kgm/m     kgm/m     kgm/m"}},
        };
    };
    p.report.numberEnd = 10;
    p.report.align = ReportAlign::Decimal;
    p.report.columns = {
        {false, 1, 17, false}, {false, 2, 27, true}, {false, 3, 39, false}, {true, 1, 48, false},
        {true, 2, 58, false},  {true, 3, 68, false}, {true, 4, 78, false},
    };
    DescribePlatesReport(p.report);
    p.helpPage = "guidapiastre";
    p.help = platesHelpPage();
    // Its group in the main window, its toolbar button, menu item and help entry.
    p.presentation = {
        "piastr",
        "Piastre",
        "Apre una finestra per il calcolo dei momenti nelle piastre rettangolari e circolari.",
        8,
        148,
        "Finestra &Piastre",
        "P",
        "visualizza finestra 'Piastre'",
        " Finestra Piastre"};
    // Passing between supported and clamped edges of the same shape keeps the data and
    // shows at once how the moments change.
    p.keepsData = PlatesSameShape;
    return p;
}

} // namespace

const SheetParams& platesParams() {
    static const SheetParams params = make();
    return params;
}
