#include "library/Library.h"
#include "support/SimHost.h"

#include <QFile>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>

namespace kirune {
namespace {

const QString kPlayFile = QStringLiteral("kill.vxl");
constexpr int kStages = 5;
// Both keep a stage unsolved, so that reading them never asks to start over.
const std::vector<qint32> kStatus[2] = {{0, 1, 0, 1, 0, 1}, {0, 0, 1, 0, 1, 0}};
const QString kName[2] = {QStringLiteral("ケン"), QStringLiteral("ユミ")};

// The victim, in a child of the test: alternates the two records, each a status write and a
// name write, until killed. It says so on `ready` once its first record reads back, so every kill
// lands inside the loop; whatever the last kill left behind, that first write must land.
[[noreturn]] void RunWriter(const QString& folder, int ready) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    SimHost host;
    Library library(host);
    if (!library.SetupLogFile(kPlayFile, folder, kStages))
        _exit(2);
    for (int round = 0; round < 1000000; ++round) {
        library.WriteLogStatus(kStatus[round % 2]);
        library.SavePlayerName(kName[round % 2]);
        std::vector<qint32> status(kStages + 1, 0);
        if (round == 0 && (!library.ReadLogStatus(status) || status != kStatus[0] ||
                           library.ReadPlayerName() != kName[0] || write(ready, "R", 1) != 1))
            _exit(3);
    }
    _exit(0);
}

// Each write changes the status or the name, so any status may meet any name; these are the
// files uninterrupted writes leave.
std::vector<QByteArray> WholeRecords() {
    std::vector<QByteArray> records;
    for (const auto& status : kStatus)
        for (const QString& name : kName) {
            QTemporaryDir dir;
            SimHost host;
            Library library(host);
            library.SetupLogFile(kPlayFile, dir.path() + u'/', kStages);
            library.WriteLogStatus(status);
            library.SavePlayerName(name);
            QFile file(dir.filePath(QStringLiteral("kill.log")));
            records.push_back(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
    return records;
}

// Kills the score file writer at random moments: the file must always hold one whole record,
// never an empty, partial or missing one.
TEST(ScoreFileKill, EveryKillLeavesAWholeRecord) {
    constexpr int kKills = 300;
    const char* given = std::getenv("KIRUNE_KILL_SEED");
    const unsigned seed = given ? unsigned(std::strtoul(given, nullptr, 10)) : std::random_device()();
    std::cout << "score file kill test: seed " << seed << " (KIRUNE_KILL_SEED to repeat)" << std::endl;
    std::mt19937 random(seed);
    // Most writes take a fraction of a millisecond, their fsyncs up to a few: the spread covers
    // every stage of a write, the start-up included.
    std::uniform_int_distribution<useconds_t> delayUs(0, 4000);

    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    const std::vector<QByteArray> whole = WholeRecords();
    ASSERT_EQ(std::count(whole.begin(), whole.end(), QByteArray()), 0);

    // Many kills leave a half-written scratch file behind, which the next writer must not trip on.
    int scratchLeft = 0;
    for (int round = 1; round <= kKills; ++round) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(ready[0]);
            RunWriter(folder, ready[1]);
        }
        close(ready[1]);
        char byte = 0;
        const bool started = read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        if (started)
            usleep(delayUs(random));
        ::kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(started && WIFSIGNALED(status))
            << "kill " << round << ": the writer stopped by itself (exit " << WEXITSTATUS(status)
            << "): its first write after the last kill failed";

        scratchLeft += QFile::exists(folder + QStringLiteral("temp.log"));
        QFile file(folder + QStringLiteral("kill.log"));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        EXPECT_NE(std::find(whole.begin(), whole.end(), bytes), whole.end())
            << "kill " << round << " left " << bytes.size() << " bytes: " << bytes.toHex().toStdString();
    }
    std::cout << "score file kill test: " << kKills << " kills, " << scratchLeft << " left a scratch file" << std::endl;
    EXPECT_GT(scratchLeft, 0);
}

}  // namespace
}  // namespace kirune
