// The object records of a skin definition's "SKINOBJECTS" list: caption,
// caption buttons, menu items and the other skin objects, each reading and
// writing its own section through one key table per class.
#pragma once
#include <memory>
#include <span>
#include <string>

#include "skin/data/SkinValues.h"

namespace ventro {

class TlxDataSkinObject {
public:
    explicit TlxDataSkinObject(std::string sectionName) : SectionName(std::move(sectionName)) { }
    virtual ~TlxDataSkinObject() = default;
    virtual void LoadFromIni(const TMemIniFile& ini);
    virtual void SaveToIni(TMemIniFile& ini) const;
    virtual const char* ClassName() const { return "TlxDataSkinObject"; }

    std::string SectionName;
    std::string Hint;
    int32_t ActivePictureIndex = -1;
    bool SkinRectInAPicture = false;
    Rect SkinRect = {};
    Rect ActiveSkinRect = {};
    Rect InactiveSkinRect = {};
    bool Morphing = false;
    TlxMorphKind MorphKind = TlxMorphKind::mkDefault;

    static std::span<const FieldSpec<TlxDataSkinObject>> Fields();
};

class TlxDataSkinButton : public TlxDataSkinObject {
public:
    using TlxDataSkinObject::TlxDataSkinObject;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinButton"; }
    Rect DownRect = {};
    Rect DisableSkinRsect = {};

    static std::span<const FieldSpec<TlxDataSkinButton>> Fields();
};

class TlxDataSkinStdButton : public TlxDataSkinButton {
public:
    using TlxDataSkinButton::TlxDataSkinButton;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinStdButton"; }
    TlxStdCommand Command = TlxStdCommand::cmDefault;
    Rect RestoreRect = {};
    Rect RestoreActiveRect = {};
    Rect RestoreDownRect = {};
    Rect RestoreInactiveRect = {};

    static std::span<const FieldSpec<TlxDataSkinStdButton>> Fields();
};

class TlxDataSkinMainMenuBarButton : public TlxDataSkinStdButton {
public:
    using TlxDataSkinStdButton::TlxDataSkinStdButton;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinMainMenuBarButton"; }
};

class TlxDataSkinAnimate : public TlxDataSkinObject {
public:
    using TlxDataSkinObject::TlxDataSkinObject;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinAnimate"; }
    int32_t CountFrames = 1;
    bool Cycle = false;
    bool ButtonStyle = false;
    int32_t TimerInterval = 50;
    TlxStdCommand Command = TlxStdCommand::cmDefault;
    Rect DownSkinRect = {};
    Rect RestoreRect = {};
    Rect RestoreActiveRect = {};
    Rect RestoreDownRect = {};
    Rect RestoreInactiveRect = {};

    static std::span<const FieldSpec<TlxDataSkinAnimate>> Fields();
};

class TlxDataUserObject : public TlxDataSkinObject {
public:
    using TlxDataSkinObject::TlxDataSkinObject;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataUserObject"; }
};

class TlxDataSkinCaption : public TlxDataSkinObject {
public:
    using TlxDataSkinObject::TlxDataSkinObject;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinCaption"; }
    Rect TextRect = {};
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color ActiveFontColor = 0;
    TAlignment Alignment = TAlignment::taCenter;
    bool Light = false;
    Color LightColor = 0;
    Color ActiveLightColor = 0;
    bool Shadow = false;
    Color ShadowColor = 0;
    Color ActiveShadowColor = 0;
    Rect FrameRect = {};
    Rect ActiveFrameRect = {};
    Rect FrameTextRect = {};
    int32_t FrameLeftOffset = 0;
    int32_t FrameRightOffset = 0;
    bool StretchEffect = false;
    Rect AnimateSkinRect = {};
    int32_t FrameCount = 0;
    int32_t AnimateInterval = 25;
    bool InactiveAnimation = false;
    bool FullFrame = false;

    static std::span<const FieldSpec<TlxDataSkinCaption>> Fields();
};

class TlxDataSkinMenuItem : public TlxDataSkinObject {
public:
    using TlxDataSkinObject::TlxDataSkinObject;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinMenuItem"; }
    int32_t ItemLeftOffset = 0;
    int32_t ItemRightOffset = 0;
    Rect DividerRect = {};
    int32_t DividerLeftOffset = 0;
    int32_t DividerRightOffset = 0;
    Rect TextRect = {};
    Rect ImageRect = {};
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color ActiveFontColor = 0;
    Color UnenabledFontColor = 0;
    bool StretchEffect = false;
    bool InactiveStretchEffect = false;
    bool DividerStretchEffect = false;
    Rect AnimateSkinRect = {};
    int32_t FrameCount = 0;
    int32_t AnimateInterval = 25;
    bool InactiveAnimation = false;
    bool UseImageColor = false;
    Color ImageColor = 0;
    Color ActiveImageColor = 0;
    bool InactiveTransparent = false;
    Rect CheckImageRect = {};
    Rect ActiveCheckImageRect = {};
    Rect RadioImageRect = {};
    Rect ActiveRadioImageRect = {};
    Rect ArrowImageRect = {};
    Rect ActiveArrowImageRect = {};

    static std::span<const FieldSpec<TlxDataSkinMenuItem>> Fields();
};

class TlxDataSkinMainMenuItem : public TlxDataSkinObject {
public:
    using TlxDataSkinObject::TlxDataSkinObject;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinMainMenuItem"; }
    int32_t ItemLeftOffset = 0;
    int32_t ItemRightOffset = 0;
    Rect DownRect = {};
    Rect TextRect = {};
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color ActiveFontColor = 0;
    Color DownFontColor = 0;
    Color UnenabledFontColor = 0;
    bool StretchEffect = false;
    Rect AnimateSkinRect = {};
    int32_t FrameCount = 0;
    int32_t AnimateInterval = 25;
    bool InactiveAnimation = false;

    static std::span<const FieldSpec<TlxDataSkinMainMenuItem>> Fields();
};

class TlxDataSkinMainMenuBarItem : public TlxDataSkinMainMenuItem {
public:
    using TlxDataSkinMainMenuItem::TlxDataSkinMainMenuItem;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinMainMenuBarItem"; }
};
// A record for the type word of a "SKINOBJECTS" entry, or nullptr for a word
// that is not in the table.
std::unique_ptr<TlxDataSkinObject> CreateSkinObject(std::string_view typeWord, std::string sectionName);

} // namespace ventro
