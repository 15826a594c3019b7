#include "library/WorkFolder.h"

namespace kirune {

QString GetTempFolder(Host& host) {
    for (const char* name : {"TEMP", "TMP", "Temp", "Tmp"}) {
        const QString value = host.Environment(QString::fromLatin1(name));
        if (value.isEmpty())
            continue;
        const qsizetype equals = value.indexOf(u'=');
        return (equals < 0 ? value : value.mid(equals + 1)) + u'/';
    }
    return QString();
}

std::optional<ChosenPlayFile> SplitChosenPath(const QString& path) {
    const QString title = path.section(u'/', -1);
    const qsizetype dot = title.indexOf(u'.');
    if (title.isEmpty() || dot < 0)
        return std::nullopt;
    // The folder is the path up to the first place the file's name stands in it.
    return ChosenPlayFile{title.left(dot) + QStringLiteral(".vxl"), path.left(path.indexOf(title))};
}

}  // namespace kirune
