// Menu item views and popup backgrounds drawn into pixel buffers: the stored
// skin's fixed ends with a stretched or tiled middle, text places and
// colours, marks, headers, dividers, the highlight morph and frame animation.
#include <gtest/gtest.h>

#include "skin/gfx/PixelOps.h"
#include "skin/gfx/SkinPieces.h"
#include "skin/menus/MenuPaint.h"
#include "tests/skin_menus/StoredSkin.h"

namespace ventro {
namespace {

using testing::StoredMenuItem;
using testing::StoredSkin;

// Records every text drawn; measures 7 pixels per character.
class RecordingText : public ITextPainter {
public:
    struct Call {
        std::wstring Text;
        Rect Box;
        Color Colour;
        uint32_t Flags;
    };
    Extent Measure(const TextFont&, std::wstring_view text, uint32_t) override { return { int32_t(7 * text.size()), 14 }; }
    void Draw(PixelView, const TextFont&, std::wstring_view text, Rect r, Color color, uint32_t flags) override
    {
        Calls.push_back({ std::wstring(text), r, color, flags });
    }
    const Call* Find(std::wstring_view text) const
    {
        for (const Call& c : Calls)
            if (c.Text == text)
                return &c;
        return nullptr;
    }
    std::vector<Call> Calls;
};

// System colours become distinct plain colours: index i -> Rgb(i, i, i).
Color FakeSystemColors(Color c) { return IsSystemColor(c) ? Rgb(uint8_t(c), uint8_t(c), uint8_t(c)) : c; }
struct FakeColors : IColorResolver {
    Color Resolve(Color c) const override { return FakeSystemColors(c); }
};
const FakeColors fakeColors;

MenuItemInfo Item(std::wstring caption, bool enabled = true)
{
    MenuItemInfo item;
    item.Caption = std::move(caption);
    item.Enabled = enabled;
    return item;
}

struct Fixture {
    RecordingText text;
    MenuPaintContext ctx;
    explicit Fixture(const TlxDataSkinMenuItem* record = nullptr)
    {
        ctx.Skin = &StoredSkin();
        ctx.Text = &text;
        ctx.Colors = &fakeColors;
        if (record) {
            ctx.Look.Popup = FindPopupRecord(ctx.Skin);
            ctx.Look.Item = record;
        }
    }
    PixelBuffer Paint(const MenuItemInfo& item, const MenuItemViewState& state, int32_t w, int32_t h)
    {
        PixelBuffer out;
        PaintMenuItem(ctx, item, state, Rect { 10, 20, 10 + w, 20 + h }, out);
        return out;
    }
};

MenuItemViewState Highlighted()
{
    MenuItemViewState s;
    s.Active = true;
    return s;
}

TEST(MenuItemSkin, HighlightStretchesAndNormalTilesBetweenFiveColumnEnds)
{
    const TlxDataSkinMenuItem& r = StoredMenuItem();
    ASSERT_EQ(r.ActiveSkinRect, (Rect { 1, 1, 64, 21 }));
    ASSERT_EQ(r.ItemLeftOffset, 5);
    ASSERT_EQ(r.ItemRightOffset, 5);
    ASSERT_TRUE(r.StretchEffect);
    ASSERT_FALSE(r.InactiveStretchEffect);
    const PixelView pic = MenuItemPicture(&StoredSkin(), &r);
    Fixture f(&r);
    const int32_t w = 120, middle = w - 10, source = 63 - 10;

    const PixelBuffer lit = f.Paint(Item(L"Open"), Highlighted(), w, 20);
    const std::vector<int32_t> map = StretchMap(source, middle, false);
    for (int32_t y = 0; y < 20; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            ASSERT_EQ(lit.PixelAt(x, y), pic.PixelAt(1 + x, 1 + y));
            ASSERT_EQ(lit.PixelAt(w - 5 + x, y), pic.PixelAt(59 + x, 1 + y));
        }
        for (int32_t x = 0; x < middle; ++x)
            ASSERT_EQ(lit.PixelAt(5 + x, y), pic.PixelAt(6 + map[size_t(x)], 1 + y)) << x << "," << y;
    }

    const PixelBuffer normal = f.Paint(Item(L"Open"), MenuItemViewState {}, w, 20);
    for (int32_t y = 0; y < 20; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            ASSERT_EQ(normal.PixelAt(x, y), pic.PixelAt(1 + x, 22 + y));
            ASSERT_EQ(normal.PixelAt(w - 5 + x, y), pic.PixelAt(59 + x, 22 + y));
        }
        for (int32_t x = 0; x < middle; ++x)
            ASSERT_EQ(normal.PixelAt(5 + x, y), pic.PixelAt(6 + x % source, 22 + y));
    }
}

TEST(MenuItemSkin, DividerIsTheSevenRowStrip)
{
    const TlxDataSkinMenuItem& r = StoredMenuItem();
    Fixture f(&r);
    const PixelBuffer divider = f.Paint(Item(L"-"), MenuItemViewState {}, 100, 7);
    const PixelView pic = MenuItemPicture(&StoredSkin(), &r);
    for (int32_t y = 0; y < 7; ++y) {
        EXPECT_EQ(divider.PixelAt(0, y), pic.PixelAt(1, 41 + y));
        EXPECT_EQ(divider.PixelAt(99, y), pic.PixelAt(63, 41 + y));
    }
    EXPECT_TRUE(f.text.Calls.empty());
}

TEST(MenuItemText, ShortcutEndsSixteenPixelsInsideTheTextAreaOrTwentyOneInsideTheItem)
{
    const TlxDataSkinMenuItem& r = StoredMenuItem();
    MenuItemInfo item = Item(L"&New");
    item.ShortCut = L"Ctrl+N";
    Fixture skinned(&r);
    skinned.Paint(item, Highlighted(), 120, 20);
    const auto* caption = skinned.text.Find(L"&New");
    const auto* shortcut = skinned.text.Find(L"Ctrl+N");
    ASSERT_TRUE(caption && shortcut);
    const int32_t textRight = r.TextRect.Right + (120 - r.SkinRect.Width());
    EXPECT_EQ(shortcut->Box.Right, textRight - 16);
    EXPECT_TRUE(shortcut->Flags & TextRight);
    EXPECT_EQ(caption->Box.Left, r.TextRect.Left + 16) << "after the 16-pixel mark column";
    EXPECT_EQ(caption->Colour, r.ActiveFontColor);

    Fixture plain;
    plain.Paint(item, MenuItemViewState {}, 120, 20);
    ASSERT_TRUE(plain.text.Find(L"Ctrl+N"));
    EXPECT_EQ(plain.text.Find(L"Ctrl+N")->Box.Right, 120 - 21);
    EXPECT_TRUE(plain.text.Find(L"Ctrl+N")->Flags & TextRight);
    EXPECT_EQ(plain.text.Find(L"&New")->Box.Left, 2 + 19);
}

TEST(MenuItemText, DisabledColours)
{
    const TlxDataSkinMenuItem& r = StoredMenuItem();
    Fixture skinned(&r);
    skinned.Paint(Item(L"Gone", false), MenuItemViewState {}, 100, 20);
    EXPECT_EQ(skinned.text.Find(L"Gone")->Colour, r.UnenabledFontColor);
    skinned.Paint(Item(L"Here"), MenuItemViewState {}, 100, 20);
    EXPECT_EQ(skinned.text.Find(L"Here")->Colour, r.FontColor);

    Fixture plain;
    plain.Paint(Item(L"Gone", false), MenuItemViewState {}, 100, 20);
    EXPECT_EQ(plain.text.Find(L"Gone")->Colour, FakeSystemColors(ClBtnShadow));
    plain.Paint(Item(L"Here"), Highlighted(), 100, 20);
    EXPECT_EQ(plain.text.Find(L"Here")->Colour, FakeSystemColors(ClWindowText));
}

// The bounding box and count of the pixels of one colour.
struct Blob {
    Rect Box { INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN };
    int Count = 0;
};
Blob FindColour(const PixelBuffer& b, Color c, Rect within)
{
    Blob blob;
    for (int32_t y = within.Top; y < within.Bottom; ++y)
        for (int32_t x = within.Left; x < within.Right; ++x)
            if (b.PixelAt(x, y) == c) {
                blob.Box = Rect { std::min(blob.Box.Left, x), std::min(blob.Box.Top, y), std::max(blob.Box.Right, x + 1),
                    std::max(blob.Box.Bottom, y + 1) };
                ++blob.Count;
            }
    return blob;
}

TEST(MenuItemMarks, CheckedRadioItemShowsASixBySixDot)
{
    MenuItemInfo item = Item(L"Radio");
    item.Checked = item.RadioItem = true;
    Fixture plain;
    const PixelBuffer b = plain.Paint(item, MenuItemViewState {}, 100, 20);
    const Blob dot = FindColour(b, FakeSystemColors(ClWindowText), Rect { 0, 0, 19, 20 });
    EXPECT_EQ(dot.Box, (Rect { 5, 6, 11, 12 }));
    EXPECT_EQ(dot.Count, 2 + 4 + 6 + 6 + 4 + 2);

    // The stored skin has a radio picture; without one the dot is drawn, one pixel lower.
    TlxDataSkinMenuItem record = StoredMenuItem();
    record.RadioImageRect = record.ActiveRadioImageRect = {};
    record.FontColor = Rgb(1, 2, 3);
    Fixture skinned(&record);
    const PixelBuffer s = skinned.Paint(item, MenuItemViewState {}, 100, 20);
    const Blob skinDot = FindColour(s, Rgb(1, 2, 3), Rect { 0, 0, 40, 20 });
    EXPECT_EQ(skinDot.Box, (Rect { record.TextRect.Left + 2, 7, record.TextRect.Left + 8, 13 }));
    EXPECT_EQ(skinDot.Count, 24);
}

TEST(MenuItemMarks, CheckMarkAndSubmenuArrowInTheTextColour)
{
    MenuItemInfo item = Item(L"Check");
    item.Checked = true;
    item.HasSubItems = true;
    Fixture plain;
    const PixelBuffer b = plain.Paint(item, MenuItemViewState {}, 100, 20);
    const Color ink = FakeSystemColors(ClWindowText);
    // Three strokes of a tick whose box starts at (5, 6): rows 7 to 13.
    const Blob tick = FindColour(b, ink, Rect { 0, 0, 19, 20 });
    EXPECT_EQ(tick.Box, (Rect { 5, 7, 12, 14 }));
    const Blob arrow = FindColour(b, ink, Rect { 80, 0, 100, 20 });
    EXPECT_EQ(arrow.Box, (Rect { 91, 6, 95, 13 }));
    EXPECT_EQ(arrow.Count, 7 + 5 + 3 + 1);
}

TEST(MenuItemHeaders, DashWordDashShowsTheWordAlone)
{
    Fixture plain;
    const PixelBuffer b = plain.Paint(Item(L"-Tools-", false), MenuItemViewState {}, 100, 20);
    EXPECT_EQ(FindColour(b, FakeSystemColors(ClBtnShadow), Rect { 0, 0, 100, 20 }).Count, 100 * 20);
    ASSERT_EQ(plain.text.Calls.size(), 1u);
    EXPECT_EQ(plain.text.Calls[0].Text, L"Tools");
    EXPECT_EQ(plain.text.Calls[0].Colour, FakeSystemColors(ClBtnHighlight));
    EXPECT_TRUE(plain.text.Calls[0].Flags & TextCenter);

    Fixture skinned(&StoredMenuItem());
    skinned.Paint(Item(L"-Tools-", false), MenuItemViewState {}, 100, 20);
    ASSERT_EQ(skinned.text.Calls.size(), 1u);
    EXPECT_EQ(skinned.text.Calls[0].Text, L"Tools");
    EXPECT_TRUE(skinned.text.Calls[0].Flags & TextCenter);
}

TEST(MenuItemMorph, HighlightReachedAfterFiveTicks)
{
    TlxDataSkinMenuItem record = StoredMenuItem();
    record.Morphing = true;
    record.MorphKind = TlxMorphKind::mkDefault;
    Fixture f(&record);
    f.ctx.Effects = true;

    MenuItemViewState s;
    const PixelBuffer normal = f.Paint(Item(L"Open"), s, 100, 20);
    ActivateItemState(s, f.ctx);
    const PixelBuffer start = f.Paint(Item(L"Open"), s, 100, 20);
    EXPECT_EQ(start, normal) << "coefficient 0 shows the normal picture";
    std::vector<PixelBuffer> frames;
    int ticks = 0;
    while (StepItemState(s, f.ctx)) {
        ++ticks;
        frames.push_back(f.Paint(Item(L"Open"), s, 100, 20));
        ASSERT_LE(ticks, 10);
    }
    EXPECT_EQ(ticks, 5);
    EXPECT_DOUBLE_EQ(s.MorphCoefficient(), 1.0);
    f.ctx.Effects = false;
    EXPECT_EQ(frames.back(), f.Paint(Item(L"Open"), s, 100, 20)) << "the last tick shows the highlight itself";
    EXPECT_NE(frames[1], normal);
    EXPECT_NE(frames[1], frames.back());

    f.ctx.Effects = true;
    DeactivateItemState(s, f.ctx);
    ticks = 0;
    while (StepItemState(s, f.ctx))
        ++ticks;
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(s.MorphStep, 0);
}

TEST(MenuItemAnimation, FramesPlayUpOnActivationAndBackWithInactiveAnimation)
{
    TlxDataSkinMenuItem record = StoredMenuItem();
    record.AnimateSkinRect = Rect { 1, 1, 64, 21 };
    record.FrameCount = 3;
    Fixture f(&record);
    f.ctx.Effects = true;
    MenuItemViewState s;
    ActivateItemState(s, f.ctx);
    std::vector<int> frames;
    while (StepItemState(s, f.ctx))
        frames.push_back(s.Frame);
    EXPECT_EQ(frames, (std::vector<int> { 1, 2, 3, 4 }));

    DeactivateItemState(s, f.ctx);
    frames.clear();
    while (StepItemState(s, f.ctx))
        frames.push_back(s.Frame);
    EXPECT_EQ(frames, (std::vector<int> { 0 }));

    record.InactiveAnimation = true;
    ActivateItemState(s, f.ctx);
    while (StepItemState(s, f.ctx)) { }
    DeactivateItemState(s, f.ctx);
    frames.clear();
    while (StepItemState(s, f.ctx))
        frames.push_back(s.Frame);
    EXPECT_EQ(frames, (std::vector<int> { 3, 2, 1, 0 }));

    f.ctx.Effects = false;
    ActivateItemState(s, f.ctx);
    EXPECT_FALSE(StepItemState(s, f.ctx)) << "no animation without skin effects";
}

TEST(MenuItemAnimation, PlayBackFramesStretchByStretchEffectAndANormalItemsAlsoByItsOwnFlag)
{
    // One frame as wide as the picture's normal state, played on items
    // wider than it: the middle (between the 5-pixel ends) is stretched or tiled.
    // The cell is a part of the picture whose columns differ (the item
    // states are plain across), so that stretching and tiling tell apart.
    TlxDataSkinMenuItem record = StoredMenuItem();
    record.AnimateSkinRect = Rect { 1, 50, 64, 70 };
    record.FrameCount = 1;
    const PixelView pic = MenuItemPicture(&StoredSkin(), &record);
    const Rect cell = record.AnimateSkinRect;
    const int32_t w = 120, middle = w - 10, source = cell.Width() - 10;
    bool columnsDiffer = false;
    for (int32_t y = cell.Top; y < cell.Bottom; ++y)
        for (int32_t x = cell.Left + 6; x < cell.Right - 5; ++x)
            columnsDiffer |= pic.PixelAt(x, y) != pic.PixelAt(cell.Left + 5, y);
    ASSERT_TRUE(columnsDiffer);
    const std::vector<int32_t> map = StretchMap(source, middle, false);
    auto stretched = [&](const PixelBuffer& out) {
        for (int32_t y = 0; y < out.Height(); ++y)
            for (int32_t x = 0; x < middle; ++x)
                if (out.PixelAt(5 + x, y) != pic.PixelAt(cell.Left + 5 + map[size_t(x)], cell.Top + y))
                    return false;
        return true;
    };
    auto tiled = [&](const PixelBuffer& out) {
        for (int32_t y = 0; y < out.Height(); ++y)
            for (int32_t x = 0; x < middle; ++x)
                if (out.PixelAt(5 + x, y) != pic.PixelAt(cell.Left + 5 + x % source, cell.Top + y))
                    return false;
        return true;
    };
    auto paint = [&](bool stretch, bool inactiveStretch, bool highlighted) {
        record.StretchEffect = stretch;
        record.InactiveStretchEffect = inactiveStretch;
        Fixture f(&record);
        f.ctx.Effects = true;
        MenuItemViewState s = highlighted ? Highlighted() : MenuItemViewState {};
        s.Frame = 1;
        return f.Paint(Item(L"Open"), s, w, cell.Height());
    };
    // The stored skin's flags: a normal item tiles its picture but stretches
    // its frames ("stretcheffect" 1, "inactivestretcheffect" 0).
    EXPECT_TRUE(stretched(paint(true, false, false)));
    EXPECT_TRUE(stretched(paint(true, false, true)));
    // Its own flag stretches a normal item's frames, not a highlighted one's.
    EXPECT_TRUE(stretched(paint(false, true, false)));
    EXPECT_TRUE(tiled(paint(false, true, true)));
    EXPECT_TRUE(tiled(paint(false, false, false)));
}

TEST(MenuItemViews, InvisibleItemsDrawNothing)
{
    Fixture f(&StoredMenuItem());
    MenuItemViewState s;
    s.Visible = false;
    const PixelBuffer b = f.Paint(Item(L"Hidden"), s, 100, 20);
    EXPECT_EQ(FindColour(b, 0, Rect { 0, 0, 100, 20 }).Count, 100 * 20);
    EXPECT_TRUE(f.text.Calls.empty());
}

TEST(PopupBackground, DefaultLookColumnsAndFrames)
{
    Fixture f;
    PixelBuffer b;
    PaintPopupBackground(f.ctx, 80, 50, false, b);
    EXPECT_EQ(b.PixelAt(0, 10), FakeSystemColors(ClBtnShadow));
    EXPECT_EQ(b.PixelAt(1, 10), FakeSystemColors(ClWindow));
    EXPECT_EQ(b.PixelAt(20, 10), FakeSystemColors(ClBtnFace));
    EXPECT_EQ(b.PixelAt(21, 10), FakeSystemColors(ClWindow));
    EXPECT_EQ(b.PixelAt(79, 49), FakeSystemColors(ClBtnShadow));
}

TEST(PopupBackground, MarkerArrowsLightUpWhileScrollingThatWay)
{
    Fixture f(&StoredMenuItem());
    const TlxDataSkinPopupWindow& p = *f.ctx.Look.Popup;
    f.ctx.Look.PictureWidth = PictureAt(f.ctx.Skin, p.WindowPictureIndex).Width();
    f.ctx.Look.PictureHeight = PictureAt(f.ctx.Skin, p.WindowPictureIndex).Height();
    PixelBuffer b;
    PaintPopupBackground(f.ctx, 100, 126, true, b);
    const Rect items = MovedItemsRect(f.ctx.Look, 100, 126);
    const ScrollMarkers markers = ScrollMarkerRects(f.ctx.Look, items, 100, 126);
    PaintScrollMarkers(f.ctx, b, markers, 2, items.Bottom - 10, items);
    const Blob up = FindColour(b, p.ScrollMarkerColor, markers.Up);
    const Blob down = FindColour(b, p.ScrollMarkerActiveColor, markers.Down);
    EXPECT_EQ(up.Count, 1 + 3 + 5 + 7);
    EXPECT_EQ(down.Count, 1 + 3 + 5 + 7);
    EXPECT_EQ(FindColour(b, p.ScrollMarkerActiveColor, markers.Up).Count, 0);
}

} // namespace
} // namespace ventro
