#include "support/SimGame.h"

namespace kirune {

SimGame::SimGame(const std::vector<StageSketch>& stages, int inputMode, double startSecondsSinceMidnight)
    : host(startSecondsSinceMidnight), game(host), story(game.story), screen(game.screen) {
    path = WritePlayFile(folder.path(), QStringLiteral("test.vxl"), PlayFileText(stages, inputMode));
    if (auto error = game.OpenPlayFile(path))
        throw std::runtime_error("test play file unreadable: " + error->Describe().toStdString());
}

void SimGame::Keys(const QString& letters) {
    for (QChar ch : letters) {
        const int code = ch == u'-' ? Key::Minus : Key::A + (ch.toUpper().unicode() - u'A');
        Key(code);
    }
}

void SimGame::Key(int keyCode, bool alt) {
    host.Post(0, [this, keyCode, alt] { story.OnKeyDown(keyCode, alt); });
}

void SimGame::Click(int cell) {
    host.Post(0, [this, cell] { story.OnCellClick(cell); });
}

QString SimGame::Row(int row) const {
    QString text;
    for (int c = 1; c <= Stage().MasMaxX; ++c)
        text += Stage().Mas[Cell(row, c)].Entered;
    return text;
}

QString SimGame::Column(int column) const {
    QString text;
    for (int r = 1; r <= Stage().MasMaxY; ++r)
        text += Stage().Mas[Cell(r, column)].Entered;
    return text;
}

QStringList SimGame::TakeSounds() {
    QStringList taken = host.sounds;
    host.sounds.clear();
    return taken;
}

}  // namespace kirune
