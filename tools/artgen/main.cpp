// artgen: paints the game's pictures and writes them, with the cast table, under the program
// folder:
//
//   artgen PROGRAM_FOLDER
//
// Pictures are JPEG files; sprite strips keep pure black around each figure and pure white
// around each mask, so they are written at high quality.

#include "Catalog.h"

#include "library/Cp932Text.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: artgen PROGRAM_FOLDER\n");
        return 2;
    }
    const QDir root(args[1]);
    int failures = 0;
    for (const artgen::Output& out : artgen::AllPictures()) {
        const QString path = root.filePath(out.path);
        QDir().mkpath(QFileInfo(path).path());
        QImageWriter writer(path, "jpeg");
        writer.setQuality(95);
        if (!writer.write(out.image)) {
            std::fprintf(stderr, "artgen: cannot write %s: %s\n", qUtf8Printable(path),
                         qUtf8Printable(writer.errorString()));
            ++failures;
        }
    }
    const QStringList rows = artgen::CastRows();
    for (const char* name : {"CastData.csv", "CastData9X.csv"}) {
        const QString path = root.filePath(QStringLiteral("Picture/cast/") + QString::fromUtf8(name));
        if (!kirune::WriteTextFile(path, rows)) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qUtf8Printable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
