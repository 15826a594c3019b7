#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kirune {

// A stage described by its solution rows ("■" for blocks); the maker derives kinds, word
// numbers (across first, then down) and clues "clue 1", "clue 2"...
struct StageSketch {
    QStringList rows;
    int level = 3;
};

QString PlayFileText(const std::vector<StageSketch>& stages, int inputMode = 0);
// Writes the text as CP932 with CR LF into dir/name and returns the path.
QString WritePlayFile(const QString& dir, const QString& name, const QString& text);
// A solvable square-ish grid of the given size with a regular pattern of blocks.
QStringList PatternGrid(int rows, int columns);

}  // namespace kirune
