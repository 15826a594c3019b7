#include "author/Today.h"

#include "author/Build.h"
#include "author/Generate.h"

#include <QDir>
#include <QFile>

namespace kirune {

namespace {

const QString kTodayPrefix = QStringLiteral("今日のクロスワード ");

// Earlier days' crosswords and their score files: never offered again, and a name comes back
// a year later.
void RemoveEarlierDays(const QString& folder, const QString& keep) {
    QDir dir(folder);
    for (const QString& name : dir.entryList({kTodayPrefix + QStringLiteral("*")}, QDir::Files))
        if (name.section(u'.', 0, 0) != keep.section(u'.', 0, 0))
            dir.remove(name);
}

}  // namespace

QString TodayFileName(const QDate& date) {
    // The title panel shows the name: the day as a player says it.
    return kTodayPrefix + QStringLiteral("%1月%2日.vxl").arg(date.month()).arg(date.day());
}

MadePlayFile MakeTodayFile(const QString& programFolder, const QString& folder, const QDate& date) {
    const QString path = QDir(folder).filePath(TodayFileName(date));
    RemoveEarlierDays(folder, TodayFileName(date));
    if (QFile::exists(path))
        return {path, QString()};
    const QString listPath = programFolder + QStringLiteral("words/kanji.tsv");
    const ReadList list = ReadWordListFile(listPath);
    if (!list.error.isEmpty())
        return {QString(), list.error};

    GenerateOptions options;
    options.sizes = {{7, 7}, {9, 9}, {11, 11}};
    options.stages = 3;
    options.seed = quint64(date.year()) * 10000 + quint64(date.month()) * 100 + quint64(date.day());
    options.title = QStringLiteral("今日のクロスワード %1月%2日").arg(date.month()).arg(date.day());
    const Generated made = GenerateCollection(list.words, options);
    if (!made.error.isEmpty())
        return {QString(), QStringLiteral("%1: %2").arg(listPath, made.error)};
    return WriteCollection(made.source, programFolder, path, Lint::On);
}

}  // namespace kirune
