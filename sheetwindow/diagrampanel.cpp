#include "sheetwindow/diagrampanel.h"

#include "sheet/geometry.h"
#include "sheetwindow/diagramprint.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/printer.h"
#include "sheetwindow/window.h"
#include "sheetwindow/windowlook.h"

#include <QPainter>
#include <QScreen>
#include <QStyle>

namespace G = SheetGeometry;

DiagramPanel::DiagramPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("diagramma");
    setAutoFillBackground(true);
    paintBackground(this, kWhite, QPalette::Window);
    setToolTip(QStringLiteral("diagrammi del taglio e del momento della trave corrente"));
}

void DiagramPanel::setView(DiagramView view) {
    m_view = std::move(view);
    update();
}

void DiagramPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    PaintDiagram(painter, QRectF(rect()).adjusted(1, 1, -1, -1), m_view);
}

// ---- the sheet window's diagram -------------------------------------------------------

void SheetWindow::buildDiagramPanel(QWidget* area) {
    if (!m_params.diagram)
        return;
    m_diagramma = new DiagramPanel(area);
    m_diagramma->setGeometry(G::kGridLeft, G::kHeight + 2, m_designWidth - 2 * G::kGridLeft,
                             kDiagramPanelHeight - 6);
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

void SheetWindow::stampadiagrammi() {
    for (int first = 11; first <= m_document.sheet().n(); first += 10)
        setFirstVisibleRow(first);
    PrintReport(m_document, DiagramPages(m_document));
}
