// Shared pieces of skinview's window tests: the preview window built in this
// process as skinview.exe builds it, a message pump, real mouse input from a
// second thread (the platform's move and size loops are modal), and live
// counts of windows, timers, message filters and GDI objects.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <atomic>
#include <thread>
#include <vector>

#include "platform/Application.h"
#include "platform/Handles.h"
#include "tests/support/Pump.h"
#include "tools/skinview/SkinViewForm.h"

namespace ventro::skinview::testing {

inline std::vector<uint8_t> FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

using ventro::test::Pump;

inline Rect WindowRect(HWND wnd)
{
    RECT r {};
    GetWindowRect(wnd, &r);
    return { r.left, r.top, r.right, r.bottom };
}

inline Rect WorkArea()
{
    RECT r {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return { r.left, r.top, r.right, r.bottom };
}

// Presses the left button at `from`, moves through `path` and releases at
// its end, from a thread of its own while this one pumps messages (a move or
// size loop runs inside the dispatch of the press).
inline void Drag(POINT from, const std::vector<POINT>& path)
{
    auto move = [](POINT p, DWORD flags) {
        INPUT input {};
        input.type = INPUT_MOUSE;
        // Absolute input is in 1/65536 of the screen, scaled back down with
        // the fraction dropped: rounding up lands on the pixel meant.
        const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = LONG((p.x * 65536 + cx - 1) / cx);
        input.mi.dy = LONG((p.y * 65536 + cy - 1) / cy);
        input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof(input));
        Sleep(60);
    };
    std::atomic<bool> done = false;
    std::thread driver([&] {
        move(from, 0);
        move(from, MOUSEEVENTF_LEFTDOWN);
        for (POINT p : path)
            move(p, 0);
        move(path.empty() ? from : path.back(), MOUSEEVENTF_LEFTUP);
        Sleep(100);
        done = true;
    });
    while (!done)
        Pump(10);
    driver.join();
    Pump(100);
}

// Everything that could leak across a skin change, counted by its owners.
struct LiveCounts {
    int Windows = 0;
    int Timers = 0;
    int FormTimers = 0;
    int Filters = 0;
    int Bitmaps = 0, Regions = 0, Fonts = 0, Brushes = 0, Pens = 0, Icons = 0, MemoryDCs = 0;
    friend bool operator==(const LiveCounts&, const LiveCounts&) = default;
};

inline int CountThreadWindows()
{
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM param) -> BOOL {
            auto* n = reinterpret_cast<int*>(param);
            ++*n;
            EnumChildWindows(
                wnd, [](HWND, LPARAM p) -> BOOL { return ++*reinterpret_cast<int*>(p), TRUE; }, param);
            return TRUE;
        },
        LPARAM(&count));
    return count;
}

inline LiveCounts CountLive(const TSkinViewForm& form)
{
    LiveCounts c;
    c.Windows = CountThreadWindows();
    c.Timers = Application().LiveTimers();
    c.FormTimers = form.lxLumenSkinForm1->LiveTimers();
    c.Filters = Application().LiveMessageFilters();
    c.Bitmaps = BitmapHandle::Live();
    c.Regions = RegionHandle::Live();
    c.Fonts = FontHandle::Live();
    c.Brushes = BrushHandle::Live();
    c.Pens = PenHandle::Live();
    c.Icons = IconHandle::Live();
    c.MemoryDCs = MemoryDC::Live();
    return c;
}

inline std::ostream& operator<<(std::ostream& out, const LiveCounts& c)
{
    return out << "windows " << c.Windows << ", timers " << c.Timers << " (form " << c.FormTimers << "), filters "
               << c.Filters << ", bitmaps " << c.Bitmaps << ", regions " << c.Regions << ", fonts " << c.Fonts
               << ", brushes " << c.Brushes << ", pens " << c.Pens << ", icons " << c.Icons << ", memory DCs "
               << c.MemoryDCs;
}

class SkinViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        Application().SetTitle(L"skinview");
    }

    // The preview window with `options`, shown at (left, top) and activated.
    TSkinViewForm& Open(const ViewOptions& options = {}, int left = 200, int top = 150)
    {
        owner = std::make_unique<TComponent>(nullptr);
        form = new TSkinViewForm(owner.get(), options, FileBytes(VENTRO_STORED_SKIN_FILE));
        form->SetBounds(left, top, 480, 340);
        form->Show();
        SetForegroundWindow(form->Handle());
        Pump(150);
        return *form;
    }

    void TearDown() override
    {
        SetCursorPos(0, 0);
        owner.reset();
        form = nullptr;
        Pump(20);
    }

    std::unique_ptr<TComponent> owner;
    TSkinViewForm* form = nullptr;
};

} // namespace ventro::skinview::testing
