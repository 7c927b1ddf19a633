// A skin names its menu and hint fonts in the system's ANSI code page: a skin
// written in code page 936 that names 宋体 draws its menu and its hint pixel
// for pixel as the same skin naming the face SimSun (the test prefix, like a
// Chinese system, substitutes one face for both names). The fonts ask for the
// Western character set: with the default one the platform would take a
// Chinese face whatever the name, and a garbled name would go unseen.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "platform/Application.h"
#include "skin/menus/lxSkinHint.h"
#include "skin/menus/lxSkinMenus.h"
#include "tests/skin_menus/DemoMenu.h"
#include "tests/support/Pump.h"

namespace ventro {
namespace {

using testing::AddItem;

// 宋体 as a skin written in code page 936 stores it.
const char* const SongTiInCodePage936 = "\xCB\xCE\xCC\xE5";

// Our stored skin with its menu item and hint fonts renamed.
std::unique_ptr<TlxSkinData> StoredSkinWithFont(const std::string& face)
{
    std::ifstream in(VENTRO_STORED_SKIN_FILE, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TlxCompressedStoredSkin stored(nullptr);
    stored.SetCompressedData(std::move(bytes));
    auto skin = std::make_unique<TlxSkinData>(nullptr);
    skin->ApplyStoredSkin(stored);
    auto& item = dynamic_cast<TlxDataSkinMenuItem&>(*skin->ObjectList.at(size_t(skin->FindObjectIndex("menuitem"))));
    item.FontName = face;
    skin->HintWindow.FontName = face;
    return skin;
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

    // The menu's first level as its window shows it.
    PixelBuffer MenuPicture(TlxSkinData& skin)
    {
        auto* menu = new TlxSkinMenu(owner.get());
        menu->DefaultItemFont.CharSet = ANSI_CHARSET;
        TMenuItem root(nullptr);
        AddItem(root, L"\x62E8\x53F7 Dial");
        AddItem(root, L"\x65AD\x5F00 &Hang up");
        menu->Popup(nullptr, &skin, false, &root, Rect { 100, 100, 100, 100 }, 0);
        EXPECT_TRUE(menu->Visible());
        auto* window = static_cast<TlxSkinPopupWindow*>(menu->Engine().Level(0).Window);
        PixelBuffer picture = window->Buffer();
        menu->CloseAll();
        delete menu;
        return picture;
    }

    PixelBuffer HintPicture(TlxSkinData& skin)
    {
        auto* hint = new TlxSkinHint(owner.get());
        hint->DefaultFont.CharSet = ANSI_CHARSET;
        hint->SetSkinData(&skin);
        hint->ShowHint(50, 50, L"\x6700\x5C0F\x5316 Minimize");
        PixelBuffer picture = hint->Window().Buffer();
        delete hint;
        return picture;
    }

    std::unique_ptr<TComponent> owner;
};

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

TEST_F(SkinFontNameWinTest, MenuDrawsTheFaceTheAnsiNameNames)
{
    auto chinese = StoredSkinWithFont(SongTiInCodePage936);
    auto english = StoredSkinWithFont("SimSun");
    EXPECT_TRUE(SamePixels(MenuPicture(*chinese), MenuPicture(*english)));
}

TEST_F(SkinFontNameWinTest, HintDrawsTheFaceTheAnsiNameNames)
{
    auto chinese = StoredSkinWithFont(SongTiInCodePage936);
    auto english = StoredSkinWithFont("SimSun");
    EXPECT_TRUE(SamePixels(HintPicture(*chinese), HintPicture(*english)));
}

} // namespace
} // namespace ventro
