#include "DieSource.h"

#include <chrono>
#include <cmath>

namespace kivo {

ClockDie::ClockDie(Clock clock) : clock_(std::move(clock)) {}

std::int64_t ClockDie::systemClockNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void ClockDie::reseed() {
    const auto reading = static_cast<std::uint64_t>(clock_());
    ++reseeds_;
    std::seed_seq seq{
        static_cast<std::uint32_t>(reading), static_cast<std::uint32_t>(reading >> 32),
        static_cast<std::uint32_t>(reseeds_), static_cast<std::uint32_t>(reseeds_ >> 32)};
    rng_.seed(seq);
}

float ClockDie::next() {
    return unitDraw(rng_());
}

float unitDraw(std::uint32_t bits) {
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}

int dieValue(float u) {
    return static_cast<int>(std::floor(6.0f * u + 1.0f));
}

}  // namespace kivo
