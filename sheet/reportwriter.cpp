#include "sheet/reportwriter.h"

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
