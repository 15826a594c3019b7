#pragma once

#include "story/Story.h"

#include <QStringList>

namespace kirune {

// What play can break, whenever it is at rest (no handler running, nothing typed still waiting
// to be placed): the entries and undo characters, the cursor and the selected word, what the
// screen shows of them, the flow's numbers. The grid's shape is the loader's to guarantee and
// never changes in play. Returns one line per broken rule, empty when all hold.
QStringList CheckModelInvariants(const Story& story, const Screen& screen);

// The score file must always read back whole: five lines, one 0 or 1 per stage that agrees
// with the solved flags the game holds, and the player's name.
QStringList CheckScoreFile(const QString& path, const std::vector<qint32>& stageClear, const QString& name);

}  // namespace kirune
