#pragma once
// Pacing of the progress bar while the serial-port installer runs: one step
// per wait turn up to the step count, and a random pause per unfinished turn.
#include <cstdint>
#include <functional>

namespace driver {

constexpr unsigned kBarHigh = 100;  // the bar runs from 0 to 100

// The bar's steps and the length of the random pause per unfinished wait turn.
struct ProgressPacing {
    unsigned stepCount = 22;
    unsigned shortestPause = 250;  // ms
    unsigned longestPause = 350;
};

// The step counter of the next turn: one more, up to the step count.
unsigned NextStepCounter(unsigned counter, unsigned stepCount);

// counter * 100 / stepCount, rounded down; a step count of 0 shows a full bar.
unsigned BarPosition(unsigned counter, unsigned stepCount);

// shortest + r * (longest - shortest) / 32767 ms for a generator value r
// (0 to 32767), rounded down; a longest below the shortest gives the shortest.
unsigned PauseLength(unsigned r, unsigned shortest, unsigned longest);

// Milliseconds from start to now on a 32-bit tick count that wraps around.
std::uint32_t TicksSince(std::uint32_t start, std::uint32_t now);

// Busy-waits until readTicks has advanced by at least delay ms since its
// first reading, asking it once every 16385 turns; 0 returns at once.
void SpinFor(std::uint32_t delay, const std::function<std::uint32_t()>& readTicks);

}  // namespace driver
