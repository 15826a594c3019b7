#include "ui/WholeScale.h"

#include "ui/MainWindow.h"

#include <algorithm>

namespace kirune {

bool PreferWholeScale(qreal desktopScale, QSize freePixels, QSize window) {
    // Rounded as Qt rounds it (1.5 to 2, 1.25 to 1).
    const int whole = std::max(1, qRound(desktopScale));
    if (qFuzzyCompare(desktopScale, qreal(whole)))
        return false;
    const QSize needed = window * whole;
    return needed.width() <= freePixels.width() && needed.height() <= freePixels.height();
}

bool PreferWholeScale(const QScreen& screen) {
    const qreal scale = screen.devicePixelRatio();
    return PreferWholeScale(scale, screen.availableGeometry().size() * scale, MainWindow::kSize);
}

}  // namespace kirune
