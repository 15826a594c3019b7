#include "story/Sounds.h"
#include "story/Story.h"
#include "host/Wait.h"

namespace kirune {

void Story::HandleKey(int keyCode) {
    if (AnswerOpenBusy) {
        Focus();
        return;
    }
    KeyTime = TimerSeconds();
    const int select = stage.Mas[CurMas].Select;
    if (keyCode >= Key::A && keyCode <= Key::Z) {
        const QChar letter(char16_t(u'A' + (keyCode - Key::A)));
        if (InputMode == 0)
            InputBuff += QChar(char16_t(0xFF21 + (keyCode - Key::A)));  // full-width capital
        else if (InputMode == 1 && RomaKanaConvWChr)
            InputBuff += RomaKanaConvWChr(letter);
    } else if (keyCode == Key::Minus) {
        if (InputMode == 1 && RomaKanaConvWChr)
            InputBuff += RomaKanaConvWChr(QChar(u'-'));
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
        if (InputBuff.isEmpty() && !MasAnimBusy)
            EraseCell();
    } else if (keyCode == Key::Esc) {
        if (InputBuff.isEmpty() && !MasAnimBusy)
            UndoCell();
    } else if (keyCode == Key::F1) {
        library.ShowDebugReport(CurQuesNmb > 0 ? stage.Ques[CurQuesNmb] : QuesRec{});
    }
    Focus();
}

void Story::PlaceNextInput() {
    const QChar ch = InputBuff.front();
    InputBuff.remove(0, 1);
    MasRec& m = stage.Mas[CurMas];
    if (m.Entered != ch) {
        m.UndoChr = m.Entered;
        m.Entered = ch;
        AnimateCell(1);
        ++EntryCount;
    } else {
        PlaySound(SoundMove);
    }
    const int next = CurMas + CurStep;
    if (stage.Mas[next].Select == CurStep) {
        MoveCursor(CurMas, next);
        if (ScrollMode != Scroll::None)
            ScrollToCursor();
    } else {
        // Characters typed beyond the end of the word are dropped.
        InputBuff.clear();
    }
}

void Story::EraseCell() {
    MasRec& m = stage.Mas[CurMas];
    if (m.Entered != kEmptyCell) {
        m.UndoChr = m.Entered;
        m.Entered = kEmptyCell;
        AnimateCell(1);
    } else {
        PlaySound(SoundMove);
    }
}

void Story::UndoCell() {
    MasRec& m = stage.Mas[CurMas];
    std::swap(m.Entered, m.UndoChr);
    AnimateCell(1);
}

void Story::AnimateCell(int kind) {
    MasAnimBusy = true;
    const int c = CurMas;
    const int serial = StageSerial;
    // A stage change may run while the bars roll; its board must not get this cell's ending.
    auto stageChanged = [&] {
        if (serial == StageSerial)
            return false;
        for (Box* bars : {screen.shpRollCell1, screen.shpRollCell2})
            bars[0].Visible = bars[1].Visible = false;
        MasAnimBusy = false;
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

    if (kind == 1)
        PlaySound(SoundEntry);
    showBars(screen.shpRollCell1, RollOffset1, true);
    Wait(host, 0.1);
    if (stageChanged())
        return;
    showBars(screen.shpRollCell1, RollOffset1, false);
    showBars(screen.shpRollCell2, RollOffset2, true);
    Wait(host, 0.1);
    if (stageChanged())
        return;
    CellLabel& label = screen.lblCell[c];
    if (kind == 1) {
        label.Caption.clear();
    } else if (stage.Mas[c].Entered == stage.Mas[c].Answer) {
        label.Opaque = false;
        PlaySound(SoundRight);
    } else {
        label.BackColor = CellColor::Wrong;
        PlaySound(SoundWrong);
    }
    screen.Changed(Screen::Part::Cells);
    showBars(screen.shpRollCell2, RollOffset2, false);
    showBars(screen.shpRollCell1, RollOffset1, true);
    Wait(host, 0.1);
    showBars(screen.shpRollCell1, RollOffset1, false);
    if (stageChanged())
        return;
    // Read the entry now, not at the start: it may have changed while the bars rolled.
    screen.lblCell[c].Caption = QString(stage.Mas[c].Entered);
    screen.Changed(Screen::Part::Cells);
    MasAnimBusy = false;
}

}  // namespace kirune
