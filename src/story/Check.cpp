#include "host/Wait.h"
#include "story/Sounds.h"
#include "story/Story.h"
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

void Story::CheckAnswers() {
    const int P = PartnerKind;
    Exclaim(TalkNo::CheckCalled, 2);
    effect.PlayMusic(QStringLiteral("BGM挿入曲1"));

    int empty = 0;
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c)
            if (stage.Mas[stage.Cell(r, c)].Entered == kEmptyCell)
                ++empty;

    Verdict result;
    if (empty > 0 && CheckCount == 0) {
        result = empty < (stage.MasMaxX * stage.MasMaxY) / 3 ? Verdict::FewEmpty : Verdict::ManyEmpty;
    } else if (empty > 0) {
        result = Verdict::StillEmpty;
    } else {
        talk.SetWaitLength(6);
        anim.Say(TalkNo::Of(TalkNo::AskCheck, P), QStringLiteral("+1"));
        talk.TalkAnswer = 0;
        talk.Talk(TalkNo::CheckMenu);
        if (talk.TalkAnswer == 1)
            result = CheckCount == 0 ? Verdict::FirstCheck : Verdict::CheckAgain;
        else
            result = talk.TalkAnswer == 2 ? Verdict::NotYet : Verdict::NoAnswer;
    }
    const bool sweep = result == Verdict::FirstCheck || result == Verdict::CheckAgain;
    if (empty > 0)
        Exclaim(TalkNo::CellsEmpty, 3);
    anim.Say(TalkNo::Of(TalkNo::CheckReply, P, int(result)), QStringLiteral("-1"));
    talk.Talk(TalkNo::ThenClose);
    if (sweep) {
        ++CheckCount;
        RevealAnswers();
    }
}

void Story::ShowControls() {
    const bool across = CurStep == 1;
    screen.picControlerVisible[1] = across;
    screen.picControlerVisible[2] = !across;
    screen.Changed(Screen::Part::Controls);
}

void Story::RevealAnswers() {
    talk.SetWaitLength(3);
    anim.Say(TalkNo::Of(TalkNo::SweepStarts, PartnerKind), QStringLiteral("-1"));
    talk.Talk(TalkNo::ThenClose);

    ResetCellColours();
    screen.picControlerVisible[1] = screen.picControlerVisible[2] = false;
    SpeedUp = false;
    screen.lblAnswerOpenVisible = false;
    screen.lblMarkSpeedUpVisible = true;
    screen.Changed(Screen::Part::Controls);

    SweepWords();
    if (SpeedUp)
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
        Wait(host, kResultsShownSeconds);
        ResetCellColours();
        for (MasRec& m : stage.Mas)
            m.Select = 0;
        CurQuesNmb = 0;
        const int first = FirstWrongCell();
        ClickCell(first);
        ShowControls();
        ScrollToNewWord();
        Focus();
    }
    CheckResult(wrong);
}

void Story::ResetCellColours() {
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            CellLabel& label = screen.lblCell[stage.Cell(r, c)];
            label.Opaque = true;
            label.Visible = true;
            label.BackColor = stage.Mas[stage.Cell(r, c)].Kind == KindBlack ? CellColor::Black : CellColor::Plain;
        }
    screen.Changed(Screen::Part::Cells);
}

void Story::SweepWords() {
    const int serial = StageSerial;
    for (int w = 1; w <= stage.QuesNmbMax; ++w) {
        const int s = stage.IsAcrossWord(w) ? 1 : stage.MasStride;
        const QuesRec& q = stage.Ques[w];
        ShowClue(w);
        CurStep = s;
        CurMas = CurQuesStart = q.Start;
        CurQuesLen = q.Length;
        ScrollToNewWord();

        for (int i = 0; i < q.Length; ++i) {
            CellLabel& label = screen.lblCell[q.Start + i * s];
            label.Opaque = true;
            label.BackColor = CellColor::Sweep;
            screen.Changed(Screen::Part::Cells);
            host.Pump();
            if (SpeedUp || serial != StageSerial)
                return;
        }
        Wait(host, 0.01);
        if (SpeedUp)
            return;
        bool whole = true;
        for (int i = 0; i < q.Length; ++i) {
            CurMas = q.Start + i * s;
            AnimateCell(2);
            whole = whole && stage.Mas[CurMas].Entered == stage.Mas[CurMas].Answer;
            Wait(host, 0.01);
            if (SpeedUp)
                return;
        }
        if (whole)
            PlaySound(SoundSolved);
        Wait(host, 0.5);
        if (SpeedUp)
            return;
    }
}

void Story::ShowWrongCells() {
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

int Story::CountWrongCells() const {
    int wrong = 0;
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            const MasRec& m = stage.Mas[stage.Cell(r, c)];
            if (m.Kind != KindBlack && m.Entered != m.Answer)
                ++wrong;
        }
    return wrong;
}

int Story::FirstWrongCell() const {
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            const MasRec& m = stage.Mas[stage.Cell(r, c)];
            if (m.Kind != KindBlack && m.Entered != m.Answer)
                return stage.Cell(r, c);
        }
    return 0;
}

void Story::CheckResult(int wrong) {
    const int P = PartnerKind;
    if (wrong > 0) {
        const int k = std::min(CheckCount, 4) - 1;
        anim.Say(TalkNo::Of(TalkNo::StillWrong, P, std::max(k, 0)), QStringLiteral("-1"));
        talk.Talk(TalkNo::ThenClose);
        anim.SetMood(QStringLiteral("+1"));
        return;
    }
    Exclaim(TalkNo::Solved, 3);
    anim.Say(TalkNo::Of(TalkNo::SolvedCheer, P, CheckCount == 1 ? 0 : 1), QStringLiteral("=5"));

    StageClear[size_t(StageNmb)] = 1;
    library.WriteLogStatus(StageClear);

    const int next = NextUnsolvedStage(StageNmb);
    if (next == 0)
        Farewell(FarewellKind::AllSolved);
    const int r = AskPartner(TalkNo::Of(TalkNo::AskNext, P), QStringLiteral("=5"), TalkNo::NextMenu);
    anim.Say(TalkNo::Of(TalkNo::NextReply, P, r), QStringLiteral("=3"));
    if (r == 2)
        Farewell(FarewellKind::NoMore);
    talk.Talk(TalkNo::ThenClose);
    SetupStageOrReport(next);
    CheckCount = 0;
}

void Story::GiveAdvice() {
    const int P = PartnerKind;
    const int L = anim.Mood;
    int h, m;
    switch (std::min(AdviceStep, 9)) {
    case 0: h = library.RndUpTo(2); m = L + 1; break;
    case 1: h = library.RndUpTo(5); m = L; break;
    case 2: h = library.RndUpTo(8); m = L - 1; break;
    case 3: h = 6 + library.RndUpTo(4); m = L - 1; break;
    case 4: h = 9 + library.RndUpTo(4); m = L - 1; break;
    case 5: h = 11 + library.RndUpTo(3); m = L - 1; break;
    case 6: h = 15; m = 2; break;
    case 7:
    case 8: h = 16 + library.RndUpTo(2); m = 2; break;
    default: h = 19; m = 1; break;
    }
    m = std::clamp(m, 1, 5);
    ++AdviceStep;
    // Hint 9 offers another stage; with none left, another hint is drawn.
    while (h == 9 && ChangeAsked)
        h = 6 + library.RndUpTo(7);

    const QuesRec& q = stage.Ques[CurQuesNmb];
    auto answerAt = [&](int p) { return QString(stage.Mas[CurQuesStart + (p - 1) * CurStep].Answer); };
    if (CurQuesNmb > 0 && h == 0) {
        talk.TalkVar[2] = answerAt(CursorPosition());
    } else if (CurQuesNmb > 0 && (h == 1 || h == 2 || h == 7)) {
        const int p = library.RndOneTo(q.Length);
        if (p == CursorPosition())
            h = 0;
        talk.TalkVar[1] = FullWidthDigits(p);
        talk.TalkVar[2] = answerAt(p);
        if (q.Length == 2) {
            if (h == 1) {
                h = 20;
                talk.TalkVar[1] = p == 1 ? QStringLiteral("最初") : QStringLiteral("うしろ");
            } else if (h == 2) {
                h = talk.TalkVar[2] == QStringLiteral("ン") && p == 2 ? 21 : 22;
            }
        }
        const bool across = CurStep == 1;
        talk.TalkVar[3] = across ? QStringLiteral("横") : QStringLiteral("縦");
        talk.TalkVar[4] = across ? QStringLiteral("縦") : QStringLiteral("横");
    }
    if (h == 13 || h == 14) {
        Exclaim(TalkNo::HintCalled, 3);
    }
    anim.Say(TalkNo::Of(TalkNo::Hint, P, h), QStringLiteral("=") + QString::number(m));
    if (h == 19)
        Farewell(FarewellKind::AdviceExhausted);
    talk.Talk(TalkNo::ThenClose);
}

void Story::ChangeStage() {
    const int P = PartnerKind;
    const int next = NextUnsolvedStage(StageNmb);
    if (next == 0) {
        if (!ChangeAsked) {
            ChangeAsked = true;
            Exclaim(TalkNo::NoOtherStage, 3);
            anim.Say(TalkNo::Of(TalkNo::NoStageLeft, P), QStringLiteral("+1"));
        } else {
            anim.Say(TalkNo::Of(TalkNo::NoStageLeft, P, 1), QStringLiteral("-1"));
        }
    } else {
        const int r = AskPartner(TalkNo::Of(TalkNo::AskChange, P), QStringLiteral("-1"), TalkNo::ChangeMenu);
        if (r == 1)
            SetupStageOrReport(next);
        anim.Say(TalkNo::Of(TalkNo::ChangeReply, P, r), QStringLiteral("+1"));
    }
    talk.Talk(TalkNo::ThenClose);
}

}  // namespace kirune
