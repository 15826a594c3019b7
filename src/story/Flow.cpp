#include "host/Wait.h"
#include "library/WorkFolder.h"
#include "model/StageCheck.h"
#include "story/Busy.h"
#include "story/Story.h"
#include "talk/TalkNumbers.h"

#include <map>
#include <vector>

namespace kirune {

namespace {

// How long the closing reports of an ending with nobody at the keyboard wait for a click.
constexpr int kReportLeftAloneSeconds = 10;
constexpr int kQuestionLeftAloneSeconds = 60;

const QString kPartnerNames[5] = {QString(), QStringLiteral("姉"), QStringLiteral("兄"), QStringLiteral("母"),
                                  QStringLiteral("父")};

}  // namespace

void Story::Main() {
    if (!host.ClaimSingleInstance()) {
        host.ShowReport(ReportBox{QStringLiteral("Kirune"), QStringLiteral("既に起動されています"),
                                  ReportIcon::Information, ReportButtons::Ok, false});
        host.Terminate();
    }
    library.OSPlatform = GetOSPlatform();
    library.TempFolder = GetTempFolder(host);
    if (ShowMainWindow)
        ShowMainWindow();
    if (TalkTimerInterval)
        TalkTimerInterval(library.OSPlatform == 1 ? 3 : 15);
    GamePhase = Phase::Title;
    TitleSequence();
    library.Rnd.Seed(unsigned(host.SecondsSinceMidnight() * 1000.0));
    GamePhase = Phase::Play;
    StartPlay();
}

void Story::TitleSequence() {
    talk.OSPlatform = library.OSPlatform;
    scene.SetPlatform(library.OSPlatform);
    if (!scene.SetUpScreen(host.ProgramFolder())) {
        host.ShowReport(ReportBox{QStringLiteral("Kirune"),
                                  QStringLiteral("会話データを開けません:\r\n") + host.ProgramFolder() +
                                      QStringLiteral("Talk/TalkIx.dat, TalkDt.dat"),
                                  ReportIcon::Exclamation, ReportButtons::Ok, false});
        EndGame();
    }
    effect.InitSound();
    if (InitSoundTimer)
        InitSoundTimer();
    talk.StartTalk();
    anim.StartAnim();
    anim.ShowStage();
    effect.PlayMusic(QStringLiteral("BGMテーマ曲"));

    talk.TalkWaitResult = TalkEngine::WaitResult::None;
    talk.Talk(TalkNo::Welcome);
    anim.ShakeStage(2468, 2, 5);
    do {
        talk.SetWaitLength(1);
        talk.Talk(TalkNo::Pause);
        while (!WaitEnded())
            host.Pump();
        if (talk.TalkWaitResult == TalkEngine::WaitResult::TimedOut)
            scene.PlayIdleGesture();
    } while (talk.TalkWaitResult != TalkEngine::WaitResult::Answered);
    talk.Talk(TalkNo::ClearTitle);
    talk.Talk(TalkNo::ClickToBegin);
    talk.Talk(TalkNo::Pause);
    while (!WaitEnded())
        host.Pump();
    if (talk.TalkWaitResult == TalkEngine::WaitResult::TimedOut)
        scene.PlayIdleGesture();
    talk.Talk(TalkNo::ClearTitle);

    OpenPlayFile();
    effect.StopMusic();

    talk.Talk(FirstPlay ? TalkNo::FirstVisit : TalkNo::Returning);
    talk.Talk(TalkNo::ChoosePartner);
    talk.TalkAnswer = 0;
    while (talk.TalkAnswer == 0) {
        talk.SetWaitLength(5);
        talk.Talk(TalkNo::PartnerMenu);
        while (talk.TalkWaitResult != TalkEngine::WaitResult::TimedOut && talk.TalkAnswer == 0)
            host.Pump();
        if (talk.TalkAnswer == 0)
            scene.PlayIdleGesture();
    }
    talk.Talk(TalkNo::PartnerChosen);
    PartnerKind = std::clamp(talk.TalkAnswer, 1, 4);
    PartnerName = kPartnerNames[PartnerKind];

    if (FirstPlay) {
        talk.TalkAnswer = 0;
        while (talk.TalkAnswer != 1) {
            talk.TalkInputText.clear();
            talk.Talk(TalkNo::AskName);
            if (talk.TalkInputText.isEmpty()) {
                talk.Talk(TalkNo::NameOffered);
                talk.TalkInputText = talk.TalkVar[PartnerKind];
            }
            talk.TalkVar[10] = talk.TalkInputText;
            talk.TalkAnswer = 0;
            talk.Talk(TalkNo::NameRepeated);
            talk.Talk(TalkNo::NameConfirmMenu);
        }
        library.SavePlayerName(talk.TalkVar[10]);
    }
    anim.WipeStage(28, 7, 0.1);
    anim.HideStage();
}

std::optional<PlayFileError> Story::CheckPlayFile() {
    // Every stage is loaded once at the choice, so that a broken file is refused here rather
    // than in the middle of play.
    const QString path = PlayFolder + PlayFileName;
    const auto stageMax = ReadStageMax(path);
    if (!stageMax)
        return stageMax.error;
    if (stageMax.value < 1)
        return PlayFileError{PlayFileProblem::NoStage, 4, QStringLiteral("the header names no stages")};
    for (int n = 1; n <= stageMax.value; ++n) {
        auto read = LoadStageData(path, n);
        if (!read)
            return read.error;
        if (auto error = PrepareForPlay(read.value))
            return error;
    }
    StageMax = stageMax.value;
    return std::nullopt;
}

void Story::OpenPlayFile() {
    for (;;) {
        PlayFileName.clear();
        const auto chosen = library.SelectPlayFile();
        if (!chosen)
            EndGame();
        PlayFileName = chosen->name;
        PlayFolder = chosen->folder;
        screen.lblTitle = PlayFileName.section(u'.', 0, 0);
        screen.Changed(Screen::Part::Labels);
        const auto error = CheckPlayFile();
        if (!error)
            break;
        host.Diagnostic(QStringLiteral("%1: %2").arg(PlayFileName, error->Describe()));
        if (library.ShowReport(103) != AnswerYes)
            EndGame();
    }
    StageClear.assign(size_t(StageMax) + 1, 0);
    if (!library.SetupLogFile(PlayFileName, PlayFolder, StageMax))
        EndGame();
    if (!library.ReadLogStatus(StageClear))
        EndGame();
    InputMode = ReadInputMode(PlayFolder + PlayFileName).value;
    if (InputMode == 1 && SetKeypad)
        SetKeypad();
    talk.TalkVar[10] = library.ReadPlayerName();
    FirstPlay = talk.TalkVar[10].isEmpty();
}

int Story::AskPartner(int sayTalk, const QString& moodWord, int menuTalk) {
    talk.SetWaitLength(6);
    anim.Say(sayTalk, moodWord);
    talk.TalkAnswer = 0;
    talk.Talk(menuTalk);
    return std::clamp(talk.TalkAnswer, 0, 2);
}

void Story::Exclaim(int talkNumber, int speed) {
    talk.Talk(talkNumber);
    anim.RiseWord(PartnerWord(), 1, 1, speed);
    scene.PartnerJump();
}

void Story::Slide(int platform1Speed, int platform2Speed, const QString& text) {
    if (library.OSPlatform == 1 || library.OSPlatform == 2)
        anim.SlideWord(text, 4, 1, 2, library.OSPlatform == 1 ? platform1Speed : platform2Speed);
}

void Story::StartPlay() {
    scene.SetUpPlayStage(InputMode, PartnerName);
    effect.StopSound(-1);
    StageNmb = NextUnsolvedStage(0);
    SetupStageOrReport(StageNmb);
    talk.StartTalk();
    anim.StartAnim();
    anim.ShowStage();
    effect.PlayMusic(QStringLiteral("BGM挿入曲1"));
    screen.KeyPreview = true;
    screen.Changed(Screen::Part::Controls);

    // The greeting is not to be interrupted by a button that starts a talk of its own.
    const BusyWhile busy(ModalBusy);
    if (!FirstPlay) {
        talk.Talk(TalkNo::ReturningGreeting);
        Slide(3, 2, talk.TalkVar[0] + talk.TalkVar[10]);
        scene.PartnerWalkIn();
        talk.Talk(TalkNo::Of(TalkNo::GreetReturning, PartnerKind));
    } else {
        talk.Talk(TalkNo::FirstGreeting);
        if (InputMode == 1) {
            if (ClearDispKeyBuff)
                ClearDispKeyBuff();
            if (ShowKeypad)
                ShowKeypad();
            talk.Talk(TalkNo::FirstGreetingKana);
            Slide(3, 2, PartnerWord());
            scene.PartnerWalkIn();
            talk.Talk(TalkNo::Of(TalkNo::GreetKana, PartnerKind));
            talk.Talk(TalkNo::AfterLast);
        } else {
            Slide(3, 2, PartnerWord());
            scene.PartnerWalkIn();
            talk.Talk(TalkNo::Of(TalkNo::GreetAlphabet, PartnerKind));
        }
    }
    scene.PartnerSettle();
}

int Story::NextUnsolvedStage(int n) const {
    for (int i = n + 1; i <= StageMax; ++i)
        if (StageClear[size_t(i)] == 0)
            return i;
    for (int i = 1; i <= std::min(n - 1, int(StageMax)); ++i)
        if (StageClear[size_t(i)] == 0)
            return i;
    return 0;
}

void Story::ConfirmEnd() {
    const int P = PartnerKind;
    Exclaim(TalkNo::EndCalled, 2);
    effect.PlayMusic(QStringLiteral("BGMテーマ曲"));
    const int r = AskPartner(TalkNo::Of(TalkNo::AskStop, P), QStringLiteral("-1"), TalkNo::EndMenu);
    anim.Say(TalkNo::Of(TalkNo::StopReply, P, r), QStringLiteral("+1"));
    talk.Talk(TalkNo::ThenClose);
    if (r == 1)
        Farewell(FarewellKind::Stop);
}

namespace {

// One line of a farewell before the partner's last words: the partner's own line with a mood
// word, or a shared talk.
struct FarewellLine {
    TalkNo::Family partner{0};
    const char16_t* moodWord = nullptr;
    int shared = 0;
};

// Every farewell: its lines, then the last words, the walk-off, the narrator's closing talk and the
// partner's word sliding across. Those that come with nobody at the keyboard end with report 11.
struct FarewellSteps {
    std::vector<FarewellLine> lines;
    int closing;
    int slideSpeed1;  // the slide's speed on the 9x family; the NT family's is always 2
    bool shake;
    bool unattended;
};

const FarewellSteps& StepsOf(FarewellKind kind) {
    static const std::map<FarewellKind, FarewellSteps> steps = {
        {FarewellKind::Stop, {{{TalkNo::StopGoodbye, u"=5"}}, TalkNo::StopClosing, 3, false, false}},
        {FarewellKind::AllSolved,
         {{{TalkNo::AllSolvedCheer, u"=4"}, {.shared = TalkNo::ThenClose}, {TalkNo::AllSolvedGoodbye, u"=5"}},
          TalkNo::AllSolvedClosing, 2, false, false}},
        {FarewellKind::NoMore, {{}, TalkNo::NoMoreClosing, 2, false, false}},
        {FarewellKind::TimeUp,
         {{{TalkNo::TimeUp, u"-1"}, {.shared = TalkNo::Pause}, {TalkNo::TimeUpGoodbye, u"=5"}},
          TalkNo::TimeUpClosing, 2, false, true}},
        {FarewellKind::AdviceExhausted,
         {{{.shared = TalkNo::Pause}, {TalkNo::HintsGoodbye, u"=1"}}, TalkNo::HintsClosing, 2, true, true}},
        {FarewellKind::LeftAlone,
         {{{.shared = TalkNo::Pause}, {TalkNo::LeftAloneGoodbye, u"=1"}}, TalkNo::LeftAloneClosing, 2, true, true}},
    };
    return steps.at(kind);
}

}  // namespace

void Story::Farewell(FarewellKind kind) {
    const FarewellSteps& steps = StepsOf(kind);
    farewellStarted = true;
    for (const FarewellLine& line : steps.lines) {
        if (line.moodWord)
            anim.Say(TalkNo::Of(line.partner, PartnerKind), QString::fromUtf16(line.moodWord));
        else
            talk.Talk(line.shared);
    }
    talk.Talk(TalkNo::LastWords);
    scene.PartnerWalkOff();
    talk.Talk(steps.closing);
    Slide(steps.slideSpeed1, 2, PartnerWord());
    if (steps.shake)
        anim.ShakeStage(2468, 1, 3);
    Wait(host, 2.0);
    if (steps.unattended) {
        endsUnattended = true;
        library.ShowReport(11, kReportLeftAloneSeconds);
    }
    EndGame();
}

void Story::EndGame() {
    // Closing the window while the end's own question is open must not ask twice.
    if (!ending) {
        ending = true;
        tmrVexal.SetEnabled(false);
        talk.EndTalk();
        anim.StopAnim();
        effect.StopSound(-1);
        library.ScoreFileQuestionAtEnd(endsUnattended ? kQuestionLeftAloneSeconds : 0);
    }
    host.Terminate();
}

}  // namespace kirune
