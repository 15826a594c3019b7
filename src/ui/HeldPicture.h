#pragma once

#include <QPixmap>
#include <QString>
#include <QTimer>

namespace kirune {

// A picture of the window read from its file when it is painted and let go once nothing has
// painted it for a while: most of the time it lies under widgets that paint themselves, and
// the window's background alone is 1.8 MB of pixels. Read without QPixmap::load, whose cache
// would keep the pixels after they are let go.
class HeldPicture {
public:
    explicit HeldPicture(const QString& path);
    HeldPicture(const HeldPicture&) = delete;
    HeldPicture& operator=(const HeldPicture&) = delete;

    // Null when the file cannot be read, which is not tried again.
    const QPixmap& Get();

private:
    QString path;  // emptied when the file cannot be read
    QPixmap picture;
    QTimer release;
};

}  // namespace kirune
