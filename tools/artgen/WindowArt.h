#pragma once

#include <QImage>

namespace artgen {

// The whole window behind the board and the panels, with the help and end buttons.
QImage WindowBackground();

// The panels, each painted over the part of the background it covers.
QImage TitlePanel(const QImage& background);
QImage LevelPanel(const QImage& background);
QImage NumberPanel(const QImage& background);
QImage TimerPanel(const QImage& background);
QImage AdvicePanel(const QImage& background);
QImage CluePanel(const QImage& background);
QImage KeypadButton(const QImage& background);

// The controller: the panel around the dial, and the dial for across and for down words.
QImage DialPanel(const QImage& background);
QImage Dial(bool across, const QImage& dialPanel);

// Four buttons: to the first line, one back, one on, to the last line.
QImage ScrollBar(bool across, const QImage& background);

// The kana keypad's own small window.
QImage KeypadWindow();

}  // namespace artgen
