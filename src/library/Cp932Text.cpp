#include "library/Cp932Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace kirune {

namespace {

// The tables of Qt's "Shift_JIS" codec, which is ICU's CP932 (it keeps ～ ① ㊥ and 0x5C as "\"),
// written at build time by tools/cp932table: read here without ICU, which would map a megabyte
// of converter code and data for them.
#include "library/Cp932Table.inc"

constexpr char16_t kLead = 0xFFFF, kNotText = 0xFFFE, kUnassigned = 0xFFFD;
constexpr QChar kSubstitute(0x1A);

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
    // As the codec reads bytes that are all there is: a byte that is not CP932, or a first byte
    // that the next cannot follow (the next is then read on its own), reads as U+001A; a well
    // formed pair with no character as U+FFFD; a first byte at the very end as nothing.
    QString text;
    text.reserve(bytes.size());
    bool clean = true;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto b = uchar(bytes[i]);
        const char16_t single = kSingleByte[b];
        if (single != kLead) {
            clean = clean && single != kNotText;
            text += single == kNotText ? kSubstitute : QChar(single);
            continue;
        }
        if (i + 1 == n) {
            clean = false;
            break;
        }
        const char16_t pair = kPair[kLeadIndex[b] * 256 + uchar(bytes[i + 1])];
        clean = clean && pair != kNotText && pair != kUnassigned;
        if (pair == kNotText) {
            text += kSubstitute;
            continue;
        }
        text += QChar(pair);
        ++i;
    }
    if (ok)
        *ok = clean;
    return text;
}

QString DecodeCp932Line(const QByteArray& bytes, bool* ok) {
    bool clean = true;
    QString text = DecodeCp932(bytes, &clean);
    if (!clean) {
        text.clear();
        auto lead = [](uchar b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
        auto trail = [](uchar b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; };
        for (qsizetype i = 0; i < bytes.size();) {
            const uchar b = uchar(bytes[i]);
            const qsizetype length = lead(b) && i + 1 < bytes.size() && trail(uchar(bytes[i + 1])) ? 2 : 1;
            bool one = true;
            const QString ch = DecodeCp932(bytes.mid(i, length), &one);
            text += one ? ch : QStringLiteral("・");
            i += length;
        }
    }
    if (ok)
        *ok = clean;
    return text;
}

std::optional<QByteArray> EncodeCp932(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // The codec holds back a high surrogate that ends the text, waiting for the low one.
        if (i + 1 == text.size() && text[i].isHighSurrogate())
            break;
        const auto* at = std::lower_bound(std::begin(kEncodedChar), std::end(kEncodedChar), c);
        if (at == std::end(kEncodedChar) || *at != c)
            return std::nullopt;
        const quint16 code = kEncodedAs[at - std::begin(kEncodedChar)];
        if (code > 0xFF)
            bytes += char(code >> 8);
        bytes += char(code & 0xFF);
    }
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
    if (clean)
        return result;
    // Decode line by line so that a stray byte costs one character, not the file. A trail byte
    // is never CR or LF, so the lines split the same before decoding as after.
    result.lines.clear();
    const QList<QByteArray> lines = SplitByteLines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bool ok = true;
        result.lines.append(DecodeCp932Line(lines[i], &ok));
        if (!ok)
            result.badLines.append(int(i + 1));
    }
    return result;
}

bool WriteTextFile(const QString& path, const QStringList& lines) {
    return WriteLines(path, lines, QIODevice::WriteOnly | QIODevice::Truncate);
}

bool AppendTextFile(const QString& path, const QStringList& lines) {
    return WriteLines(path, lines, QIODevice::WriteOnly | QIODevice::Append);
}

QList<QByteArray> SplitByteLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char ch = bytes[i];
        if (ch != '\r' && ch != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (ch == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

std::optional<QList<QByteArray>> ReadByteLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return SplitByteLines(file.readAll());
}

bool ReplaceFileAtomically(const QString& path, const QString& scratchPath, const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    const QByteArray scratch = QFile::encodeName(scratchPath);
    // A scratch file left by a crash is removed, not reused: what stands under its name may be
    // a link into someone else's file (the temporary folder can be shared), never to be written.
    ::unlink(scratch.constData());
    const int fd = ::open(scratch.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n <= 0)
            break;
        written += n;
    }
    const bool ok = written == bytes.size() && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok || std::rename(scratch.constData(), QFile::encodeName(path).constData()) != 0) {
        ::unlink(scratch.constData());
        return false;
    }
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

}  // namespace kirune
