#include "Wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <numbers>

namespace audiogen {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

Signal Silence(double seconds) {
    return Signal(static_cast<size_t>(seconds * kRate), 0.0);
}

double Seconds(size_t i) { return static_cast<double>(i) / kRate; }

// Deterministic noise so that every build writes the same bytes.
class Noise {
public:
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

private:
    uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

// RBJ biquad, used as formant resonator and noise colouring.
class Biquad {
public:
    static Biquad BandPass(double freq, double q) {
        const double w = kTwoPi * freq / kRate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        return Biquad(alpha / a0, 0, -alpha / a0, -2 * std::cos(w) / a0, (1 - alpha) / a0);
    }
    static Biquad LowPass(double freq, double q) {
        const double w = kTwoPi * freq / kRate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        const double c = std::cos(w);
        return Biquad((1 - c) / 2 / a0, (1 - c) / a0, (1 - c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0);
    }
    // Keeps the filter state while moving the centre, for sweeps.
    void Retune(const Biquad& other) {
        b0_ = other.b0_; b1_ = other.b1_; b2_ = other.b2_; a1_ = other.a1_; a2_ = other.a2_;
    }
    double Step(double x) {
        const double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b2_ * x - a2_ * y;
        return y;
    }

private:
    Biquad(double b0, double b1, double b2, double a1, double a2)
        : b0_(b0), b1_(b1), b2_(b2), a1_(a1), a2_(a2) {}
    double b0_, b1_, b2_, a1_, a2_;
    double z1_ = 0, z2_ = 0;
};

// Fast attack, exponential fall: the shape of struck and plucked sounds.
double Strike(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) * decay);
}

// Adds a tone with a time-varying pitch; harmonics[n] is the weight of harmonic n+1.
void AddTone(Signal& s, double start, double length, const std::function<double(double)>& freq,
             const std::vector<double>& harmonics, const std::function<double(double)>& env,
             double gain = 1.0) {
    double phase = 0;
    const size_t first = static_cast<size_t>(start * kRate);
    const size_t count = static_cast<size_t>(length * kRate);
    for (size_t i = 0; i < count && first + i < s.size(); ++i) {
        const double t = Seconds(i);
        const double f = freq(t);
        double v = 0;
        for (size_t h = 0; h < harmonics.size(); ++h)
            if (f * static_cast<double>(h + 1) < kRate * 0.45)  // no aliasing
                v += harmonics[h] * std::sin(phase * static_cast<double>(h + 1));
        s[first + i] += gain * env(t) * v;
        phase += kTwoPi * f / kRate;
    }
}

// Edges faded so playback never starts or stops with a click, then the
// peak brought to a common level so effects sit together in the mix.
Signal Finish(Signal s, double peak = 0.85) {
    const size_t fade = std::min(s.size() / 2, static_cast<size_t>(0.005 * kRate));
    for (size_t i = 0; i < fade; ++i) {
        const double g = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(fade));
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
    double top = 0;
    for (double v : s) top = std::max(top, std::abs(v));
    if (top > 0)
        for (double& v : s) v *= peak / top;
    return s;
}

const std::vector<double> kSine = {1.0};
const std::vector<double> kBell = {1.0, 0.25, 0.0, 0.08};
const std::vector<double> kSoftSquare = {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14};
const std::vector<double> kBrass = {1.0, 0.7, 0.5, 0.35, 0.25, 0.15, 0.1, 0.06};

std::function<double(double)> Fixed(double f) {
    return [f](double) { return f; };
}

Signal Chime() {
    Signal s = Silence(0.42);
    const double notes[] = {987.77, 783.99, 1174.66};  // pi, po, pon
    const double starts[] = {0.0, 0.09, 0.18};
    for (int n = 0; n < 3; ++n) {
        const double decay = n == 2 ? 9.0 : 22.0;
        AddTone(s, starts[n], 0.42 - starts[n], Fixed(notes[n]), kBell,
                [decay](double t) { return Strike(t, 0.004, decay); });
    }
    return Finish(s);
}

Signal Boing() {
    Signal s = Silence(0.35);
    AddTone(s, 0, 0.35,
            [](double t) { return 220 + 120 * std::exp(-5 * t) * std::sin(kTwoPi * 16 * t) + 140 * t; },
            kSoftSquare, [](double t) { return Strike(t, 0.006, 7.0); });
    return Finish(s);
}

// Noise through a band-pass whose centre follows centre(t).
Signal FilteredNoise(double seconds, const std::function<double(double)>& centre, double q,
                     const std::function<double(double)>& env) {
    Signal s = Silence(seconds);
    Noise noise;
    Biquad filter = Biquad::BandPass(centre(0), q);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = Seconds(i);
        if (i % 32 == 0) filter.Retune(Biquad::BandPass(centre(t), q));
        s[i] = env(t) * filter.Step(noise.Next());
    }
    return Finish(s);
}

Signal Scrape() {
    return FilteredNoise(0.15, [](double t) { return 2600 - 6000 * t; }, 1.2,
                         [](double t) { return Strike(t, 0.01, 18.0) * (0.8 + 0.2 * std::sin(kTwoPi * 90 * t)); });
}

Signal Swish() {
    return FilteredNoise(0.2, [](double t) { return 600 + 4200 * std::sin(std::numbers::pi * t / 0.2); }, 2.0,
                         [](double t) { return std::pow(std::sin(std::numbers::pi * t / 0.2), 2); });
}

Signal Ping() {
    Signal s = Silence(0.3);
    AddTone(s, 0, 0.3, Fixed(2093.0), {1.0, 0.3}, [](double t) { return Strike(t, 0.003, 12.0); });
    AddTone(s, 0, 0.3, Fixed(2093.0 * 2.76), kSine, [](double t) { return Strike(t, 0.002, 30.0); }, 0.25);
    return Finish(s);
}

Signal Buzzer() {
    Signal raw = Silence(0.4);
    const auto env = [](double t) { return std::min(1.0, t / 0.015) * (t < 0.3 ? 1.0 : std::exp(-(t - 0.3) * 25)); };
    AddTone(raw, 0, 0.4, [](double t) { return 150 - 20 * t; }, kSoftSquare, env);
    AddTone(raw, 0, 0.4, [](double t) { return 153 - 20 * t; }, kSoftSquare, env);
    Biquad soften = Biquad::LowPass(900, 0.7);  // a gentle "no", not an alarm
    for (double& v : raw) v = soften.Step(v);
    return Finish(raw);
}

Signal Fanfare() {
    Signal s = Silence(0.8);
    const double run[] = {523.25, 659.25, 783.99};
    for (int n = 0; n < 3; ++n)
        AddTone(s, 0.07 * n, 0.09, Fixed(run[n]), kBrass,
                [](double t) { return Strike(t, 0.008, 6.0) * (t < 0.075 ? 1.0 : std::max(0.0, 1 - (t - 0.075) / 0.015)); });
    for (double f : {1046.5, 783.99, 659.25})
        AddTone(s, 0.21, 0.59, [f](double t) { return f * (1 + 0.004 * std::sin(kTwoPi * 5.5 * t)); }, kBrass,
                [](double t) { return Strike(t, 0.01, 3.5); }, 0.6);
    return Finish(s);
}

struct VoiceShape {
    double seconds;
    std::function<double(double)> pitch;  // over 0..1 of the length
    double formants[3];
    double brightness;                    // harmonic roll-off exponent; lower is brighter
};

// A glottal-like harmonic source through three vowel resonators.
Signal Voice(const VoiceShape& v) {
    Signal source = Silence(v.seconds);
    std::vector<double> harmonics;
    for (int h = 1; h <= 40; ++h) harmonics.push_back(1.0 / std::pow(h, v.brightness));
    const double len = v.seconds;
    AddTone(source, 0, len, [&](double t) { return v.pitch(t / len); }, harmonics, [len](double t) {
        const double rise = std::min(1.0, t / 0.02), fall = std::min(1.0, (len - t) / 0.05);
        return std::sin(std::numbers::pi / 2 * rise) * std::sin(std::numbers::pi / 2 * std::max(0.0, fall));
    });
    Biquad f1 = Biquad::BandPass(v.formants[0], 5), f2 = Biquad::BandPass(v.formants[1], 8),
           f3 = Biquad::BandPass(v.formants[2], 10);
    Signal s(source.size());
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = f1.Step(source[i]) + 0.6 * f2.Step(source[i]) + 0.25 * f3.Step(source[i]);
    return Finish(s);
}

}  // namespace

std::vector<std::pair<std::string, Signal>> MakeEffects() {
    std::vector<std::pair<std::string, Signal>> out;
    out.emplace_back("ピポポン.wav", Chime());
    out.emplace_back("ビィヨン.wav", Boing());
    out.emplace_back("ザッ.wav", Scrape());
    out.emplace_back("ピイイン.wav", Ping());
    out.emplace_back("ビュ.wav", Swish());
    out.emplace_back("不正解.wav", Buzzer());
    out.emplace_back("正解.wav", Fanfare());
    out.emplace_back("声ナレーション.wav",
                     Voice({0.18, [](double x) { return 190 - 25 * x; }, {750, 1200, 2600}, 1.3}));
    out.emplace_back("声ナビゲータ.wav",
                     Voice({0.14, [](double x) { return 290 + 70 * x; }, {350, 2300, 3000}, 0.9}));
    out.emplace_back("声姉.wav",
                     Voice({0.16, [](double x) { return 360 + 80 * std::sin(2 * kTwoPi * x); }, {550, 2000, 2900}, 1.0}));
    out.emplace_back("声兄.wav",
                     Voice({0.15, [](double x) { return 140 - 15 * x; }, {500, 900, 2500}, 1.2}));
    out.emplace_back("声母.wav",
                     Voice({0.2, [](double x) { return 230 + 20 * std::sin(std::numbers::pi * x); }, {450, 1000, 2600}, 1.8}));
    out.emplace_back("声父.wav",
                     Voice({0.18, [](double x) { return 105 - 10 * x; }, {400, 800, 2400}, 1.6}));
    // A placeholder loaded into empty sound slots: it must be silent.
    out.emplace_back("dummy.wav", Silence(0.01));
    return out;
}

bool WriteWav(const std::filesystem::path& path, const Signal& signal) {
    std::ofstream out(path, std::ios::binary);
    const auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i))); };
    const auto u16 = [&](uint16_t v) { out.put(static_cast<char>(v)); out.put(static_cast<char>(v >> 8)); };
    const uint32_t bytes = static_cast<uint32_t>(signal.size() * 2);
    out.write("RIFF", 4); u32(36 + bytes); out.write("WAVE", 4);
    out.write("fmt ", 4); u32(16); u16(1); u16(1); u32(kRate); u32(kRate * 2); u16(2); u16(16);
    out.write("data", 4); u32(bytes);
    for (double v : signal)
        u16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767))));
    return static_cast<bool>(out);
}

}  // namespace audiogen
