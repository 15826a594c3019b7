#include "story/Sounds.h"
#include "story/Story.h"

#include "library/PlayFile.h"

namespace kirune {

void Story::ClickCell(int c) {
    const MasRec& m = stage.Mas[c];
    if (m.Kind == KindBlack) {
        PlaySound(SoundRefused);
        return;
    }
    if (CurQuesNmb == 0) {
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
                SelectWord(c, CurStep == 0 ? 1 : CurStep);
            break;
        default:
            PlaySound(SoundRefused);
        }
        return;
    }
    if (c == CurMas) {
        PlaySound(SoundRefused);
    } else if (m.Select > 0) {
        PlaySound(SoundSelect);
        MoveCursor(CurMas, c);
    } else {
        const int s = StepForCell(c);
        if (s == 0) {
            PlaySound(SoundRefused);
            return;
        }
        DeselectWord(CurStep);
        SelectWord(c, s);
        if (InputMode == 1 && ClearDispKeyBuff)
            ClearDispKeyBuff();
    }
}

int Story::StepForCell(int c) const {
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
    return CurStep == 0 ? 1 : CurStep;
}

void Story::SelectWord(int c, int step) {
    const int w = step == 1 ? stage.Mas[c].AcrossOf : stage.Mas[c].DownOf;
    if (w == 0) {
        // Only an inconsistent grid has a white cell outside the word of its direction.
        PlaySound(SoundRefused);
        return;
    }
    PlaySound(SoundSelect);
    const QuesRec& q = stage.Ques[w];
    CurQuesStart = q.Start;
    CurQuesLen = q.Length;
    CurQuesNmb = step == 1 ? stage.Mas[q.Start].AcrossNo : stage.Mas[q.Start].DownNo;
    for (int i = 0; i < CurQuesLen; ++i) {
        const int cell = CurQuesStart + i * step;
        screen.lblCell[cell].BackColor = CellColor::Selected;
        stage.Mas[cell].Select = step;
    }
    ShowClue(CurQuesNmb);
    if (step != CurStep) {
        screen.picControlerVisible[1] = step == 1;
        screen.picControlerVisible[2] = step != 1;
        screen.Changed(Screen::Part::Controls);
        CurStep = step;
    }
    screen.lblCell[c].BackColor = CellColor::Cursor;
    CurMas = c;
    screen.Changed(Screen::Part::Cells);
}

void Story::ShowClue(int w) {
    screen.lblQuesNmb = FullWidthDigits(w);
    const QString& clue = stage.Ques[w].QuesText;
    // Long clues get a smaller face so they still fit the two lines of the clue panel.
    screen.lblQuesPointSize = clue.size() <= 39 ? 14 : clue.size() <= 47 ? 12 : 10;
    screen.lblQues = clue;
    screen.Changed(Screen::Part::Labels);
}

void Story::DeselectWord(int step) {
    for (int i = 0; i < CurQuesLen; ++i) {
        const int cell = CurQuesStart + i * step;
        screen.lblCell[cell].BackColor = CellColor::Plain;
        stage.Mas[cell].Select = 0;
    }
    screen.lblQuesNmb.clear();
    screen.lblQues.clear();
    CurQuesNmb = 0;
    screen.Changed(Screen::Part::Labels);
    screen.Changed(Screen::Part::Cells);
}

void Story::MoveCursor(int from, int to) {
    screen.lblCell[from].BackColor = CellColor::Selected;
    screen.lblCell[to].BackColor = CellColor::Cursor;
    CurMas = to;
    screen.Changed(Screen::Part::Cells);
}

void Story::MoveInWord(int dir) {
    const int d = dir == 1 ? -CurStep : CurStep;
    if (stage.Mas[CurMas + d].Select != CurStep) {
        PlaySound(SoundRefused);
        return;
    }
    PlaySound(SoundMove);
    MoveCursor(CurMas, CurMas + d);
    if (ScrollMode != Scroll::None)
        ScrollToCursor();
}

void Story::MoveToWord(int dir) {
    const int w = CurQuesNmb;
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
    DeselectWord(CurStep);
    SelectWord(stage.Ques[target].Start, stage.IsAcrossWord(target) ? 1 : stage.MasStride);
    if (InputMode == 1 && ClearDispKeyBuff)
        ClearDispKeyBuff();
    ScrollToNewWord();
}

void Story::TurnDirection() {
    if (stage.Mas[CurMas].Kind != KindCrossing) {
        PlaySound(SoundRefused);
        return;
    }
    if (CurStep == 1) {
        DeselectWord(1);
        SelectWord(CurMas, stage.MasStride);
    } else {
        DeselectWord(stage.MasStride);
        SelectWord(CurMas, 1);
    }
    if (InputMode == 1 && ClearDispKeyBuff)
        ClearDispKeyBuff();
}

void Story::BlinkCursor() {
    if (CurMas <= 0 || CurMas >= int(screen.lblCell.size()))
        return;
    Rgb& back = screen.lblCell[CurMas].BackColor;
    if (back == CellColor::Cursor)
        back = CellColor::Selected;
    else if (back == CellColor::Selected)
        back = CellColor::Cursor;
    else
        return;
    screen.Changed(Screen::Part::Cells);
}

}  // namespace kirune
