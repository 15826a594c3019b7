// audiogen PROGRAM_FOLDER: writes the music and sound effects the game plays.
#include "Midi.h"
#include "Wave.h"

#include <cstdio>
#include <exception>
#include <filesystem>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: audiogen PROGRAM_FOLDER\n");
        return 2;
    }
    try {
        const fs::path root = fs::u8path(argv[1]);
        const fs::path midi = root / "sound" / "midi", wave = root / "sound" / "wave";
        fs::create_directories(midi);
        fs::create_directories(wave);
        audiogen::WriteTheme(midi / fs::u8path("BGMテーマ曲.mid"));
        audiogen::WritePlayPiece(midi / fs::u8path("BGM挿入曲1.mid"));
        for (const auto& [name, signal] : audiogen::MakeEffects())
            if (!audiogen::WriteWav(wave / fs::u8path(name), signal)) {
                std::fprintf(stderr, "audiogen: cannot write %s\n", name.c_str());
                return 1;
            }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "audiogen: %s\n", e.what());
        return 1;
    }
    return 0;
}
