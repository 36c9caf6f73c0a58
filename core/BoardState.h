#pragma once
// The state of one game. It belongs to the board window's object and outlives the window's
// controls, so a new game after "Cancel" and "Restart" starts on the same record.
// Every field reads as 0 until it is first assigned.

#include <array>
#include <cstdint>

namespace kivo {

using Small = std::int16_t;
inline constexpr Small kTrue = -1;
inline constexpr Small kFalse = 0;

struct BoardState {
    Small lastplr = 0;           // last slot still in the rotation
    Small turn = 0;              // slot of the player to move
    Small dcount = 0;            // die animation tick counter
    Small stp = 0;               // next step of the walk
    Small scr = 0;               // squares to walk this turn
    Small prevroll = 0;          // the last value rolled, by anyone
    Small nwin = 0;              // players finished
    Small plrmax = 0;            // finishers that end the game
    std::array<Small, 4> pos{};  // position codes: v stands on square v - 1, 1 is the start spot
    Small op2 = 0, op3 = 0, op4 = 0;  // the set-up's options, as flags
    std::array<Small, 11> snkhd{};
    std::array<Small, 11> ldrft{};
    std::array<Small, 11> snktl{};
    std::array<Small, 11> ldrtp{};
};

}  // namespace kivo
