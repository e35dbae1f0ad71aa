// The sheet's behaviour driven through the real widgets of the sections window.
#include "sheetwindow/window.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"
#include "tests/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <memory>

namespace {

class SectionsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window.reset(new SheetWindow(windowParams("sezioni")));
        window->sistema();
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        QApplication::processEvents();
        dialogs.clear();
    }

    // Types text key by key into a box, as the keyboard does.
    void type(const QString& boxName, const QString& keys) {
        ASSERT_TRUE(TypeInto(window.get(), boxName, keys)) << boxName.toStdString();
    }
    void typeRow(int visibleRow, const QStringList& values) {
        const char* boxes[] = {"B", "h", "spess", "hmin"};
        for (int c = 0; c < values.size(); ++c)
            type(QString("%1_%2").arg(boxes[c]).arg(visibleRow), values[c]);
    }
    QString text(const QString& name) const {
        if (auto* label = window->findChild<QLabel*>(name))
            return label->text();
        if (auto* box = window->findChild<QLineEdit*>(name))
            return box->text();
        return "<missing " + name + ">";
    }
    void click(const QString& name) {
        if (auto* button = window->findChild<QPushButton*>(name)) {
            button->click();
            return;
        }
        auto* label = window->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2),
                          label->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(label, &press);
    }
    void hover(const QString& name) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(window->findChild<QWidget*>(name), &enter);
    }
    QColor colour(const QString& name) const {
        QWidget* widget = window->findChild<QWidget*>(name);
        return qobject_cast<QLineEdit*>(widget) ? widget->palette().color(QPalette::Base)
                                                : widget->palette().color(QPalette::Window);
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<SheetWindow> window;
};

const QString kCheckTitle = "Ponteluma: controllo dati immessi nella finestra attiva";

} // namespace

TEST_F(SectionsWindow, TypingComputesAndShowsResultsWithTheDecimalComma) {
    typeRow(1, {"20", "30"});
    EXPECT_EQ(text("mom_1"), "45000");
    EXPECT_EQ(text("ass_1"), "15");
    EXPECT_EQ(text("sup_1"), "600");
    EXPECT_EQ(text("ass1_1"), "");
    typeRow(2, {"12,5", "10"});
    EXPECT_EQ(window->sheet().datum(1, 2), "12,5");
    EXPECT_EQ(text("res_2"), "208");
    EXPECT_EQ(text("tot"), "2");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SectionsWindow, KeysAreStoredInTurnAndAWrongKeyEmptiesTheBox) {
    auto* box = window->findChild<QLineEdit*>("B_1");
    QStringList stored;
    for (QChar key : QString("12,5")) {
        box->insert(QString(key));
        stored << window->sheet().datum(1, 1);
    }
    EXPECT_EQ(stored, QStringList({"1", "12", "12,", "12,5"}));
    type("h_1", "3.");
    EXPECT_EQ(text("h_1"), "");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    type("h_1", ",");
    EXPECT_EQ(text("h_1"), ""); // a lone comma goes silently
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(SectionsWindow, FirstDatumBelowABlankRowIsRefusedAndTheCursorLandsOnRowOne) {
    type("B_5", "3");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Non è possibile digitare dati lasciando righe in bianco.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    EXPECT_EQ(dialogs.messages[0].title, kCheckTitle);
    EXPECT_EQ(text("B_5"), "");
    EXPECT_TRUE(window->sheet().isEmpty(1, 5));
    EXPECT_EQ(window->firstVisibleRow(), 1);
    EXPECT_EQ(QApplication::focusWidget(), window->findChild<QWidget*>("B_1"));
}

TEST_F(SectionsWindow, HalfInTheFirstColumnCountsARow) {
    type("B_1", "0,5");
    EXPECT_EQ(window->sheet().n(), 1);
    EXPECT_EQ(text("tot"), "1");
}

TEST_F(SectionsWindow, OtherColumnsNeedTheFirstOne) {
    type("h_1", "3");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Digitare il dato della prima colonna.");
    EXPECT_EQ(text("h_1"), "");
    EXPECT_TRUE(window->sheet().isEmpty(2, 1));
    EXPECT_EQ(QApplication::focusWidget(), window->findChild<QWidget*>("B_1"));
}

TEST_F(SectionsWindow, InsertCopiesTheRowAndEveryRowShowsItsOwnResults) {
    for (int r = 1; r <= 5; ++r)
        typeRow(r, {QString::number(10 * r), "10"});
    click("num_3");
    EXPECT_EQ(window->sheet().n(), 6);
    EXPECT_EQ(text("B_3"), "30");
    EXPECT_EQ(text("B_4"), "30");
    EXPECT_EQ(text("B_6"), "50");
    EXPECT_EQ(text("mom_4"), text("mom_3"));
    EXPECT_EQ(text("mom_6"), "4167"); // 50·10³/12: the moved row's own result
    EXPECT_EQ(text("tot"), "6");
}

TEST_F(SectionsWindow, DeleteMovesRowsUpAndRecomputes) {
    for (int r = 1; r <= 3; ++r)
        typeRow(r, {QString::number(10 * r), "10"});
    click("delriga_1");
    EXPECT_EQ(window->sheet().n(), 2);
    EXPECT_EQ(text("B_1"), "20");
    EXPECT_EQ(text("mom_1"), "1667");
    EXPECT_EQ(text("B_3"), "");
    EXPECT_EQ(text("mom_3"), "");
}

TEST_F(SectionsWindow, DeletingTheOnlyRowEmptiesTheSheet) {
    typeRow(1, {"20", "30"});
    click("delriga_1");
    EXPECT_EQ(window->sheet().n(), 0);
    EXPECT_EQ(text("passo"), "Aprire un file archiviato o iniziare l'immissione digitando il "
                             "valore del dato della prima colonna della prima sezione.");
    click("delriga_1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "I dati della sezione n. 1 non sono ancora considerati "
                                        "in quanto manca il valore nella prima colonna.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Exclamation);
}

TEST_F(SectionsWindow, AnEmptiedBoxStoresNothingAndItsRowShowsNothing) {
    typeRow(1, {"20", "30"});
    typeRow(2, {"10", "30"});
    window->findChild<QLineEdit*>("h_1")->clear();
    EXPECT_EQ(window->sheet().datum(2, 1), "");
    EXPECT_EQ(text("mom_1"), "");
    EXPECT_EQ(text("mom_2"), "22500"); // the next row is still computed
    EXPECT_EQ(text("passo"), "Sezione n. 1 (vedi grafico):\n- digitare il dato della seconda "
                             "colonna.");
    window->findChild<QLineEdit*>("B_1")->clear();
    EXPECT_EQ(window->sheet().datum(1, 1), "");
    EXPECT_EQ(window->sheet().n(), 2); // the row stays: rows go only with delriga
    EXPECT_EQ(text("tot"), "2");
    window->findChild<QLineEdit*>("B_2")->clear();
    EXPECT_EQ(window->sheet().n(), 0); // no first datum left
    EXPECT_EQ(text("mom_2"), "");
}

TEST_F(SectionsWindow, ATypologyChosenElsewhereIsComputedAtOnce) {
    typeRow(1, {"20", "30"}); // rectangle: I = 45000
    window->setTypology(3);   // the main window's "quadrato"
    window->sistema();
    EXPECT_EQ(text("mom_1"), "13333"); // a square of side 20
    EXPECT_EQ(text("sup_1"), "400");
    window->setTypology(2); // needs a third datum: the row shows nothing
    window->sistema();
    EXPECT_EQ(text("mom_1"), "");
    EXPECT_EQ(text("sup_1"), "");
}

TEST_F(SectionsWindow, RowsPastAGapStayInTheSheet) {
    for (int r = 1; r <= 5; ++r)
        typeRow(r, {QString::number(10 * r), "10"});
    window->findChild<QLineEdit*>("B_3")->clear();
    EXPECT_EQ(window->sheet().n(), 5);
    EXPECT_EQ(text("tot"), "5");
    EXPECT_EQ(text("mom_3"), "");
    EXPECT_EQ(text("mom_5"), "4167");
    // The check names the incomplete row and a save would be refused through it.
    window->controlla();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Sezione n. 3 (vedi grafico):\r- digitare il dato della prima colonna.");
    EXPECT_EQ(window->firstVisibleRow(), 3);
    dialogs.clear();
    window->setFirstVisibleRow(1);
    // An insert at row 4 moves row 5 down instead of overwriting it.
    click("num_4");
    EXPECT_EQ(window->sheet().n(), 6);
    EXPECT_EQ(window->sheet().datum(1, 6), "50");
    // The incomplete row can be deleted; rows beyond n cannot.
    click("delriga_3");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window->sheet().n(), 5);
    EXPECT_EQ(text("B_3"), "40");
    click("delriga_7");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Exclamation);
}

TEST_F(SectionsWindow, PastedTextWithAWrongCharacterIsRefusedWhole) {
    for (const char* pasted : {"12.5", "1.250", "1a"}) {
        dialogs.clear();
        auto* box = window->findChild<QLineEdit*>("B_1");
        box->setText(pasted);
        EXPECT_EQ(box->text(), "") << pasted;
        EXPECT_TRUE(window->sheet().isEmpty(1, 1)) << pasted;
        EXPECT_EQ(dialogs.messages.size(), 1u) << pasted;
    }
}

TEST_F(SectionsWindow, TheKeypadDecimalKeyTypesAComma) {
    auto* box = window->findChild<QLineEdit*>("B_1");
    box->setFocus();
    type("B_1", "12");
    QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, Qt::KeypadModifier, ".");
    QApplication::sendEvent(box, &point);
    type("B_1", "5");
    EXPECT_EQ(window->sheet().datum(1, 1), "12,5");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SectionsWindow, InsertDeleteAndHoverWorkOnTheRowsShownBelowRowTen) {
    for (int r = 1; r <= 14; ++r)
        window->sheet().setDatum(1, r, QString::number(r));
    window->CountRows();
    window->setFirstVisibleRow(11); // rows 11..20 shown
    EXPECT_EQ(text("B_1"), "11");
    click("num_2"); // insert at row 12
    EXPECT_EQ(window->sheet().n(), 15);
    EXPECT_EQ(window->sheet().datum(1, 13), "12");
    EXPECT_EQ(window->sheet().datum(1, 15), "14");
    click("delriga_1"); // delete row 11
    EXPECT_EQ(window->sheet().n(), 14);
    EXPECT_EQ(window->sheet().datum(1, 11), "12");
    EXPECT_EQ(text("B_1"), "12");
    type("h_1", "10"); // row 11 of the sheet
    EXPECT_EQ(window->sheet().datum(2, 11), "10");
    EXPECT_EQ(text("mom_1"), "1000"); // 12·10³/12
    hover("num_3");
    EXPECT_EQ(colour("B_3"), QColor(255, 255, 0));
    EXPECT_EQ(colour("B_1"), QColor(255, 255, 255));
}

TEST_F(SectionsWindow, ScrollingToTheEndShowsTheLastTenRows) {
    window->findChild<QScrollBar*>("VScroll1")->setValue(91);
    EXPECT_EQ(text("num_1"), "91");
    EXPECT_EQ(text("num_10"), "100");
    EXPECT_EQ(window->findChild<QLabel*>("num_10")->toolTip(),
              "cliccare per inserire una riga al n. 100");
    EXPECT_EQ(window->findChild<QPushButton*>("delriga_1")->toolTip(),
              "cliccare per cancellare la riga n. 91");
}

TEST_F(SectionsWindow, AFullSheetRefusesAnInsert) {
    for (int row = 1; row <= 100; ++row)
        window->sheet().setDatum(1, row, "1");
    window->CountRows();
    click("num_1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Siamo già a 100 sezioni: non è possibile aggiungerne delle altre.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Information);
}

TEST_F(SectionsWindow, HintFollowsTheFirstMissingDatum) {
    typeRow(1, {"20"});
    EXPECT_EQ(text("passo"),
              "Sezione n. 1 (vedi grafico):\n- digitare il dato della seconda colonna.");
    type("h_1", "30");
    EXPECT_EQ(text("passo"), "Correggere, archiviare quanto immesso, digitare ulteriori dati, "
                             "andare oltre (stampa, altro calcolo).");
}

TEST_F(SectionsWindow, CheckReportsTheFirstIncompleteRowAndFocusesIt) {
    window->controlla();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Non esistono dati riconosciuti:\r- per procedere è necessario digitare almeno "
              "il valore richiesto dalla prima colonna;\r- il controllo viene effettuato solo "
              "sulle sezioni per le quali esiste tale dato.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Exclamation);

    for (int r = 1; r <= 3; ++r)
        typeRow(r, {"20", r == 2 ? "" : "30"});
    dialogs.clear();
    window->controlla();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Sezione n. 2 (vedi grafico):\r- manca il dato della seconda colonna.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
    EXPECT_EQ(window->firstVisibleRow(), 2);
    EXPECT_EQ(QApplication::focusWidget(), window->findChild<QWidget*>("h_1"));

    type("h_1", "30");
    dialogs.clear();
    window->controlla();
    EXPECT_EQ(dialogs.lastText(), "I dati sono stati immessi correttamente per n. 3 sezioni.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Information);
}

TEST_F(SectionsWindow, TypologyChoiceClearsTheSheetAndGreysUnusedColumns) {
    typeRow(1, {"20", "30"});
    window->setFirstVisibleRow(2);
    emit window->tipocalcolo()->activated(2); // "quadrato"
    EXPECT_EQ(window->firstVisibleRow(), 1);  // where the hint says to start
    EXPECT_EQ(window->typology(), 3);
    EXPECT_EQ(window->sheet().n(), 0);
    EXPECT_EQ(text("B_1"), "");
    EXPECT_EQ(text("numero"), "3");
    EXPECT_EQ(text("Label1"), "lato B");
    EXPECT_EQ(text("Label2"), "altezza H"); // a head the square does not set keeps its caption
    EXPECT_FALSE(window->findChild<QLineEdit*>("h_4")->isEnabled());
    EXPECT_EQ(colour("h_4"), QColor(192, 192, 192));
    EXPECT_EQ(colour("B_4"), QColor(255, 255, 255));
    EXPECT_EQ(window->tipocalcolo()->currentText(), "quadrato");
}

TEST_F(SectionsWindow, HoverPaintsTheRowYellowAndTheNextHoverRestoresIt) {
    hover("num_2");
    EXPECT_EQ(colour("num_2"), QColor(255, 255, 0));
    EXPECT_EQ(colour("mom_2"), QColor(255, 255, 0));
    EXPECT_EQ(colour("B_2"), QColor(255, 255, 0));
    hover("num_5");
    EXPECT_EQ(colour("num_2"), QColor(0, 255, 255));
    EXPECT_EQ(colour("B_2"), QColor(255, 255, 255));
    EXPECT_EQ(colour("sup_5"), QColor(255, 255, 0));
}

TEST_F(SectionsWindow, BackgroundColourForAllOrForThisWindow) {
    dialogs.answers = {Answer::No};
    dialogs.color = QColor(10, 20, 30);
    window->colora();
    EXPECT_EQ(window->backColour(), QColor(10, 20, 30));
    dialogs.answers = {Answer::No};
    dialogs.color.reset(); // cancelled
    window->colora();
    EXPECT_EQ(window->backColour(), QColor(10, 20, 30));
    EXPECT_EQ(dialogs.messages.back().title, "Ponteluma: colore di sfondo");
    dialogs.answers = {Answer::Yes};
    window->colora();
    EXPECT_EQ(loadedWindow("travi")->backColour(), QColor(192, 192, 192));
    EXPECT_EQ(loadedWindow("sezioni")->backColour(), QColor(192, 192, 192));
}

TEST_F(SectionsWindow, HelpMessageAndMenus) {
    window->aiuto();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.split('\r').size(), 8);
    EXPECT_EQ(dialogs.messages[0].title, "Ponteluma: aiuto in linea");
    auto* finestra = window->findChild<QAction*>("finestra");
    ASSERT_NE(finestra, nullptr);
    EXPECT_EQ(finestra->text(), "Guida della fi&nestra Sezioni (n.2 di 6)");
    dialogs.answers = {Answer::No};
    window->findChild<QAction*>("fin2")->trigger();
    EXPECT_EQ(dialogs.lastText(),
              "È questa la finestra 'Sezioni': si vuole la guida della finestra?");
    EXPECT_EQ(window->findChildren<QAction*>(QRegularExpression("^Toolbar1_")).size(), 19);
}
