#include "sheetwindow/reportprint.h"

#include "sheet/numbers.h"
#include "sheetwindow/dialogs.h"
#include "sheetwindow/printer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

namespace {

// A report of 100 rows with its diagrams takes a few dozen pages; anything far larger is
// not one.
constexpr qint64 kMaxPdfBytes = 64 * 1024 * 1024;

QFont fontOf(ItemStyle style, double fit) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(StyleSize(style) * fit);
    font.setBold(style == ItemStyle::Title || style == ItemStyle::Heading ||
                 style == ItemStyle::TableHead || style == ItemStyle::PageHeadBold);
    return font;
}

int integerLength(const QString& text) {
    const int comma = int(text.indexOf(','));
    return comma < 0 ? int(text.length()) : comma;
}

// An image path as the layout gives it: as it is, or beside the program.
QString resolved(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path) || QDir::isAbsolutePath(path))
        return path;
    return QDir(QCoreApplication::applicationDirPath()).filePath(path);
}

// A PDF text string: UTF-16 with its byte order mark, in hexadecimal.
QByteArray pdfText(const QString& text) {
    QByteArray bytes("\xFE\xFF", 2);
    for (QChar c : text) {
        bytes += char(c.unicode() >> 8);
        bytes += char(c.unicode() & 0xFF);
    }
    return '<' + bytes.toHex().toUpper() + '>';
}

QString printerFault() {
    return QStringLiteral("La stampa non è riuscita: la stampante non è disponibile o ha "
                          "segnalato un errore.");
}

QString creator() {
    const auto& id = ModPonteluma::identity();
    return id.product + " " + id.version;
}

} // namespace

void SetPaper(QPrinter& printer, const PageFormat& format) {
    printer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), format.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

bool PaintPages(QPainter& painter, QPrinter& printer, const std::vector<LaidOutPage>& pages,
                const PageFormat& format, const FramePainter& frames) {
    // Points to device units; a printer whose printable area is smaller than the layout's
    // gets the whole page a little smaller, never cut.
    const QRectF area = painter.viewport();
    const double perPoint = printer.resolution() / 72.0;
    const double fit = std::min({1.0, area.width() / (format.width * perPoint),
                                 area.height() / (format.height * perPoint)});
    const double scale = perPoint * fit;
    const double cell = format.cell() * scale;
    const double right = format.width * scale;

    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage())
            return false;
        for (const PageItem& item : pages[p].items) {
            const double top = item.y * scale;
            switch (item.kind) {
            case PageItem::Rule: {
                QPen pen(item.thin ? QColor(0xB0, 0xB0, 0xB0) : Qt::black);
                pen.setWidthF((item.thin ? 0.4 : 0.8) * scale);
                painter.setPen(pen);
                painter.drawLine(QPointF(item.column * cell, top),
                                 QPointF((item.column + item.width) * cell, top));
                break;
            }
            case PageItem::Image: {
                const QImage image(resolved(item.text));
                if (image.isNull())
                    break;
                const QRectF box(item.column * cell, top, item.width * cell, item.height * scale);
                QSizeF size = image.size();
                size.scale(box.size(), Qt::KeepAspectRatio);
                const QRectF target(box.topLeft(), size);
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawImage(target, image);
                break;
            }
            case PageItem::Frame: {
                const QRectF box(item.column * cell, top, item.width * cell, item.height * scale);
                if (frames) {
                    painter.save();
                    frames(painter, box, item.id);
                    painter.restore();
                }
                break;
            }
            case PageItem::Text: {
                QFont font = fontOf(item.style, fit);
                painter.setFont(font);
                QFontMetricsF metrics(font, &printer);
                double width = metrics.horizontalAdvance(item.text);
                double x = item.column * cell;
                if (item.align == ItemAlign::Right)
                    x = (item.column + 1) * cell - width;
                else if (item.align == ItemAlign::Decimal)
                    x = (item.column + 1) * cell -
                        metrics.horizontalAdvance(item.text.left(integerLength(item.text)));
                // A line of text longer than the page is set smaller rather than cut.
                if (item.align == ItemAlign::Left && x + width > right && width > 0) {
                    font.setPointSizeF(font.pointSizeF() * (right - x) / width);
                    painter.setFont(font);
                    metrics = QFontMetricsF(font, &printer);
                }
                const double height = item.height * scale;
                const double baseline = top + (height - metrics.height()) / 2 + metrics.ascent();
                painter.setPen(Qt::black);
                painter.drawText(QPointF(x, baseline), item.text);
                break;
            }
            }
        }
    }
    return true;
}

QByteArray WithPdfInformation(const QByteArray& pdf, const QString& title, const QString& author,
                              const QString& subject, const QString& creator) {
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (trailer < 0 || startxref < trailer)
        return pdf;
    const QString tail = QString::fromLatin1(pdf.mid(trailer, startxref - trailer));
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(tail);
    const QRegularExpressionMatch root =
        QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(tail);
    bool ok = false;
    const qint64 previous =
        pdf.mid(startxref + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!size.hasMatch() || !root.hasMatch() || !ok)
        return pdf;
    const int object = size.captured(1).toInt();
    QByteArray out = pdf;
    if (!out.endsWith('\n'))
        out += '\n';
    const qint64 offset = out.size();
    out += QByteArray::number(object) + " 0 obj\n<<\n";
    out += "/Title " + pdfText(title) + "\n";
    if (!author.isEmpty())
        out += "/Author " + pdfText(author) + "\n";
    out += "/Subject " + pdfText(subject) + "\n";
    out += "/Creator " + pdfText(creator) + "\n";
    out += "/Producer " + pdfText(creator) + "\n";
    out += "/CreationDate (D:" +
           QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1() +
           "Z)\n";
    out += ">>\nendobj\n";
    const qint64 xref = out.size();
    out += "xref\n" + QByteArray::number(object) + " 1\n";
    out += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n\r\n";
    out += "trailer\n<<\n/Size " + QByteArray::number(object + 1) + "\n/Root " +
           root.captured(1).toLatin1() + "\n/Info " + QByteArray::number(object) + " 0 R\n/Prev " +
           QByteArray::number(previous) + "\n>>\nstartxref\n" + QByteArray::number(xref) +
           "\n%%EOF\n";
    return out;
}

namespace {

// Lays the document out and draws it on the printer; false when the printer failed.
bool printDocument(QPrinter& printer, const PageDocument& doc, const PageFormat& format,
                   const FramePainter& frames) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool drawn = PaintPages(painter, printer, LayOutPages(doc, format), format, frames);
    return painter.end() && drawn;
}

bool addInformation(const FilePath& path, const PageDocument& doc, QString* problem) {
    QByteArray bytes;
    if (!ReadWholeFile(path, kMaxPdfBytes, &bytes, problem))
        return false;
    return WriteWholeFile(
        path, WithPdfInformation(bytes, doc.title, doc.author, doc.subject, creator()), problem);
}

} // namespace

bool PrintCalculationReport(const Document& document, bool diagrams, const FramePainter& frames) {
    const QString title = ModPonteluma::texts().checkTitle;
    const PageDocument doc = CalculationReport(
        document, HeadingOf(document, LoadStudioHeading(), ReportDate()), diagrams);
    const PageFormat format = FormatFor(doc);
    QPrinter printer(QPrinter::HighResolution);
    SetPaper(printer, format);
    printer.setDocName(doc.title);
    printer.setCreator(creator());
    ProposePdfName(printer, document.file().shown);
    if (!dialogs().choosePrinter(printer))
        return false;
    if (!printDocument(printer, doc, format, frames)) {
        MsgBox(printerFault(), Icon::Stop, title);
        return false;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        QString problem;
        if (!addInformation(printer.outputFileName(), doc, &problem)) {
            MsgBox(printerFault(), Icon::Stop, title);
            return false;
        }
    }
    return true;
}

bool WriteCalculationPdf(const Document& document, const PageHeading& heading, bool diagrams,
                         const FilePath& pdfPath, QString* problem, const FramePainter& frames) {
    const QString notRegular = NotRegularFile(pdfPath);
    if (!notRegular.isEmpty()) {
        if (problem)
            *problem = notRegular;
        return false;
    }
    const PageDocument doc = CalculationReport(document, heading, diagrams);
    const PageFormat format = FormatFor(doc);
    // The printer writes to a name of its own and reports no write error: it draws into a
    // scratch file beside the target, checked whole before it replaces the target as an
    // archive does. One left by a killed run goes with the next write of the same target.
    ScratchFile scratch(pdfPath);
    if (!scratch.isOpen()) {
        if (problem)
            *problem = scratch.problem();
        return false;
    }
    bool drawn = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(scratch.fileName());
        SetPaper(printer, format);
        printer.setDocName(doc.title);
        printer.setCreator(creator());
        drawn = printDocument(printer, doc, format, frames);
    }
    QByteArray bytes;
    if (!drawn || !ReadWholeFile(scratch.path(), kMaxPdfBytes, &bytes, nullptr) ||
        !bytes.trimmed().endsWith("%%EOF")) {
        if (problem)
            *problem = QStringLiteral("non è possibile completare il file PDF");
        return false;
    }
    return WriteWholeFile(
        pdfPath, WithPdfInformation(bytes, doc.title, doc.author, doc.subject, creator()), problem);
}
