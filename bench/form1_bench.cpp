// The board window offscreen: building it with every control and running its load handler,
// one step of the walk and one tick of the die animation, each with the repaint it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include "BenchWindow.h"

namespace kivo::bench {
namespace {

// Counts the paint events the window system hands to the widgets.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
    long paints = 0;
};

PaintCounter& paintCounter() {
    static PaintCounter counter;
    return counter;
}

// Shows the window and lets the window system expose it: every control paints once.
void showAndPaint(QWidget* w) {
    w->show();
    QCoreApplication::processEvents();
}

// A shown board for two, the way the game opens it, painted once.
struct ShownBoard {
    ShownBoard() : w(new ui::Form1Window(owner, state, die)) {
        w->rules().Form_Load(twoPlayers());
        showAndPaint(w);
    }
    ~ShownBoard() { delete w; }
    Owner owner;
    BoardState state;
    CyclingDie die;
    ui::Form1Window* w;
};

// What the tick caused: the widgets it changed are repainted, nothing else.
void flush() {
    QCoreApplication::processEvents();
}

void perTick(benchmark::State& st, long paints) {
    st.counters["paints/tick"] = static_cast<double>(paints) / static_cast<double>(st.iterations());
}

void BM_BuildAndLoad(benchmark::State& st) {
    Owner owner;
    BoardState state;
    CyclingDie die;
    for (auto _ : st) {
        auto* w = new ui::Form1Window(owner, state, die);
        w->rules().Form_Load(twoPlayers());
        benchmark::DoNotOptimize(w);
        st.PauseTiming();
        delete w;
        st.ResumeTiming();
    }
}

// The same, then shown and painted whole for the first time.
void BM_BuildLoadShowPaint(benchmark::State& st) {
    Owner owner;
    BoardState state;
    CyclingDie die;
    const long before = paintCounter().paints;
    for (auto _ : st) {
        auto* w = new ui::Form1Window(owner, state, die);
        w->rules().Form_Load(twoPlayers());
        showAndPaint(w);
        st.PauseTiming();
        delete w;
        QCoreApplication::processEvents();
        st.ResumeTiming();
    }
    st.counters["paints/build"] =
        static_cast<double>(paintCounter().paints - before) / static_cast<double>(st.iterations());
}

// A walk that never ends: the token steps over squares 1 to 99 again and again.
void stepTick(ShownBoard& b) {
    BoardState& s = b.state;
    if (s.pos[0] > 99) s.pos[0] = 2;
    s.stp = 1;
    b.w->rules().tmov_Timer();
}

void BM_WalkStepTick(benchmark::State& st) {
    ShownBoard b;
    b.state.scr = 1000;
    stepTick(b);  // the marker hides on the first step only
    flush();
    const long before = paintCounter().paints;
    for (auto _ : st) {
        stepTick(b);
        flush();
    }
    perTick(st, paintCounter().paints - before);
}

// The same step with the whole window painted again, as an upper bound.
void BM_WalkStepTick_FullRepaint(benchmark::State& st) {
    ShownBoard b;
    b.state.scr = 1000;
    stepTick(b);
    flush();
    const long before = paintCounter().paints;
    for (auto _ : st) {
        stepTick(b);
        b.w->repaint();
    }
    perTick(st, paintCounter().paints - before);
}

// Animation ticks only: dcount runs 1 to 10 and starts again.
void BM_DieAnimationTick(benchmark::State& st) {
    ShownBoard b;
    b.state.dcount = 1;
    const long before = paintCounter().paints;
    for (auto _ : st) {
        if (b.state.dcount > 10) b.state.dcount = 1;
        b.w->rules().tdie_Timer();
        flush();
    }
    perTick(st, paintCounter().paints - before);
}

BENCHMARK(BM_BuildAndLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildLoadShowPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkStepTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WalkStepTick_FullRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DieAnimationTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kivo::bench

int main(int argc, char** argv) {
    kivo::bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    kivo::bench::prepareApplication();
    app.installEventFilter(&kivo::bench::paintCounter());

    // The first board of a process also loads the fonts, the pictures and the style.
    {
        QElapsedTimer t;
        t.start();
        kivo::bench::Owner owner;
        kivo::BoardState state;
        kivo::bench::CyclingDie die;
        auto* w = new kivo::ui::Form1Window(owner, state, die);
        w->rules().Form_Load(kivo::bench::twoPlayers());
        const double built = static_cast<double>(t.nsecsElapsed()) / 1e6;
        kivo::bench::showAndPaint(w);
        const double painted = static_cast<double>(t.nsecsElapsed()) / 1e6;
        delete w;
        QCoreApplication::processEvents();
        benchmark::AddCustomContext("first_build_and_load_ms", std::to_string(built));
        benchmark::AddCustomContext("first_build_to_painted_ms", std::to_string(painted));
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
