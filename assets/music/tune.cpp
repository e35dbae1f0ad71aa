// Writes the splash tune "Internet.mid": a flute melody over an arpeggiated
// piano and a plucked bass, in C major, 20 bars at 100 beats a minute (48 s).
// Usage: ponteluma_tune OUTPUT.mid
#include "midiwriter.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int TicksPerQuarter = 480;
constexpr int Eighth = TicksPerQuarter / 2;
constexpr int EighthsPerBar = 8;
constexpr int Bar = Eighth * EighthsPerBar;
constexpr double Tempo = 100.0;

enum Channel { MelodyChannel = 0, PianoChannel = 1, BassChannel = 2 };
// General MIDI programs, counted from 0.
constexpr int Flute = 73, AcousticGrand = 0, AcousticBass = 32;

struct Chord {
    int voicing[3]; // close position around middle C
    int root;       // bass register
};

const std::map<std::string, Chord>& chords() {
    static const std::map<std::string, Chord> table{
        {"C", {{60, 64, 67}, 36}}, {"Dm", {{57, 62, 65}, 38}}, {"Em", {{59, 64, 67}, 40}},
        {"F", {{57, 60, 65}, 41}}, {"G", {{59, 62, 67}, 43}},  {"Am", {{57, 60, 64}, 45}},
    };
    return table;
}

// One bar: its chords (one for the whole bar, or two for its halves) and the
// melody as "NOTE:eighths" tokens, "R" for a rest.
struct BarScore {
    std::vector<std::string> harmony;
    std::string melody;
};

const std::vector<BarScore>& score() {
    static const std::vector<BarScore> bars{
        // Introduction: the accompaniment alone.
        {{"C"}, "R:8"},
        {{"G"}, "R:8"},
        // First phrase.
        {{"C"}, "E5:2 G5:2 C6:3 B5:1"},
        {{"Am"}, "A5:2 E5:2 A5:4"},
        {{"F"}, "F5:2 A5:2 C6:2 A5:2"},
        {{"G"}, "G5:4 D5:2 G5:2"},
        {{"C"}, "E5:2 G5:2 C6:3 D6:1"},
        {{"Am"}, "E6:2 C6:2 A5:4"},
        {{"Dm", "G"}, "F5:2 A5:1 D6:1 B5:2 G5:2"},
        {{"C"}, "C6:6 R:2"},
        // Second phrase.
        {{"F"}, "A5:3 G5:1 F5:2 A5:2"},
        {{"G"}, "G5:3 F5:1 E5:2 D5:2"},
        {{"Em"}, "E5:2 G5:2 B5:2 G5:2"},
        {{"Am"}, "A5:6 R:2"},
        {{"F"}, "C6:3 A5:1 F5:2 C6:2"},
        {{"G"}, "B5:3 G5:1 D6:2 B5:2"},
        {{"Dm", "G"}, "D6:2 C6:2 B5:2 D6:2"},
        {{"C"}, "C6:8"},
        // Coda: the opening motif once more, then the last chord held.
        {{"C"}, "E5:2 G5:2 C6:2 E6:2"},
        {{"C"}, "C6:8"},
    };
    return bars;
}

int keyNumber(const std::string& name) {
    static const std::map<char, int> steps{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                           {'G', 7}, {'A', 9}, {'B', 11}};
    int key = steps.at(name.at(0));
    std::size_t at = 1;
    if (name.at(at) == '#') {
        ++key;
        ++at;
    } else if (name.at(at) == 'b') {
        --key;
        ++at;
    }
    const int octave = std::stoi(name.substr(at));
    return 12 * (octave + 1) + key;
}

struct Note {
    int key; // 0 for a rest
    int eighths;
};

std::vector<Note> parseMelody(const std::string& text) {
    std::vector<Note> notes;
    std::istringstream tokens(text);
    std::string token;
    while (tokens >> token) {
        const auto colon = token.find(':');
        const std::string pitch = token.substr(0, colon);
        const int eighths = std::stoi(token.substr(colon + 1));
        notes.push_back({pitch == "R" ? 0 : keyNumber(pitch), eighths});
    }
    return notes;
}

void writeMelody(midi::Track& track, std::uint32_t start, const std::string& text) {
    std::uint32_t tick = start;
    for (const Note& note : parseMelody(text)) {
        const std::uint32_t length = note.eighths * Eighth;
        if (note.key != 0) {
            const bool onBeat = (tick - start) % TicksPerQuarter == 0;
            track.note(tick, length - 20, MelodyChannel, note.key, onBeat ? 92 : 80);
        }
        tick += length;
    }
}

// Alberti figure, low-high-middle-high, one note an eighth.
void writeArpeggio(midi::Track& track, std::uint32_t start, int eighths, const Chord& chord) {
    static const int figure[] = {0, 2, 1, 2};
    for (int i = 0; i < eighths; ++i) {
        const int key = chord.voicing[figure[i % 4]];
        track.note(start + i * Eighth, Eighth + 60, PianoChannel, key, i % 4 == 0 ? 62 : 52);
    }
}

int fifthAbove(int root) {
    return root + 7 <= 50 ? root + 7 : root - 5;
}

void writeBass(midi::Track& track, std::uint32_t start, int eighths, const Chord& chord) {
    if (eighths < EighthsPerBar) {
        track.note(start, eighths * Eighth - 30, BassChannel, chord.root, 84);
        return;
    }
    track.note(start, 3 * Eighth - 30, BassChannel, chord.root, 88);
    track.note(start + 3 * Eighth, Eighth - 30, BassChannel, chord.root, 70);
    track.note(start + 4 * Eighth, 4 * Eighth - 30, BassChannel, fifthAbove(chord.root), 80);
}

bool barsAreWhole() {
    bool whole = true;
    for (std::size_t i = 0; i < score().size(); ++i) {
        int eighths = 0;
        for (const Note& note : parseMelody(score()[i].melody))
            eighths += note.eighths;
        if (eighths != EighthsPerBar) {
            std::fprintf(stderr, "bar %zu of the melody lasts %d eighths\n", i + 1, eighths);
            whole = false;
        }
    }
    return whole;
}

std::vector<midi::Track> compose() {
    midi::Track conductor, melody, piano, bass;
    conductor.name("Ponteluma");
    conductor.tempo(0, Tempo);
    conductor.timeSignature(0, 4, 2);
    conductor.keySignature(0, 0, false);

    struct Part {
        midi::Track& track;
        const char* name;
        Channel channel;
        int program, volume, pan;
    };
    const Part parts[] = {{melody, "Flauto", MelodyChannel, Flute, 100, 64},
                          {piano, "Pianoforte", PianoChannel, AcousticGrand, 84, 48},
                          {bass, "Basso", BassChannel, AcousticBass, 96, 80}};
    for (const Part& part : parts) {
        part.track.name(part.name);
        part.track.program(0, part.channel, part.program);
        part.track.controller(0, part.channel, 7, part.volume); // volume
        part.track.controller(0, part.channel, 10, part.pan);   // pan
        part.track.controller(0, part.channel, 91, 40);         // reverb send
    }

    const auto& bars = score();
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const std::uint32_t start = static_cast<std::uint32_t>(i) * Bar;
        writeMelody(melody, start, bars[i].melody);
        const bool last = i + 1 == bars.size();
        const int segment = EighthsPerBar / static_cast<int>(bars[i].harmony.size());
        for (std::size_t c = 0; c < bars[i].harmony.size(); ++c) {
            const Chord& chord = chords().at(bars[i].harmony[c]);
            const std::uint32_t at = start + static_cast<std::uint32_t>(c * segment * Eighth);
            if (last) {
                // The closing chord rings as a block for the whole bar.
                for (int key : chord.voicing)
                    piano.note(at, Bar - 40, PianoChannel, key, 60);
                bass.note(at, Bar - 40, BassChannel, chord.root, 84);
            } else {
                writeArpeggio(piano, at, segment, chord);
                writeBass(bass, at, segment, chord);
            }
        }
    }
    return {conductor, melody, piano, bass};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.mid\n", argv[0]);
        return 1;
    }
    if (!barsAreWhole())
        return 1;
    const auto bytes = midi::fileBytes(compose(), TicksPerQuarter);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
