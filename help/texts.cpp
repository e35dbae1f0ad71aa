#include "help/texts.h"

#include "sheet/params.h"
#include "sheetwindow/host.h"

// The pages are the program's own documentation: they describe what the windows
// really do, so a change of behaviour in a window should be mirrored here.

namespace {

struct RawText {
    const char* name;
    const char* title;
    const char* text;
};

const RawText kPages[] = {
    {"manuale", "MANUALE D'USO RAPIDO",
     "Questo manuale accompagna il primo uso di Ponteluma, dall'avvio alla stampa dei "
     "risultati.\n\n"
     "1. Avvio. All'apertura compare la finestra di presentazione, accompagnata da una musica. "
     "Un clic in un punto qualsiasi della finestra ferma la musica e apre la finestra Menu.\n\n"
     "2. Scelta del calcolo. La finestra Menu elenca le tipologie di calcolo in cinque gruppi: "
     "sezioni, travi semplici, travi continue, archi e piastre. Passando con il mouse su un "
     "gruppo, la barra di stato in basso descrive il calcolo. Un clic su una tipologia, per "
     "esempio «appoggio + ripartito» tra le travi semplici, apre la finestra di calcolo già "
     "predisposta: la figura a lato mostra vincoli e carichi, le intestazioni delle colonne "
     "dicono quali dati servono e in quali unità di misura.\n\n"
     "3. Immissione dei dati. Ogni riga del foglio è un caso di calcolo. Cliccare nella "
     "casella bianca della prima colonna della riga 1 e digitare il valore, usando la virgola "
     "per i decimali (6 oppure 5,40; un numero minore di uno si scrive 0,5). Il tasto Tab "
     "passa alla casella successiva; dopo l'ultima riga in uso porta alla casella di scelta "
     "della tipologia e ai tasti in basso, poi torna alla prima casella. I risultati compaiono "
     "nelle caselle azzurre appena i dati della riga sono completi e si aggiornano a ogni "
     "tasto premuto. La casella gialla in basso indica sempre il dato che manca; le caselle "
     "grigie non servono alla tipologia scelta. Proseguire con le righe 2, 3 e seguenti senza "
     "lasciare righe vuote: la barra di scorrimento a destra mostra le righe oltre la decima, "
     "fino a 100.\n\n"
     "4. Correzioni. Per correggere un dato basta digitarlo di nuovo. Il tasto con la X "
     "cancella la riga; un clic sul numero della riga ne inserisce una copia. Dalla tastiera, "
     "«Modifica > Inserisci copia della riga» (Ctrl+Ins) mette una copia della riga della "
     "casella attiva sopra di essa e «Modifica > Elimina riga» (Ctrl+Canc) la elimina. "
     "«Modifica > Annulla» (Ctrl+Z) toglie l'ultima modifica e ne dice il nome («Annulla "
     "digitazione», «Annulla incolla righe», «Annulla intestazione»); «Modifica > "
     "Ripristina» (Ctrl+Y) la rifà («Ripristina intestazione»). "
     "La tipologia si cambia con la casella di scelta accanto alla figura, "
     "che svuota il foglio: anche questo si annulla.\n\n"
     "5. Controllo. «Modifica > Controlla dati immessi» (il tasto ABC della barra degli "
     "strumenti) esamina tutte le righe: se manca un dato indica la riga e la colonna e porta "
     "la riga in vista, altrimenti conferma il numero delle righe complete.\n\n"
     "6. Archiviazione. Ogni finestra ha il suo file, il cui nome compare nel titolo della "
     "finestra. Con «File > Salva con nome» si sceglie il nome, che conviene far cominciare "
     "con il prefisso della finestra (per le travi semplici «Ponteluma-trav-»); «File > Salva» "
     "(Ctrl+S) riscrive poi lo stesso file. Il file viene scritto solo se il controllo non "
     "trova dati mancanti. Con «File > Apri» (Ctrl+O) i dati si riprendono in un secondo "
     "tempo.\n\n"
     "7. Stampa. «File > Stampa» (Ctrl+P) apre la scelta della stampante; confermando si "
     "ottiene una relazione con la tipologia, la legenda delle colonne e la tabella dei dati "
     "e dei risultati di tutte le righe, con il numero di pagina in fondo a ogni foglio. Nelle "
     "finestre delle travi semplici e continue il diagramma sotto la griglia mostra taglio e "
     "momento della riga in uso con il controllo di equilibrio; «File > Stampa con "
     "diagrammi» aggiunge alla relazione i diagrammi di tutte le righe.\n\n"
     "8. Altri programmi. «Modifica > Copia tabella» porta dati e risultati in un foglio "
     "elettronico e «Modifica > Incolla righe» li riprende; «File > Esporta tabella» li "
     "scrive in un file CSV. Senza aprire le finestre, ponteluma compute FILE calcola un "
     "archivio e ponteluma report FILE --pdf OUT ne scrive la relazione.\n\n"
     "9. Uscita. Il tasto USCITA chiede conferma, perché i dati non archiviati vanno persi. Si "
     "torna alla finestra di presentazione: premendo un tasto qualsiasi il programma si "
     "chiude.\n\n"
     "Ogni finestra ha la sua pagina della guida, che si apre con F1 o con «? > Guida della "
     "finestra»; il tasto Guida in linea mostra il sommario di tutte le pagine."},

    {"guidafunzionamento", "FUNZIONAMENTO DEL PROGRAMMA",
     "Ponteluma esegue i calcoli più frequenti nel progetto delle strutture portanti: momenti "
     "d'inerzia e di resistenza di sezioni regolari, momenti e tagli di travi semplici, momenti "
     "e reazioni di travi continue, reazioni e momenti di archi, momenti di piastre "
     "rettangolari e circolari.\n\n"
     "Il programma si apre con la finestra di presentazione; un clic su di essa apre la "
     "finestra Menu, che elenca tutte le tipologie di calcolo in cinque gruppi. Un clic su una "
     "tipologia apre la finestra di calcolo già predisposta per essa; i tasti generali la "
     "aprono così come era stata lasciata. Le finestre di calcolo conservano i loro dati fino "
     "all'uscita dal programma, anche quando sono nascoste.\n\n"
     "Ogni finestra di calcolo è un foglio di 100 righe numerate, dieci visibili alla volta; la "
     "barra di scorrimento verticale mostra le altre. Ogni riga è un caso di calcolo (una "
     "sezione, una trave, un arco, una piastra). La tipologia vale per tutto il foglio ed è "
     "indicata dalla figura, dal numero e dalla casella di scelta, con la quale si può cambiare "
     "(il cambio svuota il foglio).\n\n"
     "Le caselle bianche sono i dati da digitare; le grigie sono dati che la tipologia non "
     "richiede; le caselle azzurre contengono i risultati, ricalcolati a ogni tasto premuto e "
     "arrotondati. I numeri si scrivono con le sole cifre e la virgola per i decimali; un "
     "carattere diverso annulla il dato con un messaggio. Le righe si riempiono in ordine, "
     "senza lasciarne di vuote, cominciando ciascuna dal dato della prima colonna. La casella "
     "gialla in basso indica sempre il prossimo dato da digitare.\n\n"
     "Passando con il mouse sul numero di una riga, la riga si evidenzia in giallo; un clic sul "
     "numero inserisce una copia della riga; il tasto con la X la cancella.\n\n"
     "I comandi sono nei menu File (Apri, Salva, Salva con nome, Elimina, Esporta tabella, "
     "Intestazione, Stampa e, nelle finestre delle travi, Stampa con diagrammi, Stampa "
     "semplice, Esci), Modifica (Annulla, "
     "Ripristina, Inserisci copia della riga, Elimina riga, Colore di sfondo, Controlla dati "
     "immessi, Cancella dati finestra, Copia tabella, Incolla righe), Visualizza (le sei "
     "finestre del programma) e ? (la guida della finestra, Guida in linea, Suggerimenti, "
     "Supporto prodotto, Informazioni su Ponteluma). Ogni voce si raggiunge anche dalla "
     "tastiera con Alt e la lettera sottolineata: Alt+F, poi S, salva il foglio. La barra "
     "degli strumenti ripete i comandi principali: lasciando il mouse su un tasto ne compare "
     "la descrizione. Il tasto ABC controlla i dati; il colore di sfondo può essere un grigio "
     "riposante per tutte le finestre o un colore scelto per la sola finestra attiva.\n\n"
     "Tasti delle finestre di calcolo: Tab e Shift+Tab passano da una casella all'altra "
     "delle righe in uso, poi alla casella di scelta della tipologia e ai tasti in basso, e "
     "tornano alla prima casella; le frecce su e giù passano alla stessa colonna della riga "
     "sopra o sotto; PgSu e PgGiù scorrono di dieci righe, Ctrl+Home e Ctrl+Fine portano "
     "alla prima e all'ultima riga in uso; Ctrl+Ins e Ctrl+Canc inseriscono una copia della "
     "riga ed eliminano la riga; Ctrl+Z e Ctrl+Y annullano e ripristinano; Ctrl+O, Ctrl+S, "
     "Ctrl+Shift+S e Ctrl+P aprono, salvano, salvano con nome e stampano; F1 apre la pagina "
     "della guida della finestra. Il punto del tastierino numerico scrive la virgola; sulla "
     "casella di scelta chiusa le frecce aprono l'elenco delle tipologie.\n\n"
     "I tasti in basso aprono il Menu, un breve aiuto (AIUTO), il sommario della guida (Guida "
     "in linea) ed eseguono l'uscita (USCITA), che chiede sempre conferma perché i dati non "
     "archiviati vanno persi."},

    {"guidaarchivio", "ARCHIVIO DATI",
     "I dati di ogni finestra si possono conservare in un file di testo e "
     "riprendere in seguito. Il file contiene la tipologia, il numero delle righe e i dati "
     "digitati così come sono stati scritti, virgola compresa; i risultati non vengono "
     "archiviati, perché il programma li ricalcola.\n\n"
     "Ogni finestra ha un prefisso proprio per il nome dei file: «Ponteluma-sez-» per le "
     "sezioni, «Ponteluma-trav-» per le travi semplici, «Ponteluma-cont-» per le travi "
     "continue, «Ponteluma-arc-» per gli archi, «Ponteluma-piastr-» per le piastre. Conviene "
     "un nome che cominci con il prefisso, per esempio "
     "Ponteluma-trav-solaio2: le finestre di scelta dei file mostrano solo quei file. Al nome non "
     "viene aggiunta alcuna estensione.\n\n"
     "Unità di misura: un foglio in SI (kN, mm) aggiunge alla prima riga il contrassegno "
     "\"SI\" (3,2,\"SI\") e si riapre in SI; un file senza contrassegno è in unità tecniche "
     "(kg, cm), uno con un altro contrassegno viene rifiutato.\n\n"
     "Ogni finestra ha il suo file corrente: il nome dell'ultimo file aperto "
     "o salvato nella finestra compare nel suo titolo, ed è quello che Salva riscrive. Aprire "
     "o salvare un file in una finestra non cambia il file delle altre.\n\n"
     "I comandi sono nel menu File e nei primi quattro tasti della barra degli strumenti.\n\n"
     "«File > Apri» (Ctrl+O): chiede il file e ne legge la tipologia e i dati, che prendono il "
     "posto di quelli del foglio; la finestra si dispone per quella tipologia, mostra le righe "
     "a partire dalla prima e ricalcola subito i risultati. «Modifica > Annulla» lo riporta "
     "com'era.\n\n"
     "«File > Salva» (Ctrl+S): prima di scrivere esegue il controllo dei dati immessi; se una "
     "riga è incompleta compare il messaggio del controllo e non viene salvato nulla. Riscrive "
     "senza chiedere il file nominato nel titolo; se la finestra non ne ha ancora uno, chiede "
     "il nome come Salva con nome.\n\n"
     "«File > Salva con nome» (Ctrl+Shift+S): esegue lo stesso controllo e chiede sempre il "
     "nome; un file esistente viene sostituito senza altre domande, con il proprietario e i "
     "permessi che aveva. Un file protetto in scrittura non viene sostituito, né un "
     "collegamento simbolico di un altro utente.\n\n"
     "«File > Elimina»: apre la scelta dei file con il titolo «Elimina: seleziona il file "
     "desiderato e clicca su Apri per cancellarlo»; il file scelto viene cancellato subito, "
     "senza ulteriori domande; se non si può cancellare, un messaggio ne dice il motivo. Il "
     "foglio non cambia.\n\n"
     "Fogli elettronici. «Modifica > Copia tabella» (Ctrl+Shift+C) mette negli appunti "
     "titoli, numeri di riga, dati e risultati separati da tabulazioni; «File > Esporta "
     "tabella» li scrive in un file CSV separati da punti e virgola. «Modifica > Incolla "
     "righe» (Ctrl+Shift+V) porta le righe degli appunti nel foglio dalla riga della casella "
     "attiva; un dato con il punto o con una lettera fa rifiutare tutto, indicandone riga e "
     "colonna. La stessa tabella si ottiene con ponteluma compute FILE.\n\n"
     "Annullando la scelta del file il foglio resta com'era. "
     "Un file che non si può leggere, o che non ha la forma di un archivio della finestra, "
     "viene segnalato con un messaggio che ne indica il motivo, e il foglio non cambia; allo "
     "stesso modo un messaggio avverte quando un file non può essere scritto. All'uscita dal "
     "programma i dati non archiviati vanno persi."},

    {"guidastampa", "COME STAMPARE",
     "Ogni finestra di calcolo stampa i suoi dati e risultati con «File > Stampa» (Ctrl+P) o "
     "con il tasto «St» della barra degli strumenti («stampa dati finestra»). Compare prima la "
     "finestra di scelta della stampante: confermando, la stampa parte; annullando, non viene "
     "stampato nulla.\n\n"
     "La relazione di calcolo è quella che il progettista firma. Ogni pagina si apre con "
     "l'intestazione: lo studio, il progettista con l'albo e il numero d'iscrizione, "
     "l'indirizzo, il logo se c'è, l'opera e l'elemento calcolato, la data, il nome del file "
     "archiviato e «pagina N di M». Seguono nell'ordine: il programma con la versione, il "
     "metodo di calcolo, l'arrotondamento, le unità di misura e la convenzione dei segni; la "
     "tipologia con la sua figura; le formule applicate, una per riga, con i simboli della "
     "finestra; la tabella dei dati e dei risultati con le intestazioni e le unità della "
     "tipologia e i numeri allineati sulle unità; per le travi la verifica dell'equilibrio di "
     "ogni riga; infine il «Giudizio di accettabilità dei risultati», con i controlli fatti "
     "dal programma e le righe fuori dal campo d'impiego, e lo spazio per la firma del "
     "progettista. Una tabella troppo larga per il foglio verticale (le travi continue) fa "
     "stampare la relazione su fogli orizzontali.\n\n"
     "«File > Intestazione...» chiede lo studio, il progettista, l'albo, l'indirizzo e "
     "un'immagine per il logo, che il programma ricorda anche alle volte successive, e l'opera "
     "e l'elemento del foglio, che vengono archiviati con i dati; «Modifica > Annulla» li "
     "riporta come erano.\n\n"
     "«File > Stampa semplice» stampa invece, in carattere Courier, la sola tabella dei dati e "
     "dei risultati: il titolo del calcolo, la tipologia, la legenda delle colonne e una riga "
     "per ogni caso, fino a 50 righe nella prima pagina e 60 nelle seguenti.\n\n"
     "Vengono stampate tutte le righe digitate, non solo le dieci visibili.\n\n"
     "Nelle finestre Travi semplici e Travi continue, «File > Stampa con diagrammi» stampa la "
     "stessa relazione seguita, due per pagina, dai diagrammi del taglio e del momento di "
     "ogni riga completa, come quello che la finestra mostra sotto la griglia, prima del "
     "giudizio finale.\n\n"
     "Prima di stampare conviene eseguire il controllo dei dati (tasto ABC): il calcolo si "
     "ferma alla prima riga incompleta, e le righe seguenti non avrebbero risultati "
     "aggiornati.\n\n"
     "Anche le pagine della guida si stampano: il tasto Stampa di ogni pagina stampa il titolo "
     "e il testo della pagina, in righe di 70 caratteri (una parola può essere divisa tra due "
     "righe); il tasto Stampa del sommario stampa l'elenco degli argomenti.\n\n"
     "Se la stampante non risponde o segnala un errore, sia per le relazioni sia per le pagine "
     "della guida, un messaggio lo comunica: controllare la stampante e riprovare.\n\n"
     "Per ottenere un file invece della carta scegliere, nella finestra della stampante, la "
     "stampa su file PDF, quando il sistema la offre: per un foglio archiviato il nome "
     "proposto è quello del suo file, con l'estensione .pdf, nella stessa cartella. Senza "
     "aprire le finestre, ponteluma report FILE --pdf OUT scrive la relazione di un archivio "
     "in un file PDF (con --diagrams anche i diagrammi delle travi) e ponteluma report FILE "
     "--text la mostra come testo. I colori delle finestre non vengono stampati."},

    {"guidamenu", "FINESTRA MENU",
     "La finestra Menu («Ponteluma: menu dei calcoli disponibili») si apre con un clic sulla "
     "finestra di presentazione ed è il punto di partenza di ogni calcolo. Contiene cinque "
     "gruppi di caselle, uno per ogni finestra di calcolo; ogni casella porta il nome di una "
     "tipologia:\n\n"
     "- momenti d'inerzia: 17 sezioni regolari, dal rettangolo alle sezioni a L, a T e a U;\n"
     "- travi semplici: 20 combinazioni di vincoli (sbalzo, appoggi, appoggio e incastro, "
     "doppio incastro) e di carichi;\n"
     "- travi continue: 10 schemi di travi di due, tre o quattro campate uguali, caricate su "
     "tutte le campate o su alcune;\n"
     "- archi: 15 tipologie di arco a tre cerniere, a due cerniere e incastrato;\n"
     "- piastre: 4 tipologie, rettangolari e circolari, appoggiate o incastrate.\n\n"
     "Un clic su una casella imposta quella tipologia nella finestra di calcolo corrispondente, "
     "la predispone (figura, intestazioni, colonne richieste) e la mostra; la casella non resta "
     "selezionata. Le caselle «a disposizione» non corrispondono ad alcun calcolo: un clic "
     "mostra il messaggio «L'opzione non è disponibile.» e non cambia nulla.\n\n"
     "I tasti generali Momenti d'inerzia, Travi semplici, Travi continue, Archi e Piastre "
     "aprono la finestra di calcolo così come era stata lasciata, con la sua tipologia e i suoi "
     "dati. Le finestre di calcolo restano caricate fino all'uscita dal programma: "
     "nascondendole o passando ad altre finestre i dati digitati non si perdono.\n\n"
     "Muovendo il mouse su un gruppo, la barra di stato in basso descrive il calcolo eseguito "
     "dalla finestra corrispondente.\n\n"
     "Gli altri comandi:\n"
     "- AIUTO: un breve promemoria sull'uso della finestra;\n"
     "- Guida in linea: apre il sommario della guida;\n"
     "- la scritta «Scegliere la tipologia di calcolo cliccando nella rispettiva casella o su "
     "un tasto generale»: un clic apre il manuale d'uso rapido;\n"
     "- USCITA: chiede conferma dell'uscita. Rispondendo Sì si chiudono tutte le finestre, i "
     "dati non archiviati vanno persi e ricompare la finestra di presentazione, sulla quale un "
     "tasto qualsiasi chiude il programma; rispondendo No non cambia nulla.\n\n"
     "Dalle finestre di calcolo si torna al Menu con il tasto Menu, con «Visualizza > Finestra "
     "Menu» o con il tasto della barra degli strumenti «visualizza finestra 'Menu'».\n\n"
     "Unità di misura. In ogni finestra di calcolo «Visualizza > Unità di misura» sceglie le "
     "unità dei fogli nuovi, ricordate anche alle prossime aperture: tecniche (kg, kg/m, kgm, "
     "sezioni in cm) o SI (kN, kN/m, kNm, sezioni in mm). «Modifica > Converti unità» converte "
     "i dati del foglio nell'altro sistema (1 kg = 9,80665 N, 1 cm = 10 mm); Annulla lo riporta "
     "com'era."},

};

const char* kAbout =
    "Ponteluma esegue i calcoli più frequenti nel progetto delle strutture portanti: "
    "caratteristiche di sezioni regolari, travi semplici e continue, archi e piastre. Ogni "
    "finestra è un foglio di cento casi, ricalcolato a ogni dato digitato, che si archivia e "
    "si stampa. I risultati vanno sempre verificati da un tecnico abilitato, che resta "
    "responsabile del progetto.";

const char* kSupport =
    "Per trovare aiuto nell'uso di Ponteluma:\n\n"
    "- la guida in linea: il tasto Guida in linea di ogni finestra apre il sommario, con il "
    "manuale d'uso rapido e una pagina per ogni finestra; ogni pagina si può stampare;\n"
    "- il tasto AIUTO di ogni finestra riassume in poche righe come si usa;\n"
    "- la casella gialla in basso nelle finestre di calcolo indica sempre il prossimo dato da "
    "digitare;\n"
    "- i suggerimenti del giorno (menu ?, voce Suggerimenti) raccolgono consigli brevi;\n"
    "- il controllo dei dati immessi (tasto ABC o menu Modifica) indica la prima riga "
    "incompleta e la porta in vista.\n\n"
    "Se un file di archivio non si apre o dà risultati inattesi:\n"
    "- verificare di averlo aperto nella finestra giusta: il prefisso del nome "
    "(Ponteluma-sez-, Ponteluma-trav-, Ponteluma-cont-, Ponteluma-arc-, Ponteluma-piastr-) "
    "indica la finestra che l'ha scritto;\n"
    "- non modificare il file a mano: la prima riga contiene la tipologia e il numero delle "
    "righe, le altre i dati tra virgolette;\n"
    "- per segnalare il problema a chi vi ha fornito il programma, annotare la finestra, la "
    "tipologia, il testo esatto dell'eventuale messaggio e i passi eseguiti, e allegare una "
    "copia del file.";

} // namespace

const std::vector<HelpText>& helpTexts() {
    static const std::vector<HelpText> pages = [] {
        std::vector<HelpText> out;
        for (const RawText& raw : kPages)
            out.push_back({QString::fromUtf8(raw.name), QString::fromUtf8(raw.title),
                           QString::fromUtf8(raw.text)});
        // Then each window's own page, in the order of the list of windows.
        for (const SheetParams* window : sheetHost().windows)
            out.push_back({window->helpPage, QString::fromUtf8(window->help.title),
                           QString::fromUtf8(window->help.text)});
        return out;
    }();
    return pages;
}

const HelpText* helpText(const QString& name) {
    for (const HelpText& page : helpTexts())
        if (page.name == name)
            return &page;
    return nullptr;
}

QString aboutText() {
    return QString::fromUtf8(kAbout);
}

QString supportText() {
    return QString::fromUtf8(kSupport);
}
