#pragma once

namespace kirune {

// The game speaks in the classic virtual-key numbers; ui/KeyMap turns toolkit keys into them.
namespace Key {
inline constexpr int Enter = 13;
inline constexpr int Esc = 27;
inline constexpr int Space = 32;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
inline constexpr int A = 65;
inline constexpr int Z = 90;
inline constexpr int F1 = 112;
inline constexpr int F4 = 115;
inline constexpr int Minus = 189;
}  // namespace Key

// The buttons of the circular controller.
enum class Controller { Up, Down, Left, Right, Turn };

}  // namespace kirune
