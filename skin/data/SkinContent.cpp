// The loaded skin held by skin data.
#include "skin/data/SkinContent.h"

#include "skin/data/SkinValues.h"

namespace ventro {

void SplitTypeEntry(std::string_view entry, std::string& sectionName, std::string& typeWord)
{
    size_t colon = entry.find(':');
    if (colon == std::string_view::npos) {
        sectionName.clear();
        typeWord.clear();
        return;
    }
    sectionName = std::string(entry.substr(0, colon));
    typeWord = std::string(entry.substr(colon + 1));
}

namespace {

template <class Record, class Factory>
void ReadRecordList(const TMemIniFile& ini, const char* section, std::vector<std::unique_ptr<Record>>& list, Factory create)
{
    for (int32_t i : ReadListIndexes(ini, section, "count")) {
        std::string name, type;
        SplitTypeEntry(ini.ReadString(section, std::to_string(i), ""), name, type);
        if (type.empty())
            continue;
        std::unique_ptr<Record> record = create(type, name);
        if (!record)
            continue;
        list.push_back(std::move(record));
        list.back()->LoadFromIni(ini);
    }
}

template <class List>
int FindBySection(const List& list, std::string_view name)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i]->SectionName == name)
            return int(i);
    return -1;
}

} // namespace

int TlxSkinContent::FindObjectIndex(std::string_view name) const { return FindBySection(ObjectList, name); }
int TlxSkinContent::FindControlIndex(std::string_view name) const { return FindBySection(ControlList, name); }

void TlxSkinContent::ClearRecords()
{
    ObjectList.clear();
    ControlList.clear();
    ActivePictures.clear();
    PopupWindow.WindowPictureIndex = -1;
    HintWindow.WindowPictureIndex = -1;
    ActivePictureNames.clear();
    SkinColors.SetColorsToDefault();
}

void TlxSkinContent::ClearSkin()
{
    ClearRecords();
    Picture = Bitmap {};
    InActivePicture = Bitmap {};
    MaskPicture = Bitmap {};
    PictureName.clear();
    MaskPictureName.clear();
    Empty = true;
}

void TlxSkinContent::ReadDefinition(const TMemIniFile& ini)
{
    SkinName = ini.ReadString("VERSION", "skinname", "");
    SkinAuthor = ini.ReadString("VERSION", "skinauthor", "");
    AuthorEMail = ini.ReadString("VERSION", "authoremail", "");
    AuthorURL = ini.ReadString("VERSION", "authorurl", "");
    SkinComments = ini.ReadString("VERSION", "skincomments", "");

    PictureName = ini.ReadString("PICTURES", "picture", "");
    InActivePictureName = ini.ReadString("PICTURES", "inactivepicture", "");
    MaskPictureName = ini.ReadString("PICTURES", "mask", "");
    for (std::string& name : ReadNumberedList(ini, "PICTURES", "activepictures"))
        ActivePictureNames.push_back(std::move(name));

    ReadFormInfo(ini, !MaskPictureName.empty());
    PopupWindow.LoadFromIni(ini);
    HintWindow.LoadFromIni(ini);
    SkinColors.LoadFromIni(ini);

    ReadRecordList(ini, "SKINOBJECTS", ObjectList, [](const std::string& type, const std::string& name) { return CreateSkinObject(type, name); });
    ReadRecordList(ini, "SKINCONTROLS", ControlList, [](const std::string& type, const std::string& name) { return CreateSkinControl(type, name); });
}

void TlxSkinContent::LoadSkinStreamContent(SkinStreamContent&& content)
{
    Picture = std::move(content.Picture);
    InActivePicture = std::move(content.InActivePicture);
    MaskPicture = std::move(content.MaskPicture);
    for (Bitmap& bmp : content.ActivePictures)
        ActivePictures.push_back(std::move(bmp));
    TMemIniFile ini;
    ini.SetText(content.DefinitionText);
    ReadDefinition(ini);
}

} // namespace ventro
