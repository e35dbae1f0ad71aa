#include "sheetwindow/window.h"

#include "sheet/archive.h"
#include "sheet/numbers.h"
#include "sheet/rules.h"
#include "sheetwindow/cellfit.h"
#include "sheetwindow/columnwidths.h"
#include "sheetwindow/diagrampanel.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/host.h"
#include "sheetwindow/printer.h"
#include "sheetwindow/rescale.h"
#include "sheetwindow/windowlook.h"

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
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <functional>
#include <optional>

#include "sheetwindow/unitspreference.h"

using ModPonteluma::texts;
namespace G = SheetGeometry;

SheetWindow::SheetWindow(const SheetParams& params, QWidget* parent)
    : QMainWindow(parent), m_params(params), m_document(params, PreferredUnits()) {
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
    m_designHeight = G::kHeight + (params.diagram ? kDiagramPanelHeight : 0);
    area->resize(m_designWidth, m_designHeight);
    setCentralWidget(area);
    buildMenus();
    buildToolbar();
    statusBar()->setObjectName("StatusBar1");
    buildGrid(area);
    buildBottom(area);
    buildDiagramPanel(area);
    chainTabOrder();
    watchCells();
    // Installed before the resizer's filter, so it runs after the controls moved.
    area->installEventFilter(this);
    m_resizer = new ClsResize(this);
    m_resizer->setSourceForm(this);
    load();
}

SheetWindow::~SheetWindow() = default;

int SheetWindow::typology() const {
    return m_document.typology();
}

void SheetWindow::setTypology(int typology) {
    m_document.setTypology(typology);
}

// ---- construction -------------------------------------------------------------------

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

// Window load: the resizer sizes the window once, the common texts, the hint.
void SheetWindow::load() {
    ModPonteluma::SetCommonTexts();
    // The controls are recorded as laid out for the design area, whatever size the
    // window has before it is first shown.
    m_resizer->RecordDesign(QSize(m_designWidth, m_designHeight));
    m_resizer->SizeFormToScreen(75);
    resize(designSize());
    keepOnScreen();
    UpdateHint();
    Refresh();
    showDiagram();
}

// A window sized for its design and centred for the usual size may reach past a small
// screen: the windows with a diagram are taller than the others, the continuous beams and
// the arches wider.
void SheetWindow::keepOnScreen() {
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    // The frame (title bar included) is what must stay inside the desktop's free area.
    // Before the window is first shown the window manager has not framed it yet: room is
    // kept for a title bar and borders all the same.
    const QRect room = screen->availableGeometry();
    QRect frame = frameGeometry();
    if (frame.size() == size()) {
        const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
        frame.adjust(-border, -title - border, border, border);
    }
    const QSize decoration = frame.size() - size();
    // Too tall or too wide for the screen (the continuous beams on a 1024-pixel one): the
    // window is made to fit, its controls and text follow through the resizer.
    if (frame.height() > room.height() || frame.width() > room.width()) {
        resize(qMin(width(), room.width() - decoration.width()),
               qMin(height(), room.height() - decoration.height()));
        frame.setSize(size() + decoration);
    }
    const int x = qMax(room.left(), qMin(frame.left(), room.right() + 1 - frame.width()));
    const int y = qMax(room.top(), qMin(frame.top(), room.bottom() + 1 - frame.height()));
    move(x, y);
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
    m_document.layOut();
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

// A column head keeps its whole caption in a narrow column: its font shrinks a
// little when the caption would not fit at the design width.
void SheetWindow::fitHead(QLabel* head) {
    QFont font = head->font();
    font.setPointSizeF(kHeadPoints * m_fontScale);
    const int room = head->width() - 2;
    const QStringList lines = head->text().split('\n');
    auto widest = [&] {
        int most = 0;
        for (const QString& line : lines)
            most = qMax(most, CellFit::textWidth(font, line));
        return most;
    };
    while (font.pointSizeF() > 2 && widest() > room)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    head->setFont(font);
}

// Shows the heads and units of every column and the window's own labels as the
// document has them.
void SheetWindow::syncCaptions() {
    const Sheet& sheet = m_document.sheet();
    bool changed = false;
    const auto show = [this, &changed](const QString& labelName, const QString& caption) {
        QLabel* target = m_named.value(labelName);
        const QString text = shown(caption);
        if (!target || target->text() == text)
            return;
        target->setText(text);
        if (m_heads.contains(target))
            fitHead(target);
        changed = true;
    };
    for (int c = 1; c <= int(m_params.data.size()); ++c) {
        show(m_params.data[c - 1].headLabel, sheet.dataHead(c));
        show(m_params.data[c - 1].unitLabel, sheet.dataUnit(c));
    }
    for (int c = 1; c <= int(m_params.results.size()); ++c) {
        show(m_params.results[c - 1].headLabel, sheet.resultHead(c));
        show(m_params.results[c - 1].unitLabel, sheet.resultUnit(c));
    }
    for (auto it = sheet.notes().constBegin(); it != sheet.notes().constEnd(); ++it) {
        show(it.key(), it->text);
        if (QLabel* target = m_named.value(it.key()))
            target->setVisible(!it->hidden);
    }
    if (changed)
        updateAccessibleNames();
}

// ---- grid -----------------------------------------------------------------------------

QLabel* SheetWindow::label(const QString& name) const {
    return m_named.value(name);
}

QSize SheetWindow::designSize() const {
    // 15 twips a design pixel: the diagram panel and the status bar add their own height.
    return QSize(ClsResize::twipsToPixels(9600 * m_designWidth / G::kWidth, this),
                 ClsResize::twipsToPixels(6825 + 15 * (m_designHeight - G::kHeight), this) +
                     statusBar()->sizeHint().height());
}

// Text grows and shrinks with the window: the fonts follow the smaller of the two
// ratios of the inner area to its design size.
void SheetWindow::rescaleFonts() {
    const QSize inner = centralWidget()->size();
    if (inner.width() <= 0 || inner.height() <= 0)
        return;
    const double scale =
        qMin(double(inner.width()) / m_designWidth, double(inner.height()) / m_designHeight);
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

void SheetWindow::dataChanged(int column, int visibleRow) {
    if (m_filling)
        return;
    QLineEdit* edited = box(column, visibleRow);
    const int row = firstVisibleRow() + visibleRow - 1;
    m_diagramRow = row; // the diagram follows the row typed in
    apply(m_document.type(column, row, edited->text()), edited);
}

// Shows what an operation on the document asks for: the edited box's text, the grid,
// the heads and the hint as the document is now, the messages, the scroll and the focus.
void SheetWindow::apply(const Effect& effect, QLineEdit* edited) {
    if (edited && effect.boxText)
        setBox(edited, *effect.boxText);
    if (effect.changed) {
        syncCaptions();
        Refresh();
        UpdateHint(); // after the calculation: it names rows out of range too
        showDiagram();
    }
    for (const Message& message : effect.messages)
        MsgBox(message);
    if (effect.firstVisibleRow > 0)
        setFirstVisibleRow(effect.firstVisibleRow);
    if (effect.showRow > 0) {
        const int t = firstVisibleRow();
        if (effect.showRow < t)
            setFirstVisibleRow(effect.showRow);
        else if (effect.showRow > t + kVisibleRows - 1)
            setFirstVisibleRow(effect.showRow - kVisibleRows + 1);
    }
    if (effect.focusRow > 0)
        focusBox(effect.focusColumn, effect.focusRow - firstVisibleRow() + 1);
    updateHistoryActions();
}

// Every change of data or typology ends here: the grid, the heads and the hint show
// the sheet as it is now.
void SheetWindow::Calculate() {
    apply(m_document.calculate());
}

void SheetWindow::insertRow(int visibleRow) {
    apply(m_document.insertRow(firstVisibleRow() + visibleRow - 1));
}

void SheetWindow::deleteRow(int visibleRow) {
    apply(m_document.deleteRow(firstVisibleRow() + visibleRow - 1));
}

// ---- events ---------------------------------------------------------------------------

// The wheel and the arrows on the type chooser.
bool SheetWindow::chooserEvent(QEvent* event) {
    if (event->type() == QEvent::Wheel)
        return true; // a wheel passing over the chooser must not clear the sheet
    if (event->type() == QEvent::KeyPress) {
        // On the closed chooser the arrows, Home, End and the page keys open the list
        // rather than change the typology of the whole sheet at a stroke.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            m_tipocalcolo->showPopup();
            return true;
        default:
            break;
        }
    }
    return false;
}

// The focus and the keys of a data box; nothing when the event is not the sheet's.
std::optional<bool> SheetWindow::boxEvent(QLineEdit* edited, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        for (int r = 1; r <= kVisibleRows; ++r) {
            for (QLineEdit* rowBox : m_rows[r - 1].boxes) {
                if (rowBox == edited)
                    m_focusedBox = r; // the row that Ctrl+Ins and Ctrl+Del act on
            }
        }
        return false;
    case QEvent::FocusOut:
        m_document.endTyping(); // the next keystroke in a box is a new step
        return false;
    case QEvent::ShortcutOverride: {
        // Undo and redo, and the row keys, are the sheet's, not the box's own.
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : {m_annulla, m_ripristina, m_inserisci, m_eliminariga}) {
            if (action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
        return std::nullopt;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & Qt::KeypadModifier) && key->text() == QLatin1String(".")) {
            // The keypad's decimal key is how Italian users type decimals.
            edited->insert(QStringLiteral(","));
            return true;
        }
        return scrollByKey(key) || moveFromBox(edited, key);
    }
    default:
        return std::nullopt;
    }
}

// The pointer over a row number (a click inserts a row) or over a result; false when
// `watched` is neither.
bool SheetWindow::pointerEvent(QObject* watched, QEvent::Type type) {
    const bool hover = type == QEvent::Enter || type == QEvent::MouseMove;
    if (!hover && type != QEvent::MouseButtonPress)
        return false;
    for (int r = 1; r <= kVisibleRows; ++r) {
        const Row& row = m_rows[r - 1];
        if (watched == row.num) {
            if (type == QEvent::MouseButtonPress) {
                insertRow(r);
            } else {
                highlightRow(r);
                numberHovered(r);
            }
            return true;
        }
        for (int c = 1; hover && c <= int(row.results.size()); ++c) {
            if (watched == row.results[c - 1]) {
                resultHovered(c, r);
                return true;
            }
        }
    }
    return false;
}

bool SheetWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == m_tipocalcolo && chooserEvent(event))
        return true;
    if (auto* edited = qobject_cast<QLineEdit*>(watched)) {
        if (const std::optional<bool> filtered = boxEvent(edited, event))
            return *filtered;
    }
    if (type == QEvent::Resize && watched == centralWidget()) {
        rescaleFonts();
        return false;
    }
    if (type == QEvent::Resize && watched == m_disegno) {
        showFigure();
        return false;
    }
    if (pointerEvent(watched, type))
        return false;
    return QMainWindow::eventFilter(watched, event);
}

void SheetWindow::numberHovered(int visibleRow) {
    m_document.numberHovered(firstVisibleRow() + visibleRow - 1);
    syncCaptions();
    showDiagram(firstVisibleRow() + visibleRow - 1);
}

void SheetWindow::resultHovered(int column, int visibleRow) {
    const ResultHover hover = m_document.resultHovered(column, firstVisibleRow() + visibleRow - 1);
    if (hover.clearHighlight)
        ClearRowHighlight();
    if (hover.paintResult)
        paintResultYellow(column, visibleRow);
    syncCaptions();
}

// ---- the diagram panel ---------------------------------------------------------------

void SheetWindow::buildDiagramPanel(QWidget* area) {
    if (!m_params.diagram)
        return;
    m_diagramma = new DiagramPanel(area);
    m_diagramma->setGeometry(G::kGridLeft, G::kHeight + 2, m_designWidth - 2 * G::kGridLeft,
                             kDiagramPanelHeight - 6);
}

// Only the row shown is drawn: a keystroke computes one diagram, whatever the sheet holds.
void SheetWindow::showDiagram(int row) {
    if (!m_diagramma)
        return;
    if (row > 0)
        m_diagramRow = row;
    DiagramView view = ViewOfRow(m_params, sheet(), typology(), m_document.typologyName(),
                                 m_diagramRow, m_document.settings());
    // The row shown outside its field of use says why; otherwise the hint says what to do.
    view.emptyText =
        m_diagramRow >= 1 && m_diagramRow <= sheet().n() && sheet().isOutOfRange(m_diagramRow)
            ? OutOfRangeText(m_params, sheet(), m_diagramRow)
            : m_document.hint();
    m_diagramma->setView(std::move(view));
}

// ---- archive and report -----------------------------------------------------------------
