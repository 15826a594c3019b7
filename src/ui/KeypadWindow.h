#pragma once

#include "keypad/Keypad.h"
#include "ui/ScreenPicture.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace kirune {

class Story;

// frmKeypad: a borderless tool window owned by the game's window (a popup of it on Wayland), so
// that the window system keeps it above its owner, drawn from the Keypad values. The whole window
// is a drag handle; "×" hides it.
class KeypadWindow : public QWidget {
    Q_OBJECT
public:
    KeypadWindow(Keypad& keypad, Story& story, const QString& picturePath, QWidget* owner);
    void Sync();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Where the keypad first shows: over the owner's top panel, inside the screen's free area.
    QPoint HomePosition() const;
    void EndDrag();

    enum class Drag { None, ByHand, BySystem, OnRelease };

    Keypad& keypad;
    Story& story;
    ScreenPicture background;
    QPoint dragOffset;  // the pointer in the window where the drag began
    Drag drag = Drag::None;
    // A move the window system runs takes the pointer away from the game, and not every system
    // gives the button's release back: the drag also ends when the pointer comes back, the button
    // is seen up, or the window has stood still for a while.
    QTimer* systemMoveWatch = nullptr;
    QElapsedTimer sinceLastMove;
};

}  // namespace kirune
