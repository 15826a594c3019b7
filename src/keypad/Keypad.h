#pragma once

#include "host/Scheduler.h"
#include "keypad/RomaKana.h"

#include <functional>

namespace kirune {

// frmKeypad: two rows of ten cells showing the keys just typed and the kana they made, and
// the conversion of typed romaji into the kana that enter the grid.
class Keypad {
public:
    static constexpr int kCells = 10;
    static constexpr int kNarrow = 17, kWide = 20;  // widths of a kana cell

    // tmrAnim: the stage animation, which a drag of the window holds (none in tests that only
    // convert).
    explicit Keypad(GameTimer* tmrAnim = nullptr) : tmrAnim(tmrAnim) {}

    // Loads the romaji table from the program folder; the reason when it cannot.
    std::optional<QString> SetKeypad(const QString& programFolder);
    // Shows or hides the window.
    void ShowKeypad();
    void ClearDispKeyBuff();
    // One typed key ("A".."Z" or "-"): the kana for the grid, or empty text when nothing is
    // complete yet.
    QString RomaKanaConvWChr(QChar key);

    // A drag of the window holds the stage animation until the button is released.
    void BeginDrag();
    void EndDrag();

    // What the window shows, 1-based like its cells.
    bool Shown = false;
    int CellsInUse = 0;
    QString Roma[kCells + 1];
    QString Kana[kCells + 1];
    int KanaWidth[kCells + 1] = {};
    bool RomaVisible[kCells + 1] = {};
    bool KanaVisible[kCells + 1] = {};
    QString Pending;
    std::function<void()> changed;

private:
    // What one typed key made, as the cells show it.
    enum class KeyMade {
        Kana,     // a syllable is complete: its kana, one or two
        Begun,    // a syllable is begun: an empty wide cell
        Doubled,  // a doubled consonant: a small ッ in the cell before, the next syllable begun
        Nothing,  // three keys that make no kana: "…？"
    };
    void Display(QChar key, KeyMade made, const QString& kana = {});
    // One kana in cell c; of two, the first goes into the cell of the key that began the syllable.
    void ShowKana(int c, const QString& shown);
    RomaKanaTable table;
    GameTimer* tmrAnim;
    bool animWasRunning = false;
};

}  // namespace kirune
