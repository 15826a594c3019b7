#pragma once

#include "keypad/Keypad.h"

#include <QPixmap>
#include <QWidget>

namespace kirune {

class Story;

// frmKeypad: a borderless window that floats above the game, drawn from the Keypad values.
// The whole window is a drag handle; "×" hides it.
class KeypadWindow : public QWidget {
    Q_OBJECT
public:
    KeypadWindow(Keypad& keypad, Story& story, const QString& picturePath);
    void Sync();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Keypad& keypad;
    Story& story;
    QPixmap background;
    QPoint dragOffset;
    bool dragging = false;
};

}  // namespace kirune
