#include "story/Sounds.h"
#include "story/Story.h"

#include <algorithm>

namespace kirune {

namespace {

constexpr int kViewColumns = 11;
constexpr int kViewRows = 10;
constexpr int kBoardLeft = 129;  // the 11 x 10 board window in the main window
constexpr int kBoardTop = 98;

// The first visible position that shows a word running along this axis: whole, from its start.
int AlongAxis(int pos, int length, int view, int span, int viewMax) {
    if (view <= pos && pos + length - 1 <= view + span - 1)
        return view;
    if (pos < view)
        return pos;
    return std::min(pos, viewMax);
}

// The first visible position for a word crossing this axis: its line five places from the edge.
int AcrossAxis(int pos, int view, int span, int viewMax) {
    if (view <= pos && pos <= view + span - 1)
        return view;
    return std::clamp(pos - 5, 1, viewMax);
}

}  // namespace

void Story::LayoutBoard() {
    ViewLeftMax = std::max(stage.MasMaxX - 10, 1);
    ViewTopMax = std::max(stage.MasMaxY - 9, 1);
    ViewLeft = 1;
    ViewTop = 1;
    const int W = MasWidth * stage.MasMaxX;
    const int H = MasHeight * stage.MasMaxY;
    screen.picCrossStage = Box{0, 0, W, H, screen.picCrossStage.Visible};

    const bool wide = stage.MasMaxX > kViewColumns;
    const bool tall = stage.MasMaxY > kViewRows;
    Box& base = screen.picCrossBase;
    base.Left = wide ? kBoardLeft : (kViewColumns * MasWidth - W) / 2 + kBoardLeft;
    base.Top = tall ? kBoardTop : (kViewRows * MasHeight - H) / 2 + kBoardTop;
    base.Width = wide ? kViewColumns * MasWidth : W;
    base.Height = tall ? kViewRows * MasHeight : H;
    base.Visible = true;
    screen.picCrossStageMoveHVisible = wide;
    screen.picCrossStageMoveVVisible = tall;
    ScrollMode = wide ? (tall ? Scroll::Both : Scroll::Horizontal) : (tall ? Scroll::Vertical : Scroll::None);
    screen.Changed(Screen::Part::Board);
}

void Story::PlaceCrossStage() {
    screen.picCrossStage.Left = -(ViewLeft - 1) * MasWidth;
    screen.picCrossStage.Top = -(ViewTop - 1) * MasHeight;
    screen.Changed(Screen::Part::Board);
}

void Story::ScrollToCursor() {
    if (CurStep == 1) {
        if (ScrollMode == Scroll::Vertical)
            return;
        const int col = stage.Column(CurMas);
        if (ViewLeft <= col && col <= ViewLeft + kViewColumns - 1)
            return;
        ViewLeft += col > ViewLeft ? 1 : -1;
    } else {
        if (ScrollMode == Scroll::Horizontal)
            return;
        const int row = stage.Row(CurMas);
        if (ViewTop <= row && row <= ViewTop + kViewRows - 1)
            return;
        ViewTop += row > ViewTop ? 1 : -1;
    }
    PlaceCrossStage();
}

void Story::ScrollToWord(bool horizontal, bool vertical) {
    const int col = stage.Column(CurQuesStart);
    const int row = stage.Row(CurQuesStart);
    const bool across = CurStep == 1;
    int left = ViewLeft, top = ViewTop;
    if (horizontal)
        left = across ? AlongAxis(col, CurQuesLen, ViewLeft, kViewColumns, ViewLeftMax)
                      : AcrossAxis(col, ViewLeft, kViewColumns, ViewLeftMax);
    if (vertical)
        top = across ? AcrossAxis(row, ViewTop, kViewRows, ViewTopMax)
                     : AlongAxis(row, CurQuesLen, ViewTop, kViewRows, ViewTopMax);
    if (left == ViewLeft && top == ViewTop)
        return;
    ViewLeft = left;
    ViewTop = top;
    PlaceCrossStage();
}

void Story::ScrollToWordH() { ScrollToWord(true, false); }
void Story::ScrollToWordV() { ScrollToWord(false, true); }
void Story::ScrollToWordHV() { ScrollToWord(true, true); }

void Story::ScrollToNewWord() {
    switch (ScrollMode) {
    case Scroll::Horizontal:
        ScrollToWordH();
        break;
    case Scroll::Vertical:
        ScrollToWordV();
        break;
    case Scroll::Both:
        ScrollToWordHV();
        break;
    case Scroll::None:
        break;
    }
}

void Story::ScrollBoard(int k, int& view, int viewMax, int stagePosition, int cellSize) {
    switch (k) {
    case 1: view = 1; break;
    case 2: if (view > 1) --view; break;
    case 3: if (view < viewMax) ++view; break;
    case 4: view = viewMax; break;
    default: return;
    }
    if (stagePosition == -(view - 1) * cellSize) {
        PlaySound(SoundRefused);
        return;
    }
    PlaySound(SoundMove);
    PlaceCrossStage();
}

void Story::ScrollBoardH(int k) { ScrollBoard(k, ViewLeft, ViewLeftMax, screen.picCrossStage.Left, MasWidth); }

void Story::ScrollBoardV(int k) { ScrollBoard(k, ViewTop, ViewTopMax, screen.picCrossStage.Top, MasHeight); }

}  // namespace kirune
