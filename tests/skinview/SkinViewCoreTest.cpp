// skinview's caption, "next skin" choice and command line.
#include <gtest/gtest.h>

#include "tools/skinview/SkinViewCore.h"

namespace ventro::skinview {
namespace {

TEST(SkinViewCaption, NamesTheFileWithoutItsFolderOrTheStoredSkin)
{
    EXPECT_EQ(ViewCaption(L""), L"skinview - stored skin");
    EXPECT_EQ(ViewCaption(L"C:\\skins\\Blue Steel.skn"), L"skinview - Blue Steel.skn");
    EXPECT_EQ(ViewCaption(L"/home/a/skins/x.skn"), L"skinview - x.skn");
    EXPECT_EQ(ViewCaption(L"Z:\\mixed/folders\\last.SKN"), L"skinview - last.SKN");
    EXPECT_EQ(ViewCaption(L"C:\\s\\bad.skn", L"not a compressed skin file"), L"skinview - bad.skn: not a compressed skin file");
    EXPECT_EQ(ViewCaption(L"", L"damaged"), L"skinview - stored skin: damaged");
}

TEST(SkinViewNext, CyclesThroughSkinFilesInFoldedOrderAndWraps)
{
    // Listing order is the file system's; other files and folders-like names are ignored.
    const std::vector<std::wstring> listing { L"c.skn", L"readme.txt", L"B.SKN", L"a.skn", L"skn", L".skn", L"d.skn.bak" };
    EXPECT_EQ(NextSkinFile(listing, L"a.skn"), L"B.SKN");
    EXPECT_EQ(NextSkinFile(listing, L"b.skn"), L"c.skn");  // matched in any letter case
    EXPECT_EQ(NextSkinFile(listing, L"C:\\skins\\B.SKN"), L"c.skn");  // a full path names its file
    EXPECT_EQ(NextSkinFile(listing, L"c.skn"), L"a.skn");  // wraps
    // Walking from the first visits each skin once before coming back.
    std::wstring at = L"a.skn";
    std::vector<std::wstring> seen;
    do {
        seen.push_back(at);
        at = NextSkinFile(listing, at);
    } while (at != L"a.skn" && seen.size() < 10);
    EXPECT_EQ(seen, (std::vector<std::wstring> { L"a.skn", L"B.SKN", L"c.skn" }));
}

TEST(SkinViewNext, MissingCurrentLoneSkinAndEmptyFolder)
{
    const std::vector<std::wstring> listing { L"alpha.skn", L"gamma.skn" };
    EXPECT_EQ(NextSkinFile(listing, L"beta.skn"), L"gamma.skn");  // deleted meanwhile: the next in order
    EXPECT_EQ(NextSkinFile(listing, L"zeta.skn"), L"alpha.skn");
    EXPECT_EQ(NextSkinFile(listing, L""), L"alpha.skn");
    EXPECT_EQ(NextSkinFile({ L"only.skn" }, L"only.skn"), L"only.skn");
    EXPECT_EQ(NextSkinFile({ L"notes.txt", L"x.bmp" }, L"x.skn"), L"");
    EXPECT_EQ(NextSkinFile({}, L"x.skn"), L"");
    // Names equal but for case (possible outside Windows) are both visited.
    EXPECT_EQ(NextSkinFile({ L"a.skn", L"A.skn" }, L"A.skn"), L"a.skn");
}

TEST(SkinViewCommandLine, SkinPathAndTransparencySwitches)
{
    ViewOptions none = ParseCommandLine({});
    EXPECT_TRUE(none.Error.empty());
    EXPECT_TRUE(none.SkinPath.empty());
    EXPECT_FALSE(none.AlphaBlend);
    EXPECT_FALSE(none.AlphaBlendAnimation);

    ViewOptions all = ParseCommandLine({ L"--alpha-animation", L"C:\\s\\x.skn", L"--alpha", L"128" });
    EXPECT_TRUE(all.Error.empty()) << std::string(all.Error.begin(), all.Error.end());
    EXPECT_EQ(all.SkinPath, L"C:\\s\\x.skn");
    EXPECT_TRUE(all.AlphaBlendAnimation);
    EXPECT_TRUE(all.AlphaBlend);
    EXPECT_EQ(all.AlphaBlendValue, 128);
    EXPECT_EQ(ParseCommandLine({ L"--alpha", L"0" }).AlphaBlendValue, 0);
    EXPECT_EQ(ParseCommandLine({ L"--alpha", L"255" }).AlphaBlendValue, 255);
}

TEST(SkinViewCommandLine, RefusesWhatItCannotUse)
{
    for (const auto& args : std::vector<std::vector<std::wstring>> {
             { L"--alpha" }, { L"--alpha", L"256" }, { L"--alpha", L"-1" }, { L"--alpha", L"" }, { L"--alpha", L"12a" },
             { L"--alpha", L"0000" }, { L"--fast" }, { L"a.skn", L"b.skn" } }) {
        EXPECT_FALSE(ParseCommandLine(args).Error.empty()) << args.size();
    }
}

} // namespace
} // namespace ventro::skinview
