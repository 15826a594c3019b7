#pragma once

#include <QImage>
#include <QPainter>

#include <functional>

namespace artgen {

// How a sprite's edge meets the stage. Inked shapes keep their dark rim, blended into the
// black around them; soft shapes (a cloud) are cut at half cover with their own colour.
enum class Edge { Inked, Soft };

// A sprite strip as the stage paints it: frames w x h side by side, each figure on pure black,
// and below each frame its mask, the figure's shape pure black on pure white. draw paints
// frame k (1-based) on a transparent w x h image.
QImage MakeStrip(int w, int h, int frames, const std::function<void(QPainter&, int frame)>& draw, Edge edge);

}  // namespace artgen
