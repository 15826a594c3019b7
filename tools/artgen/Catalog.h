#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace artgen {

struct Output {
    QString path;  // relative to the program folder
    QImage image;
};

// Every picture the game loads, at its place under the program folder.
std::vector<Output> AllPictures();

// The rows of Picture/cast/CastData.csv, one per sprite the game loads.
QStringList CastRows();

}  // namespace artgen
