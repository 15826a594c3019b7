#pragma once

#include "author/CollectionSource.h"
#include "library/MadePlayFile.h"

namespace kirune {

struct RomaKanaTable;

// The clue panel shows two lines; about 56 full-width characters fit at its smallest face.
constexpr int kClueWidth = 112;  // in half-width places
int ClueWidth(const QString& text);

struct BuildResult {
    QStringList lines;  // the play file, to be written as CP932 with CR LF
    std::vector<SourceError> errors;
};

// Compiles a collection source into a play file: each grid's cell kinds inside a black frame,
// its words numbered across first, then down, each in the reading order of its first cell,
// and one word line per clue. Kana grids may hold only what the keypad's table can enter;
// without a table they are refused.
BuildResult BuildPlayFile(const QStringList& sourceLines, const RomaKanaTable* table);

// Whether a build also refuses what the content lint finds: the shipped and generated
// collections pass it; a puzzle imported from elsewhere is taken as its author made it.
enum class Lint { On, Off };

// BuildPlayFile, with the content lint's problems among the errors, all in line order.
BuildResult BuildCollection(const QStringList& sourceLines, const RomaKanaTable* table, Lint lint);

// The game's own build of a collection into the play file at path, checked against the romaji
// table of the program folder (ending in "/"); the file is written whole or not at all.
MadePlayFile WriteCollection(const QStringList& sourceLines, const QString& programFolder, const QString& path, Lint lint);

}  // namespace kirune
