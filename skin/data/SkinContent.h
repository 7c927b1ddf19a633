// The loaded skin held by skin data: pictures, picture names, frame geometry,
// window frames, colours and the object and control record lists, with the
// reading of a definition into them and the lookups clients use.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/BmpFile.h"
#include "skin/data/IniFile.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SkinStream.h"
#include "skin/data/SkinWindows.h"

namespace ventro {

// Splits a record list entry at its first colon into section name and type
// word; without a colon both are empty.
void SplitTypeEntry(std::string_view entry, std::string& sectionName, std::string& typeWord);

class TlxSkinContent : public TlxSkinFormInfo {
public:
    TlxSkinContent() = default;
    TlxSkinContent(const TlxSkinContent&) = delete;
    TlxSkinContent& operator=(const TlxSkinContent&) = delete;
    virtual ~TlxSkinContent() = default;

    bool Empty = true;
    bool Changing = false;

    Bitmap Picture;
    Bitmap InActivePicture;
    Bitmap MaskPicture;
    std::string PictureName;
    std::string InActivePictureName;
    std::string MaskPictureName;
    std::vector<Bitmap> ActivePictures;
    std::vector<std::string> ActivePictureNames;

    std::vector<std::unique_ptr<TlxDataSkinObject>> ObjectList;
    std::vector<std::unique_ptr<TlxDataSkinControl>> ControlList;
    TlxDataSkinPopupWindow PopupWindow;
    TlxDataSkinHintWindow HintWindow;
    TlxSkinColors SkinColors;

    std::string SkinName;
    std::string SkinAuthor;
    std::string AuthorEMail;
    std::string AuthorURL;
    std::string SkinComments;

    int FindObjectIndex(std::string_view name) const;
    int FindControlIndex(std::string_view name) const;
    void ClearRecords();
    void ClearSkin();

    // Reads the definition sections in loading order into the members.
    void ReadDefinition(const TMemIniFile& ini);
    // Takes the pictures of a decoded skin stream and reads its definition
    // text. The caller has cleared the skin before.
    void LoadSkinStreamContent(SkinStreamContent&& content);
};

} // namespace ventro
