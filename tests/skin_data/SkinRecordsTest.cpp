// Reading a definition into skin content: record lists, the object and
// control records' defaults and special rules, and the frame adjustments.
#include <gtest/gtest.h>

#include "skin/data/SkinContent.h"
#include "tests/skin_data/TestHelpers.h"

namespace ventro {
namespace {

std::unique_ptr<TlxSkinContent> Load(const std::string& text)
{
    auto skin = std::make_unique<TlxSkinContent>();
    skin->ReadDefinition(TMemIniFile(SplitLines(text)));
    return skin;
}

template <class T, class L>
const T* As(const L& list, int index)
{
    return index < 0 ? nullptr : dynamic_cast<const T*>(list[size_t(index)].get());
}

TEST(SkinRecords, ACountOfZeroOrNoneGivesEmptyLists)
{
    auto skin = Load("[SKINOBJECTS]\ncount=0\n0=caption:caption\n[SKINCONTROLS]\n0=x:button");
    EXPECT_TRUE(skin->ObjectList.empty());
    EXPECT_TRUE(skin->ControlList.empty());
    EXPECT_EQ(skin->FindObjectIndex("caption"), -1);
    EXPECT_EQ(skin->FindControlIndex("x"), -1);
}

TEST(SkinRecords, EntriesWithoutAColonOrWithUnknownWordsAreSkipped)
{
    auto skin = Load("[SKINOBJECTS]\ncount=5\n0=nocolon\n1=a:sometype\n2=b:caption\n3=:menuitem\n4=c:\n");
    ASSERT_EQ(skin->ObjectList.size(), 2u);
    EXPECT_EQ(skin->ObjectList[0]->SectionName, "b");
    EXPECT_STREQ(skin->ObjectList[0]->ClassName(), "TlxDataSkinCaption");
    EXPECT_EQ(skin->ObjectList[1]->SectionName, "");
    EXPECT_STREQ(skin->ObjectList[1]->ClassName(), "TlxDataSkinMenuItem");
    std::string name, type;
    SplitTypeEntry("x:y:z", name, type);
    EXPECT_EQ(name, "x");
    EXPECT_EQ(type, "y:z");
}

TEST(SkinRecords, AHugeCountStopsAtTheHighestEntryPresent)
{
    auto skin = Load("[SKINCONTROLS]\ncount=2147483647\n0=a:bevel\n1=b:slider\n");
    EXPECT_EQ(skin->ControlList.size(), 2u);
    // One far index key does not make the reader walk every index before it.
    auto far = Load("[SKINCONTROLS]\ncount=2147483647\n2147483646=z:bevel\n[PICTURES]\nactivepicturescount=2147483647\n2000000000=x.bmp\n");
    ASSERT_EQ(far->ControlList.size(), 1u);
    EXPECT_EQ(far->ControlList[0]->SectionName, "z");
    EXPECT_EQ(far->ActivePictureNames.size(), size_t(MaxNumberedListEntries));
}

TEST(SkinRecords, ObjectTypeWordsSelectTheirClasses)
{
    auto skin = Load("[SKINOBJECTS]\ncount=8\n0=a:menuitem\n1=b:mainmenubaritem\n2=c:stdbutton\n3=d:mainmenubarbutton\n"
                     "4=e:button\n5=f:caption\n6=g:animate\n7=h:userobject\n");
    std::vector<std::string> classes;
    for (const auto& r : skin->ObjectList)
        classes.push_back(r->ClassName());
    EXPECT_EQ(classes, (std::vector<std::string> { "TlxDataSkinMenuItem", "TlxDataSkinMainMenuBarItem", "TlxDataSkinStdButton",
                           "TlxDataSkinMainMenuBarButton", "TlxDataSkinButton", "TlxDataSkinCaption", "TlxDataSkinAnimate", "TlxDataUserObject" }));
    EXPECT_NE(As<TlxDataSkinMainMenuItem>(skin->ObjectList, 1), nullptr);
    EXPECT_NE(As<TlxDataSkinStdButton>(skin->ObjectList, 3), nullptr);
}

TEST(SkinRecords, ObjectKeysAndTheirDefaults)
{
    auto skin = Load("[SKINOBJECTS]\ncount=4\n0=close:stdbutton\n1=anim:animate\n2=user:userobject\n3=cap:caption\n"
                     "[close]\nskinrect=-5,3,158,27\nmorphing=1\nmorphkind=mkpush\ncommand=cmclose\ndisableskinrsect=1,2,3,4\nhint=Close\n"
                     "[anim]\nmorphing=1\ncommand=cmbogus\n"
                     "[user]\nskinrect=1,1,2,2\nactivepictureindex=4\nhint=no\n"
                     "[cap]\nfontstyle=fsBold\nalignment=taright\n");
    auto* close = As<TlxDataSkinStdButton>(skin->ObjectList, skin->FindObjectIndex("close"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->SkinRect, MakeRect(5, 3, 158, 27));
    EXPECT_TRUE(close->Morphing);
    EXPECT_EQ(close->MorphKind, TlxMorphKind::mkPush);
    EXPECT_EQ(close->Command, TlxStdCommand::cmClose);
    EXPECT_EQ(close->DisableSkinRsect, MakeRect(1, 2, 3, 4));
    EXPECT_EQ(close->Hint, "Close");
    EXPECT_EQ(close->ActivePictureIndex, -1);

    auto* anim = As<TlxDataSkinAnimate>(skin->ObjectList, 1);
    ASSERT_NE(anim, nullptr);
    EXPECT_FALSE(anim->Morphing);
    EXPECT_EQ(anim->TimerInterval, 50);
    EXPECT_EQ(anim->CountFrames, 1);
    EXPECT_EQ(anim->Command, TlxStdCommand::cmMinimizeToTray);

    auto* user = As<TlxDataUserObject>(skin->ObjectList, 2);
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->SkinRect, MakeRect(1, 1, 2, 2));
    EXPECT_EQ(user->ActivePictureIndex, -1);
    EXPECT_EQ(user->Hint, "");

    auto* cap = As<TlxDataSkinCaption>(skin->ObjectList, 3);
    ASSERT_NE(cap, nullptr);
    EXPECT_EQ(cap->FontStyle.Bits, 0);
    EXPECT_EQ(cap->Alignment, TAlignment::taRightJustify);
    EXPECT_EQ(cap->FontName, "Arial");
    EXPECT_EQ(cap->FontHeight, 14);
    EXPECT_EQ(cap->AnimateInterval, 25);
}

TEST(SkinRecords, ControlDefaultsAndSpecialRules)
{
    auto skin = Load("[SKINCONTROLS]\ncount=6\n0=vupdown:updown\n1=lb:listbox\n2=sl:stdlabel\n3=cb:controlbar\n4=myctl:button\n5=tab:tab\n"
                     "[vupdown]\nlefttoppoint=5,5\nrightbottompoint=9,9\nclientrect=1,1,8,8\nupbuttonrect=1,2,3,4\n"
                     "[cb]\nitemoffset2=7\n");
    auto* updown = As<TlxDataSkinUpDownControl>(skin->ControlList, skin->FindControlIndex("vupdown"));
    ASSERT_NE(updown, nullptr);
    EXPECT_EQ(updown->LeftTopPoint, Point {});
    EXPECT_EQ(updown->RightBottomPoint, Point {});
    EXPECT_EQ(updown->ClientRect, Rect {});
    EXPECT_EQ(updown->UpButtonRect, MakeRect(1, 2, 3, 4));

    auto* lb = As<TlxDataSkinListBox>(skin->ControlList, 1);
    ASSERT_NE(lb, nullptr);
    EXPECT_EQ(lb->VScrollbarName, "vscrollbar");
    EXPECT_EQ(lb->HScrollbarName, "hscrollbar");
    EXPECT_EQ(lb->BothHScrollbarName, "bothhscrollbar");
    EXPECT_EQ(lb->CaptionFontName, "Arial");

    auto* sl = As<TlxDataSkinStdLabelControl>(skin->ControlList, 2);
    ASSERT_NE(sl, nullptr);
    EXPECT_EQ(sl->ActiveFontColor, Color(16711680));
    EXPECT_EQ(sl->FontColor, Color(0));

    auto* cb = As<TlxDataSkinControlBar>(skin->ControlList, 3);
    ASSERT_NE(cb, nullptr);
    EXPECT_EQ(cb->ItemOffset1, 3);
    EXPECT_EQ(cb->ItemOffset2, 7);
    EXPECT_EQ(cb->BgPictureIndex, -1);

    auto* button = As<TlxDataSkinButtonControl>(skin->ControlList, skin->FindControlIndex("myctl"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->AnimateInterval, 25);
    EXPECT_EQ(button->PictureIndex, -1);
    EXPECT_EQ(button->MaskPictureIndex, -1);
    EXPECT_EQ(skin->FindControlIndex("MYCTL"), -1);

    auto* tab = As<TlxDataSkinTabControl>(skin->ControlList, 5);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->StretchType, TlxStretchType::stFull);
}

TEST(SkinRecords, DuplicateSectionNamesAreKeptAndTheFirstIsFound)
{
    auto skin = Load("[SKINCONTROLS]\ncount=2\n0=same:bevel\n1=same:slider\n");
    ASSERT_EQ(skin->ControlList.size(), 2u);
    EXPECT_EQ(skin->FindControlIndex("same"), 0);
}

TEST(SkinRecords, EveryControlClassWritesWhatItReads)
{
    const char* words[] = { "button", "menubutton", "checkradio", "panel", "expanel", "label", "stdlabel", "gauge", "trackbar",
        "splitter", "scrollbar", "updown", "edit", "memo", "spinedit", "listbox", "checklistbox", "combobox", "scrollbox",
        "controlbar", "mainmenubar", "tab", "grid", "treeview", "listview", "richedit", "slider", "bevel" };
    for (const char* word : words) {
        auto record = CreateSkinControl(word, "sec");
        ASSERT_NE(record, nullptr) << word;
        // Give every key a value different from its default, read it back.
        TMemIniFile source;
        record->SaveToIni(source);
        TMemIniFile changed;
        for (const std::string& key : source.ReadSection("sec")) {
            std::string v = source.ReadString("sec", key, "");
            if (v.find(',') != std::string::npos)
                v = std::count(v.begin(), v.end(), ',') == 3 ? "1,2,3,4" : "5,6";
            else if (v == "0" || v == "-1" || v == "14" || v == "3" || v == "25")
                v = "1";
            changed.WriteString("sec", key, v);
        }
        auto reread = CreateSkinControl(word, "sec");
        reread->LoadFromIni(changed);
        TMemIniFile written;
        reread->SaveToIni(written);
        for (const std::string& key : changed.ReadSection("sec")) {
            bool zeroedByUpDown = std::string(word) == "updown" && (key.find("point") != std::string::npos || key == "clientrect");
            if (!zeroedByUpDown) {
                EXPECT_EQ(written.ReadString("sec", key, "?"), changed.ReadString("sec", key, "!")) << word << "." << key;
            }
        }
        EXPECT_STREQ(reread->ClassName(), record->ClassName());
    }
    EXPECT_EQ(CreateSkinControl("Button", "x"), nullptr);
}

TEST(SkinRecords, TheMaskAreaDefaultsToTheClientRectAndHitTestPointsToTheCorners)
{
    auto skin = Load("[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=7,27,371,112\nmaskrectarea=0,0,0,0\n"
                     "lefttoppoint=8,30\nrighttoppoint=368,30\nleftbottompoint=8,110\nrightbottompoint=368,109\nhittestrighttoppoint=360,0\n");
    EXPECT_EQ(skin->MaskRectArea, MakeRect(7, 27, 371, 112));
    EXPECT_EQ(skin->HitTestLeftTopPoint, (Point { 8, 30 }));
    EXPECT_EQ(skin->HitTestRightTopPoint, (Point { 368, 30 }));  // a zero y counts as unset
    auto widened = Load("[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=7,27,371,112\nmaskrectarea=10,3,300,116\n");
    EXPECT_EQ(widened->MaskRectArea, MakeRect(7, 3, 371, 116));
    auto noMask = Load("[FORMINFO]\nclientrect=7,27,371,112\nlefttoppoint=8,30\n");
    EXPECT_EQ(noMask->MaskRectArea, Rect {});
    EXPECT_EQ(noMask->HitTestLeftTopPoint, Point {});
}

TEST(SkinRecords, CornerPointsArePulledIntoTheClientRect)
{
    auto skin = Load("[FORMINFO]\nclientrect=7,27,371,112\nlefttoppoint=2,3\nrighttoppoint=375,4\nleftbottompoint=1,118\nrightbottompoint=377,118\n");
    EXPECT_EQ(skin->LeftTopPoint, (Point { 7, 27 }));
    EXPECT_EQ(skin->RightTopPoint, (Point { 371, 27 }));
    EXPECT_EQ(skin->LeftBottomPoint, (Point { 7, 112 }));
    EXPECT_EQ(skin->RightBottomPoint, (Point { 371, 112 }));
    // With the right-bottom and left-top points sharing a coordinate nothing moves.
    auto same = Load("[FORMINFO]\nclientrect=7,27,371,112\nlefttoppoint=2,3\nrightbottompoint=2,118\n");
    EXPECT_EQ(same->LeftTopPoint, (Point { 2, 3 }));
}

TEST(SkinRecords, WindowRecordsColoursAndVersionTexts)
{
    TlxSkinContent fresh;
    EXPECT_EQ(fresh.HintWindow.FontHeight, 12);
    EXPECT_EQ(fresh.HintWindow.WindowPictureIndex, -1);
    EXPECT_EQ(fresh.SkinColors.cBtnFace, 0u);
    auto skin = Load("[VERSION]\nskinname=N\nauthorurl=u\nver=9\n[HINTWINDOW]\nwindowpictureindex=3\n[SKINCOLORS]\ncwindow=255\n"
                     "[FORMINFO]\ninactiveeffect=bogus\n");
    EXPECT_EQ(skin->SkinName, "N");
    EXPECT_EQ(skin->AuthorURL, "u");
    EXPECT_EQ(skin->HintWindow.WindowPictureIndex, 3);
    EXPECT_EQ(skin->HintWindow.FontHeight, 14);
    EXPECT_EQ(skin->HintWindow.FontName, "Arial");
    EXPECT_EQ(skin->SkinColors.cWindow, 255u);
    EXPECT_EQ(skin->SkinColors.cBtnFace, 0xFF00000Fu);
    EXPECT_EQ(skin->InActiveEffect, TlxInActiveEffect::ieGrayScale);
    EXPECT_EQ(Load("")->InActiveEffect, TlxInActiveEffect::ieBrightness);
    skin->ClearRecords();
    EXPECT_EQ(skin->HintWindow.WindowPictureIndex, -1);
    EXPECT_EQ(skin->SkinColors.cWindow, 0xFF000005u);
}

TEST(SkinRecords, APresentButEmptyRectangleIsAnError)
{
    EXPECT_THROW(Load("[SKINOBJECTS]\ncount=1\n0=c:caption\n[c]\nskinrect=\n"), EConvertError);
    EXPECT_THROW(Load("[FORMINFO]\nclientrect=1,2,3\n"), EConvertError);
}

} // namespace
} // namespace ventro
