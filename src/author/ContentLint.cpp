#include "author/ContentLint.h"

#include "author/CollectionSource.h"

namespace kirune {

namespace {

// Hiragana become katakana and small kana full-size, as a kana grid writes them; full-width
// letters become lower-case ASCII. A clue and an answer compare alike after it.
QString Fold(const QString& text) {
    static const QString small = QStringLiteral("ァィゥェォッャュョヮヵヶ");
    static const QString full = QStringLiteral("アイウエオツヤユヨワカケ");
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        char16_t u = ch.unicode();
        if (u >= 0x3041 && u <= 0x3096)
            u += 0x60;
        else if (u >= 0xFF01 && u <= 0xFF5E)
            u -= 0xFEE0;
        if (const qsizetype i = small.indexOf(QChar(u)); i >= 0)
            u = full[i].unicode();
        out += QChar(u).toLower();
    }
    return out;
}

}  // namespace

std::vector<LintProblem> LintStage(const std::vector<LintWord>& words, bool kana, int stageLine) {
    std::vector<LintProblem> problems;
    std::vector<QString> answers;
    for (const LintWord& w : words)
        answers.push_back(Fold(w.answer));
    int twoCell = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        twoCell += words[i].answer.size() == 2;
        if (!answers[i].isEmpty() && Fold(words[i].clue).contains(answers[i]))
            problems.push_back({words[i].line, QStringLiteral("the clue of %1 holds the answer").arg(words[i].answer)});
        for (size_t j = 0; kana && j < words.size(); ++j)
            if (j != i && answers[j].size() >= 2 && answers[i].contains(answers[j]) && (answers[i] != answers[j] || j < i))
                problems.push_back({words[i].line, QStringLiteral("%1 holds %2, another answer of the stage")
                                                       .arg(words[i].answer, words[j].answer)});
    }
    if (!words.empty() && twoCell * 10 > int(words.size()) * 3)
        problems.push_back({stageLine, QStringLiteral("%1 of %2 words are two %3 long; at most 30 % may be")
                                           .arg(twoCell).arg(words.size())
                                           .arg(kana ? QStringLiteral("kana") : QStringLiteral("letters"))});
    return problems;
}

std::vector<LintProblem> LintCollection(const QStringList& sourceLines) {
    std::vector<SourceError> unused;  // the layout is the compiler's to report
    const CollectionSource collection = ReadCollectionSource(sourceLines, unused);
    std::vector<LintProblem> problems;
    for (const SourceStage& stage : collection.stages) {
        std::vector<LintWord> words;
        for (const auto& list : stage.clues)
            for (const SourceClue& clue : list)
                words.push_back({clue.answer, clue.clue, clue.line});
        for (const LintProblem& p : LintStage(words, collection.inputMode == 1, stage.line))
            problems.push_back(p);
    }
    return problems;
}

}  // namespace kirune
