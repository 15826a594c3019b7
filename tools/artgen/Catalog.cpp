#include "Catalog.h"

#include "Critters.h"
#include "Poses.h"
#include "Strip.h"
#include "WindowArt.h"
#include "Worlds.h"

namespace artgen {

namespace {

const QString kSys = QStringLiteral("sys/Picture/");
const QString kWorld = QStringLiteral("Picture/WorldPicture/");
const QString kCast = QStringLiteral("Picture/cast/");

QString Jpeg(const QString& folder, const char* name) {
    return folder + QString::fromUtf8(name) + QStringLiteral(".jpg");
}

// name,W,H,X,Y,active,spare,frame,first,last,ticks per frame,jitter kind,jitter wait,jitter range,
// mode,move direction,move wait,move step,wrap delay,pose mode,pose wait 1,pose wait 2
QString Row(const QString& name, std::initializer_list<int> values) {
    QStringList fields{name};
    for (int v : values)
        fields << QString::number(v);
    return fields.join(u',');
}

}  // namespace

std::vector<Output> AllPictures() {
    std::vector<Output> out;
    const QImage background = WindowBackground();
    const QImage dialPanel = DialPanel(background);
    out.push_back({Jpeg(kSys, "基本背景"), background});
    out.push_back({Jpeg(kSys, "タイトル欄"), TitlePanel(background)});
    out.push_back({Jpeg(kSys, "レベル欄"), LevelPanel(background)});
    out.push_back({Jpeg(kSys, "問題番号欄"), NumberPanel(background)});
    out.push_back({Jpeg(kSys, "タイマー欄"), TimerPanel(background)});
    out.push_back({Jpeg(kSys, "アドバイス枠"), AdvicePanel(background)});
    out.push_back({Jpeg(kSys, "ダイヤル周り"), dialPanel});
    out.push_back({Jpeg(kSys, "出題文欄"), CluePanel(background)});
    out.push_back({Jpeg(kSys, "キー表示用ボタン"), KeypadButton(background)});
    out.push_back({Jpeg(kSys, "ダイヤル左右"), Dial(true, dialPanel)});
    out.push_back({Jpeg(kSys, "ダイヤル上下"), Dial(false, dialPanel)});
    out.push_back({Jpeg(kSys, "スクロール上下"), ScrollBar(false, background)});
    out.push_back({Jpeg(kSys, "スクロール左右"), ScrollBar(true, background)});
    out.push_back({Jpeg(kSys, "キーパット"), KeypadWindow()});

    out.push_back({Jpeg(kWorld, "オープニング背景"), OpeningWorld()});
    out.push_back({Jpeg(kWorld, "背景(160x123)"), PlayWorld()});

    for (const Member& m : Family())
        for (int mood = 1; mood <= 5; ++mood) {
            const QString name = QString::fromUtf8(m.name) + QString::number(mood);
            auto draw = [&m, mood](QPainter& p, int frame) { DrawFigure(p, m, PoseFor(m.who, mood, frame)); };
            out.push_back({kCast + name + QStringLiteral(".jpg"), MakeStrip(m.w, m.h, kFigureFrames, draw, Edge::Inked)});
        }
    out.push_back({Jpeg(kCast, "背景スプライト"), BirdStrip()});
    out.push_back({Jpeg(kCast, "流雲"), CloudStrip()});
    return out;
}

QStringList CastRows() {
    QStringList rows{QStringLiteral("; name,W,H,X,Y,active,spare,frame,first,last,wait,jitter kind,jitter wait,"
                                    "jitter range,mode,direction,move wait,step,wrap delay,pose mode,pose wait1,"
                                    "pose wait2")};
    // The family: still at frame 1 until the game starts a gesture (frames 2-5, 8 ticks each)
    // or talk (frames 6-9, 12 ticks each). The game places them.
    for (const Member& m : Family())
        for (int mood = 1; mood <= 5; ++mood)
            rows << Row(QString::fromUtf8(m.name) + QString::number(mood),
                        {m.w, m.h, 0, 0, 1, 0, 1, 1, 1, 100, 0, 0, 0, 0, 0, 1, 0, 1, 0, 8, 12});
    // The bird beats its wings, bobs, flies left across the sky and comes back 3 s after leaving.
    rows << Row(QStringLiteral("背景スプライト"), {kBirdW, kBirdH, 100, 18, 1, 0, 1, 1, kBirdFrames, 12, 28, 25, 2,
                                                   21, 4, 6, 1, 300, 0, 1, 1});
    // The cloud drifts right; the game sets its motion and place again.
    rows << Row(QStringLiteral("流雲"), {kCloudW, kCloudH, 45, -6, 1, 0, 1, 1, kCloudFrames, 100, 0, 0, 0, 21, 6, 16,
                                         1, 5000, 0, 1, 1});
    return rows;
}

}  // namespace artgen
