#pragma once

#include "anim/Anim.h"

#include <QWidget>

namespace kirune {

// picStage: the animated stage with the shake snapshot, the zoomed spot stage and the word
// effects drawn over it, all from the Anim values.
class StageWidget : public QWidget {
    Q_OBJECT
public:
    StageWidget(Anim& anim, QWidget* parent);
    void Sync();
    // The size of a text in the bold effect face, for the engine's layout.
    static QSize MeasureText(const QString& text, int points);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Anim& anim;
};

}  // namespace kirune
