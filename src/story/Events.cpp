#include "story/Busy.h"
#include "story/Story.h"

namespace kirune {

void Story::OnKeyDown(int keyCode, bool alt) {
    if (keyCode == Key::F4 && alt)
        EndGame();
    if (GamePhase == Phase::Play && !ModalBusy && HasStage())
        HandleKey(keyCode);
}

void Story::OnCellClick(int c) {
    if (!HasStage())
        return;
    if (!AnswerOpenBusy && InputBuff.isEmpty() && !MasAnimBusy && c > 0 && c <= stage.MasLast)
        ClickCell(c);
    Focus();
}

void Story::OnControllerClick(int set, Controller button) {
    if (!HasStage())
        return;
    if (!AnswerOpenBusy) {
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
    if (!AnswerOpenBusy && InputBuff.isEmpty())
        EraseCell();
    Focus();
}

void Story::OnKeyUndoClick() {
    if (!HasStage())
        return;
    if (!AnswerOpenBusy && InputBuff.isEmpty())
        UndoCell();
    Focus();
}

void Story::OnScrollClick(bool horizontal, int k) {
    if (!HasStage())
        return;
    if (!AnswerOpenBusy)
        horizontal ? ScrollBoardH(k) : ScrollBoardV(k);
    Focus();
}

}  // namespace kirune

namespace kirune {

void Story::OnEndClick() {
    if (GamePhase == Phase::Title)
        EndGame();
    if (!AnswerOpenBusy && !ModalBusy) {
        const BusyWhile busy(ModalBusy);
        screen.lblEndEnabled = false;
        screen.Changed(Screen::Part::Controls);
        ConfirmEnd();
        screen.lblEndEnabled = true;
        screen.Changed(Screen::Part::Controls);
    }
    Focus();
}

void Story::OnHelpClick() {
    if (GamePhase != Phase::Play)
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
    if (!AnswerOpenBusy && !ModalBusy && HasStage()) {
        const BusyWhile busy(ModalBusy);
        GiveAdvice();
    }
    Focus();
}

void Story::OnCrossChangeClick() {
    if (!AnswerOpenBusy && !ModalBusy && HasStage()) {
        const BusyWhile busy(ModalBusy);
        ChangeStage();
    }
    Focus();
}

void Story::OnAnswerOpenClick() {
    if (!AnswerOpenBusy && !ModalBusy && InputBuff.isEmpty() && !MasAnimBusy && HasStage()) {
        const BusyWhile checking(AnswerOpenBusy), busy(ModalBusy);
        CheckAnswers();
    }
    Focus();
}

void Story::OnMarkSpeedUpClick() {
    SpeedUp = true;
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
