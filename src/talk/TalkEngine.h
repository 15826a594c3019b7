#pragma once

#include "host/Host.h"

#include <QList>

namespace kirune {

// The partner's, the narrator's and the navigator's talks, by number. For now every talk is
// taken up at once: a wait is answered, a menu takes item 1, and the four questions whose
// answer changes the game (stop, check, next stage, other stage) are asked as yes/no boxes.
class TalkEngine {
public:
    explicit TalkEngine(Host& host);

    QString TalkVar[11];  // 10 holds the player's name
    int TalkAnswer = 0;
    QString TalkInputText;
    int TalkWaitResult = 0;  // 1 waiting, 10 timed out, 11 answered

    void StartTalk() {}
    void EndTalk() {}
    void SetWaitLength(int seconds) { waitLength = seconds; }
    void Talk(int number);

    // The numbers of the talks run so far, in order.
    QList<int> History;

private:
    Host& host;
    int waitLength = 0;
};

}  // namespace kirune
