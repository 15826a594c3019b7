// "kirune FILE", an .ipuz file and "kirune --today": the title's click opens the file instead of
// the dialog, which stays the way back.

#include "author/Ipuz.h"
#include "author/Today.h"
#include "library/PlayFile.h"
#include "support/SimGame.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kirune {
namespace {

TEST(StartFile, TheFirstChoiceIsTheFileAndAnUnreadableOneLeadsToTheDialog) {
    SimGame direct({kSmall}, 0, 9 * 3600.0, [](SimGame& g) {
        g.host.fileChoices.clear();  // the dialog would stall the game
        g.game.library.SetFirstChoice(g.path);
    });
    EXPECT_FALSE(direct.endedAtStart);
    EXPECT_EQ(direct.story.flow.PlayFileName(), QStringLiteral("test.vxl"));

    SimGame back({kSmall}, 0, 9 * 3600.0, [](SimGame& g) {
        const QString broken = WritePlayFile(g.folder.path(), QStringLiteral("broken.vxl"), QStringLiteral("nonsense"));
        g.game.library.SetFirstChoice(broken);
        g.host.reportAnswers = {AnswerYes};  // 103: choose another file
    });
    EXPECT_FALSE(back.endedAtStart);
    EXPECT_EQ(back.story.flow.PlayFileName(), QStringLiteral("test.vxl")) << "the dialog's choice";
    EXPECT_TRUE(back.host.fileChoices.empty());
}

const QString kProgramFolder = QStringLiteral(KIRUNE_PROGRAM_DIR "/");

TEST(StartFile, AnIpuzFileIsPlayedAsAPlayFileOfItsNameAndAnUnplayableOneIsUnreadable) {
    const QByteArray ring = R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
        "dimensions": {"width": 2, "height": 2}, "puzzle": [[1, 2], [3, 0]],
        "solution": [["A", "B"], ["C", "D"]],
        "clues": {"Across": [[1, "a"], [3, "b"]], "Down": [[1, "c"], [2, "d"]]}})";
    SimGame game({kSmall}, 0, 9 * 3600.0, [&ring](SimGame& g) {
        const QString made = g.folder.filePath(QStringLiteral("made"));
        g.game.library.importPuzzle = [made](const QString& path) { return ImportIpuzFile(path, kProgramFolder, made); };
        QFile broken(g.folder.filePath(QStringLiteral("rebus.ipuz")));
        broken.open(QIODevice::WriteOnly);
        broken.write(QByteArray(ring).replace(R"(["A", "B"])", R"(["AB", "B"])"));
        broken.close();
        QFile file(g.folder.filePath(QStringLiteral("ring.ipuz")));
        file.open(QIODevice::WriteOnly);
        file.write(ring);
        file.close();
        g.game.library.SetFirstChoice(broken.fileName());
        g.host.fileChoices = {file.fileName()};
        g.host.reportAnswers = {AnswerYes};  // 103: choose another
    });
    ASSERT_FALSE(game.endedAtStart);
    ASSERT_FALSE(game.host.reports.empty());
    EXPECT_EQ(game.host.reports.front().title, QStringLiteral("報告：ファイルが読めません"));
    EXPECT_EQ(game.story.flow.PlayFileName(), QStringLiteral("ring.vxl"));
    EXPECT_EQ(game.game.library.LogFileName, QStringLiteral("ring.log"));
}

TEST(StartFile, TodaysCrosswordIsTheSameFileOnEveryMachineAndNewEachDay) {
    QTemporaryDir one, two;
    const QDate day(2026, 12, 6);
    const auto bytes = [](const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    const MadePlayFile a = MakeTodayFile(kProgramFolder, one.path(), day);
    const MadePlayFile b = MakeTodayFile(kProgramFolder, two.path(), day);
    ASSERT_TRUE(a.error.isEmpty() && b.error.isEmpty()) << a.error.toStdString();
    EXPECT_EQ(QFileInfo(a.path).fileName(), QStringLiteral("今日のクロスワード 12月6日.vxl"));
    EXPECT_EQ(bytes(a.path), bytes(b.path));
    ASSERT_EQ(ReadStageMax(a.path).value, 3);
    std::vector<int> widths;
    for (int n = 1; n <= 3; ++n)
        widths.push_back(LoadStageData(a.path, n).value.MasMaxX);
    EXPECT_EQ(widths, (std::vector{7, 9, 11})) << "small, medium, large";
    EXPECT_EQ(MakeTodayFile(kProgramFolder, one.path(), day).path, a.path) << "made once a day";

    const MadePlayFile next = MakeTodayFile(kProgramFolder, two.path(), day.addDays(1));
    ASSERT_TRUE(next.error.isEmpty()) << next.error.toStdString();
    EXPECT_NE(bytes(a.path), bytes(next.path));
    EXPECT_FALSE(QFile::exists(b.path)) << "yesterday's crossword is gone";
}

}  // namespace
}  // namespace kirune
