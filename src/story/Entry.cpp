#include "story/Board.h"
#include "host/Wait.h"

namespace kirune {

void Board::HandleKey(int keyCode) {
    keyTime = ctx.TimerSeconds();
    const int select = stage.Mas[curMas].Select;
    if (keyCode >= Key::A && keyCode <= Key::Z) {
        const QChar letter(char16_t(u'A' + (keyCode - Key::A)));
        if (inputMode == 0)
            inputBuff += QChar(char16_t(0xFF21 + (keyCode - Key::A)));  // full-width capital
        else if (inputMode == 1 && ctx.hooks.RomaKanaConvWChr)
            inputBuff += ctx.hooks.RomaKanaConvWChr(letter);
    } else if (keyCode == Key::Minus) {
        if (inputMode == 1 && ctx.hooks.RomaKanaConvWChr)
            inputBuff += ctx.hooks.RomaKanaConvWChr(QChar(u'-'));
    } else if (keyCode == Key::Up || keyCode == Key::Down || keyCode == Key::Left || keyCode == Key::Right) {
        // The arrows mean the same on screen whichever way the selected word runs.
        if (select != 0) {
            const bool vertical = keyCode == Key::Up || keyCode == Key::Down;
            const int dir = keyCode == Key::Up || keyCode == Key::Left ? 1 : 2;
            if (vertical == (select == 1))
                MoveToWord(dir);
            else
                MoveInWord(dir);
        }
    } else if (keyCode == Key::Space) {
        TurnDirection();
    } else if (keyCode == Key::Delete) {
        if (inputBuff.isEmpty() && !masAnimBusy)
            EraseCell();
    } else if (keyCode == Key::Esc) {
        if (inputBuff.isEmpty() && !masAnimBusy)
            UndoCell();
    } else if (keyCode == Key::F1) {
        ctx.library.ShowDebugReport(curQuesNmb > 0 ? stage.Ques[curQuesNmb] : QuesRec{});
    }
    ctx.Focus();
}

void Board::PlaceNextInput() {
    const QChar ch = inputBuff.front();
    inputBuff.remove(0, 1);
    MasRec& m = stage.Mas[curMas];
    if (m.Entered != ch) {
        m.UndoChr = m.Entered;
        m.Entered = ch;
        ++edits;
        AnimateCell(curMas, CellAnimation::Entry);
        ++entryCount;
    } else {
        ctx.PlaySound(SoundMove);
    }
    const int next = curMas + curStep;
    if (stage.Mas[next].Select == curStep) {
        MoveCursor(curMas, next);
        if (scrollMode != Scroll::None)
            ScrollToCursor();
    } else {
        // Characters typed beyond the end of the word are dropped.
        inputBuff.clear();
    }
}

void Board::EraseCell() {
    MasRec& m = stage.Mas[curMas];
    if (m.Entered != kEmptyCell) {
        m.UndoChr = m.Entered;
        m.Entered = kEmptyCell;
        ++edits;
        AnimateCell(curMas, CellAnimation::Entry);
    } else {
        ctx.PlaySound(SoundMove);
    }
}

void Board::UndoCell() {
    MasRec& m = stage.Mas[curMas];
    std::swap(m.Entered, m.UndoChr);
    ++edits;
    AnimateCell(curMas, CellAnimation::Entry);
}

void Board::JudgeCell(int c) {
    curMas = c;
    AnimateCell(c, CellAnimation::Judge);
}

void Board::AnimateCell(int c, CellAnimation kind) {
    masAnimBusy = true;
    const int serial = stageSerial;
    // A stage change may run while the bars roll; its board must not get this cell's ending.
    auto stageChanged = [&] {
        if (serial == stageSerial)
            return false;
        for (Box* bars : {screen.shpRollCell1, screen.shpRollCell2})
            bars[0].Visible = bars[1].Visible = false;
        masAnimBusy = false;
        return true;
    };
    const int left = screen.lblCell[c].Left;
    const int top = screen.lblCell[c].Top;
    auto showBars = [&](Box (&bars)[2], int offset, bool visible) {
        bars[0].Left = left;
        bars[1].Left = left + offset;
        for (Box& bar : bars) {
            bar.Top = top;
            bar.Visible = visible;
        }
        screen.Changed(Screen::Part::Board);
    };

    if (kind == CellAnimation::Entry)
        ctx.PlaySound(SoundEntry);
    showBars(screen.shpRollCell1, rollOffset1, true);
    Wait(ctx.host, 0.1);
    if (stageChanged())
        return;
    showBars(screen.shpRollCell1, rollOffset1, false);
    showBars(screen.shpRollCell2, rollOffset2, true);
    Wait(ctx.host, 0.1);
    if (stageChanged())
        return;
    CellLabel& label = screen.lblCell[c];
    if (kind == CellAnimation::Entry) {
        label.Caption.clear();
    } else if (stage.Mas[c].Entered == stage.Mas[c].Answer) {
        label.Opaque = false;
        ctx.PlaySound(SoundRight);
    } else {
        label.BackColor = CellColor::Wrong;
        ctx.PlaySound(SoundWrong);
    }
    screen.Changed(Screen::Part::Cells);
    showBars(screen.shpRollCell2, rollOffset2, false);
    showBars(screen.shpRollCell1, rollOffset1, true);
    Wait(ctx.host, 0.1);
    showBars(screen.shpRollCell1, rollOffset1, false);
    if (stageChanged())
        return;
    // Read the entry now, not at the start: it may have changed while the bars rolled.
    screen.lblCell[c].Caption = QString(stage.Mas[c].Entered);
    screen.Changed(Screen::Part::Cells);
    masAnimBusy = false;
}

}  // namespace kirune
