// Under Wine: opening a 20-item menu in our stored skin to its first paint,
// and one highlight change painted, through the real windows, taking turns
// with showing an empty popup window kept hidden between shows (the anchor)
// and a whole repaint of it; beside them the parts of the opening (the Popup
// call, the first paint, our own composition of the window) and an empty
// popup window created, shown, hidden and destroyed. Prints the minimum,
// median and 90th percentile of each, the ratios to the anchor, and table
// rows for run-bench.sh.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/Application.h"
#include "skin/menus/lxSkinMenus.h"

using namespace ventro;

namespace {

double Now()
{
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double Median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}
double Minimum(const std::vector<double>& ms) { return *std::min_element(ms.begin(), ms.end()); }

void Report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-48s min %7.3f, median %7.3f, 90%% %7.3f ms (%zu runs)\n", what, ms.front(), ms[ms.size() / 2],
        ms[ms.size() * 9 / 10], ms.size());
}

void TableRows(const char* what, const std::vector<double>& ms, const char* anchor, const std::vector<double>& anchorMs,
    const char* goal)
{
    std::printf("@table\t%s (median)\t%.3f ms\t%s\t%.3f ms\t%.2f\t%s\n", what, Median(ms), anchor, Median(anchorMs),
        Median(ms) / Median(anchorMs), goal);
    std::printf("@table\t%s (minimum)\t%.3f ms\t%s\t%.3f ms\t%.2f\t\n", what, Minimum(ms), anchor, Minimum(anchorMs),
        Minimum(ms) / Minimum(anchorMs));
}

const wchar_t* const EmptyPopupClass = L"VentroBenchPopup";

HWND MakeEmptyPopup()
{
    return CreateWindowExW(WS_EX_TOOLWINDOW, EmptyPopupClass, L"", WS_POPUP, 100, 100, 200, 300, nullptr, nullptr,
        nullptr, nullptr);
}

void EmptyPopupLifetime()
{
    std::vector<double> create, show, hide, destroy;
    for (int i = 0; i < 100; ++i) {
        const double a = Now();
        HWND w = MakeEmptyPopup();
        const double b = Now();
        SetWindowPos(w, HWND_TOPMOST, 100, 100, 200, 300, SWP_NOACTIVATE | SWP_SHOWWINDOW);
        const double c = Now();
        SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
        const double d = Now();
        DestroyWindow(w);
        const double e = Now();
        create.push_back(b - a);
        show.push_back(c - b);
        hide.push_back(d - c);
        destroy.push_back(e - d);
        Application().ProcessMessages();
    }
    Report("empty popup: create", create);
    Report("empty popup: show", show);
    Report("empty popup: hide", hide);
    Report("empty popup: destroy", destroy);
}

} // namespace

int main()
{
    Application().Initialize();
    WNDCLASSW wc {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = EmptyPopupClass;
    RegisterClassW(&wc);
    std::ifstream in(VENTRO_STORED_SKIN_FILE, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TComponent owner(nullptr);
    auto* stored = new TlxCompressedStoredSkin(&owner);
    stored->SetCompressedData(std::move(bytes));
    auto* skin = new TlxSkinData(&owner);
    skin->ApplyStoredSkin(*stored);
    auto* menu = new TlxSkinMenu(&owner);
    TMenuItem root(nullptr);
    for (int i = 0; i < 20; ++i) {
        TMenuItem* item = root.Add(i % 5 == 4 ? L"-" : L"Menu item number " + std::to_wstring(i));
        if (i % 3 == 0)
            item->ShortCut = L"Ctrl+" + std::to_wstring(i);
    }
    // The empty popup, kept between shows as the menu keeps its windows.
    HWND kept = MakeEmptyPopup();
    std::vector<double> open, popupCall, firstPaint, composition, highlight, keptShow, keptRepaint;
    for (int run = 0; run < 200; ++run) {
        const double t0 = Now();
        menu->Popup(nullptr, skin, false, &root, Rect { 100, 100, 100, 100 }, 0);
        const double t1 = Now();
        PopupLevel& level = menu->Engine().Level(0);
        HWND wnd = static_cast<TlxSkinPopupWindow*>(level.Window)->Handle();
        UpdateWindow(wnd);
        const double t2 = Now();
        open.push_back(t2 - t0);
        popupCall.push_back(t1 - t0);
        firstPaint.push_back(t2 - t1);
        PixelBuffer buffer;
        PaintLevel(level, buffer);
        composition.push_back(Now() - t2);
        for (int step = 0; step < 10; ++step) {
            const Rect b = level.ItemBounds(step % 2 ? 1 : 2);
            const double t3 = Now();
            menu->Engine().PointerAt(level, Point { b.Left + 10, b.Top + 5 });
            UpdateWindow(wnd);
            highlight.push_back(Now() - t3);
        }
        menu->CloseAll();
        Application().ProcessMessages();

        const double a = Now();
        SetWindowPos(kept, HWND_TOPMOST, 100, 100, 200, 300, SWP_NOACTIVATE | SWP_SHOWWINDOW);
        keptShow.push_back(Now() - a);
        UpdateWindow(kept);
        const double b = Now();
        InvalidateRect(kept, nullptr, TRUE);
        UpdateWindow(kept);
        keptRepaint.push_back(Now() - b);
        SetWindowPos(kept, nullptr, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
        Application().ProcessMessages();
    }
    DestroyWindow(kept);
    Report("open 20-item skinned menu to first paint", open);
    Report("  of which the Popup call (picture composed, shown)", popupCall);
    Report("  of which the first paint", firstPaint);
    Report("composing the whole window (PaintLevel)", composition);
    Report("one highlight change, painted", highlight);
    Report("empty popup kept hidden: show (taking turns)", keptShow);
    Report("empty popup kept hidden: whole repaint", keptRepaint);
    std::printf("menu open / empty popup show: median %.2f, minimum %.2f (goal: at most 2.5)\n",
        Median(open) / Median(keptShow), Minimum(open) / Minimum(keptShow));
    EmptyPopupLifetime();
    TableRows("menu open to first paint, Wine", open, "empty kept popup: show", keptShow, "at most 2.5");
    TableRows("menu highlight change painted, Wine", highlight, "empty kept popup: whole repaint", keptRepaint,
        "median at most 0.5 ms");
    return 0;
}
