// "? > Validazione del programma…" of every calculation window: the cases beside the
// program rerun, the summary shown, the dossier saved as a PDF when asked.
#include "shell/validation.h"

#include "sheetwindow/window.h"
#include "tests/files.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"
#include "tests/windows.h"

#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kQuestion = QStringLiteral("Salvare il manuale di validazione, con i risultati di "
                                         "questa esecuzione, in un file PDF?");

QAction* validationAction(const QString& window) {
    SheetWindow* sheet = loadedWindow(window);
    return sheet ? sheet->findChild<QAction*>("validazione") : nullptr;
}

} // namespace

TEST(ValidationCommand, EveryWindowShowsTheSummaryAndAsksForThePdf) {
    for (const SheetParams* params : allWindows()) {
        QAction* action = validationAction(params->name);
        ASSERT_NE(action, nullptr) << params->name.toStdString();
        EXPECT_EQ(action->text(), QString::fromUtf8("&Validazione del programma…"));
        ScriptedDialogs dialogs;
        dialogs.answers = {Answer::No};
        action->trigger();
        ASSERT_EQ(dialogs.messages.size(), 1u) << params->name.toStdString();
        const RecordedMessage& shown = dialogs.messages.front();
        EXPECT_TRUE(shown.text.startsWith("66 tipologie, ")) << shown.text.toStdString();
        EXPECT_TRUE(shown.text.endsWith("conformi.\n\n" + kQuestion)) << shown.text.toStdString();
        EXPECT_EQ(shown.icon, Icon::Information);
        EXPECT_EQ(shown.buttons, Buttons::YesNo);
        EXPECT_TRUE(dialogs.fileRequests.empty()); // "No" saves nothing
    }
}

TEST(ValidationCommand, YesSavesTheDossierOrSaysWhyNot) {
    QTemporaryDir dir;
    QAction* action = validationAction("travi");
    ASSERT_NE(action, nullptr);
    {
        ScriptedDialogs dialogs;
        dialogs.answers = {Answer::Yes};
        dialogs.paths = {dir.filePath("manuale")};
        action->trigger();
        ASSERT_EQ(dialogs.fileRequests.size(), 1u);
        EXPECT_EQ(dialogs.fileRequests[0].fileName, "Ponteluma-validazione.pdf");
        EXPECT_EQ(dialogs.messages.size(), 1u); // the summary, and no failure after it
        EXPECT_TRUE(ReadFile(dir.filePath("manuale.pdf")).startsWith("%PDF-"));
    }
    {
        ScriptedDialogs dialogs;
        dialogs.answers = {Answer::Yes};
        dialogs.paths = {dir.filePath("manca/manuale.pdf")};
        action->trigger();
        ASSERT_EQ(dialogs.messages.size(), 2u);
        EXPECT_EQ(dialogs.messages[1].icon, Icon::Stop);
        EXPECT_TRUE(dialogs.messages[1].text.startsWith(
            "Il manuale di validazione non è stato scritto nel file \"manuale.pdf\": "))
            << dialogs.messages[1].text.toStdString();
    }
}
