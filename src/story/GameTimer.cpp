#include "story/Story.h"

#include <QLocale>
#include <QTime>

namespace kirune {

namespace {

// The elapsed time in the system's time-of-day format, always with seconds and on a 24-hour
// dial without a leading zero: a clock of play, not a time of day, so no AM/PM and no time zone.
QString ClockText(int h, int m, int s) {
    QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
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
    if (AnswerOpenBusy == 1)
        return;
    ++VexalTick;
    if (!InputBuff.isEmpty() && MasAnimBusy == 0)
        PlaceNextInput();
    if (VexalTick % 5 == 0) {
        BlinkCursor();
        UpdateClock();
    }
    if (VexalTick % 200 == 0)
        Focus();
    if (VexalTick >= 600)
        VexalTick = 0;
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
        if (TimeUp)
            TimeUp();
        return;
    }
    screen.lblPassedTime = ClockText(PassedH, PassedM, PassedS);
    screen.Changed(Screen::Part::Labels);
}

}  // namespace kirune
