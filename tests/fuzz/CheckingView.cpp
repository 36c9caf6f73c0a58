#include "CheckingView.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>

#include "BoardRules.h"

namespace kivo::fuzz {

namespace form1 = layout::form1;

void fail(const char* what) {
    std::fprintf(stderr, "rules_fuzz: %s\n", what);
    __builtin_trap();
}

namespace {

constexpr std::array<board::BoxText, kBoxes> kBoxText{
    board::kLuckyBox,     board::kSnakeBox,     board::kLadderBox,    board::kCollisionBox,
    board::kRankBoxes[0], board::kRankBoxes[1], board::kRankBoxes[2], board::kGameOverBox};

bool isOneOf(Ctl kind, std::initializer_list<Ctl> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

}  // namespace

void CheckingView::noted() const {
    ++calls;
    check(ends == 0, "the board was used after the process ended");
    if (!watching) return;
    check(s_.lastplr >= 0 && s_.lastplr <= 3, "lastplr left 0..3");
    check(s_.turn >= -1 && s_.turn <= 3, "turn left -1..3 inside a handler");
    for (int j = 0; j <= s_.lastplr; ++j) {
        check(
            s_.pos[static_cast<std::size_t>(j)] >= 1 && s_.pos[static_cast<std::size_t>(j)] <= 101,
            "a position code left 1..101");
    }
}

void CheckingView::setEnabled(ControlRef c, bool on) {
    check(isOneOf(c.kind, {Ctl::cmdmove, Ctl::cmdshuffle, Ctl::tdie, Ctl::tmov}),
          "enabled set on a control the rules never switch");
    noted();
    FakeView::setEnabled(c, on);
    check(!(at({Ctl::tdie}).enabled && at({Ctl::tmov}).enabled), "tdie and tmov run together");
}

void CheckingView::setCaption(ControlRef c, const std::string& text) {
    check(isOneOf(c.kind, {Ctl::lscr, Ctl::Lp, Ctl::lwnr}), "a caption written on a fixed control");
    check(c.kind != Ctl::lwnr || c.index == s_.nwin - 1,
          "a winner's name written out of rank order");
    noted();
    FakeView::setCaption(c, text);
}

void CheckingView::copyPicture(ControlRef to, ControlRef from) {
    check(to.kind != Ctl::Pwnr || to.index == s_.nwin - 1, "a winner's icon set out of rank order");
    noted();
    FakeView::copyPicture(to, from);
}

void CheckingView::setFocus(ControlRef c) {
    check(isOneOf(c.kind, {Ctl::cmdmove, Ctl::cmdshuffle}),
          "the focus given to a control other than a button");
    check(read(c).enabled, "the focus given to a disabled button");
    FakeView::setFocus(c);
}

int CheckingView::shownLines() const {
    int n = 0;
    for (Ctl kind : {Ctl::snk, Ctl::ldr}) {
        for (int i = 0; i < 11; ++i) n += at({kind, i}).visible ? 1 : 0;
    }
    return n;
}

void CheckingView::msgBox(const std::string& prompt, int style, const std::string& title) {
    noted();
    int box = 0;
    while (box < kBoxes && prompt != kBoxText[static_cast<std::size_t>(box)].prompt) ++box;
    check(box < kBoxes, "a message box with an unknown text");
    check(style == kBoxText[static_cast<std::size_t>(box)].style,
          "a message box with the wrong icon");
    check(title == kBoxText[static_cast<std::size_t>(box)].title,
          "a message box with the wrong title");
    ++shown[static_cast<std::size_t>(box)];
    FakeView::msgBox(prompt, style, title);

    // The board as the players see it while the box is open.
    const auto t = static_cast<std::size_t>(s_.turn);
    const bool jump = box == kSnake || box == kLadder;
    check(shownLines() == (jump ? 1 : 0), "a snake or ladder line shown without its message");
    switch (box) {
        case kLucky:
            check(s_.prevroll == 6 && at({Ctl::f, 6}).visible, "LUCKY HAND without a six");
            check(at({Ctl::lscr}).caption == numberCaption(s_.scr),
                  "LUCKY HAND before the total is shown");
            break;
        case kSnake:
        case kLadder: {
            bool found = false;
            for (std::size_t i = 0; i < 11; ++i) {
                const bool here =
                    box == kSnake ? s_.snkhd[i] == s_.pos[t] - 1 : s_.ldrft[i] + 1 == s_.pos[t];
                found = found ||
                        (here &&
                         at({box == kSnake ? Ctl::snk : Ctl::ldr, static_cast<int>(i)}).visible);
            }
            check(found, "a snake or ladder message away from its square");
            break;
        }
        case kCollision: {
            bool found = false;
            for (std::size_t j = 0; j <= static_cast<std::size_t>(s_.lastplr); ++j) {
                found = found || (j != t && s_.pos[j] == s_.pos[t] && s_.pos[j] > 1);
            }
            check(found, "a collision with no token to send back");
            break;
        }
        case kOver:
            check(s_.nwin >= s_.plrmax, "the game over before all but one have finished");
            break;
        default:
            check(s_.nwin == box - kFirst + 1, "a rank message that is not the finisher's rank");
            break;
    }
}

void CheckingView::endProcess() {
    noted();
    check(shown[kOver] == 1, "the process ended without the game-over message");
    FakeView::endProcess();
}

}  // namespace kivo::fuzz
