#pragma once

#include <QFile>
#include <QString>

#include <optional>

namespace kirune {

// The two talk files: TalkIx.dat (4-byte little-endian start positions, record n for talk n)
// and TalkDt.dat (chunks of a 2-byte length and CP932 text). A talk is the joined text of its
// chunks up to the chunk that ends in "∴".
class TalkData {
public:
    // Opens both files of the folder; false when either cannot be opened.
    bool Open(const QString& folder);
    void Close();
    bool IsOpen() const { return index.isOpen() && data.isOpen(); }

    // Talk n (n > 0) from its index record, or the talk after the last one read (n <= 0).
    // nullopt when the data holds no such talk.
    std::optional<QString> Read(int n);

private:
    std::optional<QString> ReadAt(qint64 position);

    QFile index, data;
    qint64 continuation = -1;  // 1-based byte position after the last talk read
};

}  // namespace kirune
