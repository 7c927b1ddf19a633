// The checks of a skin definition: a clean definition and our own skin give
// nothing, each kind of mistake gives its one line (line, level, message),
// hostile numbers are reported rather than computed with, and the picture
// files of a folder are each read once.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "skin/data/BmpFile.h"
#include "skin/data/IniFile.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/Stream.h"
#include "tools/skintool/SkinCheck.h"

namespace ventro {
namespace {

struct Size {
    int32_t Width, Height;
};

// Pictures by file name; a name not in the map is missing.
PictureSource Pictures(std::map<std::string, Size> sizes)
{
    return [sizes](PictureSlot, int32_t, const std::string& name) {
        auto found = sizes.find(name);
        if (found == sizes.end())
            return PictureLookup { 0, 0, "no such file" };
        return PictureLookup { found->second.Width, found->second.Height, {} };
    };
}

const std::map<std::string, Size> TestPictures = {
    { "frame.bmp", { 200, 100 } },
    { "mask.bmp", { 200, 100 } },
    { "small.bmp", { 100, 50 } },
    { "buttons.bmp", { 90, 40 } },
    { "controls.bmp", { 100, 50 } },
};

std::vector<std::string> Check(const std::string& text, const FontInstalledTest& fonts = {},
    const std::map<std::string, Size>& pictures = TestPictures)
{
    TMemIniFile ini;
    ini.SetText(text);
    std::vector<std::string> lines;
    for (const CheckFinding& f : CheckSkinDefinition(ini, Pictures(pictures), fonts))
        lines.push_back(FormatFinding("skin.ini", f));
    return lines;
}

// The definition with the line `line` replaced by `text` (which may hold
// several lines, or none).
std::string Replaced(const std::string& definition, const std::string& line, const std::string& text)
{
    std::vector<std::string> lines = SplitLines(definition);
    auto at = std::find(lines.begin(), lines.end(), line);
    EXPECT_NE(at, lines.end()) << line;
    std::string out;
    for (auto l = lines.begin(); l != lines.end(); ++l)
        out += l == at ? (text.empty() ? text : text + "\n") : *l + "\n";
    return out;
}

// A small definition without a mistake: a frame with a caption and a close
// button, and one framed control.
const std::string CleanDefinition = R"([VERSION]
ver=3
skinname=Test
[PICTURES]
picture=frame.bmp
mask=mask.bmp
activepicturescount=2
0=buttons.bmp
1=controls.bmp
[FORMINFO]
lefttoppoint=20,25
righttoppoint=180,25
leftbottompoint=20,90
rightbottompoint=180,90
clientrect=5,22,195,95
buttonsrect=120,3,195,19
captionrect=3,1,196,20
buttonsoffset=1
borderwidth=4
formminwidth=120
stretchtype=stfull
inactiveeffect=iebrightness
[POPUPWINDOW]
windowpictureindex=-1
[HINTWINDOW]
windowpictureindex=-1
[SKINCOLORS]
cbtnface=16315891
[SKINOBJECTS]
count=2
0=caption:caption
1=closebutton:stdbutton
[caption]
skinrect=3,1,196,20
textrect=4,0,100,19
fontname=Arial
fontstyle=fsbold, fsitalic
alignment=taleftjustify
shadow=1
[closebutton]
activepictureindex=0
skinrectinapicture=1
skinrect=0,0,30,16
activeskinrect=30,0,60,16
downrect=60,0,90,16
command=cmclose
[SKINCONTROLS]
count=1
0=button:button
[button]
pictureindex=1
skinrect=0,0,60,24
lefttoppoint=4,4
righttoppoint=56,4
leftbottompoint=4,20
rightbottompoint=56,20
clientrect=3,3,57,21
)";

TEST(SkinCheck, ACleanDefinitionGivesNothing)
{
    EXPECT_EQ(Check(CleanDefinition), std::vector<std::string> {});
}

TEST(SkinCheck, EachMistakeGivesItsLine)
{
    const std::string text = R"([VERSION]
ver=3
skinnam=Test
[PICTURES]
picture=frame.bmp
inactivepicture=small.bmp
mask=missing.bmp
activepicturescount=3
0=buttons.bmp
1=controls.bmp
[FORMINFO]
lefttoppoint=20,25
righttoppoint=10,25
leftbottompoint=20,90
rightbottompoint=180,90
clientrect=5,22,250,95
bgpictureindex=5
stretchtype=stretch
captionrect=3,1,196
buttonsrect=120,3,195,19
buttonsoffset=2147483647
inactiveeffect=iegreyscale
maskrectarea=-4,3,196,97
[POPUPWINDOW]
windowpictureindex=0
lefttoppoint=5,5
righttoppoint=85,5
leftbottompoint=5,35
rightbottompoint=95,35
itemsrect=3,3,87,37
[HINTWINDOW]
windowpictureindex=-2
[SKINCOLORS]
cbtnface=blue
[SKINOBJECTS]
count=5
0=caption:caption
1=closebutton:stdbuton
2=maxbutton:stdbutton
3=sysmenu
4=minbutton:stdbutton
5=late:button
[caption]
skinrect=3,1,196,20
textrect=4,0,100,19
fontstyle=fsBold
alignment=taleft
fontcolour=255
shadow=yes
[closebutton]
skinrect=0,0,30,16
[minbutton]
activepictureindex=0
skinrectinapicture=1
skinrect=0,20,30,20
activeskinrect=30,0,95,16
downrect=60,16,90,0
command=cmminimise
hint=Minimize
hint=Again
[SKINCONTROLS]
count=1
0=button:button
[button]
pictureindex=1
skinrect=0,0,60,24
lefttoppoint=4,4
righttoppoint=56,4
leftbottompoint=4,20
rightbottompoint=58,20
clientrect=3,3,57,21
[orphan]
x=1
)";
    const std::vector<std::string> expected = {
        "skin.ini:3: warning: unknown key 'skinnam' in [VERSION] (did you mean 'skinname'?); it is not read",
        "skin.ini:6: error: the inactive frame picture small.bmp (100x50) differs in size from the frame picture frame.bmp "
        "(200x100): the frame is cut from both by the same rectangles",
        "skin.ini:7: error: the frame mask 'missing.bmp' cannot be used: no such file",
        "skin.ini:8: warning: activepicturescount is 3, but the last entry given is 1; the list holds 2 pictures",
        "skin.ini:13: error: righttoppoint 10,25 lies left of lefttoppoint 20,25: the top edge would run backwards",
        "skin.ini:16: error: clientrect 5,22,250,95 lies outside the frame picture frame.bmp (200x100)",
        "skin.ini:17: error: bgpictureindex 5 is past the picture list (2 active pictures, 0 to 1)",
        "skin.ini:18: warning: 'stretch' is not a stretch word (stfull, sthorz, stvert); stretchtype reads as sthorz",
        "skin.ini:19: error: '3,1,196' is not a rectangle: it has 3 of the four numbers left,top,right,bottom; the engine "
        "stops loading the skin here",
        "skin.ini:21: error: buttonsoffset 2147483647 is out of range (at most 1048576 either way): the engine's arithmetic "
        "with it would overflow",
        "skin.ini:22: warning: 'iegreyscale' is not an effect word (iebrightness, iedarkness, iegrayscale, ienoise, "
        "iesplitblur, ieinvert) (did you mean 'iegrayscale'?); inactiveeffect reads as iegrayscale",
        "skin.ini:23: warning: maskrectarea cannot hold negative numbers: the minus sign is dropped and '-4,3,196,97' reads "
        "as 4,3,196,97",
        "skin.ini:29: error: rightbottompoint 95,35 lies outside active picture 0 buttons.bmp (90x40)",
        "skin.ini:32: error: windowpictureindex -2 is not a picture index (-1 for none; 2 active pictures, 0 to 1)",
        "skin.ini:34: warning: 'blue' is not a colour number; cbtnface reads as -16777201",
        "skin.ini:38: warning: 'stdbuton' is not a type of [SKINOBJECTS] (menuitem, mainmenubaritem, stdbutton, "
        "mainmenubarbutton, button, caption, animate, userobject) (did you mean 'stdbutton'?); the entry is skipped",
        "skin.ini:39: warning: the section [maxbutton] does not exist; the stdbutton record keeps every default",
        "skin.ini:40: warning: entry 'sysmenu' names no type after a colon (section:type); it is skipped",
        "skin.ini:42: warning: entry 5 lies at or past count 5; it is not read",
        "skin.ini:46: warning: 'fsBold' is not a font style (fsbold, fsitalic, fsunderline, fsstrikeout); fontstyle reads "
        "as no style",
        "skin.ini:47: warning: 'taleft' is not an alignment (taleftjustify, tarightjustify, tacenter); alignment reads as "
        "tarightjustify",
        "skin.ini:48: warning: unknown key 'fontcolour' in [caption] (did you mean 'fontcolor'?); it is not read",
        "skin.ini:49: warning: 'yes' is not 0 or 1; shadow reads as 0 (off)",
        "skin.ini:50: warning: the section [closebutton] is listed in neither [SKINOBJECTS] nor [SKINCONTROLS]; nothing "
        "reads it",
        "skin.ini:55: error: skinrect 0,20,30,20 is empty: a piece cut from a picture needs width and height",
        "skin.ini:56: error: activeskinrect 30,0,95,16 lies outside active picture 0 buttons.bmp (90x40)",
        "skin.ini:57: error: downrect 60,16,90,0 is inverted: its bottom edge 0 lies above its top edge 16",
        "skin.ini:58: warning: 'cmminimise' is not a command word (cmclose, cmmaximize, cmminimize, cmsysmenu, cmdefault, "
        "cmrollup, cmminimizetotray) (did you mean 'cmminimize'?); command reads as cmminimizetotray",
        "skin.ini:60: warning: 'hint' is given again; the value on line 59 is the one read",
        "skin.ini:70: error: rightbottompoint 58,20 lies right of or below the bottom-right corner of clientrect 3,3,57,21",
        "skin.ini:72: warning: the section [orphan] is listed in neither [SKINOBJECTS] nor [SKINCONTROLS]; nothing reads it",
    };
    EXPECT_EQ(Check(text), expected);
}

TEST(SkinCheck, FontsMinimumWidthAndCoveredCaptionTextAreWarnings)
{
    auto onlyArial = [](const std::string& face) { return face == "Arial"; };
    std::string text = Replaced(CleanDefinition, "formminwidth=120", "formminwidth=30");
    text = Replaced(text, "textrect=4,0,100,19", "textrect=4,0,175,19");
    text = Replaced(text, "fontname=Arial", "fontname=Comic Sans");
    EXPECT_EQ(Check(text, onlyArial), (std::vector<std::string> {
        "skin.ini:20: warning: formminwidth 30 is narrower than the frame's fixed corners (40 pixels left of the left corner "
        "points and right of the right ones); they overlap at the minimum width",
        "skin.ini:35: warning: closebutton at 165,3,195,19 covers part of the caption text area 7,1,178,20 at the frame "
        "picture's own size (200x100)",
        "skin.ini:36: warning: the font 'Comic Sans' is not installed; the platform draws fontname's text in another face",
    }));
    // Without a way to ask for fonts, faces are not judged.
    EXPECT_EQ(Check(Replaced(CleanDefinition, "fontname=Arial", "fontname=Comic Sans")), std::vector<std::string> {});
}

TEST(SkinCheck, ImagesNeedTheirPictureAndAnimationFramesMustFitIt)
{
    std::string text = CleanDefinition + R"([later]
)";
    text = Replaced(text, "count=2", "count=3");
    text = Replaced(text, "1=closebutton:stdbutton", "1=closebutton:stdbutton\n2=spinner:animate");
    text = Replaced(text, "activepictureindex=0", "");  // the close button's
    text += R"([spinner]
activepictureindex=0
skinrectinapicture=1
skinrect=0,20,30,36
activeskinrect=0,0,30,16
countframes=4
)";
    EXPECT_EQ(Check(text), (std::vector<std::string> {
        "skin.ini:43: warning: skinrect is cut from an active picture, but activepictureindex is -1; the object has no image",
        "skin.ini:44: warning: activeskinrect is not shown: activepictureindex is -1, so the object has no active picture",
        "skin.ini:45: warning: downrect is not shown: activepictureindex is -1, so the object has no active picture",
        "skin.ini:58: warning: the section [later] is listed in neither [SKINOBJECTS] nor [SKINCONTROLS]; nothing reads it",
        "skin.ini:64: error: countframes 4 frames of 30 pixels from activeskinrect's left edge run to x 120, past active "
        "picture 0 buttons.bmp (90x40)",
    }));
}

// Numbers at the ends of 32 bits are found out of range before anything is
// computed with them (the sanitizers would stop the test at an overflow).
TEST(SkinCheck, HostileNumbersAreReportedNotComputedWith)
{
    const std::string text = R"([VERSION]
[PICTURES]
picture=frame.bmp
activepicturescount=1
0=buttons.bmp
[FORMINFO]
lefttoppoint=-2147483647,5
righttoppoint=2147483647,2147483647
clientrect=0,0,2147483647,2147483647
rightbottompoint=2147483648,1
buttonsoffset=-2147483648
formminwidth=2147483647
bgpictureindex=2147483647
[SKINOBJECTS]
count=2147483647
0=caption:caption
1=spin:animate
[caption]
skinrect=3,1,196,20
textrect=0,0,2147483647,19
fontheight=-2147483647
frameleftoffset=2147483647
animateinterval=2147483647
[spin]
activepictureindex=-2147483648
activeskinrect=2147483646,0,2147483647,16
countframes=2147483647
timerinterval=-2147483647
[SKINCONTROLS]
count=-2147483648
)";
    const std::string range = " is out of range (at most 1048576 either way): the engine's arithmetic with it would overflow";
    EXPECT_EQ(Check(text), (std::vector<std::string> {
        "skin.ini:7: warning: lefttoppoint cannot hold negative numbers: the minus sign is dropped and '-2147483647,5' reads as 2147483647,5",
        "skin.ini:7: error: lefttoppoint 2147483647,5" + range,
        "skin.ini:8: error: righttoppoint 2147483647,2147483647" + range,
        "skin.ini:9: error: clientrect 0,0,2147483647,2147483647" + range,
        "skin.ini:10: error: '2147483648,1' is not a point: '2147483648' is not a valid integer value; the engine stops loading the skin here",
        "skin.ini:11: error: buttonsoffset -2147483648" + range,
        "skin.ini:12: error: formminwidth 2147483647" + range,
        "skin.ini:13: error: bgpictureindex 2147483647 is past the picture list (1 active picture, 0)",
        "skin.ini:15: error: count 2147483647" + range,
        "skin.ini:20: error: textrect 0,0,2147483647,19" + range,
        "skin.ini:21: error: fontheight -2147483647" + range,
        "skin.ini:22: error: frameleftoffset 2147483647" + range,
        "skin.ini:23: error: animateinterval 2147483647" + range,
        "skin.ini:25: error: activepictureindex -2147483648 is not a picture index (-1 for none; 1 active picture, 0)",
        "skin.ini:26: error: activeskinrect 2147483646,0,2147483647,16" + range,
        "skin.ini:27: error: countframes 2147483647" + range,
        "skin.ini:28: error: timerinterval -2147483647" + range,
        "skin.ini:30: error: count -2147483648" + range,
    }));
}

TEST(SkinCheck, TheKeysKnownForEachRecordAreTheKeysItReads)
{
    // A record writes every key it reads; the check must know exactly those.
    auto written = [](auto record) {
        TMemIniFile ini;
        record->SaveToIni(ini);
        std::vector<std::string> keys;
        for (std::string_view key : ini.SectionKeys("s"))
            keys.emplace_back(key);
        return keys;
    };
    for (const char* word : { "menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton", "button", "caption", "animate", "userobject" })
        EXPECT_EQ(KnownRecordKeys(true, word), written(CreateSkinObject(word, "s"))) << word;
    for (const char* word : { "button", "menubutton", "checkradio", "panel", "expanel", "label", "stdlabel", "gauge", "trackbar",
             "splitter", "scrollbar", "updown", "edit", "memo", "spinedit", "listbox", "checklistbox", "combobox", "scrollbox",
             "controlbar", "mainmenubar", "tab", "grid", "treeview", "listview", "richedit", "slider", "bevel" })
        EXPECT_EQ(KnownRecordKeys(false, word), written(CreateSkinControl(word, "s"))) << word;
    EXPECT_TRUE(KnownRecordKeys(true, "stdbuton").empty());
    EXPECT_TRUE(KnownRecordKeys(false, "caption").empty());
}

TEST(SkinCheck, OurOwnSkinChecksClean)
{
    const std::string folder = VENTRO_SKIN_FOLDER "/";
    DefinitionPictureFiles pictures(folder, [](const std::string& path) { return ReadBmp(ReadWholeFile(path, 64u << 20)); });
    TMemIniFile ini;
    std::vector<uint8_t> bytes = ReadWholeFile(folder + "VentroSkin.ini", 16u << 20);
    ini.SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    std::vector<std::string> lines;
    for (const CheckFinding& f : CheckSkinDefinition(ini, pictures.Source()))
        lines.push_back(FormatFinding("VentroSkin.ini", f));
    EXPECT_EQ(lines, std::vector<std::string> {});
}

TEST(SkinCheck, ACompiledSkinIsCheckedAgainstThePicturesItCarries)
{
    SkinStreamContent content;
    content.Picture = BitmapFromPixels(PixelBuffer(200, 100));
    content.ActivePictures.push_back(BitmapFromPixels(PixelBuffer(90, 40)));
    TMemIniFile ini;
    ini.SetText(Replaced(CleanDefinition, "mask=mask.bmp", ""));  // two active pictures named, one carried
    std::vector<std::string> lines;
    for (const CheckFinding& f : CheckSkinDefinition(ini, StreamPictures(content)))
        lines.push_back(FormatFinding("my.skn", f));
    EXPECT_EQ(lines, (std::vector<std::string> {
        "my.skn:8: error: active picture 1 'controls.bmp' cannot be used: the skin holds no such picture",
    }));
}

TEST(SkinCheck, FolderPicturesAreReadOnceAndFailuresKeepTheirReason)
{
    int reads = 0;
    DefinitionPictureFiles pictures("dir/", [&](const std::string& path) -> Bitmap {
        ++reads;
        if (path == "dir/bad.bmp")
            throw EInvalidGraphic("dir/bad.bmp: not a bitmap");
        return BitmapFromPixels(PixelBuffer(3, 2));
    });
    PictureLookup good = pictures.Lookup(PictureSlot::Frame, 0, "good.bmp");
    EXPECT_EQ(good.Width, 3);
    EXPECT_EQ(good.Height, 2);
    EXPECT_TRUE(good.Failure.empty());
    EXPECT_EQ(pictures.Load("dir/good.bmp").Width(), 3);
    EXPECT_EQ(pictures.Lookup(PictureSlot::Active, 1, "bad.bmp").Failure, "dir/bad.bmp: not a bitmap");
    try {
        pictures.Load("dir/bad.bmp");
        ADD_FAILURE() << "a failed picture loads";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "dir/bad.bmp: not a bitmap");
    }
    EXPECT_EQ(reads, 2);
}

TEST(SkinCheck, FindingsReadLikeACompilersAndTellErrorsApart)
{
    CheckFinding warning { 12, FindingLevel::Warning, "caption", "alignment", "x" };
    CheckFinding whole { 0, FindingLevel::Error, "", "", "y" };
    EXPECT_EQ(FormatFinding("a/skin.ini", warning), "a/skin.ini:12: warning: x");
    EXPECT_EQ(FormatFinding("skin.ini", whole), "skin.ini: error: y");
    EXPECT_FALSE(HasErrors({ warning }));
    EXPECT_TRUE(HasErrors({ warning, whole }));
    // A text that is no skin definition says which sections it lacks.
    EXPECT_EQ(Check("[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n"), (std::vector<std::string> {
        "skin.ini: error: not a skin definition: the section [SKINCONTROLS] is missing, and the engine refuses the skin",
    }));
}

} // namespace
} // namespace ventro
