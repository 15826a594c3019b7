#pragma once

#include <QString>

namespace kirune {

// A play file the game made itself (today's crossword, a puzzle of another format): its path,
// or why there is none, naming the file at fault.
struct MadePlayFile {
    QString path;
    QString error;
};

}  // namespace kirune
