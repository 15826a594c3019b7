#include "support/TalkAnswer.h"

namespace kirune {

void AnswerTalkWait(TalkEngine& talk, int menuItem, const QString& typed) {
    switch (talk.WaitMode()) {
    case TalkEngine::WaitFor::Click:
        talk.OnTalkBoxClick(talk.CurrentBox());
        break;
    case TalkEngine::WaitFor::Menu:
        if (menuItem > 0)
            talk.OnMenuClick(menuItem);
        break;
    case TalkEngine::WaitFor::Input:
        if (!typed.isEmpty()) {
            talk.OnInputEdited(typed);
            talk.OnInputConfirm();
        }
        break;
    case TalkEngine::WaitFor::Nothing:
        break;
    }
}

}  // namespace kirune
