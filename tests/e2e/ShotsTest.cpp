// Pictures of the dialer's windows for the README, taken from the screen
// as a user sees them: the main window after a dial (active, inactive,
// with the system menu open, rolled up), the settings window and a message
// box. Runs only when VENTRO_SHOTS_DIR names the folder to write them to
// (make shots); otherwise it is skipped.
#include "tests/e2e/E2E.h"

#include <cstdlib>

#include "platform/Text.h"
#include "tests/e2e/Desktop.h"

using namespace ventro;
using namespace ventro::e2e;
using namespace std::chrono_literals;

namespace {

class Shots : public AppTest {
protected:
    void SetUp() override
    {
        const char* dir = std::getenv("VENTRO_SHOTS_DIR");
        if (!dir || !*dir)
            GTEST_SKIP() << "VENTRO_SHOTS_DIR is not set";
        shots = Utf8ToWide(dir);
    }
    void Save(const wchar_t* name, RECT r)
    {
        MoveTo(5, 5);
        std::this_thread::sleep_for(500ms);
        WritePng32(shots + L"\\" + name + L".png", CaptureScreen(r));
    }
    std::wstring shots;
};

RECT Union(RECT a, RECT b)
{
    RECT u {};
    UnionRect(&u, &a, &b);
    return u;
}

HWND VisiblePopup(const driver::AppProcess& app)
{
    for (HWND wnd : app.TopLevelWindows())
        if (driver::ClassOf(wnd) == L"TlxSkinPopupWindow" && IsWindowVisible(wnd))
            return wnd;
    return nullptr;
}

} // namespace

TEST_F(Shots, TheDialerWindows)
{
    WriteAnsiFile(folder.File(L"rasphone.pbk"), L"[宽带连接]\r\nStepDelayMs=50\r\nIpAddress=10.64.0.2\r\n");
    Start({ L"RASSIM_PHONEBOOK=" + folder.File(L"rasphone.pbk") });
    SetForegroundWindow(main);
    driver::SetTextOf(Control(ids::Edit2), L"demo");
    driver::SetTextOf(Control(ids::Edit3), L"demo");
    driver::Click(Control(ids::BitBtn1));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::TextOf(Control(ids::Memo1)).find(L"连接成功") != std::wstring::npos; }, 20s));
    Save(L"main-active", Bounds(main));

    SendMessageW(main, WM_NCACTIVATE, FALSE, 0);
    Save(L"main-inactive", Bounds(main));
    SendMessageW(main, WM_NCACTIVATE, TRUE, 0);

    const RECT frame = Bounds(main);
    ClickAt(frame.left + 100, frame.top + 10, true);
    ASSERT_TRUE(driver::WaitUntil([&] { return VisiblePopup(*app) != nullptr; }, 3s));
    Save(L"main-system-menu", Union(frame, Bounds(VisiblePopup(*app))));
    Tap(VK_ESCAPE);
    ASSERT_TRUE(driver::WaitUntil([&] { return VisiblePopup(*app) == nullptr; }, 3s));

    SetForegroundWindow(main);
    ClickAt(frame.left + 100, frame.top + 10);
    ClickAt(frame.left + 100, frame.top + 10);
    ASSERT_TRUE(driver::WaitUntil([&] { return Bounds(main).bottom - Bounds(main).top == 25; }, 3s));
    Save(L"main-rolled-up", Bounds(main));
    std::this_thread::sleep_for(700ms);
    ClickAt(frame.left + 100, frame.top + 10);
    ClickAt(frame.left + 100, frame.top + 10);
    ASSERT_TRUE(driver::WaitUntil([&] { return Bounds(main).bottom - Bounds(main).top > 25; }, 3s));

    driver::Click(Control(ids::BitBtn3));
    HWND settings = app->WaitForWindow(SettingsCaption);
    ASSERT_NE(settings, nullptr);
    Save(L"settings", Bounds(settings));
    driver::Click(driver::FindControl(settings, ids::SettingsBitBtn1));
    const driver::MessageBoxInfo box = app->WaitForMessageBox();
    ASSERT_NE(box.Window, nullptr);
    Save(L"message-box", Bounds(box.Window));
    driver::PressOk(box);
}
