#pragma once

#include "model/Crossword.h"
#include "model/Result.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace kirune {

// The board of a stage left unfinished, as the progress file keeps it from one run to the next.
// Grids are rows of cells, one character a cell: "■" for blocks, "　" for an empty cell.
struct StageProgress {
    qint32 stage = 0;
    qint32 columns = 0, rows = 0;
    // The digest of the stage's answers: a play file changed since tells by another one.
    QString answers;
    qint32 word = 0;  // the selected word
    qint32 cursorRow = 0, cursorColumn = 0;
    qint32 checks = 0;  // confirmed answer checks
    qint32 hints = 0;   // the hint step
    QStringList entered;
    QStringList undo;

    bool operator==(const StageProgress&) const = default;
};

struct ProgressFileError {
    int line = 0;  // 1-based, 0 when the file as a whole is at fault
    QString why;

    QString Describe() const;
};

// A file larger than this is no progress file: the largest grid's two grids fit in a quarter.
inline constexpr qsizetype kMaxProgressBytes = 1 << 20;

// What the digest of x's answers reads in a progress file.
QString AnswersDigest(const Crossword& x);

// Reads a progress file's bytes: UTF-8 text, any line ends, an optional byte-order mark.
Result<StageProgress, ProgressFileError> ParseProgress(const QByteArray& bytes);
// The lines of the file, without line ends; ParseProgress reads them back as they were.
QList<QByteArray> ProgressLines(const StageProgress& progress);

}  // namespace kirune
