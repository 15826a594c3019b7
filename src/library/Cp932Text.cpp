#include "library/Cp932Text.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace kirune {

namespace {

// Qt's "Shift_JIS" codec is ICU's table, which is CP932 (it keeps ～ ① ㊥ and 0x5C as "\").
constexpr const char* kCodec = "Shift_JIS";

bool WriteLines(const QString& path, const QStringList& lines, QIODevice::OpenMode mode) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    const auto bytes = EncodeCp932(text);
    if (!bytes)
        return false;
    QFile file(path);
    if (!file.open(mode))
        return false;
    return file.write(*bytes) == bytes->size() && file.flush();
}

}  // namespace

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text[i];
        if (ch != u'\r' && ch != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (ch == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString DecodeCp932(const QByteArray& bytes, bool* ok) {
    QStringDecoder decoder(kCodec);
    QString text = decoder(bytes);
    if (ok)
        *ok = !decoder.hasError();
    return text;
}

std::optional<QByteArray> EncodeCp932(const QString& text) {
    QStringEncoder encoder(kCodec);
    QByteArray bytes = encoder(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<TextFile> ReadTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    bool clean = true;
    TextFile result;
    result.lines = SplitLines(DecodeCp932(bytes, &clean));
    if (!clean) {
        // Find the line that holds the bad bytes, for a report that says where to look.
        for (int i = 0; i < result.lines.size(); ++i)
            if (result.lines[i].contains(QChar(0xFFFD)) || result.lines[i].contains(QChar(0x1A))) {
                result.badLine = i + 1;
                break;
            }
        if (result.badLine == 0)
            result.badLine = int(result.lines.size());
    }
    return result;
}

bool WriteTextFile(const QString& path, const QStringList& lines) {
    return WriteLines(path, lines, QIODevice::WriteOnly | QIODevice::Truncate);
}

bool AppendTextFile(const QString& path, const QStringList& lines) {
    return WriteLines(path, lines, QIODevice::WriteOnly | QIODevice::Append);
}

}  // namespace kirune
