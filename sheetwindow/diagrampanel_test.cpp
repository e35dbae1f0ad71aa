// The diagram panel and the printed diagrams, driven through the real widgets.
#include "sheetwindow/diagrampanel.h"
#include "sheetwindow/window.h"
#include "tests/scripteddialogs.h"
#include "tests/sheets.h"
#include "tests/windows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class DiagramWindow : public ::testing::Test {
protected:
    void open(const QString& name, int typology) {
        window.reset(new SheetWindow(windowParams(name)));
        window->setTypology(typology);
        window->sistema();
        window->show();
        QApplication::processEvents();
        panel = window->findChild<DiagramPanel*>("diagramma");
        dialogs.clear();
    }
    void type(const QString& boxName, const QString& keys) {
        ASSERT_TRUE(TypeInto(window.get(), boxName, keys)) << boxName.toStdString();
    }
    void hover(const QString& name) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(window->findChild<QWidget*>(name), &enter);
    }
    QImage picture() const { return panel->grab().toImage(); }
    // How many pixels of the panel are neither white nor grey, a measure of what it draws.
    int colouredPixels() const {
        const QImage image = picture();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.saturation() > 60;
            }
        }
        return count;
    }
    static int pdfPages(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        const QString bytes = QString::fromLatin1(file.readAll());
        return int(bytes.count(QRegularExpression("/Type\\s*/Page[^s]")));
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<SheetWindow> window;
    DiagramPanel* panel = nullptr;
    QTemporaryDir folder;
};

TEST_F(DiagramWindow, FollowsTheRowTypedInAndTheRowNumberUnderThePointer) {
    open("travi", 5);
    ASSERT_NE(panel, nullptr);
    // An empty sheet: nothing drawn, the hint's words instead.
    EXPECT_FALSE(panel->view().diagram);
    EXPECT_EQ(panel->view().emptyText, window->findChild<QLabel*>("passo")->text());
    EXPECT_EQ(colouredPixels(), 0);

    type("dat1_1", "6");
    type("dat2_1", "800");
    ASSERT_TRUE(panel->view().diagram);
    EXPECT_EQ(panel->view().row, 1);
    EXPECT_EQ(DiagramHeading(panel->view()), "Trave n.1 - appoggio + ripartito (tipologia 5)");
    ASSERT_EQ(panel->view().diagram->peaks.size(), 1u);
    EXPECT_NEAR(panel->view().diagram->peaks[0].m, 3600, 1e-9);
    EXPECT_GT(colouredPixels(), 1000);

    // Each key redraws the row at once: 800 kg/m became 8009.
    const QImage before = picture();
    type("dat2_1", "9");
    EXPECT_NEAR(panel->view().diagram->peaks[0].m, 8009 * 36 / 8.0, 1e-6);
    EXPECT_NE(picture(), before);

    type("dat1_2", "4");
    type("dat2_2", "500");
    EXPECT_EQ(panel->view().row, 2);
    EXPECT_NEAR(panel->view().diagram->peaks[0].m, 1000, 1e-9);

    hover("num_1");
    EXPECT_EQ(panel->view().row, 1);
    EXPECT_NEAR(panel->view().diagram->peaks[0].m, 8009 * 36 / 8.0, 1e-6);

    // A row without its load: an empty panel that says what the hint box says.
    type("dat1_3", "5");
    EXPECT_EQ(panel->view().row, 3);
    EXPECT_FALSE(panel->view().diagram);
    const QString hint = window->findChild<QLabel*>("passo")->text();
    EXPECT_TRUE(hint.startsWith("Trave n. 3")) << hint.toStdString();
    EXPECT_EQ(QString(panel->view().emptyText).replace(QChar(0xd), QChar(0xa)), hint);
    EXPECT_EQ(colouredPixels(), 0);

    // A new typology empties the sheet, and the panel with it.
    hover("num_1");
    EXPECT_TRUE(panel->view().diagram);
    window->cancella();
    EXPECT_FALSE(panel->view().diagram);
}

// A row outside its field of use: the panel names that row and its reason, even when the
// hint names an earlier row.
TEST_F(DiagramWindow, ARowOutsideItsFieldSaysWhyInThePanel) {
    open("travi", 4);
    type("dat1_1", "6"), type("dat2_1", "2000"), type("dat3_1", "8");
    type("dat1_2", "6"), type("dat2_2", "2000"), type("dat3_2", "9");
    EXPECT_FALSE(panel->view().diagram);
    EXPECT_EQ(panel->view().emptyText,
              "Trave n. 2 (vedi grafico):\r- la distanza a supera la luce.");
    EXPECT_TRUE(window->findChild<QLabel*>("passo")->text().startsWith("Trave n. 1"));
    EXPECT_EQ(colouredPixels(), 0);
    auto* distance = window->findChild<QLineEdit*>("dat3_2");
    distance->selectAll();
    distance->insert("6"); // a load on support B is inside
    EXPECT_TRUE(panel->view().diagram);
}

TEST_F(DiagramWindow, ContinuousBeamsChooseTheirMethodAndThePanelChecksItAgainstTheory) {
    // The other windows compute one way only.
    open("travi", 1);
    EXPECT_EQ(window->findChild<QAction*>("metodo_1"), nullptr);

    open("continue", 7);
    auto* tabulated = window->findChild<QAction*>("metodo_1");
    auto* exact = window->findChild<QAction*>("metodo_2");
    ASSERT_TRUE(tabulated && exact);
    EXPECT_EQ(tabulated->text(), "coefficienti tabellati");
    EXPECT_TRUE(tabulated->isChecked());
    EXPECT_FALSE(exact->isChecked());
    type("dat1_1", "5,5");
    type("dat2_1", "1200");
    auto label = [this](const char* name) {
        return window->findChild<QLabel*>(name)->text().toStdString();
    };
    EXPECT_EQ(label("momB_1"), "-3887");
    EXPECT_FALSE(window->findChild<QLabel*>("passo")->text().contains("Metodo"));
    // The panel draws theory: the table's mom.C lies on the unsafe side.
    ASSERT_TRUE(panel->view().diagram);
    EXPECT_NEAR(panel->view().diagram->supports[1].moment, -3. / 28 * 1200 * 5.5 * 5.5, 1e-9);
    QString check = DiagramCheckText(panel->view().diagram->check);
    EXPECT_EQ(check.toStdString(), "controllo di equilibrio, coefficienti tabellati: mom.C "
                                   "2574 kgm, esatto 2593 kgm, \u22120,7 % (lato non "
                                   "cautelativo)");
    EXPECT_EQ(DiagramCheckColour(panel->view().diagram->check), QColor(225, 115, 0));

    // The exact solution: the grid shows theory, the check agrees, the hint names it.
    exact->trigger();
    EXPECT_TRUE(exact->isChecked());
    EXPECT_FALSE(tabulated->isChecked());
    EXPECT_EQ(label("momB_1"), "-3889");
    EXPECT_EQ(label("momAB_1"), "2801"); // 121/1568 q·l²
    EXPECT_EQ(label("momDE_1"), "2801"); // given, not left to the mirror
    EXPECT_TRUE(window->findChild<QLabel*>("passo")->text().endsWith(
        "\nMetodo di calcolo: soluzione esatta."));
    check = DiagramCheckText(panel->view().diagram->check);
    EXPECT_EQ(check.toStdString(), "controllo di equilibrio, soluzione esatta: scarto 0,0 %");
    EXPECT_EQ(DiagramCheckColour(panel->view().diagram->check), QColor(0, 130, 0));
    hover("momDE_1");
    EXPECT_EQ(label("distanza"), "Il momento massimo in D-E è alla distanza di m. 2.16 da E.");

    // The choice holds for the run: through a cleared sheet, a new typology and undo.
    window->cancella();
    window->annulla();
    EXPECT_EQ(label("momB_1"), "-3889");
    emit window->tipocalcolo()->activated(0); // typology 1: the sheet is emptied
    type("dat1_1", "5");
    type("dat2_1", "1000");
    EXPECT_EQ(label("momAB_1"), "1758"); // 9/128 q·l², where the table gives 1748
    EXPECT_TRUE(exact->isChecked());
}

TEST_F(DiagramWindow, TheWindowGrowsToHoldThePanelBelowTheGrid) {
    open("sezioni", 1);
    EXPECT_EQ(panel, nullptr);
    EXPECT_EQ(window->findChild<QAction*>("stampadiagrammi"), nullptr);
    const int sectionsHeight = window->designSize().height();

    for (const char* name : {"travi", "continue"}) {
        open(name, 1);
        ASSERT_NE(panel, nullptr) << name;
        EXPECT_GT(window->designSize().height(), sectionsHeight) << name;
        // At the design size the panel lies under the buttons and inside the window.
        window->resize(window->designSize());
        QApplication::processEvents();
        const QWidget* area = window->centralWidget();
        const QWidget* lowest = window->findChild<QWidget*>("esco");
        EXPECT_GE(panel->geometry().top(), lowest->geometry().bottom()) << name;
        EXPECT_LE(panel->geometry().bottom(), area->height()) << name;
        EXPECT_LE(panel->geometry().right(), area->width()) << name;
        auto* print = window->findChild<QAction*>("stampadiagrammi");
        ASSERT_NE(print, nullptr) << name;
        EXPECT_EQ(print->text(), "Stampa con &diagrammi");
    }
}

TEST_F(DiagramWindow, ValuesAreAsLargeAsTheGridsTextAndGrowWithTheWindow) {
    for (const char* name : {"travi", "continue"}) {
        open(name, 5);
        window->resize(window->designSize());
        type("dat1_1", "6");
        type("dat2_1", "800");
        QApplication::processEvents();
        const auto pixels = [](const QWidget* w) { return QFontInfo(w->font()).pixelSize(); };
        const DiagramPicture small = panel->picture();
        ASSERT_FALSE(small.empty) << name;
        EXPECT_GE(small.font.pixelSize(), pixels(window->box(1, 1))) << name;
        // Heading and check share one line, whatever the check's length.
        EXPECT_EQ(small.checkAt.y(), small.headingAt.y()) << name;
        EXPECT_LE(small.checkAt.x() + 1, small.frame.right()) << name;

        window->resize(window->designSize() * 1.6);
        QApplication::processEvents();
        const DiagramPicture large = panel->picture();
        EXPECT_GE(large.font.pixelSize(), pixels(window->box(1, 1))) << name;
        EXPECT_GT(large.font.pixelSize(), small.font.pixelSize() * 1.3) << name;
        EXPECT_GT(large.drawing.momentAxisY - large.drawing.shearAxisY,
                  1.4 * (small.drawing.momentAxisY - small.drawing.shearAxisY))
            << name;
    }
}

TEST_F(DiagramWindow, TheWindowAndRoomForItsTitleBarStayOnTheScreen) {
    for (const char* name : {"travi", "continue"}) {
        open(name, 1);
        const QRect room = window->screen()->availableGeometry();
        const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
        EXPECT_GE(window->geometry().top(), room.top() + title) << name;
        EXPECT_LE(window->geometry().bottom(), room.bottom()) << name;
        EXPECT_LE(window->geometry().right(), room.right()) << name;
    }
}

TEST_F(DiagramWindow, PrintingWithDiagramsAddsAPageForEveryTwoCompleteRows) {
    open("travi", 9);
    const char* rows[][3] = {{"6", "500", "1500"}, {"4,5", "800", "300"}, {"5", "200", "900"}};
    for (int r = 1; r <= 3; ++r) {
        type(QString("dat1_%1").arg(r), rows[r - 1][0]);
        type(QString("dat2_%1").arg(r), rows[r - 1][1]);
        type(QString("dat3_%1").arg(r), rows[r - 1][2]);
    }
    type("dat1_4", "3"); // incomplete: no page of its own

    dialogs.pdfPath = folder.filePath("relazione.pdf");
    window->stampa();
    const int reportPages = pdfPages(dialogs.pdfPath);
    ASSERT_GE(reportPages, 1);
    EXPECT_EQ(dialogs.printerRequests, 1);

    dialogs.pdfPath = folder.filePath("diagrammi.pdf");
    window->findChild<QAction*>("stampadiagrammi")->trigger();
    EXPECT_EQ(dialogs.printerRequests, 2); // the same printer dialog, nothing more
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(pdfPages(dialogs.pdfPath), reportPages + 2);
}

} // namespace
