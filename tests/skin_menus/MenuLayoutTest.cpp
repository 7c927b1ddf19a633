// Popup menu arithmetic: item kinds, sizes in both looks, the item limit with
// its scroll markers, placement against the work area, keyboard navigation
// and accelerator letters.
#include <gtest/gtest.h>

#include "skin/menus/MenuLayout.h"
#include "tests/skin_menus/StoredSkin.h"

namespace ventro {
namespace {

using testing::StoredMenuItem;
using testing::StoredSkin;

// Seven pixels per shown character; "&" marks are not shown, "&&" shows one.
int64_t SevenPerChar(std::wstring_view text)
{
    int64_t n = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        ++n;
    }
    return 7 * n;
}

MenuItemInfo Item(std::wstring caption, bool enabled = true)
{
    MenuItemInfo item;
    item.Caption = std::move(caption);
    item.Enabled = enabled;
    return item;
}

MenuLook StoredLook()
{
    const TlxSkinData& skin = StoredSkin();
    MenuLook look;
    look.Popup = &skin.PopupWindow;
    const PixelBuffer& picture = skin.ActivePictures.at(size_t(skin.PopupWindow.WindowPictureIndex)).Pixels;
    look.PictureWidth = picture.Width();
    look.PictureHeight = picture.Height();
    look.Item = &StoredMenuItem();
    return look;
}

std::vector<MenuItemInfo> SystemMenu()
{
    return { Item(L"&Restore"), Item(L"Mi&nimize"), Item(L"Minimize to &Tray"), Item(L"-"), Item(L"&Close") };
}

TEST(MenuItemKinds, DividersHeadersAndSelectableItems)
{
    EXPECT_TRUE(IsDividerCaption(L"-"));
    EXPECT_FALSE(IsDividerCaption(L"--"));
    EXPECT_TRUE(IsHeaderItem(L"-Tools-", false));
    EXPECT_TRUE(IsHeaderItem(L"--", false));
    EXPECT_FALSE(IsHeaderItem(L"-Tools-", true)) << "an enabled dash-word-dash is an ordinary item";
    EXPECT_FALSE(IsHeaderItem(L"-", false)) << "a lone dash is a divider, not a header";
    EXPECT_FALSE(IsHeaderItem(L"-Tools", false));
    EXPECT_EQ(HeaderText(L"-Tools-"), L"Tools");
    EXPECT_EQ(HeaderText(L"--"), L"");
    EXPECT_EQ(HeaderText(L"-"), L"");
    EXPECT_FALSE(IsSelectable(Item(L"-Tools-", false)));
    EXPECT_FALSE(IsSelectable(Item(L"-")));
    EXPECT_TRUE(IsSelectable(Item(L"Open")));
}

TEST(MenuAccelerators, LetterAfterASingleAmpersandWithoutCase)
{
    EXPECT_EQ(AcceleratorOf(L"E&xit"), L'x');
    EXPECT_EQ(AcceleratorOf(L"Save && &Quit"), L'Q');
    EXPECT_FALSE(AcceleratorOf(L"Save && Quit").has_value());
    EXPECT_FALSE(AcceleratorOf(L"Trailing&").has_value());
    EXPECT_EQ(AcceleratorOf(L"打开(&O)"), L'O');

    std::vector<MenuItemInfo> items { Item(L"&Open", false), Item(L"-"), Item(L"&open"), Item(L"&Close") };
    EXPECT_EQ(FindAcceleratorItem(items, L'O'), 2) << "disabled items are skipped, case does not count";
    EXPECT_EQ(FindAcceleratorItem(items, L'c'), 3);
    EXPECT_EQ(FindAcceleratorItem(items, L'z'), -1);
}

TEST(MenuSizes, StoredSkinItemsDividersAndWidth)
{
    const MenuLook look = StoredLook();
    ASSERT_EQ(StoredSkin().PopupWindow.WindowPictureIndex, 1);
    ASSERT_EQ(look.Item->SkinRect, (Rect { 1, 22, 64, 42 }));
    EXPECT_EQ(ItemHeight(look, Item(L"&Close")), 20);
    EXPECT_EQ(ItemHeight(look, Item(L"-")), 7) << "dividerrect 1,41,64,48";

    std::vector<MenuItemInfo> items = SystemMenu();
    const PopupSize size = ComputePopupSize(look, items, SevenPerChar, 1000);
    // Widest: "Minimize to Tray", 16 characters, + 2; then the glyph column
    // (19 without images) + 19; then textrect.Left 26, skinrect width 63 -
    // textrect.Right 58, and the frame picture's width beyond itemsrect.
    const int32_t w = 16 * 7 + 2 + 19 + 19;
    EXPECT_EQ(size.Width, w + 26 + (63 - 58) + (look.PictureWidth - 61));
    EXPECT_EQ(size.Height, 4 * 20 + 7 + (look.PictureHeight - 55));
    EXPECT_FALSE(size.Scroll);

    items[1].ShortCut = L"Ctrl+N";
    const PopupSize withShortcut = ComputePopupSize(look, items, SevenPerChar, 1000);
    EXPECT_EQ(withShortcut.Width - size.Width, 7 * (8 + 2 + 6) + 2 - (16 * 7 + 2)) << "caption, two spaces, shortcut";
}

TEST(MenuSizes, DefaultLookAndImageColumn)
{
    MenuLook look;
    std::vector<MenuItemInfo> items = SystemMenu();
    PopupSize size = ComputePopupSize(look, items, SevenPerChar, 1000);
    EXPECT_EQ(size.Width, 16 * 7 + 2 + 19 + 19 + 10);
    EXPECT_EQ(size.Height, 4 * 20 + 4 + 4);
    EXPECT_EQ(MovedItemsRect(look, size.Width, size.Height), (Rect { 2, 2, size.Width - 2, size.Height - 2 }));

    look.ImageWidth = 16;
    EXPECT_EQ(GlyphWidth(look), 21);
    EXPECT_EQ(ComputePopupSize(look, items, SevenPerChar, 1000).Width, size.Width + 2);

    look.Merged = true;
    EXPECT_EQ(ComputePopupSize(look, items, SevenPerChar, 1000).Height, 4 * 20 + 4 + 6);
    look.MaxItems = 3;
    EXPECT_EQ(ComputePopupSize(look, items, SevenPerChar, 1000).Height, 3 * 20 + 26);
    look.Merged = false;
    EXPECT_EQ(ComputePopupSize(look, items, SevenPerChar, 1000).Height, 3 * 20 + 24);
}

TEST(MenuScrolling, FiveOfEightBetweenTwoTenPixelMarkers)
{
    MenuLook look = StoredLook();
    look.MaxItems = 5;
    std::vector<MenuItemInfo> items(8, Item(L"Item"));
    const PopupSize size = ComputePopupSize(look, items, SevenPerChar, 1000);
    EXPECT_TRUE(size.Scroll);
    EXPECT_TRUE(size.FixedScroll);
    EXPECT_EQ(size.Height, 5 * 20 + 20 + (look.PictureHeight - 55));

    const Rect itemsRect = MovedItemsRect(look, size.Width, size.Height);
    EXPECT_EQ(itemsRect, (Rect { 3, 3, size.Width - (look.PictureWidth - 64), size.Height - (look.PictureHeight - 58) }));
    const ScrollMarkers markers = ScrollMarkerRects(look, itemsRect, size.Width, size.Height);
    EXPECT_EQ(markers.Up, (Rect { itemsRect.Left, itemsRect.Top, itemsRect.Right, itemsRect.Top + 10 }));
    EXPECT_EQ(markers.Down, (Rect { itemsRect.Left, itemsRect.Bottom - 10, itemsRect.Right, itemsRect.Bottom }));

    const std::vector<int32_t> heights(8, 20);
    ItemLayout layout = LayoutItems(heights, itemsRect, true, 0);
    EXPECT_EQ(layout.VisibleCount, 5);
    EXPECT_EQ(layout.Items[0].Bounds, (Rect { itemsRect.Left, markers.Up.Bottom, itemsRect.Right, markers.Up.Bottom + 20 }));
    EXPECT_EQ(layout.Items[4].Bounds.Bottom, markers.Down.Top);
    EXPECT_FALSE(layout.Items[5].Visible);
    EXPECT_EQ(layout.LastVisibleBottom, markers.Down.Top);

    // Scrolling down one item at a time ends with the last item shown.
    EXPECT_EQ(LastScrollStart(heights, itemsRect), 3);
    layout = LayoutItems(heights, itemsRect, true, 3);
    EXPECT_FALSE(layout.Items[2].Visible);
    EXPECT_TRUE(layout.Items[7].Visible);
    EXPECT_EQ(layout.VisibleCount, 5);

    EXPECT_EQ(StartToShow(heights, itemsRect, 0, 4), 0);
    EXPECT_EQ(StartToShow(heights, itemsRect, 0, 6), 2);
    EXPECT_EQ(StartToShow(heights, itemsRect, 3, 1), 1);
    EXPECT_EQ(StartToShow(heights, itemsRect, 0, 7), 3);
}

TEST(MenuScrolling, DividersLetMoreItemsIntoTheLimitedWindow)
{
    const Rect itemsRect { 2, 2, 100, 2 + 5 * 20 + 20 };
    const std::vector<int32_t> heights { 20, 4, 20, 4, 20, 20, 20, 20 };
    ItemLayout layout = LayoutItems(heights, itemsRect, true, 0);
    EXPECT_EQ(layout.VisibleCount, 6);
    EXPECT_EQ(LastScrollStart(heights, itemsRect), 3);
    // An item taller than the whole room is still shown from its own start.
    EXPECT_EQ(StartToShow({ 20, 500, 20 }, itemsRect, 0, 1), 1);
}

TEST(MenuPlacement, BelowAboveAndInsideTheWorkArea)
{
    const Rect wa { 0, 0, 800, 600 };
    PlacementInput in { Rect { 100, 100, 100, 100 }, wa, 150, 93, 3 };
    EXPECT_EQ(PlacePopup(in), (Point { 100, 100 }));

    in.Anchor = Rect { 780, 100, 780, 100 };
    EXPECT_EQ(PlacePopup(in).X, 650) << "kept inside the right edge";
    in.Anchor = Rect { -40, 100, -40, 100 };
    EXPECT_EQ(PlacePopup(in).X, 0);

    in.Anchor = Rect { 100, 550, 100, 550 };
    EXPECT_EQ(PlacePopup(in), (Point { 100, 457 })) << "lower half: above the anchor";

    // Upper half of a low work area: pushed up from the bottom, so it goes
    // beside the anchor instead of over it.
    in.WorkArea = Rect { 0, 0, 800, 120 };
    in.Anchor = Rect { 10, 50, 10, 50 };
    EXPECT_EQ(PlacePopup(in), (Point { 11, 27 }));

    in.WorkArea = wa;
    in.PopupUp = true;
    in.Anchor = Rect { 100, 300, 180, 320 };
    EXPECT_EQ(PlacePopup(in), (Point { 100, 207 }));
    in.Anchor = Rect { 100, 50, 180, 70 };
    EXPECT_EQ(PlacePopup(in), (Point { 100, 70 })) << "no room above: below the button";
}

TEST(MenuPlacement, TallerThanTheWorkAreaOpensAtItsTopBesideTheAnchor)
{
    const MenuLook look = StoredLook();
    std::vector<MenuItemInfo> items(40, Item(L"Item"));
    const Rect wa { 0, 30, 1024, 430 };
    const PopupSize size = ComputePopupSize(look, items, SevenPerChar, wa.Height());
    EXPECT_EQ(size.Height, 400);
    EXPECT_TRUE(size.Scroll);
    EXPECT_FALSE(size.FixedScroll);
    PlacementInput in { Rect { 300, 200, 300, 200 }, wa, size.Width, size.Height, 3, false, false, size.Scroll,
        size.FixedScroll };
    EXPECT_EQ(PlacePopup(in), (Point { 301, 30 }));
}

TEST(MenuPlacement, SubmenusBesideTheirParentItem)
{
    const Rect wa { 0, 0, 800, 600 };
    PlacementInput in { Rect { 200, 100, 389, 120 }, wa, 150, 93, 3, false, true };
    EXPECT_EQ(PlacePopup(in), (Point { 390, 97 })) << "first item level with the parent item";

    in.WorkArea.Right = 500;
    const Point left = PlacePopup(in);
    EXPECT_EQ(left.X + in.Width, in.Anchor.Left - 1) << "to the left, one pixel apart";

    in.WorkArea = wa;
    in.Anchor = Rect { 200, 550, 389, 570 };
    EXPECT_EQ(PlacePopup(in).Y, 570 + 3 - 93);
    in.Anchor = Rect { 200, 70, 389, 90 };
    in.WorkArea = Rect { 0, 0, 800, 150 };
    EXPECT_EQ(PlacePopup(in).Y, 150 - 93) << "upper half: against the bottom";
}

TEST(MenuNavigation, WrapsAndSkipsDividersAndDisabledItems)
{
    const std::vector<MenuItemInfo> items { Item(L"-Tools-", false), Item(L"A"), Item(L"-"), Item(L"B", false),
        Item(L"C"), Item(L"-") };
    EXPECT_EQ(FirstSelectableItem(items), 1);
    EXPECT_EQ(NextSelectableItem(items, 1, true), 4);
    EXPECT_EQ(NextSelectableItem(items, 4, true), 1) << "down from the last selectable item wraps to the first";
    EXPECT_EQ(NextSelectableItem(items, 1, false), 4) << "up from the first wraps to the last";
    EXPECT_EQ(NextSelectableItem(items, -1, true), 1);
    EXPECT_EQ(NextSelectableItem(items, -1, false), 4);

    const std::vector<MenuItemInfo> one { Item(L"-"), Item(L"Only"), Item(L"x", false) };
    EXPECT_EQ(NextSelectableItem(one, 1, true), 1);
    EXPECT_EQ(NextSelectableItem(one, 1, false), 1);
    const std::vector<MenuItemInfo> none { Item(L"-"), Item(L"x", false) };
    EXPECT_EQ(NextSelectableItem(none, -1, true), -1);
    EXPECT_EQ(FirstSelectableItem(none), -1);
    EXPECT_EQ(NextSelectableItem({}, -1, true), -1);
}

} // namespace
} // namespace ventro
