#include "host/SynthVoices.h"

#include <SDL.h>
#include <fluidsynth.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSound = fs::u8path(KIRUNE_PROGRAM_DIR "/sound");

uint32_t Be(const std::string& d, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | static_cast<uint8_t>(d[at + static_cast<size_t>(i)]);
    return v;
}

struct WaveExpect { const char* name; double minSeconds, maxSeconds, minPeak = 0.5, maxPeak = 0.99; };

// The effects are levelled; the placeholder is as short and quiet as a sound can be.
const WaveExpect kWaves[] = {
    {"ピポポン", 0.3, 0.5},  {"ビィヨン", 0.25, 0.45}, {"ザッ", 0.1, 0.2},
    {"ピイイン", 0.2, 0.4},  {"ビュ", 0.15, 0.3},      {"不正解", 0.3, 0.5},
    {"正解", 0.6, 1.0},      {"声ナレーション", 0.1, 0.25}, {"声ナビゲータ", 0.1, 0.25},
    {"声姉", 0.1, 0.25},     {"声兄", 0.1, 0.25},      {"声母", 0.1, 0.25},
    {"声父", 0.1, 0.25},     {"dummy", 0.001, 0.05, 0, 0.01},
};

TEST(AudioFiles, EffectsAreDistinctLevelledAndClickFree) {
    std::map<std::vector<double>, std::string> seen;
    for (const WaveExpect& w : kWaves) {
        SCOPED_TRACE(w.name);
        // The game's own loader: 16-bit mono at a rate it plays unconverted.
        const fs::path path = kSound / "wave" / fs::u8path(std::string(w.name) + ".wav");
        SDL_AudioSpec sound;
        Uint8* buffer = nullptr;
        Uint32 bytes = 0;
        ASSERT_TRUE(SDL_LoadWAV(path.c_str(), &sound, &buffer, &bytes)) << SDL_GetError();
        std::vector<double> levels(bytes / 2);  // 0..1
        for (size_t i = 0; i < levels.size(); ++i) levels[i] = std::abs(reinterpret_cast<const Sint16*>(buffer)[i] / 32768.0);
        SDL_FreeWAV(buffer);
        ASSERT_TRUE(sound.format == AUDIO_S16LSB && sound.channels == 1 && (sound.freq == 22050 || sound.freq == 44100));
        const double seconds = static_cast<double>(levels.size()) / sound.freq;
        ASSERT_GE(seconds, w.minSeconds);
        EXPECT_LE(seconds, w.maxSeconds);
        auto peak = [&](size_t from, size_t to) { return *std::max_element(levels.begin() + from, levels.begin() + to); };
        EXPECT_GE(peak(0, levels.size()), w.minPeak);
        EXPECT_LE(peak(0, levels.size()), w.maxPeak);
        // A jump at either edge is heard as a click when the sound starts or stops.
        const size_t ms = static_cast<size_t>(sound.freq / 1000);
        EXPECT_LT(peak(0, ms), 0.05);
        EXPECT_LT(peak(levels.size() - ms, levels.size()), 0.05);
        const auto [it, fresh] = seen.emplace(levels, w.name);
        EXPECT_TRUE(fresh) << "the same sound as " << it->second;
    }
}

struct Song {
    int tracks = 0, notes = 0;
    int unbalanced = 0;  // note-ons never switched off, or offs without an on
    double seconds = 0;
};

uint32_t Vlq(const std::string& d, size_t& at) {
    uint32_t v = 0;
    for (int i = 0; i < 4 && at < d.size(); ++i) {
        const auto b = static_cast<uint8_t>(d[at++]);
        v = v << 7 | (b & 0x7F);
        if (!(b & 0x80)) break;
    }
    return v;
}

// A small SMF reader: enough to time the piece and pair up its notes.
bool ReadMidi(const fs::path& path, Song& song) {
    std::ifstream in(path, std::ios::binary);
    const std::string d{std::istreambuf_iterator<char>(in), {}};
    if (d.size() < 14 || d.compare(0, 4, "MThd") != 0 || Be(d, 4, 4) != 6 || Be(d, 8, 2) != 1) return false;
    const int declared = static_cast<int>(Be(d, 10, 2));
    const uint32_t ppqn = Be(d, 12, 2);
    if (ppqn == 0 || (ppqn & 0x8000)) return false;
    uint32_t tempo = 500000, lastTick = 0;
    for (size_t at = 14; at + 8 <= d.size();) {
        if (d.compare(at, 4, "MTrk") != 0) return false;
        const size_t end = at + 8 + Be(d, at + 4, 4);
        if (end > d.size()) return false;
        ++song.tracks;
        std::map<int, int> held;
        uint32_t tick = 0;
        uint8_t status = 0;
        bool ended = false;
        for (size_t p = at + 8; p < end && !ended;) {
            tick += Vlq(d, p);
            if (static_cast<uint8_t>(d[p]) & 0x80) status = static_cast<uint8_t>(d[p++]);
            if (status == 0xFF) {
                const auto type = static_cast<uint8_t>(d[p++]);
                const uint32_t len = Vlq(d, p);
                if (type == 0x51 && len == 3) tempo = Be(d, p, 3);
                if (type == 0x2F) ended = true;
                p += len;
            } else if (status == 0xF0 || status == 0xF7) {
                p += Vlq(d, p);
            } else {
                const int kind = status & 0xF0, key = (status & 0x0F) << 8 | static_cast<uint8_t>(d[p]);
                if (kind == 0x90 && d[p + 1] != 0) {
                    ++held[key];
                    ++song.notes;
                } else if ((kind == 0x80 || kind == 0x90) && --held[key] < 0) {
                    ++song.unbalanced;
                }
                p += kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            }
        }
        if (!ended) return false;
        for (const auto& [key, count] : held) song.unbalanced += std::max(count, 0);
        lastTick = std::max(lastTick, tick);
        at = end;
    }
    song.seconds = static_cast<double>(lastTick) / ppqn * tempo / 1e6;
    return song.tracks == declared;
}

TEST(AudioFiles, SongsLastTheirSceneWithoutHangingNotes) {
    const struct { const char* name; double minSeconds, maxSeconds; } songs[] = {{"BGMテーマ曲.mid", 60, 90},
                                                                                  {"BGM挿入曲1.mid", 90, 180}};
    for (const auto& s : songs) {
        SCOPED_TRACE(s.name);
        Song song;
        ASSERT_TRUE(ReadMidi(kSound / "midi" / fs::u8path(s.name), song));
        EXPECT_GE(song.tracks, 4);  // tempo track plus melody, accompaniment and bass
        EXPECT_GE(song.seconds, s.minSeconds);
        EXPECT_LE(song.seconds, s.maxSeconds);
        EXPECT_GE(song.notes, 200);
        EXPECT_EQ(song.unbalanced, 0);  // a hanging note drones on through the scene
    }
}

// A tune as the synthesiser plays it with a soundfont, at a low rate to be quick: a sample or
// zone missing or moved changes it as much as at the game's rate. Voices 0: FluidSynth's default.
std::vector<int16_t> Render(const fs::path& soundFont, const fs::path& tune, double seconds, int voices = 0) {
    constexpr int kRate = 8000;
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    if (voices > 0)
        fluid_settings_setint(settings, "synth.polyphony", voices);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    std::vector<int16_t> out(2 * static_cast<size_t>(seconds * kRate));
    if (fluid_synth_sfload(synth, soundFont.c_str(), 1) != FLUID_FAILED && fluid_player_add(player, tune.c_str()) == FLUID_OK) {
        fluid_player_play(player);
        fluid_synth_write_s16(synth, static_cast<int>(out.size() / 2), out.data(), 0, 2, out.data(), 1, 2);
    }
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return out;
}

// The game's synthesiser: its own soundfont and its voices, which a tune needing more would
// run out of, cutting notes short.
TEST(AudioFiles, TheTunesSoundTheSameWithTheGamesOwnSoundFontAndVoices) {
    const fs::path system = "/usr/share/sounds/sf2/TimGM6mb.sf2", own = kSound / "midi" / "tunes.sf2";
    if (!fs::exists(system))
        GTEST_SKIP() << "no system soundfont, so the game has none of its own";
    ASSERT_TRUE(fs::exists(own));
    EXPECT_LT(fs::file_size(own), fs::file_size(system) / 3) << "only the instruments the tunes play";
    for (const char* name : {"BGMテーマ曲.mid", "BGM挿入曲1.mid"}) {
        const fs::path tune = kSound / "midi" / fs::u8path(name);
        const std::vector<int16_t> heard = Render(own, tune, 160, kirune::kSynthVoices);
        EXPECT_GT(*std::max_element(heard.begin(), heard.end()), 1000) << name;
        EXPECT_TRUE(heard == Render(system, tune, 160)) << name;
    }
}

}  // namespace
