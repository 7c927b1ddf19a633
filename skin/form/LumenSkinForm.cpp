// The skin form controller: its window procedure, window states, menus,
// timers and transparency.
#include "skin/form/LumenSkinForm.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "base/Exception.h"
#include "platform/Colors.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Text.h"
#include "skin/form/WinFrameDrawing.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/lxUtils.h"
#include "skin/menus/lxSkinHint.h"
#include "skin/menus/lxTrayIcon.h"

namespace ventro {

namespace {

// Window timers of the form; 1 is the fade-in's, as the library has it.
constexpr UINT_PTR FadeTimerId = 1;
constexpr UINT_PTR TrackingTimerId = 0x4C01;
constexpr UINT_PTR MorphTimerId = 0x4C02;
constexpr UINT_PTR AnimationTimerId = 0x4C03;
constexpr UINT TrackingInterval = 50;
constexpr UINT MorphInterval = 25;
constexpr UINT AnimationInterval = 25;
// One fade step per tick; the platform rounds short timers up to its tick.
constexpr UINT FadeInterval = 10;

FrameBorderStyle ToFrameStyle(TBorderStyle s)
{
    switch (s) {
    case TBorderStyle::bsNone: return FrameBorderStyle::None;
    case TBorderStyle::bsSingle: return FrameBorderStyle::Single;
    case TBorderStyle::bsSizeable: return FrameBorderStyle::Sizeable;
    case TBorderStyle::bsDialog: return FrameBorderStyle::Dialog;
    case TBorderStyle::bsToolWindow: return FrameBorderStyle::ToolWindow;
    case TBorderStyle::bsSizeToolWin: return FrameBorderStyle::SizeToolWin;
    }
    return FrameBorderStyle::Sizeable;
}

Rect WindowRectOf(HWND wnd)
{
    RECT r {};
    GetWindowRect(wnd, &r);
    return FromRECT(r);
}

bool IsClosingFilterMessage(UINT message)
{
    switch (message) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        return true;
    default:
        return false;
    }
}

bool LayeredWindowsAvailable() { return CanLayerWindows(PlatformVersion()); }

} // namespace

TlxLumenSkinForm::TlxLumenSkinForm(TComponent* owner)
    : TComponent(owner)
{
    m_form = dynamic_cast<TForm*>(owner);
    if (!m_form)
        throw Exception("Invalid class typecast");
    m_defCaptionFont = { TextFont { "Arial", 14, TFontStyles { TFontStyles::fsBold }, 1 }, ClBtnText };
    m_defInActiveCaptionFont = { TextFont { "Arial", 14, TFontStyles { TFontStyles::fsBold }, 1 }, ClBtnShadow };
    m_text = std::make_unique<TWinTextPainter>();
    m_defaultSysMenu = std::make_unique<TPopupMenu>(nullptr);
    m_skinMenu = new TlxSkinMenu(this);
    m_trayMenu = new TlxSkinPopupMenu(this);
    BuildTrayMenu();

    // The form keeps its client size when the frame changes hands.
    const int clientWidth = m_form->ClientWidth();
    const int clientHeight = m_form->ClientHeight();
    m_formIcons = m_form->BorderIcons();
    m_form->SetBorderIcons({ false, false, false });
    std::weak_ptr<bool> alive = m_alive;
    m_takeover = m_form->TakeOver([this, alive](HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (alive.expired())
            return CallPreviousProc(wnd, message, wParam, lParam);
        return WindowProc(wnd, message, wParam, lParam);
    });
    m_skinMenu->OwnerWindow = m_form->Handle();
    m_keyFilter = Application().AddMessageFilter([this](MSG& message) { return HandleShortCut(message); });
    RebuildFrame();
    if (HandleReady()) {
        m_active = GetActiveWindow() == m_form->Handle();
        m_form->FrameChanged();
        m_form->SetClientSize(clientWidth, clientHeight);
    }
}

TlxLumenSkinForm::~TlxLumenSkinForm()
{
    *m_alive = false;
    m_alive.reset();
    m_keyFilter.Reset();
    m_wheelFilter.Reset();
    HideObjectHint();
    if (m_skinMenu && m_skinMenu->Visible())
        m_skinMenu->CloseAll();
    HWND wnd = m_form->Handle();
    const bool windowStays = wnd && IsWindow(wnd) && !m_form->IsDestroying();
    StopTimers();
    if (m_fadeTimer && wnd)
        KillTimer(wnd, FadeTimerId);
    if (GetCapture() == wnd && wnd)
        ReleaseCapture();
    // The chain goes back to what it was; a form that outlives the component
    // gets the platform's frame again.
    m_takeover.Reset();
    if (windowStays) {
        if (m_regionApplied)
            SetWindowRgn(wnd, nullptr, TRUE);
        if (m_layered)
            SetLayered(false);
        m_form->SetBorderIcons(m_formIcons);
        m_form->FrameChanged();
        RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    m_frame.reset();
    Destroying();
    SendRemovalNotices();
    DestroyComponents();
}

void TlxLumenSkinForm::Loaded()
{
    TComponent::Loaded();
    ApplyMenuSettings();
    if (m_trayIcon)
        SetTrayIcon(m_trayIcon);
    if (m_skinData) {
        m_skinned = m_skinData->SkinnableForm();
        ApplySkin();
    } else {
        ApplyFormBorderIcons();
        RebuildFrame();
        if (HandleReady())
            RepaintFrame();
    }
    if (m_alphaBlend)
        SetAlphaBlend(true);
}

bool TlxLumenSkinForm::HandleReady() const { return m_form && m_form->Handle() && IsWindow(m_form->Handle()); }
bool TlxLumenSkinForm::Changeable() const { return !IsReading() && !IsDestroying() && HandleReady(); }
bool TlxLumenSkinForm::IsMainForm() const { return Application().MainForm() == m_form; }

// --- Property setters.

void TlxLumenSkinForm::Link(TComponent*& field, TComponent* value)
{
    if (field == value)
        return;
    if (field)
        RemoveFreeNotification(field);
    field = value;
    if (value)
        FreeNotification(value);
}

void TlxLumenSkinForm::SetAlwaysResize(bool value)
{
    m_alwaysResize = value;
    if (Changeable())
        RebuildFrame();
}

void TlxLumenSkinForm::SetStatusBar(TComponent* value) { Link(m_statusBar, value); }

void TlxLumenSkinForm::SetMaxMenuItemsInWindow(int value)
{
    if (value < 0)
        return;
    m_maxMenuItemsInWindow = value;
    if (m_skinMenu)
        m_skinMenu->MaxMenuItemsInWindow = value;
}

void TlxLumenSkinForm::SetHideCaptionButtons(bool value)
{
    m_hideCaptionButtons = value;
    if (Changeable()) {
        ApplyFormBorderIcons();
        RebuildFrame();
        RepaintFrame();
    }
}

void TlxLumenSkinForm::SetAlwaysShowInTray(bool value)
{
    m_alwaysShowInTray = value;
    if (m_trayIcon && !IsReading() && value)
        m_trayIcon->SetIconVisible(true);
}

void TlxLumenSkinForm::SetLogoBitMap(PixelBuffer value)
{
    m_logo = std::move(value);
    if (Changeable())
        InvalidateRect(m_form->Handle(), nullptr, TRUE);
}

void TlxLumenSkinForm::SetLogoBitMapTransparent(bool value)
{
    m_logoTransparent = value;
    if (Changeable() && !m_logo.View().IsEmpty())
        InvalidateRect(m_form->Handle(), nullptr, TRUE);
}

bool TlxLumenSkinForm::UseSkinFontInMenu() const { return m_skinMenu->UseSkinFont; }
void TlxLumenSkinForm::SetUseSkinFontInMenu(bool value) { m_skinMenu->UseSkinFont = value; }

void TlxLumenSkinForm::SetShowIcon(bool value)
{
    m_showIcon = value;
    if (Changeable()) {
        RebuildFrame();
        RepaintFrame();
    }
}

void TlxLumenSkinForm::SetMaximizeOnFullScreen(bool value)
{
    m_maximizeOnFullScreen = value;
    m_limits.MaximizeOnFullScreen = value;
}

void TlxLumenSkinForm::SetAlphaBlend(bool value)
{
    m_alphaBlend = value;
    if (!Changeable() || !LayeredWindowsAvailable())
        return;
    SetLayered(value);
    if (value)
        ApplyAlpha(m_alphaBlendValue);
}

void TlxLumenSkinForm::SetAlphaBlendValue(uint8_t value)
{
    m_alphaBlendValue = value;
    if (m_alphaBlend && Changeable() && LayeredWindowsAvailable() && !m_fadeTimer)
        ApplyAlpha(value);
}

void TlxLumenSkinForm::SetSkinHint(TlxSkinHint* value)
{
    TComponent* c = m_skinHint;
    Link(c, value);
    m_skinHint = value;
}

void TlxLumenSkinForm::SetUseDefaultObjectHint(bool value)
{
    m_useDefaultObjectHint = value;
    if (Changeable() && value && m_frame && m_skinData)
        ApplyDefaultHints(m_frame->Objects(), ResStrings());
}

bool TlxLumenSkinForm::MenusAlphaBlend() const { return m_skinMenu->AlphaBlend; }
void TlxLumenSkinForm::SetMenusAlphaBlend(bool value) { m_skinMenu->AlphaBlend = value; }
bool TlxLumenSkinForm::MenusAlphaBlendAnimation() const { return m_skinMenu->AlphaBlendAnimation; }
void TlxLumenSkinForm::SetMenusAlphaBlendAnimation(bool value) { m_skinMenu->AlphaBlendAnimation = value; }
uint8_t TlxLumenSkinForm::MenusAlphaBlendValue() const { return m_skinMenu->AlphaBlendValue; }
void TlxLumenSkinForm::SetMenusAlphaBlendValue(uint8_t value) { m_skinMenu->AlphaBlendValue = value; }

void TlxLumenSkinForm::SetDefCaptionFont(const TlxFontDesc& value)
{
    m_defCaptionFont = value;
    if (Changeable())
        RepaintFrame();
}

void TlxLumenSkinForm::SetDefInActiveCaptionFont(const TlxFontDesc& value)
{
    m_defInActiveCaptionFont = value;
    if (Changeable())
        RepaintFrame();
}

int TlxLumenSkinForm::DefMenuItemHeight() const { return m_skinMenu->DefaultItemHeight; }
void TlxLumenSkinForm::SetDefMenuItemHeight(int value)
{
    if (value > 0)
        m_skinMenu->DefaultItemHeight = value;
}
const MenuFont& TlxLumenSkinForm::DefMenuItemFont() const { return m_skinMenu->DefaultItemFont; }
void TlxLumenSkinForm::SetDefMenuItemFont(const MenuFont& value) { m_skinMenu->DefaultItemFont = value; }

void TlxLumenSkinForm::SetTrayIcon(TlxTrayIcon* value)
{
    TComponent* c = m_trayIcon;
    Link(c, value);
    m_trayIcon = value;
    if (!value || IsReading())
        return;
    if (!m_alwaysShowInTray)
        value->SetIconVisible(false);
    value->MinimizeToTray = false;
    if (!value->PopupMenu())
        value->SetPopupMenu(m_trayMenu);
    if (!value->OnDblClick) {
        std::weak_ptr<bool> alive = m_alive;
        value->OnDblClick = [this, alive](TComponent*) {
            if (!alive.expired())
                RestoreFromTray();
        };
    }
}

void TlxLumenSkinForm::SetMainMenuBar(TComponent* value) { Link(m_mainMenuBar, value); }
void TlxLumenSkinForm::SetMDITabsBar(TComponent* value) { Link(m_mdiTabsBar, value); }

void TlxLumenSkinForm::SetSystemMenu(TPopupMenu* value)
{
    TComponent* c = m_systemMenu;
    Link(c, value);
    m_systemMenu = value;
}

void TlxLumenSkinForm::SetSkinData(TlxSkinData* value)
{
    TComponent* c = m_skinData;
    Link(c, value);
    m_skinData = value;
    if (m_trayMenu)
        m_trayMenu->SetSkinData(value);
    if (IsReading() || IsDestroying())
        return;
    const bool wasSkinned = m_skinned;
    m_skinned = value ? value->SkinnableForm() : true;
    ApplySkin();
    if (wasSkinned != m_skinned && HandleReady())
        m_form->FrameChanged();
}

void TlxLumenSkinForm::SetMenusSkinData(TlxSkinData* value)
{
    TComponent* c = m_menusSkinData;
    Link(c, value);
    m_menusSkinData = value;
}

void TlxLumenSkinForm::SetMinHeight(int value)
{
    m_limits.MinHeight = value;
    if (Changeable())
        RebuildFrame();
}

void TlxLumenSkinForm::SetMinWidth(int value)
{
    m_limits.MinWidth = value;
    if (Changeable())
        RebuildFrame();
}

void TlxLumenSkinForm::SetBorderIcons(const TlxBorderIcons& value)
{
    m_borderIcons = value;
    if (Changeable()) {
        ApplyFormBorderIcons();
        RebuildFrame();
        RepaintFrame();
    }
}

void TlxLumenSkinForm::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_skinData) {
        // The frame and its objects point into the skin: they go first.
        m_skinData = nullptr;
        if (m_trayMenu)
            m_trayMenu->SetSkinData(nullptr);
        m_skinReady = false;
        FreeObjects();
        if (!IsDestroying()) {
            const bool wasSkinned = m_skinned;
            m_skinned = true;
            ApplySkin();
            if (!wasSkinned && HandleReady())
                m_form->FrameChanged();
        }
    }
    if (component == m_menusSkinData)
        m_menusSkinData = nullptr;
    if (component == m_systemMenu)
        m_systemMenu = nullptr;
    if (component == m_mainMenuBar)
        m_mainMenuBar = nullptr;
    if (component == m_mdiTabsBar)
        m_mdiTabsBar = nullptr;
    if (component == m_trayIcon)
        m_trayIcon = nullptr;
    if (component == m_skinHint)
        m_skinHint = nullptr;
    if (component == m_statusBar)
        m_statusBar = nullptr;
    if (component == m_trayMenu)
        m_trayMenu = nullptr;
    if (component == m_skinMenu)
        m_skinMenu = nullptr;
}

// --- The frame.

FrameOptions TlxLumenSkinForm::MakeFrameOptions() const
{
    FrameOptions o;
    o.Icons = m_borderIcons;
    o.ShowIcon = m_showIcon;
    o.IconSize = SmallIconSize();
    o.Style = ToFrameStyle(m_form->BorderStyle());
    o.AlwaysResize = m_alwaysResize;
    o.HideCaptionButtons = m_hideCaptionButtons;
    o.Limits = m_limits;
    return o;
}

const std::vector<std::string>* TlxLumenSkinForm::ResStrings() const
{
    if (m_skinData && m_skinData->ResourceStrData())
        return &m_skinData->ResourceStrData()->ResStrings;
    return nullptr;
}

void TlxLumenSkinForm::RebuildFrame()
{
    if (m_pressed >= 0 && HandleReady() && GetCapture() == m_form->Handle())
        ReleaseCapture();
    m_hot = m_previousHot = m_pressed = -1;
    const TlxSkinContent* skin = m_skinReady && m_skinned && m_skinData ? m_skinData : nullptr;
    m_frame = std::make_unique<TSkinFrame>(*this, skin, MakeFrameOptions());
    if (skin && m_useDefaultObjectHint)
        ApplyDefaultHints(m_frame->Objects(), ResStrings());
    if (HandleReady()) {
        Rect r = WindowRectOf(m_form->Handle());
        m_frame->SetSize(r.Width(), r.Height());
    }
    ActivateCaption(m_frame->Objects(), m_active);
}

void TlxLumenSkinForm::FreeObjects()
{
    if (m_pressed >= 0 && HandleReady() && GetCapture() == m_form->Handle())
        ReleaseCapture();
    m_hot = m_previousHot = m_pressed = -1;
    HideObjectHint();
    // A fallback frame holds no pointer into any skin.
    m_frame = std::make_unique<TSkinFrame>(*this, nullptr, MakeFrameOptions());
}

int32_t TlxLumenSkinForm::MinWidthNow() const { return m_frame ? m_frame->MinWidth() : 0; }
int32_t TlxLumenSkinForm::MinHeightNow() const { return m_frame ? m_frame->MinHeight() : 0; }

bool TlxLumenSkinForm::BelowMinimum(int width, int height) const
{
    return width < MinWidthNow() || height < MinHeightNow();
}

void TlxLumenSkinForm::ResizeFrame(int width, int height)
{
    if (m_frame && (m_frame->Width() != width || m_frame->Height() != height))
        m_frame->SetSize(width, height);
}

void TlxLumenSkinForm::UpdateWindowRegion()
{
    if (!HandleReady())
        return;
    HWND wnd = m_form->Handle();
    if (m_skinned && m_frame && m_frame->Skinned() && m_frame->Shape().Masked) {
        m_regionApplied = ApplyWindowRegion(wnd, m_frame->RegionRects());
    } else if (m_regionApplied) {
        SetWindowRgn(wnd, nullptr, TRUE);
        m_regionApplied = false;
    }
}

void TlxLumenSkinForm::PaintFrame(HDC dc)
{
    if (!m_frame || m_skinChanging || !m_skinned)
        return;
    if (m_form->BorderStyle() == TBorderStyle::bsNone)
        return;
    FrameImage image;
    if (m_frame->Skinned()) {
        if (!ComposeSkinFrame(*m_frame, *m_text, image))
            return;
    } else {
        DefaultCaptionFonts fonts;
        fonts.Active = m_defCaptionFont.Font;
        fonts.ActiveColor = m_defCaptionFont.FontColor;
        fonts.Inactive = m_defInActiveCaptionFont.Font;
        fonts.InactiveColor = m_defInActiveCaptionFont.FontColor;
        ComposeDefaultFrame(*m_frame, *m_text, fonts, image);
    }
    PaintFrameImage(dc, image, m_frame->ClientRect());
}

void TlxLumenSkinForm::RepaintFrame()
{
    if (!HandleReady() || !m_skinned || !IsWindowVisible(m_form->Handle()))
        return;
    Rect r = WindowRectOf(m_form->Handle());
    ResizeFrame(r.Width(), r.Height());
    WindowDC dc(m_form->Handle());
    PaintFrame(dc.Get());
}

void TlxLumenSkinForm::RepaintObject(TlxActiveSkinObject& object)
{
    if (!HandleReady() || !m_skinned || !IsWindowVisible(m_form->Handle()))
        return;
    if (m_form->BorderStyle() == TBorderStyle::bsNone)
        return;
    WindowDC dc(m_form->Handle());
    IntersectClipRect(dc.Get(), object.ObjectRect.Left, object.ObjectRect.Top, object.ObjectRect.Right,
        object.ObjectRect.Bottom);
    PaintFrame(dc.Get());
}

void TlxLumenSkinForm::PaintClientBackground(HDC dc)
{
    RECT client {};
    GetClientRect(m_form->Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    const bool skinBackground = m_skinned && m_frame && m_frame->Skinned();
    if (!skinBackground && m_logo.View().IsEmpty()) {
        FillRect(dc, &client, m_form->BackgroundBrush());
        return;
    }
    PixelBuffer background(client.right, client.bottom);
    if (skinBackground) {
        ComposeClientBackground(*m_frame, background.View(), SystemColorResolver(), m_logo.View(), m_logoTransparent);
    } else {
        Color face = ResolveSystemColor(m_form->GetColor());
        for (int32_t y = 0; y < background.Height(); ++y) {
            uint8_t* row = background.Row(y);
            for (int32_t x = 0; x < background.Width(); ++x) {
                row[x * 3 + 0] = BlueOf(face);
                row[x * 3 + 1] = GreenOf(face);
                row[x * 3 + 2] = RedOf(face);
            }
        }
        TSkinFrame plain(*this, nullptr, MakeFrameOptions());
        ComposeClientBackground(plain, background.View(), SystemColorResolver(), m_logo.View(), m_logoTransparent);
    }
    BlitPixels(dc, 0, 0, background.View());
}

void TlxLumenSkinForm::ActivateCaptionWithRepaint(bool repaint)
{
    if (!m_frame)
        return;
    ActivateCaption(m_frame->Objects(), m_active);
    if (repaint)
        RepaintFrame();
}

void TlxLumenSkinForm::ApplyFormBorderIcons()
{
    if (m_skinned)
        m_form->SetBorderIcons({ false, false, false });
    else
        m_form->SetBorderIcons({ !m_hideCaptionButtons, m_borderIcons.Minimize, m_borderIcons.Maximize });
}

void TlxLumenSkinForm::WidthNudge()
{
    if (!HandleReady())
        return;
    HWND wnd = m_form->Handle();
    Rect r = WindowRectOf(wnd);
    int delta = NudgeDirection(r.Width(), MinWidthNow());
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(wnd, nullptr, 0, 0, r.Width() + delta, r.Height(), flags);
    SetWindowPos(wnd, nullptr, 0, 0, r.Width(), r.Height(), flags);
}

void TlxLumenSkinForm::ApplySkin()
{
    m_hot = m_previousHot = m_pressed = -1;
    m_skinReady = m_skinData && !m_skinData->Empty;
    RebuildFrame();
    if (!HandleReady())
        return;
    HWND wnd = m_form->Handle();
    UpdateWindowRegion();
    ApplyFormBorderIcons();
    m_form->FrameChanged();

    Rect r = WindowRectOf(wnd);
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SkinSizeFix fix = FixSizeForSkin(r.Width(), r.Height(), MinWidthNow(), MinHeightNow());
    if (!fix.Nudge)
        SetWindowPos(wnd, nullptr, 0, 0, fix.Width, fix.Height, flags);
    else if (m_skinReady && m_skinned)
        WidthNudge();
    if (m_rolledUp || m_windowState == TWindowState::wsMinimized) {
        r = WindowRectOf(wnd);
        int width = m_windowState == TWindowState::wsMinimized ? MinWidthNow() : r.Width();
        SetWindowPos(wnd, nullptr, 0, 0, width, MinHeightNow(), flags);
    }
    r = WindowRectOf(wnd);
    ResizeFrame(r.Width(), r.Height());
    UpdateWindowRegion();
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ActivateCaptionWithRepaint(true);
    StartTrackingTimer();
    if (OnChangeSkinData)
        OnChangeSkinData(this);
    if (!m_rolledUp && (m_clientWidth > 0 || m_clientHeight > 0))
        m_form->SetClientSize(m_clientWidth > 0 ? m_clientWidth : m_form->ClientWidth(),
            m_clientHeight > 0 ? m_clientHeight : m_form->ClientHeight());
}

void TlxLumenSkinForm::ChangeSkinnable(bool value)
{
    if (value == m_skinned || !HandleReady())
        return;
    HWND wnd = m_form->Handle();
    bool wasMaximized = false;
    if (m_skinned && m_windowState == TWindowState::wsMaximized) {
        wasMaximized = true;
        ShowWindow(wnd, SW_HIDE);
        ChangeWindowState(TWindowState::wsNormal);
    } else if (!m_skinned && IsZoomed(wnd)) {
        wasMaximized = true;
        ShowWindow(wnd, SW_HIDE);
        ShowWindow(wnd, SW_RESTORE);
        ShowWindow(wnd, SW_HIDE);
    }
    m_skinned = value;
    if (!value && m_regionApplied) {
        SetWindowRgn(wnd, nullptr, TRUE);
        m_regionApplied = false;
    }
    ApplySkin();
    m_takeover.Attach(wnd);
    m_form->FrameChanged();
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (wasMaximized) {
        if (m_skinned)
            ChangeWindowState(TWindowState::wsMaximized);
        else
            ShowWindow(wnd, SW_MAXIMIZE);
        ShowWindow(wnd, SW_SHOW);
    }
}

// --- Window states.

Rect TlxLumenSkinForm::WorkAreaOfForm() const { return GetWorkArea(m_form->Handle(), true); }
Rect TlxLumenSkinForm::MonitorOfForm() const { return GetWorkArea(m_form->Handle(), false); }

void TlxLumenSkinForm::SetStatusBarGrip(bool shown)
{
    auto* bar = dynamic_cast<TCustomWindow*>(m_statusBar);
    if (!bar || !bar->Handle())
        return;
    HWND wnd = bar->Handle();
    LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
    LONG_PTR next = shown ? (style | SBARS_SIZEGRIP) : (style & ~LONG_PTR(SBARS_SIZEGRIP));
    if (next != style) {
        SetWindowLongPtrW(wnd, GWL_STYLE, next);
        InvalidateRect(wnd, nullptr, TRUE);
    }
}

void TlxLumenSkinForm::ChangeWindowState(TWindowState state)
{
    if (!HandleReady())
        return;
    HWND wnd = m_form->Handle();
    if (!m_skinned) {
        ShowWindow(wnd, state == TWindowState::wsMinimized ? SW_MINIMIZE
                : state == TWindowState::wsMaximized       ? SW_MAXIMIZE
                                                           : SW_RESTORE);
        return;
    }
    if (state == m_windowState)
        return;
    const TWindowState old = m_windowState;
    std::weak_ptr<bool> alive = m_alive;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    switch (state) {
    case TWindowState::wsMinimized:
        if (IsMainForm()) {
            // The application window carries the taskbar entry; whoever hooks
            // it (the tray icon) sees the same command the platform's minimize sends.
            SendMessageW(Application().Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        } else {
            m_windowState = state;
            if (m_normalBounds.IsZero())
                m_normalBounds = WindowRectOf(wnd);
            std::vector<Point> taken;
            for (TCustomForm* f : Application().Forms()) {
                if (f == m_form || f == Application().MainForm() || !f->Visible())
                    continue;
                for (TComponent* c : f->Components())
                    if (auto* other = dynamic_cast<TlxLumenSkinForm*>(c))
                        if (other->Skinned() && other->RecordedWindowState() == TWindowState::wsMinimized) {
                            Rect o = WindowRectOf(f->Handle());
                            taken.push_back({ o.Left, o.Top });
                        }
            }
            Rect work = WorkAreaOfForm();
            int minW = MinWidthNow(), minH = MinHeightNow();
            Point place = MinimizedPlace(work, minW, minH, taken);
            SetWindowPos(wnd, nullptr, place.X, place.Y, minW, minH, flags);
            RepaintFrame();
        }
        if (!alive.expired() && OnMinimize)
            OnMinimize(this);
        break;
    case TWindowState::wsMaximized: {
        m_windowState = state;
        if (m_normalBounds.IsZero())
            m_normalBounds = WindowRectOf(wnd);
        m_rolledUpBeforeMaximize = m_rolledUp;
        m_rolledUpWhileMaximized = m_rolledUp;
        Rect screen { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
        Rect r = MaximizedRect(WorkAreaOfForm(), MonitorOfForm(), screen, m_maximizeOnFullScreen);
        SetWindowPos(wnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), flags);
        SetStatusBarGrip(false);
        RepaintFrame();
        if (OnMaximize)
            OnMaximize(this);
        break;
    }
    case TWindowState::wsNormal: {
        m_windowState = state;
        if (old == TWindowState::wsMaximized && m_rolledUp && !m_rolledUpBeforeMaximize)
            m_rolledUp = false;
        Rect before = WindowRectOf(wnd);
        Rect target = m_normalBounds.IsZero() ? before : m_normalBounds;
        if (m_rolledUp)
            target.Bottom = target.Top + MinHeightNow();
        if (m_firstShow) {
            if (auto area = CentringArea(m_positionInMonitor, MonitorOfForm(), WorkAreaOfForm())) {
                Point p = CenteredPlace(*area, target.Width(), target.Height());
                target = Rect { p.X, p.Y, p.X + target.Width(), p.Y + target.Height() };
            }
            m_firstShow = false;
        }
        SetWindowPos(wnd, nullptr, target.Left, target.Top, target.Width(), target.Height(), flags);
        StartTrackingTimer();
        if (target.Width() == before.Width() && target.Height() == before.Height() && m_skinReady)
            WidthNudge();
        RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        m_normalBounds = Rect {};
        SetStatusBarGrip(true);
        if (OnRestore)
            OnRestore(this);
        break;
    }
    }
}

void TlxLumenSkinForm::SetRollUpState(bool value)
{
    RollUpContext ctx;
    ctx.HasRollUp = m_borderIcons.RollUp;
    ctx.Minimized = m_windowState == TWindowState::wsMinimized;
    ctx.Maximized = m_windowState == TWindowState::wsMaximized;
    ctx.RolledUp = m_rolledUp;
    ctx.RolledUpBeforeMaximize = m_rolledUpBeforeMaximize;
    if (!RollUpAllowed(ctx) || value == m_rolledUp || !HandleReady())
        return;
    HWND wnd = m_form->Handle();
    if (ctx.Maximized)
        m_rolledUpWhileMaximized = value;
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    Rect r = WindowRectOf(wnd);
    if (value) {
        m_savedHeight = r.Height();
        m_rolledUp = true;
        SetWindowPos(wnd, nullptr, 0, 0, r.Width(), MinHeightNow(), flags);
    } else {
        m_rolledUp = false;
        RollDownSize size = RollDownHeight(m_clientHeight, m_savedHeight);
        if (size.IsClientHeight)
            m_form->SetClientSize(m_form->ClientWidth(), size.Height);
        else
            SetWindowPos(wnd, nullptr, 0, 0, r.Width(), size.Height, flags);
    }
    RepaintFrame();
    if (OnChangeRollUpState)
        OnChangeRollUpState(this);
}

void TlxLumenSkinForm::MinimizeToTray()
{
    if (!m_trayIcon)
        return;
    m_trayIcon->MinimizeToTray = true;
    Application().Minimize();
    if (OnMinimizeToTray)
        OnMinimizeToTray(this);
}

void TlxLumenSkinForm::RestoreFromTray()
{
    if (!m_trayIcon)
        return;
    m_trayIcon->MinimizeToTray = false;
    m_trayIcon->RestoreMainForm();
    Application().Restore();
    if (m_trayIcon && !m_alwaysShowInTray)
        m_trayIcon->SetIconVisible(false);
    if (OnRestoreFromTray)
        OnRestoreFromTray(this);
}

// --- The skin objects' services.

FrameWindowState TlxLumenSkinForm::WindowState() const
{
    FrameWindowState s;
    s.Minimized = m_windowState == TWindowState::wsMinimized;
    s.Maximized = m_windowState == TWindowState::wsMaximized;
    s.RolledUp = m_rolledUp;
    s.Active = m_active;
    return s;
}

bool TlxLumenSkinForm::SkinEffectsEnabled() const
{
    return m_skinData && !m_skinData->Empty && m_skinData->EnableSkinEffects;
}

std::wstring TlxLumenSkinForm::CaptionText() const { return m_form->Caption(); }

int32_t TlxLumenSkinForm::CaptionCharSet() const
{
    if (m_skinData && m_skinData->ResourceStrData())
        return m_skinData->ResourceStrData()->CharSet;
    return m_defCaptionFont.Font.CharSet;
}

int32_t TlxLumenSkinForm::ButtonsOffset() const
{
    return m_frame && m_frame->Skinned() ? m_frame->Info().ButtonsOffset : 0;
}

const IColorResolver& TlxLumenSkinForm::Colors() const { return SystemColorResolver(); }

void TlxLumenSkinForm::DrawSmallIcon(FrameCanvas& canvas, int32_t x, int32_t y)
{
    HICON source = m_form->Icon();
    if (!m_smallIcon || source != m_smallIconSource) {
        m_smallIcon = MakeSmallIcon(source, Application().Icon());
        m_smallIconSource = source;
    }
    DrawIconOnPixels(canvas.Pixels, x, y, m_smallIcon.Get(), SmallIconSize());
}

bool TlxLumenSkinForm::CaptionPaint(FrameCanvas& canvas, Rect objectRect, bool active)
{
    if (!OnCaptionPaint)
        return false;
    OnCaptionPaint(this, canvas, objectRect, active);
    return true;
}

void TlxLumenSkinForm::CloseForm()
{
    // Posted: the form may go away, and the object that asked with it.
    if (HandleReady())
        PostMessageW(m_form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TlxLumenSkinForm::MaximizeForm() { ChangeWindowState(TWindowState::wsMaximized); }

void TlxLumenSkinForm::MinimizeForm()
{
    if (m_alwaysMinimizeToTray && m_trayIcon)
        MinimizeToTray();
    else
        ChangeWindowState(TWindowState::wsMinimized);
}

void TlxLumenSkinForm::RestoreForm() { ChangeWindowState(TWindowState::wsNormal); }
void TlxLumenSkinForm::SetRollUp(bool rolledUp) { SetRollUpState(rolledUp); }

MenuItemRef TlxLumenSkinForm::SystemMenuItems() { return &PrepareSystemMenu(); }

void TlxLumenSkinForm::PopupMenu(TlxActiveSkinObject& object, MenuItemRef menu)
{
    if (!HandleReady() || !menu || !m_skinMenu)
        return;
    // The menu takes the pointer from here on.
    if (GetCapture() == m_form->Handle())
        ReleaseCapture();
    Rect w = WindowRectOf(m_form->Handle());
    Rect anchor { w.Left + object.ObjectRect.Left, w.Top + object.ObjectRect.Top, w.Left + object.ObjectRect.Right,
        w.Top + object.ObjectRect.Bottom };
    EnterMenuState();
    m_skinMenu->Popup(m_form->Handle(), ProvidedMenusSkinData(), false,
        const_cast<TMenuItem*>(static_cast<const TMenuItem*>(menu)), anchor, 0);
}

void TlxLumenSkinForm::MouseEnterEvent(const std::string& id)
{
    if (OnMouseEnterEvent)
        OnMouseEnterEvent(this, id);
}
void TlxLumenSkinForm::MouseLeaveEvent(const std::string& id)
{
    if (OnMouseLeaveEvent)
        OnMouseLeaveEvent(this, id);
}
void TlxLumenSkinForm::MouseDownEvent(const std::string& id, int32_t x, int32_t y, Rect r, TMouseButton b)
{
    if (OnMouseDownEvent)
        OnMouseDownEvent(this, id, b, x, y, r);
}
void TlxLumenSkinForm::MouseUpEvent(const std::string& id, int32_t x, int32_t y, Rect r, TMouseButton b)
{
    if (OnMouseUpEvent)
        OnMouseUpEvent(this, id, b, x, y, r);
}
void TlxLumenSkinForm::MouseMoveEvent(const std::string& id, int32_t x, int32_t y, Rect r)
{
    if (OnMouseMoveEvent)
        OnMouseMoveEvent(this, id, x, y, r);
}
void TlxLumenSkinForm::PaintEvent(const std::string& id, FrameCanvas& canvas, Rect r)
{
    if (OnPaintEvent)
        OnPaintEvent(this, id, canvas, r);
}
bool TlxLumenSkinForm::ActivateCustomObject(const std::string& id, bool visible)
{
    if (!OnActivateCustomObject)
        return visible;
    bool v = visible;
    OnActivateCustomObject(this, id, v);
    return v;
}

// --- Timers.

void TlxLumenSkinForm::StartTrackingTimer()
{
    if (!m_trackingTimer && HandleReady() && m_skinned && m_frame && !m_frame->Objects().empty())
        m_trackingTimer = SetTimer(m_form->Handle(), TrackingTimerId, TrackingInterval, nullptr);
}

void TlxLumenSkinForm::StopTrackingTimer()
{
    if (m_trackingTimer && HandleReady())
        KillTimer(m_form->Handle(), TrackingTimerId);
    m_trackingTimer = 0;
}

void TlxLumenSkinForm::StartMorphTimer()
{
    if (!m_morphTimer && HandleReady())
        m_morphTimer = SetTimer(m_form->Handle(), MorphTimerId, MorphInterval, nullptr);
}

void TlxLumenSkinForm::StartAnimationTimer()
{
    if (!m_animationTimer && HandleReady())
        m_animationTimer = SetTimer(m_form->Handle(), AnimationTimerId, AnimationInterval, nullptr);
}

void TlxLumenSkinForm::StopTimers()
{
    StopTrackingTimer();
    if (HandleReady()) {
        if (m_morphTimer)
            KillTimer(m_form->Handle(), MorphTimerId);
        if (m_animationTimer)
            KillTimer(m_form->Handle(), AnimationTimerId);
    }
    m_morphTimer = m_animationTimer = 0;
}

int TlxLumenSkinForm::LiveTimers() const
{
    return (m_trackingTimer ? 1 : 0) + (m_morphTimer ? 1 : 0) + (m_animationTimer ? 1 : 0) + (m_fadeTimer ? 1 : 0);
}

void TlxLumenSkinForm::TrackingTick()
{
    if (m_inSizeMove || !m_active || !m_frame) {
        StopTrackingTimer();
        return;
    }
    HWND wnd = m_form->Handle();
    POINT cursor {};
    GetCursorPos(&cursor);
    Rect w = WindowRectOf(wnd);
    Point p = ScreenToWindowPoint({ cursor.x, cursor.y }, ToRECT(w));
    const bool overWindow = w.Contains({ cursor.x, cursor.y }) && GetAncestor(WindowFromPoint(cursor), GA_ROOT) == wnd;
    const bool inClient = m_frame->ClientRect().Contains(p);
    TrackObjects(p.X, p.Y, overWindow && !inClient);
    // Nothing to watch while the pointer is elsewhere: the next hit test on
    // an object starts the timer again.
    if (m_trackingTimer && !overWindow && m_hot < 0 && m_pressed < 0)
        StopTrackingTimer();
}

void TlxLumenSkinForm::MorphTick()
{
    if (!m_frame || !MorphTimerTick(m_frame->Objects())) {
        KillTimer(m_form->Handle(), MorphTimerId);
        m_morphTimer = 0;
    }
}

void TlxLumenSkinForm::AnimationTick()
{
    if (!m_frame || !AnimationTimerTick(m_frame->Objects())) {
        KillTimer(m_form->Handle(), AnimationTimerId);
        m_animationTimer = 0;
    }
}

// --- Transparency.

void TlxLumenSkinForm::SetLayered(bool on)
{
    if (!HandleReady())
        return;
    HWND wnd = m_form->Handle();
    LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
    LONG_PTR next = on ? (ex | WS_EX_LAYERED) : (ex & ~LONG_PTR(WS_EX_LAYERED));
    if (next != ex)
        SetWindowLongPtrW(wnd, GWL_EXSTYLE, next);
    m_layered = on;
    if (!on)
        RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TlxLumenSkinForm::ApplyAlpha(uint8_t alpha)
{
    if (HandleReady() && m_layered)
        SetWindowAlpha(m_form->Handle(), alpha);
}

void TlxLumenSkinForm::FadeStart()
{
    if (!LayeredWindowsAvailable() || !HandleReady())
        return;
    SetLayered(true);
    m_fadeAlpha = 0;
    ApplyAlpha(0);
    m_fadeTarget = FadeTarget(m_alphaBlend, m_alphaBlendAnimation, m_alphaBlendValue);
    m_fadeTimer = SetTimer(m_form->Handle(), FadeTimerId, m_alphaBlendAnimation ? FadeInterval : 1, nullptr) != 0;
}

void TlxLumenSkinForm::FadeTick()
{
    // One step per tick: the message loop runs between the steps.
    m_fadeAlpha = m_alphaBlendAnimation ? NextFadeAlpha(m_fadeAlpha, m_fadeTarget) : m_fadeTarget;
    const bool done = m_fadeAlpha >= m_fadeTarget;
    if (done) {
        KillTimer(m_form->Handle(), FadeTimerId);
        m_fadeTimer = false;
    }
    if (done && m_fadeTarget == 255)
        SetLayered(false);
    else
        ApplyAlpha(m_fadeAlpha);
}

// --- Showing.

void TlxLumenSkinForm::FirstShowPlacement()
{
    if (!m_firstShow)
        return;
    m_firstShow = false;
    if (m_windowState != TWindowState::wsNormal)
        return;
    auto area = CentringArea(m_positionInMonitor, MonitorOfForm(), WorkAreaOfForm());
    if (!area)
        return;
    Rect r = WindowRectOf(m_form->Handle());
    Point p = CenteredPlace(*area, r.Width(), r.Height());
    SetWindowPos(m_form->Handle(), nullptr, p.X, p.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TlxLumenSkinForm::NotifyChildren()
{
    for (HWND child = GetWindow(m_form->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, ParentBackgroundChangedMessage, 0, 0);
}

// --- Objects and the pointer.

void TlxLumenSkinForm::TrackObjects(int x, int y, bool allow)
{
    if (!m_active || !m_frame || m_frame->Objects().empty())
        return;
    SkinObjectList& objects = m_frame->Objects();
    std::vector<ObjectHitInfo> hits;
    hits.reserve(objects.size());
    for (const auto& o : objects)
        hits.push_back({ o->ObjectRect, o->Enabled, o->Visible });
    int next = FindHotObject(hits, { x, y }, allow, m_pressed);
    if (next == m_hot)
        return;
    std::weak_ptr<bool> alive = m_alive;
    const int old = m_hot;
    m_previousHot = old;
    m_hot = next;
    if (old >= 0 && size_t(old) < objects.size()) {
        TlxActiveSkinObject& o = *objects[size_t(old)];
        if (o.Enabled && o.Visible)
            o.MouseLeave();
        if (alive.expired())
            return;
        HideObjectHint();
    }
    if (next >= 0 && m_frame && size_t(next) < m_frame->Objects().size()) {
        TlxActiveSkinObject& o = *m_frame->Objects()[size_t(next)];
        o.MouseEnter();
        if (alive.expired())
            return;
        ShowObjectHintFor(o);
    }
}

void TlxLumenSkinForm::ShowObjectHintFor(TlxActiveSkinObject& object)
{
    if (m_showObjectHint && m_skinHint && !object.Hint.empty())
        m_skinHint->QueueObjectHint(AnsiToWide(object.Hint));
}

void TlxLumenSkinForm::HideObjectHint()
{
    if (m_skinHint)
        m_skinHint->HideObjectHint();
}

void TlxLumenSkinForm::Press(Point p, TMouseButton button)
{
    if (m_hot < 0 || !m_frame || size_t(m_hot) >= m_frame->Objects().size())
        return;
    TlxActiveSkinObject& o = *m_frame->Objects()[size_t(m_hot)];
    if (o.Kind() != FrameObjectKind::Caption)
        SetCapture(m_form->Handle());
    m_pressed = m_hot;
    o.MouseDown(p.X, p.Y, button);
}

void TlxLumenSkinForm::Release(Point p, TMouseButton button)
{
    if (m_pressed < 0 || !m_frame || size_t(m_pressed) >= m_frame->Objects().size()) {
        m_pressed = -1;
        return;
    }
    TlxActiveSkinObject& o = *m_frame->Objects()[size_t(m_pressed)];
    // Cleared first: the object's command may close or resize the form.
    m_pressed = -1;
    if (o.Kind() != FrameObjectKind::Caption && GetCapture() == m_form->Handle())
        ReleaseCapture();
    o.MouseUp(p.X, p.Y, button);
}

// --- Menus.

std::string TlxLumenSkinForm::ResString(std::string_view key, std::wstring_view fallback, std::wstring& out) const
{
    std::string value;
    if (m_skinData && m_skinData->ResourceStrData())
        value = m_skinData->ResourceStrData()->GetResString(key);
    out = value.empty() ? std::wstring(fallback) : AnsiToWide(value);
    return value;
}

void TlxLumenSkinForm::RunSysMenuAction(SysMenuAction action)
{
    switch (action) {
    case SysMenuAction::Minimize: MinimizeForm(); break;
    case SysMenuAction::MinimizeToTray: MinimizeToTray(); break;
    case SysMenuAction::Maximize: ChangeWindowState(TWindowState::wsMaximized); break;
    case SysMenuAction::Restore:
        if (m_windowState == TWindowState::wsNormal && IsMainForm() && IsIconic(Application().Handle()))
            SendMessageW(Application().Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
        else
            ChangeWindowState(TWindowState::wsNormal);
        break;
    case SysMenuAction::RollDown: SetRollUpState(false); break;
    case SysMenuAction::RollUp: SetRollUpState(true); break;
    case SysMenuAction::Close: CloseForm(); break;
    case SysMenuAction::Separator: break;
    }
}

SysMenuState TlxLumenSkinForm::MenuState() const
{
    SysMenuState s;
    s.Icons = m_borderIcons;
    s.Minimized = m_windowState == TWindowState::wsMinimized;
    s.Maximized = m_windowState == TWindowState::wsMaximized;
    s.RolledUp = m_rolledUp;
    s.RolledUpWhileMaximized = m_rolledUpWhileMaximized;
    s.AlwaysMinimizeToTray = m_alwaysMinimizeToTray;
    return s;
}

std::unique_ptr<TMenuItem> TlxLumenSkinForm::MakeSysMenuItem(const SysMenuItemInfo& entry)
{
    auto item = std::make_unique<TMenuItem>();
    item->SetName(AnsiToWide(entry.Name));
    if (entry.Action == SysMenuAction::Separator) {
        item->Caption = L"-";
        return item;
    }
    ResString(entry.CaptionKey, entry.Caption, item->Caption);
    item->ShortCut = entry.ShortCut;
    std::weak_ptr<bool> alive = m_alive;
    const SysMenuAction action = entry.Action;
    item->OnClick = [this, alive, action](TComponent*) {
        if (!alive.expired())
            RunSysMenuAction(action);
    };
    return item;
}

TMenuItem& TlxLumenSkinForm::PrepareSystemMenu()
{
    const SysMenuState state = MenuState();
    if (m_systemMenu) {
        TMenuItem& root = m_systemMenu->Items();
        for (int i = root.Count() - 1; i >= 0; --i)
            if (IsDefaultSystemMenuItemName(WideToAnsi(root.Items(i)->Name())))
                root.Delete(i);
        if (m_useDefaultSysMenu) {
            auto [before, after] = ApplicationSystemMenuItems(state);
            int at = 0;
            for (const auto& entry : before)
                root.Insert(at++, MakeSysMenuItem(entry));
            for (const auto& entry : after)
                root.Add(MakeSysMenuItem(entry));
        }
        return root;
    }
    TMenuItem& root = m_defaultSysMenu->Items();
    root.Clear();
    for (const auto& entry : DefaultSystemMenuItems(state))
        root.Add(MakeSysMenuItem(entry));
    return root;
}

void TlxLumenSkinForm::PopupSystemMenu(Rect screenRect)
{
    if (!HandleReady() || !m_skinMenu)
        return;
    TMenuItem& root = PrepareSystemMenu();
    EnterMenuState();
    m_skinMenu->Popup(m_form->Handle(), ProvidedMenusSkinData(), false, &root, screenRect, 0);
}

void TlxLumenSkinForm::EnterMenuState()
{
    // The menu engine takes the key-downs through its own filter; the wheel
    // would scroll the window beneath an open menu.
    m_wheelFilter = Application().AddMessageFilter([this](MSG& message) {
        return (message.message == WM_MOUSEWHEEL || message.message == WM_MOUSEHWHEEL) && m_skinMenu
            && m_skinMenu->Visible();
    });
    m_skinMenuOpen = true;
    if (OnSkinMenuOpen)
        OnSkinMenuOpen(this);
}

void TlxLumenSkinForm::ReleaseDownMenuButton()
{
    if (!m_frame)
        return;
    for (auto& o : m_frame->Objects()) {
        if (auto* button = dynamic_cast<TlxSkinButtonObject*>(o.get()); button && button->Down && button->MenuItem) {
            button->SetDown(false);
            return;
        }
        if (auto* animate = dynamic_cast<TlxSkinAnimateObject*>(o.get()); animate && animate->Pressed && animate->MenuItem) {
            animate->Pressed = false;
            StartAnimationTimer();
            RepaintObject(*animate);
            return;
        }
    }
}

void TlxLumenSkinForm::SkinMenuClosed()
{
    m_skinMenuOpen = false;
    ReleaseDownMenuButton();
    m_wheelFilter.Reset();
    if (OnSkinMenuClose)
        OnSkinMenuClose(this);
}

void TlxLumenSkinForm::BuildTrayMenu()
{
    TMenuItem& root = m_trayMenu->Items();
    root.Clear();
    std::weak_ptr<bool> alive = m_alive;
    TMenuItem* restore = root.Add(L"&Restore", [this, alive](TComponent*) {
        if (!alive.expired())
            RestoreFromTray();
    });
    restore->SetName(L"TRAY_LSF_RESTORE");
    root.Add(L"-");
    TMenuItem* close = root.Add(L"&Close", [this, alive](TComponent*) {
        if (!alive.expired())
            CloseForm();
    });
    close->SetName(L"TRAY_LSF_CLOSE");
    close->ShortCut = L"Alt+F4";
}

void TlxLumenSkinForm::ApplyMenuSettings()
{
    if (!m_skinMenu)
        return;
    m_skinMenu->MaxMenuItemsInWindow = m_maxMenuItemsInWindow;
    m_skinMenu->OwnerWindow = m_form->Handle();
}

bool TlxLumenSkinForm::HandleShortCut(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    if (!HandleReady() || !message.hwnd || GetAncestor(message.hwnd, GA_ROOT) != m_form->Handle())
        return false;
    // An open menu takes the keys through its own filter. A menu that closed
    // without telling this form (opened for another control) is done with.
    if (m_skinMenu && m_skinMenu->Visible())
        return false;
    if (m_skinMenuOpen)
        SkinMenuClosed();
    const WORD key = WORD(message.wParam);
    const TShiftState shift = KeyboardShiftState();
    bool handled = false;
    if (OnShortCut) {
        std::weak_ptr<bool> alive = m_alive;
        OnShortCut(key, shift, handled);
        if (alive.expired() || handled)
            return handled;
    }
    if (key == VK_SPACE && shift == TShiftState { TShift::ssAlt } && m_skinned && m_frame) {
        Rect w = WindowRectOf(m_form->Handle());
        for (auto& o : m_frame->Objects())
            if (o->Command() == TlxStdCommand::cmSysMenu && o->Enabled && o->Visible) {
                Rect r = o->ObjectRect;
                PopupSystemMenu({ w.Left + r.Left, w.Top + r.Top, w.Left + r.Right, w.Top + r.Bottom });
                break;
            }
        return true;
    }
    return false;
}

// --- The window procedure.

void TlxLumenSkinForm::ClosingFilter(UINT message)
{
    if (!IsClosingFilterMessage(message))
        return;
    HideObjectHint();
    if (!m_skinMenuOpen || !m_skinMenu)
        return;
    if (m_skinMenu->Visible())
        m_skinMenu->CloseAll();
    else
        SkinMenuClosed();
}

LRESULT TlxLumenSkinForm::WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return HandleMessage(wnd, message, wParam, lParam);
    } catch (...) {
        Application().HandleCurrentException();
        return 0;
    }
}

LRESULT TlxLumenSkinForm::HandleMessage(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::weak_ptr<bool> alive = m_alive;
    auto previous = [&] { return CallPreviousProc(wnd, message, wParam, lParam); };
    ClosingFilter(message);
    if (alive.expired())
        return previous();
    const bool skinned = m_skinned;
    switch (message) {
    case WM_DESTROY:
        StopTimers();
        if (m_fadeTimer) {
            KillTimer(wnd, FadeTimerId);
            m_fadeTimer = false;
        }
        return previous();
    case WM_SIZE: {
        LRESULT r = previous();
        if (alive.expired())
            return r;
        m_snap.Clear();
        Rect w = WindowRectOf(wnd);
        if (skinned && !BelowMinimum(w.Width(), w.Height())) {
            // The frame may already have this size (a paint or hit test before
            // WM_SIZE resizes it), so the region is made for every new size.
            ResizeFrame(w.Width(), w.Height());
            UpdateWindowRegion();
            RepaintFrame();
            if (m_skinReady && m_frame && m_frame->Skinned() && m_frame->Info().Stretch.Client) {
                InvalidateRect(wnd, nullptr, TRUE);
                NotifyChildren();
            }
        }
        if (m_alphaBlend && m_alphaBlendValue < 255 && LayeredWindowsAvailable())
            RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
        if (!m_logo.View().IsEmpty())
            InvalidateRect(wnd, nullptr, TRUE);
        return r;
    }
    case WM_ACTIVATE: {
        if (!skinned)
            return previous();
        LRESULT r = previous();
        if (alive.expired())
            return r;
        const bool active = LOWORD(wParam) != WA_INACTIVE;
        m_active = active;
        if (m_frame)
            ResetObjects(m_frame->Objects());
        ActivateCaptionWithRepaint(true);
        if (active && OnActivate)
            OnActivate(this);
        else if (!active && OnDeActivate)
            OnDeActivate(this);
        return r;
    }
    case WM_SETTEXT:
    case WM_SETICON: {
        LRESULT r = previous();
        if (!alive.expired() && skinned)
            RepaintFrame();
        return r;
    }
    case WM_ERASEBKGND:
        PaintClientBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_SHOWWINDOW:
        if (wParam) {
            FirstShowPlacement();
            if ((m_alphaBlend || m_alphaBlendAnimation) && !m_fadeTimer)
                FadeStart();
            if (skinned && m_skinReady)
                WidthNudge();
            // The frame has no menu bar: a platform menu would sit inside it.
            if (skinned && GetMenu(wnd))
                SetMenu(wnd, nullptr);
        } else if (m_alphaBlend && m_layered) {
            SetLayered(false);
        }
        return previous();
    case WM_SETCURSOR:
        if (m_useFormCursorInNCArea && skinned) {
            int code = FormCursorHitCode(short(LOWORD(lParam)));
            return CallPreviousProc(wnd, message, wParam, MAKELPARAM(code, HIWORD(lParam)));
        }
        return previous();
    case WM_GETMINMAXINFO: {
        LRESULT r = previous();
        if (!skinned || alive.expired() || !m_frame)
            return r;
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = MinWidthNow();
        info->ptMinTrackSize.y = MinHeightNow();
        Rect work = WorkAreaOfForm(), monitor = MonitorOfForm();
        int maxW = GetMaxWidth(m_limits, work, monitor), maxH = GetMaxHeight(m_limits, work, monitor);
        if (m_limits.MaxWidth > 0 || m_limits.MaxHeight > 0) {
            info->ptMaxTrackSize.x = maxW;
            info->ptMaxTrackSize.y = maxH;
        }
        return r;
    }
    case WM_NCCALCSIZE: {
        if (!skinned || !m_frame)
            return previous();
        RECT* rc = reinterpret_cast<RECT*>(lParam);
        Rect proposed = FromRECT(*rc);
        Rect client = m_frame->Skinned() ? SkinClientRect(m_frame->Info(), proposed)
                                         : DefaultClientRect(m_frame->Options().Style, proposed);
        *rc = ToRECT(client);
        return 0;
    }
    case WM_NCHITTEST: {
        if (!skinned || !m_frame)
            return previous();
        Rect w = WindowRectOf(wnd);
        ResizeFrame(w.Width(), w.Height());
        Point p = ScreenToWindowPoint(CursorFromLParam(lParam), ToRECT(w));
        int code = m_frame->HitTest(p, m_hot >= 0, m_inSizeMove);
        if (code == HitObject && !m_trackingTimer) {
            TrackObjects(p.X, p.Y, true);
            if (!alive.expired())
                StartTrackingTimer();
        }
        return code;
    }
    case WM_NCPAINT:
        if (!skinned)
            return previous();
        if (m_form->BorderStyle() != TBorderStyle::bsNone) {
            Rect w = WindowRectOf(wnd);
            ResizeFrame(w.Width(), w.Height());
            WindowDC dc(wnd);
            PaintFrame(dc.Get());
        }
        return 0;
    case WM_NCACTIVATE:
        if (!skinned)
            return previous();
        if (m_skinMenuOpen && m_skinMenu && m_skinMenu->Visible())
            m_skinMenu->CloseAll();
        if (alive.expired())
            return TRUE;
        m_active = wParam != 0;
        ActivateCaptionWithRepaint(m_form->BorderStyle() != TBorderStyle::bsNone);
        return TRUE;
    case WM_SYNCPAINT:
        if (skinned && m_rolledUp) {
            RepaintFrame();
            return 0;
        }
        return previous();
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_RESTORE:
            if (skinned && m_windowState == TWindowState::wsMaximized) {
                ChangeWindowState(TWindowState::wsNormal);
                return 0;
            }
            if (OnRestore)
                OnRestore(this);
            return alive.expired() ? 0 : previous();
        case SC_MAXIMIZE:
            if (skinned) {
                ChangeWindowState(TWindowState::wsMaximized);
                return 0;
            }
            return previous();
        case SC_KEYMENU:
            if (!skinned)
                return previous();
            if (m_skinMenuOpen && m_skinMenu && m_skinMenu->Visible())
                m_skinMenu->CloseAll();
            return 0;
        default:
            return previous();
        }
    case WM_CONTEXTMENU: {
        // A right click on the frame opened the skinned system menu already;
        // the platform's own would follow it.
        if (!skinned || !m_frame || lParam == -1)
            return previous();
        Rect w = WindowRectOf(wnd);
        Point p = ScreenToWindowPoint(CursorFromLParam(lParam), ToRECT(w));
        if (!m_frame->ClientRect().Contains(p))
            return 0;
        return previous();
    }
    case WM_TIMER:
        switch (wParam) {
        case FadeTimerId: FadeTick(); return 0;
        case TrackingTimerId: TrackingTick(); return 0;
        case MorphTimerId: MorphTick(); return 0;
        case AnimationTimerId: AnimationTick(); return 0;
        default: return previous();
        }
    case WM_SIZING: {
        m_snap.Clear();
        LRESULT r = previous();
        if (alive.expired() || !skinned || !m_inSizeMove || !m_fullWindowDrag || !m_skinReady || !m_frame)
            return r;
        Rect proposed = FromRECT(*reinterpret_cast<RECT*>(lParam));
        if (!BelowMinimum(proposed.Width(), proposed.Height())
            && (proposed.Width() != m_frame->Width() || proposed.Height() != m_frame->Height())) {
            ResizeFrame(proposed.Width(), proposed.Height());
            UpdateWindowRegion();
        }
        return r;
    }
    case WM_MOVING: {
        LRESULT r = previous();
        if (alive.expired() || !skinned)
            return r;
        RECT* rc = reinterpret_cast<RECT*>(lParam);
        if (m_windowState == TWindowState::wsMaximized) {
            *rc = ToRECT(WindowRectOf(wnd));
        } else if (m_magnetic) {
            POINT cursor {};
            GetCursorPos(&cursor);
            *rc = ToRECT(MagneticSnap(m_snap, FromRECT(*rc), WorkAreaOfForm(), { cursor.x, cursor.y }, m_magneticSize));
        }
        return TRUE;
    }
    case WM_ENTERSIZEMOVE:
        if (skinned) {
            POINT cursor {};
            GetCursorPos(&cursor);
            m_snap.AnchorX = cursor.x;
            m_snap.AnchorY = cursor.y;
            if (m_frame)
                ResetObjects(m_frame->Objects());
            StopTrackingTimer();
            m_hot = m_pressed = -1;
            m_inSizeMove = true;
            m_sizeMoveRan = true;
            BOOL full = FALSE;
            SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
            m_fullWindowDrag = full != FALSE;
        }
        return previous();
    case WM_EXITSIZEMOVE:
        if (skinned) {
            StopTrackingTimer();
            m_hot = m_previousHot = m_pressed = -1;
            m_inSizeMove = false;
            if (m_skinReady)
                RepaintFrame();
        }
        return previous();
    case MenuClosedMessage:
        SkinMenuClosed();
        return 0;
    case LumenQueryMessage:
        return skinned || MajorVersion(PlatformVersion()) < 6 ? LumenQuerySkinned : LumenQueryPlain;
    case LumenPrintFrameMessage:
        if (skinned && wParam && IsWindowVisible(wnd) && m_form->BorderStyle() != TBorderStyle::bsNone) {
            PaintFrame(reinterpret_cast<HDC>(wParam));
            return LumenPrintFrameAnswer;
        }
        return 0;
    case LumenPrintFrame2Message:
        if (lParam != LumenPrintFrame2Key)
            return previous();
        if (skinned && wParam)
            PaintFrame(reinterpret_cast<HDC>(wParam));
        return LumenPrintFrame2Key;
    default:
        break;
    }

    if (message == SKM_BEFORECHANGESKIN || message == SKM_CHANGESKIN || message == SKM_AFTERCHANGESKIN
        || message == SKM_CHANGERESSTRDATA || message == SKM_CHANGESKINNABLE) {
        const bool own = m_skinData && wParam == reinterpret_cast<WPARAM>(static_cast<TComponent*>(m_skinData));
        const bool ownContent = m_skinData && wParam == reinterpret_cast<WPARAM>(m_skinData);
        if (own || ownContent)
            SkinMessage(message);
        return previous();
    }

    switch (message) {
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE: {
        if (message == WM_NCLBUTTONDOWN)
            m_sizeMoveRan = false;
        LRESULT r = previous();
        if (!alive.expired())
            RouteMouse(message, wParam, lParam);
        return r;
    }
    default:
        return previous();
    }
}

void TlxLumenSkinForm::SkinMessage(UINT message)
{
    switch (message) {
    case SKM_BEFORECHANGESKIN:
        m_skinChanging = true;
        m_skinReady = false;
        StopTimers();
        FreeObjects();
        if (OnBeforeChangeSkinData)
            OnBeforeChangeSkinData(this);
        break;
    case SKM_CHANGESKIN:
        m_skinChanging = false;
        ApplySkin();
        break;
    case SKM_AFTERCHANGESKIN:
        if (OnAfterChangeSkinData)
            OnAfterChangeSkinData(this);
        break;
    case SKM_CHANGERESSTRDATA:
        if (m_frame && m_useDefaultObjectHint)
            ApplyDefaultHints(m_frame->Objects(), ResStrings());
        break;
    case SKM_CHANGESKINNABLE:
        ChangeSkinnable(m_skinData->SkinnableForm());
        break;
    default: break;
    }
}

void TlxLumenSkinForm::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND wnd = m_form->Handle();
    const bool nonClient = message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK;
    if ((nonClient && !m_skinned) || !m_frame)
        return;
    std::weak_ptr<bool> alive = m_alive;
    Rect w = WindowRectOf(wnd);
    Point p;
    if (nonClient) {
        p = ScreenToWindowPoint(CursorFromLParam(lParam), ToRECT(w));
    } else {
        POINT c { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
        ClientToScreen(wnd, &c);
        p = ScreenToWindowPoint({ c.x, c.y }, ToRECT(w));
    }
    auto object = [&](int index) -> TlxActiveSkinObject* {
        return index >= 0 && m_frame && size_t(index) < m_frame->Objects().size() ? m_frame->Objects()[size_t(index)].get()
                                                                                   : nullptr;
    };
    switch (message) {
    case WM_NCMOUSEMOVE:
        if (auto* o = object(m_pressed >= 0 ? m_pressed : m_hot))
            o->MouseMove(p.X, p.Y);
        break;
    case WM_MOUSEMOVE:
        // A pressed object holds the pointer: it follows it off and back on.
        if (m_pressed >= 0 && GetCapture() == wnd) {
            TrackObjects(p.X, p.Y, true);
            if (alive.expired())
                return;
            if (auto* o = object(m_pressed))
                o->MouseMove(p.X, p.Y);
        }
        break;
    case WM_NCLBUTTONDOWN:
        if (m_sizeMoveRan) {
            m_sizeMoveRan = false;
            break;
        }
        TrackObjects(p.X, p.Y, true);
        if (alive.expired())
            return;
        Press(p, TMouseButton::mbLeft);
        if (!alive.expired() && wParam == HTCAPTION)
            m_pressed = -1;
        break;
    case WM_NCLBUTTONUP: Release(p, TMouseButton::mbLeft); break;
    case WM_NCLBUTTONDBLCLK: {
        TrackObjects(p.X, p.Y, true);
        if (alive.expired())
            return;
        Press(p, TMouseButton::mbLeft);
        if (alive.expired())
            return;
        if (auto* o = object(m_hot))
            o->DblClick();
        if (alive.expired())
            return;
        if (wParam == HTCAPTION) {
            CaptionDblClickContext c;
            c.Resizable = m_frame->Resizable();
            c.Minimized = m_windowState == TWindowState::wsMinimized;
            c.Maximized = m_windowState == TWindowState::wsMaximized;
            c.RolledUp = m_rolledUp;
            c.RolledUpWhileMaximized = m_rolledUpWhileMaximized;
            c.HasMaximize = m_borderIcons.Maximize;
            switch (CaptionDoubleClick(c)) {
            case CaptionDblClickAction::Restore: ChangeWindowState(TWindowState::wsNormal); break;
            case CaptionDblClickAction::Maximize: ChangeWindowState(TWindowState::wsMaximized); break;
            case CaptionDblClickAction::ToggleRollUp: SetRollUpState(!m_rolledUp); break;
            }
        }
        if (!alive.expired()) {
            if (m_pressed >= 0 && GetCapture() == wnd)
                ReleaseCapture();
            m_pressed = -1;
        }
        break;
    }
    case WM_NCRBUTTONDOWN:
        TrackObjects(p.X, p.Y, true);
        if (alive.expired())
            return;
        Press(p, TMouseButton::mbRight);
        if (alive.expired())
            return;
        if (wParam == HTCAPTION) {
            if (m_pressed >= 0 && GetCapture() == wnd)
                ReleaseCapture();
            m_pressed = -1;
            POINT c { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
            PopupSystemMenu({ c.x, c.y, c.x, c.y });
        }
        break;
    case WM_NCRBUTTONUP: Release(p, TMouseButton::mbRight); break;
    case WM_NCRBUTTONDBLCLK:
        TrackObjects(p.X, p.Y, true);
        if (alive.expired())
            return;
        Press(p, TMouseButton::mbRight);
        if (!alive.expired() && wParam == HTCAPTION) {
            if (m_pressed >= 0 && GetCapture() == wnd)
                ReleaseCapture();
            m_pressed = -1;
        }
        break;
    case WM_LBUTTONUP: Release({ -1, -1 }, TMouseButton::mbLeft); break;
    case WM_RBUTTONUP: Release({ -1, -1 }, TMouseButton::mbRight); break;
    default: break;
    }
}

} // namespace ventro
