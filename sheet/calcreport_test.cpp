#include "sheet/calcreport.h"

#include "sheet/archive.h"
#include "tests/sheets.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A document of the window laid out for the typology, each row's data in column order,
// computed as the window computes it.
Document documentOf(const SheetParams& params, int typology,
                    const std::vector<std::vector<QString>>& rows) {
    Document document(params);
    document.setTypology(typology);
    document.layOut();
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size() && int(c) < document.sheet().dataColumns(); ++c)
            document.sheet().setDatum(int(c) + 1, int(r) + 1, rows[r][c]);
    }
    document.sheet().CountRows();
    document.calculate();
    return document;
}

// Data that every typology of every window computes: decreasing dimensions, a load
// that is not uniform; a plate's short side first.
const std::vector<QString> kRow = {"8", "5", "2", "1", "1"};
std::vector<QString> rowFor(const SheetParams& params) {
    return params.name == "piastre" ? std::vector<QString>{"5", "8", "2"} : kRow;
}

PageHeading heading() {
    PageHeading h;
    h.studio = "Studio Rossi";
    h.progettista = "ing. Anna Rossi";
    h.albo = "Ordine degli Ingegneri di Torino n. 1234";
    h.opera = "Scuola media di via Roma";
    h.elemento = "trave di copertura T3";
    h.file = "Ponteluma-trav-t3.txt";
    h.date = "09/12/2026";
    return h;
}

std::vector<LaidOutPage> pagesOf(const Document& document, bool diagrams = false) {
    const PageDocument doc = CalculationReport(document, heading(), diagrams);
    return LayOutPages(doc, FormatFor(doc));
}

QStringList allLines(const std::vector<LaidOutPage>& pages) {
    QStringList lines;
    for (const LaidOutPage& page : pages)
        lines << PageLines(page);
    return lines;
}

// The line of the data table that holds sheet row `row`.
QString tableLine(const QStringList& lines, int row) {
    bool inTable = false;
    for (const QString& line : lines) {
        if (!line.isEmpty() && line[0].isDigit()) // a section's title
            inTable = line.startsWith("4. Dati e risultati");
        else if (inTable && line.startsWith(' ') &&
                 line.section(' ', 0, 0, QString::SectionSkipEmpty) == QString::number(row))
            return line;
    }
    return QString();
}

TEST(CalcReport, EveryPageOfEveryWindowHasTheHeadingAndItsNumberOfPages) {
    for (const SheetParams* params : allWindows()) {
        const std::vector<std::vector<QString>> rows(kMaxRows, rowFor(*params));
        const std::vector<LaidOutPage> pages = pagesOf(documentOf(*params, 1, rows), true);
        const int total = int(pages.size());
        ASSERT_GE(total, 3) << params->name.toStdString(); // 100 rows run over pages
        for (int p = 0; p < total; ++p) {
            const QStringList lines = PageLines(pages[size_t(p)]);
            const QString where = params->name + " page " + QString::number(p + 1);
            ASSERT_GE(lines.size(), 5) << where.toStdString();
            EXPECT_TRUE(lines[0].startsWith("Studio Rossi")) << where.toStdString();
            EXPECT_TRUE(lines[0].endsWith(QString("pagina %1 di %2").arg(p + 1).arg(total)))
                << where.toStdString();
            EXPECT_TRUE(lines[1].startsWith("ing. Anna Rossi - Ordine degli Ingegneri"));
            EXPECT_TRUE(lines[1].endsWith("09/12/2026"));
            EXPECT_TRUE(lines[2].endsWith("file Ponteluma-trav-t3.txt"));
            EXPECT_EQ(lines[3], "Opera: Scuola media di via Roma");
            EXPECT_EQ(lines[4], "Elemento: trave di copertura T3");
        }
        // Every row is in the table once, and the report closes with the signature.
        const QStringList lines = allLines(pages);
        for (int row = 1; row <= kMaxRows; ++row)
            EXPECT_FALSE(tableLine(lines, row).isEmpty()) << params->name.toStdString() << row;
        EXPECT_TRUE(lines.join('\n').contains("Giudizio di accettabilità dei risultati"));
        EXPECT_EQ(lines.filter("Il progettista").size(), 1);
        EXPECT_EQ(lines.back().trimmed(), "ing. Anna Rossi");
    }
}

TEST(CalcReport, EveryTypologyPrintsItsFormulasUnitsHeadsAndNumbers) {
    for (const SheetParams* params : allWindows()) {
        ASSERT_TRUE(params->report.formulas && params->report.method) << params->name.toStdString();
        for (int typology = 1; typology <= params->typologies.size(); ++typology) {
            const Document document = documentOf(*params, typology, {rowFor(*params)});
            const QString where = params->name + " " + QString::number(typology);
            const QStringList lines = allLines(pagesOf(document));
            const QString text = lines.join(' ').simplified();
            EXPECT_TRUE(text.contains("Tipologia n. " + QString::number(typology) + ": " +
                                      params->typologies[typology - 1]))
                << where.toStdString();
            EXPECT_TRUE(text.contains("[figura: " + params->figureKind + " ("))
                << where.toStdString();
            const QStringList formulas = params->report.formulas(typology);
            ASSERT_FALSE(formulas.isEmpty()) << where.toStdString();
            for (const QString& formula : formulas) {
                // The right side of each formula, wherever its sign is aligned.
                const QString right = formula.section(" = ", -1).left(40);
                EXPECT_TRUE(text.contains(right))
                    << where.toStdString() << " " << right.toStdString();
            }
            const Sheet& sheet = document.sheet();
            for (int c = 1; c <= sheet.dataColumns(); ++c) {
                if (params->uses && !params->uses(typology, c))
                    continue;
                EXPECT_TRUE(text.contains(sheet.dataHead(c) + " in " + sheet.dataUnit(c)))
                    << where.toStdString() << " data " << c;
            }
            // The row's numbers, as the grid shows them.
            const QString line = tableLine(lines, 1);
            ASSERT_FALSE(line.isEmpty()) << where.toStdString();
            for (int c = 1; c <= sheet.resultColumns(); ++c) {
                const QString value = sheet.resultText(c, 1);
                EXPECT_TRUE(value.isEmpty() || line.contains(" " + value))
                    << where.toStdString() << " " << c;
            }
            EXPECT_FALSE(line.contains("nessun risultato")) << where.toStdString();
        }
    }
}

// Formulas that belong to one typology only: a table shifted by one would print another's.
TEST(CalcReport, FormulasBelongToTheirTypology) {
    struct Case {
        const char* window;
        int typology;
        const char* formula;
    };
    const Case cases[] = {
        {"sezioni", 1, "I = B·H³/12"},
        {"sezioni", 7, "E' = (1/3)·H"},
        {"sezioni", 17, "A = B·h + b·(H − h)"},
        {"travi", 2, "mom.B = −p·L²/2"},
        {"travi", 11, "mom.c = 9·p·L²/128"},
        {"travi", 20, "mom.c = p·L²/32"},
        {"continue", 1, "A-B = q·l²/14,3"},
        {"continue", 2, "Rc = -0,063·q·l"},
        {"continue", 7, "D-E = A-B (per simmetria)"},
        {"continue", 10, "mom.C = −q·l²/27,8"},
        {"archi", 4, "xa = p·l²/(8·f)"},
        {"archi", 15, "Mc * = −(3/140)·q·f²"},
        {"piastre", 2, "mom.mx = −cmx·p·lx²"},
        {"piastre", 4, "mom.mx = mom.my = −p·R²/8"},
    };
    for (const Case& c : cases) {
        const QStringList formulas = windowParams(c.window).report.formulas(c.typology);
        EXPECT_TRUE(formulas.contains(QString::fromUtf8(c.formula)))
            << c.window << " " << c.typology << ": " << formulas.join(" | ").toStdString();
    }
}

TEST(CalcReport, RowsWithoutResultsAreNamedNotPrintedAsNumbers) {
    // Typology 15 divides by pb: a pb of 0 is outside the field of use; row 3 lacks pb.
    const SheetParams& beams = windowParams("travi");
    const Document document =
        documentOf(beams, 15, {{"8", "500", "300"}, {"8", "500", "0"}, {"8", "500", ""}});
    ASSERT_TRUE(document.sheet().isOutOfRange(2));
    const QStringList lines = allLines(pagesOf(document));
    const QString second = tableLine(lines, 2);
    EXPECT_TRUE(second.contains("fuori dal campo d'impiego")) << second.toStdString();
    EXPECT_TRUE(second.simplified().startsWith("2 8 500 0 fuori dal campo")); // its data stay
    EXPECT_TRUE(tableLine(lines, 3).contains("dati incompleti"));
    const QString text = lines.join('\n');
    EXPECT_TRUE(text.contains("righe calcolate: 1 su 3"));
    EXPECT_TRUE(text.contains("fuori dal campo d'impiego, lasciate senza risultati: 2;"));
    EXPECT_TRUE(text.contains("righe con dati incompleti, non calcolate: 3;"));
    EXPECT_TRUE(text.contains("equilibrio verificato in tutte le righe calcolate (1)"));
}

TEST(CalcReport, NumbersLineUpOnTheirUnitsDigitAndNoLineLeavesThePage) {
    // A datum with decimals above one without: the units digits share a column.
    const Document sections =
        documentOf(windowParams("sezioni"), 1, {{"12,5", "30"}, {"8", "40,25"}});
    const QStringList lines = allLines(pagesOf(sections));
    const QString first = tableLine(lines, 1), second = tableLine(lines, 2);
    EXPECT_EQ(first.indexOf("12,5") + 1, second.indexOf(" 8 ") + 1);
    EXPECT_EQ(first.indexOf(" 30 ") + 2, second.indexOf("40,25") + 1);

    // The widest values every window can show, on every row: no line is cut.
    for (const SheetParams* params : allWindows()) {
        for (int typology = 1; typology <= params->typologies.size(); ++typology) {
            const Document document =
                documentOf(*params, typology,
                           std::vector<std::vector<QString>>(
                               kMaxRows, {"9999,99", "8888,88", "77,77", "6,66", "5,55"}));
            const PageDocument doc = CalculationReport(document, heading(), false);
            const PageFormat format = FormatFor(doc);
            for (const QString& line : allLines(LayOutPages(doc, format)))
                ASSERT_LE(line.length(), format.columns)
                    << params->name.toStdString() << " " << typology << ": " << line.toStdString();
        }
    }
}

TEST(CalcReport, WideTablesGoLandscapeOthersStayPortrait) {
    // The twelve results of the continuous beams with large loads do not fit a portrait
    // page; the beams' table does.
    const std::vector<std::vector<QString>> large(3, {"99,99", "99999", "33,33"});
    const PageDocument continuous =
        CalculationReport(documentOf(windowParams("continue"), 7, large), heading(), false);
    EXPECT_TRUE(FormatFor(continuous).landscape);
    const PageDocument beams =
        CalculationReport(documentOf(windowParams("travi"), 16, large), heading(), false);
    EXPECT_FALSE(FormatFor(beams).landscape);
}

// ---- opera and elemento in the archive ---------------------------------------------------

TEST(CalcReport, OperaAndElementoRoundTripThroughTheArchiveAndUndo) {
    const SheetParams& beams = windowParams("travi");
    Document document = documentOf(beams, 5, {{"6", "1000"}});
    document.setSubject(QString::fromUtf8("Scuola \"Verdi\", ampliamento"), "trave\r\nT3");
    const QByteArray bytes =
        FormatArchive(beams, document.sheet(), 5, {document.opera(), document.elemento()});
    EXPECT_TRUE(bytes.endsWith("\"6\",\"1000\"\r\n\"#relazione\",\"Scuola Verdi, ampliamento\","
                               "\"trave T3\"\r\n"))
        << bytes.toStdString();
    ArchiveContent content;
    QString problem;
    ASSERT_TRUE(ParseArchive(beams, bytes, &content, &problem)) << problem.toStdString();
    EXPECT_EQ(content.subject.opera, "Scuola Verdi, ampliamento");
    EXPECT_EQ(content.subject.elemento, "trave T3");
    EXPECT_EQ(content.n, 1);

    // A change of them is one step of the history.
    EXPECT_TRUE(document.canUndo());
    document.setSubject("Ponte", "pila P1");
    document.undo();
    EXPECT_EQ(document.opera(), QString::fromUtf8("Scuola \"Verdi\", ampliamento"));
    document.redo();
    EXPECT_EQ(document.elemento(), "pila P1");
}

TEST(CalcReport, FilesWithoutOperaAreReadAndWrittenAsBefore) {
    const QDir examples(QStringLiteral(PONTELUMA_SOURCE_DIR "/examples"));
    const QStringList names = examples.entryList({"Ponteluma-*.txt"});
    ASSERT_GE(names.size(), 5);
    for (const QString& name : names) {
        QFile file(examples.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (const SheetParams* params : allWindows()) {
            if (!name.startsWith(params->archive.prefix))
                continue;
            ArchiveContent content;
            ASSERT_TRUE(ParseArchive(*params, bytes, &content, nullptr)) << name.toStdString();
            EXPECT_TRUE(content.subject.opera.isEmpty() && content.subject.elemento.isEmpty());
            Sheet sheet = newSheet(*params);
            ApplyArchive(content, sheet);
            EXPECT_EQ(FormatArchive(*params, sheet, content.typology, content.subject), bytes)
                << name.toStdString();
        }
    }
    // A line after the rows that is not the marker's is left alone, as it always was.
    ArchiveContent content;
    EXPECT_TRUE(ParseArchive(windowParams("travi"),
                             "5,1\r\n\"6\",\"1000\"\r\n\"altro\",\"x\",\"y\"\r\n", &content,
                             nullptr));
    EXPECT_TRUE(content.subject.opera.isEmpty());
}

} // namespace
