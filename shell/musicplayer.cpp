#include "shell/musicplayer.h"

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
