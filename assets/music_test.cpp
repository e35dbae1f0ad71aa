// The splash music: the commands of the multimedia control, and the FluidSynth
// session rendered into memory (no audio device is ever opened here).
#include "shell/fluidmusic.h"
#include "shell/musicplayer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

QString tunePath() {
    return QDir(PONTELUMA_BINARY_DIR).filePath("Internet.mid");
}

class RecordingBackend : public MusicBackend {
public:
    explicit RecordingBackend(QStringList& log, bool opens) : m_log(log), m_opens(opens) {}
    bool open(const QString& path) override {
        m_log << "open " + path;
        return m_opens;
    }
    void play() override { m_log << "play"; }
    void pause() override { m_log << "pause"; }
    void close() override { m_log << "close"; }

private:
    QStringList& m_log;
    bool m_opens;
};

TEST(MusicPlayerCommands, SplashSequenceReachesTheBackendInOrder) {
    struct Case {
        bool opens;
        QStringList verbs;
        QStringList expected;
    };
    const Case cases[] = {
        // Splash load, click (pause), exit (play again), key press (close).
        {true,
         {"open", "play", "pause", "play", "close"},
         {"open Internet.mid", "play", "pause", "play", "close"}},
        // A file or device that cannot be opened leaves everything silent.
        {false, {"open", "play", "pause", "play", "close"}, {"open Internet.mid"}},
        // Nothing sounds after close until the next open; unknown verbs are ignored.
        {true, {"open", "close", "play", "stop", "pause"}, {"open Internet.mid", "close"}},
        {true, {"play", "pause", "close"}, {}},
    };
    for (const Case& c : cases) {
        QStringList log;
        MusicPlayer player(std::make_unique<RecordingBackend>(log, c.opens));
        player.setFileName("Internet.mid");
        for (const QString& verb : c.verbs)
            player.command(verb);
        EXPECT_EQ(log, c.expected) << c.verbs.join(' ').toStdString();
    }
}

double rms(const std::vector<float>& left, const std::vector<float>& right) {
    double sum = 0;
    for (std::size_t i = 0; i < left.size(); ++i)
        sum += double(left[i]) * left[i] + double(right[i]) * right[i];
    return left.empty() ? 0 : std::sqrt(sum / (2.0 * double(left.size())));
}

double renderSeconds(FluidSession& session, double seconds) {
    const int rate = 44100, block = 512;
    const int frames = static_cast<int>(seconds * rate);
    std::vector<float> left(frames), right(frames);
    for (int at = 0; at < frames; at += block)
        session.render(left.data() + at, right.data() + at, std::min(block, frames - at));
    return rms(left, right);
}

class FluidRendering : public ::testing::Test {
protected:
    void SetUp() override {
        if (DefaultSoundFont().isEmpty())
            GTEST_SKIP() << "no General MIDI sound font installed";
        ASSERT_TRUE(m_session.load(tunePath(), DefaultSoundFont()));
    }
    FluidSession m_session;
};

TEST_F(FluidRendering, TheTuneSoundsWhenPlayedAndIsSilentBefore) {
    EXPECT_LT(renderSeconds(m_session, 0.2), 1e-4);
    m_session.play();
    EXPECT_TRUE(m_session.isPlaying());
    EXPECT_GT(renderSeconds(m_session, 3.0), 0.005);
    EXPECT_GT(m_session.currentTick(), 0);
}

TEST_F(FluidRendering, PauseKeepsThePlaceAndPlayResumesFromIt) {
    m_session.play();
    renderSeconds(m_session, 2.0);
    m_session.pause();
    EXPECT_FALSE(m_session.isPlaying());
    renderSeconds(m_session, 1.0); // let the released notes die away
    const int pausedAt = m_session.currentTick();
    EXPECT_GT(pausedAt, 0);
    EXPECT_LT(renderSeconds(m_session, 1.0), 1e-3) << "still sounding while paused";
    EXPECT_EQ(m_session.currentTick(), pausedAt);

    m_session.play();
    EXPECT_GT(renderSeconds(m_session, 2.0), 0.005);
    const int resumedTo = m_session.currentTick();
    // Two seconds at 100 quarters a minute of 480 ticks are 1600 ticks: it went on
    // from the paused place rather than from the start.
    EXPECT_GT(resumedTo, pausedAt + 1000);
}

TEST_F(FluidRendering, CloseFreesTheSessionAndPlayThenDoesNothing) {
    m_session.play();
    renderSeconds(m_session, 0.5);
    m_session.unload();
    EXPECT_FALSE(m_session.isLoaded());
    m_session.play();
    EXPECT_FALSE(m_session.isPlaying());
    EXPECT_EQ(m_session.currentTick(), 0);
}

TEST(FluidSessionEnd, PlayAfterTheTuneEndedStartsItOver) {
    if (DefaultSoundFont().isEmpty())
        GTEST_SKIP() << "no General MIDI sound font installed";
    // Half a second: one middle C at 120 quarters a minute.
    QTemporaryDir dir;
    const QString path = dir.filePath("short.mid");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromHex("4d54686400000006000000010"
                                       "1e0"
                                       "4d54726b00000014"
                                       "00ff510307a120"
                                       "00903c64"
                                       "8360803c00"
                                       "00ff2f00"));
    }
    FluidSession session;
    ASSERT_TRUE(session.load(path, DefaultSoundFont()));
    session.play();
    EXPECT_GT(renderSeconds(session, 0.4), 0.005);
    renderSeconds(session, 4.0); // the player lets the last notes ring before it is done
    EXPECT_FALSE(session.isPlaying());
    session.play();
    EXPECT_TRUE(session.isPlaying());
    EXPECT_GT(renderSeconds(session, 0.4), 0.005);
}

TEST(FluidSessionLoad, RefusesWhatCannotSoundWithoutReportingAnything) {
    QTemporaryDir dir;
    const QString notMidi = dir.filePath("Internet.mid");
    {
        QFile file(notMidi);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is not a MIDI file at all");
    }
    const QString soundFont = DefaultSoundFont();
    struct Case {
        QString midi, soundFont;
    };
    const Case cases[] = {
        {dir.filePath("missing.mid"), soundFont},  {notMidi, soundFont},    {QString(), soundFont},
        {tunePath(), dir.filePath("missing.sf2")}, {tunePath(), QString()},
    };
    for (const Case& c : cases) {
        FluidSession session;
        EXPECT_FALSE(session.load(c.midi, c.soundFont)) << c.midi.toStdString();
        EXPECT_FALSE(session.isLoaded());
        session.play(); // harmless
        EXPECT_FALSE(session.isPlaying());
    }
}

TEST(FluidBackendOpen, WithoutAnAudioDriverStaysSilentAndQuick) {
    QElapsedTimer timer;
    timer.start();
    QStringList log;
    MusicPlayer player(makeFluidBackend(DefaultSoundFont(), QStringList()));
    player.setFileName(tunePath());
    for (const char* verb : {"open", "play", "pause", "play", "close"})
        player.command(verb);
    EXPECT_LT(timer.elapsed(), 5000);
}

} // namespace
