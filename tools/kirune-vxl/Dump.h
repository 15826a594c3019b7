#pragma once

#include "model/Crossword.h"

#include <QJsonObject>

namespace kirune {

struct StageCaptions;

// The stage as one JSON object: the contract of "kirune-vxl dump".
QJsonObject DumpStage(const Crossword& x, qint32 inputMode, qint32 stageMax, const StageCaptions& captions);

}  // namespace kirune
