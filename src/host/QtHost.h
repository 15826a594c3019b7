#pragma once

#include "host/Host.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <memory>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace kirune {

// The real host: Qt's event loop, clock and dialogs, SDL2_mixer for sound.
class QtHost final : public Host {
public:
    QtHost();
    ~QtHost() override;

    double SecondsSinceMidnight() override;
    qint64 NowMs() override;
    void Pump(qint64 wakeAtMs = -1) override;

    int ShowReport(const ReportBox& box) override;
    QString ChooseOpenFile(const QString& folder, const QString& filter) override;

    void InitSound(const QString& placeholderPath) override;
    void PlaySound(const QString& path) override;
    void StopSound(int slot) override;
    void PlayMusic(const QString& path) override;
    void StopMusic() override;

    QString TimeFormat() override;
    void Diagnostic(const QString& line) override;
    QString Environment(const QString& name) override;
    QString ProgramFolder() override;
    bool ClaimSingleInstance() override;
    [[noreturn]] void Exit() override;

private:
    void ArmDriver();
    void Missing(const QString& what);

    QElapsedTimer clock;
    QTimer driver;  // runs the game timers whenever the event loop is idle
    QObject waker;  // receives what the audio thread hands over to the game's thread
    std::unique_ptr<QLockFile> instanceLock;
    bool audioOpen = false;
    Mix_Chunk* soundSlots[4] = {};  // slots -1..2 on mixer channels 0..3
    Mix_Music* music = nullptr;
    void ReleaseFinishedMusic();
    QSet<QString> reportedMissing;
};

}  // namespace kirune
