#pragma once

#include "author/WordList.h"
#include "maker/Pattern.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kirune {

struct GenerateOptions {
    std::vector<std::pair<int, int>> sizes;  // width x height of each stage; one size for all
    int stages = 1;
    quint64 seed = 1;
    QString title;
    int level = 0;  // the word level of every stage; 0: rising from 1 to 5 over the stages
    std::optional<Pattern> pattern = std::nullopt;  // the black cells of every stage instead of new ones; sets the size
};

// How good a generated stage is: the share of white cells in two words, of two-letter words,
// and the mean level of its words.
struct StageQuality {
    int width = 0, height = 0, words = 0;
    double crossing = 0, twoLetter = 0, meanLevel = 0;
};

struct Generated {
    QStringList source;  // the collection source, as "kirune-vxl build" reads it
    std::vector<StageQuality> quality;
    QString error;       // why no collection was made; empty on success
};

// The list's words, or the line number of the first line that is not a list line.
struct ReadList {
    std::vector<ListWord> words;
    int badLine = 0;
    QString error;  // ReadWordListFile: why the file gave no list, naming it (and the line)
};
ReadList ReadWordList(const QStringList& lines);
ReadList ReadWordListFile(const QString& path);

// A collection of crosswords filled from the list: the same options and list give the same
// source on every machine. Stages rise in word level; no word appears twice.
Generated GenerateCollection(const std::vector<ListWord>& list, const GenerateOptions& options);

}  // namespace kirune
