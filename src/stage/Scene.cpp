#include "stage/Scene.h"

namespace kirune {

void Scene::SetUpScreen() {
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
}

void Scene::SetUpPlayStage(int inputMode) {
    screen.PlayPanelsVisible = true;
    screen.picKeypadVisible = inputMode == 1;
    screen.Changed(Screen::Part::Controls);
}

}  // namespace kirune
