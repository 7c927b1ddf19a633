// The menu item view over a popup level: what it reports of its item and
// record, that it draws into its own rectangle and nowhere else, and that
// copies of a view are handles onto one item.
#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/gfx/PixelOps.h"
#include "skin/menus/lxSkinMenuItem.h"
#include "tests/skin_menus/StoredSkin.h"

namespace ventro {
namespace {

using testing::StoredSkin;

class NoText : public ITextPainter {
public:
    Extent Measure(const TextFont&, std::wstring_view text, uint32_t) override { return { int32_t(7 * text.size()), 14 }; }
    void Draw(PixelView, const TextFont&, std::wstring_view, Rect, Color, uint32_t) override { }
};

// A level of three items laid out from y = 2 in a 120-pixel-wide window,
// skinned with our stored skin or in the default look.
struct LevelFixture {
    NoText text;
    PopupLevel level;
    explicit LevelFixture(bool skinned)
    {
        for (const wchar_t* caption : { L"Open", L"-", L"Close" }) {
            MenuEntry e;
            e.Info.Caption = caption;
            level.Entries.push_back(e);
        }
        level.States.resize(level.Entries.size());
        MenuPaintContext& ctx = level.Paint;
        ctx.Text = &text;
        if (skinned) {
            ctx.Skin = &StoredSkin();
            ctx.Look.Popup = FindPopupRecord(ctx.Skin);
            ctx.Look.Item = FindMenuItemRecord(ctx.Skin);
        }
        for (const MenuEntry& e : level.Entries)
            level.Heights.push_back(ItemHeight(ctx.Look, e.Info));
        level.Size = PopupSize { 120, 100, false, false };
        level.ItemsRect = Rect { 2, 2, 118, 98 };
        level.Relayout();
    }
};

TEST(SkinMenuItemView, ReportsItsItemRecordAndPlace)
{
    LevelFixture skinned(true);
    const TlxSkinMenuItem open(skinned.level, 0);
    ASSERT_NE(open.Record(), nullptr);
    EXPECT_EQ(open.Record(), FindMenuItemRecord(&StoredSkin()));
    const PixelView picture = open.ActivePicture();
    EXPECT_FALSE(picture.IsEmpty());
    EXPECT_EQ(picture.Bits(), PictureAt(&StoredSkin(), open.Record()->ActivePictureIndex).Bits());
    EXPECT_EQ(open.Rectangle(), (Rect { 2, 2, 118, 22 })) << "20 pixels from the item record's skin rectangle";
    EXPECT_EQ(TlxSkinMenuItem(skinned.level, 1).Rectangle(), (Rect { 2, 22, 118, 29 })) << "a 7-pixel divider";
    EXPECT_TRUE(TlxSkinMenuItem(skinned.level, 1).IsDivider());
    EXPECT_FALSE(open.IsDivider());
    // A new view is visible, not highlighted, not waiting, at coefficient 0 and frame 0.
    EXPECT_TRUE(open.Visible());
    EXPECT_FALSE(open.Active() || open.Down() || open.WaitCommand());
    EXPECT_EQ(open.MorphCoefficient(), 0.0);
    EXPECT_EQ(open.CurrentFrame(), 0);

    LevelFixture plain(false);
    const TlxSkinMenuItem close(plain.level, 2);
    EXPECT_EQ(close.Record(), nullptr);
    EXPECT_TRUE(close.ActivePicture().IsEmpty());
    EXPECT_EQ(close.Info().Caption, L"Close");
    EXPECT_EQ(close.Rectangle(), (Rect { 2, 26, 118, 46 })) << "20, then the 4-pixel divider, then 20";

    EXPECT_THROW(TlxSkinMenuItem(plain.level, 3), std::out_of_range);
    EXPECT_THROW(TlxSkinMenuItem(plain.level, -1), std::out_of_range);
}

TEST(SkinMenuItemView, DrawsIntoItsRectangleOnlyAndNothingWhenNotVisible)
{
    for (const bool skinned : { false, true }) {
        LevelFixture f(skinned);
        const Color background = Rgb(1, 2, 3);
        PixelBuffer canvas(120, 100);
        FillPixels(canvas.View(), Rect { 0, 0, 120, 100 }, background);
        PixelBuffer scratch;
        const TlxSkinMenuItem close(f.level, 2);
        close.Draw(canvas.View(), scratch);
        PixelBuffer alone;
        close.Paint(alone);
        const Rect r = close.Rectangle();
        ASSERT_EQ(alone.Width(), r.Width());
        ASSERT_EQ(alone.Height(), r.Height());
        int outsideChanged = 0, insideDiffer = 0;
        for (int32_t y = 0; y < 100; ++y) {
            for (int32_t x = 0; x < 120; ++x) {
                if (r.Contains(Point { x, y }))
                    insideDiffer += canvas.PixelAt(x, y) != alone.PixelAt(x - r.Left, y - r.Top);
                else
                    outsideChanged += canvas.PixelAt(x, y) != background;
            }
        }
        EXPECT_EQ(insideDiffer, 0) << "skinned " << skinned;
        EXPECT_EQ(outsideChanged, 0) << "skinned " << skinned;

        // Scrolled out of the window: nothing drawn at all.
        f.level.States[2].Visible = false;
        PixelBuffer untouched(120, 100);
        FillPixels(untouched.View(), Rect { 0, 0, 120, 100 }, background);
        const PixelBuffer before = untouched;
        close.Draw(untouched.View(), scratch);
        EXPECT_EQ(untouched, before);
    }
}

TEST(SkinMenuItemView, CopiesAreHandlesOntoOneItem)
{
    LevelFixture f(true);
    TlxSkinMenuItem view(f.level, 0);
    const TlxSkinMenuItem copy = view;
    PixelBuffer normal, lit;
    copy.Paint(normal);
    view.SetWaitCommand(true);
    view.Activate();
    EXPECT_TRUE(copy.Active());
    EXPECT_TRUE(f.level.States[0].Active);
    copy.Paint(lit);
    EXPECT_NE(lit, normal) << "the highlighted picture differs from the normal one";
    view.Deactivate();
    EXPECT_FALSE(copy.Active());
    EXPECT_FALSE(copy.WaitCommand()) << "deactivating forgets the pre-selection";
    // No morphing or animation without skin effects: nothing moves.
    EXPECT_FALSE(view.Moving());
    EXPECT_FALSE(view.Step());
}

} // namespace
} // namespace ventro
