#include "sheetwindow/diagrampaint.h"

#include "sheet/numbers.h"
#include "sheet/params.h"
#include "sheetwindow/diagramdrawing.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

const QColor kLoadFill(214, 226, 196);
const QColor kLoadLine(96, 120, 64);
const QColor kShearFill(150, 190, 235);
const QColor kShearLine(30, 80, 150);
const QColor kMomentFill(240, 170, 150);
const QColor kMomentLine(160, 50, 30);
const QColor kGreen(0, 130, 0);
const QColor kOrange(225, 115, 0);

QString oneDecimal(double value) {
    return QString::number(ModPonteluma::RoundHalfUp1(value) + 0.0, 'f', 1).replace('.', ',');
}

QFont fontOfHeight(const QFont& base, double pixels, bool bold = false) {
    QFont font = base;
    font.setPixelSize(std::max(4, int(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

// A support under the beam: a triangle for a hinge, a hatched wall for a clamp.
void paintSupport(QPainter& p, const DrawingMark& mark, double size, bool atLeftEnd) {
    const QPointF at = mark.at;
    p.setPen(QPen(Qt::black, std::max(1.0, size / 8)));
    if (mark.kind == SupportKind::Pinned) {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({at, at + QPointF(-size / 2, size), at + QPointF(size / 2, size)}));
        p.drawLine(at + QPointF(-size * 0.7, size), at + QPointF(size * 0.7, size));
    } else if (mark.kind == SupportKind::Clamped) {
        const double side = atLeftEnd ? -1 : 1;
        p.drawLine(at + QPointF(0, -size), at + QPointF(0, size));
        for (double y = -size; y < size; y += size / 2.5)
            p.drawLine(at + QPointF(0, y + size / 2.5), at + QPointF(side * size / 2.5, y));
    }
}

void paintArrow(QPainter& p, const DrawingArrow& arrow, double head) {
    p.setPen(QPen(Qt::black, std::max(1.0, head / 4)));
    p.drawLine(arrow.tail, arrow.head);
    const double dir = arrow.head.y() >= arrow.tail.y() ? 1 : -1;
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({arrow.head, arrow.head + QPointF(-head / 2, -dir * head),
                             arrow.head + QPointF(head / 2, -dir * head)}));
}

void paintArea(QPainter& p, const std::vector<QPointF>& outline, const QColor& fill,
               const QColor& line) {
    if (outline.size() < 3)
        return;
    p.setPen(QPen(line, 1.2));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF(QVector<QPointF>(outline.begin(), outline.end())));
}

// A value written next to its point, on the side away from the axis, kept inside the
// frame; labels that would overlap one already written move further out.
class LabelWriter {
public:
    LabelWriter(QPainter& p, const QRectF& frame) : m_p(p), m_frame(frame) {}

    void write(const QPointF& at, const QString& text, double axisY) {
        const QFontMetricsF metrics(m_p.font());
        const double w = metrics.horizontalAdvance(text) + 2;
        const double h = metrics.height();
        const bool above = at.y() <= axisY;
        QRectF box(at.x() - w / 2, above ? at.y() - h - 1 : at.y() + 1, w, h);
        keepInside(box);
        if (overlaps(box)) {
            // Over the point's own area, towards the axis, before further out.
            QRectF inward = box;
            inward.moveTop(above ? at.y() + 1 : at.y() - h - 1);
            keepInside(inward);
            if (!overlaps(inward))
                box = inward;
        }
        for (int tries = 0; tries < 4 && overlaps(box); ++tries)
            box.translate(0, above ? -h * 0.9 : h * 0.9);
        keepInside(box);
        m_taken.push_back(box);
        m_p.drawText(box, Qt::AlignCenter, text);
    }
    // Room already written on by something else.
    void reserve(const QRectF& box) { m_taken.push_back(box); }

private:
    void keepInside(QRectF& box) const {
        box.moveLeft(std::clamp(box.left(), m_frame.left(), m_frame.right() - box.width()));
        box.moveTop(std::clamp(box.top(), m_frame.top(), m_frame.bottom() - box.height()));
    }
    bool overlaps(const QRectF& box) const {
        return std::any_of(m_taken.begin(), m_taken.end(),
                           [&](const QRectF& taken) { return taken.intersects(box); });
    }
    QPainter& m_p;
    QRectF m_frame;
    std::vector<QRectF> m_taken;
};

// The axis a label belongs to: the beam for the loads, else the diagram of its unit.
double axisOf(const DiagramDrawing& d, const DrawingLabel& label) {
    if (label.at.y() <= d.beamY)
        return d.beamY;
    return label.text.contains(QLatin1String("kgm")) ? d.momentAxisY : d.shearAxisY;
}

void paintDrawing(QPainter& p, const QRectF& area, const BeamDiagram& diagram, double text) {
    const DiagramDrawing d = LayOutDiagram(diagram, area.width(), area.height());
    if (d.beam.size() < 2)
        return;
    p.save();
    p.translate(area.topLeft());
    const double left = d.beam.front().x(), right = d.beam.back().x();

    for (const auto& outline : d.loadAreas)
        paintArea(p, outline, kLoadFill, kLoadLine);
    for (const DrawingArrow& arrow : d.loadArrows)
        paintArrow(p, arrow, text * 0.8);

    paintArea(p, d.shearArea, kShearFill, kShearLine);
    paintArea(p, d.momentArea, kMomentFill, kMomentLine);
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawLine(QPointF(left, d.shearAxisY), QPointF(right, d.shearAxisY));
    p.drawLine(QPointF(left, d.momentAxisY), QPointF(right, d.momentAxisY));
    // Thin lines down from every support through both diagrams.
    p.setPen(QPen(Qt::lightGray, 1, Qt::DotLine));
    for (const DrawingMark& mark : d.supports)
        p.drawLine(QPointF(mark.at.x(), d.beamY), QPointF(mark.at.x(), area.height()));

    p.setPen(QPen(Qt::black, std::max(2.0, text / 4)));
    p.drawLine(d.beam.front(), d.beam.back());
    const double size = std::clamp(area.height() * 0.06, 5.0, text * 1.4);
    const QFont base = p.font();
    p.setFont(fontOfHeight(base, text * 0.85));
    LabelWriter labels(p, QRectF(0, 0, area.width(), area.height()));
    p.setFont(fontOfHeight(base, text * 0.9, true));
    for (const DrawingMark& mark : d.supports) {
        paintSupport(p, mark, size, std::abs(mark.at.x() - left) < 1e-6);
        const double below = mark.kind == SupportKind::Pinned ? size * 1.1 : size * 0.3;
        p.setPen(Qt::black);
        const double beside = mark.kind == SupportKind::Clamped ? size * 0.5 : size * 0.7;
        const double x = std::abs(mark.at.x() - left) < 1e-6 ? mark.at.x() + beside
                                                             : mark.at.x() - beside - text;
        const QRectF letter(x, mark.at.y() + below * 0.2, text, text * 1.2);
        p.drawText(letter, Qt::AlignCenter, mark.name);
        labels.reserve(letter);
    }
    p.drawText(QRectF(0, d.shearAxisY - text, left - 2, text * 2), Qt::AlignCenter, "V");
    p.drawText(QRectF(0, d.momentAxisY - text, left - 2, text * 2), Qt::AlignCenter, "M");

    p.setFont(fontOfHeight(base, text * 0.85));
    p.setPen(Qt::black);
    // The intensity at both ends of every distributed load, once where two loads meet.
    std::vector<DrawingLabel> intensities;
    for (size_t i = 0; i < diagram.linearLoads.size() && i < d.loadAreas.size(); ++i) {
        const LinearLoad& load = diagram.linearLoads[i];
        const auto& outline = d.loadAreas[i];
        std::vector<std::pair<QPointF, double>> ends{{outline[1], load.p0}, {outline[2], load.p1}};
        if (load.p0 == load.p1) // a uniform load: once, over its middle
            ends = {{(outline[1] + outline[2]) / 2, load.p0}};
        for (const auto& [at, value] : ends) {
            const DrawingLabel label{at, oneDecimal(value) + " kg/m"};
            const bool repeated =
                std::any_of(intensities.begin(), intensities.end(), [&](const DrawingLabel& other) {
                    return other.text == label.text && QLineF(other.at, label.at).length() < 1;
                });
            if (value != 0 && !repeated)
                intensities.push_back(label);
        }
    }
    for (const DrawingLabel& label : intensities)
        labels.write(label.at, label.text, d.beamY);
    // A nil shear at a free end says nothing.
    for (const DrawingLabel& label : d.labels) {
        if (label.text != QLatin1String("0,0 kg"))
            labels.write(label.at, label.text, axisOf(d, label));
    }
    p.restore();
}

} // namespace

DiagramView ViewOfRow(const SheetParams& params, const Sheet& sheet, int typology,
                      const QString& typologyName, int row, const CalcSettings& settings) {
    DiagramView view;
    view.row = row;
    view.item = params.words.item;
    view.typology = typology;
    view.typologyName = typologyName;
    // A row outside its field of use has no results and no diagram.
    if (params.diagram && row >= 1 && row <= sheet.n() && !sheet.isOutOfRange(row))
        view.diagram = params.diagram(sheet, typology, row, settings);
    return view;
}

QString DiagramHeading(const DiagramView& view) {
    return view.item + " n." + QString::number(view.row) + " - " + view.typologyName +
           " (tipologia " + QString::number(view.typology) + ")";
}

QString DiagramLegend() {
    return QStringLiteral("x in m da A, V in kg, M in kgm; il momento è disegnato dalla parte "
                          "delle fibre tese (positivo sotto l'asse)");
}

QString DiagramCheckText(const StaticsCheck& check) {
    QString text = StaticsSummary(check);
    if (!check.method.isEmpty())
        return text; // against theory the summary names its item already
    const CheckItem* worst = nullptr;
    for (const CheckItem& item : check.items) {
        if (!worst || std::abs(item.percent) > std::abs(worst->percent))
            worst = &item;
    }
    if (worst)
        text += " (" + worst->label + ": " + oneDecimal(worst->tabulated) + " " + worst->unit +
                " in tabella, " + oneDecimal(worst->statics) + " " + worst->unit +
                " per statica, differenza " + oneDecimal(worst->difference) + " " + worst->unit +
                ")";
    return text;
}

QColor DiagramCheckColour(const StaticsCheck& check) {
    switch (ToneOf(check)) {
    case CheckTone::Agrees:
        return kGreen;
    case CheckTone::Safe:
        return Qt::black;
    case CheckTone::Attention:
        break;
    }
    return kOrange;
}

void PaintDiagram(QPainter& p, const QRectF& frame, const DiagramView& view) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(frame);
    const QFont base = p.font();
    // Text height: a nineteenth of the frame's height, less in a narrow frame.
    const double text = std::min(frame.height() / 19, frame.width() / 70);
    const double margin = text * 0.5;
    const QRectF inner = frame.adjusted(margin, margin / 2, -margin, -margin / 2);

    if (!view.diagram) {
        p.setPen(Qt::darkGray);
        p.setFont(fontOfHeight(base, text * 1.1));
        p.drawText(inner.adjusted(inner.width() * 0.1, 0, -inner.width() * 0.1, 0),
                   Qt::AlignCenter | Qt::TextWordWrap,
                   QString(view.emptyText).replace("\r\n", "\n").replace('\r', '\n'));
        p.restore();
        return;
    }

    const double line = text * 1.3;
    const QFont bold = fontOfHeight(base, text, true);
    const QString heading = DiagramHeading(view);
    const QString check = DiagramCheckText(view.diagram->check);
    // The check goes beside the heading when both fit on one line, else under it.
    const QFontMetricsF metrics(bold, p.device());
    const double gap = text * 3;
    const bool oneLine =
        metrics.horizontalAdvance(heading) + gap + metrics.horizontalAdvance(check) <=
        inner.width();
    p.setPen(Qt::black);
    p.setFont(bold);
    p.drawText(QRectF(inner.left(), inner.top(), inner.width(), line),
               Qt::AlignLeft | Qt::AlignVCenter, heading);
    p.setPen(DiagramCheckColour(view.diagram->check));
    p.drawText(QRectF(inner.left(), inner.top() + (oneLine ? 0 : line), inner.width(), line),
               (oneLine ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, check);
    const double textLines = oneLine ? 2 : 3;
    p.setPen(Qt::black);
    p.setFont(fontOfHeight(base, text * 0.9));
    p.drawText(QRectF(inner.left(), inner.top() + (textLines - 1) * line, inner.width(), line),
               Qt::AlignLeft | Qt::AlignVCenter, DiagramLegend());

    const QRectF area(inner.left(), inner.top() + textLines * line, inner.width(),
                      inner.height() - textLines * line);
    p.setFont(base);
    paintDrawing(p, area, *view.diagram, text);
    p.restore();
}
