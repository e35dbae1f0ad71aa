#include "sheet/window.h"

#include "sheet/archive.h"
#include "sheet/cellfit.h"
#include "sheet/clsresize.h"
#include "sheet/columnwidths.h"
#include "sheet/dialogs.h"
#include "sheet/host.h"
#include "sheet/modponteluma.h"
#include "sheet/printer.h"
#include "sheet/rules.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <functional>

using ModPonteluma::Str;
using ModPonteluma::texts;
namespace G = SheetGeometry;

namespace {

// Colours of the grid (the program's colours are given as blue-green-red).
const QColor kCyan(0, 255, 255);   // number and result labels
const QColor kYellow(255, 255, 0); // the highlighted row, the hint box
const QColor kGrey(192, 192, 192); // data columns the typology does not use
const QColor kWhite(255, 255, 255);

// Design font sizes: the window's texts, the column heads, the grid's cells.
constexpr double kAreaPoints = 8;
constexpr double kHeadPoints = 7;
constexpr double kCellPoints = 8;

QString shown(QString text) {
    // Texts join their lines with carriage returns; labels break on line feeds.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    return text;
}

void paintBackground(QWidget* widget, const QColor& colour, QPalette::ColorRole role) {
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

// Small toolbar icons drawn by the program itself.
QIcon glyphIcon(const QString& glyph, const QColor& colour) {
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(160), 1));
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 19, 19), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(glyph.length() > 2 ? 7 : glyph.length() > 1 ? 9 : 12);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 22, 22), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

QIcon crossIcon() {
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(190, 0, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3, 3), QPointF(11, 11));
    painter.drawLine(QPointF(11, 3), QPointF(3, 11));
    return QIcon(pixmap);
}

// The toolbar in its order: each button leads to the menu command of the same name,
// with its tool tip, glyph and colour; a separator goes before the marked ones. The
// buttons of the calculation windows take the place of "windows", one per window.
struct ToolButton {
    const char* command; // object name of the menu command; "windows": the window buttons
    const char* tip;
    const char* glyph;
    QRgb colour;
    bool separatorBefore = false;
};

const ToolButton kToolButtons[] = {
    {"apri", "apri file", "Ap", 0x2e7d32},
    {"salva", "salva file", "Sv", 0x1565c0},
    {"salvanome", "salva file con nome", "S+", 0x1565c0},
    {"elimina", "elimina file", "El", 0xc62828},
    {"stampa", "stampa dati finestra", "St", 0x455a64},
    {"fin1", "visualizza finestra 'Menu'", "M", 0x6d4c41, true},
    {"windows", "", "", 0x00838f, true},
    {"colora", "colore di sfondo", "Col", 0x8e24aa},
    {"guida", "guida in linea", "?", 0xef6c00, true},
    {"suggerimenti", "suggerimenti", "i", 0xef6c00, true},
    {"supporto", "supporto prodotto", "Sp", 0xef6c00},
    {"informazioni", "informazioni su Ponteluma", "Inf", 0xef6c00},
    {"controlla", "controllo dati immessi", "ABC", 0x2e7d32},
    {"cancella", "cancella dati finestra", "Cn", 0xc62828, true},
    {"esci", "uscita da Ponteluma", "Esc", 0x424242},
};

// The hint box `passo` speaks to screen readers as a status line.
QAccessibleInterface* hintBoxAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && className == QLatin1String("QLabel") &&
        widget->objectName() == QLatin1String("passo"))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    return nullptr;
}

} // namespace

SheetWindow::SheetWindow(const SheetParams& params, QWidget* parent)
    : QMainWindow(parent), m_params(params), m_sheet(newSheet(params)) {
    setObjectName(params.name);
    setWindowTitle(params.caption);
    setAttribute(Qt::WA_QuitOnClose, false);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(hintBoxAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    auto* area = new QWidget(this);
    area->setObjectName("area");
    QFont font = area->font();
    font.setPointSizeF(kAreaPoints);
    area->setFont(font);
    m_designWidth = G::DesignWidth(params, font);
    area->resize(m_designWidth, G::kHeight);
    setCentralWidget(area);
    buildMenus();
    buildToolbar();
    buildGrid(area);
    buildBottom(area);
    watchCells();
    // Installed before the resizer's filter, so it runs after the controls moved.
    area->installEventFilter(this);
    m_resizer = new ClsResize(this);
    m_resizer->setSourceForm(this);
    load();
}

SheetWindow::~SheetWindow() = default;

int SheetWindow::typology() const {
    return m_typology;
}

int SheetWindow::position() const {
    return windowIndex(m_params) + 2;
}

void SheetWindow::setTypology(int typology) {
    m_typology = typology;
}

// ---- construction -------------------------------------------------------------------

void SheetWindow::buildMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("file");
    add(file, "apri", "&Apri...", &SheetWindow::apri);
    add(file, "salva", "&Salva", &SheetWindow::salva);
    add(file, "salvanome", "Salva con &nome...", &SheetWindow::salvanome);
    add(file, "elimina", "&Elimina...", &SheetWindow::elimina);
    file->addSeparator();
    add(file, "stampa", "S&tampa", &SheetWindow::stampa);
    file->addSeparator();
    add(file, "esci", "Es&ci", [] { callHost(sheetHost().confirmExit); });

    QMenu* modif = menuBar()->addMenu("&Modifica");
    modif->setObjectName("modif");
    add(modif, "colora", "&Colore di sfondo", &SheetWindow::colora);
    add(modif, "controlla", "Controlla &dati immessi", &SheetWindow::controlla);
    add(modif, "cancella", "Cancella dati &finestra", &SheetWindow::cancella);

    QMenu* visu = menuBar()->addMenu("&Visualizza");
    visu->setObjectName("visu");
    // fin1 is the main window, fin2 and on the calculation windows in the list's order.
    const auto& windows = sheetHost().windows;
    for (int position = 1; position <= int(windows.size()) + 1; ++position) {
        const QByteArray name = "fin" + QByteArray::number(position);
        add(visu, name.constData(),
            position == 1 ? QStringLiteral("Finestra Menu")
                          : windows[size_t(position) - 2]->presentation.viewCaption,
            [this, position] { showWindow(position); });
    }

    QMenu* interr = menuBar()->addMenu("&?");
    interr->setObjectName("interr");
    add(interr, "finestra",
        "Fi&nestra n." + QString::number(position()) + " di " +
            QString::number(sheetHost().windows.size() + 1),
        &SheetWindow::finestra);
    add(interr, "guida", "&Guida in linea", [] { callHost(sheetHost().showHelpContents); });
    add(interr, "suggerimenti", "&Suggerimenti...", [] { callHost(sheetHost().showTips); });
    add(interr, "supporto", "Supporto &prodotto", [] { callHost(sheetHost().showSupport); });
    add(interr, "informazioni", "&Informazioni su Ponteluma",
        [] { callHost(sheetHost().showAbout); });
    addShortcuts();
}

// The usual keys of a desktop program lead to the commands of the menus.
void SheetWindow::addShortcuts() {
    const std::pair<const char*, QKeySequence> keys[] = {
        {"apri", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"salva", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"salvanome", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"stampa", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"finestra", QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [name, key] : keys) {
        if (auto* action = findChild<QAction*>(name))
            action->setShortcut(key);
    }
}

// Page Up and Page Down scroll the grid by ten rows, Ctrl+Home and Ctrl+End go to
// the first and the last row; the focus stays in its box.
bool SheetWindow::scrollByKey(QKeyEvent* key) {
    const int t = firstVisibleRow();
    const bool control = key->modifiers() & Qt::ControlModifier;
    switch (key->key()) {
    case Qt::Key_PageUp:
        setFirstVisibleRow(t - kVisibleRows);
        return true;
    case Qt::Key_PageDown:
        setFirstVisibleRow(t + kVisibleRows);
        return true;
    case Qt::Key_Home:
        if (!control)
            return false;
        setFirstVisibleRow(1);
        return true;
    case Qt::Key_End:
        if (!control)
            return false;
        setFirstVisibleRow(qMax(1, m_sheet.n() - kVisibleRows + 1));
        return true;
    default:
        return false;
    }
}

void SheetWindow::buildToolbar() {
    m_toolbar = addToolBar("Toolbar1");
    m_toolbar->setObjectName("Toolbar1");
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(20, 20));
    // Buttons and separators are numbered together: Toolbar1_1 .. Toolbar1_24.
    int index = 0;
    auto addButton = [this, &index](const QString& command, const QString& tip,
                                    const QString& glyph, QRgb colour) {
        QAction* action = m_toolbar->addAction(glyphIcon(glyph, QColor(colour)), tip);
        action->setObjectName("Toolbar1_" + QString::number(++index));
        action->setToolTip(tip);
        auto* target = findChild<QAction*>(command);
        connect(action, &QAction::triggered, this, [target] {
            if (target)
                target->trigger();
        });
    };
    for (const ToolButton& button : kToolButtons) {
        if (button.separatorBefore) {
            m_toolbar->addSeparator();
            ++index;
        }
        if (QLatin1String(button.command) != QLatin1String("windows")) {
            addButton(button.command, QString::fromUtf8(button.tip),
                      QString::fromUtf8(button.glyph), button.colour);
            continue;
        }
        const auto& windows = sheetHost().windows;
        for (size_t w = 0; w < windows.size(); ++w)
            addButton("fin" + QString::number(w + 2), windows[w]->presentation.toolTip,
                      windows[w]->presentation.glyph, button.colour);
    }
}

QLabel* SheetWindow::makeLabel(QWidget* area, const QString& name, const QString& caption,
                               const QString& tip, const QRect& geometry) {
    auto* label = new QLabel(shown(caption), area);
    label->setObjectName(name);
    label->setToolTip(tip);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    if (!name.isEmpty())
        m_named.insert(name, label);
    return label;
}

void SheetWindow::buildGrid(QWidget* area) {
    const int numWidth = G::kNumberWidth, delWidth = G::kDeleteWidth, gap = G::kGap;
    const int dataCount = int(m_params.data.size());
    const int resultCount = int(m_params.results.size());
    const G::Columns widths = G::ColumnWidths(m_params, area->font(), m_designWidth);
    const int headTop = 20, unitTop = 37, headHeight = 16;

    // x of each column: number, data, results, delete
    int x = G::kGridLeft;
    const int numX = x;
    x += numWidth + gap;
    std::vector<int> dataX, resultX;
    for (int c = 0; c < dataCount; ++c, x += widths.data + gap)
        dataX.push_back(x);
    x += gap;
    for (int c = 0; c < resultCount; ++c, x += widths.result + gap)
        resultX.push_back(x);
    const int delX = x;

    makeLabel(area, "Label24", m_params.numberHead, m_params.numberTip,
              QRect(numX, headTop, numWidth, headHeight));
    if (!m_params.numberUnit.isEmpty())
        makeLabel(area, "LabelN", m_params.numberUnit, QString(),
                  QRect(numX, unitTop, numWidth, headHeight));
    if (dataCount > 0)
        makeLabel(area, "Label31", "dati", m_params.dataGroupTip,
                  QRect(dataX.front(), 3, dataCount * (widths.data + gap) - gap, 15))
            ->setStyleSheet("font-weight: bold");
    if (resultCount > 0)
        makeLabel(area, "Label26", "risultati", m_params.resultGroupTip,
                  QRect(resultX.front(), 3, resultCount * (widths.result + gap) - gap, 15))
            ->setStyleSheet("font-weight: bold");
    QFont headFont = area->font();
    headFont.setPointSizeF(kHeadPoints);
    for (int c = 0; c < dataCount; ++c) {
        const DataColumn& column = m_params.data[c];
        makeLabel(area, column.headLabel, column.head, column.tip,
                  QRect(dataX[c], headTop, widths.data, headHeight));
        if (!column.unitLabel.isEmpty())
            makeLabel(area, column.unitLabel, column.unit, QString(),
                      QRect(dataX[c], unitTop, widths.data, headHeight));
    }
    for (int c = 0; c < resultCount; ++c) {
        const ResultColumn& column = m_params.results[c];
        makeLabel(area, column.headLabel, column.head, column.tip,
                  QRect(resultX[c], headTop, widths.result, headHeight));
        if (!column.unitLabel.isEmpty())
            makeLabel(area, column.unitLabel, column.unit, column.tip,
                      QRect(resultX[c], unitTop, widths.result, headHeight));
    }

    for (const QString& name : m_named.keys()) {
        if (name != "Label31" && name != "Label26") {
            m_named.value(name)->setFont(headFont);
            m_heads.insert(m_named.value(name));
            fitHead(m_named.value(name));
        }
    }

    m_rows.resize(kVisibleRows);
    for (int r = 1; r <= kVisibleRows; ++r) {
        Row& row = m_rows[r - 1];
        const int y = G::kGridTop + (r - 1) * G::kRowHeight;
        const int h = G::kRowHeight - 2;
        const QString suffix = "_" + QString::number(r);
        row.num = new QLabel(area);
        row.num->setObjectName("num" + suffix);
        row.num->setGeometry(numX, y, numWidth, h);
        row.num->setAlignment(Qt::AlignCenter);
        row.num->setFrameShape(QFrame::Box);
        row.num->setAutoFillBackground(true);
        row.num->setMouseTracking(true);
        row.num->setCursor(Qt::PointingHandCursor);
        row.num->installEventFilter(this);
        for (int c = 0; c < dataCount; ++c) {
            auto* box = new QLineEdit(area);
            box->setObjectName(m_params.data[c].box + suffix);
            box->setGeometry(dataX[c], y, widths.data, h);
            box->setAlignment(Qt::AlignRight);
            box->setMaxLength(kMaxDatumLength);
            box->installEventFilter(this); // arrows and Tab move through the grid
            const int column = c + 1;
            connect(box, &QLineEdit::textChanged, this,
                    [this, column, r] { dataChanged(column, r); });
            row.boxes.push_back(box);
        }
        for (int c = 0; c < resultCount; ++c) {
            auto* label = new QLabel(area);
            label->setObjectName(m_params.results[c].label + suffix);
            label->setGeometry(resultX[c], y, widths.result, h);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setFrameShape(QFrame::Box);
            label->setAutoFillBackground(true);
            label->setMouseTracking(true);
            label->setMargin(1);
            label->installEventFilter(this);
            row.results.push_back(label);
        }
        row.delriga = new QPushButton(area);
        row.delriga->setObjectName("delriga" + suffix);
        row.delriga->setGeometry(delX, y, delWidth, h);
        row.delriga->setIcon(crossIcon());
        row.delriga->setFocusPolicy(Qt::NoFocus);
        connect(row.delriga, &QPushButton::clicked, this, [this, r] { deleteRow(r); });
        applyRowColours(r, false);
    }

    m_scroll = new QScrollBar(Qt::Vertical, area);
    m_scroll->setObjectName("VScroll1");
    m_scroll->setRange(1, kLastFirstRow);
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(10);
    m_scroll->setGeometry(delX + delWidth + gap, G::kGridTop, G::kScrollWidth,
                          kVisibleRows * G::kRowHeight - 2);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] { Refresh(); });
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
    // The open list is dark on light, whatever the closed box looks like.
    m_tipocalcolo->setStyleSheet(
        "QComboBox { background-color: rgb(120, 72, 32); color: white; "
        "font-weight: bold; padding-left: 4px; }"
        "QComboBox QAbstractItemView { background-color: white; color: black; "
        "selection-background-color: rgb(120, 72, 32); selection-color: white; }");
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

// Window load: the resizer sizes the window once, the common texts, the hint.
void SheetWindow::load() {
    ModPonteluma::SetCommonTexts();
    // The controls are recorded as laid out for the design area, whatever size the
    // window has before it is first shown.
    m_resizer->RecordDesign(QSize(m_designWidth, G::kHeight));
    m_resizer->SizeFormToScreen(75);
    resize(designSize());
    UpdateHint();
    Refresh();
}

// ---- layout ---------------------------------------------------------------------------

void SheetWindow::sistema() {
    ModPonteluma::SetCommonTexts();
    UpdateHint();
    const int typ = typology();
    m_numero->setText(QString::number(typ));
    if (typ >= 1 && typ <= m_tipocalcolo->count())
        m_tipocalcolo->setCurrentIndex(typ - 1);
    loadFigure();
    for (int r = 1; r <= kVisibleRows; ++r) {
        for (QLineEdit* box : m_rows[r - 1].boxes)
            box->setEnabled(true);
    }
    layOut(m_params, m_sheet, typ);
    for (int column = 2; column <= int(m_params.data.size()); ++column) {
        const bool used = !m_params.uses || m_params.uses(typ, column);
        for (int r = 1; r <= kVisibleRows; ++r)
            box(column, r)->setEnabled(used);
    }
    for (int r = 1; r <= kVisibleRows; ++r)
        applyRowColours(r, r == m_highlighted);
    // Results always belong to the typology on screen.
    Calculate();
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

// A column head keeps its whole caption in a narrow column: its font shrinks a
// little when the caption would not fit at the design width.
void SheetWindow::fitHead(QLabel* head) {
    QFont font = head->font();
    font.setPointSizeF(kHeadPoints * m_fontScale);
    const int room = head->width() - 2;
    const QStringList lines = head->text().split('\n');
    auto widest = [&] {
        int widest = 0;
        for (const QString& line : lines)
            widest = qMax(widest, CellFit::textWidth(font, line));
        return widest;
    };
    while (font.pointSizeF() > 2 && widest() > room)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    head->setFont(font);
}

void SheetWindow::syncCaptions() {
    bool changed = false;
    for (auto it = m_sheet.captions().constBegin(); it != m_sheet.captions().constEnd(); ++it) {
        if (QLabel* target = m_named.value(it.key())) {
            const QString text = shown(it.value());
            if (target->text() != text) {
                target->setText(text);
                if (m_heads.contains(target))
                    fitHead(target);
                changed = true;
            }
            target->setVisible(!m_sheet.isHidden(it.key()));
        }
    }
    if (changed)
        updateAccessibleNames();
}

// ---- grid -----------------------------------------------------------------------------

int SheetWindow::firstVisibleRow() const {
    return m_scroll->value();
}

void SheetWindow::setFirstVisibleRow(int row) {
    const int value = qBound(1, row, kLastFirstRow);
    if (m_scroll->value() == value)
        Refresh();
    else
        m_scroll->setValue(value); // refreshes through its change
}

QLineEdit* SheetWindow::box(int column, int visibleRow) const {
    if (visibleRow < 1 || visibleRow > kVisibleRows || column < 1 ||
        column > int(m_params.data.size()))
        return nullptr;
    return m_rows[visibleRow - 1].boxes[column - 1];
}

QLabel* SheetWindow::resultLabel(int column, int visibleRow) const {
    if (visibleRow < 1 || visibleRow > kVisibleRows || column < 1 ||
        column > int(m_params.results.size()))
        return nullptr;
    return m_rows[visibleRow - 1].results[column - 1];
}

QLabel* SheetWindow::label(const QString& name) const {
    return m_named.value(name);
}

double SheetWindow::cellPointSize() const {
    return kCellPoints * m_fontScale;
}

void SheetWindow::Refresh() {
    const int t = firstVisibleRow();
    if (t != m_namedFrom) {
        m_namedFrom = t;
        updateAccessibleNames();
    }
    m_filling = true;
    for (int r = 1; r <= kVisibleRows; ++r) {
        Row& row = m_rows[r - 1];
        const int k = t + r - 1;
        row.num->setText(QString::number(k));
        for (int c = 1; c <= int(row.boxes.size()); ++c) {
            const QString& text = m_sheet.datum(c, k);
            if (row.boxes[c - 1]->text() != text)
                row.boxes[c - 1]->setText(text);
        }
        for (int c = 1; c <= int(row.results.size()); ++c) {
            const QString text = m_sheet.resultText(c, k);
            if (row.results[c - 1]->text() != text)
                row.results[c - 1]->setText(text);
        }
        row.num->setToolTip("cliccare per inserire una riga al n." + Str(k));
        row.delriga->setToolTip("cliccare per cancellare la riga n." + Str(k));
    }
    m_filling = false;
    fitCells();
}

void SheetWindow::applyRowColours(int visibleRow, bool highlighted) {
    Row& row = m_rows[visibleRow - 1];
    m_painted[visibleRow - 1] = highlighted;
    const QColor labels = highlighted ? kYellow : kCyan;
    paintBackground(row.num, labels, QPalette::Window);
    for (QLabel* result : row.results)
        paintBackground(result, labels, QPalette::Window);
    for (QLineEdit* box : row.boxes) {
        QColor colour = box->isEnabled() ? kWhite : kGrey;
        if (highlighted && (box->isEnabled() || !m_params.highlightKeepsGrey))
            colour = kYellow;
        paintBackground(box, colour, QPalette::Base);
    }
}

void SheetWindow::ClearRowHighlight() {
    for (int r = 1; r <= kVisibleRows; ++r) {
        if (m_painted[r - 1])
            applyRowColours(r, false);
    }
    m_highlighted = 0;
}

void SheetWindow::highlightRow(int visibleRow) {
    if (m_highlighted == visibleRow)
        return; // the pointer moves within the same number
    ClearRowHighlight();
    m_highlighted = visibleRow;
    applyRowColours(visibleRow, true);
}

void SheetWindow::paintResultYellow(int column, int visibleRow) {
    if (QLabel* target = resultLabel(column, visibleRow)) {
        paintBackground(target, kYellow, QPalette::Window);
        m_painted[visibleRow - 1] = true;
    }
}

void SheetWindow::CountRows() {
    m_tot->setText(QString::number(m_sheet.CountRows()));
}

void SheetWindow::UpdateHint() {
    const QString hint = shown(HintText(m_params, m_sheet, typology()));
    if (m_passo->text() == hint)
        return;
    m_passo->setText(hint);
    // The hint box is a status line for screen readers: its text is announced.
    m_passo->setAccessibleName(hint);
    QAccessibleEvent changed(m_passo, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

// Where the arrows and Tab lead from a data box: Up and Down to the same column of
// the row above or below, scrolling at the edges of the ten rows; Tab past the last
// box of the last visible row (and Shift+Tab before the first) scrolls by one row.
bool SheetWindow::moveFromBox(QLineEdit* from, QKeyEvent* key) {
    int column = 0, visibleRow = 0;
    for (int r = 1; r <= kVisibleRows && !visibleRow; ++r) {
        for (int c = 1; c <= int(m_params.data.size()); ++c) {
            if (box(c, r) == from) {
                column = c;
                visibleRow = r;
                break;
            }
        }
    }
    if (!visibleRow || (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
        return false;
    const int t = firstVisibleRow();
    auto enabledColumns = [this](int r) {
        std::vector<int> columns;
        for (int c = 1; c <= int(m_params.data.size()); ++c) {
            if (box(c, r)->isEnabled())
                columns.push_back(c);
        }
        return columns;
    };
    switch (key->key()) {
    case Qt::Key_Up:
        if (visibleRow > 1)
            focusBox(column, visibleRow - 1);
        else if (t > 1)
            setFirstVisibleRow(t - 1);
        return true;
    case Qt::Key_Down:
        if (visibleRow < kVisibleRows)
            focusBox(column, visibleRow + 1);
        else if (t < kLastFirstRow)
            setFirstVisibleRow(t + 1);
        return true;
    case Qt::Key_Tab:
        if (visibleRow == kVisibleRows && column == enabledColumns(visibleRow).back() &&
            t < kLastFirstRow) {
            setFirstVisibleRow(t + 1);
            focusBox(1, visibleRow);
            return true;
        }
        return false;
    case Qt::Key_Backtab:
        if (visibleRow == 1 && column == 1 && t > 1) {
            setFirstVisibleRow(t - 1);
            focusBox(enabledColumns(visibleRow).back(), visibleRow);
            return true;
        }
        return false;
    default:
        return false;
    }
}

// Screen readers hear each box and result as "riga 3, base B, cm", followed by the
// whole value when there is one: "riga 3, mom.inerzia, I=cm4: 8640000".
QString SheetWindow::cellName(int column, int visibleRow, bool result) const {
    QString name = "riga " + QString::number(firstVisibleRow() + visibleRow - 1) + ", ";
    QString unit;
    if (result) {
        const ResultColumn& declared = m_params.results[column - 1];
        name += m_sheet.caption(declared.headLabel);
        unit = m_sheet.caption(declared.unitLabel);
    } else {
        const DataColumn& declared = m_params.data[column - 1];
        name += m_sheet.caption(declared.headLabel);
        unit = declared.unitLabel.isEmpty() ? declared.unit : m_sheet.caption(declared.unitLabel);
    }
    if (!unit.isEmpty())
        name += ", " + unit;
    return name;
}

void SheetWindow::fitCell(QWidget* cell, const QString& text, const QString& name) {
    CellFit::fit(cell, text, kCellPoints * m_fontScale);
    const QString full = text.isEmpty() ? name : name + ": " + text;
    if (cell->accessibleName() != full)
        cell->setAccessibleName(full);
}

void SheetWindow::fitCells() {
    for (int r = 1; r <= kVisibleRows; ++r) {
        for (int c = 1; c <= int(m_params.data.size()); ++c)
            fitCell(box(c, r), box(c, r)->text(), cellName(c, r, false));
        for (int c = 1; c <= int(m_params.results.size()); ++c)
            fitCell(resultLabel(c, r), resultLabel(c, r)->text(), cellName(c, r, true));
    }
}

// A box is fitted as it is typed in; result labels when the grid is refreshed.
void SheetWindow::watchCells() {
    for (int r = 1; r <= kVisibleRows; ++r) {
        for (int c = 1; c <= int(m_params.data.size()); ++c) {
            QLineEdit* cell = box(c, r);
            connect(cell, &QLineEdit::textChanged, this, [this, cell, c, r](const QString& text) {
                fitCell(cell, text, cellName(c, r, false));
            });
        }
        for (int c = 1; c <= int(m_params.results.size()); ++c)
            resultLabel(c, r)->setIndent(1);
    }
}

QSize SheetWindow::designSize() const {
    return QSize(ClsResize::twipsToPixels(9600 * m_designWidth / G::kWidth, this),
                 ClsResize::twipsToPixels(6825, this));
}

// Text grows and shrinks with the window: the fonts follow the smaller of the two
// ratios of the inner area to its design size.
void SheetWindow::rescaleFonts() {
    const QSize inner = centralWidget()->size();
    if (inner.width() <= 0 || inner.height() <= 0)
        return;
    const double scale =
        qMin(double(inner.width()) / m_designWidth, double(inner.height()) / G::kHeight);
    // Within a few per cent of the design size the design fonts stay.
    m_fontScale = qAbs(scale - 1.0) < 0.05 ? 1.0 : qBound(0.5, scale, 4.0);
    QFont font = centralWidget()->font();
    font.setPointSizeF(kAreaPoints * m_fontScale);
    centralWidget()->setFont(font);
    for (QLabel* head : std::as_const(m_heads))
        fitHead(head);
    for (const ExtraLabel& extra : m_params.extras) {
        if (QLabel* own = m_named.value(extra.name)) {
            QFont small = own->font();
            small.setPointSizeF(kHeadPoints * m_fontScale);
            own->setFont(small);
        }
    }
    fitCells();
    showFigure();
}

void SheetWindow::updateAccessibleNames() {
    const int t = firstVisibleRow();
    fitCells();
    for (int r = 1; r <= kVisibleRows; ++r) {
        m_rows[r - 1].num->setAccessibleName("riga " + QString::number(t + r - 1));
        m_rows[r - 1].delriga->setAccessibleName("cancella la riga " + QString::number(t + r - 1));
    }
}

void SheetWindow::focusBox(int column, int visibleRow) {
    if (QLineEdit* target = box(column, visibleRow))
        target->setFocus(Qt::OtherFocusReason);
}

void SheetWindow::setBox(QLineEdit* target, const QString& text) {
    // Text set by the program is not typing.
    const bool filling = m_filling;
    m_filling = true;
    target->setText(text);
    m_filling = filling;
}

void SheetWindow::dataChanged(int column, int visibleRow) {
    if (m_filling)
        return;
    QLineEdit* edited = box(column, visibleRow);
    const QString text = edited->text();
    const int k = firstVisibleRow() + visibleRow - 1;
    if (text.isEmpty()) {
        // What the box shows is what is stored: an emptied box stores empty text.
        // The row stays (rows are removed only with delriga) but is incomplete.
        if (m_sheet.isEmpty(column, k))
            return;
        m_sheet.setDatum(column, k, QString());
        if (column == 1)
            CountRows();
        Calculate();
        return;
    }
    if (column == 1) {
        if (k > 1 && m_sheet.isEmpty(1, k - 1) && k > m_sheet.n()) {
            MsgBox(BlankRowsMessage(), Icon::Stop, texts().checkTitle);
            setBox(edited, QString());
            const int n = m_sheet.n();
            setFirstVisibleRow(n > 0 ? n : 1);
            focusBox(1, n > 0 ? 2 : 1);
            return;
        }
    } else if (box(1, visibleRow)->text().isEmpty()) {
        setBox(edited, QString());
        MsgBox(FirstColumnFirstMessage(), Icon::Stop, texts().checkTitle);
        focusBox(1, visibleRow);
        return;
    }
    const ModPonteluma::Typed typed = ModPonteluma::ValidateTyping(text);
    if (!typed.refusal.isEmpty())
        MsgBox(typed.refusal, Icon::Stop, texts().checkTitle);
    const QString& accepted = typed.accepted;
    if (accepted != text)
        setBox(edited, accepted);
    m_sheet.setDatum(column, k, accepted);
    if (column == 1)
        CountRows();
    Calculate();
}

// Every change of data or typology ends here: the grid, the heads and the hint show
// the sheet as it is now.
void SheetWindow::Calculate() {
    const CalcOutcome outcome =
        m_params.calculate ? m_params.calculate(m_sheet, typology()) : CalcOutcome();
    syncCaptions();
    Refresh();
    UpdateHint(); // after the calculation: it names rows out of range too
    if (!outcome.refusal.isEmpty())
        MsgBox(outcome.refusal, Icon::Stop, texts().checkTitle);
}

void SheetWindow::insertRow(int visibleRow) {
    if (m_sheet.n() >= kMaxRows) {
        MsgBox(FullSheetMessage(m_params), Icon::Information, texts().checkTitle);
        return;
    }
    const int k = firstVisibleRow() + visibleRow - 1;
    if (k > m_sheet.n())
        return; // nothing to copy below the last row
    m_sheet.insertRowAt(k);
    m_tot->setText(QString::number(m_sheet.n()));
    Calculate(); // every row shows its own results again
}

void SheetWindow::deleteRow(int visibleRow) {
    const int k = firstVisibleRow() + visibleRow - 1;
    if (k > m_sheet.n()) {
        // Rows inside 1..n go even when incomplete; beyond n there is nothing to delete.
        MsgBox(DeleteRefusal(m_params, k), Icon::Exclamation, texts().checkTitle);
        return;
    }
    m_sheet.deleteRow(k);
    m_tot->setText(QString::number(m_sheet.n()));
    Calculate();
}

// ---- commands -------------------------------------------------------------------------

void SheetWindow::cancella() {
    m_sheet.clear();
    m_tot->setText("0");
    Refresh();
    UpdateHint();
    if (m_params.cleared) {
        m_params.cleared(m_sheet);
        syncCaptions();
    }
}

// The type chooser's choice: the data go, unless the window keeps them across the two
// typologies; the window is laid out and computed again.
void SheetWindow::typologyChosen(int chosen) {
    if (!m_params.keepsData || !m_params.keepsData(typology(), chosen))
        cancella();
    setTypology(chosen);
    sistema();
}

void SheetWindow::controlla() {
    const CheckReport report = Check(m_params, m_sheet, typology());
    if (report.complete)
        MsgBox(report.text, Icon::Information, texts().checkTitle);
    else
        showCheck(report);
}

// An incomplete sheet: the message, then the first row that lacks a datum on top
// with the focus in the box to fill.
void SheetWindow::showCheck(const CheckReport& report) {
    MsgBox(report.text, report.icon, texts().checkTitle);
    if (report.row > 0) {
        setFirstVisibleRow(report.row);
        focusBox(report.column, report.row - firstVisibleRow() + 1);
    }
}

void SheetWindow::colora() {
    const Answer answer = MsgBox(
        "Colori uguali e riposanti (grigio) per tutte le finestre?", Icon::Question,
        ModPonteluma::identity().product + ": colore di sfondo", Buttons::YesNo, Answer::Yes);
    if (answer == Answer::Yes) {
        for (int index = 0; index < int(sheetHost().windows.size()); ++index) {
            if (SheetWindow* window = sheetHost().window ? sheetHost().window(index) : nullptr)
                window->setBackColour(kGrey);
        }
        return;
    }
    if (auto chosen = dialogs().chooseColor(backColour()))
        setBackColour(*chosen);
}

QColor SheetWindow::backColour() const {
    return centralWidget()->palette().color(QPalette::Window);
}

void SheetWindow::setBackColour(const QColor& colour) {
    centralWidget()->setAutoFillBackground(true);
    paintBackground(centralWidget(), colour, QPalette::Window);
}

void SheetWindow::aiuto() {
    MsgBox(HelpMessage(m_params), Icon::Information, texts().helpTitle);
}

void SheetWindow::finestra() {
    callHost(sheetHost().showHelpPage, m_params.helpPage);
}

void SheetWindow::showWindow(int position) {
    if (position == 1) {
        callHost(sheetHost().showMainWindow);
        return;
    }
    if (position == this->position()) {
        const Answer answer = MsgBox(OwnWindowQuestion(m_params), Icon::Question, texts().helpTitle,
                                     Buttons::YesNo, Answer::Yes);
        if (answer != Answer::No)
            callHost(sheetHost().showHelpPage, m_params.helpPage);
        return;
    }
    const int index = position - 2;
    if (!sheetHost().window || index < 0 || index >= int(sheetHost().windows.size()))
        return;
    SheetWindow* other = sheetHost().window(index);
    other->show();
    other->raise();
    other->activateWindow();
}

// ---- events ---------------------------------------------------------------------------

bool SheetWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        if (auto* edited = qobject_cast<QLineEdit*>(watched)) {
            auto* key = static_cast<QKeyEvent*>(event);
            if ((key->modifiers() & Qt::KeypadModifier) && key->text() == QLatin1String(".")) {
                // The keypad's decimal key is how Italian users type decimals.
                edited->insert(QStringLiteral(","));
                return true;
            }
            return scrollByKey(key) || moveFromBox(edited, key);
        }
    }
    if (type == QEvent::Resize && watched == centralWidget()) {
        rescaleFonts();
        return false;
    }
    if (type == QEvent::Resize && watched == m_disegno) {
        showFigure();
        return false;
    }
    const bool hover = type == QEvent::Enter || type == QEvent::MouseMove;
    if (hover || type == QEvent::MouseButtonPress) {
        for (int r = 1; r <= kVisibleRows; ++r) {
            const Row& row = m_rows[r - 1];
            if (watched == row.num) {
                if (type == QEvent::MouseButtonPress) {
                    insertRow(r);
                } else {
                    highlightRow(r);
                    numberHovered(r);
                }
                return false;
            }
            for (int c = 1; hover && c <= int(row.results.size()); ++c) {
                if (watched == row.results[c - 1]) {
                    resultHovered(c, r);
                    return false;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void SheetWindow::numberHovered(int visibleRow) {
    if (!m_params.numberHovered)
        return;
    m_params.numberHovered(m_sheet, typology(), firstVisibleRow() + visibleRow - 1);
    syncCaptions();
}

void SheetWindow::resultHovered(int column, int visibleRow) {
    if (!m_params.resultHovered)
        return;
    const ResultHover hover =
        m_params.resultHovered(m_sheet, typology(), column, firstVisibleRow() + visibleRow - 1);
    if (hover.clearHighlight)
        ClearRowHighlight();
    if (hover.paintResult)
        paintResultYellow(column, visibleRow);
    syncCaptions();
}

// ---- archive and report -----------------------------------------------------------------

void SheetWindow::apri() {
    const QString path = dialogs().openFile(OpenRequest(m_params));
    if (path.isEmpty())
        return; // cancelled: the sheet stays as it was
    m_lastSaveName = path;
    openArchive(path);
}

bool SheetWindow::openArchive(const QString& path) {
    ArchiveContent content;
    QString problem;
    if (!ReadArchive(m_params, path, &content, &problem)) {
        MsgBox(ArchiveReadMessage(path, problem), Icon::Stop, texts().checkTitle);
        return false; // the sheet is untouched until a file is read whole
    }
    sheetHost().archivePath = path;
    cancella();
    ApplyArchive(content, m_sheet);
    setTypology(content.typology);
    m_tot->setText(QString::number(m_sheet.n()));
    setFirstVisibleRow(1);
    sistema(); // lays out and computes: the results show at once
    return true;
}

void SheetWindow::salva() {
    saveRoutine();
}

void SheetWindow::salvanome() {
    sheetHost().archivePath.clear();
    saveRoutine();
}

bool SheetWindow::saveRoutine() {
    // Only complete data are saved: the check's own message is all the user sees.
    const CheckReport report = Check(m_params, m_sheet, typology());
    if (!report.complete) {
        showCheck(report);
        return false;
    }
    SheetHost& state = sheetHost();
    QString path = state.archivePath;
    if (path.isEmpty()) {
        path = dialogs().saveFile(SaveRequest(m_params, m_lastSaveName));
        if (path.isEmpty())
            return false;
        m_lastSaveName = path;
    }
    if (!writeArchive(path))
        return false;
    state.archivePath = path;
    return true;
}

bool SheetWindow::writeArchive(const QString& path) {
    QString problem;
    if (!WriteArchive(m_params, m_sheet, typology(), path, &problem)) {
        MsgBox(ArchiveWriteMessage(path, problem), Icon::Stop, texts().checkTitle);
        return false;
    }
    return true;
}

void SheetWindow::elimina() {
    const QString path = dialogs().openFile(DeleteRequest(m_params));
    if (!path.isEmpty())
        QFile::remove(path); // the sheet is not touched
}

void SheetWindow::stampa() {
    // The grid runs through every block of rows before printing.
    for (int first = 11; first <= m_sheet.n(); first += 10)
        setFirstVisibleRow(first);
    PrintReport(m_params, m_sheet, m_tipocalcolo->currentText());
}
