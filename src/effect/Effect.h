#pragma once

#include "host/Host.h"

namespace kirune {

// Music and sound effects by name: tunes from sound/midi, effects and voices from sound/wave.
class Effect {
public:
    explicit Effect(Host& host) : host(host) {}

    void PlayMusic(const QString& name) {
        host.PlayMusic(host.ProgramFolder() + QStringLiteral("sound/midi/") + name + QStringLiteral(".mid"));
    }
    void StopMusic() { host.StopMusic(); }
    void PlaySound(const QString& name) {
        host.PlaySound(host.ProgramFolder() + QStringLiteral("sound/wave/") + name + QStringLiteral(".wav"));
    }
    void StopSound(int slot) { host.StopSound(slot); }
    void InitSound() { host.InitSound(host.ProgramFolder() + QStringLiteral("sound/wave/dummy.wav")); }

private:
    Host& host;
};

}  // namespace kirune
