#include "shell/menu.h"

#include "help/help.h"
#include "sheet/numbers.h"
#include "sheet/params.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/rescale.h"
#include "sheetwindow/window.h"
#include "shell/program.h"
#include "shell/windows.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>
#include <vector>

namespace {

QPointer<Menu> g_menu;

// Design size of the window's inner area: 9600 x 6825 twips at 96 dpi, wider when the
// windows' groups need more columns.
constexpr int DesignWidth = 640;
constexpr int DesignHeight = 455;
constexpr int TwipsPerPixel = 15;
constexpr int RowPitch = 17;
// The groups' columns: heads on one line, panels down to the same bottom.
constexpr int ColumnTop = 27, ColumnBottom = 392, GroupGap = 6, GroupHead = 25;

// One group of typology buttons per calculation window, in the list's order, headed by
// the button that opens its window as it is; its captions and place are the window's.
const Presentation& group(int g) {
    return CalcWindows()[size_t(g)]->presentation;
}

int groupCount() {
    return int(CalcWindows().size());
}

const char* const WindowStatus = "Elenca le tipologie di calcolo disponibili.";
const char* const Unavailable = "a disposizione";

// The groups' places in the order of the list (x and width of the column, y of the head):
// each group goes under the last of the first column that has room for it, else it opens a
// new column to the right.
std::vector<QRect> groupPlaces() {
    struct Column {
        int x, width, bottom;
    };
    std::vector<Column> columns;
    std::vector<QRect> places;
    for (int g = 0; g < groupCount(); ++g) {
        const int height = GroupHead + group(g).groupButtons * RowPitch;
        auto column = std::find_if(columns.begin(), columns.end(), [&](const Column& c) {
            return c.bottom + GroupGap + height <= ColumnBottom;
        });
        if (column == columns.end()) {
            const int x =
                columns.empty() ? GroupGap : columns.back().x + columns.back().width + GroupGap;
            columns.push_back({x, group(g).groupWidth, ColumnTop - GroupGap});
            column = columns.end() - 1;
        }
        places.emplace_back(column->x, column->bottom + GroupGap, column->width, 0);
        column->bottom += GroupGap + height;
    }
    return places;
}

// The window's width: the design's, or more when the columns need it.
int designWidth(const std::vector<QRect>& places) {
    int right = DesignWidth - GroupGap;
    for (const QRect& place : places)
        right = std::max(right, place.right() + 1);
    return right + GroupGap;
}

int usableCount(int g) {
    return int(CalcWindows()[size_t(g)]->typologies.size());
}

void showCalcWindow(SheetWindow* window) {
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

// The longest captions must fit their column: shrink the buttons' font a little where
// the system font is wide. `captions` pairs each button with its column's width.
void fitCaptions(const QWidget* menu, const std::vector<std::pair<QRadioButton*, int>>& captions) {
    QFont optionFont = menu->font();
    optionFont.setPointSizeF(8);
    const int indicator = menu->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                          menu->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 4;
    auto fits = [&](const QFont& f) {
        const QFontMetrics metrics(f);
        for (const auto& [button, width] : captions)
            if (indicator + metrics.horizontalAdvance(button->text()) > width)
                return false;
        return true;
    };
    while (optionFont.pointSizeF() > 6.5 && !fits(optionFont))
        optionFont.setPointSizeF(optionFont.pointSizeF() - 0.25);
    for (const auto& entry : captions)
        entry.first->setFont(optionFont);
}

} // namespace

Menu::Menu(QWidget* parent) : QWidget(parent, Qt::Window) {
    g_menu = this;
    build();
    load();
}

Menu::~Menu() = default;

Menu* Menu::instance() {
    return g_menu;
}

QRadioButton* Menu::option(int group, int index) const {
    return findChild<QRadioButton*>(QString("Option%1_%2").arg(group).arg(index),
                                    Qt::FindDirectChildrenOnly);
}

void Menu::build() {
    setObjectName("menu");
    setWindowTitle(ModPonteluma::identity().product + ": menu dei calcoli disponibili");
    setMouseTracking(true);
    const std::vector<QRect> places = groupPlaces();
    const int width = designWidth(places);
    resize(width, DesignHeight);
    buildTitle(width);
    // The panels first, so they lie beneath the buttons.
    buildPanels(places);
    buildGroups(places);
    buildCommands(width);
}

// The line above the groups, a link to the help.
void Menu::buildTitle(int width) {
    auto* label61 = new QLabel(
        "Scegliere la tipologia di calcolo cliccando nella rispettiva casella o su un tasto "
        "generale",
        this);
    label61->setObjectName("Label61");
    label61->setGeometry(6, 4, width - 12, 19);
    label61->setAlignment(Qt::AlignCenter);
    label61->setCursor(Qt::PointingHandCursor);
    label61->setStyleSheet("color: #1e5a9c; text-decoration: underline;");
    label61->installEventFilter(this);
}

// Panels behind the columns; a group placed lower shares the column above it.
void Menu::buildPanels(const std::vector<QRect>& places) {
    const int panelTop = 24, panelBottom = 395, columnTop = ColumnTop;
    int panels = 0;
    for (int g = 0; g < groupCount(); ++g) {
        const QRect& c = places[size_t(g)];
        if (c.y() != columnTop)
            continue;
        auto* panel = new QFrame(this);
        panel->setObjectName(QString("cornice%1").arg(++panels));
        panel->setGeometry(c.x() - 3, panelTop, c.width() + 6, panelBottom - panelTop);
        panel->setStyleSheet("QFrame { background: #f3f6fa; border: 1px solid #c5d0dc; "
                             "border-radius: 4px; }");
    }
}

// Each window's group: its head, which opens the window, and its typology buttons.
void Menu::buildGroups(const std::vector<QRect>& places) {
    QFont headFont = font();
    headFont.setPointSizeF(8.5);
    headFont.setBold(true);
    std::vector<std::pair<QRadioButton*, int>> captions; // button, column width

    for (int g = 0; g < groupCount(); ++g) {
        const Presentation& shown = group(g);
        const QRect& c = places[size_t(g)];
        auto* head = new QPushButton(shown.groupCaption, this);
        head->setObjectName(shown.groupHead);
        head->setGeometry(c.x(), c.y(), c.width(), 22);
        head->setFont(headFont);
        connect(head, &QPushButton::clicked, this, [this, g] { openWindow(g); });

        const QStringList& names = CalcWindows()[size_t(g)]->typologies;
        for (int k = 1; k <= shown.groupButtons; ++k) {
            const bool usable = k <= names.size();
            auto* button = new QRadioButton(usable ? names[k - 1] : QString(Unavailable), this);
            button->setObjectName(QString("Option%1_%2").arg(g + 1).arg(k));
            button->setAutoExclusive(false);
            button->setGeometry(c.x() + 4, c.y() + 25 + (k - 1) * RowPitch, c.width() - 4,
                                RowPitch);
            button->setProperty("statusText", shown.status);
            button->setCursor(Qt::PointingHandCursor);
            if (!usable) {
                QPalette grey = button->palette();
                grey.setColor(QPalette::WindowText, QColor(138, 138, 138));
                grey.setColor(QPalette::ButtonText, QColor(138, 138, 138));
                button->setPalette(grey);
            }
            button->installEventFilter(this);
            connect(button, &QRadioButton::clicked, this,
                    [this, g, k] { optionClicked(g + 1, k); });
            captions.emplace_back(button, c.width() - 4);
        }
    }
    fitCaptions(this, captions);
}

// The hint box, the general buttons and the status bar under the groups.
void Menu::buildCommands(int width) {
    m_passo = new QLabel(this);
    m_passo->setObjectName("passo");
    m_passo->setGeometry(6, 400, 358, 30);
    m_passo->setWordWrap(true);
    m_passo->setMargin(3);
    m_passo->setStyleSheet("background: #ffffc0; color: #202020; border: 1px solid #b8b070;");
    QFont small = font();
    small.setPointSizeF(8);
    m_passo->setFont(small);

    struct Command {
        const char* name;
        const char* caption;
        QRect geometry;
        void (*run)(Menu*);
    };
    static const Command commands[] = {
        {"aiuto", "&AIUTO", QRect(372, 401, 78, 28), [](Menu* m) { m->aiuto(); }},
        {"guida", "&Guida in linea", QRect(454, 401, 102, 28), [](Menu*) { ShowHelpContents(); }},
        {"cmdesci", "&USCITA", QRect(560, 401, 74, 28), [](Menu*) { ConfirmExit(); }},
    };
    for (const Command& command : commands) {
        auto* button = new QPushButton(command.caption, this);
        button->setObjectName(command.name);
        // The commands keep to the right edge of a wider window.
        button->setGeometry(command.geometry.translated(width - DesignWidth, 0));
        auto run = command.run;
        connect(button, &QPushButton::clicked, this, [this, run] { run(this); });
    }

    m_status = new QStatusBar(this);
    m_status->setObjectName("StatusBar1");
    m_status->setGeometry(0, DesignHeight - 22, width, 22);
    m_status->setSizeGripEnabled(false);
    m_status->setStyleSheet("QStatusBar { border-top: 1px solid #c5d0dc; }");
    showStatus(WindowStatus);
}

void Menu::load() {
    m_resizer = new ClsResize(this);
    m_resizer->setSourceForm(this);
    m_resizer->SizeFormToScreen(75);
    // The size of the window is fixed by the program; the place found above is kept.
    resize(ClsResize::twipsToPixels(designWidth(groupPlaces()) * TwipsPerPixel, this),
           ClsResize::twipsToPixels(DesignHeight * TwipsPerPixel, this));
    m_resizer->ResizeControls();

    for (int g = 0; g < groupCount(); ++g) {
        SheetWindow* window = calcWindow(g);
        window->setTypology(1);
        window->sistema();
    }
    m_passo->setText("Muoversi con il mouse sulle tipologie per avere una descrizione del "
                     "calcolo.");
    fillTypeChoosers();
}

// Each window's type chooser lists the captions of its group's usable buttons. The
// lists are filled quietly: filling is no choice of the user.
void Menu::fillTypeChoosers() {
    for (int g = 0; g < groupCount(); ++g) {
        SheetWindow* window = calcWindow(g);
        QComboBox* chooser = window->tipocalcolo();
        if (!chooser)
            continue;
        const QSignalBlocker quiet(chooser);
        chooser->clear();
        for (int k = 1; k <= usableCount(g); ++k)
            chooser->addItem(option(g + 1, k)->text());
        chooser->setCurrentIndex(window->typology() - 1);
    }
}

void Menu::optionClicked(int group, int index) {
    if (group < 1 || group > groupCount())
        return;
    QRadioButton* button = option(group, index);
    if (button)
        button->setChecked(false);
    if (index > usableCount(group - 1)) {
        MsgBox("L'opzione non è disponibile.", Icon::Information, ModPonteluma::texts().checkTitle);
        return;
    }
    SheetWindow* window = calcWindow(group - 1);
    window->setTypology(index);
    window->sistema();
    showCalcWindow(window);
    if (button)
        button->setChecked(false);
}

void Menu::openWindow(int index) {
    showCalcWindow(calcWindow(index));
}

void Menu::aiuto() {
    MsgBox("- Scegliere la tipologia di calcolo cliccandoci sopra;\r- visualizzare le "
           "informazioni nella barra di stato muovendosi con il mouse.",
           Icon::Information, ModPonteluma::texts().helpTitle);
}

void Menu::showStatus(const QString& text) {
    if (m_status->currentMessage() != text)
        m_status->showMessage(text);
}

QString Menu::statusAt(QWidget* child) const {
    for (QWidget* w = child; w && w != this; w = w->parentWidget()) {
        const QVariant text = w->property("statusText");
        if (text.isValid())
            return text.toString();
    }
    return WindowStatus;
}

bool Menu::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Enter:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget != this)
            showStatus(statusAt(widget));
        break;
    case QEvent::Leave:
        if (watched != this)
            showStatus(WindowStatus);
        break;
    case QEvent::MouseButtonRelease:
        if (watched->objectName() == QLatin1String("Label61") &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            ShowHelpPage("manuale");
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Menu::closeEvent(QCloseEvent* event) {
    // The program ends only through the exit question; on Yes it unloads this window.
    event->ignore();
    ConfirmExit();
}

void Menu::mouseMoveEvent(QMouseEvent* event) {
    showStatus(statusAt(childAt(event->position().toPoint())));
    QWidget::mouseMoveEvent(event);
}
