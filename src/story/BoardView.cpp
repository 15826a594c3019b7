#include "story/Board.h"

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

void Board::LayoutBoard() {
    viewLeftMax = std::max(stage.MasMaxX - 10, 1);
    viewTopMax = std::max(stage.MasMaxY - 9, 1);
    viewLeft = 1;
    viewTop = 1;
    const int W = masWidth * stage.MasMaxX;
    const int H = masHeight * stage.MasMaxY;
    screen.picCrossStage = Box{0, 0, W, H, screen.picCrossStage.Visible};

    const bool wide = stage.MasMaxX > kViewColumns;
    const bool tall = stage.MasMaxY > kViewRows;
    Box& base = screen.picCrossBase;
    base.Left = wide ? kBoardLeft : (kViewColumns * masWidth - W) / 2 + kBoardLeft;
    base.Top = tall ? kBoardTop : (kViewRows * masHeight - H) / 2 + kBoardTop;
    base.Width = wide ? kViewColumns * masWidth : W;
    base.Height = tall ? kViewRows * masHeight : H;
    base.Visible = true;
    screen.picCrossStageMoveHVisible = wide;
    screen.picCrossStageMoveVVisible = tall;
    scrollMode = wide ? (tall ? Scroll::Both : Scroll::Horizontal) : (tall ? Scroll::Vertical : Scroll::None);
    screen.Changed(Screen::Part::Board);
}

void Board::PlaceCrossStage() {
    screen.picCrossStage.Left = -(viewLeft - 1) * masWidth;
    screen.picCrossStage.Top = -(viewTop - 1) * masHeight;
    screen.Changed(Screen::Part::Board);
}

void Board::ScrollToCursor() {
    if (curStep == 1) {
        if (scrollMode == Scroll::Vertical)
            return;
        const int col = stage.Column(curMas);
        if (viewLeft <= col && col <= viewLeft + kViewColumns - 1)
            return;
        viewLeft += col > viewLeft ? 1 : -1;
    } else {
        if (scrollMode == Scroll::Horizontal)
            return;
        const int row = stage.Row(curMas);
        if (viewTop <= row && row <= viewTop + kViewRows - 1)
            return;
        viewTop += row > viewTop ? 1 : -1;
    }
    PlaceCrossStage();
}

void Board::ScrollToWord(bool horizontal, bool vertical) {
    const int col = stage.Column(curQuesStart);
    const int row = stage.Row(curQuesStart);
    const bool across = curStep == 1;
    int left = viewLeft, top = viewTop;
    if (horizontal)
        left = across ? AlongAxis(col, curQuesLen, viewLeft, kViewColumns, viewLeftMax)
                      : AcrossAxis(col, viewLeft, kViewColumns, viewLeftMax);
    if (vertical)
        top = across ? AcrossAxis(row, viewTop, kViewRows, viewTopMax)
                     : AlongAxis(row, curQuesLen, viewTop, kViewRows, viewTopMax);
    if (left == viewLeft && top == viewTop)
        return;
    viewLeft = left;
    viewTop = top;
    PlaceCrossStage();
}

void Board::ScrollToNewWord() {
    switch (scrollMode) {
    case Scroll::Horizontal:
        ScrollToWord(true, false);
        break;
    case Scroll::Vertical:
        ScrollToWord(false, true);
        break;
    case Scroll::Both:
        ScrollToWord(true, true);
        break;
    case Scroll::None:
        break;
    }
}

void Board::ScrollBoard(int k, int& view, int viewMax, int stagePosition, int cellSize) {
    switch (k) {
    case 1: view = 1; break;
    case 2: if (view > 1) --view; break;
    case 3: if (view < viewMax) ++view; break;
    case 4: view = viewMax; break;
    default: return;
    }
    if (stagePosition == -(view - 1) * cellSize) {
        ctx.PlaySound(SoundRefused);
        return;
    }
    ctx.PlaySound(SoundMove);
    PlaceCrossStage();
}

void Board::ScrollBoardH(int k) { ScrollBoard(k, viewLeft, viewLeftMax, screen.picCrossStage.Left, masWidth); }

void Board::ScrollBoardV(int k) { ScrollBoard(k, viewTop, viewTopMax, screen.picCrossStage.Top, masHeight); }

}  // namespace kirune
