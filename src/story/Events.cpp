#include "story/Story.h"

namespace kirune {

void Story::OnKeyDown(int keyCode, bool alt) {
    if (keyCode == Key::F4 && alt) {
        if (EndGame)
            EndGame();
        return;
    }
    if (GamePhase == 1 && ModalBusy == 0 && HasStage())
        HandleKey(keyCode);
}

void Story::OnCellClick(int c) {
    if (!HasStage())
        return;
    if (AnswerOpenBusy == 0 && InputBuff.isEmpty() && MasAnimBusy == 0 && c > 0 && c <= stage.MasLast)
        ClickCell(c);
    Focus();
}

void Story::OnControllerClick(int set, Controller button) {
    if (!HasStage())
        return;
    if (AnswerOpenBusy == 0) {
        // Set 1 lies on the across dial, set 2 on the down dial.
        const bool across = set == 1;
        switch (button) {
        case Controller::Up:
            across ? MoveToWord(1) : MoveInWord(1);
            break;
        case Controller::Down:
            across ? MoveToWord(2) : MoveInWord(2);
            break;
        case Controller::Left:
            across ? MoveInWord(1) : MoveToWord(1);
            break;
        case Controller::Right:
            across ? MoveInWord(2) : MoveToWord(2);
            break;
        case Controller::Turn:
            TurnDirection();
            break;
        }
    }
    Focus();
}

void Story::OnKeyDeleteClick() {
    if (!HasStage())
        return;
    if (AnswerOpenBusy == 0 && InputBuff.isEmpty())
        EraseCell();
    Focus();
}

void Story::OnKeyUndoClick() {
    if (!HasStage())
        return;
    if (AnswerOpenBusy == 0 && InputBuff.isEmpty())
        UndoCell();
    Focus();
}

void Story::OnScrollClick(bool horizontal, int k) {
    if (!HasStage())
        return;
    if (AnswerOpenBusy == 0)
        horizontal ? ScrollBoardH(k) : ScrollBoardV(k);
    Focus();
}

}  // namespace kirune
