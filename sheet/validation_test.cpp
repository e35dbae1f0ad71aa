#include "sheet/validation.h"

#include "sheet/dossier.h"
#include "tests/files.h"
#include "tests/sheets.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kCases = QStringLiteral(PONTELUMA_SOURCE_DIR "/assets/validazione");

// A case of the simple beams, typology 4, with its archive in a folder of its own.
const char* kCase = "caso 3.4\n"
                    "finestra travi\n"
                    "tipologia 4\n"
                    "archivio Ponteluma-trav-caso-3.4.txt\n"
                    "titolo Trave appoggiata, carico concentrato\n"
                    "testo RA = P·b/L = 2000·4/6 = 1333,33 kg\n"
                    "atteso 1 mom.A = 0\n"
                    "atteso 1 mom.c = 2667\n"
                    "atteso 1 taglio A = %1\n"
                    "atteso 1 taglio B = -667\n";

struct CaseFolder {
    QTemporaryDir dir;
    CaseFolder(const QString& takenAs) {
        WriteFile(dir.filePath("Ponteluma-trav-caso-3.4.txt"),
                  "4,1\r\n\"6\",\"2000\"\r\n\"2\"\r\n");
        WriteFile(dir.filePath("caso-3.4.txt"), QString::fromUtf8(kCase).arg(takenAs).toUtf8());
    }
    ValidationResult run() {
        QString problem;
        const std::vector<ValidationCase> cases = ReadValidationCases(dir.path(), &problem);
        EXPECT_EQ(cases.size(), 1u) << problem.toStdString();
        return RunValidationCase(cases.at(0), allWindows(), dir.path());
    }
};

TEST(Validation, CaseFileRecordsAndRefusals) {
    ValidationCase item;
    QString problem;
    ASSERT_TRUE(ParseValidationCase(QString::fromUtf8(kCase).arg("1333 ± 1"), &item, &problem));
    EXPECT_EQ(item.id, "3.4");
    EXPECT_EQ(item.window, "travi");
    EXPECT_EQ(item.typology, 4);
    EXPECT_EQ(item.solution, QStringList{QString::fromUtf8("RA = P·b/L = 2000·4/6 = 1333,33 kg")});
    ASSERT_EQ(item.expected.size(), 4u);
    EXPECT_EQ(item.expected[2].item, "taglio A");
    EXPECT_EQ(item.expected[2].value, "1333");
    EXPECT_EQ(item.expected[2].tolerance, "1");

    // Each wrong record is refused with its line; a case without values is no case.
    const struct {
        const char* text;
        const char* problem;
    } wrong[] = {
        {"caso 1.1\nfinestra sezioni\ntipologia 1\narchivio a.txt\natteso 1 I = 1.5\n",
         "la riga 5"},
        {"caso 1.1\nfinestra sezioni\ntipologia uno\n", "la riga 3"},
        {"caso 1.1\nfinestre sezioni\n", "la riga 2"},
        {"caso 1.1\nfinestra sezioni\ntipologia 1\narchivio a.txt\n", "mancano"},
        {"caso 11\nfinestra sezioni\ntipologia 1\narchivio a.txt\natteso 1 I = 2\n", "mancano"},
    };
    for (const auto& w : wrong) {
        EXPECT_FALSE(ParseValidationCase(QString::fromUtf8(w.text), &item, &problem)) << w.text;
        EXPECT_TRUE(problem.startsWith(w.problem)) << problem.toStdString();
    }
}

TEST(Validation, ExpectedValuesWithinTheirTolerance) {
    // The program shows taglio A = 1333: an exact value, a tolerance that covers the
    // difference, one that does not, and a wrong value.
    const struct {
        const char* expected;
        bool conforms;
    } cases[] = {{"1333", true}, {"1334 ± 1", true}, {"1335 ± 1", false}, {"1334", false}};
    for (const auto& c : cases) {
        CaseFolder folder(c.expected);
        const ValidationResult result = folder.run();
        EXPECT_TRUE(result.problem.isEmpty()) << result.problem.toStdString();
        EXPECT_EQ(result.conforms(), c.conforms) << c.expected;
    }
}

TEST(Validation, LineNamesTheCaseAndWhatDiffers) {
    CaseFolder right("1333");
    EXPECT_EQ(ValidationLine(right.run()), "3.4 travi, tipologia 4: conforme");
    CaseFolder wrong("1334");
    const ValidationResult result = wrong.run();
    EXPECT_EQ(ValidationLine(result), "3.4 travi, tipologia 4: non conforme, riga 1 taglio A: "
                                      "atteso 1334, ottenuto 1333");
    EXPECT_EQ(ValidationSummary({result}), "1 tipologie, 1 casi prova: 0 conformi, 1 non conforme");
    // A case whose archive is missing does not run, and says why.
    QFile::remove(wrong.dir.filePath("Ponteluma-trav-caso-3.4.txt"));
    const QString line = ValidationLine(wrong.run());
    EXPECT_TRUE(line.startsWith("3.4 travi, tipologia 4: non eseguito, il file "
                                "\"Ponteluma-trav-caso-3.4.txt\""))
        << line.toStdString();
}

TEST(Validation, ShippedCasesConformAndCoverEveryTypology) {
    QString problem;
    const std::vector<ValidationResult> results = RunValidation(allWindows(), kCases, &problem);
    ASSERT_FALSE(results.empty()) << problem.toStdString();
    for (const ValidationResult& result : results)
        EXPECT_TRUE(result.conforms()) << ValidationLine(result).toStdString();
    EXPECT_EQ(UncoveredTypologies(results, allWindows()), QStringList());
    EXPECT_TRUE(ValidationPassed(results, allWindows()));
    // Every window has at least two cases against published values.
    for (const SheetParams* params : allWindows()) {
        int benchmarks = 0;
        for (const ValidationResult& result : results)
            benchmarks += result.item.window == params->name && !result.item.source.isEmpty();
        EXPECT_GE(benchmarks, 2) << params->name.toStdString();
    }
    // Without the case of a typology, that typology is named and the run fails.
    std::vector<ValidationResult> fewer;
    for (const ValidationResult& result : results) {
        if (result.item.window != "archi" || result.item.typology != 7)
            fewer.push_back(result);
    }
    EXPECT_EQ(UncoveredTypologies(fewer, allWindows()), QStringList{"archi, tipologia 7"});
    EXPECT_FALSE(ValidationPassed(fewer, allWindows()));
}

TEST(Validation, DossierHoldsEveryCaseAndNumbersItsPages) {
    QString problem;
    const std::vector<ValidationResult> results = RunValidation(allWindows(), kCases, &problem);
    const QString text =
        DossierText(results, allWindows(), kCases, {"Ponteluma 9.9", "01/01/2030 10:00", "pc"});
    const QStringList pages = text.split("\n\f\n");
    const int count = int(pages.size());
    for (int p = 0; p < count; ++p) {
        EXPECT_TRUE(
            pages[p].contains("pagina " + QString::number(p + 1) + " di " + QString::number(count)))
            << p;
    }
    EXPECT_TRUE(pages[0].contains("Casi prova eseguiti il 01/01/2030 10:00 sul computer \"pc\""));
    EXPECT_TRUE(pages[0].contains("Esito: " + ValidationSummary(results)));
    // The contents send each chapter to the page that opens with it.
    static const QRegularExpression entry(QStringLiteral("^  ([1-6]\\. .+?) \\.+ ([0-9]+)$"),
                                          QRegularExpression::MultilineOption);
    int chapters = 0;
    for (auto it = entry.globalMatch(pages[0]); it.hasNext(); ++chapters) {
        const QRegularExpressionMatch m = it.next();
        const QString page = pages.value(m.captured(2).toInt() - 1);
        EXPECT_TRUE(page.contains("\n" + m.captured(1) + "\n")) << m.captured(0).toStdString();
    }
    EXPECT_EQ(chapters, 1 + int(allWindows().size()));
    // Every typology of every window is there with its case and its verdict.
    for (const ValidationResult& result : results) {
        const ValidationCase& c = result.item;
        EXPECT_TRUE(text.contains("Caso " + c.id + " - " + c.window + ", tipologia " +
                                  QString::number(c.typology) + " \""))
            << c.id.toStdString();
    }
    EXPECT_EQ(text.count("Esito del caso: conforme"), int(results.size()));

    // The field of use of every typology, read from the windows' declarations: one line
    // each, every kind of rule written as its condition with the line that names it.
    QString joined = text;
    joined.replace(QRegularExpression(QStringLiteral("\n {6}")), QStringLiteral(" "));
    for (const SheetParams* params : allWindows()) {
        for (int t = 1; t <= int(params->typologies.size()); ++t) {
            EXPECT_TRUE(joined.contains("\n  Tipologia " + QString::number(t) + " \"" +
                                        params->typologies[t - 1] + "\": "))
                << params->name.toStdString() << " " << t;
        }
    }
    for (const char* condition : {
             "Tipologia 4 \"appoggio + concentrato\": carico P > 0 (il carico P è nullo); dist. a "
             "≤ luce (la distanza a supera la luce).",
             "Tipologia 12 \"tubo\": diam. d < diam. D (il diametro interno non è minore di "
             "quello esterno).",
             "dist. a ≤ 0,5·luce l (la distanza a supera metà della luce (l/2))",
             "luce l ≥ 0,01 (la luce l è minore di 0,01 m)",
         })
        EXPECT_TRUE(joined.contains(QString::fromUtf8(condition))) << condition;
}

} // namespace
