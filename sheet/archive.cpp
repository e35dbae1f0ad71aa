#include "sheet/archive.h"

#include "sheet/numbers.h"

#include <QFileInfo>

namespace {

// An archive holds at most a few kilobytes; anything far larger is not one of ours.
constexpr qint64 kMaxArchiveBytes = 4 * 1024 * 1024;

QString number(qint64 value) {
    return QString::number(value);
}

void setProblem(QString* problem, const QString& text) {
    if (problem)
        *problem = text;
}

QString notAvailable() {
    return QStringLiteral("la finestra non è ancora disponibile");
}

// The window's records for a typology, or false when its table gives none usable.
bool recordsOf(const SheetParams& params, int typology, std::vector<std::vector<int>>* records) {
    if (!ArchiveAvailable(params))
        return false;
    *records = params.archive.records(typology);
    const int columns = int(params.data.size());
    for (const auto& record : *records) {
        if (record.empty())
            return false;
        for (int column : record) {
            if (column < 1 || column > columns)
                return false;
        }
    }
    return true;
}

// Lines of the file without their line ends; CRLF and LF alike, a missing final line end
// allowed, blank lines at the very end ignored.
QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A whole number with an optional sign, blanks around it allowed.
bool parseWhole(const QByteArray& field, qint64* value) {
    const QByteArray text = field.trimmed();
    int i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    if (i == text.size() || text.size() - i > 9)
        return false;
    for (int j = i; j < text.size(); ++j) {
        if (text[j] < '0' || text[j] > '9')
            return false;
    }
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok;
}

struct Field {
    QByteArray text;
    bool quoted = false;
};

// Splits a record into its values: a quoted value runs to its closing quote (commas
// inside it belong to it), anything else runs to the next comma.
std::vector<Field> splitRecord(const QByteArray& line) {
    std::vector<Field> fields;
    qsizetype i = 0;
    const qsizetype size = line.size();
    for (;;) {
        while (i < size && isBlank(line[i]))
            ++i;
        Field field;
        if (i < size && line[i] == '"') {
            const qsizetype close = line.indexOf('"', i + 1);
            if (close < 0) {
                field.text = line.mid(i);
                i = size;
            } else {
                field.text = line.mid(i + 1, close - i - 1);
                field.quoted = true;
                i = close + 1;
                while (i < size && isBlank(line[i]))
                    ++i;
                if (i < size && line[i] != ',') {
                    // Text glued to the closing quote: the value is not a clean quoted text.
                    const qsizetype comma = line.indexOf(',', i);
                    field.quoted = false;
                    i = comma < 0 ? size : comma;
                }
            }
        } else {
            const qsizetype comma = line.indexOf(',', i);
            const qsizetype end = comma < 0 ? size : comma;
            field.text = line.mid(i, end - i).trimmed();
            i = end;
        }
        fields.push_back(field);
        if (i >= size)
            break;
        ++i; // the comma
        if (i == size) {
            fields.push_back(Field()); // a trailing comma leaves an empty, unquoted value
            break;
        }
    }
    return fields;
}

// A datum the input rules give back unchanged: digits and commas, not a lone comma.
bool isDatum(const QString& text) {
    if (text == QLatin1String(","))
        return false;
    bool wrongKey = false;
    return ModPonteluma::FilterTyping(text, &wrongKey) == text && !wrongKey;
}

} // namespace

bool ArchiveAvailable(const SheetParams& params) {
    return !params.archive.prefix.isEmpty() && bool(params.archive.records) &&
           !params.typologies.isEmpty() && !params.data.empty();
}

QByteArray FormatArchive(const SheetParams& params, const Sheet& sheet, int typology) {
    QByteArray out = QByteArray::number(typology) + ',' + QByteArray::number(sheet.n());
    // A sheet in "tecniche" writes no marker: its files are those the program always wrote.
    const QString marker = UnitsMarker(sheet.units());
    if (!marker.isEmpty())
        out += ",\"" + marker.toUtf8() + '"';
    out += "\r\n";
    std::vector<std::vector<int>> records;
    if (!recordsOf(params, typology, &records))
        return out;
    const int columns = qMin(int(params.data.size()), sheet.dataColumns());
    for (int row = 1; row <= sheet.n(); ++row) {
        for (const auto& record : records) {
            QByteArray line;
            for (int column : record) {
                if (!line.isEmpty())
                    line += ',';
                QString text = column <= columns ? sheet.datum(column, row) : QString();
                text.remove('"'); // a quote would end the value early; data never hold one
                line += '"' + text.toUtf8() + '"';
            }
            out += line + "\r\n";
        }
    }
    return out;
}

namespace {

// Line 1: the typology and the row count, within what the window has, then the units'
// marker of a file not in "tecniche".
bool parseHeader(const SheetParams& params, const QList<QByteArray>& lines, qint64* typology,
                 qint64* n, Units* units, QString* problem) {
    const QList<QByteArray> header = lines.isEmpty() ? QList<QByteArray>() : lines[0].split(',');
    std::vector<Field> marker;
    if (header.size() == 3)
        marker = splitRecord(header[2]);
    const bool markerIsText = marker.size() == 1 && marker.front().quoted;
    if (header.size() < 2 || header.size() > 3 || (header.size() == 3 && !markerIsText) ||
        !parseWhole(header[0], typology) || !parseWhole(header[1], n)) {
        setProblem(problem, QStringLiteral("la prima riga non contiene la tipologia e il numero "
                                           "dei dati"));
        return false;
    }
    if (markerIsText) {
        const QString name = QString::fromUtf8(marker.front().text);
        if (name.isEmpty() || !UnitsFromMarker(name, units)) {
            setProblem(problem, "le unità di misura \"" + name +
                                    "\" non sono conosciute (il programma conosce \"" +
                                    UnitsMarker(Units::SI) + "\" per il sistema SI)");
            return false;
        }
    }
    const int typologies = int(params.typologies.size());
    if (*typology < 1 || *typology > typologies) {
        setProblem(problem, "la tipologia " + number(*typology) +
                                " non esiste in questa finestra (tipologie da 1 a " +
                                number(typologies) + ")");
        return false;
    }
    if (*n < 0 || *n > kMaxRows) {
        setProblem(problem, "il numero dei dati (" + number(*n) + ") non è compreso tra 0 e " +
                                number(kMaxRows));
        return false;
    }
    return true;
}

// One record of a row: quoted data, as many as the record holds, each stored in the
// column the record names. `lineNumber` counts from 1.
bool parseRecord(const QByteArray& line, int lineNumber, const std::vector<int>& record,
                 std::vector<QString>* row, QString* problem) {
    const QString where = "la riga " + number(lineNumber);
    if (line.trimmed().isEmpty()) {
        setProblem(problem, where + " è vuota");
        return false;
    }
    const std::vector<Field> fields = splitRecord(line);
    for (const Field& field : fields) {
        if (!field.quoted) {
            setProblem(problem, where + " contiene un valore che non è un testo tra "
                                        "virgolette");
            return false;
        }
    }
    if (fields.size() != record.size()) {
        setProblem(problem, where + " contiene " + number(qint64(fields.size())) +
                                (fields.size() == 1 ? " valore" : " valori") + " invece di " +
                                number(qint64(record.size())));
        return false;
    }
    for (size_t v = 0; v < fields.size(); ++v) {
        const QString datum = QString::fromUtf8(fields[v].text);
        if (!isDatum(datum)) {
            setProblem(problem, where + " non contiene un dato valido");
            return false;
        }
        if (datum.size() > kMaxDatumLength) {
            // A box shows at most this many characters: a longer datum would be
            // computed and saved while the box shows only part of it.
            setProblem(problem, where + " contiene un dato di più di " + number(kMaxDatumLength) +
                                    " caratteri");
            return false;
        }
        (*row)[size_t(record[v] - 1)] = datum;
    }
    return true;
}

} // namespace

bool ParseArchive(const SheetParams& params, const QByteArray& bytes, ArchiveContent* content,
                  QString* problem) {
    if (!ArchiveAvailable(params)) {
        setProblem(problem, notAvailable());
        return false;
    }
    if (bytes.size() > kMaxArchiveBytes) {
        setProblem(problem, QStringLiteral("il file è troppo grande per essere un archivio"));
        return false;
    }
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const QList<QByteArray> lines = splitLines(text);
    qint64 typology = 0, n = 0;
    Units units = Units::Tecniche;
    if (!parseHeader(params, lines, &typology, &n, &units, problem))
        return false;

    std::vector<std::vector<int>> records;
    if (!recordsOf(params, int(typology), &records)) {
        setProblem(problem, notAvailable());
        return false;
    }
    const qint64 needed = 1 + n * qint64(records.size());
    if (lines.size() < needed) {
        setProblem(problem, "il file è incompleto: contiene " + number(lines.size()) +
                                " righe, ne servono " + number(needed));
        return false;
    }

    ArchiveContent result;
    result.typology = int(typology);
    result.n = int(n);
    result.units = units;
    result.rows.assign(size_t(n), std::vector<QString>(params.data.size()));
    int lineIndex = 1;
    for (int row = 0; row < n; ++row) {
        for (const auto& record : records) {
            const QByteArray& line = lines[lineIndex++];
            if (!parseRecord(line, lineIndex, record, &result.rows[size_t(row)], problem))
                return false;
        }
    }
    if (content)
        *content = std::move(result);
    return true;
}

bool ReadArchive(const SheetParams& params, const FilePath& path, ArchiveContent* content,
                 QString* problem) {
    QByteArray bytes;
    if (!ReadWholeFile(path, kMaxArchiveBytes, &bytes, problem))
        return false;
    return ParseArchive(params, bytes, content, problem);
}

bool WriteArchive(const SheetParams& params, const Sheet& sheet, int typology, const FilePath& path,
                  QString* problem) {
    if (!ArchiveAvailable(params)) {
        setProblem(problem, notAvailable());
        return false;
    }
    return WriteWholeFile(path, FormatArchive(params, sheet, typology), problem);
}

void ApplyArchive(const ArchiveContent& content, Sheet& sheet) {
    sheet.clear();
    sheet.setUnits(content.units);
    const int columns = sheet.dataColumns();
    for (int row = 1; row <= content.n && row <= kMaxRows; ++row) {
        const auto& values = content.rows[size_t(row - 1)];
        for (int column = 1; column <= columns && column <= int(values.size()); ++column)
            sheet.setDatum(column, row, values[size_t(column - 1)]);
    }
    sheet.CountRows();
}

QString ArchiveReadMessage(const QString& path, const QString& problem) {
    return "Il file \"" + QFileInfo(path).fileName() + "\" non può essere aperto: " + problem + ".";
}

QString ArchiveWriteMessage(const QString& path, const QString& problem) {
    return "Il file \"" + QFileInfo(path).fileName() + "\" non è stato salvato: " + problem + ".";
}

QString ArchiveDeleteMessage(const QString& path, const QString& problem) {
    return "Il file \"" + QFileInfo(path).fileName() + "\" non è stato eliminato: " + problem + ".";
}

QString ForeignArchiveMessage(const SheetParams& params,
                              const std::vector<const SheetParams*>& windows, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (name.startsWith(params.archive.prefix, Qt::CaseInsensitive))
        return {};
    for (const SheetParams* other : windows) {
        const QString& prefix = other->archive.prefix;
        if (other == &params || prefix.isEmpty() || !name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        return "Il file \"" + name + "\" è un archivio " + other->words.archiveOf +
               ": aprirlo dalla finestra " + other->words.windowName + ".";
    }
    return {};
}

FileDialogRequest OpenRequest(const SheetParams& params) {
    const QString& prefix = params.archive.prefix;
    return {QStringLiteral("Apri file"),
            "Tutti i file (*.*) | *.*|File " + prefix + " | " + prefix + "*", 2, QString()};
}

FileDialogRequest SaveRequest(const SheetParams& params, const QString& lastName) {
    const QString& prefix = params.archive.prefix;
    return {QStringLiteral("Salva file con nome"), "File " + prefix + " | " + prefix + "*", 1,
            lastName};
}

FileDialogRequest DeleteRequest(const SheetParams& params) {
    const QString& prefix = params.archive.prefix;
    return {ModPonteluma::texts().deleteTitle,
            "Tutti i file (*.*)|*.*|File " + prefix + " | " + prefix + "*", 2, QString()};
}
