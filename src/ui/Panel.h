#pragma once

#include "ui/PictureCaptions.h"
#include "ui/ScreenPicture.h"

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace kirune {

// A skinned panel of the main window: its picture when the game ships one, otherwise a drawn
// rounded panel in the given colour, with its words written over either. The picture is read
// when the panel is painted: most panels stay hidden through the title, and most are painted
// seldom.
class Panel : public QWidget {
public:
    Panel(QWidget* parent, const QString& picturePath, QRect geometry, QColor tint,
          Captioned captions = Captioned::None);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawPlain(QPainter& p);

    ScreenPicture picture;
    QColor tint;
    Captioned captions;
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
