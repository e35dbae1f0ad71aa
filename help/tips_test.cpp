// The tip of the day: loading the tips file and stepping through it.
#include "help/help.h"
#include "help/tips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath("SuggerimentiPonteluma.TXT");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

// Written out here, not taken from the program, so a slip in the text shows.
const QString kMissing = QString::fromUtf8(
    "Impossibile trovare il file SuggerimentiPonteluma.TXT\r\n\r\n"
    "Creare un file di testo denominato SuggerimentiPonteluma.TXT utilizzando il Blocco note "
    "e inserendo un suggerimento per ogni riga. "
    "Inserire il file nella stessa directory dell'applicazione. ");

void click(FrmTip& tip, const char* name) {
    QPushButton* button = tip.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

} // namespace

TEST(Tips, ThreeLinesStepForwardWithWrapAndBackWithout) {
    QTemporaryDir dir;
    FrmTip tip(writeFile(dir, "uno\r\ndue\r\ntre\r\n"));
    EXPECT_EQ(tip.tips(), QStringList({"uno", "due", "tre"}));
    EXPECT_EQ(tip.position(), 1);
    EXPECT_EQ(tip.tipText(), "uno");

    click(tip, "cmdprecedente"); // at the first tip: stays
    EXPECT_EQ(tip.tipText(), "uno");
    EXPECT_EQ(tip.position(), 1);

    const QStringList forward = {"due", "tre", "uno", "due", "tre"};
    for (const QString& expected : forward) {
        click(tip, "cmdNextTip");
        EXPECT_EQ(tip.tipText(), expected);
    }
    click(tip, "cmdprecedente"); // from 3 to 2
    EXPECT_EQ(tip.tipText(), "due");
    EXPECT_EQ(tip.position(), 2);
    click(tip, "cmdprecedente");
    click(tip, "cmdprecedente");
    EXPECT_EQ(tip.tipText(), "uno");
}

TEST(Tips, FileContents) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList tips;
    };
    const std::vector<Case> cases = {
        {"blank line is an empty tip", "primo\n\nterzo\n", {"primo", "", "terzo"}},
        {"last line without end", "primo\nsecondo", {"primo", "secondo"}},
        {"UTF-8", "perch\xc3\xa9 \xc3\xa8 cos\xc3\xac\n", {QString::fromUtf8("perché è così")}},
        {"a single empty line", "\r\n", {""}},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        FrmTip tip(writeFile(dir, c.bytes));
        EXPECT_EQ(tip.tips(), c.tips) << c.what;
        EXPECT_EQ(tip.tipText(), c.tips.first()) << c.what;
    }

    // The blank line shows as an empty tip in its turn.
    QTemporaryDir dir;
    FrmTip tip(writeFile(dir, "primo\n\nterzo\n"));
    tip.cmdNextTip_Click();
    EXPECT_EQ(tip.tipText(), "");
    EXPECT_EQ(tip.position(), 2);
}

TEST(Tips, EmptyFileKeepsTheDesignText) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "");
    FrmTip tip(path);
    EXPECT_TRUE(tip.tips().isEmpty());
    EXPECT_NE(tip.tipText(), kMissing);
    EXPECT_EQ(tip.tipText(), QString::fromUtf8("Nessun suggerimento disponibile."));
    tip.cmdNextTip_Click();
    tip.cmdprecedente_Click();
    EXPECT_EQ(tip.tipText(), QString::fromUtf8("Nessun suggerimento disponibile."));
}

TEST(Tips, MissingOrUnreadableFileShowsTheMissingText) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("cartella.TXT"); // exists, but is no file to read
    const QStringList paths = {"", dir.filePath("SuggerimentiPonteluma.TXT"),
                               dir.filePath("cartella.TXT")};
    for (const QString& path : paths) {
        FrmTip tip(path);
        EXPECT_EQ(tip.tipText(), kMissing) << path.toStdString();
        EXPECT_TRUE(tip.tips().isEmpty());
        tip.cmdNextTip_Click();
        tip.cmdprecedente_Click();
        EXPECT_EQ(tip.tipText(), kMissing);
    }
    EXPECT_EQ(MissingTipsText(), kMissing);
}

TEST(Tips, FileLiesBesideTheProgram) {
    EXPECT_EQ(TipsFilePath(),
              QCoreApplication::applicationDirPath() + "/SuggerimentiPonteluma.TXT");
}

TEST(Tips, CloseHidesAndReopeningContinues) {
    QTemporaryDir dir;
    SetTipsFile(writeFile(dir, "uno\ndue\ntre\n"));
    UnloadHelpWindows();
    ShowTips();
    auto* tip = qobject_cast<FrmTip*>(HelpWindow("frmTip"));
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->windowTitle(), "Suggerimento del giorno");
    tip->cmdNextTip_Click();
    click(*tip, "cmdOK");
    EXPECT_FALSE(tip->isVisible());

    ShowTips();
    EXPECT_EQ(HelpWindow("frmTip"), tip);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->tipText(), "due");
    UnloadHelpWindows();
    SetTipsFile(QString());
}
