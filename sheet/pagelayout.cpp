#include "sheet/pagelayout.h"

#include <algorithm>

namespace {

// A4 in points, margins of 15 mm.
constexpr double kA4Width = 595.276;
constexpr double kA4Height = 841.89;
constexpr double kMargin = 42.52;

constexpr int kHeadingLines = 5;
constexpr int kLogoCells = 11; // the logo's width, and where the heading's text starts
constexpr double kBlockGap = 6;
constexpr int kSignatureCells = 34;

int integerLength(const QString& text) {
    const int comma = int(text.indexOf(','));
    return comma < 0 ? int(text.length()) : comma;
}

QString elided(const QString& text, int cells) {
    if (cells <= 0)
        return QString();
    if (text.length() <= cells)
        return text;
    return text.left(cells - 1) + QChar(0x2026);
}

// Words of the text on lines of at most `width` characters; a word longer than the line
// is cut. Line breaks in the text are kept.
QStringList wrapped(const QString& text, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split('\n')) {
        QString line;
        for (QString word : paragraph.split(' ', Qt::SkipEmptyParts)) {
            while (word.length() > width) {
                if (!line.isEmpty()) {
                    lines << line;
                    line.clear();
                }
                lines << word.left(width);
                word = word.mid(width);
            }
            if (line.isEmpty())
                line = word;
            else if (line.length() + 1 + word.length() <= width)
                line += ' ' + word;
            else {
                lines << line;
                line = word;
            }
        }
        lines << line;
    }
    return lines;
}

// Head lines of a column: a caption of two words or more goes on two lines.
struct SizedColumn {
    int start = 0; // first cell, the gap included
    int width = 0;
    int gap = 0;
    int fraction = 0; // characters after the units digit, the comma included
    int end() const { return start + width - 1; }
    int anchor() const { return end() - fraction; }
};

std::vector<SizedColumn> sizeColumns(const DocTable& table) {
    std::vector<SizedColumn> sized(table.columns.size());
    int start = 0;
    for (size_t c = 0; c < table.columns.size(); ++c) {
        const DocTableColumn& column = table.columns[c];
        int integer = 0, fraction = 0, text = 0;
        for (const DocTableRow& row : table.rows) {
            if (!row.note.isEmpty() && int(c) >= row.noteFrom)
                continue;
            const QString cell = row.cells.value(int(c));
            if (column.numeric) {
                integer = std::max(integer, integerLength(cell));
                fraction = std::max(fraction, int(cell.length()) - integerLength(cell));
            } else {
                text = std::max(text, int(cell.length()));
            }
        }
        int content = std::max(integer + fraction, text);
        for (const QString& head : column.heads)
            content = std::max(content, int(head.length()));
        content = std::max(content, int(column.unit.length()));
        SizedColumn& s = sized[c];
        s.gap = c == 0 ? 1 : 2;
        s.start = start;
        s.width = s.gap + content;
        s.fraction = fraction;
        start += s.width;
    }
    return sized;
}

int headLines(const DocTable& table) {
    int lines = 0;
    for (const DocTableColumn& column : table.columns)
        lines = std::max(lines, int(column.heads.size()));
    return lines;
}

// The columns of a table in pieces that fit the page, the key columns in each.
std::vector<DocTable> splitToFit(const DocTable& table, int columns) {
    if (TableWidth(table) <= columns || int(table.columns.size()) <= table.keyColumns + 1)
        return {table};
    std::vector<DocTable> pieces;
    const int keys = table.keyColumns;
    size_t next = size_t(keys);
    while (next < table.columns.size()) {
        DocTable piece;
        piece.keyColumns = keys;
        std::vector<size_t> taken;
        for (int k = 0; k < keys; ++k)
            taken.push_back(size_t(k));
        for (; next < table.columns.size(); ++next) {
            std::vector<size_t> trial = taken;
            trial.push_back(next);
            DocTable probe;
            for (size_t c : trial)
                probe.columns.push_back(table.columns[c]);
            probe.rows.clear();
            for (const DocTableRow& row : table.rows) {
                DocTableRow r;
                for (size_t c : trial)
                    r.cells << row.cells.value(int(c));
                probe.rows.push_back(r);
            }
            if (TableWidth(probe) > columns && int(taken.size()) > keys)
                break;
            taken = trial;
        }
        for (size_t c : taken)
            piece.columns.push_back(table.columns[c]);
        for (const DocTableRow& row : table.rows) {
            DocTableRow r;
            for (size_t c : taken)
                r.cells << row.cells.value(int(c));
            if (!row.note.isEmpty()) {
                r.note = row.note;
                r.noteFrom = keys;
                if (pieces.empty() && row.noteFrom < int(taken.size()))
                    r.noteFrom = row.noteFrom;
            }
            piece.rows.push_back(r);
        }
        pieces.push_back(piece);
    }
    return pieces;
}

class Composer {
public:
    Composer(const PageDocument& document, const PageFormat& format)
        : m_document(document), m_format(format) {
        newPage();
    }

    void block(const DocBlock& block) {
        switch (block.kind) {
        case DocBlock::Title:
            for (const QString& line : wrapped(block.text, m_format.columns * 2 / 3))
                textLine(line, ItemStyle::Title);
            break;
        case DocBlock::Heading:
            // Kept with what follows: a few lines, or the heads and first rows of a table.
            ensure(LineHeight(ItemStyle::Heading) + 7 * LineHeight(ItemStyle::Body));
            for (const QString& line : wrapped(block.text, m_format.columns * 9 / 10))
                textLine(line, ItemStyle::Heading);
            break;
        case DocBlock::Paragraph:
            // A proportional letter is about as wide as a cell; a little room is kept.
            for (const QString& line : wrapped(block.text, m_format.columns - 4))
                textLine(line, ItemStyle::Body);
            break;
        case DocBlock::Lines:
            lines(block.lines);
            break;
        case DocBlock::Figure:
            figure(block);
            break;
        case DocBlock::Table:
            for (const DocTable& piece : splitToFit(block.table, m_format.columns))
                table(piece);
            break;
        case DocBlock::Frames:
            frames(block);
            break;
        case DocBlock::Signature:
            signature(block);
            break;
        }
        m_line += 1;
        m_y += kBlockGap;
    }

    std::vector<LaidOutPage> finish() {
        const int total = int(m_pages.size());
        for (int p = 0; p < total; ++p) {
            PageItem number;
            number.line = 0;
            number.column = m_format.columns - 1;
            number.align = ItemAlign::Right;
            number.style = ItemStyle::PageHeadBold;
            number.height = LineHeight(ItemStyle::PageHead);
            number.text = "pagina " + QString::number(p + 1) + " di " + QString::number(total);
            m_pages[size_t(p)].items.push_back(number);
        }
        return m_pages;
    }

private:
    PageItem text(int column, const QString& text, ItemStyle style,
                  ItemAlign align = ItemAlign::Left) const {
        PageItem item;
        item.line = m_line;
        item.column = column;
        item.y = m_y;
        item.height = LineHeight(style);
        item.style = style;
        item.align = align;
        item.text = text;
        return item;
    }
    void add(const PageItem& item) { m_pages.back().items.push_back(item); }
    void rule(int from, int width, bool thin) {
        PageItem item;
        item.kind = PageItem::Rule;
        item.line = m_line;
        item.column = from;
        item.width = width;
        item.y = m_y;
        item.thin = thin;
        add(item);
    }
    void textLine(const QString& line, ItemStyle style, int column = 0) {
        ensure(LineHeight(style));
        if (!line.isEmpty())
            add(text(column, line, style));
        advance(style);
    }
    void advance(ItemStyle style) {
        m_y += LineHeight(style);
        ++m_line;
    }
    void ensure(double height) {
        if (m_y + height > m_format.height && m_y > m_bodyTop)
            newPage();
    }

    void newPage() {
        m_pages.emplace_back();
        m_line = 0;
        m_y = 0;
        const PageHeading& h = m_document.heading;
        const int first = h.logo.isEmpty() ? 0 : kLogoCells;
        if (!h.logo.isEmpty()) {
            PageItem logo;
            logo.kind = PageItem::Image;
            logo.column = 0;
            logo.width = kLogoCells - 1;
            logo.height = (kHeadingLines - 1) * LineHeight(ItemStyle::PageHead);
            logo.text = h.logo;
            logo.line = -1; // no line of its own in the text pages
            add(logo);
        }
        const QString page = "pagina 000 di 000";
        auto pair = [&](const QString& left, const QString& right, ItemStyle leftStyle) {
            const int room = m_format.columns - first - 2 -
                             int(std::max(right.length(), m_line == 0 ? page.length() : 0));
            if (!left.isEmpty())
                add(text(first, elided(left, room), leftStyle));
            if (!right.isEmpty())
                add(text(m_format.columns - 1, right, ItemStyle::PageHead, ItemAlign::Right));
            advance(ItemStyle::PageHead);
        };
        QString who = h.progettista;
        if (!h.albo.isEmpty())
            who += (who.isEmpty() ? "" : " - ") + h.albo;
        pair(h.studio, QString(), ItemStyle::PageHeadBold);
        pair(who, h.date, ItemStyle::PageHead);
        pair(h.indirizzo, h.file.isEmpty() ? QString() : "file " + h.file, ItemStyle::PageHead);
        pair("Opera: " + h.opera, QString(), ItemStyle::PageHead);
        pair("Elemento: " + h.elemento, QString(), ItemStyle::PageHead);
        m_y += 2;
        rule(0, m_format.columns, false);
        m_y += 8;
        ++m_line;
        m_bodyTop = m_y;
    }

    void lines(const QStringList& lines) {
        // "term = text": the terms in a column of their own, the signs one under another.
        int term = 0;
        for (const QString& line : lines) {
            const int sign = int(line.indexOf(" = "));
            if (sign > 0 && sign <= 24)
                term = std::max(term, int(line.left(sign).trimmed().length()));
        }
        for (const QString& line : lines) {
            const int sign = int(line.indexOf(" = "));
            if (sign > 0 && sign <= 24) {
                // A proportional letter may be a little wider than a cell: room to spare.
                const int rest = 2 + term + 3;
                const QStringList parts =
                    wrapped(line.mid(sign + 1).trimmed(), m_format.columns - rest - 4);
                for (int k = 0; k < parts.size(); ++k) {
                    ensure(LineHeight(ItemStyle::Body));
                    if (k == 0)
                        add(text(2, line.left(sign).trimmed(), ItemStyle::Body));
                    add(text(k == 0 ? rest : rest + 2, parts[k], ItemStyle::Body));
                    advance(ItemStyle::Body);
                }
            } else {
                for (const QString& part : wrapped(line, m_format.columns - 6))
                    textLine(part, ItemStyle::Body, 2);
            }
        }
    }

    void figure(const DocBlock& block) {
        ensure(block.height + LineHeight(ItemStyle::Body) * double(1 + block.lines.size()));
        PageItem image;
        image.kind = PageItem::Image;
        image.line = m_line;
        image.column = 2;
        image.width = m_format.columns / 2;
        image.y = m_y;
        image.height = block.height;
        image.text = block.path;
        add(image);
        m_y += block.height;
        ++m_line;
        for (const QString& caption : block.lines)
            textLine(caption, ItemStyle::Body, 2);
    }

    void heads(const DocTable& table, const std::vector<SizedColumn>& sized, int width) {
        rule(0, width, false);
        m_y += 1;
        const int count = headLines(table);
        for (int k = 0; k < count; ++k) {
            for (size_t c = 0; c < table.columns.size(); ++c) {
                const DocTableColumn& column = table.columns[c];
                // Heads sit on the last lines, so one-line heads share the line of the others.
                const int index = k - (count - int(column.heads.size()));
                if (index < 0)
                    continue;
                const QString& head = column.heads[index];
                if (column.numeric)
                    add(text(sized[c].end(), head, ItemStyle::TableHead, ItemAlign::Right));
                else
                    add(text(sized[c].start + sized[c].gap, head, ItemStyle::TableHead));
            }
            advance(ItemStyle::TableHead);
        }
        for (size_t c = 0; c < table.columns.size(); ++c) {
            const DocTableColumn& column = table.columns[c];
            if (column.unit.isEmpty())
                continue;
            if (column.numeric)
                add(text(sized[c].end(), column.unit, ItemStyle::Table, ItemAlign::Right));
            else
                add(text(sized[c].start + sized[c].gap, column.unit, ItemStyle::Table));
        }
        advance(ItemStyle::Table);
        rule(0, width, false);
        m_y += 1;
    }

    void table(const DocTable& table) {
        const std::vector<SizedColumn> sized = sizeColumns(table);
        const int width = sized.empty() ? 0 : sized.back().end() + 1;
        const double row = LineHeight(ItemStyle::Table);
        const double headHeight = (headLines(table) + 1) * LineHeight(ItemStyle::TableHead) + 2;
        ensure(headHeight + 2 * row);
        heads(table, sized, width);
        for (const DocTableRow& r : table.rows) {
            if (m_y + row > m_format.height) {
                rule(0, width, false);
                newPage();
                heads(table, sized, width);
            }
            const int notedFrom = r.note.isEmpty() ? int(table.columns.size()) : r.noteFrom;
            for (int c = 0; c < notedFrom && c < int(table.columns.size()); ++c) {
                const QString cell = r.cells.value(c);
                if (cell.isEmpty())
                    continue;
                const SizedColumn& s = sized[size_t(c)];
                if (!table.columns[size_t(c)].numeric)
                    add(text(s.start + s.gap, cell, ItemStyle::Table));
                else if (cell == "-")
                    add(text(s.anchor(), cell, ItemStyle::Table, ItemAlign::Right));
                else
                    add(text(s.anchor(), cell, ItemStyle::Table, ItemAlign::Decimal));
            }
            if (!r.note.isEmpty() && notedFrom < int(table.columns.size())) {
                const SizedColumn& s = sized[size_t(notedFrom)];
                const int from = s.start + s.gap;
                add(text(from, elided(r.note, std::max(width, m_format.columns) - from),
                         ItemStyle::Table));
            }
            advance(ItemStyle::Table);
            rule(0, width, true);
        }
        rule(0, width, false);
    }

    void frames(const DocBlock& block) {
        // The frames begin a page of their own under their title, two to a page.
        if (m_y > m_bodyTop)
            newPage();
        textLine(block.text, ItemStyle::Heading);
        const double gap = LineHeight(ItemStyle::Body);
        const double room = m_format.height - m_y;
        for (size_t k = 0; k < block.ids.size(); ++k) {
            const double height = room / 2;
            ensure(height);
            PageItem frame;
            frame.kind = PageItem::Frame;
            frame.line = m_line;
            frame.column = 0;
            frame.width = m_format.columns;
            frame.y = m_y;
            frame.height = height - gap;
            frame.id = block.ids[k];
            frame.text = block.lines.value(int(k));
            add(frame);
            m_y += height;
            ++m_line;
        }
    }

    void signature(const DocBlock& block) {
        const QString& name = block.text;
        QStringList lead;
        for (const QString& text : block.lines)
            lead << wrapped(text, m_format.columns - 4);
        const double writing = 2.2 * LineHeight(ItemStyle::Body);
        ensure(2 * writing + double(4 + lead.size()) * LineHeight(ItemStyle::Body));
        for (const QString& line : lead)
            textLine(line, ItemStyle::Body);
        // Lines for the judgement written by hand.
        for (int k = 0; k < 2; ++k) {
            m_y += writing;
            rule(0, m_format.columns, true);
            ++m_line;
        }
        m_y += LineHeight(ItemStyle::Body);
        const int column = m_format.columns - kSignatureCells;
        textLine("Il progettista", ItemStyle::Body, column);
        m_y += writing;
        add(text(column, QString(kSignatureCells - 2, '_'), ItemStyle::Body));
        advance(ItemStyle::Body);
        if (!name.isEmpty())
            textLine(name, ItemStyle::Body, column);
    }

    const PageDocument& m_document;
    const PageFormat& m_format;
    std::vector<LaidOutPage> m_pages;
    int m_line = 0;
    double m_y = 0;
    double m_bodyTop = 0;
};

} // namespace

PageFormat A4Format(bool landscape) {
    PageFormat format;
    format.landscape = landscape;
    const double paperWidth = landscape ? kA4Height : kA4Width;
    const double paperHeight = landscape ? kA4Width : kA4Height;
    format.width = paperWidth - 2 * kMargin;
    format.height = paperHeight - 2 * kMargin;
    const double cell = (kA4Width - 2 * kMargin) / kPortraitColumns;
    format.columns = int(format.width / cell + 1e-6);
    return format;
}

double StyleSize(ItemStyle style) {
    switch (style) {
    case ItemStyle::Title:
        return 14;
    case ItemStyle::Heading:
        return 11;
    case ItemStyle::Body:
    case ItemStyle::PageHeadBold:
        return 10;
    case ItemStyle::Table:
    case ItemStyle::TableHead:
    case ItemStyle::PageHead:
        return 9;
    }
    return 10;
}

double LineHeight(ItemStyle style) {
    return StyleSize(style) * (style == ItemStyle::Table ? 1.5 : 1.3);
}

int TableWidth(const DocTable& table) {
    const std::vector<SizedColumn> sized = sizeColumns(table);
    return sized.empty() ? 0 : sized.back().end() + 1;
}

PageFormat FormatFor(const PageDocument& document) {
    const PageFormat portrait = A4Format(false);
    for (const DocBlock& block : document.blocks) {
        if (block.kind == DocBlock::Table && TableWidth(block.table) > portrait.columns)
            return A4Format(true);
    }
    return portrait;
}

std::vector<LaidOutPage> LayOutPages(const PageDocument& document, const PageFormat& format) {
    Composer composer(document, format);
    for (const DocBlock& block : document.blocks)
        composer.block(block);
    return composer.finish();
}

QStringList PageLines(const LaidOutPage& page) {
    QStringList lines;
    for (const PageItem& item : page.items) {
        if (item.kind == PageItem::Rule || item.line < 0)
            continue;
        while (lines.size() <= item.line)
            lines << QString();
        QString shown = item.text;
        if (item.kind == PageItem::Image)
            shown = "[figura: " + item.text.section('/', -1) + "]";
        else if (item.kind == PageItem::Frame)
            shown = "[" + item.text + "]";
        int start = item.column;
        if (item.kind == PageItem::Text && item.align == ItemAlign::Right)
            start = item.column - int(shown.length()) + 1;
        else if (item.kind == PageItem::Text && item.align == ItemAlign::Decimal)
            start = item.column - integerLength(shown) + 1;
        start = std::max(0, start);
        QString& line = lines[item.line];
        if (line.length() < start)
            line += QString(start - line.length(), ' ');
        else if (line.length() > start) {
            // Only blanks may be covered; an item that would overwrite text goes after it.
            const QString covered = line.mid(start);
            if (!covered.trimmed().isEmpty()) {
                line += ' ' + shown;
                continue;
            }
            line.truncate(start);
        }
        line += shown;
    }
    for (QString& line : lines) {
        while (line.endsWith(' '))
            line.chop(1);
    }
    return lines;
}

QString PagesText(const std::vector<LaidOutPage>& pages) {
    QStringList out;
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            out << QStringLiteral("\f");
        out << PageLines(pages[p]);
    }
    return out.join('\n') + '\n';
}
