#include "story/Game.h"

namespace kirune {

Game::Game(Host& host)
    : host(host),
      library(host),
      effect(host),
      talk(host, effect),
      anim(talk),
      scene(screen, talk),
      story(host, screen, library, talk, anim, scene, effect),
      tmrAnim(host.Timers(), 10, nullptr),
      tmrSoundInterval(host.Timers(), 20, nullptr) {
    story.TalkTimerInterval = [this](int ms) { talk.tmrTalk.SetInterval(ms); };
}

}  // namespace kirune
