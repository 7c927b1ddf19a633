// The skin form controller as a component: construction and destruction,
// its published properties, removal notices and the services its skin
// objects call. The frame, the message map, the window states, the menus, the
// pointer and the fade-in each have a unit of their own (LumenSkinForm*.cpp).
#include "skin/form/LumenSkinForm.h"

#include "base/Exception.h"
#include "platform/Colors.h"
#include "platform/Compositor.h"
#include "platform/Text.h"
#include "skin/form/WinFrameDrawing.h"
#include "skin/gfx/GdiTextPainter.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/lxUtils.h"
#include "skin/menus/lxSkinHint.h"
#include "skin/menus/lxTrayIcon.h"

namespace ventro {

namespace {

// The fade-in's timer on the form; 1, as the library has it.
constexpr UINT_PTR FadeTimerId = 1;

} // namespace

TlxLumenSkinForm::TlxLumenSkinForm(TComponent* owner)
    : TComponent(owner), m_fade(m_timers, FadeTimerId)
{
    m_form = dynamic_cast<TForm*>(owner);
    if (!m_form)
        throw Exception("Invalid class typecast");
    m_defCaptionFont = { TextFont { "Arial", 14, TFontStyles { TFontStyles::fsBold }, 1 }, ClBtnText };
    m_defInActiveCaptionFont = { TextFont { "Arial", 14, TFontStyles { TFontStyles::fsBold }, 1 }, ClBtnShadow };
    m_text = std::make_unique<GdiTextPainter>();
    m_defaultSysMenu = std::make_unique<TPopupMenu>(nullptr);
    m_skinMenu = new TlxSkinMenu(this);
    // The engine's own alpha is 150; the form's MenusAlphaBlendValue is 200.
    m_skinMenu->AlphaBlendValue = 200;
    m_trayMenu = new TlxSkinPopupMenu(this);
    BuildTrayMenu();

    // The form keeps its client size when the frame changes hands.
    const int clientWidth = m_form->ClientWidth();
    const int clientHeight = m_form->ClientHeight();
    m_formIcons = m_form->BorderIcons();
    m_form->SetBorderIcons({ false, false, false });
    m_takeover = m_form->TakeOver([this, alive = m_liveness.Token()](HWND wnd, UINT message, WPARAM wParam,
                                      LPARAM lParam) -> LRESULT {
        if (!alive)
            return CallPreviousProc(wnd, message, wParam, lParam);
        return WindowProc(wnd, message, wParam, lParam);
    });
    m_skinMenu->OwnerWindow = m_form->Handle();
    m_keyFilter = Application().AddMessageFilter([this](MSG& message) { return HandleShortCut(message); });
    RebuildFrame();
    if (HandleReady()) {
        m_active = GetActiveWindow() == m_form->Handle();
        SetCompositorFrame(m_form->Handle(), false);
        m_form->FrameChanged();
        m_form->SetClientSize(clientWidth, clientHeight);
    }
}

TlxLumenSkinForm::~TlxLumenSkinForm()
{
    m_liveness.End();
    m_keyFilter.Reset();
    m_wheelFilter.Reset();
    HideObjectHint();
    if (m_skinMenu && m_skinMenu->Visible())
        m_skinMenu->CloseAll();
    HWND wnd = m_form->Handle();
    const bool windowStays = wnd && IsWindow(wnd) && !m_form->IsDestroying();
    m_timers.StopAll();
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
        SetCompositorFrame(wnd, true);
        m_form->SetBorderIcons(m_formIcons);
        m_form->FrameChanged();
        RedrawWholeWindow(wnd);
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
        // Given while the window is hidden, the region costs no redraw.
        UpdateWindowRegion();
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
        ApplyFrameOptions();
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
        ApplyFrameOptions();
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
        ApplyFrameOptions();
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
    if (m_alphaBlend && Changeable() && LayeredWindowsAvailable() && !m_fade.Running())
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
    if (Changeable() && value)
        ApplyDefaultObjectHints();
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
const TextFont& TlxLumenSkinForm::DefMenuItemFont() const { return m_skinMenu->DefaultItemFont; }
void TlxLumenSkinForm::SetDefMenuItemFont(const TextFont& value) { m_skinMenu->DefaultItemFont = value; }

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
    if (!value->OnDblClick)
        value->OnDblClick = m_liveness.WhileAlive([this](TComponent*) { RestoreFromTray(); });
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
        ApplyFrameOptions();
}

void TlxLumenSkinForm::SetMinWidth(int value)
{
    m_limits.MinWidth = value;
    if (Changeable())
        ApplyFrameOptions();
}

void TlxLumenSkinForm::SetBorderIcons(const TlxBorderIcons& value)
{
    m_borderIcons = value;
    if (Changeable()) {
        ApplyFormBorderIcons();
        ApplyFrameOptions();
        RepaintFrame();
    }
}

void TlxLumenSkinForm::ForgetSkinData()
{
    // The frame and its objects point into the skin: they go first.
    m_skinData = nullptr;
    if (m_trayMenu)
        m_trayMenu->SetSkinData(nullptr);
    m_skinReady = false;
    FreeObjects();
    if (IsDestroying())
        return;
    const bool wasSkinned = m_skinned;
    m_skinned = true;
    ApplySkin();
    if (!wasSkinned && HandleReady())
        m_form->FrameChanged();
}

void TlxLumenSkinForm::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_skinData)
        ForgetSkinData();
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

uint32_t TlxLumenSkinForm::ReadingFlags() const
{
    return HandleReady() && (GetWindowLongPtrW(m_form->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) ? TextRtlReading : 0;
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
} // namespace ventro
