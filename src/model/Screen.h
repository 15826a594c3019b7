#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace kirune {

using Rgb = quint32;  // 0xRRGGBB

namespace CellColor {
inline constexpr Rgb Plain = 0xC0FFFF;
inline constexpr Rgb Black = 0x000000;
inline constexpr Rgb Selected = 0xFFC080;
inline constexpr Rgb Cursor = 0xFFFFFF;
inline constexpr Rgb Sweep = 0xFFFFE0;
inline constexpr Rgb Wrong = 0xFF0000;
}  // namespace CellColor

struct Box {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = false;
    bool operator==(const Box&) const = default;
};

struct CellLabel {
    QString Caption;
    Rgb BackColor = CellColor::Plain;
    bool Opaque = true;  // a transparent cell shows the board's own colour
    bool Visible = false;
    int Left = 0, Top = 0;
};

// What the main window shows of play, as plain values: the modules write it, the widgets
// draw it, and a test reads it without pixels.
struct Screen {
    enum class Part { Board, Cells, Labels, Controls, Focus };

    std::vector<CellLabel> lblCell;  // index = cell index; element 0 is the size template
    int CellWidth = 35, CellHeight = 33;  // the designed size of lblCell(0)
    Box picCrossBase;
    Box picCrossStage;  // inside picCrossBase; scrolling moves it
    bool picCrossStageMoveHVisible = false;
    bool picCrossStageMoveVVisible = false;
    Box shpRollCell1[2], shpRollCell2[2];  // the bars of the cell animation, inside picCrossStage
    bool picControlerVisible[3] = {false, false, false};  // elements 1 and 2
    bool PlayPanelsVisible = false;  // level, word number, clock, partner, dial and clue panels
    bool picKeypadVisible = false;
    bool lblAnswerOpenVisible = true;
    bool lblMarkSpeedUpVisible = false;
    bool lblEndEnabled = true;
    bool lblHelpEnabled = true;
    bool KeyPreview = false;  // the window sees every key before its controls

    QString lblTitle, lblLevel, lblQuesNmbMax, lblMasMaxXY, lblQuesNmb, lblQues, lblPassedTime;
    int lblQuesPointSize = 14;

    std::function<void(Part)> changed;
    void Changed(Part part) {
        if (changed)
            changed(part);
    }
};

}  // namespace kirune
