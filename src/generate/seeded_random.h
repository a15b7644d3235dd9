#pragma once
// The generator's one source of chance: SplitMix64, written out here so that a
// seed draws the same numbers with every compiler, library and machine (the
// standard distributions may differ between libraries).
#include <cstdint>

namespace nerilo::generate {

class SeededRandom {
public:
    explicit SeededRandom(uint64_t seed) : state_(seed) {}

    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to n - 1 (n > 0). The remainder's slight bias
    // towards small numbers does not matter to a room.
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
    // From low to high, both included.
    int between(int low, int high) { return low + below(high - low + 1); }
    // True once in n draws on average.
    bool oneIn(int n) { return below(n) == 0; }

private:
    uint64_t state_;
};

}  // namespace nerilo::generate
