#include "sheetwindow/printer.h"

#include "sheet/numbers.h"
#include "sheet/safefile.h"
#include "sheetwindow/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <map>

namespace {

// A report of 100 rows takes a few pages; anything far larger is not one.
constexpr qint64 kMaxPdfBytes = 64 * 1024 * 1024;

// Whether the PDF ends as a complete one does: its last "startxref" gives the place of
// its cross-reference table and "%%EOF" closes it. A file cut short by a full disk lacks
// that tail.
bool CompletePdf(const QByteArray& bytes) {
    if (!bytes.startsWith("%PDF-") || !bytes.trimmed().endsWith("%%EOF"))
        return false;
    const qsizetype start = bytes.lastIndexOf("startxref");
    if (start < 0)
        return false;
    bool ok = false;
    const qint64 offset =
        bytes.mid(start + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    return ok && offset > 0 && offset < start && bytes.mid(offset, 4) == "xref";
}

QString printerFault() {
    return QStringLiteral("La stampa non è riuscita: la stampante non è disponibile o ha "
                          "segnalato un errore.");
}

} // namespace

PrinterReport::PrinterReport(QPrinter& printer) : m_printer(printer) {
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer))
        m_painter.reset();
}

PrinterReport::~PrinterReport() {
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

bool PrinterReport::isActive() const {
    return m_painter && m_painter->isActive();
}

double PrinterReport::twips(int value) const {
    return value * m_printer.resolution() / 1440.0;
}

QFont PrinterReport::fontOf(int points) const {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(points);
    return font;
}

void PrinterReport::setFontSize(int points) {
    m_operations.push_back({Operation::Size, points, 0, {}});
}

void PrinterReport::setCurrentY(int value) {
    m_operations.push_back({Operation::Y, value, 0, {}});
}

void PrinterReport::printLine(const ReportLine& items) {
    m_operations.push_back({Operation::Line, 0, 0, items});
}

void PrinterReport::printAt(int xTwips, int yTwips, const QString& text) {
    m_operations.push_back({Operation::At, yTwips, xTwips, {{1, text}}});
}

void PrinterReport::newPage() {
    m_operations.push_back({Operation::Page, 0, 0, {}});
    ++m_page;
}

bool PrinterReport::endDoc() {
    if (!isActive())
        return false;
    // The widest line of each size decides the size it is drawn in.
    std::map<int, int> widest; // requested size -> characters
    int size = 12;
    for (const Operation& op : m_operations) {
        if (op.kind == Operation::Size)
            size = op.value;
        else if (op.kind == Operation::Line)
            widest[size] = qMax(widest[size], int(TextReport::layoutLine(op.items).length()));
    }
    const double pageWidth = m_painter->viewport().width();
    std::map<int, QFont> drawn;
    for (const auto& [points, characters] : widest) {
        QFont font = fontOf(points);
        while (font.pointSize() > 5 &&
               QFontMetricsF(font, &m_printer).horizontalAdvance('0') * characters > pageWidth)
            font.setPointSize(font.pointSize() - 1);
        drawn[points] = font;
    }

    size = 12;
    double y = 0;
    for (const Operation& op : m_operations) {
        switch (op.kind) {
        case Operation::Size:
            size = op.value;
            break;
        case Operation::Y:
            y = twips(op.value);
            break;
        case Operation::Page:
            if (!m_printer.newPage())
                return false;
            y = 0;
            break;
        case Operation::At: {
            const QFont font = fontOf(size);
            m_painter->setFont(font);
            m_painter->drawText(
                QPointF(twips(op.x), twips(op.value) + QFontMetricsF(font, &m_printer).ascent()),
                op.items.front().text);
            break;
        }
        case Operation::Line: {
            const QFont font = drawn.count(size) ? drawn[size] : fontOf(size);
            m_painter->setFont(font);
            const QFontMetricsF metrics(font, &m_printer);
            const double column = metrics.horizontalAdvance(QLatin1Char('0'));
            double x = 0;
            for (const ReportItem& item : op.items) {
                x = qMax(x, (qMax(1, item.column) - 1) * column);
                m_painter->drawText(QPointF(x, y + metrics.ascent()), item.text);
                x += metrics.horizontalAdvance(item.text);
            }
            // Lines keep the spacing of the size asked for, so pages break as laid out.
            y += QFontMetricsF(fontOf(size), &m_printer).lineSpacing();
            break;
        }
        }
    }
    if (m_extraPages && !m_extraPages(*m_painter, m_printer))
        return false;
    return m_painter->end();
}

void ProposePdfName(QPrinter& printer, const QString& archive) {
    if (archive.isEmpty())
        return;
    const QFileInfo info(archive);
    const QString name =
        info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName();
    printer.setDocName(name);
    // The dialog proposes a file in the working folder from the document's name; a printer
    // given a file name proposes that one, but then prints to the file first: it is given
    // one only when there is no printer to print on.
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(info.dir().filePath(name + QStringLiteral(".pdf")));
}

bool PrintReport(const Document& document, const ExtraPages& extraPages) {
    const SheetParams& params = document.params();
    const QString title = ModPonteluma::texts().checkTitle;
    if (!ReportAvailable(params)) {
        MsgBox(QStringLiteral("La stampa dei dati di questa finestra non è ancora disponibile."),
               Icon::Stop, title);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    ProposePdfName(printer, document.file().shown);
    if (!dialogs().choosePrinter(printer))
        return false;
    PrinterReport report(printer);
    report.setExtraPages(extraPages);
    if (!report.isActive() || !ComposeReport(params, document.sheet(), document.typologyName(),
                                             document.methodName(), report)) {
        MsgBox(printerFault(), Icon::Stop, title);
        return false;
    }
    return true;
}

bool WriteReportPdf(const Document& document, const FilePath& pdfPath, QString* problem,
                    const ExtraPages& extraPages) {
    const SheetParams& params = document.params();
    if (!ReportAvailable(params)) {
        if (problem)
            *problem = QStringLiteral("la stampa dei dati di questa finestra non è ancora "
                                      "disponibile");
        return false;
    }
    return WriteComposedPdf(pdfPath, problem, [&](PrinterReport& report) {
        report.setExtraPages(extraPages);
        return ComposeReport(params, document.sheet(), document.typologyName(),
                             document.methodName(), report);
    });
}

bool WriteComposedPdf(const FilePath& pdfPath, QString* problem,
                      const std::function<bool(PrinterReport&)>& compose) {
    // The printer writes to a name of its own and reports no write error: it draws into a
    // scratch file beside the target, checked whole before it replaces the target as an
    // archive does. One left by a killed run goes with the next write of the same target.
    ScratchFile scratch(pdfPath);
    if (!scratch.isOpen()) {
        if (problem)
            *problem = scratch.problem();
        return false;
    }
    bool composed = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(scratch.fileName());
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        PrinterReport report(printer);
        composed = report.isActive() && compose(report);
    }
    QByteArray bytes;
    if (!composed || !ReadWholeFile(scratch.path(), kMaxPdfBytes, &bytes, nullptr) ||
        !CompletePdf(bytes)) {
        if (problem)
            *problem = QStringLiteral("non è possibile completare il file PDF");
        return false;
    }
    return WriteWholeFile(pdfPath, bytes, problem);
}
