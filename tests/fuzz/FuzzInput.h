#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace kirune {

// The readers take paths: the fuzz input becomes a file of this name in a folder of this
// process (under TMPDIR), replaced on every call. Returns the file's path.
QString WriteFuzzFile(const QString& name, const uint8_t* data, size_t size);

// The per-process folder, ending in "/".
QString FuzzFolder();

// Stops the run with a message when a reader breaks one of its own promises.
void FuzzCheck(bool holds, const char* what);

}  // namespace kirune
