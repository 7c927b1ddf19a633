// The control records of a skin definition's "SKINCONTROLS" list: one class
// per kind of skinned control, each reading and writing its own section
// through one key table per class.
#pragma once
#include <memory>
#include <span>
#include <string>

#include "skin/data/SkinValues.h"

namespace ventro {

class TlxDataSkinControl {
public:
    explicit TlxDataSkinControl(std::string sectionName) : SectionName(std::move(sectionName)) { }
    virtual ~TlxDataSkinControl() = default;
    virtual void LoadFromIni(const TMemIniFile& ini);
    virtual void SaveToIni(TMemIniFile& ini) const;
    virtual const char* ClassName() const { return "TlxDataSkinControl"; }

    std::string SectionName;
    int32_t PictureIndex = -1;
    int32_t MaskPictureIndex = -1;
    Rect SkinRect = {};

    static std::span<const FieldSpec<TlxDataSkinControl>> Fields();
};

class TlxDataSkinCustomControl : public TlxDataSkinControl {
public:
    using TlxDataSkinControl::TlxDataSkinControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinCustomControl"; }
    Point LeftTopPoint = {};
    Point RightTopPoint = {};
    Point LeftBottomPoint = {};
    Point RightBottomPoint = {};
    Rect ClientRect = {};
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TlxStretchType StretchType = TlxStretchType::stFull;

    static std::span<const FieldSpec<TlxDataSkinCustomControl>> Fields();
};

class TlxDataSkinButtonControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinButtonControl"; }
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color ActiveFontColor = 0;
    Color DownFontColor = 0;
    Color DisabledFontColor = 0;
    Rect ActiveSkinRect = {};
    Rect DownSkinRect = {};
    Rect FocusedSkinRect = {};
    Rect DisabledSkinRect = {};
    bool Morphing = false;
    TlxMorphKind MorphKind = TlxMorphKind::mkDefault;
    Rect AnimateSkinRect = {};
    int32_t FrameCount = 0;
    int32_t AnimateInterval = 25;
    bool ShowFocus = false;
    Rect MenuMarkerFlatRect = {};
    Rect MenuMarkerRect = {};
    Rect MenuMarkerActiveRect = {};
    Rect MenuMarkerDownRect = {};
    Color MenuMarkerTransparentColor = 0;

    static std::span<const FieldSpec<TlxDataSkinButtonControl>> Fields();
};

class TlxDataSkinMenuButtonControl : public TlxDataSkinButtonControl {
public:
    using TlxDataSkinButtonControl::TlxDataSkinButtonControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinMenuButtonControl"; }
    Rect TrackButtonRect = {};

    static std::span<const FieldSpec<TlxDataSkinMenuButtonControl>> Fields();
};

class TlxDataSkinCheckRadioControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinCheckRadioControl"; }
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color ActiveFontColor = 0;
    Color UnenabledFontColor = 0;
    Color FrameFontColor = 0;
    Rect ActiveSkinRect = {};
    Rect CheckImageArea = {};
    Rect TextArea = {};
    Rect CheckImageRect = {};
    Rect UncheckImageRect = {};
    Rect ActiveCheckImageRect = {};
    Rect ActiveUncheckImageRect = {};
    Rect UnenabledCheckImageRect = {};
    Rect UnenabledUncheckImageRect = {};
    Rect GrayedCheckImageRect = {};
    Rect ActiveGrayedCheckImageRect = {};
    bool Morphing = false;
    TlxMorphKind MorphKind = TlxMorphKind::mkDefault;

    static std::span<const FieldSpec<TlxDataSkinCheckRadioControl>> Fields();
};

class TlxDataSkinPanelControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinPanelControl"; }
    int32_t BgPictureIndex = -1;
    Rect CaptionRect = {};
    TAlignment Alignment = TAlignment::taCenter;
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Rect CheckImageRect = {};
    Rect UncheckImageRect = {};
    Rect MarkFrameRect = {};
    Rect FrameRect = {};
    Rect FrameTextRect = {};
    int32_t FrameLeftOffset = 0;
    int32_t FrameRightOffset = 0;
    Rect GripperRect = {};
    bool GripperTransparent = false;
    Color GripperTransparentColor = 0;

    static std::span<const FieldSpec<TlxDataSkinPanelControl>> Fields();
};

class TlxDataSkinExPanelControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinExPanelControl"; }
    Rect RollHSkinRect = {};
    Rect RollVSkinRect = {};
    int32_t RollLeftOffset = 0;
    int32_t RollRightOffset = 0;
    int32_t RollTopOffset = 0;
    int32_t RollBottomOffset = 0;
    Rect RollVCaptionRect = {};
    Rect RollHCaptionRect = {};
    Rect CloseButtonRect = {};
    Rect CloseButtonActiveRect = {};
    Rect CloseButtonDownRect = {};
    Rect HRollButtonRect = {};
    Rect HRollButtonActiveRect = {};
    Rect HRollButtonDownRect = {};
    Rect HRestoreButtonRect = {};
    Rect HRestoreButtonActiveRect = {};
    Rect HRestoreButtonDownRect = {};
    Rect VRollButtonRect = {};
    Rect VRollButtonActiveRect = {};
    Rect VRollButtonDownRect = {};
    Rect VRestoreButtonRect = {};
    Rect VRestoreButtonActiveRect = {};
    Rect VRestoreButtonDownRect = {};
    Rect CaptionRect = {};
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    bool ButtonsTransparent = false;
    Color ButtonsTransparentColor = 0;

    static std::span<const FieldSpec<TlxDataSkinExPanelControl>> Fields();
};

class TlxDataSkinLabelControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinLabelControl"; }
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;

    static std::span<const FieldSpec<TlxDataSkinLabelControl>> Fields();
};

class TlxDataSkinStdLabelControl : public TlxDataSkinControl {
public:
    using TlxDataSkinControl::TlxDataSkinControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinStdLabelControl"; }
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color ActiveFontColor = 16711680;

    static std::span<const FieldSpec<TlxDataSkinStdLabelControl>> Fields();
};

class TlxDataSkinGaugeControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinGaugeControl"; }
    Rect ProgressArea = {};
    Rect ProgressRect = {};
    int32_t BeginOffset = 0;
    int32_t EndOffset = 0;
    bool Vertical = false;
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    bool ProgressTransparent = false;
    Color ProgressTransparentColor = 0;
    bool ProgressStretch = false;
    Rect AnimationSkinRect = {};
    int32_t AnimationCountFrames = 0;
    int32_t AnimationTimerInterval = 0;
    Rect ProgressAnimationSkinRect = {};
    int32_t ProgressAnimationCountFrames = 0;
    int32_t ProgressAnimationTimerInterval = 0;
    int32_t AnimationBeginOffset = 0;
    int32_t AnimationEndOffset = 0;

    static std::span<const FieldSpec<TlxDataSkinGaugeControl>> Fields();
};

class TlxDataSkinTrackBarControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinTrackBarControl"; }
    Rect ActiveSkinRect = {};
    Rect TrackArea = {};
    Rect ButtonRect = {};
    Rect ActiveButtonRect = {};
    bool Vertical = false;
    bool ButtonTransparent = false;
    Color ButtonTransparentColor = 0;

    static std::span<const FieldSpec<TlxDataSkinTrackBarControl>> Fields();
};

class TlxDataSkinSplitterControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinSplitterControl"; }
    Rect GripperRect = {};
    bool GripperTransparent = false;
    Color GripperTransparentColor = 0;

    static std::span<const FieldSpec<TlxDataSkinSplitterControl>> Fields();
};

class TlxDataSkinScrollBarControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinScrollBarControl"; }
    Rect TrackArea = {};
    Rect UpButtonRect = {};
    Rect ActiveUpButtonRect = {};
    Rect DownUpButtonRect = {};
    Rect DownButtonRect = {};
    Rect ActiveDownButtonRect = {};
    Rect DownDownButtonRect = {};
    Rect ThumbRect = {};
    Rect ActiveThumbRect = {};
    Rect DownThumbRect = {};
    int32_t ThumbOffset1 = 0;
    int32_t ThumbOffset2 = 0;
    bool ThumbTransparent = false;
    Color ThumbTransparentColor = 0;
    bool ThumbStretchEffect = false;
    int32_t ThumbMinSize = 0;
    int32_t ThumbMinPageSize = 0;
    Rect GlyphRect = {};
    Rect ActiveGlyphRect = {};
    Rect DownGlyphRect = {};
    bool GlyphTransparent = false;
    Color GlyphTransparentColor = 0;

    static std::span<const FieldSpec<TlxDataSkinScrollBarControl>> Fields();
};

class TlxDataSkinUpDownControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinUpDownControl"; }
    Rect UpButtonRect = {};
    Rect ActiveUpButtonRect = {};
    Rect DownUpButtonRect = {};
    Rect DownButtonRect = {};
    Rect ActiveDownButtonRect = {};
    Rect DownDownButtonRect = {};

    static std::span<const FieldSpec<TlxDataSkinUpDownControl>> Fields();
};

class TlxDataSkinEditControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinEditControl"; }
    Rect ActiveSkinRect = {};
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color DisabledFontColor = 0;
    Color ActiveFontColor = 0;
    Rect ButtonRect = {};
    Rect ActiveButtonRect = {};
    Rect DownButtonRect = {};
    Rect UnenabledButtonRect = {};

    static std::span<const FieldSpec<TlxDataSkinEditControl>> Fields();
};

class TlxDataSkinMemoControl : public TlxDataSkinEditControl {
public:
    using TlxDataSkinEditControl::TlxDataSkinEditControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinMemoControl"; }
    Color BgColor = 0;
    Color ActiveBgColor = 0;

    static std::span<const FieldSpec<TlxDataSkinMemoControl>> Fields();
};

class TlxDataSkinSpinEditControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinSpinEditControl"; }
    Rect ActiveSkinRect = {};
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color ActiveFontColor = 0;
    Color DisabledFontColor = 0;
    Rect UpButtonRect = {};
    Rect ActiveUpButtonRect = {};
    Rect DownUpButtonRect = {};
    Rect DownButtonRect = {};
    Rect ActiveDownButtonRect = {};
    Rect DownDownButtonRect = {};

    static std::span<const FieldSpec<TlxDataSkinSpinEditControl>> Fields();
};

class TlxDataSkinListBox : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinListBox"; }
    Rect ItemRect = {};
    Rect ActiveItemRect = {};
    Rect FocusItemRect = {};
    int32_t ItemLeftOffset = 0;
    int32_t ItemRightOffset = 0;
    Rect ItemTextRect = {};
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color ActiveFontColor = 0;
    Color FocusFontColor = 0;
    Rect CaptionRect = {};
    std::string CaptionFontName = "Arial";
    int32_t CaptionFontHeight = 14;
    TFontStyles CaptionFontStyle = {};
    Color CaptionFontColor = 0;
    Rect UpButtonRect = {};
    Rect ActiveUpButtonRect = {};
    Rect DownUpButtonRect = {};
    Rect DownButtonRect = {};
    Rect ActiveDownButtonRect = {};
    Rect DownDownButtonRect = {};
    Rect CheckButtonRect = {};
    Rect ActiveCheckButtonRect = {};
    Rect DownCheckButtonRect = {};
    std::string VScrollbarName = "vscrollbar";
    std::string HScrollbarName = "hscrollbar";
    std::string BothHScrollbarName = "bothhscrollbar";
    bool ShowFocus = false;

    static std::span<const FieldSpec<TlxDataSkinListBox>> Fields();
};

class TlxDataSkinCheckListBox : public TlxDataSkinListBox {
public:
    using TlxDataSkinListBox::TlxDataSkinListBox;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinCheckListBox"; }
    Rect ItemCheckRect = {};
    Rect CheckImageRect = {};
    Rect UncheckImageRect = {};

    static std::span<const FieldSpec<TlxDataSkinCheckListBox>> Fields();
};

class TlxDataSkinComboBox : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinComboBox"; }
    Rect ActiveSkinRect = {};
    Rect ItemRect = {};
    Rect ActiveItemRect = {};
    Rect FocusItemRect = {};
    int32_t ItemLeftOffset = 0;
    int32_t ItemRightOffset = 0;
    Rect ItemTextRect = {};
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color FocusFontColor = 0;
    Color ActiveFontColor = 0;
    std::string ListBoxName;
    Rect ButtonRect = {};
    Rect ActiveButtonRect = {};
    Rect DownButtonRect = {};
    Rect UnenabledButtonRect = {};
    bool ItemStretchEffect = false;
    bool FocusItemStretchEffect = false;
    bool ShowFocus = false;

    static std::span<const FieldSpec<TlxDataSkinComboBox>> Fields();
};

class TlxDataSkinScrollBoxControl : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinScrollBoxControl"; }
    int32_t BgPictureIndex = -1;

    static std::span<const FieldSpec<TlxDataSkinScrollBoxControl>> Fields();
};

class TlxDataSkinControlBar : public TlxDataSkinCustomControl {
public:
    using TlxDataSkinCustomControl::TlxDataSkinCustomControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinControlBar"; }
    Rect ItemRect = {};
    int32_t BgPictureIndex = -1;
    Rect HGripRect = {};
    Rect VGripRect = {};
    int32_t GripOffset1 = 0;
    int32_t GripOffset2 = 0;
    bool ItemStretchEffect = false;
    int32_t ItemOffset1 = 3;
    int32_t ItemOffset2 = 3;
    bool ItemTransparent = false;
    Color ItemTransparentColor = 0;
    bool GripTransparent = false;
    Color GripTransparentColor = 0;

    static std::span<const FieldSpec<TlxDataSkinControlBar>> Fields();
};

class TlxDataSkinMainMenuBar : public TlxDataSkinControl {
public:
    using TlxDataSkinControl::TlxDataSkinControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinMainMenuBar"; }
    Rect ItemsRect = {};
    std::string MenuBarItem;
    std::string CloseButton;
    std::string MinButton;
    std::string MaxButton;
    std::string SysMenuButton;
    Color TrackMarkColor = 0;
    Color TrackMarkActiveColor = 0;
    bool StretchEffect = false;
    bool ItemTransparent = false;

    static std::span<const FieldSpec<TlxDataSkinMainMenuBar>> Fields();
};

class TlxDataSkinTabControl : public TlxDataSkinControl {
public:
    using TlxDataSkinControl::TlxDataSkinControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinTabControl"; }
    Rect TabRect = {};
    Rect ActiveTabRect = {};
    Rect FocusTabRect = {};
    Rect MouseInTabRect = {};
    Rect ClientRect = {};
    int32_t BgPictureIndex = -1;
    Point LeftTopPoint = {};
    Point RightTopPoint = {};
    Point LeftBottomPoint = {};
    Point RightBottomPoint = {};
    int32_t TabLeftOffset = 0;
    int32_t TabRightOffset = 0;
    Rect TabsBgRect = {};
    bool TabStretchEffect = false;
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TlxStretchType StretchType = TlxStretchType::stFull;
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color ActiveFontColor = 0;
    Color FocusFontColor = 0;
    Color MouseInFontColor = 0;
    std::string Updown;
    bool ShowFocus = false;
    int32_t FocusOffsetX = 0;
    int32_t FocusOffsetY = 0;
    Rect CloseButtonRect = {};
    Rect CloseButtonActiveRect = {};
    Rect CloseButtonDownRect = {};
    bool ButtonTransparent = false;
    Color ButtonTransparentColor = 0;

    static std::span<const FieldSpec<TlxDataSkinTabControl>> Fields();
};

class TlxDataSkinGridControl : public TlxDataSkinControl {
public:
    using TlxDataSkinControl::TlxDataSkinControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinGridControl"; }
    Rect FixedCellRect = {};
    Rect SelectCellRect = {};
    Rect FocusCellRect = {};
    int32_t FixedCellLeftOffset = 0;
    int32_t FixedCellRightOffset = 0;
    Rect FixedCellTextRect = {};
    int32_t CellLeftOffset = 0;
    int32_t CellRightOffset = 0;
    Rect CellTextRect = {};
    int32_t BgPictureIndex = -1;
    Color LinesColor = 0;
    Color BgColor = 0;
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color SelectFontColor = 0;
    Color FocusFontColor = 0;
    std::string FixedFontName = "Arial";
    int32_t FixedFontHeight = 14;
    TFontStyles FixedFontStyle = {};
    Color FixedFontColor = 0;
    bool CellStretchEffect = false;
    bool FixedCellStretchEffect = false;
    bool ShowFocus = false;

    static std::span<const FieldSpec<TlxDataSkinGridControl>> Fields();
};

class TlxDataSkinTreeView : public TlxDataSkinControl {
public:
    using TlxDataSkinControl::TlxDataSkinControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinTreeView"; }
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color BgColor = 0;

    static std::span<const FieldSpec<TlxDataSkinTreeView>> Fields();
};

class TlxDataSkinListView : public TlxDataSkinControl {
public:
    using TlxDataSkinControl::TlxDataSkinControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinListView"; }
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color BgColor = 0;

    static std::span<const FieldSpec<TlxDataSkinListView>> Fields();
};

class TlxDataSkinRichEdit : public TlxDataSkinControl {
public:
    using TlxDataSkinControl::TlxDataSkinControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinRichEdit"; }
    std::string FontName = "Arial";
    int32_t FontHeight = 14;
    TFontStyles FontStyle = {};
    Color FontColor = 0;
    Color BgColor = 0;

    static std::span<const FieldSpec<TlxDataSkinRichEdit>> Fields();
};

class TlxDataSkinSlider : public TlxDataSkinControl {
public:
    using TlxDataSkinControl::TlxDataSkinControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinSlider"; }
    Color BgColor = 0;
    Rect HRulerRect = {};
    Rect HThumbRect = {};
    Rect VRulerRect = {};
    Rect VThumbRect = {};
    int32_t EdgeSize = 0;
    Color PointsColor = 0;

    static std::span<const FieldSpec<TlxDataSkinSlider>> Fields();
};

class TlxDataSkinBevel : public TlxDataSkinControl {
public:
    using TlxDataSkinControl::TlxDataSkinControl;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) const override;
    const char* ClassName() const override { return "TlxDataSkinBevel"; }
    Color LightColor = 0;
    Color DarkColor = 0;

    static std::span<const FieldSpec<TlxDataSkinBevel>> Fields();
};
// A record for the type word of a "SKINCONTROLS" entry, or nullptr for a word
// that is not in the table.
std::unique_ptr<TlxDataSkinControl> CreateSkinControl(std::string_view typeWord, std::string sectionName);

} // namespace ventro
