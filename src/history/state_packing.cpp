#include "history/state_packing.h"

#include <cstring>
#include <type_traits>

namespace nerilo {
namespace {

// Calls visit on every member of GameState in declaration order. The
// structured binding names every member, so it stops compiling when one is
// added or removed: a new member cannot be left out of undo by mistake.
template <class State, class Visit>
void forEachMember(State& state, Visit&& visit) {
    auto& [ground, blocks, overlays, lastRaise, blockCell, playerBlock, movingBlock, pushedBlock, moveKind, stepPhase,
           inputLocked, kickInProgress, awaitingFirstKey, ticking, keysHeld, roundCommand, roundStarted, stepsLeft,
           stepTarget, comment, stagePath, stageFingerprint, progress, progressLevel, blockModeUnlocked,
           superModeUnlocked, stepTry, extraMode, random, editing, testPlaying, paintLayer, groundBrush, blockBrush] = state;
    auto each = [&visit](auto&... member) { (visit(member), ...); };
    each(ground, blocks, overlays, lastRaise, blockCell, playerBlock, movingBlock, pushedBlock, moveKind, stepPhase,
         inputLocked, kickInProgress, awaitingFirstKey, ticking, keysHeld, roundCommand, roundStarted, stepsLeft,
         stepTarget, comment, stagePath, stageFingerprint, progress, progressLevel, blockModeUnlocked,
         superModeUnlocked, stepTry, extraMode, random, editing, testPlaying, paintLayer, groundBrush, blockBrush);
}

template <class T>
constexpr bool isText = std::is_same_v<std::remove_const_t<T>, std::string>;

template <class T>
void checkCopyable() {
    static_assert(isText<T> || std::is_trivially_copyable_v<std::remove_const_t<T>>,
                  "a GameState member that is neither text nor trivially copyable needs its own packing");
}

size_t computePackedSize() {
    const GameState state;
    size_t size = 0;
    forEachMember(state, [&size](auto& member) {
        using T = std::remove_reference_t<decltype(member)>;
        checkCopyable<T>();
        if constexpr (!isText<T>) size += sizeof(T);
    });
    return size;
}

}  // namespace

size_t packedSize() {
    static const size_t size = computePackedSize();
    return size;
}

void pack(const GameState& state, PackedState& packed) {
    packed.bytes.resize(packedSize());
    uint8_t* at = packed.bytes.data();
    size_t text = 0;
    forEachMember(state, [&](auto& member) {
        using T = std::remove_reference_t<decltype(member)>;
        if constexpr (isText<T>) {
            packed.texts[text++] = member;
        } else {
            std::memcpy(at, &member, sizeof(T));
            at += sizeof(T);
        }
    });
}

GameState unpack(const PackedState& packed) {
    GameState state;
    const uint8_t* at = packed.bytes.data();
    size_t text = 0;
    forEachMember(state, [&](auto& member) {
        using T = std::remove_reference_t<decltype(member)>;
        if constexpr (isText<T>) {
            member = packed.texts[text++];
        } else {
            std::memcpy(&member, at, sizeof(T));
            at += sizeof(T);
        }
    });
    return state;
}

}  // namespace nerilo
