// The personal score file: five CP932 lines (comment, comment, player name, comment, the solved
// flags of every stage). Lines are handled as raw bytes, so a line the game does not rewrite is
// kept exactly as it was, even when it is not valid CP932.

#include "library/Cp932Text.h"
#include "library/Library.h"

#include <QFile>

#include <algorithm>

namespace kirune {

namespace {

const QString kComment1 = QStringLiteral(";このファイルはKiruneで使う個人成績データです。");
const QString kComment1Temp = QStringLiteral(";このファイルはＣＤ－ＲＯＭから起動したときの、Kiruneで使う個人成績データです。");
const QString kComment2 = QStringLiteral(";プレーヤー名");
const QString kNoName = QStringLiteral("未登録");
const QString kComment4 = QStringLiteral(";解答状況のら列(#1～ステージ数) =0:未完成 =1:完成済み");

QByteArray Bytes(const QString& text) {
    // Every fixed text of the file is CP932; a name that is not loses only what cannot be kept.
    if (const auto bytes = EncodeCp932(text))
        return *bytes;
    QString kept;
    for (QChar ch : text)
        if (EncodeCp932(QString(ch)))
            kept += ch;
    return EncodeCp932(kept).value_or(QByteArray());
}

QByteArray StatusLine(const std::vector<qint32>& StageClear) {
    QByteArray line;
    for (size_t i = 1; i < StageClear.size(); ++i) {
        if (i > 1)
            line += ',';
        line += QByteArray::number(StageClear[i]);
    }
    return line.isEmpty() ? QByteArray("0") : line;
}

QByteArray Zeros(int stageMax) { return StatusLine(std::vector<qint32>(size_t(std::max(stageMax, 0)) + 1, 0)); }

// A status value that is no number at all: garbled, empty or not text. Such a stage counts as
// unsolved, never as solved.
bool Unreadable(const QByteArray& value) {
    return value.isEmpty() || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A short file gets the lines it lacks, so that the name and the status always have their place.
void Complete(QList<QByteArray>& lines, bool inTempFolder, int stageMax) {
    const QByteArray defaults[5] = {Bytes(inTempFolder ? kComment1Temp : kComment1), Bytes(kComment2),
                                    Bytes(kNoName), Bytes(kComment4), Zeros(stageMax)};
    while (lines.size() < 5)
        lines.append(defaults[lines.size()]);
}

}  // namespace

bool Library::ReplaceScoreFile(const QList<QByteArray>& lines) {
    if (ReplaceFileAtomically(LogPath(), LogFolder + QStringLiteral("temp.log"), lines))
        return true;
    host.Diagnostic(QStringLiteral("cannot write the score file %1").arg(LogPath()));
    return false;
}

bool Library::SetupLogFile(const QString& playFileName, const QString& playFolder, int stageMax) {
    LogFileName = playFileName.section(u'.', 0, 0) + QStringLiteral(".log");
    stageCount = stageMax;
    LogFolder = playFolder;
    if (!FindFile(LogPath()).isEmpty())
        return true;
    if (CreateLogFile(LogPath(), 0, stageMax))
        return true;
    if (TempFolder.isEmpty()) {
        ShowReport(10001);
        return false;
    }
    if (!FindFile(TempFolder + LogFileName).isEmpty()) {
        LogFolder = TempFolder;
        return true;
    }
    if (!CreateLogFile(TempFolder + LogFileName, 1, stageMax)) {
        ShowReport(10002);
        return false;
    }
    LogFolder = TempFolder;
    ShowReport(10003);
    return true;
}

bool Library::CreateLogFile(const QString& path, int kind, int stageMax) {
    QStringList zeros;
    for (int i = 0; i < std::max(stageMax, 1); ++i)
        zeros << QStringLiteral("0");
    return WriteTextFile(path, {kind == 1 ? kComment1Temp : kComment1, kComment2, kNoName, kComment4,
                                zeros.join(u',')});
}

bool Library::ReadLogStatus(std::vector<qint32>& StageClear) {
    const auto lines = ReadByteLines(LogPath()).value_or(QList<QByteArray>());
    // A stage the file has no value for (the play file gained stages, or the line is lost)
    // counts as unsolved, and so does one whose value cannot be read; either is written back.
    QList<QByteArray> values = lines.size() >= 5 ? lines[4].split(',') : QList<QByteArray>();
    bool unsolved = false;
    bool repaired = false;
    for (size_t i = 1; i < StageClear.size(); ++i) {
        const bool present = i - 1 < size_t(values.size());
        const QByteArray value = present ? values[qsizetype(i - 1)] : QByteArray("0");
        if (value == "0" || Unreadable(value)) {
            StageClear[i] = 0;
            unsolved = true;
            repaired = repaired || value != "0" || !present;
        } else if (value == "1") {
            StageClear[i] = 1;
        }
    }
    if (unsolved) {
        if (repaired)
            WriteLogStatus(StageClear);
        return true;
    }
    if (ShowReport(1001) != AnswerYes)
        return false;
    std::fill(StageClear.begin(), StageClear.end(), 0);
    WriteLogStatus(StageClear);
    return true;
}

void Library::WriteLogStatus(const std::vector<qint32>& StageClear) {
    QList<QByteArray> lines = ReadByteLines(LogPath()).value_or(QList<QByteArray>());
    Complete(lines, LogFolder == TempFolder, stageCount);
    lines[4] = StatusLine(StageClear);
    ReplaceScoreFile(lines);
}

QString Library::ReadPlayerName() const {
    const auto lines = ReadByteLines(LogPath());
    if (!lines || lines->size() < 3)
        return QString();
    bool clean = true;
    const QString name = DecodeCp932(lines->at(2), &clean);
    // A garbled name is asked for again rather than shown as noise.
    return !clean || name == kNoName ? QString() : name;
}

void Library::SavePlayerName(const QString& name) {
    QList<QByteArray> lines = ReadByteLines(LogPath()).value_or(QList<QByteArray>());
    Complete(lines, LogFolder == TempFolder, stageCount);
    lines = {lines[0], lines[1], Bytes(name.isEmpty() ? kNoName : name), lines[3], lines[4]};
    ReplaceScoreFile(lines);
}

void Library::ScoreFileQuestionAtEnd(int leftAloneSeconds) {
    if (LogFileName.isEmpty() || TempFolder != LogFolder)
        return;
    if (ShowReport(10004, leftAloneSeconds) != AnswerYes) {
        QFile::remove(TempFolder + LogFileName);
        DeleteProgress();
    }
}

}  // namespace kirune
