#include "continuous/params.h"

// The help page of the window: what it computes, how it is used and what its results mean.
// A change of the window's behaviour is mirrored here.
WindowHelp continuousHelpPage() {
    return {
        "FINESTRA TRAVI CONTINUE",
        "La finestra Travi continue calcola travi continue di due, tre o quattro campate di "
        "uguale luce, con un carico uniformemente ripartito su tutte le campate o su alcune. Gli "
        "appoggi sono indicati da sinistra con le lettere A, B, C, D, E; le campate sono A-B, B-C, "
        "C-D e D-E.\n\n"
        "Dati di ogni riga (una trave): la luce di ciascuna campata in m e il carico ripartito in "
        "kg/m sulle campate caricate. Entrambi i dati servono in ogni tipologia.\n\n"
        "Tipologie: 1 e 2, due campate, caricate entrambe o la sola A-B; da 3 a 6, tre campate, "
        "caricate tutte, A-B e C-D, la sola B-C, A-B e B-C; da 7 a 10, quattro campate, caricate "
        "tutte, B-C e C-D, A-B, B-C e D-E, A-B e C-D. La figura mostra le campate caricate.\n\n"
        "Risultati: i momenti massimi nelle campate A-B, B-C, C-D, D-E e i momenti sugli appoggi "
        "mom.B, mom.C, mom.D in kgm; le reazioni Ra, Rb, Rc, Rd, Re in kg. Sono ottenuti con i "
        "coefficienti tabellari delle travi a campate uguali: ogni momento vale q·l² diviso un "
        "coefficiente, ogni reazione un coefficiente per q·l. Tutti i risultati sono interi "
        "arrotondati dal mezzo in su; le colonne delle campate e degli appoggi che la trave non "
        "ha restano vuote.\n\n"
        "Segni: i momenti in campata sono positivi, quelli sugli appoggi negativi; le reazioni "
        "sono positive verso l'alto e negative quando l'appoggio deve trattenere la trave "
        "(sollevamento accanto a una campata scarica). Nelle travi simmetriche la campata "
        "speculare mostra il suo momento, uguale a quello della campata corrispondente; una "
        "campata di estremità scarica mostra 0, il suo vero massimo positivo. Nella tipologia 4 la "
        "campata centrale, scarica, ha momento costante "
        "uguale a mom.B.\n\n"
        "Passando con il mouse sul momento di una campata compare la distanza della sezione di "
        "momento massimo dall'appoggio indicato, in metri con due decimali; la casella del "
        "momento si colora di giallo.\n\n"
        "Sotto la griglia la finestra disegna la riga in uso: la trave con gli appoggi e le "
        "campate caricate, il taglio V e il momento M, con i valori sugli appoggi e nei massimi "
        "di campata, e il controllo di equilibrio (verde fino all'1 %, arancione oltre). «File > "
        "Stampa con diagrammi» aggiunge alla relazione i diagrammi di tutte le righe.\n\n"
        "Cambiare tipologia con la casella di scelta svuota il foglio (lo riporta com'era "
        "«Modifica > Annulla»). I file hanno il prefisso «Ponteluma-cont-»."};
}
