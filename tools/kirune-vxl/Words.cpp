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

// A loanword's first gloss: its English meaning, the language it came from when not English,
// and the word it came from when the dictionary names it ("part-time job (ger: Arbeit)",
// "office worker (wasei: salary man)").
struct Gloss {
    QString meaning, language, source;
    bool dialect = false;  // a word of a Japanese dialect ("ksb:" Kansai), no loanword
};

Gloss SplitGloss(QString gloss) {
    static const QHash<QString, QString> languages = {
        {QStringLiteral("eng"), QString()},           {QStringLiteral("wasei"), QStringLiteral("和製英語")},
        {QStringLiteral("ger"), QStringLiteral("ドイツ語")}, {QStringLiteral("fre"), QStringLiteral("フランス語")},
        {QStringLiteral("por"), QStringLiteral("ポルトガル語")}, {QStringLiteral("dut"), QStringLiteral("オランダ語")},
        {QStringLiteral("ita"), QStringLiteral("イタリア語")}, {QStringLiteral("spa"), QStringLiteral("スペイン語")},
        {QStringLiteral("rus"), QStringLiteral("ロシア語")},   {QStringLiteral("lat"), QStringLiteral("ラテン語")},
        {QStringLiteral("gre"), QStringLiteral("ギリシャ語")}, {QStringLiteral("chi"), QStringLiteral("中国語")},
        {QStringLiteral("kor"), QStringLiteral("韓国語")},   {QStringLiteral("ara"), QStringLiteral("アラビア語")}};
    static const QSet<QString> dialects = {QStringLiteral("ksb"), QStringLiteral("ktb"), QStringLiteral("kyb"), QStringLiteral("osb"),
                                           QStringLiteral("hsb"), QStringLiteral("nab"), QStringLiteral("rkb"), QStringLiteral("thb"),
                                           QStringLiteral("tsb"), QStringLiteral("tsug"), QStringLiteral("kyu"), QStringLiteral("hob")};
    Gloss g;
    bool named = false;
    for (qsizetype open = gloss.indexOf(u'('); open >= 0; open = gloss.indexOf(u'(', open + 1)) {
        for (const QString& item : gloss.mid(open + 1).section(u')', 0, 0).split(u',')) {
            const QString code = item.section(u':', 0, 0).trimmed();
            if (named || !item.contains(u':') || code.isEmpty() ||
                !std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'a' && c <= u'z'; }))
                continue;
            named = true;
            g.dialect = dialects.contains(code);
            g.language = languages.value(code, languages.contains(code) ? QString() : QStringLiteral("外国語"));
            g.source = item.section(u':', 1).trimmed();
        }
    }
    if (const qsizetype bracket = gloss.indexOf(u'('); bracket > 0)
        gloss = gloss.left(bracket);
    g.meaning = gloss.trimmed();
    return g;
}

// The sound of Latin letters as consonant classes, vowels and glides left out, so that a
// katakana word's romaji and the English word it came from compare: "sutaa" and "star", "mishin"
// and "machine" give the same key. English spelling says more than romaji: a soft c or g, "-tion"
// and "-dio" (ション, ジオ), a silent gh, and an r that ends a syllable and is silent in katakana.
QString SoundKey(const QString& latin, bool english) {
    const QString s = Letters(latin);
    auto at = [&](qsizetype i) { return i < s.size() ? s[i] : QChar(); };
    auto vowel = [](QChar c) { return !c.isNull() && QStringLiteral("aeiouy").contains(c); };
    QString key;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i], next = at(i + 1);
        QChar k;
        if ((c == u'c' || c == u't') && next == u'h') {
            k = u'C';
            ++i;
        } else if (c == u's' && next == u'h') {
            k = u'S';
            ++i;
        } else if (english && c == u'g' && next == u'h') {
            if (i++ > 0)
                continue;  // night, high; but ghost
            k = u'K';
        } else if (c == u'p' && next == u'h') {
            k = u'H';
            ++i;
        } else if (!english && c == u't' && next == u's') {
            k = u'T';
            ++i;
        } else if (english && c == u'c') {
            k = QStringLiteral("eiy").contains(next) ? u'S' : u'K';
        } else if (english && c == u'g') {
            k = QStringLiteral("eiy").contains(next) ? u'G' : u'K';  // gem or tiger
        } else if (english && i > 0 && (c == u't' || c == u'd') && next == u'i' && vowel(at(i + 2))) {
            k = u'S';
        } else if (c == u'x') {
            key += u'K';
            k = u'S';
        } else if (c == u'r' && english && (!vowel(next) || (next == u'e' && i + 2 == s.size()))) {
            continue;
        } else {
            static const QHash<QChar, QChar> classes = {
                {u'b', u'B'}, {u'v', u'B'}, {u'p', u'P'}, {u'f', u'H'}, {u'h', u'H'}, {u't', u'T'}, {u'd', u'T'},
                {u'k', u'K'}, {u'g', u'K'}, {u'q', u'K'}, {u'c', u'K'}, {u's', u'S'}, {u'z', u'S'}, {u'j', u'S'},
                {u'm', u'M'}, {u'n', u'N'}, {u'l', u'R'}, {u'r', u'R'}};
            k = classes.value(c);
        }
        if (!k.isNull() && !key.endsWith(k))
            key += k;
    }
    return key;
}

// How many sounds two keys share in order; "ch" is near both t and sh (チーム, "team"), an English
// g before e or i near both g and j, and n near m (ハンバーガー, "hamburger").
int CommonLength(const QString& a, const QString& b) {
    auto near = [](QChar x, QChar y) {
        auto one = [](QChar p, QChar q) {
            return (p == u'C' && (q == u'S' || q == u'T')) || (p == u'G' && (q == u'K' || q == u'S')) || (p == u'N' && q == u'M');
        };
        return x == y || one(x, y) || one(y, x);
    };
    std::vector<int> row(size_t(b.size() + 1), 0);
    for (QChar ca : a) {
        int diagonal = 0;
        for (qsizetype j = 0; j < b.size(); ++j) {
            const int above = row[size_t(j + 1)];
            row[size_t(j + 1)] = near(ca, b[j]) ? diagonal + 1 : std::max(row[size_t(j)], above);
            diagonal = above;
        }
    }
    return row.back();
}

// The English words of a gloss (any run of them) that sound most like the katakana, or nothing
// when none sounds like it: a Japanese word written in katakana (クマ, "bear") has none.
// An abbreviation (テレビ, "television") need only sound like the start of some of it; any word
// may, when the start holds two sounds or more.
QString SoundsLike(const QString& kana, const QStringList& glosses, bool abbreviation) {
    const QString kanaKey = SoundKey(Romaji(kana), false);
    if (kanaKey.isEmpty())
        return QString();
    QString best;
    double bestScore = 0.6;  // below this, a chance likeness
    for (const QString& gloss : glosses) {
        const QStringList words = SplitGloss(gloss).meaning.split(u' ', Qt::SkipEmptyParts);
        for (qsizetype first = 0; first < words.size(); ++first)
            for (qsizetype last = first; last < words.size(); ++last) {
                const QString run = words.mid(first, last - first + 1).join(u' ');
                QStringList keys = {SoundKey(run, true)};
                if (run.endsWith(QLatin1String("ing")))
                    keys << SoundKey(run.chopped(3), true);  // スキー, "skiing"
                else if (run.endsWith(u's'))
                    keys << SoundKey(run.chopped(1), true);  // ワイパー, "wipers"
                double score = 0;
                for (const QString& key : keys) {
                    const int common = CommonLength(kanaKey, key);
                    // A shortened word (プロ, "professional") sounds like the start of it.
                    const bool start = common == kanaKey.size() && (abbreviation || kanaKey.size() >= 2) &&
                                       CommonLength(kanaKey.left(2), key.left(2)) == std::min<qsizetype>(2, kanaKey.size());
                    score = std::max(score, start ? 1.0 : double(common) / double(std::max(kanaKey.size(), key.size())));
                }
                if (score >= bestScore + (best.isEmpty() ? 0.0 : 1e-9)) {
                    best = run;
                    bestScore = score;
                }
            }
    }
    return best;
}

// A name of a place, a people or a person: a gloss whose every word is capitalised ("Taiwan",
// "South Korea"); "Japanese-style room" is no name.
bool IsName(const QString& gloss) {
    const QStringList words = gloss.split(u' ', Qt::SkipEmptyParts);
    return !words.isEmpty() && std::all_of(words.begin(), words.end(), [](const QString& w) { return w[0].isUpper(); });
}

// The meaning of each gloss of a sense: "image (in one's mind)" is "image".
QStringList Meanings(const QStringList& sense) {
    QStringList out;
    for (const QString& gloss : sense)
        out << SplitGloss(gloss).meaning;
    return out;
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
    // A loanword's meaning in Japanese: the common school-kanji word of two or more characters
    // (one kanji has too many senses) whose first sense holds the loanword's first gloss and
    // leads with it or shares another; the most shared glosses first, then the fewest others.
    QHash<QString, std::vector<std::pair<const DictEntry*, QStringList>>> byGloss;
    if (kind == WordKind::Katakana)
        for (const DictEntry& e : entries) {
            const QString& h = e.headword;
            if (e.common && !e.firstSense.isEmpty() && h.size() >= 2 && h.size() <= 4 && IsKanji(h[0]) &&
                IsNounOrAdjective(e.firstSenseTags) && LevelOf(h, grades) <= 6 && !blocked.contains(h) &&
                std::all_of(h.begin(), h.end(), [](QChar c) { return IsKanji(c) || IsHiragana(c); }) &&
                std::none_of(e.firstSenseTags.begin(), e.firstSenseTags.end(), [](const QString& t) { return kUnwanted.contains(t); })) {
                const QStringList meanings = Meanings(e.firstSense);
                for (const QString& m : meanings)
                    byGloss[m].push_back({&e, meanings});
            }
        }
    auto japaneseFor = [&](const QStringList& meanings) {
        QString best;
        std::tuple<int, double, int, qsizetype> bestRank{0, 0.0, 0, 0};
        for (const QString& m : meanings)
            for (const auto& [entry, theirs] : byGloss.value(m)) {
                int shared = 0;
                for (const QString& mine : meanings)
                    shared += theirs.contains(mine);
                if (theirs.front() != meanings.front() || (shared < 2 && meanings.size() > 1 && theirs.size() > 1))
                    continue;  // another sense of the same English word ("diet" and the Diet's 議院)
                const int score = 2 * shared + 2 * (theirs.front() == meanings.front()) + 2 * theirs.contains(meanings.front()) +
                                  meanings.contains(theirs.front());
                const std::tuple<int, double, int, qsizetype> rank{score, double(shared) / double(theirs.size()),
                                                                   -LevelOf(entry->headword, grades), -entry->headword.size()};
                if (rank > bestRank || (rank == bestRank && entry->headword < best)) {
                    best = entry->headword;
                    bestRank = rank;
                }
            }
        return best;
    };

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
            if (!std::all_of(h.begin(), h.end(), IsKatakana) || !e.reading.isEmpty() ||
                IsName(SplitGloss(e.firstSense.front()).meaning))
                continue;
            // A loanword: the dictionary names its language, or its romaji sounds like an English
            // word of its gloss. A Japanese word written in katakana (クマ, ウソ) does neither.
            Gloss g = SplitGloss(e.firstSense.front());
            for (qsizetype i = 1; i < e.firstSense.size() && g.language.isEmpty() && g.source.isEmpty(); ++i)
                if (const Gloss other = SplitGloss(e.firstSense[i]); !other.source.isEmpty() || !other.language.isEmpty())
                    g = Gloss{g.meaning, other.language, other.source, other.dialect};
            const bool english = g.language.isEmpty() || g.language == QStringLiteral("和製英語");
            if (g.dialect || g.meaning.size() > 24)
                continue;
            if (english && g.source.isEmpty()) {
                if (e.firstSenseTags.contains(QStringLiteral("on-mim")))
                    continue;
                g.source = SoundsLike(h, e.firstSense, e.firstSenseTags.contains(QStringLiteral("abbr")));
                if (g.source.isEmpty())
                    continue;
            }
            if (Letters(g.source) == Romaji(h) || Letters(g.meaning) == Romaji(h))
                continue;  // karaoke: the word is Japanese and its gloss spells the answer
            w.answer = GridKana(h);
            w.reading = h;
            // The source word and a meaning in Japanese; the English gloss when the dictionary has
            // no Japanese word for it.
            const QString japanese = japaneseFor(Meanings(e.firstSense));
            const QString meaning = !japanese.isEmpty() ? japanese
                                    : g.meaning.compare(g.source, Qt::CaseInsensitive) == 0 ? QString()
                                                                                            : QStringLiteral("英語で「%1」").arg(g.meaning);
            const QString language = g.language.isEmpty() ? QStringLiteral("英語") : g.language;
            if (g.language == QStringLiteral("和製英語") && !g.source.isEmpty())
                w.clue = QStringLiteral("%1「%2」").arg(language, g.source);
            else if (!g.source.isEmpty())
                w.clue = QStringLiteral("%1の「%2」から").arg(language, g.source);
            else
                w.clue = QStringLiteral("%1から").arg(language);
            if (!meaning.isEmpty())
                w.clue += u'。' + meaning;
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
            w.clue.contains(w.answer) || (kind == WordKind::Katakana && w.clue.contains(w.reading)) ||  // フランス語から
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
