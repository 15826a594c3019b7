#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kirune {

// Every text file the game reads or writes is code page 932 with CR LF line ends.
struct TextFile {
    QStringList lines;
    // 1-based line of the first byte sequence that is not CP932, 0 when all decoded cleanly.
    int badLine = 0;
};

// Splits at CR LF, at a lone CR and at a lone LF. A final line end does not start an empty line.
QStringList SplitLines(const QString& text);

QString DecodeCp932(const QByteArray& bytes, bool* ok = nullptr);
std::optional<QByteArray> EncodeCp932(const QString& text);

// Reads a whole file; nullopt when it cannot be opened.
std::optional<TextFile> ReadTextFile(const QString& path);

// Writes the lines, each followed by CR LF. False when the file cannot be written or a
// character has no CP932 code.
bool WriteTextFile(const QString& path, const QStringList& lines);
bool AppendTextFile(const QString& path, const QStringList& lines);

}  // namespace kirune
