#pragma once
// A position at rest packed into a few bytes: everything that decides the
// future of a round and nothing else. The search stores these instead of whole
// world states and unpacks one into a world before trying its presses.
//
// What a key holds is fixed per search, from the start position: the codes of
// the ground cells that can change in this stage (burnt boxes, opened key
// plates, slots, bars; in block mode whether a cell became a wall), the code
// and cell of every block that is not empty at the start (in block order;
// blocks never appear, they can only vanish), each code as its index among
// the few that cell or block can take, the keys held, the kick flag, the
// steps used in step-try mode, and the circuit when a stuck kick froze it.
// Power, overlays and the lit or unlit form of a plate, star, button or
// wheel are otherwise what a fresh circuit evaluation gives, and so are left
// out of the key.
#include <array>
#include <deque>
#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "rules/world.h"

namespace nerilo::solver {

class PositionCodec {
public:
    explicit PositionCodec(const WorldState& start);

    size_t keyBytes() const { return keyBytes_; }
    // Writes the key of `state` into `key` (keyBytes() bytes).
    void encode(const WorldState& state, uint8_t* key);
    // Makes `world` the position of `key`: the start position with the key's
    // contents written over it and the circuit evaluated. When `world` holds
    // the position of `previous` and the two keys agree on everything the
    // circuit depends on, its evaluation is kept: the positions one search
    // thread expands in a row are mostly siblings, a player's walk apart.
    void decode(const uint8_t* key, World& world, const uint8_t* previous = nullptr) const;

private:
    struct FrozenCircuit {
        std::array<Power, CellCount> power;
        std::array<bool, CellCount> marked;
        bool operator==(const FrozenCircuit&) const = default;
    };
    struct FrozenHash {
        size_t operator()(const FrozenCircuit& circuit) const;
    };
    uint32_t freeze(const WorldState& state);

    // The codes one ground cell or one block can take in this round, each kept
    // as its index in that list: most take two or three, many only one.
    struct Alphabet {
        std::array<uint8_t, 32> indexOf{};  // by code
        std::array<uint8_t, 8> codes{};
        uint8_t count = 0;
        uint8_t bits = 0;
    };
    struct Tracked {
        uint8_t at;     // the cell, or the block
        uint8_t bits;   // of its alphabet
        const Alphabet* alphabet;
    };
    Tracked track(int at, std::vector<uint8_t> codes);

    WorldState start_;
    std::deque<Alphabet> alphabets_;  // stays where it is as it grows: Tracked points into it
    std::vector<Tracked> mutableCells_;   // ground cells whose code can change
    std::vector<uint8_t> wallableCells_;  // block mode: one bit, became a wall
    std::vector<Tracked> trackedBlocks_;  // blocks not empty at the start
    bool stepTry_ = false;
    bool kickCanStick_ = false;
    size_t keyBytes_ = 0;
    // The bits of a key the circuit depends on: the ground, the blocks' codes,
    // the cells of blocks that conduct, change with power or stop beams (on a
    // board with an emitter), the kick flag and the frozen circuit.
    std::vector<uint8_t> circuitMask_;
    bool sameCircuit(const uint8_t* a, const uint8_t* b) const;
    // Circuits frozen by a kick that got stuck at the edge; id 0 is "evaluate afresh".
    std::vector<FrozenCircuit> frozen_;
    // Guards the frozen circuits, which search threads may add to.
    mutable std::mutex frozenMutex_;
    std::unordered_map<FrozenCircuit, uint32_t, FrozenHash> frozenIds_;
};

}  // namespace nerilo::solver
