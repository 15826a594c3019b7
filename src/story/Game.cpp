#include "story/Game.h"

namespace kirune {

Game::Game(Host& host)
    : host(host),
      library(host),
      effect(host),
      talk(host),
      anim(talk),
      scene(screen),
      story(host, screen, library, talk, anim, scene, effect),
      tmrTalk(host.Timers(), 15, nullptr),
      tmrTalkCursorBlink(host.Timers(), 100, nullptr),
      tmrAnim(host.Timers(), 10, nullptr),
      tmrSoundInterval(host.Timers(), 20, nullptr) {
    story.TalkTimerInterval = [this](int ms) { tmrTalk.SetInterval(ms); };
}

}  // namespace kirune
