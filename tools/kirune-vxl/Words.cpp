#include "kirune-vxl/Words.h"

#include "library/Cp932Text.h"

#include <algorithm>
#include <map>

namespace kirune {

namespace {

bool IsKanji(QChar ch) { return (ch.unicode() >= 0x4E00 && ch.unicode() <= 0x9FFF) || ch == u'々'; }
bool IsHiragana(QChar ch) { return ch.unicode() >= 0x3041 && ch.unicode() <= 0x3096; }
bool IsKatakana(QChar ch) { return (ch.unicode() >= 0x30A1 && ch.unicode() <= 0x30FA) || ch == u'ー'; }

// Tags of a first sense that keep a word out of a puzzle: old, rare, rude or slangy words, and
// spellings the dictionary itself calls irregular.
const QSet<QString> kUnwanted = {QStringLiteral("arch"),   QStringLiteral("obs"),     QStringLiteral("obsc"),
                                 QStringLiteral("vulg"),   QStringLiteral("X"),       QStringLiteral("sl"),
                                 QStringLiteral("derog"),  QStringLiteral("male-sl"), QStringLiteral("fem-sl"),
                                 QStringLiteral("col"),    QStringLiteral("rare"),    QStringLiteral("iK"),
                                 QStringLiteral("ik"),     QStringLiteral("oK"),      QStringLiteral("ok"),
                                 QStringLiteral("io"),     QStringLiteral("exp"),     QStringLiteral("pref"),
                                 QStringLiteral("suf"),    QStringLiteral("ctr"),     QStringLiteral("num"),
                                 QStringLiteral("int"),    QStringLiteral("conj"),    QStringLiteral("prt")};

bool IsNounOrAdjective(const QStringList& tags) {
    return tags.contains(QStringLiteral("n")) || tags.contains(QStringLiteral("adj-i")) ||
           tags.contains(QStringLiteral("adj-na"));
}

// The leading "(…)" groups of a gloss, taken off it.
QStringList TakeTags(QString& gloss) {
    QStringList groups;
    gloss = gloss.trimmed();
    while (gloss.startsWith(u'(') || gloss.startsWith(u'{')) {
        const QChar close = gloss.startsWith(u'(') ? u')' : u'}';
        const qsizetype end = gloss.indexOf(close);
        if (end < 0)
            break;
        groups << gloss.mid(1, end - 1);
        gloss = gloss.mid(end + 1).trimmed();
    }
    return groups;
}

// A plain Hepburn spelling of kana, enough to tell a Japanese word written in katakana from a
// loanword by comparing it with the English gloss.
QString Romaji(const QString& kana) {
    static const QString rows = QStringLiteral("アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤイユエヨラリルレロワイウエヲ"
                                               "ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ");
    static const char* const sounds[] = {
        "a",  "i",  "u",  "e",  "o",  "ka", "ki", "ku", "ke", "ko", "sa", "shi", "su", "se", "so", "ta", "chi",
        "tsu", "te", "to", "na", "ni", "nu", "ne", "no", "ha", "hi", "fu", "he", "ho", "ma", "mi", "mu", "me",
        "mo", "ya", "i",  "yu", "e",  "yo", "ra", "ri", "ru", "re", "ro", "wa", "i",  "u",  "e",  "o",  "ga",
        "gi", "gu", "ge", "go", "za", "ji", "zu", "ze", "zo", "da", "ji", "zu", "de", "do", "ba", "bi", "bu",
        "be", "bo", "pa", "pi", "pu", "pe", "po"};
    static const QString smallY = QStringLiteral("ャュョ"), smallVowel = QStringLiteral("ァィゥェォ");
    QString out;
    bool doubleNext = false;
    for (QChar ch : kana) {
        if (IsHiragana(ch))
            ch = QChar(char16_t(ch.unicode() + 0x60));
        if (ch == u'ッ') {
            doubleNext = true;
            continue;
        }
        if (const qsizetype y = smallY.indexOf(ch); y >= 0 && out.endsWith(u'i')) {
            out.chop(1);
            const bool palatal = out.endsWith(QLatin1String("sh")) || out.endsWith(QLatin1String("ch")) || out.endsWith(u'j');
            out += QString::fromLatin1(palatal ? "auo" + y : "yayuyo" + 2 * y, palatal ? 1 : 2);
            continue;
        }
        if (const qsizetype v = smallVowel.indexOf(ch); v >= 0 && !out.isEmpty()) {
            out.chop(1);
            out += QChar(char16_t(u"aiueo"[v]));
            continue;
        }
        if (ch == u'ン') {
            out += u'n';
            continue;
        }
        const qsizetype at = rows.indexOf(ch);
        if (at < 0)
            continue;
        QString sound = QString::fromLatin1(sounds[at]);
        if (doubleNext)
            sound.prepend(sound[0]);
        doubleNext = false;
        out += sound;
    }
    return out;
}

// Letters only, lower case: "ice-cream" and "ice cream" compare as "icecream".
QString Letters(const QString& text) {
    QString out;
    for (QChar ch : text.toLower())
        if (ch >= u'a' && ch <= u'z')
            out += ch;
    return out;
}

// The first gloss of a sense that is one English word of 3–11 letters, "to", articles and a
// trailing remark in brackets taken off.
QString SingleWord(const QStringList& sense) {
    for (QString gloss : sense) {
        const qsizetype bracket = gloss.indexOf(u'(');
        if (bracket > 0)
            gloss = gloss.left(bracket);
        gloss = gloss.trimmed();
        for (const char* lead : {"to ", "a ", "an ", "the "})
            if (gloss.startsWith(QLatin1String(lead)))
                gloss = gloss.mid(int(qstrlen(lead)));
        if (gloss.size() < 3 || gloss.size() > 11)
            continue;
        if (std::all_of(gloss.begin(), gloss.end(), [](QChar ch) { return ch >= u'a' && ch <= u'z'; }))
            return gloss.toUpper();
    }
    return QString();
}

// A gloss of a loanword: its English meaning, and the language and word it came from when the
// dictionary names them ("part-time job (ger: Arbeit)").
struct Gloss {
    QString meaning, language, source;
};

Gloss SplitGloss(QString gloss) {
    static const QHash<QString, QString> languages = {
        {QStringLiteral("eng"), QString()},           {QStringLiteral("ger"), QStringLiteral("ドイツ語")},
        {QStringLiteral("fre"), QStringLiteral("フランス語")}, {QStringLiteral("por"), QStringLiteral("ポルトガル語")},
        {QStringLiteral("dut"), QStringLiteral("オランダ語")}, {QStringLiteral("ita"), QStringLiteral("イタリア語")},
        {QStringLiteral("spa"), QStringLiteral("スペイン語")}, {QStringLiteral("rus"), QStringLiteral("ロシア語")},
        {QStringLiteral("lat"), QStringLiteral("ラテン語")},   {QStringLiteral("gre"), QStringLiteral("ギリシャ語")}};
    Gloss g;
    const qsizetype bracket = gloss.indexOf(u'(');
    if (bracket > 0) {
        const QString remark = gloss.mid(bracket + 1).section(u')', 0, 0);
        gloss = gloss.left(bracket).trimmed();
        const qsizetype colon = remark.indexOf(u':');
        if (colon == 3) {
            const QString code = remark.left(3);
            g.language = languages.value(code, languages.contains(code) ? QString() : QStringLiteral("外国語"));
            if (!g.language.isEmpty())
                g.source = remark.mid(4).trimmed();
        }
    }
    g.meaning = gloss;
    return g;
}

// A name of a place, a people or a person: a gloss whose every word is capitalised ("Taiwan",
// "South Korea"); "Japanese-style room" is no name.
bool IsName(const QString& gloss) {
    const QStringList words = gloss.split(u' ', Qt::SkipEmptyParts);
    return !words.isEmpty() && std::all_of(words.begin(), words.end(), [](const QString& w) { return w[0].isUpper(); });
}

int LevelOf(const QString& headword, const QHash<QChar, int>& grades) {
    int level = 1;
    for (QChar ch : headword)
        if (IsKanji(ch))
            level = std::max(level, grades.value(ch, 7));
    return level;
}

}  // namespace

std::optional<DictEntry> ParseDictLine(const QString& line) {
    const qsizetype slash = line.indexOf(QLatin1String(" /"));
    if (slash <= 0)
        return std::nullopt;
    DictEntry entry;
    const QString head = line.left(slash);
    const qsizetype bracket = head.indexOf(QLatin1String(" ["));
    if (bracket > 0) {
        entry.headword = head.left(bracket);
        entry.reading = head.mid(bracket + 2).chopped(1);
    } else {
        entry.headword = head;
    }
    int sense = 1;
    for (QString gloss : line.mid(slash + 2).split(u'/', Qt::SkipEmptyParts)) {
        if (gloss == QLatin1String("(P)")) {
            entry.common = true;
            continue;
        }
        if (gloss.startsWith(QLatin1String("EntL")))
            continue;
        QStringList tags;
        for (const QString& group : TakeTags(gloss)) {
            bool number = false;
            const int n = group.toInt(&number);
            if (number)
                sense = n;
            else
                tags << group.split(u',');
        }
        for (const QString& tag : tags)
            entry.tags.insert(tag);
        if (sense != 1)
            continue;
        entry.firstSenseTags << tags;
        if (!gloss.isEmpty())
            entry.firstSense << gloss;
    }
    return entry;
}

QHash<QChar, int> ParseKanjiGrades(const QStringList& lines) {
    QHash<QChar, int> grades;
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        for (const QString& field : line.split(u' ')) {
            if (field.size() == 2 && field[0] == u'G' && field[1] >= u'1' && field[1] <= u'6') {
                grades.insert(line[0], field[1].digitValue());
                break;
            }
        }
    }
    return grades;
}

std::vector<ListWord> SelectWords(const std::vector<DictEntry>& entries, WordKind kind,
                                  const QHash<QChar, int>& grades, const QSet<QString>& blocked) {
    // A headword read more than one way gives no single answer for its kanji.
    QHash<QString, QSet<QString>> readings;
    for (const DictEntry& e : entries)
        readings[e.headword].insert(e.reading);
    // A loanword's meaning in Japanese: a common kanji word glossed the same way.
    QHash<QString, QString> kanjiFor;
    if (kind == WordKind::Katakana)
        for (const DictEntry& e : entries)
            if (e.common && !e.firstSense.isEmpty() && e.headword.size() >= 2 && e.headword.size() <= 3 &&
                std::all_of(e.headword.begin(), e.headword.end(), IsKanji))
                kanjiFor.insert(e.firstSense.front().toLower(), e.headword);

    std::vector<ListWord> found;
    for (const DictEntry& e : entries) {
        if (!e.common || e.firstSense.isEmpty() || !IsNounOrAdjective(e.firstSenseTags) ||
            std::any_of(e.firstSenseTags.begin(), e.firstSenseTags.end(),
                        [](const QString& t) { return kUnwanted.contains(t); }) ||
            blocked.contains(e.headword) || IsName(e.firstSense.front()))
            continue;
        const QString& h = e.headword;
        ListWord w;
        w.headword = h;
        switch (kind) {
        case WordKind::Kanji: {
            if (!IsKanji(h[0]) || !std::all_of(h.begin(), h.end(), [](QChar c) { return IsKanji(c) || IsHiragana(c); }) ||
                readings[h].size() != 1 || e.reading.isEmpty() ||
                !std::all_of(e.reading.begin(), e.reading.end(), IsHiragana))
                continue;
            w.answer = GridKana(e.reading);
            w.clue = h;
            w.reading = e.reading;
            w.level = LevelOf(h, grades);
            break;
        }
        case WordKind::Katakana: {
            if (!std::all_of(h.begin(), h.end(), IsKatakana) || !e.reading.isEmpty() || e.tags.contains(QStringLiteral("abbr")))
                continue;
            const Gloss g = SplitGloss(e.firstSense.front());
            if (Letters(g.meaning) == Romaji(h) || g.meaning.size() > 24)
                continue;  // a Japanese word written in katakana: its gloss spells the answer
            w.answer = GridKana(h);
            w.reading = h;
            const QString kanji = kanjiFor.value(g.meaning.toLower());
            const QString meaning = QStringLiteral("英語で「%1」").arg(g.meaning) +
                                    (kanji.isEmpty() ? QString() : QStringLiteral("（%1）").arg(kanji));
            if (g.language.isEmpty())
                w.clue = meaning;
            else if (g.source.isEmpty())
                w.clue = QStringLiteral("%1から。%2").arg(g.language, meaning);
            else
                w.clue = QStringLiteral("%1の「%2」から。%3").arg(g.language, g.source, meaning);
            w.level = std::clamp(int(w.answer.size()) - 1, 1, 6);
            break;
        }
        case WordKind::English: {
            // Nouns translate to nouns, adjectives to adjectives; an adverb's gloss ends in -ly.
            if (!std::all_of(h.begin(), h.end(), [](QChar c) { return IsKanji(c) || IsHiragana(c); }) ||
                e.firstSenseTags.contains(QStringLiteral("adv")) || e.firstSenseTags.contains(QStringLiteral("pn")))
                continue;
            w.answer = SingleWord(e.firstSense);
            const QString kana = e.reading.isEmpty() ? h : e.reading;
            if (w.answer.isEmpty() || Letters(w.answer) == Romaji(kana))
                continue;  // tsunami, sushi: the reading spells the English word
            w.reading = kana;
            w.clue = e.reading.isEmpty() ? h : QStringLiteral("%1（%2）").arg(h, e.reading);
            w.level = LevelOf(h, grades);
            break;
        }
        }
        // A play file's word line is CP932 text split at commas, and the clue panel holds 112
        // half-width places.
        w.clue.replace(u',', u'、');
        int width = 0;
        for (QChar ch : w.clue)
            width += ch.unicode() < 0x80 ? 1 : 2;
        if (w.answer.size() < 2 || w.answer.size() > 11 || blocked.contains(w.answer) || width > 100 ||
            !EncodeCp932(w.clue) || !EncodeCp932(w.reading) || !EncodeCp932(w.headword))
            continue;
        found.push_back(std::move(w));
    }
    // Each answer once: the easiest, shortest headword of it.
    std::sort(found.begin(), found.end(), [](const ListWord& a, const ListWord& b) {
        return std::tuple(a.answer, a.level, a.headword.size(), a.headword) <
               std::tuple(b.answer, b.level, b.headword.size(), b.headword);
    });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const ListWord& a, const ListWord& b) { return a.answer == b.answer; }),
                found.end());
    std::stable_sort(found.begin(), found.end(), [](const ListWord& a, const ListWord& b) { return a.level < b.level; });
    return found;
}

}  // namespace kirune
