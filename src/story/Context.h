#pragma once

#include "anim/Anim.h"
#include "effect/Effect.h"
#include "host/Host.h"
#include "library/Library.h"
#include "model/KeyCodes.h"
#include "model/Screen.h"
#include "story/Dressing.h"
#include "story/Sounds.h"
#include "talk/TalkEngine.h"

#include <cmath>
#include <functional>

namespace kirune {

// The game's flags, tested by every handler before it acts. The title lets no key reach the board.
enum class Phase { Title, Play };
struct GameFlags {
    Phase GamePhase = Phase::Title;
    bool ModalBusy = false;       // a talk sequence runs that the player must not interrupt
    bool AnswerOpenBusy = false;  // the answer check runs
};

// Holds a busy flag up for the length of a scope, a wait inside it included, and puts back what
// it was when the scope ends, however it ends.
class BusyWhile {
public:
    explicit BusyWhile(bool& flag) : flag(flag), was(flag) { flag = true; }
    BusyWhile(const BusyWhile&) = delete;
    BusyWhile& operator=(const BusyWhile&) = delete;
    ~BusyWhile() { flag = was; }

private:
    bool& flag;
    bool was;
};

// What the story asks of the window and the keypad; the game wires them, a test may leave them out.
struct StoryHooks {
    std::function<void()> ShowMainWindow;
    std::function<void(int ms)> TalkTimerInterval;
    std::function<void()> InitSoundTimer;
    std::function<QString(QChar)> RomaKanaConvWChr;
    std::function<void()> ClearDispKeyBuff;
    std::function<void()> SetKeypad;
    std::function<void()> ShowKeypad;

    void ClearKeypad() const {
        if (ClearDispKeyBuff)
            ClearDispKeyBuff();
    }
    void ToggleKeypad() const {
        if (ShowKeypad)
            ShowKeypad();
    }
};

// The modules every part of the story reaches, and the flags they share.
struct StoryContext {
    Host& host;
    Screen& screen;
    Library& library;
    TalkEngine& talk;
    Anim& anim;
    Dressing& scene;
    Effect& effect;
    const StoryHooks& hooks;
    GameFlags& flags;

    void PlaySound(int id) const { effect.PlaySound(SoundName[id]); }  // one of SoundId
    void Focus() const { screen.Changed(Screen::Part::Focus); }
    // The game's clock: whole seconds since midnight.
    qint32 TimerSeconds() const { return qint32(std::lrint(host.SecondsSinceMidnight())); }
};

}  // namespace kirune
