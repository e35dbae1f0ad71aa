#include "help/info.h"

#include "help/texts.h"
#include "help/widgets.h"
#include "sheet/numbers.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

QString EditionLine() {
    const ModPonteluma::Identity& id = ModPonteluma::identity();
    const QString year = id.date.section('/', -1);
    return "edizione professionale - versione " + id.version + " - " + year;
}

static void setFontOf(QLabel* label, int points, bool bold) {
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
}

Informa::Informa(QWidget* parent) : QDialog(parent) {
    const ModPonteluma::Identity& id = ModPonteluma::identity();
    setObjectName("informa");
    setWindowTitle("Informazioni su " + id.product);
    setModal(false);

    QLabel* picture = MakeLabel(this, "imgIcona", QString(), TwipsRect(this, 240, 240, 960, 960));
    picture->setPixmap(BridgePicture(Twips(this, 960)));

    QLabel* product = MakeLabel(this, "lblNome", id.product, TwipsRect(this, 1440, 240, 4560, 480));
    setFontOf(product, 16, true);
    QLabel* description =
        MakeLabel(this, "lblDescrizione", id.description, TwipsRect(this, 1440, 720, 4560, 300));
    setFontOf(description, 10, false);
    QLabel* edition =
        MakeLabel(this, "lblVersione", EditionLine(), TwipsRect(this, 1440, 1020, 4560, 300));
    setFontOf(edition, 9, false);

    QLabel* text = MakeLabel(this, "lblTesto", aboutText(), TwipsRect(this, 240, 1500, 5760, 1560));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton* ok =
        MakeButton(this, "cmdOK", QStringLiteral("OK"), TwipsRect(this, 4560, 3180, 1440, 420));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(Twips(this, 6240), Twips(this, 3780));
}

SupportoClienti::SupportoClienti(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("supportoclienti");
    setWindowTitle(QStringLiteral("Servizi di supporto ai clienti"));

    QLabel* title = MakeLabel(this, "lblTitolo", QString::fromUtf8("Come ottenere aiuto"),
                              TwipsRect(this, 120, 120, 6240, 420));
    setFontOf(title, 12, true);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("scrTesto");
    scroll->setGeometry(TwipsRect(this, 120, 600, 6240, 3960));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* text = new QLabel(supportText());
    text->setObjectName("lblTesto");
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setContentsMargins(6, 6, 6, 6);
    text->setAutoFillBackground(true);
    text->setBackgroundRole(QPalette::Base);
    scroll->setWidget(text);

    QPushButton* close = MakeButton(this, "cmdChiudi", QStringLiteral("&Chiudi"),
                                    TwipsRect(this, 4920, 4680, 1440, 420));
    connect(close, &QPushButton::clicked, this, &SupportoClienti::cmdChiudi_Click);

    resize(Twips(this, 6480), Twips(this, 5220));
}

void SupportoClienti::cmdChiudi_Click() {
    hide();
}
