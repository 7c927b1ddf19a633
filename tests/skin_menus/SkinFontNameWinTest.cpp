// A skin names its menu and hint fonts in the system's ANSI code page: a skin
// written in code page 936 that names 宋体 draws its menu and its hint pixel
// for pixel as the same skin naming the face SimSun (the test prefix, like a
// Chinese system, substitutes one face for both names), and the fonts are
// made with the face the skin names. In the test prefix a name that names no
// face falls back to the very face both names stand for, so the pictures
// alone would not see a garbled name: the face of each font is checked too.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "platform/Application.h"
#include "skin/gfx/GdiTextPainter.h"
#include "skin/menus/lxSkinHint.h"
#include "skin/menus/lxSkinMenus.h"
#include "tests/skin_menus/DemoMenu.h"
#include "tests/skin_menus/StoredSkin.h"
#include "tests/support/Pump.h"

namespace ventro {
namespace {

using testing::AddItem;

// 宋体 as a skin written in code page 936 stores it.
const char* const SongTiInCodePage936 = "\xCB\xCE\xCC\xE5";

// Our stored skin with its menu item and hint fonts renamed.
std::unique_ptr<TlxSkinData> StoredSkinWithFont(const std::string& face)
{
    auto skin = testing::LoadStoredSkin();
    auto& item = dynamic_cast<TlxDataSkinMenuItem&>(*skin->ObjectList.at(size_t(skin->FindObjectIndex("menuitem"))));
    item.FontName = face;
    skin->HintWindow.FontName = face;
    return skin;
}

// The face the platform made a font with, as it names it: a name that does
// not name a face gives the face the platform fell back to.
std::wstring FaceOf(HFONT font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    DeleteDC(dc);
    return face;
}

bool SamePixels(const PixelBuffer& a, const PixelBuffer& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.IsEmpty())
        return false;
    for (int32_t y = 0; y < a.Height(); ++y)
        for (int32_t x = 0; x < a.Width(); ++x)
            if (a.PixelAt(x, y) != b.PixelAt(x, y))
                return false;
    return true;
}

class SkinFontNameWinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        Application().SetTitle(L"SkinFontNameWinTest");
    }
    void SetUp() override
    {
        if (GetACP() != 936)
            GTEST_SKIP() << "needs the Simplified Chinese code page";
        owner = std::make_unique<TComponent>(nullptr);
    }
    void TearDown() override
    {
        owner.reset();
        test::Pump(20);
    }

public:
    // The menu's first level as its window shows it.
    PixelBuffer MenuPicture(TlxSkinData& skin)
    {
        auto* menu = new TlxSkinMenu(owner.get());
        TMenuItem root(nullptr);
        AddItem(root, L"\x62E8\x53F7 Dial");
        AddItem(root, L"\x65AD\x5F00 &Hang up");
        menu->Popup(nullptr, &skin, false, &root, Rect { 100, 100, 100, 100 }, 0);
        EXPECT_TRUE(menu->Visible());
        const MenuPaintContext& paint = menu->Engine().Level(0).Paint;
        Faces.push_back(FaceOf(dynamic_cast<GdiTextPainter&>(*paint.Text).FontFor(paint.Font)));
        auto* window = static_cast<TlxSkinPopupWindow*>(menu->Engine().Level(0).Window);
        PixelBuffer picture = window->Buffer();
        menu->CloseAll();
        delete menu;
        return picture;
    }

    PixelBuffer HintPicture(TlxSkinData& skin)
    {
        auto* hint = new TlxSkinHint(owner.get());
        hint->SetSkinData(&skin);
        hint->ShowHint(50, 50, L"\x6700\x5C0F\x5316 Minimize");
        PixelBuffer picture = hint->Window().Buffer();
        Faces.push_back(FaceOf(hint->Painter().FontFor(hint->Window().Shown().Font)));
        delete hint;
        return picture;
    }

    // The skin naming 宋体 draws what the skin naming SimSun draws, with that face.
    void ExpectSongTiAsSimSun(PixelBuffer (SkinFontNameWinTest::*picture)(TlxSkinData&))
    {
        auto chinese = StoredSkinWithFont(SongTiInCodePage936);
        auto english = StoredSkinWithFont("SimSun");
        const PixelBuffer songTi = (this->*picture)(*chinese);
        EXPECT_TRUE(SamePixels(songTi, (this->*picture)(*english)));
        EXPECT_EQ(Faces, (std::vector<std::wstring> { L"\x5B8B\x4F53", L"SimSun" }));
    }

    std::unique_ptr<TComponent> owner;
    std::vector<std::wstring> Faces; // of each picture, in order
};

TEST_F(SkinFontNameWinTest, MenuDrawsTheFaceTheAnsiNameNames) { ExpectSongTiAsSimSun(&SkinFontNameWinTest::MenuPicture); }

TEST_F(SkinFontNameWinTest, HintDrawsTheFaceTheAnsiNameNames) { ExpectSongTiAsSimSun(&SkinFontNameWinTest::HintPicture); }

} // namespace
} // namespace ventro
