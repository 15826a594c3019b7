#include "library/Cp932Text.h"
#include "library/Csv.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kirune {
namespace {

TEST(TextFile, SplitsAtCrLfLoneCrAndLoneLf) {
    const std::pair<QString, QStringList> cases[] = {
        {QStringLiteral("a\r\nb\r\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a\rb"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a\nb\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a\r\n\r\nb"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {QStringLiteral("a\r\r\nb"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {QString(), {}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(SplitLines(text), lines) << text.toStdString();
}

TEST(TextFile, RoundTripsTheCp932CharactersShiftJisLacks) {
    // ～ ① ㊥ － and the backslash are where CP932 and plain Shift_JIS part ways.
    const QString text = QStringLiteral("～①㊥－\\■　ＡＢア漢字");
    const auto bytes = EncodeCp932(text);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->startsWith("\x81\x60")) << "～ in CP932";
    EXPECT_TRUE(bytes->contains('\\'));
    bool ok = false;
    EXPECT_EQ(DecodeCp932(*bytes, &ok), text);
    EXPECT_TRUE(ok);
    EXPECT_FALSE(EncodeCp932(QStringLiteral("😀")));
}

// The game's CP932 tables come from Qt's Shift_JIS codec: every byte and byte pair must read, and
// every character write, as the codec itself does, bad bytes and unwritable characters alike.
TEST(TextFile, ReadsAndWritesAsQtsShiftJisCodec) {
    auto expectRead = [](const QByteArray& bytes) {
        QStringDecoder qt("Shift_JIS", QStringConverter::Flag::Stateless);
        const QString expected = qt(bytes);
        bool ok = true;
        const QString text = DecodeCp932(bytes, &ok);
        ASSERT_EQ(text, expected) << bytes.toHex().constData();
        ASSERT_EQ(ok, !qt.hasError()) << bytes.toHex().constData();
    };
    for (int first = 0; first < 256; ++first) {
        expectRead(QByteArray(1, char(first)));
        for (int second = 0; second < 256; ++second)
            expectRead(QByteArray(1, char(first)) + char(second));
    }
    expectRead("\x81\x20\x81");  // a pair that fails, then a first byte at the end
    auto expectWritten = [](const QString& text) {
        QStringEncoder qt("Shift_JIS");
        const QByteArray expected = qt(text);
        const auto bytes = EncodeCp932(text);
        ASSERT_EQ(bool(bytes), !qt.hasError()) << text.toStdString();
        if (bytes) {
            ASSERT_EQ(*bytes, expected) << text.toStdString();
        }
    };
    for (int c = 0; c < 0x10000; ++c)
        expectWritten(QStringLiteral("a") + QChar(char16_t(c)));
    expectWritten(QStringLiteral("a\U0001F600"));
    expectWritten(QStringLiteral("a") + QChar(0xD800));  // held back, waiting for its pair
}

TEST(TextFile, WritesCrLfAndFindsTheLineOfBadBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    ASSERT_TRUE(WriteTextFile(path, {QStringLiteral("一"), QStringLiteral("二")}));
    ASSERT_TRUE(AppendTextFile(path, {QStringLiteral("三")}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\x88\xea\r\n\x93\xf1\r\n\x8e\x4f\r\n"));
    file.close();

    EXPECT_EQ(ReadTextFile(path)->lines, (QStringList{QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")}));
    EXPECT_TRUE(ReadTextFile(path)->badLines.isEmpty());

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    // Lines end at CR LF, a lone CR or a lone LF; a stray byte reads as "・" and costs nothing else.
    file.write("ok\nbad \x81 \xff\x88\xea\rend \x81");
    file.close();
    const auto stray = ReadTextFile(path);
    EXPECT_EQ(stray->lines, (QStringList{QStringLiteral("ok"), QStringLiteral("bad ・ ・一"), QStringLiteral("end ・")}));
    EXPECT_EQ(stray->badLines, (QList<int>{2, 3}));
    EXPECT_FALSE(ReadTextFile(dir.filePath(QStringLiteral("missing.txt"))));
}

TEST(HeaderNumber, ReadsTheLeadingNumberOfALine) {
    const std::pair<QString, int> cases[] = {
        {QStringLiteral("  12 stages"), 12}, {QStringLiteral("0.5"), 0},    {QStringLiteral("1.5"), 2},
        {QStringLiteral("2.51"), 3},         {QStringLiteral("-1.5"), -2},  {QStringLiteral("stages"), 0},
        {QString(), 0},                      {QStringLiteral("\t7,8"), 7},  {QStringLiteral("99999999999"), 2147483647},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(HeaderNumber(line), expected) << line.toStdString();
}

TEST(Csv, TakesFieldsOffTheFrontOfALine) {
    // Each field with what is left of the line: an empty field reads as 0, an exhausted line gives empty fields.
    QString line = QStringLiteral("7,鳥,,3");
    QStringList taken;
    for (int i = 0; i < 5; ++i)
        taken << TakeCsvField(line) + u'|' + line;
    EXPECT_EQ(taken, QStringList({QStringLiteral("7|鳥,,3"), QStringLiteral("鳥|,3"), QStringLiteral("0|3"),
                                  QStringLiteral("3|"), QStringLiteral("|")}));

    QString numbers = QStringLiteral(" 12,,2.5,x,40 rest");
    std::vector<qint32> numbersTaken;
    for (int i = 0; i < 6; ++i)
        numbersTaken.push_back(TakeCsvLong(numbers));
    EXPECT_EQ(numbersTaken, (std::vector<qint32>{12, 0, 2, 0, 40, 0}));
}

TEST(Csv, StrictNumbersAcceptOnlyWholeValues) {
    for (const auto& [text, number] : {std::pair(u" 42 ", 42), std::pair(u"", 0), std::pair(u"-7", -7)})
        EXPECT_EQ(StrictNumber(text), number) << QString::fromUtf16(text).toStdString();
    for (const char16_t* bad : {u"4x", u"1.5", u"-", u"x", u"3000000000"})
        EXPECT_FALSE(StrictNumber(bad)) << QString::fromUtf16(bad).toStdString();
}

}  // namespace
}  // namespace kirune
