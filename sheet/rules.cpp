#include "sheet/rules.h"

#include "sheet/numbers.h"

using ModPonteluma::Str;

QString OrdinalWord(int ordinal) {
    static const char* const words[] = {"prima", "seconda", "terza", "quarta", "quinta"};
    return QString::fromLatin1(words[qBound(1, ordinal, 5) - 1]);
}

Missing FirstMissing(const SheetParams& params, const Sheet& sheet, int typology) {
    const int columns = int(params.data.size());
    for (int row = 1; row <= sheet.n(); ++row) {
        if (sheet.lacksFirstDatum(row))
            return {row, 1, false, {}};
        for (int column = 2; column <= columns; ++column) {
            const bool needed = !params.uses || params.uses(typology, column);
            if (needed && sheet.isEmpty(column, row))
                return {row, column, false, {}};
        }
        if (sheet.isOutOfRange(row))
            return {row, 1, true, sheet.outOfRangeReason(row)};
    }
    return {};
}

static QString itemHeading(const SheetParams& params, int row) {
    return params.words.item + " n." + Str(row) + " (vedi grafico):\r";
}

QString OutOfRangeText(const SheetParams& params, const Sheet& sheet, int row) {
    return itemHeading(params, row) + sheet.outOfRangeReason(row);
}

QString HintText(const SheetParams& params, const Sheet& sheet, int typology) {
    if (sheet.n() == 0)
        return params.words.firstHint;
    const Missing missing = FirstMissing(params, sheet, typology);
    if (missing.row == 0)
        return QStringLiteral("Correggere, archiviare quanto immesso, digitare ulteriori dati, "
                              "andare oltre (stampa, altro calcolo).");
    if (missing.outOfRange)
        return itemHeading(params, missing.row) + missing.reason;
    const int ordinal = params.data[missing.column - 1].ordinal;
    return itemHeading(params, missing.row) + "- digitare il dato della " + OrdinalWord(ordinal) +
           " colonna.";
}

CheckReport Check(const SheetParams& params, const Sheet& sheet, int typology) {
    CheckReport report;
    if (sheet.n() == 0) {
        report.text =
            QStringLiteral("Non esistono dati riconosciuti:\r- per procedere è necessario "
                           "digitare almeno il valore richiesto dalla prima colonna;\r") +
            params.words.checkScope;
        report.icon = Icon::Exclamation;
        return report;
    }
    const Missing missing = FirstMissing(params, sheet, typology);
    if (missing.row == 0) {
        report.complete = true;
        report.text = "I dati sono stati immessi correttamente per n." + Str(sheet.n()) + " " +
                      params.words.plural + ".";
        return report;
    }
    const int ordinal = params.data[missing.column - 1].ordinal;
    const QString line = missing.outOfRange ? missing.reason
                         : ordinal == 1
                             ? QStringLiteral("- digitare il dato della prima colonna.")
                             : "- manca il dato della " + OrdinalWord(ordinal) + " colonna.";
    report.text = itemHeading(params, missing.row) + line;
    report.icon = Icon::Stop;
    report.row = missing.row;
    report.column = missing.column;
    return report;
}

QString FullSheetMessage(const SheetParams& params) {
    return params.words.full;
}

QString DeleteRefusal(const SheetParams& params, int row) {
    return "I dati " + params.words.itemOf + " n." + Str(row) +
           " non sono ancora considerati in quanto manca il valore nella prima colonna.";
}

QString UnitsTooLongMessage(const SheetParams& params, int row, int column, const QString& unit) {
    return "Il dato della " + OrdinalWord(params.data[size_t(column - 1)].ordinal) + " colonna " +
           params.words.itemOf + " n." + Str(row) + ", espresso in " + unit + ", supera i " +
           QString::number(kMaxDatumLength) +
           " caratteri della casella: le unità di misura non sono state convertite.";
}

QString BlankRowsMessage() {
    return QStringLiteral("Non è possibile digitare dati lasciando righe in bianco.");
}

QString FirstColumnFirstMessage() {
    return QStringLiteral("Digitare il dato della prima colonna.");
}

QString HelpMessage(const SheetParams& params) {
    return params.words.help.join('\r');
}

QString OwnWindowQuestion(const SheetParams& params) {
    return "È questa la finestra '" + params.words.windowName +
           "': si vuole la guida della finestra?";
}

QString FigurePath(const SheetParams& params, int typology) {
    return "figurePonteluma/" + params.figureKind + " (" + Str(typology) + ").bmp";
}

QStringList StandardHelp(const QString& following, const QString& numberOf, const QString& typeOf) {
    return {QStringLiteral("- Aprire un file archiviato per prelevare i dati;"),
            QStringLiteral("- digitare i dati seguendo le indicazioni della casella gialla posta "
                           "in basso;"),
            "- visualizzare " + following + " con la barra di scorrimento verticale;",
            "- evidenziare una riga passando con il mouse sul numero " + numberOf +
                " corrispondente;",
            QStringLiteral("- eliminare una riga cliccando sul tasto con l'icona della X;"),
            QStringLiteral("- effettuare i controlli dei dati cliccando sul tasto ABC;"),
            "- cambiare " + typeOf + " con la freccia laterale alla casella marrone;",
            QStringLiteral("- utilizzare la virgola per i decimali.")};
}
