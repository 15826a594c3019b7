#include "keypad/RomaKana.h"
#include "author/Build.h"
#include "library/Cp932Text.h"
#include "library/PlayFile.h"
#include "model/StageCheck.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kirune {
namespace {

const RomaKanaTable* Table() {
    static const auto table = RomaKanaTable::Load(QStringLiteral(KIRUNE_PROGRAM_DIR "/sys/RomaKana/新ローマ字かな変換.txt"));
    return table ? &table.value : nullptr;
}

// Four header lines, so the body starts at line 5.
QStringList Source(const char* input, const char* body) {
    return SplitLines(QStringLiteral("title: テスト\ninput: %1\nstage: 1\nlevel: 2\n").arg(QLatin1String(input)) +
                      QString::fromUtf8(body));
}

std::string Describe(const std::vector<SourceError>& errors) {
    QString text;
    for (const SourceError& e : errors)
        text += QStringLiteral("%1: %2\n").arg(e.line).arg(e.text);
    return text.toStdString();
}

// ＣＡＴ across and ＣＯＷ down share a corner; ＯＸ starts inside ＴＯＹ.
const char* const kFarm = R"(grid:
ＣＡＴ■
Ｏ■ＯＸ
ＷＡＹ■
across:
ＣＡＴ = ニャーと鳴く
ＯＸ = 畑を耕す牛
ＷＡＹ = 道、方法
down:
ＣＯＷ = モーと鳴く
ＴＯＹ = おもちゃ
)";

// Two kana stages with the optional clue fields.
const char* const kKana = R"(grid:
  ネコ
  ズ■
  ミ■
across:
  ネコ = ニャーと鳴く | written: 猫 | reading: ねこ | code: A1,B2,C3,D4,E5
down:
  ネズミ = チューと鳴く
stage: 2
level: 5
grid:
  キヤンプ
  イ■■ー
  ロ■■ル
across:
  キヤンプ = テントで泊まる | written: キャンプ
down:
  キイロ = 黄色
  プール = 泳ぐところ
)";

TEST(PlayFileBuild, TheGameLoadsEachStageAsItsSourceSays) {
    // Alphabet grids need no keypad table.
    const std::pair<QStringList, const RomaKanaTable*> sources[] = {{Source("alphabet", kFarm), nullptr},
                                                                   {Source("kana", kKana), Table()}};
    // The reader turns an empty field into "0", as it always has; the last one stays empty.
    auto field = [](const QString& text) { return text.isEmpty() ? QStringLiteral("0") : text; };
    for (const auto& [source, table] : sources) {
        SCOPED_TRACE(source[1].toStdString());
        const BuildResult built = BuildPlayFile(source, table);
        ASSERT_TRUE(built.errors.empty()) << Describe(built.errors);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("round.vxl"));
        ASSERT_TRUE(WriteTextFile(path, built.lines));
        std::vector<SourceError> unused;
        const CollectionSource expected = ReadCollectionSource(source, unused);
        EXPECT_EQ(ReadInputMode(path).value, expected.inputMode);
        ASSERT_EQ(ReadStageMax(path).value, int(expected.stages.size()));
        for (int n = 1; n <= int(expected.stages.size()); ++n) {
            SCOPED_TRACE(n);
            const SourceStage& e = expected.stages[size_t(n - 1)];
            auto loaded = LoadStageData(path, n);
            ASSERT_TRUE(loaded) << loaded.error->Describe().toStdString();
            Crossword& x = loaded.value;
            EXPECT_TRUE(PrepareStage(x).empty()) << "kinds, numbers and blocks agree with the solution";
            EXPECT_EQ(x.Level, e.level);
            EXPECT_EQ(x.QuesDownFirst, int(e.clues[0].size()) + 1);
            EXPECT_EQ(x.MasMaxY, int(e.rows.size()));
            EXPECT_EQ(x.MasMaxX, int(e.rows[0].text.size()));
            // Numbered across first, then down, each in reading order: the order of the lists. Every
            // white cell is in a word, so the words' text covers the solution.
            int k = 0;
            for (const auto& list : e.clues)
                for (const SourceClue& clue : list) {
                    const QuesRec& q = x.Ques[++k];
                    EXPECT_EQ(QStringList({q.AnswerText, q.QuesText, q.AnsText, q.Yomi, q.ID, q.AN}),
                              QStringList({clue.answer, clue.clue, clue.written.isEmpty() ? clue.answer : clue.written,
                                           field(clue.reading), field(clue.codes.value(0)), clue.codes.value(4)}));
                }
            EXPECT_EQ(k, x.QuesNmbMax);
        }
    }
}

TEST(PlayFileBuild, RefusesWhatTheGameCouldNotPlayFairlyAndSaysWhere) {
    // Each with the line of its one error and what that says.
    const struct {
        const char* input;
        const char* body;
        int line;
        const char* message;
        bool noTable = false;
    } refusals[] = {
        {"alphabet", "grid:\nＣＡＴ■\nＯ■ＯＸ\nＷＡＹ\n", 8, "a row of 3 cells"},
        {"alphabet", "grid:\nＣＡＴ\nＯ■■\nＷ■Ｘ\nacross:\nＣＡＴ = a\ndown:\nＣＯＷ = b\n", 8,
         "row 3, column 3 belongs to no word"},
        {"alphabet", "grid:\nＧＯ■\n■■■\nＵＰ■\nacross:\nＧＯ = a\nＵＰ = b\n", 6, "fall apart into 2 pieces"},
        {"alphabet", "grid:\nＣＡＴ■\nＯ■ＯＸ\nＷＡＹ■\nacross:\nＣＡＴ = a\nＯＸ = b\nＷＡＹ = c\ndown:\nＣＯＷ = d\n", 13,
         "down word 5 (ＴＯＹ) has no clue"},
        {"alphabet", "grid:\nＧＯ\nＯ■\nacross:\nＧＯ = a\nＰＩＧ = b\ndown:\nＧＯ = c\n", 10, "an extra across clue"},
        {"alphabet", "grid:\nＧＯ\nＯ■\nacross:\nＧＯ = a\ndown:\nＤＯ = c\n", 11,
         "this clue is for ＤＯ, but down word 2 reads ＧＯ"},
        {"alphabet", "grid:\nＧＯ\nＯ■\nacross:\nＧＯ =\ndown:\nＧＯ = c\n", 9, "an empty clue"},
        {"alphabet", "grid:\nＧＯ\nＯ■\nacross:\nＧＯ = a, b\ndown:\nＧＯ = c\n", 9, "a comma"},
        {"alphabet", "grid:\nＧＯ\nＯ■\nacross:\nＧＯ = 한\ndown:\nＧＯ = c\n", 9, "\"한\", which CP932 cannot encode"},
        {"kana", "grid:\nネコ\n한■\nacross:\nネコ = a\ndown:\nネ한 = b\n", 7, "\"한\", which CP932 cannot encode"},
        {"alphabet", "grid:\nＧO\nＯ■\nacross:\nＧO = a\ndown:\nＧＯ = c\n", 6, "only full-width capitals Ａ-Ｚ, not \"O\""},
        {"kana", "grid:\nキャ\nズ■\nacross:\nキャ = a\ndown:\nキズ = b\n", 6,
         "\"ャ\" is a small kana: crosswords write it full-size, \"ヤ\""},
        {"kana", "grid:\nヰコ\nズ■\nacross:\nヰコ = a\ndown:\nヰズ = b\n", 6, "the keypad cannot enter \"ヰ\""},
        {"roman", "grid:\nＧＯ\n", 2, "input: is kana or alphabet"},
        {"alphabet", "grid:\nＧＯ\nＯ■\nacross:\nＧＯ = a | yomi: ご\ndown:\nＧＯ = c\n", 9, "\"| yomi: ご\""},
        {"alphabet", "ＧＯ = a\ngrid:\nＧＯ\nＯ■\nacross:\nＧＯ = a\ndown:\nＧＯ = c\n", 5, "unexpected line"},
        {"kana", "grid:\nネコ\nズ■\nacross:\nネコ = a\ndown:\nネズ = b\n", 2, "which could not be read", true},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.message);
        const BuildResult built = BuildPlayFile(Source(r.input, r.body), r.noTable ? nullptr : Table());
        ASSERT_EQ(built.errors.size(), 1u) << Describe(built.errors);
        EXPECT_EQ(built.errors[0].line, r.line);
        EXPECT_TRUE(built.errors[0].text.contains(QString::fromUtf8(r.message))) << Describe(built.errors);
    }
}

}  // namespace
}  // namespace kirune
