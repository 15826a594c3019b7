// artgen: paints the game's pictures and writes them, with the cast table, under the program
// folder; or paints the application icon into a hicolor icon tree:
//
//   artgen PROGRAM_FOLDER
//   artgen --icons ICON_FOLDER SIZE...   (ICON_FOLDER/hicolor/NxN/apps/kirune.png)
//
// Pictures are JPEG files; sprite strips keep pure black around each figure and pure white
// around each mask, so they are written at high quality.

#include "Catalog.h"
#include "Icon.h"

#include "library/Cp932Text.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

int WriteIcons(const QDir& root, const QStringList& sizes) {
    int failures = 0;
    for (const QString& given : sizes) {
        const int size = given.toInt();
        if (size <= 0) {
            std::fprintf(stderr, "artgen: not an icon size: %s\n", qUtf8Printable(given));
            ++failures;
            continue;
        }
        const QString path = root.filePath(QStringLiteral("hicolor/%1x%1/apps/kirune.png").arg(size));
        QDir().mkpath(QFileInfo(path).path());
        if (!artgen::AppIcon(size).save(path, "png")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qUtf8Printable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 4 && args[1] == QStringLiteral("--icons"))
        return WriteIcons(QDir(args[2]), args.mid(3));
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: artgen PROGRAM_FOLDER | artgen --icons ICON_FOLDER SIZE...\n");
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
    // The window's own icon, for a game run from its build folder rather than installed.
    const QString iconPath = root.filePath(QStringLiteral("sys/Picture/kirune.png"));
    if (!artgen::AppIcon(256).save(iconPath, "png")) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qUtf8Printable(iconPath));
        ++failures;
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
