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
#include "talk/Markup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QtEndian>

#include <cstdio>
#include <vector>

using namespace kirune;

namespace {

struct SourceTalk {
    int number = 0;  // 0: no number
    int line = 0;
    QString text;
    std::vector<int> lines;  // the source line of each character of the text
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
    // The box a talker's phrases fill, as far as the source shows: × and ※ close it.
    struct Box {
        QChar talker;
        int lines = 0;
    };
    void CheckTalk(const SourceTalk& talk);
    // Reports a fault of the mark-up; false when the rest of the talk cannot be read.
    bool Report(const SourceTalk& talk, int line, const MarkupFault& fault);
    void CheckPhrase(const SourceTalk& talk, const MarkupToken& phrase, int line, Box& box);
    void CheckMenu(const SourceTalk& talk, const MarkupToken& menu, int line);
    void CheckPlaceholders(const SourceTalk& talk, const MarkupToken& token);

    QString sourceName;
    QString talkers;
    std::vector<SourceTalk> talks;
};

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
        talks.back().text += line;
        talks.back().lines.insert(talks.back().lines.end(), line.size(), number);
    }
    return errors == 0;
}

void Compiler::CheckPlaceholders(const SourceTalk& talk, const MarkupToken& token) {
    for (QChar p : kPlaceholders) {
        const qsizetype count = token.text.count(p);
        if (count > 1)
            Error(talk.lines[token.textAt], QStringLiteral("placeholder %1 appears %2 times in one text").arg(p).arg(count));
    }
}

void Compiler::CheckMenu(const SourceTalk& talk, const MarkupToken& menu, int line) {
    CheckPlaceholders(talk, menu);
    qsizetype at = menu.textAt;
    for (const QString& item : menu.parts) {
        int columns = 0;
        for (QChar ch : item) {
            columns += Columns(ch);
            if (columns == kMenuColumns + 1 || (columns == kMenuColumns + 2 && Columns(ch) == 2))
                Error(talk.lines[at], QStringLiteral("a menu item is wider than the menu (8 full-width)"));
            ++at;
        }
        ++at;  // the ／
    }
    if (menu.parts.size() > kMenuItems)
        Error(line, QStringLiteral("a menu of %1 items (at most %2)").arg(menu.parts.size()).arg(kMenuItems));
}

bool Compiler::Report(const SourceTalk& talk, int line, const MarkupFault& fault) {
    const QChar ch = talk.text[fault.at];
    switch (fault.kind) {
    case MarkupError::TalkerWithoutBracket:
        Error(line, QStringLiteral("talker %1 is not followed by 〈 or 《").arg(ch));
        return true;
    case MarkupError::UnknownCharacter: Error(line, QStringLiteral("\"%1\" is no command").arg(ch)); return true;
    case MarkupError::NeverClosed: Error(line, QStringLiteral("%1 is never closed").arg(ch)); return false;
    case MarkupError::BracketWithoutTalker:
        Error(line, QStringLiteral("%1 without a registered talker before it").arg(ch));
        return false;
    }
    return false;
}

void Compiler::CheckPhrase(const SourceTalk& talk, const MarkupToken& phrase, int line, Box& box) {
    CheckPlaceholders(talk, phrase);
    if (phrase.lead != box.talker)
        box = {phrase.lead, 0};
    int columns = 0;
    bool reported = false;
    ++box.lines;
    for (qsizetype k = 0; k < phrase.text.size(); ++k) {
        const QChar ch = phrase.text[k];
        if (ch == u'　') {
            columns = 0;
            reported = false;
            ++box.lines;
            continue;
        }
        if (ch == u'§')
            continue;
        columns += Columns(ch);
        if (columns > kBoxColumns && !reported) {
            Error(talk.lines[phrase.textAt + k], QStringLiteral("a phrase line is wider than a box line (12 full-width)"));
            reported = true;
        }
    }
    if (box.lines == kBoxLines + 1)
        Error(line, QStringLiteral("the box of talker %1 grows past %2 lines").arg(phrase.lead).arg(kBoxLines));
}

void Compiler::CheckTalk(const SourceTalk& talk) {
    Box box;
    qsizetype i = 0;
    while (i < talk.text.size()) {
        const int line = talk.lines[i];
        if (talk.text[i] == u' ' || talk.text[i] == u'\t') {
            ++i;
            continue;
        }
        const auto read = ReadToken(talk.text, i, talkers);
        if (!read) {
            if (!Report(talk, line, *read.error))
                return;
            ++i;
            continue;
        }
        const MarkupToken& token = read.value;
        switch (token.kind) {
        case TokenKind::Phrase: CheckPhrase(talk, token, line, box); break;
        case TokenKind::Menu: CheckMenu(talk, token, line); break;
        case TokenKind::Variables:
            if (token.parts.size() > 11)
                Error(line, QStringLiteral("a variable list of %1 pieces (at most 11)").arg(token.parts.size()));
            break;
        case TokenKind::Command:
            if (token.lead == u'×' || token.lead == u'※')
                box = {};
            break;
        case TokenKind::WaitLength:
        case TokenKind::End:  // refused by Check wherever it stands
            break;
        }
        i = token.next;
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
        for (qsizetype k = 0; k < talk.text.size(); ++k) {
            const QChar ch = talk.text[k];
            if (!EncodeCp932(QString(ch)))
                Error(talk.lines[k], QStringLiteral("\"%1\" has no CP932 code").arg(ch));
            if (ch == QChar(0x2234))
                Error(talk.lines[k], QStringLiteral("∴ ends a talk in the data files and cannot stand in one"));
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
        QString text = talk.text;
        text.remove(u' ').remove(u'\t');
        text += QChar(0x2234);
        QByteArray chunk;
        auto flush = [&] {
            uchar length[2];
            qToLittleEndian<quint16>(quint16(chunk.size()), length);
            data += QByteArray(reinterpret_cast<const char*>(length), 2) + chunk;
            chunk.clear();
        };
        for (qsizetype k = 0; k < text.size(); ++k) {
            const QByteArray bytes = *EncodeCp932(QString(text[k]));
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
    const QStringList lines = SplitLines(QString::fromUtf8(source.readAll()));
    if (!compiler.Parse(lines) || !compiler.Check())
        return 1;
    if (!compiler.Write(args[2])) {
        std::fprintf(stderr, "talkc: cannot write into %s\n", qUtf8Printable(args[2]));
        return 1;
    }
    return 0;
}
