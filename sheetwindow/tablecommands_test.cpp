// Copy, paste and export of the table in every calculation window, through the menus and
// the real widgets; the table is the one the command line's `compute` prints.
#include "sheet/table.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/window.h"
#include "tests/files.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One example archive of each window, with the table `compute` prints for it.
struct Example {
    const char* window;
    const char* name;
};
const Example kExamples[] = {
    {"sezioni", "Ponteluma-sez-sezioni-a-T"},       {"travi", "Ponteluma-trav-incastri"},
    {"continue", "Ponteluma-cont-quattro-campate"}, {"archi", "Ponteluma-arc-incastrato"},
    {"piastre", "Ponteluma-piastr-rettangolari"},
};

QString examplePath(const Example& example) {
    return QString(PONTELUMA_SOURCE_DIR) + "/examples/" + example.name + ".txt";
}
QString computed(const Example& example) {
    return QString::fromUtf8(
        ReadFile(QString(PONTELUMA_SOURCE_DIR) + "/examples/expected/" + example.name + ".csv"));
}
// The data fields of a line of the table (the row number and the results left out).
QString dataOf(const QString& line, int dataColumns) {
    return line.split(';').mid(1, dataColumns).join('\t');
}

class TableCommands : public ::testing::Test {
protected:
    std::unique_ptr<SheetWindow> open(const Example& example) {
        auto window = std::make_unique<SheetWindow>(windowParams(example.window));
        EXPECT_TRUE(window->openArchive(examplePath(example))) << example.name;
        return window;
    }
    // An empty window of the typology.
    std::unique_ptr<SheetWindow> empty(const Example& example, int typology) {
        auto window = std::make_unique<SheetWindow>(windowParams(example.window));
        window->setTypology(typology);
        window->sistema();
        return window;
    }
    void trigger(SheetWindow& window, const char* command) {
        auto* action = window.findChild<QAction*>(command);
        ASSERT_NE(action, nullptr) << command;
        action->trigger();
    }
    QString copy(SheetWindow& window) {
        trigger(window, "copia");
        return QGuiApplication::clipboard()->text();
    }
    void paste(SheetWindow& window, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        trigger(window, "incolla");
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(TableCommands, CopyAndExportGiveTheComputeTable) {
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.name);
        const auto window = open(example);
        EXPECT_EQ(copy(*window), computed(example).replace(';', '\t'));

        dialogs.clear();
        dialogs.paths = {folder.filePath(QString(example.window) + "-tabella")};
        trigger(*window, "esporta");
        ASSERT_EQ(dialogs.fileRequests.size(), 1u);
        const FileDialogRequest& request = dialogs.fileRequests[0];
        EXPECT_EQ(request.fileName, window->params().archive.prefix);
        EXPECT_EQ(QtFilters(request.filter), QStringList{"Tabella CSV (*.csv)"});
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_EQ(ReadFile(folder.filePath(QString(example.window) + "-tabella.csv")),
                  computed(example).replace("\n", "\r\n").toUtf8());
    }
}

TEST_F(TableCommands, MenusAndKeysLeadToTheCommands) {
    const auto window = open(kExamples[0]);
    struct Entry {
        const char* menu;
        const char* name;
        const char* caption;
        QKeySequence key;
    };
    const Entry entries[] = {
        {"modif", "copia", "Co&pia tabella", QKeySequence("Ctrl+Shift+C")},
        {"modif", "incolla", "&Incolla righe", QKeySequence("Ctrl+Shift+V")},
        {"file", "esporta", "Es&porta tabella...", QKeySequence()},
    };
    for (const Entry& entry : entries) {
        auto* menu = window->findChild<QMenu*>(entry.menu);
        ASSERT_NE(menu, nullptr);
        auto* action = window->findChild<QAction*>(entry.name);
        ASSERT_NE(action, nullptr) << entry.name;
        EXPECT_TRUE(menu->actions().contains(action)) << entry.name;
        EXPECT_EQ(action->text(), entry.caption);
        EXPECT_EQ(action->shortcut(), entry.key) << entry.name;
    }
}

TEST_F(TableCommands, PastingTheCopyIntoAnEmptySheetRebuildsIt) {
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.name);
        const auto source = open(example);
        const QString copied = copy(*source);
        const auto target = empty(example, source->typology());
        paste(*target, copied);
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_EQ(copy(*target), copied);
        EXPECT_EQ(target->findChild<QLabel*>("tot")->text(), QString::number(source->sheet().n()));
        EXPECT_EQ(target->box(2, 1)->text(), source->sheet().datum(2, 1)); // the grid shows it
    }
}

TEST_F(TableCommands, AWrongCellOrTooManyRowsChangeNothingAndNameTheCell) {
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.name);
        const auto window = open(example);
        const QString before = copy(*window);
        const QString next = QString::number(window->sheet().n() + 1);
        QString many;
        for (int i = 0; i < 100; ++i)
            many += "5\t5\n";
        const std::pair<QString, QString> cases[] = {
            {"12.5", "Riga " + next + ", colonna 1: il dato \"12.5\""},
            {"5\t1.250", "Riga " + next + ", colonna 2: il dato \"1.250\""},
            {"5\t5\n5x\t5",
             "Riga " + QString::number(next.toInt() + 1) + ", colonna 1: il dato \"5x\""},
            {many, "Le righe incollate sono 100: dalla riga " + next},
        };
        for (const auto& [text, named] : cases) {
            dialogs.clear();
            paste(*window, text);
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_TRUE(dialogs.messages[0].text.startsWith(named))
                << dialogs.lastText().toStdString();
            EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
            EXPECT_EQ(dialogs.messages[0].title,
                      "Ponteluma: controllo dati immessi nella finestra attiva");
            EXPECT_EQ(copy(*window), before);
        }
    }
}

TEST_F(TableCommands, APasteStartsAtTheFocusedRowAndNeverPastTheLastRow) {
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.name);
        const QStringList lines = computed(example).split('\n', Qt::SkipEmptyParts);
        const int dataColumns = int(windowParams(example.window).data.size());
        const QString first = dataOf(lines[1], dataColumns);
        const QString second = dataOf(lines[2], dataColumns);
        const auto window = empty(example, open(example)->typology());
        paste(*window, QStringList(5, first).join('\n'));
        ASSERT_EQ(window->sheet().n(), 5);

        window->box(1, 3)->setFocus();
        paste(*window, second + "\n" + second);
        window->box(1, 9)->setFocus(); // below row n + 1: the rows go to row 6
        paste(*window, second);
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.lastText().toStdString();
        const QStringList table = copy(*window).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(table.size(), 7);
        const auto line = [&](int row, const QString& from) {
            return QString::number(row) + from.mid(from.indexOf(';')).replace(';', '\t');
        };
        EXPECT_EQ(table[1], line(1, lines[1]));
        EXPECT_EQ(table[2], line(2, lines[1]));
        EXPECT_EQ(table[3], line(3, lines[2]));
        EXPECT_EQ(table[4], line(4, lines[2]));
        EXPECT_EQ(table[5], line(5, lines[1]));
        EXPECT_EQ(table[6], line(6, lines[2]));

        // A paste is one step of the history, however many rows it filled.
        trigger(*window, "annulla");
        trigger(*window, "annulla");
        const QStringList undone = copy(*window).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(undone.size(), 6);
        EXPECT_EQ(undone[3], line(3, lines[1]));
        EXPECT_EQ(undone[4], line(4, lines[1]));
        trigger(*window, "ripristina");
        EXPECT_EQ(copy(*window).split('\n', Qt::SkipEmptyParts)[3], line(3, lines[2]));
    }
}

TEST_F(TableCommands, AFailedExportSaysSoAndLeavesNoFile) {
    const auto window = open(kExamples[0]);
    dialogs.paths = {folder.filePath("tabella")};
    {
        const FileSizeLimit limit(16);
        trigger(*window, "esporta");
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.lastText().startsWith(
        "La tabella non è stata esportata nel file \"tabella.csv\": "))
        << dialogs.lastText().toStdString();
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    EXPECT_EQ(FolderEntries(folder.path()), QStringList());
    // A cancelled dialog writes nothing and says nothing.
    dialogs.clear();
    trigger(*window, "esporta");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(FolderEntries(folder.path()), QStringList());
}

namespace {

// The cells of the first table of a flat OpenDocument spreadsheet: "" for an empty cell,
// the number's value for a number, "text:" and the text for anything else.
std::vector<QStringList> spreadsheetCells(const QByteArray& fods) {
    std::vector<QStringList> rows;
    QXmlStreamReader xml(fods);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("table"))
            break;
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("table-row")) {
            rows.emplace_back();
        } else if (xml.name() == QLatin1String("table-cell") && !rows.empty()) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const int repeated = qMax(1, attributes.value("table:number-columns-repeated").toInt());
            const QString type = attributes.value("office:value-type").toString();
            QString cell;
            if (type == QLatin1String("float"))
                cell = attributes.value("office:value").toString();
            else if (!type.isEmpty())
                cell = "text:" + xml.readElementText(QXmlStreamReader::IncludeChildElements);
            for (int i = 0; i < repeated && i < 64; ++i)
                rows.back() << cell;
        }
    }
    return rows;
}

QString office() {
    for (const char* name : {"soffice", "libreoffice"}) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

} // namespace

// LibreOffice Calc, set to Italian, reads every number of an exported 100-row sheet as a
// number equal to the grid's.
TEST_F(TableCommands, LibreOfficeReadsEveryNumberOfTheExport) {
    const QString soffice = office();
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    for (const Example& example : kExamples) {
        SCOPED_TRACE(example.name);
        const auto window = open(example);
        const QStringList lines = computed(example).split('\n', Qt::SkipEmptyParts);
        QStringList data;
        for (int row = 1; row <= 100; ++row)
            data << dataOf(lines[1 + (row - 1) % (lines.size() - 1)],
                           window->sheet().dataColumns());
        window->box(1, 1)->setFocus();
        paste(*window, data.join('\n'));
        ASSERT_EQ(window->sheet().n(), 100);
        const QString csv = folder.filePath(QString(example.window) + ".csv");
        dialogs.paths = {csv};
        trigger(*window, "esporta");

        QProcess convert;
        convert.setWorkingDirectory(folder.path());
        convert.start(soffice, {"-env:UserInstallation=file://" + folder.filePath("profilo"),
                                "--headless", "--infilter=CSV:59,34,76,1,,1040", "--convert-to",
                                "fods", "--outdir", folder.path(), csv});
        ASSERT_TRUE(convert.waitForFinished(300000));
        const QByteArray fods = ReadFile(folder.filePath(QString(example.window) + ".fods"));
        ASSERT_FALSE(fods.isEmpty()) << convert.readAllStandardError().toStdString();
        const std::vector<QStringList> cells = spreadsheetCells(fods);
        ASSERT_GE(cells.size(), 101u);
        const Sheet& sheet = window->sheet();
        int numbers = 0;
        for (int row = 1; row <= 100; ++row) {
            QStringList grid{QString::number(row)};
            for (int c = 1; c <= sheet.dataColumns(); ++c)
                grid << sheet.datum(c, row);
            for (int c = 1; c <= sheet.resultColumns(); ++c)
                grid << sheet.resultText(c, row);
            const QStringList& read = cells[size_t(row)];
            for (int i = 0; i < grid.size(); ++i) {
                const QString got = i < read.size() ? read[i] : QString();
                if (grid[i].isEmpty()) {
                    EXPECT_EQ(got, "") << "row " << row << ", field " << i + 1;
                    continue;
                }
                ++numbers;
                EXPECT_FALSE(got.isEmpty() || got.startsWith("text:"))
                    << "row " << row << ", field " << i + 1 << ": " << got.toStdString();
                EXPECT_EQ(got.toDouble(), QString(grid[i]).replace(',', '.').toDouble())
                    << "row " << row << ", field " << i + 1;
            }
        }
        EXPECT_GT(numbers, 100 * 3);
    }
}
