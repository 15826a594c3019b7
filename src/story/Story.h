#pragma once

#include "host/Host.h"
#include "library/PlayFile.h"
#include "story/Crossword.h"
#include "story/KeyCodes.h"
#include "story/Screen.h"

#include <functional>
#include <optional>

namespace kirune {

// The crossword play: the model of the current stage, the cursor and entry, the board view and
// the game timer. It writes what the board shows into Screen and asks Host for time and sound.
class Story {
public:
    Story(Host& host, Screen& screen);

    // Game flags, tested by every handler before it acts.
    int GamePhase = 0;
    int ModalBusy = 0;
    int AnswerOpenBusy = 0;

    // The play file.
    QString PlayFolder;    // ends in "/"
    QString PlayFileName;  // base name + ".vxl"
    qint32 InputMode = 0;  // 0 alphabet, 1 kana
    qint32 StageNmb = 0;

    // Loads stage n and makes it the board. On failure the previous stage stays as it was and
    // the error says why; the game reports it as an unreadable play file.
    std::optional<PlayFileError> SetupStage(int n);
    const Crossword& Stage() const { return stage; }
    bool HasStage() const { return !stage.Mas.empty(); }

    // Cursor, direction and entry.
    qint32 CurMas = 0;
    qint32 CurStep = 1;
    qint32 CurQuesNmb = 0;
    qint32 CurQuesStart = 0;
    qint32 CurQuesLen = 0;
    QString InputBuff;
    int MasAnimBusy = 0;
    int StageSerial = 0;  // counts stage set-ups, so a running cell animation can tell
    qint32 KeyTime = 0;
    qint32 EntryCount = 0;
    int RollOffset1 = 0, RollOffset2 = 0;

    void HandleKey(int keyCode);
    void ClickCell(int c);
    int StepForCell(int c) const;
    void SelectWord(int c, int step);
    void DeselectWord(int step);
    void MoveCursor(int from, int to);
    void MoveInWord(int dir);
    void MoveToWord(int dir);
    void TurnDirection();
    void EraseCell();
    void UndoCell();
    void PlaceNextInput();
    void AnimateCell(int kind);
    void BlinkCursor();

    // Board view and scrolling.
    int MasWidth = 35, MasHeight = 33;
    int ViewLeft = 1, ViewTop = 1, ViewLeftMax = 1, ViewTopMax = 1;
    int ScrollMode = 0;  // 0 none, 1 horizontal, 2 vertical, 3 both

    // Cell size and the bars of the cell animation, from the designed size of lblCell(0).
    void SetCellMetrics(int width, int height);
    void LayoutBoard();
    void ScrollToCursor();
    void ScrollToWordH();
    void ScrollToWordV();
    void ScrollToWordHV();
    void ScrollBoardH(int k);
    void ScrollBoardV(int k);

    // Game timer and clock.
    GameTimer tmrVexal;
    qint32 VexalTick = 0;
    qint32 StartTime = 0, DayRest = 0;
    qint32 PassedH = 0, PassedM = 0, PassedS = 0, LastMinute = 0;
    void OnVexalTick();
    void StartClock();
    void UpdateClock();

    // The main window's events, each behind its guards.
    void OnKeyDown(int keyCode, bool alt);
    void OnCellClick(int c);
    void OnControllerClick(int set, Controller button);
    void OnKeyDeleteClick();
    void OnKeyUndoClick();
    void OnScrollClick(bool horizontal, int k);

    // Parts of the game that plug in around the board: the kana keypad, the debug report and
    // the way the game ends.
    std::function<QString(QChar)> RomaKanaConvWChr;
    std::function<void()> ClearDispKeyBuff;
    std::function<void()> ShowDebugReport;
    std::function<void()> EndGame;
    std::function<void()> TimeUp;

private:
    void PlaySound(int id);  // one of SoundName, from the program's sound folder
    void Focus() { screen.Changed(Screen::Part::Focus); }
    void SetCellBack(int c, Rgb color);
    void PlaceCrossStage();
    void ScrollToWord(bool horizontal, bool vertical);
    void ScrollToNewWord();
    // A scroll-bar click on one axis: view is ViewLeft or ViewTop, stagePosition where the
    // grid stands now on that axis.
    void ScrollBoard(int k, int& view, int viewMax, int stagePosition, int cellSize);
    void LoadCellLabels();
    void UnloadCellLabels();
    void PlaceCells();
    qint32 TimerSeconds() const;

    Host& host;
    Screen& screen;
    Crossword stage;
};

}  // namespace kirune
