// The level mixer behind brightness and darkness: whichever rule it picks for
// a weight, every level must come out as the exact mix does.
#include <gtest/gtest.h>

#include <vector>

#include "skin/gfx/lxMix.h"

namespace ventro {
namespace {

// Mixes every level through the vector loop (the first 256 bytes) and the
// byte-wise tail, from an address off the 16-byte grid, and counts the bytes
// that differ from MixOne.
int CountWrongLevels(uint16_t wa, uint8_t level)
{
    const LevelMixer mixer(wa, level);
    std::vector<uint8_t> bytes(3 + 256 + 16 + 5);
    uint8_t* row = bytes.data() + 3;
    const size_t n = bytes.size() - 3;
    for (size_t i = 0; i < n; ++i)
        row[i] = uint8_t(i * 37 + 11); // 37 is odd: the first 256 bytes hold every level
    const std::vector<uint8_t> before(row, row + n);
    mixer.Mix(row, n);
    int wrong = 0;
    for (size_t i = 0; i < n; ++i) {
        const uint8_t expected = MixOne(before[i], level, SplitWeight(wa));
        if (row[i] != expected && wrong++ == 0)
            ADD_FAILURE() << "weight " << wa << " level " << int(level) << " of " << int(before[i]) << ": got "
                          << int(row[i]) << ", expected " << int(expected)
                          << (mixer.UsesShortRule() ? " (short rule)" : " (full rule)");
    }
    return wrong;
}

TEST(LevelMixer, EngineAmountsTakeTheShortRuleAndStayExact)
{
    // Darkness and brightness at 0.3 have ties (5 -> 3.5 -> 4, 15 -> 10.5 -> 10).
    const uint16_t at03 = MixComplement(MixFixed(0.3));
    for (uint8_t level : { uint8_t(0), uint8_t(255) }) {
        EXPECT_TRUE(LevelMixer(at03, level).UsesShortRule()) << int(level);
        EXPECT_EQ(CountWrongLevels(at03, level), 0) << int(level);
    }
    LevelMixer dark(at03, 0);
    uint8_t ties[] = { 5, 15, 25, 35, 200, 0 };
    dark.Mix(ties, sizeof ties);
    const uint8_t expected[] = { 4, 10, 18, 24, 140, 0 };
    for (size_t i = 0; i < sizeof ties; ++i)
        EXPECT_EQ(ties[i], expected[i]) << i;
}

TEST(LevelMixer, EveryRuleIsExactAcrossWeights)
{
    // A spread of weights over the whole range, the ends and the middle among
    // them; both rules must turn up, so that both are checked.
    std::vector<uint16_t> weights = { 0, 1, 2, 127, 128, 129, 32767, 32768, 32769, 65534, 65535 };
    for (uint32_t wa = 3; wa < 65536; wa += 61)
        weights.push_back(uint16_t(wa));
    int shortRule = 0, fullRule = 0;
    for (uint16_t wa : weights)
        for (uint8_t level : { uint8_t(0), uint8_t(255), uint8_t(1), uint8_t(77), uint8_t(128) }) {
            (LevelMixer(wa, level).UsesShortRule() ? shortRule : fullRule)++;
            ASSERT_EQ(CountWrongLevels(wa, level), 0) << "weight " << wa << " level " << int(level);
        }
    EXPECT_GT(shortRule, 0);
    EXPECT_GT(fullRule, 0);
}

TEST(LevelMixer, ShortRuleAgreesWithItsVectorForm)
{
    // The check at construction runs the rule byte by byte; the rows run it
    // eight lanes at a time. Same 256 levels, both through Mix, must agree.
    const LevelMixer mixer(MixComplement(MixFixed(0.3)), 255);
    ASSERT_TRUE(mixer.UsesShortRule());
    uint8_t row[256];
    for (int c = 0; c < 256; ++c)
        row[c] = uint8_t(c);
    mixer.Mix(row, 256);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(row[c], mixer.Rule().Apply(uint8_t(c))) << c;
}

} // namespace
} // namespace ventro
