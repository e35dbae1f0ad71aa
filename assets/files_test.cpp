// The files the build lays beside the program: typology figures, tips, tune.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

namespace {

QString buildFile(const QString& name) {
    return QDir(PONTELUMA_BINARY_DIR).filePath(name);
}

struct FigureKind {
    const char* name;
    int count;
};
const FigureKind figureKinds[] = {
    {"sezione", 17}, {"trave", 20}, {"continue", 10}, {"arco", 15}, {"piastra", 4}};

TEST(AssetFigures, EveryTypologyHasAReadableDrawingOfTheFigureBoxSize) {
    QSet<QByteArray> seen;
    int total = 0;
    for (const FigureKind& kind : figureKinds) {
        for (int n = 1; n <= kind.count; ++n) {
            // The windows ask for "figurePonteluma/<kind> ( N).bmp": a blank before the number.
            const QString name = QString("figurePonteluma/%1 ( %2).bmp").arg(kind.name).arg(n);
            SCOPED_TRACE(name.toStdString());
            QFile file(buildFile(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            ASSERT_TRUE(bytes.startsWith("BM"));
            const QImage image = QImage::fromData(bytes, "BMP");
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.width(), 170);
            EXPECT_EQ(image.height(), 134);

            int dark = 0, white = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const int grey = qGray(image.pixel(x, y));
                    dark += grey < 90;
                    white += grey > 250;
                }
            EXPECT_GT(dark, 150) << "too little drawn";
            EXPECT_GT(white, image.width() * image.height() / 2) << "background is not white";
            // A figure drawn twice for two typologies would show the wrong one.
            EXPECT_FALSE(seen.contains(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1)));
            seen.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1));
            ++total;
        }
    }
    EXPECT_EQ(total, 66);
}

TEST(AssetFigures, NumbersWithoutTheBlankAreNotThere) {
    // Only the names the windows use: no "sezione (1).bmp" beside "sezione ( 1).bmp".
    const QStringList files = QDir(buildFile("figurePonteluma")).entryList({"*.bmp"}, QDir::Files);
    EXPECT_EQ(files.size(), 66);
    for (const QString& file : files)
        EXPECT_TRUE(file.contains(" ( ")) << file.toStdString();
}

TEST(AssetTips, OneTipALineAndAtLeastThirty) {
    QFile file(buildFile("SuggerimentiPonteluma.TXT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    QStringList tips;
    while (!in.atEnd())
        tips << in.readLine();
    ASSERT_GE(tips.size(), 30);
    for (const QString& tip : tips) {
        EXPECT_FALSE(tip.trimmed().isEmpty()) << "a blank line shows as an empty tip";
        EXPECT_LT(tip.size(), 320) << tip.toStdString();
    }
    // Accented Italian must survive as UTF-8.
    EXPECT_TRUE(tips.join('\n').contains(QString::fromUtf8("è")));
}

// A reader of Standard MIDI Files independent of the writer the build uses.
struct MidiSummary {
    int format = -1, tracks = 0, division = 0;
    int trackChunks = 0, tracksEnded = 0;
    std::map<std::uint32_t, std::uint32_t> tempos; // tick -> microseconds a quarter
    std::uint32_t lastTick = 0;
    std::map<int, int> notesOn;  // channel -> count
    std::map<int, int> programs; // channel -> program
    std::string error;
};

std::uint32_t bigEndian(const QByteArray& b, int at, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

MidiSummary readMidi(const QByteArray& b) {
    MidiSummary s;
    if (b.size() < 14 || !b.startsWith("MThd") || bigEndian(b, 4, 4) != 6) {
        s.error = "no MThd header";
        return s;
    }
    s.format = static_cast<int>(bigEndian(b, 8, 2));
    s.tracks = static_cast<int>(bigEndian(b, 10, 2));
    s.division = static_cast<int>(bigEndian(b, 12, 2));
    int at = 14;
    while (at + 8 <= b.size()) {
        if (b.mid(at, 4) != "MTrk") {
            s.error = "chunk is not MTrk";
            return s;
        }
        const int length = static_cast<int>(bigEndian(b, at + 4, 4));
        int p = at + 8;
        const int end = p + length;
        if (end > b.size()) {
            s.error = "chunk runs past the end";
            return s;
        }
        ++s.trackChunks;
        std::uint32_t tick = 0;
        int status = 0;
        bool ended = false;
        auto varLength = [&]() {
            std::uint32_t v = 0;
            while (p < end) {
                const auto c = static_cast<std::uint8_t>(b[p++]);
                v = (v << 7) | (c & 0x7F);
                if (!(c & 0x80))
                    break;
            }
            return v;
        };
        while (p < end && !ended) {
            tick += varLength();
            int first = static_cast<std::uint8_t>(b[p]);
            if (first & 0x80) {
                status = first;
                ++p;
            }
            if (status == 0xFF) {
                const int type = static_cast<std::uint8_t>(b[p++]);
                const std::uint32_t n = varLength();
                if (type == 0x51 && n == 3)
                    s.tempos[tick] = bigEndian(b, p, 3);
                if (type == 0x2F)
                    ended = p + static_cast<int>(n) == end; // must close the chunk
                p += static_cast<int>(n);
                status = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                p += static_cast<int>(varLength());
            } else if (status >= 0x80) {
                const int kind = status & 0xF0, channel = status & 0x0F;
                const int d1 = static_cast<std::uint8_t>(b[p++]);
                const int d2 =
                    (kind == 0xC0 || kind == 0xD0) ? 0 : static_cast<std::uint8_t>(b[p++]);
                if (kind == 0x90 && d2 > 0)
                    ++s.notesOn[channel];
                if (kind == 0xC0)
                    s.programs[channel] = d1;
            } else {
                s.error = "data byte without status";
                return s;
            }
            s.lastTick = std::max(s.lastTick, tick);
        }
        s.tracksEnded += ended;
        at = end;
    }
    return s;
}

double seconds(const MidiSummary& s) {
    double total = 0;
    std::uint32_t tick = 0, tempo = 500000; // 120 a minute until told otherwise
    for (const auto& [at, micros] : s.tempos) {
        if (at >= s.lastTick)
            break;
        total += double(at - tick) * tempo / s.division / 1e6;
        tick = at;
        tempo = micros;
    }
    return total + double(s.lastTick - tick) * tempo / s.division / 1e6;
}

TEST(AssetTune, IsAWellFormedMidiFileOfHalfAMinuteToAMinute) {
    QFile file(buildFile("Internet.mid"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const MidiSummary s = readMidi(file.readAll());
    ASSERT_EQ(s.error, "");
    EXPECT_EQ(s.format, 1);
    EXPECT_GE(s.tracks, 3);
    EXPECT_EQ(s.trackChunks, s.tracks);
    EXPECT_EQ(s.tracksEnded, s.tracks) << "every track ends with its end-of-track event";
    EXPECT_GT(s.division, 0);
    ASSERT_FALSE(s.tempos.empty());
    EXPECT_GE(seconds(s), 30.0);
    EXPECT_LE(seconds(s), 60.0);
    // A melody and its accompaniment, each on its own General MIDI instrument.
    EXPECT_GE(s.notesOn.size(), 2u);
    EXPECT_GE(s.programs.size(), 2u);
}

TEST(AssetTune, ReaderCountsDurationFromTempoAndTicks) {
    // Two quarters at 60 a minute after one at 120: 0.5 s + 2 s.
    const QByteArray bytes = QByteArray::fromHex("4d546864000000060000000100"
                                                 "01"
                                                 "4d54726b0000001a"
                                                 "00ff510307a120" // 120 a minute
                                                 "01ff51030f4240" // 60 a minute at tick 1
                                                 "00903c40"
                                                 "02803c00"
                                                 "00ff2f00");
    const MidiSummary s = readMidi(bytes);
    ASSERT_EQ(s.error, "");
    EXPECT_EQ(s.tracksEnded, 1);
    EXPECT_DOUBLE_EQ(seconds(s), 2.5);
}

} // namespace
