#include "support/SimGame.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

TEST(BoardView, EachGridShapeGetsItsFrameAndBars) {
    const struct { int rows, columns; Box base; bool h, v; Board::Scroll mode; } cases[] = {
        {7, 7, {199, 147, 245, 231, true}, false, false, Board::Scroll::None},  // small: centred
        {12, 9, {164, 98, 315, 330, true}, false, true, Board::Scroll::Vertical},
        {8, 13, {129, 131, 385, 264, true}, true, false, Board::Scroll::Horizontal},
        {12, 13, {129, 98, 385, 330, true}, true, true, Board::Scroll::Both},
        {10, 11, {129, 98, 385, 330, true}, false, false, Board::Scroll::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << "x" << c.columns);
        SimGame game({{PatternGrid(c.rows, c.columns)}});
        EXPECT_EQ(game.screen.picCrossBase, c.base);
        EXPECT_EQ(game.screen.picCrossStage, (Box{0, 0, c.columns * 35, c.rows * 33, true}));
        EXPECT_EQ(game.screen.picCrossStageMoveHVisible, c.h);
        EXPECT_EQ(game.screen.picCrossStageMoveVVisible, c.v);
        EXPECT_EQ(game.story.board.ScrollMode(), c.mode);
        const CellLabel& cell = game.screen.lblCell[game.Cell(2, 3)];
        EXPECT_EQ(std::pair(cell.Left, cell.Top), std::pair(70, 33));
    }
}

class BigBoard : public ::testing::Test {
protected:
    // 15 x 15 with no blocks in row 1 and column 14 runs down from row 1.
    SimGame game{{{PatternGrid(15, 15)}}};
    Story& story = game.story;
    int StageLeft() const { return game.screen.picCrossStage.Left; }
    std::pair<int, int> View() const { return {story.board.ViewLeft(), story.board.ViewTop()}; }
};

TEST_F(BigBoard, TheCursorLeavingTheViewScrollsItOneStep) {
    EXPECT_EQ(std::pair(story.board.ViewLeftMax(), story.board.ViewTopMax()), std::pair(5, 6));
    game.Keys(QStringLiteral("AAAAAAAAAA"));  // ten letters: the cursor reaches column 11
    game.RunFor(6.0);
    ASSERT_EQ(game.CursorCell(), game.Cell(1, 11));
    EXPECT_EQ(story.board.ViewLeft(), 1);
    game.Keys(QStringLiteral("A"));
    game.RunFor(1.0);
    EXPECT_EQ(game.CursorCell(), game.Cell(1, 12));
    EXPECT_EQ(story.board.ViewLeft(), 2) << "the view moves to columns 2..12";
    EXPECT_EQ(StageLeft(), -35);

    story.OnCellClick(game.Cell(2, 1));  // column 1: one down word of 15 cells
    ASSERT_EQ(story.board.CurStep(), game.Stage().MasStride);
    for (int i = 0; i < 10; ++i)
        story.board.HandleKey(Key::Down);
    EXPECT_EQ(game.CursorCell(), game.Cell(12, 1));
    EXPECT_EQ(View(), std::pair(2, 3)) << "moving down scrolls rows only";
}

TEST_F(BigBoard, ScrollBarsMoveTheViewAndRefuseAtTheEnds) {
    game.TakeSounds();
    story.OnScrollClick(true, 4);
    EXPECT_EQ(story.board.ViewLeft(), 5);
    EXPECT_EQ(StageLeft(), -140);
    for (const auto& [across, part] : {std::pair(true, 4), std::pair(true, 3), std::pair(true, 2), std::pair(false, 3),
                                       std::pair(false, 1), std::pair(false, 2)})
        story.OnScrollClick(across, part);
    EXPECT_EQ(game.TakeSounds(), (QStringList{QStringLiteral("ビィヨン"), QStringLiteral("ザッ"), QStringLiteral("ザッ"),
                                              QStringLiteral("ビィヨン"), QStringLiteral("ビィヨン"),
                                              QStringLiteral("ビィヨン"), QStringLiteral("ザッ")}));
    EXPECT_EQ(View(), std::pair(4, 1));
    EXPECT_EQ(game.screen.picCrossStage.Top, 0);
}

TEST_F(BigBoard, ANewWordIsBroughtIntoView) {
    // Down word in column 14: its column goes five from the left edge, at most ViewLeftMax.
    const int downInColumn14 = game.Stage().Mas[game.Cell(1, 14)].DownOf;
    ASSERT_NE(downInColumn14, 0);
    story.OnCellClick(game.Cell(2, 14));
    EXPECT_EQ(story.board.CurQuesNmb(), downInColumn14);
    // A click selects without scrolling; moving to the next word and back scrolls.
    story.board.HandleKey(Key::Left);
    story.board.HandleKey(Key::Right);
    EXPECT_EQ(story.board.CurQuesNmb(), downInColumn14);
    EXPECT_EQ(View(), std::pair(5, 1)) << "min(14 - 5, 5)";

    // The last across word lies in row 15: whole from its first column, its row five from the top.
    story.OnCellClick(game.Cell(1, 1));
    story.OnCellClick(game.Cell(1, 2));  // across word 1 at (1,2)
    story.board.HandleKey(Key::Up);
    EXPECT_EQ(story.board.CurQuesNmb(), game.Stage().QuesDownFirst - 1);
    EXPECT_EQ(View(), std::pair(1, 6)) << "clamp(15 - 5, 1, 6)";
    EXPECT_EQ(game.screen.picCrossStage.Top, -5 * 33);
}

}  // namespace
}  // namespace kirune
