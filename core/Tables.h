#pragma once
// The eleven snakes and eleven ladders. Snake i runs from its head down to its tail,
// ladder i from its foot up to its top; index i also picks the line shown while it acts.

#include <array>

#include "BoardState.h"

namespace kivo {

inline constexpr std::array<Small, 11> kSnakeHead{46, 52, 59, 65, 70, 74, 78, 85, 89, 93, 98};
inline constexpr std::array<Small, 11> kSnakeTail{17, 11, 15, 23, 2, 33, 9, 22, 51, 24, 13};
inline constexpr std::array<Small, 11> kLadderFoot{7, 18, 21, 28, 36, 41, 50, 54, 58, 61, 66};
inline constexpr std::array<Small, 11> kLadderTop{26, 39, 82, 55, 57, 77, 92, 88, 96, 99, 87};

inline constexpr int kSnakes = 11;
inline constexpr int kLadders = 11;

}  // namespace kivo
