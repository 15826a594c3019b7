#pragma once

#include "host/Host.h"
#include "story/Screen.h"
#include "story/Story.h"

namespace kirune {

// The whole game, wired together: what the main window shows, the modules and their timers.
// A test builds a fresh one on a SimHost; the program builds one on the QtHost.
class Game {
public:
    explicit Game(Host& host);

    Host& host;
    Screen screen;
    Story story;

    // The main window's other timers; their owners switch them on.
    GameTimer tmrTalk;
    GameTimer tmrTalkCursorBlink;
    GameTimer tmrAnim;
    GameTimer tmrSoundInterval;

    // Opens a play file on its first stage and hands the board to the player. False with the
    // reason when the file cannot be played.
    std::optional<PlayFileError> OpenPlayFile(const QString& path);

    void EndGame();
};

}  // namespace kirune
