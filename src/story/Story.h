#pragma once

#include "story/Board.h"
#include "story/Checker.h"
#include "story/Clock.h"
#include "story/Context.h"
#include "story/Flow.h"
#include "story/Progress.h"

namespace kirune {

// The game's spine and its crossword play, in five parts: the board, the checker, the flow from
// the title to every ending, the clock, and the board's progress kept from one game to the next.
// The story takes the main window's events, each behind the guards of the game's flags, and
// hands them to the part they are for. It writes what the board shows into Screen and reaches
// the outside through Host.
class Story {
public:
    Story(Host& host, Screen& screen, Library& library, TalkEngine& talk, Anim& anim, Dressing& scene,
          Effect& effect, GameTimer& tmrVexal);
    Story(const Story&) = delete;
    Story& operator=(const Story&) = delete;

    StoryHooks hooks;

private:
    GameFlags flags;
    StoryContext ctx;

public:
    Board board;
    Checker checker;
    Flow flow;
    Clock clock;
    Progress progress;

    const GameFlags& Flags() const { return flags; }
    void Main() { flow.Main(); }
    [[noreturn]] void EndGame() { flow.EndGame(); }
    void OnVexalTick() {
        clock.OnVexalTick();
        // Not while the answers are checked: the sweep walks the cursor over the whole board.
        if (!flags.AnswerOpenBusy)
            progress.OnTick();
    }

    // The main window's events.
    void OnKeyDown(int keyCode, bool alt);
    void OnCellClick(int c);
    void OnControllerClick(int set, Controller button);
    void OnKeyDeleteClick();
    void OnKeyUndoClick();
    void OnScrollClick(bool horizontal, int k);
    void OnEndClick();
    void OnHelpClick();
    void OnKeypadClick();
    void OnAdviceClick();
    void OnCrossChangeClick();
    void OnAnswerOpenClick();
    void OnMarkSpeedUpClick();
    void OnKeypadClose();    // the keypad window's "×"
    void OnKeypadPressed();  // any press on the keypad window gives the board the focus back
    [[noreturn]] void OnWindowClosed() { EndGame(); }
};

}  // namespace kirune
