#pragma once

#include "anim/Anim.h"
#include "effect/Effect.h"
#include "host/Host.h"
#include "keypad/Keypad.h"
#include "library/Library.h"
#include "model/Screen.h"
#include "scene/Scene.h"
#include "story/Story.h"
#include "talk/TalkEngine.h"

namespace kirune {

// The whole game, wired together: what the main window shows, the modules and their timers.
// A test builds a fresh one on a SimHost; the program builds one on the QtHost.
class Game {
public:
    explicit Game(Host& host);

    Host& host;
    Screen screen;
    // The game timer of the main window: the clock, placed entries and the partner's remarks.
    GameTimer tmrVexal;
    Library library;
    Effect effect;
    TalkEngine talk;
    Anim anim;
    Scene scene;
    Story story;
    Keypad keypad;

    // The main window's last timer; sound pacing, never switched on, and what it counts.
    GameTimer tmrSoundInterval;
    qint32 SoundTick = 0;

    [[noreturn]] void EndGame() { story.EndGame(); }
};

}  // namespace kirune
