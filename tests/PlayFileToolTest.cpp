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

struct ToolRun { int exitCode; QString out, err; };

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

TEST_F(PlayFileTool, BuildWritesAPlayableFileOrNothing) {
    const QString source = dir.filePath(QStringLiteral("go.vxl.txt")), output = dir.filePath(QStringLiteral("go.vxl"));
    auto build = [&](const char* grid) {
        QFile file(source);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("title: t\ninput: alphabet\nstage: 1\nlevel: 2\ngrid:\n") + grid);
        file.close();
        return Tool({QStringLiteral("build"), source, QStringLiteral("-o"), output});
    };
    const ToolRun good = build("ＣＡＴ\nＯ■Ｏ\nＷＡＹ\nacross:\nＣＡＴ = a\nＷＡＹ = b\ndown:\nＣＯＷ = c\nＴＯＹ = d\n");
    ASSERT_EQ(good.exitCode, 0) << good.err.toStdString();
    EXPECT_EQ(Tool({QStringLiteral("check"), output}).exitCode, 0);

    const ToolRun bad = build("ＣＡＴ■\nＯ■ＯＸ\nＷＡＹ\n");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, source + QStringLiteral(":8: a row of 3 cells in a grid whose first row has 4\n"));
    EXPECT_FALSE(QFile::exists(output)) << "the earlier file is gone, not passed off as this build's";
}

TEST_F(PlayFileTool, CheckPassesAGoodFileAndListsEveryProblem) {
    const ToolRun ok = Tool({QStringLiteral("check"), Make(PlayFileText({kSmall, {PatternGrid(12, 13)}}))});
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_TRUE(ok.out.isEmpty()) << ok.out.toStdString();

    QString text = PlayFileText({kSmall, kSmall, {PatternGrid(3, 3)}});
    text.replace(QStringLiteral(";#2\r\n"), QStringLiteral(";#02\r\n"));  // stage 2 has no marker
    const qsizetype kinds = text.indexOf(QStringLiteral("[kinds]"), text.indexOf(QStringLiteral(";#3")));
    text.replace(text.indexOf(QStringLiteral("1,4,4,4,1"), kinds), 9, QStringLiteral("1,4,3,4,1"));
    const QString path = Make(text);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\xff\r\n");  // a byte that is no CP932 text: the game plays on, reading it as "・"
    file.close();

    const ToolRun bad = Tool({QStringLiteral("check"), path});
    EXPECT_EQ(bad.exitCode, 1);
    const QStringList lines = bad.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << bad.out.toStdString();
    EXPECT_EQ(lines[0], path + QStringLiteral(": line %1: bytes that are not Shift_JIS (CP932) text, read as ・")
                                   .arg(text.count(u'\n') + 1));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("stage 2: unreadable"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("stage 3: cell at row 1, column 2 has kind 3"))) << lines[2].toStdString();
}

TEST_F(PlayFileTool, DumpPrintsTheStageAsTheGameLoadsItOrOnlyWhyNot) {
    const QString path = Make(PlayFileText({kSmall, {PatternGrid(3, 4), 5}}));
    const ToolRun run = Tool({QStringLiteral("dump"), path, QStringLiteral("2")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonObject stage = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const QJsonArray mas = stage.take("Mas").toArray(), ques = stage.take("Ques").toArray();
    auto json = [](const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString(); };
    EXPECT_EQ(json(stage), R"({"InputMode":0,"MasLast":29,"MasMaxX":4,"MasMaxY":3,"MasStride":6,)"
                           R"("QuesDownFirst":4,"QuesNmbMax":7,"StageMax":2,"lblLevel":"★★★★★",)"
                           R"("lblMasMaxXY":"W4xH3","lblQuesNmbMax":"７","lblTitle":"t1 [2]","level":5})");
    ASSERT_EQ(mas.size(), 30);
    EXPECT_EQ(json(mas[7].toObject()), R"({"AcrossNo":1,"AcrossOf":1,"Answer":"Ｋ","DownNo":4,)"
                                       R"("DownOf":4,"Entered":"　","Kind":4,"UndoChr":"　"})");
    ASSERT_EQ(ques.size(), 8);
    EXPECT_TRUE(ques[0].isNull());
    EXPECT_EQ(json(ques[1].toObject()), R"({"AN":"","AnsText":"ＫＮＱＴ","AnswerText":"ＫＮＱＴ","BN":"0",)"
                                        R"("CN":"0","ID":"0","Length":4,"QN":"0","QuesText":"clue 1",)"
                                        R"("SN":"","Start":7,"Yomi":"0"})");

    const ToolRun unreadable = Tool({QStringLiteral("dump"), path, QStringLiteral("4")});
    EXPECT_EQ(unreadable.exitCode, 3);
    EXPECT_TRUE(unreadable.out.isEmpty());
    EXPECT_EQ(unreadable.err.count(u'\n'), 1);
    EXPECT_TRUE(unreadable.err.contains(QStringLiteral("stage 4"))) << unreadable.err.toStdString();
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
