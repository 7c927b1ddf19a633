// Pictures of whole frames under Wine, compared pixel for pixel with golden
// images that were looked at when they were made (VENTRO_WRITE_GOLDEN=1
// writes them instead); the window region as the platform builds it; and
// composed bands painted on a device context around the client.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "FrameTestSkins.h"
#include "platform/Text.h"
#include "skin/form/FramePainter.h"
#include "skin/form/SkinFrame.h"
#include "skin/form/StaticForm.h"
#include "skin/form/WinFrameDrawing.h"
#include "skin/gfx/GdiTextPainter.h"
#include "skin/form/WinFramePicture.h"
#include "skin/gfx/DibSection.h"
#include "skin/gfx/GlyphPainters.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/WinGlyphPainters.h"
#include "tests/support/GoldenPicture.h"

namespace ventro {
namespace {

using test::StoredSkin;
using test::ExpectGolden;
using test::GoldenPath;

// A copy of our stored skin with the inactive frame made by an effect.
std::unique_ptr<TlxSkinContent> WithEffect(TlxInActiveEffect effect)
{
    auto skin = std::make_unique<TlxSkinContent>();
    std::vector<uint8_t> packed = ReadWholeFile(test::StoredSkinPath());
    skin->LoadSkinStreamContent(ReadSkinStream(InflateBytes(ReadPackedSkin(packed))));
    skin->Empty = false;
    skin->AutoRenderingInActiveImage = true;
    skin->InActiveEffect = effect;
    return skin;
}

FramePictureOptions Size(int32_t w, int32_t h)
{
    FramePictureOptions o;
    o.Width = w;
    o.Height = h;
    return o;
}

TEST(FramePictures, TheFallbackFrameOfTheMainWindow)
{
    FramePictureOptions o = Size(257, 342);
    o.Fallback = true;
    ExpectGolden("fallback_257x342", RenderFramePicture(nullptr, o));
    o.Inactive = true;
    ExpectGolden("fallback_257x342_inactive", RenderFramePicture(nullptr, o));
    o.Inactive = false;
    o.Hot = "closebutton";
    ExpectGolden("fallback_257x342_close_hot", RenderFramePicture(nullptr, o));
}

TEST(FramePictures, OurSkinActiveAndInactiveAtItsOwnSizeAndAt265x351)
{
    for (auto [w, h] : { std::pair { 378, 119 }, std::pair { 265, 351 } }) {
        FramePictureOptions o = Size(w, h);
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        ExpectGolden("skin_" + size, RenderFramePicture(&StoredSkin(), o));
        o.Inactive = true;
        ExpectGolden("skin_" + size + "_inactive", RenderFramePicture(&StoredSkin(), o));
    }
}

TEST(FramePictures, EveryInactiveEffect)
{
    const char* names[] = { "brightness", "darkness", "grayscale", "noise", "splitblur", "invert" };
    for (int e = 0; e < 6; ++e) {
        auto skin = WithEffect(TlxInActiveEffect(e));
        FramePictureOptions o = Size(378, 119);
        o.Inactive = true;
        ExpectGolden(std::string("effect_") + names[e], RenderFramePicture(skin.get(), o));
    }
}

TEST(FramePictures, AButtonHotDownAndHalfMorphed)
{
    FramePictureOptions o = Size(378, 119);
    o.Hot = "closebutton";
    ExpectGolden("close_hot", RenderFramePicture(&StoredSkin(), o));
    o.Morph = 0.5;
    ExpectGolden("close_morph_half", RenderFramePicture(&StoredSkin(), o));
    o.Hot.clear();
    o.Morph = -1;
    o.Down = "closebutton";
    ExpectGolden("close_down", RenderFramePicture(&StoredSkin(), o));
}

TEST(FramePictures, OutsideTheRegionIsTransparentAndBadRequestsAreRefused)
{
    Picture32 p = RenderFramePicture(&StoredSkin(), Size(265, 351));
    EXPECT_EQ(p.Bgra[3], 0);                          // the rounded corner at (0, 0)
    EXPECT_EQ(p.Bgra[(175 * 265 + 132) * 4 + 3], 255); // the middle
    FramePictureOptions o = Size(265, 351);
    o.Hot = "nosuchbutton";
    EXPECT_THROW(RenderFramePicture(&StoredSkin(), o), std::runtime_error);
    o = Size(265, 351);
    o.Morph = 0.5; // no object to morph
    EXPECT_THROW(RenderFramePicture(&StoredSkin(), o), std::runtime_error);
    EXPECT_THROW(RenderFramePicture(&StoredSkin(), Size(150, 351)), std::runtime_error); // below 200 wide
}

// skintool.exe as a skin author runs it: exit code, and the file it leaves.
DWORD RunSkinTool(const std::wstring& arguments)
{
    std::wstring command = L"\"" + Utf8ToWide(std::string("Z:") + VENTRO_SKINTOOL_EXE) + L"\" " + arguments;
    STARTUPINFOW startup { sizeof(startup) };
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
            &process))
        return DWORD(-1);
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = DWORD(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(SkinToolRender, WritesTheSamePictureAndNothingWhenRefused)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring out = std::wstring(folder) + L"ventro_render_test.png";
    DeleteFileW(out.c_str());
    ASSERT_EQ(RunSkinTool(L"render - 265 351 \"" + out + L"\""), 0u);
    EXPECT_EQ(ReadPng32(out), ReadPng32(GoldenPath("skin_265x351")));
    DeleteFileW(out.c_str());
    ASSERT_EQ(RunSkinTool(L"render - 265 351 \"" + out + L"\" --down closebutton --morph 2"), 1u);
    EXPECT_EQ(GetFileAttributesW(out.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(RunSkinTool(L"render - 0 351 \"" + out + L"\""), 1u);
    EXPECT_EQ(GetFileAttributesW(out.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(NamedGlyphs, TheDeviceAndTheCorePaintersDrawTheSamePixels)
{
    using CorePainter = void (*)(PixelView, int32_t, int32_t, Color);
    using DevicePainter = void (*)(HDC, int32_t, int32_t, Color);
    const std::pair<CorePainter, DevicePainter> painters[] = { { DrawCloseGlyph, DrawCloseGlyph },
        { DrawMaximizeGlyph, DrawMaximizeGlyph }, { DrawMinimizeGlyph, DrawMinimizeGlyph },
        { DrawRestoreGlyph, DrawRestoreGlyph }, { DrawSysMenuGlyph, DrawSysMenuGlyph },
        { DrawRollUpGlyph, DrawRollUpGlyph }, { DrawRollDownGlyph, DrawRollDownGlyph },
        { DrawTrayGlyph, DrawTrayGlyph } };
    MemoryDC dc(CreateCompatibleDC(nullptr));
    for (const auto& [core, device] : painters) {
        DibSection onDevice(17, 17);
        PixelBuffer onCore(17, 17);
        FillPixels(onDevice.View(), Rect { 0, 0, 17, 17 }, ClWhite);
        FillPixels(onCore.View(), Rect { 0, 0, 17, 17 }, ClWhite);
        {
            SelectGuard select(dc.Get(), onDevice.Handle());
            device(dc.Get(), 3, 4, ClBlue);
            GdiFlush();
        }
        core(onCore.View(), 3, 4, ClBlue);
        for (int32_t y = 0; y < 17; ++y)
            for (int32_t x = 0; x < 17; ++x)
                ASSERT_EQ(onDevice.View().PixelAt(x, y), onCore.PixelAt(x, y)) << x << "," << y;
    }
}

TEST(Cursor, PositionsLeftOfAndAboveThePrimaryMonitorAreNegative)
{
    EXPECT_EQ(CursorFromLParam(MAKELPARAM(-5, -300)), (Point { -5, -300 }));
    EXPECT_EQ(CursorFromLParam(MAKELPARAM(1200, 40)), (Point { 1200, 40 }));
    EXPECT_EQ(ScreenToWindowPoint({ -5, -300 }, RECT { -100, -320, 0, 0 }), (Point { 95, 20 }));
}

// A hidden window for the region tests.
class HiddenWindow {
public:
    HiddenWindow(int w, int h)
        : m_wnd(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, w, h, nullptr, nullptr, nullptr, nullptr)) { }
    ~HiddenWindow() { DestroyWindow(m_wnd); }
    HWND Get() const { return m_wnd; }

private:
    HWND m_wnd;
};

std::vector<Rect> WindowRegionRects(HWND wnd)
{
    RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(wnd, region.Get()) == ERROR)
        return {};
    DWORD size = GetRegionData(region.Get(), 0, nullptr);
    std::vector<uint8_t> bytes(size);
    GetRegionData(region.Get(), size, reinterpret_cast<RGNDATA*>(bytes.data()));
    const RGNDATA* data = reinterpret_cast<const RGNDATA*>(bytes.data());
    const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
    std::vector<Rect> rects;
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        rects.push_back(Rect { r[i].left, r[i].top, r[i].right, r[i].bottom });
    return rects;
}

TEST(WindowRegion, ThePlatformKeepsOurCanonicalRectanglesAtRandomSizes)
{
    ClassicColors colors;
    TStaticForm form(colors);
    TSkinFrame frame(form, &StoredSkin(), FrameOptions {});
    std::mt19937 random(5);
    for (int round = 0; round < 60; ++round) {
        const int32_t w = 200 + int32_t(random() % 900), h = 34 + int32_t(random() % 700);
        frame.SetSize(w, h);
        HiddenWindow window(w, h);
        std::vector<Rect> ours = frame.RegionRects();
        ASSERT_TRUE(ApplyWindowRegion(window.Get(), ours));
        EXPECT_EQ(WindowRegionRects(window.Get()), ours) << w << "x" << h;
    }
}

TEST(FramePainting, BandsGoAroundTheClientWhichStaysUntouched)
{
    ClassicColors colors;
    TStaticForm form(colors);
    TSkinFrame frame(form, &StoredSkin(), FrameOptions {});
    frame.SetSize(300, 200);
    GdiTextPainter text;
    FrameImage image;
    ASSERT_TRUE(ComposeSkinFrame(frame, text, image));
    DibSection target(300, 200);
    FillPixels(target.View(), Rect { 0, 0, 300, 200 }, Rgb(1, 2, 3));
    MemoryDC dc(CreateCompatibleDC(nullptr));
    {
        SelectGuard select(dc.Get(), target.Handle());
        PaintFrameImage(dc.Get(), image, frame.ClientRect());
        GdiFlush();
    }
    PixelBuffer expected(300, 200);
    FillPixels(expected.View(), Rect { 0, 0, 300, 200 }, Rgb(1, 2, 3));
    PlaceFrameImage(image, expected.View());
    FillPixels(expected.View(), frame.ClientRect(), Rgb(1, 2, 3));
    for (int32_t y = 0; y < 200; ++y)
        for (int32_t x = 0; x < 300; ++x)
            ASSERT_EQ(target.View().PixelAt(x, y), expected.PixelAt(x, y)) << x << "," << y;
}

} // namespace
} // namespace ventro
