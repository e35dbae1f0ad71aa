// libFuzzer target: any bytes given to the archive reader of each window either come
// back as a problem phrase or as content that obeys the window's table and survives a
// write and a second read unchanged. Built by bench/fuzz-archive, not part of the tests.
#include "sheet/archive.h"
#include "sheet/numbers.h"
#include "sheet/params.h"
#include "shell/windows.h"

#include <cstddef>
#include <cstdint>

namespace {

void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

bool validDatum(const QString& text) {
    bool wrongKey = false;
    return text != QLatin1String(",") && ModPonteluma::FilterTyping(text, &wrongKey) == text &&
           !wrongKey;
}

void checkWindow(const SheetParams& params, const QByteArray& bytes) {
    ArchiveContent content;
    QString problem;
    if (!ParseArchive(params, bytes, &content, &problem)) {
        require(!problem.isEmpty());
        return;
    }
    require(content.typology >= 1 && content.typology <= int(params.typologies.size()));
    require(content.n >= 0 && content.n <= kMaxRows);
    require(int(content.rows.size()) == content.n);
    for (const auto& row : content.rows) {
        require(row.size() == params.data.size());
        for (const QString& datum : row)
            require(validDatum(datum));
    }

    // What was read, written again, reads back the same (when every row counts).
    Sheet sheet = newSheet(params);
    ApplyArchive(content, sheet);
    if (sheet.n() != content.n)
        return;
    ArchiveContent again;
    require(ParseArchive(params, FormatArchive(params, sheet, content.typology), &again, &problem));
    require(again.typology == content.typology && again.n == content.n);
    require(again.rows == content.rows);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const SheetParams* window : CalcWindows())
        checkWindow(*window, bytes);
    return 0;
}
