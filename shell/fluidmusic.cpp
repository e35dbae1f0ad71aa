#include "shell/fluidmusic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <cstdio>

#include <fluidsynth.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// FluidSynth reports to standard error by default; the splash must stay quiet.
void silenceFluidLog() {
    static const bool once = [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    Q_UNUSED(once);
}

// Some sound libraries print straight to file descriptor 2 while a device is
// being opened (ALSA's "cannot find card" lines); this mutes it for that moment.
class StderrMute {
public:
    StderrMute() {
#ifdef Q_OS_UNIX
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY);
        if (m_saved >= 0 && null >= 0)
            ::dup2(null, STDERR_FILENO);
        if (null >= 0)
            ::close(null);
#endif
    }
    ~StderrMute() {
#ifdef Q_OS_UNIX
        std::fflush(stderr);
        if (m_saved >= 0) {
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
        }
#endif
    }
    StderrMute(const StderrMute&) = delete;
    StderrMute& operator=(const StderrMute&) = delete;

private:
    int m_saved = -1;
};

bool looksLikeMidi(const QByteArray& bytes) {
    return bytes.size() > 14 && bytes.startsWith("MThd");
}

} // namespace

QString DefaultSoundFont() {
    for (const char* path :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"}) {
        if (QFileInfo(QString::fromLatin1(path)).isReadable())
            return QString::fromLatin1(path);
    }
    return {};
}

QStringList DefaultAudioDrivers() {
    QStringList drivers;
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsSet("PULSE_SERVER") ||
        (!runtime.isEmpty() && QFileInfo::exists(runtime + "/pulse/native")))
        drivers << QStringLiteral("pulseaudio");
    const QStringList playback =
        QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*p")}, QDir::System);
    if (!playback.isEmpty())
        drivers << QStringLiteral("alsa");
#elif defined(Q_OS_WIN)
    drivers << QStringLiteral("wasapi") << QStringLiteral("dsound");
#elif defined(Q_OS_MACOS)
    drivers << QStringLiteral("coreaudio");
#endif
    return drivers;
}

struct FluidSession::Impl {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    QByteArray midi;      // the file's bytes, handed to a new player when it starts over
    bool started = false; // play was called since loading
    bool paused = false;  // pause was the last command

    bool newPlayer() {
        if (player)
            delete_fluid_player(player);
        player = new_fluid_player(synth);
        return player && fluid_player_add_mem(player, midi.constData(),
                                              static_cast<size_t>(midi.size())) == FLUID_OK;
    }
};

FluidSession::FluidSession() : m(std::make_unique<Impl>()) {
    silenceFluidLog();
}

FluidSession::~FluidSession() {
    unload();
}

bool FluidSession::load(const QString& midiPath, const QString& soundFont, double sampleRate) {
    unload();
    if (soundFont.isEmpty() || !QFileInfo(soundFont).isReadable())
        return false;
    QFile file(midiPath);
    if (midiPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    m->midi = file.readAll();
    if (!looksLikeMidi(m->midi))
        return false;

    m->settings = new_fluid_settings();
    if (!m->settings)
        return false;
    fluid_settings_setnum(m->settings, "synth.sample-rate", sampleRate);
    fluid_settings_setint(m->settings, "synth.lock-memory", 0);
    fluid_settings_setnum(m->settings, "synth.gain", 0.8);
    // The player follows the samples the synthesiser produces, so it keeps
    // time with the audio driver and with rendering into memory alike.
    fluid_settings_setstr(m->settings, "player.timing-source", "sample");
    m->synth = new_fluid_synth(m->settings);
    if (!m->synth ||
        fluid_synth_sfload(m->synth, QFile::encodeName(soundFont).constData(), 1) == FLUID_FAILED ||
        !m->newPlayer()) {
        unload();
        return false;
    }
    return true;
}

bool FluidSession::startAudio(const QStringList& drivers) {
    if (!isLoaded() || m->driver)
        return m->driver != nullptr;
    for (const QString& name : drivers) {
        fluid_settings_setstr(m->settings, "audio.driver", name.toLatin1().constData());
        StderrMute mute;
        m->driver = new_fluid_audio_driver(m->settings, m->synth);
        if (m->driver)
            return true;
    }
    return false;
}

bool FluidSession::isLoaded() const {
    return m->player != nullptr;
}

bool FluidSession::hasAudio() const {
    return m->driver != nullptr;
}

void FluidSession::play() {
    if (!isLoaded())
        return;
    const bool finished =
        m->started && !m->paused && fluid_player_get_status(m->player) == FLUID_PLAYER_DONE;
    if (finished && !m->newPlayer())
        return;
    m->started = true;
    m->paused = false;
    fluid_player_play(m->player);
}

void FluidSession::pause() {
    if (!isLoaded() || !isPlaying())
        return;
    fluid_player_stop(m->player);
    fluid_synth_all_notes_off(m->synth, -1);
    m->paused = true;
}

bool FluidSession::isPlaying() const {
    return isLoaded() && fluid_player_get_status(m->player) == FLUID_PLAYER_PLAYING;
}

int FluidSession::currentTick() const {
    return isLoaded() ? fluid_player_get_current_tick(m->player) : 0;
}

void FluidSession::render(float* left, float* right, int frames) {
    if (!isLoaded() || m->driver || frames <= 0)
        return;
    fluid_synth_write_float(m->synth, frames, left, 0, 1, right, 0, 1);
}

void FluidSession::unload() {
    // The driver goes first: it is the one calling into the synthesiser.
    if (m->driver)
        delete_fluid_audio_driver(m->driver);
    if (m->player) {
        fluid_player_stop(m->player);
        delete_fluid_player(m->player);
    }
    if (m->synth)
        delete_fluid_synth(m->synth);
    if (m->settings)
        delete_fluid_settings(m->settings);
    m->driver = nullptr;
    m->player = nullptr;
    m->synth = nullptr;
    m->settings = nullptr;
    m->midi.clear();
    m->started = false;
    m->paused = false;
}

namespace {
class FluidBackend : public MusicBackend {
public:
    FluidBackend(QString soundFont, QStringList drivers)
        : m_soundFont(std::move(soundFont)), m_drivers(std::move(drivers)) {}

    bool open(const QString& path) override {
        if (m_session.load(path, m_soundFont) && m_session.startAudio(m_drivers))
            return true;
        m_session.unload();
        return false;
    }
    void play() override { m_session.play(); }
    void pause() override { m_session.pause(); }
    void close() override { m_session.unload(); }

private:
    QString m_soundFont;
    QStringList m_drivers;
    FluidSession m_session;
};
} // namespace

std::unique_ptr<MusicBackend> makeFluidBackend(const QString& soundFont,
                                               const QStringList& drivers) {
    return std::make_unique<FluidBackend>(soundFont, drivers);
}

// The module's entry point, found by name when the splash first opens its music.
extern "C" __attribute__((visibility("default"))) MusicBackend* ponteluma_music_backend() {
    return makeFluidBackend(DefaultSoundFont(), DefaultAudioDrivers()).release();
}
