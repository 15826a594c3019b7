#include "author/WordList.h"

#include <QStringList>

namespace kirune {

QString GridKana(const QString& kana) {
    static const QString small = QStringLiteral("ァィゥェォッャュョヮヵヶ");
    static const QString full = QStringLiteral("アイウエオツヤユヨワカケ");
    QString out;
    for (QChar ch : kana) {
        if (ch.unicode() >= 0x3041 && ch.unicode() <= 0x3096)
            ch = QChar(char16_t(ch.unicode() + 0x60));
        const qsizetype at = small.indexOf(ch);
        out += at >= 0 ? full[at] : ch;
    }
    return out;
}

QString ListLine(const ListWord& word) {
    return QStringList{word.answer, word.clue, word.reading, QString::number(word.level), word.headword}.join(u'\t');
}

std::optional<ListWord> ParseListLine(const QString& line) {
    const QStringList fields = line.split(u'\t');
    if (fields.size() != 5 || fields[0].isEmpty())
        return std::nullopt;
    bool ok = false;
    const int level = fields[3].toInt(&ok);
    if (!ok || level < 1)
        return std::nullopt;
    return ListWord{fields[0], fields[1], fields[2], level, fields[4]};
}

}  // namespace kirune
