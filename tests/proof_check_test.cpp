// A stage code's proof is believed only when it clears the stage, exactly.
#include <gtest/gtest.h>

#include "solver/proof_check.h"
#include "stage_solutions.h"

namespace nerilo::test {
namespace {

TEST(ProofCheck, BelievesOnlyPressesThatClearWithTheLast) {
    const Stage stage = readStageFile(shippedStage(5)).stage;
    const std::string solution = storedSolutions().at(5);
    struct Case {
        const char* what;
        std::string keys;
        bool clears;
    };
    const Case cases[] = {
        {"the stored solution", solution, true},
        {"a press short", solution.substr(0, solution.size() - 1), false},
        {"a press after the clear", solution + "L", false},
        {"the action key not on the stairs", solution.substr(0, solution.size() - 2) + "Z", false},
        {"Delete in the middle", "X" + solution, false},
        {"Enter for the action key", solution.substr(0, solution.size() - 1) + "E", false},
        {"nothing", "", false},
        {"another stage's solution", storedSolutions().at(4), false},
    };
    for (const Case& c : cases) EXPECT_EQ(solver::proofClears(stage, c.keys), c.clears) << c.what << ": " << c.keys;
}

}  // namespace
}  // namespace nerilo::test
