#pragma once

#include "library/ProgressFile.h"
#include "story/Board.h"
#include "story/Context.h"

#include <optional>
#include <vector>

namespace kirune {

class Checker;

// The board of the stage in play, kept in the progress file beside the score file: quitting, a
// crash or a power cut loses at most the last second of typing, and the next game takes it up.
class Progress {
public:
    Progress(const StoryContext& context, Board& board, Checker& checker);

    // Reads the file: the unsolved stage it keeps a board of, or 0 when there is none to take up.
    int StageToResume(const std::vector<qint32>& StageClear);
    // Stage n is on the board: its saved board comes back when it fits, and from now on the file
    // follows this stage (a fresh stage has nothing to keep, so the last one's file goes).
    void StageOpened(int n);
    // The stage in play came back as it was saved.
    bool Resumed() const { return resumed; }
    // A tick of the game timer: a change is written once the last write is a second old.
    void OnTick();
    // Writes a change at once: the game ends.
    void Save() { Keep(); }
    // The stage in play is solved: its board is no longer kept, until the next stage opens.
    void Solved();

private:
    // What changes with anything the file keeps, cheap to take every tick.
    struct Mark {
        int stage;
        qint64 edits;
        int cursor, step, checks, hints;
        bool operator==(const Mark&) const = default;
    };
    Mark MarkNow() const;
    void Keep();

    StoryContext ctx;
    Board& board;
    Checker& checker;
    std::optional<StageProgress> saved;  // read at the start, until its stage opens
    std::optional<StageProgress> kept;   // what the file holds for the stage in play
    int stage = 0;                       // the stage in play; 0 while there is none to keep
    bool resumed = false;
    qint64 keptAtMs = 0;
    std::optional<Mark> keptMark;
};

}  // namespace kirune
