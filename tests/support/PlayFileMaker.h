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

// The stages most tests play. The ring: across 1 (row 1) and 2 (row 3), down 3 (column 1) and
// 4 (column 3), crossing at the corners:
//   ＡＢＣ
//   Ｄ■Ｅ
//   ＦＧＨ
inline const StageSketch kRing{{QStringLiteral("ＡＢＣ"), QStringLiteral("Ｄ■Ｅ"), QStringLiteral("ＦＧＨ")}};
// 5 × 5 with 24 white cells.
inline const StageSketch kSmall{PatternGrid(5, 5)};

}  // namespace kirune
