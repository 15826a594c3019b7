#include "author/Build.h"

#include "author/ContentLint.h"

#include "keypad/RomaKana.h"
#include "library/Cp932Text.h"
#include "library/PlayFile.h"
#include "model/Crossword.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace kirune {

namespace {


// The first character CP932 cannot keep (one it lacks, or one that does not come back the
// same from the file), empty when there is none.
QString FirstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, n);
        const auto bytes = EncodeCp932(ch);
        if (!bytes || DecodeCp932(*bytes) != ch)
            return ch;
        i += n - 1;
    }
    return QString();
}

QSet<QChar> KeypadKana(const RomaKanaTable& table) {
    QSet<QChar> kana;
    for (const auto& entries : table.Keys)
        for (const KanaEntry& entry : entries)
            for (QChar ch : entry.Grid)
                kana.insert(ch);
    return kana;
}

struct Word {
    bool down = false;
    int row = 0, column = 0;  // 0-based first cell
    QString answer;
};

const char* Direction(bool down) { return down ? "down" : "across"; }

class Builder {
public:
    Builder(int inputMode, const RomaKanaTable* table, std::vector<SourceError>& errors)
        : inputMode(inputMode), errors(errors) {
        if (table)
            keypad = KeypadKana(*table);
    }

    void CheckText(int line, const QString& text, const QString& what) {
        const QString bad = FirstUnencodable(text);
        if (!bad.isEmpty())
            Fail(line, QStringLiteral("%1 holds \"%2\", which CP932 cannot encode").arg(what, bad));
    }

    // The stage's section of the play file; only worth writing when no error was reported.
    QStringList Stage(const SourceStage& s, int n) {
        grid.clear();
        if (s.level < 0)
            Fail(s.line, QStringLiteral("stage %1 has no level:").arg(n));
        std::vector<Word> words;
        if (s.rows.empty())
            Fail(s.line, QStringLiteral("stage %1 has no grid rows").arg(n));
        else if (CheckRows(s.rows))
            words = FindWords(s.rows);
        for (const bool down : {false, true})
            CheckClues(s, words, down);
        return Section(s, n, words);
    }

private:
    QStringList Section(const SourceStage& s, int n, const std::vector<Word>& words) const {
        const int R = int(s.rows.size());
        const int C = R ? int(s.rows[0].text.size()) : 0;
        int acrossCount = 0;
        for (const Word& w : words)
            acrossCount += !w.down;
        QStringList out;
        out << QStringLiteral(";#%1").arg(n) << QStringLiteral("[rows,columns]") << QStringLiteral("%1,%2").arg(R).arg(C)
            << QStringLiteral("[level,words,first down word]")
            << QStringLiteral("%1,%2,%3").arg(s.level).arg(words.size()).arg(acrossCount + 1);
        out << QStringLiteral("[cell kinds]");
        for (int r = -1; r <= R; ++r) {
            QStringList kinds;
            for (int c = -1; c <= C; ++c)
                kinds << QString::number(Kind(r, c));
            out << kinds.join(u',');
        }
        out << QStringLiteral("[solution]");
        for (const SourceText& row : s.rows)
            out << row.text;
        for (const bool down : {false, true}) {
            out << (down ? QStringLiteral("[down numbers]") : QStringLiteral("[across numbers]"));
            std::vector<int> numbers(size_t(R) * size_t(C), 0);
            for (size_t k = 0; k < words.size(); ++k)
                if (words[k].down == down)
                    numbers[size_t(words[k].row) * size_t(C) + size_t(words[k].column)] = int(k) + 1;
            for (int r = 0; r < R; ++r) {
                QStringList line;
                for (int c = 0; c < C; ++c)
                    line << QString::number(numbers[size_t(r) * size_t(C) + size_t(c)]);
                out << line.join(u',');
            }
        }
        out << QStringLiteral("[words]");
        int k = 0;
        for (const bool down : {false, true})
            for (const SourceClue& clue : s.clues[down]) {
                QStringList fields{QString::number(++k), clue.clue, clue.written.isEmpty() ? clue.answer : clue.written,
                                   clue.reading};
                fields += clue.codes;
                while (fields.size() < 9)
                    fields << QString();
                out << fields.join(u',');
            }
        return out;
    }

    void Fail(int line, const QString& text) { errors.push_back({line, text}); }

    bool White(int r, int c) const {
        return r >= 0 && r < int(grid.size()) && c >= 0 && c < int(grid[r].size()) &&
               grid[r][c] != kBlackCell;
    }
    bool InAcross(int r, int c) const { return White(r, c) && (White(r, c - 1) || White(r, c + 1)); }
    bool InDown(int r, int c) const { return White(r, c) && (White(r - 1, c) || White(r + 1, c)); }
    int Kind(int r, int c) const {
        const bool a = InAcross(r, c), d = InDown(r, c);
        return a && d ? KindCrossing : a ? KindAcross : d ? KindDown : KindBlack;
    }

    // Characters first, then the shape; false when the grid has no shape words can be read from.
    bool CheckRows(const std::vector<SourceText>& rows) {
        grid.clear();
        for (const SourceText& row : rows) {
            grid.push_back(row.text);
            for (qsizetype i = 0; i < row.text.size(); ++i)
                CheckCell(row.line, row.text[i]);
        }
        bool even = true;
        for (const SourceText& row : rows)
            if (row.text.size() != rows[0].text.size()) {
                Fail(row.line, QStringLiteral("a row of %1 cells in a grid whose first row has %2")
                                   .arg(row.text.size()).arg(rows[0].text.size()));
                even = false;
            }
        if (!even)
            return false;
        if (rows.size() > size_t(kMaxGridSide) || rows[0].text.size() > kMaxGridSide) {
            Fail(rows[0].line, QStringLiteral("a grid larger than %1 cells a side").arg(kMaxGridSide));
            return false;
        }
        return true;
    }

    void CheckCell(int line, QChar ch) {
        if (ch == kBlackCell)
            return;
        if (!FirstUnencodable(ch).isEmpty()) {
            Fail(line, QStringLiteral("the grid holds \"%1\", which CP932 cannot encode").arg(ch));
            return;
        }
        if (inputMode == 0) {
            if (ch.unicode() < 0xFF21 || ch.unicode() > 0xFF3A)
                Fail(line, QStringLiteral("an alphabet grid holds only full-width capitals Ａ-Ｚ, not \"%1\"").arg(ch));
            return;
        }
        static const QString small = QStringLiteral("ァィゥェォッャュョヮヵヶ");
        static const QString full = QStringLiteral("アイウエオツヤユヨワカケ");
        if (const qsizetype i = small.indexOf(ch); i >= 0)
            Fail(line, QStringLiteral("\"%1\" is a small kana: crosswords write it full-size, \"%2\"").arg(ch).arg(full[i]));
        else if (!keypad.contains(ch))
            Fail(line, QStringLiteral("the keypad cannot enter \"%1\"").arg(ch));
    }

    std::vector<Word> FindWords(const std::vector<SourceText>& rows) {
        const int R = int(rows.size()), C = int(rows[0].text.size());
        std::vector<Word> words;
        for (const bool down : {false, true})
            for (int r = 0; r < R; ++r)
                for (int c = 0; c < C; ++c) {
                    const int dr = down, dc = !down;
                    if (!White(r, c) || White(r - dr, c - dc) || !White(r + dr, c + dc))
                        continue;
                    Word w{down, r, c, QString()};
                    for (int i = r, j = c; White(i, j); i += dr, j += dc)
                        w.answer += grid[i][j];
                    words.push_back(w);
                }
        bool covered = true;
        for (int r = 0; r < R; ++r)
            for (int c = 0; c < C; ++c)
                if (White(r, c) && !InAcross(r, c) && !InDown(r, c)) {
                    Fail(rows[size_t(r)].line,
                         QStringLiteral("the white cell at row %1, column %2 belongs to no word").arg(r + 1).arg(c + 1));
                    covered = false;
                }
        if (words.empty())
            Fail(rows[0].line, QStringLiteral("the grid holds no word"));
        else if (covered)
            CheckConnected(rows[0].line, R, C);
        return words;
    }

    // A crossword is one piece: a part no word links to the rest is a mistake.
    void CheckConnected(int line, int R, int C) {
        std::vector<char> seen(size_t(R) * size_t(C), 0);
        int areas = 0;
        for (int r0 = 0; r0 < R; ++r0)
            for (int c0 = 0; c0 < C; ++c0) {
                if (!White(r0, c0) || seen[size_t(r0) * size_t(C) + size_t(c0)])
                    continue;
                ++areas;
                std::vector<std::pair<int, int>> stack{{r0, c0}};
                seen[size_t(r0) * size_t(C) + size_t(c0)] = 1;
                while (!stack.empty()) {
                    const auto [r, c] = stack.back();
                    stack.pop_back();
                    for (const auto& [i, j] : {std::pair{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}})
                        if (White(i, j) && !seen[size_t(i) * size_t(C) + size_t(j)]) {
                            seen[size_t(i) * size_t(C) + size_t(j)] = 1;
                            stack.push_back({i, j});
                        }
                }
            }
        if (areas > 1)
            Fail(line, QStringLiteral("the white cells fall apart into %1 pieces").arg(areas));
    }

    void CheckClues(const SourceStage& s, const std::vector<Word>& words, bool down) {
        std::vector<const Word*> list;
        int first = 0;  // the game's number of the first word of the list, less one
        for (const Word& w : words) {
            if (w.down == down)
                list.push_back(&w);
            else if (down)
                ++first;
        }
        const auto& clues = s.clues[down];
        const bool gridRead = !words.empty();
        for (size_t i = 0; i < clues.size(); ++i) {
            const SourceClue& clue = clues[i];
            CheckClueText(clue);
            if (!gridRead)
                continue;
            if (i >= list.size()) {
                Fail(clue.line, QStringLiteral("an extra %1 clue: the grid has %2 %1 words")
                                    .arg(QLatin1String(Direction(down))).arg(list.size()));
            } else if (clue.answer != list[i]->answer) {
                Fail(clue.line, QStringLiteral("this clue is for %1, but %2 word %3 reads %4")
                                    .arg(clue.answer, QLatin1String(Direction(down)))
                                    .arg(first + int(i) + 1)
                                    .arg(list[i]->answer));
            }
        }
        const int at = s.listLine[down] ? s.listLine[down] : s.line;
        for (size_t i = clues.size(); i < list.size(); ++i)
            Fail(at, QStringLiteral("%1 word %2 (%3) has no clue")
                         .arg(QLatin1String(Direction(down))).arg(first + int(i) + 1).arg(list[i]->answer));
    }

    void CheckClueText(const SourceClue& clue) {
        if (clue.clue.isEmpty())
            Fail(clue.line, QStringLiteral("an empty clue"));
        for (const QString* field : {&clue.clue, &clue.written, &clue.reading})
            if (field->contains(u','))
                Fail(clue.line, QStringLiteral("a comma splits the word line: write \"、\" or \"，\" instead"));
        CheckText(clue.line, clue.clue, QStringLiteral("the clue"));
        CheckText(clue.line, clue.written, QStringLiteral("the written form"));
        CheckText(clue.line, clue.reading, QStringLiteral("the reading"));
        CheckText(clue.line, clue.codes.join(u','), QStringLiteral("the code"));
        if (ClueWidth(clue.clue) > kClueWidth)
            Fail(clue.line, QStringLiteral("a clue of %1 half-width places; the clue panel holds %2")
                                .arg(ClueWidth(clue.clue)).arg(kClueWidth));
    }

    int inputMode;
    std::vector<SourceError>& errors;
    QSet<QChar> keypad;
    QStringList grid;
};

}  // namespace

BuildResult BuildPlayFile(const QStringList& sourceLines, const RomaKanaTable* table) {
    BuildResult result;
    const CollectionSource source = ReadCollectionSource(sourceLines, result.errors);
    Builder builder(source.inputMode, table, result.errors);
    builder.CheckText(source.title.line, source.title.text, QStringLiteral("the title"));
    result.lines << QStringLiteral("Kirune play file ") + source.title.text << QString::number(source.inputMode)
                 << QStringLiteral("stages") << QString::number(source.stages.size());
    if (source.inputMode < 0)
        return result;  // the grids cannot be checked without knowing what they hold
    if (source.inputMode == 1 && !table) {
        result.errors.push_back({source.inputLine, QStringLiteral("kana grids are checked with the keypad's romaji table, "
                                                                  "which could not be read")});
        return result;
    }
    for (size_t i = 0; i < source.stages.size(); ++i)
        result.lines += builder.Stage(source.stages[i], int(i) + 1);
    std::stable_sort(result.errors.begin(), result.errors.end(),
                     [](const SourceError& a, const SourceError& b) { return a.line < b.line; });
    return result;
}

BuildResult BuildCollection(const QStringList& sourceLines, const RomaKanaTable* table, Lint lint) {
    BuildResult built = BuildPlayFile(sourceLines, table);
    // The lint is the author's, not the compiler's: a play file it refuses is still one the game plays.
    if (lint == Lint::Off)
        return built;
    for (const LintProblem& p : LintCollection(sourceLines))
        built.errors.push_back({p.line, p.text});
    std::stable_sort(built.errors.begin(), built.errors.end(),
                     [](const SourceError& a, const SourceError& b) { return a.line < b.line; });
    return built;
}

MadePlayFile WriteCollection(const QStringList& sourceLines, const QString& programFolder, const QString& path, Lint lint) {
    const auto table = RomaKanaTable::Load(RomaKanaTablePath(programFolder));
    if (!table)
        return {QString(), *table.error};
    const BuildResult built = BuildCollection(sourceLines, &table.value, lint);
    if (!built.errors.empty())
        return {QString(), built.errors.front().text};
    // Written aside and renamed over the old one, so that a file of this name is always whole.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !WriteTextFile(part, built.lines) ||
        (QFile::exists(path) && !QFile::remove(path)) || !QFile::rename(part, path)) {
        QFile::remove(part);
        return {QString(), QStringLiteral("%1: cannot write it").arg(path)};
    }
    return {path, QString()};
}

int ClueWidth(const QString& text) {
    int width = 0;
    for (QChar ch : text)
        width += ch.unicode() < 0x80 || (ch.unicode() >= 0xFF61 && ch.unicode() <= 0xFF9F) ? 1 : 2;
    return width;
}

}  // namespace kirune
