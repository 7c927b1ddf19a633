// The skinned menus through real windows and messages: opening with the
// first item lit, Escape through the application's dispatch, a command whose
// popups are gone before it runs, marker scrolling on the timer, the closing
// notifications, and a seeded random walk that leaves no window, timer or
// GDI object behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/Application.h"
#include "platform/MessageWindow.h"
#include "platform/Release.h"
#include "skin/data/BmpFile.h"
#include "skin/gfx/DibSection.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/lxUtils.h"
#include "skin/menus/lxSkinMenus.h"
#include "tests/skin_menus/DemoMenu.h"
#include "tests/skin_menus/StoredSkin.h"
#include "tests/support/Pump.h"

namespace ventro {
namespace {

using testing::AddItem;
using testing::StoredSkin;

using test::Pump;

// The popup windows of this thread: all, and the visible ones.
struct PopupCount {
    int All = 0;
    int Visible = 0;
};
PopupCount CountPopups()
{
    PopupCount count;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM param) -> BOOL {
            wchar_t name[64] {};
            GetClassNameW(wnd, name, 64);
            if (std::wstring(name) == L"TlxSkinPopupWindow") {
                auto* c = reinterpret_cast<PopupCount*>(param);
                ++c->All;
                c->Visible += IsWindowVisible(wnd) ? 1 : 0;
            }
            return TRUE;
        },
        LPARAM(&count));
    return count;
}

HWND LevelWindow(PopupLevel& level) { return static_cast<TlxSkinPopupWindow*>(level.Window)->Handle(); }

class MenusWinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        Application().SetTitle(L"MenusWinTest");
    }
    void SetUp() override
    {
        owner = std::make_unique<TComponent>(nullptr);
        menu = new TlxSkinMenu(owner.get());
        root = std::make_unique<TMenuItem>(nullptr);
        control = std::make_unique<MessageWindow>([this](UINT message, WPARAM, LPARAM, LRESULT& result) {
            if (message == MenuClosedMessage || message == MenuCommandMessage) {
                received.push_back(message);
                result = 0;
                return true;
            }
            return false;
        });
        control->HandleNeeded();
    }
    void TearDown() override
    {
        owner.reset();
        Pump(20);
        EXPECT_EQ(CountPopups().All, 0) << "a popup window outlived its menu";
    }
    void Open(TlxSkinData* skin, Rect anchor = Rect { 200, 150, 200, 150 })
    {
        menu->Popup(control->Handle(), skin, false, root.get(), anchor, 0);
    }

    std::unique_ptr<TComponent> owner;
    TlxSkinMenu* menu = nullptr;
    std::unique_ptr<TMenuItem> root;
    std::unique_ptr<MessageWindow> control;
    std::vector<UINT> received;
    std::vector<std::wstring> clicks;
};

TEST_F(MenusWinTest, StoredSkinMenuOpensWithTheFirstEnabledItemLitAndNoFocus)
{
    AddItem(*root, L"-System-")->Enabled = false;
    AddItem(*root, L"&Restore")->Enabled = false;
    AddItem(*root, L"Mi&nimize");
    AddItem(*root, L"-");
    AddItem(*root, L"&Close");
    const HWND foreground = GetForegroundWindow();
    Open(&StoredSkin());
    ASSERT_TRUE(menu->Visible());
    PopupLevel& level = menu->Engine().Level(0);
    EXPECT_EQ(level.Active, 2);
    EXPECT_EQ(level.Heights, (std::vector<int32_t> { 20, 20, 20, 7, 20 }));
    HWND wnd = LevelWindow(level);
    EXPECT_TRUE(IsWindowVisible(wnd));
    RECT r;
    GetWindowRect(wnd, &r);
    EXPECT_EQ(r.right - r.left, level.Size.Width);
    EXPECT_EQ(r.bottom - r.top, level.Size.Height);
    EXPECT_TRUE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(SendMessageW(wnd, WM_MOUSEACTIVATE, WPARAM(wnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)), MA_NOACTIVATE);
    EXPECT_EQ(GetForegroundWindow(), foreground);
    menu->CloseAll();
}

TEST_F(MenusWinTest, EscapeClosesTheSubmenuThenTheMenuAndTellsTheControl)
{
    TMenuItem* more = AddItem(*root, L"&More");
    AddItem(*more, L"Inner");
    AddItem(*root, L"Other");
    Open(nullptr);
    PostMessageW(control->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    Pump(30);
    ASSERT_EQ(menu->Engine().LevelCount(), 2);
    EXPECT_EQ(CountPopups().Visible, 2);

    PostMessageW(control->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump(30);
    EXPECT_EQ(menu->Engine().LevelCount(), 1);
    EXPECT_TRUE(received.empty());

    PostMessageW(control->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump(30);
    EXPECT_FALSE(menu->Visible());
    EXPECT_EQ(received, (std::vector<UINT> { MenuClosedMessage }));
    EXPECT_EQ(CountPopups().Visible, 0);
    EXPECT_EQ(CountPopups().All, menu->KeptWindows()) << "only the menu's kept windows remain";
    EXPECT_EQ(menu->KeptWindows(), 2);
    EXPECT_EQ(menu->LiveWindows(), 0);
    EXPECT_EQ(menu->LiveTimers(), 0);
}

TEST_F(MenusWinTest, ClickingACommandDestroysThePopupsBeforeItsOnClick)
{
    TMenuItem* more = AddItem(*root, L"&More");
    TMenuItem* leaf = AddItem(*more, L"Leaf");
    PopupCount seen { -1, -1 };
    bool stillVisible = true;
    leaf->OnClick = [&](TComponent*) {
        seen = CountPopups();
        stillVisible = menu->Visible();
    };
    Open(&StoredSkin());
    PostMessageW(control->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    Pump(30);
    ASSERT_EQ(menu->Engine().LevelCount(), 2);
    PopupLevel& inner = menu->Engine().Level(1);
    const Rect b = inner.ItemBounds(0);
    PostMessageW(LevelWindow(inner), WM_LBUTTONUP, 0, MAKELPARAM((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2));
    Pump(30);
    EXPECT_EQ(seen.Visible, 0) << "popup windows still showing when the command ran";
    EXPECT_FALSE(stillVisible);
    EXPECT_EQ(received, (std::vector<UINT> { MenuClosedMessage, MenuCommandMessage }));
}

TEST_F(MenusWinTest, HoveringTheDownMarkerScrollsOneItemPer100Milliseconds)
{
    for (int i = 0; i < 8; ++i)
        AddItem(*root, L"Item " + std::to_wstring(i));
    menu->MaxMenuItemsInWindow = 5;
    Open(&StoredSkin());
    PopupLevel& level = menu->Engine().Level(0);
    ASSERT_EQ(level.Layout.VisibleCount, 5);
    const Rect down = level.Markers.Down;
    SetCursorPos(level.Position.X + (down.Left + down.Right) / 2, level.Position.Y + down.Top + 5);
    std::vector<DWORD> changes;
    int start = level.VisibleStart;
    const DWORD begin = GetTickCount();
    while (GetTickCount() - begin < 1500 && start < 3) {
        Application().ProcessMessages();
        Sleep(2);
        if (level.VisibleStart != start) {
            start = level.VisibleStart;
            changes.push_back(GetTickCount());
        }
    }
    ASSERT_EQ(changes.size(), 3u) << "one item per step until the last item shows";
    for (size_t i = 1; i < changes.size(); ++i)
        EXPECT_GE(changes[i] - changes[i - 1], 80u);
    Pump(250);
    EXPECT_EQ(level.VisibleStart, 3);
    EXPECT_EQ(level.ScrollCode, 0) << "scrolling stops at the end";
    SetCursorPos(0, 0);
    menu->CloseAll();
}

TEST_F(MenusWinTest, ClickingOutsideClosesTheMenu)
{
    AddItem(*root, L"One");
    Open(nullptr);
    PostMessageW(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    Pump(20);
    EXPECT_FALSE(menu->Visible());
    EXPECT_EQ(received, (std::vector<UINT> { MenuClosedMessage }));
}

TEST_F(MenusWinTest, RemovingTheSkinDataClosesTheMenuAndClearsTheLink)
{
    auto* skin = new TlxSkinData(owner.get());
    AddItem(*root, L"One");
    Open(skin);
    EXPECT_EQ(menu->SkinData(), skin);
    delete skin;
    EXPECT_EQ(menu->SkinData(), nullptr);
    EXPECT_FALSE(menu->Visible());
}

// What a window shows on screen, read back through its own device context.
PixelBuffer ScreenPixels(HWND wnd)
{
    RECT r;
    GetClientRect(wnd, &r);
    DibSection copy(r.right, r.bottom);
    HDC source = GetDC(wnd);
    MemoryDC dc(CreateCompatibleDC(source));
    HGDIOBJ old = SelectObject(dc.Get(), copy.Handle());
    BitBlt(dc.Get(), 0, 0, r.right, r.bottom, source, 0, 0, SRCCOPY);
    SelectObject(dc.Get(), old);
    ReleaseDC(wnd, source);
    PixelBuffer out(r.right, r.bottom);
    CopyPixels(out.View(), 0, 0, copy.View(), Rect { 0, 0, r.right, r.bottom });
    return out;
}

// The level's picture as composed from scratch, against what its window shows.
// What the level's window shows on screen is the level's picture; unless
// told not to, pending paints are done first.
void ExpectShowsLevel(PopupLevel& level, bool paintFirst = true)
{
    HWND wnd = LevelWindow(level);
    ASSERT_TRUE(IsWindowVisible(wnd));
    RECT r;
    GetWindowRect(wnd, &r);
    EXPECT_EQ((Rect { r.left, r.top, r.right, r.bottom }),
        (Rect { level.Position.X, level.Position.Y, level.Position.X + level.Size.Width,
            level.Position.Y + level.Size.Height }));
    if (paintFirst)
        UpdateWindow(wnd);
    PixelBuffer expected;
    PaintLevel(level, expected);
    const PixelBuffer shown = ScreenPixels(wnd);
    ASSERT_EQ(shown.Width(), expected.Width());
    ASSERT_EQ(shown.Height(), expected.Height());
    int differ = 0;
    for (int32_t y = 0; y < shown.Height(); ++y)
        for (int32_t x = 0; x < shown.Width(); ++x)
            differ += shown.PixelAt(x, y) != expected.PixelAt(x, y);
    EXPECT_EQ(differ, 0) << "pixels on screen that are not the level's";
}

TEST_F(MenusWinTest, AHighlightFollowsThePointerOnScreenWithoutWaitingForAPaint)
{
    for (const wchar_t* caption : { L"&One", L"&Two", L"T&hree", L"&Four" })
        AddItem(*root, caption);
    Open(&StoredSkin());
    PopupLevel& level = menu->Engine().Level(0);
    HWND wnd = LevelWindow(level);
    UpdateWindow(wnd);
    for (int item : { 2, 1, 3, 0 }) {
        const Rect b = level.ItemBounds(item);
        menu->Engine().PointerAt(level, Point { b.Left + 10, b.Top + b.Height() / 2 });
        ASSERT_EQ(level.Active, item);
        EXPECT_FALSE(GetUpdateRect(wnd, nullptr, FALSE)) << "item " << item << " waits for a paint";
        ExpectShowsLevel(level, false);
    }
    menu->CloseAll();
}

TEST_F(MenusWinTest, AReopenedMenuReusesItsWindowsWithTheNewItemsAndSize)
{
    TMenuItem* more = AddItem(*root, L"&More");
    AddItem(*more, L"Inner");
    AddItem(*root, L"Short");
    Open(&StoredSkin());
    PostMessageW(control->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    Pump(30);
    ASSERT_EQ(menu->Engine().LevelCount(), 2);
    const HWND top = LevelWindow(menu->Engine().Level(0));
    const Extent firstSize { menu->Engine().Level(0).Size.Width, menu->Engine().Level(0).Size.Height };
    menu->CloseAll();
    EXPECT_EQ(CountPopups().Visible, 0);

    // Other items, wider and more of them, in the default look this time.
    root = std::make_unique<TMenuItem>(nullptr);
    for (int i = 0; i < 7; ++i)
        AddItem(*root, L"A much longer caption than before, number " + std::to_wstring(i));
    Open(nullptr, Rect { 300, 120, 300, 120 });
    PopupLevel& level = menu->Engine().Level(0);
    EXPECT_EQ(LevelWindow(level), top) << "the kept window serves the new top level";
    EXPECT_GT(level.Size.Width, firstSize.Width);
    EXPECT_GT(level.Size.Height, firstSize.Height);
    EXPECT_EQ(CountPopups().Visible, 1) << "the submenu's kept window stays hidden";
    auto* window = static_cast<TlxSkinPopupWindow*>(level.Window);
    ASSERT_EQ(window->ItemCount(), 7);
    EXPECT_EQ(window->Item(6).Info().Caption, L"A much longer caption than before, number 6");
    EXPECT_EQ(window->Item(0).MenuItem(), static_cast<const void*>(root->Items(0)));
    EXPECT_TRUE(window->Item(0).Active()) << "the first item of the new items is lit";
    EXPECT_FALSE(window->Item(1).Active());
    ExpectShowsLevel(level);
    menu->CloseAll();

    // And back to a small skinned menu: the window shrinks and shows it.
    root = std::make_unique<TMenuItem>(nullptr);
    AddItem(*root, L"One");
    AddItem(*root, L"Two");
    Open(&StoredSkin());
    EXPECT_EQ(LevelWindow(menu->Engine().Level(0)), top);
    ExpectShowsLevel(menu->Engine().Level(0));
    menu->CloseAll();
}

TEST_F(MenusWinTest, FreeingTheMenuFreesItsKeptWindows)
{
    TMenuItem* more = AddItem(*root, L"&More");
    AddItem(*more, L"Inner");
    Open(&StoredSkin());
    PostMessageW(control->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    Pump(30);
    menu->CloseAll();
    ASSERT_EQ(CountPopups().All, 2);
    delete menu;
    menu = nullptr;
    EXPECT_EQ(CountPopups().All, 0) << "closed menu's windows";

    menu = new TlxSkinMenu(owner.get());
    Open(nullptr);
    ASSERT_EQ(CountPopups().Visible, 1);
    delete menu; // while open
    menu = nullptr;
    EXPECT_EQ(CountPopups().All, 0) << "open menu's windows";
}

TEST_F(MenusWinTest, AWindowDestroyedFromOutsideIsMadeAgainOnTheNextOpen)
{
    AddItem(*root, L"One");
    AddItem(*root, L"Two");
    Open(&StoredSkin());
    const HWND first = LevelWindow(menu->Engine().Level(0));
    menu->CloseAll();
    DestroyWindow(first);
    EXPECT_EQ(CountPopups().All, 0);

    Open(&StoredSkin());
    ASSERT_TRUE(menu->Visible());
    PopupLevel& level = menu->Engine().Level(0);
    EXPECT_TRUE(IsWindow(LevelWindow(level)));
    ExpectShowsLevel(level);
    EXPECT_EQ(level.Active, 0);

    // Destroyed while showing: the menu closes (it would otherwise go on
    // taking the keyboard, unseen) and its timers go with the window.
    received.clear();
    DestroyWindow(LevelWindow(level));
    EXPECT_FALSE(menu->Visible());
    EXPECT_EQ(received, (std::vector<UINT> { MenuClosedMessage }));
    Pump(60);
    EXPECT_EQ(menu->LiveTimers(), 0);
    EXPECT_EQ(menu->LiveWindows(), 0);
    Open(nullptr);
    ExpectShowsLevel(menu->Engine().Level(0));
    menu->CloseAll();
}

TEST_F(MenusWinTest, AKeptWindowFollowsTheOwnerAndDropsTheLayeredStyle)
{
    if (!CanLayerWindows(PlatformVersion()))
        GTEST_SKIP() << "no layered windows here";
    AddItem(*root, L"One");
    menu->AlphaBlend = true;
    Open(nullptr);
    HWND wnd = LevelWindow(menu->Engine().Level(0));
    EXPECT_TRUE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(GetWindow(wnd, GW_OWNER), nullptr);
    menu->CloseAll();

    menu->AlphaBlend = false;
    Open(nullptr);
    wnd = LevelWindow(menu->Engine().Level(0));
    EXPECT_FALSE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    menu->CloseAll();

    const HWND form = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    menu->OwnerWindow = form;
    Open(nullptr);
    EXPECT_EQ(GetWindow(LevelWindow(menu->Engine().Level(0)), GW_OWNER), form);
    ExpectShowsLevel(menu->Engine().Level(0));
    menu->CloseAll();
    menu->OwnerWindow = nullptr;
    DestroyWindow(form);
}

// Random pointer moves, clicks, keys, wheel and closes over the demonstration
// menu through the real dispatch; commands may end the menu. After every
// sequence no popup window, timer or font beyond the first is left.
TEST_F(MenusWinTest, RandomSequencesLeaveNothingBehind)
{
    std::mt19937 random(7);
    std::function<void()> endMenu = [&] {
        // Released, not deleted: the command runs inside the menu's own filter.
        ReleaseComponent(menu);
        menu = nullptr;
    };
    testing::BuildDemoMenu(*root, [&](const std::wstring& name) {
        if (name == L"Exit")
            endMenu();
    });
    // Fonts are made once per look and kept; after both looks have been
    // shown the count must not grow.
    int gdiObjects = -1;
    for (int sequence = 0; sequence < 300; ++sequence) {
        if (sequence == 6 && menu)
            gdiObjects = menu->TextPainter().GdiObjectCount();
        if (!menu)
            menu = new TlxSkinMenu(owner.get());
        menu->MaxMenuItemsInWindow = sequence % 2 ? 4 : 0;
        Open(sequence % 3 ? &StoredSkin() : nullptr, Rect { int32_t(random() % 600), int32_t(random() % 400), 0, 0 });
        for (int step = 0; step < 12 && menu && menu->Visible(); ++step) {
            PopupLevel& level = menu->Engine().Level(int(random() % uint32_t(menu->Engine().LevelCount())));
            HWND wnd = LevelWindow(level);
            const int x = int(random() % uint32_t(level.Size.Width)), y = int(random() % uint32_t(level.Size.Height));
            switch (random() % 6) {
            case 0:
                SetCursorPos(level.Position.X + x, level.Position.Y + y);
                break;
            case 1:
                PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
                break;
            case 2: {
                static const WPARAM keys[] = { VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_RETURN, VK_ESCAPE, 'O', 'R' };
                PostMessageW(control->Handle(), WM_KEYDOWN, keys[random() % std::size(keys)], 0);
                break;
            }
            case 3:
                PostMessageW(control->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, random() % 2 ? WHEEL_DELTA : -WHEEL_DELTA), 0);
                break;
            case 4:
                if (random() % 4 == 0)
                    menu->CloseAll();
                break;
            default:
                break;
            }
            Pump(random() % 12 ? 3 : 110);
        }
        if (menu)
            menu->CloseAll();
        Pump(5);
        ASSERT_EQ(CountPopups().Visible, 0) << "sequence " << sequence;
        // What remains is the menu's hidden window per level, no more.
        ASSERT_EQ(CountPopups().All, menu ? menu->KeptWindows() : 0) << "sequence " << sequence;
        if (menu) {
            ASSERT_LE(menu->KeptWindows(), 3);
            ASSERT_EQ(menu->LiveWindows(), 0);
            ASSERT_EQ(menu->LiveTimers(), 0);
            if (gdiObjects >= 0) {
                ASSERT_LE(menu->TextPainter().GdiObjectCount(), gdiObjects) << "sequence " << sequence;
            }
        }
    }
    SetCursorPos(0, 0);
    ASSERT_EQ(PendingReleaseCount(), 0);
}

// The demonstration menu in both looks and a stored-skin hint, pixel for
// pixel as looked at and kept (VENTRO_UPDATE_GOLDEN=1 writes them anew).
TEST(MenuGolden, DemonstrationMenusAndHintLookAsKept)
{
    Application().Initialize();
    const bool update = std::getenv("VENTRO_UPDATE_GOLDEN") != nullptr;
    std::vector<std::pair<std::string, PixelBuffer>> shots = testing::CaptureDemoShots(nullptr);
    for (auto& shot : testing::CaptureDemoShots(&StoredSkin()))
        shots.push_back(std::move(shot));
    ASSERT_EQ(shots.size(), 7u);
    for (auto& [name, pixels] : shots) {
        const std::string path = std::string(VENTRO_GOLDEN_DIR) + "/" + name + ".bmp";
        if (update) {
            const std::vector<uint8_t> bytes = WriteBmp(BitmapFromPixels(pixels));
            std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            continue;
        }
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const Bitmap golden = ReadBmp(bytes);
        ASSERT_EQ(golden.Width(), pixels.Width()) << name;
        ASSERT_EQ(golden.Height(), pixels.Height()) << name;
        int differ = 0;
        for (int32_t y = 0; y < pixels.Height(); ++y)
            for (int32_t x = 0; x < pixels.Width(); ++x)
                differ += golden.Pixels.PixelAt(x, y) != pixels.PixelAt(x, y);
        EXPECT_EQ(differ, 0) << name << ": pixels that differ from the kept picture";
    }
}

} // namespace
} // namespace ventro
