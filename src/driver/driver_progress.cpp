#include "driver/driver_progress.h"

namespace driver {
namespace {
constexpr unsigned kGeneratorMax = 32767;
constexpr unsigned kTurnsPerTickReading = 16385;
}  // namespace

unsigned NextStepCounter(unsigned counter, unsigned stepCount) {
    return counter < stepCount ? counter + 1 : stepCount;
}

unsigned BarPosition(unsigned counter, unsigned stepCount) {
    if (stepCount == 0) return kBarHigh;
    return static_cast<unsigned>(std::uint64_t{counter} * kBarHigh / stepCount);
}

unsigned PauseLength(unsigned r, unsigned shortest, unsigned longest) {
    if (longest < shortest) return shortest;
    return shortest + static_cast<unsigned>(std::uint64_t{r} * (longest - shortest) / kGeneratorMax);
}

std::uint32_t TicksSince(std::uint32_t start, std::uint32_t now) { return now - start; }

void SpinFor(std::uint32_t delay, const std::function<std::uint32_t()>& readTicks) {
    if (delay == 0) return;
    const std::uint32_t start = readTicks();
    for (unsigned turn = 1;; ++turn) {
        if (turn < kTurnsPerTickReading) continue;
        turn = 0;
        if (TicksSince(start, readTicks()) >= delay) return;
    }
}

}  // namespace driver
