// kirune_score_writer FOLDER: rewrites FOLDER/kill.log through the game's own score file code
// until it is killed, for the test that kills it mid-write. It alternates two records (status
// and name) and writes one byte to stdout once its first record is written and read back, so
// the test knows it is inside the write loop.

#include "library/Library.h"
#include "support/SimHost.h"
#include "support/ScoreRecords.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

using namespace kirune;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kirune_score_writer FOLDER\n");
        return 2;
    }
    // Never outlive the test that started us.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() == 1)
        return 2;

    SimHost host;
    Library library(host);
    if (!library.SetupLogFile(QString::fromLocal8Bit(ScoreRecords::kPlayFile), QString::fromLocal8Bit(argv[1]) + u'/',
                             ScoreRecords::kStages)) {
        std::fprintf(stderr, "kirune_score_writer: cannot set up the score file in %s\n", argv[1]);
        return 2;
    }
    for (long round = 0; round < 1000000; ++round) {
        const ScoreRecords::Record& record = ScoreRecords::kWritten[round % 2];
        library.WriteLogStatus(record.status);
        library.SavePlayerName(record.name);
        if (round == 0) {
            // Whatever the last kill left behind (a scratch file among it), this write must land.
            std::vector<qint32> status(record.status.size(), 0);
            if (!library.ReadLogStatus(status) || status != record.status ||
                library.ReadPlayerName() != record.name) {
                std::fprintf(stderr, "kirune_score_writer: the first record did not read back\n");
                return 3;
            }
            if (write(STDOUT_FILENO, "R", 1) != 1)
                return 2;
        }
    }
    return 0;
}
