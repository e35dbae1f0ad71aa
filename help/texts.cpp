#include "help/texts.h"

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
     "per i decimali (6 oppure 5,40; un numero minore di uno si scrive 0,5). Passare con il "
     "mouse alle colonne successive. I risultati compaiono nelle caselle azzurre appena i dati "
     "della riga sono completi e si aggiornano a ogni tasto premuto. La casella gialla in basso "
     "indica sempre il dato che manca; le caselle grigie non servono alla tipologia scelta. "
     "Proseguire con le righe 2, 3 e seguenti senza lasciare righe vuote: la barra di "
     "scorrimento a destra mostra le righe oltre la decima, fino a 100.\n\n"
     "4. Correzioni. Per correggere un dato basta digitarlo di nuovo. Il tasto con la X "
     "cancella la riga; un clic sul numero della riga ne inserisce una copia subito sotto. La "
     "tipologia si cambia con la casella di scelta accanto alla figura, che svuota il "
     "foglio.\n\n"
     "5. Controllo. Il tasto ABC della barra degli strumenti (oppure Modifica, Controlla dati "
     "immessi) esamina tutte le righe: se manca un dato indica la riga e la colonna e porta la "
     "riga in vista, altrimenti conferma il numero delle righe complete.\n\n"
     "6. Archiviazione. Con File, Salva con nome si sceglie il nome del file, che conviene far "
     "cominciare con il prefisso della finestra (per le travi semplici «Ponteluma-trav-»). Il "
     "file viene scritto solo se il controllo non trova dati mancanti. Con File, Apri i dati si "
     "riprendono in un secondo tempo.\n\n"
     "7. Stampa. File, Stampa (o il tasto con la stampante) apre la scelta della stampante; "
     "confermando si ottiene una relazione con la tipologia, la legenda delle colonne e la "
     "tabella dei dati e dei risultati di tutte le righe, con il numero di pagina in fondo a "
     "ogni foglio.\n\n"
     "8. Uscita. Il tasto USCITA chiede conferma, perché i dati non archiviati vanno persi. Si "
     "torna alla finestra di presentazione: premendo un tasto qualsiasi il programma si "
     "chiude.\n\n"
     "Ogni finestra ha la sua pagina della guida; il tasto Guida in linea mostra il sommario di "
     "tutte le pagine."},

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
     "numero inserisce sotto di essa una copia della riga; il tasto con la X la cancella.\n\n"
     "I comandi sono nei menu File (Apri, Salva, Salva con nome, Elimina, Stampa, Esci), "
     "Modifica (Colore di sfondo, Controlla dati immessi, Cancella dati finestra), Visualizza "
     "(le sei finestre del programma) e nel menu della guida (Guida in linea, la pagina della "
     "finestra, Suggerimenti, Supporto prodotto, Informazioni su Ponteluma). La barra degli "
     "strumenti ripete i comandi principali: lasciando il mouse su un tasto ne compare la "
     "descrizione. Il tasto ABC controlla i dati; il colore di sfondo può essere un grigio "
     "riposante per tutte le finestre o un colore scelto per la sola finestra attiva.\n\n"
     "I tasti in basso aprono il Menu, un breve aiuto (AIUTO), il sommario della guida (Guida "
     "in linea) ed eseguono l'uscita (USCITA), che chiede sempre conferma perché i dati non "
     "archiviati vanno persi."},

    {"guidaarchivio", "ARCHIVIO DATI",
     "I dati di ogni finestra di calcolo si possono conservare in un file di testo e "
     "riprendere in seguito. Il file contiene la tipologia, il numero delle righe e i dati "
     "digitati così come sono stati scritti, virgola compresa; i risultati non vengono "
     "archiviati, perché il programma li ricalcola.\n\n"
     "Ogni finestra ha un prefisso proprio per il nome dei file: «Ponteluma-sez-» per le "
     "sezioni, «Ponteluma-trav-» per le travi semplici, «Ponteluma-cont-» per le travi "
     "continue, «Ponteluma-arc-» per gli archi, «Ponteluma-piastr-» per le piastre. Conviene "
     "dare ai file un nome che cominci con il prefisso della finestra, per esempio "
     "Ponteluma-trav-solaio2: le finestre di scelta dei file propongono un filtro che mostra "
     "solo quei file. Al nome non viene aggiunta alcuna estensione.\n\n"
     "I comandi sono nel menu File e nei primi quattro tasti della barra degli strumenti.\n\n"
     "Apri: svuota il foglio, chiede il file e ne legge la tipologia e i dati; la finestra si "
     "dispone per quella tipologia e mostra le righe a partire dalla prima.\n\n"
     "Salva: prima di scrivere esegue il controllo dei dati immessi; se una riga è incompleta "
     "compare il messaggio del controllo e non viene salvato nulla. Se è già stato aperto o "
     "salvato un file, lo sovrascrive senza chiedere; altrimenti chiede il nome come Salva con "
     "nome.\n\n"
     "Salva con nome: esegue lo stesso controllo e chiede sempre il nome; un file esistente "
     "viene sostituito senza altre domande.\n\n"
     "Elimina: apre la scelta dei file con il titolo «Elimina: seleziona il file desiderato e "
     "clicca su Apri per cancellarlo»; il file scelto viene cancellato subito, senza ulteriori "
     "domande. Il foglio non cambia.\n\n"
     "Attenzione: il nome del file corrente è unico per tutto il programma. Dopo aver aperto un "
     "file in una finestra, Salva in un'altra finestra scriverebbe sullo stesso file: nelle "
     "altre finestre usare Salva con nome.\n\n"
     "Annullando la scelta del file il comando termina senza effetti; nel caso di Apri il "
     "foglio resta vuoto, perché è stato svuotato prima della scelta. Cambiare la tipologia "
     "svuota il foglio: salvare prima i dati da conservare. All'uscita dal programma i dati non "
     "archiviati vanno persi."},

    {"guidastampa", "COME STAMPARE",
     "Ogni finestra di calcolo stampa i suoi dati e risultati con il comando Stampa del menu "
     "File o con il tasto della barra degli strumenti «stampa dati finestra». Compare prima la "
     "finestra di scelta della stampante: confermando, la stampa parte; annullando, non viene "
     "stampato nulla.\n\n"
     "La relazione, in carattere Courier, contiene nell'ordine: il titolo del calcolo (per "
     "esempio «PONTELUMA - calcolo di travi semplici»); la riga «DATI E RISULTATI» con il nome "
     "della tipologia; la legenda, che spiega il significato di ogni colonna con le "
     "intestazioni della tipologia in uso; le due righe d'intestazione della tabella con le "
     "unità di misura; una riga per ogni caso del foglio, con i numeri di ogni colonna "
     "allineati sulla virgola dei decimali. Un dato che la tipologia non usa, o un risultato "
     "non calcolato, è stampato come un trattino.\n\n"
     "Vengono stampate tutte le righe digitate, non solo le dieci visibili. La prima pagina "
     "contiene fino a 50 righe; le pagine successive ripetono le intestazioni della tabella. "
     "In fondo a ogni pagina compare la scritta «pagina» con il numero.\n\n"
     "Prima di stampare conviene eseguire il controllo dei dati (tasto ABC): il calcolo si "
     "ferma alla prima riga incompleta, e le righe seguenti non avrebbero risultati "
     "aggiornati.\n\n"
     "Anche le pagine della guida si stampano: il tasto Stampa di ogni pagina stampa il titolo "
     "e il testo della pagina, in righe di 70 caratteri (una parola può essere divisa tra due "
     "righe); il tasto Stampa del sommario stampa l'elenco degli argomenti. Se la stampante non "
     "risponde o non è pronta, un messaggio lo segnala: controllare la stampante e "
     "riprovare.\n\n"
     "Per ottenere un file invece della carta scegliere, nella finestra della stampante, la "
     "stampa su file PDF, quando il sistema la offre. I colori delle finestre non vengono "
     "stampati."},

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
     "Dalle finestre di calcolo si torna al Menu con il tasto Menu, con la voce Finestra Menu "
     "del menu Visualizza o con il tasto della barra degli strumenti «visualizza finestra "
     "'Menu'»."},

    {"guidasezioni", "FINESTRA SEZIONI",
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
     "Cambiare la sezione con la casella di scelta svuota il foglio: salvare prima i dati da "
     "conservare. I file hanno il prefisso «Ponteluma-sez-». Nella stampa i dati non usati e i "
     "valori E' e W' non calcolati compaiono come trattini."},

    {"guidatravi", "FINESTRA TRAVI SEMPLICI",
     "La finestra Travi semplici calcola travi a una sola campata: per ogni riga (una trave) i "
     "momenti nei vincoli A (a sinistra) e B (a destra), il momento massimo in campata e i "
     "tagli nei due vincoli.\n\n"
     "Dati: la luce in m (prima colonna); il dato 2, cioè il carico concentrato P in kg o "
     "ripartito p in kg/m; il dato 3, richiesto solo da alcune tipologie: la distanza a in m "
     "del carico concentrato da A, oppure la lunghezza a del tratto caricato a partire da A, "
     "oppure, nel trapezio, il carico pb in kg/m all'estremo B. Intestazioni e unità delle "
     "colonne cambiano con la tipologia; la terza colonna diventa grigia quando non serve.\n\n"
     "Tipologie: da 1 a 3 mensola incastrata in B e libera in A, con carico concentrato "
     "all'estremo libero, ripartito o triangolare; da 4 a 9 trave appoggiata con carico "
     "concentrato, ripartito, semiripartito, triangolare (da zero in A a p in B), doppio "
     "triangolare (p in mezzeria) o a trapezio (da pa in A a pb in B); da 10 a 15 trave "
     "appoggiata in A e incastrata in B, con gli stessi carichi; da 16 a 20 trave incastrata "
     "agli estremi con carico concentrato, ripartito, semiripartito, triangolare e doppio "
     "triangolare.\n\n"
     "Risultati, interi arrotondati dal mezzo in su: momento A e momento B in kgm, negativi "
     "negli incastri e nulli negli appoggi; momento massimo in campata, positivo; taglio A e "
     "taglio B in kg. Il taglio B è riportato con il segno cambiato rispetto alla reazione: con "
     "carichi rivolti verso il basso il taglio A è positivo e il taglio B negativo. Nelle "
     "mensole il momento in campata non è calcolato. Con il carico concentrato (tipologie 4, 10 "
     "e 16) la colonna s'intitola «momento C» e riporta il momento sotto il carico.\n\n"
     "Passando con il mouse sul numero di una riga, nelle tipologie in cui il punto del momento "
     "massimo dipende dai dati compare in una piccola casella la sua distanza x da A, in metri "
     "con due decimali.\n\n"
     "Nel trapezio (tipologie 9 e 15) i carichi pa e pb non possono essere uguali: per un "
     "carico uniforme si usano le tipologie 5 e 17. Il programma lo segnala con un messaggio e "
     "svuota la casella.\n\n"
     "Cambiare tipologia con la casella di scelta svuota il foglio. I file hanno il prefisso "
     "«Ponteluma-trav-»."},

    {"guidacontinue", "FINESTRA TRAVI CONTINUE",
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
     "arrotondati dal mezzo in su; un risultato che lo schema non prevede vale 0.\n\n"
     "Segni: i momenti in campata sono positivi, quelli sugli appoggi negativi; le reazioni "
     "sono positive verso l'alto e negative quando l'appoggio deve trattenere la trave "
     "(sollevamento accanto a una campata scarica). Nelle travi simmetriche il momento di una "
     "campata speculare non è ripetuto e la colonna mostra 0: vale quello della campata "
     "corrispondente. Nella tipologia 4 la campata centrale, scarica, ha momento costante "
     "uguale a mom.B.\n\n"
     "Passando con il mouse sul momento di una campata compare la distanza della sezione di "
     "momento massimo dall'appoggio indicato, in metri con due decimali; la casella del "
     "momento si colora di giallo.\n\n"
     "Cambiare tipologia con la casella di scelta svuota il foglio. I file hanno il prefisso "
     "«Ponteluma-cont-»."},

    {"guidaarchi", "FINESTRA ARCHI",
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
     "valida per a<=m. 5 (l/2)» per una luce di 10 m. Intestazioni e nota si riferiscono "
     "all'ultima riga calcolata.\n\n"
     "Cambiare tipologia con la casella di scelta svuota il foglio. I file hanno il prefisso "
     "«Ponteluma-arc-»."},

    {"guidapiastre", "FINESTRA PIASTRE",
     "La finestra Piastre calcola i momenti flettenti di piastre soggette a un carico "
     "uniformemente ripartito.\n\n"
     "Tipologie: 1 piastra rettangolare appoggiata sui quattro lati; 2 piastra rettangolare "
     "incastrata sui quattro lati; 3 piastra circolare appoggiata lungo il bordo; 4 piastra "
     "circolare incastrata.\n\n"
     "Dati di ogni riga (una piastra): lato lx in m, il lato corto, oppure il raggio R per le "
     "piastre circolari; lato ly in m, il lato lungo, solo per le piastre rettangolari (per "
     "quelle circolari la colonna è grigia); carico p uniformemente ripartito, in kg al metro "
     "quadrato.\n\n"
     "Risultati, in kgm per metro di larghezza, interi arrotondati dal mezzo in su: Mx e My, "
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
     "colonna del lato ly riporta un trattino."},
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
    "- i suggerimenti del giorno (menu della guida, Suggerimenti) raccolgono consigli brevi;\n"
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
