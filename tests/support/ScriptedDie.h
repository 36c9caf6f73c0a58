#pragma once
// A die that yields what a test chooses, for every suite: whole values (each v comes out as a
// draw u with floor(6u + 1) = v) or raw draws. Its counters say how it was used.

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <vector>

#include "DieSource.h"

namespace kivo::test {

class ScriptedDie : public DieSource {
public:
    ScriptedDie() = default;
    explicit ScriptedDie(std::initializer_list<int> values) { push(values); }

    void push(int v);
    void push(std::initializer_list<int> values);
    void push(const std::vector<int>& values);
    void pushDraw(float u) { draws_.push_back(u); }
    std::size_t left() const { return draws_.size(); }

    void reseed() override;
    float next() override;

    // Once the chosen draws run out: a test fault that throws (kFail), or counted in overruns
    // while the die goes on with values that never repeat, so no game hangs on the re-draw.
    enum class OnceOut { kFail, kCycle };
    OnceOut onceOut = OnceOut::kCycle;
    // Drawn from this die instead once the chosen draws run out; reseeds go to it as well.
    DieSource* then = nullptr;
    // After this many equal values running the chosen draws wait and the cycle takes over
    // (0: no limit), so the rules' re-draw of a repeated value always ends.
    int longestRun = 0;
    // Faults that throw: a draw with no reseed of its own, more reseeds than this (0: no limit).
    bool reseedEachDraw = false;
    int maxReseeds = 0;

    int reseeds = 0;
    int draws = 0;
    int overruns = 0;

private:
    float cycled();
    std::deque<float> draws_;
    bool seeded_ = false;
    int run_ = 0, last_ = 0, cycle_ = 0;
};

}  // namespace kivo::test
