// Writes the soundfont the game's tunes play with: the presets they select, taken unchanged from
// a General MIDI soundfont with their instruments, zones and sample data, so the synthesiser
// holds a fraction of the whole while a tune plays and the tunes sound sample for sample alike.
//   soundfont SOURCE.sf2 OUT.sf2 TUNE.mid...

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// A preset as a tune selects it: bank (128 for the drum kits) and program.
using Preset = std::pair<unsigned, unsigned>;

uint32_t Be(std::string_view d, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | static_cast<uint8_t>(d[at + static_cast<size_t>(i)]);
    return v;
}

uint32_t Le(std::string_view d, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<uint8_t>(d[at + static_cast<size_t>(i)]);
    return v;
}

void PutLe(std::string& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i, v >>= 8)
        out.push_back(static_cast<char>(v & 0xFF));
}

std::optional<uint32_t> Vlq(std::string_view d, size_t& at) {
    uint32_t v = 0;
    for (int i = 0; i < 4 && at < d.size(); ++i) {
        const auto b = static_cast<uint8_t>(d[at++]);
        v = v << 7 | (b & 0x7F);
        if (!(b & 0x80))
            return v;
    }
    return std::nullopt;
}

// Every preset a Standard MIDI File selects, and the ones each channel starts on. Bank selects
// are followed track by track, which is where the game's tunes keep a channel's events.
std::optional<std::set<Preset>> PresetsOfTune(std::string_view smf) {
    if (smf.size() < 14 || smf.substr(0, 4) != "MThd")
        return std::nullopt;
    std::set<Preset> presets = {{0, 0}, {128, 0}};
    for (size_t at = 8 + Be(smf, 4, 4); at < smf.size();) {
        if (at + 8 > smf.size() || smf.substr(at, 4) != "MTrk" || Be(smf, at + 4, 4) > smf.size() - at - 8)
            return std::nullopt;
        const size_t end = at + 8 + Be(smf, at + 4, 4);
        std::array<unsigned, 16> bank{};
        bank[9] = 128;
        uint8_t status = 0;
        for (size_t p = at + 8; p < end;) {
            if (!Vlq(smf, p) || p >= end)
                return std::nullopt;
            if (static_cast<uint8_t>(smf[p]) & 0x80)
                status = static_cast<uint8_t>(smf[p++]);
            if (status == 0xFF || status == 0xF0 || status == 0xF7) {
                if (status == 0xFF)
                    ++p;
                const auto length = Vlq(smf, p);
                if (!length || *length > end - std::min(p, end))
                    return std::nullopt;
                p += *length;
                continue;
            }
            const int kind = status & 0xF0, channel = status & 0x0F;
            const size_t data = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            if (status < 0x80 || p + data > end)
                return std::nullopt;
            const auto first = static_cast<uint8_t>(smf[p]);
            if (kind == 0xB0 && first == 0 && channel != 9)
                bank[static_cast<size_t>(channel)] = static_cast<uint8_t>(smf[p + 1]);
            if (kind == 0xC0)
                presets.insert({bank[static_cast<size_t>(channel)], first});
            p += data;
        }
        at = end;
    }
    return presets;
}

struct Chunk {
    std::string_view id, body;
};

// The chunks of a RIFF body, in order.
std::optional<std::vector<Chunk>> Chunks(std::string_view d) {
    std::vector<Chunk> chunks;
    for (size_t at = 0; at + 8 <= d.size();) {
        const uint32_t size = Le(d, at + 4, 4);
        if (size > d.size() - at - 8)
            return std::nullopt;
        chunks.push_back({d.substr(at, 4), d.substr(at + 8, size)});
        at += 8 + size + (size & 1);
    }
    return chunks;
}

std::string ChunkOf(std::string_view id, std::string_view body) {
    std::string out(id);
    PutLe(out, static_cast<uint32_t>(body.size()), 4);
    out.append(body);
    if (body.size() & 1)
        out.push_back('\0');
    return out;
}

// A table of fixed-size records of the soundfont's hydra; its last record ends the list.
struct Table {
    std::string_view data;
    size_t size;
    size_t Count() const { return data.size() / size; }
    std::string_view operator[](size_t i) const { return data.substr(i * size, size); }
    uint32_t Field(size_t i, size_t at, int bytes) const { return Le(data, i * size + at, bytes); }
};

// One level of the hydra: presets or instruments, their zones (bags), and the zones'
// generators and modulators; `link` is the generator naming what a zone uses on the next level.
struct Level {
    Table heads, bags, mods, gens;
    size_t nameBytes;  // the head's bytes before its zone index
    uint16_t link;
    std::vector<std::string> outHeads, outBags, outMods, outGens;
};

class Subset {
public:
    Subset(std::string_view samples, Level presets, Level instruments, Table sampleHeads)
        : samples(samples), presets(std::move(presets)), instruments(std::move(instruments)), sampleHeads(sampleHeads) {}

    // Copies preset `p` and everything it plays.
    void AddPreset(size_t p) { CopyHead(presets, p, [this](uint16_t i) { return AddInstrument(i); }); }

    // The file, or an empty string and `error` set.
    std::string Finish(std::string_view info) {
        for (Level* level : {&presets, &instruments}) {
            std::string end(level->heads[level->heads.Count() - 1]);
            SetField(end, level->nameBytes, level->outBags.size());
            level->outHeads.push_back(end);
            std::string bag;
            PutLe(bag, static_cast<uint32_t>(level->outGens.size()), 2);
            PutLe(bag, static_cast<uint32_t>(level->outMods.size()), 2);
            level->outBags.push_back(bag);
            level->outMods.emplace_back(level->mods[level->mods.Count() - 1]);
            level->outGens.emplace_back(level->gens[level->gens.Count() - 1]);
        }
        outSampleHeads.emplace_back(sampleHeads[sampleHeads.Count() - 1]);
        if (!error.empty())
            return {};
        auto join = [](const std::vector<std::string>& records) {
            std::string all;
            for (const std::string& r : records)
                all += r;
            return all;
        };
        const std::string hydra =
            "pdta" + ChunkOf("phdr", join(presets.outHeads)) + ChunkOf("pbag", join(presets.outBags)) +
            ChunkOf("pmod", join(presets.outMods)) + ChunkOf("pgen", join(presets.outGens)) +
            ChunkOf("inst", join(instruments.outHeads)) + ChunkOf("ibag", join(instruments.outBags)) +
            ChunkOf("imod", join(instruments.outMods)) + ChunkOf("igen", join(instruments.outGens)) +
            ChunkOf("shdr", join(outSampleHeads));
        return ChunkOf("RIFF", "sfbk" + std::string(info) + ChunkOf("LIST", "sdta" + ChunkOf("smpl", outSamples)) +
                                   ChunkOf("LIST", hydra));
    }

    std::string error;

private:
    // Sample points copied on either side of a sample: what a synthesiser reads around it
    // (at least the 46 zeros a soundfont must leave after each) stays as it was.
    static constexpr uint32_t kMargin = 46;

    static void SetField(std::string& record, size_t at, size_t value) {
        for (size_t i = 0; i < 2; ++i)
            record[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }

    template <typename Follow>
    void CopyHead(Level& level, size_t h, Follow follow) {
        if (h + 1 >= level.heads.Count()) {
            error = "a zone names a record the soundfont lacks";
            return;
        }
        std::string head(level.heads[h]);
        SetField(head, level.nameBytes, level.outBags.size());
        level.outHeads.push_back(head);
        const size_t firstBag = level.heads.Field(h, level.nameBytes, 2), endBag = level.heads.Field(h + 1, level.nameBytes, 2);
        if (firstBag > endBag || endBag >= level.bags.Count()) {
            error = "zones out of order";
            return;
        }
        for (size_t b = firstBag; b < endBag; ++b) {
            std::string bag;
            PutLe(bag, static_cast<uint32_t>(level.outGens.size()), 2);
            PutLe(bag, static_cast<uint32_t>(level.outMods.size()), 2);
            level.outBags.push_back(bag);
            const size_t g0 = level.bags.Field(b, 0, 2), g1 = level.bags.Field(b + 1, 0, 2);
            const size_t m0 = level.bags.Field(b, 2, 2), m1 = level.bags.Field(b + 1, 2, 2);
            if (g0 > g1 || g1 >= level.gens.Count() || m0 > m1 || m1 >= level.mods.Count()) {
                error = "generators or modulators out of order";
                return;
            }
            for (size_t g = g0; g < g1; ++g) {
                std::string gen(level.gens[g]);
                if (level.gens.Field(g, 0, 2) == level.link)
                    SetField(gen, 2, follow(static_cast<uint16_t>(level.gens.Field(g, 2, 2))));
                level.outGens.push_back(gen);
            }
            for (size_t m = m0; m < m1; ++m)
                level.outMods.emplace_back(level.mods[m]);
        }
    }

    uint16_t AddInstrument(uint16_t i) {
        if (const auto known = instrumentIndex.find(i); known != instrumentIndex.end())
            return known->second;
        const auto index = static_cast<uint16_t>(instruments.outHeads.size());
        instrumentIndex[i] = index;
        CopyHead(instruments, i, [this](uint16_t s) { return AddSample(s); });
        return index;
    }

    uint16_t AddSample(uint16_t s) {
        if (const auto known = sampleIndex.find(s); known != sampleIndex.end())
            return known->second;
        const auto index = static_cast<uint16_t>(outSampleHeads.size());
        sampleIndex[s] = index;
        outSampleHeads.emplace_back();
        if (s + 1u >= sampleHeads.Count()) {
            error = "an instrument names a sample the soundfont lacks";
            return index;
        }
        const uint32_t points = static_cast<uint32_t>(samples.size() / 2);
        const uint32_t start = sampleHeads.Field(s, 20, 4), end = sampleHeads.Field(s, 24, 4);
        const uint32_t loopStart = sampleHeads.Field(s, 28, 4), loopEnd = sampleHeads.Field(s, 32, 4);
        const uint32_t from = start > kMargin ? start - kMargin : 0, to = std::min(points, end + kMargin);
        const uint32_t type = sampleHeads.Field(s, 44, 2);
        if (start > end || end > points || loopStart < from || loopEnd > to || loopStart > loopEnd || (type & 0x8000)) {
            error = "sample " + std::to_string(s) + " lies outside the sample data or is in ROM";
            return index;
        }
        const uint32_t base = static_cast<uint32_t>(outSamples.size() / 2);
        outSamples.append(samples.substr(size_t(from) * 2, size_t(to - from) * 2));
        std::string head(sampleHeads[s].substr(0, 20));
        for (uint32_t point : {start, end, loopStart, loopEnd})
            PutLe(head, point - from + base, 4);
        head.append(sampleHeads[s].substr(36, 6));
        // The other side of a stereo pair comes too.
        const uint16_t link = type & 0x0E ? AddSample(static_cast<uint16_t>(sampleHeads.Field(s, 42, 2))) : 0;
        PutLe(head, link, 2);
        PutLe(head, type, 2);
        outSampleHeads[index] = head;
        return index;
    }

    std::string_view samples;
    Level presets, instruments;
    Table sampleHeads;
    std::map<uint16_t, uint16_t> instrumentIndex, sampleIndex;
    std::vector<std::string> outSampleHeads;
    std::string outSamples;
};

// The soundfont `sf2` with only the presets `keep`, or an empty string and `error` set.
std::string SubsetSoundFont(std::string_view sf2, const std::set<Preset>& keep, std::string& error) {
    const auto riff = Chunks(sf2);
    if (!riff || riff->size() != 1 || (*riff)[0].id != "RIFF" || (*riff)[0].body.substr(0, 4) != "sfbk") {
        error = "not a SoundFont 2 file";
        return {};
    }
    std::map<std::string_view, std::string_view> lists, parts;
    std::string_view info;
    const auto top = Chunks((*riff)[0].body.substr(4));
    for (const Chunk& list : top ? *top : std::vector<Chunk>{}) {
        if (list.id != "LIST" || list.body.size() < 4)
            continue;
        if (list.body.substr(0, 4) == "INFO")
            info = sf2.substr(size_t(list.body.data() - sf2.data()) - 8, list.body.size() + 8 + (list.body.size() & 1));
        if (const auto inner = Chunks(list.body.substr(4)))
            for (const Chunk& c : *inner)
                parts[c.id] = c.body;
    }
    static const std::pair<const char*, size_t> kTables[] = {{"phdr", 38}, {"pbag", 4}, {"pmod", 10},
                                                             {"pgen", 4},  {"inst", 22}, {"ibag", 4},
                                                             {"imod", 10}, {"igen", 4},  {"shdr", 46}};
    std::map<std::string_view, Table> t;
    for (const auto& [id, size] : kTables) {
        const std::string_view data = parts[id];
        if (data.empty() || data.size() % size != 0) {
            error = std::string("no table ") + id;
            return {};
        }
        t[id] = Table{data, size};
    }
    if (info.empty() || parts.count("smpl") == 0 || parts.count("sm24") != 0) {
        error = "no INFO list or 16-bit sample data";
        return {};
    }
    Subset subset(parts["smpl"], Level{t["phdr"], t["pbag"], t["pmod"], t["pgen"], 24, 41, {}, {}, {}, {}},
                  Level{t["inst"], t["ibag"], t["imod"], t["igen"], 20, 53, {}, {}, {}, {}}, t["shdr"]);
    std::set<Preset> found;
    const Table& presets = t["phdr"];
    for (size_t p = 0; p + 1 < presets.Count(); ++p) {
        const Preset preset{presets.Field(p, 22, 2), presets.Field(p, 20, 2)};
        if (keep.count(preset) && found.insert(preset).second)
            subset.AddPreset(p);
    }
    for (const Preset& preset : keep)
        if (!found.count(preset))
            error = "no preset " + std::to_string(preset.first) + ":" + std::to_string(preset.second);
    std::string out = subset.Finish(info);
    if (error.empty())
        error = subset.error;
    return error.empty() ? out : std::string();
}

std::optional<std::string> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: soundfont SOURCE.sf2 OUT.sf2 TUNE.mid...\n");
        return 2;
    }
    std::set<Preset> presets;
    for (int i = 3; i < argc; ++i) {
        const auto tune = ReadFile(argv[i]);
        const auto selected = tune ? PresetsOfTune(*tune) : std::nullopt;
        if (!selected) {
            std::fprintf(stderr, "soundfont: %s is not a MIDI file\n", argv[i]);
            return 1;
        }
        presets.insert(selected->begin(), selected->end());
    }
    const auto source = ReadFile(argv[1]);
    std::string error = source ? "" : "cannot read it";
    const std::string out = source ? SubsetSoundFont(*source, presets, error) : std::string();
    if (!error.empty()) {
        std::fprintf(stderr, "soundfont: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    std::ofstream file(argv[2], std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file.flush()) {
        std::fprintf(stderr, "soundfont: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
