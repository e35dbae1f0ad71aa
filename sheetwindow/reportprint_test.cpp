#include "sheetwindow/reportprint.h"

#include "sheetwindow/diagramprint.h"
#include "sheetwindow/window.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"
#include "tests/windows.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// What a poppler tool prints about a PDF; empty when the tool is missing.
QString poppler(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return QString();
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString infoField(const QString& info, const QString& field) {
    for (const QString& line : info.split('\n')) {
        if (line.startsWith(field + ":"))
            return line.mid(field.length() + 1).trimmed();
    }
    return QString();
}

Document example(const QString& name) {
    const QString path = QStringLiteral(PONTELUMA_SOURCE_DIR "/examples/") + name;
    for (const SheetParams* params : allWindows()) {
        if (name.startsWith(params->archive.prefix)) {
            std::optional<Document> document = OpenDocument(*params, path, nullptr);
            if (document) {
                document->setFile(path);
                return std::move(*document);
            }
        }
    }
    ADD_FAILURE() << name.toStdString();
    return Document(*allWindows().front());
}

TEST(ReportPdf, PagesInformationFigureAndTheGridsNumbers) {
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdfimages) not installed";
    QTemporaryDir dir;
    Document document = example("Ponteluma-trav-incastri.txt");
    document.setSubject("Capannone Alfa", "trave di copertura T3");
    PageHeading heading = HeadingOf(document,
                                    {"Studio Rossi", "ing. Anna Rossi", "Ordine di Torino n. 1234",
                                     "via Po 1, Torino", QString()},
                                    "09/12/2026");
    for (bool diagrams : {false, true}) {
        const QString pdf = dir.filePath(diagrams ? "con-diagrammi.pdf" : "relazione.pdf");
        QString problem;
        ASSERT_TRUE(WriteCalculationPdf(document, heading, diagrams, pdf, &problem,
                                        DiagramFrames(document)))
            << problem.toStdString();
        const PageDocument doc = CalculationReport(document, heading, diagrams);
        const int pages = int(LayOutPages(doc, FormatFor(doc)).size());

        const QString info = poppler("pdfinfo", {pdf});
        EXPECT_EQ(infoField(info, "Pages").toInt(), pages) << info.toStdString();
        EXPECT_EQ(infoField(info, "Title"), "Relazione di calcolo - PONTELUMA - calcolo di travi "
                                            "semplici");
        EXPECT_EQ(infoField(info, "Author"), "ing. Anna Rossi");
        EXPECT_EQ(infoField(info, "Subject"), "Tipologia 16: incastri + P - trave di copertura T3 "
                                              "- Capannone Alfa");

        // The typology's figure is an image on the first page.
        const QStringList images = poppler("pdfimages", {"-list", "-f", "1", "-l", "1", pdf})
                                       .split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(images.size(), 3) << images.join('\n').toStdString(); // two head lines, one image

        const QString text = poppler("pdftotext", {"-layout", pdf, "-"});
        for (const char* expected : {"pagina 1 di ", "Capannone Alfa", "-889", "-444", "593",
                                     "-2500", "1250", "verificato", "Il progettista"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
        EXPECT_EQ(text.count("pagina "), pages);
    }
}

TEST(ReportPdf, InformationIsAnUpdateAtTheEnd) {
    const QByteArray pdf = "%PDF-1.4\n1 0 obj\n<<>>\nendobj\nxref\n0 2\n"
                           "0000000000 65535 f\r\n0000000009 00000 n\r\n"
                           "trailer\n<<\n/Size 2\n/Root 1 0 R\n>>\nstartxref\n30\n%%EOF\n";
    const QByteArray updated = WithPdfInformation(pdf, "Titolo", "ing. Né", "Oggetto", "P 1");
    EXPECT_TRUE(updated.startsWith(pdf)); // the document itself is untouched
    const QByteArray tail = updated.mid(pdf.size());
    EXPECT_TRUE(tail.startsWith("2 0 obj\n")) << tail.toStdString();
    EXPECT_TRUE(tail.contains("/Root 1 0 R\n/Info 2 0 R\n/Prev 30\n"));
    EXPECT_TRUE(tail.contains("/Author <FEFF0069006E0067002E0020004E00E9>"));
    const qsizetype xref = updated.lastIndexOf("xref\n2 1\n");
    EXPECT_TRUE(updated.endsWith("startxref\n" + QByteArray::number(xref) + "\n%%EOF\n"));
    EXPECT_TRUE(
        tail.contains(QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n\r\n"));
    EXPECT_EQ(WithPdfInformation("not a pdf", "a", "b", "c", "d"), "not a pdf");
}

TEST(ReportWindow, HeadingDialogKeepsTheStudioAndTheSheetsSubject) {
    SheetWindow* window = loadedWindow("travi");
    window->document().setSubject(QString(), QString());
    ScriptedDialogs dialogs;
    dialogs.heading = HeadingFields{{"Studio Bianchi", "ing. Luca Bianchi", "Ordine di Asti n. 7",
                                     "corso Alfieri 2, Asti", QString()},
                                    "Ponte sul Tanaro",
                                    "traverso T2"};
    window->findChild<QAction*>("intestazione")->trigger();
    EXPECT_EQ(LoadStudioHeading().progettista, "ing. Luca Bianchi");
    EXPECT_EQ(window->document().opera(), "Ponte sul Tanaro");
    EXPECT_EQ(window->document().elemento(), "traverso T2");

    // The next time the dialog shows what was entered; a cancel changes nothing.
    dialogs.heading.reset();
    window->findChild<QAction*>("intestazione")->trigger();
    ASSERT_EQ(dialogs.headingShown.size(), 2u);
    EXPECT_EQ(dialogs.headingShown[1].studio.studio, "Studio Bianchi");
    EXPECT_EQ(dialogs.headingShown[1].elemento, "traverso T2");
    EXPECT_EQ(window->document().opera(), "Ponte sul Tanaro");

    // Undo takes the change back like any other.
    window->findChild<QAction*>("annulla")->trigger();
    EXPECT_EQ(window->document().opera(), "");
}

TEST(ReportWindow, BothPrintCommandsProposeTheArchivesName) {
    QTemporaryDir dir;
    SheetWindow* window = loadedWindow("sezioni");
    window->document().setFile(dir.filePath("Ponteluma-sez-solaio.txt"));
    ScriptedDialogs dialogs;
    dialogs.printerAccepted = false;
    for (const char* command : {"stampa", "stampasemplice"}) {
        dialogs.printerDocName.clear();
        window->findChild<QAction*>(command)->trigger();
        EXPECT_EQ(dialogs.printerDocName, "Ponteluma-sez-solaio") << command;
    }
    EXPECT_EQ(dialogs.printerRequests, 2);
    EXPECT_TRUE(dialogs.messages.empty());
    window->document().setFile(QString());
}

} // namespace
