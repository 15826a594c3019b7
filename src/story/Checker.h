#pragma once

#include "story/Board.h"
#include "story/Context.h"

namespace kirune {

class Flow;

// The answer check and what comes of it: the partner's question, the sweep over every word, the
// verdict and the next stage; the partner's hints and the change to another stage.
class Checker {
public:
    Checker(const StoryContext& context, Board& board, Flow& flow);

    void CheckAnswers();
    void GiveAdvice();
    void ChangeStage();
    // The 速 mark: the sweep stops and shows every wrong cell at once.
    void SpeedUpSweep() { speedUp = true; }
    // A new stage starts with the first hint and may offer another stage again.
    void NewStage();
    // Now and then the partner's mood sets the hint level again.
    void DriftAdvice();
    // The hint level the partner's mood sets: a sad partner gives strong hints.
    void AdviceForMood(int mood);
    // Takes up a stage left unfinished with the checks and the hint step it had.
    void Resume(qint32 checks, qint32 hints) {
        checkCount = checks;
        adviceStep = hints;
    }
    // Starts the hints at a given strength, as a long-sulking partner would.
    void SetAdviceStep(int step) { adviceStep = step; }

    int CountWrongCells() const;
    qint32 CheckCount() const { return checkCount; }
    qint32 AdviceStep() const { return adviceStep; }
    bool SpeedUp() const { return speedUp; }
    bool ChangeAsked() const { return changeAsked; }

private:
    void RevealAnswers();
    void SweepWords();
    void ShowWrongCells();
    void ResetCellColours();
    int FirstWrongCell() const;
    void CheckResult(int wrong);

    StoryContext ctx;
    Screen& screen;
    TalkEngine& talk;
    Anim& anim;
    Board& board;
    Flow& flow;
    qint32 checkCount = 0;
    bool speedUp = false;
    qint32 adviceStep = 0;
    bool changeAsked = false;  // asked for another stage when none was left
};

}  // namespace kirune
