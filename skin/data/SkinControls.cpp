// The control records of a skin definition and their key tables.
#include "skin/data/SkinControls.h"

#include <functional>
#include <utility>

namespace ventro {

std::span<const FieldSpec<TlxDataSkinControl>> TlxDataSkinControl::Fields()
{
    static const FieldSpec<TlxDataSkinControl> fields[] = {
        { "pictureindex", &TlxDataSkinControl::PictureIndex, "-1" },
        { "maskpictureindex", &TlxDataSkinControl::MaskPictureIndex, "-1" },
        { "skinrect", &TlxDataSkinControl::SkinRect },
    };
    return fields;
}

void TlxDataSkinControl::LoadFromIni(const TMemIniFile& ini)
{
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinControl::SaveToIni(TMemIniFile& ini) const
{
    ini.EraseSection(SectionName);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinCustomControl>> TlxDataSkinCustomControl::Fields()
{
    static const FieldSpec<TlxDataSkinCustomControl> fields[] = {
        { "lefttoppoint", &TlxDataSkinCustomControl::LeftTopPoint },
        { "righttoppoint", &TlxDataSkinCustomControl::RightTopPoint },
        { "leftbottompoint", &TlxDataSkinCustomControl::LeftBottomPoint },
        { "rightbottompoint", &TlxDataSkinCustomControl::RightBottomPoint },
        { "clientrect", &TlxDataSkinCustomControl::ClientRect },
        { "leftstretch", &TlxDataSkinCustomControl::LeftStretch },
        { "topstretch", &TlxDataSkinCustomControl::TopStretch },
        { "rightstretch", &TlxDataSkinCustomControl::RightStretch },
        { "bottomstretch", &TlxDataSkinCustomControl::BottomStretch },
        { "stretcheffect", &TlxDataSkinCustomControl::StretchEffect },
        { "stretchtype", &TlxDataSkinCustomControl::StretchType },
    };
    return fields;
}

void TlxDataSkinCustomControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinCustomControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinButtonControl>> TlxDataSkinButtonControl::Fields()
{
    static const FieldSpec<TlxDataSkinButtonControl> fields[] = {
        { "fontname", &TlxDataSkinButtonControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinButtonControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinButtonControl::FontStyle },
        { "fontcolor", &TlxDataSkinButtonControl::FontColor },
        { "activefontcolor", &TlxDataSkinButtonControl::ActiveFontColor },
        { "downfontcolor", &TlxDataSkinButtonControl::DownFontColor },
        { "disabledfontcolor", &TlxDataSkinButtonControl::DisabledFontColor },
        { "activeskinrect", &TlxDataSkinButtonControl::ActiveSkinRect },
        { "downskinrect", &TlxDataSkinButtonControl::DownSkinRect },
        { "focusedskinrect", &TlxDataSkinButtonControl::FocusedSkinRect },
        { "disabledskinrect", &TlxDataSkinButtonControl::DisabledSkinRect },
        { "morphing", &TlxDataSkinButtonControl::Morphing },
        { "morphkind", &TlxDataSkinButtonControl::MorphKind },
        { "animateskinrect", &TlxDataSkinButtonControl::AnimateSkinRect },
        { "framecount", &TlxDataSkinButtonControl::FrameCount },
        { "animateinterval", &TlxDataSkinButtonControl::AnimateInterval, "25" },
        { "showfocus", &TlxDataSkinButtonControl::ShowFocus },
        { "menumarkerflatrect", &TlxDataSkinButtonControl::MenuMarkerFlatRect },
        { "menumarkerrect", &TlxDataSkinButtonControl::MenuMarkerRect },
        { "menumarkeractiverect", &TlxDataSkinButtonControl::MenuMarkerActiveRect },
        { "menumarkerdownrect", &TlxDataSkinButtonControl::MenuMarkerDownRect },
        { "menumarkertransparentcolor", &TlxDataSkinButtonControl::MenuMarkerTransparentColor },
    };
    return fields;
}

void TlxDataSkinButtonControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinButtonControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinMenuButtonControl>> TlxDataSkinMenuButtonControl::Fields()
{
    static const FieldSpec<TlxDataSkinMenuButtonControl> fields[] = {
        { "trackbuttonrect", &TlxDataSkinMenuButtonControl::TrackButtonRect },
    };
    return fields;
}

void TlxDataSkinMenuButtonControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinButtonControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinMenuButtonControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinButtonControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinCheckRadioControl>> TlxDataSkinCheckRadioControl::Fields()
{
    static const FieldSpec<TlxDataSkinCheckRadioControl> fields[] = {
        { "fontname", &TlxDataSkinCheckRadioControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinCheckRadioControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinCheckRadioControl::FontStyle },
        { "fontcolor", &TlxDataSkinCheckRadioControl::FontColor },
        { "activefontcolor", &TlxDataSkinCheckRadioControl::ActiveFontColor },
        { "unenabledfontcolor", &TlxDataSkinCheckRadioControl::UnenabledFontColor },
        { "framefontcolor", &TlxDataSkinCheckRadioControl::FrameFontColor },
        { "activeskinrect", &TlxDataSkinCheckRadioControl::ActiveSkinRect },
        { "checkimagearea", &TlxDataSkinCheckRadioControl::CheckImageArea },
        { "textarea", &TlxDataSkinCheckRadioControl::TextArea },
        { "checkimagerect", &TlxDataSkinCheckRadioControl::CheckImageRect },
        { "uncheckimagerect", &TlxDataSkinCheckRadioControl::UncheckImageRect },
        { "activecheckimagerect", &TlxDataSkinCheckRadioControl::ActiveCheckImageRect },
        { "activeuncheckimagerect", &TlxDataSkinCheckRadioControl::ActiveUncheckImageRect },
        { "unenabledcheckimagerect", &TlxDataSkinCheckRadioControl::UnenabledCheckImageRect },
        { "unenableduncheckimagerect", &TlxDataSkinCheckRadioControl::UnenabledUncheckImageRect },
        { "grayedcheckimagerect", &TlxDataSkinCheckRadioControl::GrayedCheckImageRect },
        { "activegrayedcheckimagerect", &TlxDataSkinCheckRadioControl::ActiveGrayedCheckImageRect },
        { "morphing", &TlxDataSkinCheckRadioControl::Morphing },
        { "morphkind", &TlxDataSkinCheckRadioControl::MorphKind },
    };
    return fields;
}

void TlxDataSkinCheckRadioControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinCheckRadioControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinPanelControl>> TlxDataSkinPanelControl::Fields()
{
    static const FieldSpec<TlxDataSkinPanelControl> fields[] = {
        { "bgpictureindex", &TlxDataSkinPanelControl::BgPictureIndex, "-1" },
        { "captionrect", &TlxDataSkinPanelControl::CaptionRect },
        { "alignment", &TlxDataSkinPanelControl::Alignment },
        { "fontname", &TlxDataSkinPanelControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinPanelControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinPanelControl::FontStyle },
        { "fontcolor", &TlxDataSkinPanelControl::FontColor },
        { "checkimagerect", &TlxDataSkinPanelControl::CheckImageRect },
        { "uncheckimagerect", &TlxDataSkinPanelControl::UncheckImageRect },
        { "markframerect", &TlxDataSkinPanelControl::MarkFrameRect },
        { "framerect", &TlxDataSkinPanelControl::FrameRect },
        { "frametextrect", &TlxDataSkinPanelControl::FrameTextRect },
        { "frameleftoffset", &TlxDataSkinPanelControl::FrameLeftOffset },
        { "framerightoffset", &TlxDataSkinPanelControl::FrameRightOffset },
        { "gripperrect", &TlxDataSkinPanelControl::GripperRect },
        { "grippertransparent", &TlxDataSkinPanelControl::GripperTransparent },
        { "grippertransparentcolor", &TlxDataSkinPanelControl::GripperTransparentColor },
    };
    return fields;
}

void TlxDataSkinPanelControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinPanelControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinExPanelControl>> TlxDataSkinExPanelControl::Fields()
{
    static const FieldSpec<TlxDataSkinExPanelControl> fields[] = {
        { "rollhskinrect", &TlxDataSkinExPanelControl::RollHSkinRect },
        { "rollvskinrect", &TlxDataSkinExPanelControl::RollVSkinRect },
        { "rollleftoffset", &TlxDataSkinExPanelControl::RollLeftOffset },
        { "rollrightoffset", &TlxDataSkinExPanelControl::RollRightOffset },
        { "rolltopoffset", &TlxDataSkinExPanelControl::RollTopOffset },
        { "rollbottomoffset", &TlxDataSkinExPanelControl::RollBottomOffset },
        { "rollvcaptionrect", &TlxDataSkinExPanelControl::RollVCaptionRect },
        { "rollhcaptionrect", &TlxDataSkinExPanelControl::RollHCaptionRect },
        { "closebuttonrect", &TlxDataSkinExPanelControl::CloseButtonRect },
        { "closebuttonactiverect", &TlxDataSkinExPanelControl::CloseButtonActiveRect },
        { "closebuttondownrect", &TlxDataSkinExPanelControl::CloseButtonDownRect },
        { "hrollbuttonrect", &TlxDataSkinExPanelControl::HRollButtonRect },
        { "hrollbuttonactiverect", &TlxDataSkinExPanelControl::HRollButtonActiveRect },
        { "hrollbuttondownrect", &TlxDataSkinExPanelControl::HRollButtonDownRect },
        { "hrestorebuttonrect", &TlxDataSkinExPanelControl::HRestoreButtonRect },
        { "hrestorebuttonactiverect", &TlxDataSkinExPanelControl::HRestoreButtonActiveRect },
        { "hrestorebuttondownrect", &TlxDataSkinExPanelControl::HRestoreButtonDownRect },
        { "vrollbuttonrect", &TlxDataSkinExPanelControl::VRollButtonRect },
        { "vrollbuttonactiverect", &TlxDataSkinExPanelControl::VRollButtonActiveRect },
        { "vrollbuttondownrect", &TlxDataSkinExPanelControl::VRollButtonDownRect },
        { "vrestorebuttonrect", &TlxDataSkinExPanelControl::VRestoreButtonRect },
        { "vrestorebuttonactiverect", &TlxDataSkinExPanelControl::VRestoreButtonActiveRect },
        { "vrestorebuttondownrect", &TlxDataSkinExPanelControl::VRestoreButtonDownRect },
        { "captionrect", &TlxDataSkinExPanelControl::CaptionRect },
        { "fontname", &TlxDataSkinExPanelControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinExPanelControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinExPanelControl::FontStyle },
        { "fontcolor", &TlxDataSkinExPanelControl::FontColor },
        { "buttonstransparent", &TlxDataSkinExPanelControl::ButtonsTransparent },
        { "buttonstransparentcolor", &TlxDataSkinExPanelControl::ButtonsTransparentColor },
    };
    return fields;
}

void TlxDataSkinExPanelControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinExPanelControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinLabelControl>> TlxDataSkinLabelControl::Fields()
{
    static const FieldSpec<TlxDataSkinLabelControl> fields[] = {
        { "fontname", &TlxDataSkinLabelControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinLabelControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinLabelControl::FontStyle },
        { "fontcolor", &TlxDataSkinLabelControl::FontColor },
    };
    return fields;
}

void TlxDataSkinLabelControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinLabelControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinStdLabelControl>> TlxDataSkinStdLabelControl::Fields()
{
    static const FieldSpec<TlxDataSkinStdLabelControl> fields[] = {
        { "fontname", &TlxDataSkinStdLabelControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinStdLabelControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinStdLabelControl::FontStyle },
        { "fontcolor", &TlxDataSkinStdLabelControl::FontColor },
        { "activefontcolor", &TlxDataSkinStdLabelControl::ActiveFontColor, "16711680" },
    };
    return fields;
}

void TlxDataSkinStdLabelControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinStdLabelControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinGaugeControl>> TlxDataSkinGaugeControl::Fields()
{
    static const FieldSpec<TlxDataSkinGaugeControl> fields[] = {
        { "progressarea", &TlxDataSkinGaugeControl::ProgressArea },
        { "progressrect", &TlxDataSkinGaugeControl::ProgressRect },
        { "beginoffset", &TlxDataSkinGaugeControl::BeginOffset },
        { "endoffset", &TlxDataSkinGaugeControl::EndOffset },
        { "vertical", &TlxDataSkinGaugeControl::Vertical },
        { "fontname", &TlxDataSkinGaugeControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinGaugeControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinGaugeControl::FontStyle },
        { "fontcolor", &TlxDataSkinGaugeControl::FontColor },
        { "progresstransparent", &TlxDataSkinGaugeControl::ProgressTransparent },
        { "progresstransparentcolor", &TlxDataSkinGaugeControl::ProgressTransparentColor },
        { "progressstretch", &TlxDataSkinGaugeControl::ProgressStretch },
        { "animationskinrect", &TlxDataSkinGaugeControl::AnimationSkinRect },
        { "animationcountframes", &TlxDataSkinGaugeControl::AnimationCountFrames },
        { "animationtimerinterval", &TlxDataSkinGaugeControl::AnimationTimerInterval },
        { "progressanimationskinrect", &TlxDataSkinGaugeControl::ProgressAnimationSkinRect },
        { "progressanimationcountframes", &TlxDataSkinGaugeControl::ProgressAnimationCountFrames },
        { "progressanimationtimerinterval", &TlxDataSkinGaugeControl::ProgressAnimationTimerInterval },
        { "animationbeginoffset", &TlxDataSkinGaugeControl::AnimationBeginOffset },
        { "animationendoffset", &TlxDataSkinGaugeControl::AnimationEndOffset },
    };
    return fields;
}

void TlxDataSkinGaugeControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinGaugeControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinTrackBarControl>> TlxDataSkinTrackBarControl::Fields()
{
    static const FieldSpec<TlxDataSkinTrackBarControl> fields[] = {
        { "activeskinrect", &TlxDataSkinTrackBarControl::ActiveSkinRect },
        { "trackarea", &TlxDataSkinTrackBarControl::TrackArea },
        { "buttonrect", &TlxDataSkinTrackBarControl::ButtonRect },
        { "activebuttonrect", &TlxDataSkinTrackBarControl::ActiveButtonRect },
        { "vertical", &TlxDataSkinTrackBarControl::Vertical },
        { "buttontransparent", &TlxDataSkinTrackBarControl::ButtonTransparent },
        { "buttontransparentcolor", &TlxDataSkinTrackBarControl::ButtonTransparentColor },
    };
    return fields;
}

void TlxDataSkinTrackBarControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinTrackBarControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinSplitterControl>> TlxDataSkinSplitterControl::Fields()
{
    static const FieldSpec<TlxDataSkinSplitterControl> fields[] = {
        { "gripperrect", &TlxDataSkinSplitterControl::GripperRect },
        { "grippertransparent", &TlxDataSkinSplitterControl::GripperTransparent },
        { "grippertransparentcolor", &TlxDataSkinSplitterControl::GripperTransparentColor },
    };
    return fields;
}

void TlxDataSkinSplitterControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinSplitterControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinScrollBarControl>> TlxDataSkinScrollBarControl::Fields()
{
    static const FieldSpec<TlxDataSkinScrollBarControl> fields[] = {
        { "trackarea", &TlxDataSkinScrollBarControl::TrackArea },
        { "upbuttonrect", &TlxDataSkinScrollBarControl::UpButtonRect },
        { "activeupbuttonrect", &TlxDataSkinScrollBarControl::ActiveUpButtonRect },
        { "downupbuttonrect", &TlxDataSkinScrollBarControl::DownUpButtonRect },
        { "downbuttonrect", &TlxDataSkinScrollBarControl::DownButtonRect },
        { "activedownbuttonrect", &TlxDataSkinScrollBarControl::ActiveDownButtonRect },
        { "downdownbuttonrect", &TlxDataSkinScrollBarControl::DownDownButtonRect },
        { "thumbrect", &TlxDataSkinScrollBarControl::ThumbRect },
        { "activethumbrect", &TlxDataSkinScrollBarControl::ActiveThumbRect },
        { "downthumbrect", &TlxDataSkinScrollBarControl::DownThumbRect },
        { "thumboffset1", &TlxDataSkinScrollBarControl::ThumbOffset1 },
        { "thumboffset2", &TlxDataSkinScrollBarControl::ThumbOffset2 },
        { "thumbtransparent", &TlxDataSkinScrollBarControl::ThumbTransparent },
        { "thumbtransparentcolor", &TlxDataSkinScrollBarControl::ThumbTransparentColor },
        { "thumbstretcheffect", &TlxDataSkinScrollBarControl::ThumbStretchEffect },
        { "thumbminsize", &TlxDataSkinScrollBarControl::ThumbMinSize },
        { "thumbminpagesize", &TlxDataSkinScrollBarControl::ThumbMinPageSize },
        { "glyphrect", &TlxDataSkinScrollBarControl::GlyphRect },
        { "activeglyphrect", &TlxDataSkinScrollBarControl::ActiveGlyphRect },
        { "downglyphrect", &TlxDataSkinScrollBarControl::DownGlyphRect },
        { "glyphtransparent", &TlxDataSkinScrollBarControl::GlyphTransparent },
        { "glyphtransparentcolor", &TlxDataSkinScrollBarControl::GlyphTransparentColor },
    };
    return fields;
}

void TlxDataSkinScrollBarControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinScrollBarControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinUpDownControl>> TlxDataSkinUpDownControl::Fields()
{
    static const FieldSpec<TlxDataSkinUpDownControl> fields[] = {
        { "upbuttonrect", &TlxDataSkinUpDownControl::UpButtonRect },
        { "activeupbuttonrect", &TlxDataSkinUpDownControl::ActiveUpButtonRect },
        { "downupbuttonrect", &TlxDataSkinUpDownControl::DownUpButtonRect },
        { "downbuttonrect", &TlxDataSkinUpDownControl::DownButtonRect },
        { "activedownbuttonrect", &TlxDataSkinUpDownControl::ActiveDownButtonRect },
        { "downdownbuttonrect", &TlxDataSkinUpDownControl::DownDownButtonRect },
    };
    return fields;
}

std::span<const FieldSpec<TlxDataSkinEditControl>> TlxDataSkinEditControl::Fields()
{
    static const FieldSpec<TlxDataSkinEditControl> fields[] = {
        { "activeskinrect", &TlxDataSkinEditControl::ActiveSkinRect },
        { "fontname", &TlxDataSkinEditControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinEditControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinEditControl::FontStyle },
        { "fontcolor", &TlxDataSkinEditControl::FontColor },
        { "disabledfontcolor", &TlxDataSkinEditControl::DisabledFontColor },
        { "activefontcolor", &TlxDataSkinEditControl::ActiveFontColor },
        { "buttonrect", &TlxDataSkinEditControl::ButtonRect },
        { "activebuttonrect", &TlxDataSkinEditControl::ActiveButtonRect },
        { "downbuttonrect", &TlxDataSkinEditControl::DownButtonRect },
        { "unenabledbuttonrect", &TlxDataSkinEditControl::UnenabledButtonRect },
    };
    return fields;
}

void TlxDataSkinEditControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinEditControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinMemoControl>> TlxDataSkinMemoControl::Fields()
{
    static const FieldSpec<TlxDataSkinMemoControl> fields[] = {
        { "bgcolor", &TlxDataSkinMemoControl::BgColor },
        { "activebgcolor", &TlxDataSkinMemoControl::ActiveBgColor },
    };
    return fields;
}

void TlxDataSkinMemoControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinEditControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinMemoControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinEditControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinSpinEditControl>> TlxDataSkinSpinEditControl::Fields()
{
    static const FieldSpec<TlxDataSkinSpinEditControl> fields[] = {
        { "activeskinrect", &TlxDataSkinSpinEditControl::ActiveSkinRect },
        { "fontname", &TlxDataSkinSpinEditControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinSpinEditControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinSpinEditControl::FontStyle },
        { "fontcolor", &TlxDataSkinSpinEditControl::FontColor },
        { "activefontcolor", &TlxDataSkinSpinEditControl::ActiveFontColor },
        { "disabledfontcolor", &TlxDataSkinSpinEditControl::DisabledFontColor },
        { "upbuttonrect", &TlxDataSkinSpinEditControl::UpButtonRect },
        { "activeupbuttonrect", &TlxDataSkinSpinEditControl::ActiveUpButtonRect },
        { "downupbuttonrect", &TlxDataSkinSpinEditControl::DownUpButtonRect },
        { "downbuttonrect", &TlxDataSkinSpinEditControl::DownButtonRect },
        { "activedownbuttonrect", &TlxDataSkinSpinEditControl::ActiveDownButtonRect },
        { "downdownbuttonrect", &TlxDataSkinSpinEditControl::DownDownButtonRect },
    };
    return fields;
}

void TlxDataSkinSpinEditControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinSpinEditControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinListBox>> TlxDataSkinListBox::Fields()
{
    static const FieldSpec<TlxDataSkinListBox> fields[] = {
        { "itemrect", &TlxDataSkinListBox::ItemRect },
        { "activeitemrect", &TlxDataSkinListBox::ActiveItemRect },
        { "focusitemrect", &TlxDataSkinListBox::FocusItemRect },
        { "itemleftoffset", &TlxDataSkinListBox::ItemLeftOffset },
        { "itemrightoffset", &TlxDataSkinListBox::ItemRightOffset },
        { "itemtextrect", &TlxDataSkinListBox::ItemTextRect },
        { "fontname", &TlxDataSkinListBox::FontName, "Arial" },
        { "fontheight", &TlxDataSkinListBox::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinListBox::FontStyle },
        { "fontcolor", &TlxDataSkinListBox::FontColor },
        { "activefontcolor", &TlxDataSkinListBox::ActiveFontColor },
        { "focusfontcolor", &TlxDataSkinListBox::FocusFontColor },
        { "captionrect", &TlxDataSkinListBox::CaptionRect },
        { "captionfontname", &TlxDataSkinListBox::CaptionFontName, "Arial" },
        { "captionfontheight", &TlxDataSkinListBox::CaptionFontHeight, "14" },
        { "captionfontstyle", &TlxDataSkinListBox::CaptionFontStyle },
        { "captionfontcolor", &TlxDataSkinListBox::CaptionFontColor },
        { "upbuttonrect", &TlxDataSkinListBox::UpButtonRect },
        { "activeupbuttonrect", &TlxDataSkinListBox::ActiveUpButtonRect },
        { "downupbuttonrect", &TlxDataSkinListBox::DownUpButtonRect },
        { "downbuttonrect", &TlxDataSkinListBox::DownButtonRect },
        { "activedownbuttonrect", &TlxDataSkinListBox::ActiveDownButtonRect },
        { "downdownbuttonrect", &TlxDataSkinListBox::DownDownButtonRect },
        { "checkbuttonrect", &TlxDataSkinListBox::CheckButtonRect },
        { "activecheckbuttonrect", &TlxDataSkinListBox::ActiveCheckButtonRect },
        { "downcheckbuttonrect", &TlxDataSkinListBox::DownCheckButtonRect },
        { "vscrollbarname", &TlxDataSkinListBox::VScrollbarName, "vscrollbar" },
        { "hscrollbarname", &TlxDataSkinListBox::HScrollbarName, "hscrollbar" },
        { "bothhscrollbarname", &TlxDataSkinListBox::BothHScrollbarName, "bothhscrollbar" },
        { "showfocus", &TlxDataSkinListBox::ShowFocus },
    };
    return fields;
}

void TlxDataSkinListBox::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinListBox::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinCheckListBox>> TlxDataSkinCheckListBox::Fields()
{
    static const FieldSpec<TlxDataSkinCheckListBox> fields[] = {
        { "itemcheckrect", &TlxDataSkinCheckListBox::ItemCheckRect },
        { "checkimagerect", &TlxDataSkinCheckListBox::CheckImageRect },
        { "uncheckimagerect", &TlxDataSkinCheckListBox::UncheckImageRect },
    };
    return fields;
}

void TlxDataSkinCheckListBox::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinListBox::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinCheckListBox::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinListBox::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinComboBox>> TlxDataSkinComboBox::Fields()
{
    static const FieldSpec<TlxDataSkinComboBox> fields[] = {
        { "activeskinrect", &TlxDataSkinComboBox::ActiveSkinRect },
        { "itemrect", &TlxDataSkinComboBox::ItemRect },
        { "activeitemrect", &TlxDataSkinComboBox::ActiveItemRect },
        { "focusitemrect", &TlxDataSkinComboBox::FocusItemRect },
        { "itemleftoffset", &TlxDataSkinComboBox::ItemLeftOffset },
        { "itemrightoffset", &TlxDataSkinComboBox::ItemRightOffset },
        { "itemtextrect", &TlxDataSkinComboBox::ItemTextRect },
        { "fontname", &TlxDataSkinComboBox::FontName, "Arial" },
        { "fontheight", &TlxDataSkinComboBox::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinComboBox::FontStyle },
        { "fontcolor", &TlxDataSkinComboBox::FontColor },
        { "focusfontcolor", &TlxDataSkinComboBox::FocusFontColor },
        { "activefontcolor", &TlxDataSkinComboBox::ActiveFontColor },
        { "listboxname", &TlxDataSkinComboBox::ListBoxName, "" },
        { "buttonrect", &TlxDataSkinComboBox::ButtonRect },
        { "activebuttonrect", &TlxDataSkinComboBox::ActiveButtonRect },
        { "downbuttonrect", &TlxDataSkinComboBox::DownButtonRect },
        { "unenabledbuttonrect", &TlxDataSkinComboBox::UnenabledButtonRect },
        { "itemstretcheffect", &TlxDataSkinComboBox::ItemStretchEffect },
        { "focusitemstretcheffect", &TlxDataSkinComboBox::FocusItemStretchEffect },
        { "showfocus", &TlxDataSkinComboBox::ShowFocus },
    };
    return fields;
}

void TlxDataSkinComboBox::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinComboBox::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinScrollBoxControl>> TlxDataSkinScrollBoxControl::Fields()
{
    static const FieldSpec<TlxDataSkinScrollBoxControl> fields[] = {
        { "bgpictureindex", &TlxDataSkinScrollBoxControl::BgPictureIndex, "-1" },
    };
    return fields;
}

void TlxDataSkinScrollBoxControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinScrollBoxControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinControlBar>> TlxDataSkinControlBar::Fields()
{
    static const FieldSpec<TlxDataSkinControlBar> fields[] = {
        { "itemrect", &TlxDataSkinControlBar::ItemRect },
        { "bgpictureindex", &TlxDataSkinControlBar::BgPictureIndex, "-1" },
        { "hgriprect", &TlxDataSkinControlBar::HGripRect },
        { "vgriprect", &TlxDataSkinControlBar::VGripRect },
        { "gripoffset1", &TlxDataSkinControlBar::GripOffset1 },
        { "gripoffset2", &TlxDataSkinControlBar::GripOffset2 },
        { "itemstretcheffect", &TlxDataSkinControlBar::ItemStretchEffect },
        { "itemoffset1", &TlxDataSkinControlBar::ItemOffset1, "3" },
        { "itemoffset2", &TlxDataSkinControlBar::ItemOffset2, "3" },
        { "itemtransparent", &TlxDataSkinControlBar::ItemTransparent },
        { "itemtransparentcolor", &TlxDataSkinControlBar::ItemTransparentColor },
        { "griptransparent", &TlxDataSkinControlBar::GripTransparent },
        { "griptransparentcolor", &TlxDataSkinControlBar::GripTransparentColor },
    };
    return fields;
}

void TlxDataSkinControlBar::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinControlBar::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinMainMenuBar>> TlxDataSkinMainMenuBar::Fields()
{
    static const FieldSpec<TlxDataSkinMainMenuBar> fields[] = {
        { "itemsrect", &TlxDataSkinMainMenuBar::ItemsRect },
        { "menubaritem", &TlxDataSkinMainMenuBar::MenuBarItem, "" },
        { "closebutton", &TlxDataSkinMainMenuBar::CloseButton, "" },
        { "minbutton", &TlxDataSkinMainMenuBar::MinButton, "" },
        { "maxbutton", &TlxDataSkinMainMenuBar::MaxButton, "" },
        { "sysmenubutton", &TlxDataSkinMainMenuBar::SysMenuButton, "" },
        { "trackmarkcolor", &TlxDataSkinMainMenuBar::TrackMarkColor },
        { "trackmarkactivecolor", &TlxDataSkinMainMenuBar::TrackMarkActiveColor },
        { "stretcheffect", &TlxDataSkinMainMenuBar::StretchEffect },
        { "itemtransparent", &TlxDataSkinMainMenuBar::ItemTransparent },
    };
    return fields;
}

void TlxDataSkinMainMenuBar::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinMainMenuBar::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinTabControl>> TlxDataSkinTabControl::Fields()
{
    static const FieldSpec<TlxDataSkinTabControl> fields[] = {
        { "tabrect", &TlxDataSkinTabControl::TabRect },
        { "activetabrect", &TlxDataSkinTabControl::ActiveTabRect },
        { "focustabrect", &TlxDataSkinTabControl::FocusTabRect },
        { "mouseintabrect", &TlxDataSkinTabControl::MouseInTabRect },
        { "clientrect", &TlxDataSkinTabControl::ClientRect },
        { "bgpictureindex", &TlxDataSkinTabControl::BgPictureIndex, "-1" },
        { "lefttoppoint", &TlxDataSkinTabControl::LeftTopPoint },
        { "righttoppoint", &TlxDataSkinTabControl::RightTopPoint },
        { "leftbottompoint", &TlxDataSkinTabControl::LeftBottomPoint },
        { "rightbottompoint", &TlxDataSkinTabControl::RightBottomPoint },
        { "tableftoffset", &TlxDataSkinTabControl::TabLeftOffset },
        { "tabrightoffset", &TlxDataSkinTabControl::TabRightOffset },
        { "tabsbgrect", &TlxDataSkinTabControl::TabsBgRect },
        { "tabstretcheffect", &TlxDataSkinTabControl::TabStretchEffect },
        { "leftstretch", &TlxDataSkinTabControl::LeftStretch },
        { "topstretch", &TlxDataSkinTabControl::TopStretch },
        { "rightstretch", &TlxDataSkinTabControl::RightStretch },
        { "bottomstretch", &TlxDataSkinTabControl::BottomStretch },
        { "stretcheffect", &TlxDataSkinTabControl::StretchEffect },
        { "stretchtype", &TlxDataSkinTabControl::StretchType },
        { "fontname", &TlxDataSkinTabControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinTabControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinTabControl::FontStyle },
        { "fontcolor", &TlxDataSkinTabControl::FontColor },
        { "activefontcolor", &TlxDataSkinTabControl::ActiveFontColor },
        { "focusfontcolor", &TlxDataSkinTabControl::FocusFontColor },
        { "mouseinfontcolor", &TlxDataSkinTabControl::MouseInFontColor },
        { "updown", &TlxDataSkinTabControl::Updown, "" },
        { "showfocus", &TlxDataSkinTabControl::ShowFocus },
        { "focusoffsetx", &TlxDataSkinTabControl::FocusOffsetX },
        { "focusoffsety", &TlxDataSkinTabControl::FocusOffsetY },
        { "closebuttonrect", &TlxDataSkinTabControl::CloseButtonRect },
        { "closebuttonactiverect", &TlxDataSkinTabControl::CloseButtonActiveRect },
        { "closebuttondownrect", &TlxDataSkinTabControl::CloseButtonDownRect },
        { "buttontransparent", &TlxDataSkinTabControl::ButtonTransparent },
        { "buttontransparentcolor", &TlxDataSkinTabControl::ButtonTransparentColor },
    };
    return fields;
}

void TlxDataSkinTabControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinTabControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinGridControl>> TlxDataSkinGridControl::Fields()
{
    static const FieldSpec<TlxDataSkinGridControl> fields[] = {
        { "fixedcellrect", &TlxDataSkinGridControl::FixedCellRect },
        { "selectcellrect", &TlxDataSkinGridControl::SelectCellRect },
        { "focuscellrect", &TlxDataSkinGridControl::FocusCellRect },
        { "fixedcellleftoffset", &TlxDataSkinGridControl::FixedCellLeftOffset },
        { "fixedcellrightoffset", &TlxDataSkinGridControl::FixedCellRightOffset },
        { "fixedcelltextrect", &TlxDataSkinGridControl::FixedCellTextRect },
        { "cellleftoffset", &TlxDataSkinGridControl::CellLeftOffset },
        { "cellrightoffset", &TlxDataSkinGridControl::CellRightOffset },
        { "celltextrect", &TlxDataSkinGridControl::CellTextRect },
        { "bgpictureindex", &TlxDataSkinGridControl::BgPictureIndex, "-1" },
        { "linescolor", &TlxDataSkinGridControl::LinesColor },
        { "bgcolor", &TlxDataSkinGridControl::BgColor },
        { "fontname", &TlxDataSkinGridControl::FontName, "Arial" },
        { "fontheight", &TlxDataSkinGridControl::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinGridControl::FontStyle },
        { "fontcolor", &TlxDataSkinGridControl::FontColor },
        { "selectfontcolor", &TlxDataSkinGridControl::SelectFontColor },
        { "focusfontcolor", &TlxDataSkinGridControl::FocusFontColor },
        { "fixedfontname", &TlxDataSkinGridControl::FixedFontName, "Arial" },
        { "fixedfontheight", &TlxDataSkinGridControl::FixedFontHeight, "14" },
        { "fixedfontstyle", &TlxDataSkinGridControl::FixedFontStyle },
        { "fixedfontcolor", &TlxDataSkinGridControl::FixedFontColor },
        { "cellstretcheffect", &TlxDataSkinGridControl::CellStretchEffect },
        { "fixedcellstretcheffect", &TlxDataSkinGridControl::FixedCellStretchEffect },
        { "showfocus", &TlxDataSkinGridControl::ShowFocus },
    };
    return fields;
}

void TlxDataSkinGridControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinGridControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinTreeView>> TlxDataSkinTreeView::Fields()
{
    static const FieldSpec<TlxDataSkinTreeView> fields[] = {
        { "fontname", &TlxDataSkinTreeView::FontName, "Arial" },
        { "fontheight", &TlxDataSkinTreeView::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinTreeView::FontStyle },
        { "fontcolor", &TlxDataSkinTreeView::FontColor },
        { "bgcolor", &TlxDataSkinTreeView::BgColor },
    };
    return fields;
}

void TlxDataSkinTreeView::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinTreeView::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinListView>> TlxDataSkinListView::Fields()
{
    static const FieldSpec<TlxDataSkinListView> fields[] = {
        { "fontname", &TlxDataSkinListView::FontName, "Arial" },
        { "fontheight", &TlxDataSkinListView::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinListView::FontStyle },
        { "fontcolor", &TlxDataSkinListView::FontColor },
        { "bgcolor", &TlxDataSkinListView::BgColor },
    };
    return fields;
}

void TlxDataSkinListView::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinListView::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinRichEdit>> TlxDataSkinRichEdit::Fields()
{
    static const FieldSpec<TlxDataSkinRichEdit> fields[] = {
        { "fontname", &TlxDataSkinRichEdit::FontName, "Arial" },
        { "fontheight", &TlxDataSkinRichEdit::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinRichEdit::FontStyle },
        { "fontcolor", &TlxDataSkinRichEdit::FontColor },
        { "bgcolor", &TlxDataSkinRichEdit::BgColor },
    };
    return fields;
}

void TlxDataSkinRichEdit::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinRichEdit::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinSlider>> TlxDataSkinSlider::Fields()
{
    static const FieldSpec<TlxDataSkinSlider> fields[] = {
        { "bgcolor", &TlxDataSkinSlider::BgColor },
        { "hrulerrect", &TlxDataSkinSlider::HRulerRect },
        { "hthumbrect", &TlxDataSkinSlider::HThumbRect },
        { "vrulerrect", &TlxDataSkinSlider::VRulerRect },
        { "vthumbrect", &TlxDataSkinSlider::VThumbRect },
        { "edgesize", &TlxDataSkinSlider::EdgeSize },
        { "pointscolor", &TlxDataSkinSlider::PointsColor },
    };
    return fields;
}

void TlxDataSkinSlider::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinSlider::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinBevel>> TlxDataSkinBevel::Fields()
{
    static const FieldSpec<TlxDataSkinBevel> fields[] = {
        { "lightcolor", &TlxDataSkinBevel::LightColor },
        { "darkcolor", &TlxDataSkinBevel::DarkColor },
    };
    return fields;
}

void TlxDataSkinBevel::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinBevel::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}
// An up-down control has no frame corners and no client rectangle, whatever
// its section says.
void TlxDataSkinUpDownControl::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinCustomControl::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
    LeftTopPoint = RightTopPoint = LeftBottomPoint = RightBottomPoint = Point {};
    ClientRect = Rect {};
}

void TlxDataSkinUpDownControl::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinCustomControl::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

namespace {

template <class T>
std::unique_ptr<TlxDataSkinControl> Make(std::string name) { return std::make_unique<T>(std::move(name)); }

struct ControlType {
    const char* Word;
    std::unique_ptr<TlxDataSkinControl> (*Create)(std::string);
};

constexpr ControlType ControlTypes[] = {
    { "button", Make<TlxDataSkinButtonControl> },
    { "menubutton", Make<TlxDataSkinMenuButtonControl> },
    { "checkradio", Make<TlxDataSkinCheckRadioControl> },
    { "panel", Make<TlxDataSkinPanelControl> },
    { "expanel", Make<TlxDataSkinExPanelControl> },
    { "label", Make<TlxDataSkinLabelControl> },
    { "stdlabel", Make<TlxDataSkinStdLabelControl> },
    { "gauge", Make<TlxDataSkinGaugeControl> },
    { "trackbar", Make<TlxDataSkinTrackBarControl> },
    { "splitter", Make<TlxDataSkinSplitterControl> },
    { "scrollbar", Make<TlxDataSkinScrollBarControl> },
    { "updown", Make<TlxDataSkinUpDownControl> },
    { "edit", Make<TlxDataSkinEditControl> },
    { "memo", Make<TlxDataSkinMemoControl> },
    { "spinedit", Make<TlxDataSkinSpinEditControl> },
    { "listbox", Make<TlxDataSkinListBox> },
    { "checklistbox", Make<TlxDataSkinCheckListBox> },
    { "combobox", Make<TlxDataSkinComboBox> },
    { "scrollbox", Make<TlxDataSkinScrollBoxControl> },
    { "controlbar", Make<TlxDataSkinControlBar> },
    { "mainmenubar", Make<TlxDataSkinMainMenuBar> },
    { "tab", Make<TlxDataSkinTabControl> },
    { "grid", Make<TlxDataSkinGridControl> },
    { "treeview", Make<TlxDataSkinTreeView> },
    { "listview", Make<TlxDataSkinListView> },
    { "richedit", Make<TlxDataSkinRichEdit> },
    { "slider", Make<TlxDataSkinSlider> },
    { "bevel", Make<TlxDataSkinBevel> },
};

} // namespace

std::unique_ptr<TlxDataSkinControl> CreateSkinControl(std::string_view typeWord, std::string sectionName)
{
    for (const ControlType& t : ControlTypes)
        if (typeWord == t.Word)
            return t.Create(std::move(sectionName));
    return nullptr;
}

} // namespace ventro
