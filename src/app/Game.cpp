#include "app/Game.h"

namespace kirune {

Game::Game(Host& host)
    : host(host),
      tmrVexal(host.Timers(), 100, [this] { story.OnVexalTick(); }),
      library(host, &tmrVexal),
      effect(host),
      talk(host, effect),
      anim(host, library.Rnd, talk),
      scene(host, library.Rnd, screen, talk, anim),
      story(host, screen, library, talk, anim, scene, effect, tmrVexal),
      keypad(&anim.tmrAnim),
      tmrSoundInterval(host.Timers(), 20, [this] {
          // The sound tick only counts; nothing switches its timer on.
          if (++SoundTick > 1000000)
              SoundTick = 1;
      }) {
    story.hooks.InitSoundTimer = [this] { tmrSoundInterval.SetInterval(1000); };
    story.hooks.TalkTimerInterval = [this](int ms) { talk.tmrTalk.SetInterval(ms); };

    talk.SetSpritePose = [this](int sprite, int pose) { anim.SetSpritePose(sprite, pose); };
    anim.assetError = [this](const QString& what) {
        this->host.ShowReport(ReportBox{QStringLiteral("Kirune"),
                                        QStringLiteral("ゲームの素材ファイルを読めません。\r\n") + what,
                                        ReportIcon::Exclamation, ReportButtons::Ok, false});
        story.EndGame();
    };
    story.hooks.RomaKanaConvWChr = [this](QChar key) { return keypad.RomaKanaConvWChr(key); };
    story.hooks.ClearDispKeyBuff = [this] { keypad.ClearDispKeyBuff(); };
    story.hooks.ShowKeypad = [this] { keypad.ShowKeypad(); };
    story.hooks.SetKeypad = [this] {
        const auto error = keypad.SetKeypad(this->host.ProgramFolder());
        if (!error)
            return;
        this->host.ShowReport(ReportBox{QStringLiteral("Kirune"), QStringLiteral("ローマ字かな変換表を読めません。\r\n") + *error,
                                        ReportIcon::Exclamation, ReportButtons::Ok, false});
        story.EndGame();
    };
}

}  // namespace kirune
