#pragma once

#include <QRect>
#include <QSize>

namespace artgen {

// Where the window places each picture. The panels are painted over the background at these
// spots, so each panel starts from the background under it and its rounded corners blend in.
inline constexpr QSize kWindowSize{774, 592};
inline constexpr QRect kBoard{129, 98, 385, 330};
inline constexpr QRect kHelpButton{624, 16, 49, 41};
inline constexpr QRect kEndButton{696, 16, 49, 41};

inline constexpr QRect kLevelPanel{17, 22, 129, 47};
inline constexpr QRect kTitlePanel{176, 12, 313, 67};
inline constexpr QRect kTimerPanel{568, 80, 177, 45};
inline constexpr QRect kAdvicePanel{569, 187, 174, 165};
inline constexpr QRect kDialPanel{568, 362, 171, 174};
inline constexpr QRect kNumberPanel{10, 435, 108, 117};
inline constexpr QRect kCluePanel{117, 464, 428, 77};
inline constexpr QRect kKeypadButton{548, 16, 65, 66};
inline constexpr QRect kScrollAcross{262, 432, 138, 27};
inline constexpr QRect kScrollDown{516, 200, 27, 136};

// Inside the dial panel.
inline constexpr QRect kDial{26, 24, 111, 110};

// The play stage inside the advice panel, and the world it looks into.
inline constexpr QRect kAdviceStage{7, 8, 148, 116};
inline constexpr QSize kPlayWorld{160, 123};
inline constexpr QSize kOpeningWorld{385, 330};

}  // namespace artgen
