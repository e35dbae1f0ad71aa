#pragma once
// The splash window's music, driven by the commands of a multimedia control:
// "open" (with the file), "play", "pause", "close". A player that cannot sound
// (no file, no device) stays silent and reports nothing.
#include <QString>
#include <memory>

class MusicBackend {
public:
    virtual ~MusicBackend() = default;
    virtual bool open(const QString& path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0; // keeps the position
    virtual void close() = 0;
};

class MusicPlayer {
public:
    explicit MusicPlayer(std::unique_ptr<MusicBackend> backend);
    void setFileName(const QString& path) { m_fileName = path; }
    const QString& fileName() const { return m_fileName; }
    // "open", "play", "pause", "close"; anything else is ignored.
    void command(const QString& verb);

private:
    std::unique_ptr<MusicBackend> m_backend;
    QString m_fileName;
    bool m_open = false;
};

// The player the program uses: FluidSynth, loaded on the first "open"; silent when it
// cannot be loaded.
std::unique_ptr<MusicBackend> makeMusicBackend();
