// The progress file: UTF-8 text, the game's own, readable and editable by hand.
//
//   Kirune progress 1
//   stage 3
//   columns 5
//   rows 5
//   answers 0cc175b9c0f1b6a831c399e269772661
//   word 4
//   cursor 2 1
//   checks 0
//   hints 1
//   entered
//   ＡＢ　■…      one line per row
//   undo
//   　　　■…

#include "library/ProgressFile.h"

#include "library/Cp932Text.h"
#include "library/Library.h"
#include "library/PlayFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace kirune {

namespace {

const QByteArray kMagic = "Kirune progress ";
constexpr int kVersion = 1;
// Counts beyond this are no counts the game makes: a hint step stops at 9, checks come one a sweep.
constexpr qint32 kLargestCount = 999999;

// A cell holds one character a player could see: no control character, no half of a pair.
bool IsCellCharacter(QChar ch) {
    return !ch.isSurrogate() && ch.category() != QChar::Other_Control && ch.category() != QChar::Other_Format &&
           ch.category() != QChar::Other_NotAssigned;
}

std::optional<qint32> Count(const QByteArray& text, qint32 least, qint32 most) {
    if (text.isEmpty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const qint32 n = text.toInt();
    if (n < least || n > most)
        return std::nullopt;
    return n;
}

class Reader {
public:
    explicit Reader(QList<QByteArray> lines) : lines(std::move(lines)) {}

    std::optional<ProgressFileError> error;

    // The next line, which must be "key value..."; the values, or nothing after an error.
    std::optional<QList<QByteArray>> Values(const char* key, qsizetype count) {
        const QByteArray* line = Next();
        if (!line)
            return std::nullopt;
        QList<QByteArray> words = line->split(' ');
        if (words.size() != count + 1 || words[0] != key) {
            Fail(QStringLiteral("\"%1\" with %2 value(s) expected").arg(QLatin1String(key)).arg(count));
            return std::nullopt;
        }
        words.removeFirst();
        return words;
    }

    qint32 Number(const char* key, qint32 least, qint32 most) {
        const auto values = Values(key, 1);
        if (!values)
            return 0;
        return CountOrFail(values->at(0), least, most);
    }

    qint32 CountOrFail(const QByteArray& text, qint32 least, qint32 most) {
        if (error)
            return 0;
        if (const auto n = Count(text, least, most))
            return *n;
        Fail(QStringLiteral("\"%1\" is not a number from %2 to %3").arg(QString::fromLatin1(text)).arg(least).arg(most));
        return 0;
    }

    // The heading, then rows lines of columns cells each.
    QStringList Grid(const char* heading, int rows, int columns) {
        QStringList grid;
        if (!Values(heading, 0))
            return grid;
        for (int r = 0; r < rows; ++r) {
            const QByteArray* line = Next();
            if (!line)
                return grid;
            auto decode = QStringDecoder(QStringDecoder::Utf8);
            const QString row = decode(*line);
            if (decode.hasError() || row.size() != columns || !std::all_of(row.begin(), row.end(), IsCellCharacter)) {
                Fail(QStringLiteral("a row of %1 characters expected").arg(columns));
                return grid;
            }
            grid << row;
        }
        return grid;
    }

    void End() {
        // Fail names the line read last; this one has not been read.
        if (!error && at < lines.size())
            error = ProgressFileError{int(at) + 1, QStringLiteral("the file goes on after its last row")};
    }

    void Fail(const QString& why) {
        if (!error)
            error = ProgressFileError{int(at), why};
    }

private:
    const QByteArray* Next() {
        if (error)
            return nullptr;
        if (at >= lines.size()) {
            error = ProgressFileError{0, QStringLiteral("the file ends early")};
            return nullptr;
        }
        return &lines[at++];
    }

    QList<QByteArray> lines;
    qsizetype at = 0;
};

QByteArray Line(const char* key, std::initializer_list<qint32> values) {
    QByteArray line(key);
    for (qint32 v : values)
        line += ' ' + QByteArray::number(v);
    return line;
}

}  // namespace

QString ProgressFileError::Describe() const {
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(why) : why;
}

QString AnswersDigest(const Crossword& x) {
    QCryptographicHash hash(QCryptographicHash::Md5);
    for (int r = 1; r <= x.MasMaxY; ++r) {
        QString row;
        for (int c = 1; c <= x.MasMaxX; ++c)
            row += x.Mas[size_t(x.Cell(r, c))].Answer;
        hash.addData(row.toUtf8() + '\n');
    }
    return QString::fromLatin1(hash.result().toHex());
}

Result<StageProgress, ProgressFileError> ParseProgress(const QByteArray& bytes) {
    Result<StageProgress, ProgressFileError> result;
    QList<QByteArray> lines = SplitByteLines(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    if (lines.isEmpty() || !lines[0].startsWith(kMagic)) {
        result.error = ProgressFileError{1, QStringLiteral("not a progress file of this game")};
        return result;
    }
    if (lines[0] != kMagic + QByteArray::number(kVersion)) {
        result.error = ProgressFileError{1, QStringLiteral("a version this game does not know")};
        return result;
    }
    lines.removeFirst();

    Reader read(std::move(lines));
    StageProgress& p = result.value;
    p.stage = read.Number("stage", 1, kLargestCount);
    p.columns = read.Number("columns", 1, kMaxGridSide);
    p.rows = read.Number("rows", 1, kMaxGridSide);
    if (const auto answers = read.Values("answers", 1)) {
        p.answers = QString::fromLatin1(answers->at(0));
        if (p.answers.size() != 32 || !std::all_of(p.answers.begin(), p.answers.end(), [](QChar c) {
                return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
            }))
            read.Fail(QStringLiteral("the digest of the answers is not 32 hexadecimal digits"));
    }
    p.word = read.Number("word", 1, kLargestCount);
    if (const auto cursor = read.Values("cursor", 2)) {
        p.cursorRow = read.CountOrFail(cursor->at(0), 1, p.rows);
        p.cursorColumn = read.CountOrFail(cursor->at(1), 1, p.columns);
    }
    p.checks = read.Number("checks", 0, kLargestCount);
    p.hints = read.Number("hints", 0, kLargestCount);
    p.entered = read.Grid("entered", p.rows, p.columns);
    p.undo = read.Grid("undo", p.rows, p.columns);
    read.End();
    if (read.error) {
        // Lines count from the file's first, which the reader never saw.
        result.error = read.error;
        if (result.error->line > 0)
            result.error->line += 1;
        result.value = {};
    }
    return result;
}

QList<QByteArray> ProgressLines(const StageProgress& p) {
    QList<QByteArray> lines = {
        kMagic + QByteArray::number(kVersion),
        Line("stage", {p.stage}),
        Line("columns", {p.columns}),
        Line("rows", {p.rows}),
        "answers " + p.answers.toLatin1(),
        Line("word", {p.word}),
        Line("cursor", {p.cursorRow, p.cursorColumn}),
        Line("checks", {p.checks}),
        Line("hints", {p.hints}),
    };
    lines << "entered";
    for (const QString& row : p.entered)
        lines << row.toUtf8();
    lines << "undo";
    for (const QString& row : p.undo)
        lines << row.toUtf8();
    return lines;
}

// The Library's dealings with the file, beside the score file and named after it.

std::optional<StageProgress> Library::ReadProgress() {
    if (LogFileName.isEmpty())
        return std::nullopt;
    const QString path = ProgressPath();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        KeepProgressAs(QStringLiteral(".bad"), QStringLiteral("cannot be read"));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxProgressBytes + 1);
    file.close();
    if (bytes.size() > kMaxProgressBytes) {
        KeepProgressAs(QStringLiteral(".bad"), QStringLiteral("is too large to be one"));
        return std::nullopt;
    }
    auto read = ParseProgress(bytes);
    if (!read) {
        KeepProgressAs(QStringLiteral(".bad"), read.error->Describe());
        return std::nullopt;
    }
    return std::move(read.value);
}

bool Library::WriteProgress(const StageProgress& progress) {
    if (LogFileName.isEmpty())
        return false;
    const bool written = ReplaceFileAtomically(ProgressPath(), LogFolder + QStringLiteral("temp.progress"),
                                               ProgressLines(progress));
    if (!written && !progressUnwritable)
        host.Diagnostic(QStringLiteral("cannot write the progress file %1").arg(ProgressPath()));
    progressUnwritable = !written;
    return written;
}

void Library::DeleteProgress() {
    if (!LogFileName.isEmpty())
        QFile::remove(ProgressPath());
}

void Library::KeepProgressAs(const QString& suffix, const QString& why) {
    const QString path = ProgressPath();
    // Only the latest one set aside is kept.
    QFile::remove(path + suffix);
    const bool kept = QFile::rename(path, path + suffix);
    host.Diagnostic(QStringLiteral("the progress file %1 %2; %3").arg(path, why,
                                                                     kept ? QStringLiteral("kept as %1").arg(path + suffix)
                                                                          : QStringLiteral("left as it is")));
}

}  // namespace kirune
