// The sheet's rules as operations on a document, without any widget: what each
// operation stores and what it asks the window to show.
#include "sheet/document.h"

#include "sheet/numbers.h"
#include "tests/sheets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kCheckTitle = "Ponteluma: controllo dati immessi nella finestra attiva";

Document sections(int typology = 1) {
    Document document(windowParams("sezioni"));
    document.setTypology(typology);
    document.layOut();
    return document;
}

void expectMessage(const Effect& effect, const QString& start, Icon icon) {
    ASSERT_EQ(effect.messages.size(), 1u);
    EXPECT_TRUE(effect.messages[0].text.startsWith(start)) << effect.messages[0].text.toStdString();
    EXPECT_EQ(effect.messages[0].icon, icon);
    EXPECT_EQ(effect.messages[0].title, kCheckTitle);
}

TEST(Document, TypingStoresTheDatumAndComputesEveryRow) {
    Document document = sections();
    EXPECT_TRUE(document.type(1, 1, "20").messages.empty());
    const Effect effect = document.type(2, 1, "30");
    EXPECT_TRUE(effect.changed);
    EXPECT_FALSE(effect.boxText);
    EXPECT_EQ(document.sheet().n(), 1);
    EXPECT_EQ(document.sheet().resultText(1, 1), "45000"); // I = 20 * 30^3 / 12

    // A wrong key empties the datum and the box, with the input rules' message.
    const Effect wrong = document.type(2, 1, "30a");
    expectMessage(wrong, "Attenzione! Il dato digitato non è corretto", Icon::Stop);
    EXPECT_EQ(wrong.boxText, QString());
    EXPECT_TRUE(document.sheet().isEmpty(2, 1));
    EXPECT_EQ(document.sheet().resultText(1, 1), ""); // an incomplete row shows nothing

    // An emptied box stores nothing; emptying an empty one changes nothing.
    EXPECT_FALSE(document.type(2, 1, "").changed);
    EXPECT_TRUE(document.type(1, 1, "").changed);
    EXPECT_EQ(document.sheet().n(), 0);
}

TEST(Document, BlankRowsAndDataBeforeTheFirstColumnAreRefused) {
    Document document = sections();
    const Effect blank = document.type(1, 3, "5");
    expectMessage(blank, "Non è possibile digitare dati lasciando righe in bianco.", Icon::Stop);
    EXPECT_EQ(blank.boxText, QString());
    EXPECT_EQ(blank.firstVisibleRow, 1);
    EXPECT_EQ(blank.focusRow, 1);
    EXPECT_TRUE(document.sheet().isEmpty(1, 3));

    const Effect early = document.type(2, 1, "5");
    expectMessage(early, "Digitare il dato della prima colonna.", Icon::Stop);
    EXPECT_EQ(early.focusRow, 1);
    EXPECT_EQ(early.focusColumn, 1);

    // Inside rows 1..n a row below an emptied first datum takes data: only rows past the
    // last one must follow a filled row.
    document.type(1, 1, "20"), document.type(1, 2, "20"), document.type(1, 3, "20");
    expectMessage(document.type(1, 2, "2x"), "", Icon::Stop); // a wrong key empties it
    ASSERT_TRUE(document.sheet().isEmpty(1, 2));
    ASSERT_EQ(document.sheet().n(), 3);
    EXPECT_TRUE(document.type(1, 3, "25").messages.empty());
    EXPECT_EQ(document.sheet().datum(1, 3), "25");
    EXPECT_TRUE(document.type(2, 3, "30").messages.empty());
    EXPECT_EQ(document.sheet().datum(2, 3), "30");
    document.clear();

    // With the last row near the end, the grid stops at row 91 and the focus goes to
    // the second box it shows.
    for (int row = 1; row <= 95; ++row)
        document.type(1, row, "2");
    const Effect late = document.type(1, 98, "2");
    EXPECT_EQ(late.firstVisibleRow, 95);
    EXPECT_EQ(late.focusRow, 92);
}

TEST(Document, InsertAndDeleteRowsWithTheirRefusals) {
    Document document = sections();
    document.type(1, 1, "10");
    document.type(2, 1, "20");
    document.type(1, 2, "30");
    document.type(2, 2, "40");
    EXPECT_TRUE(document.insertRow(2).changed);
    EXPECT_EQ(document.sheet().n(), 3);
    EXPECT_EQ(document.sheet().datum(1, 3), "30");
    EXPECT_EQ(document.sheet().resultText(1, 3), document.sheet().resultText(1, 2));
    EXPECT_FALSE(document.insertRow(5).changed); // nothing below the last row to copy

    expectMessage(document.deleteRow(4), "I dati della sezione n. 4 non sono ancora considerati",
                  Icon::Exclamation);
    EXPECT_TRUE(document.deleteRow(1).changed);
    EXPECT_EQ(document.sheet().n(), 2);
    EXPECT_EQ(document.sheet().datum(1, 1), "30");

    for (int row = 1; row <= kMaxRows; ++row)
        document.type(1, row, "1");
    expectMessage(document.insertRow(1), "Siamo già a 100 sezioni", Icon::Information);
}

TEST(Document, ChoosingATypologyClearsUnlessTheWindowKeepsTheData) {
    Document document = sections();
    document.type(1, 1, "20");
    EXPECT_TRUE(document.chooseTypology(3).changed);
    EXPECT_EQ(document.typology(), 3);
    EXPECT_EQ(document.sheet().n(), 0);

    // Plates keep their data between supported and clamped edges of the same shape.
    Document plates(windowParams("piastre"));
    plates.type(1, 1, "4");
    plates.chooseTypology(2);
    EXPECT_EQ(plates.sheet().datum(1, 1), "4");
    plates.chooseTypology(3);
    EXPECT_EQ(plates.sheet().n(), 0);
}

TEST(Document, ClearingRunsTheWindowsOwnHook) {
    Document continuous(windowParams("continue"));
    continuous.sheet().setNote("distanza", "x");
    continuous.clear();
    EXPECT_TRUE(continuous.sheet().note("distanza").hidden);
}

TEST(Document, CheckNamesTheFirstIncompleteRowAndWhereToType) {
    Document document = sections();
    document.type(1, 1, "20");
    document.type(2, 1, "30");
    document.type(1, 2, "20");
    const CheckReport report = document.check();
    EXPECT_FALSE(report.complete);
    const Effect shown = Document::checkEffect(report);
    expectMessage(shown, "Sezione n. 2 (vedi grafico):", Icon::Stop);
    EXPECT_EQ(shown.firstVisibleRow, 2);
    EXPECT_EQ(shown.focusRow, 2);
    EXPECT_EQ(shown.focusColumn, 2);
    EXPECT_EQ(document.hint(), "Sezione n. 2 (vedi grafico):\r- digitare il dato della seconda "
                               "colonna.");

    document.type(2, 2, "30");
    EXPECT_TRUE(document.check().complete);
    const Effect complete = Document::checkEffect(document.check());
    expectMessage(complete, "I dati sono stati immessi correttamente per n. 2 sezioni.",
                  Icon::Information);
    EXPECT_EQ(complete.focusRow, 0);
}

TEST(Document, OpeningAFileGivesTheComputedDocumentOfItsTypology) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Ponteluma-sez-a.txt");
    Document saved = sections(2);
    saved.type(1, 1, "20");
    saved.type(2, 1, "30");
    saved.type(3, 1, "4");
    QString problem;
    ASSERT_TRUE(saved.write(path, &problem)) << problem.toStdString();

    const std::optional<Document> opened = OpenDocument(windowParams("sezioni"), path, &problem);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->typology(), 2);
    EXPECT_EQ(opened->typologyName(), saved.typologyName());
    EXPECT_EQ(opened->sheet().n(), 1);
    EXPECT_EQ(opened->sheet().resultText(1, 1), saved.sheet().resultText(1, 1));
    EXPECT_FALSE(opened->sheet().resultText(1, 1).isEmpty());

    QFile bad(QDir(dir.path()).filePath("Ponteluma-sez-b.txt"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("99,1\r\n");
    bad.close();
    EXPECT_FALSE(OpenDocument(windowParams("sezioni"), bad.fileName(), &problem));
    EXPECT_TRUE(problem.startsWith("la tipologia 99 non esiste")) << problem.toStdString();
}

} // namespace

// ---- history ----------------------------------------------------------------------------

namespace {

// What a step must bring back: typology, row count, data, results and captions.
QStringList seen(const Document& document) {
    const Sheet& sheet = document.sheet();
    QStringList seen{QString::number(document.typology()), QString::number(sheet.n())};
    for (int row = 1; row <= kMaxRows; ++row) {
        for (int column = 1; column <= sheet.dataColumns(); ++column)
            seen << sheet.datum(column, row);
        for (int column = 1; column <= sheet.resultColumns(); ++column)
            seen << sheet.resultText(column, row);
    }
    for (int column = 1; column <= sheet.dataColumns(); ++column)
        seen << sheet.dataHead(column) << sheet.dataUnit(column);
    for (int column = 1; column <= sheet.resultColumns(); ++column)
        seen << sheet.resultHead(column) << sheet.resultUnit(column);
    QStringList notes;
    for (auto it = sheet.notes().constBegin(); it != sheet.notes().constEnd(); ++it)
        notes << it.key() + "=" + it->text + (it->hidden ? " hidden" : "");
    notes.sort();
    return seen + notes;
}

} // namespace

TEST(History, TypingInOneBoxIsOneStepUntilTheFocusLeavesIt) {
    Document document = sections(1);
    // Keystrokes in a box are one step; undo names its row.
    document.type(1, 1, "2");
    document.type(1, 1, "25");
    document.type(2, 1, "3");
    document.type(1, 2, "4");
    document.type(1, 2, "45");
    EXPECT_EQ(document.undo().showRow, 2);
    EXPECT_EQ(document.undo().showRow, 1);
    EXPECT_EQ(document.sheet().datum(1, 1), "25");
    EXPECT_EQ(document.sheet().datum(2, 1), "");
    document.redo();
    EXPECT_EQ(document.sheet().datum(2, 1), "3");
    // A new change forgets what could be redone.
    document.type(2, 1, "");
    EXPECT_FALSE(document.canRedo());
    document.undo();
    document.undo();
    document.undo();
    EXPECT_FALSE(document.canUndo());
    EXPECT_EQ(document.sheet().n(), 0);

    // The focus left the box: typing there again is a step of its own; so is any
    // other command in between.
    document.type(1, 1, "4");
    document.endTyping();
    document.type(1, 1, "45");
    document.undo();
    EXPECT_EQ(document.sheet().datum(1, 1), "4");
    document.type(1, 1, "46");
    document.undo();
    document.type(1, 1, "47"); // an undo ends the step as well
    document.undo();
    EXPECT_EQ(document.sheet().datum(1, 1), "4");
}

TEST(History, RefusalsAndChoicesThatChangeNothingAreNoSteps) {
    Document document = sections(1);
    document.type(1, 3, "5");   // blank rows before it
    document.type(2, 1, "5");   // no first datum
    document.clear();           // nothing to clear
    document.chooseTypology(1); // the typology shown
    document.setTypology(1);
    EXPECT_FALSE(document.canUndo());
    document.type(1, 1, "5");
    document.endTyping();
    document.insertRow(4); // nothing below the last row
    document.deleteRow(3); // beyond the last row
    document.beginStep();
    document.endStep();
    document.undo();
    EXPECT_FALSE(document.canUndo());
}

TEST(History, ACompoundChangeIsOneStepAndTheHistoryKeepsAtLeastAHundred) {
    Document document = sections(1);
    document.type(1, 1, "1");
    const QStringList before = seen(document);
    {
        const UndoStep step(document, 2);
        document.beginStep(); // nested: the same step
        for (int row = 2; row <= 30; ++row)
            document.type(1, row, "3");
        document.endStep();
        document.sheet().setDatum(2, 2, "7"); // directly in the sheet, as pasting may
        document.insertRow(2);
    }
    EXPECT_EQ(document.sheet().n(), 31);
    EXPECT_EQ(document.undo().showRow, 2);
    EXPECT_EQ(seen(document), before);
    document.redo();
    EXPECT_EQ(document.sheet().n(), 31);
    EXPECT_EQ(document.sheet().datum(2, 3), "7");

    document.clear();
    for (int row = 1; row <= kMaxRows; ++row)
        document.type(1, row, "2");
    for (int row = 1; row <= 20; ++row)
        document.type(2, row, "2");
    for (int step = 0; step < 120; ++step)
        ASSERT_TRUE(document.undo().changed) << step;
    EXPECT_EQ(document.sheet().n(), 0);
}

// "Cancella dati finestra" leaves the sheet as an empty one of its typology is laid out:
// no caption computed for the data that went (a relabelled head, a span moment's name).
TEST(Document, ClearingLaysTheSheetOutAsAnEmptyOneOfItsTypology) {
    const char* const values[] = {"6", "3", "2", "1", "1"};
    for (const SheetParams* params : allWindows()) {
        for (int typology = 1; typology <= int(params->typologies.size()); ++typology) {
            SCOPED_TRACE(params->name.toStdString() + " " + std::to_string(typology));
            Document empty(*params);
            empty.setTypology(typology);
            empty.layOut();
            empty.calculate();
            Document document = empty;
            for (int row = 1; row <= 2; ++row) {
                for (int column = 1; column <= int(params->data.size()); ++column)
                    document.type(column, row, values[(column + row) % 5]);
            }
            document.clear();
            EXPECT_EQ(seen(document), seen(empty));
        }
    }
}

// A refused keystroke empties the datum with the box, whatever refused it; nothing that
// leaves the data as they were is a step; each step is named as the menu takes it back.
TEST(History, EveryStepChangesTheDataAndIsNamedForTheMenu) {
    Document document = sections(1);
    document.type(1, 1, "20");
    document.type(2, 1, "30");
    document.endTyping();
    document.type(1, 1, ""); // the first datum goes...
    document.endTyping();
    const Effect refused = document.type(2, 1, "305"); // ...so the second is refused
    EXPECT_EQ(refused.boxText, QString());
    EXPECT_EQ(document.sheet().datum(2, 1), ""); // no datum the box does not show
    document.type(1, 1, "20");
    EXPECT_EQ(document.sheet().resultText(1, 1), "");
    document.undo();
    document.undo();
    EXPECT_EQ(document.sheet().datum(2, 1), "30");
    document.undo();
    EXPECT_EQ(document.sheet().datum(1, 1), "20");

    // Keystrokes that bring a box back to its text, and refusals that leave a box empty,
    // leave no step behind.
    const QStringList before = seen(document);
    const QString lastStep = document.undoName();
    document.endTyping();
    document.type(1, 1, "205");
    document.type(1, 1, "20");
    document.type(3, 1, "x");  // a wrong key in an empty box
    document.type(1, 3, "7");  // blank rows before it
    document.type(2, 5, "7");  // no first datum
    document.type(1, 1, "20"); // the text the box holds
    EXPECT_EQ(seen(document), before);
    EXPECT_EQ(document.undoName(), lastStep);
    EXPECT_FALSE(document.canRedo()); // the redo of the undone steps went with the typing

    const std::pair<QString, std::function<void()>> steps[] = {
        {"digitazione", [&] { document.type(1, 2, "5"); }},
        {"inserimento riga", [&] { document.insertRow(1); }},
        {"eliminazione riga", [&] { document.deleteRow(2); }},
        {"incolla righe", [&] { document.pasteRows(0, "4\t5\n"); }},
        {"cambio tipo di calcolo", [&] { document.chooseTypology(2); }},
        {"digitazione", [&] { document.type(1, 1, "9"); }},
        {"cancella dati finestra", [&] { document.clear(); }},
    };
    for (const auto& [name, change] : steps) {
        const QStringList earlier = seen(document);
        change();
        EXPECT_NE(seen(document), earlier) << name.toStdString();
        EXPECT_EQ(document.undoName(), name);
    }
    for (auto step = std::rbegin(steps); step != std::rend(steps); ++step) {
        EXPECT_EQ(document.undoName(), step->first);
        document.undo();
        EXPECT_EQ(document.redoName(), step->first);
    }
}
