#include "story/Board.h"

namespace kirune {

Board::Board(const StoryContext& context) : ctx(context), screen(context.screen) {
    SetCellMetrics(screen.CellWidth, screen.CellHeight);
}

void Board::SetCellMetrics(int width, int height) {
    masWidth = width;
    masHeight = height;
    for (Box& bar : screen.shpRollCell1) {
        bar.Width = masWidth / 7;
        bar.Height = masHeight;
    }
    for (Box& bar : screen.shpRollCell2) {
        bar.Width = masWidth / 3;
        bar.Height = masHeight;
    }
    rollOffset1 = masWidth - screen.shpRollCell1[0].Width;
    rollOffset2 = masWidth - screen.shpRollCell2[0].Width;
}

void Board::SetUp(Crossword&& x, qint32 now) {
    screen.lblCell.clear();
    screen.Changed(Screen::Part::Cells);
    stage = std::move(x);
    answersDigest = AnswersDigest(stage);
    ++stageSerial;

    screen.picCrossStage.Visible = true;
    LayoutBoard();
    LoadCellLabels();
    PlaceCells();
    ctx.Focus();

    inputBuff.clear();
    curQuesNmb = 0;
    curMas = stage.Ques[1].Start;
    ClickCell(curMas);
    keyTime = now;
    entryCount = 0;
}

void Board::LoadCellLabels() {
    screen.lblCell.assign(stage.MasLast + 1, CellLabel{});
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c)
            screen.lblCell[stage.Cell(r, c)].Visible = true;
}

void Board::PlaceCells() {
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            const int i = stage.Cell(r, c);
            CellLabel& label = screen.lblCell[i];
            label.Left = (c - 1) * masWidth;
            label.Top = (r - 1) * masHeight;
            label.Caption = QString(kEmptyCell);
            label.Visible = true;
            label.Opaque = true;
            label.BackColor = stage.Mas[i].Kind == KindBlack ? CellColor::Black : CellColor::Plain;
        }
    screen.Changed(Screen::Part::Cells);
}

}  // namespace kirune
