#include "story/Busy.h"
#include "story/Story.h"
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

void Story::OnVexalTick() {
    if (AnswerOpenBusy)
        return;
    ++VexalTick;
    if (!InputBuff.isEmpty() && !MasAnimBusy)
        PlaceNextInput();
    if (VexalTick % 5 == 0) {
        BlinkCursor();
        UpdateClock();
    }
    if (VexalTick % 200 == 0) {
        DriftAdvice();
        if (!ModalBusy) {
            const BusyWhile busy(ModalBusy);
            MinuteEvents();
        }
        Focus();
    }
    if (VexalTick >= 600) {
        VexalTick = 0;
        ToggleBackgroundSprite();
    }
}

namespace {

// The hint level the partner's mood sets: a sad partner gives strong hints.
void AdviceStepForMood(int L, qint32& AdviceStep) {
    switch (L) {
    case 1: AdviceStep = 5; break;
    case 2: AdviceStep = 3; break;
    case 3: AdviceStep = 1; break;
    case 4:
    case 5: AdviceStep = 0; break;
    default: break;
    }
}

}  // namespace

void Story::ToggleBackgroundSprite() {
    // The decoration drifts to and fro across the stage, turning once a minute.
    if (const int sprite = scene.DecorationSprite())
        anim.ReverseDrift(sprite);
}

void Story::DriftAdvice() {
    if (AdviceStep != 0 && library.RndOneTo(2) == 1) {
        AdviceStepForMood(anim.Mood, AdviceStep);
        anim.SetMood(QStringLiteral("+1"));
    }
}

void Story::MinuteEvents() {
    if (PassedM == LastMinute)
        return;
    LastMinute = PassedM;
    int kind = -1;
    QString moodWord;
    if (EntryCount >= 1) {
        moodWord = QStringLiteral("+1");
        AdviceStepForMood(anim.Mood, AdviceStep);
        switch (PassedH * 60 + PassedM) {
        case 10: kind = 0; break;
        case 15: kind = 1; break;
        case 30: kind = 2; break;
        case 60: kind = 3; break;
        case 120: kind = 4; break;
        default:
            if (library.RndOneTo(5) == 1)
                kind = 5;
            else
                anim.SetMood(QStringLiteral("+1"));
        }
    } else {
        qint32 now = TimerSeconds();
        if (now < KeyTime)
            now += 86400;
        const int idle = (now - KeyTime) / 60;
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
    EntryCount = 0;
    if (kind < 0)
        return;
    effect.PlayMusic(QStringLiteral("BGMテーマ曲"));
    const int L0 = anim.Mood;
    anim.Say(TalkNo::Of(TalkNo::Remark, PartnerKind, kind), moodWord);
    if (kind == 10)
        Farewell(FarewellKind::LeftAlone);
    anim.Say(TalkNo::ThenClose, QStringLiteral("=") + QString::number(L0));
}

void Story::StartClock() {
    StartTime = TimerSeconds();
    DayRest = 86400 - StartTime;
    LastMinute = 0;
    screen.lblPassedTime = QStringLiteral("00:00");
    screen.Changed(Screen::Part::Labels);
}

void Story::UpdateClock() {
    const qint32 now = TimerSeconds();
    const qint32 elapsed = now >= StartTime ? now - StartTime : now + DayRest;
    PassedS = elapsed % 60;
    PassedM = (elapsed / 60) % 60;
    PassedH = elapsed / 3600;
    if (PassedH >= 10) {
        // The clock keeps ticking while the farewell talks; one farewell is enough. A talk
        // already running finishes first: a talk cannot start inside another one's wait.
        if (!ending && !farewellStarted && !ModalBusy)
            Farewell(FarewellKind::TimeUp);
        return;
    }
    screen.lblPassedTime = ClockText(host.TimeFormat(), PassedH, PassedM, PassedS);
    screen.Changed(Screen::Part::Labels);
}

}  // namespace kirune
