#include "solver/position_codec.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <xxhash.h>

namespace nerilo::solver {
namespace {

constexpr int CellBits = 8;
constexpr int KeysBits = 8;
constexpr int StepsBits = 20;
constexpr int FrozenIdBits = 24;
// A new tile code or a larger board must widen the fields, not wrap silently.
static_assert(GroundCodeCount <= 32 && BlockCodeCount <= 32);  // Alphabet::indexOf
static_assert(CellCount <= 1 << CellBits);
// The writer lays its words out least significant byte first.
static_assert(std::endian::native == std::endian::little);

// The codes a cell can turn into during play, its own included: lit and unlit
// forms, the floor an opened key plate or a burnt crossed box leaves, turned
// slots and bars, and in block mode the wall a cell walked off becomes.
std::vector<uint8_t> groundCodesFrom(uint8_t code, bool blockMode) {
    std::vector<uint8_t> codes{code};
    for (size_t i = 0; i < codes.size(); ++i) {
        const uint8_t c = codes[i];
        const GroundTraits& traits = groundTraits(c);
        for (uint8_t next : {traits.litForm, traits.unlitForm, traits.turned})
            if (next != NoForm && std::find(codes.begin(), codes.end(), next) == codes.end()) codes.push_back(next);
        if ((c == ground::YellowKeyPlate || c == ground::WhiteKeyPlate) &&
            std::find(codes.begin(), codes.end(), ground::Floor) == codes.end())
            codes.push_back(ground::Floor);
    }
    if (blockMode && codes.size() > 1 && std::find(codes.begin(), codes.end(), ground::Wall) == codes.end())
        codes.push_back(ground::Wall);
    return codes;
}

// The codes a block can take: its lit and unlit forms, and nothing for a skull
// ball that explodes or a key that is picked up.
std::vector<uint8_t> blockCodesFrom(uint8_t code) {
    std::vector<uint8_t> codes{code};
    for (size_t i = 0; i < codes.size(); ++i) {
        const BlockTraits& traits = blockTraits(codes[i]);
        for (uint8_t next : {traits.litForm, traits.unlitForm})
            if (next != NoForm && std::find(codes.begin(), codes.end(), next) == codes.end()) codes.push_back(next);
    }
    if (code == block::SkullBall || code == block::Key) codes.push_back(block::Empty);
    return codes;
}

// Whether the circuit alone chooses between the two codes a cell or a block
// can take: a plate, a star, a button or a wheel and its lit form, alike in
// everything else. Decoding evaluates the circuit, which writes the form, so
// a key need not hold it.
template <typename Traits>
bool powerChooses(const std::vector<uint8_t>& codes, const Traits& (*traitsOf)(uint8_t),
                  bool (*alike)(const Traits&, const Traits&)) {
    if (codes.size() != 2) return false;
    const Traits& a = traitsOf(codes[0]);
    const Traits& b = traitsOf(codes[1]);
    const bool pair = (a.litForm == codes[1] && b.unlitForm == codes[0]) || (a.unlitForm == codes[1] && b.litForm == codes[0]);
    return pair && alike(a, b);
}

bool alikeGround(const GroundTraits& a, const GroundTraits& b) {
    return a.step == b.step && a.pushOnto == b.pushOnto && a.stopsBeam == b.stopsBeam && a.conducts == b.conducts &&
           a.landing == b.landing && a.beam == b.beam && a.slide == b.slide && a.turned == b.turned;
}

bool alikeBlock(const BlockTraits& a, const BlockTraits& b) {
    return a.pushed == b.pushed && a.blocksPush == b.blocksPush && a.occupies == b.occupies &&
           a.stopsSlide == b.stopsSlide && a.stopsBeam == b.stopsBeam && a.conducts == b.conducts;
}

int bitsFor(size_t count) {
    int bits = 0;
    while ((size_t{1} << bits) < count) ++bits;
    return bits;
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

PositionCodec::Tracked PositionCodec::track(int at, std::vector<uint8_t> codes) {
    std::sort(codes.begin(), codes.end());
    const Alphabet* alphabet = nullptr;
    for (const Alphabet& known : alphabets_)
        if (std::equal(codes.begin(), codes.end(), known.codes.begin(), known.codes.begin() + known.count)) alphabet = &known;
    if (!alphabet) {
        Alphabet made;
        for (size_t i = 0; i < codes.size(); ++i) {
            made.codes[i] = codes[i];
            made.indexOf[codes[i]] = static_cast<uint8_t>(i);
        }
        made.count = static_cast<uint8_t>(codes.size());
        made.bits = static_cast<uint8_t>(bitsFor(codes.size()));
        alphabet = &alphabets_.emplace_back(made);
    }
    return {static_cast<uint8_t>(at), alphabet->bits, alphabet};
}

PositionCodec::PositionCodec(const WorldState& start) : start_(start) {
    bool oliveBall = false, arrow = false, emitter = false;
    for (int k = 0; k < CellCount; ++k) {
        oliveBall |= start.blocks[k].code == block::OliveBall;
        arrow |= groundTraits(start.ground[k].code).slide != NoDirection;
        emitter |= groundTraits(start.ground[k].code).beam != NoDirection;
    }
    // A kicked ball that rides its own arrow into the edge leaves the kick flag
    // set, and the circuit is not evaluated again until the player's next move
    // ends: such a key holds every form as it stands.
    kickCanStick_ = oliveBall && arrow;
    stepTry_ = start.stepTry;

    const bool blockMode = start.extraMode == ExtraMode::Block;
    for (int c = 0; c < CellCount; ++c) {
        const uint8_t code = start.ground[c].code;
        const std::vector<uint8_t> codes = groundCodesFrom(code, blockMode);
        if (codes.size() > 1) {
            if (kickCanStick_ || !powerChooses(codes, &groundTraits, &alikeGround)) mutableCells_.push_back(track(c, codes));
        } else if (blockMode && code != ground::Wall) {
            wallableCells_.push_back(static_cast<uint8_t>(c));
        }
    }
    for (int k = 0; k < CellCount; ++k) {
        const uint8_t code = start.blocks[k].code;
        if (code == block::Empty) continue;
        std::vector<uint8_t> codes = blockCodesFrom(code);
        // A block whose form the circuit chooses keeps only its cell.
        if (!kickCanStick_ && powerChooses(codes, &blockTraits, &alikeBlock)) codes = {code};
        trackedBlocks_.push_back(track(k, codes));
    }
    frozen_.emplace_back();  // id 0: evaluate afresh

    // The key's fields in the order encode() writes them, each marked with
    // whether the circuit depends on it.
    std::vector<std::pair<int, bool>> fields;
    for (const Tracked& cell : mutableCells_) fields.emplace_back(cell.bits, true);
    for (size_t i = 0; i < wallableCells_.size(); ++i) fields.emplace_back(1, true);
    for (const Tracked& block : trackedBlocks_) {
        const Alphabet& codes = *block.alphabet;
        bool matters = false;
        for (int i = 0; i < codes.count; ++i) {
            const BlockTraits& traits = blockTraits(codes.codes[i]);
            matters |= traits.conducts || (traits.stopsBeam && emitter) || BlockReacts[codes.codes[i]];
        }
        fields.emplace_back(block.bits, true);
        fields.emplace_back(CellBits, matters);
    }
    fields.emplace_back(KeysBits, false);
    fields.emplace_back(1, true);
    if (stepTry_) fields.emplace_back(StepsBits, false);
    if (kickCanStick_) fields.emplace_back(FrozenIdBits, true);

    size_t bits = 0;
    for (const auto& [width, matters] : fields) bits += width;
    keyBytes_ = (bits + 7) / 8;
    circuitMask_.assign(keyBytes_, 0);
    size_t at = 0;
    for (const auto& [width, matters] : fields) {
        for (int b = 0; matters && b < width; ++b) circuitMask_[(at + b) / 8] |= static_cast<uint8_t>(1 << ((at + b) % 8));
        at += width;
    }
}

bool PositionCodec::sameCircuit(const uint8_t* a, const uint8_t* b) const {
    uint8_t differ = 0;
    for (size_t i = 0; i < keyBytes_; ++i) differ |= (a[i] ^ b[i]) & circuitMask_[i];
    return differ == 0;
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
    for (const Tracked& cell : mutableCells_) out.put(cell.alphabet->indexOf[state.ground[cell.at].code], cell.bits);
    for (uint8_t c : wallableCells_) out.put(state.ground[c].code == ground::Wall, 1);
    for (const Tracked& block : trackedBlocks_) {
        out.put(block.alphabet->indexOf[state.blocks[block.at].code], block.bits);
        out.put(static_cast<uint32_t>(state.blockCell[block.at]), CellBits);
    }
    out.put(state.keysHeld, KeysBits);
    out.put(state.kickInProgress, 1);
    if (stepTry_) out.put(static_cast<uint32_t>(start_.stepsLeft - state.stepsLeft), StepsBits);
    if (kickCanStick_) out.put(state.kickInProgress ? freeze(state) : 0, FrozenIdBits);
    out.finish();
}

void PositionCodec::decode(const uint8_t* key, World& world, const uint8_t* previous) const {
    WorldState& s = world.setUp();
    BitReader in(key);
    for (const Tracked& cell : mutableCells_) s.ground[cell.at].code = cell.alphabet->codes[in.get(cell.bits)];
    for (uint8_t c : wallableCells_) s.ground[c].code = in.get(1) ? ground::Wall : start_.ground[c].code;
    for (const Tracked& block : trackedBlocks_) {
        // A block of one code keeps the form the last evaluation gave it.
        const uint32_t index = in.get(block.bits);
        if (block.alphabet->count > 1) s.blocks[block.at].code = block.alphabet->codes[index];
        s.blockCell[block.at] = static_cast<uint8_t>(in.get(CellBits));
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
    if (previous && sameCircuit(key, previous)) return;
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
