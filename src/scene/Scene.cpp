#include "scene/Scene.h"

namespace kirune {

namespace {

// Opening-stage order of the family, and where each stands.
const char16_t* const kMembers[5] = {nullptr, u"姉", u"兄", u"父", u"母"};
constexpr int kStandX[5] = {0, 22, 242, 72, 192};
constexpr int kStandY[5] = {0, 176, 176, 111, 111};

QString Member(int m) { return QString::fromUtf16(kMembers[m]); }

}  // namespace

void Scene::RegisterTalkers(const QString& partnerName) {
    talk.ClearTalkers();
    talk.AddTalker(QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
    if (!partnerName.isEmpty())
        talk.AddTalker(QStringLiteral("＋"), 2, QStringLiteral("声") + partnerName, 2, 100, 180, 0, PartnerSprite);
    talk.AddTalker(QStringLiteral("÷"), 3, QStringLiteral("声ナビゲータ"), 1, 100, 160, 0, 0);
}

bool Scene::SetUpScreen(const QString& programFolder) {
    screen.lblTitle = QStringLiteral("Kirune");
    screen.lblLevel.clear();
    screen.lblMasMaxXY.clear();
    screen.lblQuesNmbMax.clear();
    screen.lblQuesNmb.clear();
    screen.lblQues.clear();
    screen.lblPassedTime = QStringLiteral("0");
    screen.PlayPanelsVisible = false;
    screen.Changed(Screen::Part::Labels);
    screen.Changed(Screen::Part::Controls);

    anim.SetCastFiles(programFolder, OSPlatform == 1 ? QStringLiteral("CastData9X.csv") : QStringLiteral("CastData.csv"));
    anim.SetStageArea(130, 96, 385, 330);
    const bool talkReady = talk.InitTalk(420, 126);
    if (!talkReady)
        return false;
    anim.InitWordEffects();
    anim.InitSpotStage();
    anim.SetWorldSize(385, 330, 1);
    anim.LoadWorldPicture(QStringLiteral("オープニング背景"), 0, 0);
    for (int m = 1; m <= 4; ++m)
        StandSprite[m] = anim.LoadSprite(Member(m) + u'4');
    for (int m = 1; m <= 4; ++m)
        for (int p = 1; p <= 5; ++p) {
            PoseSprite[m][p] = anim.LoadSprite(Member(m) + QString::number(p));
            anim.HideSprite(PoseSprite[m][p]);
        }
    anim.SetView(0, 0, 0);
    for (int m = 1; m <= 4; ++m)
        anim.SetSpritePos(StandSprite[m], kStandX[m], kStandY[m]);
    RegisterTalkers(QString());
    anim.HideSpotStage();
    return true;
}

void Scene::PlayIdleGesture() {
    const int m = int(4 * random.Next() + 1);
    const int p = int(5 * random.Next() + 1);
    const int sprite = StandSprite[m];
    if (!sprite)
        return;
    anim.PlayGesture(sprite);
    // The figure keeps the pose until its next gesture; pose 4 is its standing picture.
    anim.SwapSpritePicture(sprite, PoseSprite[m][p]);
}

void Scene::SetUpPlayStage(int inputMode, const QString& partnerName) {
    anim.HideStage();
    screen.PlayPanelsVisible = true;
    screen.picKeypadVisible = inputMode == 1;
    screen.Changed(Screen::Part::Controls);
    for (int m : {4, 3, 2, 1})
        for (int p = 5; p >= 1; --p)
            if (PoseSprite[m][p])
                anim.FreeSprite(PoseSprite[m][p]);
    for (int m : {4, 3, 2, 1})
        if (StandSprite[m])
            anim.FreeSprite(StandSprite[m]);

    PartnerSprite = anim.LoadMoodSet(partnerName, 5);
    anim.HoldStill(PartnerSprite);
    BackSprite = anim.LoadSprite(QStringLiteral("背景スプライト"));
    CloudSprite = anim.LoadSprite(QStringLiteral("流雲"));

    anim.SetStageArea(576, 195, 148, 116);
    anim.SetWorldSize(160, 123, 1);
    anim.LoadWorldPicture(QStringLiteral("背景(160x123)"), 0, 0);
    anim.SetView(12, 0, 0);
    RegisterTalkers(partnerName);
    anim.SetSpritePos(PartnerSprite, 160, 0);
    anim.SetSpritePos(BackSprite, 0, 0);
    anim.SetSpritePos(CloudSprite, 45, -6);
    if (Moves())
        anim.SetSpriteMove(CloudSprite, SpriteMode::ReEnters, 6, ByPlatform(4, 16), 1, ByPlatform(1200, 5000));
    anim.HideSpotStage();
}

void Scene::PartnerWalkIn() {
    if (!Moves() || !PartnerSprite)
        return;
    const int P = PartnerSprite;
    anim.SetSpritePos(P, 160, 0);
    anim.SetSpriteJitter(P, 28, ByPlatform(4, 16), 2);
    anim.SetSpriteMove(P, SpriteMode::MovesOn, 4, ByPlatform(1, 2), ByPlatform(3, 1), 1);
    anim.FollowSprite(P, 0, 0);
    anim.SetSpriteMove(P, SpriteMode::Scenery, 4, ByPlatform(4, 16), 1, 1);
    anim.SetSpriteJitter(P, 28, ByPlatform(61, 233), 1);
}

void Scene::PartnerSettle() {
    if (Moves() && PartnerSprite)
        anim.SetSpriteJitter(PartnerSprite, 46, ByPlatform(87, 345), 1);
}

void Scene::PartnerWalkOff() {
    if (!Moves() || !PartnerSprite)
        return;
    const int P = PartnerSprite;
    anim.SetSpriteJitter(P, 28, ByPlatform(4, 16), 2);
    anim.SetSpriteMove(P, SpriteMode::MovesOn, 6, ByPlatform(1, 2), ByPlatform(3, 1), 1);
    anim.FollowSprite(P, 160, 0);
    int x = 0, y = 0;
    for (anim.GetSpritePos(P, x, y); x < 160; anim.GetSpritePos(P, x, y))
        host.Pump();
    anim.SetSpriteMove(P, SpriteMode::Scenery, 4, ByPlatform(4, 16), 1, 1);
    anim.SetSpriteJitter(P, 0, ByPlatform(61, 233), 1);
}

void Scene::PartnerJump() {
    const int n = OSPlatform == 1 ? 1 : OSPlatform == 2 ? 3 : 0;
    for (int i = 0; i < n; ++i) {
        anim.ZoomStage(74, 58, 200, 1);
        anim.ZoomStage(74, 58, 200, 0);
    }
    anim.HideSpotStage();
}

}  // namespace kirune
