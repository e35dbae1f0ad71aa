#include "arches/params.h"

#include "sheet/rules.h"

namespace {

SheetParams make() {
    SheetParams p;
    p.kind = ModPonteluma::Archi;
    p.name = "archi";
    p.caption = "Ponteluma: calcoli di archi";
    p.figureKind = "arco";
    p.position = 5;
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
        {"luc", "label1", "luce l", "mis1", "m", "luce dell'arco (vedi disegno)", 1, "luce"},
        {"car", "label2", "carico", "mis2", "kg", "carico concentrato o ripartito (vedi disegno)",
         2, "carico"},
        {"dist", "label3", "dist. a", "mis3", "m", "distanza del carico concentrato (vedi disegno)",
         3, "dist."},
        {"alt", "label4", "alt. h", "mis4", "m", "altezza del carico concentrato (vedi disegno)", 4,
         "alt."},
        {"frec", "label5", "frecc.f", "mis5", "m", "freccia f (vedi disegno)", 4, "frecc."},
    };
    p.results = {
        {"ya", "lbya", "ya", "uya", "kg", "reazione ya o y (vedi disegno)", "ya"},
        {"yb", "lbyb", "yb", "uyb", "kg", "reazione yb (vedi disegno)", "yb"},
        {"xa", "lbxa", "xa", "uxa", "kg",
         "componente xa o x della reazione vincolare (vedi disegno)", "xa"},
        {"xb", "lbxb", "xb", "uxb", "kg", "compenente xb della reazione vincolare (vedi disegno)",
         "xb"},
        {"momA", "lbma", "Ma", "umomA", "kgm", "momento nel vincolo A (vedi disegno)", "Ma"},
        {"momB", "lbmb", "Mb", "umomB", "kgm", "momento nel vincolo B (vedi disegno)", "Mb"},
        {"momC", "lbmc", "Mc", "umomC", "kgm", "momento nel vincolo C (vedi disegno)", "Mc"},
    };
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
    p.words.totalCaption = "Totale archi digitati n.";
    p.archive.prefix = "Ponteluma-arc-";
    p.helpPage = "guidaarchi";
    return p;
}

} // namespace

const SheetParams& archesParams() {
    static const SheetParams params = make();
    return params;
}
