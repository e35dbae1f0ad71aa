// The main window, the splash and the exit sequence, driven as the user would.
#include "sheet/params.h"
#include "shell/menu.h"
#include "shell/windows.h"

#include "sheetwindow/rescale.h"
#include "sheetwindow/window.h"
#include "shell/program.h"
#include "shell/splash.h"
#include "tests/scripteddialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using Kind = int; // index in the list of windows

namespace {

// Stands in for the synthesiser and writes down what the splash asks of it.
class RecordingBackend : public MusicBackend {
public:
    explicit RecordingBackend(std::shared_ptr<QStringList> log) : m_log(std::move(log)) {}
    bool open(const QString& path) override {
        *m_log << "open " + path;
        return true;
    }
    void play() override { *m_log << "play"; }
    void pause() override { *m_log << "pause"; }
    void close() override { *m_log << "close"; }

private:
    std::shared_ptr<QStringList> m_log;
};

const QString kCheckTitle = "Ponteluma: controllo dati immessi nella finestra attiva";
const QString kExitTitle = "Attenzione: i dati non archiviati andranno persi!";

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(QWidget* widget) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        music = std::make_shared<QStringList>();
        splash = std::make_unique<FrmSplash>(std::make_unique<RecordingBackend>(music));
        splash->show();
    }
    void TearDown() override {
        UnloadProgramWindows();
        flushDeletes();
        splash.reset();
    }

    // The main window as a click on the splash opens it.
    Menu* openMenu() {
        click(splash.get());
        Menu* menu = Menu::instance();
        EXPECT_NE(menu, nullptr);
        return menu;
    }
    QRadioButton* option(int group, int index) { return Menu::instance()->option(group, index); }
    QPushButton* button(const char* name) {
        return Menu::instance()->findChild<QPushButton*>(name);
    }
    std::vector<QPointer<QWidget>> loadedWindows() {
        std::vector<QPointer<QWidget>> windows{Menu::instance()};
        for (int k = 0; k < int(CalcWindows().size()); ++k)
            windows.emplace_back(calcWindow(k));
        return windows;
    }

    ScriptedDialogs dialogs;
    std::shared_ptr<QStringList> music;
    std::unique_ptr<FrmSplash> splash;
};

struct GroupShape {
    int group;
    Kind kind;
    int buttons;
    int usable;
};
const GroupShape kShapes[] = {
    {1, 0, 20, 17}, {2, 1, 20, 20}, {3, 2, 10, 10}, {4, 3, 20, 15}, {5, 4, 8, 4},
};

TEST_F(ShellTest, SplashShowsTheIdentityAndStartsTheMusic) {
    EXPECT_EQ(splash->objectName(), "frmSplash");
    EXPECT_EQ(splash->label(1)->text(), "Ponteluma");
    EXPECT_EQ(splash->label(2)->text(), "calcoli di sezioni, travi, archi, piastre");
    EXPECT_EQ(splash->label(3)->text(), "EDIZIONE PROFESSIONALE - VERSIONE 2.05.05");
    ASSERT_EQ(music->size(), 2);
    EXPECT_TRUE(music->at(0).startsWith("open "));
    EXPECT_TRUE(music->at(0).endsWith("/Internet.mid"));
    EXPECT_EQ(music->at(1), "play");
}

TEST_F(ShellTest, ClickOnALabelOrThePicturePausesAndOpensTheMainWindow) {
    for (const char* name : {"Label1", "Label3", "Picture1"}) {
        QWidget* part = splash->findChild<QWidget*>(name);
        ASSERT_NE(part, nullptr) << name;
        music->clear();
        click(part);
        EXPECT_EQ(*music, QStringList{"pause"}) << name;
        ASSERT_NE(Menu::instance(), nullptr) << name;
        EXPECT_TRUE(Menu::instance()->isVisible()) << name;
        EXPECT_TRUE(splash->isVisible()) << "the splash stays behind";
    }
}

TEST_F(ShellTest, MainWindowHasItsSeventyEightTypologyButtons) {
    Menu* menu = openMenu();
    EXPECT_EQ(menu->objectName(), "menu");
    EXPECT_EQ(menu->windowTitle(), "Ponteluma: menu dei calcoli disponibili");
    EXPECT_EQ(menu->findChildren<QRadioButton*>().size(), 78);
    for (const GroupShape& shape : kShapes) {
        const QStringList& names = CalcWindows()[size_t(shape.kind)]->typologies;
        ASSERT_EQ(names.size(), shape.usable);
        for (int k = 1; k <= shape.buttons; ++k) {
            QRadioButton* b = option(shape.group, k);
            ASSERT_NE(b, nullptr) << shape.group << "_" << k;
            EXPECT_EQ(b->text(), k <= shape.usable ? names[k - 1] : "a disposizione");
        }
        EXPECT_EQ(option(shape.group, shape.buttons + 1), nullptr);
    }
    // A few captions as the user reads them.
    EXPECT_EQ(option(1, 1)->text(), "rettangolo");
    EXPECT_EQ(option(1, 17)->text(), "sezione al L, a T, ad U");
    EXPECT_EQ(option(2, 14)->text(), "incastro + app. + triang.2");
    EXPECT_EQ(option(3, 4)->text(), "3 campate + 2 ripartiti");
    EXPECT_EQ(option(4, 15)->text(), "incastrato + ripartito orizz.");
    EXPECT_EQ(option(5, 3)->text(), "piastra circ. appoggiata");

    const std::pair<const char*, const char*> others[] = {
        {"sez", "Momenti d'inerzia"}, {"tras", "Travi semplici"},
        {"trac", "Travi continue"},   {"arc", "Archi"},
        {"piastr", "Piastre"},        {"aiuto", "&AIUTO"},
        {"guida", "&Guida in linea"}, {"cmdesci", "&USCITA"},
    };
    for (const auto& [name, caption] : others) {
        ASSERT_NE(button(name), nullptr) << name;
        EXPECT_EQ(button(name)->text(), caption);
    }
    EXPECT_EQ(menu->findChild<QLabel*>("Label61")->text(),
              "Scegliere la tipologia di calcolo cliccando nella rispettiva casella o su un "
              "tasto generale");
    EXPECT_EQ(menu->findChild<QLabel*>("passo")->text(),
              "Muoversi con il mouse sulle tipologie per avere una descrizione del calcolo.");
}

TEST_F(ShellTest, ControlsFitTheWindowWithoutOverlapping) {
    Menu* menu = openMenu();
    EXPECT_EQ(menu->size(),
              QSize(ClsResize::twipsToPixels(9600, menu), ClsResize::twipsToPixels(6825, menu)));
    std::vector<QWidget*> controls;
    for (QWidget* w : menu->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->objectName().startsWith("cornice")) // the panels behind the columns
            controls.push_back(w);
    for (size_t i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(menu->rect().contains(controls[i]->geometry()))
            << controls[i]->objectName().toStdString();
        for (size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " / "
                << controls[j]->objectName().toStdString();
    }
    // Every caption can be read whole.
    for (QRadioButton* b : menu->findChildren<QRadioButton*>())
        EXPECT_LE(b->sizeHint().width(), b->width()) << b->objectName().toStdString();
}

TEST_F(ShellTest, LoadResetsTypologiesAndFillsTheTypeChoosers) {
    const int before[] = {3, 4, 5, 6, 2};
    for (int k = 0; k < 5; ++k)
        calcWindow(k)->setTypology(before[k]);
    // A chooser that already holds items (a window loaded before) is filled anew.
    calcWindow(0)->tipocalcolo()->addItems({"vecchia", "voce"});
    openMenu();
    for (const GroupShape& shape : kShapes) {
        EXPECT_EQ(calcWindow(shape.kind)->typology(), 1);
        QComboBox* chooser = calcWindow(shape.kind)->tipocalcolo();
        ASSERT_EQ(chooser->count(), shape.usable) << shape.group;
        for (int k = 1; k <= shape.usable; ++k)
            EXPECT_EQ(chooser->itemText(k - 1), option(shape.group, k)->text());
        EXPECT_FALSE(calcWindow(shape.kind)->isVisible());
    }
}

TEST_F(ShellTest, UnavailableOptionsChangeNothing) {
    openMenu();
    option(1, 5)->click();
    calcWindow(0)->hide();
    const std::pair<int, int> unavailable[] = {{1, 18}, {1, 20}, {4, 16}, {4, 20}, {5, 5}, {5, 8}};
    for (const auto& [group, index] : unavailable) {
        dialogs.clear();
        const Kind kind = kShapes[group - 1].kind;
        const int before = calcWindow(kind)->typology();
        option(group, index)->click();
        ASSERT_EQ(dialogs.messages.size(), 1u) << group << "_" << index;
        EXPECT_EQ(dialogs.messages[0].text, "L'opzione non è disponibile.");
        EXPECT_EQ(dialogs.messages[0].icon, Icon::Information);
        EXPECT_EQ(dialogs.messages[0].title, kCheckTitle);
        EXPECT_EQ(calcWindow(kind)->typology(), before);
        EXPECT_FALSE(option(group, index)->isChecked());
        EXPECT_FALSE(calcWindow(kind)->isVisible());
    }
    EXPECT_EQ(calcWindow(0)->typology(), 5);
}

TEST_F(ShellTest, TypologyButtonSetsTheTypologyAndShowsTheWindow) {
    openMenu();
    for (const GroupShape& shape : kShapes) {
        for (int k : {shape.usable, 2}) {
            option(shape.group, k)->click();
            EXPECT_EQ(calcWindow(shape.kind)->typology(), k) << shape.group << "_" << k;
            EXPECT_TRUE(calcWindow(shape.kind)->isVisible());
        }
    }
    EXPECT_TRUE(dialogs.messages.empty());
    for (QRadioButton* b : Menu::instance()->findChildren<QRadioButton*>())
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
}

TEST_F(ShellTest, GeneralButtonsShowTheWindowsAsTheyAre) {
    openMenu();
    const std::pair<const char*, Kind> general[] = {
        {"sez", 0}, {"tras", 1}, {"trac", 2}, {"arc", 3}, {"piastr", 4}};
    option(1, 9)->click();
    option(4, 12)->click();
    for (const auto& [name, kind] : general) {
        SheetWindow* window = calcWindow(kind);
        window->hide();
        const int typology = window->typology();
        button(name)->click();
        EXPECT_EQ(calcWindow(kind), window) << name << ": the same window, not a new one";
        EXPECT_TRUE(window->isVisible()) << name;
        EXPECT_EQ(window->typology(), typology) << name;
    }
    EXPECT_EQ(calcWindow(0)->typology(), 9);
    EXPECT_EQ(calcWindow(3)->typology(), 12);
}

TEST_F(ShellTest, AiutoExplainsTheWindow) {
    openMenu();
    button("aiuto")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "- Scegliere la tipologia di calcolo cliccandoci sopra;\r- visualizzare le "
              "informazioni nella barra di stato muovendosi con il mouse.");
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Information);
    EXPECT_EQ(dialogs.messages[0].title, "Ponteluma: aiuto in linea");
}

TEST_F(ShellTest, StatusBarDescribesWhatIsUnderTheMouse) {
    Menu* menu = openMenu();
    auto* status = menu->findChild<QStatusBar*>("StatusBar1");
    ASSERT_NE(status, nullptr);
    const std::pair<QRadioButton*, QString> hovers[] = {
        {option(1, 20),
         "Apre una finestra per il calcolo dei momenti d'inerzia e di resistenza in sezioni "
         "regolari."},
        {option(2, 1), "Apre una finestra per il calcolo dei momenti e del taglio in travi "
                       "semplici."},
        {option(3, 7), "Apre una finestra per il calcolo dei momenti e delle reazioni "
                       "vincolari in travi continue."},
        {option(4, 18), "Apre una finestra per il calcolo dei momenti e delle reazioni "
                        "vincolari in archi."},
        {option(5, 2), "Apre una finestra per il calcolo dei momenti nelle piastre "
                       "rettangolari e circolari."},
    };
    const QString windowText = "Elenca le tipologie di calcolo disponibili.";
    for (const auto& [b, text] : hovers) {
        QEnterEvent enter(QPointF(3, 3), b->mapTo(menu, QPointF(3, 3)),
                          b->mapToGlobal(QPointF(3, 3)));
        QApplication::sendEvent(b, &enter);
        EXPECT_EQ(status->currentMessage(), text) << b->objectName().toStdString();
        // Moving on over the window itself, away from the buttons.
        const QPointF empty(menu->width() / 2.0, 397); // between the columns and the hint
        ASSERT_EQ(menu->childAt(empty.toPoint()), nullptr);
        QMouseEvent move(QEvent::MouseMove, empty, menu->mapToGlobal(empty), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(menu, &move);
        EXPECT_EQ(status->currentMessage(), windowText);
    }
}

TEST_F(ShellTest, ExitAnsweredNoKeepsEveryWindow) {
    openMenu();
    option(2, 6)->click();
    calcWindow(1)->sheet().setDatum(1, 1, "12,5");
    const auto windows = loadedWindows();
    // USCITA, and closing the main window through the window manager.
    const std::function<void()> exits[] = {[this] { button("cmdesci")->click(); },
                                           [] { EXPECT_FALSE(Menu::instance()->close()); }};
    for (const auto& exit : exits) {
        dialogs.messages.clear();
        dialogs.answers = {Answer::No};
        music->clear();
        exit();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "Vuoi uscire da Ponteluma?");
        EXPECT_EQ(dialogs.messages[0].icon, Icon::Question);
        EXPECT_EQ(dialogs.messages[0].title, kExitTitle);
        EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNo);
        EXPECT_EQ(dialogs.messages[0].defaultButton, Answer::No);
        flushDeletes();
        for (const auto& window : windows)
            EXPECT_FALSE(window.isNull());
        EXPECT_TRUE(Menu::instance()->isVisible());
        EXPECT_TRUE(calcWindow(1)->isVisible());
        EXPECT_EQ(calcWindow(1)->typology(), 6);
        EXPECT_EQ(calcWindow(1)->sheet().datum(1, 1), "12,5");
        EXPECT_TRUE(music->isEmpty());
    }
}

TEST_F(ShellTest, ExitAnsweredYesUnloadsTheWindowsAndBringsBackTheSplash) {
    openMenu();
    option(4, 3)->click();
    QPointer<QWidget> stray = new QWidget; // any other window of the program
    stray->show();
    const auto windows = loadedWindows();
    splash->hide();
    dialogs.answers = {Answer::Yes};
    music->clear();
    button("cmdesci")->click();
    flushDeletes();
    for (const auto& window : windows)
        EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(stray.isNull());
    EXPECT_EQ(Menu::instance(), nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->label(2)->text(), "          elaborazione eseguita con");
    EXPECT_EQ(*music, QStringList{"play"});

    // A new start loads fresh windows.
    click(splash.get());
    ASSERT_NE(Menu::instance(), nullptr);
    EXPECT_NE(calcWindow(3), windows[1 + 3].data());
    EXPECT_EQ(calcWindow(3)->typology(), 1);
}

TEST_F(ShellTest, ReturnOnTheSplashGoesOnAsAClickAnotherKeyEndsWhenNoWindowIsOpen) {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(splash.get(), &enter);
    ASSERT_NE(Menu::instance(), nullptr);
    EXPECT_TRUE(Menu::instance()->isVisible());
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(music->last(), "pause");

    // While the main window or a calculation window is open, neither a key nor closing
    // the splash ends the program.
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(splash.get(), &letter);
    EXPECT_TRUE(splash->isVisible());
    Menu::instance()->hide();
    calcWindow(2)->show();
    QApplication::sendEvent(splash.get(), &letter);
    EXPECT_FALSE(splash->close());
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(music->last(), "pause");

    calcWindow(2)->hide();
    QApplication::sendEvent(splash.get(), &letter);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(music->last(), "close");
}

TEST_F(ShellTest, ClosingTheSplashAtStartUpEnds) {
    EXPECT_TRUE(splash->close());
    EXPECT_EQ(music->last(), "close");
}

TEST_F(ShellTest, AClosedCalculationWindowHidesAClosedMainWindowExits) {
    openMenu();
    option(2, 6)->click();
    calcWindow(1)->sheet().setDatum(1, 1, "12,5");
    const QPointer<QWidget> beams = calcWindow(1);
    EXPECT_TRUE(calcWindow(1)->close());
    flushDeletes();
    ASSERT_FALSE(beams.isNull());
    EXPECT_FALSE(calcWindow(1)->isVisible());
    EXPECT_EQ(calcWindow(1)->typology(), 6);
    EXPECT_EQ(calcWindow(1)->sheet().datum(1, 1), "12,5");

    dialogs.answers = {Answer::Yes};
    Menu::instance()->close();
    flushDeletes();
    EXPECT_EQ(Menu::instance(), nullptr);
    EXPECT_TRUE(beams.isNull());
    EXPECT_TRUE(splash->isVisible());
}

} // namespace
