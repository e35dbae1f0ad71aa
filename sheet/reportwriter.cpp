#include "sheet/reportwriter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

QString TextReport::layoutLine(const ReportLine& items) {
    QString line;
    for (const ReportItem& item : items) {
        const int start = qMax(1, item.column) - 1;
        if (line.length() < start)
            line += QString(start - line.length(), ' ');
        else if (!line.isEmpty() && line.length() > start)
            line += ' '; // a column already passed: keep the items apart
        line += item.text;
    }
    while (line.endsWith(' '))
        line.chop(1);
    return line;
}

void TextReport::printLine(const ReportLine& items) {
    m_pages.back() << layoutLine(items);
}

void TextReport::printAt(int, int, const QString& text) {
    QString line = text;
    while (line.endsWith(' '))
        line.chop(1);
    m_pages.back() << line;
}

void TextReport::newPage() {
    m_pages.emplace_back();
}

QString TextReport::text() const {
    QStringList out;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (i > 0)
            out << QStringLiteral("\f");
        out << m_pages[i];
    }
    return out.join('\n') + '\n';
}

PrinterReport::PrinterReport(QPrinter& printer) : m_printer(printer) {
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer))
        m_painter.reset();
    else
        setFontSize(12);
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

void PrinterReport::setFontSize(int points) {
    if (!isActive())
        return;
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(points);
    m_painter->setFont(font);
}

void PrinterReport::setCurrentY(int value) {
    m_y = twips(value);
}

void PrinterReport::printLine(const ReportLine& items) {
    if (!isActive())
        return;
    // A line wider than the page (the large title) is set in a smaller size so that
    // nothing falls off the paper; columns stay in proportion within the line.
    const QFont pageFont = m_painter->font();
    QFont font = pageFont;
    const int characters = TextReport::layoutLine(items).length();
    const double pageWidth = m_painter->viewport().width();
    while (font.pointSize() > 6 &&
           QFontMetricsF(font, &m_printer).horizontalAdvance(QLatin1Char('0')) * characters >
               pageWidth)
        font.setPointSize(font.pointSize() - 1);
    m_painter->setFont(font);
    const QFontMetricsF metrics(font, &m_printer);
    const double column = metrics.horizontalAdvance(QLatin1Char('0'));
    double x = 0;
    for (const ReportItem& item : items) {
        const double wanted = (qMax(1, item.column) - 1) * column;
        x = qMax(x, wanted);
        m_painter->drawText(QPointF(x, m_y + metrics.ascent()), item.text);
        x += metrics.horizontalAdvance(item.text);
    }
    m_y += QFontMetricsF(pageFont, &m_printer).lineSpacing();
    m_painter->setFont(pageFont);
}

void PrinterReport::printAt(int xTwips, int yTwips, const QString& text) {
    if (!isActive())
        return;
    const QFontMetricsF metrics(m_painter->font(), &m_printer);
    m_painter->drawText(QPointF(twips(xTwips), twips(yTwips) + metrics.ascent()), text);
}

void PrinterReport::newPage() {
    if (isActive() && m_printer.newPage())
        ++m_page;
    m_y = 0;
}

bool PrinterReport::endDoc() {
    if (!isActive())
        return false;
    return m_painter->end();
}
