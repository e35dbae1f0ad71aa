#include "midiwriter.h"

#include <algorithm>
#include <cmath>

namespace midi {

namespace {
std::uint8_t byte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

void appendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

std::vector<std::uint8_t> metaEvent(int type, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> bytes{0xFF, byte(type)};
    appendVarLength(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}
} // namespace

void appendVarLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

void Track::add(std::uint32_t tick, Order order, std::vector<std::uint8_t> bytes) {
    m_events.push_back({tick, order, std::move(bytes)});
}

void Track::name(const std::string& text) {
    add(0, Meta, metaEvent(0x03, std::vector<std::uint8_t>(text.begin(), text.end())));
}

void Track::tempo(std::uint32_t tick, double beatsPerMinute) {
    const auto microsPerQuarter =
        static_cast<std::uint32_t>(std::lround(60000000.0 / beatsPerMinute));
    std::vector<std::uint8_t> data;
    appendBigEndian(data, microsPerQuarter, 3);
    add(tick, Meta, metaEvent(0x51, data));
}

void Track::timeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
    add(tick, Meta, metaEvent(0x58, {byte(numerator), byte(denominatorPower), 24, 8}));
}

void Track::keySignature(std::uint32_t tick, int sharps, bool minor) {
    add(tick, Meta, metaEvent(0x59, {byte(sharps), byte(minor ? 1 : 0)}));
}

void Track::program(std::uint32_t tick, int channel, int program) {
    add(tick, Setup, {byte(0xC0 | (channel & 0x0F)), byte(program & 0x7F)});
}

void Track::controller(std::uint32_t tick, int channel, int controller, int value) {
    add(tick, Setup, {byte(0xB0 | (channel & 0x0F)), byte(controller & 0x7F), byte(value & 0x7F)});
}

void Track::note(std::uint32_t tick, std::uint32_t duration, int channel, int key, int velocity) {
    add(tick, NoteOn, {byte(0x90 | (channel & 0x0F)), byte(key & 0x7F), byte(velocity & 0x7F)});
    add(tick + duration, NoteOff, {byte(0x80 | (channel & 0x0F)), byte(key & 0x7F), 0x40});
}

std::uint32_t Track::lastTick() const {
    std::uint32_t last = 0;
    for (const Event& event : m_events)
        last = std::max(last, event.tick);
    return last;
}

std::vector<std::uint8_t> Track::chunk() const {
    std::vector<Event> events = m_events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    for (const Event& event : events) {
        appendVarLength(body, event.tick - now);
        now = event.tick;
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    }
    appendVarLength(body, 0);
    const auto end = metaEvent(0x2F, {});
    body.insert(body.end(), end.begin(), end.end());

    std::vector<std::uint8_t> out{'M', 'T', 'r', 'k'};
    appendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<std::uint8_t> fileBytes(const std::vector<Track>& tracks, int ticksPerQuarter) {
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, tracks.size() == 1 ? 0 : 1, 2);
    appendBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    appendBigEndian(out, static_cast<std::uint32_t>(ticksPerQuarter), 2);
    for (const Track& track : tracks) {
        const auto chunk = track.chunk();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

} // namespace midi
