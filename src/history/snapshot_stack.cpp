#include "history/snapshot_stack.h"

#include <algorithm>
#include <cstring>

namespace nerilo {
namespace {

// A run's header: its offset and its length, two bytes each.
constexpr size_t RunHeader = 4;

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
    if (size_ > 0) {
        appendDifference(next, top_, runs_);
        ends_.push_back(static_cast<uint32_t>(runs_.size()));
    }
    top_ = std::move(next);
    ++size_;
}

WorldSnapshot SnapshotStack::pop() {
    WorldSnapshot snapshot = unpack(top_);
    --size_;
    if (!ends_.empty()) {
        const size_t end = ends_.back();
        ends_.pop_back();
        const size_t begin = ends_.empty() ? 0 : ends_.back();
        for (size_t at = begin; at < end;) {
            const size_t offset = runs_[at] | runs_[at + 1] << 8, length = runs_[at + 2] | runs_[at + 3] << 8;
            std::copy(runs_.begin() + static_cast<ptrdiff_t>(at + RunHeader),
                      runs_.begin() + static_cast<ptrdiff_t>(at + RunHeader + length), top_.begin() + static_cast<ptrdiff_t>(offset));
            at += RunHeader + length;
        }
        runs_.resize(begin);
    }
    return snapshot;
}

void SnapshotStack::clear() {
    runs_.clear();
    ends_.clear();
    size_ = 0;
}

// A deque holds its elements in blocks of 512 bytes; the last one is partly empty.
size_t SnapshotStack::bytes() const {
    constexpr size_t Block = 512;
    return sizeof(*this) + top_.capacity() + (runs_.size() + Block) + (ends_.size() * sizeof(uint32_t) + Block);
}

// Runs separated by fewer equal bytes than a header are joined: the equal
// bytes cost less than a second header.
void SnapshotStack::appendDifference(const PackedState& above, const PackedState& below, std::deque<uint8_t>& runs) {
    const uint8_t* a = above.data();
    const uint8_t* b = below.data();
    const size_t n = below.size();
    size_t i = nextDifference(a, b, 0, n);
    while (i < n) {
        size_t end = i + 1;
        for (;;) {
            const size_t next = nextDifference(a, b, end, n);
            if (next == n || next - end > RunHeader) break;
            end = next + 1;
        }
        for (size_t value : {i, end - i}) {
            runs.push_back(static_cast<uint8_t>(value & 0xFF));
            runs.push_back(static_cast<uint8_t>(value >> 8));
        }
        runs.insert(runs.end(), b + i, b + end);
        i = nextDifference(a, b, end, n);
    }
}

}  // namespace nerilo
