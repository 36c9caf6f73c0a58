#pragma once
// The board window's controls that the rules touch, named as the window names them.
// A control array element is a kind plus its index; single controls use index 0.

#include <compare>
#include <cstdint>
#include <string>

namespace kivo {

enum class Ctl : std::uint8_t {
    Lpos,        // square labels 0..99 (square n is Lpos(n - 1))
    plr,         // tokens 0..3
    Strn,        // turn marker
    Picptr,      // turn pointer
    pictrn,      // player list icons 0..3
    Lp,          // player list names 0..3
    Lplc,        // place numbers 0..2
    Pwnr,        // winner icons 0..2
    lwnr,        // winner names 0..2
    f,           // die faces: f(1)..f(6) are the frames f1..f6
    lscr,        // roll display
    snk,         // snake lines 0..10
    ldr,         // ladder lines 0..10
    cmdmove,     // "Move"
    cmdshuffle,  // "Shuffle"
    Cmdexit,     // "Cancel"
    tdie,        // die timer
    tmov,        // walk timer
};

struct ControlRef {
    Ctl kind;
    int index = 0;
    auto operator<=>(const ControlRef&) const = default;
};

// "Lpos(4)", "cmdmove", "f3": the name a control goes by in messages and test logs.
std::string controlName(ControlRef c);

}  // namespace kivo
