#include "author/ContentLint.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

struct LintCase {
    const char* what;
    bool kana;
    std::vector<LintWord> words;
    int problems;
};

LintWord W(const char* answer, const char* clue) { return {QString::fromUtf8(answer), QString::fromUtf8(clue), 0}; }

TEST(ContentLint, RefusesWhatGivesAStageAwayAndPassesAFairOne) {
    const std::vector<LintCase> cases = {
        {"fair kana stage", true, {W("ベツド", "寝る台"), W("シヤツ", "上着"), W("ジユース", "飲み物"), W("ウシ", "牛")}, 0},
        {"answer in katakana", true, {W("ノウサギ", "野のノウサギ"), W("ベツド", "寝る台"), W("シヤツ", "上着")}, 1},
        {"answer in hiragana, small kana", true, {W("ベツド", "べっどで寝る"), W("シヤツ", "上着"), W("カボチヤ", "野菜")}, 1},
        {"English word in the clue", false, {W("ＰＬＡＮＥ", "AirPlane の略"), W("ＣＡＴ", "ネコ"), W("ＤＯＧ", "イヌ")}, 1},
        {"an answer inside another", true, {W("サトヤマ", "林"), W("サト", "郷里"), W("ジユース", "飲み物"), W("ベツド", "寝る台")}, 1},
        {"too many two-kana words", true, {W("ウシ", "牛"), W("ベツド", "寝る台"), W("カオ", "顔")}, 1},
        {"two-letter words", false, {W("ＧＯ", "行く"), W("ＣＡＴ", "ネコ"), W("ＤＯＧ", "イヌ")}, 1},
    };
    for (const LintCase& c : cases)
        EXPECT_EQ(int(LintStage(c.words, c.kana, 1).size()), c.problems) << c.what;
}

}  // namespace
}  // namespace kirune
