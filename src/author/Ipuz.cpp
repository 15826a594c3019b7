#include "author/Ipuz.h"

#include "author/Build.h"
#include "author/WordList.h"
#include "library/Cp932Text.h"
#include "library/PlayFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

namespace kirune {

namespace {

const QString kBlock = QStringLiteral("■");

// The grid letter of one solution letter: a full-width capital, or a full-size katakana.
QChar GridLetter(QChar ch, int& mode) {
    const char16_t u = ch.toUpper().unicode();
    if (u >= u'A' && u <= u'Z') {
        mode = mode < 0 ? 0 : mode;
        return mode == 0 ? QChar(char16_t(u - u'A' + 0xFF21)) : QChar();
    }
    ch = GridKana(QString(ch))[0];
    if ((ch.unicode() >= 0x30A1 && ch.unicode() <= 0x30F4) || ch == u'ー') {
        mode = mode < 0 ? 1 : mode;
        return mode == 1 ? ch : QChar();
    }
    return QChar();
}

// A cell's value: a plain value, or the "value" (solution) / "cell" (puzzle) of a cell object.
QJsonValue CellValue(const QJsonValue& v, const char* key) { return v.isObject() ? v.toObject().value(QLatin1String(key)) : v; }

struct Clue {
    int number = 0;
    QString text;
};

// Text as a play file can keep it: no field separators, and what CP932 lacks as its base
// letter (é as e) or, failing that, as ・ (as the game reads bytes it cannot decode).
QString PlayableText(const QString& text) {
    QString kept = text;
    kept.replace(u'|', u'／').replace(u',', u'，');
    QString out;
    for (QChar ch : kept) {
        const auto bytes = EncodeCp932(QString(ch));
        if (bytes && DecodeCp932(*bytes) == QString(ch)) {
            out += ch;
            continue;
        }
        const QString base = ch.decomposition().left(1);
        const auto baseBytes = base.isEmpty() ? std::nullopt : EncodeCp932(base);
        out += baseBytes && DecodeCp932(*baseBytes) == base ? base : QStringLiteral("・");
    }
    return out.simplified();
}

std::vector<Clue> ReadClues(const QJsonValue& list) {
    std::vector<Clue> clues;
    for (const QJsonValue& c : list.toArray()) {
        if (c.isArray())
            clues.push_back({c.toArray().at(0).toVariant().toInt(), c.toArray().at(1).toString()});
        else if (c.isObject())
            clues.push_back({c.toObject().value(QLatin1String("number")).toVariant().toInt(),
                             c.toObject().value(QLatin1String("clue")).toString()});
    }
    return clues;
}

}  // namespace

IpuzPuzzle ReadIpuz(const QByteArray& json) {
    IpuzPuzzle out;
    auto refuse = [&](const QString& why) {
        out.error = why;
        return out;
    };
    QJsonParseError parse;
    const QJsonObject root = QJsonDocument::fromJson(json, &parse).object();
    if (parse.error != QJsonParseError::NoError)
        return refuse(QStringLiteral("not JSON: %1").arg(parse.errorString()));
    const QString version = root.value(QLatin1String("version")).toString();
    if (version != QLatin1String("http://ipuz.org/v1") && version != QLatin1String("http://ipuz.org/v2"))
        return refuse(QStringLiteral("not an ipuz file of version 1 or 2"));
    const QJsonArray kinds = root.value(QLatin1String("kind")).toArray();
    if (kinds.isEmpty() || !kinds.at(0).toString().startsWith(QLatin1String("http://ipuz.org/crossword#")))
        return refuse(QStringLiteral("not a plain crossword (shaped, diagonal and other kinds are not played)"));
    const int width = root.value(QLatin1String("dimensions")).toObject().value(QLatin1String("width")).toInt();
    const int height = root.value(QLatin1String("dimensions")).toObject().value(QLatin1String("height")).toInt();
    if (width < 2 || height < 2 || width > kMaxGridSide || height > kMaxGridSide)
        return refuse(QStringLiteral("a grid of %1 x %2 (2 to %3 a side)").arg(width).arg(height).arg(kMaxGridSide));
    const QJsonArray solution = root.value(QLatin1String("solution")).toArray();
    if (solution.size() != height)
        return refuse(QStringLiteral("no solution of %1 rows").arg(height));
    const QString block = root.value(QLatin1String("block")).toString(QStringLiteral("#"));
    const QJsonArray puzzle = root.value(QLatin1String("puzzle")).toArray();
    int mode = -1;
    for (int r = 0; r < height; ++r) {
        const QJsonArray row = solution.at(r).toArray();
        if (row.size() != width)
            return refuse(QStringLiteral("solution row %1 has %2 cells, not %3").arg(r + 1).arg(row.size()).arg(width));
        QString text;
        for (int c = 0; c < width; ++c) {
            const QJsonValue style = puzzle.at(r).toArray().at(c).toObject().value(QLatin1String("style"));
            if (style.toObject().contains(QLatin1String("barred")))
                return refuse(QStringLiteral("a barred grid"));
            const QJsonValue v = CellValue(row.at(c), "value");
            const QString letter = v.isString() ? v.toString() : QString();
            if (v.isNull() || letter == block || letter.isEmpty()) {
                text += kBlock;
                continue;
            }
            if (letter.size() > 1)
                return refuse(QStringLiteral("a rebus cell (\"%1\" in one cell)").arg(letter));
            const QChar g = GridLetter(letter[0], mode);
            if (g.isNull())
                return refuse(QStringLiteral("\"%1\" at row %2, column %3 is neither a Latin letter nor kana of the grid's kind")
                                  .arg(letter).arg(r + 1).arg(c + 1));
            text += g;
        }
        out.rows << text;
    }
    out.inputMode = std::max(mode, 0);
    // Standard numbering: each cell that starts an across or a down word, in reading order.
    auto white = [&](int r, int c) { return r >= 0 && c >= 0 && r < height && c < width && out.rows[r][c] != kBlock[0]; };
    QMap<int, QString> acrossAt, downAt;  // number -> answer
    std::vector<std::pair<int, QString>> acrossOrder, downOrder;
    int number = 0;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            const bool a = white(r, c) && !white(r, c - 1) && white(r, c + 1);
            const bool d = white(r, c) && !white(r - 1, c) && white(r + 1, c);
            if (!a && !d)
                continue;
            ++number;
            QString word;
            if (a) {
                for (int k = c; white(r, k); ++k)
                    word += out.rows[r][k];
                acrossOrder.push_back({number, word});
            }
            word.clear();
            if (d) {
                for (int k = r; white(k, c); ++k)
                    word += out.rows[k][c];
                downOrder.push_back({number, word});
            }
        }
    const QJsonObject clues = root.value(QLatin1String("clues")).toObject();
    for (auto it = clues.begin(); it != clues.end(); ++it) {
        const QString direction = it.key().section(u':', 0, 0);
        if (direction != QLatin1String("Across") && direction != QLatin1String("Down"))
            return refuse(QStringLiteral("clues of direction %1").arg(direction));
    }
    if (acrossOrder.empty() && downOrder.empty())
        return refuse(QStringLiteral("no word in the grid"));
    for (const bool across : {true, false}) {
        const auto& order = across ? acrossOrder : downOrder;
        QMap<int, QString> text;
        for (const Clue& clue : ReadClues(clues.value(across ? QStringLiteral("Across") : QStringLiteral("Down")))) {
            if (std::none_of(order.begin(), order.end(), [&](const auto& o) { return o.first == clue.number; }))
                return refuse(QStringLiteral("clue %1 %2 has no word in the grid").arg(clue.number).arg(across ? "across" : "down"));
            text[clue.number] = PlayableText(clue.text);
            if (ClueWidth(text[clue.number]) > kClueWidth)
                return refuse(QStringLiteral("clue %1 %2 is longer than the clue panel holds (%3 of %4 half-width places)")
                                  .arg(clue.number)
                                  .arg(across ? "across" : "down")
                                  .arg(ClueWidth(text[clue.number]))
                                  .arg(kClueWidth));
        }
        for (const auto& [n, word] : order) {
            if (text.value(n).isEmpty())
                return refuse(QStringLiteral("%1 %2 has no clue").arg(n).arg(across ? "across" : "down"));
            (across ? out.across : out.down) << QStringLiteral("%1 = %2").arg(word, text.value(n));
        }
    }
    out.title = PlayableText(root.value(QLatin1String("title")).toString());
    out.author = PlayableText(root.value(QLatin1String("author")).toString());
    out.copyright = PlayableText(root.value(QLatin1String("copyright")).toString());
    return out;
}

QStringList IpuzCollection(const std::vector<IpuzPuzzle>& puzzles, const QString& fallbackTitle) {
    const IpuzPuzzle& first = puzzles.front();
    QString title = first.title.isEmpty() ? fallbackTitle : first.title;
    for (const QString* extra : {&first.author, &first.copyright})
        if (!extra->isEmpty())
            title += QStringLiteral(" / ") + *extra;
    QStringList lines = {QStringLiteral("title: %1").arg(title),
                         QStringLiteral("input: %1").arg(first.inputMode == 1 ? QStringLiteral("kana") : QStringLiteral("alphabet"))};
    for (size_t i = 0; i < puzzles.size(); ++i) {
        lines << QString() << QStringLiteral("stage: %1").arg(i + 1) << QStringLiteral("level: 1") << QStringLiteral("grid:");
        for (const QString& row : puzzles[i].rows)
            lines << QStringLiteral("  ") + row;
        lines << QStringLiteral("across:");
        for (const QString& clue : puzzles[i].across)
            lines << QStringLiteral("  ") + clue;
        lines << QStringLiteral("down:");
        for (const QString& clue : puzzles[i].down)
            lines << QStringLiteral("  ") + clue;
    }
    return lines;
}

QByteArray StageToIpuz(const Crossword& x, int inputMode, const QString& title) {
    QJsonArray puzzle, solution;
    QJsonArray across, down;
    int number = 0;
    auto white = [&](int r, int c) { return x.Mas[x.Cell(r, c)].Kind != KindBlack; };
    for (int r = 1; r <= x.MasMaxY; ++r) {
        QJsonArray puzzleRow, solutionRow;
        for (int c = 1; c <= x.MasMaxX; ++c) {
            const MasRec& m = x.Mas[x.Cell(r, c)];
            if (!white(r, c)) {
                puzzleRow << QStringLiteral("#");
                solutionRow << QStringLiteral("#");
                continue;
            }
            QChar letter = m.Answer;
            if (letter.unicode() >= 0xFF21 && letter.unicode() <= 0xFF3A)
                letter = QChar(char16_t(letter.unicode() - 0xFF21 + u'A'));
            solutionRow << QString(letter);
            const bool starts = m.AcrossNo > 0 || m.DownNo > 0;
            if (!starts) {
                puzzleRow << 0;
                continue;
            }
            puzzleRow << ++number;
            if (m.AcrossNo > 0)
                across << QJsonArray{number, x.Ques[m.AcrossNo].QuesText};
            if (m.DownNo > 0)
                down << QJsonArray{number, x.Ques[m.DownNo].QuesText};
        }
        puzzle << puzzleRow;
        solution << solutionRow;
    }
    const QJsonObject root{
        {QStringLiteral("version"), QStringLiteral("http://ipuz.org/v2")},
        {QStringLiteral("kind"), QJsonArray{QStringLiteral("http://ipuz.org/crossword#1")}},
        {QStringLiteral("title"), title},
        {QStringLiteral("origin"), QStringLiteral("Kirune")},
        {QStringLiteral("dimensions"), QJsonObject{{QStringLiteral("width"), x.MasMaxX}, {QStringLiteral("height"), x.MasMaxY}}},
        {QStringLiteral("block"), QStringLiteral("#")},
        {QStringLiteral("empty"), 0},
        {QStringLiteral("charset"), inputMode == 1 ? QStringLiteral("アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲンガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポヴー")
                                                   : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")},
        {QStringLiteral("puzzle"), puzzle},
        {QStringLiteral("solution"), solution},
        {QStringLiteral("clues"), QJsonObject{{QStringLiteral("Across"), across}, {QStringLiteral("Down"), down}}},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

IpuzPuzzle ReadIpuzFile(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        return ReadIpuz(file.readAll());
    IpuzPuzzle unread;
    unread.error = QStringLiteral("cannot open it");
    return unread;
}

MadePlayFile ImportIpuzFile(const QString& ipuzPath, const QString& programFolder, const QString& folder) {
    const IpuzPuzzle puzzle = ReadIpuzFile(ipuzPath);
    if (!puzzle.error.isEmpty())
        return {QString(), puzzle.error};
    const QString name = QFileInfo(ipuzPath).completeBaseName();
    return WriteCollection(IpuzCollection({puzzle}, name), programFolder, QDir(folder).filePath(name + QStringLiteral(".vxl")),
                           Lint::Off);
}

}  // namespace kirune
