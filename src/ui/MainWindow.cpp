#include "ui/MainWindow.h"

#include "ui/BoardWidget.h"
#include "ui/Fonts.h"
#include "ui/KeyMap.h"
#include "ui/Panel.h"
#include "ui/StartupTrace.h"
#include "ui/TalkWidgets.h"
#include "ui/KeypadWindow.h"
#include "ui/StageWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace kirune {

namespace {

constexpr int kWindowWidth = 774;
constexpr int kWindowHeight = 592;

const QColor kPanelCream(0xFF, 0xF1, 0xD0);
const QColor kPanelBlue(0xCF, 0xE6, 0xFF);
const QColor kPanelGreen(0xD8, 0xF2, 0xC8);
const QColor kPanelNight(0x35, 0x4A, 0x7A);
const QColor kButtonBrown(0x80, 0x00, 0x00);

void DrawButton(QPainter& p, QRect r, const QString& text) {
    QPainterPath path;
    path.addRoundedRect(QRectF(r), 10, 10);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(0xFF, 0xD8, 0x9A));
    fill.setColorAt(1, QColor(0xF0, 0xA8, 0x50));
    p.fillPath(path, fill);
    p.setPen(QPen(QColor(0xA0, 0x60, 0x20), 2));
    p.drawPath(path);
    p.setPen(kButtonBrown);
    p.setFont(GameFont(kPGothic, 11.25, true));
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

QString MainWindow::Picture(const QString& name) const {
    return game.programFolder + QStringLiteral("sys/Picture/") + name + QStringLiteral(".jpg");
}

MainWindow::MainWindow(const WindowModules& game)
    : game(game), story(game.story), screen(game.screen), background(Picture(QStringLiteral("基本背景"))) {
    setWindowTitle(QStringLiteral("Kirune"));
    setFixedSize(kWindowWidth, kWindowHeight);
    if (const QScreen* display = QGuiApplication::primaryScreen()) {
        const QRect area = display->geometry();
        move(area.left() + (area.width() - kWindowWidth) / 2, area.top() + (area.height() - kWindowHeight) / 2);
    }
    BuildPanels();
    BuildController();
    BuildScrollBars();

    board = new BoardWidget(screen, this);
    board->Stage()->cellClicked = [this](int c) { story.OnCellClick(c); };

    lblEnd = new ClickArea(this, QRect(696, 16, 49, 41));
    QObject::connect(lblEnd, &ClickArea::clicked, this, [this] { story.OnEndClick(); });
    lblHelp = new ClickArea(this, QRect(624, 16, 49, 41));
    QObject::connect(lblHelp, &ClickArea::clicked, this, [this] { story.OnHelpClick(); });

    stage = new StageWidget(game.anim, this);
    game.anim.MeasureText = &StageWidget::MeasureText;
    game.anim.changed = [this] { stage->Sync(); };

    game.talk.SetMetrics(TalkLayer::Measure());
    talkLayer = new TalkLayer(game.talk, this);
    game.talk.viewChanged = [this](bool repaintNow) { talkLayer->Sync(repaintNow); };

    keypadWindow = new KeypadWindow(game.keypad, story, Picture(QStringLiteral("キーパット")), this);
    game.keypad.changed = [this] { keypadWindow->Sync(); };

    screen.changed = [this](Screen::Part part) { Sync(part); };
    for (auto part : {Screen::Part::Board, Screen::Part::Cells, Screen::Part::Labels, Screen::Part::Controls})
        Sync(part);
}

MainWindow::~MainWindow() {
    game.talk.viewChanged = nullptr;
    game.keypad.changed = nullptr;
    game.anim.changed = nullptr;
    game.anim.MeasureText = nullptr;
    screen.changed = nullptr;
    delete talkLayer;
    delete keypadWindow;
}

QLabel* MainWindow::Caption(QWidget* panel, QRect geometry, const QFont& font, QColor color, bool centred) {
    auto* label = new QLabel(panel);
    label->setGeometry(geometry);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void MainWindow::BuildPanels() {
    picDisplayLevel = new Panel(this, Picture(QStringLiteral("レベル欄")), QRect(17, 22, 129, 47), kPanelCream);
    picTitle = new Panel(this, Picture(QStringLiteral("タイトル欄")), QRect(176, 12, 313, 67), kPanelCream);
    picDisplayTime = new Panel(this, Picture(QStringLiteral("タイマー欄")), QRect(568, 80, 177, 45), kPanelNight);
    picDisplayAdviserBase = new Panel(this, Picture(QStringLiteral("アドバイス枠")), QRect(569, 187, 174, 165), kPanelGreen);
    picDisplayControlerBase = new Panel(this, Picture(QStringLiteral("ダイヤル周り")), QRect(568, 362, 171, 174), kPanelBlue);
    picDisplayQuesNmb = new Panel(this, Picture(QStringLiteral("問題番号欄")), QRect(10, 435, 108, 117), kPanelCream);
    picQues = new Panel(this, Picture(QStringLiteral("出題文欄")), QRect(117, 464, 428, 77), kPanelCream);

    lblLevel = Caption(picDisplayLevel, QRect(50, 4, 69, 17), GameFont(kPGothic, 9.75), QColor(0xFF, 0, 0));
    lblMasMaxXY = Caption(picDisplayLevel, QRect(48, 22, 69, 17), GameFont(kGothic, 11.25), QColor(0xFF, 0, 0));
    lblTitle = Caption(picTitle, QRect(0, 19, 305, 25), GameFont(kPGothic, 15.75, true), QColor(0, 0, 0xFF));
    lblPassedTime = Caption(picDisplayTime, QRect(62, 8, 110, 27), GameFont(kPGothic, 20.25, true), Qt::white);
    lblQuesNmbMax = Caption(picDisplayQuesNmb, QRect(28, 34, 53, 21), GameFont(kPGothic, 14.25, true),
                            QColor(0, 0, 0xC0));
    lblQuesNmb = Caption(picDisplayQuesNmb, QRect(23, 61, 62, 25), GameFont(kPGothic, 15.75, true),
                         QColor(0xFF, 0, 0xFF));
    lblQues = Caption(picQues, QRect(26, 15, 365, 41), GameFont(kPGothic, 14.25, true),
                      palette().color(QPalette::WindowText), false);
    lblQues->setWordWrap(true);

    auto button = [this](QRect r, const QString& text, auto action) {
        auto* area = new ClickArea(picDisplayControlerBase, r, text);
        area->setFont(GameFont(kPGothic, 12, true));
        QPalette palette = area->palette();
        palette.setColor(QPalette::WindowText, kButtonBrown);
        area->setPalette(palette);
        QObject::connect(area, &ClickArea::clicked, this, action);
        return area;
    };
    button(QRect(1, 6, 78, 25), QStringLiteral("取り消し"), [this] { story.OnKeyUndoClick(); });
    button(QRect(88, 6, 78, 25), QStringLiteral("文字消去"), [this] { story.OnKeyDeleteClick(); });
    button(QRect(0, 140, 78, 25), QStringLiteral("問題変更"), [this] { story.OnCrossChangeClick(); });
    lblAnswerOpen = button(QRect(86, 140, 78, 25), QStringLiteral("完 成"), [this] { story.OnAnswerOpenClick(); });
    lblMarkSpeedUp = button(lblAnswerOpen->geometry(), QStringLiteral("高速採点"), [this] { story.OnMarkSpeedUpClick(); });
    QPalette magenta = lblMarkSpeedUp->palette();
    magenta.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0xFF));
    lblMarkSpeedUp->setPalette(magenta);
    lblMarkSpeedUp->hide();

    // The pictures carry the captions of the caption-less buttons.
    auto* advice = new ClickArea(picDisplayAdviserBase, QRect(1, 120, 161, 33));
    QObject::connect(advice, &ClickArea::clicked, this, [this] { story.OnAdviceClick(); });

    picKeypad = new Panel(this, Picture(QStringLiteral("キー表示用ボタン")), QRect(548, 16, 65, 66), kPanelGreen);
    auto* keypad = new ClickArea(picKeypad, QRect(4, 7, 49, 41));
    QObject::connect(keypad, &ClickArea::clicked, this, [this] { story.OnKeypadClick(); });
    picKeypad->hide();
}

void MainWindow::BuildController() {
    // Both dials lie on the same spot; one shows at a time.
    const char* pictures[3] = {nullptr, "ダイヤル左右", "ダイヤル上下"};
    for (int set = 1; set <= 2; ++set) {
        Panel* dial = new Panel(picDisplayControlerBase, Picture(QString::fromUtf8(pictures[set])), QRect(26, 24, 111, 110),
                                set == 1 ? QColor(0xFF, 0xC0, 0x80) : QColor(0x9C, 0xD0, 0xFF));
        picControler[set] = dial;
        struct Spot {
            Controller button;
            QRect rect;
        };
        const Spot spots[] = {
            {Controller::Up, QRect(38, 2, 35, 32)},   {Controller::Down, QRect(38, 76, 35, 32)},
            {Controller::Left, QRect(2, 38, 34, 34)}, {Controller::Right, QRect(75, 38, 34, 34)},
            {Controller::Turn, QRect(36, 36, 39, 38)},
        };
        for (const Spot& spot : spots) {
            auto* area = new ClickArea(dial, spot.rect);
            const Controller button = spot.button;
            QObject::connect(area, &ClickArea::clicked, this,
                             [this, set, button] { story.OnControllerClick(set, button); });
        }
        dial->hide();
    }
}

void MainWindow::BuildScrollBars() {
    picCrossStageMoveH = new Panel(this, Picture(QStringLiteral("スクロール左右")), QRect(262, 432, 138, 27), kPanelBlue);
    picCrossStageMoveV = new Panel(this, Picture(QStringLiteral("スクロール上下")), QRect(516, 200, 27, 136), kPanelBlue);
    for (int k = 1; k <= 4; ++k) {
        // 1 to the first position, 2 one step back, 3 one step on, 4 to the last position.
        auto* h = new ClickArea(picCrossStageMoveH, QRect(2 + (k - 1) * 34, 1, 32, 25));
        auto* v = new ClickArea(picCrossStageMoveV, QRect(1, 2 + (k - 1) * 33, 25, 32));
        QObject::connect(h, &ClickArea::clicked, this, [this, k] { story.OnScrollClick(true, k); });
        QObject::connect(v, &ClickArea::clicked, this, [this, k] { story.OnScrollClick(false, k); });
    }
    picCrossStageMoveH->hide();
    picCrossStageMoveV->hide();
}

void MainWindow::Sync(Screen::Part part) {
    switch (part) {
    case Screen::Part::Board:
        board->Sync();
        picCrossStageMoveH->setVisible(screen.picCrossStageMoveHVisible);
        picCrossStageMoveV->setVisible(screen.picCrossStageMoveVVisible);
        break;
    case Screen::Part::Cells:
        board->Stage()->update();
        break;
    case Screen::Part::Labels: {
        lblTitle->setText(screen.lblTitle);
        lblLevel->setText(screen.lblLevel);
        lblMasMaxXY->setText(screen.lblMasMaxXY);
        lblQuesNmbMax->setText(screen.lblQuesNmbMax);
        lblQuesNmb->setText(screen.lblQuesNmb);
        lblQues->setFont(GameFont(kPGothic, screen.lblQuesPointSize, true));
        lblQues->setText(screen.lblQues);
        lblPassedTime->setText(screen.lblPassedTime);
        break;
    }
    case Screen::Part::Controls:
        picControler[1]->setVisible(screen.picControlerVisible[1]);
        picControler[2]->setVisible(screen.picControlerVisible[2]);
        for (Panel* panel : {picDisplayLevel, picDisplayQuesNmb, picDisplayTime, picDisplayAdviserBase,
                             picDisplayControlerBase, picQues})
            panel->setVisible(screen.PlayPanelsVisible);
        picKeypad->setVisible(screen.PlayPanelsVisible && screen.picKeypadVisible);
        lblAnswerOpen->setVisible(screen.lblAnswerOpenVisible);
        lblMarkSpeedUp->setVisible(screen.lblMarkSpeedUpVisible);
        lblEnd->setEnabled(screen.lblEndEnabled);
        lblHelp->setEnabled(screen.lblHelpEnabled);
        if (screen.KeyPreview && !keyPreview) {
            keyPreview = true;
            qApp->installEventFilter(this);
        }
        break;
    case Screen::Part::Focus:
        board->Stage()->setFocus();
        break;
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && !talkLayer->IsInputLine(watched)) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (const int code = VirtualKey(*key)) {
                story.OnKeyDown(code, key->modifiers() & Qt::AltModifier);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    story.OnWindowClosed();
}

void MainWindow::paintEvent(QPaintEvent*) {
    TraceStartup(shownTraced, "window");
    QPainter p(this);
    if (const QPixmap& picture = background.Get(); !picture.isNull()) {
        p.drawPixmap(rect(), picture);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0xFF, 0xE4, 0xB5));
    sky.setColorAt(1, QColor(0xF7, 0xC9, 0x8C));
    p.fillRect(rect(), sky);
    // The frame behind the board window.
    QPainterPath frame;
    frame.addRoundedRect(QRectF(121, 90, 401, 346), 12, 12);
    p.fillPath(frame, QColor(0xFF, 0xFF, 0xC0));
    p.setPen(QPen(QColor(0xC0, 0x90, 0x50), 3));
    p.drawPath(frame);
    DrawButton(p, QRect(624, 16, 49, 41), QStringLiteral("ヘルプ"));
    DrawButton(p, QRect(696, 16, 49, 41), QStringLiteral("終了"));
}

}  // namespace kirune
