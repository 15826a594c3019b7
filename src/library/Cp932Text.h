#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kirune {

// Every text file the game reads or writes is code page 932 with CR LF line ends.
struct TextFile {
    QStringList lines;
    // 1-based lines holding byte sequences that are not CP932; each such sequence reads as "・".
    QList<int> badLines;
};

// Splits at CR LF, at a lone CR and at a lone LF. A final line end does not start an empty line.
QStringList SplitLines(const QString& text);

QString DecodeCp932(const QByteArray& bytes, bool* ok = nullptr);
// Decodes a line, reading every byte sequence that is not CP932 as "・"; ok is false when one was.
QString DecodeCp932Line(const QByteArray& bytes, bool* ok = nullptr);
std::optional<QByteArray> EncodeCp932(const QString& text);

// Reads a whole file; nullopt when it cannot be opened. Lines end at CR LF, a lone CR or a lone LF.
std::optional<TextFile> ReadTextFile(const QString& path);

// Writes the lines, each followed by CR LF. False when the file cannot be written or a
// character has no CP932 code.
bool WriteTextFile(const QString& path, const QStringList& lines);
bool AppendTextFile(const QString& path, const QStringList& lines);

}  // namespace kirune

namespace kirune {

// Splits raw bytes into lines the way SplitLines splits text.
QList<QByteArray> SplitByteLines(const QByteArray& bytes);
// A text file as raw lines (no line ends), for files whose lines must be copied byte for byte.
std::optional<QList<QByteArray>> ReadByteLines(const QString& path);

// Replaces path with the lines, each followed by CR LF, so that a crash at any moment leaves
// the old file or the new one: write scratchPath as a new file, flush it to disk, rename it
// over path, flush the folder. The scratch file is gone afterwards either way.
bool ReplaceFileAtomically(const QString& path, const QString& scratchPath, const QList<QByteArray>& lines);

}  // namespace kirune
