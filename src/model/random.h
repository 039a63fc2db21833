#pragma once

#include <cstdint>
#include <random>

namespace velkon {

// The scene's random generator: seeded once from the clock by the editor, and
// with a fixed seed by the command line and the tests.
class TRandom {
public:
    explicit TRandom(uint32_t seed = 1) : engine_(seed) {}
    void Seed(uint32_t seed) { engine_.seed(seed); }
    // Uniform whole number 0 <= r < n; 0 when n <= 0.
    int64_t Below(int64_t n) {
        if (n <= 0)
            return 0;
        // Same sequence on every platform: no library distribution involved.
        const uint64_t x = (static_cast<uint64_t>(engine_()) << 32) | engine_();
        return static_cast<int64_t>(x % static_cast<uint64_t>(n));
    }

private:
    std::mt19937 engine_;
};

} // namespace velkon
