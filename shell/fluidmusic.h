#pragma once
// The splash music through the FluidSynth software synthesiser. FluidSession
// holds a synthesiser with one MIDI file; it can sound through an audio driver
// or be rendered into memory (no device needed, which is how it is tested).
#include "shell/musicplayer.h"

#include <QStringList>
#include <memory>

// The General MIDI sound font installed with the program's packages, or empty.
QString DefaultSoundFont();

// The audio drivers worth trying here, best first: a driver is left out when
// the sound server or device it needs is plainly absent, so that no attempt
// can hang or fill the terminal with a library's complaints.
QStringList DefaultAudioDrivers();

class FluidSession {
public:
    FluidSession();
    ~FluidSession();
    FluidSession(const FluidSession&) = delete;
    FluidSession& operator=(const FluidSession&) = delete;

    // Loads the sound font and the MIDI file; false (and nothing held) when
    // either is missing or unreadable.
    bool load(const QString& midiPath, const QString& soundFont, double sampleRate = 44100.0);
    // Opens the first driver of the list that works; false when none does.
    bool startAudio(const QStringList& drivers);
    bool isLoaded() const;
    bool hasAudio() const;

    // Starts, or resumes from where pause stopped; after the end it starts over.
    void play();
    // Stops where it is and silences the notes that are sounding.
    void pause();
    bool isPlaying() const;
    int currentTick() const;

    // Fills two channels with the next frames of sound (only without a driver,
    // which would otherwise be pulling the same synthesiser).
    void render(float* left, float* right, int frames);

    // Stops and frees everything.
    void unload();

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

// A player backend that sounds through FluidSynth: silent (open fails) when
// the sound font, the file or every audio driver is missing.
std::unique_ptr<MusicBackend> makeFluidBackend(const QString& soundFont,
                                               const QStringList& drivers);
