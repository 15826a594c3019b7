#pragma once

#include "library/MadePlayFile.h"

#include <QDate>
#include <QString>

namespace kirune {

// Today's crossword: three stages, small to large, made from the program folder's kanji list
// with the date as the seed, so that every machine plays the same puzzles on the same day.
// The play file is made in the folder given, once a day: its score file counts its stages.
QString TodayFileName(const QDate& date);
MadePlayFile MakeTodayFile(const QString& programFolder, const QString& folder, const QDate& date);

}  // namespace kirune
