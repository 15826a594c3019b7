#pragma once

#include "library/PlayFile.h"
#include "story/Board.h"
#include "story/Context.h"

#include <optional>
#include <vector>

namespace kirune {

class Checker;
class Clock;
class Progress;

enum class FarewellKind { Stop, AllSolved, NoMore, TimeUp, AdviceExhausted, LeftAlone };

// The game's course from the title to every ending: the play file and its score file, the
// partner and the player's name, the greeting, the partner's questions and the stage in play.
class Flow {
public:
    Flow(const StoryContext& context, Board& board, Checker& checker, Clock& clock, Progress& progress);

    // Everything from start-up to the greeting; afterwards the game runs on events and timers.
    void Main();
    void TitleSequence();
    void StartPlay();
    void ConfirmEnd();
    void Farewell(FarewellKind kind);
    // Final clean-up and the end of the program, from wherever it is called.
    [[noreturn]] void EndGame();

    // The play file stages are read from, as the file choice leaves it.
    void UsePlayFile(const QString& folder, const QString& name);
    // Loads stage n and makes it the board. On failure the previous stage stays as it was and
    // the error says why; the game reports it as an unreadable play file.
    std::optional<PlayFileError> SetupStage(int n);
    // SetupStage with the unreadable-file report: back to the file choice, or the end.
    void SetupStageOrReport(int n);
    // The stage in play is solved: so the score file says.
    void MarkSolved();
    int NextUnsolvedStage(int n) const;
    // The stage play starts on: the one left unfinished last time, else the first unsolved one.
    int FirstStage();

    // A call to the partner: the talk, the partner's name rising, the stage jumping.
    void Exclaim(int talkNumber, int speed);
    // The partner's question and its menu: 0 no answer, 1 or 2 the item chosen.
    int AskPartner(int sayTalk, const QString& moodWord, int menuTalk);

    int PartnerKind() const { return partnerKind; }
    const QString& PartnerName() const { return partnerName; }
    bool FirstPlay() const { return firstPlay; }  // the score file held no name
    const QString& PlayFolder() const { return playFolder; }  // ends in "/"
    const QString& PlayFileName() const { return playFileName; }  // base name + ".vxl"
    qint32 StageMax() const { return stageMax; }
    qint32 StageNmb() const { return stageNmb; }
    // Entries 1..StageMax; 1 = solved.
    const std::vector<qint32>& StageClear() const { return stageClear; }
    // The ending has begun, or a farewell: the clock must not start another.
    bool Ending() const { return ending || farewellStarted; }

private:
    // The title's welcome, until the player clicks twice.
    void OpeningTitle();
    // The family's menu until one of them is chosen; the partner's kind and name.
    void ChoosePartner();
    // The first visit's name, asked until the player confirms it, kept in the score file.
    void AskPlayerName();
    // The file choice with its reports, the header, the score file and the player's name.
    void OpenPlayFile();
    std::optional<PlayFileError> CheckPlayFile();
    // The title's waits: the player clicked, or the wait ran out.
    bool WaitEnded() const {
        return talk.TalkWaitResult() == TalkEngine::WaitResult::Answered ||
               talk.TalkWaitResult() == TalkEngine::WaitResult::TimedOut;
    }
    void Slide(int platform1Speed, int platform2Speed, const QString& text);
    const QString& PartnerWord() const { return talk.TalkVar(partnerKind); }

    StoryContext ctx;
    Host& host;
    Screen& screen;
    Library& library;
    TalkEngine& talk;
    Anim& anim;
    Dressing& scene;
    Board& board;
    Checker& checker;
    Clock& clock;
    Progress& progress;

    int partnerKind = 1;
    QString partnerName;
    bool firstPlay = false;
    QString playFolder;
    QString playFileName;
    qint32 stageMax = 0;
    qint32 stageNmb = 0;
    std::vector<qint32> stageClear;
    bool ending = false;
    bool farewellStarted = false;
    // The farewell runs because nobody is at the keyboard (time up, left alone, hints run out):
    // its closing reports close by themselves.
    bool endsUnattended = false;
};

}  // namespace kirune
