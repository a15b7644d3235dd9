// The sound effects the build makes: one for every event, audible and
// unclipped, and byte for byte what they were, so an effect changes only on purpose.
#include <gtest/gtest.h>
#include <xxhash.h>

#include <algorithm>
#include <map>

#include "game/events.h"
#include "tools/sound_synthesis.h"

namespace nerilo::sound {
namespace {

TEST(SoundSynthesis, EveryEventHasOneAudibleUnclippedEffect) {
    std::map<std::string, const Effect*> byName;
    for (const Effect& effect : effects()) byName[effect.name] = &effect;
    EXPECT_EQ(effects().size(), size_t{EventKindCount});
    for (int k = 0; k < EventKindCount; ++k) {
        const char* name = eventName(static_cast<Event>(k));
        ASSERT_TRUE(byName.contains(name)) << name;
        const std::vector<int16_t> samples = render(*byName[name]);
        int peak = 0;
        for (int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 4000) << name;
        EXPECT_LT(peak, 32767) << name << " clips";
    }
}

TEST(SoundSynthesis, AWavFileHoldsItsSamplesAfterTheHeader) {
    const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768};
    const std::vector<uint8_t> wav = wavFile(samples);
    ASSERT_EQ(wav.size(), 44u + 2 * samples.size());
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    auto word = [&](int at) { return wav[at] | wav[at + 1] << 8 | wav[at + 2] << 16 | wav[at + 3] << 24; };
    EXPECT_EQ(word(4), static_cast<int>(wav.size()) - 8);
    EXPECT_EQ(word(24), SampleRate);
    EXPECT_EQ(word(40), static_cast<int>(2 * samples.size()));
    EXPECT_EQ(wav[44 + 6], 0xFF);  // 32767, little-endian
    EXPECT_EQ(wav[44 + 7], 0x7F);
    EXPECT_EQ(wav[44 + 8], 0x00);  // -32768
    EXPECT_EQ(wav[44 + 9], 0x80);
}

// A changed effect changes its hash: update the table when the change is meant.
TEST(SoundSynthesis, TheFilesAreTheSameOnEveryBuild) {
    const std::map<std::string, uint64_t> expected = {
        {"all_clear", 0xd64b577ee40c17d6ull},
        {"beam_off", 0xf7b5863005dd288full},
        {"beam_on", 0x7655f5e2bba1bd63ull},
        {"blast", 0xc9366b6a9c19f1beull},
        {"clear", 0x503ffd43fdffe0caull},
        {"key", 0xee72ecb6ec51e63dull},
        {"key_plate", 0xf4c4dd6a30ab85b7ull},
        {"kick", 0x87a8cfc53a731264ull},
        {"land", 0x1a9186a49e3db2d6ull},
        {"lost", 0x15ac77119a19f575ull},
        {"push", 0x3be3d16568ed0f78ull},
        {"slide", 0xbde757a08e91d45eull},
        {"spring", 0xcf12ae018d258a3cull},
        {"step", 0xa8e8b095dae33fd7ull},
        {"stop", 0x83dc00264bb31b05ull},
        {"switch", 0x78741096f7e954faull},
        {"undo", 0x80e50954960cc3a3ull},
        {"unlock", 0x9cc5dbd5912f8f75ull},
    };
    for (const Effect& effect : effects()) {
        const std::vector<uint8_t> wav = wavFile(render(effect));
        EXPECT_EQ(XXH3_64bits(wav.data(), wav.size()), expected.at(effect.name)) << effect.name;
    }
}

}  // namespace
}  // namespace nerilo::sound
