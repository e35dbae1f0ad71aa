// The help pages, the tips and the README name only commands that exist: every menu item
// they write as «Menu > Voce» is in that menu of a calculation window, with the keys they
// give it; every command line they show is one the program accepts; and every item of the
// File and Modifica menus is named by some help page.
#include "help/texts.h"
#include "sheetwindow/window.h"
#include "shell/cli.h"
#include "shell/translations.h"
#include "tests/sheets.h"
#include "tests/windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

namespace {

// A caption as the help names it: no mnemonic marks, no dots of a command that asks more.
QString plain(QString caption) {
    caption.remove('&');
    if (caption.endsWith("..."))
        caption.chop(3);
    else if (caption.endsWith(QChar(0x2026))) // …
        caption.chop(1);
    return caption;
}

struct Item {
    QString caption; // plain
    QStringList keys;
};

// The menus of every calculation window by their plain titles.
std::map<QString, std::vector<Item>> realMenus() {
    std::map<QString, std::vector<Item>> menus;
    for (const SheetParams* params : allWindows()) {
        SheetWindow* window = loadedWindow(params->name);
        for (QAction* title : window->menuBar()->actions()) {
            if (!title->menu())
                continue;
            for (QAction* action : title->menu()->actions()) {
                if (action->isSeparator())
                    continue;
                Item item{plain(action->text()), {}};
                // As the Italian menus show them, or as the English README writes them.
                for (const QKeySequence& key : action->shortcuts())
                    item.keys << key.toString(QKeySequence::NativeText)
                              << key.toString(QKeySequence::PortableText);
                menus[plain(title->text())].push_back(item);
            }
        }
    }
    return menus;
}

QString readText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// Every text a user reads about the program, by name.
std::vector<std::pair<QString, QString>> documents() {
    std::vector<std::pair<QString, QString>> texts;
    for (const HelpText& page : helpTexts())
        texts.emplace_back(page.name, page.text);
    texts.emplace_back(
        "suggerimenti",
        readText(
            QDir(QCoreApplication::applicationDirPath()).filePath("SuggerimentiPonteluma.TXT")));
    texts.emplace_back("README", readText(QStringLiteral(PONTELUMA_SOURCE_DIR "/README.md")));
    return texts;
}

// Runs a command line with its messages kept off the test's output.
std::optional<int> runQuietly(const QStringList& arguments) {
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(1), savedErr = dup(2);
    FILE* sink = std::fopen("/dev/null", "w");
    dup2(fileno(sink), 1);
    dup2(fileno(sink), 2);
    const std::optional<int> status = RunCommandLine(arguments);
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(savedOut);
    close(savedErr);
    std::fclose(sink);
    return status;
}

} // namespace

TEST(HelpTruth, EveryMenuItemNamedExistsWithTheKeysGiven) {
    ASSERT_TRUE(InstallItalianTranslations(QCoreApplication::instance())); // the keys' names
    const auto menus = realMenus();
    // «Modifica > Annulla» (Ctrl+Z); the README quotes them with "" or ``.
    const QRegularExpression mention(
        QString::fromUtf8("[«\"`]([^«»\"`\\n]+?) > ([^«»\"`\\n]+)[»\"`](?: \\(([^)]+)\\))?"));
    int named = 0;
    for (const auto& [document, text] : documents()) {
        for (auto it = mention.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QString where = document + ": " + match.captured(0);
            const auto menu = menus.find(match.captured(1));
            ASSERT_NE(menu, menus.end()) << where.toStdString();
            const QString caption = plain(match.captured(2).simplified());
            const Item* found = nullptr;
            // The item of that caption, or else the one it begins ("Guida della finestra").
            for (const Item& item : menu->second) {
                if (item.caption == caption || (!found && item.caption.startsWith(caption + " ")))
                    found = &item;
            }
            ASSERT_NE(found, nullptr) << where.toStdString();
            const QRegularExpression isKey("^(Ctrl\\+.+|F\\d+)$");
            for (const QString& key :
                 match.captured(3).split(QRegularExpression(" (?:or|o|e) |, "))) {
                if (isKey.match(key).hasMatch()) {
                    EXPECT_TRUE(found->keys.contains(key))
                        << where.toStdString() << " has " << found->keys.join(", ").toStdString();
                }
            }
            ++named;
        }
    }
    EXPECT_GE(named, 30); // the pages do name their commands this way
}

TEST(HelpTruth, EveryCommandLineShownIsAccepted) {
    QTemporaryDir folder;
    // Command lines written with the placeholder FILE get a file of the right window that
    // is not there: a command the program knows ends with status 2, one it does not know
    // (or misspelt options) with status 1.
    const QRegularExpression line(
        "ponteluma ([a-z]+ FILE(?: (?:OUT(?:\\.svg)?|N|--[a-z]+))*)(?![\\w-])");
    int shown = 0;
    for (const auto& [document, text] : documents()) {
        for (auto it = line.globalMatch(text); it.hasNext();) {
            const QString written = it.next().captured(1);
            QStringList arguments;
            for (const QString& word : written.split(' ')) {
                if (word == "FILE")
                    arguments << folder.filePath("Ponteluma-trav-assente");
                else if (word.startsWith("OUT"))
                    arguments << folder.filePath("uscita" + word.mid(3));
                else if (word == "N")
                    arguments << "1";
                else
                    arguments << word;
            }
            EXPECT_EQ(runQuietly(arguments), 2)
                << document.toStdString() << ": ponteluma " << written.toStdString();
            ++shown;
        }
    }
    EXPECT_GE(shown, 5);
}

TEST(HelpTruth, EveryFileAndModificaItemIsNamedByAHelpPage) {
    QString pages;
    for (const HelpText& page : helpTexts())
        pages += page.text + "\n";
    const auto menus = realMenus();
    for (const char* title : {"File", "Modifica"}) {
        ASSERT_TRUE(menus.count(title)) << title;
        for (const Item& item : menus.at(title))
            EXPECT_TRUE(pages.contains(item.caption))
                << title << " > " << item.caption.toStdString();
    }
}
