// The progress bar's positions per wait turn and the random pause.
#include "driver/driver_progress.h"

#include <gtest/gtest.h>

#include <vector>

namespace driver {
namespace {

// The positions shown turn by turn while the installer has not ended.
std::vector<unsigned> PositionsOverTurns(unsigned stepCount, int turns) {
    std::vector<unsigned> positions;
    unsigned counter = 0;
    for (int turn = 0; turn < turns; ++turn) {
        counter = NextStepCounter(counter, stepCount);
        positions.push_back(BarPosition(counter, stepCount));
    }
    return positions;
}

TEST(DriverProgress, TwentyTwoStepsShowTheseSteps) {
    const std::vector<unsigned> expected = {4,  9,  13, 18, 22, 27, 31, 36, 40, 45, 50,
                                            54, 59, 63, 68, 72, 77, 81, 86, 90, 95, 100};
    EXPECT_EQ(PositionsOverTurns(22, 22), expected);
}

TEST(DriverProgress, AnInstallerThatOutlivesTheStepsKeepsTheBarFull) {
    const std::vector<unsigned> positions = PositionsOverTurns(22, 60);
    for (size_t turn = 21; turn < positions.size(); ++turn) EXPECT_EQ(positions[turn], 100u) << turn;
    // Large step counts do not overflow on the way to 100.
    EXPECT_EQ(BarPosition(4000000000u, 4000000000u), 100u);
    EXPECT_EQ(BarPosition(1, 0), 100u);
}

TEST(DriverProgress, PausesLastFrom250To350Milliseconds) {
    EXPECT_EQ(PauseLength(0, 250, 350), 250u);
    EXPECT_EQ(PauseLength(16383, 250, 350), 299u);
    EXPECT_EQ(PauseLength(16384, 250, 350), 300u);
    EXPECT_EQ(PauseLength(32767, 250, 350), 350u);
    EXPECT_EQ(PauseLength(41, 250, 350), 250u);  // the generator's first value, 0.125 ms rounded down
    EXPECT_EQ(PauseLength(32767, 0, 0), 0u);
}

// A tick count that advances by one on every reading.
struct CountingTicks {
    std::uint32_t now;
    int readings = 0;
    std::uint32_t operator()() {
        ++readings;
        return now++;
    }
};

TEST(DriverProgress, SpinningEndsWhenTheDelayHasPassedAcrossTheWrapAround) {
    CountingTicks ticks{0xFFFFFF00u};
    SpinFor(300, std::ref(ticks));
    EXPECT_EQ(ticks.readings, 301);  // the start, then one per millisecond
    EXPECT_EQ(ticks.now, 0xFFFFFF00u + 301u);

    CountingTicks quiet{12345};
    SpinFor(0, std::ref(quiet));
    EXPECT_EQ(quiet.readings, 0);
}

}  // namespace
}  // namespace driver
