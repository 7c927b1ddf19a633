// TlxLumenSkinForm: the skin form controller. Dropped on a form, it takes
// over the form's window procedure through the subclass chain and owns
// everything outside the client area: the non-client size, hit tests and
// painting (a skin's frame, or the fallback frame without one), the caption
// objects, its own window states (minimize, maximize, restore, roll-up,
// minimize to tray), the skinned system menu, magnetic snapping, layered
// transparency with a fade-in, and the reaction to skin changes.
//
// One class, one unit per job: LumenSkinForm.cpp (the component: properties,
// notifications, wiring, the skin objects' services), LumenSkinFormFrame.cpp
// (frame, region, painting, applying a skin), LumenSkinFormMessages.cpp (the
// message map), LumenSkinFormStates.cpp (window states), LumenSkinFormMenus.cpp
// (system, caption-button and tray menus, shortcuts), LumenSkinFormPointer.cpp
// (hot object, presses, mouse routing, object timers) and
// LumenSkinFormFade.cpp (transparency and the fade-in).
//
// MDI bookkeeping, the skinned main menu bar and the MDI tabs bar are not
// built: their properties are kept and cleared on removal, nothing else.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/PixelBuffer.h"
#include "platform/Application.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Handles.h"
#include "platform/Liveness.h"
#include "platform/Menus.h"
#include "platform/Subclass.h"
#include "platform/WindowTimers.h"
#include "skin/data/SkinComponents.h"
#include "skin/form/FormPlacement.h"
#include "skin/form/FramePainter.h"
#include "skin/form/SkinFormServices.h"
#include "skin/form/SkinFrame.h"
#include "skin/form/SystemMenuItems.h"
#include "skin/gfx/WinFadeIn.h"
#include "skin/menus/MenuPaint.h"
#include "skin/menus/lxSkinMenus.h"

namespace ventro {

class TlxSkinHint;
class TlxTrayIcon;
class GdiTextPainter;

// The library's private messages and their fixed answers.
constexpr UINT LumenQueryMessage = 0xB1B2;      // answers LumenQuerySkinned or LumenQueryPlain
constexpr LRESULT LumenQuerySkinned = 0x3235;
constexpr LRESULT LumenQueryPlain = 0x3234;
constexpr UINT LumenPrintFrameMessage = 0xB1C9; // paints the frame into the DC of wParam
constexpr LRESULT LumenPrintFrameAnswer = 0x3233;
constexpr UINT LumenPrintFrame2Message = 0xBC4B; // the same with lParam LumenPrintFrame2Key
constexpr LPARAM LumenPrintFrame2Key = 0x41A2;
// Told to every windowed child after a resize with a stretched client background.
constexpr UINT ParentBackgroundChangedMessage = WM_USER + 260;

// A font of the fallback caption or of the menus, with its colour.
struct TlxFontDesc {
    TextFont Font;
    Color FontColor = ClBtnText;
};

using TlxCaptionPaintEvent = std::function<void(TComponent* Sender, FrameCanvas& Canvas, Rect R, bool Active)>;
using TlxObjectNotifyEvent = std::function<void(TComponent* Sender, const std::string& IDName)>;
using TlxObjectMouseEvent = std::function<void(TComponent* Sender, const std::string& IDName, TMouseButton Button,
    int X, int Y, Rect ObjectRect)>;
using TlxObjectMouseMoveEvent = std::function<void(TComponent* Sender, const std::string& IDName, int X, int Y,
    Rect ObjectRect)>;
using TlxObjectPaintEvent = std::function<void(TComponent* Sender, const std::string& IDName, FrameCanvas& Canvas,
    Rect ObjectRect)>;
using TlxActivateCustomObjectEvent = std::function<void(TComponent* Sender, const std::string& IDName, bool& Visible)>;
// The form's shortcut event: Key is the virtual key, Handled ends its way.
using TShortCutEvent = std::function<void(WORD Key, TShiftState Shift, bool& Handled)>;

class TlxLumenSkinForm : public TComponent, public ISkinFormServices, public ISkinMenuProvider {
public:
    // The owner must be a form; anything else throws EInvalidCast.
    explicit TlxLumenSkinForm(TComponent* owner);
    ~TlxLumenSkinForm() override;
    void Loaded() override;

    // --- Published properties (setters act at once only outside reading).
    bool AlwaysResize() const { return m_alwaysResize; }
    void SetAlwaysResize(bool value);
    TlxPositionInMonitor PositionInMonitor() const { return m_positionInMonitor; }
    void SetPositionInMonitor(TlxPositionInMonitor value) { m_positionInMonitor = value; }
    // Any window control with a size grip (WS_SIZEBOX child style is taken away while maximized).
    TComponent* StatusBar() const { return m_statusBar; }
    void SetStatusBar(TComponent* value);
    bool UseFormCursorInNCArea() const { return m_useFormCursorInNCArea; }
    void SetUseFormCursorInNCArea(bool value) { m_useFormCursorInNCArea = value; }
    int MaxMenuItemsInWindow() const { return m_maxMenuItemsInWindow; }
    void SetMaxMenuItemsInWindow(int value);
    int ClientWidth() const { return m_clientWidth; }
    void SetClientWidth(int value) { m_clientWidth = value; }
    int ClientHeight() const { return m_clientHeight; }
    void SetClientHeight(int value) { m_clientHeight = value; }
    bool HideCaptionButtons() const { return m_hideCaptionButtons; }
    void SetHideCaptionButtons(bool value);
    bool AlwaysShowInTray() const { return m_alwaysShowInTray; }
    void SetAlwaysShowInTray(bool value);
    const PixelBuffer& LogoBitMap() const { return m_logo; }
    void SetLogoBitMap(PixelBuffer value);
    bool LogoBitMapTransparent() const { return m_logoTransparent; }
    void SetLogoBitMapTransparent(bool value);
    bool AlwaysMinimizeToTray() const override { return m_alwaysMinimizeToTray; }
    void SetAlwaysMinimizeToTray(bool value) { m_alwaysMinimizeToTray = value; }
    bool UseSkinFontInMenu() const;
    void SetUseSkinFontInMenu(bool value);
    bool ShowIcon() const override { return m_showIcon; }
    void SetShowIcon(bool value);
    bool MaximizeOnFullScreen() const { return m_maximizeOnFullScreen; }
    void SetMaximizeOnFullScreen(bool value);
    bool AlphaBlend() const { return m_alphaBlend; }
    void SetAlphaBlend(bool value);
    bool AlphaBlendAnimation() const { return m_alphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { m_alphaBlendAnimation = value; }
    uint8_t AlphaBlendValue() const { return m_alphaBlendValue; }
    void SetAlphaBlendValue(uint8_t value);
    TlxSkinHint* SkinHint() const { return m_skinHint; }
    void SetSkinHint(TlxSkinHint* value);
    bool ShowObjectHint() const { return m_showObjectHint; }
    void SetShowObjectHint(bool value) { m_showObjectHint = value; }
    bool UseDefaultObjectHint() const { return m_useDefaultObjectHint; }
    void SetUseDefaultObjectHint(bool value);
    bool MenusAlphaBlend() const;
    void SetMenusAlphaBlend(bool value);
    bool MenusAlphaBlendAnimation() const;
    void SetMenusAlphaBlendAnimation(bool value);
    uint8_t MenusAlphaBlendValue() const;
    void SetMenusAlphaBlendValue(uint8_t value);
    const TlxFontDesc& DefCaptionFont() const { return m_defCaptionFont; }
    void SetDefCaptionFont(const TlxFontDesc& value);
    const TlxFontDesc& DefInActiveCaptionFont() const { return m_defInActiveCaptionFont; }
    void SetDefInActiveCaptionFont(const TlxFontDesc& value);
    int DefMenuItemHeight() const;
    void SetDefMenuItemHeight(int value);
    const TextFont& DefMenuItemFont() const;
    void SetDefMenuItemFont(const TextFont& value);
    TlxTrayIcon* TrayIcon() const { return m_trayIcon; }
    void SetTrayIcon(TlxTrayIcon* value);
    bool UseDefaultSysMenu() const { return m_useDefaultSysMenu; }
    void SetUseDefaultSysMenu(bool value) { m_useDefaultSysMenu = value; }
    // Kept, and cleared when the component goes; the bar itself is not built.
    TComponent* MainMenuBar() const { return m_mainMenuBar; }
    void SetMainMenuBar(TComponent* value);
    TComponent* MDITabsBar() const { return m_mdiTabsBar; }
    void SetMDITabsBar(TComponent* value);
    TPopupMenu* SystemMenu() const { return m_systemMenu; }
    void SetSystemMenu(TPopupMenu* value);
    TlxSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TlxSkinData* value);
    TlxSkinData* MenusSkinData() const { return m_menusSkinData; }
    void SetMenusSkinData(TlxSkinData* value);
    int MinHeight() const { return m_limits.MinHeight; }
    void SetMinHeight(int value);
    int MinWidth() const { return m_limits.MinWidth; }
    void SetMinWidth(int value);
    int MaxHeight() const { return m_limits.MaxHeight; }
    void SetMaxHeight(int value) { m_limits.MaxHeight = value; }
    int MaxWidth() const { return m_limits.MaxWidth; }
    void SetMaxWidth(int value) { m_limits.MaxWidth = value; }
    bool Magnetic() const { return m_magnetic; }
    void SetMagnetic(bool value) { m_magnetic = value; }
    uint8_t MagneticSize() const { return m_magneticSize; }
    void SetMagneticSize(uint8_t value) { m_magneticSize = value; }
    const TlxBorderIcons& BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(const TlxBorderIcons& value);

    // --- Events.
    TlxCaptionPaintEvent OnCaptionPaint;
    TNotifyEvent OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData;
    TlxObjectMouseEvent OnMouseUpEvent, OnMouseDownEvent;
    TlxObjectMouseMoveEvent OnMouseMoveEvent;
    TlxObjectNotifyEvent OnMouseEnterEvent, OnMouseLeaveEvent;
    TlxObjectPaintEvent OnPaintEvent;
    TNotifyEvent OnActivate, OnDeActivate;
    TNotifyEvent OnSkinMenuOpen, OnSkinMenuClose;
    TNotifyEvent OnChangeRollUpState;
    TNotifyEvent OnMainMenuEnter, OnMainMenuExit; // never raised: no main menu bar
    TNotifyEvent OnMinimizeToTray, OnRestoreFromTray;
    TlxActivateCustomObjectEvent OnActivateCustomObject;
    TNotifyEvent OnMinimize, OnRestore, OnMaximize;
    TShortCutEvent OnShortCut;

    // --- Operations.
    void ApplySkin();
    void ChangeSkinnable(bool value);
    void ChangeWindowState(TWindowState state);
    void SetRollUpState(bool value);
    void MinimizeToTray() override;
    void RestoreFromTray();
    void RepaintObject(TlxActiveSkinObject& object) override;
    void TrackObjects(int x, int y, bool allow);
    void PopupSystemMenu(Rect screenRect);

    // --- State, as the component keeps it.
    TForm& Form() const { return *m_form; }
    bool Skinned() const { return m_skinned; }
    bool SkinReady() const { return m_skinReady; }
    // The component's own state (the main form's minimize leaves it normal).
    TWindowState RecordedWindowState() const { return m_windowState; }
    bool RolledUp() const { return m_rolledUp; }
    bool FormActive() const { return m_active; }
    bool SkinMenuOpen() const override { return m_skinMenuOpen; }
    int HotObject() const { return m_hot; }
    int PressedObject() const { return m_pressed; }
    // The frame at the form's current size; null while it has none.
    const TSkinFrame* Frame() const { return m_frame.get(); }
    TPopupMenu& DefaultSystemMenu() { return *m_defaultSysMenu; }
    TlxSkinPopupMenu& TrayMenu() { return *m_trayMenu; }
    TlxSkinMenu& SkinMenu() { return *m_skinMenu; }
    // The fallback caption's fonts: DefCaptionFont and DefInActiveCaptionFont in
    // the character set of the skin's resource strings, when there are any.
    DefaultCaptionFonts FallbackCaptionFonts() const;
    // The system menu as it would show now: the default one rebuilt, or the application's.
    TMenuItem& PrepareSystemMenu();
    bool TrackingTimerRunning() const;
    bool FadeTimerRunning() const { return m_fade.Running(); }
    // Platform timers this component has running now (tracking, morph, animation, fade).
    int LiveTimers() const { return m_timers.Count(); }
    bool TakenOver() const { return m_takeover.Installed(); }

    // ISkinMenuProvider: popup menus on the form show through this engine.
    TlxSkinMenu* ProvidedSkinMenu() override { return m_skinMenu; }
    TlxSkinData* ProvidedMenusSkinData() override { return m_menusSkinData ? m_menusSkinData : m_skinData; }
    void EnterMenuState() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // One message on its way through the message map.
    struct FormMessage {
        HWND Wnd;
        UINT Message;
        WPARAM WParam;
        LPARAM LParam; // a handler may change it before the message goes on
        bool Skinned;  // the skinned flag as the message came
    };
    // Runs before the previous procedure: an answer ends the message there,
    // nothing passes it on.
    using BeforeHandler = std::optional<LRESULT> (TlxLumenSkinForm::*)(FormMessage& m);
    // Runs after the previous procedure (or the answer), while the component lives.
    using AfterHandler = void (TlxLumenSkinForm::*)(const FormMessage& m, LRESULT& result);
    struct MessageHandler {
        UINT Message;
        BeforeHandler Before = nullptr;
        AfterHandler After = nullptr;
        bool ClosesMenu = false; // a skinned form closes its open menu first
    };
    static const MessageHandler* FindHandler(UINT message);

    // ISkinFormServices for the skin objects (the component).
    void StartMorphTimer() override;
    void StartAnimationTimer() override;
    FrameWindowState WindowState() const override;
    bool SkinEffectsEnabled() const override;
    std::wstring CaptionText() const override;
    int32_t CaptionCharSet() const override;
    int32_t ButtonsOffset() const override;
    uint32_t ReadingFlags() const override;
    const IColorResolver& Colors() const override;
    void DrawSmallIcon(FrameCanvas& canvas, int32_t x, int32_t y) override;
    bool CaptionPaint(FrameCanvas& canvas, Rect objectRect, bool active) override;
    void CloseForm() override;
    void MaximizeForm() override;
    void MinimizeForm() override;
    void RestoreForm() override;
    void SetRollUp(bool rolledUp) override;
    MenuItemRef SystemMenuItems() override;
    void PopupMenu(TlxActiveSkinObject& object, MenuItemRef menu) override;
    void MouseEnterEvent(const std::string& idName) override;
    void MouseLeaveEvent(const std::string& idName) override;
    void MouseDownEvent(const std::string& idName, int32_t x, int32_t y, Rect objectRect, TMouseButton b) override;
    void MouseUpEvent(const std::string& idName, int32_t x, int32_t y, Rect objectRect, TMouseButton b) override;
    void MouseMoveEvent(const std::string& idName, int32_t x, int32_t y, Rect objectRect) override;
    void PaintEvent(const std::string& idName, FrameCanvas& canvas, Rect objectRect) override;
    bool ActivateCustomObject(const std::string& idName, bool visible) override;

    // The component.
    bool Changeable() const;
    bool HandleReady() const;
    bool IsMainForm() const;
    void Link(TComponent*& field, TComponent* value);
    void ApplyMenuSettings();
    void ForgetSkinData();

    // The frame and the skin (LumenSkinFormFrame.cpp).
    FrameOptions MakeFrameOptions() const;
    const std::vector<std::string>* ResStrings() const;
    void RebuildFrame();
    void FreeObjects();
    void ResizeFrame(int width, int height);
    void ResizeFrameToWindow();
    void UpdateWindowRegion();
    void RepaintFrame();
    void PaintFrame(HDC dc);
    void PaintClientBackground(HDC dc);
    int32_t MinWidthNow() const;
    int32_t MinHeightNow() const;
    bool BelowMinimum(int width, int height) const;
    void ActivateCaptionWithRepaint(bool repaint);
    void ApplyFormBorderIcons();
    void WidthNudge();
    void FitSizeToSkin();
    void SkinMessage(UINT message, bool own);
    void ApplyDefaultObjectHints();
    // Visibility, enabling and placement again on the same objects.
    void ApplyFrameOptions();
    void NotifyChildren();

    // The message map (LumenSkinFormMessages.cpp).
    LRESULT WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    void ClosingFilter(UINT message);
    void CloseOpenMenu();
    std::optional<LRESULT> OnDestroy(FormMessage& m);
    void AfterSize(const FormMessage& m, LRESULT& result);
    void AfterActivate(const FormMessage& m, LRESULT& result);
    std::optional<LRESULT> OnSetText(FormMessage& m);
    void AfterSetText(const FormMessage& m, LRESULT& result);
    std::optional<LRESULT> OnThemeCaption(FormMessage& m);
    std::optional<LRESULT> OnEraseBkgnd(FormMessage& m);
    std::optional<LRESULT> OnShowWindow(FormMessage& m);
    std::optional<LRESULT> OnSetCursor(FormMessage& m);
    std::optional<LRESULT> OnGetMinMaxInfo(FormMessage& m);
    std::optional<LRESULT> OnNcCalcSize(FormMessage& m);
    std::optional<LRESULT> OnNcHitTest(FormMessage& m);
    void AfterNcHitTest(const FormMessage& m, LRESULT& result);
    std::optional<LRESULT> OnNcPaint(FormMessage& m);
    std::optional<LRESULT> OnNcActivate(FormMessage& m);
    std::optional<LRESULT> OnSyncPaint(FormMessage& m);
    std::optional<LRESULT> OnSysCommand(FormMessage& m);
    std::optional<LRESULT> OnContextMenu(FormMessage& m);
    std::optional<LRESULT> OnTimer(FormMessage& m);
    std::optional<LRESULT> OnSizing(FormMessage& m);
    void AfterSizing(const FormMessage& m, LRESULT& result);
    void AfterMoving(const FormMessage& m, LRESULT& result);
    std::optional<LRESULT> OnEnterSizeMove(FormMessage& m);
    std::optional<LRESULT> OnExitSizeMove(FormMessage& m);
    std::optional<LRESULT> OnMenuClosed(FormMessage& m);
    std::optional<LRESULT> OnLumenQuery(FormMessage& m);
    std::optional<LRESULT> OnLumenPrintFrame(FormMessage& m);
    std::optional<LRESULT> OnLumenPrintFrame2(FormMessage& m);
    std::optional<LRESULT> OnSkinMessage(FormMessage& m);
    std::optional<LRESULT> OnNcLButtonDown(FormMessage& m);

    // Window states (LumenSkinFormStates.cpp).
    Rect WorkAreaOfForm() const;
    Rect MonitorOfForm() const;
    void SetStatusBarGrip(bool shown);
    void MinimizeInPlace();
    void Maximize();
    void RestoreToNormal(TWindowState old);
    void FirstShowPlacement();

    // The system, caption-button and tray menus and the keyboard (LumenSkinFormMenus.cpp).
    SysMenuState MenuState() const;
    std::string ResString(std::string_view key, std::wstring_view fallback, std::wstring& out) const;
    std::unique_ptr<TMenuItem> MakeSysMenuItem(const SysMenuItemInfo& entry);
    void RunSysMenuAction(SysMenuAction action);
    void SkinMenuClosed();
    void ReleaseDownMenuButton();
    void BuildTrayMenu();
    bool HandleShortCut(const MSG& message);
    void PopupSystemMenuAtButton();

    // The pointer and the objects under it (LumenSkinFormPointer.cpp).
    TlxActiveSkinObject* ObjectAt(int index) const;
    Point PointerOf(const FormMessage& m) const;
    bool RoutesPointer(const FormMessage& m) const;
    void ClearPress();
    void Press(Point p, TMouseButton button);
    void Release(Point p, TMouseButton button);
    // False when the component ended meanwhile.
    bool TrackAndPress(Point p, TMouseButton button);
    void ShowObjectHintFor(TlxActiveSkinObject& object);
    void HideObjectHint();
    void StartTrackingTimer();
    void StopTrackingTimer();
    void StopTimers();
    void TrackingTick();
    void MorphTick();
    void AnimationTick();
    void AfterNcMouseMove(const FormMessage& m, LRESULT& result);
    void AfterMouseMove(const FormMessage& m, LRESULT& result);
    void AfterNcLButtonDown(const FormMessage& m, LRESULT& result);
    void AfterNcLButtonUp(const FormMessage& m, LRESULT& result);
    void AfterNcLButtonDblClk(const FormMessage& m, LRESULT& result);
    void AfterNcRButtonDown(const FormMessage& m, LRESULT& result);
    void AfterNcRButtonUp(const FormMessage& m, LRESULT& result);
    void AfterNcRButtonDblClk(const FormMessage& m, LRESULT& result);
    void AfterLButtonUp(const FormMessage& m, LRESULT& result);
    void AfterRButtonUp(const FormMessage& m, LRESULT& result);
    void CaptionDoubleClicked();

    // Fade-in and transparency (LumenSkinFormFade.cpp).
    void FadeStart();
    void ShowFadeStep(uint8_t alpha, bool last);
    void ApplyAlpha(uint8_t alpha);
    void SetLayered(bool on);

    TForm* m_form = nullptr;
    TBorderIcons m_formIcons;
    TSubclass m_takeover;
    TMessageFilter m_keyFilter;
    TMessageFilter m_wheelFilter;
    std::unique_ptr<TSkinFrame> m_frame;
    std::unique_ptr<GdiTextPainter> m_text;
    IconHandle m_smallIcon;
    HICON m_smallIconSource = nullptr;

    // Published values.
    bool m_alwaysResize = false;
    TlxPositionInMonitor m_positionInMonitor = TlxPositionInMonitor::lxpDefault;
    TComponent* m_statusBar = nullptr;
    bool m_useFormCursorInNCArea = false;
    int m_maxMenuItemsInWindow = 0;
    int m_clientWidth = 0, m_clientHeight = 0;
    bool m_hideCaptionButtons = false;
    bool m_alwaysShowInTray = false;
    PixelBuffer m_logo;
    bool m_logoTransparent = false;
    bool m_alwaysMinimizeToTray = false;
    bool m_showIcon = false;
    bool m_maximizeOnFullScreen = false;
    bool m_alphaBlend = false;
    bool m_alphaBlendAnimation = false;
    uint8_t m_alphaBlendValue = 200;
    TlxSkinHint* m_skinHint = nullptr;
    bool m_showObjectHint = false;
    bool m_useDefaultObjectHint = true;
    TlxFontDesc m_defCaptionFont;
    TlxFontDesc m_defInActiveCaptionFont;
    TlxTrayIcon* m_trayIcon = nullptr;
    bool m_useDefaultSysMenu = true;
    TComponent* m_mainMenuBar = nullptr;
    TComponent* m_mdiTabsBar = nullptr;
    TPopupMenu* m_systemMenu = nullptr;
    TlxSkinData* m_skinData = nullptr;
    TlxSkinData* m_menusSkinData = nullptr;
    FormSizeLimits m_limits;
    bool m_magnetic = false;
    uint8_t m_magneticSize = 5;
    TlxBorderIcons m_borderIcons = DefaultBorderIcons;

    // Internal state.
    bool m_skinned = true;
    bool m_skinReady = false;
    bool m_skinChanging = false;
    TWindowState m_windowState = TWindowState::wsNormal;
    bool m_rolledUp = false;
    bool m_rolledUpWhileMaximized = false;
    bool m_rolledUpBeforeMaximize = false;
    int m_savedHeight = 0;
    Rect m_normalBounds;
    bool m_firstShow = true;
    bool m_active = false;
    bool m_inSizeMove = false;
    bool m_fullWindowDrag = false;
    bool m_sizeMoveRan = false;
    bool m_regionApplied = false;
    bool m_layered = false;
    MagneticState m_snap;
    int m_hot = -1, m_previousHot = -1, m_pressed = -1;
    // The form's timers: tracking, morph, animation and the fade-in's.
    TWindowTimers m_timers { [this] { return HandleReady() ? m_form->Handle() : nullptr; } };
    TFadeIn m_fade;
    bool m_skinMenuOpen = false;
    std::unique_ptr<TPopupMenu> m_defaultSysMenu;
    TlxSkinPopupMenu* m_trayMenu = nullptr;
    TlxSkinMenu* m_skinMenu = nullptr;
    // Ends with the component, so code after a call into user code can tell.
    TLiveness m_liveness;
};

} // namespace ventro
