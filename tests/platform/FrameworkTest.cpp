// The framework types every unit shares (menu item trees, image lists, shift
// states) and the drawing basics (fonts, the colour resolver, the blit, the
// two device contexts of a window), under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Colors.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/Graphics.h"
#include "platform/Handles.h"
#include "platform/ImageList.h"
#include "platform/Input.h"
#include "platform/Menus.h"

using namespace ventro;

namespace {

class FrameworkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Application().Initialize(); }
};

// A 24-bit section with a memory DC, read back pixel by pixel.
struct Canvas {
    Canvas(int width, int height) : Width(width), Height(height)
    {
        BITMAPINFO info = TopDown24Info(width, height);
        Bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&Bits), nullptr, 0));
        Dc.Reset(CreateCompatibleDC(nullptr));
        Old = SelectObject(Dc.Get(), Bitmap.Get());
        Fill(RGB(255, 255, 255));
    }
    ~Canvas() { SelectObject(Dc.Get(), Old); }
    void Fill(COLORREF c)
    {
        BrushHandle brush(CreateSolidBrush(c));
        RECT r { 0, 0, Width, Height };
        FillRect(Dc.Get(), &r, brush.Get());
        GdiFlush();
    }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const uint8_t* p = Bits + size_t(y) * size_t(RowStride24(Width)) + size_t(x) * 3;
        return RGB(p[2], p[1], p[0]);
    }
    int Width;
    int Height;
    uint8_t* Bits = nullptr;
    BitmapHandle Bitmap;
    MemoryDC Dc;
    HGDIOBJ Old = nullptr;
};

// An icon of one colour.
IconHandle SolidIcon(int size, COLORREF color)
{
    Canvas colour(size, size);
    colour.Fill(color);
    BitmapHandle mask(CreateBitmap(size, size, 1, 1, nullptr));
    {
        MemoryDC dc(CreateCompatibleDC(nullptr));
        HGDIOBJ old = SelectObject(dc.Get(), mask.Get());
        PatBlt(dc.Get(), 0, 0, size, size, BLACKNESS); // all opaque
        SelectObject(dc.Get(), old);
    }
    SelectObject(colour.Dc.Get(), colour.Old);
    ICONINFO info { TRUE, 0, 0, mask.Get(), colour.Bitmap.Get() };
    IconHandle icon(CreateIconIndirect(&info));
    colour.Old = SelectObject(colour.Dc.Get(), colour.Bitmap.Get());
    return icon;
}

} // namespace

TEST_F(FrameworkTest, AMenuTreeHoldsItsItemsInOrder)
{
    TMenuItem root;
    TComponent* clicked = nullptr;
    TMenuItem* minimize = root.Add(L"Mi&nimize", [&](TComponent* sender) { clicked = sender; });
    TMenuItem* line = root.Add(L"-");
    TMenuItem* close = root.Add(L"&Close");
    close->ShortCut = L"Alt+F4";
    TMenuItem* rollUp = root.Insert(1, std::make_unique<TMenuItem>());
    rollUp->Caption = L"Ro&llUp";
    ASSERT_EQ(root.Count(), 4);
    EXPECT_EQ(root.Items(0), minimize);
    EXPECT_EQ(root.Items(1), rollUp);
    EXPECT_EQ(root.Items(2), line);
    EXPECT_EQ(root.Items(4), nullptr);
    EXPECT_EQ(root.IndexOf(close), 3);
    EXPECT_EQ(close->Parent(), &root);
    EXPECT_TRUE(line->IsLine());
    EXPECT_FALSE(close->IsLine());
    // A click reaches the handler with the item as sender, only while enabled.
    minimize->Click();
    EXPECT_EQ(clicked, minimize);
    clicked = nullptr;
    minimize->Enabled = false;
    minimize->Click();
    EXPECT_EQ(clicked, nullptr);
    // Items move between trees.
    TMenuItem* sub = close->Add(L"sub");
    std::unique_ptr<TMenuItem> taken = close->Remove(sub);
    EXPECT_EQ(taken.get(), sub);
    EXPECT_EQ(sub->Parent(), nullptr);
    rollUp->Add(std::move(taken));
    EXPECT_EQ(sub->Parent(), rollUp);
    root.Delete(2);
    EXPECT_EQ(root.Count(), 3);
    EXPECT_EQ(root.Items(2), close);
}

TEST_F(FrameworkTest, CaptionsCarryTheirAccelerators)
{
    EXPECT_EQ(MenuAccelerator(L"Mi&nimize"), L'n');
    EXPECT_EQ(MenuAccelerator(L"&Close"), L'c');
    EXPECT_EQ(MenuAccelerator(L"拨 号(&L)"), L'l');
    EXPECT_EQ(MenuAccelerator(L"A&&B"), 0);
    EXPECT_EQ(MenuAccelerator(L"A&&&B"), L'b');
    EXPECT_EQ(MenuAccelerator(L"trailing&"), 0);
    EXPECT_EQ(StripAccelerator(L"Ro&llUp"), L"RollUp");
    EXPECT_EQ(StripAccelerator(L"A&&B"), L"A&B");
    EXPECT_EQ(StripAccelerator(L"拨 号(&L)"), L"拨 号(L)");
}

TEST_F(FrameworkTest, TheNativeMenuShowsTheTreesStates)
{
    TMenuItem root;
    root.Add(L"&Restore")->Default = true;
    TMenuItem* hidden = root.Add(L"hidden");
    hidden->Visible = false;
    root.Add(L"-");
    TMenuItem* radio = root.Add(L"Radio");
    radio->RadioItem = true;
    radio->Checked = true;
    TMenuItem* off = root.Add(L"&Close");
    off->Enabled = false;
    off->ShortCut = L"Alt+F4";
    TMenuItem* more = root.Add(L"More");
    more->Add(L"Inner");
    std::vector<TMenuItem*> commands;
    MenuHandle menu(BuildNativeMenu(root, commands));
    ASSERT_EQ(GetMenuItemCount(menu.Get()), 5) << "the hidden item is left out";
    auto info = [&](UINT position) {
        MENUITEMINFOW mi { sizeof(mi) };
        static wchar_t text[64];
        mi.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        mi.dwTypeData = text;
        mi.cch = 64;
        GetMenuItemInfoW(menu.Get(), position, TRUE, &mi);
        return std::make_pair(mi, std::wstring(text));
    };
    EXPECT_TRUE(info(0).first.fState & MFS_DEFAULT);
    EXPECT_TRUE(info(1).first.fType & MFT_SEPARATOR);
    EXPECT_TRUE(info(2).first.fType & MFT_RADIOCHECK);
    EXPECT_TRUE(info(2).first.fState & MFS_CHECKED);
    EXPECT_TRUE(info(3).first.fState & MFS_DISABLED);
    EXPECT_EQ(info(3).second, L"&Close\tAlt+F4");
    EXPECT_NE(info(4).first.hSubMenu, nullptr);
    // Each command leads back to its item.
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[info(3).first.wID - 1], off);
    EXPECT_EQ(commands.back()->Caption, L"Inner");
}

TEST_F(FrameworkTest, APopupMenuRunsTheChosenItem)
{
    TComponent owner(nullptr);
    auto* menu = new TPopupMenu(&owner);
    std::vector<std::string> log;
    menu->OnPopup = [&](TComponent* sender) { log.push_back(sender == menu ? "popup" : "?"); };
    menu->Items().Add(L"&First", [&](TComponent*) { log.push_back("first"); });
    menu->Items().Add(L"&Second", [&](TComponent*) { log.push_back("second"); });
    // The menu's own loop reads the keys already waiting: the accelerator S.
    PostMessageW(Application().Handle(), WM_CHAR, L's', 0);
    POINT at { 200, 200 };
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
    menu->Popup(at.x, at.y);
    EXPECT_EQ(log.front(), "popup");
    if (log.size() == 1)
        GTEST_SKIP() << "the platform's menu loop took no key from the queue here";
    EXPECT_EQ(log, (std::vector<std::string> { "popup", "second" }));
}

TEST_F(FrameworkTest, AnImageListDrawsNormalAndDisabled)
{
    TComponent owner(nullptr);
    auto* images = new TImageList(&owner, 16, 16);
    EXPECT_EQ(images->Add(SolidIcon(16, RGB(255, 0, 0))), 0);
    EXPECT_EQ(images->Add(SolidIcon(16, RGB(0, 0, 255))), 1);
    EXPECT_EQ(images->Count(), 2);
    Canvas normal(16, 16);
    images->Draw(normal.Dc.Get(), 0, 0, 0);
    EXPECT_EQ(normal.At(8, 8), RGB(255, 0, 0));
    Canvas disabled(16, 16);
    images->Draw(disabled.Dc.Get(), 0, 0, 0, false);
    int changed = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            COLORREF c = disabled.At(x, y);
            EXPECT_NE(c, RGB(255, 0, 0)) << "the disabled image keeps its colour at " << x << "," << y;
            changed += c != RGB(255, 255, 255);
        }
    EXPECT_GT(changed, 0) << "the disabled image drew nothing";
    // Outside the list nothing is drawn.
    Canvas nothing(16, 16);
    images->Draw(nothing.Dc.Get(), 0, 0, 5);
    EXPECT_EQ(nothing.At(8, 8), RGB(255, 255, 255));
    images->Delete(0);
    EXPECT_EQ(images->Count(), 1);
    images->SetSize(32, 32);
    EXPECT_EQ(images->Count(), 0);
    EXPECT_EQ(images->Width(), 32);
}

TEST_F(FrameworkTest, FontsHaveEveryStyleCharsetAndTheHeightConvention)
{
    TFontDesc desc { L"宋体", -13, GB2312_CHARSET, true, ClWindowText, true, true, true };
    FontHandle font = CreateFontFrom(desc);
    LOGFONTW lf {};
    ASSERT_TRUE(GetObjectW(font.Get(), sizeof(lf), &lf));
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"宋体");
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_TRUE(lf.lfStrikeOut);
    // Negative: the character height; positive: the cell height.
    MemoryDC dc(CreateCompatibleDC(nullptr));
    TEXTMETRICW tm {};
    LONG characterCell = 0;
    // A face with internal leading: the test prefix's SimSun, like SimSun,
    // has none, and it stands in for Arial there too.
    const wchar_t* const face = L"DejaVu Sans";
    {
        FontHandle character = CreateFontFrom({ face, -14 });
        SelectGuard select(dc.Get(), character.Get());
        GetTextMetricsW(dc.Get(), &tm);
        // The font's own rounding may take a pixel.
        EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, 14, 1);
        characterCell = tm.tmHeight;
    }
    {
        FontHandle cell = CreateFontFrom({ face, 14, DEFAULT_CHARSET, true, ClBtnText, true, false, true });
        SelectGuard select(dc.Get(), cell.Get());
        GetTextMetricsW(dc.Get(), &tm);
        EXPECT_EQ(tm.tmHeight, 14);
        EXPECT_GT(characterCell, tm.tmHeight) << "a character height of 14 needs a taller cell than a cell of 14";
        EXPECT_GE(tm.tmWeight, FW_BOLD);
        EXPECT_TRUE(tm.tmItalic);
        EXPECT_TRUE(tm.tmStruckOut);
        EXPECT_FALSE(tm.tmUnderlined);
    }
}

TEST_F(FrameworkTest, OneResolverForSystemColours)
{
    EXPECT_EQ(ColorToRGB(ClBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(ClWindowText), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(ColorToRGB(SystemColorFlag | COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(ColorToRGB(Rgb(0x12, 0x34, 0x56)), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(ResolveSystemColor(ClBtnShadow), Color(GetSysColor(COLOR_BTNSHADOW)));
}

TEST_F(FrameworkTest, TheBlitCopiesAViewOfAWiderPicture)
{
    EXPECT_EQ(TopDown24Info(7, 5).bmiHeader.biHeight, -5);
    EXPECT_EQ(TopDown24Info(7, 5).bmiHeader.biBitCount, 24);
    PixelBuffer picture(10, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x)
            picture.SetPixel(x, y, Rgb(uint8_t(x * 20), uint8_t(y * 50), 7));
    // The right half of the picture: rows longer than the view.
    PixelView half(picture.View().Row(0) + 5 * 3, 5, 4, picture.Stride());
    Canvas canvas(8, 6);
    BlitPixels(canvas.Dc.Get(), 2, 1, half);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(canvas.At(2 + x, 1 + y), RGB((5 + x) * 20, y * 50, 7)) << x << "," << y;
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255));
    BlitPixels(canvas.Dc.Get(), 0, 0, PixelView());
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255));
}

TEST_F(FrameworkTest, WindowDCIsTheWholeWindowAndClientDCTheClientArea)
{
    TForm form(&Application());
    form.SetBounds(100, 120, 300, 200);
    form.Show();
    RECT window;
    GetWindowRect(form.Handle(), &window);
    POINT client { 0, 0 };
    ClientToScreen(form.Handle(), &client);
    ASSERT_NE(client.y, window.top) << "the form has a caption";
    POINT origin {};
    {
        WindowDC dc(form.Handle());
        GetDCOrgEx(dc.Get(), &origin);
        EXPECT_EQ(origin.x, window.left);
        EXPECT_EQ(origin.y, window.top);
    }
    {
        ClientDC dc(form.Handle());
        GetDCOrgEx(dc.Get(), &origin);
        EXPECT_EQ(origin.x, client.x);
        EXPECT_EQ(origin.y, client.y);
    }
}

TEST_F(FrameworkTest, ShiftStatesFromMouseFlags)
{
    EXPECT_EQ(MouseShiftState(MK_SHIFT | MK_LBUTTON), (TShiftState { TShift::ssShift, TShift::ssLeft }));
    EXPECT_EQ(MouseShiftState(MK_CONTROL | MK_RBUTTON | MK_MBUTTON),
        (TShiftState { TShift::ssCtrl, TShift::ssRight, TShift::ssMiddle }));
    TShiftState s { TShift::ssAlt, TShift::ssDouble };
    s -= TShift::ssAlt;
    EXPECT_EQ(s, TShiftState { TShift::ssDouble });
}
