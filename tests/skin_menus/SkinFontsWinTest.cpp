// Our stored skin's menu, hint and caption fonts, drawn by the platform as
// the skinned windows draw them: every caption shows every glyph, apart from
// its neighbours, and its ink spans what the text measures.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Menus.h"
#include "platform/Text.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/SystemMenuItems.h"
#include "skin/gfx/SkinFont.h"
#include "tests/skin_menus/DemoMenu.h"
#include "tests/skin_menus/StoredSkin.h"
#include "tests/support/TextInk.h"

using namespace ventro;
using namespace ventro::testing;

namespace {

std::wstring WithoutAccelerator(std::wstring text)
{
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == L'&')
            text.erase(i, 1);
    return text;
}

// Every caption and shortcut the skinned menus show: the system menu's
// items and the demonstration menu's, all levels.
std::vector<std::wstring> MenuTexts()
{
    std::vector<std::wstring> texts;
    SysMenuState state;
    state.Icons = { true, true, true, true, true };
    for (const SysMenuItemInfo& item : DefaultSystemMenuItems(state))
        if (item.Caption != L"-")
            texts.push_back(WithoutAccelerator(item.Caption));
    texts.push_back(L"Alt+F4");
    TMenuItem root(nullptr);
    BuildDemoMenu(root, nullptr);
    std::function<void(const TMenuItem&)> walk = [&](const TMenuItem& parent) {
        for (int i = 0; i < parent.Count(); ++i) {
            const TMenuItem& item = *parent.Items(i);
            if (item.Caption != L"-")
                texts.push_back(WithoutAccelerator(item.Caption));
            if (!item.ShortCut.empty())
                texts.push_back(item.ShortCut);
            walk(item);
        }
    };
    walk(root);
    return texts;
}

const TlxDataSkinObject& StoredObject(const char* section)
{
    const TlxSkinData& skin = StoredSkin();
    return *skin.ObjectList.at(size_t(skin.FindObjectIndex(section)));
}

// Each text, in `font`: no glyph without ink or squeezed to one column, the
// ink no more than `slack` pixels narrower or wider than the extent, and all
// of it within `height` rows.
void ExpectLegible(HFONT font, const std::vector<std::wstring>& texts, int height)
{
    constexpr int slack = 3;
    ASSERT_FALSE(texts.empty());
    for (const std::wstring& text : texts) {
        const test::TextInk ink = test::MeasureTextInk(font, text);
        const std::string where = WideToUtf8(L"\"" + text + L"\" in " + ink.Face) + ": " + test::Describe(ink);
        EXPECT_EQ(WideToUtf8(test::MissingGlyphs(text, ink)), "") << where;
        EXPECT_LE(std::abs(ink.Extent.cx - (ink.Ink.right - ink.Ink.left)), slack) << where;
        EXPECT_LE(ink.Metrics.tmHeight, height) << where;
        EXPECT_GE(ink.Ink.top, 0) << where;
        EXPECT_LE(ink.Ink.bottom, ink.Metrics.tmHeight) << where;
    }
}

} // namespace

TEST(OurSkinsFonts, EveryMenuCaptionAndShortcutShowsEveryGlyph)
{
    const auto& item = dynamic_cast<const TlxDataSkinMenuItem&>(StoredObject("menuitem"));
    FontHandle font = CreateSkinFont(AnsiToWide(item.FontName), item.FontHeight, item.FontStyle, DEFAULT_CHARSET);
    ExpectLegible(font.Get(), MenuTexts(), item.SkinRect.Height());
}

TEST(OurSkinsFonts, TheHintShowsEveryGlyph)
{
    const TlxDataSkinHintWindow& hint = StoredSkin().HintWindow;
    FontHandle font = CreateSkinFont(AnsiToWide(hint.FontName), hint.FontHeight, hint.FontStyle, DEFAULT_CHARSET);
    ExpectLegible(font.Get(), { L"Minimize to the tray", L"Close", L"Roll up", L"最小化到托盘" }, 20);
}

TEST(OurSkinsFonts, TheCaptionShowsEveryGlyph)
{
    const auto& caption = dynamic_cast<const TlxDataSkinCaption&>(StoredObject("caption"));
    FontHandle font = CreateSkinFont(AnsiToWide(caption.FontName), caption.FontHeight, caption.FontStyle, DEFAULT_CHARSET);
    ExpectLegible(font.Get(), { L"skinview - stored skin", L"VentroADSL拨号器 V1.2 By Qorin" }, caption.TextRect.Height());
}
