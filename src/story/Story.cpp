#include "story/Story.h"

namespace kirune {

Story::Story(Host& host, Screen& screen, Library& library, TalkEngine& talk, Anim& anim, Dressing& scene,
             Effect& effect, GameTimer& tmrVexal)
    : ctx{host, screen, library, talk, anim, scene, effect, hooks, flags},
      board(ctx),
      checker(ctx, board, flow),
      flow(ctx, board, checker, clock, progress),
      clock(ctx, tmrVexal, board, checker, flow),
      progress(ctx, board, checker) {}

void Story::OnKeyDown(int keyCode, bool alt) {
    if (keyCode == Key::F4 && alt)
        EndGame();
    if (flags.GamePhase != Phase::Play || flags.ModalBusy || !board.HasStage())
        return;
    // While the answers are checked a key only gives the board its focus.
    if (!flags.AnswerOpenBusy)
        board.HandleKey(keyCode);
    else
        ctx.Focus();
}

void Story::OnCellClick(int c) {
    if (!board.HasStage())
        return;
    if (!flags.AnswerOpenBusy && board.InputBuff().isEmpty() && !board.MasAnimBusy() && c > 0 && c <= board.Stage().MasLast)
        board.ClickCell(c);
    ctx.Focus();
}

void Story::OnControllerClick(int set, Controller button) {
    if (!board.HasStage())
        return;
    if (!flags.AnswerOpenBusy) {
        // Set 1 lies on the across dial, set 2 on the down dial.
        const bool across = set == 1;
        switch (button) {
        case Controller::Up:
            across ? board.MoveToWord(1) : board.MoveInWord(1);
            break;
        case Controller::Down:
            across ? board.MoveToWord(2) : board.MoveInWord(2);
            break;
        case Controller::Left:
            across ? board.MoveInWord(1) : board.MoveToWord(1);
            break;
        case Controller::Right:
            across ? board.MoveInWord(2) : board.MoveToWord(2);
            break;
        case Controller::Turn:
            board.TurnDirection();
            break;
        }
    }
    ctx.Focus();
}

void Story::OnKeyDeleteClick() {
    if (!board.HasStage())
        return;
    if (!flags.AnswerOpenBusy && board.InputBuff().isEmpty())
        board.EraseCell();
    ctx.Focus();
}

void Story::OnKeyUndoClick() {
    if (!board.HasStage())
        return;
    if (!flags.AnswerOpenBusy && board.InputBuff().isEmpty())
        board.UndoCell();
    ctx.Focus();
}

void Story::OnScrollClick(bool horizontal, int k) {
    if (!board.HasStage())
        return;
    if (!flags.AnswerOpenBusy)
        horizontal ? board.ScrollBoardH(k) : board.ScrollBoardV(k);
    ctx.Focus();
}

void Story::OnEndClick() {
    if (flags.GamePhase == Phase::Title)
        EndGame();
    if (!flags.AnswerOpenBusy && !flags.ModalBusy) {
        const BusyWhile busy(flags.ModalBusy);
        ctx.screen.lblEndEnabled = false;
        ctx.screen.Changed(Screen::Part::Controls);
        flow.ConfirmEnd();
        ctx.screen.lblEndEnabled = true;
        ctx.screen.Changed(Screen::Part::Controls);
    }
    ctx.Focus();
}

void Story::OnHelpClick() {
    if (flags.GamePhase != Phase::Play)
        return;
    ctx.screen.lblHelpEnabled = false;
    ctx.screen.Changed(Screen::Part::Controls);
    ctx.library.ShowReport(1);
    ctx.screen.lblHelpEnabled = true;
    ctx.screen.Changed(Screen::Part::Controls);
    ctx.Focus();
}

void Story::OnKeypadClick() {
    hooks.ClearKeypad();
    hooks.ToggleKeypad();
    ctx.Focus();
}

void Story::OnAdviceClick() {
    if (!flags.AnswerOpenBusy && !flags.ModalBusy && board.HasStage()) {
        const BusyWhile busy(flags.ModalBusy);
        checker.GiveAdvice();
    }
    ctx.Focus();
}

void Story::OnCrossChangeClick() {
    if (!flags.AnswerOpenBusy && !flags.ModalBusy && board.HasStage()) {
        const BusyWhile busy(flags.ModalBusy);
        checker.ChangeStage();
    }
    ctx.Focus();
}

void Story::OnAnswerOpenClick() {
    if (!flags.AnswerOpenBusy && !flags.ModalBusy && board.InputBuff().isEmpty() && !board.MasAnimBusy() && board.HasStage()) {
        const BusyWhile checking(flags.AnswerOpenBusy), busy(flags.ModalBusy);
        checker.CheckAnswers();
    }
    ctx.Focus();
}

void Story::OnMarkSpeedUpClick() {
    checker.SpeedUpSweep();
    ctx.screen.lblMarkSpeedUpVisible = false;
    ctx.screen.Changed(Screen::Part::Controls);
    ctx.Focus();
}

void Story::OnKeypadClose() {
    hooks.ToggleKeypad();
    ctx.Focus();
}

void Story::OnKeypadPressed() { ctx.Focus(); }

}  // namespace kirune
