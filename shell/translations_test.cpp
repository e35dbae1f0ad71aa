// The toolkit's own buttons speak Italian after start-up, whatever the locale.
#include "shell/translations.h"

#include <QApplication>
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
