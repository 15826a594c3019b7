#pragma once

#include <QPainter>

namespace kirune {

// The pictures whose words the game writes over them. The art leaves these words out: painted
// as text they stay sharp at every scale, where words baked into a picture would be enlarged
// with its pixels.
enum class Captioned {
    None,
    WindowButtons,  // ヘルプ and 終了 on the window's background
    WindowTiles,    // the tilted letter tiles down its left side
    LevelPanel,
    NumberPanel,
    TimerPanel,
    AdvicePanel,
    CluePanel,
    KeypadButton,
    DialAcross,
    DialDown,
    KeypadWindow,
};

// Writes the picture's words, in the picture's own coordinates.
void DrawCaptions(QPainter& p, Captioned picture);

}  // namespace kirune
