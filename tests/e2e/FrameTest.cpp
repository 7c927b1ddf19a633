// The main window's frame as a user meets it: its outer size, the caption
// buttons under real mouse input, the system menu by right click and by
// Alt+Space, roll-up by double click, and minimizing to the tray.
#include "tests/e2e/E2E.h"

#include <cstdlib>
#include <thread>

#include "platform/Text.h"
#include "skin/gfx/WicPng.h"
#include "tests/e2e/Desktop.h"
#include "tests/support/GoldenPicture.h"

using namespace ventro;
using namespace ventro::e2e;
using namespace std::chrono_literals;
using test::ExpectGolden;

namespace {

class FrameTest : public AppTest {
protected:
    void StartAndFocus()
    {
        Start();
        ASSERT_TRUE(driver::WaitUntil([&] { return IsWindowVisible(main); }));
        SetForegroundWindow(main);
        driver::WaitUntil([&] { return GetForegroundWindow() == main; }, 3s);
        // Away from the window, so that no button starts out hot.
        MoveTo(5, 5);
    }
    HWND OpenPopup() const
    {
        for (HWND wnd : app->TopLevelWindows())
            if (driver::ClassOf(wnd) == L"TlxSkinPopupWindow" && IsWindowVisible(wnd))
                return wnd;
        return nullptr;
    }
    HWND ApplicationWindow() const
    {
        for (HWND wnd : app->TopLevelWindows())
            if (driver::ClassOf(wnd) == L"VentroApplication")
                return wnd;
        return nullptr;
    }
    // A point of the caption bar away from the buttons and the icon.
    POINT CaptionPoint() const
    {
        RECT r = Bounds(main);
        return { r.left + 100, r.top + 10 };
    }
    int Height() const
    {
        RECT r = Bounds(main);
        return r.bottom - r.top;
    }
    RECT ClientOnScreen() const
    {
        RECT c {};
        GetClientRect(main, &c);
        MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&c), 2);
        return c;
    }
    // The frame as the screen shows it, after the window has settled.
    Picture32 FramePicture()
    {
        std::this_thread::sleep_for(400ms);
        return CaptureScreen(Bounds(main), ClientOnScreen());
    }
};

} // namespace

TEST_F(FrameTest, TheFrameIsThreePixelsWithANineteenPixelCaption)
{
    StartAndFocus();
    RECT r = Bounds(main), client {};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 251);
    EXPECT_EQ(client.bottom, 317);
    EXPECT_EQ(r.right - r.left, 251 + 6);
    EXPECT_EQ(r.bottom - r.top, 317 + 25);
    POINT origin { 0, 0 };
    ClientToScreen(main, &origin);
    EXPECT_EQ(origin.x - r.left, 3);
    EXPECT_EQ(origin.y - r.top, 22);
    // The platform's own caption parts are gone: the frame answers hit tests.
    const int w = r.right - r.left;
    auto hit = [&](int x, int y) { return SendMessageW(main, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y)); };
    EXPECT_EQ(hit(100, 10), HTCAPTION);
    EXPECT_EQ(hit(3 + 8, 4 + 8), 19) << "the small icon is the system-menu button";
    for (int x : { w - 20, w - 37, w - 54 })
        EXPECT_EQ(hit(x + 8, 4 + 8), 19) << "a caption button at x = W - " << (w - x);
    EXPECT_EQ(hit(w - 71 + 8, 4 + 8), HTCAPTION) << "no fourth button";
}

TEST_F(FrameTest, TheRollUpButtonRollsUpAndDownAndThePressReleasedOutsideDoesNothing)
{
    StartAndFocus();
    RECT r = Bounds(main);
    const int w = r.right - r.left;
    const int fullHeight = Height();
    ClickAt(r.left + w - 54 + 8, r.top + 4 + 8);
    ASSERT_TRUE(driver::WaitUntil([&] { return Height() == 25; }, 3s)) << "height " << Height();
    // Past the double-click time: a quick second click is a double click, which runs no command.
    std::this_thread::sleep_for(700ms);
    ClickAt(r.left + w - 54 + 8, r.top + 4 + 8);
    ASSERT_TRUE(driver::WaitUntil([&] { return Height() == fullHeight; }, 3s)) << "height " << Height();

    // Pressed on the close button, released on the caption: the program stays.
    MoveTo(r.left + w - 20 + 8, r.top + 4 + 8);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    std::this_thread::sleep_for(100ms);
    MoveTo(r.left + 100, r.top + 10);
    std::this_thread::sleep_for(150ms);
    MouseButton(MOUSEEVENTF_LEFTUP);
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(app->Running());
    EXPECT_TRUE(IsWindowVisible(main));
}

TEST_F(FrameTest, ACaptionDoubleClickRollsUpToTheCaptionAndBack)
{
    StartAndFocus();
    const int fullHeight = Height();
    POINT p = CaptionPoint();
    ClickAt(p.x, p.y);
    ClickAt(p.x, p.y);
    ASSERT_TRUE(driver::WaitUntil([&] { return Height() == 25; }, 3s)) << "height " << Height();
    std::this_thread::sleep_for(700ms); // no third click counts as a double click
    p = CaptionPoint();
    ClickAt(p.x, p.y);
    ClickAt(p.x, p.y);
    EXPECT_TRUE(driver::WaitUntil([&] { return Height() == fullHeight; }, 3s)) << "height " << Height();
}

TEST_F(FrameTest, TheSystemMenuOpensByRightClickAndItsRollUpItemWorks)
{
    StartAndFocus();
    POINT p = CaptionPoint();
    ClickAt(p.x, p.y, true);
    ASSERT_TRUE(driver::WaitUntil([&] { return OpenPopup() != nullptr; }, 3s)) << "no skinned popup opened";
    HWND popup = OpenPopup();
    RECT m = Bounds(popup);
    // Four items of 20 pixels, the separator thinner: more than three, less than four full items.
    EXPECT_GT(m.bottom - m.top, 3 * 20);
    Tap('L'); // Ro&llUp
    EXPECT_TRUE(driver::WaitUntil([&] { return Height() == 25; }, 3s)) << "height " << Height();
    EXPECT_TRUE(driver::WaitUntil([&] { return OpenPopup() == nullptr; }, 3s));
}

TEST_F(FrameTest, AltSpaceOpensTheSystemMenuAndItsMinimizeHidesTheProgramInTheTray)
{
    StartAndFocus();
    Key(VK_MENU, false);
    Tap(VK_SPACE);
    Key(VK_MENU, true);
    ASSERT_TRUE(driver::WaitUntil([&] { return OpenPopup() != nullptr; }, 3s)) << "Alt+Space opened no menu";
    HWND application = ApplicationWindow();
    ASSERT_NE(application, nullptr);
    Tap('N'); // Mi&nimize
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(main) && !IsWindowVisible(application); }, 3s))
        << "the taskbar entry stayed";
    // The tray brings it back, as before.
    for (HWND wnd : app->TopLevelWindows())
        if (driver::ClassOf(wnd) == L"VentroMessageWindow")
            PostMessageW(wnd, WM_USER + 1, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(driver::WaitUntil([&] { return IsWindowVisible(main); }, 3s));
    EXPECT_EQ(Height(), 342) << "minimizing the main window keeps its normal size";
}

TEST_F(FrameTest, TheMinimizeButtonMinimizesTheApplicationToTheTray)
{
    StartAndFocus();
    RECT r = Bounds(main);
    const int w = r.right - r.left;
    HWND application = ApplicationWindow();
    ASSERT_NE(application, nullptr);
    ClickAt(r.left + w - 37 + 8, r.top + 4 + 8);
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(main) && !IsWindowVisible(application); }, 3s))
        << "the minimize button did not hide the program in the tray";
}

TEST_F(FrameTest, TheCloseButtonEndsTheProgramCleanly)
{
    StartAndFocus();
    RECT r = Bounds(main);
    const int w = r.right - r.left;
    ClickAt(r.left + w - 20 + 8, r.top + 4 + 8);
    EXPECT_TRUE(driver::WaitUntil([&] { return !app->Running(); }, 10s)) << "the close button left the program running";
    EXPECT_EQ(app->ExitCode(), 0u);
}

TEST_F(FrameTest, PicturesOfTheBannerAndTheLabels)
{
    StartAndFocus();
    MoveTo(5, 5);
    std::this_thread::sleep_for(400ms);
    RECT client = ClientOnScreen();
    // The banner, and the strip left of the edit boxes that holds the labels
    // (the caret of the focused edit box stays out of the picture).
    RECT banner { client.left, client.top, client.left + 251, client.top + 80 };
    RECT labels { client.left, client.top + 80, client.left + 48, client.top + 160 };
    ExpectGolden("main_banner", CaptureScreen(banner, {}));
    ExpectGolden("main_labels", CaptureScreen(labels, {}));
}

TEST_F(FrameTest, PicturesOfTheFrameActiveInactiveRolledUpAndWithTheSystemMenu)
{
    StartAndFocus();
    ExpectGolden("main_frame_active", FramePicture());

    SendMessageW(main, WM_NCACTIVATE, FALSE, 0);
    ExpectGolden("main_frame_inactive", FramePicture());
    SendMessageW(main, WM_NCACTIVATE, TRUE, 0);

    POINT p = CaptionPoint();
    ClickAt(p.x, p.y, true);
    ASSERT_TRUE(driver::WaitUntil([&] { return OpenPopup() != nullptr; }, 3s));
    MoveTo(5, 5);
    std::this_thread::sleep_for(400ms);
    RECT frame = Bounds(main), menu = Bounds(OpenPopup()), both {};
    UnionRect(&both, &frame, &menu);
    ExpectGolden("main_frame_system_menu", CaptureScreen(both, ClientOnScreen(), menu));
    Tap(VK_ESCAPE);
    ASSERT_TRUE(driver::WaitUntil([&] { return OpenPopup() == nullptr; }, 3s));

    SetForegroundWindow(main);
    p = CaptionPoint();
    ClickAt(p.x, p.y);
    ClickAt(p.x, p.y);
    ASSERT_TRUE(driver::WaitUntil([&] { return Height() == 25; }, 3s));
    MoveTo(5, 5);
    ExpectGolden("main_frame_rolled_up", FramePicture());
}
