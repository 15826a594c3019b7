#pragma once

#include "app/Game.h"
#include "support/PlayFileMaker.h"
#include "support/SimHost.h"

#include <QTemporaryDir>

#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace kirune {

// The real game on a SimHost, opened on a play file made from sketches or given.
class SimGame {
public:
    // Runs the real start-up on the play file; beforeStart may prepare files and the script.
    // A game that ends during start-up leaves endedAtStart set.
    explicit SimGame(const std::vector<StageSketch>& stages, int inputMode = 0,
                     double startSecondsSinceMidnight = 9 * 3600.0,
                     const std::function<void(SimGame&)>& beforeStart = {});
    // The same on a play file that already exists, a shipped collection's copy for one: its
    // score file lies beside it, so a later game on the same file finds what this one recorded.
    explicit SimGame(const QString& playFile, double startSecondsSinceMidnight = 9 * 3600.0,
                     const std::function<void(SimGame&)>& beforeStart = {});

    QTemporaryDir folder;
    SimHost host;
    Game game;
    Story& story;
    const Screen& screen;
    QString path;
    bool endedAtStart = false;

    // The simulated player answers every wait of a talk shortly after it opens: a click on the
    // talk box, the menu item given for the talk (item 1 when none is given), a typed name.
    std::map<int, int> menuAnswers;
    QString typedName = QStringLiteral("ケン");
    bool playerAnswers = true;

    // Input, delivered by the event loop as the game runs.
    void Keys(const QString& letters);
    void Key(int keyCode, bool alt = false) { host.Post(0, [this, keyCode, alt] { story.OnKeyDown(keyCode, alt); }); }
    void Click(int cell) { host.Post(0, [this, cell] { story.OnCellClick(cell); }); }
    void RunFor(double seconds) { host.RunFor(seconds); }

    const Crossword& Stage() const { return story.board.Stage(); }
    int Cell(int row, int column) const { return Stage().Cell(row, column); }
    int CursorCell() const { return story.board.CurMas(); }
    // The entries of a row or a column, "■" for blocks.
    QString Row(int row) const { return Line(Cell(row, 1), 1, Stage().MasMaxX); }
    QString Column(int column) const { return Line(Cell(1, column), Stage().MasStride, Stage().MasMaxY); }
    QString Caption(int cell) const { return screen.lblCell[cell].Caption; }
    Rgb Back(int cell) const { return screen.lblCell[cell].BackColor; }
    // Types text into the selected word and waits until it is placed.
    void Type(const QString& letters) {
        Keys(letters);
        RunFor(0.5 * double(letters.size()) + 0.5);
    }
    // Selects a word with its first cell under the cursor, as a player would by clicking.
    void Select(int word);
    // Types every answer of the stage, across words first, then down words.
    void Solve();
    QString ScoreFile() const;  // the score file beside the play file, as text
    QString ScoreFilePath() const;
    // The sounds played since the last call.
    QStringList TakeSounds() { return std::exchange(host.sounds, {}); }

private:
    explicit SimGame(double startSecondsSinceMidnight);
    QString Line(int first, int step, int count) const;
    void Start(const std::function<void(SimGame&)>& beforeStart);
    void AnswerWait();
    GameTimer player;
};

}  // namespace kirune
