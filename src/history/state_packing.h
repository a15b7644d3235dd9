#pragma once
// A world snapshot as flat bytes, so that two can be compared and stored as
// the few bytes in which they differ. It holds no texts and no pointers, so
// its bytes are all of it.
#include <cstdint>
#include <type_traits>
#include <vector>

#include "rules/world.h"

namespace nerilo {

static_assert(std::is_trivially_copyable_v<WorldSnapshot>, "a snapshot is stored as its bytes");

using PackedState = std::vector<uint8_t>;

// The length of a packed snapshot; the same for every one.
constexpr size_t packedSize() { return sizeof(WorldSnapshot); }
void pack(const WorldSnapshot& snapshot, PackedState& packed);
WorldSnapshot unpack(const PackedState& packed);

}  // namespace nerilo
