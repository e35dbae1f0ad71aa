// Printed help pages and contents page, read on the text grid.
#include "help/contents.h"
#include "help/helpprint.h"
#include "help/texts.h"
#include "sheetwindow/printer.h"
#include "tests/scripteddialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The text grid, plus a log of what the grid does not show: fonts, position, end.
class RecordingReport : public TextReport {
public:
    void setFontSize(int points) override { log << QString("font %1").arg(points); }
    void setCurrentY(int twips) override { log << QString("y %1").arg(twips); }
    void printLine(const ReportLine& items) override {
        log << QString("line");
        TextReport::printLine(items);
    }
    bool endDoc() override {
        log << QString("end");
        return endResult;
    }
    QStringList log;
    bool endResult = true;
};

QString at(int column, const QString& text) {
    return QString(column - 1, ' ') + text;
}

const QString kHead = at(7, "Ponteluma - calcoli di sezioni, travi, archi, piastre");

// 141 characters, no blank where a piece ends, so the cut points show on the grid.
QString text141() {
    QString text;
    for (int i = 0; i < 141; ++i)
        text += (i % 10 == 9) ? QChar(' ') : QChar('a' + i % 26);
    text[69] = 'X';
    text[139] = 'Y';
    return text;
}

} // namespace

TEST(HelpPrint, PageTextIsBrokenAtBlanksIntoPiecesAtColumn10) {
    const QString text = text141();
    RecordingReport report;
    EXPECT_TRUE(WriteHelpPage(report, "FINESTRA ARCHI", text));

    // The blank at 69 is an X: the first piece ends at the blank before it.
    const QStringList expected = {kHead,
                                  "",
                                  at(10, "FINESTRA ARCHI"),
                                  "",
                                  at(10, text.mid(0, 59)),
                                  "",
                                  at(10, text.mid(60, 69)),
                                  "",
                                  at(10, text.mid(130))};
    ASSERT_EQ(report.pages().size(), 1u);
    EXPECT_EQ(report.pages()[0], expected);
    EXPECT_TRUE(report.pages()[0][8].contains('Y'));

    // Large font for the head from 800 twips, the text font for the rest, then the end.
    const QStringList log = {"y 800", "font 18", "line", "font 12", "line", "line", "line",
                             "line",  "line",    "line", "line",    "line", "end"};
    EXPECT_EQ(report.log, log);
}

TEST(HelpPrint, PiecesBreakAtBlanksAndAtTheTextsOwnLines) {
    struct Case {
        QString text;
        QStringList pieces;
    };
    const QString seventy(70, 'a');
    const std::vector<Case> cases = {
        {"", {}},
        {seventy, {seventy}},
        {seventy + "b", {seventy, "b"}}, // a word longer than a piece is cut
        {seventy + " b", {seventy, "b"}},
        {QString(65, 'a') + " parola", {QString(65, 'a'), "parola"}},
        {"uno due " + QString(66, 'c'), {"uno due", QString(66, 'c')}},
        {"riga uno\n\nriga due", {"riga uno", "riga due"}},
        {"a\r\nb\rc", {"a", "b", "c"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HelpPrintPieces(c.text), c.pieces) << c.text.toStdString();
}

TEST(HelpPrint, ContentsPagePrintsEveryEntryAfterAnEmptyLine) {
    RecordingReport report;
    const QStringList entries = contentsCaptions();
    EXPECT_TRUE(WriteHelpContents(report, entries));

    QStringList expected = {kHead, "", "", at(10, "Argomenti della guida")};
    for (const QString& entry : entries)
        expected << "" << at(10, entry);
    EXPECT_EQ(report.pages()[0], expected);
    EXPECT_EQ(report.pages()[0][5], at(10, "  Manuale d'uso rapido"));
    EXPECT_EQ(report.pages()[0][11], at(10, " Come stampare"));
    EXPECT_EQ(report.log.first(), "y 800");
    EXPECT_EQ(report.log.last(), "end");
}

TEST(HelpPrint, LayoutReportsAFailedEnd) {
    RecordingReport report;
    report.endResult = false;
    EXPECT_FALSE(WriteHelpPage(report, "T", "testo"));
    EXPECT_FALSE(WriteHelpContents(report, {"a"}));
}

TEST(HelpPrint, CancelledDialogPrintsNothingAndSaysNothing) {
    ScriptedDialogs dialogs;
    dialogs.printerAccepted = false;
    EXPECT_FALSE(PrintHelpPage("TITOLO", "testo"));
    EXPECT_FALSE(PrintHelpContents({"a"}));
    EXPECT_EQ(dialogs.printerRequests, 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(HelpPrint, PrinterFaultIsReported) {
    ScriptedDialogs dialogs;
    dialogs.pdfPath = "/nonexistent-folder/ponteluma/guida.pdf"; // cannot be written
    EXPECT_FALSE(PrintHelpPage("TITOLO", "testo"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    EXPECT_EQ(dialogs.messages[0].title, "Ponteluma: controllo dati immessi nella finestra attiva");
    EXPECT_TRUE(dialogs.messages[0].text.contains("stampante"));

    dialogs.clear();
    EXPECT_FALSE(PrintHelpContents({"a"}));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST(HelpPrint, AcceptedDialogPrintsToThePrinter) {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    dialogs.pdfPath = dir.filePath("guida.pdf");
    EXPECT_TRUE(PrintHelpPage("FINESTRA ARCHI", text141()));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_GT(QFileInfo(dialogs.pdfPath).size(), 0);
}

namespace {

// Passes everything on to a second writer and keeps the text grid of it.
class Tee : public TextReport {
public:
    explicit Tee(ReportWriter& next) : m_next(next) {}
    void setFontSize(int points) override { m_next.setFontSize(points); }
    void setCurrentY(int twips) override { m_next.setCurrentY(twips); }
    void printLine(const ReportLine& items) override {
        TextReport::printLine(items);
        m_next.printLine(items);
    }
    void newPage() override {
        TextReport::newPage();
        m_next.newPage();
    }
    bool endDoc() override { return m_next.endDoc(); }

private:
    ReportWriter& m_next;
};

// The words printed after the head and the title lines of each page.
QStringList printedWords(const TextReport& report, const QString& title) {
    QStringList words;
    for (const QStringList& page : report.pages()) {
        for (const QString& line : page) {
            if (line == kHead || line.trimmed() == title)
                continue;
            words << line.split(' ', Qt::SkipEmptyParts);
        }
    }
    return words;
}

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString content = QString::fromLatin1(file.readAll());
    return int(content.count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

} // namespace

TEST(HelpPrint, ManualGoesOnToFurtherPagesWithEveryWordInOrder) {
    const HelpText* manual = helpText("manuale");
    ASSERT_NE(manual, nullptr);
    const QStringList words = manual->text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);

    TextReport text;
    ASSERT_TRUE(WriteHelpPage(text, manual->title, manual->text));
    ASSERT_GE(text.pages().size(), 2u);
    for (const QStringList& page : text.pages())
        EXPECT_TRUE(page.contains(at(10, manual->title))); // the title heads every page
    EXPECT_EQ(printedWords(text, manual->title), words);

    QTemporaryDir dir;
    const QString path = dir.filePath("manuale.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        PrinterReport pdf(printer);
        ASSERT_TRUE(pdf.isActive());
        Tee tee(pdf);
        ASSERT_TRUE(WriteHelpPage(tee, manual->title, manual->text));
        EXPECT_EQ(printedWords(tee, manual->title), words);
        EXPECT_EQ(pdf.page(), int(tee.pages().size()));
    }
    EXPECT_EQ(pdfPages(path), int(text.pages().size()));
}
