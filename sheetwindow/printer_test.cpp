#include "sheetwindow/printer.h"

#include "sheet/numbers.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const SheetParams& sections() {
    return windowParams("sezioni");
}

// A rectangle document holding the rows given.
Document rectangles(const SheetParams& params, const std::vector<std::vector<const char*>>& rows) {
    Document document(params);
    document.sheet() = ComputedSheet(sections(), 1, rows);
    return document;
}

TEST(Printer, WindowWithoutReportIsRefusedWithAMessage) {
    SheetParams params = sections();
    params.report.heads = nullptr;
    EXPECT_FALSE(ReportAvailable(params));
    ScriptedDialogs dialogs;
    EXPECT_FALSE(PrintReport(rectangles(params, {})));
    EXPECT_EQ(dialogs.printerRequests, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    TextReport text; // composing it anyway must not crash
    ComposeReport(params, ComputedSheet(sections(), 1, {{"1", "2"}}), "rettangolo", QString(),
                  text);
}

TEST(Printer, PrinterPathCancelFaultAndPdf) {
    QTemporaryDir dir;
    const Document document = rectangles(sections(), {{"20", "30"}});
    {
        ScriptedDialogs dialogs;
        dialogs.printerAccepted = false;
        EXPECT_FALSE(PrintReport(document));
        EXPECT_EQ(dialogs.printerRequests, 1);
        EXPECT_TRUE(dialogs.messages.empty()); // a cancelled dialog ends quietly
    }
    {
        ScriptedDialogs dialogs;
        dialogs.pdfPath = dir.filePath("manca/relazione.pdf"); // the printer cannot start
        EXPECT_FALSE(PrintReport(document));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
        EXPECT_EQ(dialogs.messages[0].title, ModPonteluma::texts().checkTitle);
        EXPECT_TRUE(dialogs.messages[0].text.startsWith("La stampa non è riuscita"));
    }
    {
        ScriptedDialogs dialogs;
        dialogs.pdfPath = dir.filePath("relazione.pdf");
        EXPECT_TRUE(PrintReport(document));
        EXPECT_TRUE(dialogs.messages.empty());
        QFile pdf(dialogs.pdfPath);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.read(5) == "%PDF-");
    }
    QString problem;
    EXPECT_FALSE(WriteReportPdf(document, dir.filePath("no/x.pdf"), &problem));
    EXPECT_FALSE(problem.isEmpty());
}

} // namespace
