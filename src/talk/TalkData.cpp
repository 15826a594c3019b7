#include "talk/TalkData.h"

#include "library/Cp932Text.h"

#include <QtEndian>

namespace kirune {

namespace {

const QChar kEndOfTalk(0x2234);  // "∴"

}  // namespace

bool TalkData::Open(const QString& folder) {
    Close();
    index.setFileName(folder + QStringLiteral("TalkIx.dat"));
    data.setFileName(folder + QStringLiteral("TalkDt.dat"));
    return index.open(QIODevice::ReadOnly) && data.open(QIODevice::ReadOnly);
}

void TalkData::Close() {
    index.close();
    data.close();
    continuation = -1;
}

std::optional<QString> TalkData::Read(int n) {
    if (!IsOpen())
        return std::nullopt;
    if (n <= 0)
        return continuation > 0 ? ReadAt(continuation) : std::nullopt;
    uchar record[4];
    if (!index.seek(qint64(n - 1) * 4) || index.read(reinterpret_cast<char*>(record), 4) != 4)
        return std::nullopt;
    const qint32 position = qFromLittleEndian<qint32>(record);
    if (position <= 0)
        return std::nullopt;
    return ReadAt(position);
}

std::optional<QString> TalkData::ReadAt(qint64 position) {
    if (!data.seek(position - 1))
        return std::nullopt;
    QString text;
    // Only the last character of each chunk, as it is read, can end the talk: a "∴" in the
    // middle of a chunk is text.
    do {
        uchar length[2];
        if (data.read(reinterpret_cast<char*>(length), 2) != 2)
            return std::nullopt;
        const int size = qFromLittleEndian<quint16>(length);
        const QByteArray bytes = data.read(size);
        if (bytes.size() != size)
            return std::nullopt;
        text += DecodeCp932(bytes);
    } while (!text.endsWith(kEndOfTalk));
    continuation = data.pos() + 1;
    text.chop(1);
    return text;
}

}  // namespace kirune
