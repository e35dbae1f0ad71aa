#include "sections/params.h"

#include "sections/calc.h"
#include "sections/formulas.h"
#include "sheet/rules.h"

namespace {

struct Shape {
    const char* name;
    const char* heads[4]; // nullptr: the head keeps its caption
    int columns;          // data columns used: 1..columns
};

const Shape kShapes[] = {
    {"rettangolo", {"base B", "altezza H", nullptr, nullptr}, 2},
    {"doppio T senza ala", {"base B", "altezza H", "h", nullptr}, 3},
    {"quadrato", {"lato B", nullptr, nullptr, nullptr}, 1},
    {"rombo", {"lato B", nullptr, nullptr, nullptr}, 1},
    {"quadrato tubolare", {"lato B", "lato b", nullptr, nullptr}, 2},
    {"rombo tubolare", {"lato B", "lato b", nullptr, nullptr}, 2},
    {"triangolo isoscele", {"base B", "altezza H", nullptr, nullptr}, 2},
    {"esagono su angolo", {"R", nullptr, nullptr, nullptr}, 1},
    {"esagono su lato", {"R", nullptr, nullptr, nullptr}, 1},
    {"trapezio isoscele", {"base B", "altezza H", "b/2", nullptr}, 3},
    {"tondo", {"diam. D", nullptr, nullptr, nullptr}, 1},
    {"tubo", {"diam. D", "diam. d", nullptr, nullptr}, 2},
    {"semitondo", {"R", nullptr, nullptr, nullptr}, 1},
    {"ellisse", {"base B", "altezza H", nullptr, nullptr}, 2},
    {"sezione a C e doppio T", {"B", "altezza H", "b", "altezza h"}, 4},
    {"sezione a croce e ad H", {"B", "altezza H", "b", "altezza h"}, 4},
    {"sezione al L, a T, ad U", {"B", "altezza H", "b", "altezza h"}, 4},
};
constexpr int kShapeCount = int(sizeof(kShapes) / sizeof(kShapes[0]));

const Shape& shape(int typology) {
    return kShapes[qBound(1, typology, kShapeCount) - 1];
}

} // namespace

int SectionColumns(int typology) {
    return shape(typology).columns;
}

namespace {

SheetParams make() {
    SheetParams p;
    p.name = "sezioni";
    p.caption = "Ponteluma: calcoli di momenti d'inerzia di sezioni regolari";
    p.figureKind = "sezione";
    for (const Shape& s : kShapes)
        p.typologies << QString::fromUtf8(s.name);
    p.computeItem = "sezione";
    p.numberHead = "sezione";
    p.numberTip = "numero d'ordine della sezione";
    p.dataGroupTip = "dati necessari alla elaborazione";
    p.resultGroupTip = "risultati di ogni singola sezione";
    p.figureTip = "figura della sezione da calcolare";

    p.data = {
        {"B", "Label1", "vedi disegno", "", Quantity::SectionLength, "", 1, "dato 1"},
        {"h", "Label2", "vedi disegno", "", Quantity::SectionLength, "", 2, "dato 2"},
        {"spess", "Label3", "vedi disegno", "", Quantity::SectionLength, "", 3, "dato 3"},
        {"hmin", "Label4", "vedi disegno", "", Quantity::SectionLength, "", 4, "dato 4"},
    };
    p.results = {
        {"mom", "Label18", "mom.inerzia", "Label19", "I=cm4", "momento d'inerzia della sezione",
         "I", Quantity::SectionInertia, 0},
        {"ass", "Label16", "a.neutro", "Label17", "E=cm",
         "distanza dell'asse neutro dalla fibra più lontana", "E", Quantity::SectionLength, 1},
        {"res", "label111", "m.resistenza", "Label22", "W=I/E cm3",
         "momento di resistenza della sezione (W=I/E)", "W", Quantity::SectionModulus, 0},
        {"ass1", "Label10", "a.neutro", "Label12", "E'=cm",
         "distanza dell'asse neutro dalla fibra più vicina", "E'", Quantity::SectionLength, 1},
        {"res1", "Label14", "m.resistenza", "Label15", "W'=I/E' cm3",
         "momento di resistenza della sezione (W=I/E')", "W'", Quantity::SectionModulus, 0},
        {"sup", "Label6", "area", "Label9", "A=cm2", "area della sezione", "A",
         Quantity::SectionArea, 1},
    };

    p.uses = [](int typology, int column) { return column <= SectionColumns(typology); };
    p.layout = [](int typology, Sheet& sheet) {
        const Shape& s = shape(typology);
        for (int c = 0; c < 4; ++c) {
            if (s.heads[c])
                sheet.setDataHead(c + 1, QString::fromUtf8(s.heads[c]));
        }
    };
    p.calculate = [](Sheet& sheet, int typology, const CalcSettings&) {
        return CalculateSections(sheet, typology); // one method only
    };
    p.field = SectionField;

    p.words.item = "Sezione";
    p.words.itemOf = "della sezione";
    p.words.plural = "sezioni";
    p.words.full = "Siamo già a 100 sezioni: non è possibile aggiungerne delle altre.";
    p.words.firstHint = "Aprire un file archiviato o iniziare l'immissione digitando il valore "
                        "del dato della prima colonna della prima sezione.";
    p.words.checkScope =
        "- il controllo viene effettuato solo sulle sezioni per le quali esiste tale dato.";
    p.words.help = StandardHelp("le sezioni successive", "della sezione", "il tipo di sezione");
    p.words.windowName = "Sezioni";
    p.words.archiveOf = "delle sezioni";
    p.words.totalCaption = "Totale sezioni digitate n.";

    p.archive.prefix = "Ponteluma-sez-";
    p.archive.records = [](int typology) {
        std::vector<std::vector<int>> records;
        for (int column = 1; column <= SectionColumns(typology); ++column)
            records.push_back({column});
        return records;
    };

    p.report.title = "PONTELUMA - calcolo di momenti d'inerzia di sezioni";
    p.report.legend = [](const Sheet& sheet) {
        return QStringList{
            "sezione = numero della sezione calcolata",
            "dato 1  = " + sheet.dataHead(1),
            "dato 2  = " + sheet.dataHead(2),
            "dato 3  = " + sheet.dataHead(3),
            "dato 4  = " + sheet.dataHead(4),
            "I       = momento d'inerzia",
            "E       = distanza dell'asse neutro dalle fibre più lontane",
            "W       = momento di resistenza I/E",
            "E'      = distanza dell'asse neutro dalle fibre più vicine",
            "W'      = momento di resistenza I/E'",
            "A       = area della sezione",
        };
    };
    p.report.heads = [](const Sheet&) {
        return std::vector<ReportLine>{
            {{6, "sezione   dato 1    dato 2    dato 3    dato 4      I         E         W    "
                 "     E'        W'        A"}},
            {{6, "   n        cm        cm        cm        cm       cm4        cm       cm3   "
                 "     cm       cm3       cm2"}},
        };
    };
    p.report.numberEnd = 10;
    p.report.align = ReportAlign::Decimal;
    p.report.columns = {
        {false, 1, 19, false}, {false, 2, 29, true},  {false, 3, 39, true}, {false, 4, 49, true},
        {true, 1, 60, false},  {true, 2, 68, false},  {true, 3, 79, false}, {true, 4, 89, true},
        {true, 5, 99, true},   {true, 6, 108, false},
    };
    DescribeSectionsReport(p.report);
    p.helpPage = "guidasezioni";
    p.help = sectionsHelpPage();
    // Its group in the main window, its toolbar button, menu item and help entry.
    p.presentation = {"sez",
                      "Momenti d'inerzia",
                      "Apre una finestra per il calcolo dei momenti d'inerzia e di "
                      "resistenza in sezioni regolari.",
                      20,
                      144,
                      "Finestra &Sezioni",
                      "S",
                      "visualizza finestra 'Sezioni'",
                      " Finestra Sezioni"};
    return p;
}

} // namespace

const SheetParams& sectionsParams() {
    static const SheetParams params = make();
    return params;
}
