// The skin form's window-state arithmetic: snapping, maximized and minimized
// places, centring, size fix-ups, roll-up, the system menu's items, the
// caption double click, the fade steps and the hot object.
#include <gtest/gtest.h>

#include "skin/form/FormPlacement.h"
#include "skin/form/PointerRules.h"
#include "skin/form/SystemMenuItems.h"
#include "skin/gfx/FadeSteps.h"

using namespace ventro;

namespace {

const Rect Work { 0, 0, 1000, 800 };

std::vector<std::string> Names(const std::vector<SysMenuItemInfo>& items)
{
    std::vector<std::string> names;
    for (const auto& i : items)
        names.push_back(i.Name);
    return names;
}

} // namespace

TEST(MagneticSnap, AnEdgeStrictlyWithinTheDistanceSnapsAndAnchorsTheCursor)
{
    MagneticState s;
    Rect r = MagneticSnap(s, { 3, 100, 203, 300 }, Work, { 50, 150 }, 5);
    EXPECT_EQ(r, (Rect { 0, 100, 200, 300 }));
    EXPECT_TRUE(s.SnappedLeft);
    EXPECT_EQ(s.AnchorX, 50);
    // Exactly the distance away is not near: the window stays where proposed.
    MagneticState t;
    EXPECT_EQ(MagneticSnap(t, { 5, 100, 205, 300 }, Work, { 50, 150 }, 5), (Rect { 5, 100, 205, 300 }));
    EXPECT_FALSE(t.SnappedLeft);
}

TEST(MagneticSnap, ASnappedEdgeHoldsNearTheAnchorAndFollowsTheCursorFartherAway)
{
    MagneticState s;
    MagneticSnap(s, { 3, 100, 203, 300 }, Work, { 50, 150 }, 5);
    // Still near the edge, the cursor 3 pixels from the anchor: it stays on the edge.
    EXPECT_EQ(MagneticSnap(s, { 4, 100, 204, 300 }, Work, { 53, 150 }, 5).Left, 0);
    // 20 pixels from the anchor: the window follows the cursor, and lets go.
    MagneticState far = s;
    far.SnappedLeft = true;
    Rect r = MagneticSnap(far, { 23, 100, 223, 300 }, Work, { 70, 150 }, 5);
    EXPECT_EQ(r.Left, 20);
    EXPECT_EQ(r.Width(), 200);
    EXPECT_FALSE(far.SnappedLeft);
}

TEST(MagneticSnap, TheRightAndBottomEdgesSnapKeepingTheSize)
{
    MagneticState s;
    Rect r = MagneticSnap(s, { 797, 597, 997, 797 }, Work, { 900, 700 }, 5);
    EXPECT_EQ(r, (Rect { 800, 600, 1000, 800 }));
    EXPECT_TRUE(s.SnappedRight);
    EXPECT_TRUE(s.SnappedBottom);
    s.Clear();
    EXPECT_FALSE(s.SnappedRight || s.SnappedBottom || s.SnappedLeft || s.SnappedTop);
}

TEST(MaximizedRect, AWorkAreaThatIsTheWholeScreenLeavesOnePixelOnEverySide)
{
    const Rect screen { 0, 0, 1024, 768 };
    EXPECT_EQ(MaximizedRect(screen, screen, screen, false), (Rect { 1, 1, 1023, 767 }));
    // A taskbar takes space: the work area as it is.
    EXPECT_EQ(MaximizedRect({ 0, 0, 1024, 728 }, screen, screen, false), (Rect { 0, 0, 1024, 728 }));
    // Full screen over a taskbar: the whole monitor.
    EXPECT_EQ(MaximizedRect({ 0, 0, 1024, 728 }, screen, screen, true), screen);
    // A second monitor is not the whole screen: no margin.
    const Rect second { 1024, 0, 2048, 768 };
    EXPECT_EQ(MaximizedRect(second, second, screen, false), second);
}

TEST(MinimizedPlace, PlacesGoAlongTheBottomThenRowsUpwardAndWrapToTheFirst)
{
    EXPECT_EQ(MinimizedPlace(Work, 150, 25, {}), (Point { 0, 775 }));
    std::vector<Point> taken { { 0, 775 } };
    EXPECT_EQ(MinimizedPlace(Work, 150, 25, taken), (Point { 150, 775 }));
    // Six places fit in a row of 1000: the seventh goes one row up.
    taken.clear();
    for (int i = 0; i < 6; ++i)
        taken.push_back({ i * 150, 775 });
    EXPECT_EQ(MinimizedPlace(Work, 150, 25, taken), (Point { 0, 750 }));
    // No room anywhere: the first place again.
    const Rect low { 0, 0, 300, 50 };
    std::vector<Point> full { { 0, 25 }, { 150, 25 }, { 0, 0 }, { 150, 0 } };
    EXPECT_EQ(MinimizedPlace(low, 150, 25, full), (Point { 0, 25 }));
}

TEST(Centring, CentresByHalvesAndChoosesTheArea)
{
    EXPECT_EQ(CenteredPlace({ 0, 0, 1024, 768 }, 257, 342), (Point { 512 - 128, 384 - 171 }));
    EXPECT_EQ(CenteredPlace({ 100, 50, 1101, 851 }, 257, 342), (Point { 100 + 500 - 128, 50 + 400 - 171 }));
    const Rect monitor { 0, 0, 1024, 768 }, work { 0, 0, 1024, 728 };
    EXPECT_FALSE(CentringArea(TlxPositionInMonitor::lxpDefault, monitor, work).has_value());
    EXPECT_EQ(*CentringArea(TlxPositionInMonitor::lxpScreenCenter, monitor, work), monitor);
    EXPECT_EQ(*CentringArea(TlxPositionInMonitor::lxpDesktopCenter, monitor, work), work);
}

TEST(FixSizeForSkin, GrowsWhatIsBelowTheMinimumElseNudgesTheWidth)
{
    SkinSizeFix both = FixSizeForSkin(50, 10, 100, 30);
    EXPECT_EQ(both.Width, 100);
    EXPECT_EQ(both.Height, 30);
    EXPECT_FALSE(both.Nudge);
    SkinSizeFix low = FixSizeForSkin(150, 10, 100, 30);
    EXPECT_EQ(low.Width, 150);
    EXPECT_EQ(low.Height, 30);
    SkinSizeFix narrow = FixSizeForSkin(50, 40, 100, 30);
    EXPECT_EQ(narrow.Width, 100);
    EXPECT_EQ(narrow.Height, 40);
    // At the minimum width the nudge goes up, so the window never drops below it.
    SkinSizeFix atMin = FixSizeForSkin(100, 40, 100, 30);
    EXPECT_TRUE(atMin.Nudge);
    EXPECT_EQ(atMin.NudgeDelta, 1);
    EXPECT_EQ(FixSizeForSkin(150, 40, 100, 30).NudgeDelta, -1);
}

TEST(RollUp, IsRefusedWithoutTheButtonWhileMinimizedOrStillRolledUpFromBeforeMaximizing)
{
    RollUpContext c;
    EXPECT_FALSE(RollUpAllowed(c));
    c.HasRollUp = true;
    EXPECT_TRUE(RollUpAllowed(c));
    c.Minimized = true;
    EXPECT_FALSE(RollUpAllowed(c));
    c.Minimized = false;
    c.Maximized = true;
    EXPECT_TRUE(RollUpAllowed(c));
    c.RolledUp = c.RolledUpBeforeMaximize = true;
    EXPECT_FALSE(RollUpAllowed(c));

    EXPECT_FALSE(RollDownHeight(0, 342).IsClientHeight);
    EXPECT_EQ(RollDownHeight(0, 342).Height, 342);
    EXPECT_TRUE(RollDownHeight(317, 342).IsClientHeight);
    EXPECT_EQ(RollDownHeight(317, 342).Height, 317);
}

TEST(SystemMenu, TheMainWindowShowsMinimizeRollUpSeparatorAndClose)
{
    SysMenuState s;
    s.Icons = MainWindowBorderIcons;
    auto items = DefaultSystemMenuItems(s);
    ASSERT_EQ(Names(items), (std::vector<std::string> { "LSF_MINITEM", "LSF_ROLLUP", "-", "LSF_CLOSE" }));
    EXPECT_EQ(items[0].Caption, L"Mi&nimize");
    EXPECT_EQ(items[0].CaptionKey, "MI_MINCAPTION");
    EXPECT_EQ(items[1].Caption, L"Ro&llUp");
    EXPECT_EQ(items[3].Caption, L"&Close");
    EXPECT_EQ(items[3].ShortCut, L"Alt+F4");
    EXPECT_EQ(items[0].Action, SysMenuAction::Minimize);
    s.AlwaysMinimizeToTray = true;
    EXPECT_EQ(DefaultSystemMenuItems(s)[0].Action, SysMenuAction::MinimizeToTray);
}

TEST(SystemMenu, ItemsFollowTheState)
{
    SysMenuState s; // the default caption buttons
    s.RolledUp = true;
    auto rolled = DefaultSystemMenuItems(s);
    EXPECT_EQ(Names(rolled), (std::vector<std::string> { "LSF_MINITEM", "LSF_MAXITEM", "LSF_RESTORE", "-", "LSF_CLOSE" }));
    EXPECT_EQ(rolled[2].Action, SysMenuAction::RollDown);

    s.RolledUp = false;
    s.Maximized = true;
    auto max = DefaultSystemMenuItems(s);
    EXPECT_EQ(Names(max), (std::vector<std::string> { "LSF_MINITEM", "LSF_RESTORE", "LSF_ROLLUP", "-", "LSF_CLOSE" }));
    EXPECT_EQ(max[1].Action, SysMenuAction::Restore);
    s.RolledUp = s.RolledUpWhileMaximized = true;
    EXPECT_EQ(DefaultSystemMenuItems(s)[1].Action, SysMenuAction::RollDown);

    SysMenuState min;
    min.Minimized = true;
    EXPECT_EQ(Names(DefaultSystemMenuItems(min)), (std::vector<std::string> { "LSF_MAXITEM", "LSF_RESTORE", "-", "LSF_CLOSE" }));

    SysMenuState bare;
    bare.Icons = { false, false, false, false, false };
    bare.MDIChild = true;
    auto only = DefaultSystemMenuItems(bare);
    ASSERT_EQ(Names(only), (std::vector<std::string> { "LSF_CLOSE" }));
    EXPECT_EQ(only[0].ShortCut, L"Ctrl+F4");
}

TEST(SystemMenu, AnApplicationMenuGetsItsItemsAroundItsOwnWithoutSeparator)
{
    SysMenuState s;
    s.Icons.MinimizeToTray = true;
    s.RolledUp = true;
    auto [before, after] = ApplicationSystemMenuItems(s);
    EXPECT_EQ(Names(before), (std::vector<std::string> { "LSF_MINITEM", "LSF_RESTORE", "LSF_MAXITEM", "LSF_MINTOTRAY" }));
    EXPECT_EQ(Names(after), (std::vector<std::string> { "LSF_CLOSE" }));
    for (const auto& name : Names(before))
        EXPECT_TRUE(IsDefaultSystemMenuItemName(name));
    EXPECT_FALSE(IsDefaultSystemMenuItemName("MyItem"));
}

TEST(CaptionDoubleClick, RollsUpAFixedWindowAndMaximizesOrRestoresAResizableOne)
{
    CaptionDblClickContext fixed;
    EXPECT_EQ(CaptionDoubleClick(fixed), CaptionDblClickAction::ToggleRollUp);
    CaptionDblClickContext c;
    c.Resizable = c.HasMaximize = true;
    EXPECT_EQ(CaptionDoubleClick(c), CaptionDblClickAction::Maximize);
    c.Maximized = true;
    EXPECT_EQ(CaptionDoubleClick(c), CaptionDblClickAction::Restore);
    c.RolledUpWhileMaximized = true;
    EXPECT_EQ(CaptionDoubleClick(c), CaptionDblClickAction::ToggleRollUp);
    CaptionDblClickContext min;
    min.Resizable = min.Minimized = true;
    EXPECT_EQ(CaptionDoubleClick(min), CaptionDblClickAction::Restore);
    CaptionDblClickContext noMax;
    noMax.Resizable = true;
    EXPECT_EQ(CaptionDoubleClick(noMax), CaptionDblClickAction::ToggleRollUp);
}

TEST(Fade, AnimationAloneEndsOpaqueAndStepsRiseByTenToTheTarget)
{
    EXPECT_EQ(FadeTarget(false, true, 200), 255);
    EXPECT_EQ(FadeTarget(true, true, 200), 200);
    EXPECT_EQ(FadeTarget(true, false, 120), 120);
    for (uint8_t target : { uint8_t(255), uint8_t(200), uint8_t(5) }) {
        uint8_t a = 0;
        int steps = 0;
        while (a < target) {
            uint8_t next = NextFadeAlpha(a, target);
            ASSERT_GT(next, a);
            ASSERT_LE(next - a, 10);
            a = next;
            ++steps;
        }
        EXPECT_EQ(a, target);
        EXPECT_EQ(steps, (target + 9) / 10);
    }
}

TEST(Fade, StepsByElapsedTimeAreDueOnePerStepAndKeepTheRest)
{
    // A timer that ticks every 16 ms owes three steps of 5 ms and keeps 1 ms.
    DueFadeSteps due = FadeStepsDue(16, 5);
    EXPECT_EQ(due.Steps, 3u);
    EXPECT_EQ(due.UsedMs, 15u);
    EXPECT_EQ(FadeStepsDue(4, 5).Steps, 0u);
    EXPECT_EQ(FadeStepsDue(4, 5).UsedMs, 0u);
    // Ticks of 16 ms bring 255 in steps of 10 per 5 ms in 9 ticks, as a
    // loop polling the clock would in 130 ms.
    uint8_t alpha = 0;
    uint32_t carried = 0;
    int ticks = 0;
    while (alpha < 255) {
        due = FadeStepsDue(carried + 16, 5);
        carried = carried + 16 - due.UsedMs;
        alpha = FadeAlphaAfterSteps(alpha, 255, 10, due.Steps);
        ++ticks;
    }
    EXPECT_EQ(ticks, 9);
    EXPECT_EQ(FadeAlphaAfterSteps(250, 255, 10, 1000000), 255) << "capped, without overflow";
    EXPECT_EQ(FadeAlphaAfterSteps(0, 200, 20, 0), 0);
}

TEST(FindHotObject, TheFirstEnabledVisibleObjectUnlessAnotherIsPressed)
{
    std::vector<ObjectHitInfo> objects {
        { { 0, 0, 10, 10 }, false, true },  // disabled
        { { 0, 0, 10, 10 }, true, false },  // hidden
        { { 0, 0, 20, 20 }, true, true },
        { { 0, 0, 30, 30 }, true, true },
    };
    EXPECT_EQ(FindHotObject(objects, { 5, 5 }, true, -1), 2);
    EXPECT_EQ(FindHotObject(objects, { 25, 25 }, true, -1), 3);
    EXPECT_EQ(FindHotObject(objects, { 40, 40 }, true, -1), -1);
    EXPECT_EQ(FindHotObject(objects, { 5, 5 }, false, -1), -1);
    EXPECT_EQ(FindHotObject(objects, { 5, 5 }, true, 3), -1);
    EXPECT_EQ(FindHotObject(objects, { 25, 25 }, true, 3), 3);
}

TEST(FormCursorHitCode, OnlyTheClientAndTheSizingBordersKeepTheirCodes)
{
    EXPECT_EQ(FormCursorHitCode(HitCaption), HitClient);
    EXPECT_EQ(FormCursorHitCode(HitObject), HitClient);
    EXPECT_EQ(FormCursorHitCode(HitClient), HitClient);
    EXPECT_EQ(FormCursorHitCode(HitLeft), HitLeft);
    EXPECT_EQ(FormCursorHitCode(HitBottomRight), HitBottomRight);
}
