// The controller to the letter where a review found it off, on real windows
// and messages: the window region of the fallback frame and of a skin
// without mask, what reaches the platform's own caption painting, objects
// that outlive property changes and their own handlers, the track sizes,
// border style none, default hints, roll-up then maximize, the skin messages
// from any skin data, the fallback caption's text, the fade's length on a
// slow timer, and the menus' image list and alpha.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/ImageList.h"
#include "skin/data/SkinStream.h"
#include "skin/data/Stream.h"
#include "skin/form/LumenSkinForm.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/lxUtils.h"
#include "tests/skin_form/StoredSkinData.h"
#include "tests/support/Pump.h"

namespace ventro {
namespace {

using test::Pump;

using test::LoadStoredSkin;

// A form with the main window's client size; its controller is made after
// `below` (if any) is put on the window, so that handler sees what the
// controller passes on to the platform.
class ExactForm : public TForm {
public:
    ExactForm(TBorderStyle style, const std::function<void(HWND)>& below = {}) : TForm(&Application())
    {
        SetCaption(L"SkinFormExactWinTest");
        SetBorderStyle(style);
        SetBounds(100, 100, 300, 200);
        SetClientSize(251, 317);
        FinishCreate();
        if (below)
            below(HandleNeeded());
        Skin = new TlxLumenSkinForm(this);
        Skin->SetShowIcon(true);
        Skin->SetBorderIcons(style == TBorderStyle::bsSingle ? MainWindowBorderIcons : DefaultBorderIcons);
    }
    TlxLumenSkinForm* Skin;
};

Rect Bounds(HWND wnd)
{
    RECT r {};
    GetWindowRect(wnd, &r);
    return { r.left, r.top, r.right, r.bottom };
}

// The window's region: its kind (ERROR when it has none) and its box.
struct AppliedRegion {
    int Kind = ERROR;
    Rect Box;
};
AppliedRegion RegionOf(HWND wnd)
{
    RegionHandle rgn(CreateRectRgn(0, 0, 0, 0));
    AppliedRegion out;
    out.Kind = GetWindowRgn(wnd, rgn.Get());
    if (out.Kind != ERROR) {
        RECT box {};
        GetRgnBox(rgn.Get(), &box);
        out.Box = Rect { box.left, box.top, box.right, box.bottom };
    }
    return out;
}

void Resize(HWND wnd, int w, int h) { SetWindowPos(wnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }

WPARAM Id(TlxSkinData* skin) { return reinterpret_cast<WPARAM>(static_cast<TComponent*>(skin)); }

class SkinFormExactTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        Application().SetTitle(L"SkinFormExactWinTest");
    }
    // The skin form's object at the centre of its rectangle becomes hot.
    void Hover(ExactForm& form, TlxActiveSkinObject& object)
    {
        const Rect w = Bounds(form.Handle());
        const Rect& r = object.ObjectRect;
        SetCursorPos(w.Left + (r.Left + r.Right) / 2, w.Top + (r.Top + r.Bottom) / 2);
        // A pointer event still queued from an earlier test may have made it hot already.
        form.Skin->TrackObjects(-1, -1, false);
        form.Skin->TrackObjects((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, true);
    }
    void Show(ExactForm& form)
    {
        // Away from where an earlier test left it over a button.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump(30);
    }
};

// --- The window region.

TEST_F(SkinFormExactTest, TheFallbackFrameAppliesTheWindowRectangleAtEverySize)
{
    ExactForm form(TBorderStyle::bsSingle);
    Show(form);
    HWND wnd = form.Handle();
    AppliedRegion r = RegionOf(wnd);
    EXPECT_EQ(r.Kind, SIMPLEREGION) << "the main window has no region";
    EXPECT_EQ(r.Box, (Rect { 0, 0, 257, 342 }));
    Resize(wnd, 300, 400);
    EXPECT_EQ(RegionOf(wnd).Box, (Rect { 0, 0, 300, 400 }));
    form.Skin->SetRollUpState(true);
    EXPECT_EQ(RegionOf(wnd).Box, (Rect { 0, 0, 300, 25 }));
}

// A form read with its controller and a place given while it is read, as
// the main window is; every new region the window takes is noted.
class ReadPlacedForm : public TForm {
public:
    explicit ReadPlacedForm(std::vector<Rect>& regions) : TForm(&Application())
    {
        Watch = TakeOver([&regions](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const LRESULT result = CallPreviousProc(wnd, message, wParam, lParam);
            if (message == WM_WINDOWPOSCHANGED || message == WM_SHOWWINDOW) {
                const AppliedRegion now = RegionOf(wnd);
                if (now.Kind != ERROR && (regions.empty() || !(regions.back() == now.Box)))
                    regions.push_back(now.Box);
            }
            return result;
        });
        SetCaption(L"SkinFormExactWinTest");
        SetBorderStyle(TBorderStyle::bsSingle);
        SetPosition(TPosition::poScreenCenter);
        SetClientBounds(307, 130, 251, 317);
        Skin = new TlxLumenSkinForm(this);
        Skin->SetBorderIcons(MainWindowBorderIcons);
        FinishCreate();
    }
    TSubclass Watch;
    TlxLumenSkinForm* Skin;
};

TEST_F(SkinFormExactTest, AFormReadWithItsPlaceTakesItsRegionOnceForItsFinalSize)
{
    std::vector<Rect> regions;
    ReadPlacedForm form(regions);
    HWND wnd = form.Handle();
    EXPECT_FALSE(IsWindowVisible(wnd));
    ASSERT_EQ(regions.size(), 1u) << "a region was made for a size the window no longer has";
    EXPECT_EQ(regions[0], (Rect { 0, 0, 257, 342 }));
    EXPECT_EQ(RegionOf(wnd).Box, (Rect { 0, 0, 257, 342 }));
    ShowWindow(wnd, SW_SHOWNOACTIVATE);
    EXPECT_EQ(regions.size(), 1u);

    // A window that lost its region while hidden has it again when it shows.
    ShowWindow(wnd, SW_HIDE);
    SetWindowRgn(wnd, nullptr, FALSE);
    ShowWindow(wnd, SW_SHOWNOACTIVATE);
    EXPECT_EQ(RegionOf(wnd).Kind, SIMPLEREGION);
    EXPECT_EQ(RegionOf(wnd).Box, (Rect { 0, 0, 257, 342 }));
}

TEST_F(SkinFormExactTest, ASkinWithoutMaskAppliesTheWindowRectangleThroughSizeAndSkinChanges)
{
    ExactForm form(TBorderStyle::bsSizeable);
    Show(form);
    HWND wnd = form.Handle();
    auto skin = LoadStoredSkin(nullptr);
    skin->MaskPicture = Bitmap {};
    form.Skin->SetSkinData(skin.get());
    ASSERT_TRUE(form.Skin->Frame()->Skinned());
    Rect b = Bounds(wnd);
    AppliedRegion r = RegionOf(wnd);
    EXPECT_EQ(r.Kind, SIMPLEREGION);
    EXPECT_EQ(r.Box, (Rect { 0, 0, b.Width(), b.Height() }));
    Resize(wnd, 420, 310);
    EXPECT_EQ(RegionOf(wnd).Box, (Rect { 0, 0, 420, 310 }));
    SendMessageW(wnd, SKM_BEFORECHANGESKIN, Id(skin.get()), SkinMessageLParam);
    SendMessageW(wnd, SKM_CHANGESKIN, Id(skin.get()), SkinMessageLParam);
    b = Bounds(wnd);
    EXPECT_EQ(RegionOf(wnd).Box, (Rect { 0, 0, b.Width(), b.Height() }));
    // The frame goes to the platform: the region goes with it.
    skin->SetSkinnableForm(false);
    SendMessageW(wnd, SKM_CHANGESKINNABLE, Id(skin.get()), SkinMessageLParam);
    EXPECT_EQ(RegionOf(wnd).Kind, ERROR);
    skin->SetSkinnableForm(true);
    SendMessageW(wnd, SKM_CHANGESKINNABLE, Id(skin.get()), SkinMessageLParam);
    EXPECT_EQ(RegionOf(wnd).Kind, SIMPLEREGION);
}

TEST_F(SkinFormExactTest, BorderStyleNoneKeepsTheProposedClientAndHasNoRegion)
{
    ExactForm form(TBorderStyle::bsNone);
    Show(form);
    HWND wnd = form.Handle();
    RECT proposed { 10, 20, 310, 220 };
    SendMessageW(wnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ((Rect { proposed.left, proposed.top, proposed.right, proposed.bottom }), (Rect { 10, 20, 310, 220 }));
    EXPECT_EQ(RegionOf(wnd).Kind, ERROR);
    auto skin = LoadStoredSkin(nullptr);
    form.Skin->SetSkinData(skin.get());
    ASSERT_TRUE(form.Skin->Frame()->Skinned());
    RECT again { 10, 20, 310, 220 };
    SendMessageW(wnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&again));
    EXPECT_EQ((Rect { again.left, again.top, again.right, again.bottom }), (Rect { 10, 20, 310, 220 }));
    Resize(wnd, 400, 300);
    EXPECT_EQ(RegionOf(wnd).Kind, ERROR) << "no mask region without a border";
}

// --- What reaches the platform's own caption painting.

TEST_F(SkinFormExactTest, ThePlatformNeverPaintsItsCaptionOverOurs)
{
    std::vector<UINT> reached;
    std::vector<UINT> paintable; // reached the platform on a shown, captioned window
    TSubclass recorder;
    ExactForm form(TBorderStyle::bsSizeable, [&](HWND wnd) {
        recorder = TSubclass(wnd, [&](HWND w, UINT m, WPARAM wp, LPARAM lp) {
            reached.push_back(m);
            const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
            if ((m == WM_SETTEXT || m == WM_SETICON) && (style & WS_VISIBLE) && (style & WS_CAPTION) == WS_CAPTION)
                paintable.push_back(m);
            return CallPreviousProc(w, m, wp, lp);
        });
    });
    Show(form);
    HWND wnd = form.Handle();
    reached.clear();
    SetWindowTextW(wnd, L"A new caption");
    SendMessageW(wnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
    SendMessageW(wnd, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0);
    SendMessageW(wnd, 0xAE, 0, 0); // the theme's caption and frame drawing
    SendMessageW(wnd, 0xAF, 0, 0);
    EXPECT_TRUE(paintable.empty()) << "the platform may paint its caption for message " << (paintable.empty() ? 0 : paintable[0]);
    for (UINT m : { UINT(WM_NCACTIVATE), UINT(0xAE), UINT(0xAF) })
        EXPECT_EQ(std::count(reached.begin(), reached.end(), m), 0) << "message " << m << " reached the platform";
    wchar_t text[64] {};
    GetWindowTextW(wnd, text, 64);
    EXPECT_STREQ(text, L"A new caption") << "the platform still keeps the text";
    EXPECT_TRUE(IsWindowVisible(wnd));
    recorder.Reset();
}

// --- Objects live until the next skin change.

// The fallback frame's buttons: with our stored skin the caption object lies
// under the caption buttons and, first in the list, takes the pointer.
TEST_F(SkinFormExactTest, PropertyChangesKeepTheObjectsAndTheirState)
{
    ExactForm form(TBorderStyle::bsSizeable);
    Show(form);
    TlxActiveSkinObject* close = form.Skin->Frame()->FindObject("closebutton");
    TlxActiveSkinObject* maximize = form.Skin->Frame()->FindObject("maxbutton");
    ASSERT_NE(close, nullptr);
    ASSERT_NE(maximize, nullptr);
    Hover(form, *close);
    ASSERT_TRUE(close->Active);
    const int hot = form.Skin->HotObject();
    ASSERT_GE(hot, 0);

    TlxBorderIcons icons = DefaultBorderIcons;
    icons.Maximize = false;
    form.Skin->SetBorderIcons(icons);
    EXPECT_EQ(form.Skin->Frame()->FindObject("closebutton"), close) << "a new object was made";
    EXPECT_TRUE(close->Active) << "the hot button lost its state";
    EXPECT_EQ(form.Skin->HotObject(), hot);
    EXPECT_FALSE(maximize->Visible);
    form.Skin->SetHideCaptionButtons(true);
    EXPECT_FALSE(close->Visible);
    form.Skin->SetHideCaptionButtons(false);
    EXPECT_TRUE(close->Visible);
    form.Skin->SetShowIcon(false);
    form.Skin->SetMinWidth(250);
    form.Skin->SetMinHeight(60);
    form.Skin->SetAlwaysResize(true);
    EXPECT_EQ(form.Skin->Frame()->FindObject("closebutton"), close);
    EXPECT_EQ(form.Skin->Frame()->FindObject("maxbutton"), maximize);
    EXPECT_TRUE(close->Active);
    icons.Maximize = true;
    form.Skin->SetBorderIcons(icons);
    EXPECT_TRUE(maximize->Enabled);
    EXPECT_TRUE(maximize->Visible);
    // A skin change makes new objects.
    auto skin = LoadStoredSkin(nullptr);
    form.Skin->SetSkinData(skin.get());
    EXPECT_NE(form.Skin->Frame()->FindObject("closebutton"), close);
    form.Skin->SetSkinData(nullptr);
}

TEST_F(SkinFormExactTest, AnObjectsOwnHandlerMaySetTheProperties)
{
    ExactForm form(TBorderStyle::bsSizeable);
    Show(form);
    TlxActiveSkinObject* close = form.Skin->Frame()->FindObject("closebutton");
    ASSERT_NE(close, nullptr);
    int entered = 0, released = 0;
    form.Skin->OnMouseEnterEvent = [&](TComponent*, const std::string& id) {
        ++entered;
        if (id == "closebutton") {
            form.Skin->SetShowIcon(!form.Skin->ShowIcon());
            form.Skin->SetBorderIcons(MainWindowBorderIcons);
        }
    };
    form.Skin->OnMouseUpEvent = [&](TComponent*, const std::string& id, TMouseButton, int, int, Rect) {
        ++released;
        if (id == "closebutton")
            form.Skin->SetMinWidth(200);
    };
    Hover(form, *close);
    EXPECT_EQ(entered, 1);
    ASSERT_EQ(form.Skin->Frame()->FindObject("closebutton"), close);
    EXPECT_TRUE(close->Active);
    // A press and a release on the close button: its handler runs inside
    // the button's release, before the command.
    const Rect w = Bounds(form.Handle());
    const Rect r = close->ObjectRect;
    const LPARAM at = MAKELPARAM(w.Left + (r.Left + r.Right) / 2, w.Top + (r.Top + r.Bottom) / 2);
    SendMessageW(form.Handle(), WM_NCLBUTTONDOWN, HitObject, at);
    SendMessageW(form.Handle(), WM_NCLBUTTONUP, HitObject, at);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(form.Skin->Frame()->FindObject("closebutton"), close);
    // The close command was posted; it is not run here.
    MSG m;
    while (PeekMessageW(&m, form.Handle(), WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) { }
}

// --- Sizes.

TEST_F(SkinFormExactTest, TheMaximumTrackSizeIsTheWorkArea)
{
    ExactForm form(TBorderStyle::bsSizeable);
    Show(form);
    HWND wnd = form.Handle();
    const Rect work = GetWorkArea(wnd, true);
    MINMAXINFO info {};
    info.ptMaxTrackSize = { 99999, 99999 };
    SendMessageW(wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, work.Width());
    EXPECT_EQ(info.ptMaxTrackSize.y, work.Height());
    EXPECT_EQ(info.ptMinTrackSize.x, 120);
    EXPECT_EQ(info.ptMinTrackSize.y, 25);
    form.Skin->SetMaxWidth(500);
    SendMessageW(wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, 500);
    EXPECT_EQ(info.ptMaxTrackSize.y, work.Height());
}

// --- Default hints.

TEST_F(SkinFormExactTest, DefaultHintsReplaceTheSkinsOnlyWhenAskedFor)
{
    ExactForm form(TBorderStyle::bsSizeable);
    auto skin = LoadStoredSkin(nullptr);
    auto strings = std::make_unique<TlxResourceStrData>(nullptr);
    strings->ResStrings = { "CLOSEBUTTON_HINT=Schliessen" };
    skin->SetResourceStrData(strings.get());
    for (auto& record : skin->ObjectList)
        if (record->SectionName == "closebutton")
            record->Hint = "Shut the window";
    form.Skin->SetUseDefaultObjectHint(false);
    form.Skin->SetSkinData(skin.get());
    TlxActiveSkinObject* close = form.Skin->Frame()->FindObject("closebutton");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->Hint, "Shut the window") << "the skin's own hint was replaced";
    form.Skin->SetBorderIcons(DefaultBorderIcons);
    EXPECT_EQ(form.Skin->Frame()->FindObject("closebutton")->Hint, "Shut the window");
    form.Skin->SetUseDefaultObjectHint(true);
    EXPECT_EQ(form.Skin->Frame()->FindObject("closebutton")->Hint, "Schliessen");
    form.Skin->SetSkinData(nullptr);
    strings.reset();
}

// --- Roll-up and maximize.

TEST_F(SkinFormExactTest, AWindowRolledUpThenMaximizedRestoresFromTheMenuAndTheCaption)
{
    ExactForm form(TBorderStyle::bsSizeable);
    Show(form);
    HWND wnd = form.Handle();
    auto restoreItem = [&]() -> TMenuItem* {
        TMenuItem& menu = form.Skin->PrepareSystemMenu();
        for (int i = 0; i < menu.Count(); ++i)
            if (menu.Items(i)->Name() == L"LSF_RESTORE")
                return menu.Items(i);
        return nullptr;
    };
    form.Skin->SetRollUpState(true);
    form.Skin->ChangeWindowState(TWindowState::wsMaximized);
    ASSERT_EQ(form.Skin->RecordedWindowState(), TWindowState::wsMaximized);
    TMenuItem* restore = restoreItem();
    ASSERT_NE(restore, nullptr);
    restore->Click();
    EXPECT_EQ(form.Skin->RecordedWindowState(), TWindowState::wsNormal) << "\"&Restore\" did nothing";
    EXPECT_TRUE(form.Skin->RolledUp()) << "it was rolled up before it was maximized";

    form.Skin->ChangeWindowState(TWindowState::wsMaximized);
    const Rect caption = Bounds(wnd);
    SendMessageW(wnd, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.Left + 60, caption.Top + 10));
    EXPECT_EQ(form.Skin->RecordedWindowState(), TWindowState::wsNormal) << "the caption double click did nothing";
}

// --- Skin messages.

TEST_F(SkinFormExactTest, AfterChangeAndResourceStringMessagesAreHandledFromAnySkinData)
{
    ExactForm form(TBorderStyle::bsSizeable);
    HWND wnd = form.Handle();
    auto skin = LoadStoredSkin(nullptr);
    auto other = LoadStoredSkin(nullptr);
    form.Skin->SetSkinData(skin.get());
    int after = 0;
    form.Skin->OnAfterChangeSkinData = [&](TComponent*) { ++after; };
    SendMessageW(wnd, SKM_AFTERCHANGESKIN, Id(other.get()), SkinMessageLParam);
    EXPECT_EQ(after, 1);
    TlxActiveSkinObject* close = form.Skin->Frame()->FindObject("closebutton");
    ASSERT_NE(close, nullptr);
    close->Hint = "stale";
    SendMessageW(wnd, SKM_CHANGERESSTRDATA, Id(other.get()), SkinMessageLParam);
    EXPECT_EQ(close->Hint, "Close");
}

// --- The fallback caption's text.

// The fallback frame as the controller paints it into a device context.
std::vector<COLORREF> PrintedCaption(HWND wnd)
{
    const Rect r = Bounds(wnd);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.Width(), r.Height());
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(wnd, LumenPrintFrameMessage, reinterpret_cast<WPARAM>(dc), 0);
    std::vector<COLORREF> pixels;
    for (int y = 3; y < 22; ++y)
        for (int x = 20; x < r.Width() - 60; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST_F(SkinFormExactTest, TheFallbackCaptionTakesTheReadingOrderAndTheResourceStringsCharacterSet)
{
    ExactForm form(TBorderStyle::bsSingle);
    form.SetCaption(L"(Caption).");
    Show(form);
    HWND wnd = form.Handle();
    const std::vector<COLORREF> plain = PrintedCaption(wnd);
    const LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, ex | WS_EX_RTLREADING);
    EXPECT_NE(PrintedCaption(wnd), plain) << "right-to-left reading order left the text as it was";
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, ex);
    ASSERT_EQ(PrintedCaption(wnd), plain);

    // Skin data that is not loaded leaves the fallback frame, in the
    // character set of its resource strings (a difference Wine's font
    // mapping does not show here, so the fonts are asked for).
    EXPECT_EQ(form.Skin->FallbackCaptionFonts().Active.CharSet, form.Skin->DefCaptionFont().Font.CharSet);
    auto skin = std::make_unique<TlxSkinData>(nullptr);
    auto strings = std::make_unique<TlxResourceStrData>(nullptr);
    strings->CharSet = GB2312_CHARSET;
    skin->SetResourceStrData(strings.get());
    form.Skin->SetSkinData(skin.get());
    ASSERT_FALSE(form.Skin->Frame()->Skinned());
    EXPECT_EQ(form.Skin->FallbackCaptionFonts().Active.CharSet, GB2312_CHARSET);
    EXPECT_EQ(form.Skin->FallbackCaptionFonts().Inactive.CharSet, GB2312_CHARSET);
    EXPECT_EQ(form.Skin->FallbackCaptionFonts().Active.Name, form.Skin->DefCaptionFont().Font.Name);
    form.Skin->SetSkinData(nullptr);
}

// --- Fades on a slow timer.

TEST_F(SkinFormExactTest, TheFadeInKeepsItsLengthWhenTheTimerTicksEvery16ms)
{
    if (!CanLayerWindows(PlatformVersion()))
        GTEST_SKIP() << "no layered windows here";
    ExactForm form(TBorderStyle::bsSizeable);
    form.Skin->SetAlphaBlendAnimation(true);
    ShowWindow(form.Handle(), SW_SHOW);
    ASSERT_TRUE(form.Skin->FadeTimerRunning());
    // 255 in steps of 10, one step per 5 ms: 130 ms, so nine ticks of 16 ms.
    int steps = 0;
    while (form.Skin->FadeTimerRunning() && steps < 60) {
        Sleep(16);
        Application().ProcessMessages();
        ++steps;
    }
    EXPECT_FALSE(form.Skin->FadeTimerRunning());
    EXPECT_LE(steps, 10) << "one alpha step per tick instead of per 5 ms";
}

// --- The menus.

TEST_F(SkinFormExactTest, TheSystemMenuShowsWithoutTheImagesOfAnEarlierImageMenu)
{
    ExactForm form(TBorderStyle::bsSingle);
    Show(form);
    EXPECT_EQ(form.Skin->MenusAlphaBlendValue(), 200);
    EXPECT_EQ(form.Skin->SkinMenu().AlphaBlendValue, 200);
    auto images = std::make_unique<TImageList>(nullptr, 24, 24);
    auto* imageMenu = new TlxSkinPopupMenu(&form);
    imageMenu->SetImages(images.get());
    imageMenu->Items().Add(L"With image")->ImageIndex = 0;
    imageMenu->Popup(200, 200);
    TlxSkinMenu& engine = form.Skin->SkinMenu();
    ASSERT_TRUE(engine.Visible());
    EXPECT_EQ(engine.Engine().Level(0).Paint.Look.ImageWidth, 24);
    engine.CloseAll();
    const Rect w = Bounds(form.Handle());
    form.Skin->PopupSystemMenu({ w.Left + 10, w.Top + 10, w.Left + 10, w.Top + 10 });
    ASSERT_TRUE(engine.Visible());
    EXPECT_EQ(engine.Engine().Level(0).Paint.Images, nullptr) << "the system menu kept the image column";
    EXPECT_EQ(engine.Engine().Level(0).Paint.Look.ImageWidth, -1);
    engine.CloseAll();
    delete imageMenu;
}

} // namespace
} // namespace ventro
