#include "Controls.h"

#include <array>

namespace kivo {

namespace {
constexpr std::array<const char*, 18> kNames{
    "Lpos", "plr",  "Strn", "Picptr", "pictrn",  "Lp",         "Lplc",    "Pwnr", "lwnr",
    "f",    "lscr", "snk",  "ldr",    "cmdmove", "cmdshuffle", "Cmdexit", "tdie", "tmov"};

bool isArray(Ctl k) {
    switch (k) {
        case Ctl::Lpos:
        case Ctl::plr:
        case Ctl::pictrn:
        case Ctl::Lp:
        case Ctl::Lplc:
        case Ctl::Pwnr:
        case Ctl::lwnr:
        case Ctl::snk:
        case Ctl::ldr: return true;
        default: return false;
    }
}
}  // namespace

std::string controlName(ControlRef c) {
    std::string name = kNames[static_cast<std::size_t>(c.kind)];
    if (c.kind == Ctl::f) return name + std::to_string(c.index);
    if (isArray(c.kind)) return name + "(" + std::to_string(c.index) + ")";
    return name;
}

}  // namespace kivo
