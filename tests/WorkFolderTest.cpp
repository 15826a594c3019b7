#include "library/Reports.h"
#include "library/WorkFolder.h"
#include "support/SimHost.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

TEST(WorkFolder, TakesTheFirstTemporaryFolderVariableThatIsSet) {
    struct Case {
        QHash<QString, QString> environment;
        QString folder;
    };
    const Case cases[] = {
        {{{QStringLiteral("TEMP"), QString()}, {QStringLiteral("TMP"), QStringLiteral("/work")}}, QStringLiteral("/work/")},
        {{{QStringLiteral("TEMP"), QStringLiteral("X=/t")}}, QStringLiteral("/t/")},
        {{{QStringLiteral("TEMP"), QStringLiteral("/tmp/")}, {QStringLiteral("Tmp"), QStringLiteral("/no")}},
         QStringLiteral("/tmp//")},
        {{{QStringLiteral("Temp"), QStringLiteral("/a")}, {QStringLiteral("Tmp"), QStringLiteral("/b")}}, QStringLiteral("/a/")},
        {{}, QString()},
    };
    for (const Case& c : cases) {
        SimHost host;
        host.environment = c.environment;
        EXPECT_EQ(GetTempFolder(host), c.folder) << c.folder.toStdString();
    }
}

TEST(WorkFolder, SplitsTheChosenPlayFile) {
    const auto puzzle = SplitChosenPath(QStringLiteral("/games/Puzzle.VXL"));
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(puzzle->name, QStringLiteral("Puzzle.vxl"));
    EXPECT_EQ(puzzle->folder, QStringLiteral("/games/"));
    EXPECT_EQ(SplitChosenPath(QStringLiteral("/g/a.b.vxl"))->name, QStringLiteral("a.vxl"));
    EXPECT_FALSE(SplitChosenPath(QStringLiteral("/g/noextension")));
    EXPECT_FALSE(SplitChosenPath(QString()));
}

TEST(Reports, EndWithTheRuleAndSayWhatEachButtonDoes) {
    for (int code : {1, 101, 102, 103, 1001, 10001, 10002, 10003, 10004})
        EXPECT_TRUE(ReportFor(code).text.endsWith(QStringLiteral("\r\n---------------------------------"))) << code;
    const ReportBox unreadable = ReportFor(103);
    EXPECT_EQ(unreadable.title, QStringLiteral("報告：ファイルが読めません"));
    EXPECT_EQ(unreadable.buttons, ReportButtons::YesNo);
    EXPECT_TRUE(unreadable.text.contains(QStringLiteral("\r\n\r\n［はい］で指定画面になります。\r\n")));
    EXPECT_EQ(ReportFor(11).text, QStringLiteral("Kiruneを終了します。"));
    EXPECT_TRUE(ReportFor(10004, QStringLiteral("/tmp/")).text.contains(QStringLiteral("\r\n　/tmp/\r\nにあります。")));
}

}  // namespace
}  // namespace kirune
