// The floor for the game's idle cost: a bare Qt window of the game's size repainting a picture
// of the stage's size every 10 ms, with a 15 ms timer that does nothing, as the game's stage
// and game timers would at the least.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Floor : public QWidget {
public:
    Floor() : picture(385, 330, QImage::Format_RGB32) {
        picture.fill(Qt::darkCyan);
        setFixedSize(774, 592);
        setWindowTitle(QStringLiteral("IdleFloor"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(130, 96, picture);
    }

private:
    QImage picture;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Floor window;
    window.show();
    QTimer stage, game;
    QObject::connect(&stage, &QTimer::timeout, &window, [&window] { window.update(130, 96, 385, 330); });
    QObject::connect(&game, &QTimer::timeout, [] {});
    stage.start(10);
    game.start(15);
    return app.exec();
}
