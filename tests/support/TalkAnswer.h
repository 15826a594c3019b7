#pragma once

#include "talk/TalkEngine.h"

namespace kirune {

// Answers the wait the talk engine is in, as a player would: a click on the current box, the
// menu item given (none when it is 0 or less), or the typed text confirmed (none when empty,
// which leaves a timed answer to run out).
inline void AnswerTalkWait(TalkEngine& talk, int menuItem, const QString& typed) {
    const auto wait = talk.WaitMode();
    if (wait == TalkEngine::WaitFor::Click)
        talk.OnTalkBoxClick(talk.CurrentBox());
    else if (wait == TalkEngine::WaitFor::Menu && menuItem > 0)
        talk.OnMenuClick(menuItem);
    else if (wait == TalkEngine::WaitFor::Input && !typed.isEmpty()) {
        talk.OnInputEdited(typed);
        talk.OnInputConfirm();
    }
}

// The partners 1..4 as the talks name them: the figure's name, and the word the title's talks
// leave in talk variable 1..4 for the word effects.
inline const QString kPartnerNames[5] = {QString(), QStringLiteral("姉"), QStringLiteral("兄"), QStringLiteral("母"),
                                         QStringLiteral("父")};
inline const QString kPartnerWords[5] = {QString(), QStringLiteral("お姉ちゃん"), QStringLiteral("お兄ちゃん"),
                                         QStringLiteral("お母さん"), QStringLiteral("お父さん")};

}  // namespace kirune
