// The sheet window's bottom panel: the figure, the type chooser, the typology number,
// the hint box, the row count, the buttons and the window's own labels.
#include "sheetwindow/window.h"

#include "sheet/geometry.h"
#include "sheetwindow/host.h"
#include "sheetwindow/windowlook.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <functional>

namespace G = SheetGeometry;

// The hint box `passo` speaks to screen readers as a status line.
QAccessibleInterface* hintBoxAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && className == QLatin1String("QLabel") &&
        widget->objectName() == QLatin1String("passo"))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    return nullptr;
}

void SheetWindow::buildBottom(QWidget* area) {
    QFont headFont = area->font();
    headFont.setPointSizeF(kHeadPoints);
    const int top = G::kGridTop + kVisibleRows * G::kRowHeight + 6; // 262
    m_disegno = makeLabel(area, "disegno", QString(), m_params.figureTip, QRect(6, top, 170, 134));
    m_disegno->setFrameShape(QFrame::Panel);
    m_disegno->setFrameShadow(QFrame::Sunken);
    m_disegno->installEventFilter(this);
    m_disegno->setAutoFillBackground(true);
    paintBackground(m_disegno, kWhite, QPalette::Window);

    m_tipocalcolo = new QComboBox(area);
    m_tipocalcolo->setObjectName("tipocalcolo");
    m_tipocalcolo->setGeometry(184, top, 270, 22);
    m_tipocalcolo->addItems(m_params.typologies);
    // The open list is dark on light, whatever the closed box, the desktop's style and its
    // palette look like. Some styles paint the list's entries as menu items in the closed
    // box's colours (white on the list's white): a plain item delegate makes the list draw
    // them in its own.
    m_tipocalcolo->setItemDelegate(new QStyledItemDelegate(m_tipocalcolo));
    m_tipocalcolo->setStyleSheet(
        "QComboBox { background-color: rgb(120, 72, 32); color: white; "
        "font-weight: bold; padding-left: 4px; }"
        "QComboBox QAbstractItemView { background-color: white; color: black; "
        "selection-background-color: rgb(120, 72, 32); selection-color: white; "
        "outline: 0; }"
        "QComboBox QAbstractItemView::item { color: black; background-color: white; }"
        "QComboBox QAbstractItemView::item:selected { color: white; "
        "background-color: rgb(120, 72, 32); }");
    m_tipocalcolo->installEventFilter(this); // no wheel
    connect(m_tipocalcolo, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { typologyChosen(index + 1); });

    m_numero = makeLabel(area, "numero", QString(), "numero dell'opzione di calcolo scelta",
                         QRect(458, top, 36, 22));
    m_numero->setFrameShape(QFrame::Panel);
    m_numero->setFrameShadow(QFrame::Sunken);
    m_numero->setStyleSheet("font-weight: bold");

    QLabel* hintHead =
        makeLabel(area, "Label20", "Visualizzare la figura a lato e digitare i dati relativi",
                  QString(), QRect(184, top + 26, 310, 14));
    hintHead->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_passo = makeLabel(area, "passo", QString(),
                        "indicazioni sulla corretta procedura di immissione dei dati",
                        QRect(184, top + 42, 310, 48));
    m_passo->setWordWrap(true);
    m_passo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_passo->setMargin(3);
    m_passo->setFrameShape(QFrame::Box);
    m_passo->setAutoFillBackground(true);
    paintBackground(m_passo, kYellow, QPalette::Window);

    QLabel* totalCaption = makeLabel(area, "Label13", m_params.words.totalCaption, QString(),
                                     QRect(184, top + 94, 200, 16));
    totalCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_tot = makeLabel(area, "tot", "0", QString(), QRect(388, top + 94, 40, 16));
    m_tot->setFrameShape(QFrame::Panel);
    m_tot->setFrameShadow(QFrame::Sunken);

    struct Button {
        const char* name;
        const char* caption;
        const char* tip;
        std::function<void()> command;
    };
    const Button buttons[] = {
        {"men", "M&enu", "cliccare per visualizzare la finestra Menu",
         [] { callHost(sheetHost().showMainWindow); }},
        {"aiuto", "&AIUTO", "cliccare per avere gli aiuti in linea", [this] { aiuto(); }},
        {"guidainlinea", "&Guida in linea", "cliccare per visualizzare il Sommario della guida",
         [] { callHost(sheetHost().showHelpContents); }},
        {"esco", "&USCITA", "cliccare per uscire da Ponteluma",
         [] { callHost(sheetHost().confirmExit); }},
    };
    int y = top;
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), area);
        button->setObjectName(b.name);
        button->setToolTip(QString::fromUtf8(b.tip));
        button->setGeometry(500, y, 134, 24);
        y += 27;
        connect(button, &QPushButton::clicked, this, b.command);
    }

    for (const ExtraLabel& extra : m_params.extras) {
        QLabel* label = makeLabel(area, extra.name, extra.caption, extra.tip, extra.geometry);
        label->setFont(headFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(extra.wordWrap);
        if (extra.yellow) {
            label->setAutoFillBackground(true);
            paintBackground(label, kYellow, QPalette::Window);
        }
        label->setVisible(extra.visible);
    }
}

// The figure is looked for in the working folder, then beside the program.
void SheetWindow::loadFigure() {
    const QString relative = FigurePath(m_params, typology());
    QString path = relative;
    if (!QFileInfo::exists(path))
        path = QDir(QCoreApplication::applicationDirPath()).filePath(relative);
    if (!QFileInfo::exists(path) || !m_figure.load(path))
        m_figure = QPixmap(); // a missing figure shows none
    showFigure();
}

// The figure fills its box at any window size.
void SheetWindow::showFigure() {
    if (m_figure.isNull())
        m_disegno->setPixmap(QPixmap());
    else
        m_disegno->setPixmap(m_figure.scaled(m_disegno->contentsRect().size(), Qt::KeepAspectRatio,
                                             Qt::SmoothTransformation));
}

void SheetWindow::UpdateHint() {
    const QString hint = shown(m_document.hint());
    if (m_passo->text() == hint)
        return;
    m_passo->setText(hint);
    // The hint box is a status line for screen readers: its text is announced.
    m_passo->setAccessibleName(hint);
    QAccessibleEvent changed(m_passo, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
