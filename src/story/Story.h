#pragma once

#include "anim/Anim.h"
#include "effect/Effect.h"
#include "host/Host.h"
#include "library/Library.h"
#include "library/PlayFile.h"
#include "story/Dressing.h"
#include "talk/TalkEngine.h"
#include "model/Crossword.h"
#include "model/KeyCodes.h"
#include "model/Screen.h"

#include <functional>
#include <optional>

namespace kirune {

enum class FarewellKind { Stop, AllSolved, NoMore, TimeUp, AdviceExhausted, LeftAlone };

// The game's spine and its crossword play: the flow from the title to every ending, the model
// of the current stage, cursor and entry, the answer check and hints, the board view and the
// game timer. It writes what the board shows into Screen and reaches the outside through Host.
class Story {
public:
    // tmrVexal is the main window's game timer; its ticks are OnVexalTick's.
    Story(Host& host, Screen& screen, Library& library, TalkEngine& talk, Anim& anim, Dressing& scene,
          Effect& effect, GameTimer& tmrVexal);

    // Game flags, tested by every handler before it acts. The title lets no key reach the board.
    enum class Phase { Title, Play };
    Phase GamePhase = Phase::Title;
    bool ModalBusy = false;       // a talk sequence runs that the player must not interrupt
    bool AnswerOpenBusy = false;  // the answer check runs

    // The flow.
    int PartnerKind = 1;
    QString PartnerName;
    bool FirstPlay = false;  // the score file holds no name yet
    qint32 StageMax = 0;
    std::vector<qint32> StageClear;  // entries 1..StageMax; 1 = solved
    // Everything from start-up to the greeting; afterwards the game runs on events and timers.
    void Main();
    void TitleSequence();
    void StartPlay();
    int NextUnsolvedStage(int n) const;
    void ConfirmEnd();
    void Farewell(FarewellKind kind);
    // Final clean-up and the end of the program, from wherever it is called.
    [[noreturn]] void EndGame();
    std::function<void()> ShowMainWindow;
    std::function<void(int ms)> TalkTimerInterval;
    std::function<void()> InitSoundTimer;

    // The play file.
    QString PlayFolder;    // ends in "/"
    QString PlayFileName;  // base name + ".vxl"
    qint32 InputMode = 0;  // 0 alphabet, 1 kana
    qint32 StageNmb = 0;

    // Loads stage n and makes it the board. On failure the previous stage stays as it was and
    // the error says why; the game reports it as an unreadable play file.
    std::optional<PlayFileError> SetupStage(int n);
    // SetupStage with the unreadable-file report: back to the file choice, or the end.
    void SetupStageOrReport(int n);
    const Crossword& Stage() const { return stage; }
    bool HasStage() const { return !stage.Mas.empty(); }

    // Cursor, direction and entry.
    qint32 CurMas = 0;
    qint32 CurStep = 1;
    qint32 CurQuesNmb = 0;
    qint32 CurQuesStart = 0;
    qint32 CurQuesLen = 0;
    QString InputBuff;
    bool MasAnimBusy = false;
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

    // Answer check, advice and stage change.
    qint32 CheckCount = 0;
    bool SpeedUp = false;
    qint32 AdviceStep = 0;
    bool ChangeAsked = false;  // asked for another stage when none was left
    void CheckAnswers();
    void RevealAnswers();
    void SweepWords();
    void ShowWrongCells();
    void ResetCellColours();
    int CountWrongCells() const;
    int FirstWrongCell() const;
    void CheckResult(int wrong);
    void GiveAdvice();
    void ChangeStage();

    // Board view and scrolling.
    int MasWidth = 35, MasHeight = 33;
    int ViewLeft = 1, ViewTop = 1, ViewLeftMax = 1, ViewTopMax = 1;
    // Which way a board larger than the view scrolls.
    enum class Scroll { None, Horizontal, Vertical, Both };
    Scroll ScrollMode = Scroll::None;

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
    GameTimer& tmrVexal;
    qint32 VexalTick = 0;
    qint32 StartTime = 0, DayRest = 0;
    qint32 PassedH = 0, PassedM = 0, PassedS = 0, LastMinute = 0;
    void OnVexalTick();
    void StartClock();
    void UpdateClock();
    void DriftAdvice();
    void MinuteEvents();
    void ToggleBackgroundSprite();

    // The main window's events, each behind its guards.
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

    // The kana keypad window plugs in here.
    std::function<QString(QChar)> RomaKanaConvWChr;
    std::function<void()> ClearDispKeyBuff;
    std::function<void()> SetKeypad;
    std::function<void()> ShowKeypad;

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
    // The file choice with its reports, the header, the score file and the player's name.
    void OpenPlayFile();
    std::optional<PlayFileError> CheckPlayFile();
    // The title's waits: the player clicked, or the wait ran out.
    bool WaitEnded() const {
        return talk.TalkWaitResult == TalkEngine::WaitResult::Answered ||
               talk.TalkWaitResult == TalkEngine::WaitResult::TimedOut;
    }
    // A call to the partner: the talk, the partner's name rising, the stage jumping.
    void Exclaim(int talkNumber, int speed);
    // The partner's question and its menu: 0 no answer, 1 or 2 the item chosen.
    int AskPartner(int sayTalk, const QString& moodWord, int menuTalk);
    void ShowClue(int word);
    void Slide(int platform1Speed, int platform2Speed, const QString& text);
    void ShowControls();
    int CursorPosition() const { return (CurMas - CurQuesStart) / CurStep + 1; }
    const QString& PartnerWord() const { return talk.TalkVar[PartnerKind]; }

    Host& host;
    Screen& screen;
    Library& library;
    TalkEngine& talk;
    Anim& anim;
    Dressing& scene;
    Effect& effect;
    Crossword stage;
    bool ending = false;
    bool farewellStarted = false;
    // The farewell runs because nobody is at the keyboard (time up, left alone, hints run out):
    // its closing reports close by themselves.
    bool endsUnattended = false;
};

}  // namespace kirune
