#include "sheet/dossier.h"

#include "sheet/numbers.h"
#include "sheet/safefile.h"

#include <QDateTime>
#include <QDir>
#include <QSysInfo>
#include <cmath>
#include <set>

namespace {

// Places on the page, in twips, as the report sets them.
constexpr int kHeaderY = 300;
constexpr int kTop = 900;
constexpr int kFooterY = 15000;
constexpr int kFooterX = 7600;
constexpr int kBottom = kFooterY - 300;
constexpr double kLineTwipsPerPoint = 25.2;

constexpr int kTitleSize = 18;
constexpr int kChapterSize = 14;
constexpr int kTextSize = 10;
constexpr int kSmallSize = 8;
// Characters of a line of text at kTextSize across the page.
constexpr int kWidth = 86;

constexpr qint64 kMaxChapterBytes = 512 * 1024;

struct Line {
    int size = kTextSize;
    QString text;
};
// Lines kept on one page when they fit on an empty one (a case, a heading and its first
// lines); a chapter opens a page of its own.
struct Block {
    std::vector<Line> lines;
    bool newPage = false;
    QString contentsEntry; // the line of the contents that names its page
};

double heightOf(int size) {
    return size * kLineTwipsPerPoint;
}
double heightOf(const std::vector<Line>& lines) {
    double height = 0;
    for (const Line& line : lines)
        height += heightOf(line.size);
    return height;
}

// The words of a paragraph in lines of at most kWidth characters after the indent; the
// lines after the first go `hanging` further in (the items of a list).
QStringList wrap(const QString& text, int indent, int hanging = 0) {
    QStringList lines;
    QString line;
    const auto pad = [&] { return QString(indent + (lines.isEmpty() ? 0 : hanging), ' '); };
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && pad().length() + line.length() + 1 + word.length() > kWidth) {
            lines << pad() + line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << pad() + line;
    return lines;
}

void addText(Block& block, const QString& text, int indent = 0, int hanging = 0) {
    for (const QString& line : wrap(text, indent, hanging))
        block.lines.push_back({kTextSize, line});
}

QString readText(const QString& folder, const QString& name) {
    QByteArray bytes;
    QString problem;
    if (!ReadWholeFile(FilePath(QDir(folder).filePath(name)), kMaxChapterBytes, &bytes, &problem))
        return QString();
    return QString::fromUtf8(bytes);
}

// A chapter text: "## Title" opens a section, a blank line ends a paragraph, a line that
// begins with two blanks is kept as it is (tables, formulas).
std::vector<Block> chapterText(const QString& text) {
    std::vector<Block> blocks;
    Block current;
    QString paragraph;
    const auto flushParagraph = [&] {
        if (!paragraph.isEmpty())
            addText(current, paragraph);
        paragraph.clear();
    };
    const auto flushBlock = [&] {
        flushParagraph();
        if (!current.lines.empty())
            blocks.push_back(current);
        current = Block();
    };
    for (QString line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith(QLatin1String("## "))) {
            flushBlock();
            current.lines.push_back({kTextSize, line.mid(3).toUpper()});
            current.lines.push_back({kTextSize, QString()});
        } else if (line.trimmed().isEmpty()) {
            flushParagraph();
            if (!current.lines.empty() && !current.lines.back().text.isEmpty())
                current.lines.push_back({kTextSize, QString()});
        } else if (line.startsWith(QLatin1String("  "))) {
            flushParagraph();
            current.lines.push_back({kTextSize, line});
        } else {
            paragraph += (paragraph.isEmpty() ? QString() : QStringLiteral(" ")) + line.trimmed();
        }
    }
    flushBlock();
    return blocks;
}

QString padded(const QString& text, int width) {
    return text.leftJustified(width, ' ');
}

// obtained − expected, as the window would show it; "-" when either is not a number.
QString difference(const ValidationCheck& check) {
    double want = 0, got = 0;
    if (!ValidationNumber(check.expected.value, &want) || !ValidationNumber(check.obtained, &got))
        return QStringLiteral("-");
    const double d = std::round((got - want) * 10) / 10;
    QString text = QString::number(d == 0 ? 0.0 : d, 'f', d == std::round(d) ? 0 : 1);
    return text.replace('.', ',');
}

QString verdict(const ValidationResult& result) {
    if (!result.problem.isEmpty())
        return "non eseguito (" + result.problem + ")";
    return result.conforms() ? QStringLiteral("conforme") : QStringLiteral("non conforme");
}

QString typologyName(const ValidationResult& result) {
    if (!result.params)
        return QString();
    return result.params->typologies.value(result.item.typology - 1);
}

Block caseBlock(const ValidationResult& result) {
    const ValidationCase& item = result.item;
    Block block;
    block.lines.push_back({kTextSize, "Caso " + item.id + " - " + item.window + ", tipologia " +
                                          QString::number(item.typology) + " \"" +
                                          typologyName(result) + "\"" +
                                          (item.source.isEmpty() ? QString() : " (confronto)")});
    addText(block, item.title, 2);
    if (!item.source.isEmpty())
        addText(block, "Fonte: " + item.source, 2, 7);
    if (!item.option.isEmpty())
        addText(block, "Metodo: " + result.method + " (opzione " + item.option + ")", 2);
    addText(block, "Archivio: validazione/" + item.archive, 2);
    for (size_t row = 0; row < result.data.size(); ++row) {
        QStringList fields;
        for (int c = 0; c < result.dataHeads.size(); ++c) {
            const QString datum = result.data[row].value(c);
            if (!datum.isEmpty())
                fields << result.dataHeads[c] + " " + datum;
        }
        addText(block, "Dati, riga " + QString::number(row + 1) + ": " + fields.join(", "), 2, 4);
    }
    block.lines.push_back({kTextSize, QStringLiteral("  Soluzione:")});
    for (const QString& line : item.solution)
        addText(block, line, 4);
    block.lines.push_back({kTextSize, QStringLiteral("  Risultati:")});
    block.lines.push_back({kTextSize, "    " + padded("riga", 6) + padded("grandezza", 11) +
                                          padded("atteso", 16) + padded("programma", 12) +
                                          padded("differenza", 12) + "esito"});
    for (const ValidationCheck& check : result.checks) {
        const ValidationExpected& e = check.expected;
        const QString expected =
            e.value + (e.tolerance.isEmpty() ? QString() : " ± " + e.tolerance);
        const QString obtained = check.obtained.isEmpty() ? QStringLiteral("-") : check.obtained;
        block.lines.push_back({kTextSize, "    " + padded(QString::number(e.row), 6) +
                                              padded(e.item, 11) + padded(expected, 16) +
                                              padded(obtained, 12) + padded(difference(check), 12) +
                                              (check.conforms ? "conforme" : "NON CONFORME")});
    }
    block.lines.push_back({kTextSize, "  Esito del caso: " + verdict(result)});
    block.lines.push_back({kTextSize, QString()});
    return block;
}

Block chapterHead(const QString& title) {
    Block block;
    block.newPage = true;
    block.contentsEntry = title;
    block.lines.push_back({kChapterSize, title});
    block.lines.push_back({kTextSize, QString()});
    return block;
}

// The field of use of every typology, read from the window's declarations: one line per
// typology with the conditions its data must meet and the line that names each one.
Block fieldBlock(const SheetParams& params) {
    Block block;
    block.lines = {{kTextSize, QStringLiteral("CAMPO DI VALIDITÀ DELLE TIPOLOGIE")},
                   {kTextSize, QString()}};
    addText(block, QStringLiteral("Le condizioni che i dati di una riga devono rispettare "
                                  "perché valgano le formule della tipologia, come la cartella "
                                  "della finestra le dichiara; fra parentesi la riga con cui il "
                                  "suggerimento e il controllo dei dati ne dicono la violazione."));
    block.lines.push_back({kTextSize, QString()});
    for (int typology = 1; typology <= int(params.typologies.size()); ++typology) {
        Sheet sheet = newSheet(params);
        layOut(params, sheet, typology);
        const auto head = [&](int column) {
            const QString text = sheet.dataHead(column).simplified();
            return text.isEmpty() || text == QLatin1String("vedi disegno")
                       ? params.data[size_t(column) - 1].computeHead
                       : text;
        };
        QStringList conditions;
        if (params.field) {
            for (const FieldRule& rule : params.field(typology)) {
                QString condition = head(rule.column);
                switch (rule.test) {
                case FieldTest::Positive:
                    condition += " > 0";
                    break;
                case FieldTest::AtLeast:
                    condition += " ≥ " + QString::number(rule.factor).replace('.', ',');
                    break;
                case FieldTest::NotAbove:
                    condition +=
                        " ≤ " +
                        (rule.factor == 1 ? QString()
                                          : QString::number(rule.factor).replace('.', ',') + "·") +
                        head(rule.other);
                    break;
                case FieldTest::Below:
                    condition += " < " + head(rule.other);
                    break;
                case FieldTest::Different:
                    condition += " ≠ " + head(rule.other);
                    break;
                }
                QString reason = QString::fromUtf8(rule.reason);
                if (reason.startsWith(QLatin1String("- ")))
                    reason = reason.mid(2);
                if (reason.endsWith('.'))
                    reason.chop(1);
                conditions << condition + " (" + reason + ")";
            }
        }
        addText(block,
                "Tipologia " + QString::number(typology) + " \"" +
                    params.typologies.value(typology - 1) + "\": " +
                    (conditions.isEmpty() ? QStringLiteral("basta che i dati ci siano")
                                          : conditions.join("; ")) +
                    ".",
                2, 4);
    }
    block.lines.push_back({kTextSize, QString()});
    return block;
}

// A window's chapter heading: "3. Travi semplici".
QString windowTitle(int chapter, const SheetParams& params) {
    QString name = params.presentation.viewCaption;
    if (name.startsWith(QLatin1String("Finestra ")))
        name = name.mid(9);
    return QString::number(chapter) + ". " + name;
}

// The benchmarks' sources, one line each under the window that uses them.
Block sourcesBlock(const std::vector<ValidationResult>& results,
                   const std::vector<const SheetParams*>& windows) {
    Block block;
    block.lines.push_back({kTextSize, QStringLiteral("FONTI DEI CASI DI CONFRONTO")});
    block.lines.push_back({kTextSize, QString()});
    for (const SheetParams* params : windows) {
        std::set<QString> seen;
        for (const ValidationResult& result : results) {
            if (result.item.window != params->name || result.item.source.isEmpty() ||
                !seen.insert(result.item.source).second)
                continue;
            if (seen.size() == 1)
                block.lines.push_back({kTextSize, params->name + ":"});
            addText(block, "- " + result.item.source + " (caso " + result.item.id + ")", 2, 2);
        }
    }
    block.lines.push_back({kTextSize, QString()});
    return block;
}

Block resultsBlock(const std::vector<ValidationResult>& results,
                   const std::vector<const SheetParams*>& windows) {
    Block block;
    block.lines.push_back({kTextSize, QStringLiteral("ESITO DI QUESTA ESECUZIONE")});
    block.lines.push_back({kTextSize, QString()});
    for (const ValidationResult& result : results)
        addText(block, ValidationLine(result), 2, 4);
    for (const QString& missing : UncoveredTypologies(results, windows))
        addText(block, missing + ": nessun caso prova", 2);
    block.lines.push_back({kTextSize, QString()});
    // Per window: its typologies, its cases, those against published values, the verdicts.
    for (const SheetParams* params : windows) {
        int cases = 0, benchmarks = 0, conforming = 0;
        for (const ValidationResult& result : results) {
            if (result.item.window != params->name)
                continue;
            ++cases;
            benchmarks += result.item.source.isEmpty() ? 0 : 1;
            conforming += result.conforms() ? 1 : 0;
        }
        addText(block,
                params->name + ": " + QString::number(params->typologies.size()) + " tipologie, " +
                    QString::number(cases) + " casi prova (" + QString::number(benchmarks) +
                    " di confronto), " + QString::number(conforming) + " conformi",
                2, 4);
    }
    addText(block, "In tutto: " + ValidationSummary(results), 2);
    return block;
}

std::vector<std::vector<Line>> paginate(std::vector<Block>& blocks) {
    std::vector<std::vector<Line>> pages(1);
    double y = kTop;
    const double room = kBottom - kTop;
    for (Block& block : blocks) {
        const double height = heightOf(block.lines);
        const bool fits = y + height <= kBottom;
        if (!pages.back().empty() && (block.newPage || (!fits && height <= room))) {
            pages.emplace_back();
            y = kTop;
        }
        if (!block.contentsEntry.isEmpty())
            block.contentsEntry += " " + QString::number(pages.size());
        for (const Line& line : block.lines) {
            if (y + heightOf(line.size) > kBottom) {
                pages.emplace_back();
                y = kTop;
            }
            if (pages.back().empty() && line.text.isEmpty())
                continue; // a page never opens with a blank line
            pages.back().push_back(line);
            y += heightOf(line.size);
        }
    }
    return pages;
}

} // namespace

bool ComposeDossier(const std::vector<ValidationResult>& results,
                    const std::vector<const SheetParams*>& windows, const QString& folder,
                    const DossierRun& run, ReportWriter& writer) {
    std::vector<Block> blocks;
    Block front;
    front.lines = {
        {kTitleSize, QStringLiteral("PONTELUMA")},
        {kTitleSize, QStringLiteral("Manuale di validazione")},
        {kTextSize, QString()},
        {kTextSize, "Programma: " + run.program},
        {kTextSize, "Casi prova eseguiti il " + run.date + " sul computer \"" + run.machine + "\""},
        {kTextSize, "Esito: " + ValidationSummary(results)},
        {kTextSize, QString()},
        {kTextSize, QStringLiteral("INDICE")},
        {kTextSize, QString()}};
    blocks.push_back(front);
    const size_t contentsAt = blocks.size();
    blocks.push_back(Block()); // the contents, filled once the pages are known

    std::vector<size_t> chapters;
    chapters.push_back(blocks.size());
    blocks.push_back(chapterHead(QStringLiteral("1. Generalità")));
    for (Block& block : chapterText(readText(folder, QStringLiteral("introduzione.txt"))))
        blocks.push_back(block);
    blocks.push_back(sourcesBlock(results, windows));
    blocks.push_back(resultsBlock(results, windows));

    for (size_t w = 0; w < windows.size(); ++w) {
        const SheetParams& params = *windows[w];
        chapters.push_back(blocks.size());
        blocks.push_back(chapterHead(windowTitle(int(w) + 2, params)));
        for (Block& block :
             chapterText(readText(folder, "capitolo-" + params.name + QStringLiteral(".txt"))))
            blocks.push_back(block);
        blocks.push_back(fieldBlock(params));
        // The heading of the cases stays on the page of the first one.
        std::vector<Line> head{{kTextSize, QStringLiteral("CASI PROVA")}, {kTextSize, QString()}};
        for (const ValidationResult& result : results) {
            if (result.item.window != params.name)
                continue;
            Block block = caseBlock(result);
            block.lines.insert(block.lines.begin(), head.begin(), head.end());
            head.clear();
            blocks.push_back(block);
        }
    }
    // The contents take one line per chapter: lay out once with them blank, then write
    // the page numbers the chapters got.
    blocks[contentsAt].lines.assign(chapters.size(), Line{kTextSize, QString()});
    std::vector<std::vector<Line>> pages = paginate(blocks);
    std::vector<Line>& first = pages.front();
    size_t at = front.lines.size();
    for (size_t chapter : chapters) {
        const QString entry = blocks[chapter].contentsEntry;
        const qsizetype blank = entry.lastIndexOf(' ');
        const QString title = entry.left(blank), page = entry.mid(blank + 1);
        first[at++].text =
            "  " + title + " " + QString(qMax(2, 70 - int(title.length())), '.') + " " + page;
    }

    const int count = int(pages.size());
    for (int p = 0; p < count; ++p) {
        if (p > 0)
            writer.newPage();
        writer.setFontSize(kSmallSize);
        writer.printAt(0, kHeaderY, "Ponteluma - Manuale di validazione - " + run.program);
        writer.setCurrentY(kTop);
        int size = 0;
        for (const Line& line : pages[size_t(p)]) {
            if (line.size != size) {
                size = line.size;
                writer.setFontSize(size);
            }
            writer.printLine(line.text.isEmpty() ? ReportLine() : ReportLine{{1, line.text}});
        }
        writer.setFontSize(kSmallSize);
        writer.printAt(kFooterX, kFooterY,
                       "pagina " + QString::number(p + 1) + " di " + QString::number(count));
    }
    return writer.endDoc();
}

QString DossierText(const std::vector<ValidationResult>& results,
                    const std::vector<const SheetParams*>& windows, const QString& folder,
                    const DossierRun& run) {
    TextReport text;
    ComposeDossier(results, windows, folder, run, text);
    return text.text();
}

DossierRun CurrentDossierRun() {
    const auto& id = ModPonteluma::identity();
    return {id.product + " " + id.version + " (" + id.date + ")",
            QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm")),
            QSysInfo::machineHostName()};
}
