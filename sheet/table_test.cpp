// Rows pasted into a document and the table it is copied and exported as, without widgets.
#include "sheet/table.h"

#include "sheet/document.h"
#include "sheet/report.h"
#include "tests/sheets.h"

#include <gtest/gtest.h>

namespace {

Document sections(int typology = 1) {
    Document document(windowParams("sezioni"));
    document.setTypology(typology);
    document.layOut();
    return document;
}

// The refusal names its cell, is shown as the check's stop message and changes nothing.
void expectRefused(Document& document, int focusedRow, const QString& text, const QString& named) {
    const QString before = ComputeTable(document);
    const Effect effect = document.pasteRows(focusedRow, text);
    ASSERT_EQ(effect.messages.size(), 1u) << text.toStdString();
    EXPECT_TRUE(effect.messages[0].text.startsWith(named))
        << text.toStdString() << ": " << effect.messages[0].text.toStdString();
    EXPECT_TRUE(effect.messages[0].text.endsWith("non è stato incollato nulla."));
    EXPECT_EQ(effect.messages[0].icon, Icon::Stop);
    EXPECT_EQ(effect.messages[0].title, "Ponteluma: controllo dati immessi nella finestra attiva");
    EXPECT_FALSE(effect.changed);
    EXPECT_EQ(ComputeTable(document), before) << text.toStdString();
}

} // namespace

TEST(PasteRows, RowsStartAtTheFocusedRowButLeaveNoBlankRows) {
    Document document = sections();
    Effect effect = document.pasteRows(0, "20\t30\n40\t50\n");
    EXPECT_TRUE(effect.changed);
    EXPECT_TRUE(effect.messages.empty());
    EXPECT_EQ(document.sheet().n(), 2);
    EXPECT_EQ(document.sheet().resultText(1, 1), "45000"); // computed at the end
    // Focus below row n + 1: the row goes to n + 1; no focus: after the last row.
    document.pasteRows(7, "10;10");
    document.pasteRows(0, "12,5;10");
    // Focus on a filled row: it is overwritten, the others stay.
    document.pasteRows(2, "1\t2");
    EXPECT_EQ(ComputeTable(document), "sezione;dato 1 (cm);dato 2 (cm);dato 3 (cm);dato 4 (cm);I "
                                      "(cm4);E (cm);W (cm3);E' (cm);W' (cm3);A (cm2)\n"
                                      "1;20;30;;;45000;15;3000;;;600\n"
                                      "2;1;2;;;1;1;1;;;2\n"
                                      "3;10;10;;;833;5;167;;;100\n"
                                      "4;12,5;10;;;1042;5;208;;;125\n");
    // An empty clipboard changes nothing and says nothing.
    effect = document.pasteRows(0, "");
    EXPECT_FALSE(effect.changed);
    EXPECT_TRUE(effect.messages.empty());
}

TEST(PasteRows, ColumnsTheTypologyDoesNotUseKeepTheirData) {
    Document document = sections(17);
    document.pasteRows(0, "20\t20\t4\t4");
    document.setTypology(1); // a rectangle uses the first two columns
    document.pasteRows(1, "10\t10\t9\t9");
    EXPECT_EQ(document.sheet().datum(1, 1), "10");
    EXPECT_EQ(document.sheet().datum(3, 1), "4");
    EXPECT_EQ(document.sheet().datum(4, 1), "4");
}

TEST(PasteRows, ACopiedTableWithAnIncompleteRowGoesBackWhole) {
    Document copied = sections();
    copied.pasteRows(0, "20\t30\n\t5\n10\t10");
    EXPECT_EQ(copied.sheet().n(), 3);
    Document pasted = sections();
    pasted.pasteRows(0, CopiedTable(copied));
    EXPECT_EQ(ComputeTable(pasted), ComputeTable(copied));
    EXPECT_EQ(CopiedTable(pasted), QString(ComputeTable(copied)).replace(';', '\t'));
}

TEST(PasteRows, WrongCellsAndDataThatTheGridCouldNotHoldChangeNothing) {
    Document document = sections();
    document.pasteRows(0, "20\t30\n40\t50");
    expectRefused(document, 0, "10\t10\n12.5\t10", "Riga 4, colonna 1: il dato \"12.5\"");
    expectRefused(document, 1, "1.250\t10", "Riga 1, colonna 1: il dato \"1.250\"");
    expectRefused(document, 2, "10\tx", "Riga 2, colonna 2: il dato \"x\"");
    // A box holds at most 20 characters, and shows the whole datum.
    expectRefused(document, 0, "10\t123456789012345678901",
                  "Riga 3, colonna 2: il dato \"123456789012345678901\" ha più di 20");
    // A datum without the first one beyond the last row would be neither saved nor printed:
    // after the rows, or where the last row's first datum is emptied.
    expectRefused(document, 0, "10\t10\n\t5", "Riga 4, colonna 1: manca il dato");
    expectRefused(document, 2, "\t5", "Riga 2, colonna 1: manca il dato");
    // Rows past row 100.
    QString many;
    for (int i = 0; i < 99; ++i)
        many += "1\t1\n";
    expectRefused(document, 0, many, "Le righe incollate sono 99: dalla riga 3");
    EXPECT_TRUE(document.pasteRows(3, many.mid(4)).messages.empty()); // 98 rows fit
    EXPECT_EQ(document.sheet().n(), 100);
}

TEST(ExportTable, ABareNameGetsTheCsvExtension) {
    EXPECT_EQ(ExportPath("/tmp/Ponteluma-sez-"), "/tmp/Ponteluma-sez-.csv");
    EXPECT_EQ(ExportPath("/tmp/dati.v2/tabella"), "/tmp/dati.v2/tabella.csv");
    EXPECT_EQ(ExportPath("/tmp/tabella.txt"), "/tmp/tabella.txt");
    EXPECT_EQ(ExportPath("/tmp/tabella.csv"), "/tmp/tabella.csv");
}

// A row outside its field of use says why in place of its results, in the table of
// `compute`, the copied table (which still goes back whole) and the report.
TEST(PasteRows, ARowOutsideItsFieldSaysWhyInEveryTable) {
    Document beams(windowParams("travi"));
    beams.setTypology(4);
    beams.layOut();
    beams.pasteRows(0, "6\t1000\t2\n6\t2000\t8\n6\t1000\t6");
    const QStringList lines = ComputeTable(beams).split('\n');
    EXPECT_EQ(lines.value(1), "1;6;1000;2;0;0;1333;667;-333");
    EXPECT_EQ(lines.value(2), "2;6;2000;8;la distanza a supera la luce.;;;;");
    EXPECT_EQ(lines.value(3), "3;6;1000;6;0;0;0;0;-1000"); // a load on the support is inside

    Document pasted(windowParams("travi"));
    pasted.setTypology(4);
    pasted.layOut();
    pasted.pasteRows(0, CopiedTable(beams));
    EXPECT_EQ(ComputeTable(pasted), ComputeTable(beams));

    const QString report = ReportText(beams);
    const int at = int(report.indexOf("la distanza a supera la luce."));
    ASSERT_GT(at, 0) << report.toStdString();
    const QString line = report.mid(report.lastIndexOf('\n', at) + 1).section('\n', 0, 0);
    EXPECT_TRUE(line.trimmed().startsWith("2 ")) << line.toStdString();
    EXPECT_TRUE(line.contains(" 8 ")) << line.toStdString();
}
