#include "help/helppage.h"

#include "help/help.h"
#include "help/helpprint.h"
#include "help/widgets.h"
#include "sheetwindow/rescale.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace {
// Design size and place of a page, in twips.
constexpr int kWidth = 5640;
constexpr int kHeight = 6825;
constexpr int kLeft = 5467;
} // namespace

HelpPage::HelpPage(const HelpText& page, bool rescaled, QWidget* parent)
    : QWidget(parent, Qt::Window), m_page(page) {
    setObjectName(page.name);
    setWindowTitle(QStringLiteral("Guida in linea"));
    setAttribute(Qt::WA_DeleteOnClose);

    QLabel* title = MakeLabel(this, "lblTitolo", page.title, TwipsRect(this, 120, 120, 5400, 480));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(12);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    // The text is longer than the window: it scrolls, and wraps at the window's width.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("scrTesto");
    scroll->setGeometry(TwipsRect(this, 120, 720, 5400, 5280));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* text = new QLabel(page.text);
    text->setObjectName("lblTesto");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setTextFormat(Qt::PlainText);
    text->setContentsMargins(6, 6, 6, 6);
    text->setBackgroundRole(QPalette::Base);
    text->setAutoFillBackground(true);
    scroll->setWidget(text);

    QPushButton* print = MakeButton(this, "cmdStampa", QStringLiteral("S&tampa"),
                                    TwipsRect(this, 120, 6180, 1680, 420));
    QPushButton* contents = MakeButton(this, "cmdSommario", QStringLiteral("&Sommario"),
                                       TwipsRect(this, 1980, 6180, 1680, 420));
    QPushButton* close = MakeButton(this, "cmdChiudi", QStringLiteral("&Chiudi"),
                                    TwipsRect(this, 3840, 6180, 1680, 420));
    connect(print, &QPushButton::clicked, this, &HelpPage::cmdStampa_Click);
    connect(contents, &QPushButton::clicked, this, &HelpPage::cmdSommario_Click);
    connect(close, &QPushButton::clicked, this, &HelpPage::cmdChiudi_Click);

    resize(Twips(this, kWidth), Twips(this, kHeight));
    if (rescaled)
        load();
}

// Fitted to the screen like every rescaled window, then given the page's own size
// and place (the height found by the resizer keeps the window's top).
void HelpPage::load() {
    m_resizer = new ClsResize(this);
    m_resizer->setSourceForm(this);
    m_resizer->SizeFormToScreen(75);
    resize(Twips(this, kWidth), Twips(this, kHeight));
    move(Twips(this, kLeft), y());
    m_resizer->ResizeControls();
}

void HelpPage::cmdStampa_Click() {
    PrintHelpPage(m_page.title, m_page.text);
}

void HelpPage::cmdSommario_Click() {
    ShowHelpContents();
}

void HelpPage::cmdChiudi_Click() {
    close();
}

void HelpPage::closeEvent(QCloseEvent* event) {
    m_unloaded = true;
    QWidget::closeEvent(event);
}
