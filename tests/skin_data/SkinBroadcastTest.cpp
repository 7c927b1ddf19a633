// Skin messages reach real (hidden) windows synchronously: the owner form
// first, then every other form in list order, with the skin data as WParam.
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinStream.h"
#include "tests/skin_data/TestHelpers.h"

namespace ventro {
namespace {

struct Received {
    HWND Window;
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
    bool Changing;
    bool Empty;
};

// The window procedure has no other way to reach the test than this list,
// which every test clears first.
std::vector<Received>* g_received = nullptr;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (g_received && message >= SKM_BEFORECHANGESKIN && message <= SKM_CHANGESKINNABLE) {
        auto* data = reinterpret_cast<TlxSkinData*>(wParam);
        g_received->push_back({ window, message, wParam, lParam, data && message < SKM_CHANGERESSTRDATA ? data->Changing : false,
            data && message < SKM_CHANGERESSTRDATA ? data->Empty : false });
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class SkinBroadcastTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSW wc {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VentroSkinBroadcastTest";
        RegisterClassW(&wc);
        for (HWND& w : windows)
            w = CreateWindowExW(0, wc.lpszClassName, L"form", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
        g_received = &received;
    }
    void TearDown() override
    {
        g_received = nullptr;
        for (HWND w : windows)
            DestroyWindow(w);
    }
    HWND windows[3] {};
    std::vector<Received> received;
};

TEST_F(SkinBroadcastTest, TheOwnerFormHearsFirstAndNoFormTwice)
{
    ASSERT_TRUE(windows[0] && windows[1] && windows[2]);
    SendSkinMessage(windows[1], windows, SKM_CHANGESKINNABLE, 7, SkinMessageLParam);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].Window, windows[1]);
    EXPECT_EQ(received[1].Window, windows[0]);
    EXPECT_EQ(received[2].Window, windows[2]);
    for (const Received& r : received) {
        EXPECT_EQ(r.WParam, 7u);
        EXPECT_EQ(r.LParam, 1000);
    }
    received.clear();
    SendSkinMessage(nullptr, windows, SKM_CHANGESKINNABLE, 0, 0);  // no owner form: list order
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].Window, windows[0]);
}

TEST_F(SkinBroadcastTest, ApplyingAStoredSkinIsSeenByEveryFormInEachState)
{
    TComponent owner(nullptr);
    auto* data = new TlxSkinData(&owner);
    std::vector<HWND> forms(std::begin(windows), std::end(windows));
    data->SetSkinMessageSink(MakeWindowSkinMessageSink([&] { return windows[2]; }, [&] { return forms; }));
    auto* stored = new TlxCompressedStoredSkin(&owner);
    std::vector<uint8_t> stream;
    test::PutI32(stream, 3);
    stream.insert(stream.end(), { 1, 1, 1 });
    test::PutI32(stream, 0);
    test::PutText(stream, test::MinimalDefinition());
    stored->SetCompressedData(CompressBytes(stream));
    data->SetCompressedStoredSkin(stored);

    ASSERT_EQ(received.size(), 9u);
    const UINT order[] = { SKM_BEFORECHANGESKIN, SKM_CHANGESKIN, SKM_AFTERCHANGESKIN };
    for (size_t i = 0; i < 9; ++i) {
        const Received& r = received[i];
        EXPECT_EQ(r.Message, order[i / 3]);
        EXPECT_EQ(r.Window, i % 3 == 0 ? windows[2] : windows[i % 3 - 1]);
        EXPECT_EQ(r.WParam, reinterpret_cast<WPARAM>(data));
        EXPECT_EQ(r.LParam, 1000);
        EXPECT_EQ(r.Changing, i < 6);
        EXPECT_EQ(r.Empty, i < 3);
    }
}

} // namespace
} // namespace ventro
