// talkc: compiles the game's talk source (UTF-8) into Talk/TalkIx.dat and Talk/TalkDt.dat.
//
// Source format:
//   # a comment line
//   talkers: ＃÷＋        the characters that open a talker's speech
//   [1211]               a talk with its number; "[]" is a talk without one, read by Talk 0
//   ＃〈…〉▼             the talk's mark-up; its lines are joined without separators, and
//                        blanks between commands are dropped
//
//   talkc SOURCE OUTPUT-FOLDER

#include "library/Cp932Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

struct SourceChar {
    QChar ch;
    int line;
};

struct SourceTalk {
    int number = 0;  // 0: no number
    int line = 0;
    std::vector<SourceChar> text;
};

class Compiler {
public:
    explicit Compiler(QString sourceName) : sourceName(std::move(sourceName)) {}

    bool Parse(const QStringList& lines);
    bool Check();
    bool Write(const QString& folder) const;
    int errors = 0;

private:
    void Error(int line, const QString& message) {
        std::fprintf(stderr, "%s:%d: %s\n", qUtf8Printable(sourceName), line, qUtf8Printable(message));
        ++errors;
    }
    void CheckTalk(const SourceTalk& talk);
    // The text up to the closing bracket, starting after the opening one; -1 when it is open.
    int Closing(const SourceTalk& talk, size_t from, QChar close) const;
    void CheckPlaceholders(const SourceTalk& talk, size_t from, size_t to);

    QString sourceName;
    QString talkers;
    std::vector<SourceTalk> talks;
};

const QString kPlaceholders = QStringLiteral("㊥◎①②③④⑤⑥⑦⑧⑨⑩");
const QString kCommands = QStringLiteral("【『⊿×※▼▽◆◇★☆¶");
constexpr int kBoxColumns = 24;  // half-width columns of one box line
constexpr int kBoxLines = 5;
constexpr int kMenuItems = 9;
constexpr int kMenuColumns = 16;  // half-width columns of one menu item

int Columns(QChar ch) {
    const char16_t u = ch.unicode();
    const bool half = u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F);
    return half ? 1 : 2;
}

bool Compiler::Parse(const QStringList& lines) {
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i];
        const int number = i + 1;
        if (line.startsWith(u'#'))
            continue;
        if (line.startsWith(QLatin1String("talkers:"))) {
            talkers = line.mid(8).trimmed();
            continue;
        }
        if (line.startsWith(u'[') && line.trimmed().endsWith(u']')) {
            const QString inside = line.trimmed().mid(1).chopped(1).trimmed();
            SourceTalk talk;
            talk.line = number;
            if (!inside.isEmpty()) {
                bool ok = false;
                talk.number = inside.toInt(&ok);
                if (!ok || talk.number <= 0) {
                    Error(number, QStringLiteral("\"%1\" is not a talk number").arg(inside));
                    continue;
                }
            }
            talks.push_back(talk);
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (talks.empty()) {
            Error(number, QStringLiteral("text before the first talk"));
            continue;
        }
        for (QChar ch : line)
            talks.back().text.push_back({ch, number});
    }
    return errors == 0;
}

int Compiler::Closing(const SourceTalk& talk, size_t from, QChar close) const {
    for (size_t i = from; i < talk.text.size(); ++i)
        if (talk.text[i].ch == close)
            return int(i);
    return -1;
}

void Compiler::CheckPlaceholders(const SourceTalk& talk, size_t from, size_t to) {
    for (QChar p : kPlaceholders) {
        int count = 0;
        for (size_t i = from; i < to; ++i)
            count += talk.text[i].ch == p;
        if (count > 1)
            Error(talk.text[from].line, QStringLiteral("placeholder %1 appears %2 times in one text").arg(p).arg(count));
    }
}

void Compiler::CheckTalk(const SourceTalk& talk) {
    QChar boxTalker;
    int boxLines = 0;
    size_t i = 0;
    while (i < talk.text.size()) {
        const QChar ch = talk.text[i].ch;
        const int line = talk.text[i].line;
        if (ch == u' ' || ch == u'\t') {
            ++i;
            continue;
        }
        if (talkers.contains(ch)) {
            const QChar open = i + 1 < talk.text.size() ? talk.text[i + 1].ch : QChar();
            if (open != u'〈' && open != u'《') {
                Error(line, QStringLiteral("talker %1 is not followed by 〈 or 《").arg(ch));
                ++i;
                continue;
            }
            const int close = Closing(talk, i + 2, open == u'〈' ? u'〉' : u'》');
            if (close < 0) {
                Error(line, QStringLiteral("%1 is never closed").arg(open));
                return;
            }
            CheckPlaceholders(talk, i + 2, size_t(close));
            if (ch != boxTalker) {
                boxTalker = ch;
                boxLines = 0;
            }
            int columns = 0;
            bool reported = false;
            ++boxLines;
            for (size_t k = i + 2; k < size_t(close); ++k) {
                if (talk.text[k].ch == u'　') {
                    columns = 0;
                    reported = false;
                    ++boxLines;
                    continue;
                }
                if (talk.text[k].ch == u'§')
                    continue;
                columns += Columns(talk.text[k].ch);
                if (columns > kBoxColumns && !reported) {
                    Error(talk.text[k].line, QStringLiteral("a phrase line is wider than a box line (12 full-width)"));
                    reported = true;
                }
            }
            if (boxLines == kBoxLines + 1)
                Error(line, QStringLiteral("the box of talker %1 grows past %2 lines").arg(ch).arg(kBoxLines));
            i = size_t(close) + 1;
            continue;
        }
        if (ch == u'〈' || ch == u'《') {
            Error(line, QStringLiteral("%1 without a registered talker before it").arg(ch));
            return;
        }
        if (ch == u'【' || ch == u'『') {
            const int close = Closing(talk, i + 1, ch == u'【' ? u'】' : u'』');
            if (close < 0) {
                Error(line, QStringLiteral("%1 is never closed").arg(ch));
                return;
            }
            if (ch == u'『') {
                CheckPlaceholders(talk, i + 1, size_t(close));
                int items = 1, columns = 0;
                for (size_t k = i + 1; k < size_t(close); ++k) {
                    if (talk.text[k].ch == u'／') {
                        ++items;
                        columns = 0;
                    } else if ((columns += Columns(talk.text[k].ch)) == kMenuColumns + 1 ||
                               (columns == kMenuColumns + 2 && Columns(talk.text[k].ch) == 2)) {
                        Error(talk.text[k].line, QStringLiteral("a menu item is wider than the menu (8 full-width)"));
                    }
                }
                if (items > kMenuItems)
                    Error(line, QStringLiteral("a menu of %1 items (at most %2)").arg(items).arg(kMenuItems));
            } else {
                int pieces = 1;
                for (size_t k = i + 1; k < size_t(close); ++k)
                    pieces += talk.text[k].ch == u'●';
                if (pieces > 11)
                    Error(line, QStringLiteral("a variable list of %1 pieces (at most 11)").arg(pieces));
            }
            i = size_t(close) + 1;
            continue;
        }
        if (ch == u'¶') {
            i += 2;
            continue;
        }
        if (ch == u'×' || ch == u'※')
            boxTalker = QChar();
        if (!kCommands.contains(ch))
            Error(line, QStringLiteral("\"%1\" is no command").arg(ch));
        ++i;
    }
}

bool Compiler::Check() {
    QMap<int, int> seen;
    for (const SourceTalk& talk : talks) {
        if (talk.number > 0) {
            if (seen.contains(talk.number))
                Error(talk.line, QStringLiteral("talk %1 is already defined at line %2").arg(talk.number).arg(seen[talk.number]));
            seen[talk.number] = talk.line;
        }
        for (const SourceChar& c : talk.text) {
            if (!kirune::EncodeCp932(QString(c.ch)))
                Error(c.line, QStringLiteral("\"%1\" has no CP932 code").arg(c.ch));
            if (c.ch == QChar(0x2234))
                Error(c.line, QStringLiteral("∴ ends a talk in the data files and cannot stand in one"));
        }
        CheckTalk(talk);
    }
    return errors == 0;
}

bool Compiler::Write(const QString& folder) const {
    QByteArray data, index;
    int maxNumber = 0;
    for (const SourceTalk& talk : talks)
        maxNumber = std::max(maxNumber, talk.number);
    index.fill('\0', qsizetype(maxNumber) * 4);
    // Chunks of varying sizes, cut only between characters, so the reader's joining of
    // chunks is exercised by the game's own data.
    const int sizes[] = {5, 11, 23, 47, 97, 200};
    int next = 0;
    for (const SourceTalk& talk : talks) {
        if (talk.number > 0)
            qToLittleEndian<qint32>(qint32(data.size() + 1), index.data() + (talk.number - 1) * 4);
        QString text;
        for (const SourceChar& c : talk.text)
            if (c.ch != u' ' && c.ch != u'\t')
                text += c.ch;
        text += QChar(0x2234);
        QByteArray chunk;
        auto flush = [&] {
            uchar length[2];
            qToLittleEndian<quint16>(quint16(chunk.size()), length);
            data += QByteArray(reinterpret_cast<const char*>(length), 2) + chunk;
            chunk.clear();
        };
        for (qsizetype k = 0; k < text.size(); ++k) {
            const QByteArray bytes = *kirune::EncodeCp932(QString(text[k]));
            if (!chunk.isEmpty() && chunk.size() + bytes.size() > sizes[next % 6]) {
                // A chunk may not end in "∴" before the talk does.
                flush();
                ++next;
            }
            chunk += bytes;
        }
        flush();
    }
    QDir().mkpath(folder);
    QFile ix(folder + QStringLiteral("/TalkIx.dat")), dt(folder + QStringLiteral("/TalkDt.dat"));
    return ix.open(QIODevice::WriteOnly) && ix.write(index) == index.size() && dt.open(QIODevice::WriteOnly) &&
           dt.write(data) == data.size();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: talkc SOURCE OUTPUT-FOLDER\n");
        return 2;
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "talkc: cannot open %s\n", qUtf8Printable(args[1]));
        return 1;
    }
    Compiler compiler(args[1]);
    const QStringList lines = kirune::SplitLines(QString::fromUtf8(source.readAll()));
    if (!compiler.Parse(lines) || !compiler.Check())
        return 1;
    if (!compiler.Write(args[2])) {
        std::fprintf(stderr, "talkc: cannot write into %s\n", qUtf8Printable(args[2]));
        return 1;
    }
    return 0;
}
