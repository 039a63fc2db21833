#pragma once

#include <chrono>
#include <cmath>
#include <cstdint>

namespace velkon {

// Where the player reads its time: whole milliseconds since a zero point.
class TClockSource {
public:
    virtual ~TClockSource() = default;
    virtual int32_t NowMs() = 0;
};

// A steady monotonic clock whose zero point is its creation, in milliseconds
// rounded to the nearest. The time source can be swapped for tests.
class TSteadyClock : public TClockSource {
public:
    using TNow = std::chrono::steady_clock::time_point (*)();
    explicit TSteadyClock(TNow now = &std::chrono::steady_clock::now) : now_(now), zero_(now()) {}
    int32_t NowMs() override {
        const std::chrono::duration<double, std::milli> ms = now_() - zero_;
        return static_cast<int32_t>(std::nearbyint(ms.count()));
    }

private:
    TNow now_;
    std::chrono::steady_clock::time_point zero_;
};

// A clock set by hand: the command line and the tests drive time with it.
class TManualClock : public TClockSource {
public:
    int32_t Time = 0;
    void Set(int32_t ms) { Time = ms; }
    int32_t NowMs() override { return Time; }
};

} // namespace velkon
