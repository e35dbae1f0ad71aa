#include "beams/params.h"

#include "sheet/rules.h"

namespace {

SheetParams make() {
    SheetParams p;
    p.kind = ModPonteluma::Travi;
    p.name = "travi";
    p.caption = "Ponteluma: calcoli di travi semplici";
    p.figureKind = "trave";
    p.position = 3;
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
        {"dat1", "label1", "luce", "mis1", "m", "luce della trave (vedi disegno)", 1, "luce"},
        {"dat2", "label2", "", "mis2", "", "carico concentrato o ripartito (vedi disegno)", 2,
         "dato 2"},
        {"dat3", "label3", "", "mis3", "", "vedi disegno", 3, "dato 3"},
    };
    p.results = {
        {"mom1", "labelA", "momento A", "umom1", "kgm", "momento nel vincolo A", "mom.A"},
        {"mom2", "labelB", "momento B", "umom2", "kgm", "momento nel vincolo B", "mom.B"},
        {"mommax", "labelM", "momento max", "umommax", "kgm", "momento massimo in campata",
         "mom.c"},
        {"tagl1", "labelTA", "taglio A", "utagl1", "kg", "taglio nel vincolo A", "taglio A"},
        {"tagl2", "labelTB", "taglio B", "utagl2", "kg", "taglio nel vincolo B", "taglio B"},
    };
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
    p.words.totalCaption = "Totale travi digitate n.";
    p.archive.prefix = "Ponteluma-trav-";
    p.helpPage = "guidatravi";
    return p;
}

} // namespace

const SheetParams& beamsParams() {
    static const SheetParams params = make();
    return params;
}
