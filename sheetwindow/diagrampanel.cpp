#include "sheetwindow/diagrampanel.h"

#include "sheetwindow/windowlook.h"

#include <QEvent>
#include <QPainter>
#include <cmath>

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
        tip += "\n" + DiagramCheckText(m_view.diagram->check) + "\n" +
               DiagramLegend(m_view.diagram->units);
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
