#include "library/Reports.h"
#include "library/WorkFolder.h"
#include "support/SimHost.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

TEST(WorkFolder, TakesTheFirstTemporaryFolderVariableThatIsSet) {
    const struct { QHash<QString, QString> environment; QString folder; } cases[] = {
        {{{QStringLiteral("TEMP"), QString()}, {QStringLiteral("TMP"), QStringLiteral("/work")}}, QStringLiteral("/work/")},
        {{{QStringLiteral("TEMP"), QStringLiteral("X=/t")}}, QStringLiteral("/t/")},
        {{{QStringLiteral("TEMP"), QStringLiteral("/tmp/")}, {QStringLiteral("Tmp"), QStringLiteral("/no")}},
         QStringLiteral("/tmp//")},
        {{{QStringLiteral("Temp"), QStringLiteral("/a")}, {QStringLiteral("Tmp"), QStringLiteral("/b")}}, QStringLiteral("/a/")},
        {{}, QString()},
    };
    for (const auto& c : cases) {
        SimHost host;
        host.environment = c.environment;
        EXPECT_EQ(GetTempFolder(host), c.folder) << c.folder.toStdString();
    }
}

TEST(WorkFolder, SplitsTheChosenPlayFile) {
    const auto puzzle = SplitChosenPath(QStringLiteral("/games/Puzzle.VXL"));
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(puzzle->folder + u'|' + puzzle->name, QStringLiteral("/games/|Puzzle.vxl"));
    EXPECT_EQ(SplitChosenPath(QStringLiteral("/g/a.b.vxl"))->name, QStringLiteral("a.vxl"));
    EXPECT_FALSE(SplitChosenPath(QStringLiteral("/g/noextension")));
    EXPECT_FALSE(SplitChosenPath(QString()));
}

TEST(Reports, EndWithTheRuleAndSayWhatEachButtonDoes) {
    for (int code : {1, 101, 102, 103, 1001, 10001, 10002, 10003, 10004}) {
        const ReportBox box = ReportFor(code, QStringLiteral("/tmp/"));
        EXPECT_TRUE(box.text.endsWith(QStringLiteral("\r\n---------------------------------"))) << code;
        EXPECT_TRUE(box.buttons != ReportButtons::YesNo ||
                    (box.text.contains(QStringLiteral("［はい］")) && box.text.contains(QStringLiteral("［いいえ］"))))
            << code;
    }
    EXPECT_TRUE(ReportFor(10004, QStringLiteral("/tmp/")).text.contains(QStringLiteral("\r\n　/tmp/\r\nにあります。")));
}

}  // namespace
}  // namespace kirune
