#include "history/state_packing.h"

#include <cstring>

namespace nerilo {

void pack(const WorldSnapshot& snapshot, PackedState& packed) {
    packed.resize(packedSize());
    std::memcpy(packed.data(), &snapshot, sizeof snapshot);
}

WorldSnapshot unpack(const PackedState& packed) {
    WorldSnapshot snapshot;
    std::memcpy(static_cast<void*>(&snapshot), packed.data(), sizeof snapshot);
    return snapshot;
}

}  // namespace nerilo
