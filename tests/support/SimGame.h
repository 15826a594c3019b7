#pragma once

#include "story/Game.h"
#include "support/PlayFileMaker.h"
#include "support/SimHost.h"

#include <QTemporaryDir>

#include <memory>

namespace kirune {

// The real game on a SimHost, opened on a play file made from sketches.
class SimGame {
public:
    explicit SimGame(const std::vector<StageSketch>& stages, int inputMode = 0,
                     double startSecondsSinceMidnight = 9 * 3600.0);

    QTemporaryDir folder;
    SimHost host;
    Game game;
    Story& story;
    const Screen& screen;
    QString path;

    // Input, delivered by the event loop as the game runs.
    void Keys(const QString& letters);
    void Key(int keyCode, bool alt = false);
    void Click(int cell);
    void RunFor(double seconds) { host.RunFor(seconds); }

    const Crossword& Stage() const { return story.Stage(); }
    int Cell(int row, int column) const { return Stage().Cell(row, column); }
    int CursorCell() const { return story.CurMas; }
    // The entries of a row or a column, "■" for blocks.
    QString Row(int row) const;
    QString Column(int column) const;
    QString Caption(int cell) const { return screen.lblCell[cell].Caption; }
    Rgb Back(int cell) const { return screen.lblCell[cell].BackColor; }
    // The sounds played since the last call.
    QStringList TakeSounds();
};

}  // namespace kirune
