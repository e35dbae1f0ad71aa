#include "arches/params.h"

#include "arches/calc.h"
#include "arches/formulas.h"
#include "sheet/geometry.h"
#include "sheet/rules.h"

namespace {

// Caption and unit of the load column: a force P or F in kg, a load p or q per metre.
struct Load {
    const char* caption;
    Quantity quantity;
};

Load loadOf(int typology) {
    switch (ArchesTypology(typology)) {
    case 1:
    case 6:
    case 11:
        return {"car. P", Quantity::Force};
    case 2:
    case 7:
    case 12:
        return {"car. F", Quantity::Force};
    case 5:
    case 10:
    case 15:
        return {"car. q", Quantity::LineLoad};
    default:
        return {"car. p", Quantity::LineLoad};
    }
}

SheetParams make() {
    SheetParams p;
    p.name = "archi";
    p.caption = "Ponteluma: calcoli di archi";
    p.figureKind = "arco";
    p.typologies = {"3 cerniere + concentrato",     "3 cerniere + conc.orizz.",
                    "3 cerniere + semiripartito",   "3 cerniere + ripartito",
                    "3 cerniere + ripart.orizz.",   "2 cerniere + concentrato",
                    "2 cerniere + conc.orizz.",     "2 cerniere + semiripartito",
                    "2 cerniere + ripartito",       "2 cerniere + ripartito orizz.",
                    "incastrato + concentrato",     "incastrato + conc.orizz.",
                    "incastrato + semiripartito",   "incastrato + ripartito",
                    "incastrato + ripartito orizz."};
    p.computeItem = "arco";
    p.numberHead = "arco";
    p.numberTip = "numero d'ordine dell'arco";
    p.dataGroupTip = "dati necessari alla elaborazione";
    p.resultGroupTip = "risultati di ogni singolo arco";
    p.figureTip = "schema della struttura da calcolare";
    p.data = {
        {"luc", "label1", "luce l", "mis1", Quantity::Length, "luce dell'arco (vedi disegno)", 1,
         "luce"},
        {"car", "label2", "carico", "mis2", Quantity::Force,
         "carico concentrato o ripartito (vedi disegno)", 2, "carico"},
        {"dist", "label3", "dist. a", "mis3", Quantity::Length,
         "distanza del carico concentrato (vedi disegno)", 3, "dist."},
        {"alt", "label4", "alt. h", "mis4", Quantity::Length,
         "altezza del carico concentrato (vedi disegno)", 4, "alt."},
        {"frec", "label5", "frecc.f", "mis5", Quantity::Length, "freccia f (vedi disegno)", 4,
         "frecc."},
    };
    p.results = {
        {"ya", "lbya", "ya", "uya", "kg", "reazione ya o y (vedi disegno)", "ya", Quantity::Force},
        {"yb", "lbyb", "yb", "uyb", "kg", "reazione yb (vedi disegno)", "yb", Quantity::Force},
        {"xa", "lbxa", "xa", "uxa", "kg",
         "componente xa o x della reazione vincolare (vedi disegno)", "xa", Quantity::Force},
        {"xb", "lbxb", "xb", "uxb", "kg", "componente xb della reazione vincolare (vedi disegno)",
         "xb", Quantity::Force},
        {"momA", "lbma", "Ma", "umomA", "kgm", "momento nel vincolo A (vedi disegno)", "Ma",
         Quantity::Moment},
        {"momB", "lbmb", "Mb", "umomB", "kgm", "momento nel vincolo B (vedi disegno)", "Mb",
         Quantity::Moment},
        {"momC", "lbmc", "Mc", "umomC", "kgm", "momento nel vincolo C (vedi disegno)", "Mc",
         Quantity::Moment},
    };
    p.extras = {
        {"parabolica",
         "Le formule segnate con l'asterisco sono valide solo per gli archi a forma parabolica.",
         "", SheetGeometry::kExtraSlotA, true, false, false},
        {"note", "", "", SheetGeometry::kExtraSlotB, false, false, false},
    };

    p.uses = [](int typology, int column) {
        switch (column) {
        case 3:
            return ArchesUsesDistance(typology);
        case 4:
            return ArchesUsesHeight(typology);
        default:
            return true;
        }
    };
    p.layout = [](int typology, Sheet& sheet) {
        const Load load = loadOf(typology);
        sheet.setDataHead(2, QString::fromLatin1(load.caption));
        sheet.setDataQuantity(2, load.quantity);
        // Heads relabelled for another typology must not outlive it.
        ResetArchesHeads(sheet);
    };
    p.calculate = [](Sheet& sheet, int typology, const CalcSettings&) {
        return CalculateArches(sheet, typology); // one method only
    };
    p.field = ArchesField;
    p.highlightKeepsGrey = true;
    p.words.item = "Arco";
    p.words.itemOf = "dell'arco";
    p.words.plural = "archi";
    p.words.full = "Siamo già a 100 archi: non è possibile aggiungerne degli altri.";
    p.words.firstHint = "Aprire un file archiviato o iniziare l'immissione digitando il valore "
                        "del dato della prima colonna del primo arco.";
    p.words.checkScope =
        "- il controllo viene effettuato solo sugli archi per i quali esiste tale dato.";
    p.words.help = StandardHelp("gli archi successivi", "dell'arco", "il tipo di arco");
    p.words.windowName = "Archi";
    p.words.archiveOf = "degli archi";
    p.words.totalCaption = "Totale archi digitati n.";
    p.archive.prefix = "Ponteluma-arc-";
    // Per row: span, load and rise, then the position of the force where it has one.
    p.archive.records = [](int typology) {
        std::vector<std::vector<int>> records{{1, 2, 5}};
        switch (typology) {
        case 7:
        case 12:
            records.push_back({3, 4});
            break;
        case 2:
            records.push_back({4});
            break;
        case 1:
        case 6:
        case 11:
            records.push_back({3});
            break;
        default:
            break;
        }
        return records;
    };

    p.report.title = "PONTELUMA - calcolo di archi";
    p.report.legend = [](const Sheet&) {
        return QStringList{
            "arco   = numero dell'arco calcolato",
            "luce   = luce dell'arco",
            "carico = carico ripartito o concentrato",
            "dist.  = distanza dal vincolo di sinistra della forza concentrata",
            "alt.   = altezza della forza dalla corda tra i vincoli",
            "frecc. = freccia dell'arco",
            "ya     = componente verticale della reazione nel vincolo di sinistra A",
            "yb     = componente verticale della reazione nel vincolo di destra B",
            "xa     = componente orizzontale della reazione nel vincolo di sinistra A",
            "xb     = componente orizzontale della reazione nel vincolo di destra B",
            "Ma     = momento nel vincolo di sinistra A",
            "Mb     = momento nel vincolo di destra B",
            "Mc     = momento nella chiave C",
        };
    };
    p.report.heads = [](const Sheet&) {
        return std::vector<ReportLine>{
            {{6, "arco    luce   carico  dist.    alt.   frecc.    ya      yb      xa      xb   "
                 "    Ma       Mb       Mc"}},
            {{6, "  n      m       kg      m       m       m       kg      kg      kg      kg   "
                 "    kgm      kgm      kgm"}},
        };
    };
    p.report.numberEnd = 9;
    p.report.align = ReportAlign::Decimal;
    p.report.columns = {
        {false, 1, 16, false}, {false, 2, 27, false}, {false, 3, 31, true},  {false, 4, 39, true},
        {false, 5, 47, false}, {true, 1, 57, false},  {true, 2, 65, false},  {true, 3, 73, false},
        {true, 4, 81, false},  {true, 5, 91, false},  {true, 6, 100, false}, {true, 7, 109, false},
    };
    DescribeArchesReport(p.report);
    p.helpPage = "guidaarchi";
    p.help = archesHelpPage();
    // Its group in the main window, its toolbar button, menu item and help entry.
    p.presentation = {
        "arc",
        "Archi",
        "Apre una finestra per il calcolo dei momenti e delle reazioni vincolari in archi.",
        20,
        162,
        "Finestra &Archi",
        "A",
        "visualizza finestra 'Archi'",
        " Finestra Archi"};
    return p;
}

} // namespace

const SheetParams& archesParams() {
    static const SheetParams params = make();
    return params;
}
