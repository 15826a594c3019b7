#pragma once

#include "talk/TalkEngine.h"

#include <QLineEdit>
#include <QWidget>

namespace kirune {

// picTalkBox: one speech box, drawn from its TalkBoxView.
class TalkBoxWidget : public QWidget {
    Q_OBJECT
public:
    TalkBoxWidget(TalkEngine& talk, int index, QWidget* parent);
    void Sync();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TalkEngine& talk;
    int index;
};

// picMenuBox: the choices, with the red bar under the pointer.
class MenuWidget : public QWidget {
    Q_OBJECT
public:
    MenuWidget(TalkEngine& talk, QWidget* parent);
    void Sync();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int ItemAt(QPoint at) const;
    TalkEngine& talk;
};

// The talk layer of the main window: both boxes, the menu and the input line.
class TalkLayer {
public:
    TalkLayer(TalkEngine& talk, QWidget* window);
    // Measures the talk and menu fonts for the engine's metrics.
    static TalkMetrics Measure();
    void Sync(bool repaintNow);
    bool IsInputLine(const QObject* object) const { return object == input; }

private:
    TalkEngine& talk;
    TalkBoxWidget* boxes[3] = {};
    MenuWidget* menu;
    QLineEdit* input;
    int focusRequests = 0;
};

}  // namespace kirune
