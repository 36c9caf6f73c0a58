#pragma once
// A board window made of plain records, started from the layout data. Every effect the rules
// have on it is logged in order, so tests can check what the players would have seen when.

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Board.h"
#include "BoardNews.h"
#include "BoardView.h"
#include "Form1Layout.h"
#include "ScriptedDie.h"

namespace kivo::test {

namespace form1 = layout::form1;

// The log lines the fake window writes, one builder for each, so that tests compare whole
// sequences of effects in the same words.
namespace fx {
inline std::string vis(const std::string& c, bool on) {
    return "visible " + c + (on ? " 1" : " 0");
}
inline std::string en(const std::string& c, bool on) {
    return "enabled " + c + (on ? " 1" : " 0");
}
inline std::string left(const std::string& c, float x) {
    return "left " + c + " " + std::to_string(x);
}
inline std::string top(const std::string& c, float y) {
    return "top " + c + " " + std::to_string(y);
}
inline std::string back(const std::string& c, std::uint32_t bgr) {
    return "back " + c + " " + std::to_string(bgr);
}
inline std::string caption(const std::string& c, const std::string& text) {
    return "caption " + c + " '" + text + "'";
}
inline std::string focus(const std::string& c) {
    return "focus " + c;
}
inline std::string picture(const std::string& c, const std::string& pic) {
    return "picture " + c + " " + pic;
}
inline std::string msg(const std::string& title, const std::string& prompt, int style) {
    return "msg " + title + "|" + prompt + "|" + std::to_string(style);
}
}  // namespace fx

struct ControlState {
    float left = 0, top = 0, width = 0, height = 0;
    std::uint32_t back = 0;
    bool visible = true;
    bool enabled = true;
    std::string caption;
    std::string picture;  // what the picture box shows: "figure0".."figure3", "binoculars", ""
};

struct Message {
    Message(std::string p, int s, std::string t)
        : prompt(std::move(p)), style(s), title(std::move(t)) {}
    Message(const board::BoxText& b) : Message(b.prompt, b.style, b.title) {}  // one of the board's
    std::string prompt;
    int style;
    std::string title;
    bool operator==(const Message&) const = default;
};

// It also hears the rules' news, and logs it among the effects when asked to:
// "news slid 0 46 17" stands where the rules told it. The fuzzer's checks on every call are a
// thin layer over it (tests/fuzz/CheckingView.h).
class FakeView : public BoardView, public BoardNews {
public:
    FakeView();

    float left(ControlRef c) const override { return at(c).left; }
    float top(ControlRef c) const override { return at(c).top; }
    float width(ControlRef c) const override { return at(c).width; }
    float height(ControlRef c) const override { return at(c).height; }
    void setLeft(ControlRef c, float twips) override;
    void setTop(ControlRef c, float twips) override;
    std::uint32_t backColor(ControlRef c) const override { return at(c).back; }
    void setBackColor(ControlRef c, std::uint32_t bgr) override;
    std::uint32_t formBackColor() const override { return form1::kFormBack; }
    void setVisible(ControlRef c, bool on) override;
    void setEnabled(ControlRef c, bool on) override;
    std::string caption(ControlRef c) const override { return at(c).caption; }
    void setCaption(ControlRef c, const std::string& text) override;
    void copyPicture(ControlRef to, ControlRef from) override;
    void setFocus(ControlRef c) override;
    void msgBox(const std::string& prompt, int style, const std::string& title) override;
    void endProcess() override;

    void gameSetUp(int players) override { hear("gameSetUp", {players}); }
    void thrown(int value, int total) override { hear("thrown", {value, total}); }
    void walkEnded(int slot, int from, int to) override { hear("walkEnded", {slot, from, to}); }
    void slid(int slot, int head, int tail) override { hear("slid", {slot, head, tail}); }
    void climbed(int slot, int foot, int top) override { hear("climbed", {slot, foot, top}); }
    void sentBack(int slot, int square) override { hear("sentBack", {slot, square}); }
    void finished(int slot, int place) override { hear("finished", {slot, place}); }
    void turnPassed(int slot, int square) override { hear("turnPassed", {slot, square}); }
    void gameOver() override { hear("gameOver", {}); }
    bool hearNews = false;

    const ControlState& at(ControlRef c) const;
    ControlState& at(ControlRef c);

    // Every effect, in order: "visible snk(0) 1", "msg GO DOWN...|Oh no! it's a snake|16",
    // "enabled tdie 1", "caption lscr ' 4'", "focus cmdmove", "end".
    std::vector<std::string> log;
    // Off for long runs: the controls still change, only the log above stays empty.
    bool logging = true;
    std::vector<Message> messages;
    std::string focus;
    int ends = 0;
    // Runs while a message box is open, before it is dismissed (to look at the board then).
    std::function<void(const Message&)> onMessage;

    // The log since the last call.
    std::vector<std::string> takeLog();

private:
    void hear(const char* what, std::initializer_list<int> args);
    // By kind, then element (f1..f6 at 0..5): looked up on every effect, so kept flat.
    std::array<std::vector<ControlState>, static_cast<std::size_t>(Ctl::tmov) + 1> controls_;
};

}  // namespace kivo::test
