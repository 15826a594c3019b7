#include "host/Wait.h"
#include "library/WorkFolder.h"
#include "model/StageCheck.h"
#include "story/Checker.h"
#include "story/Clock.h"
#include "story/Flow.h"
#include "story/Progress.h"
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

Flow::Flow(const StoryContext& context, Board& board, Checker& checker, Clock& clock, Progress& progress)
    : ctx(context),
      host(context.host),
      screen(context.screen),
      library(context.library),
      talk(context.talk),
      anim(context.anim),
      scene(context.scene),
      board(board),
      checker(checker),
      clock(clock),
      progress(progress) {}

void Flow::Main() {
    if (!host.ClaimSingleInstance()) {
        host.ShowReport(ReportBox{QStringLiteral("Kirune"), QStringLiteral("既に起動されています"),
                                  ReportIcon::Information, ReportButtons::Ok, false});
        host.Terminate();
    }
    library.OSPlatform = GetOSPlatform();
    library.TempFolder = GetTempFolder(host);
    if (ctx.hooks.ShowMainWindow)
        ctx.hooks.ShowMainWindow();
    if (ctx.hooks.TalkTimerInterval)
        ctx.hooks.TalkTimerInterval(library.OSPlatform == 1 ? 3 : 15);
    ctx.flags.GamePhase = Phase::Title;
    TitleSequence();
    library.Rnd.Seed(unsigned(host.SecondsSinceMidnight() * 1000.0));
    ctx.flags.GamePhase = Phase::Play;
    StartPlay();
}

void Flow::TitleSequence() {
    talk.SetPlatform(library.OSPlatform);
    scene.SetPlatform(library.OSPlatform);
    if (!scene.SetUpScreen(host.ProgramFolder())) {
        host.ShowReport(ReportBox{QStringLiteral("Kirune"),
                                  QStringLiteral("会話データを開けません:\r\n") + host.ProgramFolder() +
                                      QStringLiteral("Talk/TalkIx.dat, TalkDt.dat"),
                                  ReportIcon::Exclamation, ReportButtons::Ok, false});
        EndGame();
    }
    ctx.effect.InitSound();
    if (ctx.hooks.InitSoundTimer)
        ctx.hooks.InitSoundTimer();
    talk.StartTalk();
    anim.StartAnim();
    anim.ShowStage();
    ctx.effect.PlayMusic(QStringLiteral("BGMテーマ曲"));

    OpeningTitle();
    OpenPlayFile();
    ctx.effect.StopMusic();
    ChoosePartner();
    if (firstPlay)
        AskPlayerName();
    anim.WipeStage(28, 7, 0.1);
    anim.HideStage();
}

void Flow::OpeningTitle() {
    talk.ClearWaitResult();
    talk.Talk(TalkNo::Welcome);
    anim.ShakeStage(2468, 2, 5);
    do {
        talk.SetWaitLength(1);
        talk.Talk(TalkNo::Pause);
        while (!WaitEnded())
            host.Pump();
        if (talk.TalkWaitResult() == TalkEngine::WaitResult::TimedOut)
            scene.PlayIdleGesture();
    } while (talk.TalkWaitResult() != TalkEngine::WaitResult::Answered);
    talk.Talk(TalkNo::ClearTitle);
    talk.Talk(TalkNo::ClickToBegin);
    talk.Talk(TalkNo::Pause);
    while (!WaitEnded())
        host.Pump();
    if (talk.TalkWaitResult() == TalkEngine::WaitResult::TimedOut)
        scene.PlayIdleGesture();
    talk.Talk(TalkNo::ClearTitle);
}

void Flow::ChoosePartner() {
    talk.Talk(firstPlay ? TalkNo::FirstVisit : TalkNo::Returning);
    talk.Talk(TalkNo::ChoosePartner);
    talk.ClearAnswer();
    while (talk.TalkAnswer() == 0) {
        talk.SetWaitLength(5);
        talk.Talk(TalkNo::PartnerMenu);
        while (talk.TalkWaitResult() != TalkEngine::WaitResult::TimedOut && talk.TalkAnswer() == 0)
            host.Pump();
        if (talk.TalkAnswer() == 0)
            scene.PlayIdleGesture();
    }
    talk.Talk(TalkNo::PartnerChosen);
    partnerKind = std::clamp(talk.TalkAnswer(), 1, 4);
    partnerName = kPartnerNames[partnerKind];
}

void Flow::AskPlayerName() {
    talk.ClearAnswer();
    while (talk.TalkAnswer() != 1) {
        talk.ClearInputText();
        talk.Talk(TalkNo::AskName);
        QString name = talk.TalkInputText();
        if (name.isEmpty()) {
            talk.Talk(TalkNo::NameOffered);
            name = talk.TalkVar(partnerKind);
        }
        talk.SetTalkVar(10, name);
        talk.ClearAnswer();
        talk.Talk(TalkNo::NameRepeated);
        talk.Talk(TalkNo::NameConfirmMenu);
    }
    library.SavePlayerName(talk.TalkVar(10));
}

std::optional<PlayFileError> Flow::CheckPlayFile() {
    // Every stage is loaded once at the choice, so that a broken file is refused here rather
    // than in the middle of play.
    const QString path = playFolder + playFileName;
    const auto header = ReadStageMax(path);
    if (!header)
        return header.error;
    if (header.value < 1)
        return PlayFileError{PlayFileProblem::NoStage, 4, QStringLiteral("the header names no stages")};
    for (int n = 1; n <= header.value; ++n) {
        auto read = LoadStageData(path, n);
        if (!read)
            return read.error;
        if (auto error = PrepareForPlay(read.value))
            return error;
    }
    stageMax = header.value;
    return std::nullopt;
}

void Flow::OpenPlayFile() {
    for (;;) {
        playFileName.clear();
        const auto chosen = library.SelectPlayFile();
        if (!chosen)
            EndGame();
        playFileName = chosen->name;
        playFolder = chosen->folder;
        screen.lblTitle = playFileName.section(u'.', 0, 0);
        screen.Changed(Screen::Part::Labels);
        const auto error = CheckPlayFile();
        if (!error)
            break;
        host.Diagnostic(QStringLiteral("%1: %2").arg(playFileName, error->Describe()));
        if (library.ShowReport(103) != AnswerYes)
            EndGame();
    }
    stageClear.assign(size_t(stageMax) + 1, 0);
    if (!library.SetupLogFile(playFileName, playFolder, stageMax))
        EndGame();
    if (!library.ReadLogStatus(stageClear))
        EndGame();
    const int inputMode = ReadInputMode(playFolder + playFileName).value;
    board.SetInputMode(inputMode);
    if (inputMode == 1 && ctx.hooks.SetKeypad)
        ctx.hooks.SetKeypad();
    talk.SetTalkVar(10, library.ReadPlayerName());
    firstPlay = talk.TalkVar(10).isEmpty();
}

int Flow::AskPartner(int sayTalk, const QString& moodWord, int menuTalk) {
    talk.SetWaitLength(6);
    anim.Say(sayTalk, moodWord);
    talk.ClearAnswer();
    talk.Talk(menuTalk);
    return std::clamp(talk.TalkAnswer(), 0, 2);
}

void Flow::Exclaim(int talkNumber, int speed) {
    talk.Talk(talkNumber);
    anim.RiseWord(PartnerWord(), 1, 1, speed);
    scene.PartnerJump();
}

void Flow::Slide(int platform1Speed, int platform2Speed, const QString& text) {
    if (library.OSPlatform == 1 || library.OSPlatform == 2)
        anim.SlideWord(text, 4, 1, 2, library.OSPlatform == 1 ? platform1Speed : platform2Speed);
}

void Flow::StartPlay() {
    scene.SetUpPlayStage(board.InputMode(), partnerName);
    ctx.effect.StopSound(-1);
    stageNmb = FirstStage();
    SetupStageOrReport(stageNmb);
    talk.StartTalk();
    anim.StartAnim();
    anim.ShowStage();
    ctx.effect.PlayMusic(QStringLiteral("BGM挿入曲1"));
    screen.KeyPreview = true;
    screen.Changed(Screen::Part::Controls);

    // The greeting is not to be interrupted by a button that starts a talk of its own.
    const BusyWhile busy(ctx.flags.ModalBusy);
    if (!firstPlay) {
        talk.Talk(TalkNo::ReturningGreeting);
        Slide(3, 2, talk.TalkVar(0) + talk.TalkVar(10));
        scene.PartnerWalkIn();
        talk.Talk(TalkNo::Of(TalkNo::GreetReturning, partnerKind));
    } else {
        talk.Talk(TalkNo::FirstGreeting);
        if (board.InputMode() == 1) {
            ctx.hooks.ClearKeypad();
            ctx.hooks.ToggleKeypad();
            talk.Talk(TalkNo::FirstGreetingKana);
            Slide(3, 2, PartnerWord());
            scene.PartnerWalkIn();
            talk.Talk(TalkNo::Of(TalkNo::GreetKana, partnerKind));
            talk.Talk(TalkNo::AfterLast);
        } else {
            Slide(3, 2, PartnerWord());
            scene.PartnerWalkIn();
            talk.Talk(TalkNo::Of(TalkNo::GreetAlphabet, partnerKind));
        }
    }
    if (progress.Resumed())
        talk.Talk(TalkNo::Of(TalkNo::GreetResumed, partnerKind));
    scene.PartnerSettle();
}

void Flow::UsePlayFile(const QString& folder, const QString& name) {
    playFolder = folder;
    playFileName = name;
}

std::optional<PlayFileError> Flow::SetupStage(int n) {
    auto read = LoadStageData(playFolder + playFileName, n);
    if (!read)
        return read.error;
    Crossword x = std::move(read.value);
    if (auto error = PrepareForPlay(x))
        return error;

    const StageCaptions captions = CaptionsFor(x, playFileName, n, screen.lblLevel);
    stageNmb = n;
    screen.lblTitle = captions.lblTitle;
    screen.lblLevel = captions.lblLevel;
    screen.lblQuesNmbMax = captions.lblQuesNmbMax;
    screen.lblMasMaxXY = captions.lblMasMaxXY;
    screen.Changed(Screen::Part::Labels);

    clock.StartClock();
    board.SetUp(std::move(x), clock.StartTime());
    checker.NewStage();
    progress.StageOpened(n);
    ctx.flags.AnswerOpenBusy = false;
    clock.SetRunning(true);
    return std::nullopt;
}

void Flow::SetupStageOrReport(int n) {
    for (;;) {
        const auto error = SetupStage(n);
        if (!error)
            return;
        host.Diagnostic(QStringLiteral("%1: stage %2: %3").arg(playFileName).arg(n).arg(error->Describe()));
        if (library.ShowReport(103) != AnswerYes)
            EndGame();
        OpenPlayFile();
        n = FirstStage();
    }
}

void Flow::MarkSolved() {
    stageClear[size_t(stageNmb)] = 1;
    library.WriteLogStatus(stageClear);
    progress.Solved();
}

int Flow::FirstStage() {
    const int resumed = progress.StageToResume(stageClear);
    return resumed > 0 ? resumed : NextUnsolvedStage(0);
}

int Flow::NextUnsolvedStage(int n) const {
    for (int i = n + 1; i <= stageMax; ++i)
        if (stageClear[size_t(i)] == 0)
            return i;
    for (int i = 1; i <= std::min(n - 1, int(stageMax)); ++i)
        if (stageClear[size_t(i)] == 0)
            return i;
    return 0;
}

void Flow::ConfirmEnd() {
    const int P = partnerKind;
    Exclaim(TalkNo::EndCalled, 2);
    ctx.effect.PlayMusic(QStringLiteral("BGMテーマ曲"));
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

void Flow::Farewell(FarewellKind kind) {
    const FarewellSteps& steps = StepsOf(kind);
    farewellStarted = true;
    for (const FarewellLine& line : steps.lines) {
        if (line.moodWord)
            anim.Say(TalkNo::Of(line.partner, partnerKind), QString::fromUtf16(line.moodWord));
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

void Flow::EndGame() {
    // Closing the window while the end's own question is open must not ask twice.
    if (!ending) {
        ending = true;
        clock.SetRunning(false);
        talk.EndTalk();
        anim.StopAnim();
        ctx.effect.StopSound(-1);
        progress.Save();
        library.ScoreFileQuestionAtEnd(endsUnattended ? kQuestionLeftAloneSeconds : 0);
    }
    host.Terminate();
}

}  // namespace kirune
