#include "sheetwindow/diagramprint.h"

#include "sheet/params.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

namespace {

constexpr int kRowsPerPage = 2;
// The SVG drawing, in its own units.
constexpr int kSvgWidth = 960;
constexpr int kSvgHeight = 600;

QString pagesTitle(const QString& typologyName) {
    return "PONTELUMA - diagrammi del taglio e del momento (tipologia: " + typologyName + ")";
}

} // namespace

ExtraPages DiagramPages(const Document& document) {
    return [&document](QPainter& painter, QPrinter& printer) {
        const SheetParams& params = document.params();
        const Sheet& sheet = document.sheet();
        const int typology = document.typology();
        const QString typologyName = document.typologyName();
        int onPage = kRowsPerPage; // the report's last page is full
        const QRectF page = painter.viewport();
        const double titleHeight = page.height() / 30;
        const double slot = (page.height() - titleHeight) / kRowsPerPage;
        for (int row = 1; row <= sheet.n(); ++row) {
            const DiagramView view =
                ViewOfRow(params, sheet, typology, typologyName, row, document.settings());
            if (!view.diagram)
                continue;
            if (onPage == kRowsPerPage) {
                if (!printer.newPage())
                    return false;
                onPage = 0;
                // The report leaves its typewriter font: the diagrams are set like the panel.
                QFont font;
                font.setBold(true);
                font.setPixelSize(int(titleHeight * 0.5));
                while (font.pixelSize() > 4 &&
                       QFontMetricsF(font, painter.device())
                               .horizontalAdvance(pagesTitle(typologyName)) > page.width())
                    font.setPixelSize(font.pixelSize() - 1);
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter, pagesTitle(typologyName));
            }
            const QRectF frame(page.left(), page.top() + titleHeight + onPage * slot, page.width(),
                               slot * 0.96);
            painter.setFont(QFont());
            PaintDiagram(painter, frame, view);
            ++onPage;
        }
        return true;
    };
}

QByteArray DiagramSvg(const DiagramView& view) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kSvgWidth, kSvgHeight));
    svg.setViewBox(QRect(0, 0, kSvgWidth, kSvgHeight));
    svg.setTitle(DiagramHeading(view));
    svg.setDescription(view.diagram ? DiagramLegend(view.diagram->units)
                                    : DiagramLegend(Units::Tecniche));
    {
        QPainter painter(&svg);
        painter.fillRect(QRect(0, 0, kSvgWidth, kSvgHeight), Qt::white);
        PaintDiagram(painter, QRectF(0, 0, kSvgWidth, kSvgHeight), view);
    }
    return buffer.data();
}

bool WriteDiagramSvg(const DiagramView& view, const FilePath& path, QString* problem) {
    const QString notRegular = NotRegularFile(path);
    if (!notRegular.isEmpty()) {
        if (problem)
            *problem = notRegular;
        return false;
    }
    return WriteWholeFile(path, DiagramSvg(view), problem);
}
