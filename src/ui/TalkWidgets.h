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
    bool textTraced = false;
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

// txtTalkInput: the talk's input line, which confirms when it is clicked as well.
class TalkInputLine : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
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
    TalkInputLine* input;
    int focusRequests = 0;
};

}  // namespace kirune
