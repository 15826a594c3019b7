#include "ui/BoardWidget.h"

#include "ui/Fonts.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace kirune {

namespace {

QColor ColorOf(Rgb rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

const QColor kStageColor(0xFF, 0xFF, 0x80);  // shows through a transparent cell
const QColor kBaseColor(0xFF, 0xFF, 0xC0);
const QColor kGridLine(0x70, 0x70, 0x70);
const QColor kRollBar(0x30, 0x60, 0xC0);

// A cell's rectangle on whole screen pixels: at a fractional scale neighbouring cells meet
// exactly, with no seam and no overlap.
QRect OnScreenPixels(QRect cell, qreal scale) {
    const int left = qRound(cell.left() * scale), top = qRound(cell.top() * scale);
    return QRect(QPoint(left, top), QPoint(qRound((cell.right() + 1) * scale) - 1, qRound((cell.bottom() + 1) * scale) - 1));
}

// Paints in screen pixels for the painter's lifetime.
class ScreenPixels {
public:
    ScreenPixels(QPainter& p, qreal scale) : p(p) {
        p.save();
        p.resetTransform();
        p.scale(1 / scale, 1 / scale);
    }
    ~ScreenPixels() { p.restore(); }

private:
    QPainter& p;
};

// A grid line's width in screen pixels: whole, so every line comes out equally wide, where a
// scaled pen's edges would round unevenly.
int LineWidth(qreal scale) { return std::max(1, qRound(scale)); }

// Four strips of grid line along the inside of r, in screen pixels.
void FillRing(QPainter& p, QRect r, int line) {
    for (const QRect strip : {QRect(r.left(), r.top(), r.width(), line), QRect(r.left(), r.bottom() + 1 - line, r.width(), line),
                              QRect(r.left(), r.top(), line, r.height()), QRect(r.right() + 1 - line, r.top(), line, r.height())})
        p.fillRect(strip, kGridLine);
}

// A cell's one-pixel border, laid on whole screen pixels.
void DrawCellBorder(QPainter& p, QRect cell, qreal scale) {
    const ScreenPixels pixels(p, scale);
    FillRing(p, OnScreenPixels(cell, scale), LineWidth(scale));
}

// Inside the grid two cell borders meet in each line, at its edge there is one: the edge cells'
// outer borders are doubled, so the grid's outer lines are as wide as its inner ones.
void DrawGridEdge(QPainter& p, QRect grid, qreal scale) {
    const ScreenPixels pixels(p, scale);
    FillRing(p, OnScreenPixels(grid, scale), 2 * LineWidth(scale));
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
    const qreal scale = devicePixelRatioF();
    // At a fractional scale a cell's edge pixels are shared with its neighbours: those touching
    // the repainted area are painted again too, all fills before all borders.
    const QRect dirty = event->rect().adjusted(-1, -1, 1, 1);
    std::vector<const CellLabel*> shown;
    QRect grid;
    for (const CellLabel& label : screen.lblCell) {
        if (!label.Visible)
            continue;
        grid |= QRect(label.Left, label.Top, w, h);
        if (dirty.intersects(QRect(label.Left, label.Top, w, h)))
            shown.push_back(&label);
    }
    {
        const ScreenPixels pixels(p, scale);
        for (const CellLabel* label : shown)
            if (label->Opaque)
                p.fillRect(OnScreenPixels(QRect(label->Left, label->Top, w, h), scale), ColorOf(label->BackColor));
    }
    p.setPen(Qt::black);
    for (const CellLabel* label : shown) {
        const QRect cell(label->Left, label->Top, w, h);
        DrawCellBorder(p, cell, scale);
        if (!label->Caption.isEmpty())
            p.drawText(cell, Qt::AlignCenter, label->Caption);
    }
    if (!grid.isEmpty())
        DrawGridEdge(p, grid, scale);
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
