#pragma once

#include <QString>
#include <cstdint>

namespace velkon {

class TScene;

namespace bench {

// What the synthetic project holds. The same options always give the same
// project, byte for byte.
struct TGenOptions {
    uint64_t Seed = 1;
    int Layers = 2000;
    int Commands = 120000;     // in all, spread over the layers' twelve tracks
    int Files = 32;            // picture files "kep001.png"...
    int PictureSize = 16;      // square pictures, pixels
    bool WritePictures = true; // WriteGeneratedProject writes the PNG files
    int Groups = 8;
    int Lines = 6;
};

// Fills an empty scene. Picture files that exist in dir are loaded; otherwise
// the file items stay empty (layers still get their sizes).
void GenerateScene(TScene& scene, const TGenOptions& options, const QString& dir = {});

// Writes the pictures (when asked) and "bench.VKP" into dir (created when
// missing); returns the project's path.
QString WriteGeneratedProject(const QString& dir, const TGenOptions& options);

// A small deterministic generator (splitmix64), the same on every platform.
class TGenRandom {
public:
    explicit TGenRandom(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= result < n (n > 0).
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

private:
    uint64_t state_;
};

} // namespace bench
} // namespace velkon
