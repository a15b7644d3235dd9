#include "history/snapshot_stack.h"

#include <cstring>

namespace nerilo {
namespace {

// A run's header: its offset and its length, two bytes each.
constexpr size_t RunHeader = 4;

void putTwoBytes(std::vector<uint8_t>& out, size_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

size_t twoBytesAt(const uint8_t* at) { return static_cast<size_t>(at[0]) | static_cast<size_t>(at[1]) << 8; }

// The first index from `from` on where a and b differ, or n; equal stretches
// are skipped a word at a time.
size_t nextDifference(const uint8_t* a, const uint8_t* b, size_t from, size_t n) {
    size_t i = from;
    while (i + 8 <= n) {
        uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y) break;
        i += 8;
    }
    while (i < n && a[i] == b[i]) ++i;
    return i;
}

}  // namespace

// Two-byte offsets reach every byte of a snapshot.
static_assert(sizeof(WorldSnapshot) <= 0xFFFF);

void SnapshotStack::push(const WorldSnapshot& snapshot) {
    PackedState next;
    pack(snapshot, next);
    if (size_ > 0) below_.push_back(differenceFrom(next, top_));
    top_ = std::move(next);
    ++size_;
}

WorldSnapshot SnapshotStack::pop() {
    WorldSnapshot snapshot = unpack(top_);
    --size_;
    if (!below_.empty()) {
        apply(below_.back(), top_);
        below_.pop_back();
    }
    return snapshot;
}

void SnapshotStack::clear() {
    below_.clear();
    size_ = 0;
}

size_t SnapshotStack::bytes() const {
    size_t total = sizeof(*this) + top_.capacity() + below_.capacity() * sizeof(Difference);
    for (const Difference& difference : below_) total += difference.runs.capacity();
    return total;
}

// Runs separated by fewer equal bytes than a header are joined: the equal
// bytes cost less than a second header.
SnapshotStack::Difference SnapshotStack::differenceFrom(const PackedState& above, const PackedState& below) {
    const uint8_t* a = above.data();
    const uint8_t* b = below.data();
    const size_t n = below.size();
    std::vector<uint8_t> runs;
    size_t i = nextDifference(a, b, 0, n);
    while (i < n) {
        size_t end = i + 1;
        for (;;) {
            const size_t next = nextDifference(a, b, end, n);
            if (next == n || next - end > RunHeader) break;
            end = next + 1;
        }
        putTwoBytes(runs, i);
        putTwoBytes(runs, end - i);
        runs.insert(runs.end(), b + i, b + end);
        i = nextDifference(a, b, end, n);
    }
    Difference difference;
    difference.runs.assign(runs.begin(), runs.end());  // exact capacity: many of these stay alive
    return difference;
}

void SnapshotStack::apply(const Difference& difference, PackedState& state) {
    const uint8_t* at = difference.runs.data();
    const uint8_t* end = at + difference.runs.size();
    while (at < end) {
        const size_t offset = twoBytesAt(at), length = twoBytesAt(at + 2);
        std::memcpy(state.data() + offset, at + RunHeader, length);
        at += RunHeader + length;
    }
}

}  // namespace nerilo
