#include "plates/params.h"

#include "sheet/rules.h"

namespace {

SheetParams make() {
    SheetParams p;
    p.kind = ModPonteluma::Piastre;
    p.name = "piastre";
    p.caption = "Ponteluma: calcoli di piastre";
    p.figureKind = "piastra";
    p.position = 6;
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
        {"dat1", "label1", "lato lx", "mis1", "m", "lato lx (vedi disegno)", 1, "lato lx"},
        {"dat2", "label2", "lato ly", "mis2", "m", "lato ly (vedi disegno)", 2, "lato ly"},
        {"dat3", "label3", "carico p", "mis3", "kg", "carico ripartito", 3, "carico"},
    };
    p.results = {
        {"mom1", "labelMx", "momento Mx", "umom1", "kgm",
         "momento flettente in mezzeria parallelamente alla direzione x", "mom.Mx"},
        {"mom2", "labelMy", "momento My", "umom2", "kgm",
         "momento flettente in mezzeria parallelamente alla direzione y", "mom.My"},
        {"mom3", "labelmx", "momento mx", "umom3", "kgm",
         "momento d'incastro parallelamente alla direzione x", "mom.mx"},
        {"mom4", "labelmy", "momento my", "umom4", "kgm",
         "momento d'incastro parallelamente alla direzione y", "mom.my"},
    };
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
    p.words.totalCaption = "Totale piastre digitate n. ";
    p.archive.prefix = "Ponteluma-piastr-";
    p.helpPage = "guidapiastre";
    return p;
}

} // namespace

const SheetParams& platesParams() {
    static const SheetParams params = make();
    return params;
}
