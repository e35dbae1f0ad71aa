#include "help/tips.h"

#include "help/widgets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStringConverter>
#include <QTextStream>

namespace {
const char* const kTipsFile = "SuggerimentiPonteluma.TXT";
// What the tip label shows before a tip is displayed (an empty tips file leaves it).
const char* const kDesignText = "Nessun suggerimento disponibile.";
} // namespace

QString TipsFilePath() {
    return QCoreApplication::applicationDirPath() + QDir::separator() +
           QString::fromLatin1(kTipsFile);
}

QString MissingTipsText() {
    const QString name = QString::fromLatin1(kTipsFile);
    return "Impossibile trovare il file " + name + "\r\n\r\n" +
           "Creare un file di testo denominato " + name +
           " utilizzando il Blocco note e inserendo un suggerimento per ogni riga. " +
           "Inserire il file nella stessa directory dell'applicazione. ";
}

FrmTip::FrmTip(const QString& path, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmTip");
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));

    auto* picture = MakeLabel(this, "imgLampadina", QString(), TwipsRect(this, 120, 120, 960, 960));
    picture->setPixmap(LightBulbPicture(Twips(this, 960)));

    auto* panel = new QLabel(this); // the white card that holds the heading and the tip
    panel->setObjectName("pnlSuggerimento");
    panel->setGeometry(TwipsRect(this, 1200, 120, 4680, 2520));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Base);

    QLabel* heading =
        MakeLabel(this, "lblIntestazione", QString::fromUtf8("Non tutti sanno che..."),
                  TwipsRect(this, 1320, 220, 4440, 420));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSize(12);
    heading->setFont(headingFont);

    m_tipText = MakeLabel(this, "lblTipText", QString::fromUtf8(kDesignText),
                          TwipsRect(this, 1320, 720, 4440, 1820));
    m_tipText->setWordWrap(true);
    m_tipText->setTextFormat(Qt::PlainText);
    m_tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton* previous = MakeButton(this, "cmdprecedente", QStringLiteral("&Precedente"),
                                       TwipsRect(this, 1200, 2820, 1440, 420));
    QPushButton* next = MakeButton(this, "cmdNextTip", QStringLiteral("&Successivo"),
                                   TwipsRect(this, 2820, 2820, 1440, 420));
    QPushButton* ok = MakeButton(this, "cmdOK", QStringLiteral("&Chiudi"),
                                 TwipsRect(this, 4440, 2820, 1440, 420));
    connect(previous, &QPushButton::clicked, this, &FrmTip::cmdprecedente_Click);
    connect(next, &QPushButton::clicked, this, &FrmTip::cmdNextTip_Click);
    connect(ok, &QPushButton::clicked, this, &FrmTip::cmdOK_Click);
    ok->setDefault(true);

    resize(Twips(this, 6000), Twips(this, 3360));

    if (!LoadTips(path))
        m_tipText->setText(MissingTipsText());
}

bool FrmTip::LoadTips(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false; // a folder, or a file we may not read: as good as missing
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    QStringList lines;
    while (!in.atEnd())
        lines << in.readLine();
    if (in.status() != QTextStream::Ok || file.error() != QFileDevice::NoError)
        return false;
    m_tips += lines;
    cmdNextTip_Click();
    return true;
}

void FrmTip::DisplayCurrentTip() {
    if (!m_tips.isEmpty())
        m_tipText->setText(m_tips.at(m_position - 1));
}

void FrmTip::cmdNextTip_Click() {
    if (m_tips.isEmpty())
        return;
    ++m_position;
    if (m_position > m_tips.size())
        m_position = 1;
    DisplayCurrentTip();
}

void FrmTip::cmdprecedente_Click() {
    if (m_position <= 1)
        return;
    --m_position;
    DisplayCurrentTip();
}

void FrmTip::cmdOK_Click() {
    hide();
}

QString FrmTip::tipText() const {
    return m_tipText->text();
}
