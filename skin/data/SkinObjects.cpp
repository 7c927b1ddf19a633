// The object records of a skin definition and their key tables.
#include "skin/data/SkinObjects.h"

namespace ventro {

std::span<const FieldSpec<TlxDataSkinObject>> TlxDataSkinObject::Fields()
{
    static const FieldSpec<TlxDataSkinObject> fields[] = {
        { "hint", &TlxDataSkinObject::Hint, "" },
        { "activepictureindex", &TlxDataSkinObject::ActivePictureIndex, "-1" },
        { "skinrectinapicture", &TlxDataSkinObject::SkinRectInAPicture },
        { "skinrect", &TlxDataSkinObject::SkinRect },
        { "activeskinrect", &TlxDataSkinObject::ActiveSkinRect },
        { "inactiveskinrect", &TlxDataSkinObject::InactiveSkinRect },
        { "morphing", &TlxDataSkinObject::Morphing },
        { "morphkind", &TlxDataSkinObject::MorphKind },
    };
    return fields;
}

void TlxDataSkinObject::LoadFromIni(const TMemIniFile& ini)
{
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinObject::SaveToIni(TMemIniFile& ini) const
{
    ini.EraseSection(SectionName);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinButton>> TlxDataSkinButton::Fields()
{
    static const FieldSpec<TlxDataSkinButton> fields[] = {
        { "downrect", &TlxDataSkinButton::DownRect },
        { "disableskinrsect", &TlxDataSkinButton::DisableSkinRsect },
    };
    return fields;
}

void TlxDataSkinButton::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinObject::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinButton::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinObject::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinStdButton>> TlxDataSkinStdButton::Fields()
{
    static const FieldSpec<TlxDataSkinStdButton> fields[] = {
        { "command", &TlxDataSkinStdButton::Command },
        { "restorerect", &TlxDataSkinStdButton::RestoreRect },
        { "restoreactiverect", &TlxDataSkinStdButton::RestoreActiveRect },
        { "restoredownrect", &TlxDataSkinStdButton::RestoreDownRect },
        { "restoreinactiverect", &TlxDataSkinStdButton::RestoreInactiveRect },
    };
    return fields;
}

void TlxDataSkinStdButton::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinButton::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinStdButton::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinButton::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinMainMenuBarButton::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinStdButton::LoadFromIni(ini);
}

void TlxDataSkinMainMenuBarButton::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinStdButton::SaveToIni(ini);
}

std::span<const FieldSpec<TlxDataSkinAnimate>> TlxDataSkinAnimate::Fields()
{
    static const FieldSpec<TlxDataSkinAnimate> fields[] = {
        { "countframes", &TlxDataSkinAnimate::CountFrames, "1" },
        { "cycle", &TlxDataSkinAnimate::Cycle },
        { "buttonstyle", &TlxDataSkinAnimate::ButtonStyle },
        { "timerinterval", &TlxDataSkinAnimate::TimerInterval, "50" },
        { "command", &TlxDataSkinAnimate::Command },
        { "downskinrect", &TlxDataSkinAnimate::DownSkinRect },
        { "restorerect", &TlxDataSkinAnimate::RestoreRect },
        { "restoreactiverect", &TlxDataSkinAnimate::RestoreActiveRect },
        { "restoredownrect", &TlxDataSkinAnimate::RestoreDownRect },
        { "restoreinactiverect", &TlxDataSkinAnimate::RestoreInactiveRect },
    };
    return fields;
}

std::span<const FieldSpec<TlxDataSkinCaption>> TlxDataSkinCaption::Fields()
{
    static const FieldSpec<TlxDataSkinCaption> fields[] = {
        { "textrect", &TlxDataSkinCaption::TextRect },
        { "fontname", &TlxDataSkinCaption::FontName, "Arial" },
        { "fontheight", &TlxDataSkinCaption::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinCaption::FontStyle },
        { "fontcolor", &TlxDataSkinCaption::FontColor },
        { "activefontcolor", &TlxDataSkinCaption::ActiveFontColor },
        { "alignment", &TlxDataSkinCaption::Alignment },
        { "light", &TlxDataSkinCaption::Light },
        { "lightcolor", &TlxDataSkinCaption::LightColor },
        { "activelightcolor", &TlxDataSkinCaption::ActiveLightColor },
        { "shadow", &TlxDataSkinCaption::Shadow },
        { "shadowcolor", &TlxDataSkinCaption::ShadowColor },
        { "activeshadowcolor", &TlxDataSkinCaption::ActiveShadowColor },
        { "framerect", &TlxDataSkinCaption::FrameRect },
        { "activeframerect", &TlxDataSkinCaption::ActiveFrameRect },
        { "frametextrect", &TlxDataSkinCaption::FrameTextRect },
        { "frameleftoffset", &TlxDataSkinCaption::FrameLeftOffset },
        { "framerightoffset", &TlxDataSkinCaption::FrameRightOffset },
        { "stretcheffect", &TlxDataSkinCaption::StretchEffect },
        { "animateskinrect", &TlxDataSkinCaption::AnimateSkinRect },
        { "framecount", &TlxDataSkinCaption::FrameCount },
        { "animateinterval", &TlxDataSkinCaption::AnimateInterval, "25" },
        { "inactiveanimation", &TlxDataSkinCaption::InactiveAnimation },
        { "fullframe", &TlxDataSkinCaption::FullFrame },
    };
    return fields;
}

void TlxDataSkinCaption::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinObject::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinCaption::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinObject::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinMenuItem>> TlxDataSkinMenuItem::Fields()
{
    static const FieldSpec<TlxDataSkinMenuItem> fields[] = {
        { "itemleftoffset", &TlxDataSkinMenuItem::ItemLeftOffset },
        { "itemrightoffset", &TlxDataSkinMenuItem::ItemRightOffset },
        { "dividerrect", &TlxDataSkinMenuItem::DividerRect },
        { "dividerleftoffset", &TlxDataSkinMenuItem::DividerLeftOffset },
        { "dividerrightoffset", &TlxDataSkinMenuItem::DividerRightOffset },
        { "textrect", &TlxDataSkinMenuItem::TextRect },
        { "imagerect", &TlxDataSkinMenuItem::ImageRect },
        { "fontname", &TlxDataSkinMenuItem::FontName, "Arial" },
        { "fontheight", &TlxDataSkinMenuItem::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinMenuItem::FontStyle },
        { "fontcolor", &TlxDataSkinMenuItem::FontColor },
        { "activefontcolor", &TlxDataSkinMenuItem::ActiveFontColor },
        { "unenabledfontcolor", &TlxDataSkinMenuItem::UnenabledFontColor },
        { "stretcheffect", &TlxDataSkinMenuItem::StretchEffect },
        { "inactivestretcheffect", &TlxDataSkinMenuItem::InactiveStretchEffect },
        { "dividerstretcheffect", &TlxDataSkinMenuItem::DividerStretchEffect },
        { "animateskinrect", &TlxDataSkinMenuItem::AnimateSkinRect },
        { "framecount", &TlxDataSkinMenuItem::FrameCount },
        { "animateinterval", &TlxDataSkinMenuItem::AnimateInterval, "25" },
        { "inactiveanimation", &TlxDataSkinMenuItem::InactiveAnimation },
        { "useimagecolor", &TlxDataSkinMenuItem::UseImageColor },
        { "imagecolor", &TlxDataSkinMenuItem::ImageColor },
        { "activeimagecolor", &TlxDataSkinMenuItem::ActiveImageColor },
        { "inactivetransparent", &TlxDataSkinMenuItem::InactiveTransparent },
        { "checkimagerect", &TlxDataSkinMenuItem::CheckImageRect },
        { "activecheckimagerect", &TlxDataSkinMenuItem::ActiveCheckImageRect },
        { "radioimagerect", &TlxDataSkinMenuItem::RadioImageRect },
        { "activeradioimagerect", &TlxDataSkinMenuItem::ActiveRadioImageRect },
        { "arrowimagerect", &TlxDataSkinMenuItem::ArrowImageRect },
        { "activearrowimagerect", &TlxDataSkinMenuItem::ActiveArrowImageRect },
    };
    return fields;
}

void TlxDataSkinMenuItem::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinObject::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinMenuItem::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinObject::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

std::span<const FieldSpec<TlxDataSkinMainMenuItem>> TlxDataSkinMainMenuItem::Fields()
{
    static const FieldSpec<TlxDataSkinMainMenuItem> fields[] = {
        { "itemleftoffset", &TlxDataSkinMainMenuItem::ItemLeftOffset },
        { "itemrightoffset", &TlxDataSkinMainMenuItem::ItemRightOffset },
        { "downrect", &TlxDataSkinMainMenuItem::DownRect },
        { "textrect", &TlxDataSkinMainMenuItem::TextRect },
        { "fontname", &TlxDataSkinMainMenuItem::FontName, "Arial" },
        { "fontheight", &TlxDataSkinMainMenuItem::FontHeight, "14" },
        { "fontstyle", &TlxDataSkinMainMenuItem::FontStyle },
        { "fontcolor", &TlxDataSkinMainMenuItem::FontColor },
        { "activefontcolor", &TlxDataSkinMainMenuItem::ActiveFontColor },
        { "downfontcolor", &TlxDataSkinMainMenuItem::DownFontColor },
        { "unenabledfontColor", &TlxDataSkinMainMenuItem::UnenabledFontColor },
        { "stretcheffect", &TlxDataSkinMainMenuItem::StretchEffect },
        { "animateskinrect", &TlxDataSkinMainMenuItem::AnimateSkinRect },
        { "framecount", &TlxDataSkinMainMenuItem::FrameCount },
        { "animateinterval", &TlxDataSkinMainMenuItem::AnimateInterval, "25" },
        { "inactiveanimation", &TlxDataSkinMainMenuItem::InactiveAnimation },
    };
    return fields;
}

void TlxDataSkinMainMenuItem::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinObject::LoadFromIni(ini);
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinMainMenuItem::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinObject::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinMainMenuBarItem::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinMainMenuItem::LoadFromIni(ini);
}

void TlxDataSkinMainMenuBarItem::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinMainMenuItem::SaveToIni(ini);
}
// An animation never morphs, whatever its section says.
void TlxDataSkinAnimate::LoadFromIni(const TMemIniFile& ini)
{
    TlxDataSkinObject::LoadFromIni(ini);
    Morphing = false;
    ReadFields(ini, SectionName, *this, Fields());
}

void TlxDataSkinAnimate::SaveToIni(TMemIniFile& ini) const
{
    TlxDataSkinObject::SaveToIni(ini);
    WriteFields(ini, SectionName, *this, Fields());
}

// A user object has only a skin rectangle; its other members keep their
// creation values.
void TlxDataUserObject::LoadFromIni(const TMemIniFile& ini)
{
    ReadFieldValue(ini, SectionName, "skinrect", nullptr, SkinRect);
}

void TlxDataUserObject::SaveToIni(TMemIniFile& ini) const
{
    ini.EraseSection(SectionName);
    ini.WriteString(SectionName, "skinrect", FormatRect(SkinRect));
}

std::unique_ptr<TlxDataSkinObject> CreateSkinObject(std::string_view typeWord, std::string sectionName)
{
    if (typeWord == "menuitem")
        return std::make_unique<TlxDataSkinMenuItem>(std::move(sectionName));
    if (typeWord == "mainmenubaritem")
        return std::make_unique<TlxDataSkinMainMenuBarItem>(std::move(sectionName));
    if (typeWord == "stdbutton")
        return std::make_unique<TlxDataSkinStdButton>(std::move(sectionName));
    if (typeWord == "mainmenubarbutton")
        return std::make_unique<TlxDataSkinMainMenuBarButton>(std::move(sectionName));
    if (typeWord == "button")
        return std::make_unique<TlxDataSkinButton>(std::move(sectionName));
    if (typeWord == "caption")
        return std::make_unique<TlxDataSkinCaption>(std::move(sectionName));
    if (typeWord == "animate")
        return std::make_unique<TlxDataSkinAnimate>(std::move(sectionName));
    if (typeWord == "userobject")
        return std::make_unique<TlxDataUserObject>(std::move(sectionName));
    return nullptr;
}

} // namespace ventro
