// The frame geometry, window frame and colour records of a skin definition.
#include "skin/data/SkinWindows.h"

#include <algorithm>

namespace ventro {

std::span<const FieldSpec<TlxSkinFormInfo>> TlxSkinFormInfo::Fields()
{
    static const FieldSpec<TlxSkinFormInfo> fields[] = {
        { "lefttoppoint", &TlxSkinFormInfo::LeftTopPoint },
        { "righttoppoint", &TlxSkinFormInfo::RightTopPoint },
        { "leftbottompoint", &TlxSkinFormInfo::LeftBottomPoint },
        { "rightbottompoint", &TlxSkinFormInfo::RightBottomPoint },
        { "clientrect", &TlxSkinFormInfo::ClientRect },
        { "bgpictureindex", &TlxSkinFormInfo::BGPictureIndex, "-1" },
        { "mdibgpictureindex", &TlxSkinFormInfo::MDIBGPictureIndex, "-1" },
        { "leftstretch", &TlxSkinFormInfo::LeftStretch },
        { "rightstretch", &TlxSkinFormInfo::RightStretch },
        { "topstretch", &TlxSkinFormInfo::TopStretch },
        { "bottomstretch", &TlxSkinFormInfo::BottomStretch },
        { "stretcheffect", &TlxSkinFormInfo::StretchEffect },
        { "stretchtype", &TlxSkinFormInfo::StretchType },
        { "mdibgstretcheffect", &TlxSkinFormInfo::MDIBGStretchEffect },
        { "mdibgstretchtype", &TlxSkinFormInfo::MDIBGStretchType },
        { "maskrectarea", &TlxSkinFormInfo::MaskRectArea },
        { "hittestlefttoppoint", &TlxSkinFormInfo::HitTestLeftTopPoint },
        { "hittestrighttoppoint", &TlxSkinFormInfo::HitTestRightTopPoint },
        { "hittestleftbottompoint", &TlxSkinFormInfo::HitTestLeftBottomPoint },
        { "hittestrightbottompoint", &TlxSkinFormInfo::HitTestRightBottomPoint },
        { "buttonsrect", &TlxSkinFormInfo::ButtonsRect },
        { "captionrect", &TlxSkinFormInfo::CaptionRect },
        { "buttonsoffset", &TlxSkinFormInfo::ButtonsOffset },
        { "buttonsinleft", &TlxSkinFormInfo::ButtonsInLeft },
        { "mainmenupopupup", &TlxSkinFormInfo::MainMenuPopupUp },
        { "borderwidth", &TlxSkinFormInfo::BorderWidth },
        { "formminwidth", &TlxSkinFormInfo::FormMinWidth },
        { "mditabstransparent", &TlxSkinFormInfo::MDITabsTransparent },
        { "mainmenubartransparent", &TlxSkinFormInfo::MainMenuBarTransparent },
        { "autorenderinginactiveimage", &TlxSkinFormInfo::AutoRenderingInActiveImage },
        { "inactiveeffect", &TlxSkinFormInfo::InActiveEffect },
    };
    return fields;
}

namespace {
bool IsZeroPoint(Point p) { return p.X == 0 || p.Y == 0; }
bool IsEmptyRect(const Rect& r) { return r.Width() <= 0 || r.Height() <= 0; }
}

void TlxSkinFormInfo::ReadFormInfo(const TMemIniFile& ini, bool hasMask)
{
    const char* section = "FORMINFO";
    for (const FieldSpec<TlxSkinFormInfo>& f : Fields()) {
        std::visit([&](auto member) { ReadFieldValue(ini, section, f.Key, f.Default, this->*member); }, f.Member);
        // The mask area and the hit-test corners are settled right after the
        // last hit-test point is read.
        if (hasMask && std::string_view(f.Key) == "hittestrightbottompoint") {
            if (IsEmptyRect(MaskRectArea)) {
                MaskRectArea = ClientRect;
            } else {
                MaskRectArea.Left = std::min(MaskRectArea.Left, ClientRect.Left);
                MaskRectArea.Top = std::min(MaskRectArea.Top, ClientRect.Top);
                MaskRectArea.Right = std::max(MaskRectArea.Right, ClientRect.Right);
                MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, ClientRect.Bottom);
            }
            if (IsZeroPoint(HitTestLeftTopPoint))
                HitTestLeftTopPoint = LeftTopPoint;
            if (IsZeroPoint(HitTestRightTopPoint))
                HitTestRightTopPoint = RightTopPoint;
            if (IsZeroPoint(HitTestLeftBottomPoint))
                HitTestLeftBottomPoint = LeftBottomPoint;
            if (IsZeroPoint(HitTestRightBottomPoint))
                HitTestRightBottomPoint = RightBottomPoint;
        }
    }
    if (RightBottomPoint.X == LeftTopPoint.X || RightBottomPoint.Y == LeftTopPoint.Y)
        return;
    const Rect& c = ClientRect;
    LeftTopPoint.X = std::max(LeftTopPoint.X, c.Left);
    LeftTopPoint.Y = std::max(LeftTopPoint.Y, c.Top);
    RightTopPoint.X = std::min(RightTopPoint.X, c.Right);
    RightTopPoint.Y = std::max(RightTopPoint.Y, c.Top);
    LeftBottomPoint.X = std::max(LeftBottomPoint.X, c.Left);
    LeftBottomPoint.Y = std::min(LeftBottomPoint.Y, c.Bottom);
    RightBottomPoint.X = std::min(RightBottomPoint.X, c.Right);
    RightBottomPoint.Y = std::min(RightBottomPoint.Y, c.Bottom);
}

std::span<const FieldSpec<TlxDataSkinPopupWindow>> TlxDataSkinPopupWindow::Fields()
{
    static const FieldSpec<TlxDataSkinPopupWindow> fields[] = {
        { "windowpictureindex", &TlxDataSkinPopupWindow::WindowPictureIndex, "-1" },
        { "maskpictureindex", &TlxDataSkinPopupWindow::MaskPictureIndex, "-1" },
        { "lefttoppoint", &TlxDataSkinPopupWindow::LeftTopPoint },
        { "righttoppoint", &TlxDataSkinPopupWindow::RightTopPoint },
        { "leftbottompoint", &TlxDataSkinPopupWindow::LeftBottomPoint },
        { "rightbottompoint", &TlxDataSkinPopupWindow::RightBottomPoint },
        { "itemsrect", &TlxDataSkinPopupWindow::ItemsRect },
        { "scrollmarkercolor", &TlxDataSkinPopupWindow::ScrollMarkerColor },
        { "scrollmarkeractivecolor", &TlxDataSkinPopupWindow::ScrollMarkerActiveColor },
        { "leftstretch", &TlxDataSkinPopupWindow::LeftStretch },
        { "rightstretch", &TlxDataSkinPopupWindow::RightStretch },
        { "topstretch", &TlxDataSkinPopupWindow::TopStretch },
        { "bottomstretch", &TlxDataSkinPopupWindow::BottomStretch },
        { "stretcheffect", &TlxDataSkinPopupWindow::StretchEffect },
        { "stretchtype", &TlxDataSkinPopupWindow::StretchType },
    };
    return fields;
}

void TlxDataSkinPopupWindow::LoadFromIni(const TMemIniFile& ini, std::string_view section)
{
    ReadFields(ini, section, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinHintWindow>> TlxDataSkinHintWindow::Fields()
{
    static const FieldSpec<TlxDataSkinHintWindow> fields[] = {
        { "windowpictureindex", &TlxDataSkinHintWindow::WindowPictureIndex, "-1" },
        { "maskpictureindex", &TlxDataSkinHintWindow::MaskPictureIndex, "-1" },
        { "lefttoppoint", &TlxDataSkinHintWindow::LeftTopPoint },
        { "righttoppoint", &TlxDataSkinHintWindow::RightTopPoint },
        { "leftbottompoint", &TlxDataSkinHintWindow::LeftBottomPoint },
        { "rightbottompoint", &TlxDataSkinHintWindow::RightBottomPoint },
        { "clientrect", &TlxDataSkinHintWindow::ClientRect },
        { "fontname", &TlxDataSkinHintWindow::FontName, "Arial" },
        { "fontheight", &TlxDataSkinHintWindow::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinHintWindow::FontStyle },
        { "fontcolor", &TlxDataSkinHintWindow::FontColor },
        { "leftstretch", &TlxDataSkinHintWindow::LeftStretch },
        { "rightstretch", &TlxDataSkinHintWindow::RightStretch },
        { "topstretch", &TlxDataSkinHintWindow::TopStretch },
        { "bottomstretch", &TlxDataSkinHintWindow::BottomStretch },
        { "stretcheffect", &TlxDataSkinHintWindow::StretchEffect },
        { "stretchtype", &TlxDataSkinHintWindow::StretchType },
    };
    return fields;
}

void TlxDataSkinHintWindow::LoadFromIni(const TMemIniFile& ini, std::string_view section)
{
    ReadFields(ini, section, *this, Fields());
}

std::span<const FieldSpec<TlxSkinColors>> TlxSkinColors::Fields()
{
    static const FieldSpec<TlxSkinColors> fields[] = {
        { "cbtnface", &TlxSkinColors::cBtnFace, "-16777201" },
        { "cbtntext", &TlxSkinColors::cBtnText, "-16777198" },
        { "cwindow", &TlxSkinColors::cWindow, "-16777211" },
        { "cwindowtext", &TlxSkinColors::cWindowText, "-16777208" },
        { "chighlight", &TlxSkinColors::cHighLight, "-16777203" },
        { "chighlighttext", &TlxSkinColors::cHighLightText, "-16777202" },
        { "cbtnhighlight", &TlxSkinColors::cBtnHighLight, "-16777196" },
        { "cbtnshadow", &TlxSkinColors::cBtnShadow, "-16777200" },
    };
    return fields;
}

void TlxSkinColors::SetColorsToDefault()
{
    cBtnFace = SystemColorFlag | 0x0F;
    cBtnText = SystemColorFlag | 0x12;
    cWindow = SystemColorFlag | 0x05;
    cWindowText = SystemColorFlag | 0x08;
    cHighLight = SystemColorFlag | 0x0D;
    cHighLightText = SystemColorFlag | 0x0E;
    cBtnHighLight = SystemColorFlag | 0x14;
    cBtnShadow = SystemColorFlag | 0x10;
}

void TlxSkinColors::LoadFromIni(const TMemIniFile& ini, std::string_view section)
{
    ReadFields(ini, section, *this, Fields());
}

} // namespace ventro
