#include "support/SimGame.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

const QString kPlaced = QStringLiteral("ピポポン");
const QString kMoved = QStringLiteral("ビィヨン");
const QString kRefused = QStringLiteral("ザッ");
const QString kSelected = QStringLiteral("ピイイン");

// Typing past the end of a word drops the rest; typing what a cell holds only moves on; an
// erase and an undo are one step deep per cell.
TEST(Entry, TypingRetypingErasingAndUndoing) {
    SimGame game({kRing});
    EXPECT_EQ(game.story.board.CurQuesNmb(), 1) << "a stage starts on word 1";
    EXPECT_EQ(game.CursorCell(), game.Cell(1, 1));
    game.TakeSounds();
    game.Keys(QStringLiteral("XYZUV"));
    game.RunFor(0.3);
    EXPECT_EQ(game.Row(1), QStringLiteral("Ｘ　　")) << "each placement waits for the cell animation before it";
    game.RunFor(2.0);
    EXPECT_EQ(game.Row(1), QStringLiteral("ＸＹＺ"));
    EXPECT_EQ(game.CursorCell(), game.Cell(1, 3));
    EXPECT_TRUE(game.story.board.InputBuff().isEmpty());
    EXPECT_EQ(game.TakeSounds(), QStringList({kPlaced, kPlaced, kPlaced}));
    EXPECT_EQ(game.story.board.EntryCount(), 3);

    game.Key(Key::Left);
    game.Key(Key::Left);
    game.RunFor(0.1);
    game.TakeSounds();
    game.Keys(QStringLiteral("X"));
    game.RunFor(0.15);
    EXPECT_EQ(game.TakeSounds(), QStringList({kMoved}));
    EXPECT_FALSE(game.story.board.MasAnimBusy());
    ASSERT_EQ(game.CursorCell(), game.Cell(1, 2));

    game.Key(Key::Delete);
    game.RunFor(1.0);
    EXPECT_EQ(game.Row(1), QStringLiteral("Ｘ　Ｚ"));
    EXPECT_EQ(game.CursorCell(), game.Cell(1, 2)) << "erasing does not move the cursor";
    game.Key(Key::Esc);
    game.RunFor(1.0);
    EXPECT_EQ(game.Row(1), QStringLiteral("ＸＹＺ")) << "undo after erase brings it back";
    EXPECT_EQ(game.Caption(game.Cell(1, 2)), QStringLiteral("Ｙ"));
    game.Key(Key::Esc);
    game.RunFor(1.0);
    EXPECT_EQ(game.Row(1), QStringLiteral("Ｘ　Ｚ")) << "a second undo erases it again";
    EXPECT_EQ(game.Stage().Mas[game.Cell(1, 1)].UndoChr, kEmptyCell) << "retyping changed nothing to undo";
}

TEST(Entry, WordMovesWrapWithinTheirDirection) {
    SimGame game({kRing});
    game.Key(Key::Up);  // on an across word, up goes to the previous word
    game.RunFor(0.1);
    EXPECT_EQ(game.story.board.CurQuesNmb(), 2) << "before the first across word comes the last";
    EXPECT_EQ(game.CursorCell(), game.Cell(3, 1));
    EXPECT_EQ(game.story.board.CurStep(), 1);

    game.Click(game.Cell(2, 3));  // a cell of down word 4 only
    game.RunFor(0.1);
    EXPECT_EQ(game.story.board.CurQuesNmb(), 4);
    game.Key(Key::Right);  // on a down word, right goes to the next word
    game.RunFor(0.1);
    EXPECT_EQ(game.story.board.CurQuesNmb(), 3) << "after the last down word comes the first";
    EXPECT_EQ(game.CursorCell(), game.Cell(1, 1));
    EXPECT_EQ(game.story.board.CurStep(), game.Stage().MasStride);
    EXPECT_TRUE(game.screen.picControlerVisible[2] && !game.screen.picControlerVisible[1]);
}

// Turning works only at a crossing, and either way; a click turns towards the selection.
TEST(Entry, TurningAndClickingSelectWords) {
    SimGame game({kRing});
    game.Key(Key::Right);
    game.RunFor(0.1);
    ASSERT_EQ(game.CursorCell(), game.Cell(1, 2));
    game.TakeSounds();
    game.Key(Key::Space);
    game.RunFor(0.1);
    EXPECT_EQ(game.TakeSounds(), QStringList({kRefused}));
    EXPECT_EQ(game.story.board.CurQuesNmb(), 1);

    game.Key(Key::Left);
    game.Key(Key::Space);
    game.RunFor(0.1);
    EXPECT_EQ(game.story.board.CurQuesNmb(), 3);
    EXPECT_EQ(game.CursorCell(), game.Cell(1, 1)) << "the cursor stays on its cell";
    EXPECT_EQ(game.Back(game.Cell(1, 2)), CellColor::Plain);
    EXPECT_EQ(game.Back(game.Cell(2, 1)), CellColor::Selected);
    EXPECT_EQ(game.screen.lblQuesNmb + game.screen.lblQues, QStringLiteral("３clue 3"));
    game.Key(Key::Space);
    game.RunFor(0.1);
    EXPECT_EQ(game.story.board.CurQuesNmb(), 1) << "and back across";
    EXPECT_EQ(game.Back(game.Cell(1, 2)), CellColor::Selected);

    game.TakeSounds();
    game.Click(game.Cell(2, 2));  // black
    game.Click(game.Cell(1, 1));  // the cursor cell
    game.Click(game.Cell(1, 3));  // in the selected word: the cursor jumps
    game.RunFor(0.1);
    EXPECT_EQ(game.TakeSounds(), QStringList({kRefused, kRefused, kSelected}));
    EXPECT_EQ(game.CursorCell(), game.Cell(1, 3));
    EXPECT_EQ(game.Back(game.Cell(1, 1)), CellColor::Selected);

    // (3,3) starts down word 4, but its across word 2 crosses the selected word 3 at (3,1).
    game.story.OnCellClick(game.Cell(2, 1));
    ASSERT_EQ(game.story.board.CurQuesNmb(), 3);
    game.story.OnCellClick(game.Cell(3, 3));
    EXPECT_EQ(game.story.board.CurQuesNmb(), 2);
    EXPECT_EQ(game.CursorCell(), game.Cell(3, 3));
    EXPECT_EQ(game.Back(game.Cell(3, 3)), CellColor::Cursor);
    EXPECT_EQ(game.Back(game.Cell(3, 1)), CellColor::Selected);
    EXPECT_EQ(game.Stage().Mas[game.Cell(2, 1)].Select, 0);
}

TEST(Entry, TheCellAnimationRollsTwoPairsOfBars) {
    SimGame game({kRing});
    const Screen& s = game.screen;
    const int cell = game.Cell(1, 1);
    // The animation runs inside a timer tick, so watch it from the screen's change reports,
    // timed from the moment the first bars show.
    QStringList frames;
    QString lastState;
    qint64 start = -1;
    game.game.screen.changed = [&](Screen::Part) {
        QString state;
        for (const Box* pair : {s.shpRollCell1, s.shpRollCell2})
            if (pair[0].Visible)
                state += QStringLiteral(" bars@%1,%2").arg(pair[0].Left).arg(pair[1].Left);
        if (start < 0 && state.isEmpty())
            return;
        start = start < 0 ? game.host.NowMs() : start;
        state += QStringLiteral(" [%1]").arg(game.Caption(cell));
        if (state != lastState)
            frames << QStringLiteral("%1ms").arg(game.host.NowMs() - start) + state;
        lastState = state;
    };
    game.Keys(QStringLiteral("Q"));
    game.RunFor(1.0);
    // Each step waits 0.1 s.
    EXPECT_EQ(frames.mid(0, 8).join(u'|'), QStringLiteral("0ms bars@0,30 [　]|100ms [　]|100ms bars@0,24 [　]|"
                                                          "200ms bars@0,24 []|200ms []|200ms bars@0,30 []|300ms []|300ms [Ｑ]"))
        << frames.join(u'\n').toStdString();
    EXPECT_FALSE(game.story.board.MasAnimBusy());
}

TEST(Entry, KanaPuzzlesQueueOnlyWhatTheConverterReturns) {
    SimGame game({kRing}, 1);
    // K waits for its vowel; KA makes カ, anything else ー.
    QString pending;
    game.story.hooks.RomaKanaConvWChr = [&](QChar key) {
        if ((pending += key) == QStringLiteral("K"))
            return QString();
        return std::exchange(pending, {}) == QStringLiteral("KA") ? QStringLiteral("カ") : QStringLiteral("ー");
    };
    int cleared = 0;
    game.story.hooks.ClearDispKeyBuff = [&] { ++cleared; };
    game.Keys(QStringLiteral("K"));
    game.RunFor(0.1);
    EXPECT_TRUE(game.story.board.InputBuff().isEmpty());
    game.Keys(QStringLiteral("A-"));
    game.RunFor(2.0);
    EXPECT_EQ(game.Row(1), QStringLiteral("カー　"));
    game.Key(Key::Down);
    game.RunFor(0.1);
    EXPECT_EQ(cleared, 1) << "a new word clears the keypad's keys";
}

}  // namespace
}  // namespace kirune
