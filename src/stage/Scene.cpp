#include "stage/Scene.h"

namespace kirune {

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
    anim.ProgramFolder = programFolder;
    anim.SetStageArea(130, 96, 385, 330);
    const bool talkReady = talk.InitTalk(420, 126);
    anim.InitWordEffects();
    anim.InitSpotStage();
    anim.SetWorldSize(385, 330, 1);
    talk.ClearTalkers();
    talk.AddTalker(QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
    talk.AddTalker(QStringLiteral("÷"), 3, QStringLiteral("声ナビゲータ"), 1, 100, 160, 0, 0);
    return talkReady;
}

void Scene::SetUpPlayStage(int inputMode, const QString& partnerName, int partnerSprite) {
    anim.HideStage();
    screen.PlayPanelsVisible = true;
    screen.picKeypadVisible = inputMode == 1;
    screen.Changed(Screen::Part::Controls);
    talk.ClearTalkers();
    talk.AddTalker(QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
    talk.AddTalker(QStringLiteral("＋"), 2, QStringLiteral("声") + partnerName, 2, 100, 180, 0, partnerSprite);
    talk.AddTalker(QStringLiteral("÷"), 3, QStringLiteral("声ナビゲータ"), 1, 100, 160, 0, 0);
    anim.SetStageArea(576, 195, 148, 116);
    anim.SetWorldSize(160, 123, 1);
    anim.SetView(12, 0, 0);
    anim.HideSpotStage();
}

}  // namespace kirune
