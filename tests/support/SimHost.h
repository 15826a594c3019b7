#pragma once

#include "host/Host.h"

#include <QHash>
#include <QStringList>

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

namespace kirune {

// Thrown when the game waits for something that can never happen.
class SimStall : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Thrown by Terminate: it unwinds through the game's own frames back to the test.
class GameEnded : public std::exception {
public:
    const char* what() const noexcept override { return "the game ended"; }
};

// The game's host on virtual time. Pump jumps straight to the next due timer or scripted
// input, so hours of play run in milliseconds; dialogs are answered from a script and every
// sound and report is recorded.
class SimHost final : public Host {
public:
    explicit SimHost(double startSecondsSinceMidnight = 9 * 3600.0);

    double SecondsSinceMidnight() override;
    qint64 NowMs() override { return now; }
    void Pump(qint64 wakeAtMs = -1) override;

    int ShowReport(const ReportBox& box) override;
    QString ChooseOpenFile(const QString& folder, const QString& filter) override;

    void InitSound(const QString& placeholderPath) override;
    void PlaySound(const QString& path) override;
    void StopSound(int slot) override;
    void PlayMusic(const QString& path) override;
    void StopMusic() override;

    QString TimeFormat() override { return timeFormat; }
    void Diagnostic(const QString& line) override { diagnostics << line; }
    QString Environment(const QString& name) override { return environment.value(name); }
    QString ProgramFolder() override { return programFolder; }
    bool ClaimSingleInstance() override { return !otherInstanceRunning; }
    [[noreturn]] void Exit() override { throw GameEnded(); }

    // The script: input is delivered by Pump at its virtual time, one event per Pump.
    void Post(qint64 delayMs, std::function<void()> input);
    // Runs the game's event loop (outside any handler) for the given virtual time.
    void RunFor(double seconds);
    // Runs until done() holds; a stall if it does not within maxSeconds.
    void RunUntil(const std::function<bool()>& done, double maxSeconds = 60.0);

    // Every wait ends with a stall once virtual time passes this limit.
    qint64 limitMs = 24LL * 3600 * 1000;

    std::deque<int> reportAnswers;
    // Answers a report when no scripted answer is left.
    std::function<int(const ReportBox&)> onReport;
    std::vector<ReportBox> reports;
    std::deque<QString> fileChoices;
    QStringList sounds;  // base names of the sound files, in the order played
    QString slotSound[4];  // what each slot -1..2 holds; slot 0 is the one effects play in
    bool effectPlaying = false;
    QString music;
    QStringList tunes;  // base names of the tunes started, in order
    QHash<QString, QString> environment;
    QString timeFormat = QStringLiteral("HH:mm:ss");
    QStringList diagnostics;
    QString programFolder = QStringLiteral("/sim/kirune/");
    bool otherInstanceRunning = false;

private:
    struct Input {
        qint64 at;
        std::function<void()> deliver;
    };
    qint64 now = 0;
    double startSeconds;
    std::deque<Input> inputs;
};

}  // namespace kirune
