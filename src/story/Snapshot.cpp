#include "story/Board.h"

namespace kirune {

StageProgress Board::Snapshot() const {
    StageProgress p;
    p.columns = stage.MasMaxX;
    p.rows = stage.MasMaxY;
    p.answers = answersDigest;
    for (int r = 1; r <= stage.MasMaxY; ++r) {
        QString entered, undo;
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            const MasRec& m = stage.Mas[stage.Cell(r, c)];
            const bool block = m.Kind == KindBlack;
            entered += block ? kBlackCell : m.Entered.isNull() ? kEmptyCell : m.Entered;
            undo += block ? kBlackCell : m.UndoChr.isNull() ? kEmptyCell : m.UndoChr;
        }
        p.entered << entered;
        p.undo << undo;
    }
    // The word through the cursor in the direction in play: the selected word, or during the
    // answer check the word being judged, whose cell the cursor is on.
    int cell = curMas;
    int word = curStep == 1 ? stage.Mas[cell].AcrossOf : stage.Mas[cell].DownOf;
    if (word == 0) {
        word = 1;
        cell = stage.Ques[1].Start;
    }
    p.word = word;
    p.cursorRow = stage.Row(cell);
    p.cursorColumn = stage.Column(cell);
    return p;
}

std::optional<QString> Board::Misfit(const StageProgress& saved) const {
    if (saved.columns != stage.MasMaxX || saved.rows != stage.MasMaxY)
        return QStringLiteral("is for a grid of %1 × %2").arg(saved.columns).arg(saved.rows);
    if (saved.answers != answersDigest)
        return QStringLiteral("is for other answers");
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            const bool block = stage.Mas[stage.Cell(r, c)].Kind == KindBlack;
            if ((saved.entered[r - 1][c - 1] == kBlackCell) != block || (saved.undo[r - 1][c - 1] == kBlackCell) != block)
                return QStringLiteral("puts blocks elsewhere in row %1").arg(r);
        }
    if (saved.word > stage.QuesNmbMax)
        return QStringLiteral("selects word %1 of %2").arg(saved.word).arg(stage.QuesNmbMax);
    const MasRec& cursor = stage.Mas[stage.Cell(saved.cursorRow, saved.cursorColumn)];
    if ((stage.IsAcrossWord(saved.word) ? cursor.AcrossOf : cursor.DownOf) != saved.word)
        return QStringLiteral("puts the cursor outside word %1").arg(saved.word);
    return std::nullopt;
}

void Board::Restore(const StageProgress& saved) {
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            const int i = stage.Cell(r, c);
            MasRec& m = stage.Mas[i];
            if (m.Kind == KindBlack)
                continue;
            m.Entered = saved.entered[r - 1][c - 1];
            m.UndoChr = saved.undo[r - 1][c - 1];
            screen.lblCell[i].Caption = QString(m.Entered);
        }
    DeselectWord(curStep);
    SelectWord(stage.Cell(saved.cursorRow, saved.cursorColumn), stage.IsAcrossWord(saved.word) ? 1 : stage.MasStride);
    ScrollToNewWord();
    // The word is in view from its start; a cursor further along is brought in a cell at a time.
    for (int i = 0; i < std::max(stage.MasMaxX, stage.MasMaxY) && scrollMode != Scroll::None; ++i)
        ScrollToCursor();
}

}  // namespace kirune
