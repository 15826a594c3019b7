#pragma once

#include "library/ProgressFile.h"
#include "model/Crossword.h"
#include "story/Context.h"

#include <optional>

namespace kirune {

// The crossword board of the stage in play: the grid and its entries, the selected word and the
// cursor, typing, the cell animation and the view of a board larger than its window.
class Board {
public:
    explicit Board(const StoryContext& context);

    // Which way a board larger than the view scrolls.
    enum class Scroll { None, Horizontal, Vertical, Both };

    // Makes x the board, with nothing selected but its first word; now is the clock's start.
    void SetUp(Crossword&& x, qint32 now);
    void SetInputMode(int mode) { inputMode = mode; }
    // Cell size and the bars of the cell animation, from the designed size of lblCell(0).
    void SetCellMetrics(int width, int height);

    void HandleKey(int keyCode);
    void ClickCell(int c);
    void MoveInWord(int dir);
    void MoveToWord(int dir);
    void TurnDirection();
    void EraseCell();
    void UndoCell();
    void PlaceNextInput();
    void BlinkCursor();
    void ScrollBoardH(int k);
    void ScrollBoardV(int k);

    // For the answer check: the sweep walks word by word, judging each cell.
    void SweepTo(int word);
    // Puts the cursor on cell c and rolls its bars to show it right or wrong.
    void JudgeCell(int c);
    void ShowClue(int word);
    void ShowControls();
    void ClearSelection();
    void ScrollToNewWord();
    // The entries, the word and the cursor as the progress file keeps them.
    StageProgress Snapshot() const;
    // Why a saved board cannot be this stage's, or nothing when it can.
    std::optional<QString> Misfit(const StageProgress& saved) const;
    // Puts back a saved board that fits: its entries, its word and the cursor in view.
    void Restore(const StageProgress& saved);
    // The minute's remark counts the entries since the last one.
    void ResetEntryCount() { entryCount = 0; }

    const Crossword& Stage() const { return stage; }
    bool HasStage() const { return !stage.Mas.empty(); }
    int InputMode() const { return inputMode; }
    int CurMas() const { return curMas; }
    int CurStep() const { return curStep; }
    int CurQuesNmb() const { return curQuesNmb; }
    int CurQuesStart() const { return curQuesStart; }
    int CurQuesLen() const { return curQuesLen; }
    // The cursor's place in the selected word, from 1.
    int CursorPosition() const { return (curMas - curQuesStart) / curStep + 1; }
    const QString& InputBuff() const { return inputBuff; }
    bool MasAnimBusy() const { return masAnimBusy; }
    int StageSerial() const { return stageSerial; }
    qint32 KeyTime() const { return keyTime; }
    qint32 EntryCount() const { return entryCount; }
    // Counts every change of an entry or an undo character, so that a keeper of the board can
    // tell it changed without reading it.
    qint64 Edits() const { return edits; }
    int MasWidth() const { return masWidth; }
    int MasHeight() const { return masHeight; }
    int ViewLeft() const { return viewLeft; }
    int ViewTop() const { return viewTop; }
    int ViewLeftMax() const { return viewLeftMax; }
    int ViewTopMax() const { return viewTopMax; }
    Scroll ScrollMode() const { return scrollMode; }
    int RollOffset1() const { return rollOffset1; }
    int RollOffset2() const { return rollOffset2; }

private:
    // The rolling bars of a cell: after an entry, or judging the cell in the sweep.
    enum class CellAnimation { Entry, Judge };
    void AnimateCell(int c, CellAnimation kind);
    int StepForCell(int c) const;
    void SelectWord(int c, int step);
    void DeselectWord(int step);
    void MoveCursor(int from, int to);
    void LayoutBoard();
    void LoadCellLabels();
    void PlaceCells();
    void PlaceCrossStage();
    void ScrollToCursor();
    void ScrollToWord(bool horizontal, bool vertical);
    // A scroll-bar click on one axis: view is viewLeft or viewTop, stagePosition where the
    // grid stands now on that axis.
    void ScrollBoard(int k, int& view, int viewMax, int stagePosition, int cellSize);

    StoryContext ctx;
    Screen& screen;
    Crossword stage;
    QString answersDigest;  // of the stage's answers, for the progress file
    int inputMode = 0;  // 0 alphabet, 1 kana
    qint32 curMas = 0;
    qint32 curStep = 0;
    qint32 curQuesNmb = 0;
    qint32 curQuesStart = 0;
    qint32 curQuesLen = 0;
    QString inputBuff;
    bool masAnimBusy = false;
    int stageSerial = 0;  // counts stage set-ups, so a running cell animation can tell
    qint32 keyTime = 0;
    qint32 entryCount = 0;
    qint64 edits = 0;
    int rollOffset1 = 0, rollOffset2 = 0;
    int masWidth = 35, masHeight = 33;
    int viewLeft = 1, viewTop = 1, viewLeftMax = 1, viewTopMax = 1;
    Scroll scrollMode = Scroll::None;
};

}  // namespace kirune
