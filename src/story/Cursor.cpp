#include "story/Board.h"

#include "library/PlayFile.h"

namespace kirune {

void Board::ClickCell(int c) {
    const MasRec& m = stage.Mas[c];
    if (m.Kind == KindBlack) {
        ctx.PlaySound(SoundRefused);
        return;
    }
    if (curQuesNmb == 0) {
        switch (m.Kind) {
        case KindAcross:
            SelectWord(c, 1);
            break;
        case KindDown:
            SelectWord(c, stage.MasStride);
            break;
        case KindCrossing:
            if (m.AcrossNo != 0)
                SelectWord(c, 1);
            else if (m.DownNo != 0)
                SelectWord(c, stage.MasStride);
            else
                SelectWord(c, curStep == 0 ? 1 : curStep);
            break;
        default:
            ctx.PlaySound(SoundRefused);
        }
        return;
    }
    if (c == curMas) {
        ctx.PlaySound(SoundRefused);
    } else if (m.Select > 0) {
        ctx.PlaySound(SoundSelect);
        MoveCursor(curMas, c);
    } else {
        const int s = StepForCell(c);
        if (s == 0) {
            ctx.PlaySound(SoundRefused);
            return;
        }
        DeselectWord(curStep);
        SelectWord(c, s);
        if (inputMode == 1)
            ctx.hooks.ClearKeypad();
    }
}

int Board::StepForCell(int c) const {
    const MasRec& m = stage.Mas[c];
    switch (m.Kind) {
    case KindAcross:
        return 1;
    case KindDown:
        return stage.MasStride;
    case KindCrossing:
        break;
    default:
        return 0;
    }
    // A crossing cell turns towards the word that crosses the selected one.
    auto crossesSelection = [this](int word, int step) {
        if (word == 0)
            return false;
        const QuesRec& q = stage.Ques[word];
        for (int i = 0; i < q.Length; ++i)
            if (stage.Mas[q.Start + i * step].Select > 0)
                return true;
        return false;
    };
    if (crossesSelection(m.AcrossOf, 1))
        return 1;
    if (crossesSelection(m.DownOf, stage.MasStride))
        return stage.MasStride;
    if (m.AcrossNo > 0)
        return 1;
    if (m.DownNo > 0)
        return stage.MasStride;
    return curStep == 0 ? 1 : curStep;
}

void Board::SelectWord(int c, int step) {
    const int w = step == 1 ? stage.Mas[c].AcrossOf : stage.Mas[c].DownOf;
    if (w == 0) {
        // Only an inconsistent grid has a white cell outside the word of its direction.
        ctx.PlaySound(SoundRefused);
        return;
    }
    ctx.PlaySound(SoundSelect);
    const QuesRec& q = stage.Ques[w];
    curQuesStart = q.Start;
    curQuesLen = q.Length;
    curQuesNmb = step == 1 ? stage.Mas[q.Start].AcrossNo : stage.Mas[q.Start].DownNo;
    for (int i = 0; i < curQuesLen; ++i) {
        const int cell = curQuesStart + i * step;
        screen.lblCell[cell].BackColor = CellColor::Selected;
        stage.Mas[cell].Select = step;
    }
    ShowClue(curQuesNmb);
    if (step != curStep) {
        screen.picControlerVisible[1] = step == 1;
        screen.picControlerVisible[2] = step != 1;
        screen.Changed(Screen::Part::Controls);
        curStep = step;
    }
    screen.lblCell[c].BackColor = CellColor::Cursor;
    curMas = c;
    screen.Changed(Screen::Part::Cells);
}

void Board::ShowClue(int w) {
    screen.lblQuesNmb = FullWidthDigits(w);
    const QString& clue = stage.Ques[w].QuesText;
    // Long clues get a smaller face so they still fit the two lines of the clue panel.
    screen.lblQuesPointSize = clue.size() <= 39 ? 14 : clue.size() <= 47 ? 12 : 10;
    screen.lblQues = clue;
    screen.Changed(Screen::Part::Labels);
}

void Board::DeselectWord(int step) {
    for (int i = 0; i < curQuesLen; ++i) {
        const int cell = curQuesStart + i * step;
        screen.lblCell[cell].BackColor = CellColor::Plain;
        stage.Mas[cell].Select = 0;
    }
    screen.lblQuesNmb.clear();
    screen.lblQues.clear();
    curQuesNmb = 0;
    screen.Changed(Screen::Part::Labels);
    screen.Changed(Screen::Part::Cells);
}

void Board::MoveCursor(int from, int to) {
    screen.lblCell[from].BackColor = CellColor::Selected;
    screen.lblCell[to].BackColor = CellColor::Cursor;
    curMas = to;
    screen.Changed(Screen::Part::Cells);
}

void Board::MoveInWord(int dir) {
    const int d = dir == 1 ? -curStep : curStep;
    if (stage.Mas[curMas + d].Select != curStep) {
        ctx.PlaySound(SoundRefused);
        return;
    }
    ctx.PlaySound(SoundMove);
    MoveCursor(curMas, curMas + d);
    if (scrollMode != Scroll::None)
        ScrollToCursor();
}

void Board::MoveToWord(int dir) {
    const int w = curQuesNmb;
    if (w == 0)
        return;
    const bool across = stage.IsAcrossWord(w);
    const int first = across ? 1 : stage.QuesDownFirst;
    const int last = across ? stage.QuesDownFirst - 1 : stage.QuesNmbMax;
    int target;
    if (dir == 1)
        target = w == first ? last : w - 1;
    else
        target = w == last ? first : w + 1;
    DeselectWord(curStep);
    SelectWord(stage.Ques[target].Start, stage.IsAcrossWord(target) ? 1 : stage.MasStride);
    if (inputMode == 1)
        ctx.hooks.ClearKeypad();
    ScrollToNewWord();
}

void Board::TurnDirection() {
    if (stage.Mas[curMas].Kind != KindCrossing) {
        ctx.PlaySound(SoundRefused);
        return;
    }
    if (curStep == 1) {
        DeselectWord(1);
        SelectWord(curMas, stage.MasStride);
    } else {
        DeselectWord(stage.MasStride);
        SelectWord(curMas, 1);
    }
    if (inputMode == 1)
        ctx.hooks.ClearKeypad();
}

void Board::BlinkCursor() {
    if (curMas <= 0 || curMas >= int(screen.lblCell.size()))
        return;
    Rgb& back = screen.lblCell[curMas].BackColor;
    if (back == CellColor::Cursor)
        back = CellColor::Selected;
    else if (back == CellColor::Selected)
        back = CellColor::Cursor;
    else
        return;
    screen.Changed(Screen::Part::Cells);
}

}  // namespace kirune

namespace kirune {

void Board::SweepTo(int w) {
    const QuesRec& q = stage.Ques[w];
    ShowClue(w);
    curStep = stage.IsAcrossWord(w) ? 1 : stage.MasStride;
    curMas = curQuesStart = q.Start;
    curQuesLen = q.Length;
    ScrollToNewWord();
}

void Board::ClearSelection() {
    for (MasRec& m : stage.Mas)
        m.Select = 0;
    curQuesNmb = 0;
}

void Board::ShowControls() {
    const bool across = curStep == 1;
    screen.picControlerVisible[1] = across;
    screen.picControlerVisible[2] = !across;
    screen.Changed(Screen::Part::Controls);
}

}  // namespace kirune
