#pragma once

namespace kirune {

// The voices a tune's synthesiser has: the game's tunes sound at most 29 at once, release
// tails included, and FluidSynth's default of 256 holds 2 MB more while a tune plays.
constexpr int kSynthVoices = 64;

}  // namespace kirune
