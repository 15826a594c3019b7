#include "host/FileDialogHelper.h"
#include "host/QtHost.h"
#include "library/Library.h"
#include "support/AnimPeer.h"
#include "support/SimGame.h"
#include "ui/BoardWidget.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "ui/ScreenPicture.h"
#include "ui/StageWidget.h"
#include "ui/TalkWidgets.h"
#include "ui/WholeScale.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace kirune {
namespace {

class Window : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "kirune_tests";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
        InstallFontSubstitutions();
    }
};

TEST_F(Window, ShowsTheBoardAndForwardsKeysAndClicks) {
    SimGame game({{PatternGrid(12, 13)}});
    Game& g = game.game;
    MainWindow window({g.story, g.screen, g.talk, g.anim, g.keypad, game.host.ProgramFolder()});
    window.show();
    EXPECT_EQ(window.size(), QSize(774, 592));

    auto* board = window.findChild<BoardWidget*>();
    ASSERT_TRUE(board && board->isVisible());
    EXPECT_EQ(board->geometry(), QRect(129, 98, 385, 330));
    EXPECT_EQ(board->Stage()->size(), QSize(13 * 35, 12 * 33));

    // A key to any widget of the window reaches the game first.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
    QApplication::sendEvent(board->Stage(), &press);
    game.RunFor(1.0);
    EXPECT_EQ(game.Stage().Mas[game.Cell(1, 1)].Entered, QChar(0xFF2B));

    // A click on the cell at row 2, column 3 of the board.
    const QPointF at(2 * 35 + 10, 1 * 33 + 10);
    QMouseEvent click(QEvent::MouseButtonPress, at, board->Stage()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(board->Stage(), &click);
    EXPECT_EQ(game.CursorCell(), game.Cell(2, 3));

    // Scrolling moves the grid inside its frame.
    game.story.OnScrollClick(true, 4);
    EXPECT_EQ(board->Stage()->x(), -2 * 35);

    // The cells' captions take the Gothic face.
    const QFont font = GameFont(kGothic, 26.25);
    EXPECT_EQ(font.pixelSize(), 35);
    EXPECT_TRUE(QFontInfo(font).family().contains(QStringLiteral("Gothic"))) << QFontInfo(font).family().toStdString();
}

TEST_F(Window, TheRealHostKeepsATimerTickingWhileItsHandlerWaits) {
    QtHost host;
    int ticks = 0, depth = 0, deepest = 0, wakes = 0;
    GameTimer timer(host.Timers(), 10, [&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        if (ticks == 1) {
            const qint64 end = host.NowMs() + 100;
            for (; host.NowMs() < end; ++wakes)
                host.Pump(end);
        }
        --depth;
    });
    timer.SetEnabled(true);
    // The tick is overdue when the first Pump starts, so that Pump wakes at once, and the wait
    // above runs inside it: its wake-up must not go on firing through the wait.
    QThread::msleep(30);
    const qint64 end = host.NowMs() + 200;
    while (host.NowMs() < end)
        host.Pump(end);
    EXPECT_EQ(deepest, 2) << "ticks arrived inside the waiting handler";
    EXPECT_GT(ticks, 3);
    EXPECT_LT(wakes, 50) << "the wait woke for its ticks, not in a busy loop";
}

// Esc and the close button answer an OK report as OK but never a question: report 10004 stays
// open until a button is pressed, and the score file it asks about stays where it is.
TEST_F(Window, EscNeverAnswersAQuestion) {
    QtHost host;
    Library library(host);
    QTemporaryDir temp;
    library.TempFolder = library.LogFolder = temp.path() + u'/';
    library.LogFileName = QStringLiteral("test.log");
    ASSERT_TRUE(library.CreateLogFile(temp.filePath(QStringLiteral("test.log")), 1, 2));

    auto pressEsc = [] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(QApplication::activeModalWidget(), &esc);
    };
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_TRUE(box);
        pressEsc();
        box->close();
        QApplication::processEvents();
        stillOpen = box->isVisible();
        for (QPushButton* button : box->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("はい"))
                button->click();
    });
    library.ScoreFileQuestionAtEnd();
    EXPECT_TRUE(stillOpen) << "Esc and closing left the question open";
    EXPECT_TRUE(QFile::exists(temp.filePath(QStringLiteral("test.log"))));

    QTimer::singleShot(0, pressEsc);
    EXPECT_EQ(library.ShowReport(11), AnswerOk) << "an OK report closes with Esc";
    // Nobody there: the question closes by itself with the answer that loses nothing.
    EXPECT_EQ(host.ShowReport(ReportBox{QStringLiteral("t"), QStringLiteral("?"), ReportIcon::Exclamation,
                                        ReportButtons::YesNo, false, 1, AnswerYes}),
              AnswerYes);
}

TEST_F(Window, TheInputLineTakesItsBoxStyleAndAClickConfirmsIt) {
    SimHost host;
    host.programFolder = QStringLiteral(KIRUNE_PROGRAM_DIR "/");
    Effect effect(host);
    TalkEngine talk(host, effect);
    talk.InitTalk(420, 126);
    talk.AddTalker(QStringLiteral("＃"), 5, QString(), 0, 0, 0, 0, 0);  // the italic, not bold style
    QWidget window;
    TalkLayer layer(talk, &window);
    window.show();
    talk.viewChanged = [&](bool repaintNow) { layer.Sync(repaintNow); };
    talk.StartTalk();
    auto* line = window.findChild<QLineEdit*>();
    ASSERT_TRUE(line);
    QFont font;
    host.Post(500, [&] {
        font = line->font();
        line->setText(QStringLiteral("ken"));
        QMouseEvent click(QEvent::MouseButtonPress, QPointF(2, 2), line->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(line, &click);
    });
    talk.TalkText(QStringLiteral("＃〈名前は？〉◆"));
    EXPECT_EQ(talk.TalkInputText(), QStringLiteral("ｋｅｎ"));
    EXPECT_TRUE(font.italic() && !font.bold());
}

TEST_F(Window, AShakeUncoversTheStillStageAtItsEdges) {
    SimGame game({{PatternGrid(5, 5)}});
    Anim& anim = game.game.anim;
    anim.StopAnim();
    // A still stage of 40 x 30 in sky blue, and a white snapshot of it shaken 5 right, 3 up.
    StagePictures& pictures = AnimPeer::Shown(anim);
    const QColor sky(0x80, 0xC0, 0xFF);
    pictures.picStage = QImage(40, 30, QImage::Format_RGB32);
    pictures.picStage.fill(sky);
    pictures.picWork = pictures.picStage.copy();
    pictures.picWork.fill(Qt::white);
    std::tie(pictures.StageW, pictures.StageH, pictures.WorkX, pictures.WorkY) = std::tuple(40, 30, 5, -3);
    pictures.StageVisible = pictures.WorkVisible = true;
    StageWidget stage(anim, nullptr);
    stage.Sync();
    const QImage shown = stage.grab().toImage();
    EXPECT_EQ((std::vector{shown.pixelColor(2, 10), shown.pixelColor(20, 28), shown.pixelColor(20, 10)}),
              (std::vector{sky, sky, QColor(Qt::white)}))
        << "the left and the bottom edge show the still stage, the middle the snapshot";
}

TEST_F(Window, AtAFractionalScaleEveryPictureFeatureKeepsItsWidth) {
    // Posts 3 pixels wide with 3-pixel gaps, drawn at 1.5: each post should cover 4.5 screen
    // pixels, where drawing straight would give 4, 5, 4, 5.
    QImage posts(30, 2, QImage::Format_RGB32);
    for (int x = 0; x < posts.width(); ++x)
        for (int y = 0; y < posts.height(); ++y)
            posts.setPixelColor(x, y, x / 3 % 2 == 0 ? Qt::black : Qt::white);
    ScreenPicture picture(QPixmap::fromImage(posts));
    QImage screen(45, 3, QImage::Format_RGB32);
    screen.setDevicePixelRatio(1.5);
    {
        QPainter p(&screen);
        picture.Draw(p, QRect(0, 0, 30, 2));
    }
    std::vector<double> widths;
    for (int post = 0; post < 5; ++post) {
        double ink = 0;
        for (int x = post * 9; x < post * 9 + 9; ++x)
            ink += 1.0 - qGray(screen.pixel(x, 1)) / 255.0;
        widths.push_back(std::round(ink * 10) / 10);
    }
    EXPECT_EQ(widths, std::vector<double>(5, 4.5));
}

TEST(WholeScale, AFractionalDesktopScaleIsRoundedWhenTheWindowStillFits) {
    const QSize window = MainWindow::kSize;
    EXPECT_TRUE(PreferWholeScale(1.5, QSize(3840, 2160), window)) << "2 on a 4K screen";
    EXPECT_FALSE(PreferWholeScale(1.5, QSize(1366, 740), window)) << "twice 774 does not fit 1366";
    EXPECT_TRUE(PreferWholeScale(1.25, QSize(1366, 740), window)) << "down to 1 always fits";
    EXPECT_FALSE(PreferWholeScale(2.0, QSize(3840, 2160), window)) << "already whole";
}

// The helper process shows the open-file dialog where the game's own modal one would sit, over
// the game's window, and set up as getOpenFileName sets it up.
TEST_F(Window, TheHelpersFileDialogSitsWhereTheGamesOwnWould) {
    QWidget game;
    game.setGeometry(90, 70, 774, 592);
    game.show();
    const QString folder = QDir::tempPath(), filter = QStringLiteral("Vexal (*.vxl)");
    QFileDialog own(&game, QString(), folder, filter);
    own.setFileMode(QFileDialog::ExistingFile);
    own.show();
    const std::unique_ptr<QFileDialog> helpers = FileDialogFromArguments(FileDialogArguments(&game, folder, filter));
    ASSERT_TRUE(helpers);
    helpers->show();
    EXPECT_EQ(helpers->geometry(), own.geometry());
    EXPECT_EQ(helpers->directory(), own.directory());
    EXPECT_EQ(helpers->nameFilters(), own.nameFilters());
    EXPECT_EQ(helpers->fileMode(), own.fileMode());
}

}  // namespace
}  // namespace kirune
