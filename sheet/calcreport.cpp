#include "sheet/calcreport.h"

#include "sheet/numbers.h"
#include "sheet/rules.h"
#include "sheet/table.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <cmath>
#include <map>

namespace {

// The figure of the typology, at a size where its dimensions read well.
constexpr double kFigureHeight = 150;

DocBlock heading(const QString& text) {
    DocBlock block;
    block.kind = DocBlock::Heading;
    block.text = text;
    return block;
}

DocBlock paragraph(const QString& text) {
    DocBlock block;
    block.kind = DocBlock::Paragraph;
    block.text = text;
    return block;
}

DocBlock lines(const QStringList& lines) {
    DocBlock block;
    block.kind = DocBlock::Lines;
    block.lines = lines;
    return block;
}

// A tool tip as a symbol's meaning: without its pointer to the figure.
QString withoutHint(QString tip) {
    tip.remove(QStringLiteral("(vedi disegno)"));
    tip = tip.trimmed();
    return tip == QLatin1String("vedi disegno") ? QString() : tip;
}

// A result's unit caption may carry its symbol ("I=cm4", "W=I/E cm3"): the symbol
// goes with the head, the unit under it.
void splitUnit(const QString& caption, QString* symbol, QString* unit) {
    const int space = int(caption.lastIndexOf(' '));
    const int equals = int(caption.indexOf('='));
    if (equals < 0) {
        *unit = caption;
        return;
    }
    if (space > equals) {
        *symbol = caption.left(space);
        *unit = caption.mid(space + 1);
    } else {
        *symbol = caption.left(equals);
        *unit = caption.mid(equals + 1);
    }
}

// A caption of two words or more on two lines, split where the lines come out even.
QStringList headLines(const QString& caption) {
    const QString text = caption.simplified();
    int best = -1;
    for (int i = 0; i < text.length(); ++i) {
        if (text[i] == ' ' && (best < 0 || std::abs(2 * i - int(text.length())) <
                                               std::abs(2 * best - int(text.length()))))
            best = i;
    }
    if (best < 0)
        return {text};
    return {text.left(best), text.mid(best + 1)};
}

bool usesColumn(const SheetParams& params, int typology, int column) {
    return !params.uses || params.uses(typology, column);
}

bool hasResults(const Sheet& sheet, int row) {
    for (int c = 1; c <= sheet.resultColumns(); ++c) {
        if (!sheet.resultText(c, row).isEmpty())
            return true;
    }
    return false;
}

bool completeRow(const Document& document, int row) {
    const SheetParams& params = document.params();
    const Sheet& sheet = document.sheet();
    for (int c = 1; c <= sheet.dataColumns(); ++c) {
        if (usesColumn(params, document.typology(), c) && sheet.isEmpty(c, row))
            return false;
    }
    return true;
}

QString rowNote(const Document& document, int row) {
    const Sheet& sheet = document.sheet();
    if (sheet.isOutOfRange(row)) {
        QString reason = OutOfRangeField(sheet, row);
        if (reason.endsWith('.'))
            reason.chop(1);
        return "fuori dal campo d'impiego: " + reason;
    }
    if (!completeRow(document, row))
        return QStringLiteral("dati incompleti: riga non calcolata");
    return QStringLiteral("nessun risultato");
}

// The result columns a row of the sheet has anywhere: a result that no row gives
// (the E' of a rectangle, the spans a beam does not have) is left out.
std::vector<int> shownResults(const Sheet& sheet) {
    std::vector<int> shown;
    for (int c = 1; c <= sheet.resultColumns(); ++c) {
        for (int row = 1; row <= sheet.n(); ++row) {
            if (!sheet.resultText(c, row).isEmpty()) {
                shown.push_back(c);
                break;
            }
        }
    }
    if (shown.empty()) {
        for (int c = 1; c <= sheet.resultColumns(); ++c)
            shown.push_back(c);
    }
    return shown;
}

std::vector<int> usedData(const Document& document) {
    std::vector<int> used;
    for (int c = 1; c <= document.sheet().dataColumns(); ++c) {
        if (usesColumn(document.params(), document.typology(), c))
            used.push_back(c);
    }
    return used;
}

// A result's name in the table, the formulas and the symbols: its field name (mom.A, I,
// Ra), the one the command line's table uses too.
QString resultName(const SheetParams& params, const Sheet& sheet, int c) {
    const QString& name = params.results[size_t(c - 1)].computeHead;
    return name.isEmpty() ? sheet.resultHead(c) : name;
}

QString resultUnit(const Sheet& sheet, int c) {
    QString symbol, unit;
    splitUnit(sheet.resultUnit(c), &symbol, &unit);
    return unit;
}

DocTableColumn resultColumn(const SheetParams& params, const Sheet& sheet, int c) {
    return {headLines(resultName(params, sheet, c)), resultUnit(sheet, c), true};
}

DocTable dataTable(const Document& document) {
    const SheetParams& params = document.params();
    const Sheet& sheet = document.sheet();
    const std::vector<int> data = usedData(document);
    const std::vector<int> results = shownResults(sheet);
    DocTable table;
    table.columns.push_back(
        {headLines(params.numberHead.isEmpty() ? QStringLiteral("riga") : params.numberHead),
         QStringLiteral("n."), true});
    for (int c : data)
        table.columns.push_back({headLines(sheet.dataHead(c)), sheet.dataUnit(c), true});
    for (int c : results)
        table.columns.push_back(resultColumn(params, sheet, c));
    for (int row = 1; row <= sheet.n(); ++row) {
        DocTableRow line;
        line.cells << QString::number(row);
        for (int c : data)
            line.cells << (sheet.isEmpty(c, row) ? QStringLiteral("-") : sheet.datum(c, row));
        if (hasResults(sheet, row)) {
            for (int c : results) {
                const QString text = sheet.resultText(c, row);
                line.cells << (text.isEmpty() ? QStringLiteral("-") : text);
            }
        } else {
            line.note = rowNote(document, row);
            line.noteFrom = 1 + int(data.size());
        }
        table.rows.push_back(line);
    }
    return table;
}

QString unitsSentence(const Document& document) {
    const Sheet& sheet = document.sheet();
    QStringList data;
    for (int c : usedData(document)) {
        if (!sheet.dataUnit(c).isEmpty())
            data << sheet.dataHead(c) + " in " + sheet.dataUnit(c);
    }
    // Results grouped by unit, in the order of their first column.
    std::vector<std::pair<QString, QStringList>> byUnit;
    for (int c : shownResults(sheet)) {
        const QString unit = resultUnit(sheet, c);
        const QString name = resultName(document.params(), sheet, c);
        auto found = std::find_if(byUnit.begin(), byUnit.end(),
                                  [&](const auto& group) { return group.first == unit; });
        if (found == byUnit.end())
            byUnit.push_back({unit, {name}});
        else
            found->second << name;
    }
    QStringList results;
    for (const auto& [unit, names] : byUnit)
        results << names.join(", ") + " in " + unit;
    return "dati: " + data.join("; ") + "; risultati: " + results.join("; ") + ".";
}

QStringList symbolLines(const Document& document) {
    const SheetParams& params = document.params();
    const Sheet& sheet = document.sheet();
    QStringList out;
    for (int c : usedData(document)) {
        const QString tip = withoutHint(params.data[size_t(c - 1)].tip);
        if (!tip.isEmpty())
            out << sheet.dataHead(c) + " = " + tip;
    }
    for (int c : shownResults(sheet)) {
        const QString tip = withoutHint(params.results[size_t(c - 1)].tip);
        if (!tip.isEmpty())
            out << resultName(params, sheet, c) + " = " + tip;
    }
    return out;
}

struct Equilibrium {
    DocTable table;
    std::vector<int> checked; // rows with a check
    std::vector<int> off;     // rows whose check is above the tolerance
    double worst = 0;         // percent
};

Equilibrium equilibrium(const Document& document) {
    const SheetParams& params = document.params();
    const Sheet& sheet = document.sheet();
    Equilibrium result;
    DocTable& table = result.table;
    table.columns = {{{"riga"}, "n.", true},
                     {{"carico", "totale"}, "kg", true},
                     {{"somma", "reazioni"}, "kg", true},
                     {{"scarto", "massimo"}, "%", true},
                     {{"esito"}, "", false}};
    for (int row = 1; row <= sheet.n(); ++row) {
        DocTableRow line;
        line.cells << QString::number(row);
        const std::optional<BeamDiagram> diagram =
            hasResults(sheet, row)
                ? params.diagram(sheet, document.typology(), row, document.settings())
                : std::nullopt;
        if (!diagram) {
            line.note = QStringLiteral("senza risultati: nessuna verifica");
            line.noteFrom = 1;
        } else {
            const StaticsCheck& check = diagram->check;
            const bool ok = std::abs(check.worstPercent) <= kCheckTolerancePercent;
            line.cells << OneDecimal(check.totalLoad) << OneDecimal(check.sumReactions)
                       << OneDecimal(check.worstPercent)
                       << (ok ? QStringLiteral("verificato")
                              : QStringLiteral("scarto oltre l'1 %"));
            result.checked.push_back(row);
            if (!ok)
                result.off.push_back(row);
            result.worst = std::max(result.worst, std::abs(check.worstPercent));
        }
        table.rows.push_back(line);
    }
    return result;
}

QString rowList(const std::vector<int>& rows) {
    QStringList numbers;
    for (int row : rows)
        numbers << QString::number(row);
    return numbers.join(", ");
}

QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ponteluma"),
                     QStringLiteral("ponteluma"));
}

} // namespace

StudioHeading LoadStudioHeading() {
    QSettings s = settings();
    s.beginGroup(QStringLiteral("intestazione"));
    StudioHeading h;
    h.studio = s.value(QStringLiteral("studio")).toString();
    h.progettista = s.value(QStringLiteral("progettista")).toString();
    h.albo = s.value(QStringLiteral("albo")).toString();
    h.indirizzo = s.value(QStringLiteral("indirizzo")).toString();
    h.logo = s.value(QStringLiteral("logo")).toString();
    return h;
}

void SaveStudioHeading(const StudioHeading& h) {
    QSettings s = settings();
    s.beginGroup(QStringLiteral("intestazione"));
    s.setValue(QStringLiteral("studio"), h.studio);
    s.setValue(QStringLiteral("progettista"), h.progettista);
    s.setValue(QStringLiteral("albo"), h.albo);
    s.setValue(QStringLiteral("indirizzo"), h.indirizzo);
    s.setValue(QStringLiteral("logo"), h.logo);
    s.endGroup();
    s.sync();
}

QString OneDecimal(double value) {
    QString text = QString::number(ModPonteluma::RoundHalfUp1(value), 'f', 1);
    if (text == "-0.0")
        text = "0.0";
    return text.replace('.', ',');
}

QString ReportDate() {
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

QString BuildDate() {
    const QDate built = QLocale::c().toDate(QString::fromLatin1(__DATE__).simplified(),
                                            QStringLiteral("MMM d yyyy"));
    return built.isValid() ? built.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

PageHeading HeadingOf(const Document& document, const StudioHeading& studio, const QString& date) {
    PageHeading heading;
    heading.studio = studio.studio;
    heading.progettista = studio.progettista;
    heading.albo = studio.albo;
    heading.indirizzo = studio.indirizzo;
    heading.logo = studio.logo;
    heading.opera = document.opera();
    heading.elemento = document.elemento();
    heading.file =
        document.file().shown.isEmpty() ? QString() : QFileInfo(document.file().shown).fileName();
    heading.date = date;
    return heading;
}

PageDocument CalculationReport(const Document& document, const PageHeading& pageHeading,
                               bool diagrams) {
    const SheetParams& params = document.params();
    const ReportLayout& layout = params.report;
    const Sheet& sheet = document.sheet();
    const int typology = document.typology();
    const auto& id = ModPonteluma::identity();

    PageDocument doc;
    doc.heading = pageHeading;
    doc.title = "Relazione di calcolo - " + layout.title;
    doc.subject = "Tipologia " + QString::number(typology) + ": " + document.typologyName() +
                  (pageHeading.elemento.isEmpty() ? QString() : " - " + pageHeading.elemento) +
                  (pageHeading.opera.isEmpty() ? QString() : " - " + pageHeading.opera);
    doc.author = pageHeading.progettista.isEmpty() ? pageHeading.studio : pageHeading.progettista;

    DocBlock title;
    title.kind = DocBlock::Title;
    title.text = QStringLiteral("RELAZIONE DI CALCOLO");
    doc.blocks.push_back(title);
    doc.blocks.push_back(paragraph(layout.title));
    // The window's method, where it has a choice of them, under the title.
    if (!document.methodName().isEmpty())
        doc.blocks.push_back(paragraph("Metodo di calcolo: " + document.methodName()));

    doc.blocks.push_back(heading(QStringLiteral("1. Programma, metodo, unità di misura")));
    QStringList program;
    program << "Programma = " + id.product + " versione " + id.version + " del " + id.date +
                   (BuildDate().isEmpty() ? QString() : ", compilato il " + BuildDate());
    if (layout.method)
        program << "Metodo = " + layout.method(typology);
    program << "Arrotondamento = ogni risultato è arrotondato per eccesso dalla metà "
               "(all'unità o al decimo, come nella finestra); i valori intermedi non sono "
               "arrotondati.";
    program << "Unità di misura = " + unitsSentence(document);
    if (!layout.signs.isEmpty())
        program << "Segni = " + layout.signs;
    doc.blocks.push_back(lines(program));

    doc.blocks.push_back(heading(QStringLiteral("2. Tipologia")));
    doc.blocks.push_back(
        paragraph("Tipologia n. " + QString::number(typology) + ": " + document.typologyName()));
    DocBlock figure;
    figure.kind = DocBlock::Figure;
    figure.path = FigurePath(params, typology);
    figure.height = kFigureHeight;
    doc.blocks.push_back(figure);

    doc.blocks.push_back(heading(QStringLiteral("3. Formule applicate")));
    if (layout.formulas)
        doc.blocks.push_back(lines(layout.formulas(typology)));
    const QStringList symbols = symbolLines(document);
    if (!symbols.isEmpty()) {
        doc.blocks.push_back(paragraph(QStringLiteral("Simboli:")));
        doc.blocks.push_back(lines(symbols));
    }
    if (layout.tables) {
        for (const DocBlock& block : layout.tables(typology))
            doc.blocks.push_back(block);
    }

    doc.blocks.push_back(heading(QStringLiteral("4. Dati e risultati")));
    DocBlock table;
    table.kind = DocBlock::Table;
    table.table = dataTable(document);
    if (sheet.n() == 0)
        doc.blocks.push_back(paragraph(QStringLiteral("Il foglio non contiene dati.")));
    else
        doc.blocks.push_back(table);

    std::vector<int> without;
    for (int row = 1; row <= sheet.n(); ++row) {
        if (!hasResults(sheet, row))
            without.push_back(row);
    }
    std::vector<int> outside;
    for (int row : without) {
        if (sheet.isOutOfRange(row))
            outside.push_back(row);
    }
    std::vector<int> incomplete;
    for (int row : without) {
        if (!sheet.isOutOfRange(row))
            incomplete.push_back(row);
    }

    int section = 5;
    std::optional<Equilibrium> balance;
    if (params.diagram && sheet.n() > 0) {
        balance = equilibrium(document);
        doc.blocks.push_back(
            heading(QString::number(section++) + ". Verifica dell'equilibrio di ogni riga"));
        doc.blocks.push_back(paragraph(
            "Per ogni riga calcolata il programma ricostruisce la trave con i suoi carichi e "
            "confronta con la statica le reazioni e i momenti della tabella: carico totale, "
            "somma delle reazioni e scarto più grande tra i valori della tabella e quelli "
            "ottenuti per equilibrio (tolleranza " +
            OneDecimal(kCheckTolerancePercent) + " %)."));
        DocBlock check;
        check.kind = DocBlock::Table;
        check.table = balance->table;
        doc.blocks.push_back(check);
    }

    if (diagrams && params.diagram) {
        DocBlock frames;
        frames.kind = DocBlock::Frames;
        for (int row = 1; row <= sheet.n(); ++row) {
            if (hasResults(sheet, row) &&
                params.diagram(sheet, typology, row, document.settings())) {
                frames.ids.push_back(row);
                frames.lines << "diagramma del taglio e del momento della riga " +
                                    QString::number(row);
            }
        }
        if (!frames.ids.empty()) {
            frames.text = QString::number(section++) + ". Diagrammi del taglio e del momento";
            doc.blocks.push_back(frames);
        }
    }

    doc.blocks.push_back(
        heading(QString::number(section++) + ". Giudizio di accettabilità dei risultati"));
    QStringList checks;
    const int computed = sheet.n() - int(without.size());
    checks << "- righe calcolate: " + QString::number(computed) + " su " +
                  QString::number(sheet.n()) + ", con le formule della sezione 3;";
    checks << (outside.empty() ? QStringLiteral("- righe fuori dal campo d'impiego: nessuna;")
                               : "- righe fuori dal campo d'impiego, lasciate senza risultati: " +
                                     rowList(outside) + ";");
    if (!incomplete.empty())
        checks << "- righe con dati incompleti, non calcolate: " + rowList(incomplete) + ";";
    if (balance) {
        if (balance->checked.empty())
            checks << QStringLiteral("- equilibrio: nessuna riga da verificare.");
        else if (balance->off.empty())
            checks << "- equilibrio verificato in tutte le righe calcolate (" +
                          QString::number(balance->checked.size()) + "): scarto massimo " +
                          OneDecimal(balance->worst) + " %.";
        else
            checks << "- equilibrio con scarto oltre l'1 % nelle righe " + rowList(balance->off) +
                          " (scarto massimo " + OneDecimal(balance->worst) + " %).";
    } else {
        checks << QStringLiteral("- ogni risultato viene dalle formule chiuse della sezione "
                                 "3, applicate ai dati della tabella.");
    }
    doc.blocks.push_back(paragraph(QStringLiteral("Controlli eseguiti dal programma:")));
    doc.blocks.push_back(lines(checks));
    DocBlock signature;
    signature.kind = DocBlock::Signature;
    signature.lines << QStringLiteral("Esaminati i controlli elencati e confrontati i risultati "
                                      "con valori di riferimento noti, il progettista ne "
                                      "giudica l'accettabilità:");
    signature.text = pageHeading.progettista;
    doc.blocks.push_back(signature);
    return doc;
}

QString CalculationReportText(const Document& document, const PageHeading& heading, bool diagrams) {
    const PageDocument doc = CalculationReport(document, heading, diagrams);
    return PagesText(LayOutPages(doc, FormatFor(doc)));
}
