// Single and double clicks on the skin tray icon, icon cycling, and where
// an object hint goes below the pointer's cursor.
#include <gtest/gtest.h>

#include "skin/menus/HintLayout.h"
#include "skin/menus/TrayClicks.h"

namespace ventro {
namespace {

using Report = TrayClickTracker::Report;

TEST(TrayClicks, ASingleClickReportsOnceWhenTheDoubleClickTimeRunsOut)
{
    TrayClickTracker t;
    t.LeftDown();
    EXPECT_TRUE(t.TimerRunning());
    EXPECT_EQ(t.LeftUp(), Report::None);
    EXPECT_EQ(t.ClickTimer(), Report::Click);
    EXPECT_FALSE(t.TimerRunning());
    EXPECT_EQ(t.ClickTimer(), Report::None) << "a stray tick reports nothing more";
}

TEST(TrayClicks, AButtonHeldPastTheDoubleClickTimeReportsAtTheRelease)
{
    TrayClickTracker t;
    t.LeftDown();
    EXPECT_EQ(t.ClickTimer(), Report::None);
    EXPECT_EQ(t.LeftUp(), Report::Click);
    EXPECT_EQ(t.ClickTimer(), Report::None);
}

TEST(TrayClicks, ADoubleClickReportsNoSingleClick)
{
    TrayClickTracker t;
    t.LeftDown();
    EXPECT_EQ(t.LeftUp(), Report::None);
    t.DoubleClick();
    EXPECT_EQ(t.LeftUp(), Report::None);
    EXPECT_EQ(t.ClickTimer(), Report::None);
    // The next single click is reported again.
    t.LeftDown();
    EXPECT_EQ(t.LeftUp(), Report::None);
    EXPECT_EQ(t.ClickTimer(), Report::Click);
}

TEST(TrayCycling, ThreeIconsGoZeroOneTwoZero)
{
    std::vector<int> shown { 0 };
    int index = 0;
    for (int i = 0; i < 3; ++i)
        shown.push_back(index = NextCycleIndex(index, 3));
    EXPECT_EQ(shown, (std::vector<int> { 0, 1, 2, 0 }));
    EXPECT_EQ(NextCycleIndex(0, 1), 0);
    EXPECT_EQ(NextCycleIndex(0, 0), 0);
    EXPECT_EQ(CapIconIndex(7, 3), 2);
    EXPECT_EQ(CapIconIndex(-1, 3), 0);
    EXPECT_EQ(CapIconIndex(5, 0), 0);
}

// A 16-pixel-wide mask, two bytes a row (padded to four as bitmaps are).
std::vector<uint8_t> Mask(int rows, std::initializer_list<std::pair<int, uint16_t>> setRows, bool allOnes)
{
    std::vector<uint8_t> bits(size_t(rows) * 4, allOnes ? 0xFF : 0x00);
    for (auto [row, value] : setRows) {
        bits[size_t(row) * 4] = uint8_t(value >> 8);
        bits[size_t(row) * 4 + 1] = uint8_t(value);
    }
    return bits;
}

TEST(CursorHeight, LowestRowThatIsNotTransparent)
{
    // AND half 16 rows (row 10 the last drawn), XOR half 16 rows.
    std::vector<uint8_t> bits = Mask(32, { { 3, 0x0FFF }, { 10, 0xFFFE } }, true);
    for (int y = 16; y < 32; ++y)
        bits[size_t(y) * 4] = bits[size_t(y) * 4 + 1] = 0;
    EXPECT_EQ(CursorDrawnBottom(bits.data(), 4, 16, 32, true), 11);

    // A cursor drawn only through its colour half (AND all transparent).
    std::vector<uint8_t> xorOnly = Mask(32, {}, true);
    for (int y = 16; y < 32; ++y)
        xorOnly[size_t(y) * 4] = xorOnly[size_t(y) * 4 + 1] = 0;
    xorOnly[size_t(16 + 7) * 4 + 1] = 0x01;
    EXPECT_EQ(CursorDrawnBottom(xorOnly.data(), 4, 16, 32, true), 8);

    // Nothing drawn, or no usable mask: no answer, the caller falls back.
    for (int y = 16; y < 32; ++y)
        xorOnly[size_t(y) * 4] = xorOnly[size_t(y) * 4 + 1] = 0;
    EXPECT_EQ(CursorDrawnBottom(xorOnly.data(), 4, 16, 32, true), -1);
    EXPECT_EQ(CursorDrawnBottom(nullptr, 4, 16, 32, true), -1);
    EXPECT_EQ(CursorDrawnBottom(bits.data(), 1, 16, 32, true), -1);

    // Bits past the width (the row padding) do not count.
    std::vector<uint8_t> padded = Mask(16, {}, true);
    padded[2] = 0x00;
    EXPECT_EQ(CursorDrawnBottom(padded.data(), 4, 16, 16, false), -1);
}

} // namespace
} // namespace ventro
