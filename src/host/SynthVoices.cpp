// SDL_mixer makes each tune's FluidSynth synthesiser with FluidSynth's default settings and has
// no way to change them. The executable exports its own new_fluid_synth, which the dynamic
// linker finds before FluidSynth's: it sets the voices on the settings SDL_mixer made and hands
// them to FluidSynth's.

#include "host/SynthVoices.h"

#include <fluidsynth.h>

#include <dlfcn.h>

extern "C" fluid_synth_t* new_fluid_synth(fluid_settings_t* settings) {
    using Make = fluid_synth_t* (*)(fluid_settings_t*);
    static const auto make = reinterpret_cast<Make>(dlsym(RTLD_NEXT, "new_fluid_synth"));
    if (!make)
        return nullptr;
    fluid_settings_setint(settings, "synth.polyphony", kirune::kSynthVoices);
    return make(settings);
}
