#pragma once

#include "talk/TalkEngine.h"

namespace kirune {

// Answers the wait the talk engine is in, as a player would: a click on the current box, the
// menu item given (none when it is 0 or less), or the typed text confirmed (none when empty,
// which leaves a timed answer to run out).
void AnswerTalkWait(TalkEngine& talk, int menuItem, const QString& typed);

}  // namespace kirune
