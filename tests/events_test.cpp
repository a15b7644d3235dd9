// What the rules and the session announce as it happens: the order of the
// events of whole stages, and the few a stored solution never shows.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "model/numbered_stages.h"
#include "stage_solutions.h"

namespace nerilo::test {
namespace {

// The events' names with runs shortened ("step×3"), to keep a stage's list readable.
std::string named(const std::vector<Event>& events) {
    std::string text;
    for (size_t i = 0; i < events.size();) {
        size_t run = 1;
        while (i + run < events.size() && events[i + run] == events[i]) ++run;
        if (!text.empty()) text += ' ';
        text += eventName(events[i]);
        if (run > 1) text += "×" + std::to_string(run);
        i += run;
    }
    return text;
}

std::string playedStage(int number, const std::string& keys, int stagesClearedBefore = 0) {
    ScriptedPlatform platform("/nonexistent");
    platform.keepsFiles = false;
    Game game(platform);
    for (int n = 0; n < stagesClearedBefore; ++n) GameSetUp::progress(game)[n] = 1;
    game.updateUnlocks();
    platform.fileAnswers.push_back(shippedStage(number));
    game.stages().open();
    game.startRound();
    Replay replay;
    EXPECT_TRUE(playKeys(game, keys, 2000, replay));
    return named(platform.events);
}

TEST(Events, StoredSolutionsAnnounceWhatHappensInOrder) {
    const std::map<int, std::string>& solutions = storedSolutions();
    const struct {
        int stage;
        std::string keys;  // empty: the stored solution
        int clearedBefore;
        std::string events;
        bool endOnly;  // only how the list ends
    } cases[] = {
        {2, "", 0, "step×4 push step×3 clear", false},
        {4, "", 0, "step×4 spring land step×4 spring land step spring land step clear", false},
        // Keys picked up with Z, key plates opened with Shift+arrow.
        {6, "", 0, "step×2 key step×2 key_plate step×3 key step key_plate step×3 clear", false},
        // A slot turned off cuts an emitter (beam_off), turned on again lights it.
        {13, "", 0, "switch beam_off step×6 switch step×7 switch beam_on switch beam_off step×10 clear", false},
        // A kicked ball turned by an arrow; the player carried by one.
        {14, "", 0, "step×3 kick stop step×4 slide kick slide stop step×3 kick stop step×10 clear", false},
        // The second kick closes the wire that sets the skull ball off.
        {20, "", 0, "step×2 kick stop step×5 kick stop blast step push×3 step×12 clear", false},
        // A press undone and redone; Retry (Delete) is no undo and sounds nothing.
        {1, "RBFX", 0, "step undo×2", false},
        // The last stage after all the others: the ending, and a mode unlocked.
        {StageCount, "", StageCount - 1, "clear all_clear unlock", true},
    };
    for (const auto& c : cases) {
        const std::string keys = c.keys.empty() ? solutions.at(c.stage) : c.keys;
        const std::string events = playedStage(c.stage, keys, c.clearedBefore);
        if (c.endOnly) EXPECT_TRUE(events.ends_with(c.events)) << events;
        else EXPECT_EQ(events, c.events) << "stage " << c.stage << " keys " << keys;
    }
}

TEST(Events, LossesAndBlastsAreAnnouncedOnTinyStages) {
    const struct {
        const char* what;
        std::string keys;
        std::string events;
    } cases[] = {
        {"onto a live yellow plate", "R", "step lost"},
        {"a skull ball pushed beside a target blows up beside the player", "D", "push blast lost"},
    };
    for (const auto& c : cases) {
        TestGame game;
        // Right of the player a yellow plate that a target keeps live; below
        // him a skull ball, which a push takes beside another target.
        game.block(cell(5, 5), block::Player).ground(cell(5, 6), ground::YellowPlate).ground(cell(4, 6), ground::Target);
        game.block(cell(6, 5), block::SkullBall).ground(cell(8, 5), ground::Target);
        game.start();
        game.play(c.keys);
        EXPECT_EQ(named(game.platform.events), c.events) << c.what;
    }
}

// The solver plays millions of presses on worlds nobody listens to: their
// list must stay empty, and a listening one must never run past its end.
TEST(Events, AWorldNotesOnlyWhileListenedToAndWithinItsCapacity) {
    ScriptedPlatform platform("/nonexistent");
    Game game(platform);
    platform.fileAnswers.push_back(shippedStage(1));
    game.stages().open();
    game.startRound();
    World world = game.world();
    world.events().listen(false);
    world.press(Key::Right);
    while (world.state().inputLocked) world.tick();
    EXPECT_TRUE(world.events().empty());

    world.events().listen(true);
    for (int i = 0; i < 2 * EventList::Capacity; ++i) {
        world.press(i % 2 ? Key::Left : Key::Right);
        while (world.state().inputLocked) world.tick();
    }
    EXPECT_EQ(world.events().events().size(), size_t{EventList::Capacity});
}

}  // namespace
}  // namespace nerilo::test
