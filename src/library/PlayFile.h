#pragma once

#include "model/Crossword.h"
#include "model/Result.h"

#include <QString>

#include <optional>

namespace kirune {

// Why a play file cannot be played: the first four are the file's own faults, the last two
// keep a model the game cannot play safely out of it. Bytes that are not CP932 are no reason:
// they read as "・". The game answers every one of them with the same report;
// the play-file tool prints the detail.
enum class PlayFileProblem {
    CannotOpen,         // missing, unreadable, a folder...
    NoStage,            // no ";#n" marker line for the stage
    NotANumber,         // a numeric block holds something else
    EndsInsideSection,  // the file stops before the stage is complete
    ImpossibleSize,     // sizes or word counts no grid can have
    Inconsistent,       // grid and word numbers that cannot be played safely
};

struct PlayFileError {
    PlayFileProblem problem = PlayFileProblem::CannotOpen;
    int line = 0;  // 1-based line of the file, 0 when not tied to a line
    QString detail;

    QString Describe() const;
};

template <typename T>
using PlayFileRead = Result<T, PlayFileError>;

// Grids larger than this in either direction are refused as impossible.
inline constexpr int kMaxGridSide = 200;

PlayFileRead<qint32> ReadInputMode(const QString& path);
PlayFileRead<qint32> ReadStageMax(const QString& path);
// Loads stage n into a fresh model: the file's fields only, word links not yet built.
PlayFileRead<Crossword> LoadStageData(const QString& path, int n);

struct StageCaptions {
    QString lblTitle, lblLevel, lblQuesNmbMax, lblMasMaxXY;
};
// The captions a loaded stage shows. A negative level leaves the level caption as it was.
StageCaptions CaptionsFor(const Crossword& x, const QString& playFileName, int n,
                          const QString& previousLevel);

// Prepares a freshly loaded stage for play: the first fatal problem, as the reader's kind of
// error, when it cannot be played.
std::optional<PlayFileError> PrepareForPlay(Crossword& x);

QString FullWidthDigits(qint64 number);

}  // namespace kirune
