#include "sheetwindow/diagrampaint.h"

#include "sheet/numbers.h"
#include "sheet/params.h"
#include "sheetwindow/diagramdrawing.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
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

QFont fontOfHeight(const QFont& base, double pixels, bool bold = false) {
    QFont font = base;
    font.setPixelSize(std::max(4, int(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

double wholePixels(double width) {
    return std::max(1.0, std::round(width));
}

// A support under the beam: a triangle for a hinge, a hatched wall for a clamp.
void paintSupport(QPainter& p, const DrawingMark& mark, double size, bool atLeftEnd) {
    const QPointF at = mark.at;
    p.setPen(QPen(Qt::black, wholePixels(size / 8)));
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
    p.setPen(QPen(Qt::black, wholePixels(head / 4)));
    const double dir = arrow.head.y() >= arrow.tail.y() ? 1 : -1;
    p.drawLine(arrow.tail, arrow.head - QPointF(0, dir * head * 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({arrow.head, arrow.head + QPointF(-head / 2, -dir * head),
                             arrow.head + QPointF(head / 2, -dir * head)}));
}

void paintArea(QPainter& p, const std::vector<QPointF>& outline, const QColor& fill,
               const QColor& line, double width) {
    if (outline.size() < 3)
        return;
    // The fill without antialiasing, its edge hidden under the smooth outline: filling a
    // large area smoothly is most of the time of a repaint.
    const bool smooth = p.testRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(outline.data(), int(outline.size()));
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.setPen(QPen(line, width));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline.data(), int(outline.size()));
}

// On a screen the glyphs measured by the layout go as they are; a file or a printer gets
// the text itself.
void writeText(QPainter& p, const QPointF& baseline, const QString& text, const QGlyphRun& glyphs) {
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    if (raster && !glyphs.glyphIndexes().isEmpty())
        p.drawGlyphRun(baseline, glyphs);
    else
        p.drawText(baseline, text);
}

void paintDrawing(QPainter& p, const DiagramPicture& picture) {
    const DiagramDrawing& d = picture.drawing;
    if (d.beam.size() < 2)
        return;
    p.save();
    p.translate(picture.drawingArea.topLeft());
    const double left = d.beam.front().x(), right = d.beam.back().x();

    // Lines a whole number of pixels wide: the painter draws them far faster.
    const double thin = wholePixels(d.supportSize / 10);
    for (const auto& outline : d.loadAreas)
        paintArea(p, outline, kLoadFill, kLoadLine, thin);
    for (const DrawingArrow& arrow : d.loadArrows)
        paintArrow(p, arrow, d.arrowHead);

    paintArea(p, d.shearArea, kShearFill, kShearLine, thin);
    paintArea(p, d.momentArea, kMomentFill, kMomentLine, thin);
    p.setPen(QPen(Qt::darkGray, thin));
    p.drawLine(QPointF(left, d.shearAxisY), QPointF(right, d.shearAxisY));
    p.drawLine(QPointF(left, d.momentAxisY), QPointF(right, d.momentAxisY));
    // Thin lines down from every support through both diagrams.
    p.setPen(QPen(Qt::lightGray, thin, Qt::DotLine));
    for (const DrawingMark& mark : d.supports)
        p.drawLine(QPointF(mark.at.x(), d.shearAxisY - d.supportSize),
                   QPointF(mark.at.x(), d.height));

    p.setPen(QPen(Qt::black, std::max(2.0, wholePixels(d.supportSize / 5))));
    p.drawLine(d.beam.front(), d.beam.back());
    for (const DrawingMark& mark : d.supports)
        paintSupport(p, mark, d.supportSize, std::abs(mark.at.x() - left) < 1e-6);
    for (const DrawingArrow& arrow : d.reactionArrows)
        paintArrow(p, arrow, d.arrowHead);

    p.setFont(picture.bold);
    p.setPen(Qt::black);
    const auto write = [&](const QRectF& box, const QString& text, const QGlyphRun& glyphs) {
        writeText(p, QPointF(box.left() + d.textInset, box.top() + d.textAscent), text, glyphs);
    };
    for (const DrawingMark& mark : d.supports)
        write(mark.letter, mark.name, mark.glyphs);
    write(d.shearLetter, QStringLiteral("V"), d.shearGlyphs);
    write(d.momentLetter, QStringLiteral("M"), d.momentGlyphs);

    // Each value on its own white box, over the dotted lines and the axes it may cross.
    p.setFont(picture.font);
    for (const DrawingLabel& label : d.labels)
        p.fillRect(label.box, Qt::white);
    for (const DrawingLabel& label : d.labels)
        write(label.box, label.text, label.glyphs);
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

QString DiagramLegend(Units units) {
    return "x in m da A, V in " + UnitName(Quantity::Force, units) + ", M in " +
           UnitName(Quantity::Moment, units) +
           "; il momento è disegnato dalla parte delle fibre tese (positivo sotto l'asse)";
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
        text += " (" + worst->label + ": " + DiagramNumber(worst->tabulated, check.units) + " " +
                worst->unit + " in tabella, " + DiagramNumber(worst->statics, check.units) + " " +
                worst->unit + " per statica, differenza " +
                DiagramNumber(worst->difference, check.units) + " " + worst->unit + ")";
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

DiagramPicture LayOutPicture(const DiagramView& view, const QRectF& frame, const QFont& base,
                             double textPixels) {
    DiagramPicture out;
    out.frame = frame;
    // Without a size of its own, text is a nineteenth of the frame's height, less in a
    // narrow frame.
    const double text =
        textPixels > 0 ? textPixels : std::min(frame.height() / 19, frame.width() / 70);
    out.font = fontOfHeight(base, text);
    out.bold = fontOfHeight(base, text, true);
    const double margin = text * 0.5;
    const QRectF inner = frame.adjusted(margin, margin / 2, -margin, -margin / 2);
    out.empty = !view.diagram;
    if (out.empty) {
        out.emptyText = QString(view.emptyText).replace("\r\n", "\n").replace('\r', '\n');
        out.drawingArea = inner;
        return out;
    }

    const QFontMetricsF metrics(out.bold);
    const QRawFont raw = QRawFont::fromFont(out.bold);
    const double line = metrics.height() * 1.15;
    const double baseline = (line - metrics.height()) / 2 + metrics.ascent();
    out.heading = DiagramHeading(view);
    out.check = DiagramCheckText(view.diagram->check);
    out.checkColour = DiagramCheckColour(view.diagram->check);
    const double gap = text * 2;
    const double headingWidth = MeasureText(raw, metrics, out.heading, &out.headingGlyphs);
    double checkWidth = MeasureText(raw, metrics, out.check, &out.checkGlyphs);
    // A frame with room for two lines of heading and the legend: the printed page and
    // the SVG drawing; the panel keeps one line and its tip tells the rest.
    const bool roomy = inner.height() >= line * 18;
    int lines = 1;
    if (headingWidth + gap + checkWidth > inner.width()) {
        if (roomy) {
            lines = 2;
        } else {
            const qsizetype detail = out.check.indexOf(QLatin1String(" ("));
            if (detail > 0)
                out.check.truncate(detail);
            out.check = metrics.elidedText(out.check, Qt::ElideRight,
                                           std::max(0.0, inner.width() - headingWidth - gap));
            checkWidth = MeasureText(raw, metrics, out.check, &out.checkGlyphs);
        }
    }
    out.headingAt = QPointF(inner.left(), inner.top() + baseline);
    out.checkAt = lines == 1 ? QPointF(inner.right() - checkWidth, inner.top() + baseline)
                             : QPointF(inner.left(), inner.top() + line + baseline);
    if (roomy) {
        out.legend = DiagramLegend(view.diagram->units);
        out.legendAt = QPointF(inner.left(), inner.top() + lines * line + baseline);
        ++lines;
    }
    const double top = lines * line + text * 0.3;
    out.drawingArea = QRectF(inner.left(), inner.top() + top, inner.width(), inner.height() - top);
    out.drawing =
        LayOutDiagram(*view.diagram, out.drawingArea.width(), out.drawingArea.height(), out.font);
    return out;
}

void PaintPicture(QPainter& p, const DiagramPicture& picture) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(picture.frame);
    if (picture.empty) {
        const QRectF& inner = picture.drawingArea;
        p.setPen(Qt::darkGray);
        p.setFont(picture.font);
        p.drawText(inner.adjusted(inner.width() * 0.1, 0, -inner.width() * 0.1, 0),
                   Qt::AlignCenter | Qt::TextWordWrap, picture.emptyText);
        p.restore();
        return;
    }
    p.setPen(Qt::black);
    p.setFont(picture.bold);
    writeText(p, picture.headingAt, picture.heading, picture.headingGlyphs);
    p.setPen(picture.checkColour);
    writeText(p, picture.checkAt, picture.check, picture.checkGlyphs);
    if (!picture.legend.isEmpty()) {
        p.setPen(Qt::black);
        p.setFont(picture.font);
        p.drawText(picture.legendAt, picture.legend);
    }
    paintDrawing(p, picture);
    p.restore();
}

void PaintDiagram(QPainter& p, const QRectF& frame, const DiagramView& view, double textPixels) {
    PaintPicture(p, LayOutPicture(view, frame, p.font(), textPixels));
}
