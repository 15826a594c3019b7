#pragma once

#include "model/Crossword.h"

#include <vector>

namespace kirune {

struct StageProblem {
    bool fatal = false;  // the stage cannot be played safely
    QString text;
};

// Builds the word links of a freshly loaded stage and lists what is inconsistent in it. Fatal
// problems (a frame that is not black, word numbers out of range, a word without cells) leave
// the links unbuilt: the game refuses such a stage like an unreadable one.
std::vector<StageProblem> PrepareStage(Crossword& x);

bool HasFatal(const std::vector<StageProblem>& problems);

}  // namespace kirune
