#include "sheet/validation.h"

#include "sheet/document.h"
#include "sheet/safefile.h"
#include "sheet/table.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <set>

namespace {

// A case file is a page or two of text; anything far larger is not one.
constexpr qint64 kMaxCaseBytes = 256 * 1024;

// "3.12" sorts after "3.2": the chapter, then the number.
std::pair<int, int> idOrder(const QString& id) {
    const QStringList parts = id.split('.');
    return {parts.value(0).toInt(), parts.value(1).toInt()};
}

// The differing items of a case, "riga 1 mom.B: atteso -3111, ottenuto -3112".
QString differences(const ValidationResult& result) {
    QStringList items;
    for (const ValidationCheck& check : result.checks) {
        if (check.conforms)
            continue;
        const ValidationExpected& e = check.expected;
        QString expected = e.value;
        if (!e.tolerance.isEmpty())
            expected += " ± " + e.tolerance;
        items << "riga " + QString::number(e.row) + " " + e.item + ": atteso " + expected +
                     ", ottenuto " +
                     (check.obtained.isEmpty() ? QStringLiteral("-") : check.obtained);
    }
    return items.join("; ");
}

// Whether what `compute` printed is what the case expects.
bool conforms(const ValidationExpected& expected, const QString& obtained) {
    if (expected.value == QLatin1String("-"))
        return obtained.isEmpty();
    double want = 0, got = 0, tolerance = 0;
    if (!ValidationNumber(expected.value, &want) || !ValidationNumber(obtained, &got))
        return false;
    if (!expected.tolerance.isEmpty() && !ValidationNumber(expected.tolerance, &tolerance))
        return false;
    // Values as shown carry at most one decimal: a millionth is far below their step.
    return std::fabs(got - want) <= tolerance + 1e-6;
}

} // namespace

bool ValidationResult::conforms() const {
    return problem.isEmpty() && !checks.empty() &&
           std::all_of(checks.begin(), checks.end(),
                       [](const ValidationCheck& check) { return check.conforms; });
}

QString ValidationFolder() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("validazione"));
}

bool ValidationNumber(const QString& text, double* value) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(,[0-9]+)?$"));
    if (!number.match(text).hasMatch())
        return false;
    *value = QString(text).replace(',', '.').toDouble();
    return true;
}

bool ParseValidationCase(const QString& text, ValidationCase* item, QString* problem) {
    static const QRegularExpression expectedRecord(
        QStringLiteral("^([0-9]+) (.+?) = (\\S+)(?: ± (\\S+))?$"));
    *item = ValidationCase();
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const qsizetype blank = line.indexOf(' ');
        const QString key = blank < 0 ? line : line.left(blank);
        const QString value = blank < 0 ? QString() : line.mid(blank + 1);
        bool ok = true;
        if (key == "caso")
            item->id = value;
        else if (key == "finestra")
            item->window = value;
        else if (key == "tipologia")
            item->typology = value.toInt(&ok);
        else if (key == "archivio")
            item->archive = value;
        else if (key == "titolo")
            item->title = value;
        else if (key == "fonte")
            item->source = value;
        else if (key == "opzione")
            item->option = value;
        else if (key == "testo")
            item->solution << value;
        else if (key == "atteso") {
            const QRegularExpressionMatch match = expectedRecord.match(value);
            double number = 0;
            ok = match.hasMatch() &&
                 (match.captured(3) == QLatin1String("-") ||
                  ValidationNumber(match.captured(3), &number)) &&
                 (match.captured(4).isEmpty() || ValidationNumber(match.captured(4), &number));
            if (ok)
                item->expected.push_back({match.captured(1).toInt(), match.captured(2),
                                          match.captured(3), match.captured(4)});
        } else {
            ok = false;
        }
        if (!ok) {
            *problem = "la riga " + QString::number(i + 1) + " non è un dato valido del caso";
            return false;
        }
    }
    static const QRegularExpression id(QStringLiteral("^[0-9]+\\.[0-9]+$"));
    if (!id.match(item->id).hasMatch() || item->window.isEmpty() || item->typology < 1 ||
        item->archive.isEmpty() || item->expected.empty()) {
        *problem = QStringLiteral("mancano il numero, la finestra, la tipologia, l'archivio o i "
                                  "valori attesi del caso");
        return false;
    }
    return true;
}

std::vector<ValidationCase> ReadValidationCases(const QString& folder, QString* problem) {
    std::vector<ValidationCase> cases;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("caso-*.txt")}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        *problem =
            "la cartella \"" + QDir::toNativeSeparators(folder) + "\" non contiene casi prova";
        return cases;
    }
    for (const QString& name : names) {
        QByteArray bytes;
        QString why;
        ValidationCase item;
        const QString path = QDir(folder).filePath(name);
        if (!ReadWholeFile(FilePath(path), kMaxCaseBytes, &bytes, &why) ||
            !ParseValidationCase(QString::fromUtf8(bytes), &item, &why)) {
            *problem = "il caso \"" + name + "\" non può essere letto: " + why;
            return {};
        }
        cases.push_back(item);
    }
    std::stable_sort(cases.begin(), cases.end(),
                     [](const ValidationCase& a, const ValidationCase& b) {
                         return idOrder(a.id) < idOrder(b.id);
                     });
    return cases;
}

ValidationResult RunValidationCase(const ValidationCase& item,
                                   const std::vector<const SheetParams*>& windows,
                                   const QString& folder) {
    ValidationResult result;
    result.item = item;
    for (const SheetParams* params : windows) {
        if (params->name == item.window)
            result.params = params;
    }
    if (!result.params) {
        result.problem = "la finestra \"" + item.window + "\" non esiste";
        return result;
    }
    const SheetParams& params = *result.params;
    // A case of another method names it by its option, as `compute` is told it.
    CalcSettings settings;
    if (!item.option.isEmpty()) {
        const auto method =
            std::find_if(params.methods.begin(), params.methods.end(),
                         [&](const CalcMethod& m) { return m.option == item.option; });
        if (method == params.methods.end()) {
            result.problem = "il metodo " + item.option + " non è disponibile";
            return result;
        }
        settings.method = int(method - params.methods.begin());
        result.method = method->name;
    }
    QString problem;
    const std::optional<Document> document = OpenDocument(
        params, FilePath(QDir(folder).filePath(item.archive)), &problem, nullptr, settings);
    if (!document) {
        result.problem = "il file \"" + item.archive + "\" non può essere elaborato: " + problem;
        return result;
    }
    if (document->typology() != item.typology) {
        result.problem = "il file \"" + item.archive + "\" è della tipologia " +
                         QString::number(document->typology());
        return result;
    }
    // The table `compute` prints: the heads, then one line per row.
    QStringList lines = ComputeTable(*document).split('\n', Qt::SkipEmptyParts);
    const QStringList heads = lines.takeFirst().split(';');
    const int dataColumns = int(params.data.size());
    // The data are named as the window heads them for the typology ("carico p, kg/m").
    const Sheet& sheet = document->sheet();
    for (int c = 1; c <= dataColumns; ++c) {
        const QString head = sheet.dataHead(c).simplified();
        const QString unit = sheet.dataUnit(c).simplified();
        result.dataHeads << (head.isEmpty() || head == QLatin1String("vedi disegno")
                                 ? heads.value(c)
                                 : head) +
                                (unit.isEmpty() ? QString() : " (" + unit + ")");
    }
    std::vector<QStringList> rows;
    for (const QString& line : lines) {
        const QStringList fields = line.split(';');
        rows.push_back(fields);
        result.data.push_back(fields.mid(1, dataColumns));
    }
    for (const ValidationExpected& expected : item.expected) {
        ValidationCheck check{expected, QString(), false};
        // A head names its unit after the item: "mom.A (kgm)".
        qsizetype column = heads.indexOf(expected.item);
        for (qsizetype h = 0; h < heads.size() && column < 0; ++h) {
            if (heads[h].startsWith(expected.item + " ("))
                column = h;
        }
        if (column > dataColumns && expected.row >= 1 && expected.row <= int(rows.size())) {
            check.obtained = rows[size_t(expected.row) - 1].value(column);
            check.conforms = conforms(expected, check.obtained);
        } else {
            check.obtained = QStringLiteral("(non esiste)");
        }
        result.checks.push_back(check);
    }
    return result;
}

std::vector<ValidationResult> RunValidation(const std::vector<const SheetParams*>& windows,
                                            const QString& folder, QString* problem) {
    std::vector<ValidationResult> results;
    for (const ValidationCase& item : ReadValidationCases(folder, problem))
        results.push_back(RunValidationCase(item, windows, folder));
    return results;
}

QStringList UncoveredTypologies(const std::vector<ValidationResult>& results,
                                const std::vector<const SheetParams*>& windows) {
    std::set<std::pair<QString, int>> covered;
    for (const ValidationResult& result : results)
        covered.insert({result.item.window, result.item.typology});
    QStringList missing;
    for (const SheetParams* params : windows) {
        for (int typology = 1; typology <= int(params->typologies.size()); ++typology) {
            if (!covered.count({params->name, typology}))
                missing << params->name + ", tipologia " + QString::number(typology);
        }
    }
    return missing;
}

QString ValidationLine(const ValidationResult& result) {
    const ValidationCase& item = result.item;
    const QString head =
        item.id + " " + item.window + ", tipologia " + QString::number(item.typology) + ": ";
    if (!result.problem.isEmpty())
        return head + "non eseguito, " + result.problem;
    if (result.conforms())
        return head + "conforme";
    return head + "non conforme, " + differences(result);
}

QString ValidationSummary(const std::vector<ValidationResult>& results) {
    std::set<std::pair<QString, int>> typologies;
    int conforming = 0;
    for (const ValidationResult& result : results) {
        typologies.insert({result.item.window, result.item.typology});
        conforming += result.conforms() ? 1 : 0;
    }
    const int failing = int(results.size()) - conforming;
    QString summary = QString::number(typologies.size()) + " tipologie, " +
                      QString::number(results.size()) +
                      " casi prova: " + QString::number(conforming) +
                      (conforming == 1 ? " conforme" : " conformi");
    if (failing > 0)
        summary +=
            ", " + QString::number(failing) + (failing == 1 ? " non conforme" : " non conformi");
    return summary;
}

bool ValidationPassed(const std::vector<ValidationResult>& results,
                      const std::vector<const SheetParams*>& windows) {
    return !results.empty() && UncoveredTypologies(results, windows).isEmpty() &&
           std::all_of(results.begin(), results.end(),
                       [](const ValidationResult& result) { return result.conforms(); });
}
