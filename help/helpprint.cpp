#include "help/helpprint.h"

#include "sheet/reportwriter.h"
#include "shell/dialogs.h"
#include "shell/modponteluma.h"

#include <QPrinter>
#include <functional>

namespace {

constexpr int kPieceLength = 70;
constexpr int kTopTwips = 800;
constexpr int kHeadColumn = 7;
constexpr int kTextColumn = 10;

// Product name and description in the large font, then an empty line in the text font.
void writeHead(ReportWriter& writer) {
    const ModPonteluma::Identity& id = ModPonteluma::identity();
    writer.setCurrentY(kTopTwips);
    writer.setFontSize(18);
    writer.printLine({{kHeadColumn, id.product + " - " + id.description}});
    writer.setFontSize(12);
    writer.printLine({});
}

bool printOn(const std::function<bool(ReportWriter&)>& layout) {
    QPrinter printer;
    if (!dialogs().choosePrinter(printer))
        return false; // cancelled: nothing to say
    bool printed = false;
    {
        PrinterReport report(printer);
        printed = report.isActive() && layout(report);
    }
    if (!printed)
        MsgBox(QString::fromUtf8("La stampa non è stata eseguita: la stampante non risponde o non "
                                 "è pronta.\rControllare la stampante e riprovare."),
               Icon::Stop, ModPonteluma::texts().checkTitle);
    return printed;
}

} // namespace

QStringList HelpPrintPieces(const QString& text) {
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QStringList pieces;
    for (int start = 0; start < flat.length(); start += kPieceLength)
        pieces << flat.mid(start, kPieceLength);
    return pieces;
}

bool WriteHelpPage(ReportWriter& writer, const QString& title, const QString& text) {
    writeHead(writer);
    writer.printLine({{kTextColumn, title}});
    for (const QString& piece : HelpPrintPieces(text)) {
        writer.printLine({});
        writer.printLine({{kTextColumn, piece}});
    }
    return writer.endDoc();
}

bool WriteHelpContents(ReportWriter& writer, const QStringList& entries) {
    writeHead(writer);
    writer.printLine({});
    writer.printLine({{kTextColumn, QStringLiteral("Argomenti della guida")}});
    for (const QString& entry : entries) {
        writer.printLine({});
        writer.printLine({{kTextColumn, entry}});
    }
    return writer.endDoc();
}

bool PrintHelpPage(const QString& title, const QString& text) {
    return printOn([&](ReportWriter& w) { return WriteHelpPage(w, title, text); });
}

bool PrintHelpContents(const QStringList& entries) {
    return printOn([&](ReportWriter& w) { return WriteHelpContents(w, entries); });
}
