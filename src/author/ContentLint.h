#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kirune {

// One word of a stage as the lint reads it: the answer as the grid holds it (full-size
// katakana, or full-width capitals) and its clue; line is where a problem is reported.
struct LintWord {
    QString answer;
    QString clue;
    int line = 0;
};

struct LintProblem {
    int line = 0;
    QString text;
};

// What a player would hold against a stage although it is a valid crossword: a clue that holds
// its own answer (as katakana, hiragana, or the English word in any case), a kana answer that
// holds another answer of the stage (English words do so by chance: TEA, TEACHER), and more
// than 30 % two-cell words.
std::vector<LintProblem> LintStage(const std::vector<LintWord>& words, bool kana, int stageLine);

// The lint of every stage of a collection source, in line order.
std::vector<LintProblem> LintCollection(const QStringList& sourceLines);

}  // namespace kirune
