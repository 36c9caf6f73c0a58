// The rules alone, as fast as they go: whole games and single turns on a board window that
// shows nothing, with a seeded die and the timers' ticks called one after another.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>

#include "BoardRules.h"
#include "DieSource.h"
#include "NullView.h"

namespace kivo::bench {
namespace {

SetupChoice playersChoice(int players) {
    SetupChoice c;
    c.op2 = players == 2;
    c.op3 = players == 3;
    c.op4 = players == 4;
    return c;
}

const NullView& freshWindow() {
    static const NullView window;
    return window;
}

// One turn the way the window drives it: "Shuffle", the die's ticks while tdie runs (an
// extra throw after a six included), "Move", the walk's ticks while tmov runs, up to the
// turn passed on.
void playTurn(BoardRules& rules, const NullView& v) {
    rules.cmdshuffle_Click();
    while (v.enabled(Ctl::tdie)) rules.tdie_Timer();
    rules.cmdmove_Click();
    while (v.enabled(Ctl::tmov) && !rules.ended()) rules.tmov_Timer();
}

// A new window and a new record for every game, as after "Restart".
struct Table {
    Table(int players, DieSource& die) : rules(state, view, die) {
        rules.Form_Load(playersChoice(players));
    }
    BoardState state;
    NullView view = freshWindow();
    BoardRules rules;
};

template <typename Die>
void games(benchmark::State& st) {
    const int players = static_cast<int>(st.range(0));
    Die die(20240601u);
    std::int64_t games = 0, turns = 0;
    for (auto _ : st) {
        Table t(players, die);
        while (!t.rules.ended()) {
            playTurn(t.rules, t.view);
            ++turns;
        }
        benchmark::DoNotOptimize(t.state);
        ++games;
    }
    st.counters["games/s"] =
        benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
    st.counters["turns/s"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsRate);
    st.counters["turns/game"] = static_cast<double>(turns) / static_cast<double>(games);
}

// One turn per iteration; a game that ends makes way for the next.
template <typename Die>
void turns(benchmark::State& st) {
    const int players = static_cast<int>(st.range(0));
    Die die(20240601u);
    auto t = std::make_unique<Table>(players, die);
    for (auto _ : st) {
        playTurn(t->rules, t->view);
        if (t->rules.ended()) t = std::make_unique<Table>(players, die);
        benchmark::DoNotOptimize(t->state);
    }
    st.counters["turns/s"] =
        benchmark::Counter(static_cast<double>(st.iterations()), benchmark::Counter::kIsRate);
}

// The game's own die: a reseed from the clock before every draw.
class RealDie final : public DieSource {
public:
    explicit RealDie(std::uint32_t) {}
    void reseed() override { die_.reseed(); }
    float next() override { return die_.next(); }

private:
    ClockDie die_;
};

void BM_Game(benchmark::State& st) {
    games<SeededDie>(st);
}
void BM_Turn(benchmark::State& st) {
    turns<SeededDie>(st);
}
void BM_Turn_ClockDie(benchmark::State& st) {
    turns<RealDie>(st);
}

BENCHMARK(BM_Game)->ArgName("players")->Arg(2)->Arg(3)->Arg(4);
BENCHMARK(BM_Turn)->ArgName("players")->Arg(2)->Arg(4);
BENCHMARK(BM_Turn_ClockDie)->ArgName("players")->Arg(4);

}  // namespace
}  // namespace kivo::bench

BENCHMARK_MAIN();
