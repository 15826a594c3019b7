// romakana: checks the romaji-to-kana table source (UTF-8) and writes it as the CP932 file the
// keypad reads: a heading, the 17 doubling letters, a heading, then 6 one-key, 97 two-key and
// 122 three-key rows. Lines starting with "#" in the source are notes and are not written.
//
//   romakana SOURCE.csv OUTPUT.txt

#include "library/Cp932Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace {

constexpr int kDoubling = 17;
constexpr int kGroups[3] = {6, 97, 122};

bool FullSizeKatakana(const QString& text) {
    static const QString small = QStringLiteral("ァィゥェォッャュョヮヵヶ");
    if (text.isEmpty())
        return false;
    for (QChar ch : text)
        if (ch.unicode() < 0x30A1 || ch.unicode() > 0x30FC || small.contains(ch) || ch == u'・')
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: romakana SOURCE.csv OUTPUT.txt\n");
        return 2;
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "romakana: cannot open %s\n", qUtf8Printable(args[1]));
        return 1;
    }
    int errors = 0;
    auto error = [&](int line, const QString& message) {
        std::fprintf(stderr, "%s:%d: %s\n", qUtf8Printable(args[1]), line, qUtf8Printable(message));
        ++errors;
    };
    QStringList out;
    QList<int> lineOf;
    const QStringList lines = kirune::SplitLines(QString::fromUtf8(source.readAll()));
    for (int i = 0; i < lines.size(); ++i)
        if (!lines[i].startsWith(u'#') && !lines[i].trimmed().isEmpty()) {
            out << lines[i];
            lineOf << i + 1;
        }
    if (out.size() != 3 + kGroups[0] + kGroups[1] + kGroups[2]) {
        error(lines.size(), QStringLiteral("%1 lines; the table needs 3 heading lines and 225 rows").arg(out.size()));
        return 1;
    }
    const QStringList doubling = out[1].split(u',').mid(1);
    if (doubling.size() != kDoubling)
        error(lineOf[1], QStringLiteral("%1 doubling letters (17 needed)").arg(doubling.size()));
    int row = 3;
    for (int group = 0; group < 3; ++group) {
        QSet<QString> keys;
        for (int k = 0; k < kGroups[group]; ++k, ++row) {
            const QStringList fields = out[row].split(u',');
            const int line = lineOf[row];
            if (fields.size() != 5) {
                error(line, QStringLiteral("%1 fields (5 needed)").arg(fields.size()));
                continue;
            }
            const QString& key = fields[1];
            if (key.size() != group + 1)
                error(line, QStringLiteral("key %1 belongs to the %2-key rows").arg(key).arg(key.size()));
            if (keys.contains(key))
                error(line, QStringLiteral("key %1 is already in this group").arg(key));
            keys.insert(key);
            if (fields[2].isEmpty() || fields[2].size() > 2)
                error(line, QStringLiteral("the keypad shows one or two characters, not \"%1\"").arg(fields[2]));
            if (!FullSizeKatakana(fields[3]))
                error(line, QStringLiteral("\"%1\" is not full-size katakana for the grid").arg(fields[3]));
        }
    }
    for (int i = 0; i < out.size(); ++i)
        if (!kirune::EncodeCp932(out[i]))
            error(lineOf[i], QStringLiteral("a character without a CP932 code"));
    if (errors)
        return 1;
    QDir().mkpath(QFileInfo(args[2]).absolutePath());
    if (!kirune::WriteTextFile(args[2], out)) {
        std::fprintf(stderr, "romakana: cannot write %s\n", qUtf8Printable(args[2]));
        return 1;
    }
    return 0;
}
