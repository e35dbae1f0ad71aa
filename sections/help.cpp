#include "sections/params.h"

// The help page of the window: what it computes, how it is used and what its results mean.
// A change of the window's behaviour is mirrored here.
WindowHelp sectionsHelpPage() {
    return {
        "FINESTRA SEZIONI",
        "La finestra Sezioni calcola le caratteristiche geometriche di sezioni regolari; tutte le "
        "misure sono in centimetri. Per ogni riga (una sezione) si digitano da uno a quattro dati "
        "e si ottengono:\n"
        "- I (cm4): momento d'inerzia rispetto all'asse orizzontale baricentrico;\n"
        "- E (cm): distanza dell'asse neutro dalla fibra più lontana;\n"
        "- W = I/E (cm3): momento di resistenza;\n"
        "- E' (cm) e W' = I/E' (cm3): distanza dalla fibra più vicina e relativo momento di "
        "resistenza, calcolati solo per le sezioni non simmetriche rispetto all'asse: triangolo "
        "isoscele, semitondo, sezione a L, a T, a U;\n"
        "- A (cm2): area.\n"
        "I, W e W' sono arrotondati all'unità, E, E' e A a un decimale, sempre dal mezzo in su.\n\n"
        "Tipologie e dati (colonne da 1 a 4):\n"
        "1 rettangolo: base B, altezza H;\n"
        "2 doppio T senza ala: base B, altezza H, altezza interna h;\n"
        "3 quadrato e 4 rombo (quadrato su un vertice): lato B;\n"
        "5 quadrato tubolare e 6 rombo tubolare: lato esterno B, lato interno b;\n"
        "7 triangolo isoscele: base B, altezza H;\n"
        "8 esagono su angolo e 9 esagono su lato: R, lato dell'esagono, uguale al raggio del "
        "cerchio circoscritto;\n"
        "10 trapezio isoscele: base minore B, altezza H, sporgenza b/2 di ciascun lato (la base "
        "maggiore vale B + b); E è misurata dalla base minore;\n"
        "11 tondo: diametro D; 12 tubo: diametri esterno D e interno d;\n"
        "13 semitondo: raggio R;\n"
        "14 ellisse: base B e altezza H (i due assi);\n"
        "15 sezione a C e doppio T: rettangolo d'ingombro B per H, meno la parte vuota b per h;\n"
        "16 sezione a croce e ad H: somma dei rettangoli B per H e b per h;\n"
        "17 sezione a L, a T, a U: ala di larghezza B e spessore h, altezza totale H, spessore "
        "complessivo delle anime b; E' è misurata dal lembo esterno dell'ala.\n"
        "Le colonne che la tipologia non usa sono grigie; la figura mostra il significato di ogni "
        "dato.\n\n"
        "Cambiare la sezione con la casella di scelta svuota il foglio (lo riporta com'era "
        "«Modifica > Annulla»). I file hanno il prefisso «Ponteluma-sez-». Nella stampa i dati non "
        "usati e i "
        "valori E' e W' non calcolati compaiono come trattini."};
}
