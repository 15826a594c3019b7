#include "fuzz/FuzzInput.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace kirune {

QString FuzzFolder() {
    static QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "fuzz: cannot make a temporary folder\n");
        std::abort();
    }
    return folder.path() + u'/';
}

QString WriteFuzzFile(const QString& name, const uint8_t* data, size_t size) {
    const QString path = FuzzFolder() + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qUtf8Printable(path));
        std::abort();
    }
    return path;
}

void FuzzCheck(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

}  // namespace kirune
