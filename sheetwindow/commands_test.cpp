// Archive and print commands of a calculation window, and the windows' own hooks,
// driven through the real widgets.
#include "sheetwindow/window.h"
#include "tests/files.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"
#include "tests/windows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <cstdio>
#include <dirent.h>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Commands : public ::testing::Test {
protected:
    void open(const QString& kind, int typology = 1) {
        window.reset(new SheetWindow(windowParams(kind)));
        window->setTypology(typology);
        window->sistema();
        dialogs.clear();
    }
    void type(const QString& boxName, const QString& keys) {
        ASSERT_TRUE(TypeInto(window.get(), boxName, keys)) << boxName.toStdString();
    }
    QString text(const QString& name) const {
        if (auto* label = window->findChild<QLabel*>(name))
            return label->text();
        if (auto* box = window->findChild<QLineEdit*>(name))
            return box->text();
        return "<missing " + name + ">";
    }
    bool visible(const QString& name) const {
        return !window->findChild<QWidget*>(name)->isHidden();
    }
    void hover(const QString& name) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(window->findChild<QWidget*>(name), &enter);
    }
    QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<SheetWindow> window;
};

} // namespace

TEST_F(Commands, SaveWritesTheFileAndOpenReadsItBackWithResults) {
    open("sezioni", 17);
    const QString path = folder.filePath("Ponteluma-sez-prova");
    type("B_1", "20"), type("h_1", "20"), type("spess_1", "4"), type("hmin_1", "4");
    type("B_2", "12,5"), type("h_2", "30"), type("spess_2", "2"), type("hmin_2", "3");
    dialogs.paths = {path};
    window->findChild<QAction*>("salva")->trigger();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Salva file con nome");
    EXPECT_TRUE(dialogs.messages.empty()); // the check passes silently when saving
    EXPECT_EQ(read(path), "17,2\r\n\"20\"\r\n\"20\"\r\n\"4\"\r\n\"4\"\r\n"
                          "\"12,5\"\r\n\"30\"\r\n\"2\"\r\n\"3\"\r\n");
    EXPECT_EQ(window->document().file().shown, path);
    EXPECT_EQ(window->windowTitle(), windowParams("sezioni").caption + " - Ponteluma-sez-prova");

    open("sezioni", 1);
    dialogs.paths = {path};
    window->findChild<QAction*>("apri")->trigger();
    EXPECT_EQ(window->typology(), 17);
    EXPECT_EQ(text("numero"), "17");
    EXPECT_EQ(text("B_2"), "12,5");
    EXPECT_EQ(text("mom_1"), "5028"); // computed right after opening
    EXPECT_EQ(text("tot"), "2");

    // Save after Open writes back to the opened file without a dialog.
    type("B_3", "10"), type("h_3", "10"), type("spess_3", "1"), type("hmin_3", "1");
    dialogs.clear();
    window->findChild<QAction*>("salva")->trigger();
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_TRUE(read(path).startsWith("17,3\r\n"));
}

TEST_F(Commands, SaveRefusesAnIncompleteSheetAndWritesNothing) {
    open("sezioni", 1);
    const QString path = folder.filePath("Ponteluma-sez-vuoto");
    dialogs.paths = {path};
    window->salva();
    EXPECT_TRUE(dialogs.lastText().startsWith("Non esistono dati riconosciuti:"));
    EXPECT_FALSE(QFile::exists(path));

    type("B_1", "20"), type("h_1", "30"), type("B_2", "20");
    dialogs.clear();
    window->salva();
    EXPECT_EQ(dialogs.lastText().toStdString(),
              "Sezione n. 2 (vedi grafico):\r- manca il dato della seconda colonna.");
    EXPECT_TRUE(dialogs.fileRequests.empty());
    type("h_1", "5"); // the check brought row 2 to the top
    dialogs.clear();
    window->controlla(); // the check from the menu speaks again
    EXPECT_EQ(dialogs.lastText(), "I dati sono stati immessi correttamente per n. 2 sezioni.");
}

TEST_F(Commands, CancelledOrBadOpenLeavesTheSheetAsItWas) {
    open("sezioni", 1);
    type("B_1", "20"), type("h_1", "30");
    dialogs.paths = {QString()};
    window->apri();
    EXPECT_EQ(text("mom_1"), "45000");
    EXPECT_TRUE(dialogs.messages.empty());

    const QString bad = folder.filePath("Ponteluma-sez-rotto");
    write(bad, "1,2\r\n\"20\"\r\n\"30\"\r\n\"20\"\r\n"); // the second row lacks a record
    dialogs.paths = {bad};
    window->apri();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    EXPECT_TRUE(dialogs.messages[0].text.contains("Ponteluma-sez-rotto"));
    EXPECT_EQ(window->sheet().n(), 1);
    EXPECT_EQ(text("B_1"), "20");
    EXPECT_EQ(text("mom_1"), "45000");
    EXPECT_TRUE(window->document().file().isEmpty());
}

TEST_F(Commands, AnotherWindowsArchiveIsRefusedAndTheSheetStays) {
    const QString continuous = folder.filePath("Ponteluma-cont-prova.txt");
    write(continuous, "7,1\r\n\"5\",\"1000\"\r\n");
    open("travi", 4);
    type("dat1_1", "6"), type("dat2_1", "1000"), type("dat3_1", "2");
    dialogs.paths = {continuous};
    window->findChild<QAction*>("apri")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Il file \"Ponteluma-cont-prova.txt\" è un archivio delle "
                                        "travi continue: aprirlo dalla finestra Travi continue.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    EXPECT_EQ(window->typology(), 4);
    EXPECT_EQ(text("dat2_1"), "1000");
    EXPECT_EQ(text("mommax_1"), "1333");
    EXPECT_TRUE(window->document().file().isEmpty());
    EXPECT_EQ(read(continuous), "7,1\r\n\"5\",\"1000\"\r\n");
}

TEST_F(Commands, OpenThenUndoThenSaveNeverWritesOverTheOpenedFile) {
    const QString opened = folder.filePath("Ponteluma-trav-aperto.txt");
    const QByteArray bytes = "5,1\r\n\"6\",\"800\"\r\n";
    write(opened, bytes);
    open("travi", 4);
    type("dat1_1", "6"), type("dat2_1", "1000"), type("dat3_1", "2");
    dialogs.paths = {opened};
    window->findChild<QAction*>("apri")->trigger();
    EXPECT_EQ(window->windowTitle(),
              windowParams("travi").caption + " - Ponteluma-trav-aperto.txt");
    QAction* annulla = window->findChild<QAction*>("annulla");
    QAction* ripristina = window->findChild<QAction*>("ripristina");
    QAction* salva = window->findChild<QAction*>("salva");
    ASSERT_EQ(annulla->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    ASSERT_EQ(salva->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    annulla->trigger();
    EXPECT_EQ(window->typology(), 4);
    EXPECT_EQ(window->windowTitle(), windowParams("travi").caption);
    // Salva has no file: it asks for a name; a cancelled dialog writes nothing.
    dialogs.clear();
    dialogs.paths = {QString()};
    salva->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(read(opened), bytes);
    // Redone, the opening brings its file back with its data.
    ripristina->trigger();
    EXPECT_EQ(window->document().file().shown, opened);
    dialogs.clear();
    salva->trigger();
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_EQ(read(opened), bytes);
}

TEST_F(Commands, AnUnwritableSaveSaysSo) {
    open("sezioni", 1);
    type("B_1", "20"), type("h_1", "30");
    dialogs.paths = {folder.filePath("manca/Ponteluma-sez-x")};
    window->salvanome();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    EXPECT_TRUE(window->document().file().isEmpty());
    EXPECT_EQ(window->windowTitle(), windowParams("sezioni").caption);
}

TEST_F(Commands, DeleteRemovesTheChosenFileOnly) {
    open("sezioni", 1);
    const QString path = folder.filePath("Ponteluma-sez-da-eliminare");
    write(path, "1,0\r\n");
    type("B_1", "20");
    dialogs.paths = {path};
    window->elimina();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(dialogs.fileRequests[0].title,
              "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
    EXPECT_EQ(text("B_1"), "20");
}

// A file that cannot be removed is named in a message; the sheet stays as it was.
TEST_F(Commands, ADeleteThatFailsSaysWhy) {
    open("sezioni", 1);
    type("B_1", "20");
    const QString kept = folder.filePath("cartella");
    ASSERT_TRUE(QDir().mkpath(kept));
    struct Case {
        QString path;
        const char* why;
        bool secondUser;
    };
    const QString locked = folder.filePath("Ponteluma-sez-altrui");
    write(locked, "1,0\r\n");
    const Case cases[] = {
        {kept, "il percorso indica una cartella, non un file", false},
        {folder.filePath("Ponteluma-sez-sparito"), "il file non esiste", false},
        // A folder of another user, in which this one may not remove files.
        {locked, "mancano i permessi per togliere il file dalla sua cartella", true},
    };
    ASSERT_EQ(chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        if (c.secondUser && geteuid() != 0) {
            std::cout << "The removal by a second user is left out: " << SecondUser::skipReason()
                      << '\n';
            continue;
        }
        dialogs.clear();
        dialogs.paths = {c.path};
        {
            std::optional<SecondUser> user;
            if (c.secondUser)
                user.emplace();
            window->elimina();
        }
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "Il file \"" + QFileInfo(c.path).fileName() +
                                                "\" non è stato eliminato: " + c.why + ".");
        EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    }
    EXPECT_TRUE(QFile::exists(locked));
    EXPECT_TRUE(QFileInfo(kept).isDir());
    EXPECT_EQ(text("B_1"), "20");
}

// A name in the system's encoding that is not UTF-8 (Latin-1 "caffè") comes from the dialog
// with a replacement character; the window opens, saves and deletes that very file.
TEST_F(Commands, ANameThatIsNotUtf8OpensSavesAndGoesAsFromTheCommandLine) {
    open("sezioni", 1);
    const QByteArray native = QFile::encodeName(folder.path()) + "/Ponteluma-sez-caff\xe8.txt";
    {
        QFile file;
        ASSERT_TRUE(file.open(fopen(native.constData(), "wb"), QIODevice::WriteOnly,
                              QFileDevice::AutoCloseHandle));
        file.write("1,1\r\n\"20\"\r\n\"30\"\r\n");
    }
    const QString shown = QFile::decodeName(native);
    ASSERT_TRUE(shown.contains(QChar::ReplacementCharacter));
    dialogs.paths = {shown};
    window->apri();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.lastText().toStdString();
    EXPECT_EQ(text("mom_1"), "45000");

    type("h_1", "0");
    window->salva();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.lastText().toStdString();
    // The system's own listing: the one file, under its own name (no second spelling).
    const auto entries = [&] {
        QList<QByteArray> names;
        if (DIR* dir = opendir(QFile::encodeName(folder.path()).constData())) {
            while (const dirent* entry = readdir(dir)) {
                if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                    names << entry->d_name;
            }
            closedir(dir);
        }
        return names;
    };
    EXPECT_EQ(entries(), QList<QByteArray>{native.mid(native.lastIndexOf('/') + 1)});
    QFile saved;
    ASSERT_TRUE(saved.open(fopen(native.constData(), "rb"), QIODevice::ReadOnly,
                           QFileDevice::AutoCloseHandle));
    EXPECT_EQ(saved.readAll(), "1,1\r\n\"20\"\r\n\"300\"\r\n");

    dialogs.paths = {shown};
    window->elimina();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.lastText().toStdString();
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(Commands, PrintingScrollsThroughTheRowsAndACancelSaysNothing) {
    open("sezioni", 3);
    for (int row = 1; row <= 25; ++row)
        window->sheet().setDatum(1, row, "2");
    window->CountRows();
    dialogs.printerAccepted = false;
    window->stampa();
    EXPECT_EQ(dialogs.printerRequests, 1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window->firstVisibleRow(), 21);

    dialogs.printerAccepted = true;
    dialogs.pdfPath = folder.filePath("relazione.pdf");
    window->stampa();
    EXPECT_TRUE(read(dialogs.pdfPath).startsWith("%PDF"));
}

// The print dialog proposes the archive's name, with .pdf, in the archive's folder.
TEST_F(Commands, PrintingProposesAPdfNamedAfterTheArchive) {
    open("travi", 5);
    const QString archive = folder.filePath("Ponteluma-trav-solaio2");
    ASSERT_TRUE(QFile::copy(PONTELUMA_SOURCE_DIR "/examples/Ponteluma-trav-sbalzo.txt", archive));
    dialogs.paths = {archive};
    window->apri();
    ASSERT_EQ(window->document().file().shown, archive);
    dialogs.printerAccepted = false;
    window->stampa();
    EXPECT_EQ(dialogs.printerDocName, "Ponteluma-trav-solaio2");
    if (QPrinterInfo::availablePrinters().isEmpty()) { // no printer: it prints to a file
        EXPECT_EQ(dialogs.printerFile, folder.filePath("Ponteluma-trav-solaio2.pdf"));
    }
}

TEST_F(Commands, BeamsHoverShowsThePositionOfTheLargestMoment) {
    open("travi", 11);
    for (int r = 1; r <= 3; ++r)
        type(QString("dat1_%1").arg(r), "8"), type(QString("dat2_%1").arg(r), "1000");
    hover("num_3");
    EXPECT_TRUE(visible("perX"));
    EXPECT_EQ(text("perX"), "Trave n. 3: momento max per x = m. 3");
    emit window->tipocalcolo()->activated(4); // typology 5: no position to show
    type("dat1_1", "6"), type("dat2_1", "800");
    hover("num_1");
    EXPECT_FALSE(visible("perX"));
    EXPECT_EQ(text("mommax_1"), "3600");
    EXPECT_EQ(text("tagl2_1"), "-2400");
    EXPECT_EQ(text("label2"), "carico p");
    EXPECT_FALSE(window->findChild<QLineEdit*>("dat3_1")->isEnabled());
}

// With the grid scrolled, a hover reads the sheet row it shows, not the visible row.
TEST_F(Commands, HoverReadoutsFollowTheGridScrolledToRowsElevenToTwenty) {
    QString rows;
    for (int row = 1; row <= 20; ++row)
        rows += QString::number(row) + "\t1000\n";
    open("travi", 11);
    window->document().pasteRows(0, rows);
    window->Calculate();
    window->setFirstVisibleRow(11);
    hover("num_3");
    EXPECT_EQ(text("perX"), "Trave n. 13: momento max per x = m. 4.88"); // 3·13/8

    open("continue", 1);
    window->document().pasteRows(0, rows);
    window->Calculate();
    window->setFirstVisibleRow(11);
    hover("momAB_3");
    EXPECT_EQ(text("distanza"), "Il momento massimo in A-B è alla distanza di m. 4.88 da A.");
    hover("num_10");
    hover("momAB_10");
    EXPECT_EQ(text("distanza"), "Il momento massimo in A-B è alla distanza di m. 7.5 da A.");
}

// Every typology of every window greys exactly the columns it does not use, on every
// visible row.
TEST_F(Commands, EveryTypologyGreysTheColumnsItDoesNotUse) {
    for (const SheetParams* params : allWindows()) {
        for (int typology = 1; typology <= int(params->typologies.size()); ++typology) {
            open(params->name, typology);
            for (int column = 1; column <= int(params->data.size()); ++column) {
                const bool used = !params->uses || params->uses(typology, column);
                for (int r : {1, 10}) {
                    const QString name =
                        params->data[size_t(column) - 1].box + "_" + QString::number(r);
                    const auto* box = window->findChild<QLineEdit*>(name);
                    ASSERT_TRUE(box) << name.toStdString();
                    const std::string context = params->name.toStdString() + " typology " +
                                                std::to_string(typology) + " " + name.toStdString();
                    EXPECT_EQ(box->isEnabled(), used) << context;
                    EXPECT_EQ(box->palette().color(QPalette::Base),
                              used ? QColor(255, 255, 255) : QColor(192, 192, 192))
                        << context;
                }
            }
        }
    }
}

TEST_F(Commands, BeamsUniformTrapezoidIsRefusedAndItsDatumEmptied) {
    open("travi", 9);
    type("dat1_1", "6"), type("dat2_1", "500"), type("dat3_1", "500");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Il carico non può essere uniforme, altrimenti usare la tipologia 5.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    EXPECT_EQ(text("dat3_1"), "");
    EXPECT_TRUE(window->sheet().isEmpty(3, 1));
    dialogs.clear();
    type("dat2_1", "0"); // a later keystroke is not refused again by a hidden value
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Commands, ContinuousHoverShowsTheDistanceAndClearingHidesIt) {
    open("continue", 1);
    type("dat1_1", "5"), type("dat2_1", "1000");
    EXPECT_EQ(text("momAB_1"), "1748");
    EXPECT_FALSE(visible("distanza"));
    hover("momAB_1");
    EXPECT_TRUE(visible("distanza"));
    EXPECT_EQ(text("distanza"), "Il momento massimo in A-B è alla distanza di m. 1.88 da A.");
    EXPECT_EQ(window->findChild<QLabel*>("momAB_1")->palette().color(QPalette::Window),
              QColor(255, 255, 0));
    hover("momCD_1"); // typology 1 has no C-D: nothing changes but the highlight
    EXPECT_TRUE(visible("distanza"));
    EXPECT_EQ(window->findChild<QLabel*>("momAB_1")->palette().color(QPalette::Window),
              QColor(0, 255, 255));
    hover("momBC_1");
    EXPECT_FALSE(visible("distanza"));
    hover("momAB_1");
    window->cancella();
    EXPECT_FALSE(visible("distanza"));
}

TEST_F(Commands, PlatesChooserKeepsDataWithinAShape) {
    open("piastre", 1);
    type("dat1_1", "4"), type("dat2_1", "5,4"), type("dat3_1", "500");
    EXPECT_EQ(text("mom1_1"), "532");
    EXPECT_EQ(text("mom2_1"), "260");
    emit window->tipocalcolo()->activated(1); // clamped: same shape
    EXPECT_EQ(text("mom1_1"), "254");
    EXPECT_EQ(text("mom3_1"), "-568");
    EXPECT_EQ(text("mom4_1"), "-411");
    emit window->tipocalcolo()->activated(2); // circular: cleared
    EXPECT_EQ(window->sheet().n(), 0);
    EXPECT_EQ(text("dat1_1"), "");
    EXPECT_EQ(text("label1"), "raggio R");
    EXPECT_FALSE(window->findChild<QLineEdit*>("dat2_1")->isEnabled());
}

TEST_F(Commands, ArchesRelabelTheirHeadsAndShowTheNote) {
    open("archi", 1);
    type("luc_1", "10"), type("car_1", "1000"), type("dist_1", "3"), type("frec_1", "2");
    EXPECT_EQ(text("ya_1"), "700");
    EXPECT_EQ(text("lbxa"), "x");
    EXPECT_TRUE(visible("note"));
    EXPECT_EQ(text("note"), "La formula di x è valida per a<=m. 5 (l/2)");
    EXPECT_FALSE(window->findChild<QLineEdit*>("alt_1")->isEnabled());
}

TEST_F(Commands, HeadsAndResultsFollowTheTypologyChosenInTheMainWindow) {
    // Arches: the relabelled heads and the note of typology 1 go with a typology that
    // has neither, as soon as the main window chooses it.
    open("archi", 1);
    type("luc_1", "10"), type("car_1", "1000"), type("dist_1", "3"), type("frec_1", "2");
    ASSERT_TRUE(visible("note"));
    window->setTypology(4);
    window->sistema();
    EXPECT_FALSE(visible("note"));
    EXPECT_EQ(text("ya_1"), "5000"); // c·l/2 of the new typology, at once

    // Beams: "momento C" of a point load goes with a uniform load.
    open("travi", 4);
    type("dat1_1", "6"), type("dat2_1", "1000"), type("dat3_1", "2");
    EXPECT_EQ(text("labelM"), "momento C");
    window->setTypology(5);
    window->sistema();
    EXPECT_EQ(text("labelM"), "momento max");
    EXPECT_EQ(text("mommax_1"), "4500"); // 1000·36/8
    // A cantilever shows no span moment, not the one of the beam before.
    window->setTypology(1);
    window->sistema();
    EXPECT_EQ(text("mommax_1"), "");
    EXPECT_EQ(text("mom2_1"), "-6000");
}

// ---- one file per window, the type chooser, undo and redo ---------------------------------

namespace {

// Everything the window shows of its sheet: boxes (text, colour, greyed), results, heads,
// notes, hint, count, typology number and the chooser's entry.
QStringList shown(const SheetWindow& window) {
    QStringList seen;
    for (const QLabel* label : window.findChildren<QLabel*>())
        seen << label->objectName() + "=" + label->text() + (label->isHidden() ? " hidden" : "");
    for (const QLineEdit* box : window.findChildren<QLineEdit*>())
        seen << box->objectName() + "=" + box->text() + (box->isEnabled() ? "" : " grey") +
                    box->palette().color(QPalette::Base).name();
    seen << "tipocalcolo=" + window.tipocalcolo()->currentText();
    return seen;
}

} // namespace

TEST_F(Commands, EachWindowSavesToItsOwnFileNamedInItsCaption) {
    const QString sections = folder.filePath("Ponteluma-sez-travata.txt");
    write(sections, "3,1\r\n\"20\"\r\n");
    open("sezioni", 1);
    dialogs.paths = {sections};
    window->findChild<QAction*>("apri")->trigger();
    EXPECT_EQ(window->windowTitle(),
              windowParams("sezioni").caption + " - Ponteluma-sez-travata.txt");

    SheetWindow beams(windowParams("travi"));
    beams.sistema();
    EXPECT_EQ(beams.windowTitle(), windowParams("travi").caption);
    beams.findChild<QLineEdit*>("dat1_1")->insert("6");
    beams.findChild<QLineEdit*>("dat2_1")->insert("1000");
    const QString beamsFile = folder.filePath("Ponteluma-trav-a.txt");
    dialogs.clear();
    dialogs.paths = {beamsFile};
    beams.findChild<QAction*>("salva")->trigger();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u); // this window has no file yet
    EXPECT_EQ(read(sections), "3,1\r\n\"20\"\r\n");
    EXPECT_TRUE(read(beamsFile).startsWith("1,1\r\n"));
    EXPECT_EQ(beams.windowTitle(), windowParams("travi").caption + " - Ponteluma-trav-a.txt");

    // Each window goes on saving to its own file without asking.
    dialogs.clear();
    type("B_2", "5");
    window->findChild<QAction*>("salva")->trigger();
    beams.findChild<QAction*>("salva")->trigger();
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_EQ(read(sections), "3,2\r\n\"20\"\r\n\"5\"\r\n");
    EXPECT_TRUE(read(beamsFile).startsWith("1,1\r\n"));

    // A cancelled "Salva con nome" keeps the file; an undo after saving leaves it alone.
    dialogs.paths = {QString()};
    window->salvanome();
    EXPECT_EQ(window->document().file().shown, sections);
    window->annulla();
    EXPECT_EQ(text("B_2"), "");
    EXPECT_EQ(read(sections), "3,2\r\n\"20\"\r\n\"5\"\r\n");
}

TEST_F(Commands, TheWheelAndTheEntryShownLeaveTheSheetAlone) {
    open("sezioni", 2);
    type("B_1", "20"), type("h_1", "30"), type("spess_1", "4");
    const QStringList before = shown(*window);
    QComboBox* chooser = window->tipocalcolo();
    QWheelEvent wheel(QPointF(5, 5), chooser->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(chooser, &wheel);
    emit chooser->activated(1); // typology 2, already shown
    // The arrows on the closed chooser open its list instead of choosing.
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(chooser, &press);
        chooser->hidePopup();
    }
    EXPECT_EQ(window->typology(), 2);
    EXPECT_EQ(shown(*window), before);
}

TEST_F(Commands, EveryChangeOfEveryWindowIsUndoneAndRedone) {
    const char* const values[] = {"6", "3", "2", "1"};
    for (const SheetParams* params : allWindows()) {
        SCOPED_TRACE(params->name.toStdString());
        open(params->name, 1);
        auto fill = [&](int row) {
            for (int c = 1; c <= int(params->data.size()); ++c) {
                auto* box = window->findChild<QLineEdit*>(params->data[size_t(c) - 1].box + "_" +
                                                          QString::number(row));
                if (box->isEnabled())
                    box->insert(values[(c - 1) % 4]);
            }
        };
        fill(1), fill(2);
        const QString file = folder.filePath(params->archive.prefix + "undo.txt");
        ASSERT_TRUE(window->document().write(file, nullptr));
        auto* firstBox = window->findChild<QLineEdit*>(params->data[0].box + "_2");
        struct Change {
            const char* name; // as the undo and redo items name it
            std::function<void()> make;
        };
        const std::vector<Change> changes = {
            {"digitazione", [&] { firstBox->selectAll(), firstBox->insert("9"); }},
            {"inserimento riga", [&] { window->insertRow(1); }},
            {"eliminazione riga", [&] { window->deleteRow(3); }},
            {"cambio tipo di calcolo", [&] { window->setTypology(2), window->sistema(); }},
            {"cambio tipo di calcolo", [&] { emit window->tipocalcolo()->activated(2); }},
            {"digitazione",
             [&] { window->findChild<QLineEdit*>(params->data[0].box + "_1")->insert("4"); }},
            {"cancella dati finestra", [&] { window->findChild<QAction*>("cancella")->trigger(); }},
            {"apri file",
             [&] {
                 dialogs.paths = {file};
                 window->findChild<QAction*>("apri")->trigger();
             }},
        };
        std::vector<QStringList> states{shown(*window)};
        QAction* annulla = window->findChild<QAction*>("annulla");
        QAction* ripristina = window->findChild<QAction*>("ripristina");
        for (const Change& change : changes) {
            change.make();
            states.push_back(shown(*window));
            EXPECT_NE(states.back(), states[states.size() - 2])
                << change.name << " changed nothing";
            EXPECT_EQ(annulla->text(), QString("&Annulla ") + change.name);
        }
        EXPECT_FALSE(ripristina->isEnabled());
        EXPECT_EQ(ripristina->text(), "&Ripristina");
        for (size_t i = changes.size(); i-- > 0;) {
            EXPECT_TRUE(annulla->isEnabled());
            annulla->trigger();
            EXPECT_EQ(shown(*window), states[i]) << "undo of " << changes[i].name;
            EXPECT_EQ(ripristina->text(), QString("&Ripristina ") + changes[i].name);
        }
        // The opening taken back takes its file with it.
        EXPECT_TRUE(window->document().file().isEmpty());
        EXPECT_EQ(window->windowTitle(), params->caption);
        for (size_t i = 0; i < changes.size(); ++i) {
            EXPECT_TRUE(ripristina->isEnabled());
            ripristina->trigger();
            EXPECT_EQ(shown(*window), states[i + 1]) << "redo of " << changes[i].name;
        }
        EXPECT_FALSE(ripristina->isEnabled());
        EXPECT_EQ(window->document().file().shown, file);
    }
}

TEST_F(Commands, TenTypedValuesAreUndoneOneBoxAtATime) {
    open("sezioni", 1);
    QAction* annulla = window->findChild<QAction*>("annulla");
    QAction* ripristina = window->findChild<QAction*>("ripristina");
    EXPECT_FALSE(annulla->isEnabled());
    EXPECT_FALSE(ripristina->isEnabled());
    std::vector<QStringList> states;
    for (int row = 1; row <= 5; ++row) {
        states.push_back(shown(*window));
        type("B_" + QString::number(row), "12,5"); // a keystroke at a time
        states.push_back(shown(*window));
        type("h_" + QString::number(row), "30");
    }
    EXPECT_EQ(text("tot"), "5");
    for (int step = 9; step >= 0; --step) {
        annulla->trigger();
        EXPECT_EQ(shown(*window), states[size_t(step)]) << "step " << step;
    }
    EXPECT_FALSE(annulla->isEnabled());
    EXPECT_TRUE(ripristina->isEnabled());
    for (int step = 0; step < 10; ++step)
        ripristina->trigger();
    EXPECT_EQ(text("mom_5"), "28125");
    EXPECT_FALSE(ripristina->isEnabled());

    // The focus leaving a box ends its step; undo shows the row it changes.
    QLineEdit* box = window->findChild<QLineEdit*>("B_1");
    box->insert("1");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
    box->insert("2");
    window->setFirstVisibleRow(40);
    annulla->trigger();
    EXPECT_EQ(window->firstVisibleRow(), 1);
    EXPECT_EQ(text("B_1"), "12,51");
}
