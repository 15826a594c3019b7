#include "host/Wait.h"
#include "story/Checker.h"
#include "story/Flow.h"
#include "talk/TalkNumbers.h"

namespace kirune {

namespace {

constexpr double kResultsShownSeconds = 1.5;

// What the partner makes of a press on 完成; the number picks the partner's talk.
enum class Verdict {
    NoAnswer = 0,     // the question was left unanswered
    NotYet = 1,       // the player said not yet
    FewEmpty = 2,     // a first check with less than a third of the cells empty
    ManyEmpty = 3,    // a first check with more
    StillEmpty = 4,   // a later check with cells still empty
    FirstCheck = 5,   // the board is full: the first sweep
    CheckAgain = 6,   // the board is full: a later sweep
};

}  // namespace

Checker::Checker(const StoryContext& context, Board& board, Flow& flow)
    : ctx(context), screen(context.screen), talk(context.talk), anim(context.anim), board(board), flow(flow) {}

void Checker::NewStage() {
    adviceStep = 0;
    changeAsked = false;
}

void Checker::AdviceForMood(int mood) {
    switch (mood) {
    case 1: adviceStep = 5; break;
    case 2: adviceStep = 3; break;
    case 3: adviceStep = 1; break;
    case 4:
    case 5: adviceStep = 0; break;
    default: break;
    }
}

void Checker::DriftAdvice() {
    if (adviceStep != 0 && ctx.library.RndOneTo(2) == 1) {
        AdviceForMood(anim.Mood());
        anim.SetMood(QStringLiteral("+1"));
    }
}

void Checker::CheckAnswers() {
    const Crossword& stage = board.Stage();
    const int P = flow.PartnerKind();
    flow.Exclaim(TalkNo::CheckCalled, 2);
    ctx.effect.PlayMusic(QStringLiteral("BGM挿入曲1"));

    int empty = 0;
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c)
            if (stage.Mas[stage.Cell(r, c)].Entered == kEmptyCell)
                ++empty;

    Verdict result;
    if (empty > 0 && checkCount == 0) {
        result = empty < (stage.MasMaxX * stage.MasMaxY) / 3 ? Verdict::FewEmpty : Verdict::ManyEmpty;
    } else if (empty > 0) {
        result = Verdict::StillEmpty;
    } else {
        talk.SetWaitLength(6);
        anim.Say(TalkNo::Of(TalkNo::AskCheck, P), QStringLiteral("+1"));
        talk.ClearAnswer();
        talk.Talk(TalkNo::CheckMenu);
        if (talk.TalkAnswer() == 1)
            result = checkCount == 0 ? Verdict::FirstCheck : Verdict::CheckAgain;
        else
            result = talk.TalkAnswer() == 2 ? Verdict::NotYet : Verdict::NoAnswer;
    }
    const bool sweep = result == Verdict::FirstCheck || result == Verdict::CheckAgain;
    if (empty > 0)
        flow.Exclaim(TalkNo::CellsEmpty, 3);
    anim.Say(TalkNo::Of(TalkNo::CheckReply, P, int(result)), QStringLiteral("-1"));
    talk.Talk(TalkNo::ThenClose);
    if (sweep) {
        ++checkCount;
        RevealAnswers();
    }
}

void Checker::RevealAnswers() {
    talk.SetWaitLength(3);
    anim.Say(TalkNo::Of(TalkNo::SweepStarts, flow.PartnerKind()), QStringLiteral("-1"));
    talk.Talk(TalkNo::ThenClose);

    ResetCellColours();
    screen.picControlerVisible[1] = screen.picControlerVisible[2] = false;
    speedUp = false;
    screen.lblAnswerOpenVisible = false;
    screen.lblMarkSpeedUpVisible = true;
    screen.Changed(Screen::Part::Controls);

    SweepWords();
    if (speedUp)
        ShowWrongCells();

    screen.lblMarkSpeedUpVisible = false;
    screen.lblAnswerOpenVisible = true;
    screen.picControlerVisible[1] = true;
    screen.picControlerVisible[2] = false;
    screen.Changed(Screen::Part::Controls);

    const int wrong = CountWrongCells();
    if (wrong > 0) {
        // The red and clear cells stay long enough to be seen, above all after a cut-short
        // sweep, which shows them all in one instant.
        Wait(ctx.host, kResultsShownSeconds);
        ResetCellColours();
        board.ClearSelection();
        const int first = FirstWrongCell();
        board.ClickCell(first);
        board.ShowControls();
        board.ScrollToNewWord();
        ctx.Focus();
    }
    CheckResult(wrong);
}

void Checker::ResetCellColours() {
    const Crossword& stage = board.Stage();
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            CellLabel& label = screen.lblCell[stage.Cell(r, c)];
            label.Opaque = true;
            label.Visible = true;
            label.BackColor = stage.Mas[stage.Cell(r, c)].Kind == KindBlack ? CellColor::Black : CellColor::Plain;
        }
    screen.Changed(Screen::Part::Cells);
}

void Checker::SweepWords() {
    const Crossword& stage = board.Stage();
    const int serial = board.StageSerial();
    for (int w = 1; w <= stage.QuesNmbMax; ++w) {
        const int s = stage.IsAcrossWord(w) ? 1 : stage.MasStride;
        const QuesRec& q = stage.Ques[w];
        board.SweepTo(w);

        for (int i = 0; i < q.Length; ++i) {
            CellLabel& label = screen.lblCell[q.Start + i * s];
            label.Opaque = true;
            label.BackColor = CellColor::Sweep;
            screen.Changed(Screen::Part::Cells);
            ctx.host.Pump();
            if (speedUp || serial != board.StageSerial())
                return;
        }
        Wait(ctx.host, 0.01);
        if (speedUp)
            return;
        bool whole = true;
        for (int i = 0; i < q.Length; ++i) {
            const int c = q.Start + i * s;
            board.JudgeCell(c);
            whole = whole && stage.Mas[c].Entered == stage.Mas[c].Answer;
            Wait(ctx.host, 0.01);
            if (speedUp)
                return;
        }
        if (whole)
            ctx.PlaySound(SoundSolved);
        Wait(ctx.host, 0.5);
        if (speedUp)
            return;
    }
}

void Checker::ShowWrongCells() {
    const Crossword& stage = board.Stage();
    for (int w = 1; w <= stage.QuesNmbMax; ++w) {
        const int s = stage.IsAcrossWord(w) ? 1 : stage.MasStride;
        const QuesRec& q = stage.Ques[w];
        for (int i = 0; i < q.Length; ++i) {
            const int c = q.Start + i * s;
            CellLabel& label = screen.lblCell[c];
            if (stage.Mas[c].Entered != stage.Mas[c].Answer) {
                label.Opaque = true;
                label.BackColor = CellColor::Wrong;
            } else {
                label.Opaque = false;
            }
        }
    }
    screen.Changed(Screen::Part::Cells);
}

int Checker::CountWrongCells() const {
    const Crossword& stage = board.Stage();
    int wrong = 0;
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            const MasRec& m = stage.Mas[stage.Cell(r, c)];
            if (m.Kind != KindBlack && m.Entered != m.Answer)
                ++wrong;
        }
    return wrong;
}

int Checker::FirstWrongCell() const {
    const Crossword& stage = board.Stage();
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            const MasRec& m = stage.Mas[stage.Cell(r, c)];
            if (m.Kind != KindBlack && m.Entered != m.Answer)
                return stage.Cell(r, c);
        }
    return 0;
}

void Checker::CheckResult(int wrong) {
    const int P = flow.PartnerKind();
    if (wrong > 0) {
        const int k = std::min(checkCount, 4) - 1;
        anim.Say(TalkNo::Of(TalkNo::StillWrong, P, std::max(k, 0)), QStringLiteral("-1"));
        talk.Talk(TalkNo::ThenClose);
        anim.SetMood(QStringLiteral("+1"));
        return;
    }
    flow.Exclaim(TalkNo::Solved, 3);
    anim.Say(TalkNo::Of(TalkNo::SolvedCheer, P, checkCount == 1 ? 0 : 1), QStringLiteral("=5"));

    flow.MarkSolved();

    const int next = flow.NextUnsolvedStage(flow.StageNmb());
    if (next == 0)
        flow.Farewell(FarewellKind::AllSolved);
    const int r = flow.AskPartner(TalkNo::Of(TalkNo::AskNext, P), QStringLiteral("=5"), TalkNo::NextMenu);
    anim.Say(TalkNo::Of(TalkNo::NextReply, P, r), QStringLiteral("=3"));
    if (r == 2)
        flow.Farewell(FarewellKind::NoMore);
    talk.Talk(TalkNo::ThenClose);
    flow.SetupStageOrReport(next);
    checkCount = 0;
}

void Checker::GiveAdvice() {
    const Crossword& stage = board.Stage();
    const int P = flow.PartnerKind();
    const int L = anim.Mood();
    int h, m;
    switch (std::min(adviceStep, 9)) {
    case 0: h = ctx.library.RndUpTo(2); m = L + 1; break;
    case 1: h = ctx.library.RndUpTo(5); m = L; break;
    case 2: h = ctx.library.RndUpTo(8); m = L - 1; break;
    case 3: h = 6 + ctx.library.RndUpTo(4); m = L - 1; break;
    case 4: h = 9 + ctx.library.RndUpTo(4); m = L - 1; break;
    case 5: h = 11 + ctx.library.RndUpTo(3); m = L - 1; break;
    case 6: h = 15; m = 2; break;
    case 7:
    case 8: h = 16 + ctx.library.RndUpTo(2); m = 2; break;
    default: h = 19; m = 1; break;
    }
    m = std::clamp(m, 1, 5);
    ++adviceStep;
    // Hint 9 offers another stage; with none left, another hint is drawn.
    while (h == 9 && changeAsked)
        h = 6 + ctx.library.RndUpTo(7);

    const QuesRec& q = stage.Ques[board.CurQuesNmb()];
    auto answerAt = [&](int p) { return QString(stage.Mas[board.CurQuesStart() + (p - 1) * board.CurStep()].Answer); };
    if (board.CurQuesNmb() > 0 && h == 0) {
        talk.SetTalkVar(2, answerAt(board.CursorPosition()));
    } else if (board.CurQuesNmb() > 0 && (h == 1 || h == 2 || h == 7)) {
        const int p = ctx.library.RndOneTo(q.Length);
        if (p == board.CursorPosition())
            h = 0;
        talk.SetTalkVar(1, FullWidthDigits(p));
        talk.SetTalkVar(2, answerAt(p));
        if (q.Length == 2) {
            if (h == 1) {
                h = 20;
                talk.SetTalkVar(1, p == 1 ? QStringLiteral("最初") : QStringLiteral("うしろ"));
            } else if (h == 2) {
                h = talk.TalkVar(2) == QStringLiteral("ン") && p == 2 ? 21 : 22;
            }
        }
        const bool across = board.CurStep() == 1;
        talk.SetTalkVar(3, across ? QStringLiteral("横") : QStringLiteral("縦"));
        talk.SetTalkVar(4, across ? QStringLiteral("縦") : QStringLiteral("横"));
    }
    if (h == 13 || h == 14) {
        flow.Exclaim(TalkNo::HintCalled, 3);
    }
    anim.Say(TalkNo::Of(TalkNo::Hint, P, h), QStringLiteral("=") + QString::number(m));
    if (h == 19)
        flow.Farewell(FarewellKind::AdviceExhausted);
    talk.Talk(TalkNo::ThenClose);
}

void Checker::ChangeStage() {
    const int P = flow.PartnerKind();
    const int next = flow.NextUnsolvedStage(flow.StageNmb());
    if (next == 0) {
        if (!changeAsked) {
            changeAsked = true;
            flow.Exclaim(TalkNo::NoOtherStage, 3);
            anim.Say(TalkNo::Of(TalkNo::NoStageLeft, P), QStringLiteral("+1"));
        } else {
            anim.Say(TalkNo::Of(TalkNo::NoStageLeft, P, 1), QStringLiteral("-1"));
        }
    } else {
        const int r = flow.AskPartner(TalkNo::Of(TalkNo::AskChange, P), QStringLiteral("-1"), TalkNo::ChangeMenu);
        if (r == 1)
            flow.SetupStageOrReport(next);
        anim.Say(TalkNo::Of(TalkNo::ChangeReply, P, r), QStringLiteral("+1"));
    }
    talk.Talk(TalkNo::ThenClose);
}

}  // namespace kirune
