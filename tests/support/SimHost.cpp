#include "support/SimHost.h"

#include <QFileInfo>

#include <cmath>

namespace kirune {

SimHost::SimHost(double startSecondsSinceMidnight) : startSeconds(startSecondsSinceMidnight) {}

double SimHost::SecondsSinceMidnight() { return std::fmod(startSeconds + now / 1000.0, 86400.0); }

void SimHost::Pump(qint64 wakeAtMs) {
    qint64 next = Timers().NextDue();
    if (!inputs.empty() && (next < 0 || inputs.front().at < next))
        next = inputs.front().at;
    if (wakeAtMs >= 0 && (next < 0 || wakeAtMs < next))
        next = wakeAtMs;
    if (next < 0)
        throw SimStall("the game waits, but no timer is enabled, no input is scripted and no time is awaited");
    if (next > limitMs)
        throw SimStall("the game is still waiting after " + std::to_string(limitMs / 1000) +
                       " s of virtual time: the wait never ends");
    now = std::max(now, next);
    if (!inputs.empty() && inputs.front().at <= now) {
        auto input = std::move(inputs.front().deliver);
        inputs.pop_front();
        input();
    }
    Timers().RunDue();
}

void SimHost::Post(qint64 delayMs, std::function<void()> input) {
    const qint64 at = now + delayMs;
    auto place = inputs.begin();
    while (place != inputs.end() && place->at <= at)
        ++place;
    inputs.insert(place, Input{at, std::move(input)});
}

void SimHost::RunFor(double seconds) {
    const qint64 end = now + qint64(std::llround(seconds * 1000.0));
    while (now < end)
        Pump(end);
}

void SimHost::RunUntil(const std::function<bool()>& done, double maxSeconds) {
    const qint64 end = now + qint64(std::llround(maxSeconds * 1000.0));
    while (!done()) {
        if (now >= end)
            throw SimStall("the awaited state did not come within " + std::to_string(maxSeconds) + " s");
        Pump(end);
    }
}

int SimHost::ShowReport(const ReportBox& box) {
    reports.push_back(box);
    if (reportAnswers.empty() && onReport)
        return onReport(box);
    if (reportAnswers.empty() && box.leftAloneSeconds > 0) {
        now += box.leftAloneSeconds * 1000LL;  // nobody came: the box closes by itself
        return box.leftAloneAnswer;
    }
    if (reportAnswers.empty())
        throw SimStall("report \"" + box.title.toStdString() + "\" appeared with no scripted answer");
    const int answer = reportAnswers.front();
    reportAnswers.pop_front();
    return answer;
}

QString SimHost::ChooseOpenFile(const QString&, const QString&) {
    if (fileChoices.empty())
        throw SimStall("the open-file dialog appeared with no scripted choice");
    QString choice = fileChoices.front();
    fileChoices.pop_front();
    return choice;
}

void SimHost::InitSound(const QString& placeholderPath) {
    for (QString& slot : slotSound)
        slot = QFileInfo(placeholderPath).completeBaseName();
    effectPlaying = false;
}

void SimHost::PlaySound(const QString& path) {
    // Slot 0 takes the new sound: the one still playing is cut off.
    slotSound[1] = QFileInfo(path).completeBaseName();
    effectPlaying = true;
    sounds.append(slotSound[1]);
}

void SimHost::StopSound(int slot) {
    if (slot == 0)
        effectPlaying = false;
}

void SimHost::PlayMusic(const QString& path) {
    music = QFileInfo(path).completeBaseName();
    tunes.append(music);
}

void SimHost::StopMusic() { music.clear(); }

}  // namespace kirune
