#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kirune {

// A file's bytes as they are on disk; empty when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace kirune
