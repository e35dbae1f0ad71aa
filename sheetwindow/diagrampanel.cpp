#include "sheetwindow/diagrampanel.h"

#include "sheet/geometry.h"
#include "sheetwindow/diagramprint.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/printer.h"
#include "sheetwindow/window.h"
#include "sheetwindow/windowlook.h"

#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <cmath>

namespace G = SheetGeometry;

DiagramPanel::DiagramPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("diagramma");
    setAutoFillBackground(true);
    paintBackground(this, kWhite, QPalette::Window);
    setToolTip(QStringLiteral("diagrammi del taglio e del momento della trave corrente"));
}

namespace {

bool sameStations(const std::vector<Station>& a, const std::vector<Station>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Station& s, const Station& t) {
                          return s.x == t.x && s.vLeft == t.vLeft && s.vRight == t.vRight &&
                                 s.m == t.m && s.vBetween == t.vBetween;
                      });
}

// Two diagrams that draw the same: the same beam, loads, values and check.
bool sameDiagram(const BeamDiagram& a, const BeamDiagram& b) {
    const auto sameSupport = [](const DiagramSupport& s, const DiagramSupport& t) {
        return s.name == t.name && s.x == t.x && s.kind == t.kind && s.reaction == t.reaction &&
               s.moment == t.moment;
    };
    const auto samePoint = [](const PointLoad& p, const PointLoad& q) {
        return p.x == q.x && p.force == q.force;
    };
    const auto sameLinear = [](const LinearLoad& l, const LinearLoad& k) {
        return l.x0 == k.x0 && l.x1 == k.x1 && l.p0 == k.p0 && l.p1 == k.p1;
    };
    const auto samePeak = [](const SpanPeak& p, const SpanPeak& q) {
        return p.span == q.span && p.x == q.x && p.m == q.m;
    };
    const auto sameItem = [](const CheckItem& i, const CheckItem& j) {
        return i.label == j.label && i.unit == j.unit && i.tabulated == j.tabulated &&
               i.statics == j.statics;
    };
    return a.length == b.length && a.startMoment == b.startMoment &&
           std::equal(a.supports.begin(), a.supports.end(), b.supports.begin(), b.supports.end(),
                      sameSupport) &&
           std::equal(a.pointLoads.begin(), a.pointLoads.end(), b.pointLoads.begin(),
                      b.pointLoads.end(), samePoint) &&
           std::equal(a.linearLoads.begin(), a.linearLoads.end(), b.linearLoads.begin(),
                      b.linearLoads.end(), sameLinear) &&
           std::equal(a.peaks.begin(), a.peaks.end(), b.peaks.begin(), b.peaks.end(), samePeak) &&
           std::equal(a.check.items.begin(), a.check.items.end(), b.check.items.begin(),
                      b.check.items.end(), sameItem) &&
           sameStations(a.stations, b.stations);
}

bool sameView(const DiagramView& a, const DiagramView& b) {
    if (a.row != b.row || a.typology != b.typology || a.item != b.item ||
        a.typologyName != b.typologyName || a.diagram.has_value() != b.diagram.has_value())
        return false;
    return a.diagram ? sameDiagram(*a.diagram, *b.diagram) : a.emptyText == b.emptyText;
}

} // namespace

void DiagramPanel::setView(DiagramView view) {
    if (sameView(view, m_view))
        return;
    m_view = std::move(view);
    m_picture.reset();
    // The whole check and the conventions are in the tip; the panel may shorten them.
    QString tip = QStringLiteral("diagrammi del taglio e del momento della trave corrente");
    if (m_view.diagram)
        tip += "\n" + DiagramCheckText(m_view.diagram->check) + "\n" + DiagramLegend();
    setToolTip(tip);
    update();
}

QRectF DiagramPanel::frame() const {
    return QRectF(rect()).adjusted(1, 1, -1, -1);
}

const DiagramPicture& DiagramPanel::picture() {
    if (!m_picture) {
        // The values are written in the panel's font, the one the grid has, at least.
        const QFont& own = font();
        const double pixels = own.pointSizeF() > 0
                                  ? std::ceil(own.pointSizeF() * logicalDpiY() / 72.0 - 0.01)
                                  : own.pixelSize();
        m_picture = LayOutPicture(m_view, frame(), font(), pixels);
    }
    return *m_picture;
}

void DiagramPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    PaintPicture(painter, picture());
}

void DiagramPanel::resizeEvent(QResizeEvent* event) {
    m_picture.reset();
    QWidget::resizeEvent(event);
}

void DiagramPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        m_picture.reset();
    QWidget::changeEvent(event);
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
