#pragma once

#include "anim/Anim.h"
#include "keypad/Keypad.h"
#include "model/Screen.h"
#include "story/Story.h"
#include "talk/TalkEngine.h"
#include "ui/HeldPicture.h"

#include <QLabel>
#include <QWidget>

namespace kirune {

class BoardWidget;
class TalkLayer;
class KeypadWindow;
class StageWidget;
class ClickArea;
class Panel;

// The modules the window shows and forwards to.
struct WindowModules {
    Story& story;
    Screen& screen;
    TalkEngine& talk;
    Anim& anim;
    Keypad& keypad;
    QString programFolder;  // ends in "/"
};

// frmMain: the game screen. It shows the Screen values and forwards every click and key to
// the game, which decides under its own guards what happens.
class MainWindow : public QWidget {
public:
    explicit MainWindow(const WindowModules& game);
    ~MainWindow() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Picture(const QString& name) const;
    void BuildPanels();
    void BuildController();
    void BuildScrollBars();
    QLabel* Caption(QWidget* panel, QRect geometry, const QFont& font, QColor color, bool centred = true);
    void Sync(Screen::Part part);

    WindowModules game;
    Story& story;
    Screen& screen;
    HeldPicture background;

    BoardWidget* board = nullptr;
    Panel* picDisplayLevel = nullptr;
    Panel* picTitle = nullptr;
    Panel* picDisplayQuesNmb = nullptr;
    Panel* picDisplayTime = nullptr;
    Panel* picDisplayAdviserBase = nullptr;
    Panel* picDisplayControlerBase = nullptr;
    Panel* picQues = nullptr;
    Panel* picControler[3] = {};
    Panel* picCrossStageMoveH = nullptr;
    Panel* picCrossStageMoveV = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblLevel = nullptr;
    QLabel* lblMasMaxXY = nullptr;
    QLabel* lblQuesNmbMax = nullptr;
    QLabel* lblQuesNmb = nullptr;
    QLabel* lblQues = nullptr;
    QLabel* lblPassedTime = nullptr;
    Panel* picKeypad = nullptr;
    ClickArea* lblEnd = nullptr;
    ClickArea* lblHelp = nullptr;
    ClickArea* lblAnswerOpen = nullptr;
    ClickArea* lblMarkSpeedUp = nullptr;
    bool keyPreview = false;
    bool shownTraced = false;
    TalkLayer* talkLayer = nullptr;
    KeypadWindow* keypadWindow = nullptr;
    StageWidget* stage = nullptr;
};

}  // namespace kirune
