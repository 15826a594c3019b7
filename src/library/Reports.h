#pragma once

#include "host/Host.h"

namespace kirune {

// The numbered message boxes of the game, word for word. logFolder fills the two reports that
// name the folder of a score file kept in the temporary folder.
ReportBox ReportFor(int code, const QString& logFolder = QString());

}  // namespace kirune
