#include "ui/BoardWidget.h"

#include "ui/Fonts.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kirune {

namespace {

QColor ColorOf(Rgb rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

const QColor kStageColor(0xFF, 0xFF, 0x80);  // shows through a transparent cell
const QColor kBaseColor(0xFF, 0xFF, 0xC0);
const QColor kGridLine(0x70, 0x70, 0x70);
const QColor kRollBar(0x30, 0x60, 0xC0);

// A cell's one-pixel border as four strips laid on whole screen pixels: at any scale every line
// of the grid comes out equally wide, where a scaled pen's edges would round unevenly.
void DrawCellBorder(QPainter& p, QRect cell, qreal scale) {
    const int left = qRound(cell.left() * scale), top = qRound(cell.top() * scale);
    const int right = qRound((cell.right() + 1) * scale), bottom = qRound((cell.bottom() + 1) * scale);
    const int line = std::max(1, qRound(scale));
    p.save();
    p.resetTransform();
    p.scale(1 / scale, 1 / scale);
    for (const QRect strip : {QRect(left, top, right - left, line), QRect(left, bottom - line, right - left, line),
                              QRect(left, top, line, bottom - top), QRect(right - line, top, line, bottom - top)})
        p.fillRect(strip, kGridLine);
    p.restore();
}

}  // namespace

CrossStage::CrossStage(const Screen& screen, QWidget* parent)
    : QWidget(parent), screen(screen), cellFont(GameFont(kGothic, 26.25)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CrossStage::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), kStageColor);
    p.setFont(cellFont);
    const int w = screen.CellWidth, h = screen.CellHeight;
    const QRect dirty = event->rect();
    for (const CellLabel& label : screen.lblCell) {
        if (!label.Visible)
            continue;
        const QRect cell(label.Left, label.Top, w, h);
        if (!dirty.intersects(cell))
            continue;
        if (label.Opaque)
            p.fillRect(cell, ColorOf(label.BackColor));
        DrawCellBorder(p, cell, devicePixelRatioF());
        if (!label.Caption.isEmpty()) {
            p.setPen(Qt::black);
            p.drawText(cell, Qt::AlignCenter, label.Caption);
        }
    }
    for (const Box* bars : {screen.shpRollCell1, screen.shpRollCell2})
        for (int i = 0; i < 2; ++i)
            if (bars[i].Visible)
                p.fillRect(QRect(bars[i].Left, bars[i].Top, bars[i].Width, bars[i].Height), kRollBar);
}

void CrossStage::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !cellClicked)
        return;
    const QPoint at = event->position().toPoint();
    for (int i = 0; i < int(screen.lblCell.size()); ++i) {
        const CellLabel& label = screen.lblCell[i];
        if (label.Visible && QRect(label.Left, label.Top, screen.CellWidth, screen.CellHeight).contains(at)) {
            cellClicked(i);
            return;
        }
    }
}

BoardWidget::BoardWidget(const Screen& screen, QWidget* parent)
    : QWidget(parent), screen(screen), stage(new CrossStage(screen, this)) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBaseColor);
    setPalette(palette);
    hide();
}

void BoardWidget::Sync() {
    const Box& base = screen.picCrossBase;
    setGeometry(base.Left, base.Top, base.Width, base.Height);
    setVisible(base.Visible);
    const Box& grid = screen.picCrossStage;
    stage->setGeometry(grid.Left, grid.Top, grid.Width, grid.Height);
    stage->setVisible(grid.Visible);
    stage->update();
}

}  // namespace kirune
