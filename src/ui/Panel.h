#pragma once

#include "ui/HeldPicture.h"

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace kirune {

// A skinned panel of the main window: its picture when the game ships one, otherwise a drawn
// rounded panel in the given colour. The picture is read when the panel is painted: most panels
// stay hidden through the title, and most are painted seldom.
class Panel : public QWidget {
public:
    Panel(QWidget* parent, const QString& picturePath, QRect geometry, QColor tint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HeldPicture picture;
    QColor tint;
};

// A caption-less or captioned label that acts as a button.
class ClickArea : public QLabel {
    Q_OBJECT
public:
    explicit ClickArea(QWidget* parent, QRect geometry, const QString& caption = QString());

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace kirune
