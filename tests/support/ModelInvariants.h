#pragma once

#include "story/Story.h"

#include <QStringList>

namespace kirune {

// Whether a character may stand in a white cell of a grid in this input mode: a full-width
// capital for the alphabet, a full-size katakana (or the long vowel mark) for kana.
bool AllowedEntry(QChar ch, int inputMode);

// Everything the model of a running game must satisfy whenever play is at rest (no handler
// running, nothing typed still waiting to be placed): the stage, its words and cells, the
// cursor and the selected word, the entries and what the screen shows of them, the flow's
// numbers. Returns one line per broken rule, empty when all hold.
QStringList CheckModelInvariants(const Story& story, const Screen& screen);

// The score file must always read back whole: five lines, one 0 or 1 per stage that agrees
// with the solved flags the game holds, and the player's name.
QStringList CheckScoreFile(const QString& path, const std::vector<qint32>& stageClear, const QString& name);

}  // namespace kirune
