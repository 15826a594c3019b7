#include "ui/KeyMap.h"

#include "model/KeyCodes.h"

#include <QKeyEvent>

namespace kirune {

int VirtualKey(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return Key::A + (key - Qt::Key_A);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Escape: return Key::Esc;
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_F1: return Key::F1;
    case Qt::Key_F4: return Key::F4;
    case Qt::Key_Minus: return Key::Minus;
    default: return 0;
    }
}

}  // namespace kirune
