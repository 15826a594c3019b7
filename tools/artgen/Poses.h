#pragma once

#include "Figure.h"

namespace artgen {

// The frames of one strip "name + mood": 1 at rest, 2-5 an idle gesture, 6-9 talking.
inline constexpr int kFigureFrames = 9;

Pose PoseFor(Who who, int mood, int frame);

}  // namespace artgen
