// The toolkit's own buttons speak Italian after start-up, whatever the locale.
#include "shell/translations.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(Translations, YesNoQuestionReadsSiAndNo) {
    ASSERT_TRUE(InstallItalianTranslations(QCoreApplication::instance()));
    EXPECT_TRUE(InstallItalianTranslations(QCoreApplication::instance())); // once is enough
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QString::fromUtf8("&Sì"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "&No");
    QMessageBox ok;
    ok.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(ok.button(QMessageBox::Cancel)->text(), "Annulla");
}

// The file dialog lists a folder as "Cartella", and its own labels speak Italian too.
TEST(Translations, FileDialogSpeaksItalian) {
    ASSERT_TRUE(InstallItalianTranslations(QCoreApplication::instance()));
    EXPECT_EQ(QAbstractFileIconProvider().type(QFileInfo(QDir::tempPath())), "Cartella");
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Cerca in:")) << texts.join(" | ").toStdString();
    EXPECT_FALSE(texts.contains("Look in:"));
}
