#include "story/Game.h"

#include <QFileInfo>

namespace kirune {

Game::Game(Host& host)
    : host(host),
      story(host, screen),
      tmrTalk(host.Timers(), 15, nullptr),
      tmrTalkCursorBlink(host.Timers(), 100, nullptr),
      tmrAnim(host.Timers(), 10, nullptr),
      tmrSoundInterval(host.Timers(), 20, nullptr) {
    story.EndGame = [this] { EndGame(); };
    story.TimeUp = [this] { EndGame(); };
    screen.lblTitle = QStringLiteral("Kirune");
    screen.lblPassedTime = QStringLiteral("0");
}

std::optional<PlayFileError> Game::OpenPlayFile(const QString& path) {
    const QFileInfo info(path);
    story.PlayFolder = info.absolutePath() + u'/';
    story.PlayFileName = info.fileName().section(u'.', 0, 0) + QStringLiteral(".vxl");
    const auto mode = ReadInputMode(story.PlayFolder + story.PlayFileName);
    if (!mode)
        return mode.error;
    story.InputMode = mode.value;
    if (auto error = story.SetupStage(1))
        return error;
    story.GamePhase = 1;
    return std::nullopt;
}

void Game::EndGame() {
    story.tmrVexal.SetEnabled(false);
    host.StopSound(-1);
    host.Terminate();
}

}  // namespace kirune
