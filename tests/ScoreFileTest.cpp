#include "library/Cp932Text.h"
#include "library/Library.h"
#include "support/SimHost.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>

namespace kirune {
namespace {

class ScoreFile : public ::testing::Test {
protected:
    ScoreFile() : library(host) {}
    void SetUp() override { ASSERT_TRUE(library.SetupLogFile(QStringLiteral("abc.vxl"), dir.path() + u'/', 3)); }
    QString Path() const { return dir.filePath(QStringLiteral("abc.log")); }
    QStringList Lines() const { return ReadTextFile(Path())->lines; }
    void Write(const QStringList& lines) { ASSERT_TRUE(WriteTextFile(Path(), lines)); }
    // The five lines of a score file, with short comments.
    void Write(const QString& name, const QString& status) {
        Write({QStringLiteral(";a"), QStringLiteral(";b"), name, QStringLiteral(";d"), status});
    }
    void WriteBytes(const QByteArray& bytes) {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QTemporaryDir dir;
    SimHost host;
    Library library;
    std::vector<qint32> clear = std::vector<qint32>(4, 0);  // stages 1..3
};

TEST_F(ScoreFile, ReadsOneValuePerStageAndWritesThemBack) {
    // A new file has five lines, no name and one 0 per stage.
    EXPECT_EQ(Lines().mid(4), QStringList{QStringLiteral("0,0,0")});
    EXPECT_EQ(library.ReadPlayerName(), QString());
    Write({QStringLiteral(";a"), QStringLiteral(";b"), QStringLiteral("ケン"), QStringLiteral(";d"),
           QStringLiteral("0,1,1,0,1"), QStringLiteral("sixth")});
    EXPECT_TRUE(library.ReadLogStatus(clear));
    EXPECT_EQ(clear, (std::vector<qint32>{0, 0, 1, 1}));
    clear[1] = 1;
    library.WriteLogStatus(clear);
    EXPECT_EQ(Lines().mid(2), (QStringList{QStringLiteral("ケン"), QStringLiteral(";d"), QStringLiteral("1,1,1"),
                                           QStringLiteral("sixth")})) << "a sixth line survives the status";
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("temp.log"))));
    EXPECT_EQ(library.ReadPlayerName(), QStringLiteral("ケン"));
    library.SavePlayerName(QStringLiteral("ユミ"));
    EXPECT_EQ(Lines().mid(2), (QStringList{QStringLiteral("ユミ"), QStringLiteral(";d"), QStringLiteral("1,1,1")}))
        << "but not the name";
}

TEST_F(ScoreFile, ShortOrGarbledFilesLoseNothingAndPlayGoesOn) {
    // Fewer values than stages: the play file gained a stage, which is unsolved.
    Write(QStringLiteral("未登録"), QStringLiteral("1,1"));
    EXPECT_TRUE(library.ReadLogStatus(clear));
    EXPECT_EQ(clear, (std::vector<qint32>{0, 1, 1, 0}));

    // Three lines only: the name is read, and the status line is added where it belongs.
    Write({QStringLiteral(";a"), QStringLiteral(";b"), QStringLiteral("ケン")});
    EXPECT_TRUE(library.ReadLogStatus(clear));
    EXPECT_EQ(library.ReadPlayerName(), QStringLiteral("ケン"));
    library.WriteLogStatus({0, 1, 0, 0});
    EXPECT_EQ(Lines()[2], QStringLiteral("ケン"));
    EXPECT_EQ(Lines().mid(4), QStringList{QStringLiteral("1,0,0")});

    // Unreadable values are unsolved stages, never solved ones, and are written back as such.
    Write(QStringLiteral("ケン"), QStringLiteral("1,？,"));
    EXPECT_TRUE(library.ReadLogStatus(clear));
    EXPECT_EQ(clear, (std::vector<qint32>{0, 1, 0, 0}));
    EXPECT_EQ(Lines()[4], QStringLiteral("1,0,0"));

    // A file of noise: a new player with nothing solved, also on the next start.
    WriteBytes("\x81\x7f\xff\r\n\xfe");
    EXPECT_TRUE(library.ReadLogStatus(clear));
    EXPECT_EQ(library.ReadPlayerName(), QString());
    library.SavePlayerName(QStringLiteral("ユミ"));
    EXPECT_TRUE(library.ReadLogStatus(clear));
    EXPECT_EQ(clear, (std::vector<qint32>{0, 0, 0, 0}));
    EXPECT_EQ(Lines()[4], QStringLiteral("0,0,0"));
    EXPECT_TRUE(host.reports.empty()) << "never \"everything is solved\"";

    // A name that is not CP932 is asked for again, but its bytes stay until a new name is saved.
    WriteBytes(";a\r\n;b\r\n\x81\x7f\xff\r\n;d\r\n0,0,0\r\n");
    EXPECT_EQ(library.ReadPlayerName(), QString());
    library.WriteLogStatus({0, 1, 0, 0});
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(";a\r\n;b\r\n\x81\x7f\xff\r\n;d\r\n1,0,0\r\n"));
}

TEST_F(ScoreFile, AScratchFileLeftBehindIsReplacedNeverWrittenThrough) {
    const QString scratch = dir.filePath(QStringLiteral("temp.log"));
    const QString other = dir.filePath(QStringLiteral("other.txt"));
    const struct { const char* what; std::function<bool()> plant; } cases[] = {
        {"half-written file", [&] { return WriteTextFile(scratch, {QStringLiteral(";a"), QStringLiteral(";b")}); }},
        {"link to another file", [&] { return QFile::link(other, scratch); }},
        {"hard link to another file", [&] { return ::link(QFile::encodeName(other), QFile::encodeName(scratch)) == 0; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(scratch);
        ASSERT_TRUE(WriteTextFile(other, {QStringLiteral("someone else's")}));
        ASSERT_TRUE(c.plant());
        library.WriteLogStatus({0, 1, 0, 1});
        EXPECT_EQ(Lines().mid(4), QStringList{QStringLiteral("1,0,1")});
        EXPECT_FALSE(QFileInfo(Path()).isSymLink());
        EXPECT_EQ(ReadTextFile(other)->lines, QStringList{QStringLiteral("someone else's")});
        EXPECT_FALSE(QFileInfo::exists(scratch));
    }
}

}  // namespace
}  // namespace kirune
