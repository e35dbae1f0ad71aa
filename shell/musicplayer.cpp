#include "shell/musicplayer.h"

#include "shell/programlibrary.h"

MusicPlayer::MusicPlayer(std::unique_ptr<MusicBackend> backend) : m_backend(std::move(backend)) {}

void MusicPlayer::command(const QString& verb) {
    if (!m_backend)
        return;
    if (verb == QLatin1String("open")) {
        m_open = m_backend->open(m_fileName);
    } else if (verb == QLatin1String("play")) {
        if (m_open)
            m_backend->play();
    } else if (verb == QLatin1String("pause")) {
        if (m_open)
            m_backend->pause();
    } else if (verb == QLatin1String("close")) {
        if (m_open)
            m_backend->close();
        m_open = false;
    }
}

namespace {

// The synthesiser lives in a module of its own, loaded the first time the music is
// opened: nothing of the audio stack is loaded by a program that never plays.
class ModuleBackend : public MusicBackend {
public:
    bool open(const QString& path) override {
        if (!m_backend) {
            using Factory = MusicBackend* (*)();
            const auto make = reinterpret_cast<Factory>(
                ProgramLibrarySymbol("ponteluma_music.so", "ponteluma_music_backend", nullptr));
            if (!make)
                return false;
            m_backend.reset(make());
        }
        return m_backend->open(path);
    }
    void play() override { m_backend->play(); }
    void pause() override { m_backend->pause(); }
    void close() override { m_backend->close(); }

private:
    std::unique_ptr<MusicBackend> m_backend;
};

} // namespace

std::unique_ptr<MusicBackend> makeMusicBackend() {
    return std::make_unique<ModuleBackend>();
}
