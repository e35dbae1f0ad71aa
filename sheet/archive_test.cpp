#include "sheet/archive.h"
#include "sheet/document.h"
#include "tests/sheets.h"

#include "tests/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const SheetParams& sections() {
    return windowParams("sezioni");
}

// A sections sheet of the typology whose used columns hold distinct data.
Sheet filledSheet(int typology, int rows) {
    const SheetParams& params = sections();
    Sheet sheet = newSheet(params);
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= 4; ++column) {
            if (params.uses(typology, column))
                sheet.setDatum(column, row, QString("%1%2,5").arg(row).arg(column));
        }
    }
    sheet.CountRows();
    return sheet;
}

TEST(Archive, EverySectionsTypologyRoundTrips) {
    const SheetParams& params = sections();
    for (int typology = 1; typology <= 17; ++typology) {
        SCOPED_TRACE(typology);
        const Sheet sheet = filledSheet(typology, 3);
        const QByteArray bytes = FormatArchive(params, sheet, typology);
        const int columns = int(params.archive.records(typology).size());
        EXPECT_EQ(bytes.count("\r\n"), 1 + 3 * columns);

        ArchiveContent content;
        QString problem;
        ASSERT_TRUE(ParseArchive(params, bytes, &content, &problem)) << problem.toStdString();
        EXPECT_EQ(content.typology, typology);
        ASSERT_EQ(content.n, 3);
        for (int row = 1; row <= 3; ++row) {
            for (int column = 1; column <= 4; ++column)
                EXPECT_EQ(content.rows[row - 1][column - 1], sheet.datum(column, row))
                    << "row " << row << " column " << column;
        }
    }
}

TEST(Archive, ExactBytesOfWrittenFiles) {
    const SheetParams& params = sections();
    Sheet t = filledSheet(17, 3);
    EXPECT_EQ(FormatArchive(params, t, 17),
              QByteArray("17,3\r\n"
                         "\"11,5\"\r\n\"12,5\"\r\n\"13,5\"\r\n\"14,5\"\r\n"
                         "\"21,5\"\r\n\"22,5\"\r\n\"23,5\"\r\n\"24,5\"\r\n"
                         "\"31,5\"\r\n\"32,5\"\r\n\"33,5\"\r\n\"34,5\"\r\n"));

    Sheet square = newSheet(params);
    square.setDatum(1, 1, "4");
    square.setDatum(1, 2, "10,25");
    square.CountRows();
    EXPECT_EQ(FormatArchive(params, square, 3), QByteArray("3,2\r\n\"4\"\r\n\"10,25\"\r\n"));

    const Sheet empty = newSheet(params);
    EXPECT_EQ(FormatArchive(params, empty, 5), QByteArray("5,0\r\n"));
}

TEST(Archive, MalformedFilesAreRefusedWhole) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QString problem;
    };
    const QString notQuoted = "la riga 2 contiene un valore che non è un testo tra virgolette";
    const Case cases[] = {
        {"empty file", "", "la prima riga non contiene la tipologia e il numero dei dati"},
        {"text header", "rettangolo\r\n", "la prima riga non contiene la tipologia"},
        {"header of one number", "1\r\n\"20\"\r\n", "la prima riga non contiene"},
        {"header of three numbers", "1,1,1\r\n", "la prima riga non contiene"},
        {"quoted header", "\"1\",\"0\"\r\n", "la prima riga non contiene"},
        {"typology 0", "0,0\r\n", "la tipologia 0 non esiste in questa finestra"},
        {"typology 18", "18,0\r\n", "la tipologia 18 non esiste in questa finestra"},
        {"n above 100", "3,101\r\n", "il numero dei dati (101) non è compreso tra 0 e 100"},
        {"negative n", "3,-1\r\n", "il numero dei dati (-1)"},
        {"huge n", "3,99999999999999\r\n", "la prima riga non contiene"},
        {"fewer records", "1,2\r\n\"20\"\r\n\"30\"\r\n\"10\"\r\n",
         "il file è incompleto: contiene 4 righe, ne servono 5"},
        {"two values for one", "1,1\r\n\"20\",\"30\"\r\n\"30\"\r\n",
         "la riga 2 contiene 2 valori invece di 1"},
        {"trailing comma", "3,1\r\n\"20\",\r\n", notQuoted},
        {"bare number", "1,1\r\n20\r\n\"30\"\r\n", notQuoted},
        {"unclosed quote", "1,1\r\n\"20\r\n\"30\"\r\n", notQuoted},
        {"text after quote", "1,1\r\n\"20\"x\r\n\"30\"\r\n", notQuoted},
        {"decimal point", "1,1\r\n\"20\"\r\n\"3.5\"\r\n", "la riga 3 non contiene un dato valido"},
        {"lone comma", "1,1\r\n\"20\"\r\n\",\"\r\n", "la riga 3 non contiene un dato valido"},
        {"letter", "1,1\r\n\"2O\"\r\n\"30\"\r\n", "la riga 2 non contiene un dato valido"},
        {"minus sign", "3,1\r\n\"-4\"\r\n", "la riga 2 non contiene un dato valido"},
        {"blank inside", "3,1\r\n\"4 5\"\r\n", "la riga 2 non contiene un dato valido"},
        {"blank record", "1,1\r\n\r\n\"30\"\r\n", "la riga 2 è vuota"},
        {"bad third row", "3,3\r\n\"1\"\r\n\"2\"\r\n\"x\"\r\n",
         "la riga 4 non contiene un dato valido"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ArchiveContent content;
        content.typology = 9; // must stay as it was
        QString problem;
        EXPECT_FALSE(ParseArchive(sections(), c.bytes, &content, &problem));
        EXPECT_TRUE(problem.startsWith(c.problem)) << problem.toStdString();
        EXPECT_EQ(content.typology, 9);
        EXPECT_TRUE(content.rows.empty());
    }
}

TEST(Archive, LenientLineEndsAndTrailingLinesAreAccepted) {
    const QByteArray variants[] = {
        "1,2\n\"20\"\n\"30\"\n\"12,5\"\n\"4\"\n",                            // LF only
        "1,2\r\n\"20\"\r\n\"30\"\r\n\"12,5\"\r\n\"4\"",                      // no final line end
        "1,2\r\n\"20\"\r\n\"30\"\r\n\"12,5\"\r\n\"4\"\r\nnote\r\n\"1\"\r\n", // extra lines
        "1,2\r\n\"20\"\r\n\"30\"\r\n\"12,5\"\r\n\"4\"\r\n\r\n\r\n",          // blank lines after
        "\xEF\xBB\xBF"
        "1, 2\r\n\"20\"\r\n\"30\"\r\n\"12,5\"\r\n\"4\"\r\n", // BOM, blank in header
    };
    for (const QByteArray& bytes : variants) {
        SCOPED_TRACE(bytes.toStdString());
        ArchiveContent content;
        QString problem;
        ASSERT_TRUE(ParseArchive(sections(), bytes, &content, &problem)) << problem.toStdString();
        EXPECT_EQ(content.typology, 1);
        ASSERT_EQ(content.n, 2);
        EXPECT_EQ(content.rows[0], (std::vector<QString>{"20", "30", "", ""}));
        EXPECT_EQ(content.rows[1], (std::vector<QString>{"12,5", "4", "", ""}));
    }
}

TEST(Archive, OpenedFileFillsTheSheet) {
    ArchiveContent content;
    ASSERT_TRUE(ParseArchive(sections(),
                             "2,2\r\n\"20\"\r\n\"30\"\r\n\"5\"\r\n\"12\"\r\n\"8\"\r\n\"2\"\r\n",
                             &content, nullptr));
    Sheet sheet = newSheet(sections());
    sheet.setDatum(1, 7, "99"); // left over from an earlier sheet
    ApplyArchive(content, sheet);
    EXPECT_EQ(sheet.n(), 2);
    EXPECT_EQ(sheet.datum(3, 1), "5");
    EXPECT_EQ(sheet.datum(1, 2), "12");
    EXPECT_TRUE(sheet.isEmpty(1, 7));
}

TEST(Archive, WriteThenReadAndReadFailures) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("Ponteluma-sez-prova.txt");
    const Sheet sheet = filledSheet(2, 2);
    QString problem;
    ASSERT_TRUE(WriteArchive(sections(), sheet, 2, path, &problem)) << problem.toStdString();
    EXPECT_EQ(ReadFile(path), FormatArchive(sections(), sheet, 2));
    ArchiveContent content;
    ASSERT_TRUE(ReadArchive(sections(), path, &content, &problem));
    EXPECT_EQ(content.rows[1][2], "23,5");
    EXPECT_EQ(FolderEntries(dir.path()).size(), 1); // no temporary left, hidden or not

    EXPECT_FALSE(ReadArchive(sections(), dir.filePath("nessuno.txt"), &content, &problem));
    EXPECT_EQ(problem, "il file non esiste");
    EXPECT_FALSE(ReadArchive(sections(), dir.path(), &content, &problem));
    EXPECT_EQ(problem, "il percorso indica una cartella, non un file");
    EXPECT_FALSE(WriteArchive(sections(), sheet, 2, dir.filePath("manca/x.txt"), &problem));
    EXPECT_FALSE(problem.isEmpty());
}

// Runs f without the rights of the super-user, so that folder permissions apply.
template <typename F> void asUnprivileged(F f) {
    if (geteuid() != 0) {
        f();
        return;
    }
    ASSERT_EQ(seteuid(65534), 0);
    f();
    ASSERT_EQ(seteuid(0), 0);
}

TEST(Archive, FailedSaveKeepsThePreviousFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("Ponteluma-sez-vecchio.txt");
    const QByteArray previous = "1,1\r\n\"20\"\r\n\"30\"\r\n";
    WriteFile(path, previous);
    // The file itself may be written, its folder may not: a direct overwrite would be
    // possible, but a half-written file must never replace the old one.
    QFile::setPermissions(path, QFileDevice::Permissions(0x6666));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
    bool written = true;
    QString problem;
    asUnprivileged(
        [&] { written = WriteArchive(sections(), filledSheet(17, 3), 17, path, &problem); });
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7700));
    EXPECT_FALSE(written);
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_EQ(ReadFile(path), previous);
    EXPECT_EQ(ArchiveWriteMessage(path, problem),
              "Il file \"Ponteluma-sez-vecchio.txt\" non è stato salvato: " + problem + ".");
}

constexpr char kPrevious[] = "1,1\r\n\"20\"\r\n\"30\"\r\n";

// After a save that failed: the failure is told, the previous file is as it was and no
// copy is left beside it.
void expectPreviousKept(const QString& folder, const QString& problem, const QString& expected) {
    EXPECT_EQ(problem.toStdString(),
              (expected + "; il file precedente non è stato modificato").toStdString());
    EXPECT_EQ(ReadFile(folder + "/Ponteluma-sez-vecchio.txt"), kPrevious);
    EXPECT_EQ(FolderEntries(folder), QStringList{"Ponteluma-sez-vecchio.txt"});
}

// The write fails part-way, as on a full disk: the system refuses the bytes beyond a size.
TEST(Archive, SaveCutShortKeepsThePreviousFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("Ponteluma-sez-vecchio.txt");
    WriteFile(path, kPrevious);
    const Sheet sheet = filledSheet(17, 30); // about 1 KiB
    QString problem;
    bool written = true;
    {
        const FileSizeLimit limit(512);
        written = WriteArchive(sections(), sheet, 17, path, &problem);
    }

    EXPECT_FALSE(written);
    expectPreviousKept(dir.path(), problem, "il file supera la dimensione consentita");
    EXPECT_EQ(ArchiveWriteMessage(path, problem),
              "Il file \"Ponteluma-sez-vecchio.txt\" non è stato salvato: il file supera la "
              "dimensione consentita; il file precedente non è stato modificato.");
    ASSERT_TRUE(WriteArchive(sections(), sheet, 17, path, &problem));
    EXPECT_EQ(ReadFile(path), FormatArchive(sections(), sheet, 17));
}

// A real full disk: a tiny memory file system, which only the super-user may mount.
TEST(Archive, SaveOntoAFullDiskKeepsThePreviousFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray folder = QFile::encodeName(dir.path());
    if (geteuid() != 0 || mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small file system can be mounted only by the super-user";
    const QString path = dir.filePath("Ponteluma-sez-vecchio.txt");
    WriteFile(path, kPrevious);
    const QString fillerPath = dir.filePath("riempitivo");
    QFile filler(fillerPath);
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) == 4096) {
    }
    filler.close();

    QString problem;
    const bool written = WriteArchive(sections(), filledSheet(17, 30), 17, path, &problem);
    QFile::remove(fillerPath);
    EXPECT_FALSE(written);
    expectPreviousKept(dir.path(), problem, "il disco è pieno");
    umount(folder.constData());
}

TEST(Archive, OnlyRegularFilesAreOpenedOrSaved) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath("Ponteluma-sez-fifo.txt");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    alarm(20); // a read that waits on the FIFO ends the test instead of hanging it
    ArchiveContent content;
    QString problem;
    EXPECT_FALSE(ReadArchive(sections(), fifo, &content, &problem));
    EXPECT_EQ(problem, "il percorso indica una pipe (FIFO), non un file");
    EXPECT_FALSE(ReadArchive(sections(), QStringLiteral("/dev/zero"), &content, &problem));
    EXPECT_EQ(problem, "il percorso indica un dispositivo, non un file");

    const Sheet sheet = filledSheet(1, 1);
    EXPECT_FALSE(WriteArchive(sections(), sheet, 1, fifo, &problem));
    EXPECT_EQ(problem, "il percorso indica una pipe (FIFO), non un file");
    struct stat info;
    EXPECT_TRUE(stat(QFile::encodeName(fifo).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    EXPECT_FALSE(WriteArchive(sections(), sheet, 1, dir.path(), &problem));
    EXPECT_EQ(problem, "il percorso indica una cartella, non un file");
    alarm(0);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{"Ponteluma-sez-fifo.txt"});
}

TEST(Archive, MessagesNameTheFile) {
    EXPECT_EQ(ArchiveReadMessage("/home/anna/Ponteluma-sez-a.txt",
                                 "la riga 3 non contiene un dato valido"),
              "Il file \"Ponteluma-sez-a.txt\" non può essere aperto: la riga 3 non contiene un "
              "dato valido.");
}

TEST(Archive, DialogsOfEveryWindow) {
    const char* const prefixes[] = {"Ponteluma-sez-", "Ponteluma-trav-", "Ponteluma-cont-",
                                    "Ponteluma-arc-", "Ponteluma-piastr-"};
    ASSERT_EQ(allWindows().size(), std::size(prefixes));
    for (size_t kind = 0; kind < std::size(prefixes); ++kind) {
        const SheetParams& params = *allWindows()[kind];
        const QString p = prefixes[kind];
        SCOPED_TRACE(p.toStdString());
        ASSERT_EQ(params.archive.prefix, p);

        const FileDialogRequest open = OpenRequest(params);
        EXPECT_EQ(open.title, "Apri file");
        EXPECT_EQ(open.filter, "Tutti i file (*.*) | *.*|File " + p + " | " + p + "*");
        EXPECT_EQ(open.filterIndex, 2);
        EXPECT_TRUE(open.fileName.isEmpty());

        const FileDialogRequest save = SaveRequest(params, "Ponteluma-sez-travi.txt");
        EXPECT_EQ(save.title, "Salva file con nome");
        EXPECT_EQ(save.filter, "File " + p + " | " + p + "*");
        EXPECT_EQ(save.filterIndex, 1);
        EXPECT_EQ(save.fileName, "Ponteluma-sez-travi.txt");

        const FileDialogRequest del = DeleteRequest(params);
        EXPECT_EQ(del.title,
                  "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
        EXPECT_EQ(del.filter, "Tutti i file (*.*)|*.*|File " + p + " | " + p + "*");
        EXPECT_EQ(del.filterIndex, 2);
    }
}

TEST(Archive, WindowWithoutRecordsIsNotAvailable) {
    SheetParams params = sections();
    params.archive.records = nullptr;
    EXPECT_FALSE(ArchiveAvailable(params));
    QString problem;
    EXPECT_FALSE(ParseArchive(params, "1,0\r\n", nullptr, &problem));
    EXPECT_EQ(problem, "la finestra non è ancora disponibile");
    const Sheet sheet = filledSheet(1, 1);
    EXPECT_EQ(FormatArchive(params, sheet, 1), QByteArray("1,1\r\n"));
    QTemporaryDir dir;
    EXPECT_FALSE(WriteArchive(params, sheet, 1, dir.filePath("x.txt"), &problem));

    params = sections();
    params.archive.records = [](int) { return std::vector<std::vector<int>>{{1, 9}}; };
    EXPECT_FALSE(ParseArchive(params, "1,1\r\n\"1\",\"2\"\r\n", nullptr, &problem));
}

} // namespace

// Every example, written in "tecniche", reads and writes back byte for byte; converted to
// SI it is written with its marker and reads back in SI with the same data.
TEST(Archive, ExamplesKeepTheirBytesAndSiFilesTheirMarker) {
    const QDir folder(QStringLiteral(PONTELUMA_SOURCE_DIR "/examples"));
    const QStringList names = folder.entryList({"Ponteluma-*.txt"}, QDir::Files);
    ASSERT_GE(names.size(), 5);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const SheetParams* params = nullptr;
        for (const SheetParams* window : allWindows()) {
            if (name.startsWith(window->archive.prefix))
                params = window;
        }
        ASSERT_TRUE(params);
        const QByteArray bytes = ReadFile(folder.filePath(name));
        QString problem;
        std::optional<Document> document =
            OpenDocument(*params, FilePath(folder.filePath(name)), &problem);
        ASSERT_TRUE(document) << problem.toStdString();
        if (document->units() == Units::SI) {
            EXPECT_TRUE(bytes.startsWith(QByteArray::number(document->typology()) + ',' +
                                         QByteArray::number(document->sheet().n()) +
                                         ",\"SI\"\r\n"));
            document->convertUnits(Units::Tecniche);
        }
        const QByteArray tecniche = FormatArchive(*params, document->sheet(), document->typology());
        if (!bytes.contains("\"SI\"")) {
            EXPECT_EQ(tecniche, bytes);
        }

        document->convertUnits(Units::SI);
        const QByteArray si = FormatArchive(*params, document->sheet(), document->typology());
        const QByteArray header = tecniche.left(tecniche.indexOf("\r\n"));
        EXPECT_TRUE(si.startsWith(header + ",\"SI\"\r\n")) << si.left(20).toStdString();
        ArchiveContent content;
        ASSERT_TRUE(ParseArchive(*params, si, &content, &problem)) << problem.toStdString();
        EXPECT_EQ(content.units, Units::SI);
        Sheet read = newSheet(*params);
        ApplyArchive(content, read);
        EXPECT_EQ(read.units(), Units::SI);
        EXPECT_EQ(FormatArchive(*params, read, content.typology), si);
    }
}

TEST(Archive, AnUnknownUnitsMarkerRefusesTheFile) {
    const SheetParams& params = sections();
    ArchiveContent content;
    content.typology = 99;
    QString problem;
    for (const char* marker : {"\"US\"", "\"si\"", "\"\""}) {
        const QByteArray bytes = QByteArray("3,1,") + marker + "\r\n\"4\"\r\n";
        EXPECT_FALSE(ParseArchive(params, bytes, &content, &problem)) << marker;
        EXPECT_TRUE(problem.startsWith("le unità di misura")) << problem.toStdString();
        EXPECT_EQ(content.typology, 99);
    }
    ASSERT_TRUE(ParseArchive(params, "3,1,\"SI\"\r\n\"40\"\r\n", &content, &problem));
    EXPECT_EQ(content.units, Units::SI);
    ASSERT_TRUE(ParseArchive(params, "3,1\r\n\"4\"\r\n", &content, &problem));
    EXPECT_EQ(content.units, Units::Tecniche);
}

// The prefix of a file's name says which window reads it: another window's file is
// refused with the name of that window; the window's own, or a name of no window, is not.
TEST(Archive, AnotherWindowsFileIsNamedByItsPrefix) {
    const SheetParams& beams = windowParams("travi");
    for (const SheetParams* other : allWindows()) {
        const QString path = "/tmp/" + other->archive.prefix + "prova.txt";
        const QString message = ForeignArchiveMessage(beams, allWindows(), path);
        if (other == &beams) {
            EXPECT_EQ(message, "");
            continue;
        }
        EXPECT_EQ(message, "Il file \"" + other->archive.prefix + "prova.txt\" è un archivio " +
                               other->words.archiveOf + ": aprirlo dalla finestra " +
                               other->words.windowName + ".");
    }
    EXPECT_EQ(ForeignArchiveMessage(beams, allWindows(), "/tmp/travi.txt"), "");
    EXPECT_EQ(
        ForeignArchiveMessage(windowParams("continue"), allWindows(),
                              "/tmp/Ponteluma-trav-uno.txt"),
        "Il file \"Ponteluma-trav-uno.txt\" è un archivio delle travi semplici: aprirlo dalla "
        "finestra Travi semplici.");
}

// A full sheet of 100 rows goes to the file and comes back datum for datum, and is
// written again byte for byte.
TEST(Archive, AFullSheetOfAHundredRowsRoundTrips) {
    const SheetParams& params = sections();
    const Sheet sheet = filledSheet(17, kMaxRows);
    ASSERT_EQ(sheet.n(), kMaxRows);
    QTemporaryDir folder;
    const QString path = folder.filePath("Ponteluma-sez-cento.txt");
    QString problem;
    ASSERT_TRUE(WriteArchive(params, sheet, 17, path, &problem)) << problem.toStdString();
    ArchiveContent content;
    ASSERT_TRUE(ReadArchive(params, path, &content, &problem)) << problem.toStdString();
    ASSERT_EQ(content.n, kMaxRows);
    Sheet read = newSheet(params);
    ApplyArchive(content, read);
    ASSERT_EQ(read.n(), kMaxRows);
    for (int row : {1, 50, 99, 100}) {
        for (int column = 1; column <= 4; ++column)
            EXPECT_EQ(read.datum(column, row), sheet.datum(column, row)) << row << " " << column;
    }
    EXPECT_EQ(FormatArchive(params, read, 17), FormatArchive(params, sheet, 17));
}
