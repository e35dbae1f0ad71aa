#include "help/contents.h"

#include "help/help.h"
#include "help/helpprint.h"
#include "help/widgets.h"
#include "sheetwindow/rescale.h"
#include "sheetwindow/host.h"
#include "sheet/numbers.h"
#include "sheet/params.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {
constexpr int kWidth = 3975;
constexpr int kHeight = 6825;
constexpr int kArrowCount = 9;
constexpr int kEntryTop = 660;
constexpr int kEntryStep = 420;

// An entry at rest shows a sunken single border; pressed, a flat one.
constexpr int kRestFrame = QFrame::Panel | QFrame::Sunken;
constexpr int kPressedFrame = QFrame::Box | QFrame::Plain;
} // namespace

std::vector<ContentsEntry> contentsEntries() {
    std::vector<ContentsEntry> entries = {
        {QString::fromUtf8("  Manuale d'uso rapido"), "manuale"},
        {QString::fromUtf8("  Funzionamento del programma"), "guidafunzionamento"},
        {QString::fromUtf8("  Archivio dati"), "guidaarchivio"},
        {QString::fromUtf8(" Come stampare"), "guidastampa"},
        {QString::fromUtf8(" Finestra Menu"), "guidamenu"},
    };
    // Each calculation window's page, in the order of the windows.
    for (const SheetParams* window : sheetHost().windows)
        entries.push_back({window->presentation.contentsEntry, window->helpPage});
    entries.push_back({QString::fromUtf8("  Suggerimento del giorno"), "frmTip"});
    return entries;
}

QStringList contentsCaptions() {
    QStringList captions;
    for (const ContentsEntry& entry : contentsEntries())
        captions << entry.caption;
    return captions;
}

Sommario::Sommario(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("sommario");
    setMouseTracking(true);

    QLabel* title = MakeLabel(this, "lblTitolo", QStringLiteral("Argomenti della guida"),
                              TwipsRect(this, 120, 120, 3735, 420));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(11);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    const std::vector<ContentsEntry> entries = contentsEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const int index = int(i) + 1;
        const int top = kEntryTop + int(i) * kEntryStep;
        QLabel* label = MakeLabel(this, QStringLiteral("lbl_%1").arg(index), entries[i].caption,
                                  TwipsRect(this, 120, top, 3135, 330));
        label->setFrameStyle(kRestFrame);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setMouseTracking(true);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        m_entries.push_back(label);
        if (index <= kArrowCount) {
            QPushButton* arrow =
                MakeButton(this, QStringLiteral("puls_%1").arg(index), QStringLiteral("--->"),
                           TwipsRect(this, 3315, top, 540, 330));
            connect(arrow, &QPushButton::clicked, this, [this, index] { openEntry(index); });
        }
    }

    QPushButton* print = MakeButton(this, "cmdstampa", QStringLiteral("&Stampa"),
                                    TwipsRect(this, 120, 5400, 1800, 420));
    print->setToolTip(QStringLiteral("cliccare per avere la copia su carta del sommario"));
    QPushButton* close = MakeButton(this, "cmdChiudi", QStringLiteral("&Chiudi"),
                                    TwipsRect(this, 2055, 5400, 1800, 420));
    close->setToolTip(QStringLiteral("cliccare per chiudere il sommario"));
    QPushButton* exit = MakeButton(this, "Command1", QStringLiteral("&USCITA"),
                                   TwipsRect(this, 120, 6000, 3735, 480));
    connect(print, &QPushButton::clicked, this, &Sommario::cmdstampa_Click);
    connect(close, &QPushButton::clicked, this, &Sommario::cmdChiudi_Click);
    connect(exit, &QPushButton::clicked, this, &Sommario::Command1_Click);

    // Load: fitted to the screen, then the page's own size (the place is kept).
    resize(Twips(this, kWidth), Twips(this, kHeight));
    m_resizer = new ClsResize(this);
    m_resizer->setSourceForm(this);
    m_resizer->SizeFormToScreen(75);
    resize(Twips(this, kWidth), Twips(this, kHeight));
    m_resizer->ResizeControls();
    const QString product = ModPonteluma::identity().product;
    setWindowTitle(product + ": guida in linea");
    exit->setToolTip("cliccare per uscire da " + product);
}

void Sommario::openEntry(int index) {
    if (index < 1 || index > int(contentsEntries().size()))
        return;
    const QString window = contentsEntries()[size_t(index) - 1].window;
    if (window == QLatin1String("frmTip"))
        ShowTips();
    else
        ShowHelpPage(window);
}

void Sommario::setBoldEntry(int index) {
    for (size_t i = 0; i < m_entries.size(); ++i) {
        QFont font = m_entries[i]->font();
        font.setBold(int(i) + 1 == index);
        m_entries[i]->setFont(font);
    }
}

void Sommario::setPressed(int index, bool pressed) {
    m_entries[size_t(index) - 1]->setFrameStyle(pressed ? kPressedFrame : kRestFrame);
}

int Sommario::entryIndex(QObject* object) const {
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i] == object)
            return int(i) + 1;
    return 0;
}

bool Sommario::eventFilter(QObject* watched, QEvent* event) {
    const int index = entryIndex(watched);
    if (index > 0) {
        switch (event->type()) {
        case QEvent::MouseMove:
            setBoldEntry(index);
            return true; // not passed on to the page, whose free area unbolds

        case QEvent::MouseButtonPress:
            setPressed(index, true);
            openEntry(index);
            return true;
        case QEvent::MouseButtonRelease:
            setPressed(index, false);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The free area of the page: no entry is bold.
void Sommario::mouseMoveEvent(QMouseEvent* event) {
    setBoldEntry(0);
    QWidget::mouseMoveEvent(event);
}

void Sommario::cmdstampa_Click() {
    PrintHelpContents(contentsCaptions());
}

void Sommario::cmdChiudi_Click() {
    hide();
}

void Sommario::Command1_Click() {
    callHost(sheetHost().confirmExit);
}
