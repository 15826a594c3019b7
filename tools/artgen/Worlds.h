#pragma once

#include <QImage>

namespace artgen {

// The title's stage: a living room at sunset, with floor space where the family stands.
QImage OpeningWorld();

// The play stage's little world: a sunny park, sky above for the cloud and the bird.
QImage PlayWorld();

}  // namespace artgen
