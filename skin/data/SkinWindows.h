// The frame geometry of "FORMINFO", the popup-menu and hint window frames of
// "POPUPWINDOW" and "HINTWINDOW", and the colour set of "SKINCOLORS".
#pragma once
#include <span>
#include <string>

#include "skin/data/SkinValues.h"

namespace ventro {

// The frame geometry members of the skin data, as read from "FORMINFO".
struct TlxSkinFormInfo {
    Point LeftTopPoint = {};
    Point RightTopPoint = {};
    Point LeftBottomPoint = {};
    Point RightBottomPoint = {};
    Rect ClientRect = {};
    int32_t BGPictureIndex = -1;
    int32_t MDIBGPictureIndex = -1;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TlxStretchType StretchType = TlxStretchType::stFull;
    bool MDIBGStretchEffect = false;
    TlxStretchType MDIBGStretchType = TlxStretchType::stFull;
    Rect MaskRectArea = {};
    Point HitTestLeftTopPoint = {};
    Point HitTestRightTopPoint = {};
    Point HitTestLeftBottomPoint = {};
    Point HitTestRightBottomPoint = {};
    Rect ButtonsRect = {};
    Rect CaptionRect = {};
    int32_t ButtonsOffset = 0;
    bool ButtonsInLeft = false;
    bool MainMenuPopupUp = false;
    int32_t BorderWidth = 0;
    int32_t FormMinWidth = 0;
    bool MDITabsTransparent = false;
    bool MainMenuBarTransparent = false;
    bool AutoRenderingInActiveImage = false;
    TlxInActiveEffect InActiveEffect = TlxInActiveEffect::ieBrightness;

    static std::span<const FieldSpec<TlxSkinFormInfo>> Fields();
    // Reads "FORMINFO" and adjusts the result; hasMask says whether the skin
    // has a frame mask (a non-empty mask picture name).
    void ReadFormInfo(const TMemIniFile& ini, bool hasMask);
};

class TlxDataSkinPopupWindow {
public:
    int32_t WindowPictureIndex = -1;
    int32_t MaskPictureIndex = -1;
    Point LeftTopPoint = {};
    Point RightTopPoint = {};
    Point LeftBottomPoint = {};
    Point RightBottomPoint = {};
    Rect ItemsRect = {};
    Color ScrollMarkerColor = 0;
    Color ScrollMarkerActiveColor = 0;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TlxStretchType StretchType = TlxStretchType::stFull;

    static std::span<const FieldSpec<TlxDataSkinPopupWindow>> Fields();
    void LoadFromIni(const TMemIniFile& ini, std::string_view section = "POPUPWINDOW");
};

class TlxDataSkinHintWindow {
public:
    int32_t WindowPictureIndex = -1;
    int32_t MaskPictureIndex = -1;
    Point LeftTopPoint = {};
    Point RightTopPoint = {};
    Point LeftBottomPoint = {};
    Point RightBottomPoint = {};
    Rect ClientRect = {};
    std::string FontName = "Arial";
    int32_t FontHeight = 12;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TlxStretchType StretchType = TlxStretchType::stFull;

    static std::span<const FieldSpec<TlxDataSkinHintWindow>> Fields();
    void LoadFromIni(const TMemIniFile& ini, std::string_view section = "HINTWINDOW");
};

// The colours skinned controls use in place of the system colours.
class TlxSkinColors {
public:
    Color cBtnFace = 0;
    Color cBtnText = 0;
    Color cWindow = 0;
    Color cWindowText = 0;
    Color cHighLight = 0;
    Color cHighLightText = 0;
    Color cBtnHighLight = 0;
    Color cBtnShadow = 0;

    static std::span<const FieldSpec<TlxSkinColors>> Fields();
    void SetColorsToDefault();
    void LoadFromIni(const TMemIniFile& ini, std::string_view section = "SKINCOLORS");
};

} // namespace ventro
