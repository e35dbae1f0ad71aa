#include "plates/params.h"

// The help page of the window: what it computes, how it is used and what its results mean.
// A change of the window's behaviour is mirrored here.
WindowHelp platesHelpPage() {
    return {
        "FINESTRA PIASTRE",
        "La finestra Piastre calcola i momenti flettenti di piastre soggette a un carico "
        "uniformemente ripartito.\n\n"
        "Tipologie: 1 piastra rettangolare appoggiata sui quattro lati; 2 piastra rettangolare "
        "incastrata sui quattro lati; 3 piastra circolare appoggiata lungo il bordo; 4 piastra "
        "circolare incastrata.\n\n"
        "Dati di ogni riga (una piastra): lato lx in m, il lato corto, oppure il raggio R per le "
        "piastre circolari; lato ly in m, il lato lungo, solo per le piastre rettangolari (per "
        "quelle circolari la colonna è grigia); carico p uniformemente ripartito, in kg al metro "
        "quadrato (kg/m2).\n\n"
        "Risultati, in kgm per metro di larghezza (kgm/m), interi arrotondati dal mezzo in su: Mx "
        "e "
        "My, "
        "momenti in mezzeria paralleli ai lati lx e ly, positivi; mx e my, momenti d'incastro ai "
        "bordi, negativi, nulli per le piastre appoggiate.\n\n"
        "Per le piastre rettangolari ogni momento è un coefficiente per p·lx². Il coefficiente si "
        "legge da una tabella in base al rapporto ly/lx (1; 1,05; 1,1; 1,15; 1,2; 1,25; 1,3; 1,4; "
        "1,5; 1,75; 2) senza interpolare: per un rapporto compreso tra due valori si prende, per "
        "ciascun momento, il coefficiente che dà il valore maggiore, a favore della sicurezza. "
        "Oltre il rapporto 2 la piastra è calcolata come una striscia che porta nella direzione "
        "lx: p·lx²/8 se appoggiata; p·lx²/24 in mezzeria e p·lx²/12 all'incastro se incastrata. "
        "Come lx va quindi digitato il lato più corto: un rapporto minore di 1 non viene "
        "scambiato.\n\n"
        "Per le piastre circolari: appoggiata, Mx = My = 3·p·R²/16; incastrata, Mx = My = "
        "p·R²/16 e mx = my = -p·R²/8.\n\n"
        "Nella casella di scelta, il passaggio tra appoggiata e incastrata della stessa forma "
        "conserva i dati e ricalcola subito, così da confrontare i momenti; il passaggio tra "
        "rettangolare e circolare svuota il foglio.\n\n"
        "I file hanno il prefisso «Ponteluma-piastr-»; nella stampa delle piastre circolari la "
        "colonna del lato ly riporta un trattino."};
}
