#pragma once

#include <QScreen>
#include <QSize>

namespace kirune {

// Whether a fractional desktop scale should be rounded to a whole factor: pixel art stays sharp
// at a whole factor, so it is preferred whenever the window still fits the screen's free area
// (in screen pixels) at that factor.
bool PreferWholeScale(qreal desktopScale, QSize freePixels, QSize window);
bool PreferWholeScale(const QScreen& screen);

}  // namespace kirune
