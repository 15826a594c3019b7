#pragma once

#include <QImage>

namespace artgen {

// The bird that drifts across the play stage: four frames of a wing beat, flying left.
inline constexpr int kBirdW = 24, kBirdH = 16, kBirdFrames = 4;
QImage BirdStrip();

// The cloud that drifts across the play stage's sky.
inline constexpr int kCloudW = 56, kCloudH = 24, kCloudFrames = 1;
QImage CloudStrip();

}  // namespace artgen
