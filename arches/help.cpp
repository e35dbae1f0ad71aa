#include "arches/params.h"

// The help page of the window: what it computes, how it is used and what its results mean.
// A change of the window's behaviour is mirrored here.
WindowHelp archesHelpPage() {
    return {
        "FINESTRA ARCHI",
        "La finestra Archi calcola le componenti delle reazioni e i momenti di archi simmetrici. "
        "A è il vincolo di sinistra, B quello di destra, C la chiave in mezzeria.\n\n"
        "Tipologie: da 1 a 5 arco a tre cerniere, da 6 a 10 arco a due cerniere, da 11 a 15 arco "
        "incastrato. Per ogni arco cinque condizioni di carico: forza verticale concentrata P alla "
        "distanza a da A; forza orizzontale concentrata F all'altezza h (negli archi a due "
        "cerniere e incastrati anche alla distanza a); carico verticale p ripartito sulla metà "
        "sinistra della luce; carico verticale p ripartito su tutta la luce; carico orizzontale q "
        "ripartito sull'altezza della freccia.\n\n"
        "Dati di ogni riga: luce l in m; carico (car. P o car. F in kg, car. p o car. q in kg/m, "
        "secondo la tipologia); distanza a in m; altezza h in m della forza orizzontale sopra la "
        "corda che unisce i vincoli; freccia f in m. Le colonne che la tipologia non usa sono "
        "grigie. Luce, carico e freccia non possono essere nulli: un valore minore di 0,01 vale "
        "zero e il calcolo si ferma a quella riga.\n\n"
        "Risultati, interi arrotondati dal mezzo in su: le reazioni verticali ya e yb e le "
        "componenti orizzontali xa e xb in kg; i momenti Ma e Mb nei vincoli e Mc in chiave in "
        "kgm. Quando l'intestazione mostra solo «y» o «x», il valore vale per entrambi i "
        "vincoli.\n\n"
        "Le formule segnate con l'asterisco nell'intestazione (per esempio «x *» o «Mc *») "
        "valgono solo per l'arco di forma parabolica con momento d'inerzia variabile secondo la "
        "legge I·cos φ costante, trascurando l'accorciamento della linea d'asse; per un arco di "
        "altra forma quei risultati non sono validi. Lo ricorda la scritta sotto la tabella.\n\n"
        "Con il carico concentrato alcune formule valgono solo se il carico è nella metà sinistra "
        "dell'arco: una nota sotto la tabella indica il limite, per esempio «La formula di x è "
        "valida per a<=m. 5 (l/2)» per una luce di 10 m. Le intestazioni dei risultati e la nota "
        "seguono l'ultima riga calcolata.\n\n"
        "Cambiare tipologia con la casella di scelta svuota il foglio (lo riporta com'era "
        "«Modifica > Annulla»). I file hanno il prefisso «Ponteluma-arc-»."};
}
