#include "story/Checker.h"
#include "story/Clock.h"
#include "story/Flow.h"
#include "talk/TalkNumbers.h"

#include <QTime>

namespace kirune {

namespace {

// The elapsed time in the platform's time-of-day format, always with seconds and on a 24-hour
// dial without a leading zero: a clock of play, not a time of day, so no AM/PM and no time zone.
QString ClockText(QString format, int h, int m, int s) {
    format.replace(u'h', u'H');
    format.replace(QLatin1String("HH"), QLatin1String("H"));
    for (const char* drop : {"AP", "ap", "A", "a", "t"})
        format.remove(QLatin1String(drop));
    format = format.trimmed();
    if (!format.contains(u's')) {
        const qsizetype at = format.indexOf(QLatin1String("mm"));
        if (at >= 0)
            format.insert(at + 2, QStringLiteral(":ss"));
        else
            format = QStringLiteral("H:mm:ss");
    }
    return QTime(h, m, s).toString(format);
}

}  // namespace

Clock::Clock(const StoryContext& context, GameTimer& tmrVexal, Board& board, Checker& checker, Flow& flow)
    : tmrVexal(tmrVexal), ctx(context), board(board), checker(checker), flow(flow) {}

void Clock::OnVexalTick() {
    if (ctx.flags.AnswerOpenBusy)
        return;
    ++vexalTick;
    if (!board.InputBuff().isEmpty() && !board.MasAnimBusy())
        board.PlaceNextInput();
    if (vexalTick % 5 == 0) {
        board.BlinkCursor();
        UpdateClock();
    }
    if (vexalTick % 200 == 0) {
        checker.DriftAdvice();
        if (!ctx.flags.ModalBusy) {
            const BusyWhile busy(ctx.flags.ModalBusy);
            MinuteEvents();
        }
        ctx.Focus();
    }
    if (vexalTick >= 600) {
        vexalTick = 0;
        ToggleBackgroundSprite();
    }
}

void Clock::ToggleBackgroundSprite() {
    // The decoration drifts to and fro across the stage, turning once a minute.
    if (const int sprite = ctx.scene.DecorationSprite())
        ctx.anim.ReverseDrift(sprite);
}

void Clock::MinuteEvents() {
    if (passedM == lastMinute)
        return;
    lastMinute = passedM;
    int kind = -1;
    QString moodWord;
    if (board.EntryCount() >= 1) {
        moodWord = QStringLiteral("+1");
        checker.AdviceForMood(ctx.anim.Mood());
        switch (passedH * 60 + passedM) {
        case 10: kind = 0; break;
        case 15: kind = 1; break;
        case 30: kind = 2; break;
        case 60: kind = 3; break;
        case 120: kind = 4; break;
        default:
            if (ctx.library.RndOneTo(5) == 1)
                kind = 5;
            else
                ctx.anim.SetMood(QStringLiteral("+1"));
        }
    } else {
        qint32 now = ctx.TimerSeconds();
        if (now < board.KeyTime())
            now += 86400;
        const int idle = (now - board.KeyTime()) / 60;
        switch (idle) {
        case 1: kind = 6; moodWord = QStringLiteral("-1"); break;
        case 2: kind = 7; moodWord = QStringLiteral("-1"); break;
        case 3: kind = 8; moodWord = QStringLiteral("=1"); break;
        case 4: kind = 9; moodWord = QStringLiteral("-1"); break;
        default:
            if (idle >= 7) {
                kind = 10;
                moodWord = QStringLiteral("=1");
            }
        }
    }
    board.ResetEntryCount();
    if (kind < 0)
        return;
    ctx.effect.PlayMusic(QStringLiteral("BGMテーマ曲"));
    const int L0 = ctx.anim.Mood();
    ctx.anim.Say(TalkNo::Of(TalkNo::Remark, flow.PartnerKind(), kind), moodWord);
    if (kind == 10)
        flow.Farewell(FarewellKind::LeftAlone);
    ctx.anim.Say(TalkNo::ThenClose, QStringLiteral("=") + QString::number(L0));
}

void Clock::StartClock() {
    startTime = ctx.TimerSeconds();
    dayRest = 86400 - startTime;
    lastMinute = 0;
    ctx.screen.lblPassedTime = QStringLiteral("00:00");
    ctx.screen.Changed(Screen::Part::Labels);
}

void Clock::UpdateClock() {
    const qint32 now = ctx.TimerSeconds();
    const qint32 elapsed = now >= startTime ? now - startTime : now + dayRest;
    passedS = elapsed % 60;
    passedM = (elapsed / 60) % 60;
    passedH = elapsed / 3600;
    if (passedH >= 10) {
        // The clock keeps ticking while the farewell talks; one farewell is enough. A talk
        // already running finishes first: a talk cannot start inside another one's wait.
        if (!flow.Ending() && !ctx.flags.ModalBusy)
            flow.Farewell(FarewellKind::TimeUp);
        return;
    }
    ctx.screen.lblPassedTime = ClockText(ctx.host.TimeFormat(), passedH, passedM, passedS);
    ctx.screen.Changed(Screen::Part::Labels);
}

}  // namespace kirune
