#include "story/Story.h"

#include "story/Sounds.h"
#include "model/StageCheck.h"

#include <cmath>

namespace kirune {

Story::Story(Host& host, Screen& screen, Library& library, TalkEngine& talk, Anim& anim, Dressing& scene,
             Effect& effect, GameTimer& tmrVexal)
    : tmrVexal(tmrVexal),
      host(host),
      screen(screen),
      library(library),
      talk(talk),
      anim(anim),
      scene(scene),
      effect(effect) {
    CurStep = 0;
    SetCellMetrics(screen.CellWidth, screen.CellHeight);
}

void Story::PlaySound(int id) { effect.PlaySound(SoundName[id]); }

qint32 Story::TimerSeconds() const { return qint32(std::lrint(host.SecondsSinceMidnight())); }

void Story::SetCellMetrics(int width, int height) {
    MasWidth = width;
    MasHeight = height;
    for (Box& bar : screen.shpRollCell1) {
        bar.Width = MasWidth / 7;
        bar.Height = MasHeight;
    }
    for (Box& bar : screen.shpRollCell2) {
        bar.Width = MasWidth / 3;
        bar.Height = MasHeight;
    }
    RollOffset1 = MasWidth - screen.shpRollCell1[0].Width;
    RollOffset2 = MasWidth - screen.shpRollCell2[0].Width;
}

std::optional<PlayFileError> Story::SetupStage(int n) {
    auto read = LoadStageData(PlayFolder + PlayFileName, n);
    if (!read)
        return read.error;
    Crossword x = std::move(read.value);
    if (auto error = PrepareForPlay(x))
        return error;

    const StageCaptions captions = CaptionsFor(x, PlayFileName, n, screen.lblLevel);
    UnloadCellLabels();
    stage = std::move(x);
    StageNmb = n;
    ++StageSerial;
    screen.lblTitle = captions.lblTitle;
    screen.lblLevel = captions.lblLevel;
    screen.lblQuesNmbMax = captions.lblQuesNmbMax;
    screen.lblMasMaxXY = captions.lblMasMaxXY;
    screen.Changed(Screen::Part::Labels);

    screen.picCrossStage.Visible = true;
    LayoutBoard();
    LoadCellLabels();
    PlaceCells();
    Focus();

    InputBuff.clear();
    CurQuesNmb = 0;
    CurMas = stage.Ques[1].Start;
    ClickCell(CurMas);

    AdviceStep = 0;
    ChangeAsked = false;
    AnswerOpenBusy = false;
    StartClock();
    KeyTime = StartTime;
    EntryCount = 0;
    tmrVexal.SetEnabled(true);
    return std::nullopt;
}

void Story::SetupStageOrReport(int n) {
    for (;;) {
        const auto error = SetupStage(n);
        if (!error)
            return;
        host.Diagnostic(QStringLiteral("%1: stage %2: %3").arg(PlayFileName).arg(n).arg(error->Describe()));
        if (library.ShowReport(103) != AnswerYes)
            EndGame();
        OpenPlayFile();
        n = NextUnsolvedStage(0);
    }
}

void Story::LoadCellLabels() {
    screen.lblCell.assign(stage.MasLast + 1, CellLabel{});
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c)
            screen.lblCell[stage.Cell(r, c)].Visible = true;
}

void Story::UnloadCellLabels() {
    screen.lblCell.clear();
    screen.Changed(Screen::Part::Cells);
}

void Story::PlaceCells() {
    for (int r = 1; r <= stage.MasMaxY; ++r)
        for (int c = 1; c <= stage.MasMaxX; ++c) {
            const int i = stage.Cell(r, c);
            CellLabel& label = screen.lblCell[i];
            label.Left = (c - 1) * MasWidth;
            label.Top = (r - 1) * MasHeight;
            label.Caption = QString(kEmptyCell);
            label.Visible = true;
            label.Opaque = true;
            label.BackColor = stage.Mas[i].Kind == KindBlack ? CellColor::Black : CellColor::Plain;
        }
    screen.Changed(Screen::Part::Cells);
}

void Story::SetCellBack(int c, Rgb color) {
    screen.lblCell[c].BackColor = color;
    screen.Changed(Screen::Part::Cells);
}

}  // namespace kirune
