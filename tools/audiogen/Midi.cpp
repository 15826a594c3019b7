#include "Midi.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace audiogen {
namespace {

constexpr int kPpqn = 480;
constexpr int kEighth = kPpqn / 2;
constexpr int kBar = 4 * kPpqn;

struct Event {
    uint32_t tick;
    int order;  // at one tick: meta, then setup, then note-offs, then note-ons
    std::vector<uint8_t> bytes;
};

struct Track {
    std::vector<Event> events;

    void Meta(uint32_t tick, uint8_t type, const std::string& data) {
        std::vector<uint8_t> b = {0xFF, type, static_cast<uint8_t>(data.size())};
        b.insert(b.end(), data.begin(), data.end());
        events.push_back({tick, 0, b});
    }
    void Setup(int ch, int program, int volume, int pan, int reverb) {
        const auto c = static_cast<uint8_t>(ch);
        events.push_back({0, 1, {static_cast<uint8_t>(0xB0 | c), 7, static_cast<uint8_t>(volume)}});
        events.push_back({0, 1, {static_cast<uint8_t>(0xB0 | c), 10, static_cast<uint8_t>(pan)}});
        events.push_back({0, 1, {static_cast<uint8_t>(0xB0 | c), 91, static_cast<uint8_t>(reverb)}});
        if (program >= 0)
            events.push_back({0, 1, {static_cast<uint8_t>(0xC0 | c), static_cast<uint8_t>(program)}});
    }
    void Note(int ch, int key, int velocity, uint32_t start, uint32_t length) {
        const auto c = static_cast<uint8_t>(ch), k = static_cast<uint8_t>(key);
        events.push_back({start, 3, {static_cast<uint8_t>(0x90 | c), k, static_cast<uint8_t>(std::clamp(velocity, 1, 127))}});
        events.push_back({start + length, 2, {static_cast<uint8_t>(0x80 | c), k, 0}});
    }
};

void PutVlq(std::string& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7F;
    while (v >>= 7) buf[n++] = static_cast<uint8_t>((v & 0x7F) | 0x80);
    while (n--) out.push_back(static_cast<char>(buf[n]));
}

void PutBe(std::string& out, uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>(v >> (8 * i)));
}

void WriteFile(const std::filesystem::path& path, std::vector<Track> tracks, uint32_t end) {
    std::string out = "MThd";
    PutBe(out, 6, 4); PutBe(out, 1, 2); PutBe(out, static_cast<uint32_t>(tracks.size()), 2); PutBe(out, kPpqn, 2);
    for (Track& t : tracks) {
        std::stable_sort(t.events.begin(), t.events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::string body;
        uint32_t now = 0;
        for (const Event& e : t.events) {
            PutVlq(body, e.tick - now);
            now = e.tick;
            body.append(e.bytes.begin(), e.bytes.end());
        }
        PutVlq(body, std::max(end, now) - now);
        body += "\xFF\x2F";
        body.push_back('\0');
        out += "MTrk";
        PutBe(out, static_cast<uint32_t>(body.size()), 4);
        out += body;
    }
    std::ofstream(path, std::ios::binary) << out;
}

int ParsePitch(const std::string& s) {
    static const int kClass[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    if (s.empty() || s[0] < 'A' || s[0] > 'G') throw std::runtime_error("bad pitch " + s);
    int pc = kClass[s[0] - 'A'];
    size_t i = 1;
    if (i < s.size() && s[i] == '#') { ++pc; ++i; }
    else if (i < s.size() && s[i] == 'b') { --pc; ++i; }
    return (std::stoi(s.substr(i)) + 1) * 12 + pc;
}

struct Chord {
    int root;                // pitch class
    std::vector<int> tones;  // pitch classes, root first
};

Chord ParseChord(const std::string& s) {
    Chord c{ParsePitch(s.substr(0, s[1] == 'b' || s[1] == '#' ? 2 : 1) + "0") % 12, {}};
    const bool minor = s.find('m') != std::string::npos;
    c.tones = {c.root, (c.root + (minor ? 3 : 4)) % 12, (c.root + 7) % 12};
    if (s.find('7') != std::string::npos) c.tones.push_back((c.root + 10) % 12);
    return c;
}

// Chord tones placed in [low, low + 12), lowest first.
std::vector<int> Voicing(const Chord& c, int low) {
    std::vector<int> v;
    for (int pc : c.tones) v.push_back(low + ((pc - low) % 12 + 12) % 12);
    std::sort(v.begin(), v.end());
    return v;
}

struct Bar {
    std::string melody;  // "E5:2 G5:2 ..." in eighths; empty for none
    std::string chord;
};

struct Note { int key; int eighths; };  // key -1 is a rest

std::vector<Note> ParseMelody(const std::string& text, int beatsPerBar) {
    std::vector<Note> notes;
    std::istringstream in(text);
    std::string token;
    int total = 0;
    while (in >> token) {
        const auto colon = token.find(':');
        const int len = std::stoi(token.substr(colon + 1));
        const std::string pitch = token.substr(0, colon);
        notes.push_back({pitch == "R" ? -1 : ParsePitch(pitch), len});
        total += len;
    }
    if (!text.empty() && total != beatsPerBar * 2)
        throw std::runtime_error("bar does not add up: " + text);
    return notes;
}

std::vector<Bar> Section(const std::vector<std::string>& melody, const std::vector<std::string>& chords) {
    std::vector<Bar> bars;
    for (size_t i = 0; i < chords.size(); ++i) bars.push_back({i < melody.size() ? melody[i] : "", chords[i]});
    return bars;
}

std::vector<Bar> Join(std::initializer_list<std::vector<Bar>> parts) {
    std::vector<Bar> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

void Melody(Track& t, int ch, const std::vector<Bar>& bars, int velocity, int transpose = 0) {
    for (size_t b = 0; b < bars.size(); ++b) {
        uint32_t at = static_cast<uint32_t>(b) * kBar;
        for (const Note& n : ParseMelody(bars[b].melody, 4)) {
            const uint32_t len = static_cast<uint32_t>(n.eighths * kEighth);
            if (n.key >= 0) {
                const bool downbeat = at % kBar == 0;
                t.Note(ch, n.key + transpose, velocity + (downbeat ? 8 : 0), at, len * 9 / 10);
            }
            at += len;
        }
    }
}

std::string Tempo(int bpm) {
    const uint32_t us = 60'000'000u / static_cast<uint32_t>(bpm);
    return {static_cast<char>(us >> 16), static_cast<char>(us >> 8), static_cast<char>(us)};
}

Track Conductor(int bpm, const std::string& title) {
    Track t;
    t.Meta(0, 0x03, title);
    t.Meta(0, 0x51, Tempo(bpm));
    t.Meta(0, 0x58, std::string("\x04\x02\x18\x08", 4));
    return t;
}

Track Named(const std::string& name) {
    Track t;
    t.Meta(0, 0x03, name);
    return t;
}

}  // namespace

void WriteTheme(const std::filesystem::path& path) {
    const std::vector<std::string> a = {
        "E5:2 G5:2 C6:3 B5:1", "D6:2 B5:2 G5:4", "A5:2 C6:2 E6:3 D6:1", "C6:2 A5:2 F5:4",
        "G5:2 E5:2 G5:2 C6:2", "A5:3 G5:1 F5:2 A5:2", "G5:2 F5:2 E5:2 D5:2", "C5:6 R:2"};
    const std::vector<std::string> aChords = {"C", "G", "Am", "F", "C", "F", "G", "C"};
    std::vector<std::string> a2(a.begin(), a.begin() + 4);
    a2.insert(a2.end(), {"G5:1 A5:1 G5:1 E5:1 C6:4", "D6:2 C6:2 A5:2 F5:2", "B5:2 D6:2 G5:2 B5:2", "C6:6 R:2"});
    const std::vector<std::string> a2Chords = {"C", "G", "Am", "F", "C", "Dm", "G", "C"};
    const std::vector<std::string> b = {
        "A5:3 C6:1 A5:2 F5:2", "B5:3 D6:1 B5:2 G5:2", "G5:2 E5:2 B5:2 G5:2", "A5:4 E5:4",
        "F5:2 A5:2 D6:2 C6:2", "B5:2 G5:2 D5:2 B4:2", "C5:2 E5:2 G5:2 C6:2", "B5:2 A5:2 G5:2 F5:2"};
    const std::vector<std::string> bChords = {"F", "G", "Em", "Am", "Dm", "G", "C", "G7"};
    const auto bars = Join({Section({}, {"C", "G7"}), Section(a, aChords), Section(a2, a2Chords),
                            Section(b, bChords), Section(a2, a2Chords),
                            Section({"C6:2 G5:2 E5:2 G5:2", "C6:8"}, {"F", "C"})});

    Track lead = Named("Flute");
    lead.Setup(0, 73, 100, 64, 40);
    Melody(lead, 0, bars, 88);
    Track bell = Named("Glockenspiel");  // doubles the tune on the repeats for sparkle
    bell.Setup(3, 9, 60, 80, 50);
    std::vector<Bar> doubled = bars;
    for (size_t i = 0; i < doubled.size(); ++i)
        if (i < 18 || i >= 34) doubled[i].melody.clear();
    Melody(bell, 3, doubled, 60);

    Track guitar = Named("Guitar");
    guitar.Setup(1, 24, 90, 44, 40);
    Track bass = Named("Bass");
    bass.Setup(2, 32, 100, 64, 20);
    Track drums = Named("Drums");
    drums.Setup(9, -1, 70, 64, 30);
    const int arp[] = {0, 2, 1, 2, 3, 2, 1, 2};
    for (size_t i = 0; i < bars.size(); ++i) {
        const uint32_t at = static_cast<uint32_t>(i) * kBar;
        const Chord c = ParseChord(bars[i].chord);
        std::vector<int> v = Voicing(c, 55);
        if (v.size() == 3) v.push_back(v[0] + 12);
        const int root = 40 + ((c.root - 40) % 12 + 12) % 12;
        if (i + 1 == bars.size()) {  // final bar: ring out
            for (int k : v) guitar.Note(1, k, 70, at, kBar);
            bass.Note(2, root, 90, at, kBar);
            drums.Note(9, 36, 90, at, kEighth);
            drums.Note(9, 49, 80, at, kEighth);
            continue;
        }
        for (int e = 0; e < 8; ++e)
            guitar.Note(1, v[static_cast<size_t>(arp[e])], e % 2 ? 52 : 64, at + static_cast<uint32_t>(e) * kEighth, kEighth);
        const int walk[] = {0, 7, 12, 7};
        for (int q = 0; q < 4; ++q)
            bass.Note(2, root + walk[q], q % 2 ? 72 : 88, at + static_cast<uint32_t>(q) * kPpqn, kPpqn * 4 / 5);
        if (i < 2) continue;  // the intro is guitar and bass only
        for (int e = 0; e < 8; ++e) drums.Note(9, 42, e % 2 ? 36 : 50, at + static_cast<uint32_t>(e) * kEighth, kEighth / 2);
        drums.Note(9, 36, 80, at, kEighth);
        drums.Note(9, 36, 70, at + 2 * kPpqn, kEighth);
        drums.Note(9, 37, 60, at + kPpqn, kEighth);
        drums.Note(9, 37, 60, at + 3 * kPpqn, kEighth);
    }
    const uint32_t end = static_cast<uint32_t>(bars.size()) * kBar + kPpqn;
    WriteFile(path, {Conductor(132, "Kirune Theme"), lead, bell, guitar, bass, drums}, end);
}

void WritePlayPiece(const std::filesystem::path& path) {
    const std::vector<std::string> a = {
        "A4:3 G4:1 F4:2 A4:2", "G4:6 C5:2", "D5:3 C5:1 A4:2 F4:2", "Bb4:4 A4:2 G4:2",
        "A4:3 Bb4:1 C5:2 F5:2", "D5:4 Bb4:2 G4:2", "C5:2 Bb4:2 G4:2 E4:2", "F4:6 R:2"};
    const std::vector<std::string> aChords = {"F", "C", "Dm", "Bb", "F", "Gm", "C7", "F"};
    std::vector<std::string> a2(a.begin(), a.begin() + 4);
    a2.insert(a2.end(), {"F5:3 E5:1 D5:2 A4:2", "Bb4:3 A4:1 G4:2 D5:2", "C5:4 E4:2 G4:2", "F4:8"});
    const std::vector<std::string> a2Chords = {"F", "C", "Dm", "Bb", "Dm", "Gm", "C7", "F"};
    const std::vector<std::string> b = {
        "D5:2 F5:2 D5:2 Bb4:2", "C5:2 E5:2 G5:4", "E5:3 D5:1 C5:2 A4:2", "D5:6 R:2",
        "Bb4:2 D5:2 G5:2 F5:2", "E5:3 D5:1 C5:2 Bb4:2", "A4:2 C5:2 F5:2 A4:2", "G4:6 R:2"};
    const std::vector<std::string> bChords = {"Bb", "C", "Am", "Dm", "Gm", "C", "F", "C"};
    const auto bars = Join({Section({}, {"F", "C"}), Section(a, aChords), Section(a2, a2Chords),
                            Section(b, bChords), Section(a2, a2Chords), Section(b, bChords),
                            Section(a2, a2Chords), Section({"C5:4 A4:4", "F4:8"}, {"Bb", "F"})});

    Track lead = Named("Piano");
    lead.Setup(0, 0, 96, 60, 50);
    // The second time through the bridge the oboe takes the tune, for variety.
    std::vector<Bar> pianoBars = bars, oboeBars = bars;
    for (size_t i = 0; i < bars.size(); ++i) (i >= 34 && i < 42 ? pianoBars : oboeBars)[i].melody.clear();
    Melody(lead, 0, pianoBars, 74);
    Track oboe = Named("Oboe");
    oboe.Setup(4, 68, 80, 70, 50);
    Melody(oboe, 4, oboeBars, 70);

    Track pad = Named("Pad");
    pad.Setup(1, 89, 70, 64, 70);
    Track harp = Named("Harp");
    harp.Setup(3, 46, 70, 40, 60);
    Track bass = Named("Bass");
    bass.Setup(2, 32, 95, 64, 30);
    const int arp[] = {0, 1, 2, 1};
    for (size_t i = 0; i < bars.size(); ++i) {
        const uint32_t at = static_cast<uint32_t>(i) * kBar;
        const Chord c = ParseChord(bars[i].chord);
        for (int k : Voicing(c, 52)) pad.Note(1, k, 46, at, kBar);
        const std::vector<int> v = Voicing(c, 60);
        const int root = 41 + ((c.root - 41) % 12 + 12) % 12;
        if (i + 1 == bars.size()) {
            harp.Note(3, v[0], 50, at, kBar);
            bass.Note(2, root, 80, at, kBar);
            continue;
        }
        for (int q = 0; q < 4; ++q)
            harp.Note(3, v[static_cast<size_t>(arp[q])], q == 0 ? 52 : 42, at + static_cast<uint32_t>(q) * kPpqn, kPpqn);
        bass.Note(2, root, 80, at, kPpqn * 19 / 10);
        bass.Note(2, root + 7, 68, at + 2 * kPpqn, kPpqn * 19 / 10);
    }
    const uint32_t end = static_cast<uint32_t>(bars.size()) * kBar + kPpqn * 2;
    WriteFile(path, {Conductor(84, "Kirune Play 1"), lead, oboe, pad, harp, bass}, end);
}

}  // namespace audiogen
