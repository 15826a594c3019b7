#pragma once

#include "author/CollectionSource.h"

namespace kirune {

struct RomaKanaTable;

struct BuildResult {
    QStringList lines;  // the play file, to be written as CP932 with CR LF
    std::vector<SourceError> errors;
};

// Compiles a collection source into a play file: each grid's cell kinds inside a black frame,
// its words numbered across first, then down, each in the reading order of its first cell,
// and one word line per clue. Kana grids may hold only what the keypad's table can enter;
// without a table they are refused.
BuildResult BuildPlayFile(const QStringList& sourceLines, const RomaKanaTable* table);

}  // namespace kirune
