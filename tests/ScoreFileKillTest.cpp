#include "library/Library.h"
#include "support/FileBytes.h"
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
#include <functional>
#include <iostream>
#include <random>

namespace kirune {
namespace {

const QString kPlayFile = QStringLiteral("kill.vxl");
constexpr int kStages = 5;
// Both keep a stage unsolved, so that reading them never asks to start over.
const std::vector<qint32> kStatus[2] = {{0, 1, 0, 1, 0, 1}, {0, 0, 1, 0, 1, 0}};
const QString kName[2] = {QStringLiteral("ケン"), QStringLiteral("ユミ")};

// A board of a stage left unfinished: a large one and a small one, so that half of either
// cannot pass for the other.
StageProgress Unfinished(int size, QChar letter) {
    StageProgress p;
    p.stage = size;
    p.columns = p.rows = size;
    p.answers = QString(32, u'f');
    p.word = p.cursorRow = p.cursorColumn = 1;
    p.entered = p.undo = QStringList(size, QString(size, letter));
    return p;
}
const StageProgress kBoard[2] = {Unfinished(15, u'ア'), Unfinished(3, u'ン')};

// What the victim writes: one round for each record (0 or 1), and whether record 0 reads back.
struct Writes {
    std::function<void(Library&, int record)> round;
    std::function<bool(Library&)> firstReadsBack;
};
const Writes kScoreWrites = {
    [](Library& library, int record) {
        library.WriteLogStatus(kStatus[record]);
        library.SavePlayerName(kName[record]);
    },
    [](Library& library) {
        std::vector<qint32> status(kStages + 1, 0);
        return library.ReadLogStatus(status) && status == kStatus[0] && library.ReadPlayerName() == kName[0];
    }};
const Writes kProgressWrites = {[](Library& library, int record) { library.WriteProgress(kBoard[record]); },
                                [](Library& library) { return library.ReadProgress() == kBoard[0]; }};

// The victim, in a child of the test: alternates the two records until killed. It says so on
// `ready` once its first record reads back, so every kill lands inside the loop; whatever the
// last kill left behind, that first write must land.
[[noreturn]] void RunWriter(const QString& folder, int ready, const Writes& writes) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    SimHost host;
    Library library(host);
    if (!library.SetupLogFile(kPlayFile, folder, kStages))
        _exit(2);
    for (int round = 0; round < 1000000; ++round) {
        writes.round(library, round % 2);
        if (round == 0 && (!writes.firstReadsBack(library) || write(ready, "R", 1) != 1))
            _exit(3);
    }
    _exit(0);
}

// The files uninterrupted writes leave, one for each of count ways to write.
std::vector<QByteArray> WholeRecords(const QString& file, int count, const std::function<void(Library&, int)>& write) {
    std::vector<QByteArray> records;
    for (int i = 0; i < count; ++i) {
        QTemporaryDir dir;
        SimHost host;
        Library library(host);
        library.SetupLogFile(kPlayFile, dir.path() + u'/', kStages);
        write(library, i);
        records.push_back(FileBytes(dir.filePath(file)));
    }
    return records;
}

// Kills the writer at random moments: the file must always hold one whole record, never an
// empty, partial or missing one.
void KillAtRandom(const QString& file, const QString& scratchFile, const std::vector<QByteArray>& whole,
                  const Writes& writes) {
    constexpr int kKills = 300;
    const char* given = std::getenv("KIRUNE_KILL_SEED");
    const unsigned seed = given ? unsigned(std::strtoul(given, nullptr, 10)) : std::random_device()();
    std::cout << file.toStdString() << " kill test: seed " << seed << " (KIRUNE_KILL_SEED to repeat)" << std::endl;
    std::mt19937 random(seed);
    // Most writes take a fraction of a millisecond, their fsyncs up to a few: the spread covers
    // every stage of a write, the start-up included.
    std::uniform_int_distribution<useconds_t> delayUs(0, 4000);

    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
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
            RunWriter(folder, ready[1], writes);
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

        scratchLeft += QFile::exists(folder + scratchFile);
        const QByteArray bytes = FileBytes(folder + file);
        EXPECT_NE(std::find(whole.begin(), whole.end(), bytes), whole.end())
            << "kill " << round << " left " << bytes.size() << " bytes: " << bytes.toHex().toStdString();
    }
    std::cout << file.toStdString() << " kill test: " << kKills << " kills, " << scratchLeft << " left a scratch file"
              << std::endl;
    EXPECT_GT(scratchLeft, 0);
}

TEST(ScoreFileKill, EveryKillLeavesAWholeRecord) {
    const QString log = QStringLiteral("kill.log");
    // Each write changes the status or the name, so any status may meet any name.
    const auto whole = WholeRecords(log, 4, [](Library& library, int i) {
        library.WriteLogStatus(kStatus[i / 2]);
        library.SavePlayerName(kName[i % 2]);
    });
    KillAtRandom(log, QStringLiteral("temp.log"), whole, kScoreWrites);
}

TEST(ScoreFileKill, EveryKillLeavesAWholeProgressFile) {
    const QString progress = QStringLiteral("kill.progress");
    KillAtRandom(progress, QStringLiteral("temp.progress"), WholeRecords(progress, 2, kProgressWrites.round),
                 kProgressWrites);
}

}  // namespace
}  // namespace kirune
