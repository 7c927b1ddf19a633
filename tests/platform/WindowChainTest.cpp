// The window-procedure chain under Wine: order, repeated calls down the
// chain, removal during a message, someone else's procedure on top, the
// window's end, ANSI windows, and that the common controls library is not
// needed for any of it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/WindowChain.h"

using namespace ventro;

namespace {

constexpr UINT WM_PROBE = WM_APP + 7;

std::vector<std::string>* g_log = nullptr;

// A link that writes its identifier into the log and calls on down.
LRESULT CALLBACK Recording(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    if (message == WM_PROBE)
        g_log->push_back("link" + std::to_string(id));
    return CallNextInChain(wnd, message, wParam, lParam);
}

WNDPROC g_foreignNext = nullptr;
LRESULT CALLBACK Foreign(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PROBE)
        g_log->push_back("foreign");
    return CallWindowProcW(g_foreignNext, wnd, message, wParam, lParam);
}

class WindowChainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log = &Log;
        WNDCLASSW wc {};
        wc.lpfnWndProc = [](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_PROBE) {
                g_log->push_back("own");
                return 42;
            }
            return DefWindowProcW(wnd, message, wParam, lParam);
        };
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"WindowChainTestWindow";
        RegisterClassW(&wc);
        Wnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(Wnd, nullptr);
        Own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Wnd, GWLP_WNDPROC));
    }
    void TearDown() override
    {
        if (IsWindow(Wnd))
            DestroyWindow(Wnd);
        g_log = nullptr;
    }
    std::vector<std::string> Probe()
    {
        Log.clear();
        Result = SendMessageW(Wnd, WM_PROBE, 0, 0);
        return Log;
    }
    HWND Wnd = nullptr;
    WNDPROC Own = nullptr;
    LRESULT Result = 0;
    std::vector<std::string> Log;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(WindowChainTest, LinksRunNewestFirstAndTheWindowGetsItsProcedureBack)
{
    ASSERT_TRUE(AddToChain(Wnd, &Recording, 1, 0));
    ASSERT_TRUE(AddToChain(Wnd, &Recording, 2, 0));
    // Adding a link that is there already only changes its data.
    ASSERT_TRUE(AddToChain(Wnd, &Recording, 1, 5));
    EXPECT_EQ(ChainLength(Wnd), 2u);
    EXPECT_EQ(Probe(), (Names { "link2", "link1", "own" }));
    EXPECT_EQ(Result, 42);
    EXPECT_TRUE(RemoveFromChain(Wnd, &Recording, 1));
    EXPECT_FALSE(RemoveFromChain(Wnd, &Recording, 1));
    EXPECT_EQ(Probe(), (Names { "link2", "own" }));
    EXPECT_TRUE(RemoveFromChain(Wnd, &Recording, 2));
    EXPECT_EQ(ChainLength(Wnd), 0u);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Wnd, GWLP_WNDPROC)), Own);
    EXPECT_EQ(Probe(), (Names { "own" }));
}

TEST_F(WindowChainTest, EachCallDownTheChainStartsFromTheCallersPlace)
{
    AddToChain(Wnd, &Recording, 1, 0);
    AddToChain(Wnd, [](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (message != WM_PROBE)
            return CallNextInChain(wnd, message, wParam, lParam);
        g_log->push_back("twice");
        CallNextInChain(wnd, message, wParam, lParam);
        return CallNextInChain(wnd, message, wParam, lParam) + 1;
    }, 9, 0);
    EXPECT_EQ(Probe(), (Names { "twice", "link1", "own", "link1", "own" }));
    EXPECT_EQ(Result, 43);
}

TEST_F(WindowChainTest, ALinkRemovedDuringAMessageIsPassedByAndLeavesAfterIt)
{
    AddToChain(Wnd, &Recording, 1, 0);
    AddToChain(Wnd, &Recording, 2, 0);
    AddToChain(Wnd, [](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (message == WM_PROBE) {
            // The link just below this one, and this one itself, go now.
            RemoveFromChain(wnd, &Recording, 2);
            g_log->push_back("top");
        }
        return CallNextInChain(wnd, message, wParam, lParam);
    }, 3, 0);
    EXPECT_EQ(Probe(), (Names { "top", "link1", "own" }));
    EXPECT_EQ(ChainLength(Wnd), 2u);
    EXPECT_EQ(Probe(), (Names { "top", "link1", "own" }));
}

TEST_F(WindowChainTest, AForeignProcedureOnTopKeepsWorkingWhenTheLinksGo)
{
    AddToChain(Wnd, &Recording, 1, 0);
    g_foreignNext = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Foreign)));
    EXPECT_EQ(Probe(), (Names { "foreign", "link1", "own" }));
    // The chain cannot leave from under the foreign procedure: it passes messages through.
    RemoveFromChain(Wnd, &Recording, 1);
    EXPECT_EQ(Probe(), (Names { "foreign", "own" }));
    EXPECT_EQ(Result, 42);
    // And it takes links again.
    AddToChain(Wnd, &Recording, 4, 0);
    EXPECT_EQ(Probe(), (Names { "foreign", "link4", "own" }));
}

TEST_F(WindowChainTest, TheChainLeavesAtTheWindowsEndEvenFromInsideAMessage)
{
    static std::vector<UINT> seen;
    seen.clear();
    AddToChain(Wnd, [](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
        seen.push_back(message);
        if (message == WM_PROBE) {
            DestroyWindow(wnd);
            return 7;
        }
        return CallNextInChain(wnd, message, wParam, lParam);
    }, 1, 0);
    Probe();
    EXPECT_EQ(Result, 7);
    EXPECT_FALSE(IsWindow(Wnd));
    ASSERT_FALSE(seen.empty());
    // The link saw the window's last message, and nothing after it.
    EXPECT_EQ(seen.back(), UINT(WM_NCDESTROY));
    EXPECT_EQ(ChainLength(Wnd), 0u);
}

TEST_F(WindowChainTest, AnAnsiWindowKeepsItsTextsThroughTheChain)
{
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(AddToChain(edit, &Recording, 1, 0));
    SetWindowTextW(edit, L"帐号 abc");
    wchar_t text[32] {};
    GetWindowTextW(edit, text, 32);
    EXPECT_STREQ(text, L"帐号 abc");
    RemoveFromChain(edit, &Recording, 1);
    DestroyWindow(edit);
}

TEST_F(WindowChainTest, FormsAndControlsNeedNoCommonControlsLibrary)
{
    // The library takes long to load; nothing of ours may pull it in.
    Application().Initialize();
    struct ControlsForm : TForm {
        explicit ControlsForm(TComponent* owner) : TForm(owner)
        {
            new TEdit(this, { nullptr, 1, { 0, 0, 50, 20 }, L"" });
            new TButton(this, { nullptr, 2, { 0, 30, 50, 50 }, L"" });
            new TComboBox(this, { nullptr, 3, { 0, 60, 50, 80 }, L"" }, 13);
            FinishCreate();
        }
    };
    auto* form = new ControlsForm(&Application());
    form->Show();
    delete form;
    EXPECT_EQ(GetModuleHandleW(L"comctl32.dll"), nullptr);
}
