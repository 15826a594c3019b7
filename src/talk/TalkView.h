#pragma once

#include "model/Screen.h"

#include <QString>

#include <functional>
#include <vector>

namespace kirune {

// Text printed into a talk box: where, what and in which colour.
struct PrintedRun {
    int X = 0, Y = 0;
    QString Text;
    Rgb Color = 0xFFFFFF;
};

struct TalkBoxView {
    bool Visible = false;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    Rgb Back = 0x000080, Frame = 0x000000, TextColor = 0xFFFFFF;
    bool Bold = false, Italic = false;
    std::vector<PrintedRun> Runs;
    int CurrentX = 0, CurrentY = 0;  // the print position
};

struct MenuView {
    bool Visible = false;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Pitch = 0, MarginX = 0, MarginY = 0, ItemWidth = 0;
    int Count = 0;
    QString Caption[10];   // items 1..9
    bool Opaque[10] = {};  // the red bar behind an item
    Rgb TextColor[10] = {};
};

struct InputView {
    bool Visible = false;
    int Box = 0;  // the talk box that holds the line
    int Left = 0, Top = 0, Width = 0, Height = 0;
    // Styled like the box it stands in when it was shown.
    Rgb Back = 0x000080, TextColor = 0xFFFFFF;
    bool Bold = false, Italic = false;
    QString Text;
    int FocusRequests = 0;  // grows each time the line must take the focus with its text selected
};

// Sizes measured from the talk and menu fonts by the window; tests give plain numbers.
struct TalkMetrics {
    int LineHeight = 16, WideAdvance = 16;          // the talk font: line height, advance of "亜"
    int MenuLineHeight = 15, MenuWideAdvance = 15;  // the menu font
    std::function<int(QChar)> Advance;              // the talk font's advance of one character
};

// What the talk engine shows, as plain values for the widgets and the tests.
struct TalkView {
    TalkBoxView Box[3];  // boxes 1 and 2
    MenuView Menu;
    InputView Input;
};

}  // namespace kirune
