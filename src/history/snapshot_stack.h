#pragma once
// A stack of world snapshots kept compactly: the top one whole (packed), every
// one below it as the bytes in which it differs from the one above it. A
// press changes a few dozen of a state's ten thousand bytes, so a long round
// costs little memory; pushing and popping cost one pass over a state.
#include <cstdint>
#include <deque>
#include <vector>

#include "history/state_packing.h"

namespace nerilo {

class SnapshotStack {
public:
    void push(const WorldSnapshot& snapshot);
    // The snapshot on top, removed from the stack; the stack must not be empty.
    WorldSnapshot pop();
    bool empty() const { return size_ == 0; }
    size_t size() const { return size_; }
    void clear();
    // The memory the stack holds, in bytes.
    size_t bytes() const;

private:
    // The bytes of a snapshot that differ from the one above it, as runs of
    // (offset, length, bytes), appended to `runs`.
    static void appendDifference(const PackedState& above, const PackedState& below, std::deque<uint8_t>& runs);

    PackedState top_;
    // The differences of the snapshots below the top, one after another, and
    // where each ends: a press costs its few changed bytes and one word, and
    // the deques grow without doubling.
    std::deque<uint8_t> runs_;
    std::deque<uint32_t> ends_;
    size_t size_ = 0;
};

}  // namespace nerilo
