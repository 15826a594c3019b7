#pragma once

#include "model/Screen.h"

#include <QWidget>

#include <functional>

namespace kirune {

// picCrossStage: the whole grid of cell labels and the bars of the cell animation, drawn from
// the Screen values. Scrolling moves it inside its frame.
class CrossStage : public QWidget {
    Q_OBJECT
public:
    CrossStage(const Screen& screen, QWidget* parent);
    std::function<void(int cell)> cellClicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const Screen& screen;
    QFont cellFont;
};

// picCrossBase: the visible frame of the board, which clips the grid.
class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(const Screen& screen, QWidget* parent);
    void Sync();
    CrossStage* Stage() const { return stage; }

private:
    const Screen& screen;
    CrossStage* stage;
};

}  // namespace kirune
