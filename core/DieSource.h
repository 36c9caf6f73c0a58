#pragma once
// Where the die's values come from. The game reseeds before every draw.

#include <cstdint>
#include <functional>
#include <random>

namespace kivo {

// Turns 32 random bits into a draw u, 0 <= u < 1: the top 24 fill a float's mantissa exactly,
// so even all bits set stay below 1.
float unitDraw(std::uint32_t bits);

// Turns a draw into a die value: floor(6u + 1), 1 to 6.
int dieValue(float u);

class DieSource {
public:
    virtual ~DieSource() = default;
    virtual void reseed() = 0;
    virtual float next() = 0;  // uniform in [0, 1), single precision
};

// The real die: reseeds from the system clock. Two reseeds within one clock reading still
// give different seeds, so the no-repeat rule never waits for the clock to move.
class ClockDie final : public DieSource {
public:
    using Clock = std::function<std::int64_t()>;
    explicit ClockDie(Clock clock = systemClockNanos);
    void reseed() override;
    float next() override;

    static std::int64_t systemClockNanos();

private:
    Clock clock_;
    std::uint64_t reseeds_ = 0;
    std::mt19937 rng_;
};

// A die for tests and benchmarks: the same seed throws the same game; reseeding changes
// nothing.
class SeededDie final : public DieSource {
public:
    explicit SeededDie(std::uint32_t seed) : rng_(seed) {}
    void reseed() override {}
    float next() override { return unitDraw(rng_()); }

private:
    std::mt19937 rng_;
};

}  // namespace kivo
