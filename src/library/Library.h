#pragma once

#include "host/Host.h"
#include "library/Random.h"
#include "library/MadePlayFile.h"
#include "library/ProgressFile.h"
#include "library/WorkFolder.h"
#include "model/Crossword.h"

#include <functional>
#include <vector>

namespace kirune {

// The game's dealings with its surroundings: platform and temporary folder, the numbered
// reports, the choice of play file, the personal score file and the debug report.
class Library {
public:
    // tmrVexal: the game clock's timer, switched off while a report box is open (none in tests
    // of the files alone).
    explicit Library(Host& host, GameTimer* tmrVexal = nullptr);

    int OSPlatform = 0;
    QString TempFolder;  // ends in "/", or empty when the environment names none

    Random Rnd;
    int RndUpTo(int n) { return Rnd.RndUpTo(n); }
    int RndOneTo(int n) { return Rnd.RndOneTo(n); }

    // leftAloneSeconds > 0: the box closes by itself after that long (see ReportBox).
    int ShowReport(int code, int leftAloneSeconds = 0);

    // File choice (kind 1, the play file, is the only kind): nothing when none was chosen.
    std::optional<ChosenPlayFile> ChoosePlayFile(int kind);
    // The choice with its retry reports 101 and 102; nothing when the player gives up.
    std::optional<ChosenPlayFile> SelectPlayFile();
    // A file the game was started on ("kirune FILE"): the first choice takes it instead of the
    // dialog, with the same reports; every later choice, a retry included, is the dialog's.
    void SetFirstChoice(const QString& absolutePath) { firstChoice = absolutePath; }
    // The file's name when it exists, else empty text.
    QString FindFile(const QString& path) const;
    // Turns a chosen .ipuz puzzle into a play file; without it such a file cannot be played.
    std::function<MadePlayFile(const QString& puzzlePath)> importPuzzle;

    // The personal score file beside the play file, or in the temporary folder.
    QString LogFileName, LogFolder;
    // False when the game cannot go on (the reports have said why).
    bool SetupLogFile(const QString& playFileName, const QString& playFolder, int stageMax);
    bool CreateLogFile(const QString& path, int kind, int stageMax);
    // Fills StageClear (entries 1..stageMax); false when every stage is solved and the player
    // declines to start over.
    bool ReadLogStatus(std::vector<qint32>& StageClear);
    void WriteLogStatus(const std::vector<qint32>& StageClear);
    QString ReadPlayerName() const;
    void SavePlayerName(const QString& name);
    // At the end: a score file left in the temporary folder is kept only if the player says so.
    // Left unanswered for leftAloneSeconds (when > 0), the file is kept.
    void ScoreFileQuestionAtEnd(int leftAloneSeconds = 0);

    // The progress file beside the score file: the board of the stage left unfinished. Reading
    // gives nothing when there is none; one that cannot be read is set aside as ".bad".
    std::optional<StageProgress> ReadProgress();
    // Replaced atomically, like the score file; false when it cannot be written.
    bool WriteProgress(const StageProgress& progress);
    void DeleteProgress();
    // A file that no longer fits its play file (why says how) is kept beside it as ".old".
    void SetProgressAside(const QString& why) { KeepProgressAs(QStringLiteral(".old"), why); }

    // F1: everything the play file holds about a word, appended to Report.txt on OK.
    void ShowDebugReport(const QuesRec& word);

private:
    QString ChoosePath();
    QString firstChoice;
    QString LogPath() const { return LogFolder + LogFileName; }
    // A report box with the game clock off while it is open.
    int ShowWithClockStopped(const ReportBox& box);
    bool ReplaceScoreFile(const QList<QByteArray>& lines);
    QString ProgressPath() const { return LogFolder + LogFileName.section(u'.', 0, 0) + QStringLiteral(".progress"); }
    void KeepProgressAs(const QString& suffix, const QString& why);

    Host& host;
    GameTimer* tmrVexal;
    int stageCount = 0;  // the play file's stages, for a status line made afresh
    bool progressUnwritable = false;  // said once, not at every keystroke
};

}  // namespace kirune
