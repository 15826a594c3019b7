#include "library/Cp932Text.h"
#include "library/Library.h"
#include "support/ScoreRecords.h"
#include "support/SimHost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>

extern char** environ;

namespace kirune {
namespace {

// Starts the writer on folder; returns its pid and the read end of its stdout, or pid -1.
std::pair<pid_t, int> StartWriter(const QString& folder) {
    int out[2];
    if (pipe(out) != 0)
        return {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    const QByteArray program = KIRUNE_SCORE_WRITER, where = QFile::encodeName(folder);
    char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>(where.constData()), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, program.constData(), &actions, nullptr, argv, environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    return {pid, out[0]};
}

unsigned Seed() {
    if (const char* given = std::getenv("KIRUNE_KILL_SEED"))
        return unsigned(std::strtoul(given, nullptr, 10));
    return std::random_device()();
}

// Kills the real score file writer at random moments and reads the file back with the game's
// reader each time: it must always be one whole record, never empty, partial or missing.
TEST(ScoreFileKill, EveryKillLeavesAWholeRecord) {
    constexpr int kKills = 300;
    const unsigned seed = Seed();
    std::cout << "score file kill test: seed " << seed << " (KIRUNE_KILL_SEED to repeat)" << std::endl;
    std::mt19937 random(seed);
    // Most writes take a fraction of a millisecond, their fsyncs up to a few: the spread covers
    // every stage of a write, the start-up included.
    std::uniform_int_distribution<int> delayUs(0, 4000);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + u'/';
    const QString scratch = folder + QStringLiteral("temp.log");
    const std::vector<QByteArray> valid = ScoreRecords::ValidContents();
    SimHost host;
    // A file that claimed every stage solved would ask to start over: say no and count it bad.
    host.onReport = [](const ReportBox&) { return int(AnswerNo); };
    Library reader(host);

    int bad = 0, scratchLeft = 0, scratchPlanted = 0;
    for (int round = 1; round <= kKills; ++round) {
        // Now and then a half-written scratch file from an imagined earlier crash, on top of
        // the ones the kills leave themselves.
        if (round % 20 == 0 && !QFile::exists(scratch)) {
            QFile stale(scratch);
            ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
            stale.write(ScoreRecords::FileBytes(QStringLiteral("1,1"), QStringLiteral("ケ")).left(40));
            ++scratchPlanted;
        }
        const auto [pid, out] = StartWriter(dir.path());
        ASSERT_GT(pid, 0) << "cannot start " << KIRUNE_SCORE_WRITER;
        char ready = 0;
        const bool started = read(out, &ready, 1) == 1;
        close(out);
        if (started)
            std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(started && WIFSIGNALED(status))
            << "kill " << round << ": the writer stopped by itself (exit " << WEXITSTATUS(status)
            << "): its first write after the last kill failed";

        if (QFile::exists(scratch))
            ++scratchLeft;
        QFile file(folder + QLatin1String(ScoreRecords::kScoreFile));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        // The game's own reading must agree with the raw bytes.
        ASSERT_TRUE(reader.SetupLogFile(QLatin1String(ScoreRecords::kPlayFile), folder, ScoreRecords::kStages));
        std::vector<qint32> clear(ScoreRecords::kStages + 1, 0);
        const auto lines = ReadByteLines(file.fileName());
        const bool readable = lines && lines->size() == 5 && reader.ReadLogStatus(clear) &&
                              (clear == ScoreRecords::kWritten[0].status || clear == ScoreRecords::kWritten[1].status) &&
                              (reader.ReadPlayerName() == ScoreRecords::kWritten[0].name ||
                               reader.ReadPlayerName() == ScoreRecords::kWritten[1].name);
        const bool whole = readable && std::find(valid.begin(), valid.end(), bytes) != valid.end();
        if (!whole) {
            ++bad;
            ADD_FAILURE() << "kill " << round << " left " << bytes.size() << " bytes: " << bytes.toHex().toStdString();
        }
    }
    std::cout << "score file kill test: " << kKills << " kills, " << bad << " bad files, " << scratchLeft
              << " scratch files left by a kill, " << scratchPlanted << " planted" << std::endl;
    EXPECT_EQ(bad, 0);
    EXPECT_GT(scratchLeft + scratchPlanted, 0);
}

}  // namespace
}  // namespace kirune
