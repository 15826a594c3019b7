#include "story/Story.h"

namespace kirune {

void Story::OnKeyDown(int keyCode, bool alt) {
    if (keyCode == Key::F4 && alt)
        EndGame();
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

namespace kirune {

void Story::OnEndClick() {
    if (GamePhase == 0)
        EndGame();
    if (AnswerOpenBusy == 0 && ModalBusy == 0) {
        ModalBusy = 1;
        screen.lblEndEnabled = false;
        screen.Changed(Screen::Part::Controls);
        ConfirmEnd();
        screen.lblEndEnabled = true;
        screen.Changed(Screen::Part::Controls);
        ModalBusy = 0;
    }
    Focus();
}

void Story::OnHelpClick() {
    if (GamePhase != 1)
        return;
    screen.lblHelpEnabled = false;
    screen.Changed(Screen::Part::Controls);
    library.ShowReport(1);
    screen.lblHelpEnabled = true;
    screen.Changed(Screen::Part::Controls);
    Focus();
}

void Story::OnKeypadClick() {
    if (ClearDispKeyBuff)
        ClearDispKeyBuff();
    if (ShowKeypad)
        ShowKeypad();
    Focus();
}

void Story::OnAdviceClick() {
    if (AnswerOpenBusy == 0 && ModalBusy == 0 && HasStage()) {
        ModalBusy = 1;
        GiveAdvice();
        ModalBusy = 0;
    }
    Focus();
}

void Story::OnCrossChangeClick() {
    if (AnswerOpenBusy == 0 && ModalBusy == 0 && HasStage()) {
        ModalBusy = 1;
        ChangeStage();
        ModalBusy = 0;
    }
    Focus();
}

void Story::OnAnswerOpenClick() {
    if (AnswerOpenBusy == 0 && ModalBusy == 0 && InputBuff.isEmpty() && MasAnimBusy == 0 && HasStage()) {
        AnswerOpenBusy = 1;
        ModalBusy = 1;
        CheckAnswers();
        AnswerOpenBusy = 0;
        ModalBusy = 0;
    }
    Focus();
}

void Story::OnMarkSpeedUpClick() {
    SpeedUp = 1;
    screen.lblMarkSpeedUpVisible = false;
    screen.Changed(Screen::Part::Controls);
    Focus();
}

void Story::OnKeypadClose() {
    if (ShowKeypad)
        ShowKeypad();
    Focus();
}

void Story::OnKeypadPressed() { Focus(); }

}  // namespace kirune
