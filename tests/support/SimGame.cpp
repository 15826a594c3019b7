#include "support/SimGame.h"

#include "support/TalkAnswer.h"

#include "library/Cp932Text.h"

#include <QFileInfo>

namespace kirune {

SimGame::SimGame(double startSecondsSinceMidnight)
    : host(startSecondsSinceMidnight),
      game(host),
      story(game.story),
      screen(game.screen),
      player(host.Timers(), 120, [this] { AnswerWait(); }) {}

SimGame::SimGame(const std::vector<StageSketch>& stages, int inputMode, double startSecondsSinceMidnight,
                 const std::function<void(SimGame&)>& beforeStart)
    : SimGame(startSecondsSinceMidnight) {
    path = WritePlayFile(folder.path(), QStringLiteral("test.vxl"), PlayFileText(stages, inputMode));
    Start(beforeStart);
}

SimGame::SimGame(const QString& playFile, double startSecondsSinceMidnight,
                 const std::function<void(SimGame&)>& beforeStart)
    : SimGame(startSecondsSinceMidnight) {
    path = playFile;
    Start(beforeStart);
}

void SimGame::Start(const std::function<void(SimGame&)>& beforeStart) {
    host.programFolder = QStringLiteral(KIRUNE_PROGRAM_DIR "/");
    player.SetEnabled(true);
    // The real start-up: the title, the file choice, the score file, the greeting.
    host.fileChoices.push_back(path);
    if (beforeStart)
        beforeStart(*this);
    try {
        game.story.Main();
    } catch (const GameEnded&) {
        endedAtStart = true;
    }
}

void SimGame::AnswerWait() {
    if (!playerAnswers)
        return;
    const auto answer = menuAnswers.find(game.talk.CurrentTalk());
    AnswerTalkWait(game.talk, answer == menuAnswers.end() ? 1 : answer->second, typedName);
}

void SimGame::Select(int word) {
    story.OnCellClick(Stage().Ques[word].Start);
    // A crossing may have selected the other word through the cell: turn to this one.
    if (story.board.CurQuesNmb() != word)
        story.board.HandleKey(Key::Space);
}

void SimGame::Solve() {
    for (int w = 1; w <= Stage().QuesNmbMax; ++w) {
        Select(w);
        Type(Stage().Ques[w].AnswerText);
    }
}

QString SimGame::ScoreFilePath() const {
    // As the game names it: the play file's name up to its first dot, then ".log".
    const QFileInfo play(path);
    return play.absolutePath() + u'/' + play.fileName().section(u'.', 0, 0) + QStringLiteral(".log");
}

QString SimGame::ScoreFile() const {
    const auto file = ReadTextFile(ScoreFilePath());
    return file ? file->lines.join(u'\n') : QString();
}

void SimGame::Keys(const QString& letters) {
    for (QChar ch : letters) {
        // Full-width capitals, as the answers hold them, are typed as their plain letter keys.
        if (ch.unicode() >= 0xFF21 && ch.unicode() <= 0xFF3A)
            ch = QChar(char16_t(u'A' + (ch.unicode() - 0xFF21)));
        const int code = ch == u'-' ? Key::Minus : Key::A + (ch.toUpper().unicode() - u'A');
        Key(code);
    }
}

QString SimGame::Line(int first, int step, int count) const {
    QString text;
    for (int i = 0; i < count; ++i)
        text += Stage().Mas[first + i * step].Entered;
    return text;
}

}  // namespace kirune
