#include "support/TalkAnswer.h"

namespace kirune {

void AnswerTalkWait(TalkEngine& talk, int menuItem, const QString& typed) {
    switch (talk.WaitMode) {
    case 1:
    case -1:
        talk.OnTalkBoxClick(talk.CurrentBox);
        break;
    case 3:
    case -3:
        if (menuItem > 0)
            talk.OnMenuClick(menuItem);
        break;
    case 2:
    case -2:
        if (!typed.isEmpty()) {
            talk.View.Input.Text = typed;
            talk.OnInputConfirm();
        }
        break;
    default:
        break;
    }
}

}  // namespace kirune
