#include "ui/KeypadWindow.h"

#include "story/Story.h"
#include "ui/Fonts.h"
#include "ui/KeyMap.h"
#include "ui/PictureCaptions.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace kirune {

namespace {

constexpr int kCellLeft = 27, kCellStep = 20, kRomaTop = 19, kKanaTop = 45, kCellHeight = 15;
const QRect kCloseButton(230, 6, 14, 15);
// The keypad's place at (500, 100) on a 1024 x 768 screen with the game's window centred on it:
// over the window's top panel.
const QPoint kOverTopPanel(375, 12);
constexpr int kSystemMoveStillMs = 1500;

// On Wayland a window cannot place itself: there the keypad is a popup of its owner, which the
// window system places against the owner (and carries along with it) but does not let move.
bool AsPopup() { return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")); }

}  // namespace

KeypadWindow::KeypadWindow(Keypad& keypad, Story& story, const QString& picturePath, QWidget* owner)
    : QWidget(owner, (AsPopup() ? Qt::ToolTip : Qt::Tool) | Qt::FramelessWindowHint),
      keypad(keypad),
      story(story),
      background(picturePath) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(252, 65);
    setWindowTitle(QStringLiteral("Kirune"));
    systemMoveWatch = new QTimer(this);
    systemMoveWatch->setInterval(100);
    connect(systemMoveWatch, &QTimer::timeout, this, [this] {
        if (!(QGuiApplication::mouseButtons() & Qt::LeftButton) || sinceLastMove.elapsed() > kSystemMoveStillMs)
            EndDrag();
    });
}

QPoint KeypadWindow::HomePosition() const {
    const QWidget* owner = parentWidget();
    const QPoint wanted = owner->mapToGlobal(kOverTopPanel);
    const QScreen* screen = owner->screen();
    if (!screen)
        return wanted;
    const QRect free = screen->availableGeometry();
    return {std::clamp(wanted.x(), free.left(), std::max(free.left(), free.right() + 1 - width())),
            std::clamp(wanted.y(), free.top(), std::max(free.top(), free.bottom() + 1 - height()))};
}

void KeypadWindow::Sync() {
    if (keypad.Shown && !isVisible()) {
        move(HomePosition());
        show();
    } else if (!keypad.Shown && isVisible()) {
        hide();
    }
    update();
}

void KeypadWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!background.Draw(p, rect())) {
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, QColor(0xE8, 0xC8, 0x98));
        fill.setColorAt(1, QColor(0xC8, 0x98, 0x68));
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
        p.fillPath(shape, fill);
        p.setPen(QPen(QColor(0x80, 0x50, 0x30), 2));
        p.drawPath(shape);
    }
    DrawCaptions(p, Captioned::KeypadWindow);
    p.setFont(GameFont(kPGothic, 11.25, true));
    const QColor cell(0x80, 0x40, 0x40);
    for (int i = 1; i <= Keypad::kCells; ++i) {
        const int left = kCellLeft + kCellStep * (i - 1);
        if (keypad.RomaVisible[i]) {
            const QRect r(left, kRomaTop, 17, kCellHeight);
            p.fillRect(r, cell);
            p.setPen(Qt::white);
            p.drawText(r, Qt::AlignCenter, keypad.Roma[i]);
        }
        if (keypad.KanaVisible[i]) {
            const QRect r(left, kKanaTop, keypad.KanaWidth[i], kCellHeight);
            p.fillRect(r, cell);
            p.setPen(Qt::white);
            p.drawText(r, Qt::AlignCenter, keypad.Kana[i]);
        }
    }
    p.fillRect(kCloseButton, QColor(0xF0, 0xE0, 0xD0));
    p.setPen(Qt::black);
    p.setFont(GameFont(kPGothic, 9, true));
    p.drawText(kCloseButton, Qt::AlignCenter, QStringLiteral("×"));
}

void KeypadWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (kCloseButton.contains(event->position().toPoint())) {
        story.OnKeypadClose();
        return;
    }
    keypad.BeginDrag();
    // A popup cannot follow the pointer: it moves where the button comes up.
    if (windowFlags().testFlag(Qt::ToolTip)) {
        drag = Drag::OnRelease;
        dragOffset = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    // The window system moves the window where it can; without one that does (X11 with no window
    // manager) the window follows the pointer by hand.
    if (windowHandle() && windowHandle()->startSystemMove()) {
        drag = Drag::BySystem;
        sinceLastMove.start();
        systemMoveWatch->start();
        return;
    }
    drag = Drag::ByHand;
    dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void KeypadWindow::mouseMoveEvent(QMouseEvent* event) {
    if (drag == Drag::ByHand)
        move(event->globalPosition().toPoint() - dragOffset);
}

void KeypadWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (drag == Drag::OnRelease) {
        // A popup takes a new place only when shown again; not while its own event is delivered.
        const QPoint to = pos() + event->position().toPoint() - dragOffset;
        QTimer::singleShot(0, this, [this, to] {
            hide();
            move(to);
            show();
        });
        unsetCursor();
    }
    EndDrag();
}

void KeypadWindow::enterEvent(QEnterEvent*) {
    if (drag == Drag::BySystem)
        EndDrag();
}

void KeypadWindow::moveEvent(QMoveEvent*) { sinceLastMove.restart(); }

void KeypadWindow::EndDrag() {
    if (drag == Drag::None)
        return;
    drag = Drag::None;
    systemMoveWatch->stop();
    keypad.EndDrag();
    story.OnKeypadPressed();
}

void KeypadWindow::keyPressEvent(QKeyEvent* event) {
    // The window never keeps the keyboard: letters typed here belong to the board.
    story.OnKeyDown(VirtualKey(*event), event->modifiers() & Qt::AltModifier);
}

}  // namespace kirune
