#include "keypad/Keypad.h"
#include "library/Cp932Text.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kirune {
namespace {

class KeypadTyping : public ::testing::Test {
protected:
    void SetUp() override {
        const auto error = keypad.SetKeypad(QStringLiteral(KIRUNE_PROGRAM_DIR "/"));
        ASSERT_FALSE(error) << error->toStdString();
        keypad.ClearDispKeyBuff();
    }
    // The grid kana each key returns, joined with "|".
    QString Type(const QString& keys) {
        QStringList out;
        for (QChar k : keys)
            out << keypad.RomaKanaConvWChr(k);
        return out.join(u'|');
    }
    QString KanaRow() const {
        QString row;
        for (int i = 1; i <= keypad.CellsInUse; ++i)
            row += keypad.Kana[i].isEmpty() ? QStringLiteral("_") : keypad.Kana[i];
        return row;
    }
    Keypad keypad;
};

TEST_F(KeypadTyping, ConvertsKeySequences) {
    const struct { const char* keys; const char16_t* grid; const char16_t* shown; } cases[] = {
        {"KKA", u"|ツ|カ", u"ッ_カ"},      // the doubled letter types a small ッ, entered full-size
        {"NN", u"|ン", u"_ン"},
        {"A", u"ア", u"ア"},
        {"SHA", u"||シヤ", u"_シャ"},      // shown small, entered full-size
        {"LTU", u"||ツ", u"__ッ"},
        {"QQQ", u"||", u"_…？"},           // a two-key miss, then a three-key miss
        {"TTSU", u"|ツ||ツ", u"ッ__ツ"},
    };
    for (const auto& c : cases) {
        keypad.ClearDispKeyBuff();
        EXPECT_EQ(Type(QString::fromLatin1(c.keys)), QString::fromUtf16(c.grid)) << c.keys;
        EXPECT_EQ(KanaRow(), QString::fromUtf16(c.shown)) << c.keys;
        EXPECT_TRUE(keypad.Pending.isEmpty()) << c.keys;
    }
}

TEST_F(KeypadTyping, ElevenKeysScrollTheRowsAndClearingEmptiesThem) {
    Type(QStringLiteral("AIUEOAIUEO"));
    EXPECT_EQ(keypad.CellsInUse, 10);
    EXPECT_EQ(keypad.Roma[1], QStringLiteral("A"));
    Type(QStringLiteral("K"));
    EXPECT_EQ(keypad.Roma[1], QStringLiteral("I"));
    EXPECT_EQ(keypad.Roma[10], QStringLiteral("K"));
    EXPECT_EQ(keypad.KanaWidth[10], Keypad::kWide) << "a pending key widens its kana cell";
    Type(QStringLiteral("YA"));
    EXPECT_EQ(keypad.Roma[8], QStringLiteral("K"));
    EXPECT_EQ(keypad.Kana[9], QStringLiteral("キ")) << "a two-character kana writes into the previous cell";
    EXPECT_EQ(keypad.Kana[10], QStringLiteral("ャ"));
    Type(QStringLiteral("K"));
    keypad.ClearDispKeyBuff();
    EXPECT_EQ(keypad.CellsInUse, 0);
    EXPECT_TRUE(keypad.Pending.isEmpty());
    EXPECT_TRUE(keypad.RomaVisible[1]);
    EXPECT_FALSE(keypad.RomaVisible[2]);
    keypad.Pending = QStringLiteral("S");
    keypad.ClearDispKeyBuff();
    EXPECT_EQ(keypad.Pending, QStringLiteral("S")) << "no cells in use: nothing changes";
    keypad.ShowKeypad();
    keypad.ShowKeypad();
    EXPECT_FALSE(keypad.Shown);
}

TEST(KeypadTable, AMissingOrShortTableIsNamed) {
    QTemporaryDir dir;
    Keypad keypad;
    const QString missing = keypad.SetKeypad(dir.path() + u'/').value_or(QString());
    EXPECT_TRUE(missing.contains(QStringLiteral("新ローマ字かな変換.txt"))) << missing.toStdString();
    QDir(dir.path()).mkpath(QStringLiteral("sys/RomaKana"));
    WriteTextFile(dir.filePath(QStringLiteral("sys/RomaKana/新ローマ字かな変換.txt")),
                  {QStringLiteral("h"), QStringLiteral("促音,K"), QStringLiteral("h")});
    const QString shortTable = keypad.SetKeypad(dir.path() + u'/').value_or(QString());
    EXPECT_TRUE(shortTable.contains(QStringLiteral("3 lines"))) << shortTable.toStdString();
    EXPECT_EQ(QuotedFields(QStringLiteral("a,\"b,c\",\"\",d")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b,c"), QString(), QStringLiteral("d")}));
}

}  // namespace
}  // namespace kirune
