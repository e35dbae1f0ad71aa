// The help windows: pages, contents page, about box and support page, driven by
// their controls.
#include "help/contents.h"
#include "help/help.h"
#include "help/helppage.h"
#include "help/info.h"
#include "help/texts.h"
#include "sheetwindow/rescale.h"
#include "tests/scripteddialogs.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Starts every test with no help window loaded.
class HelpWindows : public ::testing::Test {
protected:
    void SetUp() override { unloadAll(); }
    void TearDown() override { unloadAll(); }
    static void unloadAll() {
        UnloadHelpWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static Sommario* contents() {
        ShowHelpContents();
        return qobject_cast<Sommario*>(HelpWindow("sommario"));
    }
    template <typename T> static T* child(QWidget* window, const QString& name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static void mouse(QWidget* target, QEvent::Type type) {
        const QPointF local(5, 5);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }
    static std::vector<bool> boldEntries(Sommario* page) {
        std::vector<bool> bold;
        for (size_t i = 1; i <= contentsEntries().size(); ++i)
            bold.push_back(child<QLabel>(page, QString("lbl_%1").arg(i))->font().bold());
        return bold;
    }
};

struct PageRow {
    const char* name;
    const char* title;
    const char* entry; // caption on the contents page
};
const PageRow kPages[] = {
    {"manuale", "MANUALE D'USO RAPIDO", "  Manuale d'uso rapido"},
    {"guidafunzionamento", "FUNZIONAMENTO DEL PROGRAMMA", "  Funzionamento del programma"},
    {"guidaarchivio", "ARCHIVIO DATI", "  Archivio dati"},
    {"guidastampa", "COME STAMPARE", " Come stampare"},
    {"guidamenu", "FINESTRA MENU", " Finestra Menu"},
    {"guidasezioni", "FINESTRA SEZIONI", " Finestra Sezioni"},
    {"guidatravi", "FINESTRA TRAVI SEMPLICI", " Finestra Travi semplici"},
    {"guidacontinue", "FINESTRA TRAVI CONTINUE", " Finestra Travi continue"},
    {"guidaarchi", "FINESTRA ARCHI", " Finestra Archi"},
    {"guidapiastre", "FINESTRA PIASTRE", " Finestra Piastre"},
};

} // namespace

TEST_F(HelpWindows, EveryPageHasItsTitleTextAndButtons) {
    for (const PageRow& row : kPages) {
        ShowHelpPage(row.name);
        QWidget* page = HelpWindow(row.name);
        ASSERT_NE(page, nullptr) << row.name;
        EXPECT_TRUE(page->isVisible());
        EXPECT_EQ(page->windowTitle(), "Guida in linea");
        EXPECT_EQ(child<QLabel>(page, "lblTitolo")->text(), row.title);
        auto* text = child<QLabel>(page, "lblTesto");
        EXPECT_TRUE(text->wordWrap());
        EXPECT_EQ(text->text(), helpText(row.name)->text);
        EXPECT_EQ(child<QPushButton>(page, "cmdStampa")->text(), "S&tampa");
        EXPECT_EQ(child<QPushButton>(page, "cmdSommario")->text(), "&Sommario");
        EXPECT_EQ(child<QPushButton>(page, "cmdChiudi")->text(), "&Chiudi");
    }
}

TEST_F(HelpWindows, PagesTakeTheirSizeAndPlaceAfterFittingTheScreen) {
    ShowHelpPage("guidaarchi");
    QWidget* page = HelpWindow("guidaarchi");
    EXPECT_EQ(page->width(), ClsResize::twipsToPixels(5640, page));
    EXPECT_EQ(page->height(), ClsResize::twipsToPixels(6825, page));
    EXPECT_EQ(page->x(), ClsResize::twipsToPixels(5467, page));
    // The resizer is attached and the buttons are back at their design place.
    EXPECT_NE(page->findChild<ClsResize*>(), nullptr);
    EXPECT_EQ(child<QPushButton>(page, "cmdChiudi")->x(), ClsResize::twipsToPixels(3840, page));

    ShowHelpPage("manuale"); // not rescaled
    EXPECT_EQ(HelpWindow("manuale")->findChild<ClsResize*>(), nullptr);

    Sommario* sommario = contents();
    EXPECT_EQ(sommario->width(), ClsResize::twipsToPixels(3975, sommario));
    EXPECT_EQ(sommario->height(), ClsResize::twipsToPixels(6825, sommario));
    EXPECT_NE(sommario->findChild<ClsResize*>(), nullptr);
}

TEST_F(HelpWindows, ContentsPageListsTheEntriesWithArrowsBesideTheFirstNine) {
    Sommario* page = contents();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->windowTitle(), "Ponteluma: guida in linea");
    EXPECT_EQ(child<QLabel>(page, "lblTitolo")->text(), "Argomenti della guida");

    QStringList expected;
    for (const PageRow& row : kPages)
        expected << QString::fromUtf8(row.entry);
    expected << "  Suggerimento del giorno";
    EXPECT_EQ(contentsCaptions(), expected);
    for (int i = 1; i <= expected.size(); ++i)
        EXPECT_EQ(child<QLabel>(page, QString("lbl_%1").arg(i))->text(), expected[i - 1]);
    EXPECT_EQ(page->findChild<QLabel*>("lbl_12"), nullptr); // no catalogue entry

    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(child<QPushButton>(page, QString("puls_%1").arg(i))->text(), "--->");
    EXPECT_EQ(page->findChild<QPushButton*>("puls_10"), nullptr);

    EXPECT_EQ(child<QPushButton>(page, "cmdstampa")->text(), "&Stampa");
    EXPECT_EQ(child<QPushButton>(page, "cmdstampa")->toolTip(),
              "cliccare per avere la copia su carta del sommario");
    EXPECT_EQ(child<QPushButton>(page, "Command1")->text(), "&USCITA");
    EXPECT_EQ(child<QPushButton>(page, "Command1")->toolTip(), "cliccare per uscire da Ponteluma");
}

TEST_F(HelpWindows, EveryEntryAndArrowOpensItsWindow) {
    const std::vector<ContentsEntry>& entries = contentsEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const QString index = QString::number(i + 1);
        for (const QString& control : {"lbl_" + index, "puls_" + index}) {
            unloadAll();
            Sommario* page = contents();
            QWidget* widget = page->findChild<QWidget*>(control);
            if (!widget)
                continue; // no arrow beside the last entries
            if (auto* arrow = qobject_cast<QPushButton*>(widget))
                arrow->click();
            else
                mouse(widget, QEvent::MouseButtonPress);
            QWidget* opened = HelpWindow(entries[i].window);
            ASSERT_NE(opened, nullptr) << control.toStdString();
            EXPECT_TRUE(opened->isVisible()) << control.toStdString();
            EXPECT_EQ(opened->objectName(), entries[i].window);
        }
    }
}

TEST_F(HelpWindows, SameEntryTwiceGivesTheSameWindow) {
    Sommario* page = contents();
    QLabel* entry = child<QLabel>(page, "lbl_6");
    mouse(entry, QEvent::MouseButtonPress);
    mouse(entry, QEvent::MouseButtonRelease);
    QWidget* first = HelpWindow("guidasezioni");
    ASSERT_NE(first, nullptr);
    mouse(entry, QEvent::MouseButtonPress);
    mouse(entry, QEvent::MouseButtonRelease);
    child<QPushButton>(page, "puls_6")->click();
    EXPECT_EQ(HelpWindow("guidasezioni"), first);

    int pages = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        pages += window->objectName() == "guidasezioni";
    EXPECT_EQ(pages, 1);
}

TEST_F(HelpWindows, HoverMakesOneEntryBoldAndPressFlattensItsBorder) {
    Sommario* page = contents();
    const std::vector<bool> none(contentsEntries().size(), false);
    EXPECT_EQ(boldEntries(page), none);

    mouse(child<QLabel>(page, "lbl_3"), QEvent::MouseMove);
    std::vector<bool> third = none;
    third[2] = true;
    EXPECT_EQ(boldEntries(page), third);

    mouse(child<QLabel>(page, "lbl_7"), QEvent::MouseMove);
    std::vector<bool> seventh = none;
    seventh[6] = true;
    EXPECT_EQ(boldEntries(page), seventh);

    mouse(page, QEvent::MouseMove); // the free area of the page
    EXPECT_EQ(boldEntries(page), none);

    QLabel* entry = child<QLabel>(page, "lbl_2");
    const int rest = entry->frameStyle();
    mouse(entry, QEvent::MouseButtonPress);
    EXPECT_EQ(entry->frameShadow(), QFrame::Plain);
    EXPECT_NE(entry->frameStyle(), rest);
    mouse(entry, QEvent::MouseButtonRelease);
    EXPECT_EQ(entry->frameStyle(), rest);
}

TEST_F(HelpWindows, PageButtonsUnloadAndLeadToTheContents) {
    ShowHelpPage("guidatravi");
    QWidget* page = HelpWindow("guidatravi");
    child<QPushButton>(page, "cmdSommario")->click();
    ASSERT_NE(HelpWindow("sommario"), nullptr);
    EXPECT_TRUE(HelpWindow("sommario")->isVisible());
    EXPECT_TRUE(page->isVisible());

    QPointer<QWidget> closed = page;
    child<QPushButton>(page, "cmdChiudi")->click();
    EXPECT_EQ(HelpWindow("guidatravi"), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull()); // unloaded, not merely hidden

    ShowHelpPage("guidatravi");
    ASSERT_NE(HelpWindow("guidatravi"), nullptr);
    EXPECT_TRUE(HelpWindow("guidatravi")->isVisible());
}

TEST_F(HelpWindows, ContentsPageHidesAndAsksBeforeExit) {
    Sommario* page = contents();
    child<QPushButton>(page, "cmdChiudi")->click();
    EXPECT_FALSE(page->isVisible());
    EXPECT_EQ(contents(), page); // hidden, not unloaded
    EXPECT_TRUE(page->isVisible());

    ScriptedDialogs dialogs;
    dialogs.answers = {Answer::No};
    child<QPushButton>(page, "Command1")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Vuoi uscire da Ponteluma?");
    EXPECT_TRUE(page->isVisible());
}

TEST_F(HelpWindows, PrintButtonsAskForThePrinter) {
    ScriptedDialogs dialogs;
    dialogs.printerAccepted = false;
    ShowHelpPage("guidastampa");
    child<QPushButton>(HelpWindow("guidastampa"), "cmdStampa")->click();
    child<QPushButton>(contents(), "cmdstampa")->click();
    EXPECT_EQ(dialogs.printerRequests, 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HelpWindows, AboutBoxAndSupportPage) {
    ShowAbout();
    QWidget* about = HelpWindow("informa");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "Informazioni su Ponteluma");
    EXPECT_EQ(child<QLabel>(about, "lblNome")->text(), "Ponteluma");
    EXPECT_EQ(child<QLabel>(about, "lblDescrizione")->text(),
              "calcoli di sezioni, travi, archi, piastre");
    EXPECT_EQ(child<QLabel>(about, "lblVersione")->text(),
              "edizione professionale - versione 2.05.05 - 2002");
    child<QPushButton>(about, "cmdOK")->click();
    EXPECT_FALSE(about->isVisible());
    ShowAbout();
    EXPECT_EQ(HelpWindow("informa"), about);
    EXPECT_TRUE(about->isVisible());

    ShowSupport();
    QWidget* support = HelpWindow("supportoclienti");
    ASSERT_NE(support, nullptr);
    EXPECT_EQ(support->windowTitle(), "Servizi di supporto ai clienti");
    child<QPushButton>(support, "cmdChiudi")->click();
    EXPECT_FALSE(support->isVisible());
    ShowSupport();
    EXPECT_EQ(HelpWindow("supportoclienti"), support);
}

TEST(HelpTexts, EveryPageHasItsTitleAndALengthWorthReading) {
    ASSERT_EQ(helpTexts().size(), std::size(kPages));
    for (size_t i = 0; i < helpTexts().size(); ++i) {
        const HelpText& page = helpTexts()[i];
        EXPECT_EQ(page.name, kPages[i].name);
        EXPECT_EQ(page.title, kPages[i].title);
        const qsizetype words =
            page.text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size();
        EXPECT_GE(words, 150) << kPages[i].name;
        EXPECT_LE(words, 700) << kPages[i].name;
    }
    EXPECT_EQ(helpText("nessuna"), nullptr);
}

TEST(HelpTexts, PagesNameWhatTheirWindowsUse) {
    struct Mention {
        const char* page;
        std::vector<const char*> words;
    };
    const std::vector<Mention> mentions = {
        {"guidaarchivio",
         {"Ponteluma-sez-", "Ponteluma-trav-", "Ponteluma-cont-", "Ponteluma-arc-",
          "Ponteluma-piastr-", "Apri", "Salva con nome", "Elimina", "controllo", "Copia tabella",
          "Incolla righe", "Esporta tabella", "ponteluma compute FILE"}},
        {"guidafunzionamento", {"bianche", "azzurre", "barra degli strumenti"}},
        {"guidaarchi", {"parabolica", "I·cos φ costante", "accorciamento della linea d'asse"}},
        {"guidasezioni", {"cm4", "cm3", "cm2", "Ponteluma-sez-"}},
        {"guidatravi", {"kgm", "kg/m", "Ponteluma-trav-"}},
        {"guidacontinue", {"Ra", "mom.B", "Ponteluma-cont-"}},
        {"guidapiastre", {"ly/lx", "Ponteluma-piastr-"}},
        {"manuale", {"presentazione", "Stampa"}},
    };
    for (const Mention& mention : mentions)
        for (const char* word : mention.words)
            EXPECT_TRUE(helpText(mention.page)->text.contains(QString::fromUtf8(word)))
                << mention.page << ": " << word;
}

TEST_F(HelpWindows, WindowsOpenCentredOnTheWindowThatOpensThem) {
    QWidget opener;
    opener.setGeometry(100, 80, 700, 500);
    opener.show();
    QApplication::setActiveWindow(&opener);
    const QPoint middle = opener.frameGeometry().center();
    ShowAbout();
    ShowTips();
    ShowHelpPage("guidatravi");
    for (const char* name : {"informa", "frmTip", "guidatravi"}) {
        QWidget* window = HelpWindow(name);
        ASSERT_NE(window, nullptr) << name;
        const QPoint centre = window->frameGeometry().center();
        EXPECT_LE((centre - middle).manhattanLength(), 4) << name;
    }
}
