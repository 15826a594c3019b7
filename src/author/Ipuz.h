#pragma once

#include "library/MadePlayFile.h"
#include "model/Crossword.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace kirune {

// One crossword read from an .ipuz file (the open JSON crossword format, kind
// http://ipuz.org/crossword#1, versions 1 and 2), as the grid and clues of a collection stage.
struct IpuzPuzzle {
    int inputMode = 0;      // 0 alphabet, 1 kana: what the solution's letters are
    QStringList rows;       // the grid as a collection source writes it, "■" for blocks
    QStringList across, down;  // "ANSWER = clue" in the order the game numbers the words
    QString title, author, copyright;
    QString error;          // why the file cannot be a stage; empty when it can
};

IpuzPuzzle ReadIpuz(const QByteArray& json);
// The same from a file; the error names no path, for the caller to put it first.
IpuzPuzzle ReadIpuzFile(const QString& path);

// The collection source of puzzles read from .ipuz files, one stage each in the order given.
QStringList IpuzCollection(const std::vector<IpuzPuzzle>& puzzles, const QString& fallbackTitle);

// The game's import of an .ipuz file chosen to play: a one-stage play file of the same name in
// folder, built against the program folder's romaji table and taken as its author made it.
MadePlayFile ImportIpuzFile(const QString& ipuzPath, const QString& programFolder, const QString& folder);

// A stage of a play file as an .ipuz puzzle: standard numbering, clues, solution, blocks.
QByteArray StageToIpuz(const Crossword& x, int inputMode, const QString& title);

}  // namespace kirune
