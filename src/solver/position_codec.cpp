#include "solver/position_codec.h"

#include <bit>
#include <cstring>
#include <xxhash.h>

namespace nerilo::solver {
namespace {

constexpr int GroundCodeBits = 5;
constexpr int BlockCodeBits = 4;
constexpr int CellBits = 8;
constexpr int KeysBits = 8;
constexpr int StepsBits = 20;
constexpr int FrozenIdBits = 24;
// A new tile code or a larger board must widen the fields, not wrap silently.
static_assert(GroundCodeCount <= 1 << GroundCodeBits);
static_assert(BlockCodeCount <= 1 << BlockCodeBits);
static_assert(CellCount <= 1 << CellBits);
// The writer lays its words out least significant byte first.
static_assert(std::endian::native == std::endian::little);

// The codes a cell can turn into during play, its own included: lit and unlit
// forms, the floor an opened key plate or a burnt crossed box leaves, turned slots and bars.
bool canChange(uint8_t code) {
    const GroundTraits& traits = groundTraits(code);
    return traits.litForm != NoForm || traits.unlitForm != NoForm || traits.turned != NoForm ||
           code == ground::YellowKeyPlate || code == ground::WhiteKeyPlate;
}

// Packs fields of up to 24 bits, least significant bit first, four bytes at
// a time: every position a search meets is packed once.
class BitWriter {
public:
    explicit BitWriter(uint8_t* out) : out_(out) {}
    void put(uint32_t value, int bits) {
        pending_ |= uint64_t(value) << count_;
        count_ += bits;
        if (count_ >= 32) {
            const uint32_t word = static_cast<uint32_t>(pending_);
            std::memcpy(out_, &word, sizeof word);
            out_ += sizeof word;
            pending_ >>= 32;
            count_ -= 32;
        }
    }
    void finish() {
        for (; count_ > 0; count_ -= 8, pending_ >>= 8) *out_++ = static_cast<uint8_t>(pending_);
    }

private:
    uint8_t* out_;
    uint64_t pending_ = 0;
    int count_ = 0;
};

class BitReader {
public:
    explicit BitReader(const uint8_t* in) : in_(in) {}
    uint32_t get(int bits) {
        for (; count_ < bits; count_ += 8) pending_ |= uint64_t(*in_++) << count_;
        const uint32_t value = static_cast<uint32_t>(pending_ & ((uint64_t(1) << bits) - 1));
        pending_ >>= bits;
        count_ -= bits;
        return value;
    }

private:
    const uint8_t* in_;
    uint64_t pending_ = 0;
    int count_ = 0;
};

}  // namespace

size_t PositionCodec::FrozenHash::operator()(const FrozenCircuit& circuit) const {
    return XXH3_64bits(&circuit, sizeof circuit);
}

PositionCodec::PositionCodec(const WorldState& start) : start_(start) {
    const bool blockMode = start.extraMode == ExtraMode::Block;
    for (int c = 0; c < CellCount; ++c) {
        const uint8_t code = start.ground[c].code;
        if (canChange(code)) mutableCells_.push_back(static_cast<uint8_t>(c));
        else if (blockMode && code != ground::Wall) wallableCells_.push_back(static_cast<uint8_t>(c));
    }
    bool oliveBall = false, arrow = false;
    for (int k = 0; k < CellCount; ++k) {
        if (start.blocks[k].code != block::Empty) trackedBlocks_.push_back(static_cast<uint8_t>(k));
        oliveBall |= start.blocks[k].code == block::OliveBall;
        arrow |= groundTraits(start.ground[k].code).slide != NoDirection;
    }
    stepTry_ = start.stepTry;
    // A kicked ball that rides its own arrow into the edge leaves the kick flag
    // set, and the circuit is not evaluated again until the player's next move ends.
    kickCanStick_ = oliveBall && arrow;
    frozen_.emplace_back();  // id 0: evaluate afresh

    const size_t bits = mutableCells_.size() * GroundCodeBits + wallableCells_.size() +
                        trackedBlocks_.size() * (BlockCodeBits + CellBits) + KeysBits + 1 +
                        (stepTry_ ? StepsBits : 0) + (kickCanStick_ ? FrozenIdBits : 0);
    keyBytes_ = (bits + 7) / 8;
}

uint32_t PositionCodec::freeze(const WorldState& state) {
    FrozenCircuit circuit;
    for (int c = 0; c < CellCount; ++c) {
        circuit.power[c] = state.ground[c].power;
        circuit.marked[c] = state.overlays[c].marked;
    }
    std::lock_guard lock(frozenMutex_);
    auto [at, added] = frozenIds_.try_emplace(circuit, static_cast<uint32_t>(frozen_.size()));
    if (added) frozen_.push_back(circuit);
    return at->second;
}

void PositionCodec::encode(const WorldState& state, uint8_t* key) {
    BitWriter out(key);
    for (uint8_t c : mutableCells_) out.put(state.ground[c].code, GroundCodeBits);
    for (uint8_t c : wallableCells_) out.put(state.ground[c].code == ground::Wall, 1);
    for (uint8_t k : trackedBlocks_) {
        out.put(state.blocks[k].code, BlockCodeBits);
        out.put(static_cast<uint32_t>(state.blockCell[k]), CellBits);
    }
    out.put(state.keysHeld, KeysBits);
    out.put(state.kickInProgress, 1);
    if (stepTry_) out.put(static_cast<uint32_t>(start_.stepsLeft - state.stepsLeft), StepsBits);
    if (kickCanStick_) out.put(state.kickInProgress ? freeze(state) : 0, FrozenIdBits);
    out.finish();
}

void PositionCodec::decode(const uint8_t* key, World& world) const {
    WorldState& s = world.state();
    BitReader in(key);
    for (uint8_t c : mutableCells_) s.ground[c].code = static_cast<uint8_t>(in.get(GroundCodeBits));
    for (uint8_t c : wallableCells_) s.ground[c].code = in.get(1) ? ground::Wall : start_.ground[c].code;
    for (uint8_t k : trackedBlocks_) {
        BlockPiece& piece = s.blocks[k];
        piece.code = static_cast<uint8_t>(in.get(BlockCodeBits));
        const int cell = static_cast<int>(in.get(CellBits));
        s.blockCell[k] = static_cast<int16_t>(cell);
    }
    s.caught = false;
    s.cleared = false;
    s.keysHeld = static_cast<uint8_t>(in.get(KeysBits));
    s.kickInProgress = in.get(1) != 0;
    s.stepsLeft = start_.stepsLeft - (stepTry_ ? static_cast<int32_t>(in.get(StepsBits)) : 0);
    const uint32_t frozenId = kickCanStick_ ? in.get(FrozenIdBits) : 0;

    s.movingBlock = s.playerBlock;
    s.moveKind = MoveKind::Walk;
    s.stepPhase = {};
    s.inputLocked = false;
    s.ticking = true;
    s.awaitingFirstKey = false;
    if (frozenId == 0) {
        world.evaluateCircuit();
        return;
    }
    std::lock_guard lock(frozenMutex_);
    const FrozenCircuit& circuit = frozen_[frozenId];
    for (int c = 0; c < CellCount; ++c) {
        s.ground[c].power = circuit.power[c];
        s.overlays[c].marked = circuit.marked[c];
    }
}

}  // namespace nerilo::solver
