#pragma once

#include <QImage>

namespace artgen {

// The application icon at size x size pixels: a corner of a crossword on a warm tile, one cell
// holding "キ". Painted afresh at every size so the grid lines stay on whole pixels.
QImage AppIcon(int size);

}  // namespace artgen
