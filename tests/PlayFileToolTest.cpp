#include "support/PlayFileMaker.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kirune {
namespace {

struct ToolRun {
    int exitCode;
    QString out, err;
};

ToolRun Tool(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(KIRUNE_PROGRAM_DIR "/kirune-vxl"), args);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class PlayFileTool : public ::testing::Test {
protected:
    QString Make(const QString& text) {
        return WritePlayFile(dir.path(), QStringLiteral("t%1.vxl").arg(++count), text);
    }
    QTemporaryDir dir;
    int count = 0;
};

TEST_F(PlayFileTool, CheckPassesAGoodFileAndListsEveryProblem) {
    const QString good = Make(PlayFileText({{PatternGrid(5, 5)}, {PatternGrid(12, 13)}}));
    const ToolRun ok = Tool({QStringLiteral("check"), good});
    EXPECT_EQ(ok.exitCode, 0) << ok.out.toStdString();
    EXPECT_TRUE(ok.out.isEmpty());

    QString text = PlayFileText({{PatternGrid(5, 5)}, {PatternGrid(5, 5)}, {PatternGrid(3, 3)}});
    text.replace(QStringLiteral(";#2\r\n"), QStringLiteral(";#02\r\n"));  // stage 2 has no marker
    const qsizetype third = text.indexOf(QStringLiteral(";#3"));
    const qsizetype kinds = text.indexOf(QStringLiteral("[kinds]"), third);
    text.replace(text.indexOf(QStringLiteral("1,4,4,4,1"), kinds), 9, QStringLiteral("1,4,3,4,1"));
    const ToolRun bad = Tool({QStringLiteral("check"), Make(text)});
    EXPECT_EQ(bad.exitCode, 1);
    const QStringList lines = bad.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << bad.out.toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("stage 2: unreadable"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("stage 3: cell at row 1, column 2 has kind 3"))) << lines[1].toStdString();
}

TEST_F(PlayFileTool, AStrayByteIsReportedByCheckAndReadAsADotByTheGame) {
    const QString path = Make(PlayFileText({{PatternGrid(5, 5)}}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    const qsizetype clue = bytes.indexOf(",clue 1,");
    ASSERT_GT(clue, 0);
    bytes.replace(clue, 8, ",clue\xff" "1,");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    const int line = int(bytes.left(clue).count('\n')) + 1;

    const ToolRun check = Tool({QStringLiteral("check"), path});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.out.trimmed(), QStringLiteral("%1: line %2: bytes that are not Shift_JIS (CP932) text, read as ・")
                                       .arg(path)
                                       .arg(line));
    const ToolRun dump = Tool({QStringLiteral("dump"), path, QStringLiteral("1")});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    EXPECT_TRUE(dump.out.contains(QStringLiteral("clue・1"))) << dump.out.toStdString();
}

TEST_F(PlayFileTool, DumpPrintsTheStageAsTheGameLoadsIt) {
    const QString path = Make(PlayFileText({{PatternGrid(5, 5)}, {PatternGrid(3, 4), 5}}));
    const ToolRun run = Tool({QStringLiteral("dump"), path, QStringLiteral("2")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject stage = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(stage[QStringLiteral("InputMode")].toInt(), 0);
    EXPECT_EQ(stage[QStringLiteral("StageMax")].toInt(), 2);
    EXPECT_EQ(stage[QStringLiteral("MasMaxY")].toInt(), 3);
    EXPECT_EQ(stage[QStringLiteral("MasMaxX")].toInt(), 4);
    EXPECT_EQ(stage[QStringLiteral("MasStride")].toInt(), 6);
    EXPECT_EQ(stage[QStringLiteral("MasLast")].toInt(), 29);
    EXPECT_EQ(stage[QStringLiteral("level")].toInt(), 5);
    EXPECT_EQ(stage[QStringLiteral("lblTitle")].toString(), QStringLiteral("t1 [2]"));
    EXPECT_EQ(stage[QStringLiteral("lblLevel")].toString(), QStringLiteral("★★★★★"));
    EXPECT_EQ(stage[QStringLiteral("lblMasMaxXY")].toString(), QStringLiteral("W4xH3"));
    const QJsonArray mas = stage[QStringLiteral("Mas")].toArray();
    ASSERT_EQ(mas.size(), 30);
    EXPECT_EQ(mas[0].toObject()[QStringLiteral("Entered")].toString(), QString()) << "frame cells are unset";
    const QJsonObject first = mas[7].toObject();
    EXPECT_EQ(first[QStringLiteral("Kind")].toInt(), 4);
    EXPECT_EQ(first[QStringLiteral("AcrossOf")].toInt(), 1);
    EXPECT_EQ(first[QStringLiteral("Entered")].toString(), QStringLiteral("　"));
    const QJsonArray ques = stage[QStringLiteral("Ques")].toArray();
    EXPECT_EQ(ques.size(), stage[QStringLiteral("QuesNmbMax")].toInt() + 1);
    EXPECT_TRUE(ques[0].isNull());
    const QJsonObject word1 = ques[1].toObject();
    EXPECT_EQ(word1[QStringLiteral("Start")].toInt(), 7);
    EXPECT_EQ(word1[QStringLiteral("Length")].toInt(), 4);
    EXPECT_EQ(word1[QStringLiteral("QuesText")].toString(), QStringLiteral("clue 1"));
    for (const char* key : {"AnswerText", "AnsText", "Yomi", "ID", "CN", "BN", "QN", "AN", "SN"})
        EXPECT_TRUE(word1.contains(QLatin1String(key))) << key;
}

TEST_F(PlayFileTool, DumpOfAnUnreadableStagePrintsOnlyTheReason) {
    const QString path = Make(PlayFileText({{PatternGrid(5, 5)}}));
    const ToolRun run = Tool({QStringLiteral("dump"), path, QStringLiteral("4")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.count(u'\n'), 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("stage 4"))) << run.err.toStdString();
    EXPECT_EQ(Tool({QStringLiteral("dump"), dir.filePath(QStringLiteral("none.vxl")), QStringLiteral("1")}).exitCode, 3);
}

TEST(ShippedPlayFiles, AllPassTheCheck) {
    const QStringList files = QDir(QStringLiteral(KIRUNE_PROGRAM_DIR)).entryList({QStringLiteral("*.vxl")});
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const ToolRun run = Tool({QStringLiteral("check"), QStringLiteral(KIRUNE_PROGRAM_DIR "/") + name});
        EXPECT_EQ(run.exitCode, 0) << name.toStdString() << "\n" << run.out.toStdString();
    }
}

}  // namespace
}  // namespace kirune
