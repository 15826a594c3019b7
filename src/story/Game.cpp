#include "story/Game.h"

#include "library/WorkFolder.h"

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
    const auto chosen = SplitChosenPath(path);
    if (!chosen)
        return PlayFileError{PlayFileProblem::CannotOpen, 0, QStringLiteral("%1 is not a play file name").arg(path)};
    story.PlayFolder = chosen->folder;
    story.PlayFileName = chosen->name;
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
