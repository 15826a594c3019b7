#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kirune {

// A problem in a collection source, at its 1-based line (0: the file as a whole).
struct SourceError {
    int line = 0;
    QString text;
};

// Text with the source line it came from.
struct SourceText {
    int line = 0;
    QString text;
};

struct SourceClue {
    int line = 0;
    QString answer;  // the word as the grid holds it, before "="
    QString clue;
    QString written, reading;  // empty when not given
    QStringList codes;         // ID, CN, BN, QN, AN: up to five
};

struct SourceStage {
    int line = 0;  // the "stage:" line
    int level = -1;
    std::vector<SourceText> rows;
    // Across clues, then down clues, in the order the game numbers the words.
    std::vector<SourceClue> clues[2];
    int listLine[2] = {0, 0};  // the "across:" and "down:" lines, 0 when missing
};

struct CollectionSource {
    SourceText title;
    int inputMode = -1;  // 0 alphabet, 1 kana
    int inputLine = 0;
    std::vector<SourceStage> stages;
};

// Reads the UTF-8 source of a collection: "title:", "input:", then per stage "stage:",
// "level:", "grid:" with its rows, "across:" and "down:" with one "ANSWER = clue" line per
// word, optionally followed by "| reading: …", "| written: …" and "| code: …". Lines starting
// with "#" are notes. Only the layout is checked here; the grids and clues are checked by the
// build.
CollectionSource ReadCollectionSource(const QStringList& lines, std::vector<SourceError>& errors);

}  // namespace kirune
