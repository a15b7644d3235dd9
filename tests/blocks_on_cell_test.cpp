// The search for the blocks on a cell against a plain scan of all 225.
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "rules/blocks_on_cell.h"

namespace nerilo::test {
namespace {

std::vector<int> plainScan(const WorldState& state, int cell) {
    std::vector<int> found;
    for (int k = 0; k < CellCount; ++k)
        if (state.blockCell[k] == cell && state.blocks[k].code != block::Empty) found.push_back(k);
    return found;
}

// Crowded boards, many blocks on few cells, a third of them empty: every
// block that is not empty is found, in block order, and no empty one.
TEST(BlocksOnCell, FindsEveryBlockThatIsNotEmptyInOrder) {
    std::mt19937 random(3);
    WorldState state;
    for (int round = 0; round < 300; ++round) {
        const int base = std::uniform_int_distribution<int>(0, CellCount - 3)(random);
        for (int k = 0; k < CellCount; ++k) {
            state.blockCell[k] = static_cast<uint8_t>(base + std::uniform_int_distribution<int>(0, 2)(random));
            state.blocks[k].code = static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 2)(random));
        }
        noteLiveBlocks(state);
        for (int cell = std::max(0, base - 1); cell <= base + 3 && cell < CellCount; ++cell) {
            std::vector<int> found;
            forEachBlockOn(state, cell, [&](int k) {
                found.push_back(k);
                return true;
            });
            ASSERT_EQ(found, plainScan(state, cell)) << "round " << round << " cell " << cell;
        }
    }
}

TEST(BlocksOnCell, StopsWhenAskedAndReachesTheLastBlock) {
    WorldState state;
    for (int k = 0; k < CellCount; ++k) {
        state.blockCell[k] = static_cast<uint8_t>(k);
        state.blocks[k].code = block::BlackBall;
    }
    state.blockCell[7] = state.blockCell[100] = state.blockCell[224] = 50;
    noteLiveBlocks(state);
    std::vector<int> found;
    forEachBlockOn(state, 50, [&](int k) {
        found.push_back(k);
        return k != 50;
    });
    EXPECT_EQ(found, (std::vector<int>{7, 50}));
    found.clear();
    forEachBlockOn(state, 50, [&](int k) {
        found.push_back(k);
        return true;
    });
    EXPECT_EQ(found, (std::vector<int>{7, 50, 100, 224}));
}

}  // namespace
}  // namespace nerilo::test
