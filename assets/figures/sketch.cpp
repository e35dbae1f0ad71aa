#include "sketch.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <cmath>

namespace figures {

namespace {
QFont letterFont(const QString& text = QString()) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setItalic(true);
    // Fractions (b/2) are set smaller so they fit over the short parts they name.
    font.setPixelSize(text.contains('/') ? 9 : 11);
    return font;
}

QFont subscriptFont() {
    QFont font = letterFont();
    font.setPixelSize(8);
    return font;
}

QFont pointFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    return font;
}

QPen pen(QColor color, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen p(color, width, style, Qt::FlatCap, Qt::MiterJoin);
    return p;
}

// Top-left corner of a box of the given size placed at `at` with `align`.
QPointF placed(QPointF at, QSizeF size, Qt::Alignment align) {
    double x = at.x() - size.width() / 2;
    double y = at.y() - size.height() / 2;
    if (align & Qt::AlignLeft)
        x = at.x();
    else if (align & Qt::AlignRight)
        x = at.x() - size.width();
    if (align & Qt::AlignTop)
        y = at.y();
    else if (align & Qt::AlignBottom)
        y = at.y() - size.height();
    return {x, y};
}
} // namespace

Sketch::Sketch(QPainter& painter) : m_p(painter) {
    m_p.setRenderHint(QPainter::Antialiasing, true);
    m_p.setRenderHint(QPainter::TextAntialiasing, true);
}

void Sketch::line(QPointF a, QPointF b, double width, QColor color) {
    m_p.setPen(pen(color, width));
    m_p.drawLine(a, b);
}

void Sketch::dashed(QPointF a, QPointF b, QColor color) {
    QPen p = pen(color, 1.0, Qt::CustomDashLine);
    p.setDashPattern({4, 3});
    m_p.setPen(p);
    m_p.drawLine(a, b);
}

void Sketch::section(const QPainterPath& shape) {
    m_p.setPen(pen(ink::structure, 1.6));
    m_p.setBrush(ink::sectionFill);
    m_p.drawPath(shape);
    m_p.setBrush(Qt::NoBrush);
}

void Sketch::axis(double y, double x1, double x2) {
    QPen p = pen(ink::axis, 0.9, Qt::CustomDashLine);
    p.setDashPattern({9, 3, 2, 3});
    m_p.setPen(p);
    m_p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

void Sketch::label(QPointF at, const QString& text, Qt::Alignment align, QColor color) {
    m_p.setFont(letterFont(text));
    const QFontMetricsF metrics(m_p.font());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.ascent() * 0.95);
    const QPointF topLeft = placed(at, size, align);
    m_p.setPen(color);
    m_p.drawText(QPointF(topLeft.x(), topLeft.y() + size.height()), text);
}

void Sketch::labelSub(QPointF at, const QString& main, const QString& sub, Qt::Alignment align,
                      QColor color) {
    m_p.setFont(letterFont());
    const QFontMetricsF mainMetrics(m_p.font());
    const QFontMetricsF subMetrics(subscriptFont());
    const double mainWidth = mainMetrics.horizontalAdvance(main);
    const QSizeF size(mainWidth + subMetrics.horizontalAdvance(sub), mainMetrics.ascent() * 0.8);
    const QPointF topLeft = placed(at, size, align);
    const double baseline = topLeft.y() + size.height();
    m_p.setPen(color);
    m_p.drawText(QPointF(topLeft.x(), baseline), main);
    m_p.setFont(subscriptFont());
    m_p.drawText(QPointF(topLeft.x() + mainWidth, baseline + 3), sub);
}

void Sketch::point(QPointF at, const QString& name, Qt::Alignment align) {
    m_p.setFont(pointFont());
    const QFontMetricsF metrics(m_p.font());
    const QSizeF size(metrics.horizontalAdvance(name), metrics.capHeight());
    const QPointF topLeft = placed(at, size, align);
    m_p.setPen(ink::structure);
    m_p.drawText(QPointF(topLeft.x(), topLeft.y() + size.height()), name);
}

QPolygonF Sketch::arrowHead(QPointF from, QPointF to, double head) const {
    const QLineF shaft(to, from);
    const double length = shaft.length();
    if (length <= 0)
        return {};
    const QPointF unit = (from - to) / length;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = to + unit * head;
    return QPolygonF({to, base + normal * (head * 0.38), base - normal * (head * 0.38)});
}

void Sketch::arrow(QPointF from, QPointF to, QColor color, double width, double head) {
    const QPolygonF tip = arrowHead(from, to, head);
    const QPointF shaftEnd = tip.isEmpty() ? to : (tip[1] + tip[2]) / 2;
    m_p.setPen(pen(color, width));
    m_p.drawLine(from, shaftEnd);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(color);
    m_p.drawPolygon(tip);
    m_p.setBrush(Qt::NoBrush);
}

void Sketch::extension(QPointF from, QPointF to) {
    m_p.setPen(pen(QColor(95, 118, 160), 0.7));
    m_p.drawLine(from, to);
}

void Sketch::dimH(double x1, double x2, double y, const QString& text, bool above) {
    const QPointF a(x1, y), b(x2, y);
    arrow(b, a, ink::dimension, 0.8, 4.0);
    arrow(a, b, ink::dimension, 0.8, 4.0);
    label(QPointF((x1 + x2) / 2, above ? y - 2 : y + 2), text,
          Qt::AlignHCenter | (above ? Qt::AlignBottom : Qt::AlignTop), ink::dimension);
}

void Sketch::dimV(double x, double y1, double y2, const QString& text, bool left) {
    const QPointF a(x, y1), b(x, y2);
    arrow(b, a, ink::dimension, 0.8, 4.0);
    arrow(a, b, ink::dimension, 0.8, 4.0);
    label(QPointF(left ? x - 2.5 : x + 2.5, (y1 + y2) / 2), text,
          Qt::AlignVCenter | (left ? Qt::AlignRight : Qt::AlignLeft), ink::dimension);
}

void Sketch::dimAligned(QPointF a, QPointF b, double offset, const QString& text) {
    const QLineF segment(a, b);
    const QPointF unit = (b - a) / segment.length();
    const QPointF normal(unit.y(), -unit.x()); // to the left of a->b on screen
    const QPointF shift = normal * offset;
    extension(a + normal * (offset > 0 ? 1.5 : -1.5), a + shift + normal * (offset > 0 ? 2 : -2));
    extension(b + normal * (offset > 0 ? 1.5 : -1.5), b + shift + normal * (offset > 0 ? 2 : -2));
    arrow(b + shift, a + shift, ink::dimension, 0.8, 4.0);
    arrow(a + shift, b + shift, ink::dimension, 0.8, 4.0);
    const QPointF middle = (a + b) / 2 + shift + normal * (offset > 0 ? 7 : -7);
    label(middle, text, Qt::AlignCenter, ink::dimension);
}

void Sketch::radius(QPointF from, QPointF to, const QString& text, QPointF labelAt) {
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(ink::dimension);
    m_p.drawEllipse(from, 1.4, 1.4);
    m_p.setBrush(Qt::NoBrush);
    arrow(from, to, ink::dimension, 0.8, 4.5);
    label(labelAt, text, Qt::AlignCenter, ink::dimension);
}

void Sketch::distributed(double x1, double x2, double y, double h1, double h2) {
    const double gap = 1.5; // the band floats just above the loaded line
    QPolygonF band({QPointF(x1, y - gap), QPointF(x1, y - gap - h1), QPointF(x2, y - gap - h2),
                    QPointF(x2, y - gap)});
    m_p.setPen(pen(ink::load, 1.0));
    m_p.setBrush(ink::loadFill);
    m_p.drawPolygon(band);
    m_p.setBrush(Qt::NoBrush);
    const int count = std::max(2, static_cast<int>(std::round((x2 - x1) / 11.0)));
    for (int i = 0; i <= count; ++i) {
        const double x = x1 + (x2 - x1) * i / count;
        const double h = h1 + (h2 - h1) * i / count;
        if (h < 5)
            continue;
        arrow(QPointF(x, y - gap - h), QPointF(x, y - gap), ink::load, 0.8, 3.5);
    }
}

void Sketch::peaked(double x1, double x2, double y, double h) {
    const double gap = 1.5;
    const double xm = (x1 + x2) / 2;
    QPolygonF band({QPointF(x1, y - gap), QPointF(xm, y - gap - h), QPointF(x2, y - gap)});
    m_p.setPen(pen(ink::load, 1.0));
    m_p.setBrush(ink::loadFill);
    m_p.drawPolygon(band);
    m_p.setBrush(Qt::NoBrush);
    const int count = std::max(4, static_cast<int>(std::round((x2 - x1) / 11.0)) & ~1);
    for (int i = 0; i <= count; ++i) {
        const double x = x1 + (x2 - x1) * i / count;
        const double hh = h * (1.0 - std::fabs(x - xm) / (xm - x1));
        if (hh < 5)
            continue;
        arrow(QPointF(x, y - gap - hh), QPointF(x, y - gap), ink::load, 0.8, 3.5);
    }
}

void Sketch::ground(double x1, double x2, double y) {
    line(QPointF(x1, y), QPointF(x2, y), 1.2);
    m_p.setPen(pen(ink::structure, 0.7));
    for (double x = x1 + 3; x <= x2 + 0.1; x += 4)
        m_p.drawLine(QPointF(x, y), QPointF(x - 4, y + 4));
}

void Sketch::hinge(QPointF at) {
    const double h = 10, w = 7;
    QPolygonF triangle({at, QPointF(at.x() - w, at.y() + h), QPointF(at.x() + w, at.y() + h)});
    m_p.setPen(pen(ink::structure, 1.3));
    m_p.setBrush(Qt::white);
    m_p.drawPolygon(triangle);
    m_p.setBrush(Qt::NoBrush);
    pin(at, 2.2);
    ground(at.x() - 10, at.x() + 10, at.y() + h);
}

void Sketch::roller(QPointF at) {
    const double h = 8, w = 7;
    QPolygonF triangle({at, QPointF(at.x() - w, at.y() + h), QPointF(at.x() + w, at.y() + h)});
    m_p.setPen(pen(ink::structure, 1.3));
    m_p.setBrush(Qt::white);
    m_p.drawPolygon(triangle);
    for (double dx : {-4.0, 0.0, 4.0})
        m_p.drawEllipse(QPointF(at.x() + dx, at.y() + h + 2), 1.8, 1.8);
    m_p.setBrush(Qt::NoBrush);
    pin(at, 2.2);
    ground(at.x() - 10, at.x() + 10, at.y() + h + 4);
}

void Sketch::clamp(QPointF at, int side, double halfHeight) {
    const double x = at.x();
    line(QPointF(x, at.y() - halfHeight), QPointF(x, at.y() + halfHeight), 1.6);
    m_p.setPen(pen(ink::structure, 0.7));
    for (double y = at.y() - halfHeight; y <= at.y() + halfHeight - 3; y += 4)
        m_p.drawLine(QPointF(x, y + 4), QPointF(x + side * 5, y));
}

void Sketch::footing(QPointF at, double halfWidth) {
    const double top = at.y();
    line(QPointF(at.x() - halfWidth, top), QPointF(at.x() + halfWidth, top), 1.6);
    m_p.setPen(pen(ink::structure, 0.7));
    for (double x = at.x() - halfWidth + 4; x <= at.x() + halfWidth + 0.1; x += 4)
        m_p.drawLine(QPointF(x, top), QPointF(x - 5, top + 5));
}

void Sketch::pin(QPointF at, double r) {
    m_p.setPen(pen(ink::structure, 1.2));
    m_p.setBrush(Qt::white);
    m_p.drawEllipse(at, r, r);
    m_p.setBrush(Qt::NoBrush);
}

namespace {
std::vector<Kind>& registry() {
    static std::vector<Kind> kinds;
    return kinds;
}
} // namespace

const std::vector<Kind>& Kinds() {
    return registry();
}

Registration::Registration(const Kind& kind) {
    registry().push_back(kind);
}

} // namespace figures
