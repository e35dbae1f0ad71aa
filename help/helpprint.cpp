#include "help/helpprint.h"

#include "sheet/numbers.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/printer.h"

#include <QPrinter>
#include <functional>

namespace {

constexpr int kPieceLength = 70;
constexpr int kTopTwips = 800;
constexpr int kHeadColumn = 7;
constexpr int kTextColumn = 10;
constexpr int kHeadPoints = 18;
constexpr int kTextPoints = 12;
// Lowest place for a line of text: where the reports put their page footer.
constexpr int kBottomTwips = 15000;

// Height of a printed line: a size in points, 20 twips each, with its leading.
int lineTwips(int points) {
    return points * 24;
}

// Product name and description in the large font, then an empty line in the text
// font; gives the place reached.
int writeHead(ReportWriter& writer) {
    const ModPonteluma::Identity& id = ModPonteluma::identity();
    writer.setCurrentY(kTopTwips);
    writer.setFontSize(kHeadPoints);
    writer.printLine({{kHeadColumn, id.product + " - " + id.description}});
    writer.setFontSize(kTextPoints);
    writer.printLine({});
    return kTopTwips + lineTwips(kHeadPoints) + lineTwips(kTextPoints);
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
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    QStringList pieces;
    for (QString rest : normal.split('\n')) {
        while (rest.length() > kPieceLength) {
            // Break at the last blank that keeps the piece within its length; a
            // word longer than a piece is cut.
            qsizetype cut = rest.at(kPieceLength) == ' ' ? kPieceLength
                                                         : rest.lastIndexOf(' ', kPieceLength - 1);
            const int skip = cut > 0 ? 1 : 0;
            if (cut <= 0)
                cut = kPieceLength;
            pieces << rest.left(cut);
            rest = rest.mid(cut + skip);
        }
        if (!rest.trimmed().isEmpty())
            pieces << rest;
    }
    return pieces;
}

bool WriteHelpPage(ReportWriter& writer, const QString& title, const QString& text) {
    int y = writeHead(writer);
    writer.printLine({{kTextColumn, title}});
    y += lineTwips(kTextPoints);
    for (const QString& piece : HelpPrintPieces(text)) {
        if (y + 2 * lineTwips(kTextPoints) > kBottomTwips) {
            // A new sheet, headed by the page title again.
            writer.newPage();
            writer.setCurrentY(kTopTwips);
            writer.setFontSize(kTextPoints);
            writer.printLine({{kTextColumn, title}});
            y = kTopTwips + lineTwips(kTextPoints);
        }
        writer.printLine({});
        writer.printLine({{kTextColumn, piece}});
        y += 2 * lineTwips(kTextPoints);
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
