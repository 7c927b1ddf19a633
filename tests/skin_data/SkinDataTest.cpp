// The skin components: applying a stored skin with its messages and states,
// the three moments that load a skin, packed streams, the skin list and the
// resource strings.
#include <gtest/gtest.h>

#include "skin/data/ResourceStrings.h"
#include "skin/data/SkinComponents.h"
#include "skin/data/ZlibStream.h"
#include "tests/skin_data/TestHelpers.h"

namespace ventro {
namespace {

using namespace test;

struct Seen {
    uint32_t Message;
    bool Empty;
    bool Changing;
    size_t Objects;
};

class SkinDataTest : public ::testing::Test {
protected:
    SkinDataTest()
        : form(nullptr)
    {
        data = new TlxSkinData(&form);
        data->SetSkinMessageSink([this](TlxSkinData& sender, uint32_t message) {
            EXPECT_EQ(&sender, data);
            seen.push_back({ message, sender.Empty, sender.Changing, sender.ObjectList.size() });
        });
    }
    std::vector<uint32_t> Messages() const
    {
        std::vector<uint32_t> m;
        for (const Seen& s : seen)
            m.push_back(s.Message);
        return m;
    }
    static std::vector<uint8_t> Stream(int32_t version, const std::string& text, int32_t count = 1)
    {
        std::vector<uint8_t> s;
        PutI32(s, version);
        s.push_back(0);
        PutBytes(s, WriteBmp(SolidBitmap(20, 10, Rgb(1, 2, 3))));
        s.push_back(1);
        s.push_back(1);
        PutI32(s, count);
        for (int32_t i = 0; i < count; ++i)
            PutBytes(s, WriteBmp(SolidBitmap(4, 4, Rgb(9, 9, 9))));
        PutText(s, text);
        return s;
    }
    TlxCompressedStoredSkin* Stored(const std::vector<uint8_t>& stream)
    {
        auto* skin = new TlxCompressedStoredSkin(&form);
        skin->SetCompressedData(CompressBytes(stream));
        return skin;
    }

    TComponent form;
    TlxSkinData* data;
    std::vector<Seen> seen;
    const std::string definition = MinimalDefinition(
        "[HINTWINDOW]\r\nwindowpictureindex=0\r\n[SKINOBJECTS]\r\ncount=1\r\n0=caption:caption\r\n");
};

TEST_F(SkinDataTest, StartsEmptyWithItsPublishedDefaults)
{
    EXPECT_TRUE(data->Empty);
    EXPECT_FALSE(data->Changing);
    EXPECT_TRUE(data->SkinnableForm());
    EXPECT_TRUE(data->EnableSkinEffects);
    EXPECT_EQ(data->SkinIndex(), 0);
    EXPECT_EQ(data->BGPictureIndex, -1);
    EXPECT_EQ(data->MDIBGPictureIndex, -1);
    EXPECT_EQ(data->FormMinWidth, 0);
}

TEST_F(SkinDataTest, ApplyingAStoredSkinSendsTheThreeMessagesInOrder)
{
    data->SetCompressedStoredSkin(Stored(Stream(3, definition)));
    ASSERT_EQ(Messages(), (std::vector<uint32_t> { SKM_BEFORECHANGESKIN, SKM_CHANGESKIN, SKM_AFTERCHANGESKIN }));
    EXPECT_EQ(SKM_BEFORECHANGESKIN, 1225u);
    EXPECT_EQ(SKM_CHANGESKINNABLE, 1294u);
    EXPECT_TRUE(seen[0].Empty && seen[0].Changing);
    EXPECT_TRUE(!seen[1].Empty && seen[1].Changing);
    EXPECT_EQ(seen[1].Objects, 1u);
    EXPECT_TRUE(!seen[2].Empty && !seen[2].Changing);
    EXPECT_EQ(data->Picture.Width(), 20);
    EXPECT_TRUE(data->InActivePicture.IsEmpty());
    EXPECT_EQ(data->ActivePictures.size(), 1u);
    EXPECT_EQ(data->SkinName, "Test");
    EXPECT_EQ(data->HintWindow.WindowPictureIndex, 0);
}

TEST_F(SkinDataTest, AnotherSkinReplacesTheOldRecordsAfterTheFirstMessage)
{
    data->SetCompressedStoredSkin(Stored(Stream(3, definition)));
    seen.clear();
    data->ApplyStoredSkin(*Stored(Stream(3, MinimalDefinition())));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].Objects, 1u);  // the old records are still there for the first message
    EXPECT_EQ(seen[1].Objects, 0u);
    EXPECT_EQ(data->HintWindow.WindowPictureIndex, -1);
}

TEST_F(SkinDataTest, AnEmptyStoredSkinDoesNothing)
{
    data->SetCompressedStoredSkin(new TlxCompressedStoredSkin(&form));
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(data->Empty);
    EXPECT_NE(data->CompressedStoredSkin(), nullptr);
}

TEST_F(SkinDataTest, VersionFourEndsEmptyAndNotChangingAfterTheFirstMessageOnly)
{
    data->SetCompressedStoredSkin(Stored(Stream(4, definition)));
    EXPECT_EQ(Messages(), (std::vector<uint32_t> { SKM_BEFORECHANGESKIN }));
    EXPECT_TRUE(data->Empty);
    EXPECT_FALSE(data->Changing);
    EXPECT_TRUE(data->Picture.IsEmpty());
}

TEST_F(SkinDataTest, AFailedLoadThrowsAndLeavesNothingHalfLoaded)
{
    data->SetCompressedStoredSkin(Stored(Stream(3, definition)));
    seen.clear();
    auto* broken = Stored(Stream(3, MinimalDefinition("[FORMINFO]\r\nclientrect=1,2\r\n")));
    EXPECT_THROW(data->ApplyStoredSkin(*broken), EConvertError);
    EXPECT_EQ(Messages(), (std::vector<uint32_t> { SKM_BEFORECHANGESKIN }));
    EXPECT_TRUE(data->Empty);
    EXPECT_FALSE(data->Changing);
    EXPECT_TRUE(data->Picture.IsEmpty());
    EXPECT_TRUE(data->ActivePictures.empty());
    auto* garbage = new TlxCompressedStoredSkin(&form);
    garbage->SetCompressedData({ 1, 2, 3 });
    EXPECT_THROW(data->ApplyStoredSkin(*garbage), EDecompressionError);
    EXPECT_FALSE(data->Changing);
}

TEST_F(SkinDataTest, TheSkinListLoadsOnLinkAndOnAnAcceptedIndex)
{
    auto* list = new TlxCompressedSkinList(&form);
    for (int i = 0; i < 3; ++i)
        list->Skins.Add().StoredSkin().SetCompressedData(CompressBytes(Stream(3, MinimalDefinition("[VERSION]\r\nskinname=s" + std::to_string(i) + "\r\n"))));
    EXPECT_EQ(list->Skins.Items(2).Name, "lxSkin2");
    data->SetSkinList(list);
    EXPECT_EQ(data->SkinName, "s0");
    seen.clear();
    data->SetSkinIndex(3);  // beyond the items: ignored
    data->SetSkinIndex(-1);
    EXPECT_EQ(data->SkinIndex(), 0);
    EXPECT_TRUE(seen.empty());
    data->SetSkinIndex(2);
    EXPECT_EQ(data->SkinIndex(), 2);
    EXPECT_EQ(data->SkinName, "s2");
    EXPECT_EQ(list->Skins.Add().Name, "lxSkin3");
}

TEST_F(SkinDataTest, WithoutAListTheIndexIsJustStored)
{
    data->SetSkinIndex(7);
    EXPECT_EQ(data->SkinIndex(), 7);
    auto* list = new TlxCompressedSkinList(&form);
    list->Skins.Add().StoredSkin().SetCompressedData(CompressBytes(Stream(3, definition)));
    data->SetSkinList(list);  // index 7 is outside the list: nothing is applied
    EXPECT_TRUE(seen.empty());
}

TEST_F(SkinDataTest, LinksAreClearedWhenTheLinkedComponentGoesAway)
{
    auto* stored = Stored(Stream(3, definition));
    auto* strings = new TlxResourceStrData(&form);
    auto* list = new TlxCompressedSkinList(&form);
    data->SetCompressedStoredSkin(stored);
    data->SetResourceStrData(strings);
    data->SetSkinList(list);
    delete stored;
    delete strings;
    delete list;
    EXPECT_EQ(data->CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data->ResourceStrData(), nullptr);
    EXPECT_EQ(data->SkinList(), nullptr);
}

TEST_F(SkinDataTest, SkinnableAndResourceChangesAreAnnounced)
{
    data->SetSkinnableForm(true);
    EXPECT_TRUE(seen.empty());
    data->SetSkinnableForm(false);
    data->BeginReading();
    data->SetSkinnableForm(true);  // while the form is read: stored silently
    data->SetResourceStrData(nullptr);  // announced even while reading
    data->Loaded();
    EXPECT_EQ(Messages(), (std::vector<uint32_t> { SKM_CHANGESKINNABLE, SKM_CHANGERESSTRDATA }));
    EXPECT_TRUE(data->SkinnableForm());
}

TEST(StoredSkin, PackedStreamsKeepTheBytesAndRefuseBadHeaders)
{
    TlxCompressedStoredSkin skin(nullptr);
    EXPECT_TRUE(skin.IsEmpty());
    std::vector<uint8_t> data = CompressBytes(std::vector<uint8_t>(1000, 7));
    skin.SetCompressedData(data);
    TMemoryStream packed;
    skin.SavePackedStream(packed);
    TlxCompressedStoredSkin copy(nullptr);
    copy.LoadPackedStream(packed);
    EXPECT_EQ(copy.CompressedData(), data);
    TMemoryStream again;
    copy.SavePackedStream(again);
    EXPECT_EQ(again.Bytes(), packed.Bytes());

    auto bytes = packed.Bytes();
    bytes[0] = 4;
    TMemoryStream v4(bytes);
    copy.LoadPackedStream(v4);
    EXPECT_TRUE(copy.IsEmpty());
    bytes = packed.Bytes();
    bytes[5] = 0x7F;  // a size far beyond the bytes there
    TMemoryStream big(bytes);
    copy.SetCompressedData(data);
    copy.LoadPackedStream(big);
    EXPECT_TRUE(copy.IsEmpty());

    TMemoryStream unpacked;
    skin.UnpackTo(unpacked);
    EXPECT_EQ(unpacked.Bytes(), std::vector<uint8_t>(1000, 7));
}

TEST(StoredSkin, ListItemsCarryTheirSkinInPackedForm)
{
    TlxCompressedSkinList list(nullptr);
    TlxSkinListItem& item = list.Skins.Add();
    EXPECT_EQ(item.DisplayName(), "lxSkin0");
    auto data = CompressBytes(std::vector<uint8_t>(10, 1));
    item.StoredSkin().SetCompressedData(data);
    auto packed = item.SkinProperty();
    EXPECT_EQ(packed.size(), data.size() + 8);
    TlxSkinListItem& other = list.Skins.Add();
    other.SetSkinProperty(packed);
    EXPECT_EQ(other.StoredSkin().CompressedData(), data);
    EXPECT_TRUE(list.Skins.Add().SkinProperty().size() == 8);  // always written, even empty
}

TEST(StoredSkin, AnEmptySkinPackedAndReloadedStaysEmpty)
{
    // A size field of 0 copies no bytes: neither the header nor anything after it.
    TlxCompressedStoredSkin empty(nullptr);
    TMemoryStream packed;
    empty.SavePackedStream(packed);
    packed.WriteInt32(0x12345678);  // bytes behind the packed skin are not part of it
    TlxCompressedStoredSkin reloaded(nullptr);
    reloaded.SetCompressedData(CompressBytes(std::vector<uint8_t>(5, 1)));
    reloaded.LoadPackedStream(packed);
    EXPECT_TRUE(reloaded.IsEmpty());

    TlxCompressedSkinList list(nullptr);
    TlxSkinListItem& item = list.Skins.Add();
    list.Skins.Add().SetSkinProperty(item.SkinProperty());
    EXPECT_TRUE(list.Skins.Items(1).StoredSkin().IsEmpty());

    TMemoryStream source(std::vector<uint8_t> { 1, 2, 3 }), target;
    EXPECT_EQ(target.CopyFrom(source, 0), 0);
    EXPECT_TRUE(target.Bytes().empty());
}

TEST(ResourceStrData, HoldsTheHundredAndTwentyDefaultLines)
{
    TlxResourceStrData strings(nullptr);
    ASSERT_EQ(strings.ResStrings.size(), 120u);
    EXPECT_EQ(strings.ResStrings.front(), "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(strings.ResStrings[11], "MENUBUTTON_HINT=System menu");
    EXPECT_EQ(strings.ResStrings.back(), "CUSTOMCOLOR=Custom...");
    EXPECT_EQ(strings.ResStrings[117], "MORECOLORS=More colors...");
    EXPECT_EQ(strings.CharSet, 1);
    EXPECT_EQ(strings.GetResString("mi_closecaption"), "&Close");
    EXPECT_EQ(strings.GetResString("NOSUCHKEY"), "");
    strings.ResStrings = { "A=x=y", "a=second" };
    EXPECT_EQ(strings.GetResString("A"), "x=y");
}

} // namespace
} // namespace ventro
