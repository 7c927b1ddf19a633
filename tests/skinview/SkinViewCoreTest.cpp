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
             { L"--alpha", L"0000" }, { L"--fast" }, { L"a.skn", L"b.skn" }, { L"--watch" }, { L"a.skn", L"--watch", L"s.ini" },
             { L"--watch", L"s.ini", L"a.skn" }, { L"--watch", L"s.ini", L"--watch", L"t.ini" } }) {
        EXPECT_FALSE(ParseCommandLine(args).Error.empty()) << args.size();
    }
}

TEST(SkinViewCommandLine, WatchNamesADefinition)
{
    ViewOptions watch = ParseCommandLine({ L"--alpha", L"200", L"--watch", L"C:\\s\\skin.ini" });
    EXPECT_TRUE(watch.Error.empty());
    EXPECT_EQ(watch.WatchPath, L"C:\\s\\skin.ini");
    EXPECT_TRUE(watch.SkinPath.empty());
    EXPECT_TRUE(watch.AlphaBlend);
}

TEST(SkinViewWatch, TheCaptionTakesTheFirstErrorWithItsLine)
{
    std::vector<CheckFinding> findings {
        { 3, FindingLevel::Warning, "VERSION", "skinnam", "unknown key" },
        { 26, FindingLevel::Error, "FORMINFO", "clientrect", "clientrect 7,27,400,112 lies outside" },
        { 30, FindingLevel::Error, "FORMINFO", "x", "later" },
    };
    EXPECT_EQ(FirstErrorText(findings), "line 26: clientrect 7,27,400,112 lies outside");
    EXPECT_EQ(FirstErrorText({ { 0, FindingLevel::Error, "", "", "not a skin definition" } }), "not a skin definition");
    EXPECT_EQ(FirstErrorText({ findings[0] }), "");
}

TEST(SkinViewWatch, ASaveCountsOnceTheFilesHaveSettled)
{
    const FileStamp definition { true, 100, 1 }, picture { true, 5000, 1 };
    SaveDetector saves;
    saves.Reset({ definition, picture });
    EXPECT_FALSE(saves.Poll({ definition, picture }));
    // A save in two writes: the first look sees it moving, the second settled.
    const FileStamp half { true, 40, 2 }, whole { true, 120, 3 };
    EXPECT_FALSE(saves.Poll({ half, picture }));
    EXPECT_FALSE(saves.Poll({ whole, picture }));
    EXPECT_TRUE(saves.Poll({ whole, picture }));
    EXPECT_FALSE(saves.Poll({ whole, picture }));  // taken once
    // A picture saved, then a file that went away and came back as it was.
    const FileStamp repainted { true, 5000, 4 };
    EXPECT_FALSE(saves.Poll({ whole, repainted }));
    EXPECT_TRUE(saves.Poll({ whole, repainted }));
    EXPECT_FALSE(saves.Poll({ FileStamp {}, repainted }));
    EXPECT_FALSE(saves.Poll({ whole, repainted }));
    EXPECT_FALSE(saves.Poll({ whole, repainted }));
    // Reading the files again starts from what was read.
    saves.Reset({ FileStamp {} });
    EXPECT_FALSE(saves.Poll({ FileStamp {} }));
    EXPECT_FALSE(saves.Poll({ definition }));
    EXPECT_TRUE(saves.Poll({ definition }));
}

} // namespace
} // namespace ventro::skinview
