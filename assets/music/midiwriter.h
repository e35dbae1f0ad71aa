#pragma once
// A small Standard MIDI File writer: tracks of timed events written as a
// format-1 file (format 0 when there is a single track).
#include <cstdint>
#include <string>
#include <vector>

namespace midi {

// Appends a variable-length quantity (7 bits a byte, high bit = more follows).
void appendVarLength(std::vector<std::uint8_t>& out, std::uint32_t value);

class Track {
public:
    void name(const std::string& text);
    void tempo(std::uint32_t tick, double beatsPerMinute);
    void timeSignature(std::uint32_t tick, int numerator, int denominatorPower);
    void keySignature(std::uint32_t tick, int sharps, bool minor);
    void program(std::uint32_t tick, int channel, int program);
    void controller(std::uint32_t tick, int channel, int controller, int value);
    void note(std::uint32_t tick, std::uint32_t duration, int channel, int key, int velocity);

    // The whole "MTrk" chunk, events in time order, closed by end-of-track.
    std::vector<std::uint8_t> chunk() const;
    std::uint32_t lastTick() const;

private:
    // At one tick, note-offs go first so a repeated key is released before it sounds again.
    enum Order { NoteOff, Meta, Setup, NoteOn };
    struct Event {
        std::uint32_t tick;
        Order order;
        std::vector<std::uint8_t> bytes;
    };
    void add(std::uint32_t tick, Order order, std::vector<std::uint8_t> bytes);
    std::vector<Event> m_events;
};

std::vector<std::uint8_t> fileBytes(const std::vector<Track>& tracks, int ticksPerQuarter);

} // namespace midi
