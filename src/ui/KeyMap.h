#pragma once

class QKeyEvent;

namespace kirune {

// The game's virtual-key number for a toolkit key, 0 for keys the game does not know.
int VirtualKey(const QKeyEvent& event);

}  // namespace kirune
